#include "pc_panel/connection_informer.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/protocol_facts.h"

#include "fake_sauna_peer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <memory>

using pcPanel::ConnectionStateMachine;
using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

Q_DECLARE_METATYPE(vaholumo::Announcement)

namespace {

SaunaCommunication::Timing shortTiming()
{
    SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 60000;
    timing.ipDetectTimeoutMs = 400;
    timing.connection.connectReplyTimeoutMs = 400;
    timing.connection.reconnectIntervalMs = 100;
    timing.connection.defaultKeepAliveIntervalMs = 150;
    return timing;
}

// The reconnect period runs out only when a test makes it.
SaunaCommunication::Timing heldRetryTiming()
{
    SaunaCommunication::Timing timing = shortTiming();
    timing.connection.reconnectIntervalMs = 600000;
    return timing;
}

QByteArray bytesOf(const google::protobuf::MessageLite &message)
{
    return QByteArray::fromStdString(message.SerializeAsString());
}

// Timing in which discovered saunas wait for their write far longer than any test runs: only the
// quit or the end of the link writes them.
SaunaCommunication::Timing heldSaveTiming()
{
    SaunaCommunication::Timing timing = shortTiming();
    timing.discoveredSaveDelayMs = 3600 * 1000;
    return timing;
}

// The file as it lies on disk: QSettings objects of one process share what they have not written
// yet, so only the raw file shows what was written.
QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray identityText(const QUuid &identity)
{
    return identity.toString().toLatin1();
}

} // namespace

// Stands in for the Network screen: the five requests it sends to the link.
class FakeNetworkScreen : public QObject
{
    Q_OBJECT

signals:
    void autoConnectChangeRequest(bool autoConnect);
    void connectRequest(QUuid identity);
    void disconnectRequest();
    void remoteSaunaChangeRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna,
                                  bool store);
    void ipDetectRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
};

// The link against a fake sauna on loopback: discovery, connect, keep-alive, loss, reconnect,
// disconnect, and the stored list of saunas.
class TestSaunaCommunication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void connectsWithTheRightPin();
    void refusesTheWrongPin();
    void sendsNumberedKeepAlives();
    void anyDatagramIsASignOfLife();
    void losesAndReconnects();
    void autoConnectOffNeverConnectsByItself();
    void autoConnectConnectsWhenTheAddressIsLearned();
    void unansweredConnectIsRetried_data();
    void unansweredConnectIsRetried();
    void enteredPinEndsTheWrongPinHold_data();
    void enteredPinEndsTheWrongPinHold();
    void enteredPinGoesIntoTheReconnectAttempts();
    void otherSystemAtTheSaunasAddressGetsNothing();
    void userDisconnectReachesTheSauna();
    void anotherSaunaReplacesTheReports();
    void destructionDisconnectsFirst();
    void ipDetectWithoutAnswer();
    void malformedAnnouncementsAreIgnored_data();
    void malformedAnnouncementsAreIgnored();
    void malformedConnectRepliesAreIgnored_data();
    void malformedConnectRepliesAreIgnored();
    void remoteSaunaChangesAreChecked();
    void listSurvivesARestartWithEncipheredPins();
    void corruptStoredEntryIsLeftOut();
    void fallbackAnnouncementPort();
    void currentStateInOrder();
    void connectOperationsReportFailures();
    void announcementFloodIsBoundedAndWrittenOnce();
    void discoveredSaunaReachesTheFile_data();
    void discoveredSaunaReachesTheFile();
    void storedListBeyondCapacityIsTrimmed();
    void announcedNameIsCut_data();
    void announcedNameIsCut();
    void longAnnouncedNameKeepsTheFileSmall();
    // Last: it runs the application's event loop to its end.
    void quitSendsTheDisconnect();

private:
    std::unique_ptr<SaunaCommunication> makeLink();
    // Learns the peer's address by IP detect and stores its PIN.
    void discover(SaunaCommunication &link, FakeSaunaPeer &peer, const QString &pin);
    void connectLink(SaunaCommunication &link, FakeSaunaPeer &peer);
    QString settingsFile() const { return control::Settings::settings()->fileName(); }

    int m_run = 0;
};

void TestSaunaCommunication::init()
{
    // Each test has a store of its own, so that no cached file content leaks between tests.
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings names(QStringLiteral("LinkTest%1").arg(++m_run), QStringLiteral("PC_Panel"));
    QFile::remove(settingsFile());
}

void TestSaunaCommunication::cleanup()
{
    control::Settings::resetForTesting();
}

std::unique_ptr<SaunaCommunication> TestSaunaCommunication::makeLink()
{
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, shortTiming());
    if (!link->bindSaunaSystemSocket(0) || !link->startAnnouncements())
        return nullptr;
    return link;
}

void TestSaunaCommunication::discover(SaunaCommunication &link, FakeSaunaPeer &peer,
                                      const QString &pin)
{
    QSignalSpy detected(&link, &SaunaCommunication::ipDetectDone);
    link.onIpDetectRequest(peer.searchedAt());
    QVERIFY(detected.wait(5000));
    QCOMPARE(detected.count(), 1);
    QCOMPARE(detected.at(0).at(0).toString(),
             QStringLiteral("127.0.0.1:%1").arg(peer.announcementPort()));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    QCOMPARE(link.remoteSaunas().size(), 1);
    RemoteSauna sauna = link.remoteSaunas().front();
    QCOMPARE(sauna.identity, peer.identity);
    QCOMPARE(sauna.address, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(sauna.port, peer.saunaPort());
    QVERIFY(sauna.linkValue > 0);
    sauna.pin.setPin(pin);
    link.onRemoteSaunaChangeRequest(sauna, true);
}

void TestSaunaCommunication::connectLink(SaunaCommunication &link, FakeSaunaPeer &peer)
{
    discover(link, peer, peer.pin);
    QSignalSpy connected(&link, &SaunaCommunication::connectedChanged);
    link.onConnectRequest(peer.identity);
    QTRY_VERIFY(link.isConnected());
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), true);
}

void TestSaunaCommunication::connectsWithTheRightPin()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, peer, QStringLiteral("1234"));
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy identified(machine, &ConnectionStateMachine::remoteApplicationIdentified);
    QSignalSpy product(link->saunaSystemReceiver(),
                       &pcPanel::SaunaSystemReceiver::saunaMasterProductChanged);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);
    QSignalSpy manualDone(link.get(), &SaunaCommunication::manualConnectDone);
    QSignalSpy selected(link.get(), &SaunaCommunication::selectedRemoteSaunaChanged);

    link->onConnectRequest(peer.identity);
    QCOMPARE(manualDone.count(), 1);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toUuid(), peer.identity);
    QTRY_COMPARE(succeeded.count(), 1);
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), true);
    QCOMPARE(identified.count(), 1);
    QCOMPARE(product.count(), 1);
    QCOMPARE(QString::fromStdString(peer.received().front().envelope.connect_request().pin_code()),
             QStringLiteral("1234"));

    // Requests now reach the sauna.
    peer.clearReceived();
    link->saunaSystemSender()->onTargetTemperatureChangeRequested(720);
    QTRY_COMPARE(
        peer.count([](const auto &e) { return e.integer_value_change_request_size() == 1; }), 1);
    // And its reports reach the panel.
    QSignalSpy target(link->saunaSystemReceiver(),
                      &pcPanel::SaunaSystemReceiver::saunaTargetTemperatureChanged);
    peer.sendTargetTemperature(700);
    QVERIFY(target.wait(5000));
    QCOMPARE(target.at(0).at(0).toInt(), 700);
}

