import QtQuick
import "../components"

// The senders of the settings screens. Several screens share one sender and the program finds
// each by its object name as soon as the scene is loaded, so the scene's settings tab builds
// them with the scene, before any page, and the pages emit through them.
Item {
    id: senders

    property alias systems: systemsSelector
    property alias limits: limitsSelector
    property alias general: generalSelector
    property alias dateTime: dateTimeSelector
    property alias advanced: advancedSelector
    property alias region: regionView
    property alias network: networkView
    property alias relays: relayContainer
    property alias auxRelays: auxModel
    property alias auxSingleOverview: auxSingleOverviewModel
    property alias auxSingleFragrance: auxSingleFragranceModel
    property alias descaling: descalingSettingsView
    property alias pinChange: generalPinSelector
    property alias setTime: setTimeSelector
    property alias setDate: setDateSelector
    // The time and date editors of the setup after a factory reset.
    property alias setTimeInitialSetup: setTimeInitialSetupSelector
    property alias setDateInitialSetup: setDateInitialSetupSelector
    // The editors of the Advanced settings, tank auto-emptying and cleanup screens.
    property alias fanRuntime: fanRuntimeEditor
    property alias externalSwitchBathtime: externalSwitchBathtimeEditor
    property alias cleanupTime: cleanupTimeEditor
    property alias tankAutoEmptying: tankAutoEmptyingEditor
    property alias standbyReduction: standbyReductionEditor
    property alias standbyWaterTemperature: standbyWaterTemperatureEditor
    // The editors of the auxiliary relay options' fragrance and descaling screens.
    property alias fragrancePump: fragrancePumpEditor
    property alias fragranceStop: fragranceStopEditor
    property alias descalingStartTime: descalingStartTimeEditor
    property alias descalingDuration: descalingDurationEditor
    property alias descalingDosage: descalingDosageEditor

    visible: false

    Item {
        id: systemsSelector
        objectName: "configureSystemsSelector"
        signal itemSelected(int id)
        signal statusViewVisibleChanged(bool shown)
        signal tankAutoEmptyingVisibleChanged(bool shown)
        signal tankAutoEmptyingIntervalCommit()
        signal tankAutoEmptyingIntervalEdit()
        signal tankAutoEmptyingToggleChanged(int id, bool shownState)
        signal softwareUpdateVisibleChanged(bool shown)
        signal softwareUpdateSelected()
        signal factoryResetViewVisibleChanged(bool shown)
        signal factoryResetSelected()
        signal errorLogViewVisibleChanged(bool shown)
        signal errorLogClearSelected()
        signal errorLogSelected(int id)
        signal cleanUpViewVisibleChanged(bool shown)
        signal cleanupTimeSelected(int id)
        signal cleanupTimeCommit()
        signal cleanupToggleChanged(int id, bool shownState)
        signal facilityTypeViewVisibleChanged(bool shown)
        signal facilityTypeSelected(int id)
        signal facilityTypeCommit()
        signal bathPriorityViewVisibleChanged(bool shown)
        signal bathTypePrioritySelected(int id)
        signal pauseTimerViewVisibleChanged(bool shown)
        signal resetTimerSelected()
        signal filterChanged(int id, bool shownState)
        signal filtersViewVisibleChanged(bool shown)
        signal irVisibleChanged(bool shown)
        signal irToggleChanged(int id, bool shownState)
        signal optionsViewVisibleChanged(bool shown)
        signal optionsSingleViewVisibleChanged(bool shown)
        signal optionsFragranceViewVisibleChanged(bool shown)
        signal auxPumpDurationCommit()
        signal auxStopDurationCommit()
        signal confirm_pin_code_login(string pinCode, string target, bool settingsLogin)
    }

    Item {
        id: limitsSelector
        objectName: "configureLimitsSelector"
        signal itemSelected(int id)
        signal waterTempLimitCommit()
        signal tankFillTimeCommit()
        signal overheatLimitCommit()
        signal changeTemperatureValueRequested(int step)
        signal allowedStartViewVisibleChanged(bool shown)
        signal toggleChanged(int id, bool shownState)
        signal rowItemSelected(int id)
        signal notAllowedStartEditCompleted()
        signal notAllowedStartFromSaved()
        signal notAllowedStartUntilSaved()
        // The system mode the sauna last reported, -1 before a report and after the sauna was
        // replaced: the overheating page also sets the water limit in the Solvenno mode.
        property int systemMode: -1
        Connections {
            target: typeof configure_limits_view_controller !== "undefined"
                    ? configure_limits_view_controller : null
            function onSaunaSystemModeChangedQml(mode) { limitsSelector.systemMode = mode }
        }
    }

    Item {
        id: generalSelector
        objectName: "configureGeneralSelector"
        signal itemSelected(int id)
        signal pinToggleChanged(int id, bool shownState)
        signal pinButtonPressed(int id)
        signal lockscreenControlSelected(int id)
        signal pinViewVisibleChanged(bool shown)
        signal langaugeViewVisibleChanged(bool shown)
        signal languageSelected(int id)
        signal languageSaveSelected()
        signal languageInitialSetupSelected()
        signal unitSelected(int id)
        signal unitsViewVisibleChanged(bool shown)
        signal identifyRcbViewVisibleChanged(bool shown)
        signal identifyRcbSelected(int id)
        signal aboutViewVisibleChanged(bool shown)
        signal aboutSubFunctionSelected(int id)
        signal licenseInfoViewVisibleChanged(bool shown)
        signal componentInfoViewVisibleChanged(bool shown)
        signal linuxComponentsViewVisibleChanged(bool shown)
        signal softwareComponentSelected(int id)
        signal linuxComponentSelected(int id)
    }

    Item {
        id: dateTimeSelector
        objectName: "configureDateTimeSelector"
        signal itemSelected(int id)
        signal timeViewVisibleChanged(bool shown)
        signal setTimeInitialSetupSelected()
        signal timeRowItemSelected(int id)
        signal dateViewVisibleChanged(bool shown, bool initialSetup)
        signal dateRowItemSelected(int id)
        signal weekStartViewVisibleChanged(bool shown)
        signal weekStartSelected(int id)
        signal eraseCalendarViewVisibleChanged(bool shown)
        signal eraseCalendarSelected(int id)
    }

    Item {
        id: advancedSelector
        objectName: "configureAdvancedSettingsSelector"
        signal itemSelected(int id)
        signal rowItemSelected(int id)
        signal commitValue(int id)
        signal fanViewVisibleChanged(bool shown)
        signal extSwBathTimeSelected()
        signal extSwFunctionSelected(int id)
        signal externalSwitchVisibleChanged(bool shown)
        signal standbyViewVisibleChanged(bool shown)
        signal toggleChanged(int id, bool shownState)
    }

    Item {
        id: regionView
        objectName: "configureRegionView"
        signal visibilityChanged(bool shown)
        signal regionSelected(int id)
        signal regionInitialSetupSelected()
    }

    Item {
        id: networkView
        objectName: "configureNetworkView"
        signal remoteSaunaDeleteSelected()
        signal saunaIpAddressEditActivated()
        signal saunaIpPortEditActivated()
        signal manualAddSystemIpAddressCommit(string address)
        signal manualAddSystemPortChanged(string port)
        signal networkViewVisibleChanged(bool shown)
        signal saunaDetailsViewVisibleChanged(bool shown)
        signal networkIpConnectViewVisibleChanged(bool shown)
        signal toggleChanged(int id, bool shownState)
        signal rowItemSelected(int id)
        signal buttonPressed(int id)
        signal remoteSaunaPinChanged(string pinCode)
    }

    Item {
        id: relayContainer
        objectName: "configureSystemRelayContainer"
        signal toggleChanged(int id, bool shownState)
        signal relayControlMenuActive(bool active)
        signal relayRegulatorValueSelected(int id)
    }

    Item {
        id: auxModel
        objectName: "configureSystemAuxModel"
        signal auxSelected(int id)
    }

    Item {
        id: auxSingleOverviewModel
        objectName: "configureSystemAuxSingleOverviewModel"
        signal auxFunctionSelected(int id)
        signal auxNameEditActivated()
        // The keyboard's answer to a rename.
        signal auxNameEditSaveSelected(string name)
        signal auxNameEditCancelSelected()
    }

    Item {
        id: auxSingleFragranceModel
        objectName: "configureSystemAuxSingleFragranceModel"
        signal auxFragranceSettingSelected(int id)
    }

    Item {
        id: descalingSettingsView
        objectName: "configureAuxDescalingSettingsView"
        signal auxDescalingSettingsCommit()
        signal auxDescalingViewVisibleChanged(bool shown)
        signal auxDescalingToggleChanged(int id, bool shownState)
        signal auxDescalingSettingSelected(int id)
        signal auxDescalingStartTimeCommit()
        signal auxDescalingDurationCommit()
        signal auxDescalingDosageCommit()
        signal auxDescalingWeekdaySettingsSelected(int id)
        signal auxDescalingWeekdayRepeatSelected(int id)
    }

    Item {
        id: generalPinSelector
        objectName: "configureGeneralPinSelector"
        signal old_pin_code(string pinCode)
        signal new_pin_code(string pinCode)
        signal new_pin_code_confirm(string pinCode)
    }

    // Editors of single values. Each steps its value manager through the signal it declares;
    // the settings pages forward their steppers to them. A duration's editor, and the clock's,
    // also follow what their manager tells from the start, for the editor page that shows it
    // later.

    DurationShown {
        id: fanRuntimeEditor
        objectName: "fan_runtime"
        manager: fan_runtime_time_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: externalSwitchBathtimeEditor
        objectName: "external_switch_bathtime"
        manager: external_switch_bathtime_time_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        objectName: "tank_fill_time"
        manager: configure_limits_tank_fill_time_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: cleanupTimeEditor
        objectName: "cleanup_time"
        manager: cleanup_time_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: tankAutoEmptyingEditor
        objectName: "tank_auto_emptying"
        manager: tank_auto_emptying_time_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: fragrancePumpEditor
        objectName: "fragrance_pump"
        manager: fragrance_pump_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: fragranceStopEditor
        objectName: "fragrance_stop"
        manager: fragrance_stop_manager
        signal durationChangeRequested(int component, int direction)
    }

    DurationShown {
        id: descalingDurationEditor
        objectName: "descalingDurationControl"
        manager: configure_system_aux_descaling_duration_manager
        signal durationChangeRequested(int component, int direction)
    }

    Item {
        id: descalingStartTimeEditor
        objectName: "descalingStartTimeControl"
        signal timeChangeRequested(int component, int direction)
    }

    Item {
        objectName: "configueLimitsNotAllowedStartTimeFrom"
        signal timeChangeRequested(int component, int direction)
    }

    Item {
        objectName: "configueLimitsNotAllowedStartTimeUntil"
        signal timeChangeRequested(int component, int direction)
    }

    Item {
        id: setTimeInitialSetupSelector
        objectName: "setTimeSelectorInitialSetup"
        signal timeChangeRequested(int component, int direction)
    }

    TimeShown {
        id: setTimeSelector
        objectName: "setTimeSelector"
        manager: configure_date_time_system_time_manager
        signal setTimeCommit()
        signal timeChangeRequested(int component, int direction)
    }

    DateShown {
        id: setDateSelector
        objectName: "setDateSelector"
        manager: configure_date_time_system_date_manager
        signal setDateCommit()
        signal dateChangeRequested(int stepper, int direction)
    }

    Item {
        id: setDateInitialSetupSelector
        objectName: "setDateSelectorInitialSetup"
        signal setDateCommit()
        signal dateChangeRequested(int stepper, int direction)
    }

    Item {
        id: descalingDosageEditor
        objectName: "descalingDosageControl"
        signal valueChangeRequested(int direction)
    }

    Item {
        objectName: "configure_limits_pcb_overheat_limit"
        signal changeTemperatureValueRequested(int step)
    }

    Item {
        objectName: "configure_limits_upper_water_temp"
        signal changeTemperatureValueRequested(int step)
    }

    Item {
        objectName: "configure_limits_upper_water_temp_on_overview_menu"
        signal changeTemperatureValueRequested(int step)
    }

    Item {
        id: standbyReductionEditor
        objectName: "standby_temperature_reduction_data_provider"
        signal changeTemperatureValueRequested(int step)
    }

    Item {
        id: standbyWaterTemperatureEditor
        objectName: "standby_water_temperature_data_provider"
        signal changeTemperatureValueRequested(int step)
    }
}
