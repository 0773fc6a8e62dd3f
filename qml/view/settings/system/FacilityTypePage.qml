import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// How the sauna is operated. A tap only moves the check mark; Save asks the sauna for the marked
// type, and the mark then follows what the sauna reports.
Item {
    id: page
    objectName: "facilityTypePage"

    property Item senders

    SettingsListPage {
        id: list
        anchors.top: parent.top
        anchors.bottom: footer.top
        width: parent.width
        title: qsTr("Facility type")
        listModel: configure_system_facility_type_model
        saunaValues: true
        onRowSelected: (applId) => page.senders.systems.facilityTypeSelected(applId)
        onShownChanged: (shown) => page.senders.systems.facilityTypeViewVisibleChanged(shown)
        onBackRequested: page.StackView.view.pop()
    }

    // The page is what the stack holds, so it passes the stack's attached signals on.
    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: list.shownChanged(shownInStack)

    RowLayout {
        id: footer
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Theme.margin
        anchors.horizontalCenter: parent.horizontalCenter
        PanelButton {
            objectName: "facilityTypeSaveButton"
            text: qsTr("Save")
            highlighted: true
            // Nothing can be saved until one of the offered types is marked.
            enabled: configure_system_facility_type_view_controller.commitEnabled
                     && list.saunaConnected
            onClicked: page.senders.systems.facilityTypeCommit()
        }
    }
}
