#include "pc_panel/connection_state_machine.h"

#include "pc_panel/instance_settings.h"
#include "pc_panel/sauna_system_receiver.h"
#include "signal_interface/protocol_facts.h"

#include "fake_sauna_peer.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>

#include <memory>

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
    QObject::connect(&machine, &ConnectionStateMachine::connectionLost, context,
                     record("connectionLost"));
    QObject::connect(&machine, &ConnectionStateMachine::reconnected, context,
                     record("reconnected"));
    return log;
}

QTimer *timerOf(ConnectionStateMachine &machine, const char *name)
{
    return machine.findChild<QTimer *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Names of the machine's timers that are running.
QStringList runningTimers(ConnectionStateMachine &machine)
{
    QStringList running;
    for (const char *name :
         {"replyTimer", "keepAliveTimer", "supervisionTimer", "reconnectTimer"}) {
        if (QTimer *timer = timerOf(machine, name); timer != nullptr && timer->isActive())
            running << QString::fromLatin1(name);
    }
    return running;
}

// Makes the timer fire now, as its period running out would.
bool fire(QTimer *timer)
{
    return timer != nullptr && QMetaObject::invokeMethod(timer, "timeout");
}

// The machine, its socket and a real receiver reading that socket, as the link wires them.
struct Wired
{
    explicit Wired(const ConnectionStateMachine::Timing &timing)
        : machine(timing, nullptr)
    {
        socket.bind(QHostAddress::LocalHost, 0);
        machine.setSocket(&socket);
        machine.setReceiver(&receiver);
        receiver.setConnectionMessageSink(&machine);
        QObject::connect(&socket, &QUdpSocket::readyRead, &socket, [this] {
            while (socket.hasPendingDatagrams()) {
                const QNetworkDatagram datagram = socket.receiveDatagram();
                receiver.handleDatagram(datagram.data(), datagram.senderAddress(),
                                        static_cast<quint16>(datagram.senderPort()));
            }
        });
    }

    QUdpSocket socket;
    pcPanel::SaunaSystemReceiver receiver{nullptr};
    ConnectionStateMachine machine;
};

vaholumo::Sauna_to_external noConnection()
{
    vaholumo::Sauna_to_external envelope;
    envelope.mutable_no_connection();
    return envelope;
}

QString pinOf(const FakeSaunaPeer::Received &item)
{
    return QString::fromStdString(item.envelope.connect_request().pin_code());
}

} // namespace

// The connect handshake's rules, keep-alive arithmetic and the request that reaches the wire.
class TestConnectionStateMachine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keepAliveArithmetic_data();
    void keepAliveArithmetic();
    void unitNameCarriesTheInstance();
    void defaultUnitNameIsTheHostName();
    void connectRequestOnTheWire();
    void saunaWithoutAddressFailsAtOnce();
    void replyRules_data();
    void replyRules();
    void acceptanceReportsInOrder();
    void acceptanceWithoutSystemTypeSkipsTheMode();
    void replyTextsAreCut_data();
    void replyTextsAreCut();
    void hugeIntervalIsClamped();
    void requestsGoOutOnlyWhileConnected();
    void noReplyWithoutAutoConnectEndsTheAttempt();
    void noReplyIsRetriedAtTheReconnectPeriod();
    void lateReplyAfterTimeout_data();
    void lateReplyAfterTimeout();
    void noConnectionEndsTheConnectionAsALoss_data();
    void noConnectionEndsTheConnectionAsALoss();
    void noConnectionWhileNotConnectedChangesNothing();
    void refusalIsRetriedAtTheReconnectPeriod_data();
    void refusalIsRetriedAtTheReconnectPeriod();
    void refusalIsNotRetriedWithoutAutoConnect();
    void wrongPinIsNotRetried_data();
    void wrongPinIsNotRetried();
    void anotherPinGoesIntoTheAttempts_data();
    void anotherPinGoesIntoTheAttempts();
    void lossAfterALastingConnectionAsksAgainAtOnce_data();
    void lossAfterALastingConnectionAsksAgainAtOnce();
    void saunaDroppingAtOnceIsAskedOncePerPeriod();
    void otherSystemAtTheAddressIsNoConnection_data();
    void otherSystemAtTheAddressIsNoConnection();
    void unknownIdentityIsLearned();

private:
    // The case's machine, on the case's socket; a second call replaces the first machine.
    ConnectionStateMachine &
    machineOnSocket(const ConnectionStateMachine::Timing &timing = shortTiming());

    // Bound to a free loopback port before each case.
    std::unique_ptr<QUdpSocket> m_socket;
    std::unique_ptr<ConnectionStateMachine> m_machine;
};

void TestConnectionStateMachine::init()
{
    m_socket = std::make_unique<QUdpSocket>();
    QVERIFY(m_socket->bind(QHostAddress::LocalHost, 0));
}

