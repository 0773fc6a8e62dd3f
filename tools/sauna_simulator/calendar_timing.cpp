#include "calendar_timing.h"

namespace tools::calendar {

namespace {

qint64 floorMod(qint64 value, qint64 divisor)
{
    const qint64 remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

qint64 lengthOf(const CalendarRecord &program)
{
    return qint64(program.stopAfter) * MillisecondsPerMinute;
}

} // namespace

ProgramSettings settingsOf(const CalendarRecord &program, const Favorites &favorites)
{
    if (program.favorite < favorites.size() && favorites[program.favorite].inUse) {
        const FavoriteRecord &favorite = favorites[program.favorite];
        return {favorite.temperature, favorite.humidity, favorite.lights};
    }
    return {program.temperature, program.humidity, std::nullopt};
}

qint64 warmUpMinutes(quint32 targetTemperature, quint32 currentTemperature)
{
    // The rule the panels plan ready-at programs by, at the rate this sauna reports to them.
    return signalInterface::protocolFacts::heatingMinutes(targetTemperature, currentTemperature,
                                                          WarmUp::HeatRatio);
}

std::optional<qint64> nextReadyAfter(const CalendarRecord &program, qint64 after)
{
    const qint64 ready = qint64(program.startTime);
    if (!program.weekdayProgram)
        return ready > after ? std::optional<qint64>(ready) : std::nullopt;
    // The same weekday and time of day in the week after the moment.
    return after + MillisecondsPerWeek - floorMod(after - ready, MillisecondsPerWeek);
}

bool collide(const CalendarRecord &first, const CalendarRecord &second)
{
    const qint64 firstReady = qint64(first.startTime);
    const qint64 secondReady = qint64(second.startTime);
    if (!first.weekdayProgram && !second.weekdayProgram)
        return firstReady < secondReady + lengthOf(second) &&
               secondReady < firstReady + lengthOf(first);
    // One of them comes back every week: compare within one week. A program runs at most twelve
    // hours, so only the nearest rounds can meet.
    return floorMod(secondReady - firstReady, MillisecondsPerWeek) < lengthOf(first) ||
           floorMod(firstReady - secondReady, MillisecondsPerWeek) < lengthOf(second);
}

} // namespace tools::calendar
