#include "../test_translator.h"
#include "model_reader.h"

#include "control/language_controller.h"
#include "control/time_controller.h"
#include "pc_panel/sauna_communication.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/type_registration.h"
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
#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"
#include "view_cpp/configure/configure_system_aux_fragrance_view_manager.h"
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
    void everyScreenIsNamedOnce();
    void managersAreChildrenOfTheParentAndLeaveIt();
    void publishesWhatTheScreensName();
    void connectsToTheLinkBothWays();
    void connectsLanguageAndSaunaSignals_data();
    void connectsLanguageAndSaunaSignals();
    void saunaConnectsAreTheListedOnes();
    void notAllowedStartTimesFollowThePanelTimeFormat();
    void aTimeSetWithoutASaunaDateGoesOutWithTheDate_data();
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

namespace {

bool isOrBelongsTo(const QObject *object, const QObject *manager)
{
    for (; object != nullptr; object = object->parent())
        if (object == manager)
            return true;
    return false;
}

} // namespace

void TestConfigureTabObjectsProvider::everyScreenIsNamedOnce()
{
    ConfigureTabObjectsProvider provider(nullptr);
    const std::vector<details::ConfigureScreen> &screens = provider.screens();
    QSet<const QObject *> managers;
    // The lookup by type finds a screen's manager: no two screens have one of the same kind.
    QSet<const QMetaObject *> kinds;
    QStringList names;
    for (const details::ConfigureScreen &screen : screens) {
        QVERIFY(screen.manager);
        managers.insert(screen.manager.get());
        kinds.insert(screen.manager->metaObject());
        // QML reaches every screen by at least one name; each names the manager or one of its
        // parts.
        QVERIFY(!screen.publications.empty());
        for (const details::ConfigureScreen::Publication &publication : screen.publications) {
            QVERIFY2(isOrBelongsTo(publication.second, screen.manager.get()), publication.first);
            names.append(QString::fromLatin1(publication.first));
        }
    }
    QCOMPARE(screens.size(), std::size_t(37));
    QCOMPARE(managers.size(), 37);
    QCOMPARE(kinds.size(), 37);
    QCOMPARE(names.size(), 104);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
    QCOMPARE(ConfigureTabObjectsProvider::publishedNames(), names);
    // No manager is the part of another's record.
    for (const details::ConfigureScreen &screen : screens)
        for (const details::ConfigureScreen &other : screens)
            if (&other != &screen)
                for (const details::ConfigureScreen::Publication &publication : other.publications)
                    QVERIFY2(!isOrBelongsTo(publication.second, screen.manager.get()),
                             publication.first);
}

void TestConfigureTabObjectsProvider::managersAreChildrenOfTheParentAndLeaveIt()
{
    QObject window;
    {
        ConfigureTabObjectsProvider provider(&window);
        for (const details::ConfigureScreen &screen : provider.screens())
            QCOMPARE(screen.manager->parent(), &window);
    }
    QVERIFY(window.children().isEmpty());
}

void TestConfigureTabObjectsProvider::publishesWhatTheScreensName()
{
    QQmlEngine engine;
    ConfigureTabObjectsProvider provider(nullptr);
    provider.publish(engine.rootContext());
    const QQmlContext *context = engine.rootContext();
    auto object = [context](const char *name) {
        return context->contextProperty(QString::fromLatin1(name)).value<QObject *>();
    };
    for (const details::ConfigureScreen &screen : provider.screens())
        for (const details::ConfigureScreen::Publication &publication : screen.publications)
            QCOMPARE(object(publication.first), publication.second);

    // The auxiliary relay options go by two names; the IR screen's model by a controller's name.
    QCOMPARE(object("configure_system_aux_view_controller"),
             &provider.manager<view::ConfigureSystemAuxViewManager>());
    QCOMPARE(object("aux_single_overview"),
             &provider.manager<view::ConfigureSystemAuxViewManager>());
    QCOMPARE(object("configure_system_ir_view_controller"),
             provider.manager<view::ConfigureSystemIrViewManager>().model());
    QCOMPARE(object("configure_network_controller"),
             &provider.manager<view::ConfigureSystemNetworkViewManager>());
    provider.publish(nullptr);
}

