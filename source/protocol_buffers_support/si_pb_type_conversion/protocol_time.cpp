#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"

namespace pbSupport::conversion {

namespace {

using signalInterface::protocolFacts::protocolEpoch;
using signalInterface::protocolFacts::protocolEpochDate;

constexpr std::uint64_t minutesPerDay = 24 * 60;
// 2200 years of milliseconds; anything larger cannot give a plausible date and would overflow
// QDateTime's signed arithmetic.
constexpr std::uint64_t largestPlausibleMilliseconds = 2200ULL * 366 * 24 * 3600 * 1000;
// Likewise in days: QDate::addDays() takes a signed count.
constexpr std::uint64_t largestPlausibleDays = 2200ULL * 366;

} // namespace

bool toSiDateTime(std::uint64_t milliseconds, QDateTime &out, Qt::TimeSpec spec)
{
    if (milliseconds > largestPlausibleMilliseconds)
        return false;
    QDateTime dateTime = protocolEpoch().addMSecs(static_cast<qint64>(milliseconds));
    if (spec == Qt::LocalTime)
        dateTime = signalInterface::protocolFacts::localTimeOf(dateTime);
    if (!dateTime.isValid() || dateTime.date().year() > latestPlausibleYear)
        return false;
    out = dateTime;
    return true;
}

bool toSiDate(std::uint64_t days, QDate &out)
{
    if (days > largestPlausibleDays)
        return false;
    const QDate date = protocolEpochDate().addDays(static_cast<qint64>(days));
    if (!date.isValid() || date.year() > latestPlausibleYear)
        return false;
    out = date;
    return true;
}

bool toPbTime(const QDateTime &dateTime, std::uint64_t &milliseconds)
{
    if (!dateTime.isValid())
        return false;
    const qint64 difference = protocolEpoch().msecsTo(dateTime);
    if (difference < 0)
        return false;
    milliseconds = static_cast<std::uint64_t>(difference);
    return true;
}

bool toSiMinuteOfDay(std::uint64_t minutes, QTime &out)
{
    if (minutes >= minutesPerDay)
        return false;
    out = QTime(static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return true;
}

bool toPbMinuteOfDay(const QTime &time, std::uint32_t &minutes)
{
    if (!time.isValid())
        return false;
    minutes = static_cast<std::uint32_t>(time.hour() * 60 + time.minute());
    return true;
}

} // namespace pbSupport::conversion
