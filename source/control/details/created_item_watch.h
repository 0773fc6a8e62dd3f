#pragma once

#include <QTimer>
#include <QtGlobal>

#include <functional>
#include <optional>

class QObject;

namespace control::details {

// A favorite or a calendar program that this panel has just created, watched in its slot until
// it is known to be kept. Another panel that found the same slot free at the same moment saves
// its own item there too, and the sauna keeps the one it took last. The sauna reports every
// change to every panel in the order it took the requests, so for the slot watched:
// - another item reported before this panel's own echo was taken first: this panel's request,
//   taken after it, replaced it, and this item is kept (the other panel sees its own echo
//   followed by this item, and saves its own again);
// - another item reported right after this panel's own echo replaced this item: it is to be
//   saved again in another slot;
// - another item reported and this panel's own echo never within the window: the request or
//   its echo was lost on the link, and the slot is known to hold the other item. This item is
//   saved again when the window ends, so that it is never lost unsaid; should only the echo have
//   been lost, the item is then stored twice, which the user can see and delete.
// "Right after" is the slot's next report, within as long as the link may take for a reply: a
// change reported there later is an edit made at another panel, not a collision, and a change
// this panel asks for there is its own.
class CreatedItemWatch
{
public:
    using Clock = std::function<qint64()>;
    // Saves the item again into the next free slot (and watches it there), or tells that no slot
    // is free.
    using SaveAgain = std::function<void()>;

    // How long a reply may take on the link, the sauna's handling of the other panel's request
    // included; a connect request waits as long for its reply.
    static constexpr qint64 windowMs = 2500;
    // The object name of the single-shot timer that ends the window; it is a child of the owner.
    static constexpr const char *windowTimerName = "createdItemWindow";

    CreatedItemWatch(QObject *owner, SaveAgain saveAgain);

    // Watches the slot into which the item has just been requested.
    void watch(quint32 slot);
    void stop();
    // This panel asked for a change of the slot: what the sauna reports there next is that.
    void endIfSlot(quint32 slot);
    std::optional<quint32> slot() const { return m_slot; }

    // A report of a slot: own is whether it holds this panel's item as requested, inUse whether
    // it holds any. Saves the item again where another item has replaced it; the watch has then
    // ended.
    void report(quint32 slot, bool own, bool inUse);

    // Milliseconds of a monotonic clock; the process's own by default. The window ends by this
    // clock: a timer that runs ahead of it waits on for the rest.
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    void startWindow();
    bool windowOver() const;
    void onWindowEnded();
    // Ends the watch, and saves the item again where another item took the slot and its own echo
    // never came.
    void end();

    Clock m_clock;
    SaveAgain m_saveAgain;
    QTimer m_window;
    std::optional<quint32> m_slot;
    bool m_echoed = false;
    // Another item was reported in the slot before the echo.
    bool m_otherSeen = false;
    // Since when the echo (or, after it, the next report) has been awaited.
    qint64 m_since = 0;
};

} // namespace control::details
