#include "sauna_bridge/bridge_connections.h"
#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace signalInterface;
using saunaBridge::ZerededidBridgeSenderSlotInterface;

namespace {

// Records which slot each request reached.
class RecordingBridge : public ZerededidBridgeSenderSlotInterface
{
    Q_OBJECT

public:
    QStringList m_calls;

public slots:
    void onTargetTemperatureChangeRequested(int) override { m_calls << "targetTemperature"; }
    void onTargetHumidityChangeRequested(int) override { m_calls << "targetHumidity"; }
    void onMinBathTemperatureChangeRequested(int) override { m_calls << "minBath"; }
    void onMaxBathTemperatureChangeRequested(int) override { m_calls << "maxBath"; }
    void onBathTimeChangeRequested(int) override { m_calls << "bathTime"; }
    void onStandbyTemperatureReductionChangeRequest(int) override { m_calls << "standbyReduction"; }
    void onTankStandbyTemperatureChangeRequest(int) override { m_calls << "tankStandby"; }
    void onExtSwBathtimeChangeRequest(int) override { m_calls << "extSwBathtime"; }
    void onWaterTempLimitChangeRequested(int) override { m_calls << "waterTempLimit"; }
    void onPcbOverheatLimitChangeRequested(int) override { m_calls << "pcbOverheat"; }
    void onFanRuntimeChangeRequest(int) override { m_calls << "fanRuntime"; }
    void onCleanupTimeChangeRequest(int) override { m_calls << "cleanupTime"; }
    void onResetBathTimeTimerRequest() override { m_calls << "resetBathTimeTimer"; }
    void onTankAutoEmptyingDurationChangeRequest(int) override { m_calls << "tankAutoEmptying"; }
    void onRcbTankFillTimeChangeRequest(int) override { m_calls << "tankFillTime"; }
    void onNotAllowedStartFromTimeChangeRequested(QTime) override { m_calls << "notAllowedFrom"; }
    void onNotAllowedStartUntilTimeChangeRequested(QTime) override { m_calls << "notAllowedUntil"; }
    void onLightsStateChangeRequested() override { m_calls << "lights"; }
    void onFanRunningChangeRequested() override { m_calls << "fanRunning"; }
    void onEnableStandbyChangeRequest(bool) override { m_calls << "enableStandby"; }
    void onScheduleItemDisableChangeRequested(bool) override { m_calls << "scheduleDisable"; }
    void onFanAutomaticChangeRequested(bool) override { m_calls << "fanAutomatic"; }
    void onCleanupEnableChangeRequest(bool) override { m_calls << "cleanupEnable"; }
    void onTankEmptyingEnableChangeRequested(bool) override { m_calls << "tankEmptyingEnable"; }
    void onNotAllowedStartEnableChangeRequested(bool) override { m_calls << "notAllowedEnable"; }
    void onCleanupTankNoticeChangeRequest(bool) override { m_calls << "tankNotice"; }
    void onIrEnableChangeRequested(bool) override { m_calls << "irEnable"; }
    void onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType) override
    {
        m_calls << "facilityType";
    }
    void onRegionChangeRequested(::signalInterface::RegionTypes::RegionType) override
    {
        m_calls << "region";
    }
    void onExtSwFunctionChangeRequest(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction) override
    {
        m_calls << "extSwFunction";
    }
    void onBathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority) override
    {
        m_calls << "bathPriority";
    }
    void onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState) override
    {
        m_calls << "saunaState";
    }
    void onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime) override
    {
        m_calls << "systemTime";
    }
    void onErrorLogClearRequest() override { m_calls << "errorLogClear"; }
    void onRenewBathTimeRequest() override { m_calls << "renewBathTime"; }
    void onActivateBuzzerRequested(
        ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode) override
    {
        m_calls << "buzzer";
    }
    void onSaunaStartFavoriteRequested(unsigned int) override { m_calls << "startFavorite"; }
    void onCalendarProgramChangeRequested(::signalInterface::CalendarProgram) override
    {
        m_calls << "calendarProgram";
    }
    void onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage) override
    {
        m_calls << "userMessage";
    }
    void onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost) override
    {
        m_calls << "favorite";
    }
    void onAuxRelayUpdateRequested(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost) override
    {
        m_calls << "auxRelay";
    }
    void onDescalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling) override
    {
        m_calls << "descaling";
    }
};

