#pragma once

#include "signal_interface/remote_sauna_types.h"

#include <QList>
#include <QUuid>
#include <QVariantMap>

#include <optional>

class QSettings;

namespace pcPanel {

// The sauna systems the panel knows, in the order they became known, and their storage in the
// shared settings store. Addresses and ports are learned anew from announcements in every run
// and are not stored; PINs are stored enciphered.
class RemoteSaunaList
{
public:
    using RemoteSauna = ::signalInterface::RemoteSaunaTypes::RemoteSauna;

    // XTEA cycles of the stored PINs.
    static constexpr unsigned PinCipherCycles = 37;
    // The most saunas the list holds; only saunas it must keep can take it beyond.
    static constexpr int Capacity = 64;

    const QList<RemoteSauna> &saunas() const { return m_saunas; }
    int size() const { return static_cast<int>(m_saunas.size()); }
    const RemoteSauna *find(const QUuid &identity) const;
    RemoteSauna *find(const QUuid &identity);

    // Adds the sauna, or replaces the entry of its identity in place, without regard to the
    // capacity: for what the user saves. A null identity is refused.
    bool insertOrReplace(const RemoteSauna &sauna);
    // Removes the entry of that identity; the removed entry is copied to removed when given.
    // Kept unreadable entries of that identity go as well, so that none of them comes back as
    // that sauna at the next start.
    bool remove(const QUuid &identity, RemoteSauna *removed = nullptr);

    // Whether the list may drop the sauna to make room: not the one the user selected, nor one
    // the user gave a PIN (any but the default PIN).
    static bool mayDrop(const RemoteSauna &sauna, const QUuid &selected);
    // Adds a sauna learned from the network, or replaces the entry of its identity in place. A new
    // sauna in a full list takes the place of the oldest one that may be dropped, which is copied
    // to dropped: the one announced longest ago (one not announced since it was loaded counts
    // oldest), of equally old ones the one known first. False, with the list unchanged, when the
    // identity is null, or when the list is full of saunas it must keep and the new one may be
    // dropped itself.
    bool insertDiscovered(const RemoteSauna &sauna, const QUuid &selected,
                          std::optional<RemoteSauna> &dropped);
    // Drops the oldest saunas that may be dropped until the list is within its capacity; returns
    // the dropped ones.
    QList<RemoteSauna> trimToCapacity(const QUuid &selected);

    // Replaces the list with the stored one (null: the shared store). The entries that are in the
    // store are read, in the order of their indexes and at most Settings::maximumArrayEntries of
    // them, whatever size the store gives the array. A field that is missing reads as the
    // record's default (no brand, product "unknown", no name, the default PIN); a PIN that does
    // not decipher to 1-4 digits reads as the default PIN. An entry without an identity that
    // reads as a UUID is dropped: nothing can ever find it again. An entry that holds another
    // value this program cannot read (identity repeated, brand or product not a known value) is no
    // sauna of the list, but its stored keys are kept as they are and every save writes them back
    // after the list. Returns the number of such entries.
    int load(QSettings *store = nullptr);
    // Writes the whole list, then the kept unreadable entries, and syncs the file once, at the end
    // of the outermost WriteBatch when one is open (null: the shared store).
    void save(QSettings *store = nullptr) const;

    // The number of stored entries kept as they were read, outside the list.
    int unreadableCount() const { return static_cast<int>(m_unreadable.size()); }

private:
    // The index of the oldest sauna that may be dropped; -1 when there is none.
    qsizetype oldestDroppable(const QUuid &selected) const;

    QList<RemoteSauna> m_saunas;
    // The keys and values of each stored entry that could not be read.
    QList<QVariantMap> m_unreadable;
};

} // namespace pcPanel
