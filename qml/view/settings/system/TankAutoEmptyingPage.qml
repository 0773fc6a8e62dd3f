import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."
import "../advanced"

// Automatic emptying of the water tank: the switch, and the interval row that opens the
// duration editor. Both show what the sauna system last reported.
SettingsListPage {
    id: page
    objectName: "tankAutoEmptyingPage"

    property Item senders

    title: qsTr("Tank auto emptying")
    listModel: configure_advance_settings_tank_auto_emptying_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.systems.tankAutoEmptyingVisibleChanged(shown)
    onToggleTapped: (applId, shownState) =>
        page.senders.systems.tankAutoEmptyingToggleChanged(applId, shownState)
    onRowSelected: (applId) => {
        if (applId === ConfigureTypes.E_tankAutoEmptyingInterval)
            page.senders.systems.tankAutoEmptyingIntervalEdit()
    }

    Connections {
        target: configure_system_tank_auto_emptying_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_tankAutoEmptyingInterval && page.StackView.view)
                page.StackView.view.push(intervalEditor)
        }
    }

    Component {
        id: intervalEditor
        DurationEditorPage {
            objectName: "tankAutoEmptyingEditorPage"
            title: qsTr("Time interval")
            manager: tank_auto_emptying_time_manager
            components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
            stepTarget: page.senders.tankAutoEmptying
            onSaveRequested: page.senders.systems.tankAutoEmptyingIntervalCommit()
        }
    }
}