void TestSaunaCommunication::refusesTheWrongPin()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, peer, signalInterface::PinTypes::Pin::defaultPinText());
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);

    link->onConnectRequest(peer.identity);
    QVERIFY(pinFail.wait(5000));
    QCOMPARE(pinFail.at(0).at(0).value<RemoteSauna>().name, peer.name);
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(connected.count(), 0);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);

    // Nothing is pending that could try again by itself.
    QVERIFY(!machine->hasActiveTimer());

    // Nothing from the sauna is taken after a refusal. The link reads its socket before the spy
    // hears of the datagram, so the report has been read and dropped when the wait ends.
    QSignalSpy target(link->saunaSystemReceiver(),
                      &pcPanel::SaunaSystemReceiver::saunaTargetTemperatureChanged);
    QSignalSpy read(link->saunaSystemSocket(), &QUdpSocket::readyRead);
    peer.sendTargetTemperature(700);
    QVERIFY(read.wait(5000));
    QVERIFY(!link->saunaSystemSocket()->hasPendingDatagrams());
    QCOMPARE(target.count(), 0);

    // Nothing goes out either: the connect request of a second attempt, sent later through the
    // same socket, is the first datagram the sauna gets after the refusal.
    peer.clearReceived();
    link->saunaSystemSender()->onTargetTemperatureChangeRequested(720);
    link->onConnectRequest(peer.identity);
    QVERIFY(pinFail.wait(5000));
    QCOMPARE(peer.received().size(), size_t(1));
    QVERIFY(peer.received().front().envelope.has_connect_request());
}

void TestSaunaCommunication::sendsNumberedKeepAlives()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    QTRY_VERIFY(peer.keepAliveNumbers().size() >= 4);
    const std::vector<quint32> numbers = peer.keepAliveNumbers();
    // One more than the last one, every time, starting at 1.
    for (size_t i = 0; i < numbers.size(); ++i)
        QCOMPARE(numbers[i], quint32(i + 1));
    QVERIFY(link->connectionStateMachine()->keepAliveSequenceNumber(peer.identity) >=
            numbers.back());
}

void TestSaunaCommunication::anyDatagramIsASignOfLife()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    QSignalSpy lost(link->connectionStateMachine(), &ConnectionStateMachine::connectionLost);
    peer.answerKeepAlives = false;
    // Reports without keep-alives, for well past three keep-alive intervals (450 ms).
    int reports = 0;
    QTimer reporter;
    connect(&reporter, &QTimer::timeout, &reporter, [&] {
        peer.sendTargetTemperature(700);
        ++reports;
    });
    reporter.start(40);
    QTRY_VERIFY_WITH_TIMEOUT(reports >= 30, 10000);
    QCOMPARE(lost.count(), 0);
    QVERIFY(link->isConnected());
    reporter.stop();
    QVERIFY(lost.wait(5000));
}

void TestSaunaCommunication::losesAndReconnects()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy identified(machine, &ConnectionStateMachine::remoteApplicationIdentified);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);
    QTRY_VERIFY(!peer.keepAliveNumbers().empty());

    peer.answerKeepAlives = false;
    peer.answerConnects = false;
    QVERIFY(lost.wait(5000));
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), false);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    const quint32 lastBeforeLoss = peer.keepAliveNumbers().back();
    const int requestsBefore = peer.connectRequests();
    QTRY_VERIFY(peer.connectRequests() >= requestsBefore + 2);
    QCOMPARE(reconnected.count(), 0);

    peer.answerKeepAlives = true;
    peer.answerConnects = true;
    QVERIFY(reconnected.wait(5000));
    QCOMPARE(identified.count(), 1);
    QCOMPARE(connected.count(), 2);
    QCOMPARE(connected.at(1).at(0).toBool(), true);
    QCOMPARE(lost.count(), 1);
    // The sauna's keep-alive count goes on where it stopped.
    QTRY_VERIFY(peer.keepAliveNumbers().back() > lastBeforeLoss);
}

void TestSaunaCommunication::autoConnectOffNeverConnectsByItself()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    QSignalSpy autoConnect(link.get(), &SaunaCommunication::autoConnectChanged);
    link->onAutoConnectChangeRequest(false);
    QCOMPARE(autoConnect.count(), 1);
    QCOMPARE(autoConnect.at(0).at(0).toBool(), false);
    // Switching it off keeps the working connection.
    QVERIFY(link->isConnected());

    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    peer.answerKeepAlives = false;
    QVERIFY(lost.wait(5000));
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    // No reconnect attempt is scheduled: nothing is left that could start one by itself.
    QVERIFY(!machine->hasActiveTimer());

    // Learning the address again does not connect either. The announcement is handled whole
    // before the wait ends, and an attempt would have left Idle on the way.
    QSignalSpy states(machine, &ConnectionStateMachine::stateChanged);
    QSignalSpy detected(link.get(), &SaunaCommunication::ipDetectDone);
    link->onIpDetectRequest(peer.searchedAt());
    QVERIFY(detected.wait(5000));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    QCOMPARE(states.count(), 0);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QVERIFY(!machine->hasActiveTimer());
    QVERIFY(!link->isConnected());
}

void TestSaunaCommunication::autoConnectConnectsWhenTheAddressIsLearned()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    QVERIFY(link->autoConnect()); // the stored default
    // Selected and given its PIN before its address is known: nothing to connect to yet.
    link->onConnectRequest(peer.identity);
    RemoteSauna sauna;
    sauna.identity = peer.identity;
    sauna.name = peer.name;
    sauna.pin.setPin(peer.pin);
    link->onRemoteSaunaChangeRequest(sauna, true);
    QCOMPARE(peer.connectRequests(), 0);

    QSignalSpy succeeded(link->connectionStateMachine(), &ConnectionStateMachine::connectSucceeded);
    link->onIpDetectRequest(peer.searchedAt());
    QVERIFY(succeeded.wait(5000));
    QVERIFY(link->isConnected());
    QCOMPARE(peer.connectRequests(), 1);
}

