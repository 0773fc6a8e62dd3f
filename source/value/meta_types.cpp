#include "value/meta_types.h"

#include "value/humidity_value.h"
#include "value/temperature_values.h"

#include <QMetaType>

namespace value {

void registerMetaTypes()
{
    qRegisterMetaType<HumidityValue_T>("::value::HumidityValue_T");
    qRegisterMetaType<Degrees_9C_T>("::value::Degrees_9C_T");
}

} // namespace value
