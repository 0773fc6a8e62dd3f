#include "control/display_controller.h"
#include "control/haptic_sensor_controller.h"
#include "control/initial_setup_controller.h"
#include "control/settings.h"
#include "control/start_up_screen_controller.h"
#include "control/variant_controller_base.h"
#include "control/wifi_symbol_controller.h"

#include <QFile>
#include <QMainWindow>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using control::Settings;
using signalInterface::DisplayTypes;
using signalInterface::HapticFeedbackTypes;
using signalInterface::SaunaStateTypes;
using signalInterface::VariantTypes;

namespace {

QString fileValue(const char *key)
{
    QFile file(Settings::settings()->fileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QByteArray prefix = QByteArray(key) + '=';
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(prefix)) {
            return QString::fromUtf8(line.mid(prefix.size()).trimmed());
        }
    }
    return {};
}

class TestVariant : public control::VariantControllerBase
{
public:
    VariantTypes::Brand brand() const override { return VariantTypes::E_lumo; }
    VariantTypes::ProductType productType() const override { return VariantTypes::E_PC; }
};

// Stands in for the global QML settings object of the application frame.
class SplashSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int appWidth MEMBER m_appWidth CONSTANT)

public:
    explicit SplashSettings(int appWidth)
        : m_appWidth(appWidth)
    {}

private:
    int m_appWidth;
};

// Senders of the signals the small controllers listen to.
class Senders : public QObject
{
    Q_OBJECT

signals:
    void connectedChanged(bool connected);
    void brandChanged(::signalInterface::VariantTypes::Brand brand);
    void languageChanged(::signalInterface::LanguageTypes::Language language);
    void displayChangeSleepTimeoutRequested(
        ::signalInterface::DisplayTypes::DisplaySleepTimeout timeout);
    void userMousePressOccurred();
    void userMouseHoldOccurred();
    void saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void nextActiveCalendarItemChanged(::signalInterface::CalendarProgram program, bool active);
};

} // namespace

// Checks the display, haptic, Wi-Fi symbol, initial-setup, variant and start-up screen controllers.
class TestSmallControllers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void displaySleepTimeoutStoredAndAnnounced();
    void displayIgnoresOutOfRangeTimeouts_data();
    void displayIgnoresOutOfRangeTimeouts();
    void displaySleepTimer();
    void displayConnectOperations();

    void hapticDefaultWrittenWhenMissing();
    void hapticChangeStoredAndOutOfRangeIgnored();

    void wifiSymbolState();

    void initialSetupReadsAndClearsFactoryResetMarker();
    void initialSetupFollowsBrandAndLanguage();

    void variantInstanceFollowsLifetime();

    void startUpScreenShowsSplash();

private:
    QTemporaryDir m_configHome;
};

void TestSmallControllers::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    qRegisterMetaType<DisplayTypes::DisplaySleepTimeout>();
    qRegisterMetaType<HapticFeedbackTypes::HapticFeedback>();
}

void TestSmallControllers::init()
{
    Settings::resetForTesting();
    QFile::remove(Settings::settings()->fileName());
    Settings::resetForTesting();
}

void TestSmallControllers::displaySleepTimeoutStoredAndAnnounced()
{
    {
        control::DisplayController controller;
        QSignalSpy announced(&controller, &control::DisplayController::newDisplaySleepTimeoutValue);
        controller.emitInitialState();
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(0).value<DisplayTypes::DisplaySleepTimeout>(),
                 DisplayTypes::E_never);

        controller.onDisplayChangeSleepTimeoutRequested(DisplayTypes::E_2min);
        QCOMPARE(announced.count(), 2);
        QCOMPARE(announced.at(1).at(0).value<DisplayTypes::DisplaySleepTimeout>(),
                 DisplayTypes::E_2min);
        QCOMPARE(fileValue(Settings::displaySleepTimeoutKey), QStringLiteral("4"));
    }
    Settings::resetForTesting();
    control::DisplayController restarted;
    QCOMPARE(restarted.sleepTimeout(), DisplayTypes::E_2min);
}

void TestSmallControllers::displayIgnoresOutOfRangeTimeouts_data()
{
    QTest::addColumn<int>("timeout");
    QTest::newRow("count, not a timeout") << 8;
    QTest::newRow("past the end") << 9;
    QTest::newRow("negative") << -1;
}

