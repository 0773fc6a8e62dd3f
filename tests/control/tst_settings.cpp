#include "control/details/temperature_humidity_rules.h"
#include "control/settings.h"
#include "control/settings_file_informer.h"
#include "pc_panel/temperature_humidity_limits.h"
#include "signal_interface/language_types.h"
#include "support/file_size_limit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPointer>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using control::Settings;
using control::SettingsFileInformer;
using signalInterface::UserMessageTypes::UserMessage;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<quint32>)

namespace {

// The INI file as it lies on disk, parsed without QSettings: QSettings objects of one process
// share a cache per file, so only the raw file proves that a write reached the disk.
// Keys are "section/key" ("General" gives plain keys), values are the raw texts.
QMap<QString, QString> readIniFile(const QString &path)
{
    QMap<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return entries;
    }
    QString section;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            continue;
        }
        QString key = line.left(equals).trimmed().replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (section != QLatin1String("General")) {
            key = section + QLatin1Char('/') + key;
        }
        entries.insert(key, line.mid(equals + 1).trimmed());
    }
    return entries;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two known saunas, the second one selected, as a panel leaves them.
const QByteArray twoSaunas = R"([General]
language=2
pc_panel_auto_connect=true
pc_panel_selected_remote_sauna={00000000-0000-0000-0000-000000000002}

[pc_panel_remote_saunas]
1\pc_panel_remote_sauna_identity={00000000-0000-0000-0000-000000000001}
1\pc_panel_remote_sauna_name=Cabin
2\pc_panel_remote_sauna_identity={00000000-0000-0000-0000-000000000002}
2\pc_panel_remote_sauna_name=Garden
size=2
)";

// The file of two saunas with the junk put in before the second one.
QByteArray junkBeforeSecondSauna(const QByteArray &junk)
{
    QByteArray content = twoSaunas;
    return content.insert(content.indexOf("2\\pc_panel_remote_sauna_identity"), junk);
}

// A file as the panel writes it: two known saunas, the second one selected, and a limit table.
const QByteArray panelFile = R"([General]
language=2
lock_time_out=60000
pc_panel_auto_connect=true
pc_panel_selected_remote_sauna={00000000-0000-0000-0000-000000000002}
pin_code_activated=true
time_format=1

[pc_panel_max_temperature_size]
1\pc_panel_max_temperature=110
2\pc_panel_max_temperature=90
size=2

[pc_panel_remote_saunas]
1\pc_panel_remote_sauna_brand=0
1\pc_panel_remote_sauna_identity={00000000-0000-0000-0000-000000000001}
1\pc_panel_remote_sauna_name=Cabin
1\pc_panel_remote_sauna_pin_1=3735928559
1\pc_panel_remote_sauna_pin_2=305419896
1\pc_panel_remote_sauna_rcb_product=1
2\pc_panel_remote_sauna_brand=0
2\pc_panel_remote_sauna_identity={00000000-0000-0000-0000-000000000002}
2\pc_panel_remote_sauna_name="Garden, east"
2\pc_panel_remote_sauna_pin_1=4023233417
2\pc_panel_remote_sauna_pin_2=2562383102
2\pc_panel_remote_sauna_rcb_product=1
size=2
)";

// 300 random bytes: Python's random.Random(4).randbytes(300) and random.Random(6).randbytes(300).
const QByteArray junkOfSeed4(
    "\327\245\155\074\374\371\244\115\307\026\151\032\315\253\241\270\251\022\144\145\103\306"
    "\227\172\132\103\254\047\123\317\020\027\061\042\007\021\023\275\022\005\066\253\316\146"
    "\146\231\245\214\011\032\377\352\152\207\024\112\377\161\352\314\122\104\162\375\130\262"
    "\341\303\306\231\020\017\354\110\320\070\127\364\064\205\156\334\143\211\263\002\071\134"
    "\172\254\324\106\223\147\235\307\012\276\063\054\313\334\255\323\016\324\056\033\340\015"
    "\000\103\113\362\342\066\316\310\145\361\011\013\157\355\151\122\220\006\255\032\064\324"
    "\263\053\004\244\260\304\200\316\003\004\240\102\105\046\352\314\336\102\221\105\047\377"
    "\204\061\205\207\061\052\240\123\122\117\146\344\045\112\020\171\201\240\241\312\010\336"
    "\205\163\135\273\003\014\377\365\006\074\312\332\341\066\071\331\220\001\113\341\163\047"
    "\125\137\312\052\063\026\126\033\104\330\364\033\031\233\044\002\140\126\174\240\364\253"
    "\157\200\117\143\311\057\206\201\054\055\266\077\043\250\203\055\111\202\120\077\105\016"
    "\075\171\046\354\255\107\206\144\337\026\222\331\317\361\326\056\101\357\320\305\140\321"
    "\317\136\220\335\014\176\064\361\211\017\062\214\366\217\050\327\246\347\334\114\002\232"
    "\330\001\077\271\253\350\152\260\274\112\165\241\206\222",
    300);
const QByteArray junkOfSeed6(
    "\376\125\030\313\350\337\345\222\226\224\153\322\151\065\240\024\276\072\053\174\163\244"
    "\040\303\071\240\371\102\067\067\155\011\210\232\035\000\307\231\104\045\064\172\256\251"
    "\317\327\043\226\042\225\142\170\046\054\054\367\354\264\175\302\301\072\036\274\061\160"
    "\207\137\120\102\303\121\171\342\047\305\341\221\232\005\244\212\317\105\226\263\044\175"
    "\127\125\112\315\217\042\267\062\302\314\325\272\056\243\134\337\140\123\374\151\321\112"
    "\033\351\367\136\316\211\000\121\014\212\151\361\232\256\012\051\036\030\376\164\147\061"
    "\311\052\074\220\054\271\271\215\176\374\023\263\027\234\034\316\152\146\230\272\014\060"
    "\371\103\242\321\263\251\127\131\251\315\302\012\054\234\133\137\211\257\207\120\216\026"
    "\371\342\042\330\136\030\271\154\353\263\350\125\140\040\200\375\046\253\327\027\300\076"
    "\265\134\013\124\337\314\231\045\362\150\115\051\006\316\374\344\037\100\317\160\371\161"
    "\363\133\032\263\232\375\001\030\305\365\154\301\067\066\171\062\031\053\144\263\252\012"
    "\212\242\024\225\341\313\210\001\213\112\342\030\371\030\144\056\215\363\060\343\261\013"
    "\217\202\254\226\003\207\033\347\315\177\154\063\146\207\361\323\113\216\310\247\262\037"
    "\245\351\305\325\101\134\261\201\230\174\265\335\307\356",
    300);

// The file with text put in before the line that starts with the marker.
QByteArray insertedBefore(QByteArray content, const QByteArray &marker, const QByteArray &text)
{
    return content.insert(content.indexOf(marker), text);
}

// The file with zero bytes written over it from the end of the first text up to the second one
// after it, line breaks and all.
QByteArray zeroedBetween(QByteArray content, const QByteArray &after, const QByteArray &before)
{
    const qsizetype start = content.indexOf(after) + after.size();
    const qsizetype end = content.indexOf(before, start);
    return content.replace(start, end - start, QByteArray(end - start, '\0'));
}

