#pragma once

#include "signal_interface/remote_sauna_types.h"

#include <QList>
#include <QUuid>
#include <QVariantMap>

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

    const QList<RemoteSauna> &saunas() const { return m_saunas; }
    int size() const { return static_cast<int>(m_saunas.size()); }
    const RemoteSauna *find(const QUuid &identity) const;
    RemoteSauna *find(const QUuid &identity);

    // Adds the sauna, or replaces the entry of its identity in place. A null identity is refused.
    bool insertOrReplace(const RemoteSauna &sauna);
    // Removes the entry of that identity; the removed entry is copied to removed when given.
    // Kept unreadable entries of that identity go as well, so that none of them comes back as
    // that sauna at the next start.
    bool remove(const QUuid &identity, RemoteSauna *removed = nullptr);

    // Replaces the list with the stored one (null: the shared store). A field that is missing
    // reads as the record's default (no brand, product "unknown", no name, the default PIN); a
    // PIN that does not decipher to 1-4 digits reads as the default PIN. An entry that holds a
    // value this program cannot read (identity not a UUID or repeated, brand or product not a
    // known value) is no sauna of the list, but its stored keys are kept as they are and every
    // save writes them back after the list. Returns the number of such entries.
    int load(QSettings *store = nullptr);
    // Writes the whole list, then the kept unreadable entries, and syncs the file once (null:
    // the shared store).
    void save(QSettings *store = nullptr) const;

    // The number of stored entries kept as they were read, outside the list.
    int unreadableCount() const { return static_cast<int>(m_unreadable.size()); }

private:
    QList<RemoteSauna> m_saunas;
    // The keys and values of each stored entry that could not be read.
    QList<QVariantMap> m_unreadable;
};

} // namespace pcPanel
