#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

namespace control::details {

// A favorite or a calendar program that this panel has just created, watched in its slot until
// it is known to be kept. Another panel that found the same slot free at the same moment saves
// its own item there too, and the sauna keeps the one it took last. The sauna reports every
// change to every panel in the order it took the requests, so for the slot watched:
// - another item reported before this panel's own echo was taken first: this panel's request,
//   taken after it, replaced it, and this item is kept (the other panel sees its own echo
//   followed by this item, and saves its own again);
// - another item reported right after this panel's own echo replaced this item: it is to be
//   saved again in another slot.
// "Right after" is the slot's next report, within as long as the link may take for a reply: a
// change reported there later is an edit made at another panel, not a collision, and a change
// this panel asks for there is its own.
class CreatedItemWatch
{
public:
    using Clock = std::function<qint64()>;

    // How long a reply may take on the link, the sauna's handling of the other panel's request
    // included; a connect request waits as long for its reply.
    static constexpr qint64 windowMs = 2500;

    CreatedItemWatch();

    // Watches the slot into which the item has just been requested.
    void watch(quint32 slot);
    void stop();
    // This panel asked for a change of the slot: what the sauna reports there next is that.
    void endIfSlot(quint32 slot);
    std::optional<quint32> slot() const { return m_slot; }

    // A report of a slot: own is whether it holds this panel's item as requested, inUse whether
    // it holds any. True when another item has replaced this panel's, which then is to be saved
    // again; the watch has then ended.
    bool replacedBy(quint32 slot, bool own, bool inUse);

    // Milliseconds of a monotonic clock; the process's own by default.
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    Clock m_clock;
    std::optional<quint32> m_slot;
    bool m_echoed = false;
    // Since when the echo (or, after it, the next report) has been awaited.
    qint64 m_since = 0;
};

} // namespace control::details
