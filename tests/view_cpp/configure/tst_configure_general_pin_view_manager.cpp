#include "model_reader.h"

#include "control/peripheral_controller.h"
#include "control/pin_code_controller.h"
#include "control/settings.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using control::Settings;
using signalInterface::AuxiliaryRelayTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::PinTypes;
using view::ConfigureGeneralPinViewManager;

namespace {

const QStringList allKeys{
    "lockscreen_power_visible",    "lockscreen_temperature_visible", "lockscreen_humidity_visible",
    "lockscreen_lighting_visible", "lockscreen_aux_0_visible",       "lockscreen_aux_1_visible",
    "lockscreen_aux_2_visible",    "lockscreen_aux_3_visible",       "lockscreen_aux_4_visible",
    "lockscreen_aux_5_visible",    "lockscreen_aux_6_visible",
};

AuxiliaryRelayTypes::AuxiliaryRelayPost usableRelay(quint32 index, const QString &name = {})
{
    AuxiliaryRelayTypes::AuxiliaryRelayPost post;
    post.index = index;
    post.connected = true;
    post.function = AuxiliaryRelayTypes::E_onOff;
    post.name = name;
    return post;
}

// The control rows: texts from row 5 on.
QStringList controlTexts(ConfigureGeneralPinViewManager &manager)
{
    return modelReader::texts(*manager.model(), "value")
        .mid(ConfigureGeneralPinViewManager::firstControlRow);
}

QList<int> controlIds(ConfigureGeneralPinViewManager &manager)
{
    return modelReader::applIds(*manager.model())
        .mid(ConfigureGeneralPinViewManager::firstControlRow);
}

QStringList controlOrders(ConfigureGeneralPinViewManager &manager)
{
    return modelReader::texts(*manager.model(), "value5")
        .mid(ConfigureGeneralPinViewManager::firstControlRow);
}

QVariantList controlChecks(ConfigureGeneralPinViewManager &manager)
{
    return modelReader::column(*manager.model(), "value10")
        .mid(ConfigureGeneralPinViewManager::firstControlRow);
}

} // namespace

