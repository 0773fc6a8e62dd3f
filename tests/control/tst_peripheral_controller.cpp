#include "control/peripheral_controller.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/language_support.h"
#include "view_cpp/toggle_standard_item.h"
#include "view_cpp/value_role_names.h"

#include <QAbstractItemModelTester>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <utility>

using control::PeripheralController;
using signalInterface::AuxiliaryRelayTypes;

namespace {

class FakeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{};

AuxiliaryRelayTypes::AuxiliaryRelayPost relay(quint32 index, const QString &name = QString())
{
    AuxiliaryRelayTypes::AuxiliaryRelayPost post;
    post.index = index;
    post.connected = true;
    post.function = AuxiliaryRelayTypes::E_onOff;
    post.name = name;
    return post;
}

QList<int> rowRelays(const view::ListModel *model)
{
    QList<int> relays;
    for (int row = 0; row < model->rowCount(); ++row)
        relays.append(model->itemAt(row)->applId());
    return relays;
}

} // namespace

// Stands in for the main screen's switches, the PIN screen and the favorite controller.
class PeripheralView : public QObject
{
    Q_OBJECT

signals:
    void lightsStateChangeRequested(bool shown);
    void fanRunningChangeRequested();
    void fanAutomaticChangeRequested();
    void auxRelayActivatedChanged(int relay, bool activated);
    void auxVisibleOnLockedScreenChanged(int relay, bool visible);
    void languageChanged(::signalInterface::LanguageTypes::Language language);
};

