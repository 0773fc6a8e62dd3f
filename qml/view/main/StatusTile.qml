import QtQuick
import QtQuick.Layouts
import "../components/Theme.js" as Theme

// A small tile of the main screen: a caption and a value, tappable.
Rectangle {
    id: tile

    property string caption
    property string value
    property color valueColor: Theme.text
    property bool active: false

    signal clicked()

    implicitWidth: 100
    implicitHeight: 64
    radius: Theme.radius
    color: area.pressed ? Theme.surfacePressed : Theme.surface
    border.color: active ? Theme.accent : Theme.outline
    border.width: 1
    opacity: enabled ? 1.0 : 0.5

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 6
        spacing: 0
        Text {
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: tile.caption
            textFormat: Text.PlainText
            // A caption longer than the tile ("Time left" in most languages) is written smaller.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 9
            elide: Text.ElideRight
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
        }
        Text {
            objectName: "tileValueText"
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
            text: tile.value
            textFormat: Text.PlainText
            // A longer value, such as a duration in hours and minutes, is written smaller
            // rather than cut; in some languages down to a size below the small font.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 10
            elide: Text.ElideRight
            color: tile.valueColor
            font.pixelSize: Theme.fontLarge
            font.bold: true
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: tile.clicked()
    }
}
