#include "model_reader.h"

#include "control/settings.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_system_factory_reset_view_manager.h"
#include "view_cpp/configure/configure_system_relay_view_manager.h"
#include "view_cpp/configure/configure_system_software_update_view_manager.h"

#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

using signalInterface::ConfigureTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::RegulatorTypes;
using signalInterface::RelayStatusTypes;
using signalInterface::UserMessageAction;
using signalInterface::UserMessageTypes::UserMessage;
using view::ConfigureSystemFactoryResetViewManager;
using view::ConfigureSystemRelayViewManager;
using view::ConfigureSystemSoftwareUpdateViewManager;

namespace {

// The relay screen keeps its relay table to itself.
template<typename T, typename = void>
struct HasRelayTableGetter : std::false_type
{};
template<typename T>
struct HasRelayTableGetter<T, std::void_t<decltype(std::declval<T &>().relayStatus())>> :
    std::true_type
{};
static_assert(!HasRelayTableGetter<ConfigureSystemRelayViewManager>::value);

// The keys the reset removes, named here on their own so that a change of the store's list shows.
QStringList resetKeys()
{
    QStringList keys{
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
        "wifi_networks/1/key_wifi_network_name",
        "wifi_networks/1/key_wifi_network_password",
        "wifi_networks/2/key_wifi_network_name",
        "wifi_networks/2/key_wifi_network_password",
    };
    for (int relay = 0; relay < 7; ++relay)
        keys << QStringLiteral("lockscreen_aux_%1_visible").arg(relay);
    return keys;
}

// Every key of the INI file with its value as text.
QMap<QString, QString> readSettingsFile(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    QMap<QString, QString> entries;
    const QStringList keys = file.allKeys();
    for (const QString &key : keys)
        entries.insert(key, file.value(key).toString());
    return entries;
}

// The timers a reset starts, run by the test instead of the clock.
struct PendingTimers
{
    struct Timer
    {
        int delayMs;
        std::function<void()> function;
    };
    std::vector<Timer> timers;

    ConfigureSystemFactoryResetViewManager::Environment environment(QList<int> *exitCodes)
    {
        return {[exitCodes](int code) { exitCodes->append(code); },
                [this](int delayMs, QObject *, std::function<void()> function) {
                    timers.push_back({delayMs, std::move(function)});
                }};
    }
    // Runs every pending timer of that delay, in the order they were started.
    void fire(int delayMs)
    {
        for (const Timer &timer : std::vector<Timer>(timers)) {
            if (timer.delayMs == delayMs)
                timer.function();
        }
    }
    QList<int> delays() const
    {
        QList<int> result;
        for (const Timer &timer : timers)
            result.append(timer.delayMs);
        return result;
    }
};

// A missing signal reads as a default message and no action: the comparison fails and the test
// runs on.
UserMessage messageOf(const QSignalSpy &spy, int index)
{
    return spy.value(index).value(0).value<UserMessage>();
}

UserMessageAction *actionOf(const QSignalSpy &spy, int index)
{
    return spy.value(index).value(1).value<UserMessageAction *>();
}

QVariant role(const view::ListModel &model, int row, const char *name)
{
    return modelReader::value(model, row, name);
}

} // namespace

Q_DECLARE_METATYPE(MasterFuncDescTypes::RcbProduct)

// The System menu's maintenance screens that no menu row opens in this panel: software update,
// factory reset and relay control, each manager on its own.
class TestConfigureSystemMaintenance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void softwareUpdateKeepsItsListsEmptyAndSaysSo();

    void factoryResetShowsOneButton();
    void factoryResetAnsweredOtherThanYesChangesNothing_data();
    void factoryResetAnsweredOtherThanYesChangesNothing();
    void factoryResetClearsExactlyThePanelSettings_data();
    void factoryResetClearsExactlyThePanelSettings();
    void factoryResetTellsTheUserAndEndsAfterFiveSeconds();
    void factoryResetBySoftwareUpdateLeavesTheBoard();
    void secondConfirmationStartsSecondTimers();

    void relayMenuShowsRegulatorForBoardsThatHaveOne_data();
    void relayMenuShowsRegulatorForBoardsThatHaveOne();
    void relayRegulatorFollowsTheReportNotTheChoice();
    void relayChoicesAndTogglesOutOfRangeAreRefused();
    void relayReportsUpdateTheTableOfTheMasterBoardOnly();
    void relayReportWithoutStateChangeDoesNotRebuild();
    void relayProductReportWhileClosedShowsAtNextOpening();

