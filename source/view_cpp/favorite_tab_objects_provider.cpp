#include "view_cpp/favorite_tab_objects_provider.h"

#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/list_model.h"
#include "view_cpp/main_window.h"

#include <QQmlContext>
#include <QQuickWidget>

namespace details {

FavoriteTabObjectsProvider::FavoriteTabObjectsProvider()
    : favoriteController(view::MainWindow::instance)
    , favoriteOverviewController(view::MainWindow::instance)
{}

FavoriteTabObjectsProvider::~FavoriteTabObjectsProvider() = default;

void FavoriteTabObjectsProvider::publishToQml()
{
    QQmlContext *context = view::GuiHandlerControlPanel::instance->view()->rootContext();
    context->setContextProperty(QStringLiteral("favorites_controller"), &favoriteController);
    context->setContextProperty(QStringLiteral("favorites_humidity_manager"),
                                favoriteController.humidityManager());
    context->setContextProperty(QStringLiteral("favorites_temperature_manager"),
                                favoriteController.temperatureManager());
    context->setContextProperty(QStringLiteral("favorites_bath_time_manager"),
                                favoriteController.bathTimeManager());
    context->setContextProperty(QStringLiteral("favorite_auxiliary_relays_model"),
                                favoriteController.auxiliaryRelaysModel());
    context->setContextProperty(QStringLiteral("favorite_overview_controller"),
                                &favoriteOverviewController);
    context->setContextProperty(QStringLiteral("favorites_model"),
                                favoriteOverviewController.favoritesModel());
}

int FavoriteTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    return favoriteController.connectLanguageChanged(senders);
}

int FavoriteTabObjectsProvider::connectSaunaSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += favoriteController.connectSaunaSignals(senders);
    failed += favoriteOverviewController.connectSaunaSignals(senders);
    return failed;
}

} // namespace details
