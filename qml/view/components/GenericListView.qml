import QtQuick
import QtQuick.Controls
import "Theme.js" as Theme

// A list of program-built rows. The rows report application ids, never row numbers.
ListView {
    id: list

    // Object names of the button rows by application id, for finding a button from outside.
    property var buttonNames: ({})
    // Optional: applId -> whether its row is shown; a refused row takes no room and no taps.
    property var rowShown: null

    signal rowSelected(int applId)
    signal toggleTapped(int applId, bool shownState)
    signal buttonPressed(int applId)
    signal stepRequested(int applId, int direction)

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    spacing: 0

    RowWheelHandler {
        flickable: list
    }

    // Shows that the list goes on beyond its edge.
    ScrollBar.vertical: PageScrollBar {
        objectName: "listScrollBar"
    }

    delegate: GenericRowDelegate {
        hidden: typeof list.rowShown === "function" && !list.rowShown(applId)
        onRowSelected: (applId) => list.rowSelected(applId)
        onToggleTapped: (applId, shownState) => list.toggleTapped(applId, shownState)
        onButtonPressed: (applId) => list.buttonPressed(applId)
        onStepRequested: (applId, direction) => list.stepRequested(applId, direction)
    }

    Text {
        anchors.centerIn: parent
        visible: list.count === 0
        text: qsTr("Nothing to show")
        color: Theme.textFaint
        font.pixelSize: Theme.fontSmall
    }
}
