import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "../../components"
import "../../components/Theme.js" as Theme

// Changing the PIN in three steps: the current PIN, the new one, the new one again. The page only
// collects the digits; the PIN-code controller checks each step through the sender item
// "configureGeneralPinSelector" and answers, and the page moves on by that answer alone.
Item {
    id: page
    objectName: "pinChangePage"

    property QtObject pinChangeSender
    // 0: current PIN, 1: new PIN, 2: new PIN again.
    property int step: 0
    property alias pin: keypad.pin
    property string refusal

    signal finished()

    // The PC's keys go to the keypad while the page is on top.
    StackView.onActivated: keypad.forceActiveFocus()

    function send() {
        const typed = pin
        pin = ""
        refusal = ""
        if (step === 0)
            pinChangeSender.old_pin_code(typed)
        else if (step === 1)
            pinChangeSender.new_pin_code(typed)
        else
            pinChangeSender.new_pin_code_confirm(typed)
    }

    Connections {
        target: pin_code_controller
        enabled: page.StackView.status === StackView.Active
        function onOldPinCodeChecked(correct) {
            if (correct)
                page.step = 1
            else
                page.refusal = qsTr("Wrong PIN")
        }
        function onNewPinCodeChecked(valid) {
            if (valid) {
                page.step = 2
            } else {
                page.step = 0
                page.refusal = qsTr("Invalid PIN")
            }
        }
        function onPinCodeChangeFinished(changed) {
            if (changed) {
                page.finished()
            } else {
                // The controller forgets the whole change: it starts again from the current PIN.
                page.step = 0
                page.refusal = qsTr("The PINs do not match")
            }
        }
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.background
    }

    ColumnLayout {
        anchors.fill: parent
        spacing: Theme.margin

        PageHeader {
            Layout.fillWidth: true
            title: qsTr("Change PIN")
            onBackRequested: page.StackView.view.pop()
        }

        Text {
            objectName: "pinChangeStepText"
            Layout.alignment: Qt.AlignHCenter
            text: page.step === 0 ? qsTr("Enter current PIN")
                                  : page.step === 1 ? qsTr("Enter new PIN")
                                                    : qsTr("Confirm new PIN")
            textFormat: Text.PlainText
            color: Theme.text
            font.pixelSize: Theme.fontNormal
        }

        PinKeypad {
            id: keypad
            Layout.alignment: Qt.AlignHCenter
            note: page.refusal
            noteName: "pinChangeRefusedText"
            keyNamePrefix: "pinChangeKey_"
            keyHeight: 52
            onDigitTyped: page.refusal = ""
            onAccepted: page.send()
        }
        Item { Layout.fillHeight: true }
    }
}
