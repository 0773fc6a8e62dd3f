import QtQuick
import "../components/Theme.js" as Theme

// The water level of each tank of the sauna's steam generators, in the words of the Status
// screen. A low tank is written in the warning colour and framed by it, so that it shows at a
// glance. It only shows: a tap does nothing. The tanks of a system of several boards are written
// in the small font, so that the main screen holds each of their lines on one line, in every
// language.
Rectangle {
    id: strip

    // The water level controller's tanks: each with its "text" and whether it is "low".
    property var tanks: []
    readonly property bool anyLow: tanks.some(tank => tank.low)
    readonly property bool several: tanks.length > 1

    implicitWidth: 300
    implicitHeight: lines.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface
    border.color: anyLow ? Theme.danger : Theme.outline
    border.width: 1

    Column {
        id: lines
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: Theme.spacing
        spacing: 2

        Repeater {
            model: strip.tanks
            Text {
                required property var modelData
                objectName: "tankLevelText"
                width: lines.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                textFormat: Text.PlainText
                text: modelData.text
                color: modelData.low ? Theme.danger : Theme.water
                font.pixelSize: strip.several ? Theme.fontSmall : Theme.fontNormal
                font.bold: modelData.low
            }
        }
    }
}
