import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// Identify relay control boards: one button per board of the sauna system; a press asks the
// sauna to sound that board's buzzer. Without a sauna there is no board to press.
Item {
    id: page
    objectName: "generalIdentifyBoardsPage"

    property Item senders

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.general.identifyRcbViewVisibleChanged(shownInStack)

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Identify RCB")
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width

        Text {
            id: hint
            x: Theme.margin
            width: parent.width - 2 * Theme.margin
            wrapMode: Text.Wrap
            text: qsTr("Press a button to sound the buzzer of that relay control board.")
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }

        GenericListView {
            objectName: "identifyBoardsList"
            anchors.top: hint.bottom
            anchors.topMargin: Theme.spacing
            anchors.bottom: parent.bottom
            width: parent.width
            model: configure_general_about_identify_rcb_model
            buttonNames: ({ 0: "identifyBoardButton_0", 1: "identifyBoardButton_1",
                            2: "identifyBoardButton_2" })
            onButtonPressed: (applId) => page.senders.general.identifyRcbSelected(applId)
        }
    }
}