private:
    QString settingsPath() const;
    void installSettingsFile(bool clearBrand);

    QTemporaryDir m_configHome;
};

void TestConfigureSystemMaintenance::initTestCase()
{
    // The user-scope INI path is fixed when the first QSettings is made; this runs before that.
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    signalInterface::registerMetaTypes();
    qRegisterMetaType<UserMessageAction *>("::signalInterface::UserMessageAction*");
}

void TestConfigureSystemMaintenance::init()
{
    control::Settings::resetForTesting();
    QDir(m_configHome.path()).removeRecursively();
    QDir().mkpath(m_configHome.path());
}

QString TestConfigureSystemMaintenance::settingsPath() const
{
    return m_configHome.path() + QStringLiteral("/Vaho/Moor Panel.ini");
}

// A copy of a settings file that holds every key the panel writes and the wall panels' keys.
void TestConfigureSystemMaintenance::installSettingsFile(bool clearBrand)
{
    QDir().mkpath(QFileInfo(settingsPath()).path());
    QFile source(QStringLiteral(PANEL_TEST_DATA_DIRECTORY "/full_settings.ini"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QByteArray text = source.readAll();
    if (clearBrand)
        text.replace("factory_reset_clear_brand=false", "factory_reset_clear_brand=true");
    QFile target(settingsPath());
    QVERIFY(target.open(QIODevice::WriteOnly));
    QCOMPARE(target.write(text), text.size());
}

void TestConfigureSystemMaintenance::softwareUpdateKeepsItsListsEmptyAndSaysSo()
{
    ConfigureSystemSoftwareUpdateViewManager screen(nullptr);
    QObject sender;
    QSignalSpy messages(&screen, &ConfigureSystemSoftwareUpdateViewManager::panelUserMessageIssued);
    screen.onSoftwareUpdateVisibleChanged(true);
    QCOMPARE(screen.model()->rowCount(), 0);
    QCOMPARE(screen.instructionModel()->rowCount(), 0);
    QCOMPARE(messages.size(), 0);

    // Every tap on "update" is one notice without an action; nothing else is emitted.
    screen.onSoftwareUpdateSelected();
    screen.onSoftwareUpdateSelected();
    QCOMPARE(messages.size(), 2);
    for (int index = 0; index < 2; ++index) {
        QCOMPARE(messageOf(messages, index).id, 0x2001u);
        QCOMPARE(messageOf(messages, index).type,
                 signalInterface::UserMessageTypes::E_typeOneButton);
        QVERIFY(messageOf(messages, index).arguments.isEmpty());
        QCOMPARE(actionOf(messages, index), nullptr);
    }
    screen.onSoftwareUpdateVisibleChanged(false);
    QCOMPARE(screen.model()->rowCount(), 0);
    QCOMPARE(screen.instructionModel()->rowCount(), 0);
}

void TestConfigureSystemMaintenance::factoryResetShowsOneButton()
{
    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    view::ListModel &model = *screen.model();
    screen.onFactoryResetViewVisibleChanged(true);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.getApplId(0), int(ConfigureTypes::E_factoryReset));
    QCOMPARE(role(model, 0, "value").toString(), QStringLiteral("Reset"));
    // Shown twice, still one button.
    screen.onFactoryResetViewVisibleChanged(true);
    QCOMPARE(model.rowCount(), 1);
    screen.onFactoryResetViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
    // A language change without the page touches nothing.
    screen.onLanguageChanged(signalInterface::LanguageTypes::E_german);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureSystemMaintenance::factoryResetAnsweredOtherThanYesChangesNothing_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("no") << int(signalInterface::UserMessageTypes::E_answerNo);
    QTest::newRow("acknowledged") << int(signalInterface::UserMessageTypes::E_answerAcknowledged);
    QTest::newRow("none") << int(signalInterface::UserMessageTypes::E_answerNone);
}

void TestConfigureSystemMaintenance::factoryResetAnsweredOtherThanYesChangesNothing()
{
    QFETCH(int, answer);
    installSettingsFile(true);
    const QByteArray before = [this] {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    QSignalSpy messages(&screen, &ConfigureSystemFactoryResetViewManager::panelUserMessageIssued);
    QSignalSpy wifi(&screen, &ConfigureSystemFactoryResetViewManager::factoryResetWifiRequest);

    screen.onFactoryResetSelected();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messageOf(messages, 0).id, 0x2022u);
    QCOMPARE(messageOf(messages, 0).type, signalInterface::UserMessageTypes::E_typeTwoButtons);
    QVERIFY(actionOf(messages, 0));
    actionOf(messages, 0)
        ->execute(static_cast<signalInterface::UserMessageTypes::UserMessageAnswer>(answer));

    QCOMPARE(messages.size(), 1);
    QCOMPARE(wifi.size(), 0);
    QVERIFY(timers.timers.empty());
    QVERIFY(exits.isEmpty());
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestConfigureSystemMaintenance::factoryResetClearsExactlyThePanelSettings_data()
{
    QTest::addColumn<bool>("clearBrand");
    QTest::newRow("brand kept") << false;
    QTest::newRow("brand cleared") << true;
}

void TestConfigureSystemMaintenance::factoryResetClearsExactlyThePanelSettings()
{
    QFETCH(bool, clearBrand);
    installSettingsFile(clearBrand);
    const QMap<QString, QString> before = readSettingsFile(settingsPath());
    // The copy really holds every key the reset removes, and the others.
    for (const QString &key : resetKeys())
        QVERIFY2(before.contains(key), qPrintable(key));
    QVERIFY(before.contains(QStringLiteral("brand")));
    QVERIFY(!before.contains(QStringLiteral("factory_reset_invoked")));

    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    QSignalSpy messages(&screen, &ConfigureSystemFactoryResetViewManager::panelUserMessageIssued);
    screen.onFactoryResetSelected();
    QVERIFY(actionOf(messages, 0));
    actionOf(messages, 0)->execute(signalInterface::UserMessageTypes::E_answerYes);

    QMap<QString, QString> expected = before;
    for (const QString &key : resetKeys())
        expected.remove(key);
    expected.insert(QStringLiteral("wifi_networks/size"), QStringLiteral("0"));
    expected.insert(QStringLiteral("factory_reset_invoked"), QStringLiteral("true"));
    if (clearBrand)
        expected.remove(QStringLiteral("brand"));
    const QMap<QString, QString> after = readSettingsFile(settingsPath());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QVERIFY2(after.contains(it.key()), qPrintable(it.key()));
        QCOMPARE(after.value(it.key()), it.value());
    }
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QVERIFY2(expected.contains(it.key()), qPrintable(it.key()));
    // Among the survivors: the known saunas, the cached tables and the Wi-Fi identity.
    QCOMPARE(after.value(QStringLiteral("pc_panel_remote_saunas/1/pc_panel_remote_sauna_name")),
             QStringLiteral("Lake house"));
    QCOMPARE(
        after.value(QStringLiteral("pc_panel_max_temperature_size/2/pc_panel_max_temperature")),
        QStringLiteral("850"));
    QCOMPARE(after.value(QStringLiteral("wifi_identity")),
             QStringLiteral("{0b7d2c11-7e44-4f0a-b3b2-6c7a9d1e2f30}"));
}

void TestConfigureSystemMaintenance::factoryResetTellsTheUserAndEndsAfterFiveSeconds()
{
    installSettingsFile(false);
    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    QSignalSpy messages(&screen, &ConfigureSystemFactoryResetViewManager::panelUserMessageIssued);
    QSignalSpy started(&screen,
                       &ConfigureSystemFactoryResetViewManager::timeConsumingActivityStarted);
    QSignalSpy board(&screen,
                     &ConfigureSystemFactoryResetViewManager::factoryResetControlBoardRequest);
    QSignalSpy wifi(&screen, &ConfigureSystemFactoryResetViewManager::factoryResetWifiRequest);
    QSignalSpy threads(&screen, &ConfigureSystemFactoryResetViewManager::exitThreadsRequest);
    screen.onFactoryResetSelected();
    QVERIFY(actionOf(messages, 0));
    actionOf(messages, 0)->execute(signalInterface::UserMessageTypes::E_answerYes);

    QCOMPARE(started.size(), 1);
    QCOMPARE(board.size(), 1);
    QCOMPARE(wifi.size(), 1);
    // The user is told what was reset, before anything ends.
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messageOf(messages, 1).id, ConfigureSystemFactoryResetViewManager::resetDoneMessageId);
    QCOMPARE(messageOf(messages, 1).type, signalInterface::UserMessageTypes::E_typeOneButton);
    QCOMPARE(actionOf(messages, 1), nullptr);
    QCOMPARE(timers.delays(), QList<int>({3000, 5000}));
    QCOMPARE(threads.size(), 0);
    QVERIFY(exits.isEmpty());

    timers.fire(3000);
    QCOMPARE(threads.size(), 1);
    QVERIFY(exits.isEmpty());
    timers.fire(5000);
    QCOMPARE(exits, QList<int>({0}));
}

