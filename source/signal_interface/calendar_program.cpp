#include "signal_interface/calendar_program.h"

namespace signalInterface {

bool CalendarProgram::operator==(const CalendarProgram &other) const
{
    return index == other.index && inUse == other.inUse && option11 == other.option11 &&
           start == other.start && duration == other.duration && humidity == other.humidity &&
           temperature == other.temperature && weekday == other.weekday &&
           startMode == other.startMode && standby == other.standby && favorite == other.favorite;
}

} // namespace signalInterface
