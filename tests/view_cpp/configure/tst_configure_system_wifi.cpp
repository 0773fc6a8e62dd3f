#include "model_reader.h"

#include "control/settings.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_system_wifi_view_manager.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <type_traits>

using signalInterface::ConfigureTypes;
using signalInterface::UserMessageAction;
using signalInterface::RemoteSaunaTypes::ExternalUnit;
using signalInterface::RemoteSaunaTypes::WiFiNetwork;
using signalInterface::UserMessageTypes::UserMessage;
using view::ConfigureSystemWiFiViewManager;

// A stand-in for the Wi-Fi service, with the signals the screen listens to.
class FakeWiFiService : public QObject
{
    Q_OBJECT

signals:
    void wiFiEnableChanged(bool enabled);
    void wiFiAutoConnectChanged(bool autoConnect);
    void wiFiNetworkDetected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void wiFiNetworkScanFinished();
    void wiFiNetworkRemoved(QString name);
    void selectedNetworkChanged(QString name);
    void wiFiNetworkConnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void wiFiNetworkConnectionFailed(::signalInterface::RemoteSaunaTypes::WiFiNetwork network,
                                     QString reason);
    void wiFiNetworkDisconnected(::signalInterface::RemoteSaunaTypes::WiFiNetwork network);
    void timeConsumingActivityStarted();
    void timeConsumingActivityFinished();
    void wiFiNameChanged(QString name);
    void externalUnitConnected(::signalInterface::RemoteSaunaTypes::ExternalUnit unit);
    void externalUnitDisconnected(QHostAddress address, quint16 port);
};

// A stand-in for the screen's QML item, with its page signals and the keyboard editors' answers.
class FakeWiFiView : public QObject
{
    Q_OBJECT

public:
    // How many connections the SIGNAL() string's signal has.
    int connectionCount(const char *signal) const { return receivers(signal); }

signals:
    void wiFiViewVisibleChanged(bool visible);
    void wiFiNetworkViewVisibleChanged(bool visible);
    void wiFiExternalUnitsViewVisibleChanged(bool visible);
    void networkDetailsViewVisibleChanged(bool visible);
    void networkDeleteSelected();
    void toggleChanged(int id, bool shown);
    void saunaNameEditActivated();
    void rowItemSelected(int id);
    void networkRowItemSelected(int row);
    void networkScanPressed();
    void buttonPressed(int id);
    void saunaNameEditSaveSelected(QString text);
    void saunaNameEditCancelSelected();
    void networkPasswordEditSaveSelected(QString text);
    void networkPasswordEditCancelSelected();
};

namespace {

WiFiNetwork network(const QString &name, bool inRange, int level, const QString &password = {})
{
    WiFiNetwork result;
    result.name = name;
    result.inRange = inRange;
    result.signalLevel = level;
    result.password = password;
    return result;
}

ExternalUnit unit(const QString &address, quint16 port, int kind, const QString &text)
{
    ExternalUnit result;
    result.address = QHostAddress(address);
    result.port = port;
    result.value = kind;
    result.text1 = text;
    result.text2 = QStringLiteral("b");
    result.text3 = QStringLiteral("c");
    result.text4 = QStringLiteral("d");
    return result;
}

QVariant role(const view::ListModel &model, int row, const char *name)
{
    return modelReader::value(model, row, name);
}

// A missing signal reads as a default message: the comparison fails and the test runs on.
UserMessage messageOf(const QSignalSpy &spy, int index)
{
    return spy.value(index).value(0).value<UserMessage>();
}

// The screen wired to its stand-ins through its own connect operations.
struct WiredScreen
{
    explicit WiredScreen(QList<QHostAddress> addresses = {})
        : screen(nullptr, {[addresses] {
                     return addresses;
                 }})
    {
        QCOMPARE(screen.connectToView({&view}), 0);
        QCOMPARE(screen.connectToWiFiService({&service}), 0);
        QCOMPARE(screen.connectToWiFiServiceUnits({&service}), 0);
    }

