#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/user_message_types.h"

#include <QObject>
#include <QTime>

namespace saunaBridge {

// The requests that controllers and screens send toward the sauna system. Requesters reach these
// slots by signature strings, so every slot keeps its "::"-qualified spelling.
class ZerededidBridgeSenderSlotInterface : public QObject
{
    Q_OBJECT

public:
    ~ZerededidBridgeSenderSlotInterface() override;

public slots:
    // Temperatures in ninths of a degree Celsius, durations in minutes unless stated otherwise.
    virtual void onTargetTemperatureChangeRequested(int temperature) = 0;
    // Humidity already coded: percent 0-100, or step + 101.
    virtual void onTargetHumidityChangeRequested(int humidity) = 0;
    virtual void onMinBathTemperatureChangeRequested(int temperature) = 0;
    virtual void onMaxBathTemperatureChangeRequested(int temperature) = 0;
    virtual void onBathTimeChangeRequested(int minutes) = 0;
    virtual void onStandbyTemperatureReductionChangeRequest(int temperature) = 0;
    virtual void onTankStandbyTemperatureChangeRequest(int temperature) = 0;
    virtual void onExtSwBathtimeChangeRequest(int minutes) = 0;
    virtual void onWaterTempLimitChangeRequested(int temperature) = 0;
    virtual void onPcbOverheatLimitChangeRequested(int temperature) = 0;
    virtual void onFanRuntimeChangeRequest(int minutes) = 0;
    virtual void onCleanupTimeChangeRequest(int minutes) = 0;
    virtual void onResetBathTimeTimerRequest() = 0;
    virtual void onTankAutoEmptyingDurationChangeRequest(int minutes) = 0;
    virtual void onRcbTankFillTimeChangeRequest(int seconds) = 0;
    virtual void onNotAllowedStartFromTimeChangeRequested(QTime time) = 0;
    virtual void onNotAllowedStartUntilTimeChangeRequested(QTime time) = 0;

    // Toggles: the new state is the opposite of the one the sauna reported last.
    virtual void onLightsStateChangeRequested() = 0;
    virtual void onFanRunningChangeRequested() = 0;
    virtual void onEnableStandbyChangeRequest(bool enable) = 0;
    virtual void onScheduleItemDisableChangeRequested(bool disable) = 0;
    virtual void onFanAutomaticChangeRequested(bool automatic) = 0;
    virtual void onCleanupEnableChangeRequest(bool enable) = 0;
    virtual void onTankEmptyingEnableChangeRequested(bool enable) = 0;
    virtual void onNotAllowedStartEnableChangeRequested(bool enable) = 0;
    virtual void onCleanupTankNoticeChangeRequest(bool enable) = 0;
    virtual void onIrEnableChangeRequested(bool enable) = 0;

    virtual void
    onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType facilityType) = 0;
    virtual void onRegionChangeRequested(::signalInterface::RegionTypes::RegionType region) = 0;
    virtual void onExtSwFunctionChangeRequest(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function) = 0;
    virtual void
    onBathPriorityChangeRequested(::signalInterface::SaunaStateTypes::BathPriority priority) = 0;

    virtual void
    onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState state) = 0;
    virtual void
    onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime dateTime) = 0;

    virtual void onErrorLogClearRequest() = 0;
    virtual void onRenewBathTimeRequest() = 0;
    virtual void onActivateBuzzerRequested(
        ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode controlBoard) = 0;
    virtual void onSaunaStartFavoriteRequested(unsigned int favorite) = 0;

    virtual void onCalendarProgramChangeRequested(::signalInterface::CalendarProgram program) = 0;
    virtual void
    onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage message) = 0;
    virtual void
    onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost favorite) = 0;
    virtual void
    onAuxRelayUpdateRequested(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) = 0;
    virtual void
    onDescalingChangeRequested(::signalInterface::AuxiliaryRelayTypes::Descaling descaling) = 0;

protected:
    explicit ZerededidBridgeSenderSlotInterface(QObject *parent = nullptr);
};

} // namespace saunaBridge
