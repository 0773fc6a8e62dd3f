#include "pc_panel/local_ipv4_addresses.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "support/network_namespace.h"

#include <QNetworkInterface>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

#include <memory>

using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

// A test subnet of its own, between this namespace and the sauna's.
const QString panelInterface = QStringLiteral("lnk2panel");
const QString saunaInterface = QStringLiteral("lnk2sauna");
const QString panelAddress = QStringLiteral("10.231.7.1");
const QString saunaAddress = QStringLiteral("10.231.7.2");
const QUuid saunaIdentity(QStringLiteral("{3c9e1a7b-5d2f-4b8e-a6c0-7f1e2d3b4a59}"));

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The simulated sauna in a network namespace of its own, joined to this one by a veth pair.
// Both go away with the object.
class SaunaNamespace
{
public:
    bool start()
    {
        const QString script =
            QStringLiteral("ip link set lo up; "
                           "while ! ip link show %1 >/dev/null 2>&1; do sleep 0.05; done; "
                           "ip addr add %2/24 dev %1 && ip link set %1 up && "
                           "exec \"$0\" -a 54378 -s 49152 -p 2580 -u %3 -n 'Veth sauna'")
                .arg(saunaInterface, saunaAddress, saunaIdentity.toString());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("unshare"),
                        {QStringLiteral("-n"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                         QStringLiteral(SAUNA_SIMULATOR_PATH)});
        if (!m_process.waitForStarted(10000))
            return false;
        if (!testSupport::waitForOwnNetworkNamespace(m_process.processId()))
            return false;
        m_linkCreated = run(QStringLiteral("ip"),
                            {QStringLiteral("link"), QStringLiteral("add"), panelInterface,
                             QStringLiteral("type"), QStringLiteral("veth"), QStringLiteral("peer"),
                             QStringLiteral("name"), saunaInterface, QStringLiteral("netns"),
                             QString::number(m_process.processId())});
        return m_linkCreated &&
               run(QStringLiteral("ip"),
                   {QStringLiteral("addr"), QStringLiteral("add"),
                    panelAddress + QStringLiteral("/24"), QStringLiteral("dev"), panelInterface}) &&
               run(QStringLiteral("ip"), {QStringLiteral("link"), QStringLiteral("set"),
                                          panelInterface, QStringLiteral("up")});
    }

    ~SaunaNamespace()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
        if (m_linkCreated)
            run(QStringLiteral("ip"),
                {QStringLiteral("link"), QStringLiteral("del"), panelInterface});
    }

private:
    QProcess m_process;
    bool m_linkCreated = false;
};

} // namespace

// Discovery by broadcast, as on a real network: the panel and a simulated sauna in two network
// namespaces joined by a veth pair.
class TestBroadcastDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void broadcastFindsTheSaunaAndAutoConnects();
};

void TestBroadcastDiscovery::initTestCase()
{
    // Interfaces are made here only inside the private test namespace, where lo is all there is.
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    if (geteuid() != 0 || interfaces.size() != 1 ||
        !interfaces.front().flags().testFlag(QNetworkInterface::IsLoopBack))
        QSKIP("needs the private network namespace of the test runner");
    control::Settings names(QStringLiteral("BroadcastTest"), QStringLiteral("PC_Panel"));
    pcPanel::InstanceSettings::resetForTesting();
    QVERIFY(pcPanel::localIpv4Addresses().isEmpty());
    QVERIFY(pcPanel::localIpv4BroadcastAddresses().isEmpty());
}

void TestBroadcastDiscovery::broadcastFindsTheSaunaAndAutoConnects()
{
    SaunaNamespace sauna;
    QVERIFY(sauna.start());
    QTRY_VERIFY_WITH_TIMEOUT(pcPanel::localIpv4BroadcastAddresses().contains(
                                 QHostAddress(QStringLiteral("10.231.7.255"))),
                             180000);
    QCOMPARE(pcPanel::localIpv4Addresses(), QList<QHostAddress>{QHostAddress(panelAddress)});

    SaunaCommunication::Timing timing;
    // Repeated often, so that a request sent before the sauna listens is soon followed by another.
    timing.announcementIntervalMs = 300;
    SaunaCommunication link(nullptr, nullptr, timing);
    // Selected and given its PIN in an earlier run; the address is learned from the broadcast.
    link.onConnectRequest(saunaIdentity);
    RemoteSauna stored;
    stored.identity = saunaIdentity;
    stored.name = QStringLiteral("Veth sauna");
    stored.pin.setPin(QStringLiteral("2580"));
    link.onRemoteSaunaChangeRequest(stored, true);
    QVERIFY(link.autoConnect());
    QVERIFY(link.bindSaunaSystemSocket(0));
    QVERIFY(link.startAnnouncements());

    QTRY_VERIFY_WITH_TIMEOUT(!link.remoteSaunas().front().address.isNull(), 180000);
    QCOMPARE(link.remoteSaunas().size(), 1);
    QCOMPARE(link.remoteSaunas().front().address, QHostAddress(saunaAddress));
    QCOMPARE(link.remoteSaunas().front().port, quint16(49152));
    QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), 180000);
    QCOMPARE(link.connectionStateMachine()->sauna().address, QHostAddress(saunaAddress));
}

QTEST_GUILESS_MAIN(TestBroadcastDiscovery)
#include "tst_broadcast_discovery.moc"
