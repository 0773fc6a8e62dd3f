import QtQuick
import QtQuick.Controls
import "../components"
import "../components/Theme.js" as Theme

// The generic settings page: a title and one program-built list, drawn row by row by component
// type. The frame decides where its selections go.
Item {
    id: page

    property string title
    property var listModel
    // Optional: applId -> whether its row is shown; rows it refuses take no room and no taps.
    property var rowShown: null
    // Object names of the button rows by application id (see GenericListView).
    property var buttonNames: ({})
    // Room the title leaves at the right end of the header for a page's own button there.
    property real headerTrailingSpace: 0

    signal rowSelected(int applId)
    signal toggleTapped(int applId, bool shownState)
    signal buttonPressed(int applId)
    signal stepRequested(int applId, int direction)
    signal shownChanged(bool shown)
    // The back arrow on the first page of a stack: whoever holds the stack leaves it.
    signal backRequested()

    StackView.onActivated: shownChanged(true)
    StackView.onDeactivating: shownChanged(false)

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        trailingSpace: page.headerTrailingSpace
        onBackRequested: {
            if (page.StackView.view && page.StackView.index > 0)
                page.StackView.view.pop()
            else
                page.backRequested()
        }
    }

    GenericListView {
        objectName: "settingsList"
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        model: page.listModel
        rowShown: page.rowShown
        buttonNames: page.buttonNames
        onRowSelected: (applId) => page.rowSelected(applId)
        onToggleTapped: (applId, shownState) => page.toggleTapped(applId, shownState)
        onButtonPressed: (applId) => page.buttonPressed(applId)
        onStepRequested: (applId, direction) => page.stepRequested(applId, direction)
    }
}
