#include "control/settings.h"

#include "control/settings_file_informer.h"
#include "control/settings_file_repair.h"
#include "signal_interface/shared_logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QSettings>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace control {

namespace {

// The process-wide state behind every Settings handle. The store is deleted by a post routine
// while the application object still exists (Qt's own settings caches are gone by the time
// static objects are destroyed); the holder only cleans up after programs without one.
struct SharedStore
{
    QString organization = QStringLiteral("Vaho");
    QString application = QStringLiteral("Moor Panel");
    std::unique_ptr<QSettings> store;
    bool postRoutineAdded = false;
    int openBatches = 0;
    // The other stores written to during the open batches, synced when the last one ends.
    QList<QPointer<QSettings>> batchedStores;
};

SharedStore &sharedStore()
{
    static SharedStore shared;
    return shared;
}

// Qt forgets a post routine once it has run, so a store made after that registers it again.
void deleteSharedStore()
{
    SharedStore &shared = sharedStore();
    shared.store.reset();
    shared.postRoutineAdded = false;
}

QSettings *ensureStore()
{
    SharedStore &shared = sharedStore();
    if (!shared.store) {
        // QSettings reports failures through status() instead of throwing, so there is no
        // fallback to construct: a store that cannot be written runs on in memory.
        shared.store = Settings::openStore(shared.organization, shared.application);
        if (!shared.postRoutineAdded) {
            qAddPostRoutine(deleteSharedStore);
            shared.postRoutineAdded = true;
        }
    }
    // Some objects sync the store themselves; a write of theirs that failed is reported here, at
    // the next access.
    Settings::reportFailedWrites(*shared.store);
    return shared.store.get();
}

// The whole content of a file; nothing when it cannot be read.
std::optional<QByteArray> readFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Replaces the file's content the way QSettings writes its files: a new file renamed over the old
// one, so that a write that fails leaves the old file whole. QSaveFile may report a write that a
// full disk cut short as whole, so the new file's size is checked as well.
bool replaceFile(const QString &fileName, const QByteArray &content)
{
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
           file.commit() && QFileInfo(fileName).size() == content.size();
}

// Copies the damaged file's content to "<file>.damaged", replacing an older copy, and reports the
// copy; false when the copy fails. That is reported too, since the copy is made as a write is, a
// new file in the same folder: a folder that refused it refuses the writes too.
bool keepDamagedCopy(const QString &fileName, const QByteArray &content)
{
    const QString copyPath = fileName + QLatin1String(".damaged");
    SettingsFileInformer &informer = SettingsFileInformer::instance();
    if (!replaceFile(copyPath, content)) {
        // A copy cut short holds nothing of use.
        QFile::remove(copyPath);
        informer.onChangesNotKept();
        return false;
    }
    informer.onDamagedFileCopied(QDir::toNativeSeparators(copyPath));
    return true;
}

// Whether a sync can replace the store's file. QSettings writes a new file beside the old one and
// renames it over it, so the folder must take new files as well. A file that does not exist yet
// is made by the first write, whose failure the sync reports.
bool canReplaceFile(const QSettings &store)
{
    const QFileInfo file(store.fileName());
    if (!file.exists())
        return true;
    return store.isWritable() && QFileInfo(file.absolutePath()).isWritable();
}

QVariant readValue(const QString &key, const QSettings *store)
{
    return (store ? store : ensureStore())->value(key);
}

} // namespace

Settings::Settings(const QString &organization, const QString &application, QObject *parent)
    : QObject(parent)
{
    SharedStore &shared = sharedStore();
    if (!shared.store) {
        shared.organization = organization;
        shared.application = application;
        ensureStore();
    }
}

Settings::Settings()
{
    ensureStore();
}

QSettings *Settings::settings()
{
    return ensureStore();
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    setValue(*ensureStore(), key, value);
}

void Settings::setValue(QSettings &store, const QString &key, const QVariant &value)
{
    store.setValue(key, value);
    sync(store);
}

void Settings::sync(QSettings &store)
{
    SharedStore &shared = sharedStore();
    if (shared.openBatches == 0)
        syncStore(store);
    else if (&store != shared.store.get() && !shared.batchedStores.contains(&store))
        shared.batchedStores.append(&store);
}

Settings::WriteBatch::WriteBatch()
{
    ++sharedStore().openBatches;
}