void TestSaunaCommunication::unansweredConnectIsRetried_data()
{
    QTest::addColumn<bool>("autoConnect");
    QTest::addColumn<bool>("byHand");
    QTest::newRow("auto-connect on an announcement") << true << false;
    QTest::newRow("by hand with auto-connect") << true << true;
    QTest::newRow("by hand without auto-connect") << false << true;
}

void TestSaunaCommunication::unansweredConnectIsRetried()
{
    QFETCH(bool, autoConnect);
    QFETCH(bool, byHand);
    // The sauna answers announcement requests but drops the first connect request.
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, heldRetryTiming());
    QVERIFY(link->bindSaunaSystemSocket(0));
    QVERIFY(link->startAnnouncements());
    link->onAutoConnectChangeRequest(autoConnect);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy noResponse(machine, &ConnectionStateMachine::connectFailedNoResponse);
    if (byHand) {
        discover(*link, peer, peer.pin);
        link->onConnectRequest(peer.identity);
    } else {
        // Selected and given its PIN before; the announcement tells the address.
        link->onConnectRequest(peer.identity);
        RemoteSauna sauna;
        sauna.identity = peer.identity;
        sauna.name = peer.name;
        sauna.pin.setPin(peer.pin);
        link->onRemoteSaunaChangeRequest(sauna, true);
        peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
    }
    QVERIFY(noResponse.wait(5000));
    QTRY_COMPARE(peer.connectRequests(), 1);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    QSignalSpy states(machine, &ConnectionStateMachine::stateChanged);
    if (!autoConnect) {
        // One attempt, and the sauna announcing itself again from the same address does not
        // start another: the announcement is handled whole before the wait ends.
        QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
        QVERIFY(!machine->hasActiveTimer());
        peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
        QVERIFY(changed.wait(5000));
        QCOMPARE(states.count(), 0);
        QVERIFY(!machine->hasActiveTimer());
        return;
    }
    // Tried again one reconnect period later, with no new address needed.
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    auto *reconnectTimer =
        machine->findChild<QTimer *>(QStringLiteral("reconnectTimer"), Qt::FindDirectChildrenOnly);
    QVERIFY(reconnectTimer != nullptr);
    QVERIFY(reconnectTimer->isActive());
    QCOMPARE(reconnectTimer->interval(), heldRetryTiming().connection.reconnectIntervalMs);
    peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
    QVERIFY(changed.wait(5000));
    QCOMPARE(states.count(), 0);
    QCOMPARE(peer.connectRequests(), 1);

    peer.answerConnects = true;
    QVERIFY(QMetaObject::invokeMethod(reconnectTimer, "timeout"));
    QTRY_VERIFY(link->isConnected());
    QCOMPARE(peer.connectRequests(), 2);
    QCOMPARE(noResponse.count(), 1);
}

void TestSaunaCommunication::enteredPinEndsTheWrongPinHold_data()
{
    QTest::addColumn<bool>("autoConnect");
    QTest::addColumn<QString>("pin");
    QTest::newRow("the right PIN") << true << QStringLiteral("1234");
    QTest::newRow("the refused PIN once more")
        << true << signalInterface::PinTypes::Pin::defaultPinText();
    QTest::newRow("without auto-connect") << false << QStringLiteral("1234");
}

void TestSaunaCommunication::enteredPinEndsTheWrongPinHold()
{
    QFETCH(bool, autoConnect);
    QFETCH(QString, pin);
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, peer, signalInterface::PinTypes::Pin::defaultPinText());
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);
    link->onConnectRequest(peer.identity);
    QVERIFY(pinFail.wait(5000));
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(peer.connectRequests(), 1);
    link->onAutoConnectChangeRequest(autoConnect);
    // Held: switching auto-connect on does not try the refused PIN.
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);

    // The user enters a PIN on the Network screen and saves it.
    RemoteSauna sauna = link->remoteSaunas().front();
    sauna.pin.setPin(pin);
    QSignalSpy states(machine, &ConnectionStateMachine::stateChanged);
    link->onRemoteSaunaChangeRequest(sauna, true);
    if (!autoConnect) {
        QCOMPARE(states.count(), 0);
        QVERIFY(!machine->hasActiveTimer());
        return;
    }
    // At once, with that PIN.
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Connecting);
    QTRY_COMPARE(peer.connectRequests(), 2);
    QCOMPARE(QString::fromStdString(peer.received().back().envelope.connect_request().pin_code()),
             pin);
    if (pin == peer.pin) {
        QTRY_VERIFY(link->isConnected());
        return;
    }
    // Refused again: held again, with nothing left that could try by itself.
    QTRY_COMPARE(pinFail.count(), 2);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QVERIFY(!machine->hasActiveTimer());
}

void TestSaunaCommunication::enteredPinGoesIntoTheReconnectAttempts()
{
    FakeSaunaPeer peer;
    SaunaCommunication::Timing timing = heldRetryTiming();
    // Every connection lasts an hour: a loss is asked about again at once.
    qint64 now = 1;
    timing.connection.monotonicMs = [&now] {
        now += ConnectionStateMachine::MaximumKeepAliveIntervalMs;
        return now;
    };
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, timing);
    QVERIFY(link->bindSaunaSystemSocket(0));
    QVERIFY(link->startAnnouncements());
    connectLink(*link, peer);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);

    // The sauna restarts and does not answer yet; the panel keeps asking with the stored PIN.
    peer.answerConnects = false;
    const int before = peer.connectRequests();
    vaholumo::Sauna_to_external noConnection;
    noConnection.mutable_no_connection();
    peer.sendToPanel(noConnection);
    QVERIFY(lost.wait(5000));
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    QTRY_COMPARE(peer.connectRequests(), before + 1);

    // It came back with another PIN, which the user enters.
    peer.pin = QStringLiteral("5555");
    peer.answerConnects = true;
    RemoteSauna sauna = link->remoteSaunas().front();
    sauna.pin.setPin(peer.pin);
    link->onRemoteSaunaChangeRequest(sauna, true);
    QVERIFY(reconnected.wait(5000));
    QCOMPARE(peer.connectRequests(), before + 2);
    QCOMPARE(QString::fromStdString(peer.received().back().envelope.connect_request().pin_code()),
             peer.pin);
    QCOMPARE(pinFail.count(), 0);
}

