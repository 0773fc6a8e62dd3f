#pragma once

#include "control/details/calendar_program_overview_controller_base.h"

#include <QList>

#include <array>
#include <optional>

namespace control {

// The week view of the weekday programs: one row per day with its program count, the programs of
// the chosen day, and the switch that activates or suspends the whole weekly schedule.
class CalendarWeekdayProgramOverviewController :
    public details::CalendarProgramOverviewControllerBase
{
    Q_OBJECT
    Q_PROPERTY(bool allDaysActivated READ allDaysActivated NOTIFY allDaysActivatedChanged)
    Q_PROPERTY(int selectedWeekDay READ selectedWeekDay NOTIFY selectedWeekDayChanged)
    Q_PROPERTY(QString selectedWeekDayText READ selectedWeekDayText NOTIFY selectedWeekDayChanged)

public:
    static constexpr int dayCount = 7;

    CalendarWeekdayProgramOverviewController(QObject *parent,
                                             details::CalendarDataProvider *dataProvider);
    ~CalendarWeekdayProgramOverviewController() override;

    view::ListModel *weekCalendarModel() const { return m_weekModel; }
    view::ListModel *weekDayCalendarModel() const { return m_weekDayModel; }

    // Each returns the number of connects that failed.
    int connectWeekDaysView(const QList<QObject *> &senders);
    int connectWeekDayStartChanged(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    // Counts the weekday programs of every day again and shows every count in the week list.
    void initWeekDayProgramCounts();

    bool allDaysActivated() const { return m_allDaysActivated; }
    // The chosen day, or -1 while none is chosen.
    int selectedWeekDay() const { return m_selectedDay ? int(*m_selectedDay) : -1; }
    // The chosen day's name, empty while none is chosen.
    QString selectedWeekDayText() const;

signals:
    void calendarProgramChangeRequested(::signalInterface::CalendarProgram program);
    void scheduleItemDisableChangeRequested(bool disable);
    void allDaysActivatedChanged(bool activated);
    void selectedWeekDayChanged();

public slots:
    void onWeekDayEditActivated(int row);
    void onWeekDayEditCancelled();
    // The switch reports the state it showed; the request is for the opposite.
    void onWeekDaySwitchAllDaysActivation(bool shownActivated);
    void onCalendarWeekdayProgramEditActivated(int row);
    void onSaunaScheduleItemDisableChanged(bool disabled);

private:
    void rebuildLists() override;
    void weekStartApplied() override;
    // The open day's title is a text of the language too.
    void languageApplied() override;
    // Counts the programs again before the lists are built anew.
    void programStored() override;
    // The schedule's switch was the former sauna's too: it shows the schedule active.
    void saunaDataCleared() override;

    void recount();
    void rebuildWeek();
    void rebuildWeekDay();

    view::ListModel *m_weekModel;
    view::ListModel *m_weekDayModel;
    std::array<int, dayCount> m_counts{};
    std::optional<signalInterface::CalendarTypes::WeekDay> m_selectedDay;
    bool m_allDaysActivated = true;
};

} // namespace control
