#pragma once

#include "signal_interface/date_time_types.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

namespace view {

// Formats dates and times in the user's current date and time formats, which it learns from the
// time controller's format signals.
class DateTimeFormatter : public QObject
{
    Q_OBJECT

public:
    // Created on the first call and kept for the life of the process.
    static DateTimeFormatter *instance();

    // Connects each source's dateFormatChanged and timeFormatChanged signals to this formatter;
    // returns the number of connections that failed.
    int connectFormatSources(const QList<QObject *> &sources);

    QString formatDate(const QDate &date) const;
    QString formatTime(const QTime &time) const;
    QString formatTimeWithSeconds(const QTime &time) const;

public slots:
    // Stored as given: a value outside the enum makes the format operations return empty texts.
    void onDateFormatChanged(::signalInterface::DateTimeTypes::DateFormat df);
    void onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat tf);

private:
    DateTimeFormatter() = default;

    signalInterface::DateTimeTypes::DateFormat m_dateFormat =
        signalInterface::DateTimeTypes::E_yymmdd;
    signalInterface::DateTimeTypes::TimeFormat m_timeFormat =
        signalInterface::DateTimeTypes::E_0_24;
};

} // namespace view
