import QtQuick
import "Theme.js" as Theme

// An on/off switch that shows the state it is given. A tap does not flip it: it reports the
// state it showed, and the program answers with the new state.
Item {
    id: toggle

    property bool checked: false
    property color onColor: Theme.accent

    signal tapped(bool shownState)

    implicitWidth: 64
    implicitHeight: Theme.touchTarget
    opacity: enabled ? 1.0 : 0.4

    Rectangle {
        id: track
        anchors.centerIn: parent
        width: 56
        height: 30
        radius: height / 2
        color: toggle.checked ? toggle.onColor : Theme.surfacePressed
        border.color: toggle.checked ? toggle.onColor : Theme.outline

        Behavior on color { ColorAnimation { duration: 150 } }

        Rectangle {
            width: 24
            height: 24
            radius: 12
            y: 3
            x: toggle.checked ? parent.width - width - 3 : 3
            color: Theme.text

            Behavior on x { NumberAnimation { duration: 150; easing.type: Easing.OutQuad } }
        }
    }

    MouseArea {
        anchors.fill: parent
        onClicked: toggle.tapped(toggle.checked)
    }
}
