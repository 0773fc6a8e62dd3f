import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."
import "../advanced"

// A fragrance relay: the pump time and the stop time of its cycle, each edited on a duration
// editor. The rows show what the sauna system last reported.
SettingsListPage {
    id: page
    objectName: "auxFragrancePage"

    property Item senders

    listModel: configure_system_aux_single_fragrance_model
    saunaValues: true
    onShownChanged: (shown) => page.senders.systems.optionsFragranceViewVisibleChanged(shown)
    onRowSelected: (applId) => page.senders.auxSingleFragrance.auxFragranceSettingSelected(applId)

    Connections {
        target: configure_system_aux_view_fragrance_controller
        function onEditSelected(id) {
            if (!page.StackView.view)
                return
            if (id === ConfigureTypes.E_optionsAuxSingleFragrancePump)
                page.StackView.view.push(pumpEditor)
            else if (id === ConfigureTypes.E_optionsAuxSingleFragranceStop)
                page.StackView.view.push(stopEditor)
        }
    }

    Component {
        id: pumpEditor
        DurationEditorPage {
            objectName: "fragrancePumpEditorPage"
            title: qsTr("Pump")
            manager: fragrance_pump_manager
            components: [TimeEditTypes.E_minute, TimeEditTypes.E_second,
                         TimeEditTypes.E_milliSecond]
            stepTarget: page.senders.fragrancePump
            onSaveRequested: page.senders.systems.auxPumpDurationCommit()
        }
    }

    Component {
        id: stopEditor
        DurationEditorPage {
            objectName: "fragranceStopEditorPage"
            title: qsTr("Stop")
            manager: fragrance_stop_manager
            components: [TimeEditTypes.E_hour, TimeEditTypes.E_minute,
                         TimeEditTypes.E_second]
            stepTarget: page.senders.fragranceStop
            onSaveRequested: page.senders.systems.auxStopDurationCommit()
        }
    }
}
