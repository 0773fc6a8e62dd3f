#include "control/error_controller.h"
#include "control/humidity_controller.h"
#include "control/peripheral_controller.h"
#include "control/sauna_state_controller.h"
#include "control/temperature_controller.h"
#include "control/water_level_controller.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"
#include "signal_interface/type_registration.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

using control::WaterLevelController;
using signalInterface::MasterFuncDescTypes;
using signalInterface::NodeInformationTypes;
using signalInterface::TankStatusTypes;

namespace {

class FakeReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{};

} // namespace

class TestMainScreenWiring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    // The frame connects each request to the bridge sender by these exact signatures.
    void requestsMatchTheBridgeSlots_data()
    {
        QTest::addColumn<const QMetaObject *>("requester");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<QByteArray>("slot");
        const QMetaObject *temperature = &control::TemperatureController::staticMetaObject;
        const QMetaObject *humidity = &control::HumidityController::staticMetaObject;
        const QMetaObject *state = &control::SaunaStateController::staticMetaObject;
        const QMetaObject *peripheral = &control::PeripheralController::staticMetaObject;
        QTest::newRow("target temperature")
            << temperature << QByteArray("targetTemperatureChangeRequested(int)")
            << QByteArray("onTargetTemperatureChangeRequested(int)");
        QTest::newRow("target humidity")
            << humidity << QByteArray("targetHumidityChangeRequested(int)")
            << QByteArray("onTargetHumidityChangeRequested(int)");
        QTest::newRow("sauna state")
            << state
            << QByteArray(
                   "saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState)")
            << QByteArray(
                   "onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState)");
        QTest::newRow("bath time") << state << QByteArray("bathTimeChangeRequested(int)")
                                   << QByteArray("onBathTimeChangeRequested(int)");
        QTest::newRow("renew bath time") << state << QByteArray("renewBathTimeRequest()")
                                         << QByteArray("onRenewBathTimeRequest()");
        QTest::newRow("lights") << peripheral << QByteArray("lightsStateChangeRequested()")
                                << QByteArray("onLightsStateChangeRequested()");
        QTest::newRow("fan automatic")
            << peripheral << QByteArray("fanAutomaticChangeRequested(bool)")
            << QByteArray("onFanAutomaticChangeRequested(bool)");
        QTest::newRow("fan running") << peripheral << QByteArray("fanRunningChangeRequested()")
                                     << QByteArray("onFanRunningChangeRequested()");
        QTest::newRow("auxiliary relay")
            << peripheral
            << QByteArray("auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::"
                          "AuxiliaryRelayPost)")
            << QByteArray("onAuxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::"
                          "AuxiliaryRelayPost)");
    }

    void requestsMatchTheBridgeSlots()
    {
        QFETCH(const QMetaObject *, requester);
        QFETCH(QByteArray, signal);
        QFETCH(QByteArray, slot);
        const QMetaObject &bridge =
            saunaBridge::ZerededidBridgeSenderSlotInterface::staticMetaObject;
        const int signalIndex = requester->indexOfSignal(signal.constData());
        const int slotIndex = bridge.indexOfSlot(slot.constData());
        QVERIFY2(signalIndex >= 0, signal.constData());
        QVERIFY2(slotIndex >= 0, slot.constData());
        QVERIFY(QMetaObject::checkConnectArgs(requester->method(signalIndex),
                                              bridge.method(slotIndex)));
    }

    void everyControllerConnectsToTheBridgeReceiver()
    {
        FakeReceiver receiver;
        control::TemperatureController temperature;
        control::HumidityController humidity;
        control::SaunaStateController state;
        control::PeripheralController peripheral;
        control::WaterLevelController waterLevel;
        control::ErrorController error;
        QCOMPARE(temperature.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(humidity.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(state.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(peripheral.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(waterLevel.connectSaunaSignals({&receiver}), 0);
        QCOMPARE(waterLevel.connectToSaunaStateController({&state}), 0);
        QCOMPARE(error.connectSaunaSignals({&receiver}), 0);
    }

    void panelMessageRaisersDeclareTheMessageSignal()
    {
        const QByteArray signal("panelUserMessageIssued(::signalInterface::UserMessageTypes::"
                                "UserMessage,::signalInterface::UserMessageAction*)");
        QVERIFY(control::ErrorController::staticMetaObject.indexOfSignal(signal.constData()) >= 0);
        QVERIFY(control::SaunaStateController::staticMetaObject.indexOfSignal(signal.constData()) >=
                0);
    }

    void waterLevelsArePassedOnPerBoard()
    {
        FakeReceiver receiver;
        WaterLevelController controller;
        controller.connectSaunaSignals({&receiver});
        QCOMPARE(controller.tankWaterLevel(NodeInformationTypes::E_master),
                 int(TankStatusTypes::E_unknown));

        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_slave_1,
                                                 TankStatusTypes::E_mid);
        QCOMPARE(controller.waterLevel(NodeInformationTypes::E_slave_1), TankStatusTypes::E_mid);
        QCOMPARE(controller.tankWaterLevel(NodeInformationTypes::E_master),
                 int(TankStatusTypes::E_unknown));

        // Numbers from outside: unknown boards and levels change nothing.
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::RcbMasterSlaveMode(3),
                                                 TankStatusTypes::E_high);
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_master,
                                                 TankStatusTypes::TankWaterLevel(4));
        QCOMPARE(controller.waterLevel(NodeInformationTypes::E_master), TankStatusTypes::E_unknown);
        QCOMPARE(controller.tankWaterLevel(NodeInformationTypes::E_slave_1),
                 int(TankStatusTypes::E_mid));
        QCOMPARE(controller.tankWaterLevel(3), int(TankStatusTypes::E_unknown));
        QCOMPARE(controller.tankWaterLevel(-1), int(TankStatusTypes::E_unknown));
    }

    // The tanks the main screen shows, in the Status screen's words, and a change signal for each
    // change.
    void tanksFollowTheSaunaAndTellTheirChanges()
    {
        FakeReceiver receiver;
        WaterLevelController controller;
        QCOMPARE(controller.connectSaunaSignals({&receiver}), 0);
        QSignalSpy changes(&controller, &WaterLevelController::tanksChanged);
        const auto shown = [&controller] {
            QStringList lines;
            for (const QVariant &tank : controller.property("tanks").toList())
                lines << tank.toMap().value("text").toString() +
                             (tank.toMap().value("low").toBool() ? " (low)" : "");
            return lines;
        };

        // A sauna that reports no water level (a dry one) has no tank to show.
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_master,
                                                 TankStatusTypes::E_high);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(shown(), QStringList());
        MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.waterLevel = true;
        emit receiver.saunaMasterFuncDescChanged(functions);
        QCOMPARE(shown(), QStringList{"Water level: High"});
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_master,
                                                 TankStatusTypes::E_low);
        QCOMPARE(shown(), QStringList{"Water level: Low (low)"});
        QCOMPARE(changes.count(), 3);
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_master,
                                                 TankStatusTypes::E_low);
        emit receiver.saunaMasterFuncDescChanged(functions);
        QCOMPARE(changes.count(), 3);

        // The secondary boards' tanks as the system has them.
        emit receiver.saunaSystemModeChanged(MasterFuncDescTypes::E_multisteam);
        controller.onSaunaRcbNumbersChanged(3);
        emit receiver.saunaTankWaterLevelChanged(NodeInformationTypes::E_slave_1,
                                                 TankStatusTypes::E_mid);
        QCOMPARE(shown(),
                 (QStringList{"Water level primary: Low (low)", "Water level secondary1: Mid",
                              "Water level secondary2: Unknown"}));
        emit receiver.saunaSystemModeChanged(MasterFuncDescTypes::E_solvenno);
        controller.onSaunaRcbNumbersChanged(2);
        QCOMPARE(shown(), QStringList{"Water level secondary: Mid"});
        QCOMPARE(changes.count(), 8);

        controller.onSaunaReplaced();
        QCOMPARE(shown(), QStringList());
        QCOMPARE(controller.waterLevel(NodeInformationTypes::E_slave_1),
                 TankStatusTypes::E_unknown);
    }
};

QTEST_GUILESS_MAIN(TestMainScreenWiring)
#include "tst_main_screen_wiring.moc"
