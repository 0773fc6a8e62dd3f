import QtQuick
import QtQuick.Controls
import "../../components/Theme.js" as Theme
import ".."

// The region screen. A tap asks the sauna system for the region; the check mark follows its
// report, and the report proposes the region's date and time formats, first weekday and unit.
Item {
    id: page
    objectName: "generalRegionPage"

    property Item senders

    SettingsListPage {
        id: list
        anchors.top: parent.top
        anchors.bottom: note.top
        width: parent.width
        title: qsTr("Region")
        listModel: configure_general_region_model
        saunaValues: true
        onRowSelected: (applId) => page.senders.region.regionSelected(applId)
        onShownChanged: (shown) => page.senders.region.visibilityChanged(shown)
        onBackRequested: page.StackView.view.pop()
    }

    // The page is what the stack holds, so it passes the stack's attached signals on.
    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: list.shownChanged(shownInStack)

    Text {
        id: note
        objectName: "regionNote"
        // Without a sauna there is no region to choose.
        visible: list.saunaConnected
        anchors.bottom: parent.bottom
        anchors.margins: Theme.margin
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        wrapMode: Text.Wrap
        text: qsTr("Choosing a region also sets its date format, time format, first day of the week and temperature unit.")
        color: Theme.textFaint
        font.pixelSize: Theme.fontSmall
    }
}
