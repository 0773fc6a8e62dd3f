#include "signal_interface/tank_status_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

TankStatusTypes::TankStatusTypes(QObject *parent)
    : QObject(parent)
{}

TankStatusTypes::~TankStatusTypes() = default;

} // namespace signalInterface
