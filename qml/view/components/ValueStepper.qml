import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A number with minus and plus buttons. It only asks for a step; the shown value comes back from
// the program.
Rectangle {
    id: stepper

    // What the stepper reads while it has no value, without a unit.
    readonly property string noValueText: "--"

    property string label
    // Where room is short (the main screen), the label stands between the buttons, above the
    // value, instead of on a line of its own above them.
    property bool labelBetweenButtons: false
    property string valueText: noValueText
    // False while there is no value to show (no sauna connected): the stepper reads "--".
    property bool hasValue: true
    property string unitText
    property bool lowerBlocked: false
    property bool upperBlocked: false
    property color valueColor: Theme.text
    // Whether a number is shown: while the stepper reads "--" there is nothing to step from, the
    // program ignores a step, and so "-" and "+" are shown disabled.
    readonly property bool showsValue: hasValue && valueText !== noValueText

    // direction: DataProviderTypes.E_stepper_increase or E_stepper_decrease
    signal stepRequested(int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    // The label, on a line of its own above the buttons or between them, above the value.
    component LabelText: Text {
        Layout.fillWidth: true
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        color: Theme.textDim
        font.pixelSize: Theme.fontSmall
        horizontalAlignment: Text.AlignHCenter
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: 2

        LabelText {
            visible: stepper.label.length > 0 && !stepper.labelBetweenButtons
            text: stepper.label
        }

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.spacing

            RoundStepButton {
                objectName: "decreaseButton"
                increase: false
                enabled: stepper.showsValue
                blocked: stepper.lowerBlocked
                onStepped: stepper.stepRequested(DataProviderTypes.E_stepper_decrease)
            }
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 0

                LabelText {
                    visible: stepper.label.length > 0 && stepper.labelBetweenButtons
                    text: stepper.label
                }
                Text {
                    objectName: "valueText"
                    Layout.fillWidth: true
                    horizontalAlignment: Text.AlignHCenter
                    textFormat: Text.PlainText
                    text: !stepper.showsValue
                          ? stepper.noValueText
                          : stepper.valueText
                            + (stepper.unitText.length > 0 ? " " + stepper.unitText : "")
                    color: stepper.valueColor
                    font.pixelSize: Theme.fontLarge + 4
                    font.bold: true
                }
            }
            RoundStepButton {
                objectName: "increaseButton"
                increase: true
                enabled: stepper.showsValue
                blocked: stepper.upperBlocked
                onStepped: stepper.stepRequested(DataProviderTypes.E_stepper_increase)
            }
        }
    }
}
