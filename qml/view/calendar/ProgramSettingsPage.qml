import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The settings of one calendar program (of a date or of a weekday). This item is the program
// settings view its program controller listens to; its editors carry the names the calendar id
// provider hands out.
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

    signal rowItemSelected(int row)
    signal rowItemBtnSelected(int row)
    signal calendarProgramSettingsEditCancelRequested()
    signal calendarProgramSettingsEditDeleteRequested()
    signal calendarProgramSettingsEditSaveRequested()
    signal calendarFavoriteSelected(int favorite)
    signal calendarProgramSettingsCustomCommit()
    signal customRowItemSelected(int row)

    color: Theme.background
    visible: false

    MouseArea { anchors.fill: parent }

    Connections {
        target: page.controller
        function onCalendarProgramEditCompleted() { page.visible = false }
    }

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: {
            page.visible = false
            page.calendarProgramSettingsEditCancelRequested()
        }
    }

    Flickable {
        anchors.top: header.bottom
        anchors.bottom: buttons.top
        width: parent.width
        contentHeight: column.implicitHeight + 2 * Theme.margin
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        ColumnLayout {
            id: column
            x: Theme.margin
            y: Theme.margin
            width: parent.width - 2 * Theme.margin
            spacing: Theme.spacing

            GenericListView {
                objectName: "programSettingsList"
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                interactive: false
                model: page.settingsModel
                onRowSelected: (applId) => page.rowItemSelected(applId)
                onToggleTapped: (applId, shownState) => page.rowItemSelected(applId)
                onButtonPressed: (applId) => page.rowItemBtnSelected(applId)
            }

            Text {
                text: qsTr("Favorite")
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
            GenericListView {
                Layout.fillWidth: true
                Layout.preferredHeight: Math.max(contentHeight, Theme.rowHeight)
                interactive: false
                model: calendar_program_settings_select_favorite_model
                onRowSelected: (applId) => page.calendarFavoriteSelected(applId)
            }

            TimeStepper {
                id: readyAt
                objectName: page.readyAtName
                Layout.fillWidth: true
                label: qsTr("Ready at")
                manager: page.readyAtManager

                signal activationTimeCommit()

                onTimeChangeRequested: (component, direction) => page.readyAtManager.onTimeChangeRequested(component, direction)
            }
            PanelButton {
                Layout.fillWidth: true
                text: qsTr("Set ready time")
                onClicked: readyAt.activationTimeCommit()
            }

            Text {
                text: qsTr("Custom settings")
                color: Theme.accent
                font.pixelSize: Theme.fontNormal
                font.bold: true
            }
            TemperatureStepper {
                objectName: page.temperatureName
                Layout.fillWidth: true
                label: qsTr("Temperature")
                manager: page.temperatureManager
            }
            HumidityStepper {
                objectName: page.humidityName
                Layout.fillWidth: true
                label: qsTr("Humidity")
                manager: page.humidityManager
            }
            GenericListView {
                Layout.fillWidth: true
                Layout.preferredHeight: contentHeight
                visible: count > 0
                interactive: false
                model: page.stopAfterModel
                onRowSelected: (applId) => page.customRowItemSelected(applId)
                onToggleTapped: (applId, shownState) => page.customRowItemSelected(applId)
            }
            DurationStepper {
                id: stopAfter
                objectName: page.stopAfterName
                Layout.fillWidth: true
                label: qsTr("Stop after")
                manager: page.stopAfterManager

                signal stopAfterCommit()

                onDurationChangeRequested: (component, direction) => page.stopAfterManager.onDurationChangeRequested(component, direction)
            }
            PanelButton {
                Layout.fillWidth: true
                text: qsTr("Set stop time")
                onClicked: stopAfter.stopAfterCommit()
            }
            PanelButton {
                Layout.fillWidth: true
                text: qsTr("Use custom settings")
                highlighted: true
                onClicked: page.calendarProgramSettingsCustomCommit()
            }
        }
    }

    RowLayout {
        id: buttons
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Theme.margin
        spacing: Theme.spacing

        PanelButton {
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Delete")
            textColor: Theme.danger
            onClicked: page.calendarProgramSettingsEditDeleteRequested()
        }
        PanelButton {
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Cancel")
            onClicked: {
                page.visible = false
                page.calendarProgramSettingsEditCancelRequested()
            }
        }
        PanelButton {
            Layout.fillWidth: true
            implicitWidth: 60
            text: qsTr("Save")
            highlighted: true
            onClicked: page.calendarProgramSettingsEditSaveRequested()
        }
    }
}
