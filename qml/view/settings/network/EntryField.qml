import QtQuick
import "../../components/Theme.js" as Theme

// A labelled one-line text entry with room for the reason the program refused its value.
Column {
    id: field

    property alias label: labelText.text
    property alias text: input.text
    property alias validator: input.validator
    property alias inputMethodHints: input.inputMethodHints
    property alias echoMode: input.echoMode
    property string errorText
    readonly property alias inputItem: input

    signal activated()
    signal committed(string text)

    spacing: 4

    Text {
        id: labelText
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
    }
    Rectangle {
        width: field.width
        height: Theme.touchTarget
        radius: Theme.radius
        color: Theme.surface
        border.color: field.errorText.length > 0 ? Theme.danger
                                                  : (input.activeFocus ? Theme.accent : Theme.outline)
        TextInput {
            id: input
            anchors.fill: parent
            anchors.margins: Theme.margin
            verticalAlignment: TextInput.AlignVCenter
            color: Theme.text
            font.pixelSize: Theme.fontNormal
            clip: true
            onActiveFocusChanged: if (activeFocus) field.activated()
            onAccepted: field.committed(text)
        }
    }
    Text {
        width: field.width
        visible: field.errorText.length > 0
        text: field.errorText
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Theme.danger
        font.pixelSize: Theme.fontSmall
    }
}
