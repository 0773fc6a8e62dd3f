#pragma once

#include "control/display_controller.h"
#include "control/error_controller.h"
#include "control/haptic_sensor_controller.h"
#include "control/humidity_controller.h"
#include "control/language_controller.h"
#include "control/message_controller.h"
#include "control/peripheral_controller.h"
#include "control/pin_code_controller.h"
#include "control/sauna_state_controller.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "control/water_level_controller.h"
#include "control/wifi_symbol_controller.h"

#include <QList>

class QObject;

namespace details {

// The controllers of the panel's main screens. They are children of the main window, built in
// member order and destroyed in reverse; the start-up wiring reaches them as public members.
class ControllerTabObjectsProvider
{
public:
    ControllerTabObjectsProvider();
    virtual ~ControllerTabObjectsProvider();

    ControllerTabObjectsProvider(const ControllerTabObjectsProvider &) = delete;
    ControllerTabObjectsProvider &operator=(const ControllerTabObjectsProvider &) = delete;

    // The controllers and managers the scene binds to, as context properties of the root context.
    void publishToQml();
    // Each returns the number of connections that failed.
    int connectLanguageSignals(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // Lets every controller show the stored settings before the sauna reports anything.
    void emitInitialStates();

    control::DisplayController displayController;
    control::ErrorController errorController;
    control::HumidityController humidityController;
    control::LanguageController languageController;
    control::MessageController messageController;
    control::PeripheralController peripheralController;
    control::PinCodeController pinCodeController;
    control::SaunaStateController saunaStateController;
    control::TemperatureController temperatureController;
    control::TimeController timeController;
    control::WaterLevelController waterLevelController;
    control::WiFiSymbolController wifiSymbolController;
    control::HapticSensorController hapticSensorController;
};

} // namespace details