// Declares every request signal that the controllers and screens emit.
class Requester : public QObject
{
    Q_OBJECT

signals:
    void targetTemperatureChangeRequested(int);
    void targetHumidityChangeRequested(int);
    void saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState);
    void regionChangeRequested(::signalInterface::RegionTypes::RegionType);
    void bathTimeChangeRequested(int);
    void renewBathTimeRequest();
    void lightsStateChangeRequested();
    void fanAutomaticChangeRequested(bool);
    void fanRunningChangeRequested();
    void fanRuntimeChangeRequest(int);
    void tankEmptyingEnableChangeRequested(bool);
    void calendarProgramChangeRequested(::signalInterface::CalendarProgram);
    void userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage);
    void scheduleItemDisableChangeRequested(bool);
    void favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost);
    void saunaStartFavoriteRequested(unsigned int);
    void systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime);
    void auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost);
    void activateBuzzerRequested(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode);
    void maxBathTemperatureChangeRequested(int);
    void minBathTemperatureChangeRequested(int);
    void waterTempLimitChangeRequest(int);
    void rcbTankFillTimeChangeRequest(int);
    void notAllowedStartEnableChangeRequested(bool);
    void notAllowedStartFromTimeChangeRequested(QTime);
    void notAllowedStartUntilTimeChangeRequested(QTime);
    void bathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority);
    void resetBathTimeTimerRequest();
    void facilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType);
    void tankAutoEmptyingDurationChangeRequest(int);
    void irEnableChangeRequested(bool);
    void extSwBathtimeChangeRequest(int);
    void enableStandbyChangeRequest(bool);
    void standbyTemperatureReductionChangeRequest(int);
    void tankStandbyTemperatureChangeRequest(int);
    void extSwFunctionChangeRequest(::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction);
    void cleanupEnableChangeRequest(bool);
    void cleanupTankNoticeChangeRequest(bool);
    void cleanupTimeChangeRequest(int);
    void pcbOverheatLimitChangeRequest(int);
    void errorLogClearRequest();
    void descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling);
};

// Each connect function takes the bridge and one requesting object.
using ConnectFunction = int (*)(ZerededidBridgeSenderSlotInterface *, QObject *);

struct Route
{
    const char *name;
    ConnectFunction connectFunction;
    std::function<void(Requester &)> request;
    QStringList reachedSlots;
};