void TestSaunaCommunication::otherSystemAtTheSaunasAddressGetsNothing()
{
    FakeSaunaPeer peer;
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, heldRetryTiming());
    QVERIFY(link->bindSaunaSystemSocket(0));
    QVERIFY(link->startAnnouncements());
    pcPanel::ConnectionInformer informer;
    QCOMPARE(informer.connectSaunaCommunicationSignals({link.get()}), 0);
    QCOMPARE(informer.connectConnectionStateMachineSignals({link->connectionStateMachine()}), 0);
    QSignalSpy messages(&informer, &pcPanel::ConnectionInformer::panelUserMessageIssued);
    connectLink(*link, peer);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    const QUuid garden = peer.identity;
    const QString gardenName = peer.name;
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy other(machine, &ConnectionStateMachine::connectOtherSystemAnswered);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    const auto timer = [machine](const char *name) {
        return machine->findChild<QTimer *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    };
    QVERIFY(timer("reconnectTimer") != nullptr);
    QVERIFY(timer("keepAliveTimer") != nullptr);

    // Another system takes the sauna's address: it drops the panel and accepts its requests.
    peer.clearReceived();
    peer.identity = QUuid(QStringLiteral("{7d2c4e91-0b3a-4f6e-a5d8-2c9e1f4b6a03}"));
    peer.name = QStringLiteral("Other");
    vaholumo::Sauna_to_external noConnection;
    noConnection.mutable_no_connection();
    peer.sendToPanel(noConnection);
    QVERIFY(lost.wait(5000));
    // However soon the next request would go by itself, the period running out sends one.
    QVERIFY(QMetaObject::invokeMethod(timer("reconnectTimer"), "timeout"));
    QTRY_VERIFY(!other.isEmpty() || link->isConnected());
    QVERIFY(!link->isConnected());
    QVERIFY(!machine->hasPeer());
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    // The link forgets the address, so that nothing connects there by itself.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<RemoteSauna>().identity, garden);
    QVERIFY(changed.at(0).at(0).value<RemoteSauna>().address.isNull());
    QCOMPARE(link->remoteSaunas().size(), 1);
    QVERIFY(link->remoteSaunas().front().address.isNull());
    QCOMPARE(link->selectedRemoteSauna(), garden);

    // A keep-alive falls due, the user sets a temperature, a period runs out once more.
    QVERIFY(QMetaObject::invokeMethod(timer("keepAliveTimer"), "timeout"));
    link->saunaSystemSender()->onTargetTemperatureChangeRequested(80);
    QVERIFY(QMetaObject::invokeMethod(timer("reconnectTimer"), "timeout"));

    // The sauna comes back at that address and announces itself: it is asked there again.
    peer.identity = garden;
    peer.name = gardenName;
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
    QVERIFY(reconnected.wait(5000));
    QVERIFY(link->isConnected());

    // From the request the other system answered to the sauna's own: connect requests only.
    QStringList kinds;
    for (const FakeSaunaPeer::Received &item : peer.received()) {
        kinds << (item.envelope.has_connect_request() ? QStringLiteral("connect")
                  : item.envelope.has_keep_alive()    ? QStringLiteral("keep-alive")
                                                      : QStringLiteral("other"));
    }
    const qsizetype first = kinds.indexOf(QStringLiteral("connect"));
    const qsizetype last = kinds.lastIndexOf(QStringLiteral("connect"));
    QVERIFY(first >= 0);
    QVERIFY2(last > first, qPrintable(kinds.join(u',')));
    QCOMPARE(kinds.mid(first, last - first + 1),
             QStringList(last - first + 1, QStringLiteral("connect")));
    QVERIFY2(last - first + 1 <= 3, qPrintable(kinds.join(u',')));
    // Connected, lost, and once which system answered instead.
    using signalInterface::UserMessageTypes::UserMessage;
    QList<quint32> ids;
    for (const QList<QVariant> &call : std::as_const(messages))
        ids << call.at(0).value<UserMessage>().id;
    QCOMPARE(ids, (QList<quint32>{pcPanel::ConnectionInformer::ConnectedMessage,
                                  pcPanel::ConnectionInformer::ConnectionLostMessage,
                                  pcPanel::ConnectionInformer::OtherSystemMessage}));
    QVERIFY(messages.size() > 2);
    QCOMPARE(messages.at(2).at(0).value<UserMessage>().arguments,
             (QStringList{QStringLiteral("Other"), gardenName}));
}

void TestSaunaCommunication::userDisconnectReachesTheSauna()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);
    QSignalSpy disconnected(link.get(), &SaunaCommunication::disconnected);
    link->onDisconnectRequest();
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), false);
    QCOMPARE(disconnected.count(), 1);
    QTRY_COMPARE(peer.disconnectRequests(), 1);
    const vaholumo::External_to_sauna &last = peer.received().back().envelope;
    QVERIFY(last.has_disconnect_request());

    // Nothing goes out after it: the connect request of a new attempt, sent later through the
    // same socket, is the first datagram the sauna gets.
    QVERIFY(!link->connectionStateMachine()->hasActiveTimer());
    peer.clearReceived();
    link->saunaSystemSender()->onTargetTemperatureChangeRequested(720);
    link->onConnectRequest(peer.identity);
    QTRY_COMPARE(peer.connectRequests(), 1);
    QVERIFY(peer.received().front().envelope.has_connect_request());
}

// What the panel holds of a sauna goes only when another sauna accepts the connection, before
// the new sauna's first report; connecting to the same sauna again keeps it.
void TestSaunaCommunication::anotherSaunaReplacesTheReports()
{
    FakeSaunaPeer first;
    FakeSaunaPeer second;
    second.identity = QUuid(QStringLiteral("{7f3c2a10-5b8e-4c61-9d2f-0e4b6a8c1d35}"));
    second.name = QStringLiteral("Cellar sauna");
    second.pin = QStringLiteral("4711");
    auto link = makeLink();
    QVERIFY(link);
    QStringList events;
    pcPanel::SaunaSystemReceiver *receiver = link->saunaSystemReceiver();
    connect(receiver, &pcPanel::SaunaSystemReceiver::saunaReplaced, this,
            [&events] { events << QStringLiteral("replaced"); });
    connect(receiver, &pcPanel::SaunaSystemReceiver::saunaMasterProductChanged, this,
            [&events] { events << QStringLiteral("product"); });

    connectLink(*link, first);
    link->onDisconnectRequest();
    link->onConnectRequest(first.identity);
    QTRY_VERIFY(link->isConnected());
    QCOMPARE(events, QStringList({QStringLiteral("product"), QStringLiteral("product")}));

    events.clear();
    QSignalSpy detected(link.get(), &SaunaCommunication::ipDetectDone);
    link->onIpDetectRequest(second.searchedAt());
    QVERIFY(detected.wait(5000));
    QCOMPARE(link->remoteSaunas().size(), 2);
    RemoteSauna sauna;
    for (const RemoteSauna &known : link->remoteSaunas()) {
        if (known.identity == second.identity)
            sauna = known;
    }
    QCOMPARE(sauna.identity, second.identity);
    sauna.pin.setPin(second.pin);
    link->onRemoteSaunaChangeRequest(sauna, true);
    QVERIFY(events.isEmpty());
    link->onConnectRequest(second.identity);
    QTRY_VERIFY(link->isConnected());
    QTRY_COMPARE(events, QStringList({QStringLiteral("replaced"), QStringLiteral("product")}));
}

void TestSaunaCommunication::destructionDisconnectsFirst()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    link.reset();
    QTRY_COMPARE(peer.disconnectRequests(), 1);
}

