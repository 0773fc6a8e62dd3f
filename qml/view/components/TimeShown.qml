import QtQuick
import SignalInterfaceLib 1.0

// What a time value manager last told: the hour and minute texts ("--" without a time), whether
// they are a 12-hour time before noon, and for the hour, the minute and AM/PM whether a step down
// or up would leave its window (every step is blocked before any time, as the manager tells while
// it holds none). Made with the scene, it holds them for an editor made later.
Item {
    id: shown

    property QtObject manager: null
    property string hourText: "--"
    property string minuteText: "--"
    property bool twelveHour: false
    property bool beforeNoon: true
    property var lowerBlocked: [true, true, true]
    property var upperBlocked: [true, true, true]

    visible: false

    Connections {
        target: shown.manager
        function onTimeValueFormattedChanged(hourText, minuteText, timeFormat, beforeNoon) {
            shown.hourText = hourText
            shown.minuteText = minuteText
            shown.twelveHour = timeFormat === DateTimeTypes.E_am_pm
            shown.beforeNoon = beforeNoon
        }
        function onLowerLimitReached(hour, minute, amPm) { shown.lowerBlocked = [hour, minute, amPm] }
        function onUpperLimitReached(hour, minute, amPm) { shown.upperBlocked = [hour, minute, amPm] }
    }
}
