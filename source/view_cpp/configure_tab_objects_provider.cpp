#include "view_cpp/configure_tab_objects_provider.h"

#include "pc_panel/sauna_communication.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/main_window.h"

#include <QQmlContext>
#include <QQuickWidget>

#include <utility>
#include <vector>

namespace details {

namespace {

// One published name and the object it names.
using Publication = std::pair<const char *, QObject *>;

std::vector<Publication> publications(ConfigureTabObjectsProvider &provider)
{
    view::ConfigureSystemViewManager &system = provider.systemViewManager;
    view::ConfigureSystemNetworkViewManager &network = provider.systemNetworkViewManager;
    view::ConfigureGeneralViewManager &general = provider.generalViewManager;
    view::ConfigureGeneralPinViewManager &pin = provider.generalPinViewManager;
    return {
        {"configure_system_view_controller", &system},
        {"configure_system_selector_model", system.model()},
        {"configure_network_controller", &network},
        {"configure_network_model1", network.autoConnectModel()},
        {"configure_network_model2", network.saunaListModel()},
        {"configure_network_model3", network.ipDetectModel()},
        {"configure_network_ip_connect_model", network.ipConnectModel()},
        {"configure_network_sauna_details_model", network.saunaDetailsModel()},
        {"configure_network_sauna_details_info_model", network.saunaDetailsInfoModel()},
        // General menu and PIN screen.
        {"configure_general_view_controller", &general},
        {"configure_general_pin_view_controller", &pin},
        {"configure_general_selector_model", general.model()},
        {"configure_general_pin_model", pin.model()},
    };
}

} // namespace

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider()
    : ConfigureTabObjectsProvider(view::MainWindow::instance())
{}

ConfigureTabObjectsProvider::ConfigureTabObjectsProvider(QObject *parent)
    : systemViewManager(parent)
    , systemNetworkViewManager(parent)
    , generalViewManager(parent)
    , generalPinViewManager(parent)
{}

ConfigureTabObjectsProvider::~ConfigureTabObjectsProvider() = default;

void ConfigureTabObjectsProvider::publishToQml()
{
    publish(view::GuiHandlerControlPanel::instance()->view()->rootContext());
}

void ConfigureTabObjectsProvider::publish(QQmlContext *context)
{
    if (context == nullptr)
        return;
    for (const Publication &publication : publications(*this))
        context->setContextProperty(QString::fromLatin1(publication.first), publication.second);
}

QStringList ConfigureTabObjectsProvider::publishedNames()
{
    ConfigureTabObjectsProvider provider(nullptr);
    QStringList names;
    for (const Publication &publication : publications(provider))
        names.append(QString::fromLatin1(publication.first));
    return names;
}

int ConfigureTabObjectsProvider::connectToViews(view::GuiHandlerControlPanel &guiHandler)
{
    int failed = 0;
    failed += systemViewManager.connectToView(guiHandler.systemsSelectorItems());
    failed += systemNetworkViewManager.connectToView(guiHandler.networkViewItems());
    failed += generalViewManager.connectToView(guiHandler.generalSelectorItems());
    failed += generalPinViewManager.connectToView(guiHandler.generalSelectorItems());
    return failed;
}

int ConfigureTabObjectsProvider::connectLanguageSignals(const QList<QObject *> &senders)
{
    int failed = 0;
    failed += generalViewManager.connectLanguageSignals(senders);
    failed += generalPinViewManager.connectLanguageSignals(senders);
    failed += systemViewManager.connectLanguageSignals(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectSaunaSignals(const QList<QObject *> &senders,
                                                     bool connectRelayScreen)
{
    // The relay screen is the only one that depends on connectRelayScreen; it has no manager yet.
    Q_UNUSED(connectRelayScreen)
    int failed = 0;
    failed += systemViewManager.connectSaunaSignals(senders);
    failed += generalPinViewManager.connectSaunaSignals(senders);
    return failed;
}

int ConfigureTabObjectsProvider::connectToVariantController(const QList<QObject *> &senders)
{
    return systemViewManager.connectToVariantController(senders);
}

int ConfigureTabObjectsProvider::connectToLink(pcPanel::SaunaCommunication &link)
{
    int failed = 0;
    failed += systemNetworkViewManager.connectCommunicationSignals({&link});
    failed += link.connectViewRequests({&systemNetworkViewManager});
    failed += link.saunaSystemSender()->connectUpdateSaunaRequests({&systemNetworkViewManager});
    return failed;
}

QList<QObject *> ConfigureTabObjectsProvider::userMessageRaisers()
{
    return {&systemViewManager, &systemNetworkViewManager};
}

void ConfigureTabObjectsProvider::initializeViews()
{
    generalPinViewManager.publishLockscreenSettings();
    systemViewManager.initializeView();
}

} // namespace details
