#pragma once

#include "signal_interface/calendar_program.h"
#include "signal_interface/display_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>
#include <QTimer>

namespace control {

// Keeps the display sleep timeout ("display_sleep_timeout") and runs the sleep timer: the display
// may sleep after that much inactivity while the sauna is off and no calendar program is next to
// run. This edition has no backlight of its own, so nothing switches the screen off.
class DisplayController : public QObject
{
    Q_OBJECT

public:
    using DisplaySleepTimeout = signalInterface::DisplayTypes::DisplaySleepTimeout;

    static constexpr DisplaySleepTimeout defaultSleepTimeout =
        signalInterface::DisplayTypes::E_never;

    // Reads the stored timeout; the default when it is missing or not a selectable timeout.
    explicit DisplayController(QObject *parent = nullptr);

    // Each returns the number of connections that failed.
    int connectNextActiveCalendarItemChanged(const QList<QObject *> &senders);
    int connectSleepTimeoutRequests(const QList<QObject *> &senders);
    int connectUserMouseSignals(const QList<QObject *> &senders);
    int connectSaunaPhysicalStateChanged(const QList<QObject *> &senders);

    // First state: announces the sleep timeout and starts the sleep timer.
    void emitInitialState();

    DisplaySleepTimeout sleepTimeout() const { return m_sleepTimeout; }
    bool isAsleep() const { return m_asleep; }
    bool isSleepTimerActive() const { return m_sleepTimer.isActive(); }
    int sleepTimerInterval() const { return m_sleepTimer.interval(); }
    // Milliseconds of a timeout; 0 for "never" and any value that is no selectable timeout.
    static int timeoutMilliseconds(DisplaySleepTimeout timeout);

public slots:
    void onNextActiveCalendarItemChanged(::signalInterface::CalendarProgram program, bool active);
    void onDisplayChangeSleepTimeoutRequested(
        ::signalInterface::DisplayTypes::DisplaySleepTimeout timeout);
    void onUserMousePressOccurred();
    void onUserMouseHoldOccurred();
    void onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void onSleepTimerTimeout();

signals:
    void newDisplaySleepTimeoutValue(::signalInterface::DisplayTypes::DisplaySleepTimeout timeout);
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    static bool isSelectable(int timeout);
    void userActivity();
    void updateSleepTimer();

    DisplaySleepTimeout m_sleepTimeout = defaultSleepTimeout;
    bool m_saunaRunning = false;
    bool m_calendarItemActive = false;
    bool m_asleep = false;
    QTimer m_sleepTimer;
};

} // namespace control