void TestConnectionStateMachine::cleanup()
{
    m_machine.reset();
    m_socket.reset();
}

ConnectionStateMachine &
TestConnectionStateMachine::machineOnSocket(const ConnectionStateMachine::Timing &timing)
{
    m_machine.reset();
    m_machine = std::make_unique<ConnectionStateMachine>(timing, nullptr);
    m_machine->setSocket(m_socket.get());
    return *m_machine;
}

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

void TestConnectionStateMachine::defaultUnitNameIsTheHostName()
{
    // The unit name of a machine nobody names: the host name, and " #n" for instance n > 0.
    const QString host = QHostInfo::localHostName();
    QVERIFY(!host.isEmpty());
    for (const unsigned instance : {0u, 3u}) {
        pcPanel::InstanceSettings::resetForTesting();
        if (instance != 0)
            pcPanel::InstanceSettings settings(instance);
        QCOMPARE(pcPanel::InstanceSettings::instanceNumber(), instance);
        FakeSaunaPeer peer;
        peer.answerConnects = false;
        ConnectionStateMachine &machine = machineOnSocket();
        const QString expected = instance == 0 ? host : host + QStringLiteral(" #3");
        QCOMPARE(machine.unitName(), expected);
        QVERIFY(machine.connectTo(saunaOf(peer)));
        QTRY_COMPARE(peer.connectRequests(), 1);
        const auto &units = peer.received().front().envelope.connect_request().unit_name();
        QCOMPARE(units.size(), int(expected.size()));
        for (int i = 0; i < units.size(); ++i)
            QCOMPARE(units.Get(i), quint32(expected.at(i).unicode()));
    }
    pcPanel::InstanceSettings::resetForTesting();
}

void TestConnectionStateMachine::connectRequestOnTheWire()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
    machine.setUnitName(QStringLiteral("SAUNA-PC #3"));
    const QString applicationName = QCoreApplication::applicationName();
    const QString applicationVersion = QCoreApplication::applicationVersion();
    QCoreApplication::setApplicationName(QStringLiteral("PC Panel \u00e9"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.5.6"));

    QVERIFY(machine.connectTo(saunaOf(peer)));
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Connecting);
    QTRY_COMPARE(peer.connectRequests(), 1);
    const vaholumo::Connect_request &request = peer.received().front().envelope.connect_request();
    QCOMPARE(int(request.profile()), 10);
    QCOMPARE(QString::fromStdString(request.pin_code()), QStringLiteral("1234"));
    QString unitName;
    QVERIFY(pbSupport::conversion::codeUnitsToText(request.unit_name(), unitName,
                                                   request.unit_name_size()));
    QCOMPARE(unitName, QStringLiteral("SAUNA-PC #3"));
    QCOMPARE(request.extra_text_size(), 0);
    // Fields 5 and 6: the application's name and version, one element per code unit.
    QCOMPARE(request.application_name_size(), 10);
    QCOMPARE(request.application_name(9), 0xe9u);
    QString name;
    QVERIFY(pbSupport::conversion::codeUnitsToText(request.application_name(), name,
                                                   request.application_name_size()));
    QCOMPARE(name, QStringLiteral("PC Panel \u00e9"));
    QString version;
    QVERIFY(pbSupport::conversion::codeUnitsToText(request.application_version(), version,
                                                   request.application_version_size()));
    QCOMPARE(version, QStringLiteral("4.5.6"));
    QCoreApplication::setApplicationName(applicationName);
    QCoreApplication::setApplicationVersion(applicationVersion);
    QVERIFY(request.has_unit_features());
    QVERIFY(request.unit_features().feature_flag());
    // One member per envelope.
    QVERIFY(!peer.received().front().envelope.has_keep_alive());
}

void TestConnectionStateMachine::saunaWithoutAddressFailsAtOnce()
{
    ConnectionStateMachine &machine = machineOnSocket();
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
    ConnectionStateMachine &machine = machineOnSocket();
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
    // With auto-connect on (the default) every refusal but a wrong PIN is tried again.
    const auto expected = accepted ? ConnectionStateMachine::State::Connected
                          : outcome == QLatin1String("connectPinFail")
                              ? ConnectionStateMachine::State::Idle
                              : ConnectionStateMachine::State::Reconnecting;
    QCOMPARE(machine.state(), expected);
}

