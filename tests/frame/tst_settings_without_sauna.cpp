#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/date_time_types.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"

#include <QQuickItem>
#include <QTest>

#include <functional>

using signalInterface::ConfigureTypes;
using tools::IntegerId;

// The whole panel connected to the simulated sauna on loopback. The user opens each settings
// screen that shows the sauna's values, and the sauna goes away while it is open: the screen
// shows none of the values any more, nothing on it can be tapped, and it says that no sauna is
// connected. Once connected again, the screen shows the sauna's values. Screens that mix the
// sauna's values with the panel's own settings keep the panel's part usable.
class TestSettingsWithoutSauna : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    using Opener = std::function<void()>;

    const QString noSauna =
        QStringLiteral("No sauna is connected. Connect one in Settings → Network.");

    static bool isInHeader(QQuickItem *item)
    {
        for (; item; item = item->parentItem()) {
            if (QString::fromLatin1(item->metaObject()->className()).startsWith("PageHeader"))
                return true;
        }
        return false;
    }

    // The visible texts and tap areas of the page below its title bar and outside the line that
    // no sauna is connected, each with whether it takes taps.
    QList<QQuickItem *> contentOf(QQuickItem *page)
    {
        QQuickItem *notice = findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice"));
        QList<QQuickItem *> items;
        findVisibleItem(page, [&](QQuickItem *item) {
            const bool shown = item->inherits("QQuickText") || item->inherits("QQuickMouseArea");
            if (shown && !isInHeader(item) && !(notice && notice->isAncestorOf(item)))
                items << item;
            return false;
        });
        return items;
    }

    QStringList textsOf(QQuickItem *page)
    {
        QStringList texts;
        for (QQuickItem *item : contentOf(page)) {
            if (item->inherits("QQuickText"))
                texts << item->property("text").toString();
        }
        return texts;
    }

    void disconnectSauna()
    {
        m_frame->saunaCommunication.onDisconnectRequest();
        QTRY_VERIFY_WITH_TIMEOUT(!m_frame->controllerTab.wifiSymbolController.isConnected(),
                                 waitMs);
        STEP(dismissPopups());
    }

    void reconnectSauna()
    {
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        QCOMPARE(link.remoteSaunas().size(), 1);
        link.onConnectRequest(link.remoteSaunas().value(0).identity);
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.wifiSymbolController.isConnected(), waitMs);
        STEP(dismissPopups());
    }

    // The page says that no sauna is connected, shows nothing else but disabled buttons, and has
    // no row of the sauna's list.
    void showsNothingOfTheSauna(const QString &pageName)
    {
        QQuickItem *page = waitForItem(pageName);
        QVERIFY2(page, qPrintable(pageName));
        QQuickItem *notice = waitForItem(
            page,
            [](QQuickItem *item) {
                return item->objectName() == QStringLiteral("settingsNotConnectedNotice");
            },
            QStringLiteral("the line on %1").arg(pageName));
        QVERIFY2(notice, qPrintable(pageName));
        QVERIFY(showsText(noSauna));
        QVERIFY2(!findVisibleItem(page, isRow), qPrintable(pageName));
        for (QQuickItem *item : contentOf(page)) {
            const QString text = item->property("text").toString();
            QVERIFY2(!item->isEnabled(),
                     qPrintable(QStringLiteral("%1: %2 \"%3\" is enabled")
                                    .arg(pageName, item->metaObject()->className(), text)));
        }
    }

    // Opens the page while the sauna is connected, and checks it while the sauna is away and
    // once it is back: the same texts as before, all of them shown again. A value the sauna
    // reported, where given, is among them.
    void checkAcrossDisconnect(const QString &pageName, const Opener &open,
                               const QString &saunaValue = QString())
    {
        STEP(open());
        QQuickItem *page = waitForItem(pageName);
        QVERIFY2(page, qPrintable(pageName));
        waitForPagesAtRest();
        if (!saunaValue.isEmpty())
            QTRY_VERIFY2(textsOf(page).contains(saunaValue),
                         qPrintable(textsOf(page).join(QLatin1Char('|'))));
        QTRY_VERIFY(!contentOf(page).isEmpty());
        QVERIFY(!findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice")));
        const QStringList before = textsOf(page);

        STEP(disconnectSauna());
        STEP(showsNothingOfTheSauna(pageName));
        if (!saunaValue.isEmpty())
            QVERIFY2(!showsText(saunaValue), qPrintable(saunaValue));
        STEP(saveScreenshot(pageName + QStringLiteral("_without_sauna")));

        STEP(reconnectSauna());
        QTRY_VERIFY(!findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice")));
        QTRY_COMPARE(textsOf(page), before);
        STEP(backToSettingsAreas());
    }

    QString durationText(int minutes)
    {
        return QStringLiteral("%1h %2min").arg(minutes / 60).arg(minutes % 60);
    }

private slots:
    void initTestCase()
    {
        STEP(startSauna(saunaOptions(QStringLiteral("Cellar sauna"), QStringLiteral("4711"))));
        // The sauna's clock stands still at the start of a minute, and each connection reports
        // it again: the Time editor reads the same before the sauna goes and once it is back,
        // whatever minute the test runs in and however long it has run.
        m_sauna->setClock([] { return saunaStartClock(); });
        STEP(startPanel());
        STEP(connectToTheSauna());
        // The function flags and the relays have arrived.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureAdvancedSettingsViewManager>()
                .model()
                ->rowCount(),
            3, waitMs);
        STEP(waitForDescalingRelay());
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
    }

    void cleanupTestCase() { shutDown(); }

    // Each screen from the settings areas with the sauna connected, whatever the one before left.
    void init()
    {
        if (!m_frame->controllerTab.wifiSymbolController.isConnected())
            STEP(reconnectSauna());
        if (!findVisibleItem(sceneRoot(), QStringLiteral("settingsStack")))
            STEP(tapTab(QStringLiteral("Settings")));
        STEP(backToSettingsAreas());
    }

    void externalSwitch()
    {
        const int minutes = int(m_sauna->model().integer(IntegerId::ExtSwitchBathTime));
        checkAcrossDisconnect(
            QStringLiteral("externalSwitchPage"),
            [this] {
                openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_externalSwitch,
                                 QStringLiteral("externalSwitchPage"));
            },
            QStringLiteral("%1h %2m").arg(minutes / 60).arg(minutes % 60));
    }

    // The editor opened before the sauna went: no duration and a disabled Save.
    void externalSwitchBathTimeEditor()
    {
        checkAcrossDisconnect(QStringLiteral("externalSwitchBathTimeEditorPage"), [this] {
            STEP(openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_externalSwitch,
                                  QStringLiteral("externalSwitchPage")));
            STEP(tapRow(QStringLiteral("externalSwitchBathTimeList"), 1));
        });
    }

    void fan()
    {
        // A running time of less than an hour is shown in minutes alone.
        const int minutes = int(m_sauna->model().integer(IntegerId::FanRuntime));
        QVERIFY(minutes < 60);
        checkAcrossDisconnect(
            QStringLiteral("fanPage"),
            [this] {
                openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_fan,
                                 QStringLiteral("fanPage"));
            },
            QStringLiteral("%1min").arg(minutes));
    }

    void standby()
    {
        checkAcrossDisconnect(QStringLiteral("standbyPage"), [this] {
            openSettingsPage(QStringLiteral("advanced"), ConfigureTypes::E_standby,
                             QStringLiteral("standbyPage"));
        });
    }

    void descaling()
    {
        checkAcrossDisconnect(
            QStringLiteral("auxDescalingPage"), [this] { STEP(openDescalingPage()); },
            QStringLiteral("150ml"));
    }

    void tankAutoEmptying()
    {
        const int minutes = int(m_sauna->model().integer(IntegerId::TankAutoEmptyingDuration));
        checkAcrossDisconnect(
            QStringLiteral("tankAutoEmptyingPage"),
            [this] {
                openSettingsPage(QStringLiteral("system"), ConfigureTypes::E_tankAutoEmptying,
                                 QStringLiteral("tankAutoEmptyingPage"));
            },
            durationText(minutes));
    }

    void status()
    {
        checkAcrossDisconnect(QStringLiteral("statusPage"), [this] {
            openSettingsPage(QStringLiteral("system"), ConfigureTypes::E_status,
                             QStringLiteral("statusPage"));
        });
    }

    void facilityType()
    {
        checkAcrossDisconnect(QStringLiteral("facilityTypePage"), [this] {
            openSettingsPage(QStringLiteral("system"), ConfigureTypes::E_facilityType,
                             QStringLiteral("facilityTypePage"));
        });
    }

    void limitsMenuAndBathTemperature()
    {
        checkAcrossDisconnect(QStringLiteral("limitsBathTemperaturePage"), [this] {
            STEP(tap(QStringLiteral("settingsArea_limits")));
            STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_maxBathTemp));
        });
        // The menu itself lists the sauna's limits.
        checkAcrossDisconnect(QStringLiteral("limitsMenuPage"),
                              [this] { tap(QStringLiteral("settingsArea_limits")); });
    }

    // The Time screen's clock row goes; its format rows are the panel's own and stay usable.
    void timeKeepsTheFormatRows()
    {
        STEP(tap(QStringLiteral("settingsArea_dateTime")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_time));
        QQuickItem *page = waitForItem(QStringLiteral("dateTimeTimePage"));
        QVERIFY(page);
        const int clockRow = view::ConfigureDateTimeTimeViewManager::timeRowId;
        auto rowOf = [page](int applId) {
            return findVisibleItem(page, [applId](QQuickItem *item) {
                return isRow(item) && item->property("applId").toInt() == applId;
            });
        };
        QTRY_VERIFY(rowOf(clockRow));
        STEP(disconnectSauna());
        QVERIFY(waitForItem(QStringLiteral("settingsNotConnectedNotice")));
        QVERIFY(!rowOf(clockRow));
        QQuickItem *format = rowOf(signalInterface::DateTimeTypes::E_0_24);
        QVERIFY(format);
        QVERIFY(format->isEnabled());
        STEP(saveScreenshot(QStringLiteral("dateTimeTimePage_without_sauna")));
        STEP(reconnectSauna());
        QTRY_VERIFY(rowOf(clockRow));
        QVERIFY(!findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice")));
        STEP(backToSettingsAreas());
    }

    void setTimeEditor()
    {
        checkAcrossDisconnect(QStringLiteral("setTimePage"), [this] {
            STEP(tap(QStringLiteral("settingsArea_dateTime")));
            STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_time));
            STEP(tapRow(QStringLiteral("settingsList"),
                        view::ConfigureDateTimeTimeViewManager::timeRowId));
        });
    }

    // About forgets the sauna below the line and lists what it holds before any report; the
    // sauna's part comes back with it.
    void aboutForgetsTheSauna()
    {
        STEP(tap(QStringLiteral("settingsArea_general")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_about));
        QQuickItem *page = waitForItem(QStringLiteral("generalAboutPage"));
        QVERIFY(page);
        const QString software = QStringLiteral("Software: sauna_simulator");
        auto aboutRows = [this] {
            return rowTexts(QStringLiteral("aboutInfoList"));
        };
        QTRY_VERIFY2(aboutRows().contains(software), qPrintable(aboutRows().join('|')));
        STEP(disconnectSauna());
        QVERIFY(waitForItem(QStringLiteral("settingsNotConnectedNotice")));
        QTRY_VERIFY(!aboutRows().contains(software));
        const QStringList forgotten = aboutRows();
        for (const char *row : {"PC Control Panel", "Control Panel", "Facility Type: Unknown",
                                "System: Unknown", "Software: "})
            QVERIFY2(forgotten.contains(QLatin1String(row)), qPrintable(forgotten.join('|')));
        QVERIFY(!forgotten.contains(QStringLiteral("Node 0")));
        STEP(saveScreenshot(QStringLiteral("generalAboutPage_without_sauna")));
        STEP(reconnectSauna());
        QTRY_VERIFY_WITH_TIMEOUT(aboutRows().contains(software), waitMs);
        QVERIFY(!findVisibleItem(page, QStringLiteral("settingsNotConnectedNotice")));
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestSettingsWithoutSauna)
#include "tst_settings_without_sauna.moc"
