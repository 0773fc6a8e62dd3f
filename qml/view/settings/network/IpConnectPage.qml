import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme

// The search for a sauna system at an address the user types: address, port and "Detect".
// The program checks each value and answers a refused one with a message for its field.
Item {
    id: page
    objectName: "networkIpConnectPage"

    property QtObject sender
    // Which field the last refusal was for: the address editor or the port editor.
    property int refusedField: 0
    signal backRequested()

    function commitAddress(text) {
        addressField.errorText = ""
        sender.manualAddSystemIpAddressCommit(text)
    }
    function commitPort(text) {
        portField.errorText = ""
        sender.manualAddSystemPortChanged(text)
    }
    // The search uses what the fields show, whether or not Return was pressed or the field left,
    // and does not start while a field holds a value the program refused.
    function detect() {
        addressField.commit()
        portField.commit()
        if (addressField.errorText.length === 0 && portField.errorText.length === 0)
            sender.buttonPressed(ConfigureTypes.E_networkDoIpConnect)
    }

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: sender.networkIpConnectViewVisibleChanged(shownInStack)

    Connections {
        target: configure_network_controller
        function onSystemIpAddressChanged(address) {
            addressField.text = address
        }
        function onSystemIpPortChanged(port) {
            portField.text = port
        }
        function onEditSelected(id) {
            if (id === ConfigureTypes.E_networkEditIpAddress
                    || id === ConfigureTypes.E_networkEditPort)
                page.refusedField = id
        }
        function onEditMessage(message) {
            if (page.refusedField === ConfigureTypes.E_networkEditPort)
                portField.errorText = message
            else
                addressField.errorText = message
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("IP detect")
        onBackRequested: page.backRequested()
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        x: Theme.margin
        width: parent.width - 2 * Theme.margin
        spacing: Theme.spacing

        EntryField {
            id: addressField
            objectName: "networkIpAddressField"
            width: parent.width
            label: qsTr("IP address")
            inputMethodHints: Qt.ImhPreferNumbers
            // Editing starts from the address the program holds for the search.
            onActivated: page.sender.saunaIpAddressEditActivated()
            onCommitted: (text) => page.commitAddress(text)
        }
        EntryField {
            id: portField
            objectName: "networkPortField"
            width: parent.width
            label: qsTr("Port")
            inputMethodHints: Qt.ImhDigitsOnly
            onActivated: page.sender.saunaIpPortEditActivated()
            onCommitted: (text) => page.commitPort(text)
        }
        GenericListView {
            objectName: "networkIpConnectList"
            width: parent.width
            height: contentHeight
            interactive: false
            model: configure_network_ip_connect_model
            buttonNames: ({ [ConfigureTypes.E_networkDoIpConnect]: "networkDetectButton" })
            onButtonPressed: (applId) => {
                if (applId === ConfigureTypes.E_networkDoIpConnect)
                    page.detect()
                else
                    page.sender.buttonPressed(applId)
            }
        }
    }
}
