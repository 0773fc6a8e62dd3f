#include "control/settings.h"
#include "pc_panel/instance_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using control::Settings;
using pcPanel::InstanceSettings;

namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

    InstanceSettings::setValue(Settings::pcPanelAutoConnectKey, false);
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

    InstanceSettings::setValue(Settings::pcPanelAutoConnectKey, false);
    InstanceSettings::setValue(Settings::pcPanelSelectedRemoteSaunaKey,
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
    InstanceSettings::setValue(Settings::pcPanelAutoConnectKey, false);
    QCOMPARE(
        Settings::boolValue(Settings::pcPanelAutoConnectKey, true, InstanceSettings::settings()),
        false);
}

void TestInstanceSettings::factoryResetLeavesInstanceFile()
{
    Settings frame(QStringLiteral("Vaho"), InstanceSettings::applicationBaseName());
    InstanceSettings instance(6);
    InstanceSettings::setValue(Settings::pcPanelAutoConnectKey, false);
    InstanceSettings::setValue(Settings::languageKey, 3);
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

QTEST_APPLESS_MAIN(TestInstanceSettings)

#include "tst_instance_settings.moc"
