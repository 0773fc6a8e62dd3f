import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components/Theme.js" as Theme

// The Network settings screen: the list of known sauna systems and, above it, a system's
// details, the PIN editor and the search at a typed address. The program decides where to go
// (editSelected); this screen only opens the page of that id. The sender is the scene's item
// "configureNetworkView".
Item {
    id: screen

    property QtObject sender
    // True while a page moves in or out.
    readonly property bool busy: stack.busy
    // Emitted when the user leaves the list page backwards.
    signal closeRequested()

    // Leaving the screen from its list page hides that page as well, once the screen has moved
    // out: the list keeps its rows while it slides away.
    StackView.onDeactivated: if (stack.depth === 1) screen.sender.networkViewVisibleChanged(false)

    function currentPageName() {
        return stack.currentItem ? stack.currentItem.objectName : ""
    }

    Connections {
        target: configure_network_controller
        function onEditSelected(id) {
            switch (id) {
            case ConfigureTypes.E_networkRoot:
                stack.pop(null)
                break
            case ConfigureTypes.E_networkSaunaDetails:
                stack.push(detailsPage)
                break
            case ConfigureTypes.E_networkSpecialIpConnect:
                stack.push(ipConnectPage)
                break
            case ConfigureTypes.E_networkChangePin:
                if (screen.currentPageName() !== "networkPinEditorPage")
                    stack.push(pinEditorPage)
                break
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    StackView {
        id: stack
        anchors.fill: parent
        initialItem: NetworkListPage {
            sender: screen.sender
            onBackRequested: screen.closeRequested()
        }
    }

    Component {
        id: detailsPage
        SaunaDetailsPage {
            sender: screen.sender
            onBackRequested: stack.pop()
        }
    }

    Component {
        id: ipConnectPage
        IpConnectPage {
            sender: screen.sender
            onBackRequested: stack.pop()
        }
    }

    Component {
        id: pinEditorPage
        PinEditorPage {
            sender: screen.sender
            onBackRequested: stack.pop()
        }
    }
}
