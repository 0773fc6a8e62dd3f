#include "signal_interface/temperature_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

TemperatureTypes::TemperatureTypes(QObject *parent)
    : QObject(parent)
{}

TemperatureTypes::~TemperatureTypes() = default;

bool TemperatureTypes::fromInt(int value, TemperatureUnit &result)
{
    return enumFromInt<TemperatureTypes>("TemperatureUnit", value, result);
}

QString TemperatureTypes::toText(TemperatureUnit value)
{
    return enumValueText<TemperatureTypes>("TemperatureUnit", value);
}

bool TemperatureTypes::fromInt(int value, TemperaturePresentation &result)
{
    return enumFromInt<TemperatureTypes>("TemperaturePresentation", value, result);
}

QString TemperatureTypes::toText(TemperaturePresentation value)
{
    return enumValueText<TemperatureTypes>("TemperaturePresentation", value);
}

} // namespace signalInterface
