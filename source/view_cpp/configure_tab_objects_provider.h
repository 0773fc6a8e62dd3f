#pragma once

#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_date_time_date_view_manager.h"
#include "view_cpp/configure/configure_date_time_erase_calendar_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_week_begin_view_manager.h"
#include "view_cpp/configure/configure_general_about_identify_rcb_view_manager.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/configure/configure_general_about_view_manager.h"
#include "view_cpp/configure/configure_general_display_view_manager.h"
#include "view_cpp/configure/configure_general_language_view_manager.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"
#include "view_cpp/configure/configure_general_region_view_manager.h"
#include "view_cpp/configure/configure_general_units_view_manager.h"
#include "view_cpp/configure/configure_general_view_manager.h"
#include "view_cpp/configure/configure_limits_not_allowed_start_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/configure/configure_system_bath_priority_view_manager.h"
#include "view_cpp/configure/configure_system_cleanup_view_manager.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/configure/configure_system_facility_type_view_manager.h"
#include "view_cpp/configure/configure_system_factory_reset_view_manager.h"
#include "view_cpp/configure/configure_system_filter_view_manager.h"
#include "view_cpp/configure/configure_system_haptic_feedback_view_manager.h"
#include "view_cpp/configure/configure_system_ir_view_manager.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/configure/configure_system_pause_timer_view_manager.h"
#include "view_cpp/configure/configure_system_relay_view_manager.h"
#include "view_cpp/configure/configure_system_software_update_view_manager.h"
#include "view_cpp/configure/configure_system_status_view_manager.h"
#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"
#include "view_cpp/configure/configure_system_wifi_view_manager.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QObject;
class QQmlContext;

namespace control {
class CalendarQueueController;
class HapticSensorController;
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

// One settings screen as the provider knows it: its manager, the names QML knows the manager and
// its parts by, and how the manager meets the screen's QML items. The manager's language and
// sauna connects are its own (ConfigureViewManagerBase).
struct ConfigureScreen
{
    // One published name and the object it names.
    using Publication = std::pair<const char *, QObject *>;

    view::ConfigureViewManagerBase *manager = nullptr;
    std::vector<Publication> publications;
    // Returns the number of failed connections; empty for a screen that no menu leads to.
    std::function<int(view::GuiHandlerControlPanel &)> connectToView;
    // The relay screen hears the sauna only when the start-up asks for it.
    bool hearsSaunaOnlyWhenAsked = false;
};

// The managers of the settings screens. The start-up wiring reaches them as public members;
// screens() names each once, with what is published and connected for it, and every walk over
// the screens (publication, views, language, sauna) follows its order. A screen joins by its
// member and its record in screens().
class ConfigureTabObjectsProvider
{
public:
    // The managers are children of the main window.
    ConfigureTabObjectsProvider();
    explicit ConfigureTabObjectsProvider(QObject *parent);
    virtual ~ConfigureTabObjectsProvider() = default;

    ConfigureTabObjectsProvider(const ConfigureTabObjectsProvider &) = delete;
    ConfigureTabObjectsProvider &operator=(const ConfigureTabObjectsProvider &) = delete;

    // Every settings screen, in the order of the settings menus.
    std::vector<ConfigureScreen> screens();

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
    // The temperature controller's unit, to the screens' temperature editors.
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
    // The filter and haptic feedback screens with the panel's controllers that own their
    // settings, both ways.
    int connectSystemSettingsControllers(control::TemperatureController &temperatureController,
                                         control::HumidityController &humidityController,
                                         control::HapticSensorController &hapticController);
    // The screens that raise user messages, for the message controller's list.
    QList<QObject *> userMessageRaisers();

    // Brings the screens into their first state, after all connections.
    void initializeViews();

private:
    // Declared before the managers, which are built with it.
    QObject *m_parent;

public:
    // In the order of screens().
    view::ConfigureSystemViewManager systemViewManager{m_parent};
    view::ConfigureSystemStatusViewManager systemStatusViewManager{m_parent};
    view::ConfigureSystemTankAutoEmptyingViewManager systemTankAutoEmptyingViewManager{m_parent};
    view::ConfigureSystemSoftwareUpdateViewManager systemSoftwareUpdateViewManager{m_parent};
    view::ConfigureLimitsViewManager limitsViewManager{m_parent};
    view::ConfigureLimitsNotAllowedStartViewManager limitsNotAllowedStartViewManager{m_parent};
    view::ConfigureSystemRelayViewManager systemRelayViewManager{m_parent};
    view::ConfigureSystemFactoryResetViewManager systemFactoryResetViewManager{m_parent};
    view::ConfigureSystemErrorLogViewManager systemErrorLogViewManager{m_parent};
    view::ConfigureSystemCleanupViewManager systemCleanupViewManager{m_parent};
    view::ConfigureSystemFacilityTypeViewManager systemFacilityTypeViewManager{m_parent};
    view::ConfigureSystemBathPriorityViewManager systemBathPriorityViewManager{m_parent};
    view::ConfigureSystemPauseTimerViewManager systemPauseTimerViewManager{m_parent};
    view::ConfigureSystemFilterViewManager systemFilterViewManager{m_parent};
    view::ConfigureSystemIrViewManager systemIrViewManager{m_parent};
    view::ConfigureSystemHapticFeedbackViewManager systemHapticFeedbackViewManager{m_parent};
    // Auxiliary relay options, with their fragrance and descaling settings as its members.
    view::ConfigureSystemAuxViewManager systemAuxViewManager{m_parent};
    view::ConfigureAdvancedSettingsViewManager advancedSettingsViewManager{m_parent};
    view::ConfigureAdvancedSettingsStandbyViewManager advancedSettingsStandbyViewManager{m_parent};
    view::ConfigureAdvancedSettingsFanViewManager advancedSettingsFanViewManager{m_parent};
    view::ConfigureAdvancedSettingsExtSwitchViewManager advancedSettingsExtSwitchViewManager{
        m_parent};
    view::ConfigureGeneralViewManager generalViewManager{m_parent};
    view::ConfigureGeneralPinViewManager generalPinViewManager{m_parent};
    view::ConfigureGeneralLanguageViewManager generalLanguageViewManager{m_parent};
    view::ConfigureGeneralUnitsViewManager generalUnitsViewManager{m_parent};
    view::ConfigureGeneralRegionViewManager generalRegionViewManager{m_parent};
    view::ConfigureGeneralDisplayViewManager generalDisplayViewManager{m_parent};
    view::ConfigureGeneralAboutIdentifyRcbViewManager generalAboutIdentifyRcbViewManager{m_parent};
    view::ConfigureDateTimeViewManager dateTimeViewManager{m_parent};
    view::ConfigureDateTimeTimeViewManager dateTimeTimeViewManager{m_parent};
    view::ConfigureDateTimeDateViewManager dateTimeDateViewManager{m_parent};
    view::ConfigureDateTimeWeekBeginViewManager dateTimeWeekBeginViewManager{m_parent};
    view::ConfigureDateTimeEraseCalendarViewManager dateTimeEraseCalendarViewManager{m_parent};
    view::ConfigureGeneralAboutViewManager generalAboutViewManager{m_parent};
    view::ConfigureGeneralAboutLicenseInfoViewManager generalAboutLicenseInfoViewManager{m_parent};
    view::ConfigureSystemNetworkViewManager systemNetworkViewManager{m_parent};
    view::ConfigureSystemWiFiViewManager systemWiFiViewManager{m_parent};
};

} // namespace details
