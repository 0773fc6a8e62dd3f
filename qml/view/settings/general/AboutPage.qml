import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// About: this panel, the connected sauna system and its nodes, as the program lists them, and a
// short menu to the licence information and, on multi-steam systems, to identifying the relay
// control boards. The program answers a tap on that menu with the id of the page to open. Without
// a sauna the program lists the panel alone, below the line that no sauna is connected.
Item {
    id: page
    objectName: "generalAboutPage"

    property Item senders

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.general.aboutViewVisibleChanged(shownInStack)

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("About")
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        partial: true

        GenericListView {
            id: subFunctions
            objectName: "aboutSubFunctionList"
            width: parent.width
            height: contentHeight
            interactive: false
            model: configure_general_about_subfunction_model
            onRowSelected: (applId) => page.senders.general.aboutSubFunctionSelected(applId)
        }

        GenericListView {
            objectName: "aboutInfoList"
            anchors.top: subFunctions.bottom
            anchors.topMargin: Theme.spacing
            anchors.bottom: parent.bottom
            width: parent.width
            model: configure_general_about_model
        }
    }
}
