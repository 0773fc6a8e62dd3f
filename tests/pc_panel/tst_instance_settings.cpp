#include "control/settings.h"
#include "control/settings_file_informer.h"
#include "pc_panel/instance_settings.h"
#include "support/file_size_limit.h"
#include "support/member_detection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using control::Settings;
using control::SettingsFileInformer;
using pcPanel::InstanceSettings;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

PANEL_DETECT_MEMBER(HasOwnWriter, T::setValue(QString(), QVariant()));

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

// The selection and auto-connect of one instance, with a line in the middle that does not parse.
const QByteArray damagedInstanceFile = "[General]\n"
                                       "pc_panel_auto_connect=true\n"
                                       "[" +
                                       QByteArray(298, 'x') +
                                       "\n"
                                       "pc_panel_selected_remote_sauna=Garden\n";
const QByteArray damagedSharedFile = "[General]\n"
                                     "language=2\n"
                                     "this line is no setting\n"
                                     "time_format=1\n";

QList<UserMessage> messagesOf(const QSignalSpy &spy)
{
    QList<UserMessage> messages;
    for (const QList<QVariant> &arguments : spy)
        messages << arguments.at(0).value<UserMessage>();
    return messages;
}

// The test's own application, for the notices that the informer gives on the event loop once it
// tells.
struct LocalApplication
{
    int argc = 1;
    char name[22] = "tst_instance_settings";
    char *argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
};

} // namespace

// Checks the instance number and the per-instance store beside the shared one.
class TestInstanceSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void applicationBaseName();
    void instanceZeroUsesSharedStore();
    void otherInstanceHasOwnFile_data();
    void otherInstanceHasOwnFile();
    void instanceFileFollowsOrganization();
    void defaultConstructorChangesNothing();
    void instanceZeroAfterAnotherDropsOwnStore();
    void autoConnectReadsTrueWhenMissing();
    void factoryResetLeavesInstanceFile();
    void storeDeletedWithApplication();
    void batchWritesReachTheFileAtItsEnd_data();
    void batchWritesReachTheFileAtItsEnd();

    void damagedFilesAreCopiedAndToldEach_data();
    void damagedFilesAreCopiedAndToldEach();
    void unwritableInstanceFileIsKeptAndToldOnce_data();
    void unwritableInstanceFileIsKeptAndToldOnce();

private:
    QString filePath(const QString &organization, const QString &application) const;

    QTemporaryDir m_configHome;
};

QString TestInstanceSettings::filePath(const QString &organization,
                                       const QString &application) const
{
    return m_configHome.path() + QLatin1Char('/') + organization + QLatin1Char('/') + application +
           QLatin1String(".ini");
}

void TestInstanceSettings::initTestCase()
{
    // The user-scope INI path is fixed when the first QSettings is made; this runs before that.
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void TestInstanceSettings::init()
{
    InstanceSettings::resetForTesting();
    Settings::resetForTesting();
    QDir(m_configHome.path()).removeRecursively();
    QDir().mkpath(m_configHome.path());
}

void TestInstanceSettings::applicationBaseName()
{
    QCOMPARE(InstanceSettings::applicationBaseName(), QStringLiteral("PC_Panel"));
    QCOMPARE(&InstanceSettings::applicationBaseName(), &InstanceSettings::applicationBaseName());
}

void TestInstanceSettings::instanceZeroUsesSharedStore()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(0);

    QCOMPARE(InstanceSettings::instanceNumber(), 0u);
    QCOMPARE(InstanceSettings::settings(), Settings::settings());
    // Writers reach the store through settings(), as every reader does.
    QVERIFY(!HasOwnWriter<InstanceSettings>::value);

    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, false);
    QVERIFY(fileContent(filePath("Vaho", "PC_Panel")).contains("pc_panel_auto_connect=false"));
    QVERIFY(QDir(m_configHome.path() + "/Vaho").entryList(QDir::Files) ==
            QStringList{"PC_Panel.ini"});
}

void TestInstanceSettings::otherInstanceHasOwnFile_data()
{
    QTest::addColumn<unsigned>("instance");
    QTest::addColumn<QString>("application");

    QTest::newRow("second copy") << 1u << QStringLiteral("PC_Panel_1");
    QTest::newRow("seventh") << 7u << QStringLiteral("PC_Panel_7");
    QTest::newRow("largest") << 4294967295u << QStringLiteral("PC_Panel_4294967295");
}

