#pragma once

#include <QDateTime>

#include <cstdint>

namespace pbSupport::conversion {

// Protocol times count milliseconds from 2000-01-01 00:00:00; calendar, clock and state
// messages in UTC, error-log entries in the panel's local time.
QDateTime protocolEpoch(Qt::TimeSpec spec = Qt::UTC);

// A received time is taken only when it gives a valid date no later than 2200; anything beyond
// is treated as absent rather than shown as a plausible-looking wrong date.
bool toSiDateTime(std::uint64_t milliseconds, QDateTime &out, Qt::TimeSpec spec = Qt::UTC);

// A time before the epoch, or an invalid one, has no protocol form: it must not reach the wire as
// a wrapped unsigned number.
bool toPbTime(const QDateTime &dateTime, std::uint64_t &milliseconds);

// Minutes of the day, 0-1439.
bool toSiMinuteOfDay(std::uint64_t minutes, QTime &out);
bool toPbMinuteOfDay(const QTime &time, std::uint32_t &minutes);

} // namespace pbSupport::conversion
