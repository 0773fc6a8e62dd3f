#include "pc_panel/connection_state_machine.h"

#include "fake_sauna_peer.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QUdpSocket>

using pcPanel::ConnectionStateMachine;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

Q_DECLARE_METATYPE(vaholumo::Connect_reply)

namespace {

using Status = vaholumo::Connect_reply_connect_status_t;

ConnectionStateMachine::Timing shortTiming()
{
    ConnectionStateMachine::Timing timing;
    timing.connectReplyTimeoutMs = 300;
    timing.reconnectIntervalMs = 100;
    timing.defaultKeepAliveIntervalMs = 150;
    return timing;
}

RemoteSauna saunaOf(const FakeSaunaPeer &peer)
{
    RemoteSauna sauna;
    sauna.identity = peer.identity;
    sauna.name = peer.name;
    sauna.address = QHostAddress::LocalHost;
    sauna.port = peer.saunaPort();
    sauna.pin.setPin(peer.pin);
    return sauna;
}

// Every outcome signal of the state machine, in emission order.
QStringList *watchOutcomes(ConnectionStateMachine &machine, QObject *context)
{
    auto *log = new QStringList;
    QObject::connect(context, &QObject::destroyed, [log] { delete log; });
    const auto record = [log](const char *name) {
        return [log, name] {
            log->append(name);
        };
    };
    QObject::connect(&machine, &ConnectionStateMachine::connectSucceeded, context,
                     record("connectSucceeded"));
    QObject::connect(&machine, &ConnectionStateMachine::connectFailed, context,
                     record("connectFailed"));
    QObject::connect(&machine, &ConnectionStateMachine::connectPinFail, context,
                     record("connectPinFail"));
    QObject::connect(&machine, &ConnectionStateMachine::connectCompatibilityFail, context,
                     record("connectCompatibilityFail"));
    QObject::connect(&machine, &ConnectionStateMachine::connectDoorSwitchFail, context,
                     record("connectDoorSwitchFail"));
    QObject::connect(&machine, &ConnectionStateMachine::saunaSystemModeChanged, context,
                     record("saunaSystemModeChanged"));
    QObject::connect(&machine, &ConnectionStateMachine::saunaMasterProductChanged, context,
                     record("saunaMasterProductChanged"));
    QObject::connect(&machine, &ConnectionStateMachine::remoteApplicationIdentified, context,
                     record("remoteApplicationIdentified"));
    QObject::connect(&machine, &ConnectionStateMachine::connectFailedNoResponse, context,
                     record("connectFailedNoResponse"));
    return log;
}

} // namespace

// The connect handshake's rules, keep-alive arithmetic and the request that reaches the wire.
class TestConnectionStateMachine : public QObject
{
    Q_OBJECT

private slots:
    void keepAliveArithmetic_data();
    void keepAliveArithmetic();
    void unitNameCarriesTheInstance();
    void connectRequestOnTheWire();
    void saunaWithoutAddressFailsAtOnce();
    void replyRules_data();
    void replyRules();
    void acceptanceReportsInOrder();
    void acceptanceWithoutSystemTypeSkipsTheMode();
    void hugeIntervalIsClamped();
    void requestsGoOutOnlyWhileConnected();
    void noReplyMeansNoResponse();
    void lateReplyAfterTimeoutIsIgnored();
};

void TestConnectionStateMachine::keepAliveArithmetic_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<qint64>("interval");
    QTest::addColumn<qint64>("period");
    QTest::newRow("5 s") << 5u << qint64(5000) << qint64(3333);
    QTest::newRow("0 selects the default") << 0u << qint64(2000) << qint64(1333);
    QTest::newRow("one hour") << 3600u << qint64(3600000) << qint64(2400000);
    QTest::newRow("past 32 bits of milliseconds is clamped")
        << 4294967u << qint64(3600000) << qint64(2400000);
    QTest::newRow("largest field is clamped") << 4294967295u << qint64(3600000) << qint64(2400000);
}

void TestConnectionStateMachine::keepAliveArithmetic()
{
    QFETCH(quint32, seconds);
    QFETCH(qint64, interval);
    QFETCH(qint64, period);
    const qint64 computed = ConnectionStateMachine::keepAliveIntervalFromSeconds(
        seconds, ConnectionStateMachine::DefaultKeepAliveIntervalMs);
    QCOMPARE(computed, interval);
    QCOMPARE(ConnectionStateMachine::keepAliveSendPeriod(computed), period);
}

