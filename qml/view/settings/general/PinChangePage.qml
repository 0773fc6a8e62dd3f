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
    property string pin
    property string refusal

    signal finished()

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
            objectName: "pinChangeRefusedText"
            Layout.alignment: Qt.AlignHCenter
            opacity: page.refusal.length > 0 ? 1 : 0
            text: page.refusal.length > 0 ? page.refusal : " "
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
                    objectName: "pinChangeKey_" + modelData
                    implicitWidth: 84
                    implicitHeight: 52
                    text: modelData
                    fontSize: Theme.fontLarge
                    highlighted: modelData === "OK"
                    enabled: modelData !== "OK" || page.pin.length > 0
                    onClicked: {
                        if (modelData === "⌫") {
                            page.pin = page.pin.slice(0, -1)
                        } else if (modelData === "OK") {
                            page.send()
                        } else if (page.pin.length < 4) {
                            page.refusal = ""
                            page.pin += modelData
                        }
                    }
                }
            }
        }
        Item { Layout.fillHeight: true }
    }
}