// What a store holds, by key, the way QSettings gives it back.
QMap<QString, QVariant> storeContent(const QSettings &store)
{
    QMap<QString, QVariant> content;
    const QStringList keys = store.allKeys();
    for (const QString &key : keys)
        content.insert(key, store.value(key));
    return content;
}

// What the informer tells once it may, of what it found so far.
QList<UserMessage> toldMessages()
{
    SettingsFileInformer &informer = SettingsFileInformer::instance();
    QSignalSpy told(&informer, &SettingsFileInformer::panelUserMessageIssued);
    informer.startTelling();
    QList<UserMessage> messages;
    for (const QList<QVariant> &arguments : std::as_const(told))
        messages << arguments.at(0).value<UserMessage>();
    return messages;
}

// The test's own application, for the notices that the informer gives on the event loop once it
// tells.
struct LocalApplication
{
    int argc = 1;
    char name[13] = "tst_settings";
    char *argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
};

bool fakeFromInt(int value, int &out)
{
    if (value < 0 || value > 3) {
        return false;
    }
    out = value;
    return true;
}

} // namespace

// Checks the shared settings store: its file, its write-through, its reset and its readers.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstNamedConstructionWins();
    void defaultConstructionFirstKeepsInitialNames();
    void sharedStoreOutlivesHandles();
    void setValueReachesFileAtOnce();
    void batchWritesReachFileAtItsEnd();
    void storeDeletedWithApplication();
    void lockscreenAuxVisibleKey_data();
    void lockscreenAuxVisibleKey();

    void factoryResetRemovesUserKeys();
    void factoryResetKeepsOtherKeys();
    void factoryResetEmptiesWifiNetworks();
    void factoryResetWithoutWifiNetworks();
    void factoryResetWipesEveryStoredWifiNetwork_data();
    void factoryResetWipesEveryStoredWifiNetwork();
    void storedArrayIndexesAreTheEntriesInTheFile_data();
    void storedArrayIndexesAreTheEntriesInTheFile();

    void boolValue_data();
    void boolValue();
    void intValue_data();
    void intValue();
    void uintValue_data();
    void uintValue();
    void enumValue();
    void enumValueWithHolder();
    void corruptFileReadsAsDefaultsAndKeepsKeys();
    void olderPanelFileReads();

    void damagedFileIsCopiedBeforeAnyWrite_data();
    void damagedFileIsCopiedBeforeAnyWrite();
    void damageIsToldOncePerStart();
    void soundFileIsNotCopied_data();
    void soundFileIsNotCopied();
    void unwritableFileIsKeptAndToldOnce_data();
    void unwritableFileIsKeptAndToldOnce();
    void damagedFileKeepsIntactLines_data();
    void damagedFileKeepsIntactLines();
    void restoredTextsReadAsWritten();
    void onlyKeysThePanelReadsAreRestored();
    void restoredValueThatDoesNotReadIsDropped_data();
    void restoredValueThatDoesNotReadIsDropped();
    void keyReadBeforeTheDamageKeepsItsValue();
    void serializedValueIsRemovedBeforeItIsRead_data();
    void serializedValueIsRemovedBeforeItIsRead();
    void unwritableFileWithSerializedValueIsNotRead();

private:
    QString filePath(const QString &organization, const QString &application) const;

    QTemporaryDir m_configHome;
};

QString TestSettings::filePath(const QString &organization, const QString &application) const
{
    return m_configHome.path() + QLatin1Char('/') + organization + QLatin1Char('/') + application +
           QLatin1String(".ini");
}

void TestSettings::initTestCase()
{
    // The user-scope INI path is fixed when the first QSettings is made; this runs before that.
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void TestSettings::init()
{
    Settings::resetForTesting();
    QDir(m_configHome.path()).removeRecursively();
    QDir().mkpath(m_configHome.path());
}

void TestSettings::firstNamedConstructionWins()
{
    Settings first(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    Settings second(QStringLiteral("A"), QStringLiteral("B"));
    Settings handle;

    QCOMPARE(Settings::organizationName(), QStringLiteral("Vaho"));
    QCOMPARE(Settings::applicationName(), QStringLiteral("PC_Panel"));
    QCOMPARE(Settings::settings()->fileName(), filePath("Vaho", "PC_Panel"));
    QCOMPARE(Settings::settings()->format(), QSettings::IniFormat);
    QCOMPARE(Settings::settings()->scope(), QSettings::UserScope);

    handle.setValue(Settings::languageKey, 3);
    QCOMPARE(readIniFile(filePath("Vaho", "PC_Panel")).value("language"), QStringLiteral("3"));
    QVERIFY(!QFile::exists(filePath("A", "B")));
}

void TestSettings::defaultConstructionFirstKeepsInitialNames()
{
    Settings handle;
    Settings named(QStringLiteral("A"), QStringLiteral("B"));

    QCOMPARE(Settings::settings()->fileName(), filePath("Vaho", "Moor Panel"));
    Settings::setValue(Settings::timeFormatKey, 1);
    QCOMPARE(readIniFile(filePath("Vaho", "Moor Panel")).value("time_format"), QStringLiteral("1"));
    QVERIFY(!QFile::exists(filePath("A", "B")));
}

void TestSettings::sharedStoreOutlivesHandles()
{
    QSettings *store = nullptr;
    {
        QObject parent;
        auto *first = new Settings(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"), &parent);
        QCOMPARE(first->parent(), &parent);
        store = Settings::settings();
        QVERIFY(store);
    }
    Settings later;
    QCOMPARE(Settings::settings(), store);
    QCOMPARE(later.settings(), store);
}

void TestSettings::setValueReachesFileAtOnce()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    const QString path = filePath("Vaho", "PC_Panel");

    Settings::setValue(Settings::pinCodeActivatedKey, true);
    QCOMPARE(readIniFile(path).value("pin_code_activated"), QStringLiteral("true"));

    Settings::setValue(Settings::pinCodeCurrentEncrypted1Key, quint32(4000000000u));
    Settings::setValue(Settings::pcPanelSupportedCharactersKey, QStringLiteral("abc"));
    QMap<QString, QString> entries = readIniFile(path);
    QCOMPARE(entries.value("pin_code_current_encrypted_1"), QStringLiteral("4000000000"));
    QCOMPARE(entries.value("pc_panel_supported_characters"), QStringLiteral("abc"));
    QCOMPARE(entries.value("pin_code_activated"), QStringLiteral("true"));

    // Array writers begin the array on the shared store and write each entry through setValue.
    QSettings *store = Settings::settings();
    store->beginWriteArray(Settings::pcPanelRemoteSaunasKey);
    store->setArrayIndex(0);
    Settings::setValue(Settings::pcPanelRemoteSaunaNameKey, QStringLiteral("Cabin"));
    QCOMPARE(readIniFile(path).value("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name"),
             QStringLiteral("Cabin"));
    store->endArray();

    Settings::setValue(Settings::pinCodeActivatedKey, false);
    QCOMPARE(readIniFile(path).value("pin_code_activated"), QStringLiteral("false"));
}

// The defaults written while the objects are built reach the file together, when the outermost
// batch ends; they can be read back at once, and a write after the batch syncs at once again.
void TestSettings::batchWritesReachFileAtItsEnd()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    const QString path = filePath("Vaho", "PC_Panel");
    {
        Settings::WriteBatch outer;
        Settings::setValue(Settings::languageKey, 3);
        {
            Settings::WriteBatch inner;
            Settings::setValue(Settings::lockTimeOutKey, 60);
        }
        QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(3));
        QCOMPARE(Settings::intValue(Settings::lockTimeOutKey), std::optional<int>(60));
        QVERIFY(!readIniFile(path).contains("language"));
        QVERIFY(!readIniFile(path).contains("lock_time_out"));
    }
    QMap<QString, QString> entries = readIniFile(path);
    QCOMPARE(entries.value("language"), QStringLiteral("3"));
    QCOMPARE(entries.value("lock_time_out"), QStringLiteral("60"));

    Settings::setValue(Settings::languageKey, 5);
    QCOMPARE(readIniFile(path).value("language"), QStringLiteral("5"));
}

