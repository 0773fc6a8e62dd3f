#pragma once

#include <QTimer>
#include <QtGlobal>

#include <functional>
#include <map>

class QObject;

namespace control::details {

// The time within which the sauna's next report of a slot answers a request this panel made
// there, by a monotonic clock, with one timer that ends the windows as they run out.
class CreatedItemWindow
{
public:
    using Clock = std::function<qint64()>;

    // How long a reply may take on the link, the sauna's handling of the other panel's request
    // included; a connect request waits as long for its reply.
    static constexpr qint64 windowMs = 2500;
    // The object name of the single-shot timer that ends the windows; it is a child of the owner.
    static constexpr const char *windowTimerName = "createdItemWindow";

    // Milliseconds of a monotonic clock; the process's own by default. A window ends by this
    // clock: a timer that runs ahead of it waits on for the rest.
    void setClock(Clock clock) { m_clock = std::move(clock); }

protected:
    CreatedItemWindow(QObject *owner, std::function<void()> onTimeout);

    qint64 now() const { return m_clock(); }
    bool over(qint64 since) const { return now() - since >= windowMs; }
    // Runs the timer until the window begun at since ends.
    void runUntilEndOf(qint64 since);
    void stopTimer() { m_timer.stop(); }

private:
    Clock m_clock;
    QTimer m_timer;
};

// A favorite or a calendar program that this panel has just asked the sauna to store in its slot
// (a new item, a change or a deletion), watched there until it is known to be kept. Another panel
// may save the same slot at the same moment, and the sauna keeps what it took last. The sauna
// reports every change to every panel in the order it took the requests, so for each slot watched:
// - a change reported before this panel's own echo was taken first: this panel's request, taken
//   after it, replaced it, and this item is kept (the other panel sees its own echo followed by
//   this item, and acts as below);
// - a change reported right after this panel's own echo replaced this item: a new item is saved
//   again in another slot, and the user of a change is told that the item was changed at another
//   panel (it is not saved again). A new item's slot emptied there is a deletion of it made at
//   the other panel;
// - another item (for a change, any other change) reported and this panel's own echo never within
//   the window: the request or its echo was lost on the link, and the slot is known to hold what
//   the other panel asked. The item is saved again, or its user told, when the window ends, so
//   that it is never lost unsaid; should only the echo have been lost, a new item is then stored
//   twice, which the user can see and delete, and the user of a change kept there is told.
// "Right after" is the slot's next report, within as long as the link may take for a reply: a
// change reported there later is an edit made at another panel, not a collision. A slot where a
// new item is awaited counts as taken, so that one new item never ends the watch on another. A
// request this panel makes in a watched slot replaces what is watched there. Two saves of a slot
// with the same content are one change to every panel, and nobody is told.
template<typename Item>
class CreatedItemWatch : public CreatedItemWindow
{
public:
    // Whether a reported item is the one requested.
    using Same = std::function<bool(const Item &reported, const Item &requested)>;
    using Act = std::function<void(const Item &requested)>;

    // saveAgain saves a new item again into the next free slot (which watches it there), or tells
    // that no slot is free; tellChanged tells the user that a change was replaced at another panel.
    CreatedItemWatch(QObject *owner, Same same, Act saveAgain, Act tellChanged);

    // The item has just been requested in its slot: a new item into a free slot, or a change or
    // deletion of the item there.
    void watch(const Item &item, bool created);
    void stop();
    // Whether a new item of this panel's is awaited in the slot.
    bool awaitsNew(quint32 slot) const;

    // A report of a slot. Saves a new item again, or tells the change, where another replaced it;
    // the watch of the slot has then ended.
    void report(const Item &reported);

private:
    struct Watched
    {
        Item requested;
        bool created = false;
        bool echoed = false;
        // Another item, or another change, was reported in the slot before the echo.
        bool otherSeen = false;
        // Since when the echo (or, after it, the next report) has been awaited.
        qint64 since = 0;
    };
    using Slots = std::map<quint32, Watched>;

    void onWindowEnded();
    // Ends the slot's watch, and acts where another panel's request took the slot and its own
    // echo never came.
    void end(typename Slots::iterator watched);
    void erase(typename Slots::iterator watched);
    void act(const Watched &watched);
    void rearm();

    Same m_same;
    Act m_saveAgain;
    Act m_tellChanged;
    Slots m_watched;
};

} // namespace control::details
