#include "view_cpp/date_time_formatter.h"

#include "view_cpp/language_support.h"

namespace view {

DateTimeFormatter *DateTimeFormatter::instance()
{
    static auto *const formatter = new DateTimeFormatter;
    return formatter;
}

int DateTimeFormatter::connectFormatSources(const QList<QObject *> &sources)
{
    int failures = 0;
    for (QObject *source : sources) {
        if (!connect(source,
                     SIGNAL(dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat)), this,
                     SLOT(onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat))))
            ++failures;
        if (!connect(source,
                     SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)), this,
                     SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))))
            ++failures;
    }
    return failures;
}

QString DateTimeFormatter::formatDate(const QDate &date) const
{
    return LanguageSupport::dateText(date, m_dateFormat);
}

QString DateTimeFormatter::formatTime(const QTime &time) const
{
    return LanguageSupport::timeText(time, m_timeFormat);
}

QString DateTimeFormatter::formatTimeWithSeconds(const QTime &time) const
{
    return LanguageSupport::timeWithSecondsText(time, m_timeFormat);
}

void DateTimeFormatter::onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat df)
{
    m_dateFormat = df;
}

void DateTimeFormatter::onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat tf)
{
    m_timeFormat = tf;
}

} // namespace view