void TestSettings::storeDeletedWithApplication()
{
    Settings::setValue(Settings::languageKey, 1);
    QPointer<QSettings> store = Settings::settings();
    {
        int argc = 1;
        char name[] = "tst_settings";
        char *argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        QVERIFY(!store.isNull());
    }
    // Deleted while Qt's own settings caches still exist, not at static destruction.
    QVERIFY(store.isNull());

    // A store made afterwards is again deleted with the next application object.
    store = Settings::settings();
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(1));
    {
        int argc = 1;
        char name[] = "tst_settings";
        char *argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
    }
    QVERIFY(store.isNull());
}

void TestSettings::lockscreenAuxVisibleKey_data()
{
    QTest::addColumn<int>("relay");
    QTest::addColumn<QString>("key");

    QTest::newRow("first relay") << 0 << QStringLiteral("lockscreen_aux_0_visible");
    QTest::newRow("last relay") << 6 << QStringLiteral("lockscreen_aux_6_visible");
    QTest::newRow("two digits") << 12 << QStringLiteral("lockscreen_aux_12_visible");
}

void TestSettings::lockscreenAuxVisibleKey()
{
    QFETCH(int, relay);
    QFETCH(QString, key);

    QCOMPARE(Settings::lockscreenAuxVisibleKey(relay), key);
}

namespace {

QStringList userKeys()
{
    QStringList keys = {
        "language",
        "humidity_presentation",
        "temperature_presentation",
        "has_changed_region_settings",
        "display_sleep_timeout",
        "pin_code_current",
        "pin_code_current_encrypted_1",
        "pin_code_current_encrypted_2",
        "pin_code_activated",
        "lock_time_out",
        "date_format",
        "time_format",
        "start_of_week",
        "temperature_unit",
        "lockscreen_power_visible",
        "lockscreen_lighting_visible",
        "lockscreen_temperature_visible",
        "lockscreen_humidity_visible",
        "key_haptic_sensor_activated",
        "wifi_enabled",
        "wifo_auto_connect",
        "wifi_sauna_name",
        "wifi_selected_network",
    };
    for (int n = 0; n < 7; ++n) {
        keys << QStringLiteral("lockscreen_aux_%1_visible").arg(n);
    }
    return keys;
}

QStringList keptKeys()
{
    return {
        "pc_panel_supported_characters",
        "pc_panel_max_temperature_version",
        "pc_panel_max_humidity_version",
        "factory_reset_invoked",
        "factory_reset_clear_brand",
        "brand",
        "wifi_identity",
        "pc_panel_selected_remote_sauna",
        "pc_panel_auto_connect",
        "server_address",
        "type",
        // Only relays 0 to 6 exist; a key beyond them is no user choice of this panel.
        "lockscreen_aux_7_visible",
    };
}

} // namespace

void TestSettings::factoryResetRemovesUserKeys()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    for (const QString &key : userKeys()) {
        Settings::setValue(key, 1);
    }
    QCOMPARE(readIniFile(filePath("Vaho", "PC_Panel")).size(), userKeys().size());

    Settings::factoryReset();

    const QMap<QString, QString> entries = readIniFile(filePath("Vaho", "PC_Panel"));
    for (const QString &key : userKeys()) {
        QVERIFY2(!entries.contains(key), qPrintable(key));
        QVERIFY2(!Settings::settings()->contains(key), qPrintable(key));
    }
}

void TestSettings::factoryResetKeepsOtherKeys()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    const QString path = filePath("Vaho", "PC_Panel");
    for (const QString &key : userKeys()) {
        Settings::setValue(key, 1);
    }
    for (const QString &key : keptKeys()) {
        Settings::setValue(key, QStringLiteral("kept ") + key);
    }
    QSettings *store = Settings::settings();
    store->beginWriteArray(Settings::pcPanelRemoteSaunasKey);
    for (int index = 0; index < 2; ++index) {
        store->setArrayIndex(index);
        Settings::setValue(Settings::pcPanelRemoteSaunaNameKey,
                           QStringLiteral("Sauna %1").arg(index));
        Settings::setValue(Settings::pcPanelRemoteSaunaPin1Key, 1000u + index);
    }
    store->endArray();
    // The limit table as the link stores it when the sauna sends a newer one.
    using control::details::TemperatureHumidityRules;
    TemperatureHumidityRules::resetForTesting();
    pcPanel::TemperatureHumidityLimits::resetForTesting();
    TemperatureHumidityRules::MaxTemperatureTable table;
    table.version = TemperatureHumidityRules::instance().maxTemperatureTable().version + 1;
    for (std::size_t i = 0; i < table.values.size(); ++i)
        table.values[i] = 900 + int(i);
    pcPanel::TemperatureHumidityLimits::instance().storeMaxTemperatureTable(table);
    store->sync();
    const QMap<QString, QString> before = readIniFile(path);

    Settings::factoryReset();

    QMap<QString, QString> expected = before;
    for (const QString &key : userKeys()) {
        expected.remove(key);
    }
    expected.insert("wifi_networks/size", "0");
    QCOMPARE(readIniFile(path), expected);
    QCOMPARE(expected.value("pc_panel_remote_saunas/size"), QStringLiteral("2"));
    QCOMPARE(expected.value("pc_panel_remote_saunas/2/pc_panel_remote_sauna_name"),
             QStringLiteral("Sauna 1"));

    // The stored table still loads after the reset.
    TemperatureHumidityRules::resetForTesting();
    pcPanel::TemperatureHumidityLimits::resetForTesting();
    pcPanel::TemperatureHumidityLimits::instance();
    QCOMPARE(TemperatureHumidityRules::instance().maxTemperatureTable().version, table.version);
    QVERIFY(TemperatureHumidityRules::instance().maxTemperatureTable().values == table.values);
    TemperatureHumidityRules::resetForTesting();
    pcPanel::TemperatureHumidityLimits::resetForTesting();
}

void TestSettings::factoryResetEmptiesWifiNetworks()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QSettings *store = Settings::settings();
    store->beginWriteArray(Settings::wifiNetworksKey);
    for (int index = 0; index < 3; ++index) {
        store->setArrayIndex(index);
        Settings::setValue(Settings::wifiNetworkNameKey, QStringLiteral("Net %1").arg(index));
        Settings::setValue(Settings::wifiNetworkPasswordKey,
                           QStringLiteral("secret %1").arg(index));
    }
    store->endArray();
    store->sync();
    QCOMPARE(readIniFile(filePath("Vaho", "PC_Panel")).value("wifi_networks/size"),
             QStringLiteral("3"));

    Settings::factoryReset();

    const QMap<QString, QString> entries = readIniFile(filePath("Vaho", "PC_Panel"));
    QCOMPARE(entries.value("wifi_networks/size"), QStringLiteral("0"));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        QVERIFY2(!it.key().contains("key_wifi_network"), qPrintable(it.key()));
        QVERIFY2(!it.value().contains("secret"), qPrintable(it.key()));
    }
    QCOMPARE(store->beginReadArray(Settings::wifiNetworksKey), 0);
    store->endArray();
    QCOMPARE(store->group(), QString());
}

