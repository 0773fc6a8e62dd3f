import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."

// The fan's running time after a bath; its row opens the duration editor.
SettingsListPage {
    id: page
    objectName: "fanPage"

    property Item senders

    title: qsTr("Fan")
    listModel: configure_advance_settings_fan_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.advanced.fanViewVisibleChanged(shown)
    onRowSelected: (applId) => page.senders.advanced.rowItemSelected(applId)

    Connections {
        target: configure_advanced_settings_fan_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_fanRuntime && page.StackView.view)
                page.StackView.view.push(runtimeEditor)
        }
    }

    Component {
        id: runtimeEditor
        DurationEditorPage {
            objectName: "fanRuntimeEditorPage"
            title: qsTr("Running Time")
            manager: fan_runtime_time_manager
            components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute]
            stepTarget: page.senders.fanRuntime
            onSaveRequested: page.senders.advanced.commitValue(ConfigureTypes.E_fanRuntime)
        }
    }
}