    ConfigureSystemWiFiViewManager screen;
    FakeWiFiService service;
    FakeWiFiView view;
};

} // namespace

namespace {

// The message ids the screen raises are its own, not constants beside its interface.
template<typename T, typename = void>
struct HasPublicMessageIds : std::false_type
{};
template<typename T>
struct HasPublicMessageIds<
    T, std::void_t<decltype(T::notImplementedMessageId), decltype(T::connectFailedMessageId)>> :
    std::true_type
{};
static_assert(!HasPublicMessageIds<view::ConfigureSystemWiFiViewManager>::value);

} // namespace

class TestConfigureSystemWiFi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void connectOperationsCountWhatFails();
    void enableReportRebuildsTheMainPage();
    void togglesAskForTheOppositeOfWhatTheyShowed();
    void networkListShowsNetworksInRangeInNameOrder();
    void networkListFollowsTheServiceWhileShown();
    void connectionFailureIsToldOncePerNetworkWhileAutoConnecting();
    void networkInfoListsAddressesAndIdentity_data();
    void networkInfoListsAddressesAndIdentity();
    void detailsPageOffersConnectOrDisconnect();
    void forgettingAsksFirst();
    void passwordNoticeNamesTheUnlikelyCharacters();
    void editorsAnswerOnceHoweverOftenOpened();
    void saunaNameShowsTheReportedName();
    void externalUnitsAreKeyedByAddressAndPort();

private:
    QTemporaryDir m_configHome;
};

void TestConfigureSystemWiFi::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    signalInterface::registerMetaTypes();
    qRegisterMetaType<UserMessageAction *>("::signalInterface::UserMessageAction*");
}

void TestConfigureSystemWiFi::init()
{
    control::Settings::resetForTesting();
    QDir(m_configHome.path()).removeRecursively();
    QDir().mkpath(m_configHome.path());
}

void TestConfigureSystemWiFi::connectOperationsCountWhatFails()
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.core.qobject.connect=false\npanel.shared=false"));
    ConfigureSystemWiFiViewManager screen(nullptr);
    QObject stranger;
    QCOMPARE(screen.connectToView({&stranger}), 11);
    QCOMPARE(screen.connectToWiFiService({&stranger}), 11);
    QCOMPARE(screen.connectToWiFiServiceUnits({&stranger}), 3);
    QLoggingCategory::setFilterRules(QString());
}

void TestConfigureSystemWiFi::enableReportRebuildsTheMainPage()
{
    WiredScreen wired;
    view::ListModel &main = *wired.screen.wiFiModel();
    // The report rebuilds the page even before it was shown.
    emit wired.service.wiFiEnableChanged(true);
    QCOMPARE(modelReader::applIds(main), QList<int>({0, 1, 2}));
    QCOMPARE(role(main, 0, "value").toString(), QStringLiteral("Enable"));
    QCOMPARE(role(main, 0, "value2").toBool(), true);
    QCOMPARE(role(main, 1, "value").toString(), QStringLiteral("Network"));
    QCOMPARE(role(main, 1, "value5").toString(), QStringLiteral("top"));
    QCOMPARE(role(main, 2, "value").toString(), QStringLiteral("External Units"));
    QCOMPARE(role(main, 2, "value2").toString(), QStringLiteral("0"));
    QCOMPARE(role(main, 2, "value5").toString(), QStringLiteral("bottom"));

    emit wired.service.wiFiEnableChanged(false);
    QCOMPARE(modelReader::applIds(main), QList<int>({0}));
    QCOMPARE(role(main, 0, "value2").toBool(), false);

    emit wired.view.wiFiViewVisibleChanged(false);
    QCOMPARE(main.rowCount(), 0);
    emit wired.view.wiFiViewVisibleChanged(true);
    QCOMPARE(main.rowCount(), 1);

    // A row opens its page by its id.
    QSignalSpy edits(&wired.screen, &ConfigureSystemWiFiViewManager::editSelected);
    emit wired.view.rowItemSelected(ConfigureTypes::E_wiFiExternalUnits);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_wiFiExternalUnits));
}