void TestSettings::factoryResetWithoutWifiNetworks()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    Settings::setValue(Settings::languageKey, 4);
    Settings::setValue(Settings::brandKey, 1);

    Settings::factoryReset();

    QMap<QString, QString> expected;
    expected.insert("brand", "1");
    expected.insert("wifi_networks/size", "0");
    QCOMPARE(readIniFile(filePath("Vaho", "PC_Panel")), expected);
}

// The size line of a damaged or hand-edited file says nothing about the entries it holds: every
// network that is really there loses its name and password.
void TestSettings::factoryResetWipesEveryStoredWifiNetwork_data()
{
    QTest::addColumn<QByteArray>("sizeLine");
    QTest::newRow("absurd size") << QByteArray("size=100000000\n");
    QTest::newRow("negative size") << QByteArray("size=-5\n");
    QTest::newRow("size too small") << QByteArray("size=1\n");
    QTest::newRow("size zero") << QByteArray("size=0\n");
    QTest::newRow("no size") << QByteArray();
}

void TestSettings::factoryResetWipesEveryStoredWifiNetwork()
{
    QFETCH(QByteArray, sizeLine);
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "[General]\n"
                            "brand=1\n"
                            "\n"
                            "[wifi_networks]\n"
                            "1\\key_wifi_network_name=Home\n"
                            "1\\key_wifi_network_password=secret one\n"
                            "2\\key_wifi_network_name=Cabin\n"
                            "2\\key_wifi_network_password=secret two\n" +
                                sizeLine));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    Settings::factoryReset();

    QMap<QString, QString> expected;
    expected.insert("brand", "1");
    expected.insert("wifi_networks/size", "0");
    QCOMPARE(readIniFile(path), expected);
}

void TestSettings::storedArrayIndexesAreTheEntriesInTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<int>>("indexes");
    const QByteArray two = "[cabins]\n1\\name=a\n2\\name=b\n";
    QTest::newRow("size as written") << two + "size=2\n" << 1024 << QList<int>{0, 1};
    QTest::newRow("absurd size") << two + "size=100000000\n" << 1024 << QList<int>{0, 1};
    QTest::newRow("negative size") << two + "size=-5\n" << 1024 << QList<int>{0, 1};
    QTest::newRow("size too small") << two + "size=1\n" << 1024 << QList<int>{0, 1};
    QTest::newRow("no entries") << QByteArray("[cabins]\nsize=7\n") << 1024 << QList<int>{};
    QTest::newRow("no array") << QByteArray("[General]\nlanguage=1\n") << 1024 << QList<int>{};
    // Only "1", "2", ... name entries that an array read reaches.
    QTest::newRow("gaps and other names")
        << QByteArray("[cabins]\n10\\name=j\n3\\name=c\n0\\name=z\n03\\name=y\n-1\\name=m\n"
                      "x\\name=x\n1\\deep\\name=a\nsize=3\n")
        << 1024 << QList<int>{0, 2, 9};
    QTest::newRow("beyond the limit") << two + "3\\name=c\n" << 2 << QList<int>{0, 1};
}

void TestSettings::storedArrayIndexesAreTheEntriesInTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, limit);
    QFETCH(QList<int>, indexes);
    const QString path = filePath("Vaho", "Arrays");
    QVERIFY(writeFile(path, content));
    QSettings store(path, QSettings::IniFormat);
    QCOMPARE(Settings::storedArrayIndexes(&store, QStringLiteral("cabins"), limit), indexes);
    QCOMPARE(store.group(), QString());
    QCOMPARE(Settings::maximumArrayEntries, 1024);
}

void TestSettings::boolValue_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    // Accepted: what QSettings writes, what older panels wrote, and integer flags.
    QTest::newRow("true text") << QVariant("true") << false << true;
    QTest::newRow("false text") << QVariant("false") << true << false;
    QTest::newRow("upper case") << QVariant("TRUE") << false << true;
    QTest::newRow("one") << QVariant("1") << false << true;
    QTest::newRow("zero") << QVariant("0") << true << false;
    QTest::newRow("written bool") << QVariant(true) << false << true;
    QTest::newRow("written int") << QVariant(0) << true << false;
    // Rejected: the default stands, although QVariant::toBool would call these true.
    QTest::newRow("missing, default true") << QVariant() << true << true;
    QTest::newRow("missing, default false") << QVariant() << false << false;
    QTest::newRow("word") << QVariant("yes") << false << false;
    QTest::newRow("garbage") << QVariant("banana") << false << false;
    QTest::newRow("fraction") << QVariant("0.5") << true << true;
    QTest::newRow("list") << QVariant(QStringList{"true", "false"}) << false << false;
}

void TestSettings::boolValue()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    if (stored.isValid()) {
        Settings::setValue(Settings::pinCodeActivatedKey, stored);
    }
    QCOMPARE(Settings::boolValue(Settings::pinCodeActivatedKey, defaultValue), expected);
}

void TestSettings::intValue_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<std::optional<int>>("expected");

    QTest::newRow("text") << QVariant("3") << std::optional<int>(3);
    QTest::newRow("spaces") << QVariant(" 7 ") << std::optional<int>(7);
    QTest::newRow("negative") << QVariant("-2") << std::optional<int>(-2);
    QTest::newRow("written int") << QVariant(5) << std::optional<int>(5);
    QTest::newRow("missing") << QVariant() << std::optional<int>();
    QTest::newRow("empty") << QVariant("") << std::optional<int>();
    QTest::newRow("word") << QVariant("banana") << std::optional<int>();
    QTest::newRow("fraction") << QVariant("1.5") << std::optional<int>();
    QTest::newRow("beyond 32 bits") << QVariant("4294967297") << std::optional<int>();
    QTest::newRow("written 64-bit") << QVariant(qlonglong(4294967297LL)) << std::optional<int>();
    QTest::newRow("written bool") << QVariant(true) << std::optional<int>();
    QTest::newRow("bool text") << QVariant("true") << std::optional<int>();
    QTest::newRow("list") << QVariant(QStringList{"1", "2"}) << std::optional<int>();
}

void TestSettings::intValue()
{
    QFETCH(QVariant, stored);
    QFETCH(std::optional<int>, expected);

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    if (stored.isValid()) {
        Settings::setValue(Settings::languageKey, stored);
    }
    QCOMPARE(Settings::intValue(Settings::languageKey), expected);
}

void TestSettings::uintValue_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<std::optional<quint32>>("expected");

    QTest::newRow("zero") << QVariant("0") << std::optional<quint32>(0u);
    QTest::newRow("largest") << QVariant("4294967295") << std::optional<quint32>(4294967295u);
    QTest::newRow("written uint") << QVariant(quint32(3000000000u))
                                  << std::optional<quint32>(3000000000u);
    QTest::newRow("missing") << QVariant() << std::optional<quint32>();
    QTest::newRow("negative") << QVariant("-1") << std::optional<quint32>();
    QTest::newRow("beyond 32 bits") << QVariant("4294967296") << std::optional<quint32>();
    QTest::newRow("hex") << QVariant("0x10") << std::optional<quint32>();
    QTest::newRow("word") << QVariant("pin") << std::optional<quint32>();
}

