#include "pc_panel/connection_informer.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using pcPanel::ConnectionInformer;
using signalInterface::RemoteSaunaTypes::RemoteSauna;
using signalInterface::UserMessageTypes::UserMessage;

namespace {

RemoteSauna sauna(const QString &name)
{
    RemoteSauna record;
    record.identity = QUuid::createUuid();
    record.name = name;
    return record;
}

QTimer *noticeTimerOf(ConnectionInformer &informer)
{
    return informer.findChild<QTimer *>(QStringLiteral("noticeTimer"), Qt::FindDirectChildrenOnly);
}

// The notice delay runs out now; false when it was not running.
bool delayRunsOut(ConnectionInformer &informer)
{
    QTimer *timer = noticeTimerOf(informer);
    return timer != nullptr && timer->isActive() && QMetaObject::invokeMethod(timer, "timeout");
}

QList<quint32> idsOf(const QSignalSpy &spy)
{
    QList<quint32> ids;
    for (const QList<QVariant> &call : spy)
        ids << call.at(0).value<UserMessage>().id;
    return ids;
}

} // namespace

// Connection events become user messages and window titles.
class TestConnectionInformer : public QObject
{
    Q_OBJECT

private slots:
    void outcomesBecomeMessages_data();
    void outcomesBecomeMessages();
    void connectLoseReconnectDisconnect();
    void noResponseNamesTheSelectedSauna();
    void recordWithoutNameUsesTheKnownName();
    void connectionBackWithdrawsItsFailures_data();
    void connectionBackWithdrawsItsFailures();
    void endedConnectionWithdrawsConnected();
    void quickReconnectChangesNoNotice();
    void flappingLinkTellsOnlyWhatHeld();
    void failureTellsAHeldLossFirst();
    void userDisconnectDropsAHeldLoss();
    void otherSystemIsNamed();
};

void TestConnectionInformer::outcomesBecomeMessages_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<quint32>("id");
    // Whether the user ended a connection before: its notices start afresh.
    QTest::addColumn<bool>("afterDisconnect");
    QTest::newRow("succeeded") << QByteArray("onConnectSucceeded") << quint32(0x2026) << false;
    QTest::newRow("pin fail") << QByteArray("onConnectPinFail") << quint32(0x2027) << false;
    QTest::newRow("compatibility fail")
        << QByteArray("onConnectCompatibilityFail") << quint32(0x2028) << false;
    QTest::newRow("failed") << QByteArray("onConnectFailed") << quint32(0x2029) << false;
    QTest::newRow("door switch fail")
        << QByteArray("onConnectDoorSwitchFail") << quint32(0x2047) << false;
    QTest::newRow("failed after a disconnect")
        << QByteArray("onConnectFailed") << quint32(0x2029) << true;
}

void TestConnectionInformer::outcomesBecomeMessages()
{
    QFETCH(QByteArray, slot);
    QFETCH(quint32, id);
    QFETCH(bool, afterDisconnect);
    ConnectionInformer informer;
    if (afterDisconnect) {
        informer.onConnectSucceeded(sauna(QStringLiteral("Garden sauna")));
        informer.onDisconnected();
    }
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    QVERIFY(QMetaObject::invokeMethod(&informer, slot.constData(),
                                      Q_ARG(::signalInterface::RemoteSaunaTypes::RemoteSauna,
                                            sauna(QStringLiteral("Garden sauna")))));
    QCOMPARE(messages.count(), 1);
    const auto message = messages.at(0).at(0).value<UserMessage>();
    QCOMPARE(message.id, id);
    QCOMPARE(message.arguments, QStringList{QStringLiteral("Garden sauna")});
    QCOMPARE(message.type, signalInterface::UserMessageTypes::E_typeOneButton);
    QCOMPARE(messages.at(0).at(1).value<signalInterface::UserMessageAction *>(), nullptr);
}

void TestConnectionInformer::connectLoseReconnectDisconnect()
{
    ConnectionInformer informer;
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy titles(&informer, &ConnectionInformer::windowTitleChangeRequested);
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    QCOMPARE(titles.count(), 1);
    QCOMPARE(titles.at(0).at(0).toString(), QStringLiteral("PC Control Panel - Garden sauna"));

    informer.onConnectionLost();
    QCOMPARE(titles.count(), 2);
    QCOMPARE(titles.at(1).at(0).toString(),
             QStringLiteral("PC Control Panel - Garden sauna (connection lost)"));
    // The message waits for the notice delay; the title does not.
    QCOMPARE(noticeTimerOf(informer)->interval(), 5000);
    QCOMPARE(messages.count(), 1);
    QVERIFY(delayRunsOut(informer));
    QVERIFY(messages.size() > 1);
    QCOMPARE(messages.at(1).at(0).value<UserMessage>().id, quint32(0x203e));
    QCOMPARE(messages.at(1).at(0).value<UserMessage>().arguments,
             QStringList{QStringLiteral("Garden sauna")});

    informer.onReconnected();
    QVERIFY(titles.size() > 2);
    QCOMPARE(titles.at(2).at(0).toString(), QStringLiteral("PC Control Panel - Garden sauna"));
    QCOMPARE(messages.count(), 2);
    QVERIFY(delayRunsOut(informer));
    QVERIFY(messages.size() > 2);
    QCOMPARE(messages.at(2).at(0).value<UserMessage>().id, quint32(0x2026));

    // A renamed sauna renames the title of its connection.
    RemoteSauna renamed = garden;
    renamed.name = QStringLiteral("Lake sauna");
    informer.onRemoteSaunaChanged(renamed);
    QVERIFY(titles.size() > 3);
    QCOMPARE(titles.at(3).at(0).toString(), QStringLiteral("PC Control Panel - Lake sauna"));

    informer.onDisconnected();
    QVERIFY(titles.size() > 4);
    QCOMPARE(titles.at(4).at(0).toString(), QStringLiteral("PC Control Panel"));
    QCOMPARE(messages.count(), 3);
}

