#include "pc_panel/local_ipv4_addresses.h"
#include "pc_panel/remote_sauna_list.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "sauna_simulator/simulated_sauna.h"
#include "value/pin_packing.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <unistd.h>

#include <memory>

using pcPanel::ConnectionStateMachine;
using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

// A broadcast-capable interface inside the test's own network namespace, so that the panel's
// periodic announcement requests (sent to broadcast addresses only) reach the in-process sauna.
const QString panelInterface = QStringLiteral("soak0");
const QString peerInterface = QStringLiteral("soak1");
const QString panelAddress = QStringLiteral("10.231.9.1");
const QHostAddress broadcastAddress(QStringLiteral("10.231.9.255"));

const QString storedPin = QStringLiteral("2580");
// Keep-alive interval the sauna leaves to the panel; loss after three of them.
constexpr int keepAliveIntervalMs = 300;
constexpr int soakIntervals = 50;
constexpr int silenceCycles = 3;

bool runIp(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("ip"), arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

// A failure inside the helper ends the test function too.
#define VERIFY_STORED_LIST(identity)                                                               \
    do {                                                                                           \
        verifyStoredList(identity);                                                                \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

// The link held against the simulated sauna for a long run: many keep-alive periods, repeated
// silence and return, restarts of the sauna on new ports found again by the periodic
// announcements, and finally a sauna that refuses the stored PIN. After every phase the panel is
// in the expected state and the stored sauna list is intact.
class TestLinkSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void longRunWithLossRestartsAndRefusal();

private:
    std::unique_ptr<tools::SimulatedSauna> startSauna(quint16 saunaPort, const QString &pin);
    void verifyStoredList(const QUuid &identity);

    bool m_interfaceCreated = false;
};

void TestLinkSoak::initTestCase()
{
    // Interfaces are made here only inside the private test namespace, where lo is all there is.
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    if (geteuid() != 0 || interfaces.size() != 1 ||
        !interfaces.front().flags().testFlag(QNetworkInterface::IsLoopBack))
        QSKIP("needs the private network namespace of the test runner");
    m_interfaceCreated = runIp({QStringLiteral("link"), QStringLiteral("add"), panelInterface,
                                QStringLiteral("type"), QStringLiteral("veth"),
                                QStringLiteral("peer"), QStringLiteral("name"), peerInterface});
    QVERIFY(m_interfaceCreated);
    QVERIFY(runIp({QStringLiteral("addr"), QStringLiteral("add"), panelAddress + "/24",
                   QStringLiteral("dev"), panelInterface}));
    QVERIFY(runIp(
        {QStringLiteral("link"), QStringLiteral("set"), panelInterface, QStringLiteral("up")}));
    QVERIFY(runIp(
        {QStringLiteral("link"), QStringLiteral("set"), peerInterface, QStringLiteral("up")}));
    QTRY_VERIFY_WITH_TIMEOUT(pcPanel::localIpv4BroadcastAddresses().contains(broadcastAddress),
                             10000);

    control::Settings names(QStringLiteral("LinkSoakTest"), QStringLiteral("PC_Panel"));
    pcPanel::InstanceSettings::resetForTesting();
}

void TestLinkSoak::cleanupTestCase()
{
    if (m_interfaceCreated)
        runIp({QStringLiteral("link"), QStringLiteral("del"), panelInterface});
    control::Settings::resetForTesting();
}

std::unique_ptr<tools::SimulatedSauna> TestLinkSoak::startSauna(quint16 saunaPort,
                                                                const QString &pin)
{
    tools::SimulatorOptions options;
    // The standard announcement port: the sauna is found by broadcast, as on a real network.
    options.announcePort = tools::SimulatorOptions::DefaultAnnouncePort;
    options.saunaPort = saunaPort;
    options.pin = pin;
    options.keepAliveIntervalSeconds = 0; // the panel's default interval, shortened below
    options.heatIntervalMs = 200;         // reports flow all the time, not only keep-alives
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    auto sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    if (!sauna->start(&error)) {
        qWarning() << error;
        return nullptr;
    }
    return sauna;
}

// Reads the settings file as text: one entry, of that identity, with its PIN stored enciphered,
// and the stored list still loads whole with that PIN.
void TestLinkSoak::verifyStoredList(const QUuid &identity)
{
    const QString fileName = control::Settings::settings()->fileName();
    QFile file(fileName);
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(fileName));
    const QString text = QString::fromUtf8(file.readAll());
    // QSettings keeps an array as a section of its own: "size" and "<n>\<key>" entries.
    const qsizetype section = text.indexOf(QStringLiteral("[pc_panel_remote_saunas]\n"));
    QVERIFY2(section >= 0, qPrintable(text));
    const QString entries = text.mid(section).section(QStringLiteral("\n["), 0, 0);
    QVERIFY2(entries.contains(QStringLiteral("\nsize=1\n")), qPrintable(text));
    QVERIFY2(entries.contains(QStringLiteral("\n1\\pc_panel_remote_sauna_identity=") +
                              identity.toString() + QLatin1Char('\n')),
             qPrintable(text));
    QVERIFY2(!entries.contains(QStringLiteral("\n2\\")), qPrintable(text));

    QSettings stored(fileName, QSettings::IniFormat);
    stored.beginReadArray(QStringLiteral("pc_panel_remote_saunas"));
    stored.setArrayIndex(0);
    bool ok1 = false;
    bool ok2 = false;
    const quint32 pin1 = stored.value(QStringLiteral("pc_panel_remote_sauna_pin_1")).toUInt(&ok1);
    const quint32 pin2 = stored.value(QStringLiteral("pc_panel_remote_sauna_pin_2")).toUInt(&ok2);
    stored.endArray();
    QVERIFY(ok1 && ok2);
    const value::PinBlock plain = value::packPin(storedPin);
    QVERIFY2(pin1 != plain[0] || pin2 != plain[1], "the PIN is stored packed but not enciphered");
    QVERIFY(!text.contains(storedPin));

    pcPanel::RemoteSaunaList list;
    QCOMPARE(list.load(&stored), 0);
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.saunas().front().identity, identity);
    QCOMPARE(list.saunas().front().pin.pin(), storedPin);
}

