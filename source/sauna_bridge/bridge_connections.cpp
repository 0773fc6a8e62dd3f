#include "sauna_bridge/bridge_connections.h"

#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"

#include <QLoggingCategory>

#include <initializer_list>

namespace saunaBridge {

namespace {

Q_LOGGING_CATEGORY(lcBridge, "panel.bridge")

struct RequestRoute
{
    const char *signal;
    const char *slot;
};

// A failed string connect only warns through Qt's message handler, which the panel silences, so
// every failure is counted and logged here.
int connectRoutes(ZerededidBridgeSenderSlotInterface *bridge, const QList<QObject *> &requesters,
                  std::initializer_list<RequestRoute> routes)
{
    int failures = 0;
    for (QObject *requester : requesters) {
        for (const RequestRoute &route : routes) {
            const bool connected = bridge != nullptr && requester != nullptr &&
                                   QObject::connect(requester, route.signal, bridge, route.slot);
            if (!connected) {
                ++failures;
                qCWarning(lcBridge)
                    << "bridge connect failed:" << (requester ? requester->objectName() : QString())
                    << route.signal + 1 << "->" << route.slot + 1;
            }
        }
    }
    return failures;
}

} // namespace

int connectTargetTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                            const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(targetTemperatureChangeRequested(int)),
                           SLOT(onTargetTemperatureChangeRequested(int))}});
}

int connectTargetHumidityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(targetHumidityChangeRequested(int)), SLOT(onTargetHumidityChangeRequested(int))}});
}

int connectSaunaStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(saunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState))}});
}

int connectRegionChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(regionChangeRequested(::signalInterface::RegionTypes::RegionType)),
          SLOT(onRegionChangeRequested(::signalInterface::RegionTypes::RegionType))}});
}

int connectBathTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(bathTimeChangeRequested(int)), SLOT(onBathTimeChangeRequested(int))}});
}

int connectRenewBathTimeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(renewBathTimeRequest()), SLOT(onRenewBathTimeRequest())}});
}

int connectLightsStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(lightsStateChangeRequested()), SLOT(onLightsStateChangeRequested())}});
}

int connectFanAutomaticChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(fanAutomaticChangeRequested(bool)), SLOT(onFanAutomaticChangeRequested(bool))}});
}

int connectFanRunningChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(fanRunningChangeRequested()), SLOT(onFanRunningChangeRequested())}});
}

int connectFanRuntimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(fanRuntimeChangeRequest(int)), SLOT(onFanRuntimeChangeRequest(int))}});
}

int connectTankEmptyingEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(tankEmptyingEnableChangeRequested(bool)),
                           SLOT(onTankEmptyingEnableChangeRequested(bool))}});
}

int connectCalendarProgramChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                          const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(calendarProgramChangeRequested(::signalInterface::CalendarProgram)),
          SLOT(onCalendarProgramChangeRequested(::signalInterface::CalendarProgram))}});
}

int connectUserMessageAnswered(ZerededidBridgeSenderSlotInterface *bridge,
                               const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(userMessageAnswered(::signalInterface::UserMessageTypes::UserMessage)),
          SLOT(onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage))}});
}

int connectScheduleItemDisableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                              const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(scheduleItemDisableChangeRequested(bool)),
                           SLOT(onScheduleItemDisableChangeRequested(bool))}});
}

int connectFavoriteUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(favoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost)),
          SLOT(onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost))}});
}

int connectSaunaStartFavoriteRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(saunaStartFavoriteRequested(unsigned int)),
                           SLOT(onSaunaStartFavoriteRequested(unsigned int))}});
}

int connectSystemTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime)),
          SLOT(onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime))}});
}

int connectAuxRelayUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(auxRelayUpdateRequested(
                               ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)),
                           SLOT(onAuxRelayUpdateRequested(
                               ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost))}});
}

int connectActivateBuzzerRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(activateBuzzerRequested(
                               ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode)),
                           SLOT(onActivateBuzzerRequested(
                               ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode))}});
}

int connectMaxBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(maxBathTemperatureChangeRequested(int)),
                           SLOT(onMaxBathTemperatureChangeRequested(int))}});
}

int connectMinBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(minBathTemperatureChangeRequested(int)),
                           SLOT(onMinBathTemperatureChangeRequested(int))}});
}

int connectWaterTempLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(waterTempLimitChangeRequest(int)), SLOT(onWaterTempLimitChangeRequested(int))}});
}

int connectRcbTankFillTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                        const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(rcbTankFillTimeChangeRequest(int)), SLOT(onRcbTankFillTimeChangeRequest(int))}});
}

int connectNotAllowedStartEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(notAllowedStartEnableChangeRequested(bool)),
                           SLOT(onNotAllowedStartEnableChangeRequested(bool))}});
}

int connectNotAllowedStartFromTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                  const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(notAllowedStartFromTimeChangeRequested(QTime)),
                           SLOT(onNotAllowedStartFromTimeChangeRequested(QTime))}});
}

int connectNotAllowedStartUntilTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(notAllowedStartUntilTimeChangeRequested(QTime)),
                           SLOT(onNotAllowedStartUntilTimeChangeRequested(QTime))}});
}

int connectBathPriorityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(bathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority)),
          SLOT(onBathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority))}});
}

int connectResetBathTimeTimerRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(resetBathTimeTimerRequest()), SLOT(onResetBathTimeTimerRequest())}});
}

int connectFacilityTypeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(facilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType))}});
}

int connectTankAutoEmptyingDurationChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                 const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(tankAutoEmptyingDurationChangeRequest(int)),
                           SLOT(onTankAutoEmptyingDurationChangeRequest(int))}});
}

int connectIrEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(irEnableChangeRequested(bool)), SLOT(onIrEnableChangeRequested(bool))}});
}

int connectExtSwBathtimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(extSwBathtimeChangeRequest(int)), SLOT(onExtSwBathtimeChangeRequest(int))}});
}

int connectEnableStandbyChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(enableStandbyChangeRequest(bool)), SLOT(onEnableStandbyChangeRequest(bool))}});
}

int connectStandbyTemperatureReductionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                    const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(standbyTemperatureReductionChangeRequest(int)),
                           SLOT(onStandbyTemperatureReductionChangeRequest(int))}});
}

int connectTankStandbyTemperatureChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                               const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(tankStandbyTemperatureChangeRequest(int)),
                           SLOT(onTankStandbyTemperatureChangeRequest(int))}});
}

int connectExtSwFunctionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(extSwFunctionChangeRequest(
                               ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction)),
                           SLOT(onExtSwFunctionChangeRequest(
                               ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction))}});
}

int connectCleanupEnableAndTankNoticeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(cleanupEnableChangeRequest(bool)), SLOT(onCleanupEnableChangeRequest(bool))},
         {SIGNAL(cleanupTankNoticeChangeRequest(bool)),
          SLOT(onCleanupTankNoticeChangeRequest(bool))}});
}

int connectCleanupTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(cleanupTimeChangeRequest(int)), SLOT(onCleanupTimeChangeRequest(int))}});
}

int connectPcbOverheatLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(pcbOverheatLimitChangeRequest(int)),
                           SLOT(onPcbOverheatLimitChangeRequested(int))}});
}

int connectErrorLogClearRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters)
{
    return connectRoutes(bridge, requesters,
                         {{SIGNAL(errorLogClearRequest()), SLOT(onErrorLogClearRequest())}});
}

int connectDescalingChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters)
{
    return connectRoutes(
        bridge, requesters,
        {{SIGNAL(descalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling)),
          SLOT(onDescalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling))}});
}

} // namespace saunaBridge