void TestConnectionInformer::noResponseNamesTheSelectedSauna()
{
    ConnectionInformer informer;
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    const RemoteSauna lake = sauna(QStringLiteral("Lake sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onRemoteSaunaChanged(lake);
    informer.onSelectedRemoteSaunaChanged(lake.identity);
    informer.onConnectFailedNoResponse();
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.at(0).at(0).value<UserMessage>().id, quint32(0x203f));
    QCOMPARE(messages.at(0).at(0).value<UserMessage>().arguments,
             QStringList{QStringLiteral("Lake sauna")});
}

void TestConnectionInformer::recordWithoutNameUsesTheKnownName()
{
    ConnectionInformer informer;
    QSignalSpy messages(&informer, &ConnectionInformer::panelUserMessageIssued);
    RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    garden.name.clear();
    informer.onConnectFailed(garden);
    QVERIFY(!messages.isEmpty());
    QCOMPARE(messages.at(0).at(0).value<UserMessage>().arguments,
             QStringList{QStringLiteral("Garden sauna")});
    informer.onRemoteSaunaRemoved(garden);
    informer.onConnectFailed(garden);
    QVERIFY(messages.size() > 1);
    QCOMPARE(messages.at(1).at(0).value<UserMessage>().arguments, QStringList{QString()});
}

void TestConnectionInformer::connectionBackWithdrawsItsFailures_data()
{
    QTest::addColumn<bool>("lostBefore");
    QTest::newRow("connected") << false;
    QTest::newRow("reconnected") << true;
}

void TestConnectionInformer::connectionBackWithdrawsItsFailures()
{
    QFETCH(bool, lostBefore);
    ConnectionInformer informer;
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onSelectedRemoteSaunaChanged(garden.identity);
    if (lostBefore) {
        informer.onConnectSucceeded(garden);
        informer.onConnectionLost();
    }
    informer.onConnectFailedNoResponse();
    informer.onConnectDoorSwitchFail(garden);
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy withdrawn(&informer, &ConnectionInformer::panelUserMessageWithdrawn);
    QStringList order;
    connect(&informer, &ConnectionInformer::panelUserMessageIssued, this,
            [&order] { order << QStringLiteral("issued"); });
    connect(&informer, &ConnectionInformer::panelUserMessageWithdrawn, this,
            [&order] { order << QStringLiteral("withdrawn"); });

    if (lostBefore) {
        informer.onReconnected();
        QCOMPARE(issued.count(), 0);
        QVERIFY(delayRunsOut(informer));
    } else {
        informer.onConnectSucceeded(garden);
    }

    // Every failure told of that sauna is withdrawn, then "connected" is told.
    QList<quint32> ids;
    for (const QList<QVariant> &call : std::as_const(withdrawn)) {
        const auto message = call.at(0).value<UserMessage>();
        QCOMPARE(message.arguments, QStringList{QStringLiteral("Garden sauna")});
        ids << message.id;
    }
    for (const quint32 id : {0x203eu, 0x203fu, 0x2029u, 0x2027u, 0x2028u, 0x2047u})
        QVERIFY2(ids.contains(id), qPrintable(QString::number(id, 16)));
    // The "connected" message of the connection before was withdrawn when it was lost.
    QVERIFY(!ids.contains(0x2026u));
    QCOMPARE(issued.count(), 1);
    QCOMPARE(issued.at(0).at(0).value<UserMessage>().id, 0x2026u);
    QCOMPARE(order.last(), QStringLiteral("issued"));
}

void TestConnectionInformer::endedConnectionWithdrawsConnected()
{
    ConnectionInformer informer;
    QSignalSpy withdrawn(&informer, &ConnectionInformer::panelUserMessageWithdrawn);
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    const auto connectedCount = [&withdrawn] {
        int count = 0;
        for (const QList<QVariant> &call : std::as_const(withdrawn)) {
            const auto message = call.at(0).value<UserMessage>();
            if (message.id == 0x2026u) {
                // The name it was told with, although the sauna has been renamed since.
                if (message.arguments != QStringList{QStringLiteral("Garden sauna")})
                    return -1;
                ++count;
            }
        }
        return count;
    };
    QCOMPARE(connectedCount(), 0);
    RemoteSauna renamed = garden;
    renamed.name = QStringLiteral("Lake sauna");
    informer.onRemoteSaunaChanged(renamed);

    informer.onConnectionLost();
    QCOMPARE(connectedCount(), 0);
    QVERIFY(delayRunsOut(informer));
    QCOMPARE(connectedCount(), 1);
    informer.onConnectionLost();
    informer.onDisconnected();
    // Withdrawn once: no "connected" message was told since.
    QCOMPARE(connectedCount(), 1);

    // The user ends a live connection.
    informer.onConnectSucceeded(garden);
    informer.onDisconnected();
    QCOMPARE(connectedCount(), 2);
}

void TestConnectionInformer::quickReconnectChangesNoNotice()
{
    ConnectionInformer informer;
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy withdrawn(&informer, &ConnectionInformer::panelUserMessageWithdrawn);
    // The sauna restarts and takes the panel back within the reconnect period.
    informer.onConnectionLost();
    informer.onReconnected();
    QCOMPARE(issued.count(), 0);
    QCOMPARE(withdrawn.count(), 0);
    // Nor when the delay runs out: the connection is there, as told.
    QVERIFY(delayRunsOut(informer));
    QCOMPARE(issued.count(), 0);
    QCOMPARE(withdrawn.count(), 0);
    QVERIFY(!noticeTimerOf(informer)->isActive());
}

void TestConnectionInformer::flappingLinkTellsOnlyWhatHeld()
{
    ConnectionInformer informer;
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    QSignalSpy withdrawn(&informer, &ConnectionInformer::panelUserMessageWithdrawn);
    // The delay starts with the first change and is not pushed back by the flaps after it.
    informer.onConnectionLost();
    for (int flap = 0; flap < 50; ++flap) {
        informer.onReconnected();
        informer.onConnectionLost();
    }
    QCOMPARE(issued.count(), 0);
    QCOMPARE(withdrawn.count(), 0);
    QVERIFY(delayRunsOut(informer));
    QCOMPARE(idsOf(issued), QList<quint32>{0x203e});
    QCOMPARE(idsOf(withdrawn), QList<quint32>{0x2026});
    // Connected only for moments: still lost when the delay runs out, nothing new to tell.
    for (int flap = 0; flap < 50; ++flap) {
        informer.onReconnected();
        informer.onConnectionLost();
    }
    QVERIFY(delayRunsOut(informer));
    QCOMPARE(issued.count(), 1);
    // Back for good: the "lost" message goes and "connected" takes its place.
    informer.onReconnected();
    QVERIFY(delayRunsOut(informer));
    QCOMPARE(idsOf(issued), (QList<quint32>{0x203e, 0x2026}));
    QVERIFY(idsOf(withdrawn).contains(0x203e));
}

void TestConnectionInformer::failureTellsAHeldLossFirst()
{
    ConnectionInformer informer;
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    informer.onConnectionLost();
    // The attempts after the loss are refused: the loss is no longer in doubt.
    informer.onConnectFailed(garden);
    QCOMPARE(idsOf(issued), (QList<quint32>{0x203e, 0x2029}));
    QVERIFY(!noticeTimerOf(informer)->isActive());
    informer.onConnectFailed(garden);
    QCOMPARE(idsOf(issued), (QList<quint32>{0x203e, 0x2029, 0x2029}));
}

void TestConnectionInformer::userDisconnectDropsAHeldLoss()
{
    ConnectionInformer informer;
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    informer.onConnectSucceeded(garden);
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    informer.onConnectionLost();
    informer.onDisconnected();
    QVERIFY(!noticeTimerOf(informer)->isActive());
    QCOMPARE(issued.count(), 0);
}

void TestConnectionInformer::otherSystemIsNamed()
{
    ConnectionInformer informer;
    QSignalSpy issued(&informer, &ConnectionInformer::panelUserMessageIssued);
    const RemoteSauna garden = sauna(QStringLiteral("Garden sauna"));
    informer.onRemoteSaunaChanged(garden);
    RemoteSauna other = sauna(QStringLiteral("Other"));
    informer.onConnectOtherSystemAnswered(garden, other);
    QCOMPARE(issued.count(), 1);
    auto message = issued.at(0).at(0).value<UserMessage>();
    QCOMPARE(message.id, 0x204eu);
    QCOMPARE(message.arguments,
             (QStringList{QStringLiteral("Other"), QStringLiteral("Garden sauna")}));
    // A system without a name is named by its identity.
    other.name.clear();
    RemoteSauna unnamed = garden;
    unnamed.name.clear();
    informer.onConnectOtherSystemAnswered(unnamed, other);
    QVERIFY(issued.size() > 1);
    message = issued.at(1).at(0).value<UserMessage>();
    QCOMPARE(message.arguments, (QStringList{other.identity.toString(QUuid::WithoutBraces),
                                             QStringLiteral("Garden sauna")}));
}

QTEST_GUILESS_MAIN(TestConnectionInformer)
#include "tst_connection_informer.moc"
