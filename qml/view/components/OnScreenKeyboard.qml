import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// The on-screen keyboard. The program opens and closes it through openKeyboard() and
// closeKeyboard(); the key caps come from "keyboard_language" in the current language. The text
// can be typed on the keys and on a physical keyboard alike. The typed text goes to whoever asked
// for it through textAccepted() or editCancelled().
Rectangle {
    id: keyboard

    property alias text: input.text
    // What the typed text names, shown above the field.
    property string label
    // One tap of shift capitalises the next character only; a second tap before typing locks
    // the capitals until shift is tapped once more.
    property bool caps: false
    property bool capsLocked: false
    property bool symbol: false
    property alias maximumLength: input.maximumLength
    // Toggled on every change of language, so that the key caps are asked for again.
    property bool languageToggle: false
    readonly property bool full: input.length >= input.maximumLength

    signal textAccepted(string text)
    signal editCancelled()

    // The untyped parameter keeps the signature openKeyboard(QVariant) that the program connects.
    // The hint is the text to start from, or a number when there is none.
    function openKeyboard(hint) {
        text = typeof hint === "string" ? hint : ""
        input.cursorPosition = input.length
        caps = false
        capsLocked = false
        symbol = false
        visible = true
        input.forceActiveFocus()
    }

    function closeKeyboard() {
        visible = false
        input.focus = false
    }

    function keyText(row, position) {
        switch (row) {
        case 1: return keyboard_language.row1KeyText(position, caps, symbol)
        case 2: return keyboard_language.row2KeyText(position, caps, symbol)
        case 3: return keyboard_language.row3KeyText(position, caps, symbol)
        case 4: return keyboard_language.row4KeyText(position, caps, symbol)
        default: return keyboard_language.row5KeyText(position, caps, symbol)
        }
    }

    function tapShift() {
        if (!caps) {
            caps = true
        } else if (!capsLocked) {
            capsLocked = true
        } else {
            caps = false
            capsLocked = false
        }
    }

    // Types at the cursor, over a selection, as a physical key would.
    function type(characters) {
        if (input.selectedText.length > 0)
            input.remove(input.selectionStart, input.selectionEnd)
        const room = input.maximumLength - input.length
        if (room <= 0)
            return
        input.insert(input.cursorPosition, characters.slice(0, room))
        if (!capsLocked)
            caps = false
    }

    function erase() {
        if (input.selectedText.length > 0)
            input.remove(input.selectionStart, input.selectionEnd)
        else if (input.cursorPosition > 0)
            input.remove(input.cursorPosition - 1, input.cursorPosition)
    }

    function accept() {
        const accepted = text
        closeKeyboard()
        textAccepted(accepted)
    }

    function cancel() {
        closeKeyboard()
        editCancelled()
    }

    visible: false
    z: 90
    color: Theme.background

    // Keeps touches away from the screen behind.
    MouseArea { anchors.fill: parent }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 4
        spacing: 4

        RowLayout {
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacing
            Layout.rightMargin: Theme.spacing
            spacing: Theme.spacing
            Text {
                objectName: "keyboardLabel"
                Layout.fillWidth: true
                text: keyboard.label
                textFormat: Text.PlainText
                elide: Text.ElideRight
                color: Theme.textDim
                font.pixelSize: Theme.fontSmall
            }
            // How much of the name is used; at the limit a further character is not taken.
            Text {
                objectName: "keyboardLength"
                text: input.length + "/" + input.maximumLength
                textFormat: Text.PlainText
                color: keyboard.full ? Theme.danger : Theme.textFaint
                font.pixelSize: Theme.fontSmall
            }
        }

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            radius: Theme.radius
            color: Theme.surface
            border.color: Theme.accent
            TextInput {
                id: input
                objectName: "keyboardText"
                anchors.fill: parent
                anchors.margins: Theme.spacing
                verticalAlignment: TextInput.AlignVCenter
                // Favorite and relay names are at most 20 characters.
                maximumLength: 20
                clip: true
                color: Theme.text
                selectionColor: Theme.accent
                font.pixelSize: Theme.fontLarge
                Keys.onReturnPressed: keyboard.accept()
                Keys.onEnterPressed: keyboard.accept()
                Keys.onEscapePressed: keyboard.cancel()
            }
        }

        Text {
            objectName: "keyboardLimitNote"
            Layout.fillWidth: true
            Layout.leftMargin: Theme.spacing
            // Laid out while hidden, so that the keys do not move when it shows.
            opacity: keyboard.full ? 1 : 0
            text: qsTr("At most %1 characters").arg(input.maximumLength)
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            color: Theme.danger
            font.pixelSize: Theme.fontSmall
        }

        Item { Layout.fillHeight: true }

        // Key rows: digits, the three letter rows, then the language's own letters, split so
        // that no line holds more than ten keys. Positioners, not layouts, hold the Repeaters.
        Column {
            Layout.alignment: Qt.AlignHCenter
            spacing: 4
            Repeater {
                model: [
                    { row: 1, first: 0, count: 10 },
                    { row: 3, first: 0, count: 10 },
                    { row: 4, first: 0, count: 9 },
                    { row: 5, first: 0, count: 7 },
                    { row: 2, first: 0, count: 10 },
                    { row: 2, first: 10, count: 8 }
                ]
                delegate: Row {
                    required property var modelData
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 3
                    Repeater {
                        model: modelData.count
                        delegate: Rectangle {
                            required property int index
                            readonly property int position: modelData.first + index
                            readonly property string cap: {
                                keyboard.languageToggle
                                return keyboard.keyText(modelData.row, position)
                            }
                            objectName: "keyboardKey_" + modelData.row + "_" + position
                            width: 30
                            height: 42
                            radius: 6
                            color: keyArea.pressed ? Theme.surfacePressed : Theme.surfaceRaised
                            Text {
                                anchors.centerIn: parent
                                text: parent.cap
                                textFormat: Text.PlainText
                                color: Theme.text
                                font.pixelSize: Theme.fontNormal
                            }
                            MouseArea {
                                id: keyArea
                                anchors.fill: parent
                                onClicked: keyboard.type(parent.cap)
                            }
                        }
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: 3
            PanelButton {
                objectName: "keyboardShiftKey"
                Layout.preferredWidth: 52
                // Locked capitals show a barred arrow.
                text: keyboard.capsLocked ? "⇪" : "⇧"
                highlighted: keyboard.caps
                onClicked: keyboard.tapShift()
            }
            PanelButton {
                objectName: "keyboardSymbolKey"
                Layout.preferredWidth: 52
                text: keyboard.symbol ? "ABC" : "?123"
                fontSize: Theme.fontSmall
                highlighted: keyboard.symbol
                onClicked: keyboard.symbol = !keyboard.symbol
            }
            PanelButton {
                objectName: "keyboardSpaceKey"
                Layout.fillWidth: true
                implicitWidth: 60
                text: qsTr("Space")
                fontSize: Theme.fontSmall
                onClicked: keyboard.type(" ")
            }
            PanelButton {
                objectName: "keyboardBackspaceKey"
                Layout.preferredWidth: 52
                text: "⌫"
                onClicked: keyboard.erase()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            PanelButton {
                objectName: "keyboardCancelButton"
                Layout.fillWidth: true
                text: qsTr("Cancel")
                onClicked: keyboard.cancel()
            }
            PanelButton {
                objectName: "keyboardSaveButton"
                Layout.fillWidth: true
                text: qsTr("Save")
                highlighted: true
                onClicked: keyboard.accept()
            }
        }
    }
}
