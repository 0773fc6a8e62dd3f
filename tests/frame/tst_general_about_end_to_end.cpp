#include "panel_under_test.h"

#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/configure/configure_general_about_view_manager.h"
#include "view_cpp/line_breaks.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <functional>

// The whole panel connected to a simulated multi-steam sauna on loopback. The user goes to the
// settings tab and opens About, which lists the sauna's nodes; from there the licence information
// with a component's real licence text, and the relay control boards, where a press sounds a
// board's buzzer at the sauna. Every tap is a mouse click on the scene's widget where the item is
// drawn.
class TestGeneralAboutEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // A visible item of the scene whose text passes the test.
    QQuickItem *visibleText(QQuickItem *below, const std::function<bool(const QString &)> &test)
    {
        QQuickItem *found = nullptr;
        [[maybe_unused]] const bool shown = QTest::qWaitFor(
            [&] {
                found = findVisibleItem(below, [&test](QQuickItem *item) {
                    return item->inherits("QQuickText") && test(item->property("text").toString());
                });
                return found != nullptr;
            },
            waitMs);
        return found;
    }

    QQuickItem *visibleText(QQuickItem *below, const QString &text)
    {
        return visibleText(below, [&text](const QString &shown) { return shown == text; });
    }

    void goBack()
    {
        // The back arrow of the page on top: the last one in the visual tree once the pages rest.
        waitForPagesAtRest();
        QQuickItem *back = nullptr;
        findVisibleItem(sceneRoot(), [&back](QQuickItem *item) {
            if (item->objectName() == QStringLiteral("pageBackButton"))
                back = item;
            return false;
        });
        QVERIFY(back);
        tap(back);
    }

