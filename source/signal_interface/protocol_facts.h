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

// The longest bath a sauna system runs, in minutes: a day. A bath time or time left beyond it is
// none the sauna can mean, and is shown as no value.
constexpr int longestBathMinutes = 24 * 60;

// The shortest bath a sauna system runs, in minutes.
constexpr int shortestBathMinutes = 1;

// Whether a reported bath-time limit, in minutes, is one: a limit below the shortest bath allows
// none, and is no limit a sauna can mean. A bath-time editor keeps the limits it has instead, so
// that such a report drags neither the editor nor its lower limit below a minute.
constexpr bool isBathTimeLimit(int minutes)
{
    return minutes >= shortestBathMinutes;
}

// Minutes of a day: times of day on the wire count minutes from midnight.
constexpr int minutesPerDay = 24 * 60;

// The minute of day a count of minutes from any midnight falls on, for counts before it too: -1 is
// 23:59.
constexpr qint64 minuteOfDay(qint64 minutes)
{
    return (minutes % minutesPerDay + minutesPerDay) % minutesPerDay;
}

// Whether a start at the minute of day falls in the not-allowed-start period from `from` up to,
// not into, `until` (minutes of day). The period may reach past midnight (22:00 - 06:00); equal
// limits make no period.
constexpr bool inNotAllowedStartPeriod(qint64 minute, qint64 from, qint64 until)
{
    return minuteOfDay(minute - from) < minuteOfDay(until - from);
}

// The heating rate a sauna reports before it has measured its own (its factory setting), and the
// rate that stands in for a reported 0: ninths of a degree Celsius per minute, 2 °C a minute.
constexpr qint64 factoryHeatRatio = 18;

// The temperature of the room a sauna stands in, which it has cooled to once it has been off for a
// while: ninths of a degree Celsius, 20 °C. The simulated sauna's room has it.
constexpr qint64 coldRoomTemperature = 180;

// Whole minutes a sauna heating at the rate (ninths of a degree Celsius per minute) needs from the
// temperature to the target (ninths of a degree Celsius); none when it is there already. The
// sauna switches a program that is to be ready at its time on this long before it, so the panel
// plans with the same figure.
constexpr qint64 heatingMinutes(qint64 targetTemperature, qint64 temperature, qint64 heatRatio)
{
    const qint64 rise = targetTemperature - temperature;
    if (rise <= 0)
        return 0;
    const qint64 ratio = heatRatio > 0 ? heatRatio : factoryHeatRatio;
    return (rise + ratio - 1) / ratio;
}

// The longest texts the panel takes from the sauna and keeps, in UTF-16 code units. A longer
// name or text is cut (never inside a surrogate pair), so the user still recognises it; only the
// texts that the protocol itself limits, and version numbers, are refused whole instead.
// A sauna's name, from its announcement, its connect reply or the settings file: fits every screen.
constexpr int longestSaunaName = 64;
// The sauna application's name and version, shown on the About page.
constexpr int longestApplicationName = 64;
constexpr int longestApplicationVersion = 32;
// A message the sauna raises for the user: several sentences, more than one popup shows.
constexpr int longestUserMessageText = 512;
// The description of a data error the sauna found, shown in an internal-error message.
constexpr int longestDataErrorDescription = 256;
// Favorite and auxiliary relay names: the protocol's own limit; a longer one is refused.
constexpr int longestFavoriteName = 20;
constexpr int longestAuxRelayName = 20;
// A node's version, three 32-bit decimal numbers joined by ".": longer is no version.
constexpr int longestVersionText = 3 * 10 + 2;

// Every time on the wire counts from 2000-01-01 00:00: milliseconds for times, days for dates.
// The sauna's clock, calendar and state times are a wall clock without a zone; the panel and the
// simulated sauna hold them in a QDateTime marked UTC, which counts with no summer time. Error-log
// times are the panel's local wall time, counted the same way.
inline QDate protocolEpochDate()
{
    return QDate(2000, 1, 1);
}

inline QDateTime protocolEpoch()
{
    return QDateTime(protocolEpochDate(), QTime(0, 0), Qt::UTC);
}

// The wall time the PC shows at that instant in its own zone, as the sauna's zone-less clock.
inline QDateTime wallClockOf(const QDateTime &instant)
{
    const QDateTime local = instant.toLocalTime();
    return QDateTime(local.date(), local.time(), Qt::UTC);
}

// The sauna's clock where the sauna has not told its own: the PC's local wall time, as a sauna
// whose clock was set right would show it.
inline QDateTime wallClockNow()
{
    return wallClockOf(QDateTime::currentDateTime());
}

// A wall time read in the PC's zone (error-log times). A time the PC's clock skipped when summer
// time began lies an hour on, as the PC's own clock would show it.
inline QDateTime localTimeOf(const QDateTime &wallClock)
{
    const QDateTime local(wallClock.date(), wallClock.time(), Qt::LocalTime);
    if (local.isValid() || !wallClock.isValid())
        return local;
    const QDateTime later = wallClock.addSecs(3600);
    return QDateTime(later.date(), later.time(), Qt::LocalTime);
}

} // namespace signalInterface::protocolFacts
