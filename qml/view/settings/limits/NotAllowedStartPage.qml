import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The period in which the sauna must not be started. The program keeps an edit copy while the
// page or its time editors are open; "Save" sends the switch and both times together. Without a
// sauna the period is not shown and Save is disabled, and so it is until the edit holds both times.
Item {
    id: page
    objectName: "notAllowedStartPage"

    property QtObject sender
    property QtObject fromSender
    property QtObject untilSender

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: sender.allowedStartViewVisibleChanged(shownInStack)

    // The editor ids of this screen; the Limits menu uses the same numbers for other editors.
    Connections {
        target: configure_limits_not_allowed_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_notAllowedStartFrom)
                page.StackView.view.push(timeEditor, { title: qsTr("From"),
                                                       manager: configure_limits_not_allowed_start_from_time_manager,
                                                       stepSender: page.fromSender,
                                                       from: true })
            else if (id === ConfigureTypes.E_notAllowedStartUntil)
                page.StackView.view.push(timeEditor, { title: qsTr("Until"),
                                                       manager: configure_limits_not_allowed_start_until_time_manager,
                                                       stepSender: page.untilSender,
                                                       from: false })
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Not allowed start")
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        id: saunaArea
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: saveButton.top
        anchors.bottomMargin: Theme.spacing
        width: parent.width

        GenericListView {
            id: list
            objectName: "notAllowedStartList"
            anchors.fill: parent
            model: configure_limits_not_allowed_start_model
            onRowSelected: (applId) => page.sender.rowItemSelected(applId)
            onToggleTapped: (applId, shownState) => page.sender.toggleChanged(applId, shownState)
        }
    }

    PanelButton {
        id: saveButton
        objectName: "notAllowedStartSaveButton"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        highlighted: true
        text: qsTr("Save")
        enabled: saunaArea.connected && configure_limits_not_allowed_view_controller.periodKnown
        onClicked: {
            page.sender.notAllowedStartEditCompleted()
            page.StackView.view.pop()
        }
    }

    Component {
        id: timeEditor
        LimitEditorPage {
            id: editor
            objectName: "notAllowedStartTimePage"
            property QtObject manager
            property QtObject stepSender
            property bool from: true
            onSaved: from ? page.sender.notAllowedStartFromSaved()
                          : page.sender.notAllowedStartUntilSaved()
            TimeStepper {
                objectName: "notAllowedStartTimeStepper"
                width: parent.width
                manager: editor.manager
                onTimeChangeRequested: (component, direction) =>
                    editor.stepSender.timeChangeRequested(component, direction)
            }
        }
    }
}