private slots:
    void initTestCase()
    {
        tools::SimulatorOptions options = saunaOptions();
        options.systemType = tools::SystemType::MultiSteam;
        STEP(startConnected(options));
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void aboutLicenceAndIdentify()
    {
        view::ConfigureGeneralAboutViewManager &about =
            m_frame->configureTab.manager<view::ConfigureGeneralAboutViewManager>();
        // The node list of the connect has arrived: three boards, a panel and a sensor.
        QTRY_COMPARE_WITH_TIMEOUT(m_frame->controllerTab.saunaStateController.rcbCount(), 3,
                                  waitMs);
        STEP(dismissPopups());

        // The settings tab, then About: from the General menu where the scene has it.
        STEP(tapTab(QStringLiteral("Settings")));
        waitForPagesAtRest();
        if (findVisibleItem(sceneRoot(), QStringLiteral("settingsArea_general"))) {
            STEP(tap(QStringLiteral("settingsArea_general")));
            STEP(tapRow(QStringLiteral("settingsList"), signalInterface::ConfigureTypes::E_about));
        } else {
            STEP(tap(QStringLiteral("settingsArea_about")));
        }
        QQuickItem *aboutPage = waitForItem(QStringLiteral("generalAboutPage"));
        QVERIFY(aboutPage);

        // What the sauna reported, on the screen.
        // The version number is drawn as one piece that no line breaks inside.
        QVERIFY(visibleText(aboutPage, view::LineBreaks::keptTogetherText(
                                           QStringLiteral("Software version: 1.0.5022"))));
        QVERIFY(visibleText(aboutPage,
                            QStringLiteral("Software: ") + m_sauna->identity().applicationName));
        QVERIFY(visibleText(aboutPage, QStringLiteral("Node 0")));
        QVERIFY(visibleText(aboutPage, QStringLiteral("Profile: Relay Control Board")));
        const QStringList rows = [&] {
            QStringList texts;
            const view::ListModel &model = about.infoModel;
            const int value = model.roleNames().key("value");
            for (int row = 0; row < model.rowCount(); ++row)
                texts << model.data(model.index(row), value).toString();
            return texts;
        }();
        // The boards are the nodes above bus address 63; the panel and the sensor sit below it
        // and have no block.
        for (int node = 0; node < 5; ++node)
            QVERIFY2(rows.contains(QStringLiteral("Node %1").arg(node)) == (node < 3),
                     qPrintable(rows.join('|')));
        QVERIFY(!rows.contains(QStringLiteral("Profile: Control Panel")));
        QVERIFY(!rows.contains(QStringLiteral("Profile: Temperature and Humidity Sensor")));
        QVERIFY(rows.contains(QStringLiteral("Software version: 2.1.2")));
        QCOMPARE(about.subFunctionModel.rowCount(), 2);
        // The nodes go on below the page's edge, and a scroll bar says so before any scrolling.
        QQuickItem *infoList = waitForItem(QStringLiteral("aboutInfoList"));
        QVERIFY(infoList);
        QVERIFY(infoList->property("contentHeight").toReal() > infoList->height());
        QQuickItem *infoBar = findVisibleItem(infoList, QStringLiteral("listScrollBar"));
        QVERIFY(infoBar);
        QVERIFY(infoBar->opacity() > 0);
        STEP(saveScreenshot(QStringLiteral("general_about")));

        // The licence information, and Qt's licence text.
        STEP(tapRow(QStringLiteral("aboutSubFunctionList"),
                    signalInterface::ConfigureTypes::E_licenseInfo));
        QQuickItem *licencePage = waitForItem(QStringLiteral("generalLicencePage"));
        QVERIFY(licencePage);
        QVERIFY(visibleText(licencePage, [](const QString &text) {
            return text.endsWith(QStringLiteral(
                "control panel is designed using open source software components, which are "
                "subject to the copyrights of their authors."));
        }));
        QVERIFY(visibleText(licencePage, QStringLiteral("Protocol Buffers")));
        QVERIFY(visibleText(licencePage, QStringLiteral("TCLAP")));
        STEP(saveScreenshot(QStringLiteral("general_licence_information")));

        QSignalSpy messages(
            &m_frame->configureTab.manager<view::ConfigureGeneralAboutLicenseInfoViewManager>(),
            &view::ConfigureGeneralAboutLicenseInfoViewManager::panelUserMessageIssued);
        STEP(tapRow(QStringLiteral("licenceComponentList"),
                    signalInterface::ConfigureTypes::E_componentQt));
        QQuickItem *componentPage = waitForItem(QStringLiteral("licenceComponentPage"));
        QVERIFY(componentPage);
        QCOMPARE(messages.count(), 0);
        QVERIFY(visibleText(componentPage, QStringLiteral("Qt 6")));
        QVERIFY(visibleText(componentPage, [](const QString &text) {
            return text.startsWith(QStringLiteral("==== /usr/share/doc/libqt6core6/copyright"));
        }));
        QVERIFY(m_frame->configureTab.manager<view::ConfigureGeneralAboutLicenseInfoViewManager>()
                    .componentLicenseModel()
                    ->rowCount() > 1000);
        STEP(saveScreenshot(QStringLiteral("general_licence_qt")));
        STEP(goBack());
        QVERIFY(waitForItem(QStringLiteral("generalLicencePage")));
        STEP(goBack());
        aboutPage = waitForItem(QStringLiteral("generalAboutPage"));
        QVERIFY(aboutPage);

        // Identify: one button per board; a press reaches the sauna as that board's buzzer.
        STEP(tapRow(QStringLiteral("aboutSubFunctionList"),
                    signalInterface::ConfigureTypes::E_identifyRcb));
        QQuickItem *identifyPage = waitForItem(QStringLiteral("generalIdentifyBoardsPage"));
        QVERIFY(identifyPage);
        QVERIFY(visibleText(identifyPage, QStringLiteral("Primary")));
        QVERIFY(visibleText(identifyPage, QStringLiteral("Secondary1")));
        QVERIFY(visibleText(identifyPage, QStringLiteral("Secondary2")));
        STEP(saveScreenshot(QStringLiteral("general_identify_boards")));
        QSignalSpy buzzer(m_sauna.get(), &tools::SimulatedSauna::buzzerRequested);
        STEP(tap(QStringLiteral("identifyBoardButton_2")));
        QVERIFY(buzzer.wait(waitMs));
        QCOMPARE(buzzer.count(), 1);
        QCOMPARE(buzzer.at(0).at(0).toInt(), 2);
        STEP(tap(QStringLiteral("identifyBoardButton_0")));
        QVERIFY(buzzer.wait(waitMs));
        QVERIFY(buzzer.size() > 1);
        QCOMPARE(buzzer.at(1).at(0).toInt(), 0);
    }
};

QTEST_MAIN(TestGeneralAboutEndToEnd)
#include "tst_general_about_end_to_end.moc"