void TestConfigureSystemMaintenance::factoryResetBySoftwareUpdateLeavesTheBoard()
{
    installSettingsFile(false);
    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    QObject update;
    QCOMPARE(screen.connectToSoftwareUpdate({&update}), 1);
    ConfigureSystemSoftwareUpdateViewManager softwareUpdate(nullptr);
    QCOMPARE(screen.connectToSoftwareUpdate({&softwareUpdate}), 0);
    QSignalSpy board(&screen,
                     &ConfigureSystemFactoryResetViewManager::factoryResetControlBoardRequest);
    QSignalSpy wifi(&screen, &ConfigureSystemFactoryResetViewManager::factoryResetWifiRequest);

    emit softwareUpdate.atFactoryResetSoftwareUpdate(true);
    QCOMPARE(board.size(), 0);
    QCOMPARE(wifi.size(), 1);
    QCOMPARE(readSettingsFile(settingsPath()).value(QStringLiteral("factory_reset_invoked")),
             QStringLiteral("true"));
    QVERIFY(!readSettingsFile(settingsPath()).contains(QStringLiteral("language")));
    timers.fire(5000);
    QCOMPARE(exits, QList<int>({0}));

    emit softwareUpdate.atFactoryResetSoftwareUpdate(false);
    QCOMPARE(board.size(), 1);
}

