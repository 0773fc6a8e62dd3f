#pragma once

#include "view_cpp/configure/configure_view_manager_base.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QObject;
class QQmlContext;

namespace control {
class CalendarQueueController;
class HumidityController;
class TemperatureController;
class TimeController;
} // namespace control

namespace pcPanel {
class SaunaCommunication;
} // namespace pcPanel

namespace saunaBridge {
class ZerededidBridgeSenderSlotInterface;
} // namespace saunaBridge

namespace view {
class GuiHandlerControlPanel;
} // namespace view

namespace details {

// One settings screen as the provider knows it: the names QML knows its manager and the
// manager's parts by, how the manager meets the screen's QML items, and the manager itself. The
// manager's language and sauna connects are its own (ConfigureViewManagerBase).
struct ConfigureScreen
{
    // One published name and the object it names.
    using Publication = std::pair<const char *, QObject *>;

    std::vector<Publication> publications;
    // Returns the number of failed connections; empty for a screen that no menu leads to.
    std::function<int(view::GuiHandlerControlPanel &)> connectToView{};
    // The relay screen hears the sauna only when the start-up asks for it.
    bool hearsSaunaOnlyWhenAsked = false;
    // Owned by the record; a child of the provider's parent as well.
    std::unique_ptr<view::ConfigureViewManagerBase> manager{};
};

// The managers of the settings screens. Each screen has one record in the registry, which builds
// its manager and names what is published and connected for it; every walk over the screens
// (publication, views, language, sauna) follows the registry's order, and the wiring that needs
// one screen's manager looks it up by its type. A screen joins by its record; only wiring of its
// own beyond its view, language and sauna names its manager elsewhere.
class ConfigureTabObjectsProvider
{
public:
    // The managers are children of the main window.
    ConfigureTabObjectsProvider();
    explicit ConfigureTabObjectsProvider(QObject *parent);
    virtual ~ConfigureTabObjectsProvider();

    ConfigureTabObjectsProvider(const ConfigureTabObjectsProvider &) = delete;
    ConfigureTabObjectsProvider &operator=(const ConfigureTabObjectsProvider &) = delete;

    // Every settings screen, in the order of the settings menus.
    const std::vector<ConfigureScreen> &screens() const { return m_screens; }

    // The manager of the screen of that kind; each kind has one screen, and asking for a kind
    // that has none is a programming error.
    template<typename Manager>
    Manager &manager()
    {
        for (const ConfigureScreen &screen : m_screens)
            if (screen.manager->metaObject() == &Manager::staticMetaObject)
                return static_cast<Manager &>(*screen.manager);
        qFatal("No settings screen of kind %s", Manager::staticMetaObject.className());
    }

    // The managers and their models as context properties of the GUI handler's root context;
    // before "main.qml" is loaded, so the scene finds every name.
    void publishToQml();
    void publish(QQmlContext *context);
    // Every name publish() sets, in its order.
    static QStringList publishedNames();

    // Each connect operation returns the number of connections that failed.
    // The screens' QML items, found through the GUI handler's finders.
    int connectToViews(view::GuiHandlerControlPanel &guiHandler);
    // The language controller.
    int connectLanguageSignals(const QList<QObject *> &senders);
    // The bridge receiver; the relay screen only when connectRelayScreen is set.
    int connectSaunaSignals(const QList<QObject *> &senders, bool connectRelayScreen);
    // The variant controller's product type.
    int connectToVariantController(const QList<QObject *> &senders);
    // The temperature controller's unit, to the Limits screen's temperature editors and the
    // Status screen.
    int connectToTemperatureController(const QList<QObject *> &senders);
    // The settings screens' requests to the bridge sender.
    int connectToBridge(saunaBridge::ZerededidBridgeSenderSlotInterface *bridge);
    // The link's connection state machine.
    int connectToConnectionStateMachine(const QList<QObject *> &senders);
    // The sauna-state controller.
    int connectToSaunaStateController(const QList<QObject *> &senders);
    // The link both ways: its reports to the Network screen, the screen's requests to the link
    // and its update request to the link's sender; its connection state to About.
    int connectToLink(pcPanel::SaunaCommunication &link);
    // The time controller's reports to the date and time screens.
    int connectTimeSignals(const QList<QObject *> &senders);
    // The date and time screens' requests: formats, week start and the sauna's clock to the time
    // controller, the calendar erase to the calendar queue controller.
    int connectDateTimeRequests(control::TimeController &timeController,
                                control::CalendarQueueController &queueController);
    // The Advanced settings screens among themselves (the menu opens the standby screen) and
    // with the temperature controller's unit.
    int connectAdvancedSettingsScreens(const QList<QObject *> &temperatureController);
    // The Advanced settings, tank auto-emptying and cleanup screens' requests to the bridge.
    int connectAdvancedAndSystemRequests(saunaBridge::ZerededidBridgeSenderSlotInterface *bridge);
    // The measured-temperature presentation manager's shown value, to the status screen.
    int connectToTemperaturePresentationManager(const QList<QObject *> &senders);
    // The facility type, bath priority, pause timer and IR screens' requests to the bridge.
    int connectSystemSettingsRequests(saunaBridge::ZerededidBridgeSenderSlotInterface *bridge);
    // The filter screen with the temperature and humidity controllers that own its settings,
    // both ways. The haptic feedback screen stays apart from the haptic-sensor controller: no
    // menu leads to it, and its switch neither asks the controller nor follows it.
    int connectSystemSettingsControllers(control::TemperatureController &temperatureController,
                                         control::HumidityController &humidityController);
    // The screens that raise user messages, for the message controller's list.
    QList<QObject *> userMessageRaisers();

    // Brings the screens into their first state, after all connections.
    void initializeViews();

private:
    std::vector<ConfigureScreen> m_screens;
};

} // namespace details