Settings::WriteBatch::~WriteBatch()
{
    SharedStore &shared = sharedStore();
    if (--shared.openBatches > 0)
        return;
    if (shared.store)
        syncStore(*shared.store);
    const QList<QPointer<QSettings>> others = std::exchange(shared.batchedStores, {});
    for (const QPointer<QSettings> &store : others) {
        if (store)
            syncStore(*store);
    }
}

QString Settings::lockscreenAuxVisibleKey(int n)
{
    return QStringLiteral("lockscreen_aux_%1_visible").arg(n);
}

void Settings::factoryReset()
{
    QSettings *store = ensureStore();

    const char *const userKeys[] = {
        languageKey,
        humidityPresentationKey,
        temperaturePresentationKey,
        hasChangedRegionSettingsKey,
        displaySleepTimeoutKey,
        pinCodeCurrentKey,
        pinCodeCurrentEncrypted1Key,
        pinCodeCurrentEncrypted2Key,
        pinCodeActivatedKey,
        lockTimeOutKey,
        dateFormatKey,
        timeFormatKey,
        startOfWeekKey,
        temperatureUnitKey,
        lockscreenPowerVisibleKey,
        lockscreenLightingVisibleKey,
        lockscreenTemperatureVisibleKey,
        lockscreenHumidityVisibleKey,
    };
    for (const char *key : userKeys) {
        store->remove(QLatin1String(key));
    }
    for (int n = 0; n < lockscreenAuxCount; ++n) {
        store->remove(lockscreenAuxVisibleKey(n));
    }
    const char *const wifiKeys[] = {
        keyHapticSensorActivatedKey, wifiEnabledKey, wifiAutoConnectKey, wifiSaunaNameKey,
        wifiSelectedNetworkKey,
    };
    for (const char *key : wifiKeys) {
        store->remove(QLatin1String(key));
    }

    // Every entry that is there, beyond any read limit: none may keep its password.
    const QList<int> networks =
        storedArrayIndexes(store, QLatin1String(wifiNetworksKey), std::numeric_limits<int>::max());
    store->beginWriteArray(QLatin1String(wifiNetworksKey));
    for (const int index : networks) {
        store->setArrayIndex(index);
        store->remove(QLatin1String(wifiNetworkNameKey));
        store->remove(QLatin1String(wifiNetworkPasswordKey));
    }
    store->endArray();
    store->beginWriteArray(QLatin1String(wifiNetworksKey), 0);
    store->endArray();

    store->sync();
}

QString Settings::organizationName()
{
    return sharedStore().organization;
}

QString Settings::applicationName()
{
    return sharedStore().application;
}

QList<int> Settings::storedArrayIndexes(QSettings *store, const QString &arrayKey, int limit)
{
    store->beginGroup(arrayKey);
    const QStringList names = store->childGroups();
    store->endGroup();
    QList<int> indexes;
    for (const QString &name : names) {
        bool ok = false;
        const int number = name.toInt(&ok);
        // Entry i is the group "i + 1"; "0", "-1" or "01" are groups no array read reaches.
        if (ok && number > 0 && name == QString::number(number))
            indexes.append(number - 1);
    }
    std::sort(indexes.begin(), indexes.end());
    if (indexes.size() > limit)
        indexes.resize(qMax(limit, 0));
    return indexes;
}

bool Settings::boolValue(const QString &key, bool defaultValue, const QSettings *store)
{
    return toBool(readValue(key, store)).value_or(defaultValue);
}

std::optional<int> Settings::intValue(const QString &key, const QSettings *store)
{
    return toInt(readValue(key, store));
}

std::optional<quint32> Settings::uintValue(const QString &key, const QSettings *store)
{
    return toUInt(readValue(key, store));
}

std::optional<bool> Settings::toBool(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    if (!value.canConvert<QString>()) {
        return std::nullopt;
    }
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    return ok ? std::optional<bool>(number != 0) : std::nullopt;
}