void TestConfigureSystemMaintenance::secondConfirmationStartsSecondTimers()
{
    installSettingsFile(false);
    PendingTimers timers;
    QList<int> exits;
    ConfigureSystemFactoryResetViewManager screen(nullptr, timers.environment(&exits));
    QSignalSpy messages(&screen, &ConfigureSystemFactoryResetViewManager::panelUserMessageIssued);
    screen.onFactoryResetSelected();
    QVERIFY(actionOf(messages, 0));
    actionOf(messages, 0)->execute(signalInterface::UserMessageTypes::E_answerYes);
    screen.onFactoryResetSelected();
    QVERIFY(actionOf(messages, 2));
    actionOf(messages, 2)->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(timers.delays(), QList<int>({3000, 5000, 3000, 5000}));
    // The first exit timer ends the program; the second only repeats the request.
    timers.timers.at(1).function();
    QCOMPARE(exits, QList<int>({0}));
}

void TestConfigureSystemMaintenance::relayMenuShowsRegulatorForBoardsThatHaveOne_data()
{
    QTest::addColumn<MasterFuncDescTypes::RcbProduct>("product");
    QTest::addColumn<bool>("regulator");
    QTest::newRow("unknown") << MasterFuncDescTypes::E_unknown << false;
    QTest::newRow("sauna low") << MasterFuncDescTypes::E_sauna_low << false;
    QTest::newRow("steam private") << MasterFuncDescTypes::E_steam_private << false;
    QTest::newRow("combi auto") << MasterFuncDescTypes::E_combi_auto << false;
    QTest::newRow("steam public") << MasterFuncDescTypes::E_steam_public << true;
    QTest::newRow("box addon") << MasterFuncDescTypes::E_box_addon << true;
    QTest::newRow("sauna") << MasterFuncDescTypes::E_sauna << true;
    QTest::newRow("sauna ir") << MasterFuncDescTypes::E_sauna_ir << true;
}

