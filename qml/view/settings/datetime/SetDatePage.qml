import QtQuick
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The editor of the sauna's date. The steppers move the editor's date in the date format's
// order; "Save" sends it to the sauna with the sauna's time of day. Leaving by the back arrow
// sends nothing. Without a sauna no date is shown and Save is disabled.
Item {
    id: page
    objectName: "setDatePage"

    property QtObject sender
    signal closeRequested()

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Set date")
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

            DateStepper {
                objectName: "setDateStepper"
                width: parent.width
                manager: configure_date_time_system_date_manager
                shownBy: page.sender
                onDateChangeRequested: (stepper, direction) =>
                                       page.sender.dateChangeRequested(stepper, direction)
            }
        }
        PanelButton {
            objectName: "setDateSaveButton"
            width: parent.width
            text: qsTr("Save")
            enabled: saunaArea.connected
            highlighted: true
            onClicked: {
                page.sender.setDateCommit()
                page.closeRequested()
            }
        }
    }
}
