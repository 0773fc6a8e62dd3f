#pragma once

#include "control/details/calendar_program_overview_controller_base.h"

#include <QDate>
#include <QList>
#include <QStringList>

namespace control {

// The month view of the date programs: browses the months, marks the days that have programs and
// lists the programs of the chosen day, from which one is opened for editing or a new one begun.
class CalendarDateProgramOverviewController : public details::CalendarProgramOverviewControllerBase
{
    Q_OBJECT
    Q_PROPERTY(QString monthTitle READ monthTitle NOTIFY monthChanged)
    Q_PROPERTY(QStringList weekDayHeaders READ weekDayHeaders NOTIFY monthChanged)
    Q_PROPERTY(QString selectedDateText READ selectedDateText NOTIFY selectedDateChanged)

public:
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
    QString monthTitle() const;
    QStringList weekDayHeaders() const;
    QString selectedDateText() const;

signals:
    void monthChanged();
    void selectedDateChanged();

public slots:
    void onMonthEditActivated();
    void onMonthIncreaseSelected();
    void onMonthDecreaseSelected();
    void onDateEditActivated(int day);
    void onCalendarDateProgramEditActivated(int row);
    void onLockTimerTimeout();

private:
    void rebuildLists() override;
    void weekStartApplied() override;

    void showMonth(const QDate &anyDayOfMonth);
    void rebuildMonth();
    void rebuildDateOverview();

    view::ListModel *m_monthModel;
    view::ListModel *m_dateOverviewModel;
    QDate m_shownMonth;
    QDate m_selectedDate;
    // The day that was today when the month was last shown or the clock last moved.
    QDate m_shownToday;
};

} // namespace control