void TestConfigureSystemMaintenance::relayMenuShowsRegulatorForBoardsThatHaveOne()
{
    QFETCH(MasterFuncDescTypes::RcbProduct, product);
    QFETCH(bool, regulator);
    ConfigureSystemRelayViewManager screen(nullptr);
    QSignalSpy menuState(&screen, &ConfigureSystemRelayViewManager::relayControlMenuStateRequest);
    screen.onSaunaMasterProductChanged(product);
    screen.onRelayControlMenuActive(true);
    QCOMPARE(menuState.size(), 1);
    QCOMPARE(menuState.at(0).at(0).toBool(), true);

    view::ListModel &menu = *screen.model();
    QCOMPARE(menu.rowCount(), regulator ? 1 : 0);
    if (regulator) {
        QCOMPARE(menu.getApplId(0), int(ConfigureTypes::E_regulator));
        QCOMPARE(role(menu, 0, "value").toString(), QStringLiteral("Regulator"));
        QCOMPARE(role(menu, 0, "value2").toString(), QStringLiteral("Automatic"));
        QCOMPARE(role(menu, 0, "value5").toString(), QStringLiteral("single"));
        QCOMPARE(role(menu, 0, "value13").toBool(), true);
    }
    // The choices are there whatever the board, with "Automatic" checked.
    view::ListModel &values = *screen.regulatorValueModel();
    QCOMPARE(modelReader::applIds(values), QList<int>({0, 1, 2}));
    QCOMPARE(modelReader::texts(values, "value"), QStringList({"Automatic", "On/Off", "Split"}));
    QCOMPARE(modelReader::column(values, "value10"), QVariantList({true, false, false}));
    QCOMPARE(modelReader::texts(values, "value5"), QStringList({"top", "centre", "bottom"}));

    screen.onRelayControlMenuActive(false);
    QCOMPARE(menu.rowCount(), 0);
    QCOMPARE(values.rowCount(), 0);
    QCOMPARE(menuState.size(), 2);
    QCOMPARE(menuState.at(1).at(0).toBool(), false);
}

void TestConfigureSystemMaintenance::relayRegulatorFollowsTheReportNotTheChoice()
{
    ConfigureSystemRelayViewManager screen(nullptr);
    QSignalSpy requests(&screen, &ConfigureSystemRelayViewManager::regulatorStateChangeRequest);
    screen.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    screen.onRelayControlMenuActive(true);
    view::ListModel &values = *screen.regulatorValueModel();

    screen.onRelayRegulatorValueSelected(RegulatorTypes::E_split);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).value<RegulatorTypes::RegulatorFunction>(),
             RegulatorTypes::E_split);
    // Not moved before the sauna says so.
    QCOMPARE(modelReader::column(values, "value10"), QVariantList({true, false, false}));

    screen.onSaunaRegulatorStateChanged(RegulatorTypes::E_split);
    QCOMPARE(modelReader::column(values, "value10"), QVariantList({false, false, true}));
    QCOMPARE(role(*screen.model(), 0, "value2").toString(), QStringLiteral("Split"));

    // The function survives closing and opening.
    screen.onRelayControlMenuActive(false);
    screen.onRelayControlMenuActive(true);
    QCOMPARE(modelReader::column(values, "value10"), QVariantList({false, false, true}));
    QCOMPARE(role(*screen.model(), 0, "value2").toString(), QStringLiteral("Split"));
}

void TestConfigureSystemMaintenance::relayChoicesAndTogglesOutOfRangeAreRefused()
{
    ConfigureSystemRelayViewManager screen(nullptr);
    QSignalSpy regulator(&screen, &ConfigureSystemRelayViewManager::regulatorStateChangeRequest);
    QSignalSpy relays(&screen, &ConfigureSystemRelayViewManager::relayStateChangeRequest);
    screen.onRelayControlMenuActive(true);

    screen.onRelayRegulatorValueSelected(5);
    screen.onRelayRegulatorValueSelected(-1);
    screen.onRelayRegulatorValueSelected(3);
    QCOMPARE(regulator.size(), 0);

    // A relay switch asks for the opposite of what it showed; ids past the 14 relays are refused.
    screen.onToggleChanged(RelayStatusTypes::E_x3x4, false);
    screen.onToggleChanged(RelayStatusTypes::E_x29x30, true);
    screen.onToggleChanged(14, false);
    screen.onToggleChanged(-1, false);
    QCOMPARE(relays.size(), 2);
    QCOMPARE(relays.at(0).at(0).value<RelayStatusTypes::RelayType>(), RelayStatusTypes::E_x3x4);
    QCOMPARE(relays.at(0).at(1).toBool(), true);
    QCOMPARE(relays.at(1).at(0).value<RelayStatusTypes::RelayType>(), RelayStatusTypes::E_x29x30);
    QCOMPARE(relays.at(1).at(1).toBool(), false);
    // The checkmarks stay as reported.
    QCOMPARE(modelReader::column(*screen.regulatorValueModel(), "value10"),
             QVariantList({true, false, false}));
}

