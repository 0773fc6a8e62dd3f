import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."
import "../advanced"

// The cleanup note: the reminder switch, the interval row that opens the duration editor, the
// tank-empty notes on steam units emptied by hand, and the count of cleanups so far.
SettingsListPage {
    id: page
    objectName: "cleanupPage"

    property Item senders

    title: qsTr("Cleanup note")
    listModel: configure_system_cleanup_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.systems.cleanUpViewVisibleChanged(shown)
    onToggleTapped: (applId, shownState) =>
        page.senders.systems.cleanupToggleChanged(applId, shownState)
    onRowSelected: (applId) => page.senders.systems.cleanupTimeSelected(applId)

    Connections {
        target: configure_system_cleanup_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_cleanupTime && page.StackView.view)
                page.StackView.view.push(intervalEditor)
        }
    }

    Component {
        id: intervalEditor
        DurationEditorPage {
            objectName: "cleanupEditorPage"
            title: qsTr("Time interval")
            manager: cleanup_time_manager
            components: [TimeEditTypes.E_hour]
            stepTarget: page.senders.cleanupTime
            onSaveRequested: page.senders.systems.cleanupTimeCommit()
        }
    }
}
