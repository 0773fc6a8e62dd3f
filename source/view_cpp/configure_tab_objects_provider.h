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

// The managers of the settings screens. They are built in member order and destroyed in reverse;
// the start-up wiring reaches them as public members. A screen joins by adding its member, its
// published names in publish() and its calls in the connect operations, all in this class.
class ConfigureTabObjectsProvider
{
public:
    // The managers are children of the main window.
    ConfigureTabObjectsProvider();
    explicit ConfigureTabObjectsProvider(QObject *parent);
    virtual ~ConfigureTabObjectsProvider();

    ConfigureTabObjectsProvider(const ConfigureTabObjectsProvider &) = delete;
    ConfigureTabObjectsProvider &operator=(const ConfigureTabObjectsProvider &) = delete;

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

    view::ConfigureLimitsViewManager limitsViewManager;
    view::ConfigureLimitsNotAllowedStartViewManager limitsNotAllowedStartViewManager;
    view::ConfigureDateTimeViewManager dateTimeViewManager;
    view::ConfigureDateTimeDateViewManager dateTimeDateViewManager;
    view::ConfigureDateTimeEraseCalendarViewManager dateTimeEraseCalendarViewManager;
    view::ConfigureDateTimeTimeViewManager dateTimeTimeViewManager;
    view::ConfigureDateTimeWeekBeginViewManager dateTimeWeekBeginViewManager;
    view::ConfigureAdvancedSettingsViewManager advancedSettingsViewManager;
    view::ConfigureAdvancedSettingsFanViewManager advancedSettingsFanViewManager;
    view::ConfigureAdvancedSettingsExtSwitchViewManager advancedSettingsExtSwitchViewManager;
    view::ConfigureAdvancedSettingsStandbyViewManager advancedSettingsStandbyViewManager;
    // General: display sleep, language, region and units.
    view::ConfigureGeneralDisplayViewManager generalDisplayViewManager;
    view::ConfigureGeneralLanguageViewManager generalLanguageViewManager;
    view::ConfigureGeneralRegionViewManager generalRegionViewManager;
    view::ConfigureGeneralUnitsViewManager generalUnitsViewManager;
    // About, its licence information and the relay control board identification.
    view::ConfigureGeneralAboutViewManager generalAboutViewManager;
    view::ConfigureGeneralAboutLicenseInfoViewManager generalAboutLicenseInfoViewManager;
    view::ConfigureGeneralAboutIdentifyRcbViewManager generalAboutIdentifyRcbViewManager;
    view::ConfigureSystemViewManager systemViewManager;
    view::ConfigureSystemCleanupViewManager systemCleanupViewManager;
    view::ConfigureSystemTankAutoEmptyingViewManager systemTankAutoEmptyingViewManager;
    // Status and error log.
    view::ConfigureSystemErrorLogViewManager systemErrorLogViewManager;
    view::ConfigureSystemStatusViewManager systemStatusViewManager;
    view::ConfigureSystemNetworkViewManager systemNetworkViewManager;
    // Facility type, bath priority, pause timer, filter, IR and haptic feedback.
    view::ConfigureSystemBathPriorityViewManager systemBathPriorityViewManager;
    view::ConfigureSystemFacilityTypeViewManager systemFacilityTypeViewManager;
    view::ConfigureSystemFilterViewManager systemFilterViewManager;
    view::ConfigureSystemPauseTimerViewManager systemPauseTimerViewManager;
    view::ConfigureSystemHapticFeedbackViewManager systemHapticFeedbackViewManager;
    view::ConfigureSystemIrViewManager systemIrViewManager;
    // The General menu and the PIN screen.
    view::ConfigureGeneralViewManager generalViewManager;
    view::ConfigureGeneralPinViewManager generalPinViewManager;
    // Factory reset, software update, relay control and Wi-Fi: no System menu row leads to
    // them. The relay screen hears the sauna only when connectSaunaSignals is told so; nothing
    // connects the Wi-Fi screen.
    view::ConfigureSystemFactoryResetViewManager systemFactoryResetViewManager;
    view::ConfigureSystemSoftwareUpdateViewManager systemSoftwareUpdateViewManager;
    view::ConfigureSystemRelayViewManager systemRelayViewManager;
    view::ConfigureSystemWiFiViewManager systemWiFiViewManager;
    // Auxiliary relay options, with their fragrance and descaling settings as its members.
    view::ConfigureSystemAuxViewManager systemAuxViewManager;
};

} // namespace details
