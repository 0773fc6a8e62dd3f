#include "descaling_runner.h"

#include "calendar_timing.h"

#include <algorithm>

namespace tools {

namespace {

constexpr quint32 HoursPerWeek = 7 * 24;
// 2000-01-01 was a Saturday.
constexpr qint64 WeekdayOfFirstDay = 5;

qint64 millisecondsOf(const AuxRelayTiming &timing)
{
    switch (timing.scaling) {
    case AuxRelayWire::TenthsOfSecond:
        return qint64(timing.value) * 100;
    case AuxRelayWire::Seconds:
        return qint64(timing.value) * 1000;
    case AuxRelayWire::Minutes:
        return qint64(timing.value) * calendar::MillisecondsPerMinute;
    default:
        return qint64(timing.value) * 60 * calendar::MillisecondsPerMinute;
    }
}

} // namespace

int DescalingRunner::weekdayOf(qint64 day)
{
    return int(((day + WeekdayOfFirstDay) % 7 + 7) % 7);
}

std::optional<qint64> DescalingRunner::weeksPerRound(const DescalingRecord &settings,
                                                     const AuxRelayStore::Relays &relays)
{
    if (!settings.enabled || !settings.relayIndex || *settings.relayIndex >= relays.size())
        return std::nullopt;
    const AuxRelayRecord &relay = relays[*settings.relayIndex];
    if (!relay.connected)
        return std::nullopt;
    // The relay's off time in whole weeks, at least one.
    if (relay.offTime.scaling != AuxRelayWire::Hours)
        return 1;
    return std::max<qint64>(1, relay.offTime.value / HoursPerWeek);
}

qint64 DescalingRunner::dueSince(qint64 now) const
{
    // The first look sees only what is due from now on; so does a clock that went back.
    return m_lastLook && *m_lastLook <= now ? *m_lastLook : now;
}

std::optional<DescalingRunner::Due> DescalingRunner::look(qint64 now,
                                                          const DescalingRecord &settings,
                                                          const AuxRelayStore::Relays &relays,
                                                          qint64 lastDescalingDay)
{
    const qint64 last = dueSince(now);
    m_lastLook = now;
    const std::optional<qint64> weeks = weeksPerRound(settings, relays);
    if (!weeks)
        return std::nullopt;

    // The latest start on the descaling weekday at or before now.
    qint64 day = now / calendar::MillisecondsPerDay;
    day -= (weekdayOf(day) - qint64(settings.weekday) + 7) % 7;
    qint64 startAt = day * calendar::MillisecondsPerDay +
                     qint64(settings.startTime) * calendar::MillisecondsPerMinute;
    if (startAt > now) {
        day -= 7;
        startAt -= calendar::MillisecondsPerWeek;
    }
    if (startAt <= last || day - lastDescalingDay <= 7 * (*weeks - 1))
        return std::nullopt;
    const AuxRelayRecord &relay = relays[*settings.relayIndex];
    return Due{day, startAt, startAt + millisecondsOf(relay.onTime)};
}

std::optional<qint64> DescalingRunner::nextDay(qint64 now, const DescalingRecord &settings,
                                               const AuxRelayStore::Relays &relays,
                                               qint64 lastDescalingDay) const
{
    const std::optional<qint64> weeks = weeksPerRound(settings, relays);
    if (!weeks)
        return std::nullopt;
    const qint64 since = dueSince(now);
    const qint64 startOfDay = qint64(settings.startTime) * calendar::MillisecondsPerMinute;
    // The first start on the descaling weekday after the time since which starts are due.
    qint64 day = since / calendar::MillisecondsPerDay;
    day += (qint64(settings.weekday) - weekdayOf(day) + 7) % 7;
    if (day * calendar::MillisecondsPerDay + startOfDay <= since)
        day += 7;
    // The first such weekday in the round after the last descaling.
    const qint64 earliest = lastDescalingDay + 7 * (*weeks - 1) + 1;
    if (day < earliest)
        day += (earliest - day + 6) / 7 * 7;
    return day;
}

} // namespace tools
