import QtQuick
import QtQuick.Controls
import "../../components"
import "../../components/Theme.js" as Theme

// The known sauna systems with the auto-connect switch and the "IP detect" row.
Item {
    id: page
    objectName: "networkListPage"

    property QtObject sender
    signal backRequested()

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: sender.networkViewVisibleChanged(shownInStack)

    PageHeader {
        id: header
        width: parent.width
        title: qsTr("Network")
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
                objectName: "networkAutoConnectList"
                width: parent.width
                height: contentHeight
                interactive: false
                model: configure_network_model1
                onToggleTapped: (applId, shownState) => page.sender.toggleChanged(applId, shownState)
            }
            Text {
                x: Theme.margin
                text: qsTr("Sauna systems")
                color: Theme.textDim
                font.pixelSize: Theme.fontSmall
            }
            GenericListView {
                objectName: "networkSaunaList"
                width: parent.width
                height: Math.max(contentHeight, Theme.rowHeight)
                interactive: false
                model: configure_network_model2
                onRowSelected: (applId) => page.sender.rowItemSelected(applId)
            }
            GenericListView {
                objectName: "networkIpDetectList"
                width: parent.width
                height: contentHeight
                interactive: false
                model: configure_network_model3
                onRowSelected: (applId) => page.sender.rowItemSelected(applId)
            }
        }
    }
}
