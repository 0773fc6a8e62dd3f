import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The main screen: power, room temperature, targets, bath time, lights and the quick relays.
Item {
    id: page

    property QtObject status

    Flickable {
        anchors.fill: parent
        contentHeight: column.implicitHeight + 2 * Theme.spacing
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.spacing
            width: parent.width - 2 * Theme.margin
            spacing: Theme.spacing

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
                        objectName: "power_switch_tab"
                        Layout.alignment: Qt.AlignHCenter
                        saunaState: page.status.saunaState
                        stateText: page.status.saunaStateText
                    }
                    Text {
                        objectName: "measuredHumidityText"
                        Layout.alignment: Qt.AlignHCenter
                        text: page.status.hasMeasuredHumidity
                              ? qsTr("Humidity %1").arg(page.status.measuredHumidity + " "
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
                manager: target_temperature_manager
            }
            HumidityStepper {
                objectName: "humidity_data_provider_tab2_normal"
                Layout.fillWidth: true
                label: qsTr("Target humidity")
                manager: target_humidity_manager
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing

                StatusTile {
                    objectName: "bathTimeTile"
                    Layout.fillWidth: true
                    caption: qsTr("Bath time")
                    value: page.status.bathTimeHours + ":" + page.status.bathTimeMinutes
                    onClicked: heaterSettings.open()
                }
                LightsTile {
                    objectName: "lights_switch_tab_2"
                    Layout.fillWidth: true
                    lightsOn: page.status.lightsOn
                }
                StatusTile {
                    Layout.fillWidth: true
                    caption: qsTr("Fan")
                    value: page.status.fanRunning ? qsTr("On") : qsTr("Off")
                    valueColor: page.status.fanRunning ? Theme.accent : Theme.textDim
                    active: page.status.fanRunning
                    onClicked: heaterSettings.open()
                }
            }

            GenericListView {
                objectName: "heaterSettingsAuxRelaysOverview"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                visible: count > 0
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
