#pragma once

#include "signal_interface/remote_sauna_types.h"

#include <QList>
#include <QUuid>

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
    bool remove(const QUuid &identity, RemoteSauna *removed = nullptr);

    // Replaces the list with the stored one (null: the shared store). An entry that cannot be
    // read whole (identity not a UUID or repeated, brand or product not a known value, no name)
    // is left out; the others are kept. A PIN that does not decipher to 1-4 digits reads as the
    // default PIN. Returns the number of entries left out.
    int load(QSettings *store = nullptr);
    // Writes the whole list and syncs the file once (null: the shared store).
    void save(QSettings *store = nullptr) const;

private:
    QList<RemoteSauna> m_saunas;
};

} // namespace pcPanel
