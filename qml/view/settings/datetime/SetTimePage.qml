import QtQuick
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The editor of the sauna's clock. The steppers move the editor's time; "Save" sends it to the
// sauna on the sauna's own date. Leaving by the back arrow sends nothing. Without a sauna, or
// before the sauna has told its time, no time is shown and Save is disabled.
Item {
    id: page
    objectName: "setTimePage"

    property QtObject sender
    signal closeRequested()

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Set time")
        onBackRequested: page.closeRequested()
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        spacing: Theme.spacing

        SaunaValuesArea {
            id: saunaArea
            width: parent.width
            noticeInset: 0

            TimeStepper {
                id: stepper
                objectName: "setTimeStepper"
                width: parent.width
                manager: configure_date_time_system_time_manager
                shownBy: page.sender
                onTimeChangeRequested: (component, direction) =>
                                       page.sender.timeChangeRequested(component, direction)
            }
        }
        PanelButton {
            objectName: "setTimeSaveButton"
            width: parent.width
            text: qsTr("Save")
            enabled: saunaArea.connected && stepper.holdsValue
            highlighted: true
            onClicked: {
                page.sender.setTimeCommit()
                page.closeRequested()
            }
        }
    }
}