void TestLinkSoak::longRunWithLossRestartsAndRefusal()
{
    auto sauna = startSauna(49152, storedPin);
    QVERIFY(sauna);
    const QUuid identity = sauna->identity().identity;

    SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 250;
    timing.connection.connectReplyTimeoutMs = 1000;
    timing.connection.reconnectIntervalMs = 200;
    timing.connection.defaultKeepAliveIntervalMs = keepAliveIntervalMs;
    SaunaCommunication link(nullptr, nullptr, timing);
    ConnectionStateMachine *machine = link.connectionStateMachine();
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);
    QSignalSpy failed(machine, &ConnectionStateMachine::connectFailed);
    QSignalSpy noResponse(machine, &ConnectionStateMachine::connectFailedNoResponse);
    QSignalSpy announced(&link, &SaunaCommunication::remoteSaunaChanged);

    // Selected and given its PIN in an earlier run; auto-connect finds it by announcement.
    link.onConnectRequest(identity);
    RemoteSauna record;
    record.identity = identity;
    record.name = sauna->identity().name;
    record.pin.setPin(storedPin);
    link.onRemoteSaunaChangeRequest(record, true);
    QVERIFY(link.bindSaunaSystemSocket(0));
    QVERIFY(link.startAnnouncements());
    QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), 10000);
    QCOMPARE(succeeded.count(), 1);
    QCOMPARE(machine->sauna().port, quint16(49152));
    VERIFY_STORED_LIST(identity);

    // What the sauna tells of itself reaches the file within the save delay.
    const QString fileName = control::Settings::settings()->fileName();
    const RemoteSauna reported = link.remoteSaunas().front();
    const auto fileShowsReported = [&fileName, &reported] {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QString text = QString::fromUtf8(file.readAll());
        return text.contains(QStringLiteral("\n1\\pc_panel_remote_sauna_brand=%1\n")
                                 .arg(int(reported.brand))) &&
               text.contains(QStringLiteral("\n1\\pc_panel_remote_sauna_rcb_product=%1\n")
                                 .arg(int(reported.rcbProduct)));
    };
    QTRY_VERIFY(fileShowsReported());

    // Phase 1: held for many keep-alive intervals while reports and announcements keep coming.
    // Announcements that change nothing stored leave the file alone.
    const QDateTime fileWritten = QFileInfo(fileName).lastModified();
    const quint32 firstSequence = machine->keepAliveSequenceNumber(identity);
    const int announcementsBefore = announced.count();
    QSignalSpy panelConnected(sauna.get(), &tools::SimulatedSauna::panelConnected);
    // The panel sends a keep-alive every two thirds of an interval, and only while connected:
    // each one is a step of the soak, and soakIntervals intervals take half as many again.
    const quint32 soakKeepAlives = soakIntervals * 3 / 2;
    for (quint32 step = 1; step <= soakKeepAlives; ++step) {
        QTRY_VERIFY_WITH_TIMEOUT(
            machine->keepAliveSequenceNumber(identity) >= firstSequence + step || !lost.isEmpty(),
            5000);
        QVERIFY2(link.isConnected(), qPrintable(QStringLiteral("keep-alive %1").arg(step)));
        QCOMPARE(lost.count(), 0);
        QCOMPARE(sauna->connectedPanelCount(), 1);
    }
    // Sent every two thirds of an interval, each a number higher than the one before.
    QVERIFY(machine->keepAliveSequenceNumber(identity) >= firstSequence + soakIntervals);
    QCOMPARE(panelConnected.count(), 0);
    QCOMPARE(succeeded.count(), 1);
    QVERIFY(announced.count() > announcementsBefore + soakIntervals / 2);
    QCOMPARE(QFileInfo(fileName).lastModified(), fileWritten);
    QSignalSpy temperature(link.saunaSystemReceiver(),
                           &pcPanel::SaunaSystemReceiver::saunaTargetTemperatureChanged);
    link.saunaSystemSender()->onTargetTemperatureChangeRequested(702);
    QTRY_VERIFY(!temperature.isEmpty() && temperature.last().at(0).toInt() == 702);
    VERIFY_STORED_LIST(identity);

    // Phase 2: silence and return, several times; the same connection comes back every time.
    for (int cycle = 1; cycle <= silenceCycles; ++cycle) {
        const quint32 sequence = machine->keepAliveSequenceNumber(identity);
        sauna->setSilent(true);
        QVERIFY(lost.wait(5000));
        QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
        QVERIFY(!link.isConnected());
        sauna->setSilent(false);
        QVERIFY(reconnected.wait(5000));
        QVERIFY(link.isConnected());
        QCOMPARE(lost.count(), cycle);
        QCOMPARE(reconnected.count(), cycle);
        QTRY_VERIFY(machine->keepAliveSequenceNumber(identity) > sequence);
        QCOMPARE(sauna->connectedPanelCount(), 1);
    }
    QCOMPARE(succeeded.count(), 1);
    VERIFY_STORED_LIST(identity);

    // Phase 3: the sauna goes away and comes back on another port after the panel noticed the
    // loss. The periodic announcements point the reconnect attempts at the new port.
    sauna.reset();
    QVERIFY(lost.wait(5000));
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    sauna = startSauna(49153, storedPin);
    QVERIFY(sauna);
    QVERIFY(reconnected.wait(10000));
    QVERIFY(link.isConnected());
    QCOMPARE(machine->sauna().port, quint16(49153));
    QCOMPARE(link.remoteSaunas().size(), 1);
    QCOMPARE(link.remoteSaunas().front().port, quint16(49153));
    QCOMPARE(sauna->connectedPanelCount(), 1);
    VERIFY_STORED_LIST(identity);

    // The same, with the sauna back before the loss is noticed: its announcements arrive while
    // the panel still counts as connected, and still lead it to the new port.
    sauna.reset();
    sauna = startSauna(49154, storedPin);
    QVERIFY(sauna);
    QVERIFY(lost.wait(5000));
    QVERIFY(reconnected.wait(10000));
    QVERIFY(link.isConnected());
    QCOMPARE(machine->sauna().port, quint16(49154));
    QCOMPARE(link.remoteSaunas().front().port, quint16(49154));
    // And it holds there: eight keep-alives, five intervals, without a loss.
    const int lostBefore = lost.count();
    const quint32 sequenceAfterReturn = machine->keepAliveSequenceNumber(identity);
    QTRY_VERIFY_WITH_TIMEOUT(machine->keepAliveSequenceNumber(identity) >=
                                     sequenceAfterReturn + 8 ||
                                 lost.count() != lostBefore,
                             10000);
    QCOMPARE(lost.count(), lostBefore);
    QVERIFY(link.isConnected());
    QCOMPARE(succeeded.count(), 1);
    VERIFY_STORED_LIST(identity);

    // Phase 4: the sauna comes back with another PIN. The panel is refused once and stays
    // refused: no further connect requests while announcements keep arriving.
    sauna.reset();
    QVERIFY(lost.wait(5000));
    sauna = startSauna(49155, QStringLiteral("7777"));
    QVERIFY(sauna);
    QSignalSpy refused(sauna.get(), &tools::SimulatedSauna::panelRefused);
    QVERIFY(pinFail.wait(10000));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(2).toInt(), 20);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QVERIFY(!link.isConnected());
    // Nothing is scheduled that could try again, and ten announcements later nothing has: each
    // is handled whole when it is counted, and an attempt would have left Idle on the way.
    QVERIFY(!machine->hasActiveTimer());
    QSignalSpy states(machine, &ConnectionStateMachine::stateChanged);
    const int announcementsAfterRefusal = announced.count();
    QTRY_VERIFY_WITH_TIMEOUT(announced.count() >= announcementsAfterRefusal + 10,
                             20 * timing.announcementIntervalMs);
    QCOMPARE(states.count(), 0);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(pinFail.count(), 1);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(sauna->connectedPanelCount(), 0);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(noResponse.count(), 0);
    // The refusal changes nothing stored: the entry keeps the PIN the user gave.
    VERIFY_STORED_LIST(identity);
}

QTEST_GUILESS_MAIN(TestLinkSoak)
#include "tst_link_soak.moc"
