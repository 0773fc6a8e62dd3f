#include "value/duration_manager_most_significant_component_hour.h"

#include "signal_interface/time_edit_types.h"

using signalInterface::TimeEditTypes;

namespace value {

DurationManagerMostSignificantComponentHour::DurationManagerMostSignificantComponentHour(
    QObject *parent)
    : DurationManager(parent)
{}

qint64 DurationManagerMostSignificantComponentHour::stepValue(int component, int direction) const
{
    const std::optional<qint64> held = value();
    if (!held)
        return direction == TimeEditTypes::E_increase ? upperLimit() : lowerLimit();
    switch (component) {
    case TimeEditTypes::E_hour:
        return topComponentStep(component, direction);
    case TimeEditTypes::E_minute:
    case TimeEditTypes::E_second:
    case TimeEditTypes::E_milliSecond:
        return plainStep(component, direction);
    default:
        return *held;
    }
}

} // namespace value
