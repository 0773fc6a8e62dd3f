import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The main screen: power, room temperature, targets, bath time, lights, the tanks' water levels
// and the quick relays.
// Without a connected sauna it says so, shows no values and its controls are disabled.
Item {
    id: page

    property QtObject status
    readonly property bool connected: status.connected
    // The items the controllers listen to, for the lock screen's own switches.
    readonly property Item powerSwitch: powerSwitchItem
    readonly property Item auxRelayList: auxRelayListItem

    PageFlickable {
        objectName: "mainScreenFlickable"
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.spacing

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.spacing
            width: parent.width - 2 * Theme.margin
            spacing: Theme.spacing

            NotConnectedNotice {
                objectName: "notConnectedNotice"
                Layout.fillWidth: true
                visible: !page.connected
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing

                TemperatureDial {
                    status: page.status
                }
                ColumnLayout {
                    Layout.fillWidth: true
                    spacing: Theme.spacing

                    PowerSwitch {
                        id: powerSwitchItem
                        objectName: "power_switch_tab"
                        Layout.alignment: Qt.AlignHCenter
                        enabled: page.connected
                        saunaState: page.status.saunaState
                        stateText: page.status.saunaStateText
                    }
                    Text {
                        objectName: "measuredHumidityText"
                        // Beside the dial there is room for a short caption only: a longer one
                        // wraps above its value.
                        Layout.fillWidth: true
                        horizontalAlignment: Text.AlignHCenter
                        wrapMode: Text.Wrap
                        text: page.status.hasMeasuredHumidity
                              ? qsTr("Humidity %1").arg(page.status.measuredHumidity + "\u00a0"
                                                        + page.status.humidityUnitText)
                              : qsTr("Humidity --")
                        textFormat: Text.PlainText
                        color: Theme.water
                        font.pixelSize: Theme.fontSmall
                    }
                }
            }

            TemperatureStepper {
                objectName: "temperature_data_provider_tab2_normal"
                Layout.fillWidth: true
                label: qsTr("Target temperature")
                labelBetweenButtons: true
                manager: target_temperature_manager
                enabled: page.connected
                hasValue: page.connected
            }
            HumidityStepper {
                objectName: "humidity_data_provider_tab2_normal"
                Layout.fillWidth: true
                // A dry or infrared sauna has no humidity to set.
                visible: page.status.humiditySupported
                label: qsTr("Target humidity")
                labelBetweenButtons: true
                manager: target_humidity_manager
                enabled: page.connected
                hasValue: page.connected
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing

                StatusTile {
                    objectName: "bathTimeTile"
                    Layout.fillWidth: true
                    caption: page.status.showsTimeLeft ? qsTr("Time left") : qsTr("Bath time")
                    enabled: page.connected
                    value: page.status.bathTimeText
                    onClicked: heaterSettings.open()
                }
                LightsTile {
                    objectName: "lights_switch_tab_2"
                    Layout.fillWidth: true
                    enabled: page.connected
                    hasValue: page.connected
                    lightsOn: page.status.lightsOn
                }
                StatusTile {
                    objectName: "fanTile"
                    Layout.fillWidth: true
                    caption: qsTr("Fan")
                    enabled: page.connected
                    value: !page.connected ? "--" : page.status.fanRunning ? qsTr("On") : qsTr("Off")
                    // Without a sauna the tile shows no state, so it is not lit as running either.
                    valueColor: page.connected && page.status.fanRunning ? Theme.accent
                                                                         : Theme.textDim
                    active: page.connected && page.status.fanRunning
                    onClicked: heaterSettings.open()
                }
            }

            TankLevels {
                objectName: "tankLevels"
                Layout.fillWidth: true
                // A dry or infrared sauna has no tank; without a sauna there is no level to show.
                visible: tanks.length > 0
                tanks: page.status.tanks
            }

            GenericListView {
                id: auxRelayListItem
                objectName: "heaterSettingsAuxRelaysOverview"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                // The relays' states are values too: without a sauna there are none to show.
                visible: count > 0 && page.connected
                interactive: false
                model: settings_auxiliary_relays_overview_model

                signal auxRelayActivatedChanged(int relay, bool shownState)

                onToggleTapped: (applId, shownState) => auxRelayActivatedChanged(applId, shownState)
            }
        }
    }

    HeaterSettingsPage {
        id: heaterSettings
        objectName: "heaterSettingsModel"
        anchors.fill: parent
        status: page.status
    }
}
