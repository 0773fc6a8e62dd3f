#include "frame_test_support.h"
#include "scene_items.h"

#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/panel_frame.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <functional>
#include <memory>

namespace {

constexpr int waitMs = 10000;

} // namespace

// The whole panel connected to a simulated multi-steam sauna on loopback. The user goes to the
// settings tab and opens About, which lists the sauna's nodes; from there the licence information
// with a component's real licence text, and the relay control boards, where a press sounds a
// board's buzzer at the sauna. Every tap is a mouse click on the scene's widget where the item is
// drawn.
class TestGeneralAboutEndToEnd : public QObject
{
    Q_OBJECT

private:
    QQuickItem *sceneRoot() const { return sceneRootOf(*m_frame); }

    // Waits until no page and no list of the scene moves any more: a press on a list that still
    // moves only stops it and reaches none of its rows.
    void waitForPagesAtRest() { waitForSceneAtRest(sceneRoot(), waitMs); }

    QQuickItem *waitForItem(const QString &objectName)
    {
        return waitForVisibleItem(*m_frame, objectName, waitMs);
    }

    void tap(QQuickItem *item) { tapItem(*m_frame, item, waitMs); }

    void tap(const QString &objectName)
    {
        QQuickItem *item = waitForItem(objectName);
        QVERIFY2(item, qPrintable(objectName));
        tap(item);
    }

    // The row of a program-built list that carries the application id.
    void tapRow(const QString &listName, int applId)
    {
        QQuickItem *list = waitForItem(listName);
        QVERIFY2(list, qPrintable(listName));
        QQuickItem *row = nullptr;
        const bool found = QTest::qWaitFor(
            [&] {
                row = findVisibleItem(list, [applId](QQuickItem *item) {
                    return item->property("applId").isValid() &&
                           item->property("applId").toInt() == applId && item->height() > 0;
                });
                return row != nullptr;
            },
            waitMs);
        QVERIFY2(found, qPrintable(QStringLiteral("%1 row %2").arg(listName).arg(applId)));
        tap(row);
    }

    QStringList visibleNames() { return visibleItemNames(sceneRoot()); }

    // Answers every message the popup shows, one after the other; returns their texts. Every tap
    // must press the popup's button, or the same message would be read twice.
    QStringList dismissPopups()
    {
        QStringList texts;
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        if (popup == nullptr)
            return texts;
        QSignalSpy pressed(popup, SIGNAL(popupBtnPressed(QString)));
        for (int shown = 0; popup->isVisible() && shown < 10; ++shown) {
            texts << popup->property("popupText").toString();
            QQuickItem *button = findVisibleItem(popup, QStringLiteral("popupCenterButton"));
            if (button == nullptr)
                break;
            tap(button);
            if (pressed.size() != shown + 1) {
                QTest::qFail(qPrintable(QStringLiteral("tap missed \"%1\"").arg(texts.constLast())),
                             __FILE__, __LINE__);
                break;
            }
            // A message that waits behind this one is shown as soon as it is answered, in the
            // same call: the loop reads it next.
        }
        return texts;
    }

    void saveScreenshot(const QString &name)
    {
        waitForPagesAtRest();
        // The scene renders asynchronously: let the last frame reach the window.
        QSignalSpy rendered(m_frame->guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
        m_frame->guiHandler.view()->update();
        rendered.wait(2000);
        const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
        QVERIFY(QDir().mkpath(directory));
        const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY(m_frame->mainWindow.grab().save(path));
        qInfo("screenshot: %s", qPrintable(path));
    }

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

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
        pcPanel::InstanceSettings::setValue(
            QString::fromLatin1(control::Settings::pcPanelAutoConnectKey), false);

        tools::SimulatorOptions options;
        options.announcePort = 0;
        options.saunaPort = 0;
        options.heatIntervalMs = 3600000; // no heating steps
        options.systemType = tools::SystemType::MultiSteam;
        m_sauna = std::make_unique<tools::SimulatedSauna>(options);
        QString error;
        QVERIFY2(m_sauna->start(&error), qPrintable(error));

        m_variant =
            std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
        startUp::FrameOptions frameOptions;
        frameOptions.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, frameOptions);
        m_frame->loadScene();
        QCOMPARE(m_frame->wire().total(), 0);
        QVERIFY(m_frame->start());
        m_frame->prepareWindow();
        m_frame->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));

        // Connected the way the Network screen does it (its own test taps through it): the sauna
        // found at its address, then a connect with the sauna's PIN.
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        signalInterface::RemoteSaunaTypes::RemoteSauna searched;
        searched.address = QHostAddress(QHostAddress::LocalHost);
        searched.port = m_sauna->announcePort();
        link.onIpDetectRequest(searched);
        QVERIFY(detected.wait(waitMs));
        QVERIFY(detected.at(0).at(1).toBool());
        QCOMPARE(link.remoteSaunas().size(), 1);
        signalInterface::RemoteSaunaTypes::RemoteSauna sauna = link.remoteSaunas().value(0);
        sauna.pin = signalInterface::PinTypes::Pin{options.pin};
        link.onRemoteSaunaChangeRequest(sauna, true);
        QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
        link.onConnectRequest(sauna.identity);
        QVERIFY(connected.wait(waitMs));
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        dismissPopups();
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void aboutLicenceAndIdentify()
    {
        view::ConfigureGeneralAboutViewManager &about =
            m_frame->configureTab.generalAboutViewManager;
        // The node list of the connect has arrived: three boards, a panel and a sensor.
        QTRY_COMPARE_WITH_TIMEOUT(m_frame->controllerTab.saunaStateController.rcbCount(), 3,
                                  waitMs);
        dismissPopups();

        // The settings tab, then About: from the General menu where the scene has it.
        QQuickItem *settingsTab = findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("glyph").isValid() &&
                   item->property("text").toString() == QStringLiteral("Settings");
        });
        QVERIFY(settingsTab);
        STEP(tap(settingsTab));
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
        QVERIFY(visibleText(aboutPage, QStringLiteral("Software version: 1.0.5022")));
        QVERIFY(visibleText(aboutPage,
                            QStringLiteral("Software: ") + m_sauna->identity().applicationName));
        QVERIFY(visibleText(aboutPage, QStringLiteral("Node 0")));
        QVERIFY(visibleText(aboutPage, QStringLiteral("Profile: Relay Control Board")));
        const QStringList rows = [&] {
            QStringList texts;
            const view::ListModel &model = *about.infoModel();
            const int value = model.roleNames().key("value");
            for (int row = 0; row < model.rowCount(); ++row)
                texts << model.data(model.index(row), value).toString();
            return texts;
        }();
        for (int node = 0; node < 5; ++node)
            QVERIFY2(rows.contains(QStringLiteral("Node %1").arg(node)),
                     qPrintable(rows.join('|')));
        QVERIFY(rows.contains(QStringLiteral("Profile: Control Panel")));
        QVERIFY(rows.contains(QStringLiteral("Profile: Temperature and Humidity Sensor")));
        QVERIFY(rows.contains(QStringLiteral("Software version: 2.1.2")));
        QCOMPARE(about.subFunctionModel()->rowCount(), 2);
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
            &m_frame->configureTab.generalAboutLicenseInfoViewManager,
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
        QVERIFY(m_frame->configureTab.generalAboutLicenseInfoViewManager.componentLicenseModel()
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
        QCOMPARE(buzzer.at(1).at(0).toInt(), 0);
    }
};

QTEST_MAIN(TestGeneralAboutEndToEnd)
#include "tst_general_about_end_to_end.moc"
