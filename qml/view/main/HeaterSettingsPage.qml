import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "../components"
import "../components/Theme.js" as Theme
import "../settings"

// Bath time, fan and auxiliary relays of the heater. Opening the page starts a bath time edit;
// the save button commits it, and the back arrow drops it, so the bath time shown goes back to
// what the sauna last reported. Like a settings page it shows none of a former sauna's values:
// while no sauna is connected only the line that says so stands.
Rectangle {
    id: page

    property QtObject status

    signal settingsBathTimeEditActivated()
    signal settingsBathTimeCommit()
    signal settingsBathTimeEditCancelled()
    signal closeRequested()

    function open() {
        visible = true
        settingsBathTimeEditActivated()
    }

    color: Theme.background
    visible: false

    // Keeps touches away from the page below.
    MouseArea { anchors.fill: parent }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Heater settings")
        onBackRequested: {
            page.settingsBathTimeEditCancelled()
            page.visible = false
            page.closeRequested()
        }
    }

    PageFlickable {
        anchors.top: header.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        contentHeight: saunaArea.implicitHeight + 2 * Theme.margin

        SaunaValuesArea {
            id: saunaArea
            x: Theme.margin
            y: Theme.margin
            width: parent.width - 2 * Theme.margin
            noticeInset: 0

            ColumnLayout {
                id: column
                width: parent.width
                spacing: Theme.spacing

                DurationStepper {
                    id: bathTime
                    objectName: "bath_time_tab_2"
                    Layout.fillWidth: true
                    label: qsTr("Bath time")
                    manager: sauna_state_bath_time_manager
                    components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
                    // Held until the sauna has told how long a bath may be.
                    enabled: sauna_state_controller.bathTimeLimitKnown
                }
                PanelButton {
                    objectName: "bathTimeSaveButton"
                    Layout.fillWidth: true
                    text: qsTr("Save bath time")
                    highlighted: true
                    // Without a bath time there is nothing to save.
                    enabled: sauna_state_controller.bathTimeLimitKnown && bathTime.holdsValue
                    onClicked: page.settingsBathTimeCommit()
                }

                Text {
                    Layout.topMargin: Theme.spacing
                    text: qsTr("Fan")
                    color: Theme.accent
                    font.pixelSize: Theme.fontNormal
                    font.bold: true
                }
                SwitchRow {
                    objectName: "fan_running_switch"
                    Layout.fillWidth: true
                    text: qsTr("Fan running")
                    checked: page.status ? page.status.fanRunning : false

                    signal fanRunningChangeRequested()

                    onTapped: fanRunningChangeRequested()
                }
                SwitchRow {
                    objectName: "fan_automatic_toggle_switch"
                    Layout.fillWidth: true
                    text: qsTr("Automatic fan")
                    detail: qsTr("Runs with the heater")
                    checked: page.status ? page.status.fanAutomatic : false

                    signal fanAutomaticChangeRequested()

                    onTapped: fanAutomaticChangeRequested()
                }

                Text {
                    Layout.topMargin: Theme.spacing
                    text: qsTr("Auxiliary relays")
                    color: Theme.accent
                    font.pixelSize: Theme.fontNormal
                    font.bold: true
                }
                GenericListView {
                    objectName: "heaterSettingsAuxRelays"
                    Layout.fillWidth: true
                    Layout.preferredHeight: Math.max(contentHeight, Theme.rowHeight)
                    interactive: false
                    model: settings_auxiliary_relays_model

                    signal auxRelayActivatedChanged(int relay, bool shownState)

                    onToggleTapped: (applId, shownState) => auxRelayActivatedChanged(applId, shownState)
                }
            }
        }
    }
}
