import QtQuick

// What a date value manager last told: the three field texts in the date format's order ("--"
// without a date) with their separators, and for each stepper whether a step down or up would
// leave the limits (every step is blocked before any date, as the manager tells while it holds
// none). Made with the scene, it holds them for an editor made later.
Item {
    id: shown

    property QtObject manager: null
    property var texts: ["--", "--", "--"]
    property var separators: ["/", "/"]
    property var lowerBlocked: [true, true, true]
    property var upperBlocked: [true, true, true]

    visible: false

    Connections {
        target: shown.manager
        function onDateValueFormattedChanged(first, firstSeparator, second, secondSeparator,
                                             third) {
            shown.texts = [first, second, third]
            shown.separators = [firstSeparator, secondSeparator]
        }
        function onLowerLimitReached(stepper1, stepper2, stepper3) {
            shown.lowerBlocked = [stepper1, stepper2, stepper3]
        }
        function onUpperLimitReached(stepper1, stepper2, stepper3) {
            shown.upperBlocked = [stepper1, stepper2, stepper3]
        }
    }
}