void TestInstanceSettings::otherInstanceHasOwnFile()
{
    QFETCH(unsigned, instance);
    QFETCH(QString, application);

    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    Settings::setValue(Settings::languageKey, 2);
    const QByteArray sharedBefore = fileContent(filePath("Vaho", "PC_Panel"));

    QObject window;
    auto *instanceSettings = new InstanceSettings(instance, &window);
    QCOMPARE(instanceSettings->parent(), &window);
    QCOMPARE(InstanceSettings::instanceNumber(), instance);
    QSettings *store = InstanceSettings::settings();
    QVERIFY(store != Settings::settings());
    QCOMPARE(store->fileName(), filePath("Vaho", application));
    QCOMPARE(store->format(), QSettings::IniFormat);
    QCOMPARE(store->scope(), QSettings::UserScope);

    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, false);
    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelSelectedRemoteSaunaKey,
                       QStringLiteral("{6f1c1c3e-8a53-4b7e-9d6a-0c2b5a1e9f10}"));
    const QByteArray own = fileContent(filePath("Vaho", application));
    QVERIFY(own.contains("pc_panel_auto_connect=false"));
    QVERIFY(own.contains("pc_panel_selected_remote_sauna="));
    QCOMPARE(fileContent(filePath("Vaho", "PC_Panel")), sharedBefore);
}

void TestInstanceSettings::instanceFileFollowsOrganization()
{
    Settings frame(QStringLiteral("Lumo"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(2);

    QCOMPARE(InstanceSettings::settings()->fileName(), filePath("Lumo", "PC_Panel_2"));
}

void TestInstanceSettings::defaultConstructorChangesNothing()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(3);
    QSettings *store = InstanceSettings::settings();

    InstanceSettings handle;
    QCOMPARE(handle.parent(), nullptr);
    QCOMPARE(InstanceSettings::instanceNumber(), 3u);
    QCOMPARE(InstanceSettings::settings(), store);
    QCOMPARE(store->fileName(), filePath("Vaho", "PC_Panel_3"));
}

void TestInstanceSettings::instanceZeroAfterAnotherDropsOwnStore()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings fifth(5);
    QVERIFY(InstanceSettings::settings() != Settings::settings());

    InstanceSettings first(0);
    QCOMPARE(InstanceSettings::instanceNumber(), 0u);
    QCOMPARE(InstanceSettings::settings(), Settings::settings());
}

void TestInstanceSettings::autoConnectReadsTrueWhenMissing()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(4);
    // The shared store's value must not leak into another instance.
    Settings::setValue(Settings::pcPanelAutoConnectKey, false);

    QCOMPARE(
        Settings::boolValue(Settings::pcPanelAutoConnectKey, true, InstanceSettings::settings()),
        true);
    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, false);
    QCOMPARE(
        Settings::boolValue(Settings::pcPanelAutoConnectKey, true, InstanceSettings::settings()),
        false);
}

void TestInstanceSettings::factoryResetLeavesInstanceFile()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(6);
    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, false);
    Settings::setValue(*InstanceSettings::settings(), Settings::languageKey, 3);
    const QByteArray before = fileContent(filePath("Vaho", "PC_Panel_6"));
    QVERIFY(before.contains("language=3"));

    Settings::factoryReset();

    QCOMPARE(fileContent(filePath("Vaho", "PC_Panel_6")), before);
    QVERIFY(fileContent(filePath("Vaho", "PC_Panel")).contains("wifi_networks"));
}

void TestInstanceSettings::storeDeletedWithApplication()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(8);
    QPointer<QSettings> store = InstanceSettings::settings();
    {
        int argc = 1;
        char name[] = "tst_instance_settings";
        char *argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
    }
    QVERIFY(store.isNull());
    QCOMPARE(InstanceSettings::instanceNumber(), 8u);
}

void TestInstanceSettings::batchWritesReachTheFileAtItsEnd_data()
{
    QTest::addColumn<unsigned>("instance");
    QTest::addColumn<QString>("application");
    QTest::newRow("shared store") << 0u << QStringLiteral("PC_Panel");
    QTest::newRow("own store") << 4u << QStringLiteral("PC_Panel_4");
}

void TestInstanceSettings::batchWritesReachTheFileAtItsEnd()
{
    QFETCH(unsigned, instance);
    QFETCH(QString, application);
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings own(instance);
    const QString path = filePath("Vaho", application);

    {
        const Settings::WriteBatch outer;
        {
            const Settings::WriteBatch inner;
            Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey,
                               false);
        }
        Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelSelectedRemoteSaunaKey,
                           QStringLiteral("{00000000-0000-0000-0000-000000000004}"));
        QVERIFY(!fileContent(path).contains("pc_panel_auto_connect"));
        QCOMPARE(Settings::boolValue(Settings::pcPanelAutoConnectKey, true,
                                     InstanceSettings::settings()),
                 false);
    }
    const QByteArray written = fileContent(path);
    QVERIFY(written.contains("pc_panel_auto_connect=false"));
    QVERIFY(
        written.contains("pc_panel_selected_remote_sauna={00000000-0000-0000-0000-000000000004}"));

    // Without a batch a write reaches the file at once.
    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, true);
    QVERIFY(fileContent(path).contains("pc_panel_auto_connect=true"));
}

