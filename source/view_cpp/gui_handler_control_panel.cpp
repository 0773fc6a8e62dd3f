#include "view_cpp/gui_handler_control_panel.h"

namespace view {

GuiHandlerControlPanel *GuiHandlerControlPanel::instance = nullptr;

GuiHandlerControlPanel::GuiHandlerControlPanel(QMainWindow *window, QObject *parent,
                                               const QString &qmlDirectory)
    : GuiHandler(window, parent, qmlDirectory)
{
    instance = this;
}

GuiHandlerControlPanel::~GuiHandlerControlPanel()
{
    if (instance == this)
        instance = nullptr;
}

QList<QObject *> GuiHandlerControlPanel::findAll(std::initializer_list<const char *> objectNames)
{
    QList<QObject *> items;
    for (const char *name : objectNames)
        findItem(QString::fromLatin1(name), items);
    return items;
}

QList<QObject *> GuiHandlerControlPanel::powerSwitchTabItems()
{
    return findAll({"power_switch_tab"});
}

QList<QObject *> GuiHandlerControlPanel::auxSingleFragranceListItems()
{
    return findAll({"configureSystemAuxSingleFragranceModel"});
}

QList<QObject *> GuiHandlerControlPanel::auxSingleOverviewListItems()
{
    return findAll({"configureSystemAuxSingleOverviewModel"});
}

QList<QObject *> GuiHandlerControlPanel::systemRelayContainerItems()
{
    return findAll({"configureSystemRelayContainer"});
}

QList<QObject *> GuiHandlerControlPanel::auxRelayListItems()
{
    return findAll({"configureSystemAuxModel"});
}

QList<QObject *> GuiHandlerControlPanel::systemsSelectorItems()
{
    return findAll({"configureSystemsSelector"});
}

QList<QObject *> GuiHandlerControlPanel::pcbOverheatLimitItems()
{
    return findAll({"configure_limits_pcb_overheat_limit"});
}

QList<QObject *> GuiHandlerControlPanel::notAllowedStartTimeUntilItems()
{
    return findAll({"configueLimitsNotAllowedStartTimeUntil"});
}

QList<QObject *> GuiHandlerControlPanel::notAllowedStartTimeFromItems()
{
    return findAll({"configueLimitsNotAllowedStartTimeFrom"});
}

QList<QObject *> GuiHandlerControlPanel::upperWaterTempItems()
{
    return findAll({"configure_limits_upper_water_temp",
                    "configure_limits_upper_water_temp_on_overview_menu"});
}

QList<QObject *> GuiHandlerControlPanel::limitsSelectorItems()
{
    return findAll({"configureLimitsSelector"});
}

QList<QObject *> GuiHandlerControlPanel::dateTimeSelectorItems()
{
    return findAll({"configureDateTimeSelector"});
}

QList<QObject *> GuiHandlerControlPanel::regionViewItems()
{
    return findAll({"configureRegionView"});
}

QList<QObject *> GuiHandlerControlPanel::generalSelectorItems()
{
    return findAll({"configureGeneralSelector"});
}

QList<QObject *> GuiHandlerControlPanel::advancedSettingsSelectorItems()
{
    return findAll({"configureAdvancedSettingsSelector"});
}

QList<QObject *> GuiHandlerControlPanel::saveAsFavoritesButtonItems()
{
    return findAll({"saveAsFavoritesButton"});
}

QList<QObject *> GuiHandlerControlPanel::setTimeSelectorInitialSetupItems()
{
    return findAll({"setTimeSelectorInitialSetup"});
}

QList<QObject *> GuiHandlerControlPanel::setTimeSelectorItems()
{
    return findAll({"setTimeSelector"});
}

QList<QObject *> GuiHandlerControlPanel::setDateSelectorInitialSetupItems()
{
    return findAll({"setDateSelectorInitialSetup"});
}

QList<QObject *> GuiHandlerControlPanel::setDateSelectorItems()
{
    return findAll({"setDateSelector"});
}

QList<QObject *> GuiHandlerControlPanel::auxRelaysOverviewItems()
{
    return findAll({"heaterSettingsAuxRelaysOverview"});
}

QList<QObject *> GuiHandlerControlPanel::auxRelaysItems()
{
    return findAll({"heaterSettingsAuxRelays"});
}

QList<QObject *> GuiHandlerControlPanel::fanAutomaticToggleItems()
{
    return findAll({"fan_automatic_toggle_switch"});
}

QList<QObject *> GuiHandlerControlPanel::fanRunningSwitchItems()
{
    return findAll({"fan_running_switch"});
}

QList<QObject *> GuiHandlerControlPanel::lightsSwitchItems()
{
    return findAll({"lights_switch_tab_2", "lights_switch_tab_tab2_locked"});
}

QList<QObject *> GuiHandlerControlPanel::tankFillTimeItems()
{
    return findAll({"tank_fill_time"});
}

QList<QObject *> GuiHandlerControlPanel::irSystemsSelectorItems()
{
    return findAll({"configureSystemsSelector"});
}

QList<QObject *> GuiHandlerControlPanel::tankAutoEmptyingItems()
{
    return findAll({"tank_auto_emptying"});
}

QList<QObject *> GuiHandlerControlPanel::externalSwitchBathTimeItems()
{
    return findAll({"external_switch_bathtime"});
}

QList<QObject *> GuiHandlerControlPanel::networkViewItems()
{
    return findAll({"configureNetworkView"});
}

QList<QObject *> GuiHandlerControlPanel::wifiViewItems()
{
    return findAll({"configureWiFiView"});
}

QList<QObject *> GuiHandlerControlPanel::descalingDosageItems()
{
    return findAll({"descalingDosageControl"});
}

QList<QObject *> GuiHandlerControlPanel::descalingDurationItems()
{
    return findAll({"descalingDurationControl"});
}

QList<QObject *> GuiHandlerControlPanel::descalingStartTimeItems()
{
    return findAll({"descalingStartTimeControl"});
}

QList<QObject *> GuiHandlerControlPanel::auxDescalingSettingsViewItems()
{
    return findAll({"configureAuxDescalingSettingsView"});
}

QList<QObject *> GuiHandlerControlPanel::fragranceStopItems()
{
    return findAll({"fragrance_stop"});
}

QList<QObject *> GuiHandlerControlPanel::fragrancePumpItems()
{
    return findAll({"fragrance_pump"});
}

QList<QObject *> GuiHandlerControlPanel::cleanupTimeItems()
{
    return findAll({"cleanup_time"});
}

QList<QObject *> GuiHandlerControlPanel::standbyWaterTemperatureItems()
{
    return findAll({"standby_water_temperature_data_provider"});
}

QList<QObject *> GuiHandlerControlPanel::standbyTemperatureReductionItems()
{
    return findAll({"standby_temperature_reduction_data_provider"});
}

QList<QObject *> GuiHandlerControlPanel::fanRuntimeItems()
{
    return findAll({"fan_runtime"});
}

QList<QObject *> GuiHandlerControlPanel::bathTimeTabItems()
{
    return findAll({"bath_time_tab_2"});
}

QList<QObject *> GuiHandlerControlPanel::heaterSettingsListItems()
{
    return findAll({"heaterSettingsModel"});
}

QList<QObject *> GuiHandlerControlPanel::initialSetupTabManagerItems()
{
    return findAll({"initialSetupTabManager"});
}

QList<QObject *> GuiHandlerControlPanel::targetTemperatureItems()
{
    return findAll(
        {"temperature_data_provider_tab2_locked", "temperature_data_provider_tab2_normal"});
}

QList<QObject *> GuiHandlerControlPanel::popupWidgetListItems()
{
    return findAll({"popup_widget"});
}

QList<QObject *> GuiHandlerControlPanel::pinSystemsSelectorItems()
{
    return findAll({"configureSystemsSelector"});
}

QList<QObject *> GuiHandlerControlPanel::pinInputItems()
{
    return findAll({"pin_input"});
}

QList<QObject *> GuiHandlerControlPanel::generalPinSelectorItems()
{
    return findAll({"configureGeneralPinSelector"});
}

QList<QObject *> GuiHandlerControlPanel::rootTabManagerItems()
{
    return findAll({"tabManagerRoot"});
}

QList<QObject *> GuiHandlerControlPanel::targetHumidityItems()
{
    return findAll({"humidity_data_provider_tab2_locked", "humidity_data_provider_tab2_normal"});
}

} // namespace view