void TestConnectionStateMachine::acceptanceReportsInOrder()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    peer.keepAliveIntervalSeconds = 5;
    ConnectionStateMachine &machine = machineOnSocket();
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
    QVERIFY(!identified.isEmpty());
    QCOMPARE(identified.at(0).at(0).toString(), QStringLiteral("sauna app"));
    QCOMPARE(identified.at(0).at(1).toString(), QStringLiteral("2.3.4"));
    QVERIFY(!succeeded.isEmpty());
    const auto sauna = succeeded.at(0).at(0).value<RemoteSauna>();
    QCOMPARE(sauna.identity, peer.identity);
    QCOMPARE(sauna.name, peer.name);
    QCOMPARE(sauna.brand, signalInterface::VariantTypes::E_lumo);
    QCOMPARE(sauna.rcbProduct, signalInterface::MasterFuncDescTypes::E_sauna);
    QCOMPARE(sauna.port, peer.saunaPort());
    QCOMPARE(sauna.pin.pin(), peer.pin);
    QVERIFY(!mode.isEmpty());
    QCOMPARE(mode.at(0).at(0).value<signalInterface::MasterFuncDescTypes::SystemMode>(),
             signalInterface::MasterFuncDescTypes::E_multisteam);
    QVERIFY(!product.isEmpty());
    QCOMPARE(product.at(0).at(0).value<signalInterface::MasterFuncDescTypes::RcbProduct>(),
             signalInterface::MasterFuncDescTypes::E_sauna);
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(5000));
    QCOMPARE(machine.keepAliveSendPeriodMs(), qint64(3333));
}

void TestConnectionStateMachine::acceptanceWithoutSystemTypeSkipsTheMode()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
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
    QVERIFY(!identified.isEmpty());
    QCOMPARE(identified.at(0).at(0).toString(), QString());
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(150)); // field 4 = 0: the default interval
}

void TestConnectionStateMachine::replyTextsAreCut_data()
{
    namespace facts = signalInterface::protocolFacts;
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("kept");
    const std::pair<const char *, int> fields[] = {
        {"name", facts::longestSaunaName},
        {"application name", facts::longestApplicationName},
        {"application version", facts::longestApplicationVersion},
    };
    for (const auto &[field, bound] : fields) {
        const QString pair = QStringLiteral("\U0001F600 and more");
        QTest::addRow("%s of 20000", field)
            << field << QString(20000, u'n') << QString(bound, u'n');
        QTest::addRow("%s of exactly %d", field, bound)
            << field << QString(bound, u'e') << QString(bound, u'e');
        QTest::addRow("%s with a pair at the bound", field)
            << field << QString(bound - 1, u'p') + pair << QString(bound - 1, u'p');
    }
}

// The texts of an accepted reply, each cut to its bound, reach the link's signals.
void TestConnectionStateMachine::replyTextsAreCut()
{
    QFETCH(QString, field);
    QFETCH(QString, sent);
    QFETCH(QString, kept);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
    QSignalSpy identified(&machine, &ConnectionStateMachine::remoteApplicationIdentified);
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    auto reply =
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    auto *units = field == QLatin1String("name") ? reply.mutable_name()
                  : field == QLatin1String("application name")
                      ? reply.mutable_application_name()
                      : reply.mutable_application_version();
    units->Clear();
    pbSupport::conversion::textToCodeUnits(sent, units);

    machine.handleConnectReply(reply, QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(identified.count(), 1);
    const QString shown =
        field == QLatin1String("name")
            ? succeeded.at(0).at(0).value<RemoteSauna>().name
            : identified.at(0).at(field == QLatin1String("application name") ? 0 : 1).toString();
    QCOMPARE(shown, kept);
}

void TestConnectionStateMachine::hugeIntervalIsClamped()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    peer.keepAliveIntervalSeconds = 4294967;
    ConnectionStateMachine &machine = machineOnSocket();
    QVERIFY(machine.connectTo(saunaOf(peer)));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.isConnected());
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(3600000));
    QCOMPARE(machine.keepAliveSendPeriodMs(), qint64(2400000));
    // A wrapped, tiny or negative interval would lose the connection or flood the sauna: the
    // timers run with the clamped hour, its two thirds and three hours.
    QCOMPARE(runningTimers(machine), (QStringList{"keepAliveTimer", "supervisionTimer"}));
    QCOMPARE(timerOf(machine, "keepAliveTimer")->interval(), 2400000);
    QCOMPARE(timerOf(machine, "supervisionTimer")->interval(), 10800000);
}

void TestConnectionStateMachine::requestsGoOutOnlyWhileConnected()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
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

void TestConnectionStateMachine::noReplyWithoutAutoConnectEndsTheAttempt()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
    machine.setAutoReconnect(false);
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(noResponse.wait(5000));
    QCOMPARE(noResponse.count(), 1);
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(runningTimers(machine), QStringList());
}

