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

namespace details {

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider()
    : ConfigureTabObjectsProvider(view::MainWindow::instance())
{}

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider(QObject *parent)
    : m_parent(parent)
{
    generalAboutViewManager.setPanelVersion(QString::fromLatin1(startUp::softwareVersionText));
    // A time set while the sauna has no date goes out with the date set next.
    QObject::connect(
        &dateTimeTimeViewManager, &view::ConfigureDateTimeTimeViewManager::heldTimeChanged,
        &dateTimeDateViewManager, &view::ConfigureDateTimeDateViewManager::onHeldTimeChanged);
}

std::vector<ConfigureScreen> ConfigureTabObjectsProvider::screens()
{
    using Gui = view::GuiHandlerControlPanel;
    view::ConfigureSystemViewManager &system = systemViewManager;
    view::ConfigureSystemStatusViewManager &status = systemStatusViewManager;
    view::ConfigureSystemTankAutoEmptyingViewManager &tank = systemTankAutoEmptyingViewManager;
    view::ConfigureSystemSoftwareUpdateViewManager &softwareUpdate =
        systemSoftwareUpdateViewManager;
    view::ConfigureLimitsViewManager &limits = limitsViewManager;
    view::ConfigureLimitsNotAllowedStartViewManager &notAllowedStart =
        limitsNotAllowedStartViewManager;
    view::ConfigureSystemRelayViewManager &relay = systemRelayViewManager;
    view::ConfigureSystemFactoryResetViewManager &factoryReset = systemFactoryResetViewManager;
    view::ConfigureSystemErrorLogViewManager &errorLog = systemErrorLogViewManager;
    view::ConfigureSystemCleanupViewManager &cleanup = systemCleanupViewManager;
    view::ConfigureSystemFacilityTypeViewManager &facilityType = systemFacilityTypeViewManager;
    view::ConfigureSystemBathPriorityViewManager &bathPriority = systemBathPriorityViewManager;
    view::ConfigureSystemPauseTimerViewManager &pauseTimer = systemPauseTimerViewManager;
    view::ConfigureSystemFilterViewManager &filter = systemFilterViewManager;
    view::ConfigureSystemIrViewManager &ir = systemIrViewManager;
    view::ConfigureSystemHapticFeedbackViewManager &haptic = systemHapticFeedbackViewManager;
    view::ConfigureSystemAuxViewManager &aux = systemAuxViewManager;
    view::ConfigureSystemAuxFragranceViewManager &fragrance = aux.fragranceManager();
    view::ConfigureSystemAuxDescalingViewManager &descaling = aux.descalingManager();
    view::ConfigureAdvancedSettingsViewManager &advanced = advancedSettingsViewManager;
    view::ConfigureAdvancedSettingsStandbyViewManager &standby = advancedSettingsStandbyViewManager;
    view::ConfigureAdvancedSettingsFanViewManager &fan = advancedSettingsFanViewManager;
    view::ConfigureAdvancedSettingsExtSwitchViewManager &extSwitch =
        advancedSettingsExtSwitchViewManager;
    view::ConfigureGeneralViewManager &general = generalViewManager;
    view::ConfigureGeneralPinViewManager &pin = generalPinViewManager;
    view::ConfigureGeneralLanguageViewManager &language = generalLanguageViewManager;
    view::ConfigureGeneralUnitsViewManager &units = generalUnitsViewManager;
    view::ConfigureGeneralRegionViewManager &region = generalRegionViewManager;
    view::ConfigureGeneralDisplayViewManager &display = generalDisplayViewManager;
    view::ConfigureGeneralAboutIdentifyRcbViewManager &identifyRcb =
        generalAboutIdentifyRcbViewManager;
    view::ConfigureDateTimeViewManager &dateTime = dateTimeViewManager;
    view::ConfigureDateTimeTimeViewManager &time = dateTimeTimeViewManager;
    view::ConfigureDateTimeDateViewManager &date = dateTimeDateViewManager;
    view::ConfigureDateTimeWeekBeginViewManager &weekBegin = dateTimeWeekBeginViewManager;
    view::ConfigureDateTimeEraseCalendarViewManager &eraseCalendar =
        dateTimeEraseCalendarViewManager;
    view::ConfigureGeneralAboutViewManager &about = generalAboutViewManager;
    view::ConfigureGeneralAboutLicenseInfoViewManager &licence = generalAboutLicenseInfoViewManager;
    view::ConfigureSystemNetworkViewManager &network = systemNetworkViewManager;
    view::ConfigureSystemWiFiViewManager &wiFi = systemWiFiViewManager;

    // The screens that share the System menu's sender.
    const auto onSystemsSelector = [](auto &manager) {
        return [&manager](Gui &gui) {
            return manager.connectToView(gui.systemsSelectorItems());
        };
    };
    const auto onGeneralSelector = [](auto &manager) {
        return [&manager](Gui &gui) {
            return manager.connectToView(gui.generalSelectorItems());
        };
    };
    const auto onDateTimeSelector = [](auto &manager) {
        return [&manager](Gui &gui) {
            return manager.connectToView(gui.dateTimeSelectorItems());
        };
    };

    return {
        {&system,
         {{"configure_system_view_controller", &system},
          {"configure_system_selector_model", system.model()}},
         onSystemsSelector(system)},
        {&status, {{"configure_system_status_model", status.model()}}, onSystemsSelector(status)},
        {&tank,
         {{"configure_system_tank_auto_emptying_view_controller", &tank},
          {"tank_auto_emptying_time_manager", tank.timeManager()},
          {"configure_advance_settings_tank_auto_emptying_model", tank.model()}},
         [&tank](Gui &gui) {
             return tank.connectToView(gui.systemsSelectorItems()) +
                    tank.connectTimeManagerToView(gui.tankAutoEmptyingItems());
         }},
        {&softwareUpdate,
         {{"configure_system_software_update_model", softwareUpdate.model()},
          {"configure_system_software_update_instruction_model",
           softwareUpdate.instructionModel()}},
         onSystemsSelector(softwareUpdate)},
        {&limits,
         {{"configure_limits_view_controller", &limits},
          {"configure_limits_selector_model", limits.model()},
          {"configure_limits_max_bath_temperature_manager", limits.maxBathTemperatureManager()},
          {"configure_limits_upper_water_temp_manager", limits.upperWaterTemperatureManager()},
          {"configure_limits_tank_fill_time_manager", limits.tankFillTimeManager()},
          {"configure_limits_pcb_overheat_limit_manager", limits.pcbOverheatLimitManager()}},
         [&limits](Gui &gui) {
             return limits.connectToView(gui.limitsSelectorItems()) +
                    limits.connectUpperWaterTempManagerToView(gui.upperWaterTempItems()) +
                    limits.connectTankFillTimeManagerToView(gui.tankFillTimeItems()) +
                    limits.connectPcbOverheatLimitManagerToView(gui.pcbOverheatLimitItems());
         }},
        {&notAllowedStart,
         {{"configure_limits_not_allowed_view_controller", &notAllowedStart},
          {"configure_limits_not_allowed_start_model", notAllowedStart.model()},
          {"configure_limits_not_allowed_start_from_time_manager",
           notAllowedStart.fromTimeManager()},
          {"configure_limits_not_allowed_start_until_time_manager",
           notAllowedStart.untilTimeManager()}},
         [&notAllowedStart](Gui &gui) {
             return notAllowedStart.connectToView(gui.limitsSelectorItems()) +
                    notAllowedStart.connectFromTimeManagerToView(
                        gui.notAllowedStartTimeFromItems()) +
                    notAllowedStart.connectUntilTimeManagerToView(
                        gui.notAllowedStartTimeUntilItems());
         }},
        {&relay,
         {{"configure_system_relay_control_model", relay.model()},
          {"configure_system_relay_control_regulator_value_model", relay.regulatorValueModel()}},
         [&relay](Gui &gui) { return relay.connectToView(gui.systemRelayContainerItems()); },
         true},
        {&factoryReset,
         {{"configure_system_factory_reset_view_controller", &factoryReset},
          {"configure_system_factory_reset_model", factoryReset.model()}},
         onSystemsSelector(factoryReset)},
        {&errorLog,
         {{"configure_system_error_log_view_controller", &errorLog},
          {"configure_system_error_log_model", errorLog.model()}},
         onSystemsSelector(errorLog)},
        {&cleanup,
         {{"configure_system_cleanup_view_controller", &cleanup},
          {"configure_system_cleanup_model", cleanup.model()},
          {"cleanup_time_manager", cleanup.timeManager()}},
         [&cleanup](Gui &gui) {
             return cleanup.connectToView(gui.systemsSelectorItems()) +
                    cleanup.connectTimeManagerToView(gui.cleanupTimeItems());
         }},
        {&facilityType,
         {{"configure_system_facility_type_view_controller", &facilityType},
          {"configure_system_facility_type_model", facilityType.model()}},
         onSystemsSelector(facilityType)},
        {&bathPriority,
         {{"configure_system_bath_type_priority_model", bathPriority.model()}},
         onSystemsSelector(bathPriority)},
        {&pauseTimer,
         {{"configure_system_reset_timer_model", pauseTimer.model()}},
         onSystemsSelector(pauseTimer)},
        {&filter, {{"configure_system_filter_model", filter.model()}}, onSystemsSelector(filter)},
        // The IR screen's model goes by the name of a controller.
        {&ir, {{"configure_system_ir_view_controller", ir.model()}}, onSystemsSelector(ir)},
        // No menu leads to the haptic feedback screen.
        {&haptic, {{"configure_system_haptic_feedback_model", haptic.model()}}, {}},
        // The options screen renames a relay on the on-screen keyboard.
        {&aux,
         {{"configure_system_aux_view_controller", &aux},
          {"aux_single_overview", &aux},
          {"configure_system_aux_model", aux.relayModel()},
          {"configure_system_aux_single_overview_model", aux.functionModel()},
          {"configure_system_aux_view_fragrance_controller", &fragrance},
          {"fragrance_pump_manager", fragrance.pumpManager()},
          {"fragrance_stop_manager", fragrance.stopManager()},
          {"configure_system_aux_single_fragrance_model", fragrance.model()},
          {"configure_system_aux_descaling_control", &descaling},
          {"configure_system_aux_descaling_settings_model", descaling.settingsModel()},
          {"configure_system_aux_descaling_start_time_manager", descaling.startTimeManager()},
          {"configure_system_aux_descaling_duration_manager", descaling.durationManager()},
          {"configure_system_aux_descaling_dosage_manager", descaling.dosageManager()},
          {"configure_system_aux_descaling_weekday_settings_model", descaling.weekdayModel()},
          {"configure_system_aux_descaling_weekday_repeat_model", descaling.repeatModel()}},
         [&aux, &fragrance, &descaling](Gui &gui) {
             int failed = aux.connectToView(gui.systemsSelectorItems());
             failed += aux.connectToAuxModelView(gui.auxRelayListItems());
             failed += aux.connectToAuxSingleOverviewModelView(gui.auxSingleOverviewListItems());
             failed += fragrance.connectToView(gui.systemsSelectorItems());
             failed += fragrance.connectPumpManagerToView(gui.fragrancePumpItems());
             failed += fragrance.connectStopManagerToView(gui.fragranceStopItems());
             failed += fragrance.connectDurationCommitsFromView(gui.systemsSelectorItems());
             failed +=
                 fragrance.connectToAuxSingleFragranceModelView(gui.auxSingleFragranceListItems());
             failed += descaling.connectToView(gui.auxDescalingSettingsViewItems());
             failed += descaling.connectStartTimeManagerToView(gui.descalingStartTimeItems());
             failed += descaling.connectDurationManagerToView(gui.descalingDurationItems());
             failed += descaling.connectDosageManagerToView(gui.descalingDosageItems());
             if (view::Qeyboard *keyboard = gui.keyboard())
                 failed += keyboard->connectKeyboardTextRequests({&aux});
             else
                 ++failed;
             return failed;
         }},
        {&advanced,
         {{"configure_advanced_settings_view_controller", &advanced},
          {"configure_advanced_settings_selector_model", advanced.model()}},
         [&advanced](Gui &gui) {
             return advanced.connectToView(gui.advancedSettingsSelectorItems());
         }},
        {&standby,
         {{"configure_advanced_settings_standby_view_controller", &standby},
          {"configure_advanced_settings_standby_model", standby.model()},
          {"configure_advanced_settings_temperature_reduction_manager", standby.reductionManager()},
          {"configure_advanced_settings_water_temperature_manager",
           standby.waterTemperatureManager()}},
         [&standby](Gui &gui) {
             return standby.connectToView(gui.advancedSettingsSelectorItems()) +
                    standby.connectToTemperatureReductionView(
                        gui.standbyTemperatureReductionItems()) +
                    standby.connectToWaterTemperatureView(gui.standbyWaterTemperatureItems());
         }},
        {&fan,
         {{"configure_advanced_settings_fan_view_controller", &fan},
          {"configure_advance_settings_fan_model", fan.model()},
          {"fan_runtime_time_manager", fan.runtimeManager()}},
         [&fan](Gui &gui) {
             return fan.connectToView(gui.advancedSettingsSelectorItems()) +
                    fan.connectToRuntimeView(gui.fanRuntimeItems());
         }},
        {&extSwitch,
         {{"configure_advanced_settings_ext_switch_view_controller", &extSwitch},
          {"configure_advance_settings_external_switch_bathtime_model", extSwitch.bathTimeModel()},
          {"external_switch_bathtime_time_manager", extSwitch.bathTimeManager()},
          {"configure_advanced_settings_ext_sw_function_model", extSwitch.functionModel()}},
         [&extSwitch](Gui &gui) {
             return extSwitch.connectToView(gui.advancedSettingsSelectorItems()) +
                    extSwitch.connectToBathtimeView(gui.externalSwitchBathTimeItems());
         }},
        {&general,
         {{"configure_general_view_controller", &general},
          {"configure_general_selector_model", general.model()}},
         onGeneralSelector(general)},
        {&pin,
         {{"configure_general_pin_view_controller", &pin},
          {"configure_general_pin_model", pin.model()}},
         onGeneralSelector(pin)},
        {&language,
         {{"configure_general_language_model", language.model()}},
         onGeneralSelector(language)},
        {&units, {{"configure_general_units_model", units.model()}}, onGeneralSelector(units)},
        {&region,
         {{"configure_general_region_model", region.model()},
          {"configure_general_region_controller", &region}},
         [&region](Gui &gui) {
             return region.connectToView(gui.regionViewItems());
         }},
        // No menu leads to the display sleep screen.
        {&display, {{"configure_general_display_model", display.model()}}, {}},
        {&identifyRcb,
         {{"configure_general_about_identify_rcb_model", identifyRcb.model()}},
         onGeneralSelector(identifyRcb)},
        {&dateTime,
         {{"configure_date_time_view_controller", &dateTime},
          {"configure_date_time_selector_model", dateTime.model()}},
         onDateTimeSelector(dateTime)},
        // The time and date screens also serve the setup after a factory reset.
        {&time,
         {{"configure_date_time_time_view_controller", &time},
          {"configure_date_time_time_model", time.model()},
          {"configure_date_time_system_time_manager", time.timeEditor()}},
         [&time](Gui &gui) {
             return time.connectToView(gui.dateTimeSelectorItems()) +
                    time.connectToSetTimeView(gui.setTimeSelectorItems()) +
                    time.connectToInitialSetupTimeView(gui.setTimeSelectorInitialSetupItems());
         }},
        {&date,
         {{"configure_date_time_date_view_controller", &date},
          {"configure_date_time_date_model", date.model()},
          {"configure_date_time_system_date_manager", date.dateEditor()}},
         [&date](Gui &gui) {
             return date.connectToView(gui.dateTimeSelectorItems()) +
                    date.connectToSetDateView(gui.setDateSelectorItems()) +
                    date.connectToSetDateView(gui.setDateSelectorInitialSetupItems());
         }},
        {&weekBegin,
         {{"configure_date_time_week_start_model", weekBegin.model()}},
         onDateTimeSelector(weekBegin)},
        {&eraseCalendar,
         {{"configure_date_time_erase_calendar_model", eraseCalendar.model()}},
         onDateTimeSelector(eraseCalendar)},
        {&about,
         {{"configure_general_about_view_controller", &about},
          {"configure_general_about_subfunction_model", about.subFunctionModel()},
          {"configure_general_about_model", about.infoModel()}},
         onGeneralSelector(about)},
        {&licence,
         {{"configure_general_about_license_view_controller", &licence},
          {"configure_general_about_license_text_model", licence.licenseTextModel()},
          {"configure_general_about_license_component_model", licence.componentModel()},
          {"configure_general_about_component_info_model", licence.componentInfoModel()},
          {"configure_general_about_component_license_model", licence.componentLicenseModel()},
          {"configure_general_about_linux_components_model", licence.linuxComponentsModel()}},
         onGeneralSelector(licence)},
        {&network,
         {{"configure_network_controller", &network},
          {"configure_network_model1", network.autoConnectModel()},
          {"configure_network_model2", network.saunaListModel()},
          {"configure_network_model3", network.ipDetectModel()},
          {"configure_network_ip_connect_model", network.ipConnectModel()},
          {"configure_network_sauna_details_model", network.saunaDetailsModel()},
          {"configure_network_sauna_details_info_model", network.saunaDetailsInfoModel()}},
         [&network](Gui &gui) {
             return network.connectToView(gui.networkViewItems());
         }},
        // Nothing leads to the Wi-Fi screen in this edition.
        {&wiFi,
         {{"configure_wifi_controller", &wiFi},
          {"configure_wifi_model", wiFi.wiFiModel()},
          {"configure_wifi_network_model", wiFi.networkModel()},
          {"configure_wifi_network_info_model", wiFi.networkInfoModel()},
          {"configure_wifi_single_network_details_model", wiFi.singleNetworkDetailsModel()},
          {"configure_wifi_external_units_model", wiFi.externalUnitsModel()}},
         {}},
    };
}

void ConfigureTabObjectsProvider::publishToQml()
{
    publish(view::GuiHandlerControlPanel::instance()->view()->rootContext());
}

void ConfigureTabObjectsProvider::publish(QQmlContext *context)
{
    if (context == nullptr)
        return;
    for (const ConfigureScreen &screen : screens())
        for (const ConfigureScreen::Publication &publication : screen.publications)
            context->setContextProperty(QString::fromLatin1(publication.first), publication.second);
}

QStringList ConfigureTabObjectsProvider::publishedNames()
{
    ConfigureTabObjectsProvider provider(nullptr);
    QStringList names;
    for (const ConfigureScreen &screen : provider.screens())
        for (const ConfigureScreen::Publication &publication : screen.publications)
            names.append(QString::fromLatin1(publication.first));
    return names;
}

int ConfigureTabObjectsProvider::connectToViews(view::GuiHandlerControlPanel &guiHandler)
{
    int failed = 0;
    for (const ConfigureScreen &screen : screens())
        if (screen.connectToView)
            failed += screen.connectToView(guiHandler);
    return failed;
}

int ConfigureTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    for (const ConfigureScreen &screen : screens())
        failed += screen.manager->connectLanguageSignals(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectSaunaSignals(const QList<QObject *> &senders,
                                                     bool connectRelayScreen)
{
    int failed = 0;
    for (const ConfigureScreen &screen : screens())
        if (connectRelayScreen || !screen.hearsSaunaOnlyWhenAsked)
            failed += screen.manager->connectSaunaSignals(senders);
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