void TestSettings::uintValue()
{
    QFETCH(QVariant, stored);
    QFETCH(std::optional<quint32>, expected);

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    if (stored.isValid()) {
        Settings::setValue(Settings::pinCodeCurrentEncrypted2Key, stored);
    }
    QCOMPARE(Settings::uintValue(Settings::pinCodeCurrentEncrypted2Key), expected);
}

void TestSettings::enumValue()
{
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    Settings::setValue(Settings::dateFormatKey, 2);
    Settings::setValue(Settings::timeFormatKey, 4);
    Settings::setValue(Settings::startOfWeekKey, QStringLiteral("monday"));

    QCOMPARE(Settings::enumValue<int>(Settings::dateFormatKey, &fakeFromInt),
             std::optional<int>(2));
    QCOMPARE(Settings::enumValue<int>(Settings::timeFormatKey, &fakeFromInt), std::optional<int>());
    QCOMPARE(Settings::enumValue<int>(Settings::startOfWeekKey, &fakeFromInt),
             std::optional<int>());
    QCOMPARE(Settings::enumValue<int>(Settings::languageKey, &fakeFromInt), std::optional<int>());
}

void TestSettings::enumValueWithHolder()
{
    using signalInterface::LanguageTypes;
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));

    Settings::setValue(Settings::languageKey, int(LanguageTypes::E_english));
    QCOMPARE(Settings::enumValue<LanguageTypes::Language>(Settings::languageKey,
                                                          &LanguageTypes::fromInt),
             std::optional<LanguageTypes::Language>(LanguageTypes::E_english));

    Settings::setValue(Settings::languageKey, 9999);
    QCOMPARE(Settings::enumValue<LanguageTypes::Language>(Settings::languageKey,
                                                          &LanguageTypes::fromInt),
             std::optional<LanguageTypes::Language>());
}

void TestSettings::corruptFileReadsAsDefaultsAndKeepsKeys()
{
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "[General]\n"
                            "language=banana\n"
                            "temperature_unit=1.5\n"
                            "time_format=\n"
                            "date_format=2\n"
                            "pin_code_activated=yes\n"
                            "lockscreen_power_visible=true\n"
                            "lock_time_out=-1\n"
                            "pin_code_current_encrypted_1=4294967296\n"
                            "start_of_week=99999999999\n"
                            "this line is no key\n"
                            "pc_panel_supported_characters=abc\n"
                            "[pc_panel_remote_saunas\n"
                            "[pc_panel_remote_saunas]\n"
                            "1\\pc_panel_remote_sauna_name=Cabin\n"
                            "size=1\n"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>());
    QCOMPARE(Settings::intValue(Settings::temperatureUnitKey), std::optional<int>());
    QCOMPARE(Settings::intValue(Settings::timeFormatKey), std::optional<int>());
    QCOMPARE(Settings::intValue(Settings::startOfWeekKey), std::optional<int>());
    QCOMPARE(Settings::uintValue(Settings::lockTimeOutKey), std::optional<quint32>());
    QCOMPARE(Settings::uintValue(Settings::pinCodeCurrentEncrypted1Key), std::optional<quint32>());
    QCOMPARE(Settings::boolValue(Settings::pinCodeActivatedKey, false), false);
    QCOMPARE(Settings::intValue(Settings::dateFormatKey), std::optional<int>(2));
    QCOMPARE(Settings::boolValue(Settings::lockscreenPowerVisibleKey, false), true);

    // A reader writing its default leaves every other key of the file in place.
    Settings::setValue(Settings::languageKey, 0);
    const QMap<QString, QString> entries = readIniFile(path);
    QCOMPARE(entries.value("language"), QStringLiteral("0"));
    QCOMPARE(entries.value("temperature_unit"), QStringLiteral("1.5"));
    QCOMPARE(entries.value("date_format"), QStringLiteral("2"));
    QCOMPARE(entries.value("pin_code_activated"), QStringLiteral("yes"));
    QCOMPARE(entries.value("lock_time_out"), QStringLiteral("-1"));
    QCOMPARE(entries.value("pc_panel_supported_characters"), QStringLiteral("abc"));
    QCOMPARE(entries.value("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name"),
             QStringLiteral("Cabin"));
    QCOMPARE(entries.value("pc_panel_remote_saunas/size"), QStringLiteral("1"));
}

void TestSettings::olderPanelFileReads()
{
    // Older panels wrote non-ASCII text as \xNNNN escapes and every value as plain text.
    QVERIFY(writeFile(filePath("Vaho", "PC_Panel"),
                      "[General]\n"
                      "pc_panel_supported_characters=\\x00e4\\x00f6xy\n"
                      "pin_code_activated=true\n"
                      "lockscreen_aux_3_visible=false\n"
                      "language=5\n"
                      "pin_code_current_encrypted_1=3735928559\n"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QSettings *store = Settings::settings();
    QCOMPARE(store->value(Settings::pcPanelSupportedCharactersKey).toString(),
             QString::fromUtf16(u"\u00e4\u00f6xy"));
    QCOMPARE(Settings::boolValue(Settings::pinCodeActivatedKey, false), true);
    QCOMPARE(Settings::boolValue(Settings::lockscreenAuxVisibleKey(3), true), false);
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(5));
    QCOMPARE(Settings::uintValue(Settings::pinCodeCurrentEncrypted1Key),
             std::optional<quint32>(0xDEADBEEFu));
}

void TestSettings::damagedFileIsCopiedBeforeAnyWrite_data()
{
    QTest::addColumn<QByteArray>("junk");

    QByteArray binary;
    for (int n = 0; n < 300; ++n)
        binary.append(char((n * 37 + 11) % 256));
    QTest::newRow("binary junk") << binary;
    QTest::newRow("broken section line") << "[" + QByteArray(298, 'x') + "\n";
    QTest::newRow("line without a key") << QByteArray(299, 'x') + "\n";
}

void TestSettings::damagedFileIsCopiedBeforeAnyWrite()
{
    QFETCH(QByteArray, junk);
    const QString path = filePath("Vaho", "PC_Panel");
    const QString copyPath = path + QLatin1String(".damaged");
    const QByteArray damaged = junkBeforeSecondSauna(junk);
    QVERIFY(writeFile(path, damaged));
    QVERIFY(writeFile(copyPath, "the copy of an older damage"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    // Before anything is written the whole file lies beside itself, in place of the older copy,
    // and the file is as it was.
    QCOMPARE(fileContent(copyPath), damaged);
    QCOMPARE(fileContent(path), damaged);

    // The start-up writes its defaults over what parsed; the copy keeps the rest.
    Settings::setValue(Settings::languageKey, 1);
    QCOMPARE(readIniFile(path).value("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name"),
             QStringLiteral("Cabin"));
    QCOMPARE(fileContent(copyPath), damaged);

    const QList<UserMessage> told = toldMessages();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().id, SettingsFileInformer::damagedFileMessageId);
    QCOMPARE(told.first().arguments, QStringList(QDir::toNativeSeparators(copyPath)));
}

void TestSettings::damageIsToldOncePerStart()
{
    LocalApplication local;
    const QString path = filePath("Vaho", "PC_Panel");
    const QByteArray damaged = junkBeforeSecondSauna("[" + QByteArray(298, 'x') + "\n");
    QVERIFY(writeFile(path, damaged));

    SettingsFileInformer &informer = SettingsFileInformer::instance();
    QSignalSpy told(&informer, &SettingsFileInformer::panelUserMessageIssued);
    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    Settings::setValue(Settings::languageKey, 1);
    informer.startTelling();
    QCOMPARE(told.size(), 1);

    // Later writes and reads of the run find nothing more to tell.
    Settings::setValue(Settings::languageKey, 2);
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(2));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(told.size(), 1);

    // The next start finds a file that parses, and leaves the copy alone.
    told.clear();
    Settings::resetForTesting();
    Settings next(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(2));
    Settings::setValue(Settings::languageKey, 3);
    informer.startTelling();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(told.size(), 0);
    QCOMPARE(fileContent(path + QLatin1String(".damaged")), damaged);
}

void TestSettings::soundFileIsNotCopied_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("first start") << QByteArray();
    QTest::newRow("file of two saunas") << twoSaunas;
    // What QSettings writes of texts that start as a serialized value, or nearly.
    QTest::newRow("text that starts as a serialized value")
        << QByteArray("[General]\n"
                      "pc_panel_supported_characters=@@Variant(\\0\\0\\0\\v2\\0\\0\\0\\x5)\n"
                      "language=\" @DateTime(\\0)\"\n");
}

