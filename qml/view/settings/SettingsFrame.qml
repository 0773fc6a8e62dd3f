import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The settings tab: the list of settings areas, and a stack of pages above it. Every page is a
// generic list page over its screen's model; its selections go to the area's sender.
Item {
    id: frame

    property Item senders

    function openArea(area) {
        switch (area) {
        case "system":
            stack.push(listPage, { title: qsTr("System"), listModel: configure_system_selector_model })
                .rowSelected.connect(frame.senders.systems.itemSelected)
            break
        case "limits":
            stack.push(listPage, { title: qsTr("Limits"), listModel: configure_limits_selector_model })
                .rowSelected.connect(frame.senders.limits.itemSelected)
            break
        case "general":
            stack.push(listPage, { title: qsTr("General"), listModel: configure_general_selector_model })
                .rowSelected.connect(frame.senders.general.itemSelected)
            break
        case "dateTime":
            stack.push(listPage, { title: qsTr("Date and time"),
                                   listModel: configure_date_time_selector_model })
                .rowSelected.connect(frame.senders.dateTime.itemSelected)
            break
        case "advanced":
            stack.push(listPage, { title: qsTr("Advanced settings"),
                                   listModel: configure_advanced_settings_selector_model })
                .rowSelected.connect(frame.senders.advanced.itemSelected)
            break
        case "network": {
            const page = stack.push(listPage, { title: qsTr("Network"),
                                                listModel: configure_network_model1 })
            page.shownChanged.connect(frame.senders.network.networkViewVisibleChanged)
            page.rowSelected.connect(frame.senders.network.rowItemSelected)
            page.toggleTapped.connect(frame.senders.network.toggleChanged)
            page.buttonPressed.connect(frame.senders.network.buttonPressed)
            // The page was shown before the connection existed.
            frame.senders.network.networkViewVisibleChanged(true)
            break
        }
        }
    }

    StackView {
        id: stack
        objectName: "settingsStack"
        anchors.fill: parent
        initialItem: areaPage
    }

    Component {
        id: listPage
        SettingsListPage {}
    }

    Component {
        id: areaPage
        Item {
            PageHeader {
                id: header
                width: parent.width
                title: qsTr("Settings")
                backVisible: false
            }
            ListView {
                objectName: "settingsAreaList"
                anchors.top: header.bottom
                anchors.topMargin: Theme.spacing
                anchors.bottom: parent.bottom
                width: parent.width
                clip: true
                model: [
                    { area: "system", text: qsTr("System") },
                    { area: "limits", text: qsTr("Limits") },
                    { area: "general", text: qsTr("General") },
                    { area: "dateTime", text: qsTr("Date and time") },
                    { area: "advanced", text: qsTr("Advanced settings") },
                    { area: "network", text: qsTr("Network") }
                ]
                delegate: Rectangle {
                    required property var modelData
                    width: ListView.view.width
                    height: Theme.rowHeight
                    color: area.pressed ? Theme.surfacePressed : Theme.surface
                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: Theme.margin
                        anchors.rightMargin: Theme.margin
                        Text {
                            Layout.fillWidth: true
                            text: modelData.text
                            color: Theme.text
                            font.pixelSize: Theme.fontNormal
                        }
                        Text {
                            text: "›"
                            color: Theme.textFaint
                            font.pixelSize: Theme.fontLarge + 6
                        }
                    }
                    Rectangle {
                        anchors.bottom: parent.bottom
                        x: Theme.margin
                        width: parent.width - Theme.margin
                        height: 1
                        color: Theme.outline
                    }
                    MouseArea {
                        id: area
                        anchors.fill: parent
                        onClicked: frame.openArea(modelData.area)
                    }
                }
            }
        }
    }
}
