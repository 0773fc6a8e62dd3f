import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// Standby (Warm Start): the switch and the two temperatures are edited here and sent together
// with Save. Which temperatures apply comes from the program: the room's reduction on saunas,
// the tank's standby temperature on systems with a water temperature, neither while standby is
// off.
Item {
    id: page
    objectName: "standbyPage"

    property Item senders
    property string title
    property bool reductionApplicable: false
    property bool waterTemperatureApplicable: false
    // Whether Save has a switch state to send; none until the sauna reports one or the user sets
    // the switch.
    property bool savable: false

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.advanced.standbyViewVisibleChanged(shownInStack)

    Connections {
        target: configure_advanced_settings_standby_view_controller
        function onStandbyTemperatureApplicableChanged(applicable) {
            page.reductionApplicable = applicable
        }
        function onStandbyWaterTemperatureApplicableChanged(applicable) {
            page.waterTemperatureApplicable = applicable
        }
        function onStandbyViewTitleChanged(title) { page.title = title }
        function onStandbySavableChanged(savable) { page.savable = savable }
    }

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width

        PageFlickable {
            anchors.fill: parent
            contentHeight: column.implicitHeight + Theme.margin

            ColumnLayout {
                id: column
                x: Theme.margin
                width: parent.width - 2 * Theme.margin
                spacing: Theme.spacing

                // The switch row: its label (value) and the state being edited (value2). The
                // model's rows are made anew as the page opens: a positioner, not the layout,
                // holds them.
                Column {
                    Layout.fillWidth: true
                    visible: standbyRows.count > 0
                    spacing: Theme.spacing
                    Repeater {
                        id: standbyRows
                        model: configure_advanced_settings_standby_model
                        delegate: SwitchRow {
                            required property var model
                            required property int index
                            objectName: "standbyToggle"
                            width: parent.width
                            text: model.value ?? ""
                            checked: model.value2 === true
                            onTapped: (shownState) => page.senders.advanced.toggleChanged(
                                configure_advanced_settings_standby_model.getApplId(index),
                                shownState)
                        }
                    }
                }
                TemperatureStepper {
                    objectName: "standbyReductionStepper"
                    Layout.fillWidth: true
                    visible: page.reductionApplicable
                    label: qsTr("Temperature reduction")
                    manager: configure_advanced_settings_temperature_reduction_manager
                    onChangeTemperatureValueRequested: (step) =>
                        page.senders.standbyReduction.changeTemperatureValueRequested(step)
                }
                TemperatureStepper {
                    objectName: "standbyWaterTemperatureStepper"
                    Layout.fillWidth: true
                    visible: page.waterTemperatureApplicable
                    label: qsTr("Tank standby temperature")
                    manager: configure_advanced_settings_water_temperature_manager
                    onChangeTemperatureValueRequested: (step) =>
                        page.senders.standbyWaterTemperature.changeTemperatureValueRequested(step)
                }
                PanelButton {
                    objectName: "standbySaveButton"
                    Layout.fillWidth: true
                    text: qsTr("Save")
                    highlighted: true
                    enabled: page.savable
                    // The switch row's id; the page shows the reported values when it is opened
                    // again.
                    onClicked: {
                        page.senders.advanced.commitValue(0)
                        page.StackView.view.pop()
                    }
                }
            }
        }
    }
}
