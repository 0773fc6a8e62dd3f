#include "calendar_runner.h"

namespace tools {

std::optional<CalendarRunner::Due> CalendarRunner::look(qint64 now, const SaunaRecordStore &records,
                                                        quint32 temperature, bool weekdaysSuspended)
{
    // The first look sees only what is due from now on; so does a clock that went back.
    const qint64 last = m_lastLook && *m_lastLook <= now ? *m_lastLook : now;
    m_lastLook = now;

    std::optional<Due> due;
    for (const CalendarRecord &program : records.calendarPrograms()) {
        if (!program.inUse || (program.weekdayProgram && weekdaysSuspended))
            continue;
        const std::optional<qint64> ready = calendar::nextReadyAfter(program, last);
        if (!ready || m_started[program.index] == *ready)
            continue;
        const qint64 warmUp =
            program.startMode == CalendarRecord::ReadyAt
                ? calendar::warmUpMinutes(
                      calendar::settingsOf(program, records.favorites()).temperature, temperature) *
                      calendar::MillisecondsPerMinute
                : 0;
        if (*ready - warmUp > now)
            continue;
        if (!due || *ready < due->readyAt)
            due = Due{program.index, *ready,
                      *ready + qint64(program.stopAfter) * calendar::MillisecondsPerMinute};
    }
    if (due)
        m_started[due->index] = due->readyAt;
    return due;
}

} // namespace tools
