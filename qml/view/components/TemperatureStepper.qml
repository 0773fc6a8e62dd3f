import QtQuick
import SignalInterfaceLib 1.0
import "Theme.js" as Theme

// A temperature stepper that shows what its temperature value manager reports.
ValueStepper {
    id: stepper

    property QtObject manager: null
    property int unit: TemperatureTypes.E_celsius
    // Whether the manager holds a temperature that a Save could send.
    readonly property bool holdsValue: stepper.manager !== null && stepper.manager.hasValue === true

    signal changeTemperatureValueRequested(int step)

    onStepRequested: (direction) => changeTemperatureValueRequested(direction)

    unitText: unit === TemperatureTypes.E_fahrenheit ? "°F" : "°C"
    valueColor: Theme.accent

    Connections {
        target: stepper.manager
        function onTemperatureValueChanged(shown) { stepper.valueText = String(shown) }
        function onTemperatureValueChanged2Qml(shown, unit) {
            stepper.valueText = String(shown)
            stepper.unit = unit
        }
        function onTemperatureValueUnknown() { stepper.valueText = stepper.noValueText }
        function onLowerLimitReached(reached) { stepper.lowerBlocked = reached }
        function onUpperLimitReached(reached) { stepper.upperBlocked = reached }
    }
}
