#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace tools {

// One favorite slot as the sauna keeps it: a named set of bath settings that a panel can start
// with one touch. Units are those of the favorite post.
struct FavoriteRecord
{
    static constexpr quint32 SlotCount = 8;
    static constexpr qsizetype MaximumNameLength = 20;
    static constexpr std::size_t AuxRelayCount = 7;

    FavoriteRecord() = default;
    explicit FavoriteRecord(quint32 slot)
        : index(slot)
    {}

    quint32 index = 0;
    bool inUse = false;
    QString name;
    quint32 humidity = 0;      // percent, or a coded step (protocol_facts.h)
    quint32 temperature = 450; // ninths of a degree Celsius
    quint32 bathTime = 30;     // minutes
    bool lights = false;
    std::array<bool, AuxRelayCount> auxRelayActive{}; // relay 1 first

    bool operator==(const FavoriteRecord &other) const
    {
        return index == other.index && inUse == other.inUse && name == other.name &&
               humidity == other.humidity && temperature == other.temperature &&
               bathTime == other.bathTime && lights == other.lights &&
               auxRelayActive == other.auxRelayActive;
    }
    bool operator!=(const FavoriteRecord &other) const { return !(*this == other); }
};

// What one favorite post asks for: the fields it carries. The name is always carried (a post
// without name elements names no name); the relay flags are carried when there are any.
struct FavoriteChange
{
    std::optional<quint32> index;
    std::optional<bool> inUse;
    QString name;
    bool nameIsText = true; // false: an element was no UTF-16 code unit
    std::optional<quint32> humidity;
    std::optional<quint32> temperature;
    std::optional<quint32> bathTime;
    std::optional<bool> lights;
    std::vector<bool> auxRelayActive;
};

// One calendar program slot as the sauna keeps it: a timed start, once on a date or every week
// on a weekday. Units are those of the calendar post.
struct CalendarRecord
{
    static constexpr quint32 SlotCount = 64;
    // The favorite number that stands for the program's own humidity and temperature.
    static constexpr quint32 NoFavorite = 100;
    // Start modes as the calendar post carries them.
    static constexpr int StartAt = 1;
    static constexpr int ReadyAt = 2;

    CalendarRecord() = default;
    explicit CalendarRecord(quint32 slot)
        : index(slot)
    {}

    quint32 index = 0;
    bool inUse = false;
    quint64 startTime = 0;  // milliseconds since 2000-01-01 00:00 UTC
    quint32 stopAfter = 30; // minutes
    quint32 humidity = 0;
    quint32 temperature = 450;
    bool weekdayProgram = false;
    int startMode = StartAt;
    bool standbyMode = false;
    quint32 favorite = NoFavorite;
    bool extraFlag = false;

    bool operator==(const CalendarRecord &other) const
    {
        return index == other.index && inUse == other.inUse && startTime == other.startTime &&
               stopAfter == other.stopAfter && humidity == other.humidity &&
               temperature == other.temperature && weekdayProgram == other.weekdayProgram &&
               startMode == other.startMode && standbyMode == other.standbyMode &&
               favorite == other.favorite && extraFlag == other.extraFlag;
    }
    bool operator!=(const CalendarRecord &other) const { return !(*this == other); }
};

// What one calendar post asks for: the fields it carries.
struct CalendarChange
{
    std::optional<quint32> index;
    std::optional<bool> inUse;
    std::optional<quint64> startTime;
    std::optional<quint32> stopAfter;
    std::optional<quint32> humidity;
    std::optional<quint32> temperature;
    std::optional<bool> weekdayProgram;
    std::optional<int> startMode;
    std::optional<bool> standbyMode;
    std::optional<quint32> favorite;
    std::optional<bool> extraFlag;
};

} // namespace tools
