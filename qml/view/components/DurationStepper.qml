import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A duration, each of its components with its own steppers: the components the page names
// (TimeEditTypes numbers, the top one first), as the page knows its editor. The values come from
// the duration manager, as it told them to this editor or, for an editor made after the manager
// told them, to the scene's item that has followed it from the start (shownBy); the steppers
// only ask for a step of one component.
Rectangle {
    id: duration

    property QtObject manager: null
    property QtObject shownBy: null
    readonly property QtObject shown: duration.shownBy !== null ? duration.shownBy : ownShown
    // Whether the manager holds a duration that a Save could send.
    readonly property bool holdsValue: duration.manager !== null && duration.manager.hasValue === true
    property string label
    property var components: []
    readonly property string hoursText: duration.shown.hoursText
    readonly property string minutesText: duration.shown.minutesText
    readonly property string secondsText: duration.shown.secondsText
    readonly property string millisecondsText: duration.shown.millisecondsText
    readonly property var lowerBlocked: duration.shown.lowerBlocked
    readonly property var upperBlocked: duration.shown.upperBlocked

    // component: TimeEditTypes.E_hour, E_minute, E_second or E_milliSecond;
    // direction: E_increase or E_decrease
    signal durationChangeRequested(int component, int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    DurationShown {
        id: ownShown
        manager: duration.manager
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

        // A positioner, not a layout, holds the steppers of the components (as in TimeStepper).
        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: Theme.margin * 2

            Repeater {
                model: duration.components

                delegate: ColumnLayout {
                    id: component
                    required property int modelData
                    readonly property var texts: [duration.hoursText, duration.minutesText,
                                                  duration.secondsText, duration.millisecondsText]
                    readonly property var units: [qsTr("h"), qsTr("min"), qsTr("s"), qsTr("ms")]
                    spacing: 4

                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: true
                        blocked: duration.upperBlocked[component.modelData] === true
                        onStepped: duration.durationChangeRequested(component.modelData,
                                                                   TimeEditTypes.E_increase)
                    }
                    Text {
                        Layout.alignment: Qt.AlignHCenter
                        textFormat: Text.PlainText
                        text: component.texts[component.modelData] + " "
                              + component.units[component.modelData]
                        color: Theme.text
                        font.pixelSize: Theme.fontLarge
                        font.bold: true
                    }
                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: false
                        blocked: duration.lowerBlocked[component.modelData] === true
                        onStepped: duration.durationChangeRequested(component.modelData,
                                                                   TimeEditTypes.E_decrease)
                    }
                }
            }
        }
    }
}
