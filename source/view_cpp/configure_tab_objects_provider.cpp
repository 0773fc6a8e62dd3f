#include "view_cpp/configure_tab_objects_provider.h"

#include "control/calendar_queue_controller.h"
#include "control/haptic_sensor_controller.h"
#include "control/humidity_controller.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "pc_panel/sauna_communication.h"
#include "sauna_bridge/bridge_connections.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/main_window.h"
#include "view_cpp/qeyboard.h"
#include "view_cpp/start_up.h"

#include <QQmlContext>
#include <QQuickWidget>

#include <utility>
#include <vector>

namespace details {

namespace {

// One published name and the object it names.
using Publication = std::pair<const char *, QObject *>;

std::vector<Publication> publications(ConfigureTabObjectsProvider &provider)
{
    view::ConfigureLimitsViewManager &limits = provider.limitsViewManager;
    view::ConfigureLimitsNotAllowedStartViewManager &notAllowedStart =
        provider.limitsNotAllowedStartViewManager;
    view::ConfigureGeneralAboutViewManager &about = provider.generalAboutViewManager;
    view::ConfigureGeneralAboutLicenseInfoViewManager &licence =
        provider.generalAboutLicenseInfoViewManager;
    view::ConfigureGeneralAboutIdentifyRcbViewManager &identifyRcb =
        provider.generalAboutIdentifyRcbViewManager;
    view::ConfigureSystemViewManager &system = provider.systemViewManager;
    view::ConfigureSystemNetworkViewManager &network = provider.systemNetworkViewManager;
    view::ConfigureGeneralViewManager &general = provider.generalViewManager;
    view::ConfigureGeneralPinViewManager &pin = provider.generalPinViewManager;
    view::ConfigureDateTimeViewManager &dateTime = provider.dateTimeViewManager;
    view::ConfigureDateTimeDateViewManager &date = provider.dateTimeDateViewManager;
    view::ConfigureDateTimeTimeViewManager &time = provider.dateTimeTimeViewManager;
    view::ConfigureAdvancedSettingsViewManager &advanced = provider.advancedSettingsViewManager;
    view::ConfigureAdvancedSettingsFanViewManager &fan = provider.advancedSettingsFanViewManager;
    view::ConfigureAdvancedSettingsExtSwitchViewManager &extSwitch =
        provider.advancedSettingsExtSwitchViewManager;
    view::ConfigureAdvancedSettingsStandbyViewManager &standby =
        provider.advancedSettingsStandbyViewManager;
    view::ConfigureSystemCleanupViewManager &cleanup = provider.systemCleanupViewManager;
    view::ConfigureSystemTankAutoEmptyingViewManager &tank =
        provider.systemTankAutoEmptyingViewManager;
    view::ConfigureSystemRelayViewManager &relay = provider.systemRelayViewManager;
    view::ConfigureSystemSoftwareUpdateViewManager &softwareUpdate =
        provider.systemSoftwareUpdateViewManager;
    view::ConfigureSystemWiFiViewManager &wiFi = provider.systemWiFiViewManager;
    view::ConfigureSystemAuxViewManager &aux = provider.systemAuxViewManager;
    view::ConfigureSystemAuxFragranceViewManager &fragrance = aux.fragranceManager();
    view::ConfigureSystemAuxDescalingViewManager &descaling = aux.descalingManager();
    return {
        {"configure_limits_view_controller", &limits},
        {"configure_limits_selector_model", limits.model()},
        {"configure_limits_max_bath_temperature_manager", limits.maxBathTemperatureManager()},
        {"configure_limits_upper_water_temp_manager", limits.upperWaterTemperatureManager()},
        {"configure_limits_tank_fill_time_manager", limits.tankFillTimeManager()},
        {"configure_limits_pcb_overheat_limit_manager", limits.pcbOverheatLimitManager()},
        {"configure_limits_not_allowed_view_controller", &notAllowedStart},
        {"configure_limits_not_allowed_start_model", notAllowedStart.model()},
        {"configure_limits_not_allowed_start_from_time_manager", notAllowedStart.fromTimeManager()},
        {"configure_limits_not_allowed_start_until_time_manager",
         notAllowedStart.untilTimeManager()},
        {"configure_date_time_view_controller", &dateTime},
        {"configure_date_time_selector_model", dateTime.model()},
        {"configure_date_time_date_view_controller", &date},
        {"configure_date_time_time_view_controller", &time},
        {"configure_date_time_date_model", date.model()},
        {"configure_date_time_system_date_manager", date.dateEditor()},
        {"configure_date_time_system_time_manager", time.timeEditor()},
        {"configure_date_time_time_model", time.model()},
        {"configure_date_time_erase_calendar_model",
         provider.dateTimeEraseCalendarViewManager.model()},
        {"configure_date_time_week_start_model", provider.dateTimeWeekBeginViewManager.model()},
        // Advanced settings.
        {"configure_advanced_settings_view_controller", &advanced},
        {"configure_advanced_settings_fan_view_controller", &fan},
        {"configure_advanced_settings_ext_switch_view_controller", &extSwitch},
        {"configure_advanced_settings_selector_model", advanced.model()},
        {"configure_advance_settings_fan_model", fan.model()},
        {"configure_advance_settings_external_switch_bathtime_model", extSwitch.bathTimeModel()},
        {"configure_advanced_settings_standby_view_controller", &standby},
        {"configure_advanced_settings_standby_model", standby.model()},
        {"configure_advanced_settings_temperature_reduction_manager", standby.reductionManager()},
        {"configure_advanced_settings_water_temperature_manager",
         standby.waterTemperatureManager()},
        {"fan_runtime_time_manager", fan.runtimeManager()},
        {"external_switch_bathtime_time_manager", extSwitch.bathTimeManager()},
        {"configure_advanced_settings_ext_sw_function_model", extSwitch.functionModel()},
        // Tank auto-emptying and cleanup note.
        {"configure_system_cleanup_view_controller", &cleanup},
        {"configure_system_tank_auto_emptying_view_controller", &tank},
        {"configure_system_cleanup_model", cleanup.model()},
        {"tank_auto_emptying_time_manager", tank.timeManager()},
        {"configure_advance_settings_tank_auto_emptying_model", tank.model()},
        {"cleanup_time_manager", cleanup.timeManager()},
        // Status and error log.
        {"configure_system_status_model", provider.systemStatusViewManager.model()},
        {"configure_system_error_log_view_controller", &provider.systemErrorLogViewManager},
        {"configure_system_error_log_model", provider.systemErrorLogViewManager.model()},
        // System menu and Network.
        // General: display sleep, units, language and region.
        {"configure_general_display_model", provider.generalDisplayViewManager.model()},
        {"configure_general_units_model", provider.generalUnitsViewManager.model()},
        {"configure_general_language_model", provider.generalLanguageViewManager.model()},
        {"configure_general_region_model", provider.generalRegionViewManager.model()},
        {"configure_general_region_controller", &provider.generalRegionViewManager},
        {"configure_general_about_view_controller", &about},
        {"configure_general_about_license_view_controller", &licence},
        {"configure_general_about_subfunction_model", about.subFunctionModel()},
        {"configure_general_about_model", about.infoModel()},
        {"configure_general_about_license_text_model", licence.licenseTextModel()},
        {"configure_general_about_license_component_model", licence.componentModel()},
        {"configure_general_about_component_info_model", licence.componentInfoModel()},
        {"configure_general_about_component_license_model", licence.componentLicenseModel()},
        {"configure_general_about_identify_rcb_model", identifyRcb.model()},
        {"configure_general_about_linux_components_model", licence.linuxComponentsModel()},
        {"configure_system_view_controller", &system},
        {"configure_system_selector_model", system.model()},
        {"configure_network_controller", &network},
        {"configure_network_model1", network.autoConnectModel()},
        {"configure_network_model2", network.saunaListModel()},
        {"configure_network_model3", network.ipDetectModel()},
        {"configure_network_ip_connect_model", network.ipConnectModel()},
        {"configure_network_sauna_details_model", network.saunaDetailsModel()},
        {"configure_network_sauna_details_info_model", network.saunaDetailsInfoModel()},
        // General menu and PIN screen.
        {"configure_general_view_controller", &general},
        {"configure_general_pin_view_controller", &pin},
        {"configure_general_selector_model", general.model()},
        {"configure_general_pin_model", pin.model()},
        // Factory reset, software update, relay control and Wi-Fi.
        {"configure_system_factory_reset_view_controller", &provider.systemFactoryResetViewManager},
        {"configure_system_software_update_model", softwareUpdate.model()},
        {"configure_system_software_update_instruction_model", softwareUpdate.instructionModel()},
        {"configure_system_factory_reset_model", provider.systemFactoryResetViewManager.model()},
        {"configure_system_relay_control_model", relay.model()},
        {"configure_system_relay_control_regulator_value_model", relay.regulatorValueModel()},
        {"configure_wifi_controller", &wiFi},
        {"configure_wifi_model", wiFi.wiFiModel()},
        {"configure_wifi_network_model", wiFi.networkModel()},
        {"configure_wifi_network_info_model", wiFi.networkInfoModel()},
        {"configure_wifi_single_network_details_model", wiFi.singleNetworkDetailsModel()},
        {"configure_wifi_external_units_model", wiFi.externalUnitsModel()},
        // Auxiliary relay options, fragrance and descaling.
        {"configure_system_aux_view_controller", &aux},
        {"configure_system_aux_view_fragrance_controller", &fragrance},
        {"fragrance_pump_manager", fragrance.pumpManager()},
        {"fragrance_stop_manager", fragrance.stopManager()},
        {"aux_single_overview", &aux},
        {"configure_system_aux_model", aux.relayModel()},
        {"configure_system_aux_single_overview_model", aux.functionModel()},
        {"configure_system_aux_single_fragrance_model", fragrance.model()},
        {"configure_system_aux_descaling_control", &descaling},
        {"configure_system_aux_descaling_settings_model", descaling.settingsModel()},
        {"configure_system_aux_descaling_start_time_manager", descaling.startTimeManager()},
        {"configure_system_aux_descaling_duration_manager", descaling.durationManager()},
        {"configure_system_aux_descaling_dosage_manager", descaling.dosageManager()},
        {"configure_system_aux_descaling_weekday_settings_model", descaling.weekdayModel()},
        {"configure_system_aux_descaling_weekday_repeat_model", descaling.repeatModel()},
        // Facility type, bath priority, pause timer, filter, IR and haptic feedback. The IR
        // screen's model is published under the name of a controller.
        {"configure_system_ir_view_controller", provider.systemIrViewManager.model()},
        {"configure_system_bath_type_priority_model",
         provider.systemBathPriorityViewManager.model()},
        {"configure_system_filter_model", provider.systemFilterViewManager.model()},
        {"configure_system_facility_type_model", provider.systemFacilityTypeViewManager.model()},
        {"configure_system_facility_type_view_controller", &provider.systemFacilityTypeViewManager},
        {"configure_system_reset_timer_model", provider.systemPauseTimerViewManager.model()},
        {"configure_system_haptic_feedback_model",
         provider.systemHapticFeedbackViewManager.model()},
    };
}

} // namespace

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider()
    : ConfigureTabObjectsProvider(view::MainWindow::instance())
{}

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider(QObject *parent)
    : limitsViewManager(parent)
    , limitsNotAllowedStartViewManager(parent)
    , dateTimeViewManager(parent)
    , dateTimeDateViewManager(parent)
    , dateTimeEraseCalendarViewManager(parent)
    , dateTimeTimeViewManager(parent)
    , dateTimeWeekBeginViewManager(parent)
    , advancedSettingsViewManager(parent)
    , advancedSettingsFanViewManager(parent)
    , advancedSettingsExtSwitchViewManager(parent)
    , advancedSettingsStandbyViewManager(parent)
    , generalDisplayViewManager(parent)
    , generalLanguageViewManager(parent)
    , generalRegionViewManager(parent)
    , generalUnitsViewManager(parent)
    , generalAboutViewManager(parent)
    , generalAboutLicenseInfoViewManager(parent)
    , generalAboutIdentifyRcbViewManager(parent)
    , systemViewManager(parent)
    , systemCleanupViewManager(parent)
    , systemTankAutoEmptyingViewManager(parent)
    , systemErrorLogViewManager(parent)
    , systemStatusViewManager(parent)
    , systemNetworkViewManager(parent)
    , systemBathPriorityViewManager(parent)
    , systemFacilityTypeViewManager(parent)
    , systemFilterViewManager(parent)
    , systemPauseTimerViewManager(parent)
    , systemHapticFeedbackViewManager(parent)
    , systemIrViewManager(parent)
    , generalViewManager(parent)
    , generalPinViewManager(parent)
    , systemFactoryResetViewManager(parent)
    , systemSoftwareUpdateViewManager(parent)
    , systemRelayViewManager(parent)
    , systemWiFiViewManager(parent)
    , systemAuxViewManager(parent)
{
    generalAboutViewManager.setPanelVersion(QString::fromLatin1(startUp::softwareVersionText));
    // A time set while the sauna has no date goes out with the date set next.
    QObject::connect(
        &dateTimeTimeViewManager, &view::ConfigureDateTimeTimeViewManager::heldTimeChanged,
        &dateTimeDateViewManager, &view::ConfigureDateTimeDateViewManager::onHeldTimeChanged);
}

ConfigureTabObjectsProvider::~ConfigureTabObjectsProvider() = default;

void ConfigureTabObjectsProvider::publishToQml()
{
    publish(view::GuiHandlerControlPanel::instance()->view()->rootContext());
}

void ConfigureTabObjectsProvider::publish(QQmlContext *context)
{
    if (context == nullptr)
        return;
    for (const Publication &publication : publications(*this))
        context->setContextProperty(QString::fromLatin1(publication.first), publication.second);
}

QStringList ConfigureTabObjectsProvider::publishedNames()
{
    ConfigureTabObjectsProvider provider(nullptr);
    QStringList names;
    for (const Publication &publication : publications(provider))
        names.append(QString::fromLatin1(publication.first));
    return names;
}

int ConfigureTabObjectsProvider::connectToViews(view::GuiHandlerControlPanel &guiHandler)
{
    int failed = 0;
    failed += limitsViewManager.connectToView(guiHandler.limitsSelectorItems());
    failed +=
        limitsViewManager.connectUpperWaterTempManagerToView(guiHandler.upperWaterTempItems());
    failed += limitsViewManager.connectTankFillTimeManagerToView(guiHandler.tankFillTimeItems());
    failed +=
        limitsViewManager.connectPcbOverheatLimitManagerToView(guiHandler.pcbOverheatLimitItems());
    failed += limitsNotAllowedStartViewManager.connectToView(guiHandler.limitsSelectorItems());
    failed += limitsNotAllowedStartViewManager.connectFromTimeManagerToView(
        guiHandler.notAllowedStartTimeFromItems());
    failed += limitsNotAllowedStartViewManager.connectUntilTimeManagerToView(
        guiHandler.notAllowedStartTimeUntilItems());
    // The date and time screens.
    failed += dateTimeViewManager.connectToView(guiHandler.dateTimeSelectorItems());
    failed += dateTimeDateViewManager.connectToView(guiHandler.dateTimeSelectorItems());
    failed += dateTimeTimeViewManager.connectToView(guiHandler.dateTimeSelectorItems());
    failed += dateTimeDateViewManager.connectToSetDateView(guiHandler.setDateSelectorItems());
    failed +=
        dateTimeDateViewManager.connectToSetDateView(guiHandler.setDateSelectorInitialSetupItems());
    failed += dateTimeTimeViewManager.connectToSetTimeView(guiHandler.setTimeSelectorItems());
    failed += dateTimeTimeViewManager.connectToInitialSetupTimeView(
        guiHandler.setTimeSelectorInitialSetupItems());
    failed += dateTimeWeekBeginViewManager.connectToView(guiHandler.dateTimeSelectorItems());
    failed += dateTimeEraseCalendarViewManager.connectToView(guiHandler.dateTimeSelectorItems());
    // Advanced settings.
    failed += advancedSettingsViewManager.connectToView(guiHandler.advancedSettingsSelectorItems());
    failed +=
        advancedSettingsFanViewManager.connectToView(guiHandler.advancedSettingsSelectorItems());
    failed += advancedSettingsExtSwitchViewManager.connectToView(
        guiHandler.advancedSettingsSelectorItems());
    failed += advancedSettingsFanViewManager.connectToRuntimeView(guiHandler.fanRuntimeItems());
    failed += advancedSettingsExtSwitchViewManager.connectToBathtimeView(
        guiHandler.externalSwitchBathTimeItems());
    failed += advancedSettingsStandbyViewManager.connectToView(
        guiHandler.advancedSettingsSelectorItems());
    failed += advancedSettingsStandbyViewManager.connectToTemperatureReductionView(
        guiHandler.standbyTemperatureReductionItems());
    failed += advancedSettingsStandbyViewManager.connectToWaterTemperatureView(
        guiHandler.standbyWaterTemperatureItems());
    // System menu.
    // General: language, units and region. The display sleep screen's view side stays
    // unconnected: no menu leads to it.
    failed += generalLanguageViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalUnitsViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalRegionViewManager.connectToView(guiHandler.regionViewItems());
    failed += generalAboutViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalAboutLicenseInfoViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalAboutIdentifyRcbViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += systemViewManager.connectToView(guiHandler.systemsSelectorItems());
    // Cleanup note.
    failed += systemCleanupViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemCleanupViewManager.connectTimeManagerToView(guiHandler.cleanupTimeItems());
    // Tank auto-emptying.
    failed += systemTankAutoEmptyingViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemTankAutoEmptyingViewManager.connectTimeManagerToView(
        guiHandler.tankAutoEmptyingItems());
    // Status and error log.
    failed += systemErrorLogViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemStatusViewManager.connectToView(guiHandler.systemsSelectorItems());
    // Network.
    failed += systemNetworkViewManager.connectToView(guiHandler.networkViewItems());
    failed += generalViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalPinViewManager.connectToView(guiHandler.generalSelectorItems());
    // Software update, factory reset and relay control; the Wi-Fi screen stays unconnected.
    failed += systemSoftwareUpdateViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemFactoryResetViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemRelayViewManager.connectToView(guiHandler.systemRelayContainerItems());
    // Auxiliary relay options, fragrance and descaling; the options screen renames a relay on
    // the on-screen keyboard.
    view::ConfigureSystemAuxFragranceViewManager &fragrance =
        systemAuxViewManager.fragranceManager();
    view::ConfigureSystemAuxDescalingViewManager &descaling =
        systemAuxViewManager.descalingManager();
    failed += systemAuxViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemAuxViewManager.connectToAuxModelView(guiHandler.auxRelayListItems());
    failed += systemAuxViewManager.connectToAuxSingleOverviewModelView(
        guiHandler.auxSingleOverviewListItems());
    failed += fragrance.connectToView(guiHandler.systemsSelectorItems());
    failed += fragrance.connectPumpManagerToView(guiHandler.fragrancePumpItems());
    failed += fragrance.connectStopManagerToView(guiHandler.fragranceStopItems());
    failed += fragrance.connectDurationCommitsFromView(guiHandler.systemsSelectorItems());
    failed +=
        fragrance.connectToAuxSingleFragranceModelView(guiHandler.auxSingleFragranceListItems());
    failed += descaling.connectToView(guiHandler.auxDescalingSettingsViewItems());
    failed += descaling.connectStartTimeManagerToView(guiHandler.descalingStartTimeItems());
    failed += descaling.connectDurationManagerToView(guiHandler.descalingDurationItems());
    failed += descaling.connectDosageManagerToView(guiHandler.descalingDosageItems());
    if (view::Qeyboard *keyboard = guiHandler.keyboard())
        failed += keyboard->connectKeyboardTextRequests({&systemAuxViewManager});
    else
        ++failed;
    // Bath priority, facility type, filter, pause timer and IR. The haptic feedback screen's view
    // side stays unconnected: no menu leads to it.
    failed += systemBathPriorityViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemFacilityTypeViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemFilterViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemPauseTimerViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemIrViewManager.connectToView(guiHandler.systemsSelectorItems());
    return failed;
}

int ConfigureTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += generalViewManager.connectLanguageSignals(senders);
    failed += generalPinViewManager.connectLanguageSignals(senders);
    failed += limitsViewManager.connectLanguageSignals(senders);
    failed += limitsNotAllowedStartViewManager.connectLanguageSignals(senders);
    failed += dateTimeViewManager.connectLanguageSignals(senders);
    failed += dateTimeDateViewManager.connectLanguageSignals(senders);
    failed += dateTimeEraseCalendarViewManager.connectLanguageSignals(senders);
    failed += dateTimeTimeViewManager.connectLanguageSignals(senders);
    failed += dateTimeWeekBeginViewManager.connectLanguageSignals(senders);
    // Advanced settings.
    failed += advancedSettingsViewManager.connectLanguageSignals(senders);
    failed += advancedSettingsFanViewManager.connectLanguageSignals(senders);
    failed += advancedSettingsExtSwitchViewManager.connectLanguageSignals(senders);
    failed += advancedSettingsStandbyViewManager.connectLanguageSignals(senders);
    // System menu.
    // General: language, region and units.
    failed += generalLanguageViewManager.connectLanguageSignals(senders);
    failed += generalRegionViewManager.connectLanguageSignals(senders);
    failed += generalUnitsViewManager.connectLanguageSignals(senders);
    failed += generalAboutViewManager.connectLanguageSignals(senders);
    failed += generalAboutLicenseInfoViewManager.connectLanguageSignals(senders);
    failed += systemViewManager.connectLanguageSignals(senders);
    // Tank auto-emptying.
    failed += systemTankAutoEmptyingViewManager.connectLanguageSignals(senders);
    // Error log.
    failed += systemErrorLogViewManager.connectLanguageSignals(senders);
    // Factory reset.
    failed += systemFactoryResetViewManager.connectLanguageSignals(senders);
    // Bath priority, facility type, filter, pause timer, haptic feedback and IR.
    failed += systemBathPriorityViewManager.connectLanguageSignals(senders);
    failed += systemFacilityTypeViewManager.connectLanguageSignals(senders);
    failed += systemFilterViewManager.connectLanguageSignals(senders);
    failed += systemPauseTimerViewManager.connectLanguageSignals(senders);
    failed += systemHapticFeedbackViewManager.connectLanguageSignals(senders);
    failed += systemIrViewManager.connectLanguageSignals(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectSaunaSignals(const QList<QObject *> &senders,
                                                     bool connectRelayScreen)
{
    int failed = 0;
    failed += limitsViewManager.connectSaunaSignals(senders);
    failed += systemViewManager.connectSaunaSignals(senders);
    failed += generalPinViewManager.connectSaunaSignals(senders);
    failed += limitsNotAllowedStartViewManager.connectSaunaSignals(senders);
    failed += dateTimeViewManager.connectSaunaSignals(senders);
    // Cleanup note.
    failed += systemCleanupViewManager.connectSaunaSignals(senders);
    // Tank auto-emptying.
    failed += systemTankAutoEmptyingViewManager.connectSaunaSignals(senders);
    // Error log and status.
    failed += systemErrorLogViewManager.connectSaunaSignals(senders);
    failed += systemStatusViewManager.connectSaunaSignals(senders);
    // Advanced settings.
    failed += advancedSettingsViewManager.connectSaunaSignals(senders);
    failed += advancedSettingsFanViewManager.connectSaunaSignals(senders);
    failed += advancedSettingsExtSwitchViewManager.connectSaunaSignals(senders);
    failed += advancedSettingsStandbyViewManager.connectSaunaSignals(senders);
    // General: region.
    failed += generalRegionViewManager.connectSaunaSignals(senders);
    failed += generalAboutViewManager.connectSaunaSignals(senders);
    // Relay control, only when asked for.
    if (connectRelayScreen)
        failed += systemRelayViewManager.connectSaunaSignals(senders);
    // Auxiliary relay options.
    failed += systemAuxViewManager.connectSaunaSignals(senders);
    // Bath priority, facility type, filter, pause timer and IR. A function description changes
    // nothing on the haptic feedback screen, so it has no sauna side.
    failed += systemBathPriorityViewManager.connectSaunaSignals(senders);
    failed += systemFacilityTypeViewManager.connectSaunaSignals(senders);
    failed += systemFilterViewManager.connectSaunaSignals(senders);
    failed += systemPauseTimerViewManager.connectSaunaSignals(senders);
    failed += systemIrViewManager.connectSaunaSignals(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectTimeSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += dateTimeViewManager.connectTimeSignals(senders);
    failed += dateTimeDateViewManager.connectTimeSignals(senders);
    failed += dateTimeTimeViewManager.connectTimeSignals(senders);
    failed += dateTimeWeekBeginViewManager.connectTimeSignals(senders);
    // The not-allowed-start times follow the panel's time format.
    failed += limitsNotAllowedStartViewManager.connectToTimeController(senders);
    // The error log's dates and times follow the panel's formats.
    failed += systemErrorLogViewManager.connectToTimeController(senders);
    // Descaling: the first day of the week and the time format.
    failed += systemAuxViewManager.descalingManager().connectToTimeController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectDateTimeRequests(
    control::TimeController &timeController, control::CalendarQueueController &queueController)
{
    int failed = 0;
    failed += timeController.connectDateFormatSelected({&dateTimeDateViewManager});
    failed += timeController.connectSetSystemTimeRequests({&dateTimeDateViewManager});
    failed += timeController.connectTimeFormatSelected({&dateTimeTimeViewManager});
    failed += timeController.connectSetSystemTimeRequests({&dateTimeTimeViewManager});
    failed += timeController.connectWeekBeginSelected({&dateTimeWeekBeginViewManager});
    failed += queueController.connectClearCalendarRequests({&dateTimeEraseCalendarViewManager});
    return failed;
}

int ConfigureTabObjectsProvider::connectToVariantController(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += generalAboutViewManager.connectVariantSignals(senders);
    failed += systemViewManager.connectToVariantController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToConnectionStateMachine(const QList<QObject *> &senders)
{
    return generalAboutViewManager.connectConnectionStateSignals(senders);
}

int ConfigureTabObjectsProvider::connectToSaunaStateController(const QList<QObject *> &senders)
{
    int failed = generalAboutIdentifyRcbViewManager.connectSaunaStateSignals(senders);
    // The status screen's lines per relay control board.
    failed += systemStatusViewManager.connectToSaunaStateController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToTemperatureController(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += limitsViewManager.connectToTemperatureController(senders);
    // The status screen's tank temperatures and heat ratio follow the unit.
    failed += systemStatusViewManager.connectToTemperatureController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToTemperaturePresentationManager(
    const QList<QObject *> &senders)
{
    return systemStatusViewManager.connectToTemperaturePresentationManager(senders);
}

int ConfigureTabObjectsProvider::connectToBridge(
    saunaBridge::ZerededidBridgeSenderSlotInterface *sender)
{
    using namespace saunaBridge;
    const QList<QObject *> limits{&limitsViewManager};
    const QList<QObject *> notAllowedStart{&limitsNotAllowedStartViewManager};
    int failed = 0;
    failed += connectMaxBathTemperatureChangeRequested(sender, limits);
    failed += connectWaterTempLimitChangeRequest(sender, limits);
    failed += connectRcbTankFillTimeChangeRequest(sender, limits);
    failed += connectNotAllowedStartEnableChangeRequested(sender, notAllowedStart);
    failed += connectNotAllowedStartFromTimeChangeRequested(sender, notAllowedStart);
    failed += connectNotAllowedStartUntilTimeChangeRequested(sender, notAllowedStart);
    failed += connectPcbOverheatLimitChangeRequest(sender, limits);
    // The error log's clear command.
    failed += connectErrorLogClearRequest(sender, {&systemErrorLogViewManager});
    // Auxiliary relay options, fragrance and descaling share the relay and descaling requests.
    const QList<QObject *> aux{&systemAuxViewManager};
    const QList<QObject *> fragrance{&systemAuxViewManager.fragranceManager()};
    const QList<QObject *> descaling{&systemAuxViewManager.descalingManager()};
    failed += connectAuxRelayUpdateRequested(sender, aux);
    failed += connectAuxRelayUpdateRequested(sender, fragrance);
    failed += connectAuxRelayUpdateRequested(sender, descaling);
    failed += connectDescalingChangeRequested(sender, aux);
    failed += connectDescalingChangeRequested(sender, descaling);
    return failed;
}

int ConfigureTabObjectsProvider::connectToLink(pcPanel::SaunaCommunication &link)
{
    int failed = 0;
    failed += systemNetworkViewManager.connectCommunicationSignals({&link});
    // About shows the sauna's part only while it is connected.
    failed += generalAboutViewManager.connectLinkSignals({&link});
    failed += link.connectViewRequests({&systemNetworkViewManager});
    failed += link.saunaSystemSender()->connectUpdateSaunaRequests({&systemNetworkViewManager});
    return failed;
}

int ConfigureTabObjectsProvider::connectAdvancedSettingsScreens(
    const QList<QObject *> &temperatureController)
{
    int failed = 0;
    failed += advancedSettingsStandbyViewManager.connectMenuSignals({&advancedSettingsViewManager});
    failed += advancedSettingsStandbyViewManager.connectTemperatureSignals(temperatureController);
    return failed;
}

int ConfigureTabObjectsProvider::connectAdvancedAndSystemRequests(
    saunaBridge::ZerededidBridgeSenderSlotInterface *bridge)
{
    using namespace saunaBridge;
    const QList<QObject *> fan{&advancedSettingsFanViewManager};
    const QList<QObject *> extSwitch{&advancedSettingsExtSwitchViewManager};
    const QList<QObject *> standby{&advancedSettingsStandbyViewManager};
    const QList<QObject *> tank{&systemTankAutoEmptyingViewManager};
    const QList<QObject *> cleanup{&systemCleanupViewManager};
    int failed = 0;
    failed += connectFanRuntimeChangeRequest(bridge, fan);
    failed += connectTankEmptyingEnableChangeRequested(bridge, tank);
    failed += connectTankAutoEmptyingDurationChangeRequest(bridge, tank);
    failed += connectExtSwBathtimeChangeRequest(bridge, extSwitch);
    failed += connectEnableStandbyChangeRequest(bridge, standby);
    failed += connectStandbyTemperatureReductionChangeRequest(bridge, standby);
    failed += connectTankStandbyTemperatureChangeRequest(bridge, standby);
    failed += connectExtSwFunctionChangeRequest(bridge, extSwitch);
    failed += connectCleanupEnableAndTankNoticeChangeRequest(bridge, cleanup);
    failed += connectCleanupTimeChangeRequest(bridge, cleanup);
    return failed;
}

int ConfigureTabObjectsProvider::connectSystemSettingsRequests(
    saunaBridge::ZerededidBridgeSenderSlotInterface *bridge)
{
    using namespace saunaBridge;
    int failed = 0;
    failed += connectBathPriorityChangeRequested(bridge, {&systemBathPriorityViewManager});
    failed += connectResetBathTimeTimerRequest(bridge, {&systemPauseTimerViewManager});
    failed += connectFacilityTypeRequested(bridge, {&systemFacilityTypeViewManager});
    failed += connectIrEnableChangeRequested(bridge, {&systemIrViewManager});
    return failed;
}

int ConfigureTabObjectsProvider::connectSystemSettingsControllers(
    control::TemperatureController &temperatureController,
    control::HumidityController &humidityController,
    control::HapticSensorController &hapticController)
{
    const QList<QObject *> filter{&systemFilterViewManager};
    const QList<QObject *> haptic{&systemHapticFeedbackViewManager};
    int failed = 0;
    failed += systemFilterViewManager.connectToTemperatureController({&temperatureController});
    failed += humidityController.connectHumidityPresentationRequests(filter);
    failed += temperatureController.connectTemperaturePresentationRequests(filter);
    failed += systemFilterViewManager.connectToHumidityController({&humidityController});
    // The vibration setting is the haptic-sensor controller's, which stores it.
    failed += signalInterface::connectSenders(
        haptic, &hapticController,
        {{SIGNAL(hapticFeedbackChangeRequested(
              ::signalInterface::HapticFeedbackTypes::HapticFeedback)),
          SLOT(onHapticFeedbackChangeRequested(
              ::signalInterface::HapticFeedbackTypes::HapticFeedback))}});
    failed += systemHapticFeedbackViewManager.connectToHapticController({&hapticController});
    return failed;
}

QList<QObject *> ConfigureTabObjectsProvider::userMessageRaisers()
{
    return {&generalAboutLicenseInfoViewManager, &systemViewManager,
            &systemErrorLogViewManager,          &systemAuxViewManager,
            &systemSoftwareUpdateViewManager,    &systemFactoryResetViewManager,
            &systemPauseTimerViewManager,        &systemNetworkViewManager};
}

void ConfigureTabObjectsProvider::initializeViews()
{
    generalPinViewManager.publishLockscreenSettings();
    limitsNotAllowedStartViewManager.initializeView();
    systemViewManager.initializeView();
    advancedSettingsViewManager.emitApplicableChanged();
    systemTankAutoEmptyingViewManager.initializeView();
}

} // namespace details
