#pragma once

#include "calendar_timing.h"
#include "sauna_record_store.h"

#include <QtGlobal>

#include <array>
#include <optional>

namespace tools {

// Decides when the calendar programs start. The sauna looks at its clock now and then; a program
// is due once its ready time has come since the previous look, or, when it is to be ready at its
// time, once the sauna would need the rest of the time to warm up. Each ready time starts its
// program once, so a program that was switched off, or refused, does not start again before its
// next round.
class CalendarRunner
{
public:
    struct Due
    {
        quint32 index = 0;
        qint64 readyAt = 0;
        qint64 stopAt = 0;
    };

    // The program due at the clock's time now, the one with the earliest ready time if there are
    // several; it counts as started from now on. The temperature is the sauna's now, which tells
    // how long it needs to warm up; suspended weekday programs are never due.
    std::optional<Due> look(qint64 now, const SaunaRecordStore &records, quint32 temperature,
                            bool weekdaysSuspended);

    // The clock was set: nothing between the old time and the new one is due.
    void clockSet(qint64 now) { m_lastLook = now; }

private:
    std::optional<qint64> m_lastLook;
    // The ready time each slot was last started for.
    std::array<std::optional<qint64>, CalendarRecord::SlotCount> m_started{};
};

} // namespace tools