void TestConfigureSystemWiFi::togglesAskForTheOppositeOfWhatTheyShowed()
{
    WiredScreen wired;
    QSignalSpy enable(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiEnableChangeRequest);
    QSignalSpy autoConnect(&wired.screen,
                           &ConfigureSystemWiFiViewManager::wiFiAutoConnectChangeRequest);
    emit wired.view.wiFiViewVisibleChanged(true);
    emit wired.view.toggleChanged(ConfigureTypes::E_wiFiNetworkEnable, false);
    emit wired.view.toggleChanged(ConfigureTypes::E_wiFiNetworkEnable, true);
    emit wired.view.toggleChanged(ConfigureTypes::E_wiFiAutoConnect, true);
    emit wired.view.toggleChanged(ConfigureTypes::E_wiFiScan, true);
    QCOMPARE(enable.size(), 2);
    QCOMPARE(enable.at(0).at(0).toBool(), true);
    QCOMPARE(enable.at(1).at(0).toBool(), false);
    QCOMPARE(autoConnect.size(), 1);
    QCOMPARE(autoConnect.at(0).at(0).toBool(), false);
    // The switch follows only the report.
    QCOMPARE(role(*wired.screen.wiFiModel(), 0, "value2").toBool(), false);
}

void TestConfigureSystemWiFi::networkListShowsNetworksInRangeInNameOrder()
{
    WiredScreen wired;
    QSignalSpy messages(&wired.screen, &ConfigureSystemWiFiViewManager::panelUserMessageIssued);
    QSignalSpy scans(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiScanRequested);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Old"), true, 10));
    emit wired.service.wiFiAutoConnectChanged(true);

    // Opening scans: a notice, the request, and the networks known so far are forgotten.
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messageOf(messages, 0).id, 0x2001u);
    QCOMPARE(scans.size(), 1);
    view::ListModel &list = *wired.screen.networkModel();
    QCOMPARE(list.rowCount(), 5);

    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Far away"), false, 5));
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Boathouse"), true, 40));
    QCOMPARE(modelReader::applIds(list), QList<int>({5, 0, 2, 3, 0, 3, 0}));
    QCOMPARE(role(list, 0, "value").toString(), QStringLiteral("Auto connect"));
    QCOMPARE(role(list, 0, "value2").toBool(), true);
    QCOMPARE(role(list, 1, "value").toString(), QStringLiteral("WiFi Networks"));
    QCOMPARE(role(list, 1, "value2").toInt(), 12);
    QCOMPARE(role(list, 2, "value").toString(), QStringLiteral("Boathouse"));
    QCOMPARE(role(list, 2, "value2").toString(), QStringLiteral("40%"));
    QCOMPARE(role(list, 2, "value5").toString(), QStringLiteral("top"));
    QCOMPARE(role(list, 2, "value11").toString(), QStringLiteral("selectableSubmenu"));
    QCOMPARE(role(list, 2, "value12").toBool(), true);
    QCOMPARE(role(list, 3, "value").toString(), QStringLiteral("Sauna"));
    QCOMPARE(role(list, 3, "value2").toString(), QStringLiteral("75%"));
    QCOMPARE(role(list, 3, "value5").toString(), QStringLiteral("bottom"));
    QCOMPARE(role(list, 5, "value").toString(), QStringLiteral("Scan"));
    QCOMPARE(modelReader::column(list, "componentType"), QVariantList({3, 5, 7, 7, 0, 6, 0}));

    // A network coming back in range with a new level replaces its record.
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Far away"), true, 20));
    QCOMPARE(list.rowCount(), 8);
    QCOMPARE(role(list, 3, "value").toString(), QStringLiteral("Far away"));
    QCOMPARE(role(list, 3, "value5").toString(), QStringLiteral("centre"));

    emit wired.view.wiFiNetworkViewVisibleChanged(false);
    QCOMPARE(list.rowCount(), 0);
    QCOMPARE(wired.screen.networkInfoModel()->rowCount(), 0);
}