class TestPeripheralController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    void everyConnectOperationConnects()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        PeripheralView view;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(controller.connectLightsSwitchView({&view}), 0);
        QCOMPARE(controller.connectFanRunningView({&view}), 0);
        QCOMPARE(controller.connectFanAutomaticView({&view}), 0);
        QCOMPARE(controller.connectAuxRelayView({&view}), 0);
        QCOMPARE(controller.connectAuxVisibleOnLockedScreenChanged({&view}), 0);
        QCOMPARE(controller.connectFavoriteAuxRelayChanged({&view}), 0);
        QCOMPARE(controller.connectLanguageChanged({&view}), 0);
        QCOMPARE(controller.connectSaunaSignals({nullptr}), 5);
    }

    void theLightsToggleFromTheReportedState()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        PeripheralView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectLightsSwitchView({&view});
        QSignalSpy requests(&controller, &PeripheralController::lightsStateChangeRequested);
        QSignalSpy states(&controller, &PeripheralController::lightsStateChanged);

        controller.emitInitialState();
        QCOMPARE(states.count(), 1);
        QCOMPARE(states.takeFirst().at(0).toBool(), false);

        emit view.lightsStateChangeRequested(false);
        QCOMPARE(requests.count(), 1);
        emit receiver.saunaLightsStateChange(true);
        QVERIFY(!states.isEmpty());
        QCOMPARE(states.takeFirst().at(0).toBool(), true);
        emit view.lightsStateChangeRequested(true);
        QCOMPARE(requests.count(), 2);

        // A switch that still showed "off" would ask to switch the lit lights on again: it is
        // only brought up to date.
        emit view.lightsStateChangeRequested(false);
        QCOMPARE(requests.count(), 2);
        QVERIFY(!states.isEmpty());
        QCOMPARE(states.takeFirst().at(0).toBool(), true);
    }

    void theFanRequestsFollowTheReportedState()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        PeripheralView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectFanRunningView({&view});
        controller.connectFanAutomaticView({&view});
        QSignalSpy running(&controller, &PeripheralController::fanRunningChangeRequested);
        QSignalSpy automatic(&controller, &PeripheralController::fanAutomaticChangeRequested);
        QSignalSpy automaticStates(&controller, &PeripheralController::fanAutomaticChanged);
        QSignalSpy runningStates(&controller, &PeripheralController::fanRunningChanged);

        emit view.fanRunningChangeRequested();
        QCOMPARE(running.count(), 1);

        emit view.fanAutomaticChangeRequested();
        QVERIFY(!automatic.isEmpty());
        QCOMPARE(automatic.takeFirst().at(0).toBool(), true);
        emit receiver.saunaFanAutomaticChanged(true);
        QVERIFY(!automaticStates.isEmpty());
        QCOMPARE(automaticStates.takeFirst().at(0).toBool(), true);
        emit view.fanAutomaticChangeRequested();
        QVERIFY(!automatic.isEmpty());
        QCOMPARE(automatic.takeFirst().at(0).toBool(), false);

        emit receiver.saunaFanRunningChanged(true);
        emit receiver.saunaFanRunningChanged(true);
        QCOMPARE(runningStates.count(), 1);
        QVERIFY(controller.fanRunning());
    }

    // The scene binds to the reported states instead of waiting for a first report.
    void theReportedStatesAreReadOnlyProperties()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        controller.connectSaunaSignals({&receiver});
        const QMetaObject *meta = controller.metaObject();
        const std::pair<const char *, const char *> properties[] = {
            {"lightsOn", "lightsStateChanged(bool)"},
            {"fanRunning", "fanRunningChanged(bool)"},
            {"fanAutomatic", "fanAutomaticChanged(bool)"},
        };
        for (const auto &[name, notifier] : properties) {
            const QMetaProperty property = meta->property(meta->indexOfProperty(name));
            QVERIFY2(property.isValid(), name);
            QVERIFY2(!property.isWritable(), name);
            QVERIFY2(property.hasNotifySignal(), name);
            QCOMPARE(property.notifySignal().methodSignature(), QByteArray(notifier));
            QCOMPARE(controller.property(name), QVariant(false));
        }

        QSignalSpy lights(&controller, &PeripheralController::lightsStateChanged);
        QSignalSpy running(&controller, &PeripheralController::fanRunningChanged);
        QSignalSpy automatic(&controller, &PeripheralController::fanAutomaticChanged);
        emit receiver.saunaLightsStateChange(true);
        emit receiver.saunaFanRunningChanged(true);
        emit receiver.saunaFanAutomaticChanged(true);
        QCOMPARE(controller.property("lightsOn"), QVariant(true));
        QCOMPARE(controller.property("fanRunning"), QVariant(true));
        QCOMPARE(controller.property("fanAutomatic"), QVariant(true));
        QCOMPARE(lights.count(), 1);
        QCOMPARE(running.count(), 1);
        QCOMPARE(automatic.count(), 1);

        emit receiver.saunaFanAutomaticChanged(false);
        QCOMPARE(controller.property("fanAutomatic"), QVariant(false));
        QCOMPARE(automatic.count(), 2);
    }

    void aRelayRequestCopiesTheStoredRecord()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        PeripheralView view;
        controller.connectSaunaSignals({&receiver});
        controller.connectAuxRelayView({&view});
        QSignalSpy updates(&controller, &PeripheralController::auxRelayUpdateRequested);

        AuxiliaryRelayTypes::AuxiliaryRelayPost reported = relay(3, QStringLiteral("Pump"));
        reported.onTimeValue = 12;
        reported.onTimeScaling = AuxiliaryRelayTypes::E_minutes;
        emit receiver.saunaAuxRelaySettingChanged(reported);

        // The switch showed the relay off: the request switches it on.
        emit view.auxRelayActivatedChanged(3, false);
        QCOMPARE(updates.count(), 1);
        AuxiliaryRelayTypes::AuxiliaryRelayPost expected = reported;
        expected.activated = true;
        QCOMPARE(updates.first().at(0).value<AuxiliaryRelayTypes::AuxiliaryRelayPost>(), expected);
        // The stored record changes only with the sauna's report.
        QCOMPARE(controller.auxiliaryRelay(3), reported);

        emit view.auxRelayActivatedChanged(7, true);
        emit view.auxRelayActivatedChanged(-1, false);
        QCOMPARE(updates.count(), 1);
    }

    void theModelsListTheRelaysInUse()
    {
        PeripheralController controller;
        FakeReceiver receiver;
        PeripheralView view;
        QAbstractItemModelTester relaysTester(controller.auxiliaryRelaysModel());
        QAbstractItemModelTester overviewTester(controller.auxiliaryRelaysOverviewModel());
        controller.connectSaunaSignals({&receiver});
        controller.connectAuxVisibleOnLockedScreenChanged({&view});
        view::ListModel *relays = controller.auxiliaryRelaysModel();
        view::ListModel *overview = controller.auxiliaryRelaysOverviewModel();

        emit receiver.saunaAuxRelaySettingChanged(relay(0, QStringLiteral("Fragrance")));
        emit receiver.saunaAuxRelaySettingChanged(relay(2));
        AuxiliaryRelayTypes::AuxiliaryRelayPost unused = relay(4);
        unused.function = AuxiliaryRelayTypes::E_notUsed;
        emit receiver.saunaAuxRelaySettingChanged(unused);
        AuxiliaryRelayTypes::AuxiliaryRelayPost disconnected = relay(5);
        disconnected.connected = false;
        emit receiver.saunaAuxRelaySettingChanged(disconnected);
        AuxiliaryRelayTypes::AuxiliaryRelayPost outside = relay(7);
        emit receiver.saunaAuxRelaySettingChanged(outside);
        QCOMPARE(rowRelays(relays), (QList<int>{0, 2}));
        QCOMPARE(relays->data(relays->index(0), view::valueRoles::value).toString(),
                 QStringLiteral("Fragrance"));
        QCOMPARE(relays->data(relays->index(1), view::valueRoles::value).toString(),
                 view::LanguageSupport::auxText(2));
        QCOMPARE(rowRelays(overview), QList<int>{});

        // A report updates its row in place.
        QSignalSpy resets(relays, &QAbstractItemModel::modelReset);
        AuxiliaryRelayTypes::AuxiliaryRelayPost switchedOn = relay(2);
        switchedOn.activated = true;
        emit receiver.saunaAuxRelaySettingChanged(switchedOn);
        QCOMPARE(relays->data(relays->index(1), view::valueRoles::value2).toBool(), true);
        QCOMPARE(resets.count(), 0);

        emit view.auxVisibleOnLockedScreenChanged(2, true);
        QCOMPARE(rowRelays(overview), QList<int>{2});
        emit view.auxVisibleOnLockedScreenChanged(9, true);
        QCOMPARE(rowRelays(overview), QList<int>{2});

        // The descaling relay is not switched by hand.
        AuxiliaryRelayTypes::Descaling descaling;
        descaling.relayIndex = 2;
        emit receiver.saunaDescalingChanged(descaling);
        QCOMPARE(rowRelays(relays), QList<int>{0});
        QCOMPARE(rowRelays(overview), QList<int>{});
    }
};

QTEST_GUILESS_MAIN(TestPeripheralController)
#include "tst_peripheral_controller.moc"
