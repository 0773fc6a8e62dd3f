import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The PIN keypad. It only collects the digits; the PIN-code controller checks them.
Rectangle {
    id: page

    // What the PIN opens, handed back with the digits as the request ("unlock" or "settings").
    property string target: "unlock"
    property string pin
    // The PIN-code controller refused the last PIN.
    property bool refused: false

    // The sender of the settings screens' PIN login: a PIN asked for any target but "unlock"
    // goes to the controller through it, and never unlocks the panel.
    property QtObject settingsLoginSender

    // The PIN, the request it answers, and whether a correct PIN unlocks the panel.
    signal confirm_pin_code_login(string pinCode, string request, bool unlock)
    signal closeRequested()

    function open(forTarget) {
        target = forTarget
        pin = ""
        refused = false
        visible = true
        forceActiveFocus()
    }

    function close() {
        visible = false
        focus = false
        pin = ""
    }

    // A key of the keypad: a digit, "⌫" or "OK".
    function press(key) {
        if (key === "⌫") {
            pin = pin.slice(0, -1)
        } else if (key === "OK") {
            if (pin.length === 0)
                return
            refused = false
            if (target === "unlock" || !settingsLoginSender)
                confirm_pin_code_login(pin, target, target === "unlock")
            else
                settingsLoginSender.confirm_pin_code_login(pin, target, false)
        } else if (pin.length < 4) {
            refused = false
            pin += key
        }
    }

    // The PC's keyboard works the keypad: digits, Backspace and Return or Enter.
    Keys.onPressed: (event) => {
        if (event.key >= Qt.Key_0 && event.key <= Qt.Key_9)
            press(String(event.key - Qt.Key_0))
        else if (event.key === Qt.Key_Backspace)
            press("⌫")
        else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            press("OK")
        else
            return
        event.accepted = true
    }

    // The controller's verdict on the PIN this keypad sent: a correct one closes the keypad, a
    // wrong one is cleared for another try.
    Connections {
        target: pin_code_controller
        enabled: page.visible
        function onPinCodeConfirmed(request, correct) {
            if (request !== page.target)
                return
            if (correct) {
                page.close()
            } else {
                page.pin = ""
                page.refused = true
            }
        }
    }

    color: Theme.background
    visible: false
    z: 80

    MouseArea { anchors.fill: parent }

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: Theme.margin
        spacing: Theme.margin

        PageHeader {
            Layout.fillWidth: true
            title: qsTr("Enter PIN")
            onBackRequested: {
                page.close()
                page.closeRequested()
            }
        }

        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: 16
            Repeater {
                model: 4
                delegate: Rectangle {
                    required property int index
                    width: 18
                    height: 18
                    radius: 9
                    color: index < page.pin.length ? Theme.accent : "transparent"
                    border.color: Theme.accent
                    border.width: 2
                }
            }
        }

        // Always laid out, only hidden, so that the keys below never move under a finger.
        Text {
            objectName: "pinRefusedText"
            Layout.alignment: Qt.AlignHCenter
            opacity: page.refused ? 1 : 0
            text: qsTr("Wrong PIN")
            textFormat: Text.PlainText
            color: Theme.danger
            font.pixelSize: Theme.fontSmall
        }

        GridLayout {
            Layout.alignment: Qt.AlignHCenter
            columns: 3
            rowSpacing: Theme.spacing
            columnSpacing: Theme.spacing

            Repeater {
                model: ["1", "2", "3", "4", "5", "6", "7", "8", "9", "⌫", "0", "OK"]
                delegate: PanelButton {
                    required property string modelData
                    objectName: "pinKey_" + modelData
                    implicitWidth: 84
                    implicitHeight: 60
                    text: modelData
                    fontSize: Theme.fontLarge
                    highlighted: modelData === "OK"
                    enabled: modelData !== "OK" || page.pin.length > 0
                    onClicked: page.press(modelData)
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