void TestSettings::soundFileIsNotCopied()
{
    QFETCH(QByteArray, content);
    const QString path = filePath("Vaho", "PC_Panel");
    if (!content.isNull())
        QVERIFY(writeFile(path, content));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QVERIFY(!Settings::settings()->contains(Settings::timeFormatKey));
    Settings::setValue(Settings::languageKey, 1);
    QCOMPARE(readIniFile(path).value("language"), QStringLiteral("1"));

    QVERIFY(!QFile::exists(path + QLatin1String(".damaged")));
    QCOMPARE(toldMessages().size(), 0);
}

void TestSettings::unwritableFileIsKeptAndToldOnce_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("write");
    // These hold for root as well.
    QTest::newRow("folder in place of the file") << "folder"
                                                 << "one key";
    QTest::newRow("disk full, one key") << "disk full"
                                        << "one key";
    QTest::newRow("disk full, batch") << "disk full"
                                      << "batch";
    QTest::newRow("disk full, synced by its writer") << "disk full"
                                                     << "own sync";
    // Root writes through permissions, so these are checked only without it.
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "one key";
    QTest::newRow("read-only file") << "read-only file"
                                    << "one key";
}

void TestSettings::unwritableFileIsKeptAndToldOnce()
{
    QFETCH(QString, condition);
    QFETCH(QString, write);
    if (condition.startsWith(QLatin1String("read-only")) && geteuid() == 0)
        QSKIP("root writes through file permissions");

    LocalApplication local;
    // QSettings keeps what a failed write did not save in a cache of the process, by file name,
    // and writes it into the next file of that name: each row has a file of its own.
    const QString application =
        QStringLiteral("PC_Panel_") + QString::fromLatin1(QTest::currentDataTag());
    const QString path = filePath("Vaho", application);
    const QString folder = QFileInfo(path).absolutePath();
    if (condition == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else
        QVERIFY(writeFile(path, twoSaunas));
    const QFile::Permissions folderPermissions = QFile::permissions(folder);
    const QFile::Permissions filePermissions = QFile::permissions(path);
    const auto restorePermissions = qScopeGuard([&] {
        QFile::setPermissions(folder, folderPermissions);
        QFile::setPermissions(path, filePermissions);
    });
    if (condition == QLatin1String("read-only folder"))
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    if (condition == QLatin1String("read-only file"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));

    SettingsFileInformer &informer = SettingsFileInformer::instance();
    QSignalSpy told(&informer, &SettingsFileInformer::panelUserMessageIssued);
    Settings frame(QStringLiteral("Vaho"), application);
    informer.startTelling();
    // Nothing is logged while the disk is full: the log could not be written either.
    const auto writeLanguage = [&condition, &write](int language) {
        std::optional<FileSizeLimit> limit;
        if (condition == QLatin1String("disk full"))
            limit.emplace(16);
        if (write == QLatin1String("one key")) {
            Settings::setValue(Settings::languageKey, language);
        } else if (write == QLatin1String("batch")) {
            Settings::WriteBatch batch;
            Settings::setValue(Settings::languageKey, language);
            Settings::setValue(Settings::timeFormatKey, language);
        } else {
            QSettings *store = Settings::settings();
            store->setValue(Settings::languageKey, language);
            store->sync();
        }
        return !limit || limit->isActive();
    };
    // The file is checked before the event loop runs: QSettings retries a failed write there,
    // and on a disk that has room again the retry succeeds.
    QVERIFY(writeLanguage(7));
    if (condition == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(fileContent(path), twoSaunas);
    // The run goes on with the values in memory.
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(7));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(told.size(), 1);
    const auto message = told.first().at(0).value<UserMessage>();
    QCOMPARE(message.id, SettingsFileInformer::changesNotKeptMessageId);
    QCOMPARE(message.arguments, QStringList());

    told.clear();
    const QByteArray before = fileContent(path);
    QVERIFY(writeLanguage(8));
    QCOMPARE(fileContent(path), before);
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(8));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(told.size(), 0);
    QVERIFY(!QFile::exists(path + QLatin1String(".damaged")));
}

