#include "text_fit.h"

#include "control/settings.h"
#include "control/time_controller.h"
#include "sauna_simulator/simulator_messages.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"

#include <QQuickItem>
#include <QTest>

#include <functional>

using signalInterface::ConfigureTypes;

// The whole panel against the simulated sauna on loopback, with a sauna name as long as a user
// gives one, in Fahrenheit on a 12-hour clock, started after a factory reset. The setup's time step
// and every screen of the Limits, General, Date and time
// and Advanced settings, each opened by taps from the list of settings areas, shows its texts whole
// in all fourteen languages: none cut off, out of its box or the window, or over another text or
// under a button.
class TestFitSettingsPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    static constexpr int steamProduct = 32;
    // GLib among the libraries of this PC: a row of the list's first screen.
    static constexpr int glibLibrary = 7;

    void openRow(const QString &area, int applId, const QString &pageName)
    {
        openSettingsPage(area, applId, pageName);
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        // What a factory reset leaves: the start begins with the setup.
        prepareProcess();
        control::Settings::setValue(QLatin1String(control::Settings::factoryResetInvokedKey), true);
        // A steam system of three boards: the most screens and rows.
        tools::SimulatorOptions options = longNamedSaunaOptions();
        options.rcbProduct = steamProduct;
        options.systemType = tools::SystemType::MultiSteam;
        STEP(startConnected(options));
        // The sauna's clock has been reported, for the setup's time step.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.timeController.systemTime().dateValid,
                                 waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureAdvancedSettingsViewManager>()
                    .model()
                    ->rowCount() > 0,
            waitMs);
        STEP(dismissPopups());
        useWidestUnits();
    }

    void cleanupTestCase()
    {
        useDefaultUnits();
        shutDown();
    }

    void cleanup() { STEP(failOnProblems()); }

    // The setup after the factory reset, at its step that sets the sauna's time on the 12-hour
    // clock; then the setup done.
    void initialSetupTime()
    {
        QQuickItem *setup = waitForItem(QStringLiteral("initialSetup"));
        QVERIFY(setup);
        // Language and region as they are.
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_COMPARE(setup->property("step").toInt(), 1);
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_COMPARE(setup->property("step").toInt(), 2);
        // The region step gave the panel its region's units; the widest ones again.
        useWidestUnits();
        QQuickItem *time = waitForItem(QStringLiteral("initialSetupTimeStepper"));
        QVERIFY(time);
        QTRY_VERIFY(time->property("twelveHour").toBool());
        STEP(checkPageInEveryLanguage(QStringLiteral("initial setup, time")));
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_COMPARE(setup->property("step").toInt(), 3);
        STEP(tap(QStringLiteral("initialSetupNextButton")));
        QTRY_VERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("initialSetup")));
        STEP(tapTab(settingsTabIndex));
    }

    void limits()
    {
        const QString area = QStringLiteral("limits");
        STEP(checkPage(QStringLiteral("limitsMenuPage"),
                       [this] { tap(QStringLiteral("settingsArea_limits")); }));
        STEP(checkPage(QStringLiteral("limitsBathTemperaturePage"), [&] {
            openRow(area, ConfigureTypes::E_maxBathTemp,
                    QStringLiteral("limitsBathTemperaturePage"));
        }));
        STEP(checkPage(QStringLiteral("limitsWaterTemperaturePage"), [&] {
            openRow(area, ConfigureTypes::E_waterTempLimit,
                    QStringLiteral("limitsWaterTemperaturePage"));
        }));
        STEP(checkPage(QStringLiteral("limitsFillTimePage"), [&] {
            openRow(area, ConfigureTypes::E_notAllowedStartUntil,
                    QStringLiteral("limitsFillTimePage"));
        }));
        STEP(checkPage(QStringLiteral("notAllowedStartPage"), [&] {
            openRow(area, ConfigureTypes::E_notAllowedStart, QStringLiteral("notAllowedStartPage"));
        }));
        STEP(checkPage(QStringLiteral("notAllowedStartTimePage"), [&] {
            STEP(openRow(area, ConfigureTypes::E_notAllowedStart,
                         QStringLiteral("notAllowedStartPage")));
            STEP(tapRow(QStringLiteral("notAllowedStartList"),
                        ConfigureTypes::E_notAllowedStartFrom));
        }));
    }

    void general()
    {
        const QString area = QStringLiteral("general");
        STEP(checkPage(QStringLiteral("generalMenuPage"),
                       [this] { tap(QStringLiteral("settingsArea_general")); }));
        const std::pair<int, const char *> pages[] = {
            {ConfigureTypes::E_pin, "pinSettingsPage"},
            {ConfigureTypes::E_language, "generalLanguagePage"},
            {ConfigureTypes::E_region, "generalRegionPage"},
            {ConfigureTypes::E_units, "generalUnitsPage"},
            {ConfigureTypes::E_about, "generalAboutPage"}};
        for (const auto &[applId, name] : pages) {
            const QString pageName = QString::fromLatin1(name);
            STEP(checkPage(pageName, [&, applId = applId] { openRow(area, applId, pageName); }));
        }
        STEP(checkPage(QStringLiteral("pinChangePage"), [&] {
            STEP(openRow(area, ConfigureTypes::E_pin, QStringLiteral("pinSettingsPage")));
            STEP(tap(QStringLiteral("pinChangeButton")));
        }));
        const auto openAbout = [&] {
            openRow(area, ConfigureTypes::E_about, QStringLiteral("generalAboutPage"));
        };
        STEP(checkPage(QStringLiteral("generalIdentifyBoardsPage"), [&] {
            STEP(openAbout());
            STEP(tapRow(QStringLiteral("aboutSubFunctionList"), ConfigureTypes::E_identifyRcb));
        }));
        const auto openLicence = [&] {
            STEP(openAbout());
            STEP(tapRow(QStringLiteral("aboutSubFunctionList"), ConfigureTypes::E_licenseInfo));
            QVERIFY(waitForItem(QStringLiteral("generalLicencePage")));
        };
        STEP(checkPage(QStringLiteral("generalLicencePage"), openLicence));
        STEP(checkPage(QStringLiteral("licenceComponentPage"), [&] {
            STEP(openLicence());
            STEP(tapRow(QStringLiteral("licenceComponentList"), ConfigureTypes::E_componentQt));
        }));
        const auto openLibraries = [&] {
            STEP(openLicence());
            STEP(tapRow(QStringLiteral("licenceComponentList"),
                        ConfigureTypes::E_componentLinuxComponents));
        };
        STEP(checkPage(QStringLiteral("linuxComponentsPage"), openLibraries));
        // A library's page: long file names and addresses at its top.
        STEP(checkPage(QStringLiteral("licenceComponentPage"), [&] {
            STEP(openLibraries());
            STEP(tapPageRow(QStringLiteral("linuxComponentsPage"), glibLibrary));
        }));
    }

    void dateAndTime()
    {
        const QString area = QStringLiteral("dateTime");
        STEP(checkPage(QStringLiteral("dateTimeMenuPage"),
                       [this] { tap(QStringLiteral("settingsArea_dateTime")); }));
        // The menu's rows by their own ids.
        const int timeRow = 0;
        const int dateRow = 1;
        const std::pair<int, const char *> pages[] = {{timeRow, "dateTimeTimePage"},
                                                      {dateRow, "dateTimeDatePage"},
                                                      {2, "dateTimeWeekStartPage"},
                                                      {5, "dateTimeEraseCalendarPage"}};
        for (const auto &[applId, name] : pages) {
            const QString pageName = QString::fromLatin1(name);
            STEP(checkPage(pageName, [&, applId = applId] { openRow(area, applId, pageName); }));
        }
        // The clock's and the date's editors, by the rows of their screens.
        STEP(checkPage(QStringLiteral("setTimePage"), [&] {
            STEP(openRow(area, timeRow, QStringLiteral("dateTimeTimePage")));
            STEP(tapRow(QStringLiteral("settingsList"), -2));
        }));
        STEP(checkPage(QStringLiteral("setDatePage"), [&] {
            STEP(openRow(area, dateRow, QStringLiteral("dateTimeDatePage")));
            STEP(tapRow(QStringLiteral("settingsList"), -1));
        }));
    }

    void advanced()
    {
        const QString area = QStringLiteral("advanced");
        STEP(checkPage(QStringLiteral("advancedSettingsPage"),
                       [this] { tap(QStringLiteral("settingsArea_advanced")); }));
        const std::pair<int, const char *> pages[] = {
            {ConfigureTypes::E_standby, "standbyPage"},
            {ConfigureTypes::E_externalSwitch, "externalSwitchPage"},
            {ConfigureTypes::E_fan, "fanPage"}};
        for (const auto &[applId, name] : pages) {
            const QString pageName = QString::fromLatin1(name);
            STEP(checkPage(pageName, [&, applId = applId] { openRow(area, applId, pageName); }));
        }
        STEP(checkPage(QStringLiteral("externalSwitchBathTimeEditorPage"), [&] {
            STEP(openRow(area, ConfigureTypes::E_externalSwitch,
                         QStringLiteral("externalSwitchPage")));
            STEP(tapRow(QStringLiteral("externalSwitchBathTimeList"), 1));
        }));
        STEP(checkPage(QStringLiteral("fanRuntimeEditorPage"), [&] {
            STEP(openRow(area, ConfigureTypes::E_fan, QStringLiteral("fanPage")));
            STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_fanRuntime));
        }));
    }
};

QTEST_MAIN(TestFitSettingsPages)
#include "tst_fit_settings_pages.moc"
