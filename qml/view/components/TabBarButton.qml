import QtQuick
import "Theme.js" as Theme

// One tab of the bottom tab bar.
Item {
    id: tab

    property string text
    property string glyph
    property bool current: false

    signal clicked()

    implicitHeight: Theme.tabBarHeight

    Rectangle {
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width * 0.6
        height: 3
        radius: 1
        color: Theme.accent
        visible: tab.current
    }
    Column {
        anchors.centerIn: parent
        spacing: 2
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: tab.glyph
            color: tab.current ? Theme.accent : Theme.textDim
            font.pixelSize: Theme.fontLarge
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: tab.text
            textFormat: Text.PlainText
            color: tab.current ? Theme.text : Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
    }
    MouseArea {
        anchors.fill: parent
        onClicked: tab.clicked()
    }
}
