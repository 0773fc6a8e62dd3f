import QtQuick
import QtQuick.Layouts
import Effects 1.0
import ViewTypesLib 1.0
import "Theme.js" as Theme

// The message popup. The message controller writes the kind, the title, the text and the button
// texts into these properties and shows or hides the popup through "visible". A pressed button
// hides the popup first and then reports its own text, so a message shown from the answer's
// handler stays open.
Item {
    id: popup

    // "indication": one centre button; "selection": left and right buttons; "noButton": none.
    property string popupKind: "indication"
    property string popupTitle
    property string popupText
    property string leftButtonText
    property string centerButtonText
    property string rightButtonText

    signal popupBtnPressed(string buttonText)

    function press(buttonText) {
        visible = false
        popupBtnPressed(buttonText)
    }

    visible: false
    z: 100

    Rectangle {
        anchors.fill: parent
        color: "#b0000000"
        // Swallows touches: the screen behind waits for the answer.
        MouseArea { anchors.fill: parent }
    }

    Rectangle {
        id: card
        objectName: "popupCard"
        anchors.centerIn: parent
        width: parent.width - 2 * Theme.margin * 2
        height: content.implicitHeight + 2 * Theme.margin
        radius: Theme.radius + 4
        color: Theme.surfaceRaised
        border.color: popup.popupTitle === qsTranslate("QObject", "Error") ? Theme.danger : Theme.accent
        border.width: 2

        DropShadow {
            blurRadius: 8
            xOffset: 0
            yOffset: 6
            color: Theme.shadow
        }

        ColumnLayout {
            id: content
            anchors.fill: parent
            anchors.margins: Theme.margin
            spacing: Theme.margin

            Text {
                objectName: "popupTitle"
                Layout.fillWidth: true
                visible: text.length > 0
                text: popup.popupTitle
                textFormat: Text.PlainText
                color: Theme.accent
                font.pixelSize: Theme.fontLarge
                font.bold: true
                horizontalAlignment: Text.AlignHCenter
            }
            Text {
                objectName: "popupText"
                Layout.fillWidth: true
                // A time range or a number with its unit in the message stays on one line.
                text: LineBreaks.keptTogether(popup.popupText)
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                color: Theme.text
                font.pixelSize: Theme.fontNormal
                horizontalAlignment: Text.AlignHCenter
            }
            RowLayout {
                Layout.fillWidth: true
                spacing: Theme.spacing
                visible: popup.popupKind !== "noButton"

                PanelButton {
                    objectName: "popupLeftButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind === "selection"
                    text: popup.leftButtonText
                    highlighted: true
                    onClicked: popup.press(popup.leftButtonText)
                }
                PanelButton {
                    objectName: "popupCenterButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind !== "selection"
                    text: popup.centerButtonText
                    highlighted: true
                    onClicked: popup.press(popup.centerButtonText)
                }
                PanelButton {
                    objectName: "popupRightButton"
                    Layout.fillWidth: true
                    visible: popup.popupKind === "selection"
                    text: popup.rightButtonText
                    onClicked: popup.press(popup.rightButtonText)
                }
            }
        }
    }
}