void TestSettings::damagedFileKeepsIntactLines_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::addColumn<QStringList>("damagedKeys");

    // Without a newline of its own the junk ends up on the line of the second sauna's first key.
    const QByteArray secondSauna = "2\\pc_panel_remote_sauna_brand";
    const QStringList secondBrand{
        QStringLiteral("pc_panel_remote_saunas/2/pc_panel_remote_sauna_brand")};
    QTest::newRow("random junk of seed 4")
        << insertedBefore(panelFile, secondSauna, junkOfSeed4) << secondBrand;
    QTest::newRow("random junk of seed 6")
        << insertedBefore(panelFile, secondSauna, junkOfSeed6) << secondBrand;
    QTest::newRow("quote at the start") << "\"" + panelFile << QStringList();
    QTest::newRow("quote on a line of its own in the middle")
        << insertedBefore(panelFile, "[pc_panel_max_temperature_size]", "\"\n") << QStringList();
    QTest::newRow("quote before a key in the middle")
        << insertedBefore(panelFile, "lock_time_out", "\"")
        << QStringList{QStringLiteral("lock_time_out")};
    QTest::newRow("quote at the end") << panelFile + "\"" << QStringList();
    // A later quote closes it: the reader runs the lines in between into the value, and reports
    // no fault.
    QTest::newRow("quote left open in a value")
        << insertedBefore(panelFile, "60000", "\"") << QStringList{QStringLiteral("lock_time_out")};
    // The reader takes zero bytes as they stand, and reports no fault: from inside a key to inside
    // another, the key that it reads holds them with the rest of the second key's line.
    QTest::newRow("zero bytes from inside a key to inside another")
        << zeroedBetween(panelFile, "pc_panel_sel", "rmat=1")
        << QStringList{QStringLiteral("pc_panel_selected_remote_sauna"),
                       QStringLiteral("pin_code_activated"), QStringLiteral("time_format")};
    QTest::newRow("zero bytes from inside a value to inside another")
        << zeroedBetween(panelFile, "=Ca", "28559")
        << QStringList{QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name"),
                       QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_pin_1")};
    QTest::newRow("quote left open in the identity of a sauna")
        << insertedBefore(panelFile, "{00000000-0000-0000-0000-000000000001}", "\"")
        << QStringList{QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_identity")};
}

void TestSettings::damagedFileKeepsIntactLines()
{
    QFETCH(QByteArray, damaged);
    QFETCH(QStringList, damagedKeys);
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, damaged));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QCOMPARE(fileContent(path + QLatin1String(".damaged")), damaged);

    // Every line but the damaged ones is in the store, and after a write in the file, as it was.
    const QString soundPath = m_configHome.path() + QLatin1String("/sound.ini");
    QVERIFY(writeFile(soundPath, panelFile));
    const QMap<QString, QVariant> sound = storeContent(QSettings(soundPath, QSettings::IniFormat));
    const QMap<QString, QVariant> store = storeContent(*Settings::settings());
    const QMap<QString, QString> soundLines = readIniFile(soundPath);
    Settings::setValue(Settings::languageKey, 2);
    const QMap<QString, QString> repairedLines = readIniFile(path);
    QStringList expected;
    QStringList kept;
    QStringList written;
    for (auto it = sound.cbegin(); it != sound.cend(); ++it) {
        if (damagedKeys.contains(it.key()))
            continue;
        expected << it.key() + QLatin1Char('=') + it.value().toString();
        if (store.contains(it.key()))
            kept << it.key() + QLatin1Char('=') + store.value(it.key()).toString();
        if (repairedLines.contains(it.key()))
            written << it.key() + QLatin1Char('=') + repairedLines.value(it.key());
    }
    QCOMPARE(kept, expected);
    QStringList expectedLines;
    for (auto it = soundLines.cbegin(); it != soundLines.cend(); ++it) {
        if (!damagedKeys.contains(it.key()))
            expectedLines << it.key() + QLatin1Char('=') + it.value();
    }
    QCOMPARE(written, expectedLines);
    // Nothing that the damage made up reaches the file: no key of a damaged line, and no key that
    // lines run together made.
    QStringList madeUp;
    for (auto it = repairedLines.cbegin(); it != repairedLines.cend(); ++it) {
        if (!soundLines.contains(it.key()) || damagedKeys.contains(it.key()))
            madeUp << it.key() + QLatin1Char('=') + it.value();
    }
    QCOMPARE(madeUp, QStringList());
    QCOMPARE(Settings::boolValue(Settings::pcPanelAutoConnectKey, false), true);
    QCOMPARE(toldMessages().size(), 1);
}

void TestSettings::restoredTextsReadAsWritten()
{
    // Texts with every escape that QSettings writes, written by QSettings itself.
    const QStringList names{
        QStringLiteral("Garden, east"),
        QStringLiteral(" padded "),
        QStringLiteral("a \"quote\" and a \\ backslash"),
        QStringLiteral("line\nbreak\ttab\rreturn"),
        QStringLiteral("@home"),
        QString::fromUtf8("Sauna \xc3\xa4\xc3\xb6 \xe6\x97\xa5 \xf0\x9f\x98\x80"),
        QStringLiteral("nul ") + QChar(0) + QStringLiteral("7 and \x01") + QStringLiteral("b"),
        QStringLiteral("semi;colon=equals"),
        QString(),
    };
    const QStringList characters{QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral(" d")};
    const QString writtenPath = m_configHome.path() + QLatin1String("/written.ini");
    {
        QSettings written(writtenPath, QSettings::IniFormat);
        written.setValue(Settings::pcPanelSupportedCharactersKey, characters);
        written.beginWriteArray(Settings::pcPanelRemoteSaunasKey);
        for (int n = 0; n < names.size(); ++n) {
            written.setArrayIndex(n);
            written.setValue(Settings::pcPanelRemoteSaunaNameKey, names.at(n));
        }
        written.endArray();
    }
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "\"\n" + fileContent(writtenPath)));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QSettings *store = Settings::settings();
    QCOMPARE(store->value(Settings::pcPanelSupportedCharactersKey).toStringList(), characters);
    QStringList restored;
    store->beginReadArray(Settings::pcPanelRemoteSaunasKey);
    for (int n = 0; n < names.size(); ++n) {
        store->setArrayIndex(n);
        restored << store->value(Settings::pcPanelRemoteSaunaNameKey).toString();
    }
    store->endArray();
    QCOMPARE(restored, names);
}

void TestSettings::onlyKeysThePanelReadsAreRestored()
{
    // The quote at the start leaves QSettings nothing; what the store holds is what came back.
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "\"\n"
                            "[General]\n"
                            "language=3\n"
                            "junk_key=1\n"
                            "Language=4\n"
                            "language x=4\n"
                            "%6Cock_time_out=5000\n"
                            "lockscreen_aux_6_visible=false\n"
                            "lockscreen_aux_7_visible=false\n"
                            "pc_panel_remote_sauna_name=Loose\n"
                            "[pc_panel_remote_saunas]\n"
                            "1\\pc_panel_remote_sauna_name=Cabin\n"
                            "01\\pc_panel_remote_sauna_name=Leading zero\n"
                            "0\\pc_panel_remote_sauna_name=Zero\n"
                            "-1\\pc_panel_remote_sauna_name=Negative\n"
                            "2\\pc_panel_remote_sauna_colour=red\n"
                            "2\\pc_panel_remote_sauna_name\\more=deeper\n"
                            "language=5\n"
                            "size=1\n"
                            "[pc_panel_remote_saunas_old]\n"
                            "1\\pc_panel_remote_sauna_name=Old\n"
                            "[pc_panel_max_humidity_size]\n"
                            "1\\pc_panel_max_temperature=100\n"
                            "1\\pc_panel_max_humidity=30\n"
                            "[wifi_networks]\n"
                            "1\\key_wifi_network_password=secret\n"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    const QMap<QString, QVariant> expected{
        {QStringLiteral("language"), QStringLiteral("3")},
        {QStringLiteral("lock_time_out"), QStringLiteral("5000")},
        {QStringLiteral("lockscreen_aux_6_visible"), QStringLiteral("false")},
        {QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name"),
         QStringLiteral("Cabin")},
        {QStringLiteral("pc_panel_remote_saunas/size"), QStringLiteral("1")},
        {QStringLiteral("pc_panel_max_humidity_size/1/pc_panel_max_humidity"),
         QStringLiteral("30")},
    };
    QCOMPARE(storeContent(*Settings::settings()).keys(), expected.keys());
    QCOMPARE(storeContent(*Settings::settings()), expected);
}

