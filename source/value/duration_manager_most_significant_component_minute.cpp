#include "value/duration_manager_most_significant_component_minute.h"

#include "signal_interface/time_edit_types.h"

using signalInterface::TimeEditTypes;

namespace value {

DurationManagerMostSignificantComponentMinute::DurationManagerMostSignificantComponentMinute(
    QObject *parent)
    : DurationManager(parent)
{}

qint64 DurationManagerMostSignificantComponentMinute::stepValue(int component, int direction) const
{
    const std::optional<qint64> held = value();
    if (!held)
        return direction == TimeEditTypes::E_increase ? upperLimit() : lowerLimit();
    switch (component) {
    case TimeEditTypes::E_minute:
        return topComponentStep(component, direction);
    case TimeEditTypes::E_second:
    case TimeEditTypes::E_milliSecond:
        return plainStep(component, direction);
    default:
        // The hour, and any unknown component, leave the value as it is.
        return *held;
    }
}

} // namespace value
