#include "value/duration_manager_most_significant_component_hour.h"

namespace value {

DurationManagerMostSignificantComponentHour::DurationManagerMostSignificantComponentHour(
    QObject *parent)
    : DurationManager(signalInterface::TimeEditTypes::E_hour, parent)
{}

} // namespace value
