#include "frame_test_support.h"
#include "scene_items.h"

#include "control/temperature_controller.h"
#include "pc_panel/remote_sauna_list.h"
#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/panel_frame.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <memory>

using signalInterface::ConfigureTypes;
using signalInterface::TemperatureTypes;
using tools::BooleanId;
using tools::BooleanRequestId;
using tools::IntegerRequestId;

namespace {

constexpr int waitMs = 10000;
const char saunaName[] = "Garden sauna";
const char saunaPin[] = "1357";
// Connection_types and Enum_value_types wire values.
constexpr int infraredSaunaProduct = 39;
constexpr int timeControlledFacility = 21;
constexpr int humidityPriority = 52;

} // namespace

// The whole panel connected to a simulated infrared sauna on loopback. From the settings tab the
// user opens the System menu's facility type, pause timer, bath type priority, filter and IR
// screens by taps, changes one value on each, and sees the value reported back. Every tap is a
// mouse click on the scene's widget where the item is drawn.
class TestSystemSettingsEndToEnd : public QObject
{
    Q_OBJECT

private:
    QQuickItem *sceneRoot() const { return sceneRootOf(*m_frame); }

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

    // The visible row of the page's program-built list that carries the application id.
    QQuickItem *rowOf(QQuickItem *page, int applId)
    {
        return findVisibleItem(page, [applId](QQuickItem *item) {
            return item->property("applId").isValid() &&
                   item->property("componentType").isValid() &&
                   item->property("applId").toInt() == applId && item->height() > 0;
        });
    }

    void tapRow(QQuickItem *page, int applId)
    {
        waitForPagesAtRest();
        QQuickItem *row = nullptr;
        const bool found = QTest::qWaitFor([&] { return (row = rowOf(page, applId)); }, waitMs);
        QVERIFY2(found, qPrintable(QStringLiteral("row %1 of %2: %3")
                                       .arg(applId)
                                       .arg(page->objectName(),
                                            visibleItemNames(page).join(QLatin1Char(' ')))));
        scrollIntoView(row);
        tap(row);
    }

    // A row below the end of its list is scrolled up into view first, as a user's flick would.
    void scrollIntoView(QQuickItem *row)
    {
        QQuickItem *list = row->parentItem();
        while (list && !list->inherits("QQuickListView"))
            list = list->parentItem();
        QVERIFY(list);
        const QRectF shown = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
        const QRectF place = row->mapRectToScene(QRectF(0, 0, row->width(), row->height()));
        if (shown.contains(place))
            return;
        constexpr int containMode = 4; // ListView.Contain
        QVERIFY(QMetaObject::invokeMethod(list, "positionViewAtIndex",
                                          Q_ARG(int, row->property("index").toInt()),
                                          Q_ARG(int, containMode)));
        waitForPagesAtRest();
        QTRY_VERIFY(shown.contains(row->mapRectToScene(QRectF(0, 0, row->width(), row->height()))));
    }

    // Opens the System menu's page of the id from the list of settings areas.
    QQuickItem *openSystemPage(int id, const QString &pageName)
    {
        tap(QStringLiteral("settingsArea_system"));
        QQuickItem *menu = waitForItem(QStringLiteral("systemMenuPage"));
        if (!menu)
            return nullptr;
        tapRow(menu, id);
        if (QTest::currentTestFailed())
            return nullptr;
        waitForPagesAtRest();
        return waitForItem(pageName);
    }

    // The check mark shown on the row of the id.
    bool rowShowsChecked(QQuickItem *page, int applId)
    {
        QQuickItem *row = rowOf(page, applId);
        return row && row->property("checked").toBool();
    }

    QQuickItem *toggleOf(QQuickItem *page, int applId)
    {
        QQuickItem *row = rowOf(page, applId);
        return row ? findVisibleItem(row, QStringLiteral("rowToggle")) : nullptr;
    }

