#include "../test_translator.h"
#include "model_reader.h"

#include "control/language_controller.h"
#include "control/time_controller.h"
#include "pc_panel/sauna_communication.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/message_formatter.h"
#include "view_cpp/register_view_qml_types.h"

#include <QLoggingCategory>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSignalSpy>
#include <QtTest>

using details::ConfigureTabObjectsProvider;

class TestConfigureTabObjectsProvider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void publishesEveryNameOnce();
    void publishedObjectsAreTheManagersAndTheirModels();
    void connectsToTheLinkBothWays();
    void connectsLanguageAndSaunaSignals_data();
    void connectsLanguageAndSaunaSignals();
    void notAllowedStartTimesFollowThePanelTimeFormat();
    void aTimeSetWithoutASaunaDateGoesOutWithTheDate();
    void sendersWithoutTheSignalsAreCountedAsFailures();
    void messageRaisersAreTheManagers();
    void systemMenuPageLoadsAndOpensTheNetworkScreen();
};

void TestConfigureTabObjectsProvider::initTestCase()
{
    signalInterface::registerMetaTypes();
    signalInterface::registerQmlTypes();
    view::registerViewQmlTypes();
}

void TestConfigureTabObjectsProvider::publishesEveryNameOnce()
{
    const QStringList names = ConfigureTabObjectsProvider::publishedNames();
    // Every screen's names, each once; the order is the program's own business.
    const QStringList expected{
        "configure_limits_view_controller",
        "configure_limits_selector_model",
        "configure_limits_max_bath_temperature_manager",
        "configure_limits_upper_water_temp_manager",
        "configure_limits_tank_fill_time_manager",
        "configure_limits_pcb_overheat_limit_manager",
        "configure_limits_not_allowed_view_controller",
        "configure_limits_not_allowed_start_model",
        "configure_limits_not_allowed_start_from_time_manager",
        "configure_limits_not_allowed_start_until_time_manager",
        "configure_date_time_view_controller",
        "configure_date_time_selector_model",
        "configure_date_time_date_view_controller",
        "configure_date_time_time_view_controller",
        "configure_date_time_date_model",
        "configure_date_time_system_date_manager",
        "configure_date_time_system_time_manager",
        "configure_date_time_time_model",
        "configure_date_time_erase_calendar_model",
        "configure_date_time_week_start_model",
        "configure_advanced_settings_view_controller",
        "configure_advanced_settings_fan_view_controller",
        "configure_advanced_settings_ext_switch_view_controller",
        "configure_advanced_settings_selector_model",
        "configure_advance_settings_fan_model",
        "configure_advance_settings_external_switch_bathtime_model",
        "configure_advanced_settings_standby_view_controller",
        "configure_advanced_settings_standby_model",
        "configure_advanced_settings_temperature_reduction_manager",
        "configure_advanced_settings_water_temperature_manager",
        "fan_runtime_time_manager",
        "external_switch_bathtime_time_manager",
        "configure_advanced_settings_ext_sw_function_model",
        "configure_system_cleanup_view_controller",
        "configure_system_tank_auto_emptying_view_controller",
        "configure_system_cleanup_model",
        "tank_auto_emptying_time_manager",
        "configure_advance_settings_tank_auto_emptying_model",
        "cleanup_time_manager",
        "configure_system_view_controller",
        "configure_system_selector_model",
        "configure_network_controller",
        "configure_network_model1",
        "configure_network_model2",
        "configure_network_model3",
        "configure_network_ip_connect_model",
        "configure_network_sauna_details_model",
        "configure_network_sauna_details_info_model",
        "configure_general_view_controller",
        "configure_general_pin_view_controller",
        "configure_general_selector_model",
        "configure_general_pin_model",
        "configure_general_display_model",
        "configure_general_units_model",
        "configure_general_language_model",
        "configure_general_region_model",
        "configure_general_region_controller",
        "configure_general_about_view_controller",
        "configure_general_about_license_view_controller",
        "configure_general_about_subfunction_model",
        "configure_general_about_model",
        "configure_general_about_license_text_model",
        "configure_general_about_license_component_model",
        "configure_general_about_component_info_model",
        "configure_general_about_component_license_model",
        "configure_general_about_identify_rcb_model",
        "configure_general_about_linux_components_model",
        // Status and error log.
        "configure_system_status_model",
        "configure_system_error_log_view_controller",
        "configure_system_error_log_model",
        "configure_system_factory_reset_view_controller",
        "configure_system_software_update_model",
        "configure_system_software_update_instruction_model",
        "configure_system_factory_reset_model",
        "configure_system_relay_control_model",
        "configure_system_relay_control_regulator_value_model",
        "configure_wifi_controller",
        "configure_wifi_model",
        "configure_wifi_network_model",
        "configure_wifi_network_info_model",
        "configure_wifi_single_network_details_model",
        "configure_wifi_external_units_model",
        // Auxiliary relay options, fragrance and descaling.
        "configure_system_aux_view_controller",
        "configure_system_aux_view_fragrance_controller",
        "fragrance_pump_manager",
        "fragrance_stop_manager",
        "aux_single_overview",
        "configure_system_aux_model",
        "configure_system_aux_single_overview_model",
        "configure_system_aux_single_fragrance_model",
        "configure_system_aux_descaling_control",
        "configure_system_aux_descaling_settings_model",
        "configure_system_aux_descaling_start_time_manager",
        "configure_system_aux_descaling_duration_manager",
        "configure_system_aux_descaling_dosage_manager",
        "configure_system_aux_descaling_weekday_settings_model",
        "configure_system_aux_descaling_weekday_repeat_model",
        "configure_system_ir_view_controller",
        "configure_system_bath_type_priority_model",
        "configure_system_filter_model",
        "configure_system_facility_type_model",
        "configure_system_facility_type_view_controller",
        "configure_system_reset_timer_model",
        "configure_system_haptic_feedback_model",
    };
    QCOMPARE(QSet<QString>(names.begin(), names.end()),
             QSet<QString>(expected.begin(), expected.end()));
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

void TestConfigureTabObjectsProvider::publishedObjectsAreTheManagersAndTheirModels()
{
    QQmlEngine engine;
    ConfigureTabObjectsProvider provider(nullptr);
    provider.publish(engine.rootContext());
    const QQmlContext *context = engine.rootContext();
    auto object = [context](const char *name) {
        return context->contextProperty(QString::fromLatin1(name)).value<QObject *>();
    };
    auto &network = provider.systemNetworkViewManager;
    QCOMPARE(object("configure_date_time_view_controller"), &provider.dateTimeViewManager);
    QCOMPARE(object("configure_date_time_selector_model"), provider.dateTimeViewManager.model());
    QCOMPARE(object("configure_date_time_date_view_controller"), &provider.dateTimeDateViewManager);
    QCOMPARE(object("configure_date_time_time_view_controller"), &provider.dateTimeTimeViewManager);
    QCOMPARE(object("configure_date_time_date_model"), provider.dateTimeDateViewManager.model());
    QCOMPARE(object("configure_date_time_system_date_manager"),
             provider.dateTimeDateViewManager.dateEditor());
    QCOMPARE(object("configure_date_time_system_time_manager"),
             provider.dateTimeTimeViewManager.timeEditor());
    QCOMPARE(object("configure_date_time_time_model"), provider.dateTimeTimeViewManager.model());
    QCOMPARE(object("configure_date_time_erase_calendar_model"),
             provider.dateTimeEraseCalendarViewManager.model());
    QCOMPARE(object("configure_date_time_week_start_model"),
             provider.dateTimeWeekBeginViewManager.model());
    QCOMPARE(object("configure_system_view_controller"), &provider.systemViewManager);
    QCOMPARE(object("configure_system_selector_model"), provider.systemViewManager.model());
    QCOMPARE(object("configure_network_controller"), &network);
    QCOMPARE(object("configure_network_model1"), network.autoConnectModel());
    QCOMPARE(object("configure_network_model2"), network.saunaListModel());
    QCOMPARE(object("configure_network_model3"), network.ipDetectModel());
    QCOMPARE(object("configure_network_ip_connect_model"), network.ipConnectModel());
    QCOMPARE(object("configure_network_sauna_details_model"), network.saunaDetailsModel());
    QCOMPARE(object("configure_network_sauna_details_info_model"), network.saunaDetailsInfoModel());
    QCOMPARE(object("configure_general_view_controller"), &provider.generalViewManager);
    QCOMPARE(object("configure_general_selector_model"), provider.generalViewManager.model());
    QCOMPARE(object("configure_general_pin_view_controller"), &provider.generalPinViewManager);
    QCOMPARE(object("configure_general_pin_model"), provider.generalPinViewManager.model());

    auto &aux = provider.systemAuxViewManager;
    auto &fragrance = aux.fragranceManager();
    auto &descaling = aux.descalingManager();
    QCOMPARE(object("configure_system_aux_view_controller"), &aux);
    QCOMPARE(object("aux_single_overview"), &aux);
    QCOMPARE(object("configure_system_aux_model"), aux.relayModel());
    QCOMPARE(object("configure_system_aux_single_overview_model"), aux.functionModel());
    QCOMPARE(object("configure_system_aux_view_fragrance_controller"), &fragrance);
    QCOMPARE(object("configure_system_aux_single_fragrance_model"), fragrance.model());
    QCOMPARE(object("fragrance_pump_manager"), fragrance.pumpManager());
    QCOMPARE(object("fragrance_stop_manager"), fragrance.stopManager());
    QCOMPARE(object("configure_system_aux_descaling_control"), &descaling);
    QCOMPARE(object("configure_system_aux_descaling_settings_model"), descaling.settingsModel());
    QCOMPARE(object("configure_system_aux_descaling_weekday_settings_model"),
             descaling.weekdayModel());
    QCOMPARE(object("configure_system_aux_descaling_weekday_repeat_model"),
             descaling.repeatModel());
    QCOMPARE(object("configure_system_aux_descaling_start_time_manager"),
             descaling.startTimeManager());
    QCOMPARE(object("configure_system_aux_descaling_duration_manager"),
             descaling.durationManager());
    QCOMPARE(object("configure_system_aux_descaling_dosage_manager"), descaling.dosageManager());

    auto &advanced = provider.advancedSettingsViewManager;
    auto &fan = provider.advancedSettingsFanViewManager;
    auto &extSwitch = provider.advancedSettingsExtSwitchViewManager;
    auto &standby = provider.advancedSettingsStandbyViewManager;
    auto &cleanup = provider.systemCleanupViewManager;
    auto &tank = provider.systemTankAutoEmptyingViewManager;
    QCOMPARE(object("configure_advanced_settings_view_controller"), &advanced);
    QCOMPARE(object("configure_advanced_settings_selector_model"), advanced.model());
    QCOMPARE(object("configure_advanced_settings_fan_view_controller"), &fan);
    QCOMPARE(object("configure_advance_settings_fan_model"), fan.model());
    QCOMPARE(object("fan_runtime_time_manager"), fan.runtimeManager());
    QCOMPARE(object("configure_advanced_settings_ext_switch_view_controller"), &extSwitch);
    QCOMPARE(object("configure_advance_settings_external_switch_bathtime_model"),
             extSwitch.bathTimeModel());
    QCOMPARE(object("configure_advanced_settings_ext_sw_function_model"),
             extSwitch.functionModel());
    QCOMPARE(object("external_switch_bathtime_time_manager"), extSwitch.bathTimeManager());
    QCOMPARE(object("configure_advanced_settings_standby_view_controller"), &standby);
    QCOMPARE(object("configure_advanced_settings_standby_model"), standby.model());
    QCOMPARE(object("configure_advanced_settings_temperature_reduction_manager"),
             standby.reductionManager());
    QCOMPARE(object("configure_advanced_settings_water_temperature_manager"),
             standby.waterTemperatureManager());
    QCOMPARE(object("configure_system_cleanup_view_controller"), &cleanup);
    QCOMPARE(object("configure_system_cleanup_model"), cleanup.model());
    QCOMPARE(object("cleanup_time_manager"), cleanup.timeManager());
    QCOMPARE(object("configure_system_tank_auto_emptying_view_controller"), &tank);
    QCOMPARE(object("configure_advance_settings_tank_auto_emptying_model"), tank.model());
    QCOMPARE(object("tank_auto_emptying_time_manager"), tank.timeManager());
    QCOMPARE(object("configure_system_status_model"), provider.systemStatusViewManager.model());
    QCOMPARE(object("configure_system_error_log_view_controller"),
             &provider.systemErrorLogViewManager);
    QCOMPARE(object("configure_system_error_log_model"),
             provider.systemErrorLogViewManager.model());
    QCOMPARE(object("configure_general_display_model"), provider.generalDisplayViewManager.model());
    QCOMPARE(object("configure_general_units_model"), provider.generalUnitsViewManager.model());
    QCOMPARE(object("configure_general_language_model"),
             provider.generalLanguageViewManager.model());
    QCOMPARE(object("configure_general_region_model"), provider.generalRegionViewManager.model());
    QCOMPARE(object("configure_general_region_controller"), &provider.generalRegionViewManager);
    auto &about = provider.generalAboutViewManager;
    auto &licence = provider.generalAboutLicenseInfoViewManager;
    QCOMPARE(object("configure_general_about_view_controller"), &about);
    QCOMPARE(object("configure_general_about_license_view_controller"), &licence);
    QCOMPARE(object("configure_general_about_subfunction_model"), about.subFunctionModel());
    QCOMPARE(object("configure_general_about_model"), about.infoModel());
    QCOMPARE(object("configure_general_about_license_text_model"), licence.licenseTextModel());
    QCOMPARE(object("configure_general_about_license_component_model"), licence.componentModel());
    QCOMPARE(object("configure_general_about_component_info_model"), licence.componentInfoModel());
    QCOMPARE(object("configure_general_about_component_license_model"),
             licence.componentLicenseModel());
    QCOMPARE(object("configure_general_about_identify_rcb_model"),
             provider.generalAboutIdentifyRcbViewManager.model());
    QCOMPARE(object("configure_general_about_linux_components_model"),
             licence.linuxComponentsModel());
    auto &factoryReset = provider.systemFactoryResetViewManager;
    auto &softwareUpdate = provider.systemSoftwareUpdateViewManager;
    auto &relay = provider.systemRelayViewManager;
    auto &wiFi = provider.systemWiFiViewManager;
    QCOMPARE(object("configure_system_factory_reset_view_controller"), &factoryReset);
    QCOMPARE(object("configure_system_factory_reset_model"), factoryReset.model());
    QCOMPARE(object("configure_system_software_update_model"), softwareUpdate.model());
    QCOMPARE(object("configure_system_software_update_instruction_model"),
             softwareUpdate.instructionModel());
    QCOMPARE(object("configure_system_relay_control_model"), relay.model());
    QCOMPARE(object("configure_system_relay_control_regulator_value_model"),
             relay.regulatorValueModel());
    QCOMPARE(object("configure_wifi_controller"), &wiFi);
    QCOMPARE(object("configure_wifi_model"), wiFi.wiFiModel());
    QCOMPARE(object("configure_wifi_network_model"), wiFi.networkModel());
    QCOMPARE(object("configure_wifi_network_info_model"), wiFi.networkInfoModel());
    QCOMPARE(object("configure_wifi_single_network_details_model"),
             wiFi.singleNetworkDetailsModel());
    QCOMPARE(object("configure_wifi_external_units_model"), wiFi.externalUnitsModel());
    // The IR screen's model goes by the name of a controller.
    QCOMPARE(object("configure_system_ir_view_controller"), provider.systemIrViewManager.model());
    QCOMPARE(object("configure_system_bath_type_priority_model"),
             provider.systemBathPriorityViewManager.model());
    QCOMPARE(object("configure_system_filter_model"), provider.systemFilterViewManager.model());
    QCOMPARE(object("configure_system_facility_type_model"),
             provider.systemFacilityTypeViewManager.model());
    QCOMPARE(object("configure_system_facility_type_view_controller"),
             &provider.systemFacilityTypeViewManager);
    QCOMPARE(object("configure_system_reset_timer_model"),
             provider.systemPauseTimerViewManager.model());
    QCOMPARE(object("configure_system_haptic_feedback_model"),
             provider.systemHapticFeedbackViewManager.model());
    provider.publish(nullptr);
}

void TestConfigureTabObjectsProvider::connectsToTheLinkBothWays()
{
    view::MessageFormatter formatter;
    pcPanel::SaunaCommunication link(nullptr, &formatter);
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectToLink(link), 0);

    // A request reaches the link, and the link's report comes back to the screen.
    auto &network = provider.systemNetworkViewManager;
    network.onNetworkViewVisibleChanged(true);
    const bool before = link.autoConnect();
    network.onToggleChanged(signalInterface::ConfigureTypes::E_networkAutoConnect, before);
    QCOMPARE(link.autoConnect(), !before);
    QCOMPARE(network.autoConnectModel()->data(network.autoConnectModel()->index(0), 35).toBool(),
             !before);
}

