import QtQuick
import QtQuick.Layouts
import "Theme.js" as Theme

// The digits of a PIN: a dot for each digit typed, a line for a refusal, and the keys 1 to 9, ⌫,
// 0 and OK. The PC's keyboard works it the same way: digits (number pad too), Backspace, and
// Return or Enter for OK, once the keypad has the focus (take it with forceActiveFocus()). It
// only collects the digits; whoever shows it checks them when it is accepted.
ColumnLayout {
    id: keypad

    property string pin
    property int maximumLength: 4
    // The refusal of the last PIN; none while empty. Its line is always laid out, only hidden,
    // so that the keys below never move under a finger.
    property string note
    property alias noteName: noteText.objectName
    // The keys are named with this prefix and their text ("pinKey_1", "pinKey_OK").
    property string keyNamePrefix: "pinKey_"
    property int keyHeight: 60

    // A digit was added: a refusal shown for the PIN before is out of date.
    signal digitTyped()
    // OK with at least one digit.
    signal accepted(string pin)

    // A key of the keypad: a digit, "⌫" or "OK".
    function press(key) {
        if (key === "⌫") {
            pin = pin.slice(0, -1)
        } else if (key === "OK") {
            if (pin.length > 0)
                accepted(pin)
        } else if (pin.length < maximumLength) {
            pin += key
            digitTyped()
        }
    }

    spacing: Theme.margin

    Keys.onPressed: (event) => {
        if (event.key >= Qt.Key_0 && event.key <= Qt.Key_9)
            keypad.press(String(event.key - Qt.Key_0))
        else if (event.key === Qt.Key_Backspace)
            keypad.press("⌫")
        else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            keypad.press("OK")
        else
            return
        event.accepted = true
    }

    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 16
        Repeater {
            model: keypad.maximumLength
            delegate: Rectangle {
                required property int index
                width: 18
                height: 18
                radius: 9
                color: index < keypad.pin.length ? Theme.accent : "transparent"
                border.color: Theme.accent
                border.width: 2
            }
        }
    }

    Text {
        id: noteText
        Layout.alignment: Qt.AlignHCenter
        opacity: keypad.note.length > 0 ? 1 : 0
        text: keypad.note.length > 0 ? keypad.note : " "
        textFormat: Text.PlainText
        color: Theme.danger
        font.pixelSize: Theme.fontSmall
    }

    Grid {
        Layout.alignment: Qt.AlignHCenter
        columns: 3
        rowSpacing: Theme.spacing
        columnSpacing: Theme.spacing

        Repeater {
            model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "⌫", "0", "OK"]
            delegate: PanelButton {
                required property string modelData
                objectName: keypad.keyNamePrefix + modelData
                implicitWidth: 84
                implicitHeight: keypad.keyHeight
                // OK confirms as a message's answer button does, and reads as it does.
                text: modelData === "OK" ? qsTranslate("QObject", "Ok") : modelData
                fontSize: Theme.fontLarge
                highlighted: modelData === "OK"
                enabled: modelData !== "OK" || keypad.pin.length > 0
                onClicked: keypad.press(modelData)
            }
        }
    }
}
