import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The main screen while the panel is locked: the measured temperature, and only the controls the
// user chose on the PIN screen for the lock screen (power, target temperature, target humidity,
// lights and auxiliary relays).
Rectangle {
    id: page

    property QtObject status
    // The main screen's power switch and relay list: the items the controllers listen to. The
    // lock screen's own switches speak through them.
    property Item powerSender
    property Item auxRelaySender
    // The controls chosen on the PIN screen, as it last published them.
    readonly property QtObject choices: QtObject {
        property bool powerOnLockScreen: false
        property bool temperatureOnLockScreen: false
        property bool humidityOnLockScreen: false
        property bool lightingOnLockScreen: false
    }

    Connections {
        target: configure_general_pin_view_controller
        function onPowerVisibleOnLockedScreenChanged(visible) {
            page.choices.powerOnLockScreen = visible
        }
        function onTemperatureVisibleOnLockedScreenChanged(visible) {
            page.choices.temperatureOnLockScreen = visible
        }
        function onHumidityVisibleOnLockedScreenChanged(visible) {
            page.choices.humidityOnLockScreen = visible
        }
        function onLightningVisibleOnLockedScreenChanged(visible) {
            page.choices.lightingOnLockScreen = visible
        }
    }

    signal unlockRequested()

    color: Theme.background

    // Keeps touches away from the screen below.
    MouseArea { anchors.fill: parent }

    // Every control chosen is more than the window holds: they scroll above the Unlock button,
    // which stays in sight.
    PageFlickable {
        id: controls
        anchors.top: parent.top
        anchors.bottom: unlockButton.top
        anchors.bottomMargin: Theme.spacing
        width: parent.width
        contentHeight: column.implicitHeight + 2 * Theme.margin

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: controls.width - 2 * Theme.margin
            spacing: Theme.spacing

            NotConnectedNotice {
                Layout.fillWidth: true
                visible: !page.status.connected
            }
            RowLayout {
                Layout.alignment: Qt.AlignHCenter
                spacing: Theme.spacing
                TemperatureDial {
                    status: page.status
                }
                PowerSwitch {
                    objectName: "lockedPowerSwitch"
                    visible: page.choices.powerOnLockScreen
                    enabled: page.status.connected
                    saunaState: page.status.saunaState
                    stateText: page.status.saunaStateText
                    onSaunaStateChangeRequested: (state) => {
                        if (page.powerSender)
                            page.powerSender.saunaStateChangeRequested(state)
                    }
                    onSaunaRenewBathTime: {
                        if (page.powerSender)
                            page.powerSender.saunaRenewBathTime()
                    }
                    onVibrationRequested: {
                        if (page.powerSender)
                            page.powerSender.vibrationRequested()
                    }
                }
            }
            TemperatureStepper {
                objectName: "temperature_data_provider_tab2_locked"
                Layout.fillWidth: true
                visible: page.choices.temperatureOnLockScreen
                label: qsTr("Target temperature")
                manager: target_temperature_manager
                enabled: page.status.connected
                hasValue: page.status.connected
            }
            HumidityStepper {
                objectName: "humidity_data_provider_tab2_locked"
                Layout.fillWidth: true
                // Chosen for the lock screen, and offered only where the sauna controls humidity.
                visible: page.choices.humidityOnLockScreen && page.status.humiditySupported
                label: qsTr("Target humidity")
                manager: target_humidity_manager
                enabled: page.status.connected
                hasValue: page.status.connected
            }
            LightsTile {
                objectName: "lights_switch_tab_tab2_locked"
                Layout.fillWidth: true
                visible: page.choices.lightingOnLockScreen
                enabled: page.status.connected
                hasValue: page.status.connected
                lightsOn: page.status.lightsOn
            }
            // The relays chosen for the lock screen, as the peripheral controller lists them.
            GenericListView {
                objectName: "lockedAuxRelays"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                visible: count > 0 && page.status.connected
                interactive: false
                model: settings_auxiliary_relays_overview_model
                onToggleTapped: (applId, shownState) => {
                    if (page.auxRelaySender)
                        page.auxRelaySender.auxRelayActivatedChanged(applId, shownState)
                }
            }
        }
    }

    PanelButton {
        id: unlockButton
        objectName: "unlockButton"
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: Theme.margin
        text: qsTr("Unlock")
        onClicked: page.unlockRequested()
    }
}