void TestConfigureSystemWiFi::networkListFollowsTheServiceWhileShown()
{
    WiredScreen wired;
    view::ListModel &list = *wired.screen.networkModel();
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Boathouse"), true, 40));

    // Connected: checked at the next rebuild, which a change of the selected network makes.
    emit wired.service.wiFiNetworkConnected(network(QStringLiteral("Sauna"), true, 75));
    QCOMPARE(role(list, 3, "value10").toBool(), false);
    emit wired.service.selectedNetworkChanged(QStringLiteral("Sauna"));
    QCOMPARE(modelReader::column(list, "value10").mid(2, 2), QVariantList({false, true}));

    // Auto-connect refreshes the switch in place.
    view::ListItem *toggle = list.itemAt(0);
    emit wired.service.wiFiAutoConnectChanged(true);
    QCOMPARE(list.itemAt(0), toggle);
    QCOMPARE(role(list, 0, "value2").toBool(), true);

    // A disconnect of another network changes nothing; of the connected one, the check goes.
    emit wired.service.wiFiNetworkDisconnected(network(QStringLiteral("Boathouse"), true, 40));
    QCOMPARE(list.itemAt(0), toggle);
    emit wired.service.wiFiNetworkDisconnected(network(QStringLiteral("Sauna"), true, 75));
    QCOMPARE(modelReader::column(list, "value10").mid(2, 2), QVariantList({false, false}));

    // A removal rebuilds the list even while hidden.
    emit wired.view.wiFiNetworkViewVisibleChanged(false);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Boathouse"), true, 40));
    emit wired.service.wiFiNetworkRemoved(QStringLiteral("Boathouse"));
    QCOMPARE(list.rowCount(), 6);
    QCOMPARE(role(list, 2, "value").toString(), QStringLiteral("Sauna"));
    view::ListItem *saunaRow = list.itemAt(2);
    emit wired.service.wiFiNetworkRemoved(QStringLiteral("Nobody"));
    QCOMPARE(list.itemAt(2), saunaRow);
}

void TestConfigureSystemWiFi::connectionFailureIsToldOncePerNetworkWhileAutoConnecting()
{
    WiredScreen wired;
    QSignalSpy messages(&wired.screen, &ConfigureSystemWiFiViewManager::panelUserMessageIssued);
    const WiFiNetwork sauna = network(QStringLiteral("Sauna"), true, 75);

    // Without auto-connect every failure is told.
    emit wired.service.wiFiNetworkConnectionFailed(sauna, QStringLiteral("timeout"));
    emit wired.service.wiFiNetworkConnectionFailed(sauna, QStringLiteral("timeout"));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messageOf(messages, 0).id, 0x2046u);
    QCOMPARE(messageOf(messages, 0).type, signalInterface::UserMessageTypes::E_typeOneButton);
    QCOMPARE(messageOf(messages, 0).arguments,
             QStringList({QStringLiteral("Sauna"), QStringLiteral("timeout")}));

    // While auto-connect retries, once until another network is selected.
    emit wired.service.wiFiAutoConnectChanged(true);
    emit wired.service.wiFiNetworkConnectionFailed(sauna, QStringLiteral("refused"));
    QCOMPARE(messages.size(), 2);
    emit wired.service.selectedNetworkChanged(QStringLiteral("Boathouse"));
    emit wired.service.wiFiNetworkConnectionFailed(sauna, QStringLiteral("refused"));
    emit wired.service.wiFiNetworkConnectionFailed(sauna, QStringLiteral("refused"));
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messageOf(messages, 2).arguments.at(1), QStringLiteral("refused"));
}

