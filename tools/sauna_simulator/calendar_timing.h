#pragma once

#include "sauna_records.h"

#include "signal_interface/protocol_facts.h"

#include <QtGlobal>

#include <array>
#include <optional>

namespace tools::calendar {

// Times here are milliseconds on the sauna's clock since 2000-01-01 00:00, signed so that a
// warm-up may reach back before a program's ready time.
constexpr qint64 MillisecondsPerMinute = 60000;
constexpr qint64 MillisecondsPerDay = 24 * 60 * MillisecondsPerMinute;
constexpr qint64 MillisecondsPerWeek = 7 * MillisecondsPerDay;

// How the sauna warms up: from the room temperature, at the rate it reports to panels (its
// warm-up characteristics), in ninths of a degree Celsius and ninths per minute. It never measures
// its own rate, so it keeps the factory one.
struct WarmUp
{
    static constexpr quint32 RoomTemperature =
        quint32(signalInterface::protocolFacts::coldRoomTemperature); // 20 °C
    static constexpr quint32 HeatRatio =
        quint32(signalInterface::protocolFacts::factoryHeatRatio); // 2 °C per minute
};

using Favorites = std::array<FavoriteRecord, FavoriteRecord::SlotCount>;

// The settings a program runs with: its favorite's, or its own when it uses none.
struct ProgramSettings
{
    quint32 temperature = 0;
    quint32 humidity = 0;
    std::optional<bool> lights; // only a favorite says
};
ProgramSettings settingsOf(const CalendarRecord &program, const Favorites &favorites);

// Whole minutes the sauna needs to heat from the current temperature to the target; none when it
// is there already.
qint64 warmUpMinutes(quint32 targetTemperature, quint32 currentTemperature);

// The program's first ready (or start) time after the moment: a date program's only one, a
// weekday program's next in its weekly round. Nothing when a date program's lies at or before it.
std::optional<qint64> nextReadyAfter(const CalendarRecord &program, qint64 after);

// Whether two programs are ever due at once: the periods from their ready times to their stop
// times overlap, once for date programs, in any week for weekday programs.
bool collide(const CalendarRecord &first, const CalendarRecord &second);

} // namespace tools::calendar
