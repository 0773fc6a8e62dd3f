#include "control/calendar_weekday_program_overview_controller.h"

#include "control/details/calendar_data_provider.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"

namespace control {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using view::LanguageSupport;

CalendarWeekdayProgramOverviewController::CalendarWeekdayProgramOverviewController(
    QObject *parent, details::CalendarDataProvider *dataProvider)
    : CalendarProgramOverviewControllerBase(parent, dataProvider)
    , m_weekModel(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_weekDayModel(new view::ListModel(view::RowItemBase::roleNames(), this))
{
    connect(m_dataProvider, &details::CalendarDataProvider::timeFormatChanged, this,
            &CalendarWeekdayProgramOverviewController::rebuildWeekDay);
    connect(m_dataProvider, &details::CalendarDataProvider::favoritesChanged, this,
            &CalendarWeekdayProgramOverviewController::rebuildWeekDay);
    recount();
    rebuildWeek();
}

CalendarWeekdayProgramOverviewController::~CalendarWeekdayProgramOverviewController() = default;

int CalendarWeekdayProgramOverviewController::connectWeekDaysView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekDayEditActivated(int)), SLOT(onWeekDayEditActivated(int))},
         {SIGNAL(weekDayEditCancelled()), SLOT(onWeekDayEditCancelled())},
         {SIGNAL(weekDaySwitchAllDaysActivation(bool)),
          SLOT(onWeekDaySwitchAllDaysActivation(bool))},
         {SIGNAL(calendarWeekdayProgramEditActivated(int)),
          SLOT(onCalendarWeekdayProgramEditActivated(int))}});
}

int CalendarWeekdayProgramOverviewController::connectWeekDayStartChanged(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay))}});
}

int CalendarWeekdayProgramOverviewController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaCalendarProgramChanged(::signalInterface::CalendarProgram)),
          SLOT(onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram))},
         {SIGNAL(saunaScheduleItemDisableChanged(bool)),
          SLOT(onSaunaScheduleItemDisableChanged(bool))}});
}

int CalendarWeekdayProgramOverviewController::connectLanguageChanged(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

void CalendarWeekdayProgramOverviewController::initWeekDayProgramCounts()
{
    recount();
    rebuildWeek();
}

QString CalendarWeekdayProgramOverviewController::selectedWeekDayText() const
{
    return m_selectedDay ? LanguageSupport::weekdayText(*m_selectedDay) : QString();
}

void CalendarWeekdayProgramOverviewController::onWeekDayEditActivated(int row)
{
    CalendarTypes::WeekDay day = CalendarTypes::E_monday;
    if (row < 0 || row >= m_weekModel->rowCount() ||
        !CalendarTypes::fromInt(m_weekModel->getApplId(row), day))
        return;
    m_selectedDay = day;
    rebuildWeekDay();
    emit selectedWeekDayChanged();
}

void CalendarWeekdayProgramOverviewController::onWeekDayEditCancelled()
{
    m_selectedDay.reset();
    rebuildWeekDay();
    emit selectedWeekDayChanged();
    emit calendarProgramCancelled();
}

void CalendarWeekdayProgramOverviewController::onWeekDaySwitchAllDaysActivation(bool shownActivated)
{
    // Suspending the schedule is the opposite of the activation the switch showed.
    emit scheduleItemDisableChangeRequested(shownActivated);
}

void CalendarWeekdayProgramOverviewController::onCalendarWeekdayProgramEditActivated(int row)
{
    if (!m_selectedDay || row < 0 || row >= m_weekDayModel->rowCount())
        return;
    const QList<CalendarProgram> programs = m_dataProvider->weekdayProgramsOn(*m_selectedDay);
    if (row < programs.size()) {
        emit calendarProgramEditActivated(programs.at(row));
        return;
    }
    // The program's weekday is that of its start date: the next such day from today.
    const QDate today = m_dataProvider->today();
    const int offset =
        (*m_selectedDay - details::CalendarDataProvider::weekDayOf(today) + dayCount) % dayCount;
    beginNewProgram(true, QDateTime(today.addDays(offset), QTime(18, 0), Qt::UTC),
                    LanguageSupport::weekdayCalendarProgramText());
}

void CalendarWeekdayProgramOverviewController::onSaunaScheduleItemDisableChanged(bool disabled)
{
    if (m_allDaysActivated == !disabled)
        return;
    m_allDaysActivated = !disabled;
    rebuildWeek();
    emit allDaysActivatedChanged(m_allDaysActivated);
}

void CalendarWeekdayProgramOverviewController::saunaDataCleared()
{
    const bool wasActivated = m_allDaysActivated;
    m_allDaysActivated = true;
    programStored();
    if (!wasActivated)
        emit allDaysActivatedChanged(m_allDaysActivated);
}

void CalendarWeekdayProgramOverviewController::rebuildLists()
{
    rebuildWeek();
    rebuildWeekDay();
}

void CalendarWeekdayProgramOverviewController::weekStartApplied()
{
    rebuildWeek();
}

void CalendarWeekdayProgramOverviewController::languageApplied()
{
    rebuildLists();
    if (m_selectedDay)
        emit selectedWeekDayChanged();
}

void CalendarWeekdayProgramOverviewController::programStored()
{
    recount();
    rebuildLists();
}

void CalendarWeekdayProgramOverviewController::recount()
{
    for (int value = 0; value < dayCount; ++value) {
        const auto day = static_cast<CalendarTypes::WeekDay>(value);
        m_counts[value] = static_cast<int>(m_dataProvider->weekdayProgramsOn(day).size());
    }
}

void CalendarWeekdayProgramOverviewController::rebuildWeek()
{
    m_weekModel->clear();
    CalendarTypes::WeekDay day = weekStart();
    for (int row = 0; row < dayCount; ++row) {
        auto *item = new view::RowItem2(LanguageSupport::weekdayPluralText(day), day);
        item->setData(QString::number(m_counts[day]), view::RowItemBase::TextValue1Role);
        item->setOpacity(LanguageSupport::opacityFor(!m_allDaysActivated));
        m_weekModel->appendItem(item);
        day = CalendarTypes::nextWeekDay(day);
    }
    m_weekModel->updateLayoutOrder();
}

void CalendarWeekdayProgramOverviewController::rebuildWeekDay()
{
    m_weekDayModel->clear();
    if (!m_selectedDay)
        return;
    appendProgramRows(m_weekDayModel, m_dataProvider->weekdayProgramsOn(*m_selectedDay));
    m_weekDayModel->appendItem(
        new view::RowItem2(LanguageSupport::weekdayCalendarProgramText(), newProgramRowId));
    m_weekDayModel->updateLayoutOrder();
}

} // namespace control
