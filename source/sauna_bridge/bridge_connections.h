#pragma once

#include <QList>
#include <QObject>

namespace saunaBridge {

class ZerededidBridgeSenderSlotInterface;

// Connect operations from requesters to the bridge sender, one per request. Requesters are QML
// items or objects handed over as QObject*, so the connections go by signature strings, with
// the automatic connection type (signalInterface::connectSenders). Each returns the number of
// connections that failed (a null bridge or requester counts as failed); a failure is also logged.
int connectTargetTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                            const QList<QObject *> &requesters);
int connectTargetHumidityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters);
int connectSaunaStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters);
int connectRegionChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters);
int connectBathTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectRenewBathTimeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters);
int connectLightsStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters);
int connectFanAutomaticChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters);
int connectFanRunningChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters);
int connectFanRuntimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectTankEmptyingEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters);
int connectCalendarProgramChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                          const QList<QObject *> &requesters);
int connectUserMessageAnswered(ZerededidBridgeSenderSlotInterface *bridge,
                               const QList<QObject *> &requesters);
int connectScheduleItemDisableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                              const QList<QObject *> &requesters);
int connectFavoriteUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectSaunaStartFavoriteRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters);
int connectSystemTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters);
int connectAuxRelayUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectActivateBuzzerRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectMaxBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters);
// No requester has this signal; the operation exists for completeness and is never called.
int connectMinBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             const QList<QObject *> &requesters);
// The signal ends in "Request", the slot in "Requested": string connects match argument types.
int connectWaterTempLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters);
int connectRcbTankFillTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                        const QList<QObject *> &requesters);
int connectNotAllowedStartEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                const QList<QObject *> &requesters);
int connectNotAllowedStartFromTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                  const QList<QObject *> &requesters);
int connectNotAllowedStartUntilTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters);
int connectBathPriorityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       const QList<QObject *> &requesters);
int connectResetBathTimeTimerRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                     const QList<QObject *> &requesters);
int connectFacilityTypeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                 const QList<QObject *> &requesters);
int connectTankAutoEmptyingDurationChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                 const QList<QObject *> &requesters);
int connectIrEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                   const QList<QObject *> &requesters);
int connectExtSwBathtimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters);
int connectEnableStandbyChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters);
int connectStandbyTemperatureReductionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                    const QList<QObject *> &requesters);
int connectTankStandbyTemperatureChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                               const QList<QObject *> &requesters);
int connectExtSwFunctionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      const QList<QObject *> &requesters);
// Two connections per requester: the cleanup enable, then the tank notice.
int connectCleanupEnableAndTankNoticeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                   const QList<QObject *> &requesters);
int connectCleanupTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters);
// The signal ends in "Request", the slot in "Requested": string connects match argument types.
int connectPcbOverheatLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                         const QList<QObject *> &requesters);
int connectErrorLogClearRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                const QList<QObject *> &requesters);
int connectDescalingChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                    const QList<QObject *> &requesters);

} // namespace saunaBridge
