#include "control/calendar_date_program_overview_controller.h"

#include "control/details/calendar_data_provider.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/calendar_month_day_item.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"

namespace control {

using signalInterface::CalendarProgram;
using signalInterface::CalendarTypes;
using view::LanguageSupport;

namespace {

constexpr int daysPerWeek = 7;
// The months shown: programs start no earlier than the protocol's epoch and no later than the link
// accepts.
int firstYear()
{
    return signalInterface::protocolFacts::protocolEpochDate().year();
}
constexpr int lastYear = 2199;

// A cell before the first or after the last day of the month.
view::CalendarMonthDayItem *blankCell()
{
    auto *cell = new view::CalendarMonthDayItem(QString(), false, false, 0.0);
    cell->setApplId(0);
    return cell;
}

// The hour a new program starts at: evening, or the next full hour when that is later today.
QTime newProgramTime(const QDate &date, const QDateTime &now)
{
    constexpr int usualHour = 18;
    if (date != now.date() || now.time().hour() < usualHour)
        return QTime(usualHour, 0);
    return QTime(std::min(now.time().hour() + 1, 23), 0);
}

} // namespace

CalendarDateProgramOverviewController::CalendarDateProgramOverviewController(
    QObject *parent, details::CalendarDataProvider *dataProvider)
    : CalendarProgramOverviewControllerBase(parent, dataProvider)
    , m_monthModel(new view::ListModel(view::CalendarMonthDayItem::roleNames(), this))
    , m_dateOverviewModel(new view::ListModel(view::RowItemBase::roleNames(), this))
{
    connect(m_dataProvider, &details::CalendarDataProvider::clockChanged, this, [this] {
        // The month of today follows the sauna's clock: its first report after the PC's clock,
        // a date set, a month's end. A month the user went to stays.
        const QDate today = m_dataProvider->today();
        const bool followsToday = m_shownMonth.year() == m_shownToday.year() &&
                                  m_shownMonth.month() == m_shownToday.month();
        m_shownToday = today;
        if (followsToday)
            showMonth(today);
        else
            rebuildMonth();
        rebuildDateOverview();
    });
    connect(m_dataProvider, &details::CalendarDataProvider::timeFormatChanged, this,
            &CalendarDateProgramOverviewController::rebuildDateOverview);
    connect(m_dataProvider, &details::CalendarDataProvider::favoritesChanged, this,
            &CalendarDateProgramOverviewController::rebuildDateOverview);
    connect(m_dataProvider, &details::CalendarDataProvider::dateFormatChanged, this,
            &CalendarDateProgramOverviewController::selectedDateChanged);
    m_shownToday = m_dataProvider->today();
    showMonth(m_shownToday);
}

CalendarDateProgramOverviewController::~CalendarDateProgramOverviewController() = default;

int CalendarDateProgramOverviewController::connectMonthView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(monthEditActivated()), SLOT(onMonthEditActivated())},
         {SIGNAL(monthIncreaseSelected()), SLOT(onMonthIncreaseSelected())},
         {SIGNAL(monthDecreaseSelected()), SLOT(onMonthDecreaseSelected())},
         {SIGNAL(dateEditActivated(int)), SLOT(onDateEditActivated(int))}});
}

int CalendarDateProgramOverviewController::connectDateProgramView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(calendarDateProgramEditActivated(int)),
                                             SLOT(onCalendarDateProgramEditActivated(int))}});
}

int CalendarDateProgramOverviewController::connectWeekDayStartChanged(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(weekDayStartChanged(::signalInterface::CalendarTypes::WeekDay)),
          SLOT(onWeekDayStartChanged(::signalInterface::CalendarTypes::WeekDay))}});
}

int CalendarDateProgramOverviewController::connectLockTimerTimeout(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(lockTimerTimeout()), SLOT(onLockTimerTimeout())}});
}

int CalendarDateProgramOverviewController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaCalendarProgramChanged(::signalInterface::CalendarProgram)),
          SLOT(onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram))}});
}

int CalendarDateProgramOverviewController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

QString CalendarDateProgramOverviewController::monthTitle() const
{
    CalendarTypes::Month month = CalendarTypes::E_january;
    CalendarTypes::fromInt(m_shownMonth.month() - 1, month);
    return LanguageSupport::monthLongText(month) + QLatin1Char(' ') +
           QString::number(m_shownMonth.year());
}

QStringList CalendarDateProgramOverviewController::weekDayHeaders() const
{
    QStringList headers;
    CalendarTypes::WeekDay day = weekStart();
    for (int column = 0; column < daysPerWeek; ++column) {
        headers.append(LanguageSupport::weekdayText(day));
        day = CalendarTypes::nextWeekDay(day);
    }
    return headers;
}

