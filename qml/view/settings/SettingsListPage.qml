import QtQuick
import QtQuick.Controls
import "../components"
import "../components/Theme.js" as Theme

// The generic settings page: a title and one program-built list, drawn row by row by component
// type. The frame decides where its selections go. A list of the sauna's values shows none of
// them while no sauna is connected, only the line that says so; a list that mixes them with the
// panel's own settings hides only the sauna's rows (saunaRows) and keeps the others usable.
Item {
    id: page

    property string title
    property var listModel
    // Optional: applId -> whether its row is shown; rows it refuses take no room and no taps.
    property var rowShown: null
    // Object names of the button rows by application id (see GenericListView).
    property var buttonNames: ({})
    // Whether the list shows or sends the connected sauna's values.
    property bool saunaValues: false
    // Otherwise: the application ids of the rows that do.
    property var saunaRows: []
    // Whether a sauna is connected: the page's own buttons that send to it follow this.
    readonly property bool saunaConnected: saunaArea.connected
    // Room the title leaves at the right end of the header for a page's own button there.
    property real headerTrailingSpace: 0

    signal rowSelected(int applId)
    signal toggleTapped(int applId, bool shownState)
    signal buttonPressed(int applId)
    signal stepRequested(int applId, int direction)
    signal shownChanged(bool shown)
    // The back arrow on the first page of a stack: whoever holds the stack leaves it.
    signal backRequested()

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: shownChanged(shownInStack)

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

    SaunaValuesArea {
        id: saunaArea
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        guarding: page.saunaValues || page.saunaRows.length > 0
        partial: !page.saunaValues

        GenericListView {
            objectName: "settingsList"
            anchors.fill: parent
            model: page.listModel
            rowShown: typeof page.rowShown === "function" || page.saunaRows.length > 0
                      ? (applId) => (typeof page.rowShown !== "function" || page.rowShown(applId))
                                    && (saunaArea.connected || !page.saunaRows.includes(applId))
                      : null
            buttonNames: page.buttonNames
            onRowSelected: (applId) => page.rowSelected(applId)
            onToggleTapped: (applId, shownState) => page.toggleTapped(applId, shownState)
            onButtonPressed: (applId) => page.buttonPressed(applId)
            onStepRequested: (applId, direction) => page.stepRequested(applId, direction)
        }
    }
}