void TestSaunaCommunication::ipDetectWithoutAnswer()
{
    FakeSaunaPeer peer;
    peer.answerAnnouncements = false;
    auto link = makeLink();
    QVERIFY(link);
    QSignalSpy detected(link.get(), &SaunaCommunication::ipDetectDone);
    link->onIpDetectRequest(peer.searchedAt());
    QVERIFY(detected.wait(5000));
    QCOMPARE(detected.at(0).at(0).toString(),
             QStringLiteral("127.0.0.1:%1").arg(peer.announcementPort()));
    QCOMPARE(detected.at(0).at(1).toBool(), false);
    QTRY_COMPARE(peer.announcementRequests(), 1);
    QVERIFY(link->remoteSaunas().isEmpty());
    // An answer after the time ran out is an ordinary announcement: the sauna is listed, and the
    // detection is not reported a second time.
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
    QVERIFY(changed.wait(5000));
    QCOMPARE(detected.count(), 1);
    QCOMPARE(link->remoteSaunas().size(), 1);

    // A request without an address is answered at once.
    RemoteSauna nowhere;
    link->onIpDetectRequest(nowhere);
    QCOMPARE(detected.count(), 2);
    QCOMPARE(detected.at(1).at(1).toBool(), false);
}

void TestSaunaCommunication::malformedAnnouncementsAreIgnored_data()
{
    QTest::addColumn<QByteArray>("datagram");
    FakeSaunaPeer peer;
    const vaholumo::Announcement good = peer.announcement();
    const auto variant = [&good](auto change) {
        vaholumo::Announcement message = good;
        change(message);
        return bytesOf(message);
    };
    QTest::newRow("identity not a UUID")
        << variant([](vaholumo::Announcement &m) { m.set_identity("abc"); });
    QTest::newRow("null identity") << variant(
        [](vaholumo::Announcement &m) { m.set_identity(QUuid().toString().toStdString()); });
    QTest::newRow("no identity") << variant([](vaholumo::Announcement &m) { m.clear_identity(); });
    QTest::newRow("port 0") << variant([](vaholumo::Announcement &m) { m.set_port(0); });
    QTest::newRow("port 70000") << variant([](vaholumo::Announcement &m) { m.set_port(70000); });
    QTest::newRow("port 65536") << variant([](vaholumo::Announcement &m) { m.set_port(65536); });
    QTest::newRow("no port") << variant([](vaholumo::Announcement &m) { m.clear_port(); });
    QTest::newRow("no brand") << variant([](vaholumo::Announcement &m) { m.clear_brand(); });
    QTest::newRow("no product") << variant(
        [](vaholumo::Announcement &m) { m.clear_rcb_product(); });
    QTest::newRow("empty name") << variant([](vaholumo::Announcement &m) { m.clear_name(); });
    QTest::newRow("name unit above 0xFFFF")
        << variant([](vaholumo::Announcement &m) { m.add_name(0x110000); });
    // Field 3 = 44 is no brand: it parses as an unknown field, so the brand is absent.
    vaholumo::Announcement withoutBrand = good;
    withoutBrand.clear_brand();
    QTest::newRow("brand 44") << bytesOf(withoutBrand).append(char(0x18)).append(char(44));
    const QByteArray whole = bytesOf(good);
    QTest::newRow("truncated") << whole.left(whole.size() - 3);
    QTest::newRow("one byte") << QByteArray(1, char(0x0A));
    QTest::newRow("garbage") << QByteArray("\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff", 11);
}

void TestSaunaCommunication::malformedAnnouncementsAreIgnored()
{
    QFETCH(QByteArray, datagram);
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);

    peer.announceTo(link->announcementPort(), datagram);
    // A good announcement of another sauna behind it, from the same socket, shows that the bad
    // one has been read: datagrams between two sockets on this host arrive in order.
    FakeSaunaPeer marker;
    marker.identity = QUuid::createUuid();
    marker.name = QStringLiteral("Marker");
    peer.announceTo(link->announcementPort(), bytesOf(marker.announcement()));
    QVERIFY(changed.wait(5000));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<RemoteSauna>().identity, marker.identity);
    QCOMPARE(link->remoteSaunas().size(), 1);
    QCOMPARE(link->remoteSaunas().front().name, QStringLiteral("Marker"));
}

void TestSaunaCommunication::malformedConnectRepliesAreIgnored_data()
{
    QTest::addColumn<QByteArray>("datagram");
    FakeSaunaPeer peer;
    const auto envelopeWith = [](const vaholumo::Connect_reply &reply) {
        vaholumo::Sauna_to_external envelope;
        *envelope.mutable_connect_reply() = reply;
        return bytesOf(envelope);
    };
    const vaholumo::Connect_reply good =
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    vaholumo::Connect_reply badIdentity = good;
    badIdentity.set_identity("not-a-uuid");
    QTest::newRow("identity not a UUID") << envelopeWith(badIdentity);
    vaholumo::Connect_reply noIdentity = good;
    noIdentity.clear_identity();
    QTest::newRow("no identity") << envelopeWith(noIdentity);
    vaholumo::Connect_reply noStatus = good;
    noStatus.clear_connect_status();
    QTest::newRow("no status") << envelopeWith(noStatus);
    const QByteArray whole = envelopeWith(good);
    QTest::newRow("truncated") << whole.left(whole.size() - 4);
}

void TestSaunaCommunication::malformedConnectRepliesAreIgnored()
{
    QFETCH(QByteArray, datagram);
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, peer, peer.pin);
    peer.answerConnects = false;
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy failed(machine, &ConnectionStateMachine::connectFailed);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    link->onConnectRequest(peer.identity);
    QTRY_COMPARE(peer.connectRequests(), 1);

    peer.sendToPanel(datagram);
    peer.sendReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED));
    QVERIFY(succeeded.wait(5000));
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(link->remoteSaunas().size(), 1);
    // No entry was made under a null or made-up identity.
    for (const QList<QVariant> &arguments : changed)
        QCOMPARE(arguments.at(0).value<RemoteSauna>().identity, peer.identity);
}

void TestSaunaCommunication::remoteSaunaChangesAreChecked()
{
    auto link = makeLink();
    QVERIFY(link);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    QSignalSpy removed(link.get(), &SaunaCommunication::remoteSaunaRemoved);
    RemoteSauna sauna;
    sauna.name = QStringLiteral("No identity");
    link->onRemoteSaunaChangeRequest(sauna, true);
    QCOMPARE(changed.count(), 0);
    sauna.identity = QUuid::createUuid();
    sauna.pin.setPin(QStringLiteral("12a"));
    link->onRemoteSaunaChangeRequest(sauna, true);
    QCOMPARE(changed.count(), 0);
    QVERIFY(link->remoteSaunas().isEmpty());
    sauna.pin.setPin(QStringLiteral("0077"));
    link->onRemoteSaunaChangeRequest(sauna, true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(link->remoteSaunas().size(), 1);
    link->onRemoteSaunaChangeRequest(sauna, false);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).value<RemoteSauna>().identity, sauna.identity);
    QVERIFY(link->remoteSaunas().isEmpty());
}

