#include "sauna_bridge/bridge_connections.h"

#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"
#include "signal_interface/sender_connections.h"

namespace saunaBridge {

int connectTargetTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                            const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(targetTemperatureChangeRequested(int)),
                                             SLOT(onTargetTemperatureChangeRequested(int))}});
}

int connectTargetHumidityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(targetHumidityChangeRequested(int)), SLOT(onTargetHumidityChangeRequested(int))}});
}

int connectSaunaStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState))}});
}

int connectRegionChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(regionChangeRequested(::signalInterface::RegionTypes::RegionType)),
          SLOT(onRegionChangeRequested(::signalInterface::RegionTypes::RegionType))}});
}

int connectBathTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(bathTimeChangeRequested(int)), SLOT(onBathTimeChangeRequested(int))}});
}

int connectRenewBathTimeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge, {{SIGNAL(renewBathTimeRequest()), SLOT(onRenewBathTimeRequest())}});
}

int connectLightsStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(lightsStateChangeRequested()), SLOT(onLightsStateChangeRequested())}});
}

int connectFanAutomaticChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(fanAutomaticChangeRequested(bool)), SLOT(onFanAutomaticChangeRequested(bool))}});
}

int connectFanRunningChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(fanRunningChangeRequested()), SLOT(onFanRunningChangeRequested())}});
}

int connectFanRuntimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(fanRuntimeChangeRequest(int)), SLOT(onFanRuntimeChangeRequest(int))}});
}

int connectTankEmptyingEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(tankEmptyingEnableChangeRequested(bool)),
                                             SLOT(onTankEmptyingEnableChangeRequested(bool))}});
}

int connectCalendarProgramChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                          const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(calendarProgramChangeRequested(::signalInterface::CalendarProgram)),
          SLOT(onCalendarProgramChangeRequested(::signalInterface::CalendarProgram))}});
}

int connectUserMessageAnswered(ZerededidBridgeSenderSlotInterface *bridge,
                               const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage)),
          SLOT(onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage))}});
}

int connectScheduleItemDisableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                              const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(scheduleItemDisableChangeRequested(bool)),
                                             SLOT(onScheduleItemDisableChangeRequested(bool))}});
}

int connectFavoriteUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost))}});
}

int connectSaunaStartFavoriteRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(saunaStartFavoriteRequested(unsigned int)),
                                             SLOT(onSaunaStartFavoriteRequested(unsigned int))}});
}

int connectSystemTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime)),
          SLOT(onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime))}});
}

int connectAuxRelayUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(
              auxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
          SLOT(onAuxRelayUpdateRequested(
              ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))}});
}

int connectActivateBuzzerRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(
              activateBuzzerRequested(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode)),
          SLOT(onActivateBuzzerRequested(
              ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode))}});
}

int connectMaxBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(maxBathTemperatureChangeRequested(int)),
                                             SLOT(onMaxBathTemperatureChangeRequested(int))}});
}

int connectMinBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(minBathTemperatureChangeRequested(int)),
                                             SLOT(onMinBathTemperatureChangeRequested(int))}});
}

int connectWaterTempLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(waterTempLimitChangeRequest(int)), SLOT(onWaterTempLimitChangeRequested(int))}});
}

int connectRcbTankFillTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                        const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(rcbTankFillTimeChangeRequest(int)), SLOT(onRcbTankFillTimeChangeRequest(int))}});
}

int connectNotAllowedStartEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(notAllowedStartEnableChangeRequested(bool)),
                                             SLOT(onNotAllowedStartEnableChangeRequested(bool))}});
}

int connectNotAllowedStartFromTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                  const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(notAllowedStartFromTimeChangeRequested(QTime)),
          SLOT(onNotAllowedStartFromTimeChangeRequested(QTime))}});
}

int connectNotAllowedStartUntilTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(notAllowedStartUntilTimeChangeRequested(QTime)),
          SLOT(onNotAllowedStartUntilTimeChangeRequested(QTime))}});
}

int connectBathPriorityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(bathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority)),
          SLOT(onBathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority))}});
}

int connectResetBathTimeTimerRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(resetBathTimeTimerRequest()), SLOT(onResetBathTimeTimerRequest())}});
}

int connectFacilityTypeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(facilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType))}});
}

int connectTankAutoEmptyingDurationChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                 const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(tankAutoEmptyingDurationChangeRequest(int)),
                                             SLOT(onTankAutoEmptyingDurationChangeRequest(int))}});
}

int connectIrEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(irEnableChangeRequested(bool)), SLOT(onIrEnableChangeRequested(bool))}});
}

int connectExtSwBathtimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(extSwBathtimeChangeRequest(int)), SLOT(onExtSwBathtimeChangeRequest(int))}});
}

int connectEnableStandbyChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(enableStandbyChangeRequest(bool)), SLOT(onEnableStandbyChangeRequest(bool))}});
}

int connectStandbyTemperatureReductionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                    const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(standbyTemperatureReductionChangeRequest(int)),
          SLOT(onStandbyTemperatureReductionChangeRequest(int))}});
}

int connectTankStandbyTemperatureChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                               const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(tankStandbyTemperatureChangeRequest(int)),
                                             SLOT(onTankStandbyTemperatureChangeRequest(int))}});
}

int connectExtSwFunctionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(extSwFunctionChangeRequest(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction)),
          SLOT(onExtSwFunctionChangeRequest(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction))}});
}

int connectCleanupEnableAndTankNoticeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(cleanupEnableChangeRequest(bool)), SLOT(onCleanupEnableChangeRequest(bool))},
         {SIGNAL(cleanupTankNoticeChangeRequest(bool)),
          SLOT(onCleanupTankNoticeChangeRequest(bool))}});
}

int connectCleanupTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(cleanupTimeChangeRequest(int)), SLOT(onCleanupTimeChangeRequest(int))}});
}

int connectPcbOverheatLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(requesters, bridge,
                                           {{SIGNAL(pcbOverheatLimitChangeRequest(int)),
                                             SLOT(onPcbOverheatLimitChangeRequested(int))}});
}

int connectErrorLogClearRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge, {{SIGNAL(errorLogClearRequest()), SLOT(onErrorLogClearRequest())}});
}

int connectDescalingChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters)
{
    return signalInterface::connectSenders(
        requesters, bridge,
        {{SIGNAL(descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onDescalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling))}});
}

} // namespace saunaBridge
