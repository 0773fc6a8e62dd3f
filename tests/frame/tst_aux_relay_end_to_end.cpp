#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_system_aux_view_manager.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/line_breaks.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using signalInterface::AuxiliaryRelayTypes;
using signalInterface::ConfigureTypes;
using tools::AuxRelayChange;
using tools::AuxRelayTiming;
using tools::AuxRelayWire;

// The whole panel connected to the simulated sauna on loopback. From the settings tab the user
// opens System, Options: the auxiliary relays the sauna has. One relay is renamed on the
// on-screen keyboard, another becomes a fragrance relay and gets a longer stop time. Every tap is
// a mouse click on the scene's widget where the item is drawn; every value shown is the one the
// sauna reported back. At its time the sauna descales, and the descaling page's "Last" row
// follows.
class TestAuxRelayEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // The relay options page from the settings areas: System, then Options.
    void openRelayOptions()
    {
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_optionsAux));
        QVERIFY(waitForItem(QStringLiteral("auxRelaysPage")));
    }

    // The text a visible item of that name shows.
    QString textOf(const QString &objectName)
    {
        QQuickItem *item = waitForItem(objectName);
        return item ? item->property("text").toString() : QString();
    }

private slots:
    void initTestCase()
    {
        STEP(startConnected(saunaOptions(QStringLiteral("Spa sauna"), QStringLiteral("2580"))));
        // The function flags have arrived: the Advanced settings menu has its rows.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureAdvancedSettingsViewManager>()
                .model()
                ->rowCount(),
            3, waitMs);
        // The relays have arrived with the full report.
        STEP(waitForDescalingRelay());
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
    }

    void cleanupTestCase() { shutDown(); }

    void relayRenamedOnTheKeyboard()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QCOMPARE(model.auxRelays().relays()[1].name, QStringLiteral("Lamp"));
        STEP(openRelayOptions());
        // Only the relays the sauna has, each with the name it reported.
        QTRY_VERIFY(showsText(QStringLiteral("Aux 4")));
        QVERIFY(showsText(QStringLiteral("Descaling pump")));
        QVERIFY(!showsText(QStringLiteral("Aux 3")));
        const view::ListModel &relays =
            *m_frame->configureTab.manager<view::ConfigureSystemAuxViewManager>().relayModel();
        QCOMPARE(relays.rowCount(), 4);
        STEP(saveScreenshot(QStringLiteral("aux_relays")));

        STEP(tapRow(QStringLiteral("settingsList"), 1));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        QTRY_COMPARE(textOf(QStringLiteral("auxNameText")), QStringLiteral("Lamp"));
        QTRY_VERIFY(showsText(QStringLiteral("Aux 1")));

        QSignalSpy requested(m_sauna.get(), &tools::SimulatedSauna::auxRelayRequested);
        STEP(tap(QStringLiteral("auxNameRow")));
        QQuickItem *keyboard = waitForItem(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboard);
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Lamp"));
        for (int erased = 0; erased < 4; ++erased)
            STEP(tap(QStringLiteral("keyboardBackspaceKey")));
        QTRY_COMPARE(keyboard->property("text").toString(), QString());
        STEP(typeOnKeyboard(QStringLiteral("Spot")));
        QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Spot"));
        STEP(saveScreenshot(QStringLiteral("aux_relay_keyboard")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QTRY_VERIFY(!keyboard->isVisible());

        QVERIFY(requested.wait(waitMs));
        QCOMPARE(requested.size(), 1);
        const auto change = requested.first().first().value<AuxRelayChange>();
        QCOMPARE(change.index, std::optional<quint32>(1));
        QCOMPARE(change.name, QStringLiteral("Spot"));
        QCOMPARE(change.function, std::optional<int>(AuxRelayWire::OnOff));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[1].name, QStringLiteral("Spot"),
                                  waitMs);
        // The page shows the name the sauna reported back.
        QTRY_COMPARE(textOf(QStringLiteral("auxNameText")), QStringLiteral("Spot"));
        STEP(saveScreenshot(QStringLiteral("aux_relay")));

        // Back on the list, the relay shows its new name.
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(showsText(QStringLiteral("Spot")));
        QVERIFY(!showsText(QStringLiteral("Lamp")));
        STEP(backToSettingsAreas());
    }

    void relayBecomesAFragranceRelay()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        // A spare output, on for 2 s when it was last used.
        QCOMPARE(model.auxRelays().relays()[2].function, int(AuxRelayWire::NotUsed));
        STEP(openRelayOptions());
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        const view::ListModel &functions =
            *m_frame->configureTab.manager<view::ConfigureSystemAuxViewManager>().functionModel();
        const int checkmark = functions.roleNames().key("checkmarkChecked");
        QTRY_VERIFY(functions.rowCount() >= 3);
        QVERIFY(functions.data(functions.index(0), checkmark).toBool());

        QSignalSpy requested(m_sauna.get(), &tools::SimulatedSauna::auxRelayRequested);
        STEP(tapRow(QStringLiteral("auxFunctionList"), AuxiliaryRelayTypes::E_frequency));
        QVERIFY(requested.wait(waitMs));
        const auto change = requested.first().first().value<AuxRelayChange>();
        QCOMPARE(change.index, std::optional<quint32>(2));
        QCOMPARE(change.function, std::optional<int>(AuxRelayWire::Frequency));
        // On 2 s becomes 20 tenths; the unused off time takes the 20 min default.
        QCOMPARE(change.onTime, std::optional<AuxRelayTiming>({AuxRelayWire::TenthsOfSecond, 20}));
        QCOMPARE(change.offTime, std::optional<AuxRelayTiming>({AuxRelayWire::Seconds, 1200}));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[2].function,
                                  int(AuxRelayWire::Frequency), waitMs);

        // The fragrance page opens with the reported times.
        QVERIFY(waitForItem(QStringLiteral("auxFragrancePage")));
        // Each part of a time followed by a blank, as the texts are built.
        QTRY_VERIFY(showsText(QStringLiteral("2s ")));
        QTRY_VERIFY(showsText(QStringLiteral("20min ")));
        STEP(saveScreenshot(QStringLiteral("aux_fragrance")));

        // The stop time one hour longer.
        requested.clear();
        STEP(tapRow(QStringLiteral("settingsList"), AuxiliaryRelayTypes::E_stop));
        STEP(stepHoursUpAndSave());
        QVERIFY(requested.wait(waitMs));
        const auto stop = requested.last().first().value<AuxRelayChange>();
        QCOMPARE(stop.offTime, std::optional<AuxRelayTiming>({AuxRelayWire::Seconds, 4800}));
        QCOMPARE(stop.onTime, std::optional<AuxRelayTiming>({AuxRelayWire::TenthsOfSecond, 20}));
        QTRY_COMPARE_WITH_TIMEOUT(model.auxRelays().relays()[2].offTime.value, 4800u, waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("1h 20min ")));
        STEP(saveScreenshot(QStringLiteral("aux_fragrance_stop")));

        // Back on the relay's page, "Fragrance" carries the check mark the report gave it.
        STEP(tap(QStringLiteral("pageBackButton")));
        QVERIFY(waitForItem(QStringLiteral("auxRelayPage")));
        QTRY_VERIFY(functions.rowCount() >= 3);
        QTRY_VERIFY(functions.data(functions.index(2), checkmark).toBool());
        QVERIFY(!functions.data(functions.index(0), checkmark).toBool());
        QQuickItem *list = waitForItem(QStringLiteral("auxFunctionList"));
        QVERIFY(list);
        QTRY_VERIFY(findVisibleItem(list, [](QQuickItem *item) {
            return item->property("applId").toInt() == AuxiliaryRelayTypes::E_frequency &&
                   item->property("checked").toBool();
        }));
        STEP(saveScreenshot(QStringLiteral("aux_relay_fragrance")));
        STEP(backToSettingsAreas());
    }

    void descalingPageShowsTheReportedSettings()
    {
        STEP(openDescalingPage());
        // Every two weeks on Wednesdays at 02:00, 150 ml for 3 h.
        QTRY_VERIFY(showsText(QStringLiteral("Wednesday")));
        // Drawn as one piece that no line breaks inside.
        QVERIFY(showsText(view::LineBreaks::keptTogetherText(QStringLiteral("1/2"))));
        QVERIFY(showsText(QStringLiteral("150ml")));
        QVERIFY(showsText(QStringLiteral("3h 0min")));
        STEP(saveScreenshot(QStringLiteral("aux_descaling")));
        STEP(backToSettingsAreas());
    }

    void descalingRunsAtItsTimeAndTheLastRowFollows()
    {
        // The sauna's clock moves only when the test moves it. Its descaling was last done a
        // month before its start; the next is due on the following Wednesday at 02:00.
        const auto now = std::make_shared<QDateTime>(saunaStartClock());
        m_sauna->setClock([now] { return *now; });
        const auto lastRow = [](const QDate &date) {
            return QStringLiteral("Last: ") + view::DateTimeFormatter::instance()->formatDate(date);
        };
        QQuickItem *power =
            sceneRoot()->findChild<QQuickItem *>(QStringLiteral("power_switch_tab"));
        QVERIFY(power);
        STEP(openDescalingPage());
        QTRY_VERIFY(showsText(lastRow(saunaStartClock().date().addDays(-30))));

        QSignalSpy started(m_sauna.get(), &tools::SimulatedSauna::descalingStarted);
        *now = now->addSecs((6 * 24 + 16) * 3600);
        QVERIFY(started.wait(waitMs));
        QTRY_COMPARE(power->property("stateText").toString(), QStringLiteral("Descaling"));

        // Three hours later it has completed, on the day it started.
        QSignalSpy finished(m_sauna.get(), &tools::SimulatedSauna::descalingFinished);
        *now = now->addSecs(3 * 3600);
        QVERIFY(finished.wait(waitMs));
        QTRY_VERIFY(showsText(lastRow(saunaStartClock().date().addDays(7))));
        QTRY_COMPARE(power->property("stateText").toString(), QStringLiteral("Off"));
        QStringList messages;
        STEP(messages = dismissPopups());
        QCOMPARE(messages, QStringList{QStringLiteral("Descaling completed")});
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestAuxRelayEndToEnd)
#include "tst_aux_relay_end_to_end.moc"
