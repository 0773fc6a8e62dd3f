#include "control/calendar_weekday_program_overview_controller.h"

#include "control/details/calendar_data_provider.h"
#include "control/details/panel_questions.h"
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
    : QObject(parent)
    , m_dataProvider(dataProvider)
    , m_weekModel(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_weekDayModel(new view::ListModel(view::RowItemBase::roleNames(), this))
{
    connect(m_dataProvider, &details::CalendarDataProvider::timeFormatChanged, this,
            &CalendarWeekdayProgramOverviewController::rebuildWeekDay);
    connect(m_dataProvider, &details::CalendarDataProvider::favoritesChanged, this,
            &CalendarWeekdayProgramOverviewController::rebuildWeekDay);
    recount(false);
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
    recount(true);
    rebuildWeek();
}

int CalendarWeekdayProgramOverviewController::programCount(int day) const
{
    return day >= 0 && day < dayCount ? m_counts[day] : 0;
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
    const std::optional<quint32> free = m_dataProvider->freeProgramIndex();
    if (!free) {
        emit panelUserMessageIssued(
            details::infoMessage(details::panelMessageId::noFree,
                                 {LanguageSupport::weekdayCalendarProgramText()}),
            nullptr);
        return;
    }
    // The program's weekday is that of its start date: the next such day from today.
    const QDate today = m_dataProvider->today();
    const int offset =
        (*m_selectedDay - details::CalendarDataProvider::weekDayOf(today) + dayCount) % dayCount;
    CalendarProgram program(*free);
    program.weekday = true;
    program.startMode = CalendarTypes::E_ready_at;
    program.start = QDateTime(today.addDays(offset), QTime(18, 0), Qt::UTC);
    emit calendarProgramEditActivated(program);
}

void CalendarWeekdayProgramOverviewController::onWeekDayStartChanged(
    ::signalInterface::CalendarTypes::WeekDay day)
{
    CalendarTypes::WeekDay checked = m_weekStart;
    if (!CalendarTypes::fromInt(day, checked) || checked == m_weekStart)
        return;
    m_weekStart = checked;
    rebuildWeek();
}

void CalendarWeekdayProgramOverviewController::onSaunaCalendarProgramChanged(
    ::signalInterface::CalendarProgram program)
{
    m_dataProvider->storeProgram(program);
    recount(false);
    rebuildWeek();
    rebuildWeekDay();
}

void CalendarWeekdayProgramOverviewController::onSaunaScheduleItemDisableChanged(bool disabled)
{
    if (m_allDaysActivated == !disabled)
        return;
    m_allDaysActivated = !disabled;
    rebuildWeek();
    emit allDaysActivatedChanged(m_allDaysActivated);
}

void CalendarWeekdayProgramOverviewController::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language language)
{
    signalInterface::LanguageTypes::Language checked = language;
    if (!signalInterface::LanguageTypes::fromInt(language, checked))
        return;
    rebuildWeek();
    rebuildWeekDay();
}

void CalendarWeekdayProgramOverviewController::recount(bool publishAll)
{
    for (int value = 0; value < dayCount; ++value) {
        const auto day = static_cast<CalendarTypes::WeekDay>(value);
        const int count = static_cast<int>(m_dataProvider->weekdayProgramsOn(day).size());
        const bool changed = count != m_counts[value];
        m_counts[value] = count;
        if (changed || publishAll)
            emit weekDayProgramCountChanged(value, count);
    }
}

void CalendarWeekdayProgramOverviewController::rebuildWeek()
{
    m_weekModel->clear();
    CalendarTypes::WeekDay day = m_weekStart;
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
    for (const CalendarProgram &program : m_dataProvider->weekdayProgramsOn(*m_selectedDay)) {
        auto *row = new view::RowItem2(m_dataProvider->programTimeText(program),
                                       static_cast<int>(program.index));
        const auto favorite = m_dataProvider->favorite(program.favorite);
        row->setData(favorite ? favorite->name : LanguageSupport::customText(),
                     view::RowItemBase::TextValue1Role);
        row->setData(program.standby ? LanguageSupport::standbyKindText(m_dataProvider->brand())
                                     : LanguageSupport::bathText(),
                     view::RowItemBase::TextValue2Role);
        m_weekDayModel->appendItem(row);
    }
    m_weekDayModel->appendItem(
        new view::RowItem2(LanguageSupport::weekdayCalendarProgramText(), newProgramRowId));
    m_weekDayModel->updateLayoutOrder();
}

} // namespace control