void TestConnectionStateMachine::noReplyIsRetriedAtTheReconnectPeriod()
{
    // The sauna drops the first connect request, and the next two as well.
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine::Timing timing = shortTiming();
    // The test makes each period run out; none runs out by itself while the test looks.
    timing.reconnectIntervalMs = 600000;
    Wired wired(timing);
    ConnectionStateMachine &machine = wired.machine;
    QVERIFY(machine.autoReconnect());
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    QTimer *reconnectTimer = timerOf(machine, "reconnectTimer");
    QVERIFY(reconnectTimer != nullptr);

    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(noResponse.wait(5000));
    QCOMPARE(*log, QStringList{"connectFailedNoResponse"});
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    QVERIFY(!machine.hasPeer());
    QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    QCOMPARE(reconnectTimer->interval(), timing.reconnectIntervalMs);
    QCOMPARE(peer.connectRequests(), 1);

    // Each period one more request; no reply is awaited one by one, so the silence is not told
    // again.
    for (int attempt = 2; attempt <= 3; ++attempt) {
        QVERIFY(fire(reconnectTimer));
        QTRY_COMPARE(peer.connectRequests(), attempt);
        QCOMPARE(pinOf(peer.received().back()), peer.pin);
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
        QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    }
    QCOMPARE(noResponse.count(), 1);

    // The sauna hears the next one: a first connect, since it never took the panel before.
    peer.answerConnects = true;
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QVERIFY(fire(reconnectTimer));
    QVERIFY(succeeded.wait(5000));
    QVERIFY(machine.isConnected());
    QCOMPARE(peer.connectRequests(), 4);
    QCOMPARE(log->count(QStringLiteral("connectSucceeded")), 1);
    QCOMPARE(log->count(QStringLiteral("reconnected")), 0);
    QCOMPARE(log->count(QStringLiteral("connectFailedNoResponse")), 1);
    QCOMPARE(runningTimers(machine), (QStringList{"keepAliveTimer", "supervisionTimer"}));
}

void TestConnectionStateMachine::lateReplyAfterTimeout_data()
{
    QTest::addColumn<bool>("autoReconnect");
    QTest::addColumn<bool>("taken");
    // Still trying: the sauna has taken the panel, late as its answer is.
    QTest::newRow("auto-connect on") << true << true;
    // The attempt is over.
    QTest::newRow("auto-connect off") << false << false;
}

void TestConnectionStateMachine::lateReplyAfterTimeout()
{
    QFETCH(bool, autoReconnect);
    QFETCH(bool, taken);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket();
    machine.setAutoReconnect(autoReconnect);
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(noResponse.wait(5000));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(succeeded.count(), taken ? 1 : 0);
    QCOMPARE(machine.state(), taken ? ConnectionStateMachine::State::Connected
                                    : ConnectionStateMachine::State::Idle);
}

void TestConnectionStateMachine::noConnectionEndsTheConnectionAsALoss_data()
{
    QTest::addColumn<bool>("autoReconnect");
    QTest::newRow("auto-connect on") << true;
    QTest::newRow("auto-connect off") << false;
}

void TestConnectionStateMachine::noConnectionEndsTheConnectionAsALoss()
{
    QFETCH(bool, autoReconnect);
    FakeSaunaPeer peer;
    // Supervision alone would take three minutes: only the sauna's answer can end it in time.
    peer.keepAliveIntervalSeconds = 60;
    Wired wired(shortTiming());
    ConnectionStateMachine &machine = wired.machine;
    machine.setAutoReconnect(autoReconnect);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy lost(&machine, &ConnectionStateMachine::connectionLost);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(succeeded.wait(5000));
    QVERIFY(machine.isConnected());

    // The sauna restarted and answers the panel with No_connection.
    peer.answerConnects = false;
    peer.clearReceived();
    peer.sendToPanel(noConnection());
    QVERIFY(lost.wait(5000));
    QCOMPARE(lost.count(), 1);
    QVERIFY(!machine.isConnected());
    QVERIFY(!machine.hasPeer());
    QVERIFY(!log->contains(QStringLiteral("connectFailed")));
    if (!autoReconnect) {
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
        QCOMPARE(runningTimers(machine), QStringList());
        return;
    }
    // As after silence: reconnecting, one attempt at once and then one every reconnect period.
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    QCOMPARE(timerOf(machine, "reconnectTimer")->interval(), shortTiming().reconnectIntervalMs);
    QTRY_COMPARE(peer.connectRequests(), 1);
    // The restarted sauna takes the panel again: a reconnection, not a first connect.
    QSignalSpy reconnected(&machine, &ConnectionStateMachine::reconnected);
    peer.sendReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED));
    QVERIFY(reconnected.wait(5000));
    QVERIFY(machine.isConnected());
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(log->count(QStringLiteral("connectionLost")), 1);
    QCOMPARE(log->count(QStringLiteral("reconnected")), 1);
    QVERIFY(log->indexOf(QStringLiteral("connectionLost")) <
            log->indexOf(QStringLiteral("reconnected")));
}

