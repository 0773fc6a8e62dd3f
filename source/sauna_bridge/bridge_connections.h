#pragma once

#include <QObject>

namespace saunaBridge {

class ZerededidBridgeSenderSlotInterface;

// Connect operations from a requester to the bridge sender, one per request. Requesters are
// handed over as QObject*, so the connections go by signature strings, with
// the automatic connection type (signalInterface::connectSenders). Each returns the number of
// connections that failed (a null bridge or requester counts as failed); a failure is also logged.
int connectTargetTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                            QObject *requester);
int connectTargetHumidityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                         QObject *requester);
int connectSaunaStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     QObject *requester);
int connectRegionChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectBathTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectRenewBathTimeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectLightsStateChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester);
int connectFanAutomaticChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester);
int connectFanRunningChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     QObject *requester);
int connectFanRuntimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectTankEmptyingEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester);
int connectCalendarProgramChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                          QObject *requester);
int connectUserMessageAnswered(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectScheduleItemDisableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                              QObject *requester);
int connectFavoriteUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectSaunaStartFavoriteRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester);
int connectSystemTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                     QObject *requester);
int connectAuxRelayUpdateRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectActivateBuzzerRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectMaxBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester);
// No requester has this signal; the operation exists for completeness and is never called.
int connectMinBathTemperatureChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                             QObject *requester);
// The signal ends in "Request", the slot in "Requested": string connects match argument types.
int connectWaterTempLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester);
int connectRcbTankFillTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                        QObject *requester);
int connectNotAllowedStartEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                QObject *requester);
int connectNotAllowedStartFromTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                  QObject *requester);
int connectNotAllowedStartUntilTimeChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                                   QObject *requester);
int connectBathPriorityChangeRequested(ZerededidBridgeSenderSlotInterface *bridge,
                                       QObject *requester);
int connectResetBathTimeTimerRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                     QObject *requester);
int connectFacilityTypeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectTankAutoEmptyingDurationChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                 QObject *requester);
int connectIrEnableChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectExtSwBathtimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester);
int connectEnableStandbyChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester);
int connectStandbyTemperatureReductionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                    QObject *requester);
int connectTankStandbyTemperatureChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                               QObject *requester);
int connectExtSwFunctionChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                      QObject *requester);
// Two connections per requester: the cleanup enable, then the tank notice.
int connectCleanupEnableAndTankNoticeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                                   QObject *requester);
int connectCleanupTimeChangeRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
// The signal ends in "Request", the slot in "Requested": string connects match argument types.
int connectPcbOverheatLimitChangeRequest(ZerededidBridgeSenderSlotInterface *bridge,
                                         QObject *requester);
int connectErrorLogClearRequest(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);
int connectDescalingChangeRequested(ZerededidBridgeSenderSlotInterface *bridge, QObject *requester);

} // namespace saunaBridge
