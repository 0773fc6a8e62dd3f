#pragma once

#include "aux_relay_store.h"

#include <QtGlobal>

#include <optional>

namespace tools {

// Decides when the steam generator is descaled: on the descaling weekday at its start time, in
// every week or every second, third or fourth week as the descaling relay's off time says, for as
// long as its on time says. The sauna looks at its clock now and then; a start time is due once
// it has come since the previous look, so a clock set past it does not start it late.
class DescalingRunner
{
public:
    struct Due
    {
        qint64 day = 0; // the day of the start, counted from 2000-01-01
        qint64 startAt = 0;
        qint64 stopAt = 0;
    };

    // The descaling due at the clock's time now (milliseconds on the sauna's clock since
    // 2000-01-01 00:00): enabled, with a connected relay, its start time come since the previous
    // look, and, when it repeats every n weeks, more than n - 1 weeks after the last descaling
    // day.
    std::optional<Due> look(qint64 now, const DescalingRecord &settings,
                            const AuxRelayStore::Relays &relays, qint64 lastDescalingDay);

    // The day of the next start that a later look will find due: the first on the descaling
    // weekday at its start time after the previous look (after now before the first look), and,
    // when it repeats every n weeks, more than n - 1 weeks after the last descaling day. Nothing
    // while descaling is off or its relay is not connected.
    std::optional<qint64> nextDay(qint64 now, const DescalingRecord &settings,
                                  const AuxRelayStore::Relays &relays,
                                  qint64 lastDescalingDay) const;

    // The clock was set: nothing between the old time and the new one is due.
    void clockSet(qint64 now) { m_lastLook = now; }

    // The weekday of a day counted from 2000-01-01, Monday 0 to Sunday 6.
    static int weekdayOf(qint64 day);

private:
    // The weeks one round takes, by the descaling relay's off time; nothing while descaling is
    // off or its relay is not connected.
    static std::optional<qint64> weeksPerRound(const DescalingRecord &settings,
                                               const AuxRelayStore::Relays &relays);
    // The time since which starts are due at the look now.
    qint64 dueSince(qint64 now) const;

    std::optional<qint64> m_lastLook;
};

} // namespace tools
