import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import ".."

// The installer's Limits menu and its editors. The program builds the rows the connected sauna
// system supports; a tap goes to the sender "configureLimitsSelector" and the program answers
// with the id of the editor to open. Each editor carries the text of its entry as its title and
// shows what its value manager holds: the sauna's last report, or the user's steps since.
Item {
    id: page
    objectName: "limitsMenuPage"

    // The scene's settings senders (SettingsSenders).
    property Item senders
    readonly property QtObject limitsSender: senders ? senders.limits : null
    signal backRequested()

    // A single-value editor's sender, by its object name.
    function senderNamed(name) {
        const children = page.senders ? page.senders.children : []
        for (let i = 0; i < children.length; ++i) {
            if (children[i].objectName === name)
                return children[i]
        }
        return null
    }

    // The ids of the Limits menu; the not-allowed-start screen answers on its own manager.
    Connections {
        target: configure_limits_view_controller
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_maxBathTemp:
                stack.push(bathTemperaturePage)
                break
            case ConfigureTypes.E_waterTempLimit:
                stack.push(waterTemperaturePage)
                break
            case ConfigureTypes.E_notAllowedStart:
                stack.push(notAllowedStartPage)
                break
            case ConfigureTypes.E_notAllowedStartUntil: // the Limits menu's "Max water fill time"
                stack.push(fillTimePage)
                break
            case ConfigureTypes.E_overheating:
                stack.push(overheatPage)
                break
            }
        }
    }

    MenuEntryTexts {
        id: entries
        model: configure_limits_selector_model
    }

    StackView {
        id: stack
        objectName: "limitsStack"
        anchors.fill: parent
        initialItem: SettingsListPage {
            title: qsTr("Limits")
            listModel: configure_limits_selector_model
            saunaValues: true
            onRowSelected: (applId) => page.limitsSender.itemSelected(applId)
            onBackRequested: page.backRequested()
        }
    }

    Component {
        id: bathTemperaturePage
        LimitEditorPage {
            objectName: "limitsBathTemperaturePage"
            title: entries.textOf(ConfigureTypes.E_maxBathTemp) || qsTr("Bath temperature")
            hasSave: false
            TemperatureStepper {
                objectName: "limitsMaxBathTemperatureStepper"
                width: parent.width
                label: qsTr("Highest bath temperature a user can set")
                manager: configure_limits_max_bath_temperature_manager
                onChangeTemperatureValueRequested: (step) =>
                    page.limitsSender.changeTemperatureValueRequested(step)
            }
        }
    }

    Component {
        id: waterTemperaturePage
        LimitEditorPage {
            objectName: "limitsWaterTemperaturePage"
            // A steam product's entry calls the same limit its overheating limit.
            title: entries.textOf(ConfigureTypes.E_waterTempLimit) || qsTr("Water temperature")
            onSaved: page.limitsSender.waterTempLimitCommit()
            TemperatureStepper {
                objectName: "limitsWaterTemperatureStepper"
                width: parent.width
                manager: configure_limits_upper_water_temp_manager
                onChangeTemperatureValueRequested: (step) =>
                    page.senderNamed("configure_limits_upper_water_temp")
                        .changeTemperatureValueRequested(step)
            }
        }
    }

    Component {
        id: fillTimePage
        LimitEditorPage {
            objectName: "limitsFillTimePage"
            title: entries.textOf(ConfigureTypes.E_notAllowedStartUntil)
                   || qsTr("Max water fill time")
            onSaved: page.limitsSender.tankFillTimeCommit()
            DurationStepper {
                objectName: "limitsFillTimeStepper"
                width: parent.width
                manager: configure_limits_tank_fill_time_manager
                shownBy: page.senderNamed("tank_fill_time")
                components: [TimeEditTypes.E_minute, TimeEditTypes.E_second]
                onDurationChangeRequested: (component, direction) =>
                    page.senderNamed("tank_fill_time").durationChangeRequested(component,
                                                                               direction)
            }
        }
    }

    Component {
        id: overheatPage
        LimitEditorPage {
            objectName: "limitsOverheatPage"
            title: entries.textOf(ConfigureTypes.E_overheating) || qsTr("Overheating")
            onSaved: page.limitsSender.overheatLimitCommit()
            TemperatureStepper {
                objectName: "limitsPcbOverheatStepper"
                width: parent.width
                label: qsTr("Control board")
                manager: configure_limits_pcb_overheat_limit_manager
                onChangeTemperatureValueRequested: (step) =>
                    page.senderNamed("configure_limits_pcb_overheat_limit")
                        .changeTemperatureValueRequested(step)
            }
            // In the Solvenno mode the water temperature limit is set here.
            TemperatureStepper {
                objectName: "limitsOverheatWaterStepper"
                visible: page.limitsSender !== null
                         && page.limitsSender.systemMode === MasterFuncDescTypes.E_solvenno
                width: parent.width
                label: qsTr("Water")
                manager: configure_limits_upper_water_temp_manager
                onChangeTemperatureValueRequested: (step) =>
                    page.senderNamed("configure_limits_upper_water_temp_on_overview_menu")
                        .changeTemperatureValueRequested(step)
            }
        }
    }

    Component {
        id: notAllowedStartPage
        NotAllowedStartPage {
            sender: page.limitsSender
            fromSender: page.senderNamed("configueLimitsNotAllowedStartTimeFrom")
            untilSender: page.senderNamed("configueLimitsNotAllowedStartTimeUntil")
        }
    }
}
