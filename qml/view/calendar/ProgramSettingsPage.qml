import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "../components"
import "../components/Theme.js" as Theme

// The settings of one calendar program (of a date or of a weekday). This item is the program
// settings view its program controller listens to; its editors carry the names the calendar id
// provider hands out. It is shown while the controller edits a program: the program's rows
// first, and from each row the editor of that setting. The controller's lists and slots take row
// numbers, so a tapped row's application id is turned back into its row before it is reported.
Rectangle {
    id: page

    property string title
    property QtObject controller
    property var settingsModel
    property var stopAfterModel
    property QtObject readyAtManager
    property QtObject temperatureManager
    property QtObject humidityManager
    property QtObject stopAfterManager
    property string readyAtName
    property string temperatureName
    property string humidityName
    property string stopAfterName

    // What is shown: "" (the program's rows), "start", "settings", "custom", "temperature",
    // "humidity" or "stopAfter".
    property string subPage: ""
    // The page the stop-after editor goes back to: the rows, or the custom settings.
    property string stopAfterParent: ""

    // Application ids of the rows of the settings model and of the custom settings model.
    readonly property int startRowId: 0
    readonly property int settingsRowId: 1
    readonly property int stopAfterRowId: 2
    readonly property int customTemperatureRowId: 0
    readonly property int customHumidityRowId: 1
    readonly property int customStopAfterRowId: 2
    // Application id of the "Custom" row of the favorite choice.
    readonly property int customChoiceId: -1

    signal rowItemSelected(int row)
    signal rowItemBtnSelected(int row)
    signal calendarProgramSettingsEditCancelRequested()
    // The header's back arrow on the program's rows: changes not saved are asked about first.
    signal calendarProgramSettingsEditBackRequested()
    signal calendarProgramSettingsEditDeleteRequested()
    signal calendarProgramSettingsEditSaveRequested()
    signal calendarFavoriteSelected(int favorite)
    signal calendarProgramSettingsCustomCommit()
    signal customRowItemSelected(int row)

    // The row of a list model that carries the application id, or -1.
    function rowOf(model, applId) {
        if (!model)
            return -1
        const rows = model.getNumberOfRows()
        for (let row = 0; row < rows; ++row) {
            if (model.getApplId(row) === applId)
                return row
        }
        return -1
    }

    function parentOf(name) {
        switch (name) {
        case "custom": return "settings"
        case "temperature":
        case "humidity": return "custom"
        case "stopAfter": return page.stopAfterParent
        default: return ""
        }
    }

    // The custom editors hold the program's values again: a step not set is dropped, so that
    // the list shows, and "Use custom settings" uses, what the program holds.
    function reloadCustomEditors() {
        page.customRowItemSelected(rowOf(page.stopAfterModel, page.customTemperatureRowId))
        page.customRowItemSelected(rowOf(page.stopAfterModel, page.customHumidityRowId))
    }

    function goBack() {
        if (page.subPage === "temperature" || page.subPage === "humidity")
            reloadCustomEditors()
        if (page.subPage.length > 0)
            page.subPage = parentOf(page.subPage)
        else
            page.calendarProgramSettingsEditBackRequested()
    }

    function openRow(applId) {
        page.rowItemSelected(rowOf(page.settingsModel, applId))
        if (applId === page.startRowId) {
            page.subPage = "start"
        } else if (applId === page.settingsRowId) {
            page.subPage = "settings"
        } else if (applId === page.stopAfterRowId) {
            page.stopAfterParent = ""
            page.subPage = "stopAfter"
        }
    }

    function chooseFavorite(applId) {
        page.calendarFavoriteSelected(rowOf(calendar_program_settings_select_favorite_model,
                                            applId))
        if (applId !== page.customChoiceId) {
            page.subPage = ""
            return
        }
        // The custom editors start from the program's values.
        reloadCustomEditors()
        page.subPage = "custom"
    }

    function openCustomRow(applId) {
        page.customRowItemSelected(rowOf(page.stopAfterModel, applId))
        if (applId === page.customTemperatureRowId) {
            page.subPage = "temperature"
        } else if (applId === page.customHumidityRowId) {
            page.subPage = "humidity"
        } else if (applId === page.customStopAfterRowId) {
            page.stopAfterParent = "custom"
            page.subPage = "stopAfter"
        }
    }

    function subPageTitle() {
        switch (page.subPage) {
        case "start":
            return page.controller && !page.controller.readyAtMode ? qsTr("Start at")
                                                                   : qsTr("Ready at")
        case "settings": return qsTr("Settings")
        case "custom": return qsTr("Custom settings")
        case "temperature": return qsTr("Temperature")
        case "humidity": return qsTr("Humidity")
        case "stopAfter": return qsTr("Stop after")
        default: {
            // The program's day or date names it; the kind of program stands in without one.
            const named = page.controller ? page.controller.programTitle : ""
            return named.length > 0 ? named : page.title
        }
        }
    }

    color: Theme.background
    visible: page.controller ? page.controller.editing : false
    onVisibleChanged: {
        if (visible)
            page.subPage = ""
    }

    MouseArea { anchors.fill: parent }

    PageHeader {
        id: header
        objectName: "programSettingsHeader"
        width: parent.width
        title: page.subPageTitle()
        onBackRequested: page.goBack()
    }

    // The rows and the editors join the window only while a program is edited (their parent
    // item is null otherwise; they and their object names are there from the start), so that the
    // window builds no render nodes for them while the page is not shown.
    Item {
        id: body
        parent: page.controller && page.controller.editing ? page : null
        x: Theme.margin
        y: header.height + Theme.margin
        width: page.width - 2 * Theme.margin
        height: page.height - header.height - 2 * Theme.margin

        // The program's rows and the buttons that end the edit.
        Item {
            anchors.fill: parent
            visible: page.subPage === ""

            GenericListView {
                objectName: "programSettingsList"
                anchors.top: parent.top
                anchors.bottom: buttons.top
                anchors.bottomMargin: Theme.spacing
                width: parent.width
                model: page.settingsModel
                onRowSelected: (applId) => page.openRow(applId)
            }

            RowLayout {
                id: buttons
                anchors.bottom: parent.bottom
                width: parent.width
                spacing: Theme.spacing

                PanelButton {
                    objectName: "programDeleteButton"
                    Layout.fillWidth: true
                    implicitWidth: 60
                    text: qsTr("Delete")
                    textColor: Theme.danger
                    onClicked: page.calendarProgramSettingsEditDeleteRequested()
                }
                PanelButton {
                    objectName: "programCancelButton"
                    Layout.fillWidth: true
                    implicitWidth: 60
                    text: qsTr("Cancel")
                    onClicked: page.calendarProgramSettingsEditCancelRequested()
                }
                PanelButton {
                    objectName: "programSaveButton"
                    Layout.fillWidth: true
                    implicitWidth: 60
                    text: qsTr("Save")
                    highlighted: true
                    // Not while the stop time reads "--": the sauna takes none such.
                    enabled: page.controller ? page.controller.savable : false
                    onClicked: page.calendarProgramSettingsEditSaveRequested()
                }
            }
        }

        // The start time, and whether it is the time the sauna starts or is ready.
        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            visible: page.subPage === "start"
            spacing: Theme.spacing

            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing
                PanelButton {
                    objectName: "programReadyAtModeButton"
                    Layout.fillWidth: true
                    implicitWidth: 60
                    text: qsTr("Ready at")
                    highlighted: page.controller ? page.controller.readyAtMode : false
                    onClicked: {
                        if (!highlighted)
                            page.rowItemBtnSelected(page.rowOf(page.settingsModel,
                                                               page.startRowId))
                    }
                }
                PanelButton {
                    objectName: "programStartAtModeButton"
                    Layout.fillWidth: true
                    implicitWidth: 60
                    text: qsTr("Start at")
                    highlighted: page.controller ? !page.controller.readyAtMode : false
                    onClicked: {
                        if (!highlighted)
                            page.rowItemBtnSelected(page.rowOf(page.settingsModel,
                                                               page.startRowId))
                    }
                }
            }
            TimeStepper {
                id: readyAt
                objectName: page.readyAtName
                Layout.fillWidth: true
                manager: page.readyAtManager

                signal activationTimeCommit()

                onTimeChangeRequested: (component, direction) => page.readyAtManager.onTimeChangeRequested(component, direction)
            }
            PanelButton {
                objectName: "programSetTimeButton"
                Layout.fillWidth: true
                text: page.controller && !page.controller.readyAtMode ? qsTr("Set start time")
                                                                       : qsTr("Set ready time")
                highlighted: true
                onClicked: {
                    readyAt.activationTimeCommit()
                    page.subPage = ""
                }
            }
        }

        // A favorite's settings, or the program's own.
        GenericListView {
            objectName: "programFavoriteList"
            anchors.fill: parent
            visible: page.subPage === "settings"
            model: calendar_program_settings_select_favorite_model
            onRowSelected: (applId) => page.chooseFavorite(applId)
        }

        // The program's own settings, each row leading to its editor.
        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            visible: page.subPage === "custom"
            spacing: Theme.spacing

            GenericListView {
                objectName: "programCustomList"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                interactive: false
                model: page.stopAfterModel
                onRowSelected: (applId) => page.openCustomRow(applId)
            }
            PanelButton {
                objectName: "programUseCustomButton"
                Layout.fillWidth: true
                text: qsTr("Use custom settings")
                highlighted: true
                onClicked: {
                    page.calendarProgramSettingsCustomCommit()
                    page.subPage = ""
                }
            }
        }

        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            visible: page.subPage === "temperature"
            spacing: Theme.spacing

            TemperatureStepper {
                objectName: page.temperatureName
                Layout.fillWidth: true
                label: qsTr("Temperature")
                manager: page.temperatureManager
            }
            PanelButton {
                objectName: "programSetTemperatureButton"
                Layout.fillWidth: true
                text: qsTr("Set temperature")
                highlighted: true
                onClicked: {
                    page.calendarProgramSettingsCustomCommit()
                    page.subPage = "custom"
                }
            }
        }

        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            visible: page.subPage === "humidity"
            spacing: Theme.spacing

            HumidityStepper {
                objectName: page.humidityName
                Layout.fillWidth: true
                label: qsTr("Humidity")
                manager: page.humidityManager
            }
            PanelButton {
                objectName: "programSetHumidityButton"
                Layout.fillWidth: true
                text: qsTr("Set humidity")
                highlighted: true
                onClicked: {
                    page.calendarProgramSettingsCustomCommit()
                    page.subPage = "custom"
                }
            }
        }

        ColumnLayout {
            anchors.left: parent.left
            anchors.right: parent.right
            visible: page.subPage === "stopAfter"
            spacing: Theme.spacing

            DurationStepper {
                id: stopAfter
                objectName: page.stopAfterName
                Layout.fillWidth: true
                manager: page.stopAfterManager
                components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]

                signal stopAfterCommit()

                onDurationChangeRequested: (component, direction) => page.stopAfterManager.onDurationChangeRequested(component, direction)
            }
            PanelButton {
                objectName: "programSetStopTimeButton"
                Layout.fillWidth: true
                text: qsTr("Set stop time")
                highlighted: true
                onClicked: {
                    stopAfter.stopAfterCommit()
                    page.subPage = page.stopAfterParent
                }
            }
        }
    }
}
