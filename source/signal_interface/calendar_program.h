#pragma once

#include "signal_interface/calendar_types.h"

#include <QDateTime>
#include <QMetaType>

#include <utility>

namespace signalInterface {

// One weekday or date program of the sauna's calendar.
struct CalendarProgram
{
    // Favorite number meaning that the program's own humidity and temperature apply.
    static constexpr qint32 noFavorite = -1;

    CalendarProgram() = default;
    explicit CalendarProgram(quint32 programIndex)
        : index(programIndex)
    {}

    // {valid, favorite}: valid is false while the program uses no favorite.
    std::pair<bool, qint32> favoriteIndex() const { return {favorite != noFavorite, favorite}; }
    void setFavoriteIndex(const std::pair<bool, qint32> &value)
    {
        favorite = value.first ? value.second : noFavorite;
    }

    bool operator==(const CalendarProgram &other) const;
    bool operator!=(const CalendarProgram &other) const { return !(*this == other); }

    quint32 index = 0;
    bool inUse = false;
    bool option11 = false;
    QDateTime start;
    quint32 duration = 30;
    quint32 humidity = 0;
    quint32 temperature = 450;
    bool weekday = false;
    CalendarTypes::StartMode startMode = CalendarTypes::E_start_at;
    bool standby = false;
    qint32 favorite = noFavorite;
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::CalendarProgram)