void TestConfigureTabObjectsProvider::connectsLanguageAndSaunaSignals_data()
{
    // The System menu is connected either way; the relay screen only when asked for.
    QTest::addColumn<bool>("connectRelayScreen");
    QTest::newRow("with relay screen") << true;
    QTest::newRow("without relay screen") << false;
}

void TestConfigureTabObjectsProvider::connectsLanguageAndSaunaSignals()
{
    QFETCH(bool, connectRelayScreen);
    view::MessageFormatter formatter;
    pcPanel::SaunaCommunication link(nullptr, &formatter);
    control::LanguageController language(nullptr);
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectLanguageSignals({&language}), 0);
    QCOMPARE(provider.connectSaunaSignals({link.saunaSystemReceiver()}, connectRelayScreen), 0);
    // The first state publishes the lock screen's choices.
    QSignalSpy lockScreenChoices(&provider.generalPinViewManager,
                                 &view::ConfigureGeneralPinViewManager::pinShowControlsActivated);
    provider.initializeViews();
    QCOMPARE(lockScreenChoices.size(), 1);
    auto rows = [&provider] {
        return modelReader::texts(*provider.systemViewManager.model(), "textOnSubMenu");
    };
    QVERIFY(!rows().contains(QStringLiteral("IR")));

    // A sauna report reaches the System menu.
    emit link.saunaSystemReceiver()->saunaMasterProductChanged(
        signalInterface::MasterFuncDescTypes::E_sauna_ir);
    QVERIFY(rows().contains(QStringLiteral("IR")));
    // The relay screen hears the sauna only when asked for: its regulator row needs the product.
    view::ConfigureSystemRelayViewManager &relay = provider.systemRelayViewManager;
    relay.onRelayControlMenuActive(true);
    QCOMPARE(relay.model()->rowCount(), connectRelayScreen ? 1 : 0);
    emit link.saunaSystemReceiver()->saunaRegulatorStateChanged(
        signalInterface::RegulatorTypes::E_onOff);
    QCOMPARE(modelReader::column(*relay.regulatorValueModel(), "value10"),
             connectRelayScreen ? QVariantList({false, true, false})
                                : QVariantList({true, false, false}));
    relay.onRelayControlMenuActive(false);
    // And the PIN screen: its humidity control follows the function flags.
    view::ConfigureGeneralPinViewManager &pin = provider.generalPinViewManager;
    pin.onPinViewVisibleChanged(true);
    const int pinRows = pin.model()->rowCount();
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost level;
    level.humidityLevel = true;
    emit link.saunaSystemReceiver()->saunaMasterFuncDescChanged(level);
    QCOMPARE(pin.model()->rowCount(), pinRows + 1);

    // So does a language change.
    TestTranslator translator;
    translator.add(QStringLiteral("view::ConfigureSystemViewManager"), QStringLiteral("IR"),
                   QStringLiteral("Infrarot"));
    ScopedTranslator installed(&translator);
    emit language.languageChanged(signalInterface::LanguageTypes::E_german);
    QVERIFY(rows().contains(QStringLiteral("Infrarot")));
}

