import QtQuick
import "Theme.js" as Theme

// A finger-sized push button.
Rectangle {
    id: button

    property string text
    property bool highlighted: false
    property color textColor: highlighted ? Theme.background : Theme.text
    property int fontSize: Theme.fontNormal
    readonly property bool pressed: area.pressed

    signal clicked()
    signal pressAndHold()

    implicitWidth: Math.max(Theme.touchTarget * 2, label.naturalWidth + 2 * Theme.margin)
    // A label set on two lines makes the button taller.
    implicitHeight: Math.max(Theme.touchTarget, label.implicitHeight + Theme.spacing)
    radius: Theme.radius
    opacity: enabled ? 1.0 : 0.4
    color: area.pressed ? (highlighted ? Theme.accentStrong : Theme.surfacePressed)
                        : (highlighted ? Theme.accent : Theme.surfaceRaised)
    // The button the PC's Tab key moved to (where a screen offers that) stands out.
    border.color: activeFocus ? Theme.text : (highlighted ? Theme.accent : Theme.outline)
    border.width: activeFocus ? 3 : 1

    FittingText {
        id: label
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.spacing
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: button.text
        color: button.textColor
        preferredPixelSize: button.fontSize
        smallestPixelSize: Math.min(button.fontSize, Theme.fontSmall)
        font.bold: button.highlighted
    }

    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: button.clicked()
        onPressAndHold: button.pressAndHold()
    }
}
