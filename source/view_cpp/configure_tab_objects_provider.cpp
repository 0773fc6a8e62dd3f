#include "view_cpp/configure_tab_objects_provider.h"

#include "control/calendar_queue_controller.h"
#include "control/humidity_controller.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "pc_panel/sauna_communication.h"
#include "sauna_bridge/bridge_connections.h"
#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_date_time_date_view_manager.h"
#include "view_cpp/configure/configure_date_time_erase_calendar_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_week_begin_view_manager.h"
#include "view_cpp/configure/configure_general_about_identify_rcb_view_manager.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/configure/configure_general_about_view_manager.h"
#include "view_cpp/configure/configure_general_display_view_manager.h"
#include "view_cpp/configure/configure_general_language_view_manager.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"
#include "view_cpp/configure/configure_general_region_view_manager.h"
#include "view_cpp/configure/configure_general_units_view_manager.h"
#include "view_cpp/configure/configure_general_view_manager.h"
#include "view_cpp/configure/configure_limits_not_allowed_start_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/configure/configure_system_bath_priority_view_manager.h"
#include "view_cpp/configure/configure_system_cleanup_view_manager.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/configure/configure_system_facility_type_view_manager.h"
#include "view_cpp/configure/configure_system_factory_reset_view_manager.h"
#include "view_cpp/configure/configure_system_filter_view_manager.h"
#include "view_cpp/configure/configure_system_haptic_feedback_view_manager.h"
#include "view_cpp/configure/configure_system_ir_view_manager.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/configure/configure_system_pause_timer_view_manager.h"
#include "view_cpp/configure/configure_system_relay_view_manager.h"
#include "view_cpp/configure/configure_system_software_update_view_manager.h"
#include "view_cpp/configure/configure_system_status_view_manager.h"
#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"
#include "view_cpp/configure/configure_system_wifi_view_manager.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/main_window.h"
#include "view_cpp/qeyboard.h"

#include <QQmlContext>
#include <QQuickWidget>

#include <utility>

namespace details {

namespace {

using Gui = view::GuiHandlerControlPanel;

// A screen whose QML items are one sender that the finder returns (several screens share their
// menu's sender).
template<typename Manager>
std::function<int(Gui &)> onSender(Manager &manager, QList<QObject *> (Gui::*finder)())
{
    return [&manager, finder](Gui &gui) {
        return manager.connectToView((gui.*finder)());
    };
}

// The registry while it is built.
struct ScreenList
{
    // Builds the screen's manager, a child of parent, and appends its record as describe gives
    // it for that manager.
    template<typename Manager, typename Describe>
    void add(Describe describe)
    {
        auto manager = std::make_unique<Manager>(parent);
        ConfigureScreen screen = describe(*manager);
        screen.manager = std::move(manager);
        screens.push_back(std::move(screen));
    }