// The PIN screen: the stored lock-screen choices, the rows that follow the sauna's reports, the
// toggle against the PIN-code controller and what each signal publishes.
class TestConfigureGeneralPinViewManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
        signalInterface::registerMetaTypes();
    }

    void init()
    {
        Settings::resetForTesting();
        QFile::remove(Settings::settings()->fileName());
        Settings::resetForTesting();
    }

    void emptyStoreGetsEveryKeyAsFalse()
    {
        Settings::setValue(QStringLiteral("lockscreen_lighting_visible"), true);
        ConfigureGeneralPinViewManager manager(nullptr);
        // Written to disk: a new process reads them back.
        Settings::resetForTesting();
        for (const QString &key : allKeys) {
            QVERIFY2(Settings::settings()->contains(key), qPrintable(key));
            QCOMPARE(Settings::boolValue(key, true), key == "lockscreen_lighting_visible");
        }
    }

    // The screen tells the lock-screen choices by its signals alone: it has no properties.
    void choicesAreSignalsOnly()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        const QMetaObject *meta = manager.metaObject();
        QCOMPARE(meta->propertyCount(), meta->propertyOffset());
        QVERIFY(meta->indexOfSignal("powerVisibleOnLockedScreenChanged(bool)") >= 0);
        QVERIFY(meta->indexOfSignal("lightningVisibleOnLockedScreenChanged(bool)") >= 0);
    }

    void startUpPublication()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QSignalSpy power(&manager,
                         &ConfigureGeneralPinViewManager::powerVisibleOnLockedScreenChanged);
        QSignalSpy temperature(
            &manager, &ConfigureGeneralPinViewManager::temperatureVisibleOnLockedScreenChanged);
        QSignalSpy humidity(&manager,
                            &ConfigureGeneralPinViewManager::humidityVisibleOnLockedScreenChanged);
        QSignalSpy lighting(&manager,
                            &ConfigureGeneralPinViewManager::lightningVisibleOnLockedScreenChanged);
        QSignalSpy aux(&manager, &ConfigureGeneralPinViewManager::auxVisibleOnLockedScreenChanged);
        QSignalSpy any(&manager, &ConfigureGeneralPinViewManager::pinShowControlsActivated);
        manager.publishLockscreenSettings();
        for (QSignalSpy *spy : {&power, &temperature, &humidity, &lighting}) {
            QCOMPARE(spy->count(), 1);
            QCOMPARE(spy->first().first().toBool(), false);
        }
        QCOMPARE(aux.count(), 7);
        for (int relay = 0; relay < 7; ++relay)
            QCOMPARE(aux.at(relay), (QVariantList{relay, false}));
        QCOMPARE(any.count(), 1);
        QCOMPARE(any.first().first().toBool(), false);
    }

    void builtListOnVisibility()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QAbstractItemModelTester tester(manager.model());
        manager.onPinViewVisibleChanged(false);
        QCOMPARE(manager.model()->rowCount(), 0);
        manager.onPinViewVisibleChanged(true);
        const QStringList texts = modelReader::texts(*manager.model(), "value");
        QCOMPARE(texts.mid(0, 5),
                 QStringList({"Activate PIN", "", "Change PIN", "", "Controls on lockscreen"}));
        QCOMPARE(modelReader::column(*manager.model(), "value2").at(4).toInt(), 12);
        QCOMPARE(modelReader::applIds(*manager.model()).mid(0, 3), QList<int>({0, 0, 1}));
        QCOMPARE(controlTexts(manager), QStringList({"Power", "Temperature", "Lighting"}));
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4}));
        QCOMPARE(controlOrders(manager), QStringList({"top", "centre", "bottom"}));
        QCOMPARE(modelReader::texts(*manager.model(), "value11").mid(5),
                 QStringList({"only_checkmark", "only_checkmark", "only_checkmark"}));
        // Hidden again: the list stays; shown again: built anew, not doubled.
        manager.onPinViewVisibleChanged(false);
        manager.onPinViewVisibleChanged(true);
        QCOMPARE(manager.model()->rowCount(), 8);
    }

    void humidityRowFollowsFlagsAndSensor()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QAbstractItemModelTester tester(manager.model());
        manager.onPinViewVisibleChanged(true);
        MasterFuncDescTypes::MasterFuncDescPost percent;
        percent.humidityPercent = true;
        manager.onSaunaMasterFuncDescChanged(percent);
        QVERIFY(!controlIds(manager).contains(-3));
        manager.onSaunaHumiditySensorStatusChanged(true);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -3, -4}));
        QCOMPARE(controlTexts(manager).at(2), QStringLiteral("Humidity"));
        manager.onSaunaHumiditySensorStatusChanged(false);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4}));
        // The level flag offers it whatever the sensor says.
        MasterFuncDescTypes::MasterFuncDescPost level;
        level.humidityLevel = true;
        manager.onSaunaMasterFuncDescChanged(level);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -3, -4}));
        QCOMPARE(controlOrders(manager), QStringList({"top", "centre", "centre", "bottom"}));
        // The IR product renames it, at the next refresh only.
        manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_ir);
        QCOMPARE(controlTexts(manager).at(2), QStringLiteral("Humidity"));
        manager.onLanguageChanged(signalInterface::LanguageTypes::E_english);
        QCOMPARE(controlTexts(manager).at(2), QStringLiteral("IR"));
    }

    void relayRowsInsertedAndRemovedInPlace()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QAbstractItemModelTester tester(manager.model());
        manager.onPinViewVisibleChanged(true);
        QSignalSpy reset(manager.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(manager.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(manager.model(), &QAbstractItemModel::rowsRemoved);

        manager.onSaunaAuxRelaySettingChanged(usableRelay(3));
        manager.onSaunaAuxRelaySettingChanged(usableRelay(0, QStringLiteral("Steam")));
        QCOMPARE(inserted.count(), 2);
        // Relay 0 directly after lighting, before relay 3.
        QCOMPARE(inserted.last().at(1).toInt(), 8);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4, 100, 103}));
        QCOMPARE(controlTexts(manager),
                 QStringList({"Power", "Temperature", "Lighting", "Steam", "Aux 3"}));
        QCOMPARE(controlOrders(manager),
                 QStringList({"top", "centre", "centre", "centre", "bottom"}));

        // Not used any more: out, in place.
        AuxiliaryRelayTypes::AuxiliaryRelayPost unused = usableRelay(3);
        unused.function = AuxiliaryRelayTypes::E_notUsed;
        manager.onSaunaAuxRelaySettingChanged(unused);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4, 100}));
        QCOMPARE(controlOrders(manager).last(), QStringLiteral("bottom"));
        QCOMPARE(reset.count(), 0);

        // A relay index beyond the table is dropped.
        manager.onSaunaAuxRelaySettingChanged(usableRelay(7));
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4, 100}));
    }

    void descalingRelayLeavesAndPublishesFalse()
    {
        Settings::setValue(Settings::lockscreenAuxVisibleKey(2), true);
        ConfigureGeneralPinViewManager manager(nullptr);
        manager.onPinViewVisibleChanged(true);
        manager.onSaunaAuxRelaySettingChanged(usableRelay(2));
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4, 102}));
        QCOMPARE(controlChecks(manager).last(), QVariant(true));

        QSignalSpy aux(&manager, &ConfigureGeneralPinViewManager::auxVisibleOnLockedScreenChanged);
        QSignalSpy any(&manager, &ConfigureGeneralPinViewManager::pinShowControlsActivated);
        AuxiliaryRelayTypes::Descaling descaling;
        descaling.enabled = true;
        descaling.relayIndex = 2;
        manager.onSaunaDescalingChanged(descaling);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4}));
        QCOMPARE(aux.count(), 7);
        QCOMPARE(aux.at(2), (QVariantList{2, false}));
        // The choice itself is kept for when the relay is free again.
        QVERIFY(Settings::boolValue(Settings::lockscreenAuxVisibleKey(2), false));
        // The publication is of every record, without the any-controls value.
        QCOMPARE(any.count(), 0);

        // A descaling index beyond the relays means none.
        descaling.relayIndex = 9;
        manager.onSaunaDescalingChanged(descaling);
        QCOMPARE(controlIds(manager), QList<int>({-1, -2, -4, 102}));
        QCOMPARE(aux.at(7 + 2), (QVariantList{2, true}));
        QCOMPARE(any.count(), 0);
    }

    void selectingAControlStoresAndPublishes()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        manager.onPinViewVisibleChanged(true);
        QSignalSpy power(&manager,
                         &ConfigureGeneralPinViewManager::powerVisibleOnLockedScreenChanged);
        QSignalSpy lighting(&manager,
                            &ConfigureGeneralPinViewManager::lightningVisibleOnLockedScreenChanged);
        QSignalSpy any(&manager, &ConfigureGeneralPinViewManager::pinShowControlsActivated);

        // Power alone is no control to show.
        manager.onLockscreenControlSelected(ConfigureGeneralPinViewManager::E_power);
        QCOMPARE(power.count(), 1);
        QCOMPARE(power.first().first().toBool(), true);
        QVERIFY(!any.isEmpty());
        QCOMPARE(any.last().first().toBool(), false);
        QVERIFY(control::Settings::boolValue(QStringLiteral("lockscreen_power_visible"), false));
        QCOMPARE(controlChecks(manager).first(), QVariant(true));

        manager.onLockscreenControlSelected(ConfigureGeneralPinViewManager::E_lighting);
        QVERIFY(!lighting.isEmpty());
        QCOMPARE(lighting.last().first().toBool(), true);
        QCOMPARE(any.last().first().toBool(), true);
        Settings::resetForTesting();
        QVERIFY(Settings::boolValue(QStringLiteral("lockscreen_lighting_visible"), false));

        // And back.
        manager.onLockscreenControlSelected(ConfigureGeneralPinViewManager::E_lighting);
        QCOMPARE(lighting.last().first().toBool(), false);
        QCOMPARE(any.last().first().toBool(), false);
        QVERIFY(!control::Settings::boolValue(QStringLiteral("lockscreen_lighting_visible"), true));
    }

    void selectingWithoutARowChangesNothing_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("humidity, not offered") << int(ConfigureGeneralPinViewManager::E_humidity);
        QTest::newRow("relay 4, not offered") << 104;
        QTest::newRow("unknown") << 55;
    }

    void selectingWithoutARowChangesNothing()
    {
        QFETCH(int, id);
        ConfigureGeneralPinViewManager manager(nullptr);
        manager.onPinViewVisibleChanged(true);
        const int rows = manager.model()->rowCount();
        QSignalSpy humidity(&manager,
                            &ConfigureGeneralPinViewManager::humidityVisibleOnLockedScreenChanged);
        QSignalSpy aux(&manager, &ConfigureGeneralPinViewManager::auxVisibleOnLockedScreenChanged);
        QSignalSpy any(&manager, &ConfigureGeneralPinViewManager::pinShowControlsActivated);
        manager.onLockscreenControlSelected(id);
        QCOMPARE(manager.model()->rowCount(), rows);
        QCOMPARE(humidity.count(), 0);
        QCOMPARE(aux.count(), 0);
        QCOMPARE(any.count(), 1);
        for (const QString &key : allKeys)
            QVERIFY2(!Settings::boolValue(key, true), qPrintable(key));
    }

    // The switch reports what it showed; the controller gets the opposite, and the switch shows
    // what the controller answers. Both ways, with the real controller.
    void toggleSwitchesTheLockBothWays()
    {
        control::PinCodeController controller;
        ConfigureGeneralPinViewManager manager(nullptr);
        QCOMPARE(controller.connectPinToggleRequests({&manager}), 0);
        QCOMPARE(manager.connectPinCodeSignals({&controller}), 0);
        controller.emitInitialState();
        manager.onPinViewVisibleChanged(true);
        auto shownState = [&] {
            return modelReader::value(*manager.model(), 0, "value2").toBool();
        };
        QCOMPARE(shownState(), false);

        manager.onPinToggleChanged(ConfigureGeneralPinViewManager::pinToggleId, false);
        QVERIFY(controller.isPinActivated());
        QCOMPARE(shownState(), true);
        QVERIFY(Settings::boolValue(QLatin1String(Settings::pinCodeActivatedKey), false));

        manager.onPinToggleChanged(ConfigureGeneralPinViewManager::pinToggleId, true);
        QVERIFY(!controller.isPinActivated());
        QCOMPARE(shownState(), false);

        // Another row's id asks for nothing.
        QSignalSpy requested(&manager, &ConfigureGeneralPinViewManager::pinToggleChanged);
        manager.onPinToggleChanged(1, false);
        QCOMPARE(requested.count(), 0);
        QVERIFY(!controller.isPinActivated());
    }

    void onlyTheChangeButtonStartsTheChange()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QSignalSpy pressed(&manager, &ConfigureGeneralPinViewManager::pinChangeButtonPressed);
        manager.onPinButtonPressed(0);
        manager.onPinButtonPressed(2);
        QCOMPARE(pressed.count(), 0);
        manager.onPinButtonPressed(ConfigureGeneralPinViewManager::changePinButtonId);
        QCOMPARE(pressed.count(), 1);
    }

    void relayChoicesReachTheLockScreensRelayList()
    {
        Settings::setValue(Settings::lockscreenAuxVisibleKey(1), true);
        ConfigureGeneralPinViewManager manager(nullptr);
        control::PeripheralController peripheral;
        QCOMPARE(peripheral.connectAuxVisibleOnLockedScreenChanged({&manager}), 0);
        peripheral.onSaunaAuxRelaySettingChanged(usableRelay(1, QStringLiteral("Fan")));
        peripheral.onSaunaAuxRelaySettingChanged(usableRelay(4));
        manager.publishLockscreenSettings();
        QCOMPARE(modelReader::applIds(*peripheral.auxiliaryRelaysOverviewModel()), QList<int>({1}));
    }

    void connectOperationsMatchTheirSenders()
    {
        ConfigureGeneralPinViewManager manager(nullptr);
        QObject none;
        QCOMPARE(manager.connectToView({&none}), 4);
        QCOMPARE(manager.connectPinCodeSignals({&none}), 1);
        QCOMPARE(manager.connectLanguageSignals({&none}), 1);
        QCOMPARE(manager.connectSaunaSignals({&none}), 5);
    }

private:
    QTemporaryDir m_configHome;
};

QTEST_MAIN(TestConfigureGeneralPinViewManager)
#include "tst_configure_general_pin_view_manager.moc"