void TestConnectionStateMachine::noConnectionWhileNotConnectedChangesNothing()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    Wired wired(shortTiming());
    ConnectionStateMachine &machine = wired.machine;
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QTRY_COMPARE(peer.connectRequests(), 1);
    // Connecting: the reply (or its absence) decides, not a stray No_connection.
    QSignalSpy noResponse(&machine, &ConnectionStateMachine::connectFailedNoResponse);
    machine.handleNoConnection();
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Connecting);
    QVERIFY(log->isEmpty());
    QVERIFY(noResponse.wait(5000));
    // Trying again after the silence: the loss it would tell is no news.
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    machine.handleNoConnection();
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    // Idle: nothing to end.
    machine.setAutoReconnect(false);
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
    machine.handleNoConnection();
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(*log, QStringList{"connectFailedNoResponse"});
}

void TestConnectionStateMachine::refusalIsRetriedAtTheReconnectPeriod_data()
{
    QTest::addColumn<vaholumo::Connect_reply>("refusal");
    QTest::addColumn<QString>("outcome");
    FakeSaunaPeer peer;
    QTest::newRow("failed") << peer.connectReply(
                                   vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_FAILED)
                            << QStringLiteral("connectFailed");
    QTest::newRow("door switch")
        << peer.connectReply(
               vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_DOOR_SWITCH_FAIL)
        << QStringLiteral("connectDoorSwitchFail");
    QTest::newRow("compatibility")
        << peer.connectReply(
               vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_COMPATIBILITY_FAIL)
        << QStringLiteral("connectCompatibilityFail");
    auto incomplete =
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
    incomplete.clear_rcb_product();
    QTest::newRow("incomplete acceptance") << incomplete << QStringLiteral("connectFailed");
}

void TestConnectionStateMachine::refusalIsRetriedAtTheReconnectPeriod()
{
    QFETCH(vaholumo::Connect_reply, refusal);
    QFETCH(QString, outcome);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    // The product's own timing: the attempts follow the 5 s reconnect period.
    ConnectionStateMachine &machine = machineOnSocket(ConnectionStateMachine::Timing{});
    QVERIFY(machine.autoReconnect());
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QTimer *reconnectTimer = timerOf(machine, "reconnectTimer");
    QVERIFY(reconnectTimer != nullptr);
    const auto refuse = [&] {
        machine.handleConnectReply(refusal, QHostAddress::LocalHost, peer.saunaPort());
    };

    QVERIFY(machine.connectTo(saunaOf(peer)));
    QTRY_COMPARE(peer.connectRequests(), 1);
    refuse();
    QCOMPARE(*log, QStringList{outcome});
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    QVERIFY(!machine.hasPeer());
    QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    QCOMPARE(reconnectTimer->interval(), 5000);

    // Each period the request goes out again; the same refusal is not told again.
    for (int attempt = 2; attempt <= 3; ++attempt) {
        QVERIFY(fire(reconnectTimer));
        QTRY_COMPARE(peer.connectRequests(), attempt);
        QVERIFY(peer.received().back().envelope.has_connect_request());
        QCOMPARE(pinOf(peer.received().back()), peer.pin);
        refuse();
        QCOMPARE(*log, QStringList{outcome});
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
        QVERIFY(reconnectTimer->isActive());
    }

    // A different refusal is news.
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_DOOR_SWITCH_FAIL),
        QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(log->count(QStringLiteral("connectDoorSwitchFail")), 1);
    QCOMPARE(log->size(), outcome == QLatin1String("connectDoorSwitchFail") ? 1 : 2);

    // The sauna takes the panel at last: a first connect, since it never accepted before.
    QVERIFY(fire(reconnectTimer));
    QTRY_COMPARE(peer.connectRequests(), 4);
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.isConnected());
    QCOMPARE(log->count(QStringLiteral("connectSucceeded")), 1);
    QCOMPARE(log->count(QStringLiteral("reconnected")), 0);
    QCOMPARE(runningTimers(machine), (QStringList{"keepAliveTimer", "supervisionTimer"}));
}

void TestConnectionStateMachine::refusalIsNotRetriedWithoutAutoConnect()
{
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine &machine = machineOnSocket(ConnectionStateMachine::Timing{});
    machine.setAutoReconnect(false);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_FAILED),
        QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(*log, QStringList{"connectFailed"});
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(runningTimers(machine), QStringList());
}

void TestConnectionStateMachine::wrongPinIsNotRetried_data()
{
    QTest::addColumn<bool>("afterLoss");
    QTest::newRow("first connect") << false;
    QTest::newRow("reconnect after a loss") << true;
}

