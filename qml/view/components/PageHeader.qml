import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// The title bar of a sub-page, with an optional back arrow.
Rectangle {
    id: header

    property string title
    property bool backVisible: true
    // Room kept free at the right end for a button the page puts over the header.
    property real trailingSpace: 0

    signal backRequested()

    // A title set on two lines makes the bar taller.
    implicitHeight: Math.max(Theme.touchTarget + 4, titleText.implicitHeight + Theme.spacing)
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
        FittingText {
            id: titleText
            Layout.fillWidth: true
            Layout.preferredWidth: naturalWidth
            Layout.leftMargin: header.backVisible ? 0 : Theme.margin
            Layout.rightMargin: header.trailingSpace
            text: header.title
            color: Theme.text
            preferredPixelSize: Theme.fontLarge
            smallestPixelSize: Theme.fontNormal
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
