#include "descaling_runner.h"

#include "calendar_timing.h"

#include <algorithm>

namespace tools {

namespace {

constexpr quint32 HoursPerWeek = 7 * 24;
// 2000-01-01 was a Saturday.
constexpr qint64 WeekdayOfFirstDay = 5;

// How many weeks one descaling round takes: the relay's off time in whole weeks, at least one.
qint64 weeksPerRound(const AuxRelayRecord &relay)
{
    if (relay.offTime.scaling != AuxRelayWire::Hours)
        return 1;
    return std::max<qint64>(1, relay.offTime.value / HoursPerWeek);
}

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

std::optional<DescalingRunner::Due> DescalingRunner::look(qint64 now,
                                                          const DescalingRecord &settings,
                                                          const AuxRelayStore::Relays &relays,
                                                          qint64 lastDescalingDay)
{
    // The first look sees only what is due from now on; so does a clock that went back.
    const qint64 last = m_lastLook && *m_lastLook <= now ? *m_lastLook : now;
    m_lastLook = now;
    if (!settings.enabled || !settings.relayIndex || *settings.relayIndex >= relays.size())
        return std::nullopt;
    const AuxRelayRecord &relay = relays[*settings.relayIndex];
    if (!relay.connected)
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
    if (startAt <= last || day - lastDescalingDay <= 7 * (weeksPerRound(relay) - 1))
        return std::nullopt;
    return Due{day, startAt, startAt + millisecondsOf(relay.onTime)};
}

} // namespace tools