void TestConfigureTabObjectsProvider::connectsToTheLinkBothWays()
{
    view::MessageFormatter formatter;
    pcPanel::SaunaCommunication link(nullptr, &formatter);
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectToLink(link), 0);

    // A request reaches the link, and the link's report comes back to the screen.
    auto &network = provider.manager<view::ConfigureSystemNetworkViewManager>();
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
    QSignalSpy lockScreenChoices(&provider.manager<view::ConfigureGeneralPinViewManager>(),
                                 &view::ConfigureGeneralPinViewManager::pinShowControlsActivated);
    provider.initializeViews();
    QCOMPARE(lockScreenChoices.size(), 1);
    auto rows = [&provider] {
        return modelReader::texts(*provider.manager<view::ConfigureSystemViewManager>().model(),
                                  "textOnSubMenu");
    };
    QVERIFY(!rows().contains(QStringLiteral("IR")));

    // A sauna report reaches the System menu.
    emit link.saunaSystemReceiver()->saunaMasterProductChanged(
        signalInterface::MasterFuncDescTypes::E_sauna_ir);
    QVERIFY(rows().contains(QStringLiteral("IR")));
    // The relay screen hears the sauna only when asked for: its regulator row needs the product.
    view::ConfigureSystemRelayViewManager &relay =
        provider.manager<view::ConfigureSystemRelayViewManager>();
    relay.onRelayControlMenuActive(true);
    QCOMPARE(relay.model()->rowCount(), connectRelayScreen ? 1 : 0);
    emit link.saunaSystemReceiver()->saunaRegulatorStateChanged(
        signalInterface::RegulatorTypes::E_onOff);
    QCOMPARE(modelReader::column(*relay.regulatorValueModel(), "value10"),
             connectRelayScreen ? QVariantList({false, true, false})
                                : QVariantList({true, false, false}));
    relay.onRelayControlMenuActive(false);
    // And the PIN screen: its humidity control follows the function flags.
    view::ConfigureGeneralPinViewManager &pin =
        provider.manager<view::ConfigureGeneralPinViewManager>();
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

