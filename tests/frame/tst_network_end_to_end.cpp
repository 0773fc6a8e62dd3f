#include "frame_test_support.h"
#include "scene_items.h"

#include "control/message_controller.h"
#include "control/temperature_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/user_message_provider.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <algorithm>
#include <functional>
#include <memory>

using signalInterface::UserMessageTypes::UserMessage;

namespace {

constexpr int waitMs = 10000;
constexpr quint32 pinFailedMessageId = 0x2027;
constexpr quint32 detectingSystemMessageId = 0x2041;
const char saunaName[] = "Loft sauna";
const char saunaPin[] = "2580";

} // namespace

// The whole panel, started without any known sauna, and the simulated sauna on loopback. The
// user goes to the settings tab, System, Network, types the sauna's address and port, taps
// Detect, opens the found system, enters the PIN and taps Connect; the main screen then shows the
// sauna's values. Every tap is a mouse click on the scene's widget where the item is drawn; the
// sauna's announcement port is not the one the panel broadcasts to, so only the typed address
// can find it.
class TestNetworkEndToEnd : public QObject
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

    // A tap into the entry field and the text typed on the keyboard; no Return: the field is
    // left by the next tap elsewhere.
    void type(const QString &fieldName, const QString &text)
    {
        QQuickItem *field = waitForItem(fieldName);
        QVERIFY2(field, qPrintable(fieldName));
        auto *input = field->property("inputItem").value<QQuickItem *>();
        QVERIFY(input);
        tap(input);
        QTRY_VERIFY(input->hasActiveFocus());
        QQuickWidget *view = m_frame->guiHandler.view();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClicks(view, text);
        QCOMPARE(field->property("text").toString(), text);
    }

    QStringList visibleNames() { return visibleItemNames(sceneRoot()); }

    QString currentNetworkPage()
    {
        for (const char *name : {"networkPinEditorPage", "networkIpConnectPage",
                                 "networkSaunaDetailsPage", "networkListPage"}) {
            if (findVisibleItem(sceneRoot(), QString::fromLatin1(name)))
                return QString::fromLatin1(name);
        }
        return QString();
    }

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

    void enterPinAndConnect(const QString &pin)
    {
        QCOMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        tap(QStringLiteral("networkEnterPinButton"));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkPinEditorPage"));
        QQuickItem *field = waitForItem(QStringLiteral("networkPinField"));
        QVERIFY(field);
        auto *input = field->property("inputItem").value<QQuickItem *>();
        QVERIFY(input);
        tap(input);
        QTRY_VERIFY(input->hasActiveFocus());
        QQuickWidget *view = m_frame->guiHandler.view();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClicks(view, pin);
        tap(QStringLiteral("networkPinSaveButton"));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        QTRY_COMPARE(m_frame->saunaCommunication.remoteSaunas().value(0).pin.pin(), pin);
        tap(QStringLiteral("networkConnectButton"));
    }

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;