void TestConnectionStateMachine::unitNameCarriesTheInstance()
{
    QCOMPARE(ConnectionStateMachine::defaultUnitName(QStringLiteral("SAUNA-PC"), 0),
             QStringLiteral("SAUNA-PC"));
    QCOMPARE(ConnectionStateMachine::defaultUnitName(QStringLiteral("SAUNA-PC"), 0).size(), 8);
    QCOMPARE(ConnectionStateMachine::defaultUnitName(QStringLiteral("SAUNA-PC"), 3),
             QStringLiteral("SAUNA-PC #3"));
    QCOMPARE(ConnectionStateMachine::defaultUnitName(QStringLiteral("SAUNA-PC"), 3).size(), 11);
}

void TestConnectionStateMachine::connectRequestOnTheWire()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    machine.setUnitName(QStringLiteral("SAUNA-PC #3"));

    QVERIFY(machine.connectTo(saunaOf(peer)));
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Connecting);
    QTRY_COMPARE(peer.connectRequests(), 1);
    const vaholumo::Connect_request &request = peer.received().front().envelope.connect_request();
    QCOMPARE(int(request.profile()), 10);
    QCOMPARE(QString::fromStdString(request.pin_code()), QStringLiteral("1234"));
    QString unitName;
    QVERIFY(pbSupport::conversion::codeUnitsToText(request.unit_name(), unitName));
    QCOMPARE(unitName, QStringLiteral("SAUNA-PC #3"));
    QCOMPARE(request.extra_text_size(), 0);
    QVERIFY(request.has_unit_features());
    QVERIFY(request.unit_features().feature_flag());
    // One member per envelope.
    QVERIFY(!peer.received().front().envelope.has_keep_alive());
}

void TestConnectionStateMachine::saunaWithoutAddressFailsAtOnce()
{
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QSignalSpy failed(&machine, &ConnectionStateMachine::connectFailed);
    RemoteSauna sauna;
    sauna.identity = QUuid::createUuid();
    sauna.name = QStringLiteral("Nowhere");
    QVERIFY(!machine.connectTo(sauna));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).value<RemoteSauna>().name, QStringLiteral("Nowhere"));
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
}

void TestConnectionStateMachine::replyRules_data()
{
    QTest::addColumn<vaholumo::Connect_reply>("reply");
    QTest::addColumn<QString>("outcome"); // empty: ignored
    FakeSaunaPeer peer;
    const auto reply = [&peer](Status status) {
        return peer.connectReply(status);
    };

    QTest::newRow("accepted")
        << reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED)
        << QStringLiteral("connectSucceeded");
    QTest::newRow("pin fail")
        << reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL)
        << QStringLiteral("connectPinFail");
    QTest::newRow("compatibility fail")
        << reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_COMPATIBILITY_FAIL)
        << QStringLiteral("connectCompatibilityFail");
    QTest::newRow("failed") << reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_FAILED)
                            << QStringLiteral("connectFailed");
    QTest::newRow("door switch fail")
        << reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_DOOR_SWITCH_FAIL)
        << QStringLiteral("connectDoorSwitchFail");

    auto noInterval = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL);
    noInterval.clear_keep_alive_interval();
    QTest::newRow("pin fail without interval counts as failed")
        << noInterval << QStringLiteral("connectFailed");
    auto noBrand = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    noBrand.clear_brand();
    QTest::newRow("no brand") << noBrand << QStringLiteral("connectFailed");
    auto noProduct = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    noProduct.clear_rcb_product();
    QTest::newRow("no product") << noProduct << QStringLiteral("connectFailed");
    auto noName = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    noName.clear_name();
    QTest::newRow("empty name") << noName << QStringLiteral("connectFailed");
    auto badName = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    badName.add_name(0x110000);
    QTest::newRow("name unit above 0xFFFF") << badName << QStringLiteral("connectFailed");

    auto noStatus = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    noStatus.clear_connect_status();
    QTest::newRow("no status") << noStatus << QString();
    auto noIdentity = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    noIdentity.clear_identity();
    QTest::newRow("no identity") << noIdentity << QString();
    auto badIdentity = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    badIdentity.set_identity("abc");
    QTest::newRow("identity not a UUID") << badIdentity << QString();
    auto nullIdentity = reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    nullIdentity.set_identity(QUuid().toString().toStdString());
    QTest::newRow("null identity") << nullIdentity << QString();
}