void TestConfigureTabObjectsProvider::notAllowedStartTimesFollowThePanelTimeFormat()
{
    control::TimeController clock(nullptr);
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectTimeSignals({&clock}), 0);
    clock.onTimeFormatSelected(signalInterface::DateTimeTypes::E_am_pm);

    view::ConfigureLimitsNotAllowedStartViewManager &screen =
        provider.limitsNotAllowedStartViewManager;
    screen.onSaunaNotAllowedStartFromTimeChanged(QTime(13, 30));
    screen.onSaunaNotAllowedStartUntilTimeChanged(QTime(7, 5));
    screen.onAllowedStartViewVisibleChanged(true);
    // The editors and the rows both show the 12-hour clock.
    QCOMPARE(screen.fromTimeManager()->timeFormat(), signalInterface::DateTimeTypes::E_am_pm);
    QCOMPARE(screen.untilTimeManager()->timeFormat(), signalInterface::DateTimeTypes::E_am_pm);
    // The rows show their time as value2.
    QCOMPARE(modelReader::value(*screen.model(), 1, "value2").toString(), "1:30pm");
    QCOMPARE(modelReader::value(*screen.model(), 2, "value2").toString(), "7:05am");
}

void TestConfigureTabObjectsProvider::aTimeSetWithoutASaunaDateGoesOutWithTheDate()
{
    // The initial setup's time step, then its date step, with a sauna that has no date yet.
    ConfigureTabObjectsProvider provider(nullptr);
    auto &time = provider.dateTimeTimeViewManager;
    auto &date = provider.dateTimeDateViewManager;
    QSignalSpy requests(&date, &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
    time.onSetTimeInitialSetupSelected();
    time.timeEditor()->setValue(QDateTime(QDate(2000, 1, 1), QTime(18, 5), Qt::LocalTime));
    time.onSetTimeCommit();
    date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
    date.dateEditor()->setValue(QDate(2026, 12, 7));
    date.onSetDateCommit();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toDateTime(),
             QDateTime(QDate(2026, 12, 7), QTime(18, 5), Qt::UTC));
}

