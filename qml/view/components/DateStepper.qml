import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A calendar date with three steppers, left to right in the date format's order. The shown
// date and which steppers are blocked come from the date value manager.
Rectangle {
    id: date

    property QtObject manager: null
    property string label
    property var texts: ["--", "--", "--"]
    property var separators: ["/", "/"]
    property var lowerBlocked: [false, false, false]
    property var upperBlocked: [false, false, false]

    // stepper: TimeEditTypes.E_stepper1 to E_stepper3; direction: E_increase or E_decrease
    signal dateChangeRequested(int stepper, int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    Connections {
        target: date.manager
        function onDateValueFormattedChanged(first, firstSeparator, second, secondSeparator,
                                             third) {
            date.texts = [first, second, third]
            date.separators = [firstSeparator, secondSeparator]
        }
        function onLowerLimitReached(stepper1, stepper2, stepper3) {
            date.lowerBlocked = [stepper1, stepper2, stepper3]
        }
        function onUpperLimitReached(stepper1, stepper2, stepper3) {
            date.upperBlocked = [stepper1, stepper2, stepper3]
        }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: 4

        Text {
            Layout.fillWidth: true
            visible: date.label.length > 0
            text: date.label
            textFormat: Text.PlainText
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
            horizontalAlignment: Text.AlignHCenter
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: Theme.margin

            Repeater {
                model: 3

                delegate: RowLayout {
                    required property int index
                    spacing: Theme.margin

                    ColumnLayout {
                        spacing: 4
                        RoundStepButton {
                            objectName: "dateStepUp" + index
                            Layout.alignment: Qt.AlignHCenter
                            increase: true
                            blocked: date.upperBlocked[index] === true
                            onStepped: date.dateChangeRequested(index, TimeEditTypes.E_increase)
                        }
                        Text {
                            objectName: "dateField" + index
                            Layout.alignment: Qt.AlignHCenter
                            textFormat: Text.PlainText
                            text: date.texts[index]
                            color: Theme.text
                            font.pixelSize: Theme.fontLarge
                            font.bold: true
                        }
                        RoundStepButton {
                            objectName: "dateStepDown" + index
                            Layout.alignment: Qt.AlignHCenter
                            increase: false
                            blocked: date.lowerBlocked[index] === true
                            onStepped: date.dateChangeRequested(index, TimeEditTypes.E_decrease)
                        }
                    }
                    Text {
                        visible: index < 2
                        textFormat: Text.PlainText
                        text: index < 2 ? date.separators[index] : ""
                        color: Theme.textDim
                        font.pixelSize: Theme.fontLarge
                    }
                }
            }
        }
    }
}
