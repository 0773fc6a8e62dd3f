#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "sauna_simulator/simulated_sauna.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <memory>

using pcPanel::ConnectionStateMachine;
using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

// The link against the simulated sauna, in one process on loopback: discovery, connect,
// keep-alive, silence and return, the wrong PIN, and the disconnect.
class TestSaunaLinkSimulator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void connectKeepAliveLoseAndReconnect();
    void wrongPinIsRefused();

private:
    std::unique_ptr<SaunaCommunication> makeLink();
    void discover(SaunaCommunication &link, tools::SimulatedSauna &sauna, const QString &pin);

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    int m_run = 0;
};

void TestSaunaLinkSimulator::init()
{
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings names(QStringLiteral("SimulatorLinkTest%1").arg(++m_run),
                            QStringLiteral("PC_Panel"));
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = QStringLiteral("2580");
    options.keepAliveIntervalSeconds = 0; // the panel's default interval, shortened below
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));
}

void TestSaunaLinkSimulator::cleanup()
{
    m_sauna.reset();
    control::Settings::resetForTesting();
}

std::unique_ptr<SaunaCommunication> TestSaunaLinkSimulator::makeLink()
{
    SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 60000;
    timing.connection.connectReplyTimeoutMs = 1000;
    timing.connection.reconnectIntervalMs = 200;
    timing.connection.defaultKeepAliveIntervalMs = 300;
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, timing);
    if (!link->bindSaunaSystemSocket(0) || !link->startAnnouncements())
        return nullptr;
    return link;
}

void TestSaunaLinkSimulator::discover(SaunaCommunication &link, tools::SimulatedSauna &sauna,
                                      const QString &pin)
{
    QSignalSpy detected(&link, &SaunaCommunication::ipDetectDone);
    RemoteSauna target;
    target.address = QHostAddress::LocalHost;
    target.port = sauna.announcePort();
    link.onIpDetectRequest(target);
    QVERIFY(detected.wait(5000));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    QCOMPARE(link.remoteSaunas().size(), 1);
    RemoteSauna record = link.remoteSaunas().front();
    QCOMPARE(record.identity, sauna.identity().identity);
    QCOMPARE(record.name, sauna.identity().name);
    QCOMPARE(record.port, sauna.saunaPort());
    record.pin.setPin(pin);
    link.onRemoteSaunaChangeRequest(record, true);
}

void TestSaunaLinkSimulator::connectKeepAliveLoseAndReconnect()
{
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, *m_sauna, QStringLiteral("2580"));
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy panelConnected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy identified(machine, &ConnectionStateMachine::remoteApplicationIdentified);
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy temperature(link->saunaSystemReceiver(),
                           &pcPanel::SaunaSystemReceiver::saunaTargetTemperatureChanged);

    link->onConnectRequest(m_sauna->identity().identity);
    QVERIFY(succeeded.wait(5000));
    QCOMPARE(panelConnected.count(), 1);
    QCOMPARE(identified.count(), 1);
    QCOMPARE(identified.at(0).at(0).toString(), m_sauna->identity().applicationName);
    // The full report that follows an accepted connect reaches the receiver.
    QTRY_VERIFY(temperature.count() >= 1);

    // Keep-alives in both directions hold the connection over many loss windows (900 ms): the
    // panel sends one every 200 ms only while connected, so twelve of them span almost three.
    const QUuid identity = m_sauna->identity().identity;
    QTRY_VERIFY_WITH_TIMEOUT(machine->keepAliveSequenceNumber(identity) >= 12 || !lost.isEmpty(),
                             10000);
    QCOMPARE(lost.count(), 0);
    QVERIFY(link->isConnected());
    QCOMPARE(m_sauna->connectedPanelCount(), 1);

    // A request goes through and the sauna's answer comes back.
    const int before = temperature.count();
    link->saunaSystemSender()->onTargetTemperatureChangeRequested(693);
    QTRY_VERIFY(temperature.count() > before);
    QCOMPARE(temperature.last().at(0).toInt(), 693);

    m_sauna->setSilent(true);
    QVERIFY(lost.wait(5000));
    QVERIFY(!link->isConnected());
    m_sauna->setSilent(false);
    QVERIFY(reconnected.wait(5000));
    QVERIFY(link->isConnected());
    QCOMPARE(identified.count(), 2);

    QSignalSpy panelDisconnected(m_sauna.get(), &tools::SimulatedSauna::panelDisconnected);
    link->onDisconnectRequest();
    QVERIFY(panelDisconnected.wait(5000));
    QCOMPARE(panelDisconnected.at(0).at(2).toString(), QStringLiteral("disconnect request"));
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
}

void TestSaunaLinkSimulator::wrongPinIsRefused()
{
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, *m_sauna, QStringLiteral("1111"));
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);
    link->onConnectRequest(m_sauna->identity().identity);
    QVERIFY(pinFail.wait(5000));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(2).toInt(), 20);
    QCOMPARE(connected.count(), 0);
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
}

QTEST_GUILESS_MAIN(TestSaunaLinkSimulator)
#include "tst_sauna_link_simulator.moc"
