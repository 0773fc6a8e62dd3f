#include "view_cpp/controller_tab_objects_provider.h"

#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/list_model.h"
#include "view_cpp/main_window.h"

#include <QQmlContext>
#include <QQuickWidget>

namespace details {

ControllerTabObjectsProvider::ControllerTabObjectsProvider()
    : displayController(view::MainWindow::instance)
    , errorController(view::MainWindow::instance)
    , humidityController(view::MainWindow::instance)
    , languageController(view::MainWindow::instance)
    , messageController(view::MainWindow::instance)
    , peripheralController(view::MainWindow::instance)
    , pinCodeController(view::MainWindow::instance)
    , saunaStateController(view::MainWindow::instance)
    , temperatureController(view::MainWindow::instance)
    , timeController(view::MainWindow::instance)
    , waterLevelController(view::MainWindow::instance)
    , wifiSymbolController(view::MainWindow::instance)
    , hapticSensorController(view::MainWindow::instance)
{}

ControllerTabObjectsProvider::~ControllerTabObjectsProvider() = default;

void ControllerTabObjectsProvider::publishToQml()
{
    QQmlContext *context = view::GuiHandlerControlPanel::instance->view()->rootContext();
    context->setContextProperty(QStringLiteral("humidity_controller"), &humidityController);
    context->setContextProperty(QStringLiteral("physical_humidity_manager"),
                                humidityController.physicalHumidityManager());
    context->setContextProperty(QStringLiteral("target_humidity_manager"),
                                humidityController.targetHumidityManager());
    context->setContextProperty(QStringLiteral("language_controller"), &languageController);
    context->setContextProperty(QStringLiteral("peripheral_controller"), &peripheralController);
    context->setContextProperty(QStringLiteral("settings_auxiliary_relays_model"),
                                peripheralController.auxiliaryRelaysModel());
    context->setContextProperty(QStringLiteral("settings_auxiliary_relays_overview_model"),
                                peripheralController.auxiliaryRelaysOverviewModel());
    context->setContextProperty(QStringLiteral("pin_code_controller"), &pinCodeController);
    context->setContextProperty(QStringLiteral("sauna_state_controller"), &saunaStateController);
    context->setContextProperty(QStringLiteral("sauna_state_bath_time_manager"),
                                saunaStateController.bathTimeManager());
    context->setContextProperty(QStringLiteral("time_controller"), &timeController);
    context->setContextProperty(QStringLiteral("temperature_controller"), &temperatureController);
    context->setContextProperty(QStringLiteral("target_temperature_manager"),
                                temperatureController.targetTemperatureManager());
    context->setContextProperty(QStringLiteral("physical_temperature_manager"),
                                temperatureController.physicalTemperatureManager());
    context->setContextProperty(QStringLiteral("water_level_controller"), &waterLevelController);
    context->setContextProperty(QStringLiteral("wifi_symbol_controller"), &wifiSymbolController);
}

int ControllerTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += peripheralController.connectLanguageChanged(senders);
    failed += saunaStateController.connectLanguageChanged(senders);
    failed += messageController.connectLanguageChanged(senders);
    failed += waterLevelController.connectLanguageChanged(senders);
    return failed;
}

int ControllerTabObjectsProvider::connectSaunaSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += timeController.connectSaunaSignals(senders);
    failed += errorController.connectSaunaSignals(senders);
    failed += humidityController.connectSaunaSignals(senders);
    failed += messageController.connectSaunaSignals(senders);
    failed += peripheralController.connectSaunaSignals(senders);
    failed += saunaStateController.connectSaunaSignals(senders);
    failed += waterLevelController.connectSaunaSignals(senders);
    failed += temperatureController.connectSaunaSignals(senders);
    return failed;
}

void ControllerTabObjectsProvider::emitInitialStates()
{
    timeController.emitInitialState();
    languageController.applyStoredLanguage();
    saunaStateController.emitInitialState();
    temperatureController.emitInitialState();
    humidityController.emitInitialState();
    peripheralController.emitInitialState();
    wifiSymbolController.emitInitialState();
    pinCodeController.emitInitialState();
    displayController.emitInitialState();
    hapticSensorController.emitInitialState();
}

} // namespace details
