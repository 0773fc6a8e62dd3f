import QtQuick
import "Theme.js" as Theme

// The round minus or plus button of a stepper. Holding it repeats the step.
Rectangle {
    id: step

    property bool increase: true
    property bool blocked: false

    signal stepped()

    implicitWidth: Theme.touchTarget
    implicitHeight: Theme.touchTarget
    radius: width / 2
    color: area.pressed ? Theme.surfacePressed : Theme.surfaceRaised
    border.color: blocked ? Theme.outline : Theme.accent
    border.width: 2
    opacity: blocked || !enabled ? 0.35 : 1.0

    // Minus and plus are drawn, so no font is needed for them.
    Rectangle {
        anchors.centerIn: parent
        width: parent.width * 0.4
        height: 3
        radius: 1
        color: Theme.text
    }
    Rectangle {
        anchors.centerIn: parent
        visible: step.increase
        width: 3
        height: parent.height * 0.4
        radius: 1
        color: Theme.text
    }

    Timer {
        id: repeat
        interval: 180
        repeat: true
        running: area.pressed && area.held && !step.blocked
        onTriggered: step.stepped()
    }

    MouseArea {
        id: area
        property bool held: false
        anchors.fill: parent
        enabled: !step.blocked
        onPressed: held = false
        onPressAndHold: held = true
        onReleased: held = false
        onClicked: step.stepped()
    }
}
