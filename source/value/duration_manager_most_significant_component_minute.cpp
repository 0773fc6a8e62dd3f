#include "value/duration_manager_most_significant_component_minute.h"

namespace value {

DurationManagerMostSignificantComponentMinute::DurationManagerMostSignificantComponentMinute(
    QObject *parent)
    : DurationManager(signalInterface::TimeEditTypes::E_minute, parent)
{}

} // namespace value
