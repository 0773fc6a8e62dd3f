#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Facts of the sauna protocol that the panel (link, value managers, controllers) and the simulated
// sauna must agree on. Header only, over Qt Core alone, so the simulator can use it without linking
// any panel layer.
namespace signalInterface::protocolFacts {

// A humidity on the wire is one number: 0..100 is percent; a level 0..10 is coded as level + 101,
// so 101..111.
constexpr int largestHumidityPercent = 100;
constexpr int largestHumidityLevel = 10;
constexpr int humidityLevelCodeOffset = 101;
constexpr int largestHumidityCode = largestHumidityLevel + humidityLevelCodeOffset;

constexpr bool isHumidityLevelCode(int code)
{
    return code >= humidityLevelCodeOffset;
}

// Every time on the wire counts from 2000-01-01 00:00: milliseconds for times, days for dates.
// Calendar, clock and state times are in UTC, error-log times in the panel's local time.
inline QDate protocolEpochDate()
{
    return QDate(2000, 1, 1);
}

inline QDateTime protocolEpoch(Qt::TimeSpec spec = Qt::UTC)
{
    return QDateTime(protocolEpochDate(), QTime(0, 0), spec);
}

} // namespace signalInterface::protocolFacts
