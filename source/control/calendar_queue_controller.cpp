#include "control/calendar_queue_controller.h"

#include "control/details/calendar_data_provider.h"
#include "control/details/panel_questions.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/row_item_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_plain.h"

#include <QCoreApplication>

#include <algorithm>

namespace control {

using signalInterface::CalendarProgram;
using signalInterface::FavoritesTypes::FavoritesPost;
using view::LanguageSupport;

namespace {

QDateTime wallClock(const QDate &date, const QTime &time)
{
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

CalendarQueueController::CalendarQueueController(QObject *parent,
                                                 details::CalendarDataProvider *dataProvider)
    : QObject(parent)
    , m_dataProvider(dataProvider)
    , m_model(new view::ListModel(view::RowItemBase::roleNames(), this))
    , m_clearCallback(this, &CalendarQueueController::onClearAnswered)
{
    signalInterface::AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    connect(m_dataProvider, &details::CalendarDataProvider::clockChanged, this,
            &CalendarQueueController::rebuild);
    connect(m_dataProvider, &details::CalendarDataProvider::timeFormatChanged, this,
            &CalendarQueueController::rebuild);
    connect(m_dataProvider, &details::CalendarDataProvider::dateFormatChanged, this,
            &CalendarQueueController::rebuild);
    connect(m_dataProvider, &details::CalendarDataProvider::favoritesChanged, this,
            &CalendarQueueController::rebuild);
    connect(m_dataProvider, &details::CalendarDataProvider::saunaDataCleared, this,
            &CalendarQueueController::forgetSauna);
    rebuild();
}

void CalendarQueueController::forgetSauna()
{
    m_scheduleDisabled = false;
    m_delayedStartEnabled = false;
    m_delayedStartRunning = false;
    m_nextDescaling.reset();
    m_descaling = signalInterface::AuxiliaryRelayTypes::Descaling();
    m_relays.clear();
    signalInterface::AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(m_relays);
    m_next.reset();
    rebuild();
}

CalendarQueueController::~CalendarQueueController() = default;

int CalendarQueueController::connectQueueView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(calendarQueueVisibleChanged(bool)), SLOT(onCalendarQueueVisibleChanged(bool))}});
}

int CalendarQueueController::connectFavoriteChanges(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(favoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost))},
         {SIGNAL(favoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost))}});
}

int CalendarQueueController::connectClearCalendarRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(clearCalendarRequested()), SLOT(onClearCalendarRequested())}});
}

int CalendarQueueController::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaCalendarProgramChanged(::signalInterface::CalendarProgram)),
          SLOT(onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram))},
         {SIGNAL(delayedStartEnableChanged(bool)), SLOT(onDelayedStartEnableChanged(bool))},
         {SIGNAL(delayedStartRunningChanged(bool)), SLOT(onDelayedStartRunningChanged(bool))},
         {SIGNAL(saunaScheduleItemDisableChanged(bool)),
          SLOT(onSaunaScheduleItemDisableChanged(bool))},
         {SIGNAL(saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling))},
         {SIGNAL(saunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onSaunaAuxRelaySettingChanged(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))},
         {SIGNAL(saunaNextDescalingChanged(int)), SLOT(onSaunaNextDescalingChanged(int))}});
}

int CalendarQueueController::connectLanguageChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(languageChanged(::signalInterface::LanguageTypes::Language)),
          SLOT(onLanguageChanged(::signalInterface::LanguageTypes::Language))}});
}

void CalendarQueueController::onCalendarQueueVisibleChanged(bool visible)
{
    // Time has passed since the queue was last shown.
    if (visible)
        rebuild();
}

void CalendarQueueController::onFavoriteChangeIssued(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    const qsizetype affected = m_dataProvider->programsUsing(favorite.index).size();
    if (affected > 0) {
        emit panelUserMessageIssued(
            details::infoMessage(details::panelMessageId::programsAffectedByFavorite,
                                 {QString::number(affected)}),
            nullptr);
    }
}

