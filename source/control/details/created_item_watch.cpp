#include "control/details/created_item_watch.h"

#include "signal_interface/monotonic_clock.h"

#include <QObject>

namespace control::details {

CreatedItemWatch::CreatedItemWatch(QObject *owner, SaveAgain saveAgain)
    : m_clock(&signalInterface::MonotonicClock::nowMs)
    , m_saveAgain(std::move(saveAgain))
{
    // The timer goes with the watch, before its owner; as the owner's child it is found by name.
    m_window.setParent(owner);
    m_window.setObjectName(QLatin1String(windowTimerName));
    m_window.setSingleShot(true);
    m_window.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_window, &QTimer::timeout, owner, [this] { onWindowEnded(); });
}

void CreatedItemWatch::watch(quint32 slot)
{
    m_slot = slot;
    m_echoed = false;
    m_otherSeen = false;
    startWindow();
}

void CreatedItemWatch::stop()
{
    m_window.stop();
    m_slot.reset();
    m_echoed = false;
    m_otherSeen = false;
}

void CreatedItemWatch::endIfSlot(quint32 slot)
{
    if (m_slot && *m_slot == slot)
        stop();
}

void CreatedItemWatch::report(quint32 slot, bool own, bool inUse)
{
    if (!m_slot || slot != *m_slot)
        return;
    if (windowOver()) {
        // The window ended before its timer ran. A late echo still tells that this item was
        // taken after the other; anything else is no collision, and the window's end decides.
        if (own)
            stop();
        else
            end();
        return;
    }
    if (own) {
        if (!m_echoed) {
            m_echoed = true;
            startWindow();
        }
        return;
    }
    // Before the echo: this panel's request is still to be taken, and it replaces what is there,
    // unless the request or its echo is lost, which the window's end tells.
    if (!m_echoed) {
        m_otherSeen = m_otherSeen || inUse;
        return;
    }
    stop();
    if (inUse)
        m_saveAgain();
}

void CreatedItemWatch::startWindow()
{
    m_since = m_clock();
    m_window.start(static_cast<int>(windowMs));
}

bool CreatedItemWatch::windowOver() const
{
    return m_clock() - m_since >= windowMs;
}

void CreatedItemWatch::onWindowEnded()
{
    if (!m_slot)
        return;
    if (!windowOver()) {
        m_window.start(static_cast<int>(m_since + windowMs - m_clock()));
        return;
    }
    end();
}

void CreatedItemWatch::end()
{
    const bool lost = m_otherSeen && !m_echoed;
    stop();
    if (lost)
        m_saveAgain();
}

} // namespace control::details
