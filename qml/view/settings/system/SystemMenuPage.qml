import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import ".."
import "../network"

// The System settings menu. The program builds its rows; a tap goes to the sender item
// "configureSystemsSelector" and the program answers with the id of the page to open. This page
// opens the Network screen itself; the other ids are left to the frame (openRequested).
Item {
    id: page
    objectName: "systemMenuPage"

    property QtObject systemsSender
    property QtObject networkSender
    signal backRequested()
    signal openRequested(int id)

    Connections {
        target: configure_system_view_controller
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_optionsNetwork)
                stack.push(networkScreen)
            else
                page.openRequested(id)
        }
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: SettingsListPage {
            title: qsTr("System")
            listModel: configure_system_selector_model
            onRowSelected: (applId) => page.systemsSender.itemSelected(applId)
            onBackRequested: page.backRequested()
        }
    }

    Component {
        id: networkScreen
        NetworkScreen {
            sender: page.networkSender
            onCloseRequested: stack.pop()
        }
    }
}
