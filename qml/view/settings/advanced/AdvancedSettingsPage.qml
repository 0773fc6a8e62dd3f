import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import ".."

// The Advanced settings menu. The program builds its rows from the functions the sauna system
// reports; a tap goes to the sender "configureAdvancedSettingsSelector" and the program answers
// with the id of the screen to open.
Item {
    id: page
    objectName: "advancedSettingsPage"

    property Item senders
    signal backRequested()

    Connections {
        target: configure_advanced_settings_view_controller
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_standby:
                stack.push(standbyPage)
                break
            case ConfigureTypes.E_externalSwitch:
                stack.push(externalSwitchPage)
                break
            case ConfigureTypes.E_fan:
                stack.push(fanPage)
                break
            }
        }
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: SettingsListPage {
            title: qsTr("Advanced settings")
            listModel: configure_advanced_settings_selector_model
            saunaValues: true
            onRowSelected: (applId) => page.senders.advanced.itemSelected(applId)
            onBackRequested: page.backRequested()
        }
    }

    Component {
        id: standbyPage
        StandbyPage { senders: page.senders }
    }

    Component {
        id: externalSwitchPage
        ExternalSwitchPage { senders: page.senders }
    }

    Component {
        id: fanPage
        FanPage { senders: page.senders }
    }
}
