#include "text_fit.h"

#include "signal_interface/auxiliary_relay_types.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/sauna_state_types.h"
#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"

#include <QQuickItem>
#include <QTest>

#include <functional>

using signalInterface::AuxiliaryRelayTypes;
using signalInterface::ConfigureTypes;

// The whole panel against the simulated sauna on loopback, with a sauna name as long as a user
// gives one and a full error log. Every screen of the System settings and of the Network screen,
// each opened by taps from the list of settings areas, and the Limits' overheating limit of a
// sauna with humidity, show their texts whole in all fourteen languages: none cut off, out of
// its box or the window, broken inside a number and its unit, or over another text or under a
// button.
class TestFitSystemPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    // The relays of the simulated sauna: the second one gets the fragrance function, the fourth
    // runs the descaling.
    static constexpr int fragranceRelay = 2;
    static constexpr int descalingRelay = 4;
    static constexpr int descalingFunction = 102;
    static constexpr int infraredSaunaProduct = 39;

    // From the settings areas, the steps open the named page; it is checked in every language.
    void checkPage(const QString &pageName, const std::function<void()> &open)
    {
        const auto openPage = [&] {
            STEP(backToSettingsAreas());
            STEP(open());
            QVERIFY2(waitForItem(pageName), qPrintable(pageName));
        };
        STEP(openPage());
        STEP(checkPageInEveryLanguage(pageName, openPage));
    }

    void openSystemPage(int applId, const QString &pageName)
    {
        openSettingsPage(QStringLiteral("system"), applId, pageName);
    }

    void openRelay(int relay)
    {
        STEP(openSystemPage(ConfigureTypes::E_optionsAux, QStringLiteral("auxRelaysPage")));
        STEP(tapRow(QStringLiteral("settingsList"), relay));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
    }

    void openDescaling()
    {
        STEP(openRelay(descalingRelay));
        STEP(tapRow(QStringLiteral("auxFunctionList"), descalingFunction));
        QVERIFY(waitForItem(QStringLiteral("auxDescalingPage")));
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Wellness area east wing sauna 2"), QStringLiteral("2580"));
        options.errorLogEntries = 32;
        STEP(startConnected(options));
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->configureTab.systemAuxViewManager.relays().at(descalingRelay).connected,
            waitMs);
        STEP(dismissPopups());
        STEP(tapTab(settingsTabIndex));
    }

    void cleanupTestCase() { shutDown(); }

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
            STEP(checkPage(pageName, [&] { openSystemPage(applId, pageName); }));
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

    void relaysFragranceAndDescaling()
    {
        STEP(checkPage(QStringLiteral("auxRelayPage"), [this] { openRelay(fragranceRelay); }));
        STEP(checkPage(QStringLiteral("auxFragrancePage"), [this] {
            STEP(openRelay(fragranceRelay));
            STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
        }));
        const std::pair<int, const char *> fragrancePages[] = {
            {AuxiliaryRelayTypes::E_pump, "fragrancePumpEditorPage"},
            {AuxiliaryRelayTypes::E_stop, "fragranceStopEditorPage"}};
        for (const auto &[applId, name] : fragrancePages) {
            STEP(checkPage(QString::fromLatin1(name), [&] {
                STEP(openRelay(fragranceRelay));
                STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
                QVERIFY(waitForItem(QStringLiteral("auxFragrancePage")));
                STEP(tapRow(QStringLiteral("settingsList"), applId));
            }));
        }
        STEP(checkPage(QStringLiteral("auxDescalingPage"), [this] { openDescaling(); }));
        const std::pair<int, const char *> descalingPages[] = {
            {AuxiliaryRelayTypes::E_startTime, "descalingStartTimePage"},
            {AuxiliaryRelayTypes::E_duration, "descalingDurationPage"},
            {AuxiliaryRelayTypes::E_dosage, "descalingDosagePage"},
            {AuxiliaryRelayTypes::E_weekday, "descalingWeekdayPage"}};
        for (const auto &[applId, name] : descalingPages) {
            STEP(checkPage(QString::fromLatin1(name), [&] {
                STEP(openDescaling());
                STEP(tapRow(QStringLiteral("settingsList"), applId));
            }));
        }
        STEP(checkPage(QStringLiteral("descalingRepeatPage"), [this] {
            STEP(openDescaling());
            STEP(tapRow(QStringLiteral("settingsList"), AuxiliaryRelayTypes::E_weekday));
            QVERIFY(waitForItem(QStringLiteral("descalingWeekdayPage")));
            STEP(tapPageRow(QStringLiteral("descalingWeekdayPage"),
                            view::ConfigureSystemAuxDescalingViewManager::repeatRowId));
        }));
    }

    void networkScreen()
    {
        view::ConfigureSystemNetworkViewManager &network =
            m_frame->configureTab.systemNetworkViewManager;
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
        QTRY_VERIFY_WITH_TIMEOUT(applIdsOf(*m_frame->configureTab.systemViewManager.model())
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
        QTRY_VERIFY_WITH_TIMEOUT(applIdsOf(*m_frame->configureTab.systemViewManager.model())
                                     .contains(ConfigureTypes::E_resetPauseTimer),
                                 waitMs);
        STEP(checkPage(QStringLiteral("pauseTimerPage"), [this] {
            openSystemPage(ConfigureTypes::E_resetPauseTimer, QStringLiteral("pauseTimerPage"));
        }));
    }
};

QTEST_MAIN(TestFitSystemPages)
#include "tst_fit_system_pages.moc"