void TestSmallControllers::displayIgnoresOutOfRangeTimeouts()
{
    QFETCH(int, timeout);
    control::DisplayController controller;
    QSignalSpy announced(&controller, &control::DisplayController::newDisplaySleepTimeoutValue);

    controller.onDisplayChangeSleepTimeoutRequested(
        static_cast<DisplayTypes::DisplaySleepTimeout>(timeout));

    QCOMPARE(announced.count(), 0);
    QCOMPARE(controller.sleepTimeout(), DisplayTypes::E_never);
    QVERIFY(!Settings::settings()->contains(QLatin1String(Settings::displaySleepTimeoutKey)));
}

void TestSmallControllers::displaySleepTimer()
{
    control::DisplayController controller;
    controller.emitInitialState();
    QVERIFY(!controller.isSleepTimerActive());

    controller.onDisplayChangeSleepTimeoutRequested(DisplayTypes::E_30sec);
    QVERIFY(controller.isSleepTimerActive());
    QCOMPARE(controller.sleepTimerInterval(), 30000);

    controller.onSleepTimerTimeout();
    QVERIFY(controller.isAsleep());
    controller.onUserMousePressOccurred();
    QVERIFY(!controller.isAsleep());
    QVERIFY(controller.isSleepTimerActive());

    // A running sauna or a calendar program about to start keeps the display awake.
    controller.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);
    QVERIFY(!controller.isSleepTimerActive());
    controller.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_off);
    QVERIFY(controller.isSleepTimerActive());
    controller.onNextActiveCalendarItemChanged({}, true);
    QVERIFY(!controller.isSleepTimerActive());
    controller.onNextActiveCalendarItemChanged({}, false);
    controller.onUserMouseHoldOccurred();
    QVERIFY(controller.isSleepTimerActive());

    controller.onDisplayChangeSleepTimeoutRequested(DisplayTypes::E_never);
    QVERIFY(!controller.isSleepTimerActive());
}

void TestSmallControllers::displayConnectOperations()
{
    control::DisplayController controller;
    Senders senders;
    QObject plain;
    QCOMPARE(controller.connectNextActiveCalendarItemChanged({&senders}), 0);
    QCOMPARE(controller.connectSleepTimeoutRequests({&senders}), 0);
    QCOMPARE(controller.connectUserMouseSignals({&senders}), 0);
    QCOMPARE(controller.connectSaunaPhysicalStateChanged({&senders}), 0);
    QCOMPARE(controller.connectUserMouseSignals({&plain}), 2);

    emit senders.displayChangeSleepTimeoutRequested(DisplayTypes::E_5min);
    QCOMPARE(controller.sleepTimeout(), DisplayTypes::E_5min);
}

void TestSmallControllers::hapticDefaultWrittenWhenMissing()
{
    control::HapticSensorController controller;
    QSignalSpy announced(&controller, &control::HapticSensorController::newHapticFeedbackValue);
    QCOMPARE(controller.feedback(), HapticFeedbackTypes::E_activated);
    QCOMPARE(fileValue(Settings::keyHapticSensorActivatedKey), QStringLiteral("1"));
    controller.emitInitialState();
    QCOMPARE(announced.count(), 1);
}

void TestSmallControllers::hapticChangeStoredAndOutOfRangeIgnored()
{
    {
        control::HapticSensorController controller;
        QSignalSpy announced(&controller, &control::HapticSensorController::newHapticFeedbackValue);
        controller.onHapticFeedbackChangeRequested(
            static_cast<HapticFeedbackTypes::HapticFeedback>(2));
        QCOMPARE(announced.count(), 0);
        controller.onHapticFeedbackChangeRequested(HapticFeedbackTypes::E_deactivated);
        QCOMPARE(announced.count(), 1);
        QCOMPARE(fileValue(Settings::keyHapticSensorActivatedKey), QStringLiteral("0"));
    }
    Settings::resetForTesting();
    control::HapticSensorController restarted;
    QCOMPARE(restarted.feedback(), HapticFeedbackTypes::E_deactivated);
}

void TestSmallControllers::wifiSymbolState()
{
    control::WiFiSymbolController controller;
    Senders link;
    QSignalSpy state(&controller, &control::WiFiSymbolController::symbolStateChanged);
    QCOMPARE(controller.connectConnectedChanged({&link}), 0);

    controller.enableWiFi();
    QVERIFY(controller.isWiFiEnabled());
    QCOMPARE(state.count(), 0);
    controller.emitInitialState();
    QCOMPARE(state.count(), 1);

    emit link.connectedChanged(true);
    QVERIFY(controller.isConnected());
    emit link.connectedChanged(true);
    QCOMPARE(state.count(), 2);
    emit link.connectedChanged(false);
    QCOMPARE(controller.property("connected").toBool(), false);
    QCOMPARE(state.count(), 3);
}