void TestConfigureSystemWiFi::networkInfoListsAddressesAndIdentity_data()
{
    QTest::addColumn<QList<QHostAddress>>("addresses");
    QTest::addColumn<bool>("identity");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QVariantList>("headings");
    QTest::newRow("none") << QList<QHostAddress>() << false << QStringList({"No IP address found"})
                          << QVariantList{false};
    QTest::newRow("one") << QList<QHostAddress>({QHostAddress("10.1.2.3")}) << false
                         << QStringList({"IP address: 10.1.2.3"}) << QVariantList{false};
    QTest::newRow("two with identity")
        << QList<QHostAddress>({QHostAddress("10.1.2.3"), QHostAddress("192.168.5.6")}) << true
        << QStringList({"IP addresses", "  10.1.2.3", "  192.168.5.6", "", "Identity",
                        "{0b7d2c11-7e44-4f0a-b3b2-6c7a9d1e2f30}"})
        << QVariantList({true, false, false, false, true, false});
}

void TestConfigureSystemWiFi::networkInfoListsAddressesAndIdentity()
{
    QFETCH(QList<QHostAddress>, addresses);
    QFETCH(bool, identity);
    QFETCH(QStringList, lines);
    QFETCH(QVariantList, headings);
    if (identity)
        control::Settings::setValue(QString::fromLatin1(control::Settings::wifiIdentityKey),
                                    QStringLiteral("0b7d2c11-7e44-4f0a-b3b2-6c7a9d1e2f30"));
    WiredScreen wired(addresses);
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    const view::ListModel &info = *wired.screen.networkInfoModel();
    QCOMPARE(modelReader::texts(info, "value"), lines);
    QCOMPARE(modelReader::column(info, "value2"), headings);
}

void TestConfigureSystemWiFi::detailsPageOffersConnectOrDisconnect()
{
    WiredScreen wired;
    QSignalSpy edits(&wired.screen, &ConfigureSystemWiFiViewManager::editSelected);
    QSignalSpy applicable(&wired.screen, &ConfigureSystemWiFiViewManager::deleteNetworkApplicable);
    QSignalSpy connects(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiConnectRequested);
    QSignalSpy disconnects(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiDisconnectRequested);
    QSignalSpy messages(&wired.screen, &ConfigureSystemWiFiViewManager::panelUserMessageIssued);
    const QString longName = QStringLiteral("A network of twenty-three");
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.service.wiFiNetworkDetected(network(longName, true, 30));
    emit wired.service.wiFiNetworkConnected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.service.selectedNetworkChanged(QStringLiteral("Sauna"));
    view::ListModel &details = *wired.screen.singleNetworkDetailsModel();

    // Row 3 is "Sauna", the connected and selected network.
    emit wired.view.networkRowItemSelected(3);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_wiFiNetworkDetails));
    emit wired.view.networkDetailsViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(details), QList<int>({0, 7, 8}));
    QCOMPARE(modelReader::texts(details, "value"),
             QStringList({"Sauna", "Disconnect", "Password"}));
    QCOMPARE(role(details, 0, "value2").toInt(), 16);
    QVERIFY(!applicable.isEmpty());
    QCOMPARE(applicable.at(0).at(0).toBool(), false);
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiDisconnect);
    QCOMPARE(disconnects.size(), 1);
    QCOMPARE(disconnects.at(0).at(0).toString(), QStringLiteral("Sauna"));
    QCOMPARE(messageOf(messages, messages.size() - 1).id, 0x2001u);
    QVERIFY(edits.size() > 1);
    QCOMPARE(edits.at(1).at(0).toInt(), int(ConfigureTypes::E_wiFiNetworks));

    // Row 2 is the long name, not connected: Connect, a small title, forget allowed.
    emit wired.view.networkRowItemSelected(2);
    emit wired.view.networkDetailsViewVisibleChanged(true);
    QCOMPARE(modelReader::applIds(details), QList<int>({0, 6, 8}));
    QCOMPARE(modelReader::texts(details, "value"), QStringList({longName, "Connect", "Password"}));
    QCOMPARE(role(details, 0, "value2").toInt(), 12);
    QVERIFY(applicable.size() > 1);
    QCOMPARE(applicable.at(1).at(0).toBool(), true);
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiConnect);
    QCOMPARE(connects.size(), 1);
    QCOMPARE(connects.at(0).at(0).toString(), longName);

    // A row position without a network row keeps the chosen network.
    emit wired.view.networkRowItemSelected(0);
    emit wired.view.networkRowItemSelected(99);
    emit wired.view.networkDetailsViewVisibleChanged(true);
    QCOMPARE(role(details, 0, "value").toString(), longName);
    emit wired.view.networkDetailsViewVisibleChanged(false);
    QCOMPARE(details.rowCount(), 0);
}

