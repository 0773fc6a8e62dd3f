#include "pc_panel/remote_sauna_list.h"

#include "control/settings.h"
#include "pc_panel/link_logging.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "signal_interface/protocol_facts.h"
#include "value/pin_packing.h"

#include <QSettings>

#include <algorithm>
#include <optional>

namespace pcPanel {

namespace {

using control::Settings;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::VariantTypes;

// The link's own key for the stored PINs. It must never change: stored PINs would no longer
// decipher and would read as the default PIN.
constexpr quint32 pinKey[4] = {0x6B1F3A95u, 0xD2475C08u, 0x3E9AB461u, 0x85C0E72Du};

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// An enum field of an entry: its default when the key is missing; nothing when a value is there
// but no value of the enum.
template<typename Enum>
std::optional<Enum> enumField(const QSettings *store, const char *name,
                              bool (*fromInt)(int, Enum &), Enum defaultValue)
{
    if (!store->contains(key(name)))
        return defaultValue;
    return Settings::enumValue<Enum>(key(name), fromInt, store);
}

// The identity of a kept unreadable entry.
QUuid storedIdentity(const QVariantMap &entry)
{
    return QUuid(entry.value(key(Settings::pcPanelRemoteSaunaIdentityKey)).toString());
}

} // namespace

const RemoteSaunaList::RemoteSauna *RemoteSaunaList::find(const QUuid &identity) const
{
    const auto found = std::find_if(m_saunas.cbegin(), m_saunas.cend(),
                                    [&](const RemoteSauna &s) { return s.identity == identity; });
    return found == m_saunas.cend() ? nullptr : &*found;
}

RemoteSaunaList::RemoteSauna *RemoteSaunaList::find(const QUuid &identity)
{
    const auto found = std::find_if(m_saunas.begin(), m_saunas.end(),
                                    [&](const RemoteSauna &s) { return s.identity == identity; });
    return found == m_saunas.end() ? nullptr : &*found;
}

bool RemoteSaunaList::insertOrReplace(const RemoteSauna &sauna)
{
    if (sauna.identity.isNull())
        return false;
    if (RemoteSauna *entry = find(sauna.identity))
        *entry = sauna;
    else
        m_saunas.append(sauna);
    return true;
}

bool RemoteSaunaList::remove(const QUuid &identity, RemoteSauna *removed)
{
    const auto found = std::find_if(m_saunas.begin(), m_saunas.end(),
                                    [&](const RemoteSauna &s) { return s.identity == identity; });
    if (found == m_saunas.end())
        return false;
    if (removed != nullptr)
        *removed = *found;
    m_saunas.erase(found);
    m_unreadable.removeIf(
        [&identity](const QVariantMap &entry) { return storedIdentity(entry) == identity; });
    return true;
}

bool RemoteSaunaList::mayDrop(const RemoteSauna &sauna, const QUuid &selected)
{
    return sauna.identity != selected && sauna.pin == RemoteSauna().pin;
}

bool RemoteSaunaList::insertDiscovered(const RemoteSauna &sauna, const QUuid &selected,
                                       std::optional<RemoteSauna> &dropped)
{
    if (sauna.identity.isNull())
        return false;
    if (RemoteSauna *entry = find(sauna.identity)) {
        *entry = sauna;
        return true;
    }
    if (size() >= Capacity) {
        const qsizetype oldest = oldestDroppable(selected);
        if (oldest >= 0) {
            dropped = m_saunas.at(oldest);
            remove(dropped->identity);
        } else if (mayDrop(sauna, selected)) {
            return false;
        }
    }
    m_saunas.append(sauna);
    return true;
}

QList<RemoteSaunaList::RemoteSauna> RemoteSaunaList::trimToCapacity(const QUuid &selected)
{
    QList<RemoteSauna> dropped;
    while (size() > Capacity) {
        const qsizetype oldest = oldestDroppable(selected);
        if (oldest < 0)
            break;
        dropped.append(m_saunas.at(oldest));
        remove(dropped.back().identity);
    }
    return dropped;
}

qsizetype RemoteSaunaList::oldestDroppable(const QUuid &selected) const
{
    qsizetype oldest = -1;
    for (qsizetype index = 0; index < m_saunas.size(); ++index) {
        const RemoteSauna &sauna = m_saunas.at(index);
        // Strictly older only: of equally old ones the first in the list, known longest.
        if (mayDrop(sauna, selected) &&
            (oldest < 0 || sauna.linkValue < m_saunas.at(oldest).linkValue))
            oldest = index;
    }
    return oldest;
}

int RemoteSaunaList::load(QSettings *store)
{
    if (store == nullptr)
        store = Settings::settings();
    m_saunas.clear();
    m_unreadable.clear();
    const QString arrayKey = key(Settings::pcPanelRemoteSaunasKey);
    // The entries that are there: the stored size of a damaged file may be anything.
    const QList<int> indexes = Settings::storedArrayIndexes(store, arrayKey);
    store->beginReadArray(arrayKey);
    for (const int index : indexes) {
        store->setArrayIndex(index);
        RemoteSauna sauna;
        sauna.identity =
            QUuid(store->value(key(Settings::pcPanelRemoteSaunaIdentityKey)).toString());
        if (sauna.identity.isNull()) {
            // Its PIN and name belong to no sauna any more: no announcement or selection can ever
            // find the entry, so it is no longer written back.
            qCWarning(linkLog) << "stored sauna entry" << index << "has no identity; dropped";
            continue;
        }
        const auto brand = enumField(store, Settings::pcPanelRemoteSaunaBrandKey,
                                     &VariantTypes::fromInt, sauna.brand);
        const auto product = enumField(store, Settings::pcPanelRemoteSaunaRcbProductKey,
                                       &MasterFuncDescTypes::fromInt, sauna.rcbProduct);
        if (find(sauna.identity) != nullptr || !brand || !product) {
            // Kept as it is: it may hold values of a newer panel, in groups of their own too.
            QVariantMap entry;
            const QStringList names = store->allKeys();
            for (const QString &name : names)
                entry.insert(name, store->value(name));
            m_unreadable.append(entry);
            qCWarning(linkLog) << "stored sauna entry" << index
                               << "cannot be read; kept in the file, not offered";
            continue;
        }
        sauna.brand = *brand;
        sauna.rcbProduct = *product;
        // A name kept before names had a bound is cut as a new announcement of it would be.
        sauna.name = pbSupport::conversion::cutText(
            store->value(key(Settings::pcPanelRemoteSaunaNameKey)).toString(),
            ::signalInterface::protocolFacts::longestSaunaName);
        const auto pin1 = Settings::uintValue(key(Settings::pcPanelRemoteSaunaPin1Key), store);
        const auto pin2 = Settings::uintValue(key(Settings::pcPanelRemoteSaunaPin2Key), store);
        if (pin1 && pin2) {
            const std::optional<QString> pin =
                value::decipherPin({*pin1, *pin2}, PinCipherCycles, pinKey);
            if (pin)
                sauna.pin.setPin(*pin);
        }
        m_saunas.append(sauna);
    }
    store->endArray();
    return static_cast<int>(m_unreadable.size());
}

void RemoteSaunaList::save(QSettings *store) const
{
    if (store == nullptr)
        store = Settings::settings();
    const QString arrayKey = key(Settings::pcPanelRemoteSaunasKey);
    // Entries beyond the new size would otherwise stay in the file.
    store->remove(arrayKey);
    store->beginWriteArray(arrayKey, static_cast<int>(m_saunas.size() + m_unreadable.size()));
    for (int index = 0; index < m_saunas.size(); ++index) {
        const RemoteSauna &sauna = m_saunas.at(index);
        store->setArrayIndex(index);
        store->setValue(key(Settings::pcPanelRemoteSaunaIdentityKey), sauna.identity.toString());
        store->setValue(key(Settings::pcPanelRemoteSaunaRcbProductKey),
                        static_cast<int>(sauna.rcbProduct));
        store->setValue(key(Settings::pcPanelRemoteSaunaBrandKey), static_cast<int>(sauna.brand));
        store->setValue(key(Settings::pcPanelRemoteSaunaNameKey), sauna.name);
        const value::PinBlock pin = value::encipherPin(sauna.pin.pin(), PinCipherCycles, pinKey);
        store->setValue(key(Settings::pcPanelRemoteSaunaPin1Key), pin[0]);
        store->setValue(key(Settings::pcPanelRemoteSaunaPin2Key), pin[1]);
    }
    for (int index = 0; index < m_unreadable.size(); ++index) {
        store->setArrayIndex(static_cast<int>(m_saunas.size()) + index);
        const QVariantMap &entry = m_unreadable.at(index);
        for (auto it = entry.cbegin(); it != entry.cend(); ++it)
            store->setValue(it.key(), it.value());
    }
    store->endArray();
    Settings::sync(*store);
}

} // namespace pcPanel