void TestSaunaCommunication::listSurvivesARestartWithEncipheredPins()
{
    FakeSaunaPeer peer;
    {
        auto link = makeLink();
        QVERIFY(link);
        discover(*link, peer, QStringLiteral("9371"));
        link->onAutoConnectChangeRequest(false);
        RemoteSauna second;
        second.identity = QUuid::createUuid();
        second.name = QStringLiteral("Steam room");
        second.brand = signalInterface::VariantTypes::E_orvela;
        second.rcbProduct = signalInterface::MasterFuncDescTypes::E_steam_public;
        second.pin.setPin(QStringLiteral("5"));
        link->onRemoteSaunaChangeRequest(second, true);
        link->onConnectRequest(second.identity);
    }
    const QString fileName = settingsFile();
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.contains("pc_panel_remote_sauna_pin_1"));
    QVERIFY(content.contains("Garden sauna"));
    QVERIFY2(!content.contains("9371"), content.constData());
    QVERIFY(!content.contains("127.0.0.1"));

    // A fresh store reads the file anew, as the next run of the panel would.
    const QString organization = control::Settings::organizationName();
    control::Settings::resetForTesting();
    control::Settings names(organization, QStringLiteral("PC_Panel"));
    QCOMPARE(settingsFile(), fileName);
    SaunaCommunication restarted(nullptr, nullptr, shortTiming());
    QCOMPARE(restarted.remoteSaunas().size(), 2);
    const RemoteSauna &first = restarted.remoteSaunas().at(0);
    QCOMPARE(first.identity, peer.identity);
    QCOMPARE(first.name, peer.name);
    QCOMPARE(first.pin.pin(), QStringLiteral("9371"));
    QCOMPARE(first.brand, signalInterface::VariantTypes::E_lumo);
    QCOMPARE(first.rcbProduct, signalInterface::MasterFuncDescTypes::E_sauna);
    QVERIFY(first.address.isNull()); // learned anew from announcements
    const RemoteSauna &second = restarted.remoteSaunas().at(1);
    QCOMPARE(second.pin.pin(), QStringLiteral("5"));
    QCOMPARE(second.brand, signalInterface::VariantTypes::E_orvela);
    QCOMPARE(second.rcbProduct, signalInterface::MasterFuncDescTypes::E_steam_public);
    QVERIFY(!restarted.autoConnect());
    QCOMPARE(restarted.selectedRemoteSauna(), second.identity);
}

void TestSaunaCommunication::corruptStoredEntryIsLeftOut()
{
    const QString fileName = settingsFile();
    {
        QFile file(fileName);
        QVERIFY(QDir().mkpath(QFileInfo(fileName).absolutePath()));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\n"
                   "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_identity="
                   "{0b8d2a6c-1f3e-4a5b-9c7d-8e0f1a2b3c4d}\n"
                   "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_brand=1\n"
                   "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_rcb_product=7\n"
                   "pc_panel_remote_saunas\\1\\pc_panel_remote_sauna_name=First\n"
                   "pc_panel_remote_saunas\\2\\pc_panel_remote_sauna_identity=garbage\n"
                   "pc_panel_remote_saunas\\2\\pc_panel_remote_sauna_brand=1\n"
                   "pc_panel_remote_saunas\\2\\pc_panel_remote_sauna_rcb_product=7\n"
                   "pc_panel_remote_saunas\\2\\pc_panel_remote_sauna_name=Broken\n"
                   "pc_panel_remote_saunas\\3\\pc_panel_remote_sauna_identity="
                   "{7a1c3e5f-2b4d-4c6e-8f0a-1b3d5f7a9c2e}\n"
                   "pc_panel_remote_saunas\\3\\pc_panel_remote_sauna_brand=99\n"
                   "pc_panel_remote_saunas\\3\\pc_panel_remote_sauna_rcb_product=7\n"
                   "pc_panel_remote_saunas\\3\\pc_panel_remote_sauna_name=Bad brand\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_identity="
                   "{5e7f9a1b-3c5d-4e6f-a0b1-c2d3e4f5a6b7}\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_brand=0\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_rcb_product=3\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_name=Last\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_pin_1=abc\n"
                   "pc_panel_remote_saunas\\4\\pc_panel_remote_sauna_pin_2=12\n"
                   "pc_panel_remote_saunas\\size=4\n");
    }
    control::Settings::resetForTesting();
    control::Settings names(QStringLiteral("LinkTest%1").arg(m_run), QStringLiteral("PC_Panel"));
    SaunaCommunication link(nullptr, nullptr, shortTiming());
    QCOMPARE(link.remoteSaunas().size(), 2);
    QCOMPARE(link.remoteSaunas().at(0).name, QStringLiteral("First"));
    QCOMPARE(link.remoteSaunas().at(0).brand, signalInterface::VariantTypes::E_lumo);
    QCOMPARE(link.remoteSaunas().at(0).pin.pin(), signalInterface::PinTypes::Pin::defaultPinText());
    QCOMPARE(link.remoteSaunas().at(1).name, QStringLiteral("Last"));
    QCOMPARE(link.remoteSaunas().at(1).pin.pin(), signalInterface::PinTypes::Pin::defaultPinText());
}

void TestSaunaCommunication::fallbackAnnouncementPort()
{
    {
        SaunaCommunication first(nullptr, nullptr, shortTiming());
        QSignalSpy fallback(&first, &SaunaCommunication::isUsingFallbackAnnouncement);
        QVERIFY(first.startAnnouncements());
        QCOMPARE(fallback.count(), 0);
        QCOMPARE(first.announcementPort(), SaunaCommunication::AnnouncementPort);

        // A second panel on this host cannot share the port and falls back.
        SaunaCommunication second(nullptr, nullptr, shortTiming());
        QSignalSpy secondFallback(&second, &SaunaCommunication::isUsingFallbackAnnouncement);
        QVERIFY(second.startAnnouncements());
        QCOMPARE(secondFallback.count(), 1);
        QCOMPARE(secondFallback.at(0).at(0).toInt(), 54377);
        QVERIFY(second.announcementPort() != 0);
        QVERIFY(second.announcementPort() != 54377);
    }
    QUdpSocket blocker;
    QVERIFY(blocker.bind(QHostAddress::AnyIPv4, 54377));
    SaunaCommunication link(nullptr, nullptr, shortTiming());
    QSignalSpy fallback(&link, &SaunaCommunication::isUsingFallbackAnnouncement);
    QVERIFY(link.startAnnouncements());
    QCOMPARE(fallback.count(), 1);
    QCOMPARE(fallback.at(0).at(0).toInt(), 54377);
    QVERIFY(link.announcementPort() != 0);
    QVERIFY(link.announcementPort() != 54377);
}