void TestConfigureSystemWiFi::forgettingAsksFirst()
{
    WiredScreen wired;
    QSignalSpy messages(&wired.screen, &ConfigureSystemWiFiViewManager::panelUserMessageIssued);
    QSignalSpy deletes(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiNetworkDeleteRequested);
    QSignalSpy edits(&wired.screen, &ConfigureSystemWiFiViewManager::editSelected);
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.view.networkRowItemSelected(2);
    edits.clear();
    const int before = messages.size();

    emit wired.view.networkDeleteSelected();
    QCOMPARE(messages.size(), before + 1);
    const UserMessage question = messageOf(messages, before);
    QCOMPARE(question.id, 0x203au);
    QCOMPARE(question.type, signalInterface::UserMessageTypes::E_typeTwoButtons);
    QCOMPARE(question.arguments, QStringList({QStringLiteral("Sauna")}));
    auto *action = messages.at(before).at(1).value<UserMessageAction *>();
    QVERIFY(action);
    action->execute(signalInterface::UserMessageTypes::E_answerNo);
    QCOMPARE(deletes.size(), 0);
    QCOMPARE(edits.size(), 0);
    action->execute(signalInterface::UserMessageTypes::E_answerYes);
    QCOMPARE(deletes.size(), 1);
    QCOMPARE(deletes.at(0).at(0).toString(), QStringLiteral("Sauna"));
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_wiFiRoot));
}

void TestConfigureSystemWiFi::passwordNoticeNamesTheUnlikelyCharacters()
{
    WiredScreen wired;
    QSignalSpy keyboard(&wired.screen, &ConfigureSystemWiFiViewManager::openKeyboard);
    QSignalSpy closed(&wired.screen, &ConfigureSystemWiFiViewManager::closeKeyboard);
    QSignalSpy changes(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiNetworkChangeRequest);
    QSignalSpy messages(&wired.screen, &ConfigureSystemWiFiViewManager::panelUserMessageIssued);
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    emit wired.service.wiFiNetworkDetected(
        network(QStringLiteral("Sauna"), true, 75, QStringLiteral("old")));
    emit wired.view.networkRowItemSelected(2);
    const int before = messages.size();

    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    QCOMPARE(keyboard.size(), 1);
    QCOMPARE(keyboard.at(0).at(0).toString(), QStringLiteral("old"));
    // Latin-1 letters are fine; the euro sign and the check mark are not.
    const QString typed = QStringLiteral("S\u00e4\u00e4n\u20ac ok\u2713");
    emit wired.view.networkPasswordEditSaveSelected(typed);
    QCOMPARE(changes.size(), 1);
    const WiFiNetwork changed = changes.at(0).at(0).value<WiFiNetwork>();
    QCOMPARE(changed.name, QStringLiteral("Sauna"));
    QCOMPARE(changed.password, typed);
    QCOMPARE(changed.signalLevel, 75);
    QCOMPARE(messages.size(), before + 1);
    QCOMPARE(messageOf(messages, before).id, 0x2048u);
    QCOMPARE(messageOf(messages, before).arguments, QStringList({QStringLiteral("\u20ac\u2713")}));
    QCOMPARE(closed.size(), 1);

    // A plain password gives no notice.
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    emit wired.view.networkPasswordEditSaveSelected(QStringLiteral("p\u00e5ssword"));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(messages.size(), before + 1);

    // A network that is gone gets no password, but the keyboard still closes.
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    emit wired.service.wiFiNetworkRemoved(QStringLiteral("Sauna"));
    emit wired.view.networkPasswordEditSaveSelected(QStringLiteral("new"));
    QCOMPARE(changes.size(), 2);
    QCOMPARE(closed.size(), 3);
    // And the password button of a network that is gone opens nothing.
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    QCOMPARE(keyboard.size(), 3);
}