void TestConnectionStateMachine::wrongPinIsNotRetried()
{
    QFETCH(bool, afterLoss);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    qint64 now = 1;
    ConnectionStateMachine::Timing timing;
    timing.monotonicMs = [&now] {
        return now;
    };
    ConnectionStateMachine &machine = machineOnSocket(timing);
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QTimer *reconnectTimer = timerOf(machine, "reconnectTimer");
    QVERIFY(reconnectTimer != nullptr);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    if (afterLoss) {
        machine.handleConnectReply(
            peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
            QHostAddress::LocalHost, peer.saunaPort());
        QVERIFY(machine.isConnected());
        // A connection that had lasted: the request after the loss goes at once.
        now += ConnectionStateMachine::MaximumKeepAliveIntervalMs;
        machine.handleNoConnection();
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    }
    const int requests = afterLoss ? 2 : 1;
    QTRY_COMPARE(peer.connectRequests(), requests);
    log = watchOutcomes(machine, &context);

    // The sauna now wants another PIN than the stored one.
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL),
        QHostAddress::LocalHost, peer.saunaPort());
    QCOMPARE(*log, QStringList{"connectPinFail"});
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
    // Nothing is scheduled, and a stray period sends nothing either.
    QCOMPARE(runningTimers(machine), QStringList());
    QVERIFY(fire(reconnectTimer));
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);

    // The user enters another PIN and connects: that request is the next one the sauna sees.
    RemoteSauna sauna = saunaOf(peer);
    sauna.pin.setPin(QStringLiteral("9876"));
    QVERIFY(machine.connectTo(sauna));
    QTRY_VERIFY(peer.connectRequests() > requests);
    QCOMPARE(peer.connectRequests(), requests + 1);
    QCOMPARE(pinOf(peer.received().back()), QStringLiteral("9876"));
}

void TestConnectionStateMachine::anotherPinGoesIntoTheAttempts_data()
{
    QTest::addColumn<QString>("stage");
    QTest::newRow("connecting") << QStringLiteral("connecting");
    QTest::newRow("retrying a refusal") << QStringLiteral("refused");
    QTest::newRow("reconnecting after a loss") << QStringLiteral("lost");
    QTest::newRow("connected") << QStringLiteral("connected");
}

void TestConnectionStateMachine::anotherPinGoesIntoTheAttempts()
{
    QFETCH(QString, stage);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine::Timing timing = shortTiming();
    timing.connectReplyTimeoutMs = 600000;
    timing.reconnectIntervalMs = 600000;
    // Every connection lasts an hour: a loss is asked about again at once.
    qint64 now = 1;
    timing.monotonicMs = [&now] {
        now += ConnectionStateMachine::MaximumKeepAliveIntervalMs;
        return now;
    };
    ConnectionStateMachine &machine = machineOnSocket(timing);
    const signalInterface::PinTypes::Pin newPin(QStringLiteral("9876"));
    // Idle: there is nothing to give it to.
    QVERIFY(!machine.changePin(peer.identity, newPin));

    QVERIFY(machine.connectTo(saunaOf(peer)));
    const auto reply = [&](Status status) {
        machine.handleConnectReply(peer.connectReply(status), QHostAddress::LocalHost,
                                   peer.saunaPort());
    };
    if (stage == QLatin1String("refused")) {
        reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_DOOR_SWITCH_FAIL);
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    } else if (stage != QLatin1String("connecting")) {
        reply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);
        QVERIFY(machine.isConnected());
    }
    if (stage == QLatin1String("lost")) {
        machine.handleNoConnection();
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    }
    const int requests = stage == QLatin1String("lost") ? 2 : 1;
    QTRY_COMPARE(peer.connectRequests(), requests);
    QCOMPARE(pinOf(peer.received().back()), peer.pin);
    const ConnectionStateMachine::State state = machine.state();

    // Another sauna's PIN, or the same PIN, changes nothing.
    QVERIFY(!machine.changePin(QUuid::createUuid(), newPin));
    QVERIFY(!machine.changePin(peer.identity, signalInterface::PinTypes::Pin(peer.pin)));

    const bool connected = stage == QLatin1String("connected");
    QCOMPARE(machine.changePin(peer.identity, newPin), !connected);
    QCOMPARE(machine.state(), state);
    if (connected) {
        // The live connection stays; the PIN counts from its next attempt on.
        QVERIFY(machine.isConnected());
        machine.handleNoConnection();
    }
    QTRY_COMPARE(peer.connectRequests(), requests + 1);
    QCOMPARE(pinOf(peer.received().back()), newPin.pin());
    if (stage == QLatin1String("connecting")) {
        // The new request has the whole reply time.
        QCOMPARE(runningTimers(machine), QStringList{"replyTimer"});
        return;
    }
    // And every later attempt.
    QCOMPARE(runningTimers(machine), QStringList{"reconnectTimer"});
    QVERIFY(fire(timerOf(machine, "reconnectTimer")));
    QTRY_COMPARE(peer.connectRequests(), requests + 2);
    QCOMPARE(pinOf(peer.received().back()), newPin.pin());
}

