#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/user_message_callback.h"

#include <QDateTime>
#include <QList>
#include <QObject>

#include <optional>
#include <vector>

namespace view {
class ListItem;
class RowItemPlain;
class ListModel;
} // namespace view

namespace control {

namespace details {
class CalendarDataProvider;
}

// The queue of coming calendar starts and the next descaling, soonest first, below a delayed
// start while the sauna has one. It also keeps the programs in step with favorite changes and
// clears the whole calendar on request.
class CalendarQueueController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool delayedStartEnabled READ delayedStartEnabled NOTIFY delayedStartChanged)
    Q_PROPERTY(bool delayedStartRunning READ delayedStartRunning NOTIFY delayedStartChanged)
    Q_PROPERTY(int nextDescaling READ nextDescaling NOTIFY nextDescalingChanged)

public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;

    // Application ids of the descaling and delayed-start rows; program rows carry their program
    // index.
    static constexpr int descalingRowId = 100;
    static constexpr int delayedStartRowId = 101;

    CalendarQueueController(QObject *parent, details::CalendarDataProvider *dataProvider);
    ~CalendarQueueController() override;

    view::ListModel *model() const { return m_model; }

    // Each returns the number of connects that failed.
    int connectQueueView(const QList<QObject *> &senders);
    int connectFavoriteChanges(const QList<QObject *> &senders);
    int connectClearCalendarRequests(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    int connectLanguageChanged(const QList<QObject *> &senders);

    bool delayedStartEnabled() const { return m_delayedStartEnabled; }
    bool delayedStartRunning() const { return m_delayedStartRunning; }
    // The day of the next descaling the sauna reported, in days since 2000-01-01; 0 before a
    // report.
    int nextDescaling() const { return m_nextDescaling.value_or(0); }

signals:
    void calendarProgramChangeRequested(::signalInterface::CalendarProgram program);
    // The program that starts next; false with a default program when nothing is queued.
    void nextActiveCalendarItemChanged(::signalInterface::CalendarProgram program, bool exists);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);
    void delayedStartChanged();
    void nextDescalingChanged();

public slots:
    void onCalendarQueueVisibleChanged(bool visible);
    void onFavoriteChangeIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void onFavoriteDeleteIssued(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void onClearCalendarRequested();
    void onSaunaCalendarProgramChanged(::signalInterface::CalendarProgram program);
    void onDelayedStartEnableChanged(bool enabled);
    void onDelayedStartRunningChanged(bool running);
    void onSaunaScheduleItemDisableChanged(bool disabled);
    void onSaunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);
    void
    onSaunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    void onSaunaNextDescalingChanged(int value);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    void onClearAnswered(const Answer &answer);
    void rebuild();
    // The queue was the former sauna's: every state of it goes, with the data provider's.
    void forgetSauna();
    // The next start of a program from now; invalid when it will not start again.
    QDateTime nextStart(const signalInterface::CalendarProgram &program) const;
    // The next descaling start: on the day the sauna reported, at the descaling start time; before
    // a report, and when the reported day has passed, the next descaling weekday at that time.
    QDateTime nextDescalingStart() const;
    // The first time, from now on, on the weekday at the time of day.
    QDateTime nextOnWeekday(signalInterface::CalendarTypes::WeekDay weekday, QTime time) const;
    // A row of the queue: its day as "Today" or the date, then its time.
    view::ListItem *programRow(const signalInterface::CalendarProgram &program,
                               const QString &day) const;
    view::ListItem *descalingRow(const QString &day) const;
    // A row of the queue: a text that opens nothing.
    static view::RowItemPlain *textRow(const QString &text, int id);

    details::CalendarDataProvider *m_dataProvider;
    view::ListModel *m_model;
    view::message::UserMessageCallback<CalendarQueueController> m_clearCallback;
    bool m_clearPending = false;
    bool m_scheduleDisabled = false;
    bool m_delayedStartEnabled = false;
    bool m_delayedStartRunning = false;
    std::optional<int> m_nextDescaling;
    signalInterface::AuxiliaryRelayTypes::Descaling m_descaling;
    QList<signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost> m_relays;
    std::optional<signalInterface::CalendarProgram> m_next;
};

} // namespace control
