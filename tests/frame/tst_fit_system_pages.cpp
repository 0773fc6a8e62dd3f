#include "text_fit.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sauna_state_types.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"

#include <QQuickItem>
#include <QTest>

#include <functional>

using signalInterface::ConfigureTypes;

// The whole panel against the simulated sauna on loopback, with a sauna name as long as a user
// gives one and a full error log, in Fahrenheit on a 12-hour clock. Every screen of the System
// settings (those of a relay's functions are in tst_fit_aux_relay_pages) and of the Network screen,
// each opened by taps from the list of settings areas, and the Limits' overheating limit of a sauna
// with humidity, show their texts whole in all fourteen languages: none cut off, out of its box or
// the window, broken inside a number and its unit or a word, or over another text or under a
// button.
class TestFitSystemPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    static constexpr int infraredSaunaProduct = 39;

    void openSystemPage(int applId, const QString &pageName)
    {
        openSettingsPage(QStringLiteral("system"), applId, pageName);
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        tools::SimulatorOptions options = longNamedSaunaOptions();
        options.errorLogEntries = 32;
        STEP(startConnected(options));
        STEP(waitForDescalingRelay());
        STEP(dismissPopups());
        useWidestUnits();
        STEP(tapTab(settingsTabIndex));
    }

    void cleanupTestCase()
    {
        useDefaultUnits();
        shutDown();
    }

    void cleanup() { STEP(failOnProblems()); }

    void systemMenuAndItsScreens()
    {
        STEP(checkPage(QStringLiteral("systemMenuPage"),
                       [this] { tap(QStringLiteral("settingsArea_system")); }));
        const std::pair<int, const char *> pages[] = {
            {ConfigureTypes::E_status, "statusPage"},
            {ConfigureTypes::E_errorLog, "errorLogPage"},
            {ConfigureTypes::E_facilityType, "facilityTypePage"},
            {ConfigureTypes::E_bathTypePriority, "bathPriorityPage"},
            {ConfigureTypes::E_filter, "filterPage"},
            {ConfigureTypes::E_cleanup, "cleanupPage"},
            {ConfigureTypes::E_tankAutoEmptying, "tankAutoEmptyingPage"},
            {ConfigureTypes::E_optionsAux, "auxRelaysPage"}};
        for (const auto &[applId, name] : pages) {
            const QString pageName = QString::fromLatin1(name);
            STEP(checkPage(pageName, [&, applId = applId] { openSystemPage(applId, pageName); }));
        }
        STEP(checkPage(QStringLiteral("cleanupEditorPage"), [&] {
            STEP(openSystemPage(ConfigureTypes::E_cleanup, QStringLiteral("cleanupPage")));
            STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        }));
        STEP(checkPage(QStringLiteral("tankAutoEmptyingEditorPage"), [&] {
            STEP(openSystemPage(ConfigureTypes::E_tankAutoEmptying,
                                QStringLiteral("tankAutoEmptyingPage")));
            STEP(
                tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptyingInterval));
        }));
    }

    void networkScreen()
    {
        view::ConfigureSystemNetworkViewManager &network =
            m_frame->configureTab.manager<view::ConfigureSystemNetworkViewManager>();
        const auto openList = [this] {
            openSystemPage(ConfigureTypes::E_optionsNetwork, QStringLiteral("networkListPage"));
        };
        STEP(checkPage(QStringLiteral("networkListPage"), openList));
        STEP(checkPage(QStringLiteral("networkIpConnectPage"), [&] {
            STEP(openList());
            STEP(tapRow(QStringLiteral("networkIpDetectList"),
                        network.ipDetectModel()->getApplId(0)));
        }));
        const auto openDetails = [&] {
            STEP(openList());
            STEP(
                tapRow(QStringLiteral("networkSaunaList"), network.saunaListModel()->getApplId(0)));
            QVERIFY(waitForItem(QStringLiteral("networkSaunaDetailsPage")));
        };
        STEP(checkPage(QStringLiteral("networkSaunaDetailsPage"), openDetails));
        STEP(checkPage(QStringLiteral("networkPinEditorPage"), [&] {
            STEP(openDetails());
            STEP(tap(QStringLiteral("networkEnterPinButton")));
        }));
    }

    // A sauna with humidity has an overheating limit rather than a fill time.
    void overheatingLimit()
    {
        STEP(checkPage(QStringLiteral("limitsOverheatPage"), [this] {
            openSettingsPage(QStringLiteral("limits"), ConfigureTypes::E_overheating,
                             QStringLiteral("limitsOverheatPage"));
        }));
    }

    // An infrared sauna's own screens: IR, and the pause timer of a time-controlled facility.
    void infraredSaunaScreens()
    {
        shutDown();
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Wellness area east wing sauna 3"), QStringLiteral("2580"));
        options.rcbProduct = infraredSaunaProduct;
        STEP(startConnected(options));
        QTRY_VERIFY_WITH_TIMEOUT(
            applIdsOf(*m_frame->configureTab.manager<view::ConfigureSystemViewManager>().model())
                .contains(ConfigureTypes::E_irEnable),
            waitMs);
        STEP(dismissPopups());
        STEP(tapTab(settingsTabIndex));
        STEP(checkPage(QStringLiteral("irPage"), [this] {
            openSystemPage(ConfigureTypes::E_irEnable, QStringLiteral("irPage"));
        }));
        STEP(backToSettingsAreas());
        STEP(openSystemPage(ConfigureTypes::E_facilityType, QStringLiteral("facilityTypePage")));
        STEP(tapPageRow(QStringLiteral("facilityTypePage"),
                        signalInterface::SaunaStateTypes::E_time_controlled));
        STEP(tap(QStringLiteral("facilityTypeSaveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(
            applIdsOf(*m_frame->configureTab.manager<view::ConfigureSystemViewManager>().model())
                .contains(ConfigureTypes::E_resetPauseTimer),
            waitMs);
        STEP(checkPage(QStringLiteral("pauseTimerPage"), [this] {
            openSystemPage(ConfigureTypes::E_resetPauseTimer, QStringLiteral("pauseTimerPage"));
        }));
    }
};

QTEST_MAIN(TestFitSystemPages)
#include "tst_fit_system_pages.moc"
