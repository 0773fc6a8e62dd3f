import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The main screen while the panel is locked: temperature, humidity and lights only.
Rectangle {
    id: page

    property QtObject status

    signal unlockRequested()

    color: Theme.background

    // Keeps touches away from the screen below.
    MouseArea { anchors.fill: parent }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        NotConnectedNotice {
            Layout.fillWidth: true
            visible: !page.status.connected
        }
        TemperatureDial {
            Layout.alignment: Qt.AlignHCenter
            status: page.status
        }
        TemperatureStepper {
            objectName: "temperature_data_provider_tab2_locked"
            Layout.fillWidth: true
            label: qsTr("Target temperature")
            manager: target_temperature_manager
            enabled: page.status.connected
            hasValue: page.status.connected
        }
        HumidityStepper {
            objectName: "humidity_data_provider_tab2_locked"
            Layout.fillWidth: true
            label: qsTr("Target humidity")
            manager: target_humidity_manager
            enabled: page.status.connected
            hasValue: page.status.connected
        }
        LightsTile {
            objectName: "lights_switch_tab_tab2_locked"
            Layout.fillWidth: true
            enabled: page.status.connected
            hasValue: page.status.connected
            lightsOn: page.status.lightsOn
        }
        Item { Layout.fillHeight: true }
        PanelButton {
            Layout.fillWidth: true
            text: qsTr("Unlock")
            onClicked: page.unlockRequested()
        }
    }
}
