import QtQuick

// What a duration manager last told: its component texts ("--" before any value) and, per
// component (hour, minute, second, millisecond), whether a step down or up would leave its
// limits (every step is blocked before any value, as the manager tells while it holds none).
// Made with the scene, it holds them for an editor that is made later.
Item {
    id: shown

    property QtObject manager: null
    property string hoursText: "--"
    property string minutesText: "--"
    property string secondsText: "--"
    property string millisecondsText: "--"
    property var lowerBlocked: [true, true, true, true]
    property var upperBlocked: [true, true, true, true]

    visible: false

    Connections {
        target: shown.manager
        function onDurationValueComponentsChanged(hours, minutes, seconds, milliseconds) {
            shown.hoursText = hours
            shown.minutesText = minutes
            shown.secondsText = seconds
            shown.millisecondsText = milliseconds
        }
        function onLowerLimitReached(hour, minute, second, millisecond) {
            shown.lowerBlocked = [hour, minute, second, millisecond]
        }
        function onUpperLimitReached(hour, minute, second, millisecond) {
            shown.upperBlocked = [hour, minute, second, millisecond]
        }
    }
}
