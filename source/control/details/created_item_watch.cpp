#include "control/details/created_item_watch.h"

#include "signal_interface/monotonic_clock.h"

namespace control::details {

CreatedItemWatch::CreatedItemWatch()
    : m_clock(&signalInterface::MonotonicClock::nowMs)
{}

void CreatedItemWatch::watch(quint32 slot)
{
    m_slot = slot;
    m_echoed = false;
    m_since = m_clock();
}

void CreatedItemWatch::stop()
{
    m_slot.reset();
    m_echoed = false;
}

void CreatedItemWatch::endIfSlot(quint32 slot)
{
    if (m_slot && *m_slot == slot)
        stop();
}

bool CreatedItemWatch::replacedBy(quint32 slot, bool own, bool inUse)
{
    if (!m_slot || slot != *m_slot)
        return false;
    // An echo that never came (the request was refused or lost), or a report long after it.
    if (m_clock() - m_since > windowMs) {
        stop();
        return false;
    }
    if (own) {
        if (!m_echoed) {
            m_echoed = true;
            m_since = m_clock();
        }
        return false;
    }
    // Before the echo: this panel's request is still to be taken, and it replaces what is there.
    if (!m_echoed)
        return false;
    stop();
    return inUse;
}

} // namespace control::details