void TestConfigureSystemWiFi::editorsAnswerOnceHoweverOftenOpened()
{
    WiredScreen wired;
    QSignalSpy names(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiNameChangeRequest);
    QSignalSpy closed(&wired.screen, &ConfigureSystemWiFiViewManager::closeKeyboard);
    QSignalSpy changes(&wired.screen, &ConfigureSystemWiFiViewManager::wiFiNetworkChangeRequest);

    // The editor's answer counts only while it is open, and once however often it was opened.
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("early"));
    QCOMPARE(names.size(), 0);
    emit wired.view.saunaNameEditActivated();
    emit wired.view.saunaNameEditActivated();
    QCOMPARE(wired.view.connectionCount(SIGNAL(saunaNameEditSaveSelected(QString))), 1);
    QCOMPARE(wired.view.connectionCount(SIGNAL(saunaNameEditCancelSelected())), 1);
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("Cabin"));
    QCOMPARE(names.size(), 1);
    QCOMPARE(names.at(0).at(0).toString(), QStringLiteral("Cabin"));
    QCOMPARE(closed.size(), 1);
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("late"));
    emit wired.view.saunaNameEditCancelSelected();
    QCOMPARE(names.size(), 1);
    QCOMPARE(closed.size(), 1);
    QCOMPARE(wired.view.connectionCount(SIGNAL(saunaNameEditSaveSelected(QString))), 0);

    emit wired.view.saunaNameEditActivated();
    emit wired.view.saunaNameEditActivated();
    emit wired.view.saunaNameEditCancelSelected();
    QCOMPARE(closed.size(), 2);
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("after cancel"));
    QCOMPARE(names.size(), 1);

    // The same for the password editor; it does not answer the name editor's signals.
    emit wired.view.wiFiNetworkViewVisibleChanged(true);
    emit wired.service.wiFiNetworkDetected(network(QStringLiteral("Sauna"), true, 75));
    emit wired.view.networkRowItemSelected(2);
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    emit wired.view.buttonPressed(ConfigureTypes::E_wiFiChangePassword);
    QCOMPARE(wired.view.connectionCount(SIGNAL(networkPasswordEditSaveSelected(QString))), 1);
    QCOMPARE(wired.view.connectionCount(SIGNAL(networkPasswordEditCancelSelected())), 1);
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("not a password"));
    QCOMPARE(names.size(), 1);
    emit wired.view.networkPasswordEditSaveSelected(QStringLiteral("secret"));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(closed.size(), 3);
    emit wired.view.networkPasswordEditSaveSelected(QStringLiteral("again"));
    emit wired.view.networkPasswordEditCancelSelected();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(closed.size(), 3);
}

