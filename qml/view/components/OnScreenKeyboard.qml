import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// The on-screen keyboard. The program opens and closes it through openKeyboard() and
// closeKeyboard(); the key caps come from "keyboard_language" in the current language. The typed
// text goes to whoever asked for it through textAccepted() or editCancelled().
Rectangle {
    id: keyboard

    property string text
    property bool caps: false
    property bool symbol: false
    property int maximumLength: 32

    signal textAccepted(string text)
    signal editCancelled()

    // The untyped parameter keeps the signature openKeyboard(QVariant) that the program connects.
    // The hint is the text to start from, or a number when there is none.
    function openKeyboard(hint) {
        text = typeof hint === "string" ? hint : ""
        caps = false
        symbol = false
        visible = true
    }

    function closeKeyboard() {
        visible = false
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

    function type(character) {
        if (text.length < maximumLength)
            text += character
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

        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: Theme.touchTarget
            radius: Theme.radius
            color: Theme.surface
            border.color: Theme.accent
            Text {
                objectName: "keyboardText"
                anchors.fill: parent
                anchors.margins: Theme.spacing
                verticalAlignment: Text.AlignVCenter
                text: keyboard.text + "|"
                textFormat: Text.PlainText
                elide: Text.ElideLeft
                color: Theme.text
                font.pixelSize: Theme.fontLarge
            }
        }

        Item { Layout.fillHeight: true }

        // Key rows: the table's positions, split so that no line holds more than ten keys.
        Repeater {
            model: [
                { row: 1, first: 0, count: 10 },
                { row: 2, first: 0, count: 10 },
                { row: 2, first: 10, count: 8 },
                { row: 3, first: 0, count: 10 },
                { row: 4, first: 0, count: 9 },
                { row: 5, first: 0, count: 7 }
            ]
            delegate: RowLayout {
                required property var modelData
                Layout.alignment: Qt.AlignHCenter
                spacing: 3
                Repeater {
                    model: modelData.count
                    delegate: Rectangle {
                        required property int index
                        readonly property string cap: keyboard.keyText(modelData.row,
                                                                       modelData.first + index)
                        Layout.preferredWidth: 30
                        Layout.preferredHeight: 42
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

        RowLayout {
            Layout.fillWidth: true
            spacing: 3
            PanelButton {
                Layout.preferredWidth: 52
                text: "⇧"
                highlighted: keyboard.caps
                onClicked: keyboard.caps = !keyboard.caps
            }
            PanelButton {
                Layout.preferredWidth: 52
                text: "?123"
                fontSize: Theme.fontSmall
                highlighted: keyboard.symbol
                onClicked: keyboard.symbol = !keyboard.symbol
            }
            PanelButton {
                Layout.fillWidth: true
                implicitWidth: 60
                text: qsTr("Space")
                fontSize: Theme.fontSmall
                onClicked: keyboard.type(" ")
            }
            PanelButton {
                Layout.preferredWidth: 52
                text: "⌫"
                onClicked: keyboard.text = keyboard.text.slice(0, -1)
            }
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing
            PanelButton {
                objectName: "keyboardCancelButton"
                Layout.fillWidth: true
                text: qsTr("Cancel")
                onClicked: {
                    keyboard.closeKeyboard()
                    keyboard.editCancelled()
                }
            }
            PanelButton {
                objectName: "keyboardSaveButton"
                Layout.fillWidth: true
                text: qsTr("Save")
                highlighted: true
                onClicked: {
                    keyboard.closeKeyboard()
                    keyboard.textAccepted(keyboard.text)
                }
            }
        }
    }
}
