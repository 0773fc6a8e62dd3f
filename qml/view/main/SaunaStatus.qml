import QtQuick
import SignalInterfaceLib 1.0

// What the main screens show about the sauna, gathered from the value managers and controllers.
// The screens bind to these properties; nothing here decides anything.
Item {
    id: status

    property bool hasMeasuredTemperature: false
    property int measuredTemperature: 0
    property bool hasTargetTemperature: false
    property int targetTemperature: 0
    property int temperatureUnit: TemperatureTypes.E_celsius
    property bool hasMeasuredHumidity: false
    property int measuredHumidity: 0
    property int humidityUnit: HumidityTypes.E_step
    property string bathTimeHours: "--"
    property string bathTimeMinutes: "--"
    property int saunaState: SaunaStateTypes.E_sauna_off
    readonly property bool lightsOn: peripheral_controller.lightsOn
    readonly property bool fanRunning: peripheral_controller.fanRunning
    readonly property bool fanAutomatic: peripheral_controller.fanAutomatic
    // The link's state and the panel lock, as their controllers publish them.
    readonly property bool connected: wifi_symbol_controller.connected
    readonly property bool panelLocked: pin_code_controller.locked
    property string timeText
    property string dateText

    readonly property string temperatureUnitText: temperatureUnit === TemperatureTypes.E_fahrenheit
                                                  ? "°F" : "°C"
    readonly property string humidityUnitText: humidityUnit === HumidityTypes.E_percentage
                                               ? "%" : qsTr("level")
    readonly property bool heating: saunaState === SaunaStateTypes.E_sauna_on
    readonly property string saunaStateText: {
        switch (saunaState) {
        case SaunaStateTypes.E_sauna_on: return qsTr("Heating")
        case SaunaStateTypes.E_sauna_dryup: return qsTr("Drying")
        case SaunaStateTypes.E_sauna_standby: return qsTr("Standby")
        case SaunaStateTypes.E_sauna_cleanup: return qsTr("Cleaning")
        case SaunaStateTypes.E_sauna_descaling: return qsTr("Descaling")
        default: return qsTr("Off")
        }
    }

    visible: false

    Connections {
        target: physical_temperature_manager
        function onTemperatureValueChanged(shown) {
            status.measuredTemperature = shown
            status.hasMeasuredTemperature = true
        }
        function onTemperatureValueChanged2Qml(shown, unit) { status.temperatureUnit = unit }
    }
    Connections {
        target: target_temperature_manager
        function onTemperatureValueChanged(shown) {
            status.targetTemperature = shown
            status.hasTargetTemperature = true
        }
    }
    Connections {
        target: physical_humidity_manager
        function onHumidityValueChanged(value, hasValue) {
            status.measuredHumidity = value
            status.hasMeasuredHumidity = hasValue
        }
        function onHumidityUnitIntChanged(unit) { status.humidityUnit = unit }
    }
    Connections {
        target: sauna_state_bath_time_manager
        function onDurationValueComponentsChanged(hours, minutes, seconds, milliseconds) {
            status.bathTimeHours = hours
            status.bathTimeMinutes = minutes
        }
    }
    Connections {
        target: time_controller
        function onSystemTimeFormattedChanged(dateText, timeText, amPmText) {
            status.dateText = dateText
            status.timeText = amPmText.length > 0 ? timeText + " " + amPmText : timeText
        }
    }
    Connections {
        target: sauna_state_controller
        function onSaunaPhysicalStateChanged(state) { status.saunaState = state }
    }
}
