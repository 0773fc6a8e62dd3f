import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme

// The PIN of the shown sauna system. The program refuses anything but 1 to 4 digits with a
// message; the page then stays open.
Item {
    id: page
    objectName: "networkPinEditorPage"

    property QtObject sender
    property bool refused: false
    signal backRequested()

    // The PC's keys type into the field as soon as the page is on top, as on the PIN keypads.
    StackView.onActivated: pinField.inputItem.forceActiveFocus()

    function save(text) {
        refused = false
        pinField.errorText = ""
        sender.remoteSaunaPinChanged(text)
        // A refusal arrives during the call above.
        if (!refused)
            page.backRequested()
    }

    Connections {
        target: configure_network_controller
        function onEditMessage(message) {
            page.refused = true
            pinField.errorText = message
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Enter PIN")
        onBackRequested: page.backRequested()
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        spacing: Theme.spacing

        EntryField {
            id: pinField
            objectName: "networkPinField"
            width: parent.width
            label: qsTr("PIN of the sauna system")
            inputMethodHints: Qt.ImhDigitsOnly
            echoMode: TextInput.Password
            // "Save" or Return stores the PIN; leaving the page without them stores nothing.
            commitsOnLeave: false
            onCommitted: (text) => page.save(text)
        }
        PanelButton {
            objectName: "networkPinSaveButton"
            width: parent.width
            highlighted: true
            text: qsTr("Save")
            onClicked: page.save(pinField.text)
        }
    }
}