void TestSmallControllers::initialSetupReadsAndClearsFactoryResetMarker()
{
    {
        control::InitialSetupController controller;
        QVERIFY(!controller.isFactoryResetInvoked());
        QCOMPARE(fileValue(Settings::factoryResetInvokedKey), QStringLiteral("false"));
    }
    Settings::setValue(QLatin1String(Settings::factoryResetInvokedKey), true);
    Settings::resetForTesting();
    {
        control::InitialSetupController controller;
        QVERIFY(controller.isFactoryResetInvoked());
        QCOMPARE(controller.property("factoryResetInvoked").toBool(), true);
    }
    // Only the first start after the reset sees the marker.
    Settings::resetForTesting();
    control::InitialSetupController controller;
    QVERIFY(!controller.isFactoryResetInvoked());
}

void TestSmallControllers::initialSetupFollowsBrandAndLanguage()
{
    control::InitialSetupController controller;
    Senders senders;
    QCOMPARE(controller.connectBrandChanged({&senders}), 0);
    QCOMPARE(controller.connectLanguageChanged({&senders}), 0);

    emit senders.brandChanged(VariantTypes::E_orvela);
    emit senders.languageChanged(signalInterface::LanguageTypes::E_swedish);
    emit senders.brandChanged(static_cast<VariantTypes::Brand>(9));
    QCOMPARE(controller.brand(), VariantTypes::E_orvela);
    QCOMPARE(controller.language(), signalInterface::LanguageTypes::E_swedish);
}

void TestSmallControllers::variantInstanceFollowsLifetime()
{
    QVERIFY(control::VariantControllerBase::instance() == nullptr);
    {
        TestVariant variant;
        QCOMPARE(control::VariantControllerBase::instance(), &variant);
        QCOMPARE(control::VariantControllerBase::instance()->brand(), VariantTypes::E_lumo);
    }
    QVERIFY(control::VariantControllerBase::instance() == nullptr);
}

void TestSmallControllers::startUpScreenShowsSplash()
{
    QTemporaryDir qmlDir;
    QFile scene(qmlDir.filePath(QStringLiteral("main_startup_screen.qml")));
    QVERIFY(scene.open(QIODevice::WriteOnly));
    scene.write("import QtQuick\n"
                "Item { objectName: \"splash\"; property int shownBrand: startup_screen_brand;"
                " property int shownType: startup_screen_product_type;"
                " property int globalWidth: splashSettings.appWidth }\n");
    scene.close();

    control::StartUpScreenController splash(VariantTypes::E_PC, VariantTypes::E_orvela);
    splash.setQmlDirectory(qmlDir.path());
    // The settings object must outlive the shown scene that binds to it.
    QPointer<QObject> settings;
    splash.setGlobalSettingsFactory([&settings](QQmlEngine *engine, VariantTypes::Brand,
                                                VariantTypes::ProductType type) {
        auto object = std::make_shared<SplashSettings>(type == VariantTypes::E_PC ? 340 : 0);
        engine->rootContext()->setContextProperty(QStringLiteral("splashSettings"), object.get());
        settings = object.get();
        return std::shared_ptr<void>(object);
    });

    splash.show();
    QVERIFY(splash.window()->isVisible());
    QCOMPARE(splash.window()->size(), QSize(340, 600));
    QCOMPARE(splash.window()->windowTitle(), QStringLiteral("PC Control Panel"));
    QQuickItem *root = splash.view()->rootObject();
    QVERIFY2(root, qPrintable(splash.view()->errors().isEmpty()
                                  ? QString()
                                  : splash.view()->errors().first().toString()));
    QCOMPARE(root->property("shownBrand").toInt(), static_cast<int>(VariantTypes::E_orvela));
    QCOMPARE(root->property("shownType").toInt(), static_cast<int>(VariantTypes::E_PC));
    QCOMPARE(root->property("globalWidth").toInt(), 340);
    QVERIFY(settings);

    splash.close();
    QVERIFY(!splash.window()->isVisible());
    QVERIFY(!settings);
}

QTEST_MAIN(TestSmallControllers)
#include "tst_small_controllers.moc"