void TestConfigureSystemWiFi::saunaNameShowsTheReportedName()
{
    WiredScreen wired;
    QSignalSpy shown(&wired.screen, &ConfigureSystemWiFiViewManager::saunaNameChanged);
    QSignalSpy keyboard(&wired.screen, &ConfigureSystemWiFiViewManager::openKeyboard);
    emit wired.service.wiFiNameChanged(QStringLiteral("Lake sauna"));
    QCOMPARE(shown.size(), 1);
    emit wired.view.saunaNameEditActivated();
    QVERIFY(!keyboard.isEmpty());
    QCOMPARE(keyboard.at(0).at(0).toString(), QStringLiteral("Lake sauna"));
    emit wired.view.saunaNameEditSaveSelected(QStringLiteral("Renamed"));
    // Not shown before the service reports it.
    emit wired.view.wiFiViewVisibleChanged(true);
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.at(1).at(0).toString(), QStringLiteral("Lake sauna"));

    // The service's activity signals are passed on.
    QSignalSpy started(&wired.screen,
                       &ConfigureSystemWiFiViewManager::timeConsumingActivityStarted);
    QSignalSpy finished(&wired.screen,
                        &ConfigureSystemWiFiViewManager::timeConsumingActivityFinished);
    emit wired.service.timeConsumingActivityStarted();
    emit wired.service.timeConsumingActivityFinished();
    QCOMPARE(started.size(), 1);
    QCOMPARE(finished.size(), 1);
}

void TestConfigureSystemWiFi::externalUnitsAreKeyedByAddressAndPort()
{
    WiredScreen wired;
    emit wired.service.wiFiEnableChanged(true);
    view::ListModel &units = *wired.screen.externalUnitsModel();
    view::ListModel &main = *wired.screen.wiFiModel();
    emit wired.view.wiFiExternalUnitsViewVisibleChanged(true);

    emit wired.service.externalUnitConnected(unit(QStringLiteral("10.0.0.2"), 100, 0, "phone"));
    emit wired.service.externalUnitConnected(unit(QStringLiteral("10.0.0.2"), 101, 1, "tablet"));
    emit wired.service.externalUnitConnected(unit(QStringLiteral("10.0.0.10"), 5, 3, "home"));
    // The same address and port again replaces the unit.
    emit wired.service.externalUnitConnected(unit(QStringLiteral("10.0.0.2"), 100, 2, "pad"));
    QCOMPARE(role(main, 2, "value2").toString(), QStringLiteral("3"));
    // In the order of the address as text, then of the port.
    QCOMPARE(modelReader::texts(units, "textOnSubMenu"), QStringList({"1", "2", "3"}));
    QCOMPARE(modelReader::texts(units, "textValue1"),
             QStringList({"Home Automation", "Tablet", "Smart Phone"}));
    QCOMPARE(modelReader::texts(units, "textValue2"), QStringList({"home b", "pad b", "tablet b"}));
    QCOMPARE(modelReader::texts(units, "textValue3"), QStringList({"c d", "c d", "c d"}));
    QCOMPARE(modelReader::column(units, "backgroundPressedMode"), QVariantList({2, 2, 2}));

    emit wired.service.externalUnitDisconnected(QHostAddress(QStringLiteral("10.0.0.2")), 99);
    QCOMPARE(units.rowCount(), 3);
    emit wired.service.externalUnitDisconnected(QHostAddress(QStringLiteral("10.0.0.2")), 100);
    QCOMPARE(modelReader::texts(units, "textValue2"), QStringList({"home b", "tablet b"}));
    QCOMPARE(role(main, 2, "value2").toString(), QStringLiteral("2"));

    emit wired.view.wiFiExternalUnitsViewVisibleChanged(false);
    QCOMPARE(units.rowCount(), 0);
    emit wired.service.externalUnitConnected(unit(QStringLiteral("10.0.0.3"), 1, 0, "x"));
    QCOMPARE(units.rowCount(), 0);
    QCOMPARE(role(main, 2, "value2").toString(), QStringLiteral("3"));
}

QTEST_MAIN(TestConfigureSystemWiFi)
#include "tst_configure_system_wifi.moc"