    QObject *parent;
    std::vector<ConfigureScreen> screens;
};

// The record of every settings screen, in the order of the settings menus.
std::vector<ConfigureScreen> describeScreens(QObject *parent)
{
    using namespace view;
    ScreenList list{parent, {}};
    list.add<ConfigureSystemViewManager>([](auto &system) -> ConfigureScreen {
        return {{{"configure_system_view_controller", &system},
                 {"configure_system_selector_model", system.model()}},
                onSender(system, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemStatusViewManager>([](auto &status) -> ConfigureScreen {
        return {{{"configure_system_status_model", status.model()}},
                onSender(status, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemTankAutoEmptyingViewManager>([](auto &tank) -> ConfigureScreen {
        return {{{"configure_system_tank_auto_emptying_view_controller", &tank},
                 {"tank_auto_emptying_time_manager", tank.timeManager()},
                 {"configure_advance_settings_tank_auto_emptying_model", tank.model()}},
                [&tank](Gui &gui) {
                    return tank.connectToView(gui.systemsSelectorItems()) +
                           tank.connectTimeManagerToView(gui.tankAutoEmptyingItems());
                }};
    });
    list.add<ConfigureSystemSoftwareUpdateViewManager>([](auto &softwareUpdate) -> ConfigureScreen {
        return {{{"configure_system_software_update_model", softwareUpdate.model()},
                 {"configure_system_software_update_instruction_model",
                  softwareUpdate.instructionModel()}},
                onSender(softwareUpdate, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureLimitsViewManager>([](auto &limits) -> ConfigureScreen {
        return {
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
            }};
    });
    list.add<ConfigureLimitsNotAllowedStartViewManager>(
        [](auto &notAllowedStart) -> ConfigureScreen {
            return {{{"configure_limits_not_allowed_view_controller", &notAllowedStart},
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
                    }};
        });
    list.add<ConfigureSystemRelayViewManager>([](auto &relay) -> ConfigureScreen {
        return {
            {{"configure_system_relay_control_model", relay.model()},
             {"configure_system_relay_control_regulator_value_model", relay.regulatorValueModel()}},
            [&relay](Gui &gui) { return relay.connectToView(gui.systemRelayContainerItems()); },
            true};
    });
    list.add<ConfigureSystemFactoryResetViewManager>([](auto &factoryReset) -> ConfigureScreen {
        return {{{"configure_system_factory_reset_view_controller", &factoryReset},
                 {"configure_system_factory_reset_model", factoryReset.model()}},
                onSender(factoryReset, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemErrorLogViewManager>([](auto &errorLog) -> ConfigureScreen {
        return {{{"configure_system_error_log_view_controller", &errorLog},
                 {"configure_system_error_log_model", errorLog.model()}},
                onSender(errorLog, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemCleanupViewManager>([](auto &cleanup) -> ConfigureScreen {
        return {{{"configure_system_cleanup_view_controller", &cleanup},
                 {"configure_system_cleanup_model", cleanup.model()},
                 {"cleanup_time_manager", cleanup.timeManager()}},
                [&cleanup](Gui &gui) {
                    return cleanup.connectToView(gui.systemsSelectorItems()) +
                           cleanup.connectTimeManagerToView(gui.cleanupTimeItems());
                }};
    });
    list.add<ConfigureSystemFacilityTypeViewManager>([](auto &facilityType) -> ConfigureScreen {
        return {{{"configure_system_facility_type_view_controller", &facilityType},
                 {"configure_system_facility_type_model", facilityType.model()}},
                onSender(facilityType, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemBathPriorityViewManager>([](auto &bathPriority) -> ConfigureScreen {
        return {{{"configure_system_bath_type_priority_model", bathPriority.model()}},
                onSender(bathPriority, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemPauseTimerViewManager>([](auto &pauseTimer) -> ConfigureScreen {
        return {{{"configure_system_reset_timer_model", pauseTimer.model()}},
                onSender(pauseTimer, &Gui::systemsSelectorItems)};
    });
    list.add<ConfigureSystemFilterViewManager>([](auto &filter) -> ConfigureScreen {
        return {{{"configure_system_filter_model", filter.model()}},
                onSender(filter, &Gui::systemsSelectorItems)};
    });
    // The IR screen's model goes by the name of a controller.
    list.add<ConfigureSystemIrViewManager>([](auto &ir) -> ConfigureScreen {
        return {{{"configure_system_ir_view_controller", ir.model()}},
                onSender(ir, &Gui::systemsSelectorItems)};
    });
    // No menu leads to the haptic feedback screen.
    list.add<ConfigureSystemHapticFeedbackViewManager>([](auto &haptic) -> ConfigureScreen {
        return {{{"configure_system_haptic_feedback_model", haptic.model()}}};
    });
    // The options screen renames a relay on the on-screen keyboard.
    list.add<ConfigureSystemAuxViewManager>([](auto &aux) -> ConfigureScreen {
        auto &fragrance = aux.fragranceManager();
        auto &descaling = aux.descalingManager();
        return {
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
                failed += fragrance.connectToAuxSingleFragranceModelView(
                    gui.auxSingleFragranceListItems());
                failed += descaling.connectToView(gui.auxDescalingSettingsViewItems());
                failed += descaling.connectStartTimeManagerToView(gui.descalingStartTimeItems());
                failed += descaling.connectDurationManagerToView(gui.descalingDurationItems());
                failed += descaling.connectDosageManagerToView(gui.descalingDosageItems());
                if (view::Qeyboard *keyboard = gui.keyboard())
                    failed += keyboard->connectKeyboardTextRequests({&aux});
                else
                    ++failed;
                return failed;
            }};
    });
    list.add<ConfigureAdvancedSettingsViewManager>([](auto &advanced) -> ConfigureScreen {
        return {{{"configure_advanced_settings_view_controller", &advanced},
                 {"configure_advanced_settings_selector_model", advanced.model()}},
                [&advanced](Gui &gui) {
                    return advanced.connectToView(gui.advancedSettingsSelectorItems());
                }};
    });
    list.add<ConfigureAdvancedSettingsStandbyViewManager>([](auto &standby) -> ConfigureScreen {
        return {{{"configure_advanced_settings_standby_view_controller", &standby},
                 {"configure_advanced_settings_standby_model", standby.model()},
                 {"configure_advanced_settings_temperature_reduction_manager",
                  standby.reductionManager()},
                 {"configure_advanced_settings_water_temperature_manager",
                  standby.waterTemperatureManager()}},
                [&standby](Gui &gui) {
                    return standby.connectToView(gui.advancedSettingsSelectorItems()) +
                           standby.connectToTemperatureReductionView(
                               gui.standbyTemperatureReductionItems()) +
                           standby.connectToWaterTemperatureView(
                               gui.standbyWaterTemperatureItems());
                }};
    });
    list.add<ConfigureAdvancedSettingsFanViewManager>([](auto &fan) -> ConfigureScreen {
        return {{{"configure_advanced_settings_fan_view_controller", &fan},
                 {"configure_advance_settings_fan_model", fan.model()},
                 {"fan_runtime_time_manager", fan.runtimeManager()}},
                [&fan](Gui &gui) {
                    return fan.connectToView(gui.advancedSettingsSelectorItems()) +
                           fan.connectToRuntimeView(gui.fanRuntimeItems());
                }};
    });
    list.add<ConfigureAdvancedSettingsExtSwitchViewManager>([](auto &extSwitch) -> ConfigureScreen {
        return {{{"configure_advanced_settings_ext_switch_view_controller", &extSwitch},
                 {"configure_advance_settings_external_switch_bathtime_model",
                  extSwitch.bathTimeModel()},
                 {"external_switch_bathtime_time_manager", extSwitch.bathTimeManager()},
                 {"configure_advanced_settings_ext_sw_function_model", extSwitch.functionModel()}},
                [&extSwitch](Gui &gui) {
                    return extSwitch.connectToView(gui.advancedSettingsSelectorItems()) +
                           extSwitch.connectToBathtimeView(gui.externalSwitchBathTimeItems());
                }};
    });
    list.add<ConfigureGeneralViewManager>([](auto &general) -> ConfigureScreen {
        return {{{"configure_general_view_controller", &general},
                 {"configure_general_selector_model", general.model()}},
                onSender(general, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureGeneralPinViewManager>([](auto &pin) -> ConfigureScreen {
        return {{{"configure_general_pin_view_controller", &pin},
                 {"configure_general_pin_model", pin.model()}},
                onSender(pin, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureGeneralLanguageViewManager>([](auto &language) -> ConfigureScreen {
        return {{{"configure_general_language_model", language.model()}},
                onSender(language, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureGeneralUnitsViewManager>([](auto &units) -> ConfigureScreen {
        return {{{"configure_general_units_model", units.model()}},
                onSender(units, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureGeneralRegionViewManager>([](auto &region) -> ConfigureScreen {
        return {{{"configure_general_region_model", region.model()},
                 {"configure_general_region_controller", &region}},
                [&region](Gui &gui) {
                    return region.connectToView(gui.regionViewItems());
                }};
    });
    // No menu leads to the display sleep screen.
    list.add<ConfigureGeneralDisplayViewManager>([](auto &display) -> ConfigureScreen {
        return {{{"configure_general_display_model", display.model()}}};
    });
    list.add<ConfigureGeneralAboutIdentifyRcbViewManager>([](auto &identifyRcb) -> ConfigureScreen {
        return {{{"configure_general_about_identify_rcb_model", identifyRcb.model()}},
                onSender(identifyRcb, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureDateTimeViewManager>([](auto &dateTime) -> ConfigureScreen {
        return {{{"configure_date_time_view_controller", &dateTime},
                 {"configure_date_time_selector_model", dateTime.model()}},
                onSender(dateTime, &Gui::dateTimeSelectorItems)};
    });
    // The time and date screens also serve the setup after a factory reset.
    list.add<ConfigureDateTimeTimeViewManager>([](auto &time) -> ConfigureScreen {
        return {{{"configure_date_time_time_view_controller", &time},
                 {"configure_date_time_time_model", time.model()},
                 {"configure_date_time_system_time_manager", time.timeEditor()}},
                [&time](Gui &gui) {
                    return time.connectToView(gui.dateTimeSelectorItems()) +
                           time.connectToSetTimeView(gui.setTimeSelectorItems()) +
                           time.connectToInitialSetupTimeView(
                               gui.setTimeSelectorInitialSetupItems());
                }};
    });
    list.add<ConfigureDateTimeDateViewManager>([](auto &date) -> ConfigureScreen {
        return {{{"configure_date_time_date_view_controller", &date},
                 {"configure_date_time_date_model", date.model()},
                 {"configure_date_time_system_date_manager", date.dateEditor()}},
                [&date](Gui &gui) {
                    return date.connectToView(gui.dateTimeSelectorItems()) +
                           date.connectToSetDateView(gui.setDateSelectorItems()) +
                           date.connectToSetDateView(gui.setDateSelectorInitialSetupItems());
                }};
    });
    list.add<ConfigureDateTimeWeekBeginViewManager>([](auto &weekBegin) -> ConfigureScreen {
        return {{{"configure_date_time_week_start_model", weekBegin.model()}},
                onSender(weekBegin, &Gui::dateTimeSelectorItems)};
    });
    list.add<ConfigureDateTimeEraseCalendarViewManager>([](auto &eraseCalendar) -> ConfigureScreen {
        return {{{"configure_date_time_erase_calendar_model", eraseCalendar.model()}},
                onSender(eraseCalendar, &Gui::dateTimeSelectorItems)};
    });
    list.add<ConfigureGeneralAboutViewManager>([](auto &about) -> ConfigureScreen {
        return {{{"configure_general_about_view_controller", &about},
                 {"configure_general_about_subfunction_model", &about.subFunctionModel},
                 {"configure_general_about_model", &about.infoModel}},
                onSender(about, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureGeneralAboutLicenseInfoViewManager>([](auto &licence) -> ConfigureScreen {
        return {
            {{"configure_general_about_license_view_controller", &licence},
             {"configure_general_about_license_text_model", licence.licenseTextModel()},
             {"configure_general_about_license_component_model", licence.componentModel()},
             {"configure_general_about_component_info_model", licence.componentInfoModel()},
             {"configure_general_about_component_license_model", licence.componentLicenseModel()},
             {"configure_general_about_linux_components_model", licence.linuxComponentsModel()}},
            onSender(licence, &Gui::generalSelectorItems)};
    });
    list.add<ConfigureSystemNetworkViewManager>([](auto &network) -> ConfigureScreen {
        return {{{"configure_network_controller", &network},
                 {"configure_network_model1", network.autoConnectModel()},
                 {"configure_network_model2", network.saunaListModel()},
                 {"configure_network_model3", network.ipDetectModel()},
                 {"configure_network_ip_connect_model", network.ipConnectModel()},
                 {"configure_network_sauna_details_model", network.saunaDetailsModel()},
                 {"configure_network_sauna_details_info_model", network.saunaDetailsInfoModel()}},
                [&network](Gui &gui) {
                    return network.connectToView(gui.networkViewItems());
                }};
    });
    // Nothing leads to the Wi-Fi screen in this edition.
    list.add<ConfigureSystemWiFiViewManager>([](auto &wiFi) -> ConfigureScreen {
        return {{{"configure_wifi_controller", &wiFi},
                 {"configure_wifi_model", wiFi.wiFiModel()},
                 {"configure_wifi_network_model", wiFi.networkModel()},
                 {"configure_wifi_network_info_model", wiFi.networkInfoModel()},
                 {"configure_wifi_single_network_details_model", wiFi.singleNetworkDetailsModel()},
                 {"configure_wifi_external_units_model", wiFi.externalUnitsModel()}}};
    });
    return std::move(list.screens);
}

} // namespace

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider()
    : ConfigureTabObjectsProvider(view::MainWindow::instance)
{}

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider(QObject *parent)
    : m_screens(describeScreens(parent))
{
    // A time set while the sauna has no date goes out with the date set next.
    QObject::connect(&manager<view::ConfigureDateTimeTimeViewManager>(),
                     &view::ConfigureDateTimeTimeViewManager::heldTimeChanged,
                     &manager<view::ConfigureDateTimeDateViewManager>(),
                     &view::ConfigureDateTimeDateViewManager::onHeldTimeChanged);
}

ConfigureTabObjectsProvider::~ConfigureTabObjectsProvider()
{
    // The managers go in the reverse order of their building, the last screen first.
    while (!m_screens.empty())
        m_screens.pop_back();
}

void ConfigureTabObjectsProvider::publishToQml()
{
    publish(view::GuiHandlerControlPanel::instance->view()->rootContext());
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
    failed += manager<view::ConfigureDateTimeViewManager>().connectTimeSignals(senders);
    failed += manager<view::ConfigureDateTimeDateViewManager>().connectTimeSignals(senders);
    failed += manager<view::ConfigureDateTimeTimeViewManager>().connectTimeSignals(senders);
    failed += manager<view::ConfigureDateTimeWeekBeginViewManager>().connectTimeSignals(senders);
    // The not-allowed-start times follow the panel's time format.
    failed +=
        manager<view::ConfigureLimitsNotAllowedStartViewManager>().connectToTimeController(senders);
    // The error log's dates and times follow the panel's formats.
    failed += manager<view::ConfigureSystemErrorLogViewManager>().connectToTimeController(senders);
    // Descaling: the first day of the week and the time format.
    auto &aux = manager<view::ConfigureSystemAuxViewManager>();
    failed += aux.descalingManager().connectToTimeController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectDateTimeRequests(
    control::TimeController &timeController, control::CalendarQueueController &queueController)
{
    const QList<QObject *> date{&manager<view::ConfigureDateTimeDateViewManager>()};
    const QList<QObject *> time{&manager<view::ConfigureDateTimeTimeViewManager>()};
    int failed = 0;
    failed += timeController.connectDateFormatSelected(date);
    failed += timeController.connectSetSystemTimeRequests(date);
    failed += timeController.connectTimeFormatSelected(time);
    failed += timeController.connectSetSystemTimeRequests(time);
    failed += timeController.connectWeekBeginSelected(
        {&manager<view::ConfigureDateTimeWeekBeginViewManager>()});
    failed += queueController.connectClearCalendarRequests(
        {&manager<view::ConfigureDateTimeEraseCalendarViewManager>()});
    return failed;
}

int ConfigureTabObjectsProvider::connectToVariantController(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += manager<view::ConfigureGeneralAboutViewManager>().connectVariantSignals(senders);
    failed += manager<view::ConfigureSystemViewManager>().connectToVariantController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToConnectionStateMachine(const QList<QObject *> &senders)
{
    return manager<view::ConfigureGeneralAboutViewManager>().connectConnectionStateSignals(senders);
}

int ConfigureTabObjectsProvider::connectToSaunaStateController(const QList<QObject *> &senders)
{
    int failed =
        manager<view::ConfigureGeneralAboutIdentifyRcbViewManager>().connectSaunaStateSignals(
            senders);
    // The status screen's lines per relay control board.
    failed +=
        manager<view::ConfigureSystemStatusViewManager>().connectToSaunaStateController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToTemperatureController(const QList<QObject *> &senders)
{
    int failed =
        manager<view::ConfigureLimitsViewManager>().connectToTemperatureController(senders);
    // The status screen's temperatures follow the panel's unit, with or without a room reading.
    failed +=
        manager<view::ConfigureSystemStatusViewManager>().connectToTemperatureController(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToTemperaturePresentationManager(
    const QList<QObject *> &senders)
{
    return manager<view::ConfigureSystemStatusViewManager>()
        .connectToTemperaturePresentationManager(senders);
}

int ConfigureTabObjectsProvider::connectToBridge(
    saunaBridge::ZerededidBridgeSenderSlotInterface *sender)
{
    using namespace saunaBridge;
    QObject *limits = &manager<view::ConfigureLimitsViewManager>();
    QObject *notAllowedStart = &manager<view::ConfigureLimitsNotAllowedStartViewManager>();
    int failed = 0;
    failed += connectMaxBathTemperatureChangeRequested(sender, limits);
    failed += connectWaterTempLimitChangeRequest(sender, limits);
    failed += connectRcbTankFillTimeChangeRequest(sender, limits);
    failed += connectNotAllowedStartEnableChangeRequested(sender, notAllowedStart);
    failed += connectNotAllowedStartFromTimeChangeRequested(sender, notAllowedStart);
    failed += connectNotAllowedStartUntilTimeChangeRequested(sender, notAllowedStart);
    failed += connectPcbOverheatLimitChangeRequest(sender, limits);
    // The error log's clear command.
    failed +=
        connectErrorLogClearRequest(sender, &manager<view::ConfigureSystemErrorLogViewManager>());
    // Auxiliary relay options, fragrance and descaling share the relay and descaling requests.
    auto &auxScreen = manager<view::ConfigureSystemAuxViewManager>();
    QObject *aux = &auxScreen;
    QObject *fragrance = &auxScreen.fragranceManager();
    QObject *descaling = &auxScreen.descalingManager();
    failed += connectAuxRelayUpdateRequested(sender, aux);
    failed += connectAuxRelayUpdateRequested(sender, fragrance);
    failed += connectAuxRelayUpdateRequested(sender, descaling);
    failed += connectDescalingChangeRequested(sender, aux);
    failed += connectDescalingChangeRequested(sender, descaling);
    return failed;
}

int ConfigureTabObjectsProvider::connectToLink(pcPanel::SaunaCommunication &link)
{
    auto &network = manager<view::ConfigureSystemNetworkViewManager>();
    int failed = 0;
    failed += network.connectCommunicationSignals({&link});
    // About forgets the sauna when its connection ends.
    failed += manager<view::ConfigureGeneralAboutViewManager>().connectLinkSignals({&link});
    // A time held for the next date commit is forgotten with the connection it was set on.
    failed += manager<view::ConfigureDateTimeDateViewManager>().connectLinkSignals({&link});
    failed += link.connectViewRequests({&network});
    failed += link.saunaSystemSender()->connectUpdateSaunaRequests({&network});
    return failed;
}

int ConfigureTabObjectsProvider::connectAdvancedSettingsScreens(
    const QList<QObject *> &temperatureController)
{
    auto &standby = manager<view::ConfigureAdvancedSettingsStandbyViewManager>();
    int failed = 0;
    failed += standby.connectMenuSignals({&manager<view::ConfigureAdvancedSettingsViewManager>()});
    failed += standby.connectTemperatureSignals(temperatureController);
    return failed;
}

int ConfigureTabObjectsProvider::connectAdvancedAndSystemRequests(
    saunaBridge::ZerededidBridgeSenderSlotInterface *bridge)
{
    using namespace saunaBridge;
    QObject *fan = &manager<view::ConfigureAdvancedSettingsFanViewManager>();
    QObject *extSwitch = &manager<view::ConfigureAdvancedSettingsExtSwitchViewManager>();
    QObject *standby = &manager<view::ConfigureAdvancedSettingsStandbyViewManager>();
    QObject *tank = &manager<view::ConfigureSystemTankAutoEmptyingViewManager>();
    QObject *cleanup = &manager<view::ConfigureSystemCleanupViewManager>();
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
    failed += connectBathPriorityChangeRequested(
        bridge, &manager<view::ConfigureSystemBathPriorityViewManager>());
    failed += connectResetBathTimeTimerRequest(
        bridge, &manager<view::ConfigureSystemPauseTimerViewManager>());
    failed += connectFacilityTypeRequested(
        bridge, &manager<view::ConfigureSystemFacilityTypeViewManager>());
    failed +=
        connectIrEnableChangeRequested(bridge, &manager<view::ConfigureSystemIrViewManager>());
    return failed;
}

int ConfigureTabObjectsProvider::connectSystemSettingsControllers(
    control::TemperatureController &temperatureController,
    control::HumidityController &humidityController)
{
    auto &filterScreen = manager<view::ConfigureSystemFilterViewManager>();
    const QList<QObject *> filter{&filterScreen};
    int failed = 0;
    failed += filterScreen.connectToTemperatureController({&temperatureController});
    failed += humidityController.connectHumidityPresentationRequests(filter);
    failed += temperatureController.connectTemperaturePresentationRequests(filter);
    failed += filterScreen.connectToHumidityController({&humidityController});
    return failed;
}

QList<QObject *> ConfigureTabObjectsProvider::userMessageRaisers()
{
    return {&manager<view::ConfigureGeneralAboutLicenseInfoViewManager>(),
            &manager<view::ConfigureSystemViewManager>(),
            &manager<view::ConfigureSystemErrorLogViewManager>(),
            &manager<view::ConfigureSystemAuxViewManager>(),
            &manager<view::ConfigureSystemSoftwareUpdateViewManager>(),
            &manager<view::ConfigureSystemFactoryResetViewManager>(),
            &manager<view::ConfigureSystemPauseTimerViewManager>(),
            &manager<view::ConfigureSystemNetworkViewManager>()};
}

void ConfigureTabObjectsProvider::initializeViews()
{
    manager<view::ConfigureGeneralPinViewManager>().publishLockscreenSettings();
    manager<view::ConfigureLimitsNotAllowedStartViewManager>().initializeView();
    manager<view::ConfigureSystemViewManager>().initializeView();
    manager<view::ConfigureAdvancedSettingsViewManager>().emitApplicableChanged();
    manager<view::ConfigureSystemTankAutoEmptyingViewManager>().initializeView();
}

} // namespace details
