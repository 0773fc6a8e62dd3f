import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// The title bar of a sub-page, with an optional back arrow.
Rectangle {
    id: header

    property string title
    property bool backVisible: true

    signal backRequested()

    implicitHeight: Theme.touchTarget + 4
    color: Theme.background

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 4
        anchors.rightMargin: Theme.margin
        spacing: 4

        Item {
            Layout.preferredWidth: Theme.touchTarget
            Layout.fillHeight: true
            visible: header.backVisible
            Text {
                anchors.centerIn: parent
                text: "‹"
                color: back.pressed ? Theme.accentStrong : Theme.accent
                font.pixelSize: 34
            }
            MouseArea {
                id: back
                objectName: "pageBackButton"
                anchors.fill: parent
                onClicked: header.backRequested()
            }
        }
        Text {
            Layout.fillWidth: true
            Layout.leftMargin: header.backVisible ? 0 : Theme.margin
            text: header.title
            textFormat: Text.PlainText
            elide: Text.ElideRight
            color: Theme.text
            font.pixelSize: Theme.fontLarge
            font.bold: true
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: Theme.outline
    }
}
