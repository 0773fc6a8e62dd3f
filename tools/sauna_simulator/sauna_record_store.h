#pragma once

#include "sauna_records.h"
#include "sauna_report.h"
#include "signal_interface/protocol_facts.h"

#include <array>

namespace tools {

// The favorites and calendar programs the sauna keeps, and the rules by which posts change them.
// Slots are numbered by the panel: a post in use fills or changes its slot, a post not in use
// empties it. A post that breaks a rule changes nothing; the panel is told why and gets the slot
// as it still stands. A program due at the same time as another is refused the same way, with the
// collision message of its kind instead of a data error.
class SaunaRecordStore
{
public:
    // What a record's settings must lie in, taken from the sauna's current values.
    struct Limits
    {
        quint32 lowestTemperature = 0;
        quint32 highestTemperature = 0;
        quint32 longestBathTime = 0; // minutes
    };

    // Humidity codes run to the highest humidity step.
    static constexpr quint32 HighestHumidityCode =
        signalInterface::protocolFacts::largestHumidityCode;

    SaunaRecordStore();

    SaunaReport changeFavorite(const FavoriteChange &change, const Limits &limits);
    SaunaReport changeCalendarProgram(const CalendarChange &change, const Limits &limits);

    const std::array<FavoriteRecord, FavoriteRecord::SlotCount> &favorites() const
    {
        return m_favorites;
    }
    const std::array<CalendarRecord, CalendarRecord::SlotCount> &calendarPrograms() const
    {
        return m_calendarPrograms;
    }

    // Every slot, the empty ones too, so that a panel drops what the sauna no longer holds.
    void appendAll(SaunaReport &report) const;

    // Start times from this on lie beyond the sauna's calendar (2200-01-01 00:00 UTC): a panel
    // shows the months up to the end of 2199.
    static quint64 latestStartTime();

private:
    std::array<FavoriteRecord, FavoriteRecord::SlotCount> m_favorites;
    std::array<CalendarRecord, CalendarRecord::SlotCount> m_calendarPrograms;
};

} // namespace tools
