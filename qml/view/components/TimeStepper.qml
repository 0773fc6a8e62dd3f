import QtQuick
import QtQuick.Layouts
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A time of day with hour and minute steppers, and an AM/PM stepper in the 12-hour format.
// The shown time comes from the time value manager, as it told it to this editor or, for an
// editor made after the manager told it, to the scene's item that has followed it from the
// start (shownBy).
Rectangle {
    id: time

    property QtObject manager: null
    property QtObject shownBy: null
    readonly property QtObject shown: time.shownBy !== null ? time.shownBy : ownShown
    // Whether the manager holds a time that a Save could send.
    readonly property bool holdsValue: time.manager !== null && time.manager.hasValue === true
    property string label
    readonly property string hourText: time.shown.hourText
    readonly property string minuteText: time.shown.minuteText
    readonly property bool twelveHour: time.shown.twelveHour
    readonly property bool beforeNoon: time.shown.beforeNoon
    readonly property var lowerBlocked: time.shown.lowerBlocked
    readonly property var upperBlocked: time.shown.upperBlocked

    // component: TimeEditTypes.E_hour, E_minute or E_am_pm; direction: E_increase or E_decrease
    signal timeChangeRequested(int component, int direction)

    implicitWidth: 300
    implicitHeight: column.implicitHeight + 2 * Theme.spacing
    radius: Theme.radius
    color: Theme.surface

    TimeShown {
        id: ownShown
        manager: time.manager
    }

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: Theme.spacing
        spacing: 4

        Text {
            Layout.fillWidth: true
            visible: time.label.length > 0
            text: time.label
            textFormat: Text.PlainText
            color: Theme.textDim
            font.pixelSize: Theme.fontSmall
            horizontalAlignment: Text.AlignHCenter
        }

        // A positioner, not a layout, holds the steppers, whose number follows the time format: a
        // layout of Qt 6.4 can go on using a delegate that its Repeater destroyed.
        Row {
            Layout.alignment: Qt.AlignHCenter
            spacing: Theme.margin * 2

            Repeater {
                model: time.twelveHour ? 3 : 2

                delegate: ColumnLayout {
                    required property int index
                    readonly property int component: index === 0 ? TimeEditTypes.E_hour
                                                   : index === 1 ? TimeEditTypes.E_minute
                                                                 : TimeEditTypes.E_am_pm
                    spacing: 4

                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: true
                        blocked: time.upperBlocked[index] === true
                        onStepped: time.timeChangeRequested(component, TimeEditTypes.E_increase)
                    }
                    Text {
                        objectName: "timeField" + index
                        Layout.alignment: Qt.AlignHCenter
                        textFormat: Text.PlainText
                        // The half of the day in the marker of the shown times ("7:14am"); like
                        // the minutes, it reads "--" without a time.
                        text: index === 0 ? time.hourText
                                          : index === 1 || time.minuteText === "--"
                                            ? time.minuteText
                                            : (time.beforeNoon ? "am" : "pm")
                        color: Theme.text
                        font.pixelSize: Theme.fontLarge
                        font.bold: true
                    }
                    RoundStepButton {
                        Layout.alignment: Qt.AlignHCenter
                        increase: false
                        blocked: time.lowerBlocked[index] === true
                        onStepped: time.timeChangeRequested(component, TimeEditTypes.E_decrease)
                    }
                }
            }
        }
    }
}
