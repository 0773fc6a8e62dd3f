#include "panel_under_test.h"

#include "control/settings.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "view_cpp/configure/configure_system_factory_reset_view_manager.h"
#include "view_cpp/configure/configure_system_relay_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"
#include "view_cpp/configure/configure_system_wifi_view_manager.h"
#include "view_cpp/frame_wiring.h"

#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

using signalInterface::ConfigureTypes;
using signalInterface::MasterFuncDescTypes;

// The System menu's maintenance screens in the whole program: software update, factory reset,
// relay control and Wi-Fi. No menu row leads to them in this edition, so the test checks that
// none is offered, and drives the screens that the start-up wires through the scene's own items.
class TestSystemMaintenanceEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareProcess(); }

    void init()
    {
        STEP(showPanelWithoutLink());
        m_popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(m_popup);
        // Whatever the start-up had to say is answered first.
        for (int shown = 0; m_popup->isVisible() && shown < 10; ++shown)
            QVERIFY(QMetaObject::invokeMethod(m_popup, "popupBtnPressed", Q_ARG(QString, "OK")));
        QTRY_VERIFY(!m_popup->isVisible());
    }

    void cleanup() { shutDown(); }

    void systemMenuOffersNoneOfTheseScreens()
    {
        view::ConfigureSystemViewManager &menu =
            m_frame->configureTab.manager<view::ConfigureSystemViewManager>();
        // Everything the menu can show: all flags, the EU, time-controlled, an IR board.
        MasterFuncDescTypes::MasterFuncDescPost flags;
        flags.bathPrio = flags.aux = flags.cleanup = flags.tankAutoEmptying = flags.resetTimer =
            flags.errorLog = true;
        menu.onSaunaMasterFuncDescChanged(flags);
        menu.onSaunaFacilityTypeChanged(signalInterface::SaunaStateTypes::E_time_controlled);
        menu.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_ir);
        const QList<int> ids = applIdsOf(*menu.model());
        QCOMPARE(ids.size(), 11);
        for (int id : {ConfigureTypes::E_optionsWiFi, ConfigureTypes::E_relayControl,
                       ConfigureTypes::E_softwareUpdate, ConfigureTypes::E_factoryReset})
            QVERIFY2(!ids.contains(id), qPrintable(QString::number(id)));

        // Asked for by id through the scene's menu item, they open nothing.
        QObject *systems = sender(QStringLiteral("configureSystemsSelector"));
        QSignalSpy opened(&menu, &view::ConfigureSystemViewManager::editSelected);
        for (int id : {ConfigureTypes::E_optionsWiFi, ConfigureTypes::E_relayControl,
                       ConfigureTypes::E_softwareUpdate, ConfigureTypes::E_factoryReset})
            QVERIFY(QMetaObject::invokeMethod(systems, "itemSelected", Q_ARG(int, id)));
        QCOMPARE(opened.size(), 0);
    }

    // The start-up connects no receiver to these screens' requests.
    void requestsOfTheseScreensHaveNoReceiver()
    {
        details::ConfigureTabObjectsProvider &screens = m_frame->configureTab;
        const std::pair<QObject *, const char *> requests[] = {
            {&screens.manager<view::ConfigureSystemRelayViewManager>(),
             SIGNAL(relayStateChangeRequest(::signalInterface::RelayStatusTypes::RelayType, bool))},
            {&screens.manager<view::ConfigureSystemRelayViewManager>(),
             SIGNAL(relayControlMenuStateRequest(bool))},
            {&screens.manager<view::ConfigureSystemRelayViewManager>(),
             SIGNAL(regulatorStateChangeRequest(
                 ::signalInterface::RegulatorTypes::RegulatorFunction))},
            {&screens.manager<view::ConfigureSystemFactoryResetViewManager>(),
             SIGNAL(factoryResetControlBoardRequest())},
            {&screens.manager<view::ConfigureSystemFactoryResetViewManager>(),
             SIGNAL(factoryResetWifiRequest())},
            {&screens.manager<view::ConfigureSystemFactoryResetViewManager>(),
             SIGNAL(exitThreadsRequest())},
            {&screens.manager<view::ConfigureSystemWiFiViewManager>(),
             SIGNAL(wiFiEnableChangeRequest(bool))},
            {&screens.manager<view::ConfigureSystemWiFiViewManager>(), SIGNAL(wiFiScanRequested())},
            {&screens.manager<view::ConfigureSystemWiFiViewManager>(),
             SIGNAL(panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage,
                                           ::signalInterface::UserMessageAction *))},
        };
        // Only an existing connection can be undone; the frame is thrown away after.
        for (const auto &[object, signal] : requests)
            QVERIFY2(!QObject::disconnect(object, signal, nullptr, nullptr), signal);

        // The relay screen opens from its own item and hears no sauna report: the regulator
        // row, which needs the board's product, stays away.
        QObject *relay = sender(QStringLiteral("configureSystemRelayContainer"));
        QVERIFY(QMetaObject::invokeMethod(relay, "relayControlMenuActive", Q_ARG(bool, true)));
        QCOMPARE(screens.manager<view::ConfigureSystemRelayViewManager>().model()->rowCount(), 0);
        QCOMPARE(screens.manager<view::ConfigureSystemRelayViewManager>()
                     .regulatorValueModel()
                     ->rowCount(),
                 3);
        QVERIFY(QMetaObject::invokeMethod(relay, "relayControlMenuActive", Q_ARG(bool, false)));
        QCOMPARE(screens.manager<view::ConfigureSystemRelayViewManager>()
                     .regulatorValueModel()
                     ->rowCount(),
                 0);
    }

    void softwareUpdateSaysItIsNotImplemented()
    {
        QObject *systems = sender(QStringLiteral("configureSystemsSelector"));
        QVERIFY(
            QMetaObject::invokeMethod(systems, "softwareUpdateVisibleChanged", Q_ARG(bool, true)));
        QVERIFY(QMetaObject::invokeMethod(systems, "softwareUpdateSelected"));
        QTRY_VERIFY(m_popup->isVisible());
        QCOMPARE(m_popup->property("popupText").toString(), QStringLiteral("Not implemented"));
        saveScreenshot(QStringLiteral("system_software_update_notice"));
        tapItem(*m_frame, findVisibleItem(m_popup, QStringLiteral("popupCenterButton")), waitMs);
        QTRY_VERIFY(!m_popup->isVisible());
    }

    void factoryResetAsksAndResetsOnlyOnYes()
    {
        control::Settings::setValue(QLatin1String(control::Settings::timeFormatKey), 1);
        control::Settings::setValue(QLatin1String(control::Settings::pcPanelAutoConnectKey), true);
        const QString path = control::Settings::settings()->fileName();
        const auto fileText = [&path] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = fileText();
        QVERIFY(before.contains("time_format"));

        QObject *systems = sender(QStringLiteral("configureSystemsSelector"));
        QVERIFY(QMetaObject::invokeMethod(systems, "factoryResetViewVisibleChanged",
                                          Q_ARG(bool, true)));
        QCOMPARE(m_frame->configureTab.manager<view::ConfigureSystemFactoryResetViewManager>()
                     .model()
                     ->rowCount(),
                 1);

        // "No": nothing changes.
        QVERIFY(QMetaObject::invokeMethod(systems, "factoryResetSelected"));
        QTRY_VERIFY(m_popup->isVisible());
        QCOMPARE(m_popup->property("popupText").toString(),
                 QStringLiteral("Confirm factory reset?"));
        saveScreenshot(QStringLiteral("system_factory_reset_question"));
        tapItem(*m_frame, findVisibleItem(m_popup, QStringLiteral("popupRightButton")), waitMs);
        QTRY_VERIFY(!m_popup->isVisible());
        QCOMPARE(fileText(), before);

        // "Yes": the panel's choices go, the marker comes, the user is told.
        QVERIFY(QMetaObject::invokeMethod(systems, "factoryResetSelected"));
        QTRY_VERIFY(m_popup->isVisible());
        tapItem(*m_frame, findVisibleItem(m_popup, QStringLiteral("popupLeftButton")), waitMs);
        QTRY_VERIFY(m_popup->isVisible() &&
                    m_popup->property("popupText").toString().startsWith("Panel settings reset"));
        saveScreenshot(QStringLiteral("system_factory_reset_done"));
        QSettings file(path, QSettings::IniFormat);
        QVERIFY(!file.contains(QStringLiteral("time_format")));
        QCOMPARE(file.value(QStringLiteral("pc_panel_auto_connect")).toString(),
                 QStringLiteral("true"));
        QCOMPARE(file.value(QStringLiteral("factory_reset_invoked")).toString(),
                 QStringLiteral("true"));
        // The program's end is the manager's own timer; the frame goes before it runs.
    }

private:
    QObject *sender(const QString &objectName)
    {
        QObject *found = m_frame->guiHandler.rootObject()->findChild<QObject *>(objectName);
        if (found == nullptr)
            QTest::qFail(qPrintable(objectName), __FILE__, __LINE__);
        return found;
    }

    QQuickItem *m_popup = nullptr;
};

QTEST_MAIN(TestSystemMaintenanceEndToEnd)
#include "tst_system_maintenance_end_to_end.moc"
