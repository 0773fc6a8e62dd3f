#include "../view_cpp/configure/model_reader.h"
#include "finder_table.h"
#include "frame_test_support.h"

#include "control/haptic_sensor_controller.h"
#include "control/message_controller.h"
#include "pc_panel/sauna_system_receiver.h"
#include "pc_panel/sauna_system_sender.h"
#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/user_settings_converter.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/haptic_feedback_types.h"
#include "value/temperature_value_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/configure/configure_system_haptic_feedback_view_manager.h"
#include "view_cpp/configure/configure_system_network_view_manager.h"
#include "view_cpp/configure/configure_system_status_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"
#include "view_cpp/frame_wiring.h"
#include "view_cpp/gui_handler.h"
#include "view_cpp/language_support.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/qeyboard.h"

#include <QMetaMethod>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using signalInterface::UserMessageTypes::UserMessage;

namespace {
// The System menu's row of the Network screen.
constexpr int optionsNetworkId = 2;
} // namespace

// The complete start-up wiring against the complete scene: every connection is made and no item
// the wiring looks for is missing.
class TestFrameWiring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareFrameTestProcess(); }

    void completeSceneWiresWithoutFailures()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);

        QStringList missing;
        connect(&frame.guiHandler, &view::GuiHandler::panelUserMessageIssued, this,
                [&missing](const UserMessage &message) {
                    if (message.id == view::GuiHandler::missingItemMessageId)
                        missing << message.arguments.value(2);
                });

        frame.loadScene();
        QVERIFY2(frame.guiHandler.rootObject(), "main.qml did not load");
        QVERIFY(frame.guiHandler.popupWidget());
        // The keyboard bridge reaches the scene's keyboard item.
        auto *keyboardItem =
            frame.guiHandler.rootObject()->findChild<QObject *>(QStringLiteral("onScreenKeyboard"));
        QVERIFY(keyboardItem);
        frame.guiHandler.keyboard()->onOpenKeyboard();
        QVERIFY(keyboardItem->property("visible").toBool());
        frame.guiHandler.keyboard()->onCloseKeyboard();
        QVERIFY(!keyboardItem->property("visible").toBool());

        const startUp::WiringFailures failures = frame.wire();
        QCOMPARE(missing, QStringList());
        QCOMPARE(failures.qmlItems, 0);
        QCOMPARE(failures.nativeObjects, 0);
        QCOMPARE(failures.bridge, 0);
        QCOMPARE(failures.saunaSide, 0);

        QVERIFY(frame.start());
        frame.prepareWindow();
        frame.showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&frame.mainWindow));
        QCOMPARE(frame.mainWindow.size(), QSize(340, 600));
    }

    void settingsScreensArePublishedAndReachTheLink()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);

        // Every name of the settings screens exists before the scene is loaded.
        QQmlContext *context = frame.guiHandler.view()->rootContext();
        for (const QString &name : details::ConfigureTabObjectsProvider::publishedNames())
            QVERIFY2(context->contextProperty(name).value<QObject *>(), qPrintable(name));
        QCOMPARE(context->contextProperty(QStringLiteral("configure_network_controller"))
                     .value<QObject *>(),
                 &frame.configureTab.manager<view::ConfigureSystemNetworkViewManager>());

        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);
        QVERIFY(frame.start());

        // The screen's request goes to the link, and the link's report comes back to it.
        view::ConfigureSystemNetworkViewManager &network =
            frame.configureTab.manager<view::ConfigureSystemNetworkViewManager>();
        const bool autoConnect = frame.saunaCommunication.autoConnect();
        QSignalSpy reported(&frame.saunaCommunication,
                            &pcPanel::SaunaCommunication::autoConnectChanged);
        emit network.autoConnectChangeRequest(!autoConnect);
        QCOMPARE(reported.size(), 1);
        QCOMPARE(frame.saunaCommunication.autoConnect(), !autoConnect);
        emit network.autoConnectChangeRequest(autoConnect);
        QCOMPARE(frame.saunaCommunication.autoConnect(), autoConnect);

        // A message of a settings screen reaches the message controller's popup.
        auto *popup = qobject_cast<QQuickItem *>(frame.guiHandler.popupWidget());
        QVERIFY(popup);
        QVERIFY(!popup->isVisible());
        network.onIsUsingFallbackAnnouncement(54379);
        QTRY_VERIFY(popup->isVisible());
    }

    // One tap on a settings button acts once: one request, one message, whatever path the scene,
    // the screen's manager, the link and the message controller give it. "Detect" gives one
    // notice of its own and, once the link has searched, one more.
    void everyTemperatureEditorFollowsTheUnit()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);

        using signalInterface::TemperatureTypes;
        frame.controllerTab.temperatureController.onTemperatureUnitChangeRequested(
            TemperatureTypes::E_fahrenheit);
        details::ConfigureTabObjectsProvider &screens = frame.configureTab;
        const QList<value::TemperatureValueManager *> editors{
            screens.manager<view::ConfigureLimitsViewManager>().maxBathTemperatureManager(),
            screens.manager<view::ConfigureLimitsViewManager>().upperWaterTemperatureManager(),
            screens.manager<view::ConfigureLimitsViewManager>().pcbOverheatLimitManager(),
            screens.manager<view::ConfigureAdvancedSettingsStandbyViewManager>().reductionManager(),
            screens.manager<view::ConfigureAdvancedSettingsStandbyViewManager>()
                .waterTemperatureManager(),
        };
        for (value::TemperatureValueManager *editor : editors)
            QCOMPARE(editor->temperatureUnit(), TemperatureTypes::E_fahrenheit);

        // The Status screen too, with no room temperature to bring the unit along: 80 °C of
        // water and the default heat ratio of 2 °C a minute.
        auto &status = screens.manager<view::ConfigureSystemStatusViewManager>();
        signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
        functions.waterTemperature = true;
        status.onSaunaMasterFuncDescChanged(functions);
        status.onSaunaTankTemperatureChanged(signalInterface::NodeInformationTypes::E_master, 720);
        status.onStatusViewVisibleChanged(true);
        const QString fahrenheit =
            view::LanguageSupport::temperatureUnitText(TemperatureTypes::E_fahrenheit);
        const QStringList lines = modelReader::texts(*status.model(), "value");
        QVERIFY2(lines.contains(QStringLiteral("Water temperature: 176") + fahrenheit),
                 qPrintable(lines.join(QLatin1Char('|'))));
        QVERIFY2(lines.contains(QStringLiteral("Smart Start Heat Ratio: 3") + fahrenheit +
                                QStringLiteral("/min")),
                 qPrintable(lines.join(QLatin1Char('|'))));
    }

    void settingsButtonsActOnceInTheCompleteGraph()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);
        QVERIFY(frame.start());

        QObject *root = frame.guiHandler.rootObject();
        QObject *networkSender = root->findChild<QObject *>(QStringLiteral("configureNetworkView"));
        QObject *systemSender =
            root->findChild<QObject *>(QStringLiteral("configureSystemsSelector"));
        QVERIFY(networkSender);
        QVERIFY(systemSender);
        view::ConfigureSystemNetworkViewManager &network =
            frame.configureTab.manager<view::ConfigureSystemNetworkViewManager>();
        control::MessageController &messages = frame.controllerTab.messageController;
        const auto queued = [&messages] {
            return messages.waitingMessageCount() + (messages.currentMessage().id != 0 ? 1 : 0);
        };
        const auto press = [networkSender](int id) {
            return QMetaObject::invokeMethod(networkSender, "buttonPressed", Q_ARG(int, id));
        };

        // "Detect" at a typed address.
        network.onManualAddSystemIpAddressCommit(QStringLiteral("127.0.0.1"));
        network.onManualAddSystemPortChanged(QStringLiteral("9"));
        QSignalSpy requests(&network, &view::ConfigureSystemNetworkViewManager::ipDetectRequest);
        QSignalSpy notices(&network,
                           &view::ConfigureSystemNetworkViewManager::panelUserMessageIssued);
        QSignalSpy searched(&frame.saunaCommunication, &pcPanel::SaunaCommunication::ipDetectDone);
        const int before = queued();
        QVERIFY(press(signalInterface::ConfigureTypes::E_networkDoIpConnect));
        QCOMPARE(requests.size(), 1);
        QCOMPARE(notices.size(), 1);
        QCOMPARE(queued(), before + 1);
        // A second request would have ended the first search at once, as failed.
        QCOMPARE(searched.size(), 0);
        emit frame.saunaCommunication.ipDetectDone(QStringLiteral("127.0.0.1:9"), true);
        QCOMPARE(notices.size(), 2);
        QCOMPARE(queued(), before + 2);

        // The Network screen's other buttons.
        QSignalSpy updates(&network, &view::ConfigureSystemNetworkViewManager::updateSaunaRequest);
        QVERIFY(press(signalInterface::ConfigureTypes::E_networkUpdate));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(notices.size(), 3);
        QCOMPARE(queued(), before + 3);
        QSignalSpy disconnects(&network,
                               &view::ConfigureSystemNetworkViewManager::disconnectRequest);
        QVERIFY(press(signalInterface::ConfigureTypes::E_networkDisconnect));
        QCOMPARE(disconnects.size(), 1);
        QSignalSpy networkEdits(&network, &view::ConfigureSystemNetworkViewManager::editSelected);
        QVERIFY(press(signalInterface::ConfigureTypes::E_networkChangePin));
        QCOMPARE(networkEdits.size(), 1);

        // A row of the System menu.
        QSignalSpy systemEdits(&frame.configureTab.manager<view::ConfigureSystemViewManager>(),
                               &view::ConfigureSystemViewManager::editSelected);
        QVERIFY(
            QMetaObject::invokeMethod(systemSender, "itemSelected", Q_ARG(int, optionsNetworkId)));
        QCOMPARE(systemEdits.size(), 1);
    }

    // What the link's sender and the converters cannot convert is told to the user: each of
    // them raises its message and the popup shows it.
    void everyMessageRaiserReachesThePopup()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);
        QVERIFY(frame.start());

        auto *popup = qobject_cast<QQuickItem *>(frame.guiHandler.popupWidget());
        QVERIFY(popup);
        control::MessageController &messages = frame.controllerTab.messageController;
        // Whatever the start-up had to say is answered first.
        for (int shown = 0; popup->isVisible() && shown < 10; ++shown) {
            QVERIFY(QMetaObject::invokeMethod(popup, "popupBtnPressed", Q_ARG(QString, "OK")));
            QTRY_VERIFY(!popup->isVisible() || messages.waitingMessageCount() > 0);
        }
        QTRY_VERIFY(!popup->isVisible());

        pcPanel::SaunaSystemSender *sender = frame.saunaCommunication.saunaSystemSender();
        const std::pair<QString, std::function<void()>> raisers[] = {
            {QStringLiteral("sauna_system_sender.cpp"),
             [sender] {
                 // In use, starting before the protocol's epoch.
                 signalInterface::CalendarProgram program;
                 program.inUse = true;
                 program.start = QDateTime(QDate(1999, 12, 31), QTime(23, 0), Qt::UTC);
                 sender->onCalendarProgramChangeRequested(program);
             }},
            {QStringLiteral("enum_value_converter.cpp"),
             [] {
                 pbSupport::conversion::EnumValueConverter::instance().toPbRegion(
                     static_cast<signalInterface::RegionTypes::RegionType>(77));
             }},
            {QStringLiteral("node_converter.cpp"),
             [] {
                 pbSupport::conversion::NodeConverter::instance().toPbRcb(
                     static_cast<signalInterface::NodeInformationTypes::RcbMasterSlaveMode>(77));
             }},
        };
        for (const auto &[fileName, raise] : raisers) {
            raise();
            QTRY_VERIFY(popup->isVisible());
            const QString text = popup->property("popupText").toString();
            QVERIFY2(text.contains(fileName), qPrintable(text));
            QCOMPARE(messages.waitingMessageCount(), 0);
            QVERIFY(QMetaObject::invokeMethod(popup, "popupBtnPressed", Q_ARG(QString, "OK")));
            QTRY_VERIFY(!popup->isVisible());
        }
    }

    // Start-up makes the records and enums that the link's signals carry known by the names
    // their signatures spell, which a queued connection looks them up by.
    void startUpNamesTheTypesTheLinkCarries()
    {
        int names = 0;
        for (const QMetaObject *link : {&pcPanel::SaunaSystemReceiver::staticMetaObject,
                                        &pcPanel::SaunaSystemSender::staticMetaObject}) {
            for (int index = 0; index < link->methodCount(); ++index) {
                const QMetaMethod method = link->method(index);
                for (const QByteArray &type : method.parameterTypes()) {
                    if (!type.startsWith("::signalInterface::"))
                        continue;
                    ++names;
                    QVERIFY2(QMetaType::fromName(type).isValid(),
                             qPrintable(QString::fromLatin1(method.methodSignature())));
                }
            }
        }
        QVERIFY(names > 0);
    }

    // No object of the link and no converter that can raise a message is left unheard.
    void everyRaiserOfTheLinkIsConnected()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);

        const QByteArray signature = QMetaObject::normalizedSignature(
            "panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,"
            "::signalInterface::UserMessageAction*)");
        QList<QObject *> objects = frame.saunaCommunication.findChildren<QObject *>();
        objects << &frame.saunaCommunication << frame.saunaCommunication.saunaSystemSender()
                << frame.saunaCommunication.saunaSystemReceiver() << &frame.connectionInformer
                << &frame.guiHandler;
        // Every converter that raises messages.
        using namespace pbSupport::conversion;
        objects << &AuxRelayConverter::instance() << &CalendarConverter::instance()
                << &EnumValueConverter::instance() << &NodeConverter::instance()
                << &ProductConverter::instance() << &StateConverter::instance()
                << &UserSettingsConverter::instance();
        control::MessageController &messages = frame.controllerTab.messageController;
        const QMetaMethod slot = messages.metaObject()->method(messages.metaObject()->indexOfSlot(
            QMetaObject::normalizedSignature(
                "onPanelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,"
                "::signalInterface::UserMessageAction*)")
                .constData()));
        QVERIFY(slot.isValid());
        int raisers = 0;
        for (QObject *object : std::as_const(objects)) {
            const int index = object->metaObject()->indexOfSignal(signature.constData());
            if (index < 0)
                continue;
            ++raisers;
            // Only an existing connection can be undone; the frame is thrown away after.
            QVERIFY2(
                QObject::disconnect(object, object->metaObject()->method(index), &messages, slot),
                object->metaObject()->className());
        }
        // The receiver, the sender, the informer, the GUI handler and the seven converters.
        QVERIFY(raisers >= 11);
    }

    // The informer takes back, in the program's own wiring, a connection message that the
    // connection has overtaken: after a loss and a reconnection, the popup says "connected" and
    // nothing waits behind it.
    void overtakenConnectionMessageIsWithdrawn()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);
        control::MessageController &messages = frame.controllerTab.messageController;
        QVERIFY(!messages.hasCurrentMessage());

        signalInterface::RemoteSaunaTypes::RemoteSauna garden;
        garden.identity = QUuid::createUuid();
        garden.name = QStringLiteral("Garden sauna");
        pcPanel::ConnectionInformer &informer = frame.connectionInformer;
        auto *noticeTimer = informer.findChild<QTimer *>(QStringLiteral("noticeTimer"));
        QVERIFY(noticeTimer != nullptr);
        informer.onConnectSucceeded(garden);
        // Each change is told when it has held for the notice delay.
        informer.onConnectionLost();
        QVERIFY(QMetaObject::invokeMethod(noticeTimer, "timeout"));
        QCOMPARE(messages.currentMessage().id, 0x203eu);
        informer.onReconnected();
        QVERIFY(QMetaObject::invokeMethod(noticeTimer, "timeout"));
        QCOMPARE(messages.currentMessage().id, 0x2026u);
        QCOMPARE(messages.currentMessage().arguments, QStringList{garden.name});
        QCOMPARE(messages.waitingMessageCount(), 0);
    }

    void everyFinderNameExistsOnceInTheScene()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        // Before the scene exists each finder reports every name it looks up.
        QStringList names;
        {
            QSignalSpy missing(&frame.guiHandler, &view::GuiHandler::panelUserMessageIssued);
            for (const FinderNames &entry : finderTable())
                QVERIFY((frame.guiHandler.*entry.finder)().isEmpty());
            for (const QList<QVariant> &report : std::as_const(missing)) {
                const QString name = report.at(0)
                                         .value<signalInterface::UserMessageTypes::UserMessage>()
                                         .arguments.value(2);
                if (!names.contains(name))
                    names << name;
            }
        }
        frame.loadScene();
        QObject *root = frame.guiHandler.rootObject();
        QVERIFY(root);

        // Finders that the start-up does not use; the scene need not have their items.
        for (const char *unused :
             {"saveAsFavoritesButton", "configureWiFiView", "initialSetupTabManager"})
            QVERIFY(names.removeOne(QString::fromLatin1(unused)));
        // Looked up by name from the id providers.
        const QMetaObject *favorites = frame.favoritesTabObjectIdProvider.metaObject();
        const QMetaObject *calendar = frame.calendarTabObjectIdProvider.metaObject();
        for (const auto &[object, meta] : {std::pair<QObject *, const QMetaObject *>{
                                               &frame.favoritesTabObjectIdProvider, favorites},
                                           {&frame.calendarTabObjectIdProvider, calendar}}) {
            for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
                QString name;
                QVERIFY(meta->method(i).invoke(object, Qt::DirectConnection,
                                               Q_RETURN_ARG(QString, name)));
                names << name;
            }
        }
        names << QStringLiteral("onScreenKeyboard");
        for (const QString &name : std::as_const(names)) {
            const QList<QObject *> found = root->findChildren<QObject *>(name);
            QVERIFY2(found.size() == 1,
                     qPrintable(QStringLiteral("%1 found %2 times").arg(name).arg(found.size())));
        }
    }

    void teardownUnloadsTheSceneBeforeTheProviders()
    {
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        auto frame = std::make_unique<startUp::PanelFrame>(variant, options);
        frame->loadScene();
        frame->wire();
        QPointer<QObject> root = frame->guiHandler.rootObject();
        QVERIFY(root);
        bool sceneGoneFirst = false;
        connect(&frame->controllerTab.temperatureController, &QObject::destroyed, this,
                [&] { sceneGoneFirst = root.isNull(); });
        frame.reset();
        QVERIFY(sceneGoneFirst);
        QVERIFY(!startUp::saunaStateController());
        QVERIFY(!view::MainWindow::instance);
        QVERIFY(!view::GuiHandlerControlPanel::instance);
    }

    // No menu leads to the vibration switch, and the complete wiring leaves it apart from the
    // haptic-sensor controller both ways: its request changes no stored setting, and the
    // controller's announcement does not move it.
    void hapticSwitchIsNotWiredToTheHapticController()
    {
        using signalInterface::HapticFeedbackTypes;
        control::VariantControllerPcPanel variant(control::buildBrand(), nullptr);
        startUp::FrameOptions options;
        options.qmlDirectory = QStringLiteral(PANEL_QML_DIRECTORY);
        startUp::PanelFrame frame(variant, options);
        frame.loadScene();
        QCOMPARE(frame.wire().total(), 0);

        auto &screen = frame.configureTab.manager<view::ConfigureSystemHapticFeedbackViewManager>();
        control::HapticSensorController &controller = frame.controllerTab.hapticSensorController;
        const HapticFeedbackTypes::HapticFeedback stored = controller.feedback();
        QSignalSpy announced(&controller, &control::HapticSensorController::newHapticFeedbackValue);
        const auto opposite = stored == HapticFeedbackTypes::E_activated
                                  ? HapticFeedbackTypes::E_deactivated
                                  : HapticFeedbackTypes::E_activated;
        emit screen.hapticFeedbackChangeRequested(opposite);
        const bool changed = controller.feedback() != stored;
        if (changed)
            controller.onHapticFeedbackChangeRequested(stored);
        QVERIFY(!changed);
        QCOMPARE(announced.size(), 0);

        screen.onHapticFeedbackViewVisibleChanged(true);
        const view::ListModel &rows = *screen.model();
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.data(rows.indexOfRow(0), 35), QVariant(true));
        emit controller.newHapticFeedbackValue(HapticFeedbackTypes::E_deactivated);
        QCOMPARE(rows.data(rows.indexOfRow(0), 35), QVariant(true));
    }
};

QTEST_MAIN(TestFrameWiring)
#include "tst_frame_wiring.moc"
