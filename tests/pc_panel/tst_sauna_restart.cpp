#include "pc_panel/connection_informer.h"
#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "sauna_simulator/simulated_sauna.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <memory>

using pcPanel::ConnectionInformer;
using pcPanel::ConnectionStateMachine;
using pcPanel::SaunaCommunication;
using signalInterface::RemoteSaunaTypes::RemoteSauna;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

constexpr quint32 KeepAliveIntervalSeconds = 1;
constexpr int KeepAliveIntervalMs = 1000;
constexpr int ReconnectPeriodMs = 1000;
const QString SaunaPin = QStringLiteral("2580");

// Makes the informer's notice delay run out now, if it runs.
void noticeDelayRunsOut(ConnectionInformer &informer)
{
    auto *timer =
        informer.findChild<QTimer *>(QStringLiteral("noticeTimer"), Qt::FindDirectChildrenOnly);
    if (timer != nullptr && timer->isActive())
        QMetaObject::invokeMethod(timer, "timeout");
}

// The messages the user was shown, by id.
QList<quint32> messageIds(const QSignalSpy &messages)
{
    QList<quint32> ids;
    for (const QList<QVariant> &arguments : messages)
        ids << arguments.at(0).value<UserMessage>().id;
    return ids;
}

} // namespace

// A sauna that restarts under a connected panel, or turns the panel away for a while, against the
// simulated sauna on loopback: the panel must notice and get back in by itself.
class TestSaunaRestart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void restartWithinASecondReconnects();
    void refusingRestartIsRetriedUntilTheSaunaAccepts();
    void refusedFirstConnectIsRetried();
    void wrongPinIsNotRetriedAtANewAddress();

private:
    void startSauna(quint16 saunaPort, bool refuse);
    // Stops the sauna; it comes back on the same sauna port after the gap (0: at once).
    void restartSauna(int gapMs, bool refuse);
    std::unique_ptr<SaunaCommunication> makeLink();
    void discover(SaunaCommunication &link, const QString &pin);

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    int m_run = 0;
};

void TestSaunaRestart::init()
{
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings names(QStringLiteral("SaunaRestartTest%1").arg(++m_run),
                            QStringLiteral("PC_Panel"));
    startSauna(0, false);
}

void TestSaunaRestart::cleanup()
{
    m_sauna.reset();
    control::Settings::resetForTesting();
}

void TestSaunaRestart::startSauna(quint16 saunaPort, bool refuse)
{
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = saunaPort;
    options.pin = SaunaPin;
    options.keepAliveIntervalSeconds = KeepAliveIntervalSeconds;
    options.refuse = refuse;
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));
}

void TestSaunaRestart::restartSauna(int gapMs, bool refuse)
{
    const quint16 port = m_sauna->saunaPort();
    m_sauna.reset();
    if (gapMs > 0) {
        // Down for a moment, while the panel goes on sending to the closed port.
        QTimer gap;
        gap.setSingleShot(true);
        QSignalSpy over(&gap, &QTimer::timeout);
        gap.start(gapMs);
        QVERIFY(over.wait(gapMs + 5000));
    }
    startSauna(port, refuse);
}

std::unique_ptr<SaunaCommunication> TestSaunaRestart::makeLink()
{
    SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 60000;
    timing.connection.connectReplyTimeoutMs = 1000;
    timing.connection.reconnectIntervalMs = ReconnectPeriodMs;
    auto link = std::make_unique<SaunaCommunication>(nullptr, nullptr, timing);
    if (!link->bindSaunaSystemSocket(0) || !link->startAnnouncements())
        return nullptr;
    return link;
}

void TestSaunaRestart::discover(SaunaCommunication &link, const QString &pin)
{
    QSignalSpy detected(&link, &SaunaCommunication::ipDetectDone);
    RemoteSauna target;
    target.address = QHostAddress::LocalHost;
    target.port = m_sauna->announcePort();
    link.onIpDetectRequest(target);
    QVERIFY(detected.wait(5000));
    QCOMPARE(detected.at(0).at(1).toBool(), true);
    const RemoteSauna *found = nullptr;
    for (const RemoteSauna &sauna : link.remoteSaunas()) {
        if (sauna.identity == m_sauna->identity().identity)
            found = &sauna;
    }
    QVERIFY(found != nullptr);
    QCOMPARE(found->port, m_sauna->saunaPort());
    RemoteSauna record = *found;
    record.pin.setPin(pin);
    link.onRemoteSaunaChangeRequest(record, true);
}

