#pragma once

#include "view_cpp/gui_handler_control_panel.h"

#include <QStringList>

#include <vector>

// Every finder of the GUI handler with the object names it looks up, in its order.
struct FinderNames
{
    QList<QObject *> (view::GuiHandlerControlPanel::*finder)();
    QStringList names;
};

inline std::vector<FinderNames> finderTable()
{
    using Gui = view::GuiHandlerControlPanel;
    return {
        {&Gui::powerSwitchTabItems, {QStringLiteral("power_switch_tab")}},
        {&Gui::auxSingleFragranceListItems,
         {QStringLiteral("configureSystemAuxSingleFragranceModel")}},
        {&Gui::auxSingleOverviewListItems,
         {QStringLiteral("configureSystemAuxSingleOverviewModel")}},
        {&Gui::systemRelayContainerItems, {QStringLiteral("configureSystemRelayContainer")}},
        {&Gui::auxRelayListItems, {QStringLiteral("configureSystemAuxModel")}},
        {&Gui::systemsSelectorItems, {QStringLiteral("configureSystemsSelector")}},
        {&Gui::pcbOverheatLimitItems, {QStringLiteral("configure_limits_pcb_overheat_limit")}},
        {&Gui::notAllowedStartTimeUntilItems,
         {QStringLiteral("configueLimitsNotAllowedStartTimeUntil")}},
        {&Gui::notAllowedStartTimeFromItems,
         {QStringLiteral("configueLimitsNotAllowedStartTimeFrom")}},
        {&Gui::upperWaterTempItems,
         {QStringLiteral("configure_limits_upper_water_temp"),
          QStringLiteral("configure_limits_upper_water_temp_on_overview_menu")}},
        {&Gui::limitsSelectorItems, {QStringLiteral("configureLimitsSelector")}},
        {&Gui::dateTimeSelectorItems, {QStringLiteral("configureDateTimeSelector")}},
        {&Gui::regionViewItems, {QStringLiteral("configureRegionView")}},
        {&Gui::generalSelectorItems, {QStringLiteral("configureGeneralSelector")}},
        {&Gui::advancedSettingsSelectorItems,
         {QStringLiteral("configureAdvancedSettingsSelector")}},
        {&Gui::saveAsFavoritesButtonItems, {QStringLiteral("saveAsFavoritesButton")}},
        {&Gui::setTimeSelectorInitialSetupItems, {QStringLiteral("setTimeSelectorInitialSetup")}},
        {&Gui::setTimeSelectorItems, {QStringLiteral("setTimeSelector")}},
        {&Gui::setDateSelectorInitialSetupItems, {QStringLiteral("setDateSelectorInitialSetup")}},
        {&Gui::setDateSelectorItems, {QStringLiteral("setDateSelector")}},
        {&Gui::auxRelaysOverviewItems, {QStringLiteral("heaterSettingsAuxRelaysOverview")}},
        {&Gui::auxRelaysItems, {QStringLiteral("heaterSettingsAuxRelays")}},
        {&Gui::fanAutomaticToggleItems, {QStringLiteral("fan_automatic_toggle_switch")}},
        {&Gui::fanRunningSwitchItems, {QStringLiteral("fan_running_switch")}},
        {&Gui::lightsSwitchItems,
         {QStringLiteral("lights_switch_tab_2"), QStringLiteral("lights_switch_tab_tab2_locked")}},
        {&Gui::tankFillTimeItems, {QStringLiteral("tank_fill_time")}},
        {&Gui::irSystemsSelectorItems, {QStringLiteral("configureSystemsSelector")}},
        {&Gui::tankAutoEmptyingItems, {QStringLiteral("tank_auto_emptying")}},
        {&Gui::externalSwitchBathTimeItems, {QStringLiteral("external_switch_bathtime")}},
        {&Gui::networkViewItems, {QStringLiteral("configureNetworkView")}},
        {&Gui::wifiViewItems, {QStringLiteral("configureWiFiView")}},
        {&Gui::descalingDosageItems, {QStringLiteral("descalingDosageControl")}},
        {&Gui::descalingDurationItems, {QStringLiteral("descalingDurationControl")}},
        {&Gui::descalingStartTimeItems, {QStringLiteral("descalingStartTimeControl")}},
        {&Gui::auxDescalingSettingsViewItems,
         {QStringLiteral("configureAuxDescalingSettingsView")}},
        {&Gui::fragranceStopItems, {QStringLiteral("fragrance_stop")}},
        {&Gui::fragrancePumpItems, {QStringLiteral("fragrance_pump")}},
        {&Gui::cleanupTimeItems, {QStringLiteral("cleanup_time")}},
        {&Gui::standbyWaterTemperatureItems,
         {QStringLiteral("standby_water_temperature_data_provider")}},
        {&Gui::standbyTemperatureReductionItems,
         {QStringLiteral("standby_temperature_reduction_data_provider")}},
        {&Gui::fanRuntimeItems, {QStringLiteral("fan_runtime")}},
        {&Gui::bathTimeTabItems, {QStringLiteral("bath_time_tab_2")}},
        {&Gui::heaterSettingsListItems, {QStringLiteral("heaterSettingsModel")}},
        {&Gui::initialSetupTabManagerItems, {QStringLiteral("initialSetupTabManager")}},
        {&Gui::targetTemperatureItems,
         {QStringLiteral("temperature_data_provider_tab2_locked"),
          QStringLiteral("temperature_data_provider_tab2_normal")}},
        {&Gui::popupWidgetListItems, {QStringLiteral("popup_widget")}},
        {&Gui::pinSystemsSelectorItems, {QStringLiteral("configureSystemsSelector")}},
        {&Gui::pinInputItems, {QStringLiteral("pin_input")}},
        {&Gui::generalPinSelectorItems, {QStringLiteral("configureGeneralPinSelector")}},
        {&Gui::rootTabManagerItems, {QStringLiteral("tabManagerRoot")}},
        {&Gui::targetHumidityItems,
         {QStringLiteral("humidity_data_provider_tab2_locked"),
          QStringLiteral("humidity_data_provider_tab2_normal")}},
    };
}