void TestSettings::restoredValueThatDoesNotReadIsDropped_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("key");
    // Invalid when the line is dropped.
    QTest::addColumn<QVariant>("value");

    const QString name = QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name");
    const auto row = [](const char *tag, const char *line, const QString &key,
                        const QVariant &value) {
        QTest::newRow(tag) << QByteArray(line) << key << value;
    };
    row("no integer", "time_format=banana", "time_format", {});
    row("integer", "time_format=1", "time_format", QStringLiteral("1"));
    row("no boolean", "pc_panel_auto_connect=maybe", "pc_panel_auto_connect", {});
    row("boolean", "pc_panel_auto_connect=TRUE", "pc_panel_auto_connect", QStringLiteral("TRUE"));
    row("boolean as a number", "pin_code_activated=0", "pin_code_activated", QStringLiteral("0"));
    row("negative unsigned", "lock_time_out=-1", "lock_time_out", {});
    row("unsigned beyond 32 bits", "pin_code_current_encrypted_1=4294967296",
        "pin_code_current_encrypted_1", {});
    row("largest unsigned", "pin_code_current_encrypted_1=4294967295",
        "pin_code_current_encrypted_1", QStringLiteral("4294967295"));
    row("no identity", "pc_panel_selected_remote_sauna=Garden", "pc_panel_selected_remote_sauna",
        {});
    row("null identity", "wifi_identity={00000000-0000-0000-0000-000000000000}", "wifi_identity",
        {});
    row("list for a number", "date_format=1, 2", "date_format", {});
    row("stored variant", "start_of_week=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)", "start_of_week",
        {});
    row("list of characters", "pc_panel_supported_characters=a, \"b,c\"",
        "pc_panel_supported_characters", QStringList{QStringLiteral("a"), QStringLiteral("b,c")});
    row("quote left open", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=\"Gar", name,
        {});
    row("unknown escape", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=Gar\\qden", name,
        {});
    row("backslash at the end", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=Garden\\",
        name, {});
    row("hex escape", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=Gar\\xden", name,
        QString(QStringLiteral("Gar") + QChar(0xde) + QLatin1Char('n')));
    row("hex escape without digits", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=\\x",
        name, {});
    row("byte array", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=@ByteArray(Gar)",
        name, {});
    row("raw control character",
        "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=Gar\001den", name, {});
    row("list item with blanks before its comma", "pc_panel_supported_characters=a \t, b",
        "pc_panel_supported_characters", QStringList{QStringLiteral("a"), QStringLiteral("b")});
    row("text after a comment", "[pc_panel_remote_saunas]\n1\\pc_panel_remote_sauna_name=Gar;den",
        name, QStringLiteral("Gar"));
    row("size that is no number", "[pc_panel_remote_saunas]\nsize=two",
        QStringLiteral("pc_panel_remote_saunas/size"), {});
}

void TestSettings::restoredValueThatDoesNotReadIsDropped()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "\"\n[General]\nlanguage=4\n" + line + "\n"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QSettings *store = Settings::settings();
    QCOMPARE(store->value(Settings::languageKey), QVariant(QStringLiteral("4")));
    QCOMPARE(store->contains(key), value.isValid());
    QCOMPARE(store->value(key), value);
}

void TestSettings::keyReadBeforeTheDamageKeepsItsValue()
{
    const QString path = filePath("Vaho", "PC_Panel");
    QVERIFY(writeFile(path, "[General]\n"
                            "language=2\n"
                            "\"\n"
                            "language=5\n"
                            "time_format=1\n"));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(2));
    QCOMPARE(Settings::intValue(Settings::timeFormatKey), std::optional<int>(1));
}

// The decoding of a serialized value that a damaged file claims to hold: a list of 838,860,800
// texts, which QSettings would reserve room for, 20 GB, when it reads the value.
const QByteArray hugeList = "@Variant(\\0\\0\\0\\v2\\0\\0\\0\\x5)";

void TestSettings::serializedValueIsRemovedBeforeItIsRead_data()
{
    QTest::addColumn<QByteArray>("line");
    // What stays of the line in the file.
    QTest::addColumn<QByteArray>("left");

    QTest::newRow("as found") << "3\\pc1=" + hugeList << QByteArray();
    QTest::newRow("date and time")
        << QByteArray("3\\pc1=@DateTime(\\0\\0\\0\\v\\0\\x7f\\xff\\xff\\xff)") << QByteArray();
    QTest::newRow("quoted, spaces before") << "3\\pc1=   \"" + hugeList + "\"" << QByteArray();
    QTest::newRow("in a list") << "3\\pc1=a, " + hugeList + ",b" << QByteArray();
    QTest::newRow("hex escape") << QByteArray("3\\pc1=\\x40Variant(\\0\\0\\0\\v2\\0\\0\\0\\x5)")
                                << QByteArray();
    QTest::newRow("hex escape beyond 16 bits")
        << "3\\pc1=\\x10040" + hugeList.mid(1) << QByteArray();
    QTest::newRow("octal escape") << "3\\pc1=\\100" + hugeList.mid(1) << QByteArray();
    QTest::newRow("line continued")
        << QByteArray("3\\pc1=@Vari\\\r\nant(\\0\\0\\0\\v2\\0\\0\\0\\x5)") << QByteArray();
    QTest::newRow("quotes over lines")
        << QByteArray("3\\pc1=\"@Variant(\\0\\0\\0\\v2\n\\0\\0\\0\\x5)\"") << QByteArray();
    QTest::newRow("before a comment")
        << "3\\pc1=" + hugeList + ";comment" << QByteArray(";comment");
}

void TestSettings::serializedValueIsRemovedBeforeItIsRead()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, left);
    const QString path = filePath("Vaho", "PC_Panel");
    const QByteArray damaged = insertedBefore(panelFile, "[pc_panel_remote_saunas]", line + "\n");
    QVERIFY(writeFile(path, damaged));

    Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    // The whole file lies beside itself, the line is gone from the file before anything of it is
    // read, and every other setting is kept.
    QCOMPARE(fileContent(path + QLatin1String(".damaged")), damaged);
    QCOMPARE(fileContent(path), insertedBefore(panelFile, "[pc_panel_remote_saunas]", left + "\n"));
    const QString soundPath = m_configHome.path() + QLatin1String("/sound.ini");
    QVERIFY(writeFile(soundPath, panelFile));
    QCOMPARE(storeContent(*Settings::settings()),
             storeContent(QSettings(soundPath, QSettings::IniFormat)));

    const QList<UserMessage> told = toldMessages();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().id, SettingsFileInformer::damagedFileMessageId);
}

void TestSettings::unwritableFileWithSerializedValueIsNotRead()
{
    const QString path = filePath("Vaho", "PC_Panel");
    const QByteArray damaged =
        insertedBefore(panelFile, "[pc_panel_remote_saunas]", "3\\pc1=" + hugeList + "\n");
    QVERIFY(writeFile(path, damaged));

    // The disk is full: neither the copy nor the cleaned file can be written.
    {
        FileSizeLimit limit(16);
        QVERIFY(limit.isActive());
        Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
        QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(2));
        QVERIFY(
            !Settings::settings()->contains(QStringLiteral("pc_panel_max_temperature_size/3/pc1")));
        Settings::setValue(Settings::languageKey, 4);
    }
    QCOMPARE(Settings::intValue(Settings::languageKey), std::optional<int>(4));
    // The run goes on with the intact settings in memory, and the file is as it was.
    QCOMPARE(Settings::settings()->value("pc_panel_remote_saunas/2/pc_panel_remote_sauna_name"),
             QVariant(QStringLiteral("Garden, east")));
    Settings::setValue(Settings::languageKey, 5);
    QCOMPARE(fileContent(path), damaged);
    QVERIFY(!QFile::exists(path + QLatin1String(".damaged")));

    const QList<UserMessage> told = toldMessages();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.first().id, SettingsFileInformer::changesNotKeptMessageId);
}

QTEST_APPLESS_MAIN(TestSettings)

#include "tst_settings.moc"
