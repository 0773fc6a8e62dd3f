#include "control/display_controller.h"

#include "control/settings.h"
#include "signal_interface/sender_connections.h"

#include <array>

namespace control {

namespace {

using signalInterface::DisplayTypes;

// Indexed by DisplaySleepTimeout; E_last is a count, not a timeout.
constexpr std::array<int, 8> timeoutMs{0, 15000, 30000, 60000, 120000, 180000, 240000, 300000};

} // namespace

DisplayController::DisplayController(QObject *parent)
    : QObject(parent)
{
    // The user's last choice, so that the display screen shows it again after a restart.
    const std::optional<int> stored =
        Settings::intValue(QLatin1String(Settings::displaySleepTimeoutKey));
    if (stored && isSelectable(*stored)) {
        m_sleepTimeout = static_cast<DisplaySleepTimeout>(*stored);
    }
    m_sleepTimer.setSingleShot(true);
    connect(&m_sleepTimer, &QTimer::timeout, this, &DisplayController::onSleepTimerTimeout);
}

int DisplayController::connectNextActiveCalendarItemChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(nextActiveCalendarItemChanged(::signalInterface::CalendarProgram, bool)),
          SLOT(onNextActiveCalendarItemChanged(::signalInterface::CalendarProgram, bool))}});
}

int DisplayController::connectSleepTimeoutRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(displayChangeSleepTimeoutRequested(
              ::signalInterface::DisplayTypes::DisplaySleepTimeout)),
          SLOT(onDisplayChangeSleepTimeoutRequested(
              ::signalInterface::DisplayTypes::DisplaySleepTimeout))}});
}

int DisplayController::connectUserMouseSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(userMousePressOccurred()), SLOT(onUserMousePressOccurred())},
         {SIGNAL(userMouseHoldOccurred()), SLOT(onUserMouseHoldOccurred())}});
}

int DisplayController::connectSaunaPhysicalStateChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState))}});
}

void DisplayController::emitInitialState()
{
    emit newDisplaySleepTimeoutValue(m_sleepTimeout);
    updateSleepTimer();
}

int DisplayController::timeoutMilliseconds(DisplaySleepTimeout timeout)
{
    const int index = static_cast<int>(timeout);
    return isSelectable(index) ? timeoutMs[static_cast<std::size_t>(index)] : 0;
}

void DisplayController::onNextActiveCalendarItemChanged(::signalInterface::CalendarProgram,
                                                        bool active)
{
    m_calendarItemActive = active;
    updateSleepTimer();
}

void DisplayController::onDisplayChangeSleepTimeoutRequested(
    ::signalInterface::DisplayTypes::DisplaySleepTimeout timeout)
{
    if (!isSelectable(static_cast<int>(timeout))) {
        return;
    }
    m_sleepTimeout = timeout;
    Settings::setValue(QLatin1String(Settings::displaySleepTimeoutKey), static_cast<int>(timeout));
    emit newDisplaySleepTimeoutValue(timeout);
    updateSleepTimer();
}

void DisplayController::onUserMousePressOccurred()
{
    userActivity();
}

void DisplayController::onUserMouseHoldOccurred()
{
    userActivity();
}

void DisplayController::onSaunaPhysicalStateChanged(
    ::signalInterface::SaunaStateTypes::SaunaState state)
{
    m_saunaRunning = state != signalInterface::SaunaStateTypes::E_sauna_off;
    updateSleepTimer();
}

void DisplayController::onSleepTimerTimeout()
{
    m_sleepTimer.stop();
    m_asleep = true;
}

bool DisplayController::isSelectable(int timeout)
{
    return timeout >= 0 && timeout < static_cast<int>(timeoutMs.size());
}

void DisplayController::userActivity()
{
    m_asleep = false;
    updateSleepTimer();
}

void DisplayController::updateSleepTimer()
{
    const int interval = timeoutMilliseconds(m_sleepTimeout);
    if (interval == 0 || m_saunaRunning || m_calendarItemActive) {
        m_sleepTimer.stop();
        m_asleep = false;
        return;
    }
    m_sleepTimer.start(interval);
}

} // namespace control
