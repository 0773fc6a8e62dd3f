#include "pc_panel/local_ipv4_addresses.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "support/sauna_namespace.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

const QUuid saunaIdentity(QStringLiteral("{3c9e1a7b-5d2f-4b8e-a6c0-7f1e2d3b4a59}"));

} // namespace

// Discovery by broadcast, as on a real network: the panel here and the simulated sauna in a
// network namespace of its own, joined to this one by a veth pair that the test runner made.
class TestBroadcastDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void broadcastFindsTheSaunaAndAutoConnects();

private:
    testSupport::SaunaNamespace m_namespace;
    QProcess m_sauna;
    QByteArray m_saunaOutput;
};

void TestBroadcastDiscovery::initTestCase()
{
    if (!m_namespace.isReady())
        QSKIP("needs the sauna namespace of the test runner (root)");
    control::Settings names(QStringLiteral("BroadcastTest"), QStringLiteral("PC_Panel"));
    pcPanel::InstanceSettings::resetForTesting();
    // The link's end of the pair is all the panel sees besides lo.
    QCOMPARE(pcPanel::localIpv4Addresses(), QList<QHostAddress>{m_namespace.panelAddress()});
    QCOMPARE(pcPanel::localIpv4BroadcastAddresses(),
             QList<QHostAddress>{m_namespace.broadcastAddress()});

    m_sauna.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_sauna, &QProcess::readyReadStandardOutput, this,
            [this] { m_saunaOutput += m_sauna.readAllStandardOutput(); });
    m_namespace.start(m_sauna, QStringLiteral(SAUNA_SIMULATOR_PATH),
                      {QStringLiteral("-a"), QStringLiteral("54378"), QStringLiteral("-s"),
                       QStringLiteral("49152"), QStringLiteral("-p"), QStringLiteral("2580"),
                       QStringLiteral("-u"), saunaIdentity.toString(), QStringLiteral("-n"),
                       QStringLiteral("Veth sauna")});
    QVERIFY(m_sauna.waitForStarted());
    QTRY_VERIFY2_WITH_TIMEOUT(m_saunaOutput.contains("listening") ||
                                  m_sauna.state() == QProcess::NotRunning,
                              m_saunaOutput.constData(), 30000);
    QVERIFY2(m_sauna.state() == QProcess::Running, m_saunaOutput.constData());
}

void TestBroadcastDiscovery::cleanupTestCase()
{
    m_sauna.kill();
    m_sauna.waitForFinished();
}

void TestBroadcastDiscovery::broadcastFindsTheSaunaAndAutoConnects()
{
    SaunaCommunication::Timing timing;
    // The first request goes out at once and the sauna already listens; the repeats only make up
    // for a datagram lost on a busy machine.
    timing.announcementIntervalMs = 1000;
    SaunaCommunication link(nullptr, nullptr, timing);
    QSignalSpy connected(&link, &SaunaCommunication::connectedChanged);
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

    QVERIFY(connected.wait(30000));
    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(0).toBool(), true);
    QCOMPARE(link.remoteSaunas().size(), 1);
    QCOMPARE(link.remoteSaunas().front().address, m_namespace.saunaAddress());
    QCOMPARE(link.remoteSaunas().front().port, quint16(49152));
    QVERIFY(link.isConnected());
    QCOMPARE(link.connectionStateMachine()->sauna().address, m_namespace.saunaAddress());
    QTRY_VERIFY2(
        m_saunaOutput.contains("connected " + m_namespace.panelAddress().toString().toUtf8()),
        m_saunaOutput.constData());
}

QTEST_GUILESS_MAIN(TestBroadcastDiscovery)
#include "tst_broadcast_discovery.moc"
