import QtQuick
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A humidity stepper that shows what its humidity value manager reports, in percent or in
// levels as the sauna decides.
ValueStepper {
    id: stepper

    property QtObject manager: null
    property int unit: HumidityTypes.E_step

    signal changeHumidityValueRequested(int step)

    onStepRequested: (direction) => changeHumidityValueRequested(direction)

    unitText: unit === HumidityTypes.E_percentage ? "%" : qsTr("level")
    valueColor: Theme.water

    Connections {
        target: stepper.manager
        function onHumidityValueChanged(value) { stepper.valueText = value < 0 ? "--" : String(value) }
        function onHumidityUnitIntChanged(unit) { stepper.unit = unit }
        function onLowerLimitReached(reached) { stepper.lowerBlocked = reached }
        function onUpperLimitReached(reached) { stepper.upperBlocked = reached }
    }
}
