import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The editor of one duration of a settings screen, showing the components the screen names. The
// steppers go to the screen's editor item (stepTarget), which steps the program's duration
// manager and has followed what the manager told since the scene was made; Save tells the screen
// to send the value, and the row it came from shows the value once the sauna system has reported it. Without
// a sauna, or while the sauna has not reported the value, the editor shows no value and Save is
// disabled.
Item {
    id: page

    property string title
    property QtObject manager: null
    property QtObject stepTarget: null
    property var components: []

    signal saveRequested()

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: page.StackView.view.pop()
    }

    ColumnLayout {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        spacing: Theme.spacing

        SaunaValuesArea {
            id: saunaArea
            Layout.fillWidth: true
            noticeInset: 0

            DurationStepper {
                id: stepper
                objectName: "durationEditor"
                width: parent.width
                label: page.title
                manager: page.manager
                shownBy: page.stepTarget
                components: page.components
                onDurationChangeRequested: (component, direction) =>
                    page.stepTarget.durationChangeRequested(component, direction)
            }
        }
        PanelButton {
            objectName: "durationSaveButton"
            Layout.fillWidth: true
            enabled: saunaArea.connected && stepper.holdsValue
            text: qsTr("Save")
            highlighted: true
            onClicked: {
                page.saveRequested()
                page.StackView.view.pop()
            }
        }
    }
}
