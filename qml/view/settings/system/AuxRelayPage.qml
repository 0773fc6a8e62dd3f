import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme
import ".."

// One auxiliary relay: what it does, as check-marked choices that follow the sauna system's
// report, and its name, renamed on the on-screen keyboard.
Item {
    id: page
    objectName: "auxRelayPage"

    property Item senders
    property string title
    // The name the sauna system last reported for the relay.
    property string relayName

    // Shown from the moment it begins to move in until it has moved out: the program builds its
    // rows before the page comes into sight and keeps them while it slides away.
    readonly property bool shownInStack: StackView.status !== StackView.Inactive
    onShownInStackChanged: page.senders.systems.optionsSingleViewVisibleChanged(shownInStack)

    // The page is made by the relay's selection, which tells the name right after.
    Connections {
        target: configure_system_aux_view_controller
        function onAuxNameChanged(name) { page.relayName = name }
    }

    PageHeader {
        id: header
        width: parent.width
        title: page.title
        onBackRequested: page.StackView.view.pop()
    }

    SaunaValuesArea {
        anchors.top: header.bottom
        anchors.topMargin: Theme.spacing
        anchors.bottom: parent.bottom
        width: parent.width

        PageFlickable {
            anchors.fill: parent
            contentHeight: content.height

            Column {
                id: content
                width: parent.width
                spacing: Theme.spacing

                Text {
                    x: Theme.margin
                    text: qsTr("Function")
                    color: Theme.textDim
                    font.pixelSize: Theme.fontSmall
                }

                GenericListView {
                    objectName: "auxFunctionList"
                    width: parent.width
                    height: contentHeight
                    interactive: false
                    model: configure_system_aux_single_overview_model
                    onRowSelected: (applId) =>
                        page.senders.auxSingleOverview.auxFunctionSelected(applId)
                }

                Rectangle {
                    objectName: "auxNameRow"
                    width: parent.width
                    height: Theme.rowHeight
                    color: nameArea.pressed ? Theme.surfacePressed : Theme.surface
                    RowLayout {
                        anchors.fill: parent
                        anchors.leftMargin: Theme.margin
                        anchors.rightMargin: Theme.margin
                        Text {
                            text: qsTr("Name")
                            color: Theme.text
                            font.pixelSize: Theme.fontNormal
                        }
                        Text {
                            objectName: "auxNameText"
                            Layout.fillWidth: true
                            horizontalAlignment: Text.AlignRight
                            text: page.relayName
                            textFormat: Text.PlainText
                            elide: Text.ElideRight
                            color: Theme.textDim
                            font.pixelSize: Theme.fontNormal
                        }
                        Text {
                            text: "›"
                            color: Theme.textFaint
                            font.pixelSize: Theme.fontLarge + 6
                        }
                    }
                    MouseArea {
                        id: nameArea
                        anchors.fill: parent
                        onClicked: page.senders.auxSingleOverview.auxNameEditActivated()
                    }
                }
            }
        }
    }
}
