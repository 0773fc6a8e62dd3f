#include "control/details/created_item_watch.h"

#include "signal_interface/calendar_program.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/monotonic_clock.h"

#include <QObject>

#include <algorithm>
#include <vector>

namespace control::details {

CreatedItemWindow::CreatedItemWindow(QObject *owner, std::function<void()> onTimeout)
    : m_clock(&signalInterface::MonotonicClock::nowMs)
{
    // The timer goes with the watch, before its owner; as the owner's child it is found by name.
    m_timer.setParent(owner);
    m_timer.setObjectName(QLatin1String(windowTimerName));
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, owner, std::move(onTimeout));
}

void CreatedItemWindow::runUntilEndOf(qint64 since)
{
    m_timer.start(static_cast<int>(std::max<qint64>(0, since + windowMs - now())));
}

template<typename Item>
CreatedItemWatch<Item>::CreatedItemWatch(QObject *owner, Same same, Act saveAgain, Act tellChanged)
    : CreatedItemWindow(owner, [this] { onWindowEnded(); })
    , m_same(std::move(same))
    , m_saveAgain(std::move(saveAgain))
    , m_tellChanged(std::move(tellChanged))
{}

template<typename Item>
void CreatedItemWatch<Item>::watch(const Item &item, bool created)
{
    Watched &watched = m_watched[item.index];
    watched = Watched{item, created, false, false, now()};
    rearm();
}

template<typename Item>
void CreatedItemWatch<Item>::stop()
{
    m_watched.clear();
    stopTimer();
}

template<typename Item>
bool CreatedItemWatch<Item>::awaitsNew(quint32 slot) const
{
    const auto watched = m_watched.find(slot);
    return watched != m_watched.end() && watched->second.created;
}

template<typename Item>
void CreatedItemWatch<Item>::report(const Item &reported)
{
    const auto found = m_watched.find(reported.index);
    if (found == m_watched.end())
        return;
    Watched &watched = found->second;
    // Every deletion of a slot reads alike.
    const bool own =
        watched.requested.inUse ? m_same(reported, watched.requested) : !reported.inUse;
    if (over(watched.since)) {
        // The window ended before its timer ran. A late echo still tells that this request was
        // taken after the other; anything else is no collision, and the window's end decides.
        if (own)
            erase(found);
        else
            end(found);
        return;
    }
    if (own) {
        if (!watched.echoed) {
            watched.echoed = true;
            watched.since = now();
            rearm();
        }
        return;
    }
    // Before the echo: this panel's request is still to be taken, and it replaces what is there,
    // unless the request or its echo is lost, which the window's end tells. A new item's slot
    // was empty before, so only an item there is another's.
    if (!watched.echoed) {
        watched.otherSeen = watched.otherSeen || reported.inUse || !watched.created;
        return;
    }
    const Watched replaced = watched;
    erase(found);
    if (reported.inUse || !replaced.created)
        act(replaced);
}

template<typename Item>
void CreatedItemWatch<Item>::onWindowEnded()
{
    std::vector<quint32> ended;
    for (const auto &[slot, watched] : m_watched) {
        if (over(watched.since))
            ended.push_back(slot);
    }
    // Acting saves a new item again, which watches another slot.
    for (const quint32 slot : ended) {
        if (const auto watched = m_watched.find(slot);
            watched != m_watched.end() && over(watched->second.since))
            end(watched);
    }
    rearm();
}

template<typename Item>
void CreatedItemWatch<Item>::end(typename Slots::iterator watched)
{
    const Watched ended = watched->second;
    erase(watched);
    if (ended.otherSeen && !ended.echoed)
        act(ended);
}

template<typename Item>
void CreatedItemWatch<Item>::erase(typename Slots::iterator watched)
{
    m_watched.erase(watched);
    rearm();
}

template<typename Item>
void CreatedItemWatch<Item>::act(const Watched &watched)
{
    if (watched.created)
        m_saveAgain(watched.requested);
    else
        m_tellChanged(watched.requested);
}

template<typename Item>
void CreatedItemWatch<Item>::rearm()
{
    if (m_watched.empty()) {
        stopTimer();
        return;
    }
    const auto earliest = std::min_element(m_watched.begin(), m_watched.end(),
                                           [](const auto &first, const auto &second) {
                                               return first.second.since < second.second.since;
                                           });
    runUntilEndOf(earliest->second.since);
}

template class CreatedItemWatch<signalInterface::FavoritesTypes::FavoritesPost>;
template class CreatedItemWatch<signalInterface::CalendarProgram>;

} // namespace control::details