void TestConfigureTabObjectsProvider::sendersWithoutTheSignalsAreCountedAsFailures()
{
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.core.qobject.connect=false\npanel.shared=false"));
    ConfigureTabObjectsProvider provider(nullptr);
    QObject stranger;
    QVERIFY(provider.connectLanguageSignals({&stranger}) > 0);
    QVERIFY(provider.connectSaunaSignals({&stranger}, false) > 0);
    QVERIFY(provider.connectToVariantController({&stranger}) > 0);
}

void TestConfigureTabObjectsProvider::messageRaisersAreTheManagers()
{
    ConfigureTabObjectsProvider provider(nullptr);
    const QList<QObject *> raisers = provider.userMessageRaisers();
    QVERIFY(raisers.contains(&provider.systemViewManager));
    QVERIFY(raisers.contains(&provider.systemNetworkViewManager));
    QVERIFY(raisers.contains(&provider.systemSoftwareUpdateViewManager));
    QVERIFY(raisers.contains(&provider.systemFactoryResetViewManager));
    // Nothing connects the Wi-Fi screen in this panel.
    QVERIFY(!raisers.contains(&provider.systemWiFiViewManager));
    for (QObject *raiser : raisers)
        QVERIFY(raiser->metaObject()->indexOfSignal(
                    "panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,"
                    "::signalInterface::UserMessageAction*)") >= 0);
}