// Each screen hears exactly the bridge receiver's reports of its row in the provider's list, the
// relay screen too when asked for; the screens without a row hear none.
void TestConfigureTabObjectsProvider::saunaConnectsAreTheListedOnes()
{
    using namespace view;
    view::MessageFormatter formatter;
    pcPanel::SaunaCommunication link(nullptr, &formatter);
    QObject *receiver = link.saunaSystemReceiver();
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectSaunaSignals({receiver}, true), 0);

    const QStringList product{QStringLiteral("saunaMasterProductChanged")};
    const QStringList functions{QStringLiteral("saunaMasterFuncDescChanged")};
    const QList<std::pair<QObject *, QStringList>> listed{
        {&provider.manager<ConfigureLimitsViewManager>(),
         {"saunaSystemLowerTemperatureLimitChanged", "saunaSystemUpperTemperatureLimitChanged",
          "saunaLowerTemperatureLimitChanged", "saunaUpperTemperatureLimitChanged",
          "saunaMasterFuncDescChanged", "saunaWaterTempLimitChanged", "saunaRcbTankFillTimeChanged",
          "saunaPcbOverheatLimitChanged", "saunaMasterProductChanged", "saunaSystemModeChanged"}},
        {&provider.manager<ConfigureSystemViewManager>(),
         {"saunaMasterFuncDescChanged", "saunaPhysicalStateChanged", "saunaRegionChanged",
          "saunaMasterProductChanged", "saunaFacilityTypeChanged"}},
        {&provider.manager<ConfigureSystemAuxViewManager>(),
         {"saunaAuxRelaySettingChanged", "saunaDescalingChanged", "saunaSystemModeChanged",
          "saunaMasterProductChanged", "saunaLastDescalingChanged"}},
        {&provider.manager<ConfigureSystemBathPriorityViewManager>(), {"saunaBathPriorityChanged"}},
        {&provider.manager<ConfigureSystemCleanupViewManager>(),
         {"saunaCleanupEnableChanged", "tankNotificationEnableChanged", "saunaCleanupTotalChanged",
          "saunaCleanupBetweenTimeChanged", "saunaMasterProductChanged"}},
        {&provider.manager<ConfigureSystemErrorLogViewManager>(), {"saunaErrorLogItemChanged"}},
        {&provider.manager<ConfigureSystemFacilityTypeViewManager>(),
         {"saunaFacilityTypeChanged", "saunaMasterProductChanged", "saunaRegionChanged"}},
        {&provider.manager<ConfigureSystemFilterViewManager>(),
         {"saunaMasterProductChanged", "saunaMasterFuncDescChanged"}},
        {&provider.manager<ConfigureSystemPauseTimerViewManager>(), {"saunaBathTimeTimerReset"}},
        {&provider.manager<ConfigureSystemRelayViewManager>(),
         {"saunaRcbRelayChanged", "saunaRegulatorStateChanged", "saunaMasterProductChanged"}},
        {&provider.manager<ConfigureSystemStatusViewManager>(),
         {"saunaSystemModeChanged", "saunaMasterFuncDescChanged", "saunaHumidityChanged",
          "saunaRunTimeChanged", "saunaTankWaterLevelChanged", "saunaTankTemperatureChanged",
          "saunaRcbRelayChanged", "saunaCleanupTotalChanged", "saunaHumiditySensorStatusChanged",
          "saunaMagneticSensorConnectedChanged", "saunaMasterProductChanged",
          "saunaNodeListItemChanged", "saunaSmartStartChanged"}},
        {&provider.manager<ConfigureSystemTankAutoEmptyingViewManager>(),
         {"saunaTankAutoEmptyingEnableChanged", "saunaTankAutoEmptyingDurationChanged"}},
        {&provider.manager<ConfigureLimitsNotAllowedStartViewManager>(),
         {"saunaNotAllowedStartEnableChanged", "saunaNotAllowedStartFromTimeChanged",
          "saunaNotAllowedStartUntilTimeChanged"}},
        {&provider.manager<ConfigureDateTimeViewManager>(), functions},
        {&provider.manager<ConfigureAdvancedSettingsViewManager>(), functions},
        {&provider.manager<ConfigureAdvancedSettingsFanViewManager>(), {"saunaFanRuntimeChanged"}},
        {&provider.manager<ConfigureAdvancedSettingsExtSwitchViewManager>(),
         {"saunaExtSwBathtimeChanged", "saunaExternalSwitchFunctionChanged",
          "saunaBathTimeLimitChanged"}},
        {&provider.manager<ConfigureAdvancedSettingsStandbyViewManager>(),
         {"saunaMasterFuncDescChanged", "saunaEnableStandbyChanged",
          "saunaStandbyOffsetTemperatureChanged", "saunaTankStandbyTemperatureChanged",
          "saunaMasterProductChanged"}},
        {&provider.manager<ConfigureGeneralAboutViewManager>(),
         {"saunaNodeListItemChanged", "saunaFacilityTypeChanged", "saunaSystemModeChanged",
          "saunaMasterProductChanged", "saunaMasterFuncDescChanged"}},
        {&provider.manager<ConfigureGeneralPinViewManager>(),
         {"saunaMasterFuncDescChanged", "saunaHumiditySensorStatusChanged",
          "saunaAuxRelaySettingChanged", "saunaDescalingChanged", "saunaMasterProductChanged"}},
        {&provider.manager<ConfigureGeneralRegionViewManager>(), {"saunaRegionChanged"}},
        {&provider.manager<ConfigureSystemIrViewManager>(), {"irEnableChanged"}},
        {&provider.manager<ConfigureGeneralViewManager>(), {}},
        {&provider.manager<ConfigureDateTimeDateViewManager>(), {}},
        {&provider.manager<ConfigureDateTimeTimeViewManager>(), {}},
        {&provider.manager<ConfigureDateTimeWeekBeginViewManager>(), {}},
        {&provider.manager<ConfigureDateTimeEraseCalendarViewManager>(), {}},
        {&provider.manager<ConfigureGeneralAboutLicenseInfoViewManager>(), {}},
        {&provider.manager<ConfigureGeneralAboutIdentifyRcbViewManager>(), {}},
        {&provider.manager<ConfigureGeneralDisplayViewManager>(), {}},
        {&provider.manager<ConfigureGeneralLanguageViewManager>(), {}},
        {&provider.manager<ConfigureGeneralUnitsViewManager>(), {}},
        {&provider.manager<ConfigureSystemSoftwareUpdateViewManager>(), {}},
        {&provider.manager<ConfigureSystemFactoryResetViewManager>(), {}},
        {&provider.manager<ConfigureSystemWiFiViewManager>(), {}},
        {&provider.manager<ConfigureSystemNetworkViewManager>(), {}}};
    // The haptic feedback screen's own sauna connect is its screen's matter.
    QCOMPARE(listed.size(), int(provider.screens().size()) - 1);

    const QMetaObject *meta = receiver->metaObject();
    for (const auto &[manager, names] : listed) {
        QStringList heard;
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            const QMetaMethod signal = meta->method(i);
            if (signal.methodType() != QMetaMethod::Signal)
                continue;
            // A disconnect that finds a connection tells that the screen hears the report.
            if (QObject::disconnect(receiver, signal, manager, QMetaMethod()))
                heard << QString::fromLatin1(signal.name());
        }
        QStringList expected = names;
        heard.sort();
        expected.sort();
        QVERIFY2(heard == expected,
                 qPrintable(QStringLiteral("%1 hears %2")
                                .arg(QString::fromLatin1(manager->metaObject()->className()),
                                     heard.join(QLatin1Char(' ')))));
    }
}