void CalendarQueueController::onFavoriteDeleteIssued(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    // A program must not point at a favorite that is gone: it keeps the favorite's settings as
    // its own.
    const QList<CalendarProgram> affected = m_dataProvider->programsUsing(favorite.index);
    for (CalendarProgram program : affected) {
        program.favorite = CalendarProgram::noFavorite;
        program.temperature = favorite.temperature;
        program.humidity = favorite.humidity;
        m_dataProvider->watchRequest(program);
        emit calendarProgramChangeRequested(program);
    }
    if (!affected.isEmpty()) {
        emit panelUserMessageIssued(
            details::infoMessage(details::panelMessageId::programsAffectedByFavorite,
                                 {QString::number(affected.size())}),
            nullptr);
    }
}

void CalendarQueueController::onClearCalendarRequested()
{
    if (m_clearPending)
        return;
    m_clearPending = true;
    emit panelUserMessageIssued(
        details::questionMessage(details::panelMessageId::confirmClearCalendar), &m_clearCallback);
}

void CalendarQueueController::onSaunaCalendarProgramChanged(
    ::signalInterface::CalendarProgram program)
{
    m_dataProvider->storeProgram(program);
    rebuild();
}

void CalendarQueueController::onDelayedStartEnableChanged(bool enabled)
{
    if (enabled == m_delayedStartEnabled)
        return;
    m_delayedStartEnabled = enabled;
    emit delayedStartChanged();
    rebuild();
}

void CalendarQueueController::onDelayedStartRunningChanged(bool running)
{
    if (running == m_delayedStartRunning)
        return;
    m_delayedStartRunning = running;
    emit delayedStartChanged();
    rebuild();
}

void CalendarQueueController::onSaunaScheduleItemDisableChanged(bool disabled)
{
    m_scheduleDisabled = disabled;
    rebuild();
}

void CalendarQueueController::onSaunaDescalingChanged(
    ::signalInterface::AuxiliaryRelayTypes::Descaling descaling)
{
    m_descaling = descaling;
    rebuild();
}

void CalendarQueueController::onSaunaAuxRelaySettingChanged(
    ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay)
{
    if (relay.index >= static_cast<quint32>(m_relays.size()))
        return;
    m_relays[relay.index] = relay;
    // The descaling row names its relay.
    if (m_descaling.enabled && relay.index == m_descaling.relayIndex)
        rebuild();
}

void CalendarQueueController::onSaunaNextDescalingChanged(int value)
{
    if (value == m_nextDescaling)
        return;
    m_nextDescaling = value;
    emit nextDescalingChanged();
    if (m_descaling.enabled)
        rebuild();
}

void CalendarQueueController::onLanguageChanged(::signalInterface::LanguageTypes::Language language)
{
    signalInterface::LanguageTypes::Language checked = language;
    if (signalInterface::LanguageTypes::fromInt(language, checked))
        rebuild();
}

void CalendarQueueController::onClearAnswered(const Answer &answer)
{
    m_clearPending = false;
    if (answer != signalInterface::UserMessageTypes::E_answerYes)
        return;
    for (int index = 0; index < details::CalendarDataProvider::programCount; ++index) {
        const std::optional<CalendarProgram> held = m_dataProvider->program(index);
        if (!held || !held->inUse)
            continue;
        CalendarProgram cleared(held->index);
        cleared.inUse = false;
        m_dataProvider->watchRequest(cleared);
        emit calendarProgramChangeRequested(cleared);
    }
}

void CalendarQueueController::rebuild()
{
    // A start of the queue: a program's, or the descaling's without one.
    struct Entry
    {
        QDateTime start;
        std::optional<CalendarProgram> program;
    };
    QList<Entry> entries;
    for (const CalendarProgram &program : m_dataProvider->programsInUse()) {
        const QDateTime start = nextStart(program);
        if (start.isValid())
            entries.append({start, program});
    }
    const auto earlier = [](const Entry &first, const Entry &second) {
        return first.start < second.start;
    };
    std::stable_sort(entries.begin(), entries.end(), earlier);
    const std::optional<CalendarProgram> next =
        entries.isEmpty() ? std::nullopt : entries.first().program;
    if (m_descaling.enabled) {
        // After the programs that start at the same time.
        const Entry descaling{nextDescalingStart(), std::nullopt};
        entries.insert(std::upper_bound(entries.begin(), entries.end(), descaling, earlier),
                       descaling);
    }

    m_model->clear();
    // A delayed start set on the sauna comes before anything the calendar starts: the sauna has
    // it in hand already. The queue only tells: its rows are plain rows, which open nothing.
    if (m_delayedStartEnabled || m_delayedStartRunning)
        m_model->appendItem(textRow(LanguageSupport::delayedStartText(), delayedStartRowId));
    const QDate today = m_dataProvider->today();
    for (const Entry &entry : entries) {
        const QDate day = entry.start.date();
        const QString dayText = day == today
                                    ? LanguageSupport::todayText()
                                    : LanguageSupport::dateText(day, m_dataProvider->dateFormat());
        m_model->appendItem(entry.program ? programRow(*entry.program, dayText)
                                          : descalingRow(dayText));
    }
    m_model->updateLayoutOrder();

    if (next != m_next) {
        m_next = next;
        emit nextActiveCalendarItemChanged(next.value_or(CalendarProgram()), next.has_value());
    }
}