std::optional<int> Settings::toInt(const QVariant &value)
{
    // Through the text, because QVariant's own conversions succeed for a bool, round a double
    // and cut a 64-bit number to 32 bits.
    if (!value.isValid() || value.typeId() == QMetaType::Bool || !value.canConvert<QString>()) {
        return std::nullopt;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<quint32> Settings::toUInt(const QVariant &value)
{
    if (!value.isValid() || value.typeId() == QMetaType::Bool || !value.canConvert<QString>()) {
        return std::nullopt;
    }
    bool ok = false;
    const quint32 number = value.toString().trimmed().toUInt(&ok);
    return ok ? std::optional<quint32>(number) : std::nullopt;
}

std::unique_ptr<QSettings> Settings::openStore(const QString &organization,
                                               const QString &application)
{
    const auto open = [&organization, &application] {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organization,
                                           application);
    };
    std::unique_ptr<QSettings> store = open();
    const QString fileName = store->fileName();
    SettingsFileInformer &informer = SettingsFileInformer::instance();
    // QSettings splits the file into sections when it is opened, and decodes the values of a
    // section when one of its keys is first read: a serialized value would then be streamed, as
    // large as its bytes claim. Such lines go before anything is read.
    bool copied = false;
    std::optional<QByteArray> content = readFile(fileName);
    if (content) {
        if (std::optional<QByteArray> cleaned =
                SettingsFileRepair::withoutSerializedValues(*content)) {
            store.reset();
            copied = keepDamagedCopy(fileName, *content);
            if (!copied || !replaceFile(fileName, *cleaned)) {
                // The file stays as it is, and the run goes on in memory, never reading it, with
                // what its intact lines hold. The store's own file would be in the file as in a
                // folder: nothing is read from there, and no write gets there, as was told. (Its
                // own name, as QSettings keeps unsaved keys by file name for the next store.)
                informer.onChangesNotKept();
                auto inMemory = std::make_unique<QSettings>(fileName + QLatin1String("/unsaved"),
                                                            QSettings::IniFormat);
                SettingsFileRepair::restoreLostKeys(*inMemory, *content);
                return inMemory;
            }
            // The new file differs in size from the one read, so QSettings reads it anew.
            store = open();
            content = std::move(cleaned);
        }
    }
    // A section is parsed when it is first read; reading every key finds damage anywhere. A
    // quote left open is damage too, though the reader reports none when a later quote closes it,
    // and so is a raw control character, which the reader takes as it stands.
    store->allKeys();
    if (store->status() == QSettings::FormatError ||
        (content && (SettingsFileRepair::hasQuoteLeftOpen(*content) ||
                     SettingsFileRepair::hasRawControlCharacter(*content)))) {
        // Whatever the panel writes replaces the file with the keys in the store, so the whole
        // file is kept aside first, unless the copy holds it already.
        if (!copied) {
            if (content)
                keepDamagedCopy(fileName, *content);
            else
                informer.onChangesNotKept();
        }
        // QSettings keeps the first error it met for good, so this object would hide every
        // failed write from now on. A second one on the same file shares the keys parsed so far
        // (one cache per file, the file unchanged) and starts without an error.
        std::unique_ptr<QSettings> unmarked = open();
        store = std::move(unmarked);
        // The reader may have dropped intact lines with the damaged ones (an unmatched quote
        // takes the rest of the file); they are put back before the first write, which would
        // otherwise leave them out of the file.
        if (content) {
            // The lines that the reader ran together are no keys of this file; the copy keeps them.
            const QStringList dropped = SettingsFileRepair::removeRunTogetherKeys(*store);
            const QStringList restored = SettingsFileRepair::restoreLostKeys(*store, *content);
            qCInfo(signalInterface::sharedLog)
                << "damaged settings file" << store->fileName() << "repaired with"
                << restored.size() << "settings of intact lines:" << restored << "-"
                << dropped.size() << "keys of lines run together dropped";
        }
    }
    if (store->status() == QSettings::AccessError || !canReplaceFile(*store))
        informer.onChangesNotKept();
    return store;
}

void Settings::syncStore(QSettings &store)
{
    store.sync();
    reportFailedWrites(store);
}

void Settings::reportFailedWrites(const QSettings &store)
{
    // QSaveFile leaves the old file in place when a write fails, so nothing is lost on disk;
    // the user has to know that changes go no further than this run.
    if (store.status() == QSettings::AccessError)
        SettingsFileInformer::instance().onChangesNotKept();
}

void Settings::resetForTesting()
{
    SharedStore &shared = sharedStore();
    shared.store.reset();
    shared.organization = QStringLiteral("Vaho");
    shared.application = QStringLiteral("Moor Panel");
    SettingsFileInformer::instance().resetForTesting();
}

} // namespace control
