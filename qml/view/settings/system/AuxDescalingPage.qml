import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import ".."
import "../advanced"
import "../limits"

// Descaling of the steam generator: the switch, the start time, the duration, the dosage and the
// weekday with its repetition, and when the last descaling was. Every row shows what the sauna
// system last reported. The lists stay while the weekday and editor pages are open and go when
// this page is left.
SettingsListPage {
    id: page
    objectName: "auxDescalingPage"

    property Item senders
    readonly property QtObject sender: senders ? senders.descaling : null

    listModel: configure_system_aux_descaling_settings_model
    saunaValues: true
    onShownChanged: (shown) => page.sender.auxDescalingViewVisibleChanged(shown)
    onToggleTapped: (applId, shownState) => page.sender.auxDescalingToggleChanged(applId, shownState)
    onRowSelected: (applId) => page.sender.auxDescalingSettingSelected(applId)
    StackView.onRemoved: page.sender.auxDescalingSettingsCommit()

    function push(component) {
        if (page.StackView.view)
            page.StackView.view.push(component)
    }

    Connections {
        target: configure_system_aux_descaling_control
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_optionsAuxDescalingStartTime:
                page.push(startTimeEditor)
                break
            case ConfigureTypes.E_optionsAuxDescalingDuration:
                page.push(durationEditor)
                break
            case ConfigureTypes.E_optionsAuxDescalingDosage:
                page.push(dosageEditor)
                break
            case ConfigureTypes.E_optionsAuxDescalingWeekday:
                page.push(weekdayPage)
                break
            case ConfigureTypes.E_optionsAuxDescalingWeekdayRepeat:
                page.push(repeatPage)
                break
            }
        }
    }

    Component {
        id: startTimeEditor
        LimitEditorPage {
            objectName: "descalingStartTimePage"
            title: qsTr("Start time")
            onSaved: page.sender.auxDescalingStartTimeCommit()
            TimeStepper {
                objectName: "descalingStartTimeStepper"
                width: parent.width
                manager: configure_system_aux_descaling_start_time_manager
                onTimeChangeRequested: (component, direction) =>
                    page.senders.descalingStartTime.timeChangeRequested(component, direction)
            }
        }
    }

    Component {
        id: durationEditor
        DurationEditorPage {
            objectName: "descalingDurationPage"
            title: qsTr("Duration")
            manager: configure_system_aux_descaling_duration_manager
            components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
            stepTarget: page.senders.descalingDuration
            onSaveRequested: page.sender.auxDescalingDurationCommit()
        }
    }

    Component {
        id: dosageEditor
        LimitEditorPage {
            objectName: "descalingDosagePage"
            title: qsTr("Dosage")
            onSaved: page.sender.auxDescalingDosageCommit()
            ValueStepper {
                id: dosage
                objectName: "descalingDosageStepper"
                width: parent.width
                label: qsTr("Dosage")
                unitText: qsTr("ml")
                onStepRequested: (direction) =>
                    page.senders.descalingDosage.valueChangeRequested(direction)
                Connections {
                    target: configure_system_aux_descaling_dosage_manager
                    function onValueFormattedChanged(text) { dosage.valueText = text }
                    function onDecreaseApplicableChanged(applicable) {
                        dosage.lowerBlocked = !applicable
                    }
                    function onIncreaseApplicableChanged(applicable) {
                        dosage.upperBlocked = !applicable
                    }
                }
            }
        }
    }

    Component {
        id: weekdayPage
        SettingsListPage {
            objectName: "descalingWeekdayPage"
            title: qsTr("Weekday")
            listModel: configure_system_aux_descaling_weekday_settings_model
            saunaValues: true
            onRowSelected: (applId) => page.sender.auxDescalingWeekdaySettingsSelected(applId)
        }
    }

    Component {
        id: repeatPage
        SettingsListPage {
            objectName: "descalingRepeatPage"
            title: qsTr("Repeat")
            listModel: configure_system_aux_descaling_weekday_repeat_model
            saunaValues: true
            onRowSelected: (applId) => page.sender.auxDescalingWeekdayRepeatSelected(applId)
        }
    }
}
