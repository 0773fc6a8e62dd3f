#include "panel_under_test.h"

#include "../pc_panel/fake_sauna_peer.h"

#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/list_item.h"

#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using signalInterface::ConfigureTypes;
using tools::IntegerId;

namespace {
constexpr int errorLogEntries = 3;
}

// The whole panel connected to the simulated sauna, which has reported all its values, and then
// to another sauna that accepts the panel and reports nothing yet. No screen shows the first
// sauna's values for the second: what the second has not told reads "--". Back with the first
// sauna, its values are shown again.
class TestSaunaChange : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // The item of that name on the page shows exactly the text.
    static QString textOf(QQuickItem *page, const QString &objectName)
    {
        QQuickItem *item = findVisibleItem(page, objectName);
        return item ? item->property("text").toString() : QStringLiteral("<none>");
    }

    void connectTo(const QUuid &identity)
    {
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        link.onConnectRequest(identity);
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.wifiSymbolController.isConnected(), waitMs);
        STEP(dismissPopups());
    }

    void toTheOtherSauna() { STEP(connectTo(m_other->identity)); }

    void backToTheFirstSauna()
    {
        STEP(connectTo(m_firstIdentity));
        // Its reports arrive after the acceptance.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->controllerTab.temperatureController.targetTemperatureManager()->value(),
            waitMs);
    }

    // Opens the page, checks that it shows the first sauna's value, switches to the other
    // sauna and checks that the page no longer shows it but the "no value" text, and that it
    // comes back with the first sauna.
    void checkPage(const QString &pageName, const std::function<void()> &open,
                   const QString &firstValue, const QString &noValue)
    {
        STEP(open());
        QQuickItem *page = waitForItem(pageName);
        QVERIFY2(page, qPrintable(pageName));
        waitForPagesAtRest();
        QTRY_VERIFY2(showsText(firstValue), qPrintable(firstValue));

        STEP(toTheOtherSauna());
        QTRY_VERIFY2(!showsText(firstValue), qPrintable(firstValue));
        QTRY_VERIFY2(showsText(noValue), qPrintable(noValue));
        QVERIFY(!findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice")));
        STEP(saveScreenshot(pageName + QStringLiteral("_other_sauna")));

        STEP(backToTheFirstSauna());
        QTRY_VERIFY2(showsText(firstValue), qPrintable(firstValue));
        STEP(backToSettingsAreas());
    }

    int saunaInteger(int id) const { return int(m_sauna->model().integer(id)); }
    static int celsius(int ninths) { return ninths / 9; }

private slots:
    void initTestCase()
    {
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Cellar sauna"), QStringLiteral("4711"));
        options.errorLogEntries = errorLogEntries;
        STEP(startConnected(options));
        STEP(waitForDescalingRelay());
        STEP(dismissPopups());
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        m_firstIdentity = link.selectedRemoteSauna();

        // The other sauna: found by its address, with its PIN.
        m_other = std::make_unique<FakeSaunaPeer>();
        m_other->identity = QUuid(QStringLiteral("{3c9a7e21-6d4b-4f80-a1c5-8e2b7d0f9a46}"));
        m_other->name = QStringLiteral("Garden sauna");
        QVERIFY(m_other->identity != m_firstIdentity);
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        link.onIpDetectRequest(m_other->searchedAt());
        QVERIFY(detected.wait(waitMs));
        QCOMPARE(detected.at(0).at(1).toBool(), true);
        for (signalInterface::RemoteSaunaTypes::RemoteSauna sauna : link.remoteSaunas()) {
            if (sauna.identity != m_other->identity)
                continue;
            sauna.pin = signalInterface::PinTypes::Pin{m_other->pin};
            link.onRemoteSaunaChangeRequest(sauna, true);
        }
        QCOMPARE(link.remoteSaunas().size(), 2);
        STEP(dismissPopups());
        STEP(tapTab(settingsTabIndex));
    }

    void cleanupTestCase()
    {
        shutDown();
        m_other.reset();
    }

    void init()
    {
        if (m_frame->saunaCommunication.selectedRemoteSauna() != m_firstIdentity ||
            !m_frame->saunaCommunication.isConnected())
            STEP(backToTheFirstSauna());
    }

    // The main screen's dial and target stepper.
    void mainScreen()
    {
        STEP(tapTab(saunaTabIndex));
        QQuickItem *root = sceneRoot();
        const QString measured =
            QStringLiteral("%1°").arg(celsius(saunaInteger(IntegerId::Temperature)));
        const int target = celsius(saunaInteger(IntegerId::TargetTemperature));
        QTRY_COMPARE(textOf(root, QStringLiteral("measuredTemperatureText")), measured);
        QTRY_VERIFY(textOf(root, QStringLiteral("targetTemperatureText"))
                        .contains(QString::number(target)));
        QQuickItem *stepper =
            findVisibleItem(root, QStringLiteral("temperature_data_provider_tab2_normal"));
        QVERIFY(stepper);
        QTRY_COMPARE(textOf(stepper, QStringLiteral("valueText")),
                     QStringLiteral("%1 °C").arg(target));
        QVERIFY(m_frame->controllerTab.saunaStateController.bathTimeText().size() > 0);
        QQuickItem *minus = findVisibleItem(stepper, QStringLiteral("decreaseButton"));
        QQuickItem *plus = findVisibleItem(stepper, QStringLiteral("increaseButton"));
        QVERIFY(minus && plus);
        QVERIFY(minus->isEnabled());
        QVERIFY(plus->isEnabled());

        STEP(toTheOtherSauna());
        QTRY_COMPARE(textOf(root, QStringLiteral("measuredTemperatureText")), QStringLiteral("--"));
        QVERIFY(!textOf(root, QStringLiteral("targetTemperatureText"))
                     .contains(QString::number(target)));
        QCOMPARE(textOf(stepper, QStringLiteral("valueText")), QStringLiteral("--"));
        QVERIFY(m_frame->controllerTab.saunaStateController.bathTimeText().isEmpty());
        QVERIFY(!findVisibleItem(root, QStringLiteral("notConnectedNotice")));
        // A target that reads "--" has nothing to step from: "-" and "+" are disabled, and a tap
        // asks for no step, though the sauna is connected.
        QVERIFY(stepper->isEnabled());
        QVERIFY(!minus->isEnabled());
        QVERIFY(!plus->isEnabled());
        QVERIFY(minus->opacity() < 1.0);
        QSignalSpy steps(stepper, SIGNAL(changeTemperatureValueRequested(int)));
        waitForPagesAtRest();
        QQuickWidget *view = m_frame->guiHandler.view();
        for (QQuickItem *button : {plus, minus}) {
            const QPointF centre =
                button->mapToScene(QPointF(button->width() / 2, button->height() / 2));
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
        }
        QCOMPARE(steps.size(), 0);
        STEP(saveScreenshot(QStringLiteral("main_other_sauna")));

        STEP(backToTheFirstSauna());
        QTRY_COMPARE(textOf(root, QStringLiteral("measuredTemperatureText")), measured);
        QTRY_VERIFY(plus->isEnabled());
        QVERIFY(minus->isEnabled());
        STEP(tapTab(settingsTabIndex));
    }

    void externalSwitch()
    {
        STEP(tapTab(settingsTabIndex));
        const int minutes = saunaInteger(IntegerId::ExtSwitchBathTime);
        checkPage(
            QStringLiteral("externalSwitchPage"),
            [this] {
                openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_externalSwitch,
                                 QStringLiteral("externalSwitchPage"));
            },
            QStringLiteral("%1h %2m").arg(minutes / 60).arg(minutes % 60), QStringLiteral("--"));
    }

    void descaling()
    {
        STEP(tapTab(settingsTabIndex));
        checkPage(
            QStringLiteral("auxDescalingPage"), [this] { STEP(openDescalingPage()); },
            QStringLiteral("150ml"), QStringLiteral("--"));
    }

    void status()
    {
        STEP(tapTab(settingsTabIndex));
        const int room = celsius(saunaInteger(IntegerId::Temperature));
        checkPage(
            QStringLiteral("statusPage"),
            [this] {
                openSettingsPage(QStringLiteral("system"), ConfigureTypes::E_status,
                                 QStringLiteral("statusPage"));
            },
            QStringLiteral("Room temperature: %1°C").arg(room),
            QStringLiteral("Room temperature: --°C"));
    }

    void bathTemperatureLimit()
    {
        STEP(tapTab(settingsTabIndex));
        const int limit = celsius(saunaInteger(IntegerId::UpperTemperatureLimit));
        checkPage(
            QStringLiteral("limitsBathTemperaturePage"),
            [this] {
                STEP(tap(QStringLiteral("settingsArea_limits")));
                STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_maxBathTemp));
            },
            QStringLiteral("%1 °C").arg(limit), QStringLiteral("--"));
    }

    void fan()
    {
        STEP(tapTab(settingsTabIndex));
        const int minutes = saunaInteger(IntegerId::FanRuntime);
        QVERIFY(minutes > 0 && minutes < 60);
        checkPage(
            QStringLiteral("fanPage"),
            [this] {
                openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_fan,
                                 QStringLiteral("fanPage"));
            },
            QStringLiteral("%1min").arg(minutes), QStringLiteral("--"));
    }

    // The period's Save waits for both times: not offered for the other sauna, which tells none.
    void notAllowedStartSaveWaitsForTheTimes()
    {
        STEP(tapTab(settingsTabIndex));
        STEP(tap(QStringLiteral("settingsArea_limits")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_notAllowedStart));
        QVERIFY(waitForItem(QStringLiteral("notAllowedStartPage")));
        waitForPagesAtRest();
        QQuickItem *save = waitForItem(QStringLiteral("notAllowedStartSaveButton"));
        QVERIFY(save);
        QTRY_VERIFY(save->isEnabled());

        STEP(toTheOtherSauna());
        QTRY_VERIFY(showsText(QStringLiteral("--")));
        QTRY_VERIFY(!save->isEnabled());

        STEP(backToTheFirstSauna());
        QTRY_VERIFY(save->isEnabled());
        STEP(backToSettingsAreas());
    }

    // The log's rows are the former sauna's entries: the list is empty for the other sauna.
    void errorLog()
    {
        STEP(tapTab(settingsTabIndex));
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_errorLog));
        QVERIFY(waitForItem(QStringLiteral("errorLogPage")));
        waitForPagesAtRest();
        const view::ListModel &rows =
            *m_frame->configureTab.manager<view::ConfigureSystemErrorLogViewManager>().model();
        QTRY_COMPARE(rows.rowCount(), errorLogEntries);
        const QString newestCode = QString::number(rows.itemAt(0)->applId());
        QTRY_VERIFY(showsText(newestCode));

        STEP(toTheOtherSauna());
        QTRY_COMPARE(rows.rowCount(), 0);
        QTRY_VERIFY(!showsText(newestCode));
        STEP(saveScreenshot(QStringLiteral("errorLogPage_other_sauna")));

        STEP(backToTheFirstSauna());
        QTRY_COMPARE(rows.rowCount(), errorLogEntries);
        STEP(backToSettingsAreas());
    }

private:
    std::unique_ptr<FakeSaunaPeer> m_other;
    QUuid m_firstIdentity;
};

QTEST_MAIN(TestSaunaChange)
#include "tst_sauna_change_end_to_end.moc"
