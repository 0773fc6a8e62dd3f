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
    if (!value())
        return direction == TimeEditTypes::E_increase ? upperLimit() : lowerLimit();
    int hour = 0, minute = 0, second = 0, millisecond = 0;
    componentSteps(hour, minute, second, millisecond);
    switch (component) {
    case TimeEditTypes::E_hour:
        return topComponentStep(millisecondsPerHour, hour, direction);
    case TimeEditTypes::E_minute:
    case TimeEditTypes::E_second:
    case TimeEditTypes::E_milliSecond:
        return plainStep(component, direction);
    default:
        return *value();
    }
}

} // namespace value
