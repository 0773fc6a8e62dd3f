#include "sauna_bridge/bridge_connections.h"

#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"
#include "signal_interface/sender_connections.h"

namespace saunaBridge {

int connectTargetTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                            QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(targetTemperatureChangeRequested(int)),
                                             SLOT(onTargetTemperatureChangeRequested(int))}});
}

int connectTargetHumidityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                         QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(targetHumidityChangeRequested(int)), SLOT(onTargetHumidityChangeRequested(int))}});
}

int connectSaunaStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState))}});
}

int connectRegionChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(regionChangeRequested(::signalInterface::RegionTypes::RegionType)),
          SLOT(onRegionChangeRequested(::signalInterface::RegionTypes::RegionType))}});
}

int connectBathTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(bathTimeChangeRequested(int)), SLOT(onBathTimeChangeRequested(int))}});
}

int connectRenewBathTimeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge, {{SIGNAL(renewBathTimeRequest()), SLOT(onRenewBathTimeRequest())}});
}

int connectLightsStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(lightsStateChangeRequested()), SLOT(onLightsStateChangeRequested())}});
}

int connectFanAutomaticChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(fanAutomaticChangeRequested(bool)), SLOT(onFanAutomaticChangeRequested(bool))}});
}

int connectFanRunningChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(fanRunningChangeRequested()), SLOT(onFanRunningChangeRequested())}});
}

int connectFanRuntimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(fanRuntimeChangeRequest(int)), SLOT(onFanRuntimeChangeRequest(int))}});
}

int connectTankEmptyingEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(tankEmptyingEnableChangeRequested(bool)),
                                             SLOT(onTankEmptyingEnableChangeRequested(bool))}});
}

int connectCalendarProgramChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                          QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(calendarProgramChangeRequested(::signalInterface::CalendarProgram)),
          SLOT(onCalendarProgramChangeRequested(::signalInterface::CalendarProgram))}});
}

int connectUserMessageAnswered(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage)),
          SLOT(onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage))}});
}

int connectScheduleItemDisableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                              QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(scheduleItemDisableChangeRequested(bool)),
                                             SLOT(onScheduleItemDisableChangeRequested(bool))}});
}

int connectFavoriteUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost))}});
}

int connectSaunaStartFavoriteRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(saunaStartFavoriteRequested(unsigned int)),
                                             SLOT(onSaunaStartFavoriteRequested(unsigned int))}});
}

int connectSystemTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime)),
          SLOT(onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime))}});
}

int connectAuxRelayUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(
              auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onAuxRelayUpdateRequested(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))}});
}

int connectActivateBuzzerRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(
              activateBuzzerRequested(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode)),
          SLOT(onActivateBuzzerRequested(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode))}});
}

int connectMaxBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(maxBathTemperatureChangeRequested(int)),
                                             SLOT(onMaxBathTemperatureChangeRequested(int))}});
}

int connectMinBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(minBathTemperatureChangeRequested(int)),
                                             SLOT(onMinBathTemperatureChangeRequested(int))}});
}

int connectWaterTempLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(waterTempLimitChangeRequest(int)), SLOT(onWaterTempLimitChangeRequested(int))}});
}

int connectRcbTankFillTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                        QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(rcbTankFillTimeChangeRequest(int)), SLOT(onRcbTankFillTimeChangeRequest(int))}});
}

int connectNotAllowedStartEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(notAllowedStartEnableChangeRequested(bool)),
                                             SLOT(onNotAllowedStartEnableChangeRequested(bool))}});
}

int connectNotAllowedStartFromTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                  QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(notAllowedStartFromTimeChangeRequested(QTime)),
          SLOT(onNotAllowedStartFromTimeChangeRequested(QTime))}});
}

int connectNotAllowedStartUntilTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                   QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(notAllowedStartUntilTimeChangeRequested(QTime)),
          SLOT(onNotAllowedStartUntilTimeChangeRequested(QTime))}});
}

int connectBathPriorityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(bathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority)),
          SLOT(onBathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority))}});
}

int connectResetBathTimeTimerRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(resetBathTimeTimerRequest()), SLOT(onResetBathTimeTimerRequest())}});
}

int connectFacilityTypeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(facilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType))}});
}

int connectTankAutoEmptyingDurationChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                 QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(tankAutoEmptyingDurationChangeRequest(int)),
                                             SLOT(onTankAutoEmptyingDurationChangeRequest(int))}});
}

int connectIrEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(irEnableChangeRequested(bool)), SLOT(onIrEnableChangeRequested(bool))}});
}

int connectExtSwBathtimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(extSwBathtimeChangeRequest(int)), SLOT(onExtSwBathtimeChangeRequest(int))}});
}

int connectEnableStandbyChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(enableStandbyChangeRequest(bool)), SLOT(onEnableStandbyChangeRequest(bool))}});
}

int connectStandbyTemperatureReductionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                    QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(standbyTemperatureReductionChangeRequest(int)),
          SLOT(onStandbyTemperatureReductionChangeRequest(int))}});
}

int connectTankStandbyTemperatureChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                               QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(tankStandbyTemperatureChangeRequest(int)),
                                             SLOT(onTankStandbyTemperatureChangeRequest(int))}});
}

int connectExtSwFunctionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(extSwFunctionChangeRequest(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction)),
          SLOT(onExtSwFunctionChangeRequest(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction))}});
}

int connectCleanupEnableAndTankNoticeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                   QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(cleanupEnableChangeRequest(bool)), SLOT(onCleanupEnableChangeRequest(bool))},
         {SIGNAL(cleanupTankNoticeChangeRequest(bool)),
          SLOT(onCleanupTankNoticeChangeRequest(bool))}});
}

int connectCleanupTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(cleanupTimeChangeRequest(int)), SLOT(onCleanupTimeChangeRequest(int))}});
}

int connectPcbOverheatLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                         QObject *requester)
{
    return signalInterface::connectSenders({requester}, bridge,
                                           {{SIGNAL(pcbOverheatLimitChangeRequest(int)),
                                             SLOT(onPcbOverheatLimitChangeRequested(int))}});
}

int connectErrorLogClearRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge, {{SIGNAL(errorLogClearRequest()), SLOT(onErrorLogClearRequest())}});
}

int connectDescalingChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester)
{
    return signalInterface::connectSenders(
        {requester}, bridge,
        {{SIGNAL(descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onDescalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling))}});
}

} // namespace saunaBridge
