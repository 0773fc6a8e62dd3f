#pragma once

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/error_log_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/smart_start_types.h"
#include "signal_interface/tank_status_types.h"
#include "signal_interface/user_message_types.h"

#include <QDate>
#include <QObject>
#include <QTime>

namespace saunaBridge {

// Everything the sauna system reports, as signals. Controllers and screens connect to them by
// signature strings, so every signal keeps its "::"-qualified spelling.
class ZerededidBridgeReceiverSignalInterface : public QObject
{
    Q_OBJECT

public:
    ~ZerededidBridgeReceiverSignalInterface() override;

signals:
    // Temperatures in ninths of a degree Celsius.
    void saunaTargetTemperatureChanged(int temperature);
    void saunaTemperatureChanged(int temperature);
    void saunaStandbyOffsetTemperatureChanged(int temperature);
    void saunaLowerTemperatureLimitChanged(int temperature);
    void saunaUpperTemperatureLimitChanged(int temperature);
    void saunaSystemLowerTemperatureLimitChanged(int temperature);
    void saunaSystemUpperTemperatureLimitChanged(int temperature);
    void
    saunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode node,
                                int temperature);
    void saunaTankStandbyTemperatureChanged(int temperature);
    void saunaWaterTempLimitChanged(int temperature);
    void saunaPcbOverheatLimitChanged(int temperature);

    // Target humidity still coded (percent, or step + 101); measured humidity decoded.
    void saunaTargetHumidityChanged(int humidity);
    void saunaHumidityChanged(int humidity, ::signalInterface::HumidityTypes::HumidityUnit unit);

    // Durations in minutes unless stated otherwise.
    void saunaBathTimeChanged(int minutes);
    void saunaBathTimeLimitChanged(int minutes);
    void saunaRunTimeLeftChanged(int minutes);
    void saunaTimeToAllowedOnChanged(int value);
    void saunaExtSwBathtimeChanged(int minutes);
    void saunaRunTimeChanged(int value);
    void saunaFanRuntimeChanged(int minutes);
    void saunaCleanupBetweenTimeChanged(int value);
    void saunaCleanupTotalChanged(int value);
    void saunaTankAutoEmptyingDurationChanged(int minutes);
    void saunaRcbTankFillTimeChanged(int value);
    void saunaNextDescalingChanged(int value);
    void saunaLastDescalingChanged(QDate date);
    void saunaNotAllowedStartFromTimeChanged(QTime time);
    void saunaNotAllowedStartUntilTimeChanged(QTime time);
    void saunaBathTimeTimerReset();

    void saunaLightsStateChange(bool on);
    void saunaEnableStandbyChanged(bool enabled);
    void saunaHumiditySensorStatusChanged(bool working);
    void delayedStartEnableChanged(bool enabled);
    void delayedStartRunningChanged(bool running);
    void saunaMagneticSensorConnectedChanged(bool connected);
    void saunaScheduleItemDisableChanged(bool disabled);
    void saunaFanAutomaticChanged(bool automatic);
    void saunaFanRunningChanged(bool running);
    void saunaCleanupEnableChanged(bool enabled);
    void saunaTankAutoEmptyingEnableChanged(bool enabled);
    void saunaNotAllowedStartEnableChanged(bool enabled);
    void tankNotificationEnableChanged(bool enabled);
    void irEnableChanged(bool enabled);

    void
    saunaTankWaterLevelChanged(::signalInterface::NodeInformationTypes::RcbMasterSlaveMode node,
                               ::signalInterface::TankStatusTypes::TankWaterLevel level);
    void saunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType facilityType);
    void saunaRegionChanged(::signalInterface::RegionTypes::RegionType region);
    void saunaExternalSwitchFunctionChanged(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function);
    void saunaBathPriorityChanged(::signalInterface::SaunaStateTypes::BathPriority priority);
    // No message of the protocol carries the regulator function; the signal exists for the
    // screens that connect it.
    void saunaRegulatorStateChanged(::signalInterface::RegulatorTypes::RegulatorFunction function);

    void saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    void saunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime dateTime);
    void saunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus status);

    void saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost favorite);
    void saunaCalendarProgramChanged(::signalInterface::CalendarProgram program);
    void
    saunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay);
    void saunaDescalingChanged(::signalInterface::AuxiliaryRelayTypes::Descaling descaling);
    void saunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem item);
    void
    saunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost node);
    void saunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void
    saunaSmartStartChanged(::signalInterface::SmartStartTypes::SmartStartParameters parameters);
    void saunaUserMessageChanged(::signalInterface::UserMessageTypes::UserMessage message);

    // Both come from an accepted connect reply.
    void saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);

    // Another sauna than the one that reported so far has accepted the connection: everything
    // reported before is the former sauna's, and what shows it goes back to "no value". Comes
    // before anything the new sauna reports.
    void saunaReplaced();

protected:
    explicit ZerededidBridgeReceiverSignalInterface(QObject *parent = nullptr);
};

} // namespace saunaBridge
