#pragma once

#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>

namespace view {
class ListModel;
}

namespace control {

namespace details {
class CalendarDataProvider;
}

// The month view of the date programs: browses the months, marks the days that have programs and
// lists the programs of the chosen day, from which one is opened for editing or a new one begun.
class CalendarDateProgramOverviewController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString monthTitle READ monthTitle NOTIFY monthChanged)
    Q_PROPERTY(QStringList weekDayHeaders READ weekDayHeaders NOTIFY monthChanged)
    Q_PROPERTY(QString selectedDateText READ selectedDateText NOTIFY selectedDateChanged)

public:
    // Application id of the date overview's last row, which begins a new program.
    static constexpr int newProgramRowId = -1;

    CalendarDateProgramOverviewController(QObject *parent,
                                          details::CalendarDataProvider *dataProvider);
    ~CalendarDateProgramOverviewController() override;

    view::ListModel *monthCalendarModel() const { return m_monthModel; }
    view::ListModel *dateOverviewModel() const { return m_dateOverviewModel; }

    // Each returns the number of connects that failed.
    int connectMonthView(const QList<QObject *> &senders);
    int connectDateProgramView(const QList<QObject *> &senders);
    int connectWeekDayStartChanged(const QList<QObject *> &senders);
    int connectLockTimerTimeout(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    QDate shownMonth() const { return m_shownMonth; }
    QDate selectedDate() const { return m_selectedDate; }
    signalInterface::CalendarTypes::WeekDay weekStart() const { return m_weekStart; }
    QString monthTitle() const;
    QStringList weekDayHeaders() const;
    QString selectedDateText() const;

signals:
    void calendarProgramCancelled();
    void calendarProgramEditActivated(::signalInterface::CalendarProgram program);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);
    void monthChanged();
    void selectedDateChanged();

public slots:
    void onMonthEditActivated();
    void onMonthIncreaseSelected();
    void onMonthDecreaseSelected();
    void onDateEditActivated(int day);
    void onCalendarDateProgramEditActivated(int row);
    void onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay day);
    void onLockTimerTimeout();
    void onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram program);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    void showMonth(const QDate &anyDayOfMonth);
    void rebuildMonth();
    void rebuildDateOverview();

    details::CalendarDataProvider *m_dataProvider;
    view::ListModel *m_monthModel;
    view::ListModel *m_dateOverviewModel;
    QDate m_shownMonth;
    QDate m_selectedDate;
    signalInterface::CalendarTypes::WeekDay m_weekStart = signalInterface::CalendarTypes::E_monday;
};

} // namespace control