void TestSaunaCommunication::currentStateInOrder()
{
    SaunaCommunication link(nullptr, nullptr, shortTiming());
    RemoteSauna a;
    a.identity = QUuid::createUuid();
    a.name = QStringLiteral("A");
    RemoteSauna b;
    b.identity = QUuid::createUuid();
    b.name = QStringLiteral("B");
    link.onRemoteSaunaChangeRequest(a, true);
    link.onRemoteSaunaChangeRequest(b, true);
    link.onConnectRequest(b.identity); // selects it; no address, so no connection

    QStringList log;
    connect(&link, &SaunaCommunication::autoConnectChanged, this,
            [&log](bool on) { log << QStringLiteral("auto(%1)").arg(int(on)); });
    connect(&link, &SaunaCommunication::remoteSaunaChanged, this,
            [&log](const RemoteSauna &s) { log << QStringLiteral("sauna(%1)").arg(s.name); });
    connect(&link, &SaunaCommunication::selectedRemoteSaunaChanged, this,
            [&log, &b](const QUuid &id) { log << (id == b.identity ? "selected(B)" : "other"); });
    link.emitCurrentState();
    QCOMPARE(log, (QStringList{"auto(1)", "sauna(A)", "sauna(B)", "selected(B)"}));
}

void TestSaunaCommunication::connectOperationsReportFailures()
{
    SaunaCommunication link(nullptr, nullptr, shortTiming());
    FakeNetworkScreen screen;
    QCOMPARE(link.connectViewRequests({&screen}), 0);
    QObject unrelated;
    QCOMPARE(link.connectViewRequests({&unrelated, nullptr}), 10);

    QSignalSpy autoConnect(&link, &SaunaCommunication::autoConnectChanged);
    emit screen.autoConnectChangeRequest(false);
    QCOMPARE(autoConnect.count(), 1);
    QVERIFY(!link.autoConnect());
    QSignalSpy changed(&link, &SaunaCommunication::remoteSaunaChanged);
    RemoteSauna sauna;
    sauna.identity = QUuid::createUuid();
    emit screen.remoteSaunaChangeRequest(sauna, true);
    QCOMPARE(changed.count(), 1);
    QSignalSpy detected(&link, &SaunaCommunication::ipDetectDone);
    emit screen.ipDetectRequest(RemoteSauna());
    QCOMPARE(detected.count(), 1);
    QSignalSpy done(&link, &SaunaCommunication::manualConnectDone);
    emit screen.connectRequest(sauna.identity);
    QCOMPARE(done.count(), 1);
    QSignalSpy disconnected(&link, &SaunaCommunication::disconnected);
    emit screen.disconnectRequest();
    QCOMPARE(disconnected.count(), 1);

    pcPanel::ConnectionInformer informer;
    QCOMPARE(informer.connectSaunaCommunicationSignals({&link}), 0);
    QCOMPARE(informer.connectConnectionStateMachineSignals({link.connectionStateMachine()}), 0);
    QCOMPARE(informer.connectConnectionStateMachineSignals({&link}), 9);
    QCOMPARE(link.saunaSystemSender()->connectReceiverSignals(link.saunaSystemReceiver()), 0);
}

// A flood of announcements with ever new identities: the list keeps 64 saunas, the sauna given a
// PIN and the selected one among them, the oldest others make room and the screen is told of
// each, and the file is written once for the whole flood, not once per sauna.
void TestSaunaCommunication::announcementFloodIsBoundedAndWrittenOnce()
{
    FakeSaunaPeer flood;
    flood.answerAnnouncements = false;
    FakeSaunaPeer plain;
    plain.answerAnnouncements = false;
    plain.identity = QUuid::createUuid();
    plain.name = QStringLiteral("Plain");
    SaunaCommunication link(nullptr, nullptr, heldSaveTiming());
    QVERIFY(link.bindSaunaSystemSocket(0));
    QVERIFY(link.startAnnouncements());

    RemoteSauna pinned;
    pinned.identity = QUuid::createUuid();
    pinned.name = QStringLiteral("Pinned");
    pinned.pin.setPin(QStringLiteral("1111"));
    link.onRemoteSaunaChangeRequest(pinned, true);
    RemoteSauna selected;
    selected.identity = QUuid::createUuid();
    selected.name = QStringLiteral("Selected");
    link.onRemoteSaunaChangeRequest(selected, true); // the default PIN
    link.onConnectRequest(selected.identity);
    // What the user saves reaches the file at once.
    const QByteArray before = readFile(settingsFile());
    QVERIFY(before.contains(identityText(pinned.identity)));
    QVERIFY(before.contains(identityText(selected.identity)));

    QSignalSpy changed(&link, &SaunaCommunication::remoteSaunaChanged);
    QSignalSpy removed(&link, &SaunaCommunication::remoteSaunaRemoved);
    plain.announceTo(link.announcementPort(), bytesOf(plain.announcement()));
    QVERIFY(changed.wait(5000));
    QList<QUuid> fakes;
    for (int n = 0; n < 1000; ++n) {
        flood.identity = QUuid::createUuid();
        flood.name = QStringLiteral("Fake %1").arg(n);
        fakes << flood.identity;
        flood.announceTo(link.announcementPort(), bytesOf(flood.announcement()));
        // In bursts the socket's receive buffer always holds whole.
        if (fakes.size() % 50 == 0)
            QTRY_COMPARE(changed.count(), 1 + fakes.size());
    }

    QList<QUuid> expected{pinned.identity, selected.identity};
    expected << fakes.mid(1000 - 62);
    QList<QUuid> listed;
    for (const RemoteSauna &sauna : link.remoteSaunas())
        listed << sauna.identity;
    QCOMPARE(listed, expected);
    // The plain sauna was the oldest that could go, then each fake in the order they came.
    QCOMPARE(removed.count(), 1 + 1000 - 62);
    QCOMPARE(removed.at(0).at(0).value<RemoteSauna>().identity, plain.identity);
    for (int n = 1; n < removed.count(); ++n)
        QCOMPARE(removed.at(n).at(0).value<RemoteSauna>().identity, fakes.at(n - 1));

    QCOMPARE(readFile(settingsFile()), before);
    link.onAboutToQuit();
    const QByteArray after = readFile(settingsFile());
    for (const QUuid &identity : expected)
        QVERIFY(after.contains(identityText(identity)));
    QVERIFY(!after.contains(identityText(plain.identity)));
    QVERIFY(!after.contains(identityText(fakes.front())));
    QSettings stored(settingsFile(), QSettings::IniFormat);
    pcPanel::RemoteSaunaList reread;
    QCOMPARE(reread.load(&stored), 0);
    QCOMPARE(reread.size(), 64);
    QCOMPARE(reread.find(pinned.identity)->pin.pin(), QStringLiteral("1111"));
}

