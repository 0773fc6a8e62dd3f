import QtQuick
import "../components/Theme.js" as Theme

// The line a main screen shows while no sauna is connected: why its values read "--" and its
// controls do nothing, and where a sauna is connected.
Rectangle {
    id: notice

    implicitWidth: 300
    implicitHeight: line.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface
    border.color: Theme.danger
    border.width: 1

    Text {
        id: line
        objectName: "notConnectedText"
        anchors.fill: parent
        anchors.margins: Theme.spacing
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        textFormat: Text.PlainText
        text: qsTr("No sauna is connected. Connect one in Settings → Network.")
        color: Theme.text
        font.pixelSize: Theme.fontSmall
    }
}