void TestConfigureTabObjectsProvider::notAllowedStartTimesFollowThePanelTimeFormat()
{
    control::TimeController clock(nullptr);
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectTimeSignals({&clock}), 0);
    clock.onTimeFormatSelected(signalInterface::DateTimeTypes::E_am_pm);

    view::ConfigureLimitsNotAllowedStartViewManager &screen =
        provider.manager<view::ConfigureLimitsNotAllowedStartViewManager>();
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

void TestConfigureTabObjectsProvider::aTimeSetWithoutASaunaDateGoesOutWithTheDate_data()
{
    // What happens to the sauna the time was set for before the date is set; a sauna that
    // connects after it reports 6 December 2026, 14:37.
    QTest::addColumn<QString>("between");
    QTest::addColumn<QTime>("sent");
    QTest::newRow("same sauna") << QString() << QTime(18, 5);
    QTest::newRow("connection ended") << QStringLiteral("ended") << QTime(14, 37);
    QTest::newRow("another sauna") << QStringLiteral("replaced") << QTime(14, 37);
}

void TestConfigureTabObjectsProvider::aTimeSetWithoutASaunaDateGoesOutWithTheDate()
{
    QFETCH(QString, between);
    QFETCH(QTime, sent);
    view::MessageFormatter formatter;
    pcPanel::SaunaCommunication link(nullptr, &formatter);
    // The initial setup's time step, then its date step, with a sauna that has no date yet.
    ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectToLink(link), 0);
    auto &time = provider.manager<view::ConfigureDateTimeTimeViewManager>();
    auto &date = provider.manager<view::ConfigureDateTimeDateViewManager>();
    QSignalSpy requests(&date, &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
    time.onSetTimeInitialSetupSelected();
    time.timeEditor()->setValue(QDateTime(QDate(2000, 1, 1), QTime(18, 5), Qt::UTC));
    time.onSetTimeCommit();
    if (!between.isEmpty()) {
        if (between == QLatin1String("ended")) {
            emit link.connectedChanged(false);
        } else {
            // As the frame tells every settings screen.
            for (const details::ConfigureScreen &screen : provider.screens())
                screen.manager->onSaunaReplaced();
        }
        const QDateTime reported(QDate(2026, 12, 6), QTime(14, 37), Qt::UTC);
        time.onSystemTimeDetailsChanged(reported, true, true);
        date.onSystemTimeDetailsChanged(reported, true, true);
    }
    // Only the date changes.
    date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
    date.dateEditor()->setValue(QDate(2026, 12, 7));
    date.onSetDateCommit();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toDateTime(), QDateTime(QDate(2026, 12, 7), sent, Qt::UTC));
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
    QVERIFY(raisers.contains(&provider.manager<view::ConfigureSystemViewManager>()));
    QVERIFY(raisers.contains(&provider.manager<view::ConfigureSystemNetworkViewManager>()));
    QVERIFY(raisers.contains(&provider.manager<view::ConfigureSystemSoftwareUpdateViewManager>()));
    QVERIFY(raisers.contains(&provider.manager<view::ConfigureSystemFactoryResetViewManager>()));
    // Nothing connects the Wi-Fi screen in this panel.
    QVERIFY(!raisers.contains(&provider.manager<view::ConfigureSystemWiFiViewManager>()));
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
    emit provider.manager<view::ConfigureSystemViewManager>().editSelected(
        signalInterface::ConfigureTypes::E_status);
    QCOMPARE(opened.size(), 1);
    emit provider.manager<view::ConfigureSystemViewManager>().editSelected(
        signalInterface::ConfigureTypes::E_optionsNetwork);
    QCOMPARE(opened.size(), 1);
    QTRY_VERIFY(view.rootObject()->findChild<QQuickItem *>(QStringLiteral("networkListPage")));
}

QTEST_MAIN(TestConfigureTabObjectsProvider)
#include "tst_configure_tab_objects_provider.moc"