    // Answers every message the popup shows; returns their texts.
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
        }
        return texts;
    }

    void saveScreenshot(const QString &name)
    {
        waitForPagesAtRest();
        QSignalSpy rendered(m_frame->guiHandler.view()->quickWindow(), &QQuickWindow::frameSwapped);
        m_frame->guiHandler.view()->update();
        rendered.wait(2000);
        const QString directory = QDir::current().absoluteFilePath(QStringLiteral("artifacts"));
        QVERIFY(QDir().mkpath(directory));
        const QString path = directory + QLatin1Char('/') + name + QStringLiteral(".png");
        QVERIFY(m_frame->mainWindow.grab().save(path));
        qInfo("screenshot: %s", qPrintable(path));
    }

    QQuickItem *tabButton(const QString &text)
    {
        return findVisibleItem(sceneRoot(), [&text](QQuickItem *item) {
            return item->property("glyph").isValid() && item->property("text").toString() == text;
        });
    }

    void backToSettingsAreas()
    {
        for (int pages = 0; pages < 6 && !findVisibleItem(sceneRoot(), "settingsAreaList"); ++pages)
            STEP(tap(QStringLiteral("pageBackButton")));
        QVERIFY(waitForItem(QStringLiteral("settingsAreaList")));
    }

    void connectToTheSauna()
    {
        pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
        signalInterface::RemoteSaunaTypes::RemoteSauna sauna;
        sauna.address = QHostAddress(QHostAddress::LocalHost);
        sauna.port = m_sauna->announcePort();
        QSignalSpy detected(&link, &pcPanel::SaunaCommunication::ipDetectDone);
        link.onIpDetectRequest(sauna);
        QVERIFY(detected.wait(waitMs));
        QTRY_COMPARE(link.remoteSaunas().size(), 1);
        sauna = link.remoteSaunas().value(0);
        sauna.pin = signalInterface::PinTypes::Pin{QString::fromLatin1(saunaPin)};
        link.onRemoteSaunaChangeRequest(sauna, true);
        link.onConnectRequest(sauna.identity);
        QTRY_VERIFY_WITH_TIMEOUT(link.isConnected(), waitMs);
        // The infrared product and the function flags have arrived: the System menu offers IR
        // and bath type priority.
        const view::ListModel &menu = *m_frame->configureTab.systemViewManager.model();
        QTRY_VERIFY_WITH_TIMEOUT(menu.getApplId(menu.rowCount() - 1) ==
                                         ConfigureTypes::E_facilityType &&
                                     idsOf(menu).contains(ConfigureTypes::E_irEnable) &&
                                     idsOf(menu).contains(ConfigureTypes::E_bathTypePriority),
                                 waitMs);
        dismissPopups();
    }

    static QList<int> idsOf(const view::ListModel &model)
    {
        QList<int> ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids << model.getApplId(row);
        return ids;
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
        options.pin = QString::fromLatin1(saunaPin);
        options.name = QString::fromLatin1(saunaName);
        options.heatIntervalMs = 3600000; // no heating steps
        options.rcbProduct = infraredSaunaProduct;
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
        STEP(connectToTheSauna());
        STEP(tap(tabButton(QStringLiteral("Settings"))));
    }

    void cleanupTestCase()
    {
        m_frame.reset();
        m_variant.reset();
        m_sauna.reset();
    }

    // A tap marks the type on the page only; Save sends it, and the mark follows the report.
    void facilityType()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(model.enums().facilityType != timeControlledFacility);
        QQuickItem *page =
            openSystemPage(ConfigureTypes::E_facilityType, QStringLiteral("facilityTypePage"));
        QVERIFY(page);
        QTRY_VERIFY(rowShowsChecked(page, signalInterface::SaunaStateTypes::E_private_controlled));
        STEP(tapRow(page, signalInterface::SaunaStateTypes::E_time_controlled));
        QTRY_VERIFY(rowShowsChecked(page, signalInterface::SaunaStateTypes::E_time_controlled));
        QVERIFY(!rowShowsChecked(page, signalInterface::SaunaStateTypes::E_private_controlled));
        QVERIFY(model.enums().facilityType != timeControlledFacility);

        STEP(tap(QStringLiteral("facilityTypeSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(model.enums().facilityType,
                                  std::optional<int>(timeControlledFacility), waitMs);
        QTRY_COMPARE(m_frame->configureTab.systemFacilityTypeViewManager.facilityType(),
                     signalInterface::SaunaStateTypes::E_time_controlled);
        QVERIFY(rowShowsChecked(page, signalInterface::SaunaStateTypes::E_time_controlled));
        STEP(saveScreenshot(QStringLiteral("system_facility_type")));
        STEP(backToSettingsAreas());
    }

    // Offered once the facility is time controlled; the sauna's answer is told on the page.
    void pauseTimer()
    {
        QSignalSpy integers(m_sauna.get(), &tools::SimulatedSauna::integerRequested);
        QQuickItem *page =
            openSystemPage(ConfigureTypes::E_resetPauseTimer, QStringLiteral("pauseTimerPage"));
        QVERIFY(page);
        STEP(tap(QStringLiteral("resetPauseTimerButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!integers.isEmpty(), waitMs);
        QCOMPARE(integers.constFirst().at(0).toInt(), int(IntegerRequestId::ResetBathTimeTimer));
        QCOMPARE(integers.constFirst().at(1).toUInt(), 0u);
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), waitMs);
        STEP(saveScreenshot(QStringLiteral("system_pause_timer")));
        QCOMPARE(dismissPopups(), QStringList{QStringLiteral("Sauna pause timer has been reset")});
        STEP(backToSettingsAreas());
    }

    // A tap asks the sauna; the mark moves when the sauna reports the new priority.
    void bathTypePriority()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(model.enums().bathPriority != humidityPriority);
        QQuickItem *page =
            openSystemPage(ConfigureTypes::E_bathTypePriority, QStringLiteral("bathPriorityPage"));
        QVERIFY(page);
        QTRY_VERIFY(rowShowsChecked(page, signalInterface::SaunaStateTypes::E_prio_automatic));
        STEP(tapRow(page, signalInterface::SaunaStateTypes::E_prio_humidity));
        QTRY_COMPARE_WITH_TIMEOUT(model.enums().bathPriority, std::optional<int>(humidityPriority),
                                  waitMs);
        QTRY_VERIFY(rowShowsChecked(page, signalInterface::SaunaStateTypes::E_prio_humidity));
        QVERIFY(!rowShowsChecked(page, signalInterface::SaunaStateTypes::E_prio_automatic));
        STEP(saveScreenshot(QStringLiteral("system_bath_type_priority")));
        STEP(backToSettingsAreas());
    }

    // The panel's own setting: the temperature controller takes it and the switch follows. An
    // infrared cabin gets no humidity switch.
    void filter()
    {
        control::TemperatureController &temperature = m_frame->controllerTab.temperatureController;
        const bool smoothBefore =
            temperature.temperaturePresentation() == TemperatureTypes::E_smooth;
        QQuickItem *page = openSystemPage(ConfigureTypes::E_filter, QStringLiteral("filterPage"));
        QVERIFY(page);
        QQuickItem *toggle = nullptr;
        QTRY_VERIFY((toggle = toggleOf(page, 100)));
        QCOMPARE(toggle->property("checked").toBool(), smoothBefore);
        QVERIFY(!rowOf(page, 101));
        STEP(tap(toggle));
        QTRY_COMPARE(temperature.temperaturePresentation() == TemperatureTypes::E_smooth,
                     !smoothBefore);
        QTRY_COMPARE(toggle->property("checked").toBool(), !smoothBefore);
        STEP(saveScreenshot(QStringLiteral("system_filter")));
        // Back as it was, the other way round.
        STEP(tap(toggle));
        QTRY_COMPARE(temperature.temperaturePresentation() == TemperatureTypes::E_smooth,
                     smoothBefore);
        QTRY_COMPARE(toggle->property("checked").toBool(), smoothBefore);
        STEP(backToSettingsAreas());
    }

    // The sauna's infrared heaters: the switch follows the sauna's report.
    void infrared()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(!model.boolean(BooleanId::IrEnable));
        QSignalSpy booleans(m_sauna.get(), &tools::SimulatedSauna::booleanRequested);
        QQuickItem *page = openSystemPage(ConfigureTypes::E_irEnable, QStringLiteral("irPage"));
        QVERIFY(page);
        QQuickItem *toggle = nullptr;
        QTRY_VERIFY((toggle = toggleOf(page, ConfigureTypes::E_irEnable)));
        QVERIFY(!toggle->property("checked").toBool());
        STEP(tap(toggle));
        QTRY_VERIFY_WITH_TIMEOUT(!booleans.isEmpty(), waitMs);
        QCOMPARE(booleans.constFirst().at(0).toInt(), int(BooleanRequestId::IrEnable));
        QCOMPARE(booleans.constFirst().at(1).toBool(), true);
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(BooleanId::IrEnable), waitMs);
        QTRY_VERIFY(toggle->property("checked").toBool());
        STEP(saveScreenshot(QStringLiteral("system_ir")));

        STEP(tap(toggle));
        QTRY_VERIFY_WITH_TIMEOUT(!model.boolean(BooleanId::IrEnable), waitMs);
        QTRY_VERIFY(!toggle->property("checked").toBool());
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestSystemSettingsEndToEnd)
#include "tst_system_settings_end_to_end.moc"
