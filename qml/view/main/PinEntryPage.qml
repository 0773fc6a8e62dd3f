import QtQuick
import QtQuick.Layouts
import "../components"
import "../components/Theme.js" as Theme

// The PIN keypad. It only collects the digits; the PIN-code controller checks them.
Rectangle {
    id: page

    // What the PIN opens, handed back with the digits as the request ("unlock" or "settings").
    property string target: "unlock"
    property alias pin: keypad.pin
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
        keypad.forceActiveFocus()
    }

    function close() {
        visible = false
        keypad.focus = false
        pin = ""
    }

    // A key of the keypad: a digit, "⌫" or "OK".
    function press(key) {
        keypad.press(key)
    }

    function confirm() {
        refused = false
        if (target === "unlock" || !settingsLoginSender)
            confirm_pin_code_login(pin, target, target === "unlock")
        else
            settingsLoginSender.confirm_pin_code_login(pin, target, false)
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

        PinKeypad {
            id: keypad
            Layout.alignment: Qt.AlignHCenter
            note: page.refused ? qsTr("Wrong PIN") : ""
            noteName: "pinRefusedText"
            keyNamePrefix: "pinKey_"
            onDigitTyped: page.refused = false
            onAccepted: page.confirm()
        }
        Item { Layout.fillHeight: true }
    }
}