QString CalendarDateProgramOverviewController::selectedDateText() const
{
    if (!m_selectedDate.isValid())
        return {};
    return LanguageSupport::dateText(m_selectedDate, m_dataProvider->dateFormat());
}

void CalendarDateProgramOverviewController::onMonthEditActivated()
{
    showMonth(m_dataProvider->today());
}

void CalendarDateProgramOverviewController::onMonthIncreaseSelected()
{
    const QDate next = m_shownMonth.addMonths(1);
    if (next.year() <= lastYear)
        showMonth(next);
}

void CalendarDateProgramOverviewController::onMonthDecreaseSelected()
{
    const QDate previous = m_shownMonth.addMonths(-1);
    if (previous.year() >= firstYear())
        showMonth(previous);
}

void CalendarDateProgramOverviewController::onDateEditActivated(int day)
{
    if (day < 1 || day > m_shownMonth.daysInMonth())
        return;
    m_selectedDate = QDate(m_shownMonth.year(), m_shownMonth.month(), day);
    rebuildDateOverview();
    emit selectedDateChanged();
}

void CalendarDateProgramOverviewController::onCalendarDateProgramEditActivated(int row)
{
    if (!m_selectedDate.isValid() || row < 0 || row >= m_dateOverviewModel->rowCount())
        return;
    const QList<CalendarProgram> programs = m_dataProvider->dateProgramsOn(m_selectedDate);
    if (row < programs.size()) {
        emit calendarProgramEditActivated(programs.at(row));
        return;
    }
    if (m_selectedDate < m_dataProvider->today())
        return;
    beginNewProgram(
        false,
        QDateTime(m_selectedDate, newProgramTime(m_selectedDate, m_dataProvider->now()), Qt::UTC),
        LanguageSupport::dateCalendarProgramText());
}

void CalendarDateProgramOverviewController::onLockTimerTimeout()
{
    emit calendarProgramCancelled();
}

void CalendarDateProgramOverviewController::rebuildLists()
{
    rebuildMonth();
    rebuildDateOverview();
}

void CalendarDateProgramOverviewController::weekStartApplied()
{
    rebuildMonth();
}

void CalendarDateProgramOverviewController::showMonth(const QDate &anyDayOfMonth)
{
    const QDate first(anyDayOfMonth.year(), anyDayOfMonth.month(), 1);
    if (!first.isValid())
        return;
    m_shownMonth = first;
    if (m_selectedDate.isValid() &&
        (m_selectedDate.year() != first.year() || m_selectedDate.month() != first.month())) {
        m_selectedDate = QDate();
        rebuildDateOverview();
        emit selectedDateChanged();
    }
    rebuildMonth();
}

void CalendarDateProgramOverviewController::rebuildMonth()
{
    const QDate today = m_dataProvider->today();
    const int leading =
        (details::CalendarDataProvider::weekDayOf(m_shownMonth) - weekStart() + daysPerWeek) %
        daysPerWeek;
    const int days = m_shownMonth.daysInMonth();
    const int cells = (leading + days + daysPerWeek - 1) / daysPerWeek * daysPerWeek;

    m_monthModel->clear();
    for (int cell = 0; cell < leading; ++cell)
        m_monthModel->appendItem(blankCell());
    for (int day = 1; day <= days; ++day) {
        const QDate date(m_shownMonth.year(), m_shownMonth.month(), day);
        const bool open = date >= today;
        auto *item = new view::CalendarMonthDayItem(QString::number(day),
                                                    !m_dataProvider->dateProgramsOn(date).isEmpty(),
                                                    open, LanguageSupport::opacityFor(!open));
        item->setApplId(day);
        m_monthModel->appendItem(item);
    }
    for (int cell = leading + days; cell < cells; ++cell)
        m_monthModel->appendItem(blankCell());
    emit monthChanged();
}

void CalendarDateProgramOverviewController::rebuildDateOverview()
{
    m_dateOverviewModel->clear();
    if (!m_selectedDate.isValid())
        return;
    appendProgramRows(m_dateOverviewModel, m_dataProvider->dateProgramsOn(m_selectedDate));
    auto *add = new view::RowItem2(LanguageSupport::dateCalendarProgramText(), newProgramRowId);
    const bool open = m_selectedDate >= m_dataProvider->today();
    add->setEnabled(open);
    add->setOpacity(LanguageSupport::opacityFor(!open));
    m_dateOverviewModel->appendItem(add);
    m_dateOverviewModel->updateLayoutOrder();
}

} // namespace control
