import QtQuick
import "../../components/Theme.js" as Theme

// A labelled one-line text entry with room for the reason the program refused its value. The
// value is committed on Return and, when the user typed something, on leaving the field: a user
// who types and then taps elsewhere means the typed value.
Column {
    id: field

    property alias label: labelText.text
    property alias text: input.text
    property alias validator: input.validator
    property alias inputMethodHints: input.inputMethodHints
    property alias echoMode: input.echoMode
    property string errorText
    // False where only Return or the page's own button may commit, and leaving means cancel.
    property bool commitsOnLeave: true
    readonly property alias inputItem: input

    signal activated()
    signal committed(string text)

    // Hands the shown text to the program, typed or not.
    function commit() {
        input.edited = false
        committed(input.text)
    }

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
            // Set by the user's typing only; a text the program sets is nothing to commit.
            property bool edited: false

            onTextEdited: edited = true
            onActiveFocusChanged: {
                if (activeFocus)
                    field.activated()
                else if (edited && field.commitsOnLeave)
                    field.commit()
            }
            onAccepted: field.commit()
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