const std::vector<Route> &routes()
{
    using namespace saunaBridge;
    static const std::vector<Route> table = {
        {"target temperature",
         connectTargetTemperatureChangeRequested,
         [](auto &r) { emit r.targetTemperatureChangeRequested(720); },
         {"targetTemperature"}},
        {"target humidity",
         connectTargetHumidityChangeRequested,
         [](auto &r) { emit r.targetHumidityChangeRequested(40); },
         {"targetHumidity"}},
        {"sauna state",
         connectSaunaStateChangeRequested,
         [](auto &r) { emit r.saunaStateChangeRequested(SaunaStateTypes::E_sauna_on); },
         {"saunaState"}},
        {"region",
         connectRegionChangeRequested,
         [](auto &r) { emit r.regionChangeRequested(RegionTypes::E_eu); },
         {"region"}},
        {"bath time",
         connectBathTimeChangeRequested,
         [](auto &r) { emit r.bathTimeChangeRequested(60); },
         {"bathTime"}},
        {"renew bath time",
         connectRenewBathTimeRequest,
         [](auto &r) { emit r.renewBathTimeRequest(); },
         {"renewBathTime"}},
        {"lights",
         connectLightsStateChangeRequested,
         [](auto &r) { emit r.lightsStateChangeRequested(); },
         {"lights"}},
        {"fan automatic",
         connectFanAutomaticChangeRequested,
         [](auto &r) { emit r.fanAutomaticChangeRequested(true); },
         {"fanAutomatic"}},
        {"fan running",
         connectFanRunningChangeRequested,
         [](auto &r) { emit r.fanRunningChangeRequested(); },
         {"fanRunning"}},
        {"fan runtime",
         connectFanRuntimeChangeRequest,
         [](auto &r) { emit r.fanRuntimeChangeRequest(10); },
         {"fanRuntime"}},
        {"tank emptying enable",
         connectTankEmptyingEnableChangeRequested,
         [](auto &r) { emit r.tankEmptyingEnableChangeRequested(true); },
         {"tankEmptyingEnable"}},
        {"calendar program",
         connectCalendarProgramChangeRequested,
         [](auto &r) { emit r.calendarProgramChangeRequested(CalendarProgram()); },
         {"calendarProgram"}},
        {"user message answered",
         connectUserMessageAnswered,
         [](auto &r) { emit r.userMessageAnswered(UserMessageTypes::UserMessage()); },
         {"userMessage"}},
        {"schedule item disable",
         connectScheduleItemDisableChangeRequested,
         [](auto &r) { emit r.scheduleItemDisableChangeRequested(true); },
         {"scheduleDisable"}},
        {"favorite update",
         connectFavoriteUpdateRequested,
         [](auto &r) { emit r.favoriteUpdateRequested(FavoritesTypes::FavoritesPost()); },
         {"favorite"}},
        {"start favorite",
         connectSaunaStartFavoriteRequested,
         [](auto &r) { emit r.saunaStartFavoriteRequested(3); },
         {"startFavorite"}},
        {"system time",
         connectSystemTimeChangeRequested,
         [](auto &r) { emit r.systemTimeChangeRequested(DateTimeTypes::SaunaDateTime()); },
         {"systemTime"}},
        {"aux relay",
         connectAuxRelayUpdateRequested,
         [](auto &r) { emit r.auxRelayUpdateRequested(AuxiliaryRelayTypes::AuxiliaryRelayPost()); },
         {"auxRelay"}},
        {"buzzer",
         connectActivateBuzzerRequested,
         [](auto &r) { emit r.activateBuzzerRequested(NodeInformationTypes::E_slave_1); },
         {"buzzer"}},
        {"max bath temperature",
         connectMaxBathTemperatureChangeRequested,
         [](auto &r) { emit r.maxBathTemperatureChangeRequested(990); },
         {"maxBath"}},
        {"min bath temperature",
         connectMinBathTemperatureChangeRequested,
         [](auto &r) { emit r.minBathTemperatureChangeRequested(360); },
         {"minBath"}},
        {"water temperature limit (renamed)",
         connectWaterTempLimitChangeRequest,
         [](auto &r) { emit r.waterTempLimitChangeRequest(810); },
         {"waterTempLimit"}},
        {"tank fill time",
         connectRcbTankFillTimeChangeRequest,
         [](auto &r) { emit r.rcbTankFillTimeChangeRequest(300); },
         {"tankFillTime"}},
        {"not allowed enable",
         connectNotAllowedStartEnableChangeRequested,
         [](auto &r) { emit r.notAllowedStartEnableChangeRequested(true); },
         {"notAllowedEnable"}},
        {"not allowed from",
         connectNotAllowedStartFromTimeChangeRequested,
         [](auto &r) { emit r.notAllowedStartFromTimeChangeRequested(QTime(7, 0)); },
         {"notAllowedFrom"}},
        {"not allowed until",
         connectNotAllowedStartUntilTimeChangeRequested,
         [](auto &r) { emit r.notAllowedStartUntilTimeChangeRequested(QTime(8, 0)); },
         {"notAllowedUntil"}},
        {"bath priority",
         connectBathPriorityChangeRequested,
         [](auto &r) { emit r.bathPriorityChangeRequested(SaunaStateTypes::E_prio_humidity); },
         {"bathPriority"}},
        {"reset bath time timer",
         connectResetBathTimeTimerRequest,
         [](auto &r) { emit r.resetBathTimeTimerRequest(); },
         {"resetBathTimeTimer"}},
        {"facility type",
         connectFacilityTypeRequested,
         [](auto &r) { emit r.facilityTypeRequested(SaunaStateTypes::E_public); },
         {"facilityType"}},
        {"tank auto emptying",
         connectTankAutoEmptyingDurationChangeRequest,
         [](auto &r) { emit r.tankAutoEmptyingDurationChangeRequest(30); },
         {"tankAutoEmptying"}},
        {"ir enable",
         connectIrEnableChangeRequested,
         [](auto &r) { emit r.irEnableChangeRequested(true); },
         {"irEnable"}},
        {"external switch bath time",
         connectExtSwBathtimeChangeRequest,
         [](auto &r) { emit r.extSwBathtimeChangeRequest(20); },
         {"extSwBathtime"}},
        {"enable standby",
         connectEnableStandbyChangeRequest,
         [](auto &r) { emit r.enableStandbyChangeRequest(true); },
         {"enableStandby"}},
        {"standby reduction",
         connectStandbyTemperatureReductionChangeRequest,
         [](auto &r) { emit r.standbyTemperatureReductionChangeRequest(45); },
         {"standbyReduction"}},
        {"tank standby temperature",
         connectTankStandbyTemperatureChangeRequest,
         [](auto &r) { emit r.tankStandbyTemperatureChangeRequest(450); },
         {"tankStandby"}},
        {"external switch function",
         connectExtSwFunctionChangeRequest,
         [](auto &r) { emit r.extSwFunctionChangeRequest(ExternalSwitchTypes::E_renew); },
         {"extSwFunction"}},
        {"cleanup enable and tank notice",
         connectCleanupEnableAndTankNoticeChangeRequest,
         [](auto &r) {
             emit r.cleanupEnableChangeRequest(true);
             emit r.cleanupTankNoticeChangeRequest(false);
         },
         {"cleanupEnable", "tankNotice"}},
        {"cleanup time",
         connectCleanupTimeChangeRequest,
         [](auto &r) { emit r.cleanupTimeChangeRequest(60); },
         {"cleanupTime"}},
        {"pcb overheat limit (renamed)",
         connectPcbOverheatLimitChangeRequest,
         [](auto &r) { emit r.pcbOverheatLimitChangeRequest(630); },
         {"pcbOverheat"}},
        {"error log clear",
         connectErrorLogClearRequest,
         [](auto &r) { emit r.errorLogClearRequest(); },
         {"errorLogClear"}},
        {"descaling",
         connectDescalingChangeRequested,
         [](auto &r) { emit r.descalingChangeRequested(AuxiliaryRelayTypes::Descaling()); },
         {"descaling"}},
    };
    return table;
}

} // namespace