view::RowItemPlain *CalendarQueueController::textRow(const QString &text, int id)
{
    // Nothing to press: the row does not darken under a finger either.
    auto *row = new view::RowItemPlain(text, id);
    row->setBackgroundPressedMode(signalInterface::RowItemTypes::E_disable);
    return row;
}

view::ListItem *CalendarQueueController::programRow(const CalendarProgram &program,
                                                    const QString &day) const
{
    view::RowItemPlain *row =
        textRow(day + QLatin1Char(' ') + m_dataProvider->programTimeText(program),
                static_cast<int>(program.index));
    row->setData(program.weekday ? LanguageSupport::weekdayCalendarProgramText()
                                 : LanguageSupport::dateCalendarProgramText(),
                 view::RowItemBase::TextValue1Role);
    const auto favorite = m_dataProvider->favorite(program.favorite);
    row->setData(favorite ? favorite->name : LanguageSupport::customText(),
                 view::RowItemBase::TextValue2Role);
    return row;
}

view::ListItem *CalendarQueueController::descalingRow(const QString &day) const
{
    // A report without a start time gives no time to show.
    const QString time =
        m_descaling.startTime.isValid()
            ? LanguageSupport::timeText(m_descaling.startTime, m_dataProvider->timeFormat())
            : QStringLiteral("--");
    view::RowItemPlain *row = textRow(day + QLatin1Char(' ') + time, descalingRowId);
    row->setData(QCoreApplication::translate("QObject", "Descaling"),
                 view::RowItemBase::TextValue1Role);
    if (m_descaling.relayIndex < static_cast<quint32>(m_relays.size())) {
        row->setData(LanguageSupport::auxRelayName(m_relays[m_descaling.relayIndex]),
                     view::RowItemBase::TextValue2Role);
    }
    return row;
}

QDateTime CalendarQueueController::nextStart(const CalendarProgram &program) const
{
    if (!program.weekday) {
        const QDateTime now = m_dataProvider->now();
        const QDateTime start = wallClock(program.start.date(), program.start.time());
        return start >= wallClock(now.date(), now.time()) ? start : QDateTime();
    }
    if (m_scheduleDisabled)
        return {};
    return nextOnWeekday(details::CalendarDataProvider::weekDayOf(program.start.date()),
                         program.start.time());
}

QDateTime CalendarQueueController::nextDescalingStart() const
{
    const QDateTime now = m_dataProvider->now();
    // Without a start time the day begins it: the time the sauna takes for a record without one.
    const QTime time = m_descaling.startTime.isValid() ? m_descaling.startTime : QTime(0, 0);
    if (m_nextDescaling) {
        const QDate day =
            signalInterface::protocolFacts::protocolEpochDate().addDays(*m_nextDescaling);
        if (day.isValid() && day >= now.date())
            return wallClock(day, time);
    }
    return nextOnWeekday(m_descaling.weekday, time);
}

QDateTime CalendarQueueController::nextOnWeekday(signalInterface::CalendarTypes::WeekDay weekday,
                                                 QTime time) const
{
    const QDateTime now = m_dataProvider->now();
    const int offset = (weekday - details::CalendarDataProvider::weekDayOf(now.date()) + 7) % 7;
    QDateTime next = wallClock(now.date().addDays(offset), time);
    if (next < wallClock(now.date(), now.time()))
        next = next.addDays(7);
    return next;
}

} // namespace control