void TestConnectionStateMachine::lossAfterALastingConnectionAsksAgainAtOnce_data()
{
    QTest::addColumn<qint64>("lastedMs");
    QTest::addColumn<bool>("atOnce");
    // The sauna's keep-alive interval is 60 s.
    QTest::newRow("lasted the keep-alive interval") << qint64(60000) << true;
    QTest::newRow("lasted an hour") << qint64(3600000) << true;
    QTest::newRow("ended 1 ms sooner") << qint64(59999) << false;
    QTest::newRow("ended at once") << qint64(0) << false;
}

void TestConnectionStateMachine::lossAfterALastingConnectionAsksAgainAtOnce()
{
    QFETCH(qint64, lastedMs);
    QFETCH(bool, atOnce);
    FakeSaunaPeer peer;
    peer.keepAliveIntervalSeconds = 60;
    qint64 now = 1;
    ConnectionStateMachine::Timing timing;
    timing.monotonicMs = [&now] {
        return now;
    };
    Wired wired(timing);
    ConnectionStateMachine &machine = wired.machine;
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy lost(&machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(&machine, &ConnectionStateMachine::reconnected);
    QVERIFY(machine.connectTo(saunaOf(peer)));
    QVERIFY(succeeded.wait(5000));
    QCOMPARE(machine.keepAliveIntervalMs(), qint64(60000));

    // The sauna restarts after the connection has lasted that long.
    now += lastedMs;
    peer.clearReceived();
    peer.sendToPanel(noConnection());
    QVERIFY(lost.wait(5000));
    const qint64 lostAt = now;
    QTimer *reconnectTimer = timerOf(machine, "reconnectTimer");
    QVERIFY(reconnectTimer->isActive());
    if (atOnce) {
        // Back without any period running out: well within 2 s of the loss.
        QVERIFY(reconnected.wait(5000));
        QVERIFY(now - lostAt < 2000);
    } else {
        now += ConnectionStateMachine::ReconnectIntervalMs;
        QVERIFY(fire(reconnectTimer));
        QVERIFY(reconnected.wait(5000));
    }
    QVERIFY(machine.isConnected());
    // Everything sent before the disconnect request has arrived with it: one request.
    QVERIFY(machine.disconnectFromSauna());
    QTRY_COMPARE(peer.disconnectRequests(), 1);
    QCOMPARE(peer.connectRequests(), 1);
}

void TestConnectionStateMachine::saunaDroppingAtOnceIsAskedOncePerPeriod()
{
    // A sauna whose table of panels is full: it takes the panel and drops it at once.
    FakeSaunaPeer peer;
    peer.dropAfterAccepting = true;
    qint64 now = 1;
    ConnectionStateMachine::Timing timing;
    timing.monotonicMs = [&now] {
        return now;
    };
    Wired wired(timing);
    ConnectionStateMachine &machine = wired.machine;
    QTimer *reconnectTimer = timerOf(machine, "reconnectTimer");
    QSignalSpy lost(&machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(&machine, &ConnectionStateMachine::reconnected);
    const int period = ConnectionStateMachine::ReconnectIntervalMs;

    QVERIFY(machine.connectTo(saunaOf(peer)));
    QTRY_COMPARE(lost.count(), 1);
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    int requests = 1;
    QCOMPARE(peer.connectRequests(), requests);
    // 20 s in steps of 100 ms; the reconnect timer runs out once per period.
    qint64 due = now + period;
    const qint64 end = now + 20000;
    for (now += 100; now <= end; now += 100) {
        if (now < due)
            continue;
        QVERIFY(reconnectTimer->isActive());
        QVERIFY(fire(reconnectTimer));
        ++requests;
        // Taken and dropped once more, and nothing else asked for in between.
        QTRY_COMPARE(lost.count(), requests);
        QCOMPARE(peer.connectRequests(), requests);
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
        due = now + period;
    }
    QCOMPARE(reconnected.count(), requests - 1);
    QVERIFY(machine.disconnectFromSauna());
    QTRY_COMPARE(peer.disconnectRequests(), 1);
    // One request at the start and one per period after it: at 0, 5, 10, 15 and 20 s.
    QCOMPARE(peer.connectRequests(), 5);
}

void TestConnectionStateMachine::otherSystemAtTheAddressIsNoConnection_data()
{
    QTest::addColumn<bool>("autoReconnect");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("afterLoss");
    const int accepted = vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED;
    const int pinFail = vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL;
    QTest::newRow("accepts a first connect") << true << accepted << false;
    QTest::newRow("accepts a reconnect") << true << accepted << true;
    QTest::newRow("refuses the sauna's PIN") << true << pinFail << false;
    QTest::newRow("accepts without auto-connect") << false << accepted << false;
}

void TestConnectionStateMachine::otherSystemAtTheAddressIsNoConnection()
{
    QFETCH(bool, autoReconnect);
    QFETCH(int, status);
    QFETCH(bool, afterLoss);
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    ConnectionStateMachine::Timing timing = shortTiming();
    timing.reconnectIntervalMs = 600000;
    Wired wired(timing);
    ConnectionStateMachine &machine = wired.machine;
    machine.setAutoReconnect(autoReconnect);
    const RemoteSauna garden = saunaOf(peer);
    QVERIFY(machine.connectTo(garden));
    QTRY_COMPARE(peer.connectRequests(), 1);
    if (afterLoss) {
        machine.handleConnectReply(
            peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
            QHostAddress::LocalHost, peer.saunaPort());
        QVERIFY(machine.isConnected());
        machine.handleNoConnection();
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    }
    QObject context;
    const QStringList *log = watchOutcomes(machine, &context);
    QSignalSpy other(&machine, &ConnectionStateMachine::connectOtherSystemAnswered);

    // Another system now answers at the sauna's address.
    peer.identity = QUuid(QStringLiteral("{7d2c4e91-0b3a-4f6e-a5d8-2c9e1f4b6a03}"));
    peer.name = QStringLiteral("Other");
    const auto answer = [&] {
        machine.handleConnectReply(peer.connectReply(Status(status)), QHostAddress::LocalHost,
                                   peer.saunaPort());
    };
    answer();
    QCOMPARE(other.count(), 1);
    const auto sauna = other.at(0).at(0).value<RemoteSauna>();
    const auto answered = other.at(0).at(1).value<RemoteSauna>();
    QCOMPARE(sauna.identity, garden.identity);
    QCOMPARE(sauna.name, garden.name);
    QCOMPARE(sauna.address, garden.address);
    QCOMPARE(sauna.port, garden.port);
    QCOMPARE(answered.identity, peer.identity);
    QCOMPARE(answered.name, QStringLiteral("Other"));
    QVERIFY(answered.pin.pin() != garden.pin.pin());
    // Not connected, no PIN hold, nothing left to send there: no keep-alive, no command.
    QCOMPARE(*log, QStringList{});
    QVERIFY(!machine.isConnected());
    QVERIFY(!machine.hasPeer());
    QVERIFY(!machine.sendToPeer(QByteArray("\x08\x01", 2)));
    QVERIFY(!wired.receiver.hasPeer());
    QVERIFY(machine.sauna().address.isNull());
    QCOMPARE(machine.sauna().identity, garden.identity);
    QCOMPARE(runningTimers(machine), QStringList());
    if (!autoReconnect) {
        QCOMPARE(machine.state(), ConnectionStateMachine::State::Idle);
        return;
    }
    QCOMPARE(machine.state(), ConnectionStateMachine::State::Reconnecting);
    // A stray period sends nothing and a repeated answer is not told again.
    QVERIFY(fire(timerOf(machine, "reconnectTimer")));
    answer();
    QCOMPARE(other.count(), 1);
    QVERIFY(!machine.changePin(garden.identity,
                               signalInterface::PinTypes::Pin(QStringLiteral("9876"))));

    // The sauna announces itself again, at the same address: asked there once more.
    peer.clearReceived();
    QVERIFY(machine.redirectReconnection(garden));
    QCOMPARE(machine.sauna().address, garden.address);
    QTRY_COMPARE(peer.connectRequests(), 1);
    QCOMPARE(pinOf(peer.received().front()), QStringLiteral("9876"));
    peer.identity = garden.identity;
    peer.name = garden.name;
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.isConnected());
    QCOMPARE(machine.sauna().identity, garden.identity);
    QCOMPARE(
        log->count(afterLoss ? QStringLiteral("reconnected") : QStringLiteral("connectSucceeded")),
        1);
}

void TestConnectionStateMachine::unknownIdentityIsLearned()
{
    // A connect by address alone, as after an IP detect: whoever answers there is the sauna.
    FakeSaunaPeer peer;
    peer.answerConnects = false;
    Wired wired(shortTiming());
    ConnectionStateMachine &machine = wired.machine;
    RemoteSauna byAddress = saunaOf(peer);
    byAddress.identity = QUuid();
    byAddress.name.clear();
    QSignalSpy succeeded(&machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy other(&machine, &ConnectionStateMachine::connectOtherSystemAnswered);
    QVERIFY(machine.connectTo(byAddress));
    machine.handleConnectReply(
        peer.connectReply(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED),
        QHostAddress::LocalHost, peer.saunaPort());
    QVERIFY(machine.isConnected());
    QCOMPARE(other.count(), 0);
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(succeeded.at(0).at(0).value<RemoteSauna>().identity, peer.identity);
    QCOMPARE(succeeded.at(0).at(0).value<RemoteSauna>().name, peer.name);
    QCOMPARE(machine.sauna().identity, peer.identity);
}

QTEST_GUILESS_MAIN(TestConnectionStateMachine)
#include "tst_connection_state_machine.moc"
