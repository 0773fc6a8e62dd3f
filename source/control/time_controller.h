#pragma once

#include "signal_interface/calendar_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace control {

// Keeps the user's date format, time format and first day of the week ("date_format",
// "time_format", "start_of_week"), runs the panel's clock from the sauna system's time reports
// and sends the user's new time to the sauna.
//
// The sauna reports its time only now and then (an idle sauna seldom does). Between two reports
// the clock advances from the last reported time by the process's monotonic clock; each report
// sets it again. The formatted time is announced at every report and at every turn of the shown
// minute.
class TimeController : public QObject
{
    Q_OBJECT

public:
    using TimeFormat = signalInterface::DateTimeTypes::TimeFormat;
    using DateFormat = signalInterface::DateTimeTypes::DateFormat;
    using WeekDay = signalInterface::CalendarTypes::WeekDay;
    using SaunaDateTime = signalInterface::DateTimeTypes::SaunaDateTime;
    // Monotonic milliseconds; never goes back.
    using MonotonicClock = std::function<qint64()>;

    static constexpr TimeFormat defaultTimeFormat = signalInterface::DateTimeTypes::E_0_24;
    static constexpr DateFormat defaultDateFormat = signalInterface::DateTimeTypes::E_ddmmyy;
    static constexpr WeekDay defaultWeekDayStart = signalInterface::CalendarTypes::E_monday;

    // Reads the three keys; writes the default of each one that is missing. A value it cannot
    // read stays in the file and reads as the default.
    explicit TimeController(QObject *parent = nullptr);
    // The same, with the monotonic clock the panel's clock runs by (tests drive their own).
    TimeController(MonotonicClock monotonicMs, QObject *parent);

    // Each returns the number of connections that failed.
    int connectDateFormatSelected(const QList<QObject *> &senders);
    int connectSetSystemTimeRequests(const QList<QObject *> &senders);
    int connectTimeFormatSelected(const QList<QObject *> &senders);
    int connectWeekBeginSelected(const QList<QObject *> &senders);
    int connectRegionInitialSelections(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The link's connectedChanged(bool).
    int connectConnectedChanged(const QList<QObject *> &senders);

    // First state: date format, time format and week start, in this order.
    void emitInitialState();

    TimeFormat timeFormat() const { return m_timeFormat; }
    DateFormat dateFormat() const { return m_dateFormat; }
    WeekDay weekDayStart() const { return m_weekDayStart; }
    // The sauna's last report, as it came.
    SaunaDateTime systemTime() const { return m_systemTime; }
    // The last report advanced by the time that has passed since it came.
    SaunaDateTime runningSystemTime() const;
    // The timer that turns the shown minute; active while there is a running time to show.
    const QTimer &clockTimer() const { return m_clockTimer; }

public slots:
    // The user's choices; each also writes "has_changed_region_settings".
    void onDateFormatSelected(::signalInterface::DateTimeTypes::DateFormat df);
    void onTimeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat tf);
    void onWeekBeginSelected(::signalInterface::CalendarTypes::WeekDay day);
    // The region screen's proposals.
    void onDateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat df);
    void onTimeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat tf);
    void onWeekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay day);
    // The time and date screens' commits; an invalid date-time is refused with a message.
    void onSetSystemTimeRequested(QDateTime dateTime);
    // Taken only while a connection stands: while the link reconnects, the sauna may still be
    // heard, but no clock is shown beside "no sauna connected".
    void onSaunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime dateTime);
    // The clock timer's slot: announces the running time and waits for the next minute.
    void onClockTick();
    // The clock was the former sauna's: it stops and shows no time until the new sauna reports.
    // The formats are the panel's own and stay.
    void onSaunaReplaced();
    // The clock is the connected sauna's: when the connection ends, lost or ended by the user, it
    // stops and shows no time until a sauna reports its time on a connection that stands again.
    void onConnectedChanged(bool connected);

signals:
    void weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat tf);
    void dateFormatChanged(::signalInterface::DateTimeTypes::DateFormat df);
    void systemTimeChanged(QDateTime dateTime);
    void systemTimeDetailsChanged(QDateTime dateTime, bool dateValid, bool timeValid);
    // Date in the date format, time in the time format, and the am/pm marker (12-hour only).
    void systemTimeFormattedChanged(QString date, QString time, QString amPm);
    void systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime dateTime);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    void setDateFormat(DateFormat df);
    void setTimeFormat(TimeFormat tf);
    void setWeekDayStart(WeekDay day);
    void emitFormattedTime();
    void scheduleClockTick();
    void forgetSystemTime();
    static void markRegionSettingsChanged();

    TimeFormat m_timeFormat = defaultTimeFormat;
    DateFormat m_dateFormat = defaultDateFormat;
    WeekDay m_weekDayStart = defaultWeekDayStart;
    bool m_connected = false;
    bool m_hasSystemTime = false;
    SaunaDateTime m_systemTime;
    MonotonicClock m_monotonicMs;
    // The monotonic time at which m_systemTime was reported.
    qint64 m_reportedAtMs = 0;
    QTimer m_clockTimer;
};

} // namespace control