void TestInstanceSettings::damagedFilesAreCopiedAndToldEach_data()
{
    QTest::addColumn<bool>("sharedDamaged");
    QTest::newRow("instance file") << false;
    QTest::newRow("instance and shared file") << true;
}

void TestInstanceSettings::damagedFilesAreCopiedAndToldEach()
{
    QFETCH(bool, sharedDamaged);
    const QString sharedPath = filePath("Vaho", "PC_Panel");
    const QString instancePath = filePath("Vaho", "PC_Panel_1");
    const QByteArray shared =
        sharedDamaged ? damagedSharedFile : QByteArray("[General]\nlanguage=2\n");
    QVERIFY(writeFile(sharedPath, shared));
    QVERIFY(writeFile(instancePath, damagedInstanceFile));

    SettingsFileInformer &informer = SettingsFileInformer::instance();
    QSignalSpy told(&informer, &SettingsFileInformer::panelUserMessageIssued);
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(1);
    // Each damaged file lies beside itself before anything is written.
    QCOMPARE(fileContent(instancePath + ".damaged"), damagedInstanceFile);
    QCOMPARE(fileContent(instancePath), damagedInstanceFile);
    QCOMPARE(QFile::exists(sharedPath + ".damaged"), sharedDamaged);
    if (sharedDamaged)
        QCOMPARE(fileContent(sharedPath + ".damaged"), shared);

    Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey, false);
    Settings::setValue(Settings::languageKey, 3);
    QCOMPARE(fileContent(instancePath + ".damaged"), damagedInstanceFile);
    informer.startTelling();

    QStringList expected;
    if (sharedDamaged)
        expected << QDir::toNativeSeparators(sharedPath + ".damaged");
    expected << QDir::toNativeSeparators(instancePath + ".damaged");
    QStringList copies;
    for (const UserMessage &message : messagesOf(told)) {
        QCOMPARE(message.id, SettingsFileInformer::damagedFileMessageId);
        copies << message.arguments;
    }
    QCOMPARE(copies, expected);
}

void TestInstanceSettings::unwritableInstanceFileIsKeptAndToldOnce_data()
{
    QTest::addColumn<bool>("sharedUnwritable");
    QTest::addColumn<bool>("sizeLimit");
    QTest::newRow("folder in place of the instance file") << false << false;
    QTest::newRow("folders in place of both files") << true << false;
    QTest::newRow("disk full") << false << true;
}

void TestInstanceSettings::unwritableInstanceFileIsKeptAndToldOnce()
{
    QFETCH(bool, sharedUnwritable);
    QFETCH(bool, sizeLimit);
    LocalApplication local;
    // QSettings keeps what a failed write did not save in a cache of the process, by file name,
    // and writes it into the next file of that name: each row has files of its own.
    const QString organization =
        QStringLiteral("Vaho ") + QString::fromLatin1(QTest::currentDataTag());
    const QString sharedPath = filePath(organization, "PC_Panel");
    const QString instancePath = filePath(organization, "PC_Panel_1");
    const QByteArray instanceFile = "[General]\npc_panel_selected_remote_sauna=Garden\n";
    if (sharedUnwritable)
        QVERIFY(QDir().mkpath(sharedPath));
    if (sizeLimit)
        QVERIFY(writeFile(instancePath, instanceFile));
    else
        QVERIFY(QDir().mkpath(instancePath));

    SettingsFileInformer &informer = SettingsFileInformer::instance();
    QSignalSpy told(&informer, &SettingsFileInformer::panelUserMessageIssued);
    Settings frame(organization, InstanceSettings::applicationBaseName());
    InstanceSettings instance(1);
    informer.startTelling();
    for (bool autoConnect : {false, true}) {
        bool limited = true;
        {
            std::optional<FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(16);
            Settings::setValue(*InstanceSettings::settings(), Settings::pcPanelAutoConnectKey,
                               autoConnect);
            limited = !limit || limit->isActive();
        }
        QVERIFY(limited);
        // Checked before the event loop runs: QSettings retries a failed write there.
        if (sizeLimit)
            QCOMPARE(fileContent(instancePath), instanceFile);
        else
            QVERIFY(QFileInfo(instancePath).isDir());
        Settings::setValue(Settings::languageKey, autoConnect ? 1 : 2);
    }
    QCoreApplication::sendPostedEvents();

    const QList<UserMessage> messages = messagesOf(told);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().id, SettingsFileInformer::changesNotKeptMessageId);
    QCOMPARE(
        Settings::boolValue(Settings::pcPanelAutoConnectKey, false, InstanceSettings::settings()),
        true);
}

QTEST_APPLESS_MAIN(TestInstanceSettings)

#include "tst_instance_settings.moc"