void TestConfigureSystemMaintenance::relayReportsUpdateTheTableOfTheMasterBoardOnly()
{
    ConfigureSystemRelayViewManager screen(nullptr);
    screen.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    screen.onRelayControlMenuActive(true);
    // A report that changes a stored "in use" flag builds the menu anew: its row is a new one.
    QPointer<view::ListItem> row;
    const auto rebuiltBy = [&screen, &row](const RelayStatusTypes::RelayStatus &report) {
        row = screen.model()->itemAt(0);
        screen.onSaunaRcbRelayChanged(report);
        return row.isNull();
    };

    // The table starts with the 14 relays of the master board, none in use.
    RelayStatusTypes::RelayStatus unused;
    RelayStatusTypes::appendAllRelays(unused, 0);
    QCOMPARE(unused.size(), 14);
    QVERIFY(!rebuiltBy(unused));

    RelayStatusTypes::RelayStatusPost master;
    master.relay = RelayStatusTypes::E_x9x10;
    master.state1 = true;
    master.state2 = true;
    RelayStatusTypes::RelayStatusPost slave = master;
    slave.board = signalInterface::NodeInformationTypes::E_slave_1;
    slave.relay = RelayStatusTypes::E_x5x6;
    RelayStatusTypes::RelayStatusPost unknownRelay = master;
    unknownRelay.relay = static_cast<RelayStatusTypes::RelayType>(14);
    // Another board's post and a relay the board does not have are not the table's.
    QVERIFY(!rebuiltBy({slave, unknownRelay}));
    QVERIFY(rebuiltBy({slave, master, unknownRelay}));
    // The master's post is stored: the same report again changes nothing.
    QVERIFY(!rebuiltBy({master}));
    slave.board = signalInterface::NodeInformationTypes::E_master;
    slave.state1 = false;
    QVERIFY(!rebuiltBy({slave}));
}

void TestConfigureSystemMaintenance::relayReportWithoutStateChangeDoesNotRebuild()
{
    ConfigureSystemRelayViewManager screen(nullptr);
    screen.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    screen.onRelayControlMenuActive(true);
    view::ListItem *row = screen.model()->itemAt(0);
    QVERIFY(row);
    QSignalSpy reset(screen.model(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(screen.model(), &QAbstractItemModel::rowsRemoved);

    // Only the second state changes: the row stays the same object.
    RelayStatusTypes::RelayStatusPost post;
    post.relay = RelayStatusTypes::E_x7x8;
    post.state2 = true;
    screen.onSaunaRcbRelayChanged({post});
    QCOMPARE(screen.model()->itemAt(0), row);
    QCOMPARE(reset.size() + removed.size(), 0);

    // A change of the first state rebuilds the menu.
    post.state1 = true;
    screen.onSaunaRcbRelayChanged({post});
    QVERIFY(reset.size() + removed.size() > 0);
    QCOMPARE(screen.model()->rowCount(), 1);
    QCOMPARE(role(*screen.model(), 0, "value").toString(), QStringLiteral("Regulator"));
}

void TestConfigureSystemMaintenance::relayProductReportWhileClosedShowsAtNextOpening()
{
    ConfigureSystemRelayViewManager screen(nullptr);
    screen.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_public);
    QCOMPARE(screen.model()->rowCount(), 0);
    screen.onRelayControlMenuActive(true);
    QCOMPARE(screen.model()->rowCount(), 1);
    // While open, a product without a regulator takes the row away at once.
    screen.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_low);
    QCOMPARE(screen.model()->rowCount(), 0);
}

QTEST_MAIN(TestConfigureSystemMaintenance)
#include "tst_configure_system_maintenance.moc"
