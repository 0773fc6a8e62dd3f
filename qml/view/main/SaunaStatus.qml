import QtQuick
import SignalInterfaceLib 1.0

// What the main screens show about the sauna, gathered from the value managers and controllers.
// The screens bind to these properties; nothing here decides anything.
//
// A value is shown only while a sauna is connected. Without a connection every value reads as
// "no value" (the has... flags are false, texts are "--", switches read off), so that nothing
// from a former connection, and no default standing for nothing, looks live. What the
// controllers last published is kept in "reported" and shown again once a sauna is connected.
Item {
    id: status

    // The link's state and the panel lock, as their controllers publish them.
    readonly property bool connected: wifi_symbol_controller.connected

    readonly property bool hasMeasuredTemperature: connected && reported.hasMeasuredTemperature
    readonly property int measuredTemperature: reported.measuredTemperature
    readonly property bool hasTargetTemperature: connected && reported.hasTargetTemperature
    readonly property int targetTemperature: reported.targetTemperature
    property int temperatureUnit: TemperatureTypes.E_celsius
    readonly property bool hasMeasuredHumidity: connected && reported.hasMeasuredHumidity
    readonly property int measuredHumidity: reported.measuredHumidity
    property int humidityUnit: HumidityTypes.E_step
    // The time left while the sauna runs, the set bath time otherwise, as the controller
    // writes durations.
    readonly property bool showsTimeLeft: connected && sauna_state_controller.showsTimeLeft
    readonly property string bathTimeText:
        connected && sauna_state_controller.bathTimeText.length > 0
        ? sauna_state_controller.bathTimeText : "--"
    readonly property bool humiditySupported: humidity_controller.humiditySupported
    readonly property bool hasSaunaState: connected
    readonly property int saunaState: connected ? reported.saunaState
                                                : SaunaStateTypes.E_sauna_off
    readonly property bool lightsOn: connected && peripheral_controller.lightsOn
    // The fan as its controller publishes it, for the heater settings page; the main screen's
    // fan tile reads "--" by itself while no sauna is connected.
    readonly property bool fanRunning: peripheral_controller.fanRunning
    readonly property bool fanAutomatic: peripheral_controller.fanAutomatic
    // The tanks of the sauna's steam generators, as the water level controller words them.
    readonly property var tanks: connected ? water_level_controller.tanks : []
    readonly property bool panelLocked: pin_code_controller.locked
    property string timeText
    property string dateText

    readonly property string temperatureUnitText: temperatureUnit === TemperatureTypes.E_fahrenheit
                                                  ? "°F" : "°C"
    readonly property string humidityUnitText: humidityUnit === HumidityTypes.E_percentage
                                               ? "%" : qsTr("level")
    readonly property bool heating: saunaState === SaunaStateTypes.E_sauna_on
    readonly property string saunaStateText: {
        if (!hasSaunaState)
            return "--"
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

    // The last values the controllers published, whether or not a sauna is connected now.
    QtObject {
        id: reported
        property bool hasMeasuredTemperature: false
        property int measuredTemperature: 0
        property bool hasTargetTemperature: false
        property int targetTemperature: 0
        property bool hasMeasuredHumidity: false
        property int measuredHumidity: 0
        property int saunaState: SaunaStateTypes.E_sauna_off
    }

    Connections {
        target: physical_temperature_manager
        function onTemperatureValueChanged(shown) {
            reported.measuredTemperature = shown
            reported.hasMeasuredTemperature = true
        }
        function onTemperatureValueChanged2Qml(shown, unit) { status.temperatureUnit = unit }
        function onTemperatureValueUnknown() { reported.hasMeasuredTemperature = false }
    }
    Connections {
        target: target_temperature_manager
        function onTemperatureValueChanged(shown) {
            reported.targetTemperature = shown
            reported.hasTargetTemperature = true
        }
        function onTemperatureValueUnknown() { reported.hasTargetTemperature = false }
    }
    Connections {
        target: physical_humidity_manager
        function onHumidityValueChanged(value, hasValue) {
            reported.measuredHumidity = value
            reported.hasMeasuredHumidity = hasValue
        }
        function onHumidityUnitIntChanged(unit) { status.humidityUnit = unit }
    }
    Connections {
        target: time_controller
        function onSystemTimeFormattedChanged(dateText, timeText, amPmText) {
            status.dateText = dateText
            // The marker follows the minutes directly, as in every other time shown ("7:14am").
            status.timeText = timeText + amPmText
        }
    }
    Connections {
        target: sauna_state_controller
        function onSaunaPhysicalStateChanged(state) { reported.saunaState = state }
    }
}
