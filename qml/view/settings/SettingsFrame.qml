import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "../components"
import "../components/Theme.js" as Theme
import "datetime"
import "general"
import "advanced"
import "network"
import "system"

// The settings tab: the list of settings areas, and a stack of pages above it. System, General
// and Network have screens of their own; the other areas are generic list pages over their screen's model,
// whose selections go to the area's sender.
Item {
    id: frame

    property Item senders

    function openArea(area) {
        switch (area) {
        case "system":
            stack.push(systemMenuPage)
            break
        case "limits":
            // By its file, so the Limits pages are compiled only when first opened.
            stack.push(Qt.resolvedUrl("limits/LimitsMenuPage.qml"), { senders: frame.senders })
                .backRequested.connect(() => stack.pop())
            break
        case "general":
            stack.push(generalMenuPage)
            break
        case "dateTime":
            stack.push(dateTimeMenuPage)
            break
        case "advanced":
            stack.push(advancedPage)
            break
        case "network":
            stack.push(networkScreen)
            break
        }
    }

    // A page of the System menu other than Network, by the id the program answered a tap with.
    // Only the ids in systemPages have a page in this scene; the menu stays for the others.
    property var systemPages: ({})

    function openSystemPage(id) {
        const page = systemPages[id]
        if (page)
            stack.push(page, { senders: frame.senders })
    }

    // The System menu's pages, by the id the program answers a row with.
    Component.onCompleted: {
        systemPages[ConfigureTypes.E_tankAutoEmptying] = tankAutoEmptyingPage
        systemPages[ConfigureTypes.E_cleanup] = cleanupPage
        // The auxiliary relay options.
        systemPages[ConfigureTypes.E_optionsAux] = auxRelaysPage
        // Bath type priority, pause timer, filter, IR and facility type.
        systemPages[ConfigureTypes.E_bathTypePriority] = bathPriorityPage
        systemPages[ConfigureTypes.E_resetPauseTimer] = pauseTimerPage
        systemPages[ConfigureTypes.E_filter] = filterPage
        systemPages[ConfigureTypes.E_irEnable] = irPage
        systemPages[ConfigureTypes.E_facilityType] = facilityTypePage
        // Status and error log.
        systemPages[ConfigureTypes.E_status] = statusPage
        systemPages[ConfigureTypes.E_errorLog] = errorLogPage
    }

    Component {
        id: auxRelaysPage
        AuxRelaysPage {}
    }

    Component {
        id: tankAutoEmptyingPage
        TankAutoEmptyingPage {}
    }

    Component {
        id: cleanupPage
        CleanupPage {}
    }

    Component {
        id: statusPage
        StatusPage {}
    }

    Component {
        id: errorLogPage
        ErrorLogPage {}
    }

    Component {
        id: bathPriorityPage
        BathPriorityPage {}
    }

    Component {
        id: pauseTimerPage
        PauseTimerPage {}
    }

    Component {
        id: filterPage
        FilterPage {}
    }

    Component {
        id: irPage
        IrPage {}
    }

    Component {
        id: facilityTypePage
        FacilityTypePage {}
    }

    // Whether the connected sauna system has any advanced setting; the menu tells each change.
    property bool advancedApplicable:
        typeof configure_advanced_settings_selector_model !== "undefined"
        && configure_advanced_settings_selector_model.getNumberOfRows() > 0

    Connections {
        target: typeof configure_advanced_settings_view_controller !== "undefined"
                ? configure_advanced_settings_view_controller : null
        ignoreUnknownSignals: true
        function onAdvancedSettingsApplicableChanged(applicable) {
            frame.advancedApplicable = applicable
        }
    }

    Component {
        id: advancedPage
        AdvancedSettingsPage {
            senders: frame.senders
            onBackRequested: stack.pop()
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
        id: systemMenuPage
        SystemMenuPage {
            systemsSender: frame.senders.systems
            networkSender: frame.senders.network
            onBackRequested: stack.pop()
            onOpenRequested: (id) => frame.openSystemPage(id)
        }
    }

    Component {
        id: generalMenuPage
        GeneralMenuPage {
            senders: frame.senders
            onBackRequested: stack.pop()
        }
    }

    Component {
        id: dateTimeMenuPage
        DateTimeMenuPage {
            senders: frame.senders
            onBackRequested: stack.pop()
        }
    }

    Component {
        id: networkScreen
        NetworkScreen {
            sender: frame.senders.network
            onCloseRequested: stack.pop()
        }
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
                id: areaList
                objectName: "settingsAreaList"
                anchors.top: header.bottom
                anchors.topMargin: Theme.spacing
                anchors.bottom: parent.bottom
                width: parent.width
                clip: true
                boundsBehavior: Flickable.StopAtBounds
                ScrollBar.vertical: PageScrollBar {}

                RowWheelHandler {
                    flickable: areaList
                }

                // An area whose program-side model is not published has nothing to show yet.
                model: [
                    { area: "system", text: qsTr("System"),
                      offered: typeof configure_system_selector_model !== "undefined" },
                    { area: "limits", text: qsTr("Limits"),
                      offered: typeof configure_limits_selector_model !== "undefined" },
                    { area: "general", text: qsTr("General"),
                      offered: typeof configure_general_selector_model !== "undefined" },
                    { area: "dateTime", text: qsTr("Date and time"),
                      offered: typeof configure_date_time_selector_model !== "undefined" },
                    { area: "advanced", text: qsTr("Advanced settings"),
                      offered: frame.advancedApplicable },
                    { area: "network", text: qsTr("Network"),
                      offered: typeof configure_network_controller !== "undefined" }
                ].filter((entry) => entry.offered)
                delegate: Rectangle {
                    required property var modelData
                    objectName: "settingsArea_" + modelData.area
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