void TestSaunaCommunication::discoveredSaunaReachesTheFile_data()
{
    QTest::addColumn<QString>("writtenBy");
    QTest::newRow("its timer") << QStringLiteral("timer");
    QTest::newRow("the quit") << QStringLiteral("quit");
    QTest::newRow("the end of the link") << QStringLiteral("destruction");
}

// A discovered sauna is written within the delay, and a write still waiting is done when the
// panel quits or the link ends, so that no discovered sauna is lost.
void TestSaunaCommunication::discoveredSaunaReachesTheFile()
{
    QFETCH(QString, writtenBy);
    FakeSaunaPeer peer;
    peer.answerAnnouncements = false;
    SaunaCommunication::Timing timing = heldSaveTiming();
    if (writtenBy == QLatin1String("timer"))
        timing.discoveredSaveDelayMs = 20;
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, timing);
    QVERIFY(link->startAnnouncements());
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    peer.announceTo(link->announcementPort(), bytesOf(peer.announcement()));
    QVERIFY(changed.wait(5000));

    if (writtenBy == QLatin1String("quit"))
        link->onAboutToQuit();
    else if (writtenBy == QLatin1String("destruction"))
        link.reset();
    QTRY_VERIFY(readFile(settingsFile()).contains(identityText(peer.identity)));
    QVERIFY(readFile(settingsFile()).contains("Garden sauna"));
}

// A file that holds more saunas than the list takes, as a flood left it before the list had a
// bound: the oldest ones go, never one with a PIN or the selected one, and the file follows.
void TestSaunaCommunication::storedListBeyondCapacityIsTrimmed()
{
    const QString fileName = settingsFile();
    QList<QUuid> stored;
    {
        pcPanel::RemoteSaunaList list;
        for (int n = 0; n < 100; ++n) {
            RemoteSauna sauna;
            sauna.identity = QUuid::createUuid();
            sauna.name = QStringLiteral("Stored %1").arg(n);
            if (n == 10)
                sauna.pin.setPin(QStringLiteral("2468"));
            list.insertOrReplace(sauna);
            stored << sauna.identity;
        }
        QVERIFY(QDir().mkpath(QFileInfo(fileName).absolutePath()));
        QSettings store(fileName, QSettings::IniFormat);
        list.save(&store);
        store.setValue(QLatin1String(control::Settings::pcPanelSelectedRemoteSaunaKey),
                       stored.at(20).toString());
    }
    control::Settings::resetForTesting();
    control::Settings names(QStringLiteral("LinkTest%1").arg(m_run), QStringLiteral("PC_Panel"));

    QList<QUuid> expected{stored.at(10), stored.at(20)};
    expected << stored.mid(100 - 62);
    QList<QUuid> listed;
    {
        SaunaCommunication link(nullptr, nullptr, heldSaveTiming());
        QCOMPARE(link.selectedRemoteSauna(), stored.at(20));
        for (const RemoteSauna &sauna : link.remoteSaunas())
            listed << sauna.identity;
        QCOMPARE(listed, expected);
    }
    const QByteArray after = readFile(fileName);
    QVERIFY(!after.contains(identityText(stored.at(0))));
    QSettings reread(fileName, QSettings::IniFormat);
    pcPanel::RemoteSaunaList list;
    QCOMPARE(list.load(&reread), 0);
    QCOMPARE(list.size(), 64);
    QCOMPARE(list.find(stored.at(10))->pin.pin(), QStringLiteral("2468"));
}

void TestSaunaCommunication::announcedNameIsCut_data()
{
    const int bound = signalInterface::protocolFacts::longestSaunaName;
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("kept");
    QTest::newRow("20000 characters") << QString(20000, u'n') << QString(bound, u'n');
    QTest::newRow("exactly the bound") << QString(bound, u'e') << QString(bound, u'e');
    QTest::newRow("pair at the bound")
        << QString(bound - 1, u'p') + QStringLiteral("\U0001F600 and more")
        << QString(bound - 1, u'p');
}

void TestSaunaCommunication::announcedNameIsCut()
{
    QFETCH(QString, sent);
    QFETCH(QString, kept);
    FakeSaunaPeer peer;
    peer.name = sent;
    RemoteSauna sauna;
    QVERIFY(SaunaCommunication::decodeAnnouncement(bytesOf(peer.announcement()), sauna));
    QCOMPARE(sauna.name, kept);
}

// A sauna that announces a name of 20000 characters costs the file no more than any other.
void TestSaunaCommunication::longAnnouncedNameKeepsTheFileSmall()
{
    FakeSaunaPeer peer;
    peer.answerAnnouncements = false;
    peer.name = QString(20000, u'n');
    SaunaCommunication link(nullptr, nullptr, heldSaveTiming());
    QVERIFY(link.startAnnouncements());
    QSignalSpy changed(&link, &SaunaCommunication::remoteSaunaChanged);
    peer.announceTo(link.announcementPort(), bytesOf(peer.announcement()));
    QVERIFY(changed.wait(5000));
    QCOMPARE(changed.at(0).at(0).value<RemoteSauna>().name.size(),
             signalInterface::protocolFacts::longestSaunaName);

    link.onAboutToQuit();
    const QByteArray written = readFile(settingsFile());
    QVERIFY(written.contains(identityText(peer.identity)));
    QVERIFY2(written.size() < 1024, QByteArray::number(written.size()));
}

void TestSaunaCommunication::quitSendsTheDisconnect()
{
    FakeSaunaPeer peer;
    auto link = makeLink();
    QVERIFY(link);
    connectLink(*link, peer);
    QVERIFY(link->connectAboutToQuit());
    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    // Written while the link still existed, before anything was destroyed.
    QVERIFY(link);
    QTRY_COMPARE(peer.disconnectRequests(), 1);
    QCOMPARE(link->connectionStateMachine()->state(), ConnectionStateMachine::State::Idle);
    const quint16 port = link->saunaSystemPort();
    link.reset();
    // No second disconnect on destruction: a marker sent afterwards from the link's port arrives
    // after anything the destruction sent, and it is the next datagram the sauna gets.
    QUdpSocket marker;
    QVERIFY(marker.bind(QHostAddress::AnyIPv4, port));
    vaholumo::External_to_sauna keepAlive;
    keepAlive.mutable_keep_alive()->set_sequence_number(4242);
    const size_t before = peer.received().size();
    marker.writeDatagram(bytesOf(keepAlive), QHostAddress::LocalHost, peer.saunaPort());
    QTRY_COMPARE(peer.received().size(), before + 1);
    QVERIFY(peer.received().back().envelope.has_keep_alive());
    QCOMPARE(peer.disconnectRequests(), 1);
}

QTEST_GUILESS_MAIN(TestSaunaCommunication)
#include "tst_sauna_communication.moc"
