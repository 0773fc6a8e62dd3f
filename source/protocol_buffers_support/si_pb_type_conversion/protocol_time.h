#pragma once

#include "signal_interface/protocol_facts.h"

#include <QDate>
#include <QDateTime>

#include <cstdint>

namespace pbSupport::conversion {

// Times and dates count from the protocol epoch (signal_interface/protocol_facts.h).

// A received time or date is taken only when it gives a valid date no later than 2200; anything
// beyond is treated as absent rather than shown as a plausible-looking wrong date.
constexpr int latestPlausibleYear = 2200;
// The sauna's zone-less wall clock, marked UTC; with Qt::LocalTime the same wall time read in the
// PC's zone (error-log times).
bool toSiDateTime(std::uint64_t milliseconds, QDateTime &out, Qt::TimeSpec spec = Qt::UTC);
// A date given as days since the epoch.
bool toSiDate(std::uint64_t days, QDate &out);

// A time before the epoch, or an invalid one, has no protocol form: it must not reach the wire as
// a wrapped unsigned number.
bool toPbTime(const QDateTime &dateTime, std::uint64_t &milliseconds);

// Minutes of the day, 0-1439.
bool toSiMinuteOfDay(std::uint64_t minutes, QTime &out);
bool toPbMinuteOfDay(const QTime &time, std::uint32_t &minutes);

} // namespace pbSupport::conversion