private slots:
    void initTestCase()
    {
        prepareFrameTestProcess();
        // Nothing known, auto-connect off: only the user's steps can connect.
        {
            pcPanel::RemoteSaunaList stored;
            stored.load();
            QCOMPARE(stored.size(), 0);
        }
        pcPanel::InstanceSettings::setValue(
            QString::fromLatin1(control::Settings::pcPanelAutoConnectKey), false);

        tools::SimulatorOptions options;
        options.announcePort = 0;
        options.saunaPort = 0;
        options.pin = QString::fromLatin1(saunaPin);
        options.name = QString::fromLatin1(saunaName);
        options.heatIntervalMs = 3600000; // no heating steps
        m_sauna = std::make_unique<tools::SimulatedSauna>(options);
        QString error;
        QVERIFY2(m_sauna->start(&error), qPrintable(error));
        QVERIFY(m_sauna->announcePort() !=
                pcPanel::SaunaCommunication::Timing().announcementRequestPort);

        m_variant =
            std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
        startUp::FrameOptions frameOptions;
        frameOptions.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, frameOptions);
        QVERIFY(m_frame->saunaCommunication.remoteSaunas().isEmpty());
        QVERIFY(!m_frame->saunaCommunication.autoConnect());
        m_frame->loadScene();
        QCOMPARE(m_frame->wire().total(), 0);
        QVERIFY(m_frame->start());
        m_frame->prepareWindow();
        m_frame->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    void detectOpenEnterPinAndConnect()
    {
        view::ConfigureSystemNetworkViewManager &network =
            m_frame->configureTab.systemNetworkViewManager;
        QSignalSpy messages(&m_frame->connectionInformer,
                            &pcPanel::ConnectionInformer::panelUserMessageIssued);
        dismissPopups();

        // The settings tab, its System menu and the menu's Network entry.
        QQuickItem *settingsTab = findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("glyph").isValid() &&
                   item->property("text").toString() == QStringLiteral("Settings");
        });
        QVERIFY(settingsTab);
        STEP(tap(settingsTab));
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
        QCOMPARE(network.saunaListModel()->rowCount(), 0);

        // "IP detect": the address and the port typed in, then "Detect".
        QTRY_COMPARE(network.ipDetectModel()->rowCount(), 1);
        STEP(tapRow(QStringLiteral("networkIpDetectList"), network.ipDetectModel()->getApplId(0)));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkIpConnectPage"));
        // Typed without Return: the address counts once the user leaves its field for the port,
        // the port once the user taps "Detect".
        const QHostAddress localHost(QHostAddress::LocalHost);
        STEP(type(QStringLiteral("networkIpAddressField"), QStringLiteral("127.0.0.1")));
        QVERIFY(network.formAddress() != localHost);
        STEP(type(QStringLiteral("networkPortField"), QString::number(m_sauna->announcePort())));
        QCOMPARE(network.formAddress(), localHost);
        QVERIFY(network.formPort() != int(m_sauna->announcePort()));

        QSignalSpy requested(&network, &view::ConfigureSystemNetworkViewManager::ipDetectRequest);
        QSignalSpy detected(&m_frame->saunaCommunication,
                            &pcPanel::SaunaCommunication::ipDetectDone);
        STEP(tap(QStringLiteral("networkDetectButton")));
        QCOMPARE(requested.size(), 1);
        const auto searched =
            requested.at(0).at(0).value<signalInterface::RemoteSaunaTypes::RemoteSauna>();
        QCOMPARE(searched.address, localHost);
        QCOMPARE(searched.port, m_sauna->announcePort());
        QCOMPARE(network.formPort(), int(m_sauna->announcePort()));
        QVERIFY(detected.wait(waitMs));
        QCOMPARE(detected.at(0).at(1).toBool(), true);
        // The tap's own notice with the typed address, then the link's with the sauna's port:
        // one of each.
        const QString detecting =
            view::UserMessageProvider::instance()->getText(detectingSystemMessageId);
        const QStringList detectMessages = dismissPopups();
        QCOMPARE(detectMessages,
                 QStringList(
                     {detecting.arg(QStringLiteral("127.0.0.1")),
                      detecting.arg(QStringLiteral("127.0.0.1:%1").arg(m_sauna->announcePort()))}));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkListPage"));
        QTRY_COMPARE(network.saunaListModel()->rowCount(), 1);
        QTRY_VERIFY(
            findVisibleItem(waitForItem(QStringLiteral("networkSaunaList")), [](QQuickItem *item) {
                return item->property("text").toString() == QString::fromLatin1(saunaName);
            }));
        QVERIFY(!m_frame->saunaCommunication.isConnected());
        STEP(saveScreenshot(QStringLiteral("frame_network_list")));

        // The found system's details.
        STEP(tapRow(QStringLiteral("networkSaunaList"), network.saunaListModel()->getApplId(0)));
        QTRY_COMPARE(currentNetworkPage(), QStringLiteral("networkSaunaDetailsPage"));
        QTRY_COMPARE(network.saunaDetailsInfoModel()->rowCount(), 4);

        // A wrong PIN: the sauna refuses, the panel says why and stays unconnected.
        QSignalSpy refused(m_sauna.get(), &tools::SimulatedSauna::panelRefused);
        STEP(enterPinAndConnect(QStringLiteral("1111")));
        QVERIFY(refused.wait(waitMs));
        QTRY_VERIFY(std::any_of(messages.begin(), messages.end(), [](const QList<QVariant> &call) {
            return call.at(0).value<UserMessage>().id == pinFailedMessageId;
        }));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QTRY_VERIFY(popup->isVisible());
        QVERIFY(!m_frame->saunaCommunication.isConnected());
        QCOMPARE(m_sauna->connectedPanelCount(), 0);
        const QStringList pinMessages = dismissPopups();
        qInfo() << "after the wrong PIN:" << pinMessages;
        QVERIFY(pinMessages.contains(
            view::UserMessageProvider::instance()->getText(pinFailedMessageId).arg(saunaName)));

        // The right PIN connects.
        QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
        STEP(enterPinAndConnect(QString::fromLatin1(saunaPin)));
        QVERIFY(connected.wait(waitMs));
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->saunaCommunication.isConnected(), waitMs);
        QCOMPARE(m_sauna->connectedPanelCount(), 1);
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("networkDisconnectButton")));
        dismissPopups();
        STEP(saveScreenshot(QStringLiteral("frame_network_details")));

        // Back on the main screen the sauna's target temperature is shown.
        QQuickItem *saunaTab = findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("glyph").isValid() &&
                   item->property("text").toString() == QStringLiteral("Sauna");
        });
        QVERIFY(saunaTab);
        STEP(tap(saunaTab));
        const int target = int(m_sauna->model().integer(tools::IntegerId::TargetTemperature));
        const QList<QObject *> steppers = m_frame->guiHandler.targetTemperatureItems();
        QCOMPARE(steppers.size(), 2);
        auto *stepper = qobject_cast<QQuickItem *>(steppers.last());
        QVERIFY(stepper);
        auto *valueText = stepper->findChild<QQuickItem *>(QStringLiteral("valueText"));
        QVERIFY(valueText);
        // Ninths of a degree Celsius.
        QTRY_VERIFY_WITH_TIMEOUT(
            valueText->property("text").toString().startsWith(QString::number(target / 9)), waitMs);
        QTRY_VERIFY(valueText->isVisible());
        STEP(saveScreenshot(QStringLiteral("frame_network_main_screen")));
    }
};

QTEST_MAIN(TestNetworkEndToEnd)
#include "tst_network_end_to_end.moc"