void TestSaunaRestart::restartWithinASecondReconnects()
{
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, SaunaPin);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    ConnectionInformer informer;
    QCOMPARE(informer.connectConnectionStateMachineSignals({machine}), 0);
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy connected(link.get(), &SaunaCommunication::connectedChanged);
    link->onConnectRequest(m_sauna->identity().identity);
    QVERIFY(succeeded.wait(5000));
    QCOMPARE(machine->keepAliveIntervalMs(), qint64(KeepAliveIntervalMs));
    QCOMPARE(m_sauna->connectedPanelCount(), 1);

    // The sauna reboots: everything it knew about the panel is gone.
    restartSauna(500, false);
    QElapsedTimer sinceRestart;
    sinceRestart.start();
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
    QSignalSpy panelConnected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);

    const int deadlineMs = 3 * KeepAliveIntervalMs + ReconnectPeriodMs;
    QVERIFY(reconnected.wait(deadlineMs));
    QVERIFY2(sinceRestart.elapsed() <= deadlineMs,
             qPrintable(QString::number(sinceRestart.elapsed())));
    QCOMPARE(panelConnected.count(), 1);
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
    QVERIFY(link->isConnected());
    QCOMPARE(lost.count(), 1);
    QCOMPARE(succeeded.count(), 1);
    // The screens saw the connection go and come back.
    QCOMPARE(connected.count(), 3);
    QCOMPARE(connected.at(1).at(0).toBool(), false);
    QCOMPARE(connected.at(2).at(0).toBool(), true);
    // Back within the reconnect period: the loss is no news, the first message stays alone.
    noticeDelayRunsOut(informer);
    QCOMPARE(messageIds(messages), QList<quint32>{ConnectionInformer::ConnectedMessage});
}

void TestSaunaRestart::refusingRestartIsRetriedUntilTheSaunaAccepts()
{
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, SaunaPin);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    ConnectionInformer informer;
    QCOMPARE(informer.connectConnectionStateMachineSignals({machine}), 0);
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy lost(machine, &ConnectionStateMachine::connectionLost);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    link->onConnectRequest(m_sauna->identity().identity);
    QVERIFY(succeeded.wait(5000));

    // It comes back refusing every panel.
    restartSauna(0, true);
    QElapsedTimer clock;
    clock.start();
    QList<qint64> refusedAt;
    connect(m_sauna.get(), &tools::SimulatedSauna::panelRefused, this,
            [&] { refusedAt << clock.elapsed(); });
    QVERIFY(lost.wait(3 * KeepAliveIntervalMs + ReconnectPeriodMs));
    QTRY_VERIFY_WITH_TIMEOUT(refusedAt.size() >= 3, 4 * ReconnectPeriodMs);
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Reconnecting);
    QVERIFY(!link->isConnected());
    // One attempt per reconnect period (timers may run a little early or late).
    for (int i = 1; i < refusedAt.size(); ++i) {
        const qint64 gap = refusedAt.at(i) - refusedAt.at(i - 1);
        QVERIFY2(gap >= ReconnectPeriodMs * 8 / 10 && gap <= ReconnectPeriodMs * 2,
                 qPrintable(QString::number(gap)));
    }
    // Lost, then one refusal told once, however often it is met.
    QCOMPARE(messageIds(messages), (QList<quint32>{ConnectionInformer::ConnectedMessage,
                                                   ConnectionInformer::ConnectionLostMessage,
                                                   ConnectionInformer::ConnectFailedMessage}));

    // Restarted normally, it takes the panel back at the next attempt.
    restartSauna(0, false);
    QVERIFY(reconnected.wait(ReconnectPeriodMs + 2000));
    QVERIFY(link->isConnected());
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
    QCOMPARE(succeeded.count(), 1);
    // Told once it has held.
    QCOMPARE(messageIds(messages), (QList<quint32>{ConnectionInformer::ConnectedMessage,
                                                   ConnectionInformer::ConnectionLostMessage,
                                                   ConnectionInformer::ConnectFailedMessage}));
    noticeDelayRunsOut(informer);
    QCOMPARE(messageIds(messages), (QList<quint32>{ConnectionInformer::ConnectedMessage,
                                                   ConnectionInformer::ConnectionLostMessage,
                                                   ConnectionInformer::ConnectFailedMessage,
                                                   ConnectionInformer::ConnectedMessage}));
}

