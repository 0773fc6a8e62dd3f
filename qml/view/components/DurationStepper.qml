import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// Hours and minutes of a duration, each with its own steppers. The values come from the
// duration manager; the steppers only ask for a step of one component.
Rectangle {
    id: duration

    property QtObject manager: null
    // Whether the manager holds a duration that a Save could send.
    readonly property bool holdsValue: duration.manager !== null && duration.manager.hasValue === true
    property string label
    property string hoursText: "--"
    property string minutesText: "--"
    property string secondsText: "--"
    property var lowerBlocked: [false, false, false]
    property var upperBlocked: [false, false, false]
    // The two components shown, the top one first: hours and minutes, or for a duration of a few
    // minutes, minutes and seconds.
    property bool minutesAndSeconds: false

    // component: TimeEditTypes.E_hour or E_minute; direction: E_increase or E_decrease
    signal durationChangeRequested(int component, int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    Connections {
        target: duration.manager
        function onDurationValueComponentsChanged(hours, minutes, seconds, milliseconds) {
            duration.hoursText = hours
            duration.minutesText = minutes
            duration.secondsText = seconds
        }
        function onLowerLimitReached(hour, minute, second, millisecond) {
            duration.lowerBlocked = [hour, minute, second]
        }
        function onUpperLimitReached(hour, minute, second, millisecond) {
            duration.upperBlocked = [hour, minute, second]
        }
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: 4

        Text {
            Layout.fillWidth: true
            visible: duration.label.length > 0
            text: duration.label
            textFormat: Text.PlainText
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
            horizontalAlignment: Text.AlignHCenter
        }

        RowLayout {
            Layout.alignment: Qt.AlignHCenter
            spacing: Theme.margin * 2

            Repeater {
                model: duration.minutesAndSeconds
                       ? [ { component: TimeEditTypes.E_minute, slot: 1, unit: qsTr("min") },
                           { component: TimeEditTypes.E_second, slot: 2, unit: qsTr("s") } ]
                       : [ { component: TimeEditTypes.E_hour, slot: 0, unit: qsTr("h") },
                           { component: TimeEditTypes.E_minute, slot: 1, unit: qsTr("min") } ]

                delegate: ColumnLayout {
                    required property var modelData
                    spacing: 4

                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: true
                        blocked: duration.upperBlocked[modelData.slot] === true
                        onStepped: duration.durationChangeRequested(modelData.component,
                                                                   TimeEditTypes.E_increase)
                    }
                    Text {
                        Layout.alignment: Qt.AlignHCenter
                        textFormat: Text.PlainText
                        text: [duration.hoursText, duration.minutesText,
                               duration.secondsText][modelData.slot] + " " + modelData.unit
                        color: Theme.text
                        font.pixelSize: Theme.fontLarge
                        font.bold: true
                    }
                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: false
                        blocked: duration.lowerBlocked[modelData.slot] === true
                        onStepped: duration.durationChangeRequested(modelData.component,
                                                                   TimeEditTypes.E_decrease)
                    }
                }
            }
        }
    }
}
