import QtQuick
import SignalInterfaceLib 1.0
import ".."

// One button that asks the sauna to reset its pause timer; the sauna's answer is told in a
// message while this page is shown.
SettingsListPage {
    id: page
    objectName: "pauseTimerPage"

    property Item senders

    title: qsTr("Pause timer")
    listModel: configure_system_reset_timer_model
    saunaValues: true
    buttonNames: ({ [ConfigureTypes.E_resetPauseTimer]: "resetPauseTimerButton" })
    onButtonPressed: (applId) => {
        if (applId === ConfigureTypes.E_resetPauseTimer)
            page.senders.systems.resetTimerSelected()
    }
    onShownChanged: (shown) => page.senders.systems.pauseTimerViewVisibleChanged(shown)
}