class TestBridgeConnections : public QObject
{
    Q_OBJECT

private slots:
    void eachRequestReachesItsSlotOnce_data();
    void eachRequestReachesItsSlotOnce();
    void everySlotHasAConnectFunction();
    void failuresAreCounted();
    void receiverSignalSignatures_data();
    void receiverSignalSignatures();
};

void TestBridgeConnections::eachRequestReachesItsSlotOnce_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < routes().size(); ++i)
        QTest::newRow(routes()[i].name) << static_cast<int>(i);
}

void TestBridgeConnections::eachRequestReachesItsSlotOnce()
{
    QFETCH(int, row);
    const Route &route = routes()[static_cast<size_t>(row)];
    RecordingBridge bridge;
    Requester first;
    Requester second;
    QCOMPARE(route.connectFunction(&bridge, &first), 0);
    QCOMPARE(route.connectFunction(&bridge, &second), 0);

    route.request(first);
    QCOMPARE(bridge.m_calls, route.reachedSlots);
    bridge.m_calls.clear();
    route.request(second);
    QCOMPARE(bridge.m_calls, route.reachedSlots);
}

void TestBridgeConnections::everySlotHasAConnectFunction()
{
    QCOMPARE(static_cast<int>(routes().size()), 41);
    QStringList reached;
    for (const Route &route : routes())
        reached << route.reachedSlots;
    reached.removeDuplicates();
    QCOMPARE(reached.size(), 42);
}

void TestBridgeConnections::failuresAreCounted()
{
    RecordingBridge bridge;
    Requester requester;
    QObject withoutSignals;
    QCOMPARE(saunaBridge::connectCleanupEnableAndTankNoticeChangeRequest(&bridge, &requester), 0);
    QCOMPARE(saunaBridge::connectCleanupEnableAndTankNoticeChangeRequest(&bridge, &withoutSignals),
             2);
    QCOMPARE(saunaBridge::connectCleanupEnableAndTankNoticeChangeRequest(&bridge, nullptr), 2);
    QCOMPARE(saunaBridge::connectTargetTemperatureChangeRequested(nullptr, &requester), 1);
    // The working requester is still connected.
    emit requester.cleanupTankNoticeChangeRequest(true);
    QCOMPARE(bridge.m_calls, QStringList{"tankNotice"});
}

