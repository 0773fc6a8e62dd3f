import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// The sauna system's error log, newest first: code, date and time, board and the error's name.
// A tap shows the error's whole text; Clear asks the sauna to empty its log at once, and the
// rows go when the sauna reports the emptied entries.
SettingsListPage {
    id: page
    objectName: "errorLogPage"

    property Item senders

    title: qsTr("Error log")
    listModel: configure_system_error_log_model
    saunaValues: true
    headerTrailingSpace: clearButton.width + Theme.spacing
    onShownChanged: (shown) => page.senders.systems.errorLogViewVisibleChanged(shown)
    onRowSelected: (applId) => page.senders.systems.errorLogSelected(applId)

    // In the title bar, at its right end.
    PanelButton {
        id: clearButton
        objectName: "errorLogClearButton"
        anchors.top: parent.top
        anchors.topMargin: 2
        anchors.right: parent.right
        anchors.rightMargin: Theme.margin
        text: qsTr("Clear")
        enabled: page.saunaConnected
        onClicked: page.senders.systems.errorLogClearSelected()
    }
}
