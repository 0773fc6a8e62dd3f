#include "signal_interface/type_registration.h"

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/display_types.h"
#include "signal_interface/error_log_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/haptic_feedback_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/keyboard_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/row_item_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/smart_start_types.h"
#include "signal_interface/tank_status_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"
#include "signal_interface/version_types.h"

#include <QtQml/qqml.h>

namespace signalInterface {

const char *signalInterfaceQmlUri()
{
    return "SignalInterfaceLib";
}

void registerMetaTypes()
{
    // Records and the types that only native code passes.
    qRegisterMetaType<AuxiliaryRelayTypes::AuxiliaryRelayPost>(
        "::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost");
    qRegisterMetaType<AuxiliaryRelayTypes::Descaling>(
        "::signalInterface::AuxiliaryRelayTypes::Descaling");
    qRegisterMetaType<CalendarProgram>("::signalInterface::CalendarProgram");
    qRegisterMetaType<DateTimeTypes::SaunaDateTime>(
        "::signalInterface::DateTimeTypes::SaunaDateTime");
    qRegisterMetaType<ErrorLogTypes::ErrorLogItem>(
        "::signalInterface::ErrorLogTypes::ErrorLogItem");
    qRegisterMetaType<FavoritesTypes::FavoritesPost>(
        "::signalInterface::FavoritesTypes::FavoritesPost");
    qRegisterMetaType<MasterFuncDescTypes::MasterFuncDescPost>(
        "::signalInterface::MasterFuncDescTypes::MasterFuncDescPost");
    qRegisterMetaType<NodeInformationTypes::NodeInformationPost>(
        "::signalInterface::NodeInformationTypes::NodeInformationPost");
    qRegisterMetaType<RelayStatusTypes::RelayStatusPost>(
        "::signalInterface::RelayStatusTypes::RelayStatusPost");
    qRegisterMetaType<RelayStatusTypes::RelayStatus>(
        "::signalInterface::RelayStatusTypes::RelayStatus");
    qRegisterMetaType<SmartStartTypes::SmartStartParameters>(
        "::signalInterface::SmartStartTypes::SmartStartParameters");
    qRegisterMetaType<UserMessageTypes::UserMessage>(
        "::signalInterface::UserMessageTypes::UserMessage");
    qRegisterMetaType<UserMessageTypes::UserMessageType>(
        "::signalInterface::UserMessageTypes::UserMessageType");
    qRegisterMetaType<UserMessageTypes::UserMessageAnswer>(
        "::signalInterface::UserMessageTypes::UserMessageAnswer");
    qRegisterMetaType<VersionTypes::Version>("::signalInterface::VersionTypes::Version");
    qRegisterMetaType<PinTypes::Pin>("::signalInterface::PinTypes::Pin");
    qRegisterMetaType<RemoteSaunaTypes::ExternalUnit>(
        "::signalInterface::RemoteSaunaTypes::ExternalUnit");
    qRegisterMetaType<RemoteSaunaTypes::RemoteSauna>(
        "::signalInterface::RemoteSaunaTypes::RemoteSauna");
    qRegisterMetaType<RemoteSaunaTypes::WiFiNetwork>(
        "::signalInterface::RemoteSaunaTypes::WiFiNetwork");
    qRegisterMetaType<UserMessageAction *>("::signalInterface::UserMessageAction*");

    // Every enum of every holder, so that any signature naming one resolves.
    qRegisterMetaType<CalendarTypes::StartMode>("::signalInterface::CalendarTypes::StartMode");
    qRegisterMetaType<CalendarTypes::WeekDay>("::signalInterface::CalendarTypes::WeekDay");
    qRegisterMetaType<CalendarTypes::Month>("::signalInterface::CalendarTypes::Month");
    qRegisterMetaType<ConfigureTypes::ConfigureGeneral>(
        "::signalInterface::ConfigureTypes::ConfigureGeneral");
    qRegisterMetaType<ConfigureTypes::SoftwareComponent>(
        "::signalInterface::ConfigureTypes::SoftwareComponent");
    qRegisterMetaType<ConfigureTypes::LinuxComponent>(
        "::signalInterface::ConfigureTypes::LinuxComponent");
    qRegisterMetaType<ConfigureTypes::ConfigureDateTime>(
        "::signalInterface::ConfigureTypes::ConfigureDateTime");
    qRegisterMetaType<ConfigureTypes::ConfigureLimits>(
        "::signalInterface::ConfigureTypes::ConfigureLimits");
    qRegisterMetaType<ConfigureTypes::ConfigureAdvancedSettings>(
        "::signalInterface::ConfigureTypes::ConfigureAdvancedSettings");
    qRegisterMetaType<ConfigureTypes::ConfigureSystem>(
        "::signalInterface::ConfigureTypes::ConfigureSystem");
    qRegisterMetaType<ConfigureTypes::ConfigureSystemAux>(
        "::signalInterface::ConfigureTypes::ConfigureSystemAux");
    qRegisterMetaType<ConfigureTypes::ConfigureSystemWiFiNetwork>(
        "::signalInterface::ConfigureTypes::ConfigureSystemWiFiNetwork");
    qRegisterMetaType<DataProviderTypes::StepperControlChange>(
        "::signalInterface::DataProviderTypes::StepperControlChange");
    qRegisterMetaType<DateTimeTypes::TimeFormat>("::signalInterface::DateTimeTypes::TimeFormat");
    qRegisterMetaType<DateTimeTypes::DateFormat>("::signalInterface::DateTimeTypes::DateFormat");
    qRegisterMetaType<HumidityTypes::HumidityUnit>(
        "::signalInterface::HumidityTypes::HumidityUnit");
    qRegisterMetaType<HumidityTypes::HumidityPresentation>(
        "::signalInterface::HumidityTypes::HumidityPresentation");
    qRegisterMetaType<KeyboardTypes::KeyType>("::signalInterface::KeyboardTypes::KeyType");
    qRegisterMetaType<LanguageTypes::Language>("::signalInterface::LanguageTypes::Language");
    qRegisterMetaType<RowItemTypes::BackgroundPressedMode>(
        "::signalInterface::RowItemTypes::BackgroundPressedMode");
    qRegisterMetaType<SaunaStateTypes::SaunaState>(
        "::signalInterface::SaunaStateTypes::SaunaState");
    qRegisterMetaType<SaunaStateTypes::BathPriority>(
        "::signalInterface::SaunaStateTypes::BathPriority");
    qRegisterMetaType<SaunaStateTypes::FacilityType>(
        "::signalInterface::SaunaStateTypes::FacilityType");
    qRegisterMetaType<TankStatusTypes::TankWaterLevel>(
        "::signalInterface::TankStatusTypes::TankWaterLevel");
    qRegisterMetaType<TemperatureTypes::TemperatureUnit>(
        "::signalInterface::TemperatureTypes::TemperatureUnit");
    qRegisterMetaType<TemperatureTypes::TemperaturePresentation>(
        "::signalInterface::TemperatureTypes::TemperaturePresentation");
    qRegisterMetaType<TimeEditTypes::Direction>("::signalInterface::TimeEditTypes::Direction");
    qRegisterMetaType<TimeEditTypes::TimeComponent>(
        "::signalInterface::TimeEditTypes::TimeComponent");
    qRegisterMetaType<TimeEditTypes::StepperComponent>(
        "::signalInterface::TimeEditTypes::StepperComponent");
    qRegisterMetaType<VariantTypes::ProductType>("::signalInterface::VariantTypes::ProductType");
    qRegisterMetaType<VariantTypes::Brand>("::signalInterface::VariantTypes::Brand");
    qRegisterMetaType<MasterFuncDescTypes::SystemMode>(
        "::signalInterface::MasterFuncDescTypes::SystemMode");
    qRegisterMetaType<MasterFuncDescTypes::RcbProduct>(
        "::signalInterface::MasterFuncDescTypes::RcbProduct");
    qRegisterMetaType<RegionTypes::RegionType>("::signalInterface::RegionTypes::RegionType");
    qRegisterMetaType<AuxiliaryRelayTypes::TimeScaling>(
        "::signalInterface::AuxiliaryRelayTypes::TimeScaling");
    qRegisterMetaType<AuxiliaryRelayTypes::Function>(
        "::signalInterface::AuxiliaryRelayTypes::Function");
    qRegisterMetaType<AuxiliaryRelayTypes::FragranceSetting>(
        "::signalInterface::AuxiliaryRelayTypes::FragranceSetting");
    qRegisterMetaType<AuxiliaryRelayTypes::DescalingSetting>(
        "::signalInterface::AuxiliaryRelayTypes::DescalingSetting");
    qRegisterMetaType<PinTypes::PinViewTypes>("::signalInterface::PinTypes::PinViewTypes");
    qRegisterMetaType<NodeInformationTypes::NodeProfileMode>(
        "::signalInterface::NodeInformationTypes::NodeProfileMode");
    qRegisterMetaType<NodeInformationTypes::RcbMasterSlaveMode>(
        "::signalInterface::NodeInformationTypes::RcbMasterSlaveMode");
    qRegisterMetaType<HapticFeedbackTypes::HapticFeedback>(
        "::signalInterface::HapticFeedbackTypes::HapticFeedback");
    qRegisterMetaType<RelayStatusTypes::RelayType>(
        "::signalInterface::RelayStatusTypes::RelayType");
    qRegisterMetaType<RegulatorTypes::RegulatorFunction>(
        "::signalInterface::RegulatorTypes::RegulatorFunction");
    qRegisterMetaType<DisplayTypes::DisplaySleepTimeout>(
        "::signalInterface::DisplayTypes::DisplaySleepTimeout");
    qRegisterMetaType<ExternalSwitchTypes::ExternalSwitchFunction>(
        "::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction");
}

void registerQmlTypes()
{
    const char *const uri = signalInterfaceQmlUri();
    qmlRegisterType<CalendarTypes>(uri, 1, 0, "CalendarTypes");
    qmlRegisterType<ConfigureTypes>(uri, 1, 0, "ConfigureTypes");
    qmlRegisterType<DataProviderTypes>(uri, 1, 0, "DataProviderTypes");
    qmlRegisterType<DateTimeTypes>(uri, 1, 0, "DateTimeTypes");
    qmlRegisterType<HumidityTypes>(uri, 1, 0, "HumidityTypes");
    qmlRegisterType<KeyboardTypes>(uri, 1, 0, "KeyboardTypes");
    qmlRegisterType<LanguageTypes>(uri, 1, 0, "LanguageTypes");
    qmlRegisterType<RowItemTypes>(uri, 1, 0, "RowItemTypes");
    qmlRegisterType<SaunaStateTypes>(uri, 1, 0, "SaunaStateTypes");
    qmlRegisterType<TankStatusTypes>(uri, 1, 0, "TankStatusTypes");
    qmlRegisterType<TemperatureTypes>(uri, 1, 0, "TemperatureTypes");
    qmlRegisterType<TimeEditTypes>(uri, 1, 0, "TimeEditTypes");
    qmlRegisterType<VariantTypes>(uri, 1, 0, "VariantTypes");
    qmlRegisterType<MasterFuncDescTypes>(uri, 1, 0, "MasterFuncDescTypes");
    qmlRegisterType<RegionTypes>(uri, 1, 0, "RegionTypes");
}

} // namespace signalInterface
