import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A calendar date with three steppers, left to right in the date format's order. The shown
// date and which steppers are blocked come from the date value manager, as it told them to this
// editor or, for an editor made after the manager told them, to the scene's item that has
// followed it from the start (shownBy).
Rectangle {
    id: date

    property QtObject manager: null
    property QtObject shownBy: null
    readonly property QtObject shown: date.shownBy !== null ? date.shownBy : ownShown
    property string label
    readonly property var texts: date.shown.texts
    readonly property var separators: date.shown.separators
    readonly property var lowerBlocked: date.shown.lowerBlocked
    readonly property var upperBlocked: date.shown.upperBlocked

    // stepper: TimeEditTypes.E_stepper1 to E_stepper3; direction: E_increase or E_decrease
    signal dateChangeRequested(int stepper, int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    DateShown {
        id: ownShown
        manager: date.manager
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

        Row {
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