void TestConfigureTabObjectsProvider::systemMenuPageLoadsAndOpensTheNetworkScreen()
{
    ConfigureTabObjectsProvider provider(nullptr);
    QObject systemsSender;
    QObject networkSender;
    QQuickView view;
    provider.publish(view.rootContext());
    view.setInitialProperties(
        {{QStringLiteral("systemsSender"), QVariant::fromValue<QObject *>(&systemsSender)},
         {QStringLiteral("networkSender"), QVariant::fromValue<QObject *>(&networkSender)}});
    view.setSource(
        QUrl::fromLocalFile(qEnvironmentVariable("PANEL_SOURCE_DIR") +
                            QStringLiteral("/qml/view/settings/system/SystemMenuPage.qml")));
    QVERIFY2(view.status() == QQuickView::Ready, qPrintable(QDebug::toString(view.errors())));
    QSignalSpy opened(view.rootObject(), SIGNAL(openRequested(int)));
    emit provider.systemViewManager.editSelected(signalInterface::ConfigureTypes::E_status);
    QCOMPARE(opened.size(), 1);
    emit provider.systemViewManager.editSelected(signalInterface::ConfigureTypes::E_optionsNetwork);
    QCOMPARE(opened.size(), 1);
    QTRY_VERIFY(view.rootObject()->findChild<QQuickItem *>(QStringLiteral("networkListPage")));
}

QTEST_MAIN(TestConfigureTabObjectsProvider)
#include "tst_configure_tab_objects_provider.moc"
