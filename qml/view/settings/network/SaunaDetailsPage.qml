import QtQuick
import QtQuick.Controls
import SignalInterfaceLib 1.0
import "../../components"
import "../../components/Theme.js" as Theme

// One sauna system: its name, the PIN and connection buttons, four lines about it and, for a
// system that has not been heard of for a while, "Delete".
Item {
    id: page
    objectName: "networkSaunaDetailsPage"

    property QtObject sender
    property bool deleteApplicable: false
    signal backRequested()

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: sender.saunaDetailsViewVisibleChanged(shownInStack)

    Connections {
        target: configure_network_controller
        function onSaunaDetailsDeleteApplicable(applicable) {
            page.deleteApplicable = applicable
        }
    }

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("System details")
        onBackRequested: page.backRequested()
    }

    PageFlickable {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width
        contentHeight: column.height

        Column {
            id: column
            width: parent.width
            spacing: Theme.spacing

            GenericListView {
                objectName: "networkSaunaDetailsList"
                width: parent.width
                height: contentHeight
                interactive: false
                model: configure_network_sauna_details_model
                buttonNames: ({
                    [ConfigureTypes.E_networkChangePin]: "networkEnterPinButton",
                    [ConfigureTypes.E_networkConnect]: "networkConnectButton",
                    [ConfigureTypes.E_networkDisconnect]: "networkDisconnectButton",
                    [ConfigureTypes.E_networkUpdate]: "networkUpdateButton"
                })
                onButtonPressed: (applId) => page.sender.buttonPressed(applId)
            }
            GenericListView {
                objectName: "networkSaunaDetailsInfoList"
                width: parent.width
                height: contentHeight
                interactive: false
                model: configure_network_sauna_details_info_model
            }
            PanelButton {
                objectName: "networkSaunaDeleteButton"
                x: Theme.margin
                width: parent.width - 2 * Theme.margin
                visible: page.deleteApplicable
                text: qsTr("Delete")
                onClicked: page.sender.remoteSaunaDeleteSelected()
            }
        }
    }
}