void TestBridgeConnections::receiverSignalSignatures_data()
{
    QTest::addColumn<QByteArray>("signature");
    // The spellings that controllers and screens connect by string.
    const char *signatures[] = {
        "saunaTargetTemperatureChanged(int)",
        "saunaTemperatureChanged(int)",
        "saunaTargetHumidityChanged(int)",
        "saunaHumidityChanged(int,::signalInterface::HumidityTypes::HumidityUnit)",
        "saunaStandbyOffsetTemperatureChanged(int)",
        "saunaLowerTemperatureLimitChanged(int)",
        "saunaUpperTemperatureLimitChanged(int)",
        "saunaSystemLowerTemperatureLimitChanged(int)",
        "saunaSystemUpperTemperatureLimitChanged(int)",
        "saunaBathTimeChanged(int)",
        "saunaBathTimeLimitChanged(int)",
        "saunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,"
        "int)",
        "saunaRunTimeLeftChanged(int)",
        "saunaTimeToAllowedOnChanged(int)",
        "saunaTankStandbyTemperatureChanged(int)",
        "saunaExtSwBathtimeChanged(int)",
        "saunaRunTimeChanged(int)",
        "saunaWaterTempLimitChanged(int)",
        "saunaPcbOverheatLimitChanged(int)",
        "saunaFanRuntimeChanged(int)",
        "saunaCleanupBetweenTimeChanged(int)",
        "saunaCleanupTotalChanged(int)",
        "saunaLastDescalingChanged(QDate)",
        "saunaBathTimeTimerReset()",
        "saunaTankAutoEmptyingDurationChanged(int)",
        "saunaRcbTankFillTimeChanged(int)",
        "saunaNotAllowedStartFromTimeChanged(QTime)",
        "saunaNotAllowedStartUntilTimeChanged(QTime)",
        "saunaNextDescalingChanged(int)",
        "saunaLightsStateChange(bool)",
        "saunaEnableStandbyChanged(bool)",
        "saunaHumiditySensorStatusChanged(bool)",
        "delayedStartEnableChanged(bool)",
        "delayedStartRunningChanged(bool)",
        "saunaMagneticSensorConnectedChanged(bool)",
        "saunaScheduleItemDisableChanged(bool)",
        "saunaFanAutomaticChanged(bool)",
        "saunaFanRunningChanged(bool)",
        "saunaCleanupEnableChanged(bool)",
        "saunaTankAutoEmptyingEnableChanged(bool)",
        "saunaNotAllowedStartEnableChanged(bool)",
        "tankNotificationEnableChanged(bool)",
        "irEnableChanged(bool)",
        "saunaTankWaterLevelChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode,"
        "::signalInterface::TankStatusTypes::TankWaterLevel)",
        "saunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType)",
        "saunaRegionChanged(::signalInterface::RegionTypes::RegionType)",
        "saunaExternalSwitchFunctionChanged(::signalInterface::ExternalSwitchTypes::"
        "ExternalSwitchFunction)",
        "saunaBathPriorityChanged(::signalInterface::SaunaStateTypes::BathPriority)",
        "saunaRegulatorStateChanged(::signalInterface::RegulatorTypes::RegulatorFunction)",
        "saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState)",
        "saunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime)",
        "saunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus)",
        "saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost)",
        "saunaCalendarProgramChanged(::signalInterface::CalendarProgram)",
        "saunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)",
        "saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling)",
        "saunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem)",
        "saunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost)",
        "saunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)",
        "saunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters)",
        "saunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage)",
        "saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)",
        "saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode)",
    };
    for (const char *signature : signatures)
        QTest::newRow(signature) << QByteArray(signature);
}

void TestBridgeConnections::receiverSignalSignatures()
{
    QFETCH(QByteArray, signature);
    const QMetaObject &meta = saunaBridge::ZerededidBridgeReceiverSignalInterface::staticMetaObject;
    const int index = meta.indexOfSignal(QMetaObject::normalizedSignature(signature.constData()));
    QVERIFY2(index >= 0, signature.constData());
}

QTEST_GUILESS_MAIN(TestBridgeConnections)
#include "tst_bridge_connections.moc"