void TestSaunaRestart::refusedFirstConnectIsRetried()
{
    m_sauna->setRefuseConnections(true);
    auto link = makeLink();
    QVERIFY(link);
    QVERIFY(link->autoConnect());
    discover(*link, SaunaPin);
    ConnectionStateMachine *machine = link->connectionStateMachine();
    ConnectionInformer informer;
    QCOMPARE(informer.connectConnectionStateMachineSignals({machine}), 0);
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    QSignalSpy reconnected(machine, &ConnectionStateMachine::reconnected);
    QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
    link->onConnectRequest(m_sauna->identity().identity);
    QTRY_VERIFY_WITH_TIMEOUT(refused.count() >= 2, 3 * ReconnectPeriodMs);
    QCOMPARE(refused.at(0).at(2).toInt(), 22);
    QCOMPARE(messageIds(messages), QList<quint32>{ConnectionInformer::ConnectFailedMessage});

    m_sauna->setRefuseConnections(false);
    QVERIFY(succeeded.wait(ReconnectPeriodMs + 2000));
    QVERIFY(link->isConnected());
    // Never connected before: a first connect, with its message.
    QCOMPARE(reconnected.count(), 0);
    QCOMPARE(messageIds(messages), (QList<quint32>{ConnectionInformer::ConnectFailedMessage,
                                                   ConnectionInformer::ConnectedMessage}));
}

void TestSaunaRestart::wrongPinIsNotRetriedAtANewAddress()
{
    auto link = makeLink();
    QVERIFY(link);
    discover(*link, QStringLiteral("1111"));
    ConnectionStateMachine *machine = link->connectionStateMachine();
    QSignalSpy pinFail(machine, &ConnectionStateMachine::connectPinFail);
    link->onConnectRequest(m_sauna->identity().identity);
    QVERIFY(pinFail.wait(5000));
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);

    // The sauna comes back on another port. Its announcement would make an auto-connect, but not
    // with the PIN it refused: the panel stays idle once the announcement has been taken.
    m_sauna.reset();
    startSauna(0, false);
    QSignalSpy refusedHere(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
    QSignalSpy changed(link.get(), &SaunaCommunication::remoteSaunaChanged);
    QSignalSpy detected(link.get(), &SaunaCommunication::ipDetectDone);
    RemoteSauna target;
    target.address = QHostAddress::LocalHost;
    target.port = m_sauna->announcePort();
    link->onIpDetectRequest(target);
    QVERIFY(detected.wait(5000));
    QVERIFY(detected.at(0).at(1).toBool());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<RemoteSauna>().port, m_sauna->saunaPort());
    QCOMPARE(machine->state(), ConnectionStateMachine::State::Idle);
    QCOMPARE(pinFail.count(), 1);

    // Another PIN is tried as soon as the panel would connect by itself.
    RemoteSauna record = changed.at(0).at(0).value<RemoteSauna>();
    record.pin.setPin(SaunaPin);
    link->onRemoteSaunaChangeRequest(record, true);
    QSignalSpy succeeded(machine, &ConnectionStateMachine::connectSucceeded);
    link->onAutoConnectChangeRequest(true);
    QVERIFY(succeeded.wait(5000));
    QVERIFY(link->isConnected());
    QCOMPARE(refusedHere.count(), 0);
}

QTEST_GUILESS_MAIN(TestSaunaRestart)
#include "tst_sauna_restart.moc"
