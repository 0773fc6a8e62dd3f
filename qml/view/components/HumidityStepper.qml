import QtQuick
import "Theme.js" as Theme

// A humidity stepper that shows what its humidity value manager reports, in percent or in
// levels as the sauna decides.
ValueStepper {
    id: stepper

    property QtObject manager: null
    // HumidityTypes: 0 percent, 1 levels
    property int unit: 1

    signal changeHumidityValueRequested(int step)

    onStepRequested: (direction) => changeHumidityValueRequested(direction)

    unitText: unit === 0 ? "%" : qsTr("level")
    valueColor: Theme.water

    Connections {
        target: stepper.manager
        function onHumidityValueChanged(value) { stepper.valueText = value < 0 ? "--" : String(value) }
        function onHumidityUnitIntChanged(unit) { stepper.unit = unit }
        function onLowerLimitReached(reached) { stepper.lowerBlocked = reached }
        function onUpperLimitReached(reached) { stepper.upperBlocked = reached }
    }
}