void TestConnectionStateMachine::replyRules()
{
    QFETCH(vaholumo::Connect_reply, reply);
    QFETCH(QString, outcome);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QVERIFY(machine.connectTo(saunaOf(peer)));

    machine.handleConnectReply(reply, QHostAddress::LocalHost, peer.saunaPort());
    if (outcome.isEmpty()) {
        QVERIFY2(log->isEmpty(), qPrintable(log->join(u',')));
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Connecting);
        return;
    }
    QVERIFY(!log->isEmpty());
    QCOMPARE(log->front(), outcome);
    QCOMPARE(log->count(outcome), 1);
    const bool accepted = outcome == QLatin1String("connectSucceeded");
    QCOMPARE(machine.isConnected(), accepted);
    QCOMPARE(machine.state(), accepted ? ConnectionStateMachine::State::Connected
                                       : ConnectionStateMachine::State::Idle);
}

void TestConnectionStateMachine::acceptanceReportsInOrder()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    peer.keepAliveIntervalSeconds = 5;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QSignalSpy identified(&machine, &ConnectionStateMachine::remoteApplicationIdentified);
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy mode(&machine, &ConnectionStateMachine::saunaSystemModeChanged);
    QSignalSpy product(&machine, &ConnectionStateMachine::saunaMasterProductChanged);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());

    QCOMPARE(*log, (QStringList{"connectSucceeded", "saunaSystemModeChanged",
                                "saunaMasterProductChanged", "remoteApplicationIdentified"}));
    QCOMPARE(identified.at(0).at(0).toString(), QStringLiteral("sauna app"));
    QCOMPARE(identified.at(0).at(1).toString(), QStringLiteral("2.3.4"));
    const auto sauna = succeeded.at(0).at(0).value<RemoteSauna>();
    QCOMPARE(sauna.identity, peer.identity);
    QCOMPARE(sauna.name, peer.name);
    QCOMPARE(sauna.brand, signalInterface::VariantTypes::E_lumo);
    QCOMPARE(sauna.rcbProduct, signalInterface::MasterFuncDescTypes::E_sauna);
    QCOMPARE(sauna.port, peer.saunaPort());
    QCOMPARE(sauna.pin.pin(), peer.pin);
    QCOMPARE(mode.at(0).at(0).value<signalInterface::MasterFuncDescTypes::SystemMode>(),
             signalInterface::MasterFuncDescTypes::E_multisteam);
    QCOMPARE(product.at(0).at(0).value<signalInterface::MasterFuncDescTypes::RcbProduct>(),
             signalInterface::MasterFuncDescTypes::E_sauna);
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(5000));
    QCOMPARE(machine.keepAliveSendPeriodMs(), qint64(3333));
}

void TestConnectionStateMachine::acceptanceWithoutSystemTypeSkipsTheMode()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    auto reply =
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    reply.clear_system_type();
    reply.clear_application_name();
    QSignalSpy identified(&machine, &ConnectionStateMachine::remoteApplicationIdentified);
    machine.handleConnectReply(reply, QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(*log, (QStringList{"connectSucceeded", "saunaMasterProductChanged",
                                "remoteApplicationIdentified"}));
    QCOMPARE(identified.at(0).at(0).toString(), QString());
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(150)); // field 4 = 0: the default interval
}

void TestConnectionStateMachine::hugeIntervalIsClamped()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    peer.keepAliveIntervalSeconds = 4294967;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QSignalSpy lost(&machine, &ConnectionStateMachine::connectionLost);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.isConnected());
    QCOMPARE(machine.keepAliveIntervalMs(), ConnectionStateMachine::MaximumKeepAliveIntervalMs);
    // A wrapped, tiny or negative interval would lose the connection or flood the sauna.
    QTest::qWait(200);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(peer.keepAliveNumbers().size(), size_t(0));
}

void TestConnectionStateMachine::requestsGoOutOnlyWhileConnected()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QVERIFY(!machine.hasPeer());
    QVERIFY(!machine.sendToPeer(QByteArray("\x08\x01", 2)));
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(!machine.hasPeer());
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.hasPeer());
    QVERIFY(machine.disconnectFromSauna());
    QVERIFY(!machine.hasPeer());
    QTRY_COMPARE(peer.disconnectRequests(), 1);
}

void TestConnectionStateMachine::noReplyMeansNoResponse()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(noResponse.wait(5000));
    QCOMPARE(noResponse.count(), 1);
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
}

void TestConnectionStateMachine::lateReplyAfterTimeoutIsIgnored()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    QUdpSocket socket;
    QVERIFY(socket.bind(QHostAddress::LocalHost, 0));
    ConnectionStateMachine machine(shortTiming(), nullptr);
    machine.setSocket(&socket);
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(noResponse.wait(5000));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(succeeded.count(), 0);
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
}

QTEST_GUILESS_MAIN(TestConnectionStateMachine)
#include "tst_connection_state_machine.moc"
