#include "panel_under_test.h"

#include "control/temperature_controller.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/configure/configure_system_facility_type_view_manager.h"
#include "view_cpp/configure/configure_system_view_manager.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

using signalInterface::ConfigureTypes;
using signalInterface::TemperatureTypes;
using tools::BooleanId;
using tools::BooleanRequestId;
using tools::IntegerRequestId;

namespace {

// Connection_types and Enum_value_types wire values.
constexpr int infraredSaunaProduct = 39;
constexpr int timeControlledFacility = 21;
constexpr int humidityPriority = 52;

} // namespace

// The whole panel connected to a simulated infrared sauna on loopback, and for the bath type
// priority to a combi. From the settings tab the user opens the System menu's facility type, pause
// timer, filter, IR and bath type priority screens by taps, changes one value on each, and sees
// the value reported back. Every tap is a
// mouse click on the scene's widget where the item is drawn.
class TestSystemSettingsEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // The visible row of the page's program-built list that carries the application id.
    QQuickItem *rowOf(QQuickItem *page, int applId)
    {
        return findVisibleItem(page, [applId](QQuickItem *item) {
            return item->property("applId").isValid() &&
                   item->property("componentType").isValid() &&
                   item->property("applId").toInt() == applId && item->height() > 0;
        });
    }

    // The row, dragged into its list's view first as a finger does, then tapped.
    void tapRow(QQuickItem *page, int applId)
    {
        dragIntoViewAndTap([this, page, applId] { return rowOf(page, applId); },
                           QStringLiteral("row %1 of %2").arg(applId).arg(page->objectName()));
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

private slots:
    void initTestCase()
    {
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Garden sauna"), QStringLiteral("1357"));
        options.rcbProduct = infraredSaunaProduct;
        STEP(startConnected(options));
        // The infrared product and the function flags have arrived: the System menu offers IR,
        // and nothing of a steam generator.
        const view::ListModel &menu =
            *m_frame->configureTab.manager<view::ConfigureSystemViewManager>().model();
        QTRY_VERIFY_WITH_TIMEOUT(menu.getApplId(menu.rowCount() - 1) ==
                                         ConfigureTypes::E_facilityType &&
                                     applIdsOf(menu).contains(ConfigureTypes::E_irEnable),
                                 waitMs);
        QVERIFY(!applIdsOf(menu).contains(ConfigureTypes::E_bathTypePriority));
        QVERIFY(!applIdsOf(menu).contains(ConfigureTypes::E_tankAutoEmptying));
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
    }

    void cleanupTestCase() { shutDown(); }

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
        // An offered type is marked, so Save can be used.
        QVERIFY(
            findVisibleItem(sceneRoot(), QStringLiteral("facilityTypeSaveButton"))->isEnabled());

        STEP(tap(QStringLiteral("facilityTypeSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(model.enums().facilityType,
                                  std::optional<int>(timeControlledFacility), waitMs);
        QTRY_COMPARE(m_frame->configureTab.manager<view::ConfigureSystemFacilityTypeViewManager>()
                         .facilityType(),
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

    // A tap asks the sauna; the mark moves when the sauna reports the new priority.
    // Only a sauna with a steam generator has the choice: a combi, which the panel is connected
    // to now, in place of the infrared cabin.
    void bathTypePriority()
    {
        shutDown();
        STEP(startConnected(saunaOptions(QStringLiteral("Garden combi"), QStringLiteral("1357"))));
        const view::ListModel &menu =
            *m_frame->configureTab.manager<view::ConfigureSystemViewManager>().model();
        QTRY_VERIFY_WITH_TIMEOUT(applIdsOf(menu).contains(ConfigureTypes::E_bathTypePriority),
                                 waitMs);
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
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
};

QTEST_MAIN(TestSystemSettingsEndToEnd)
#include "tst_system_settings_end_to_end.moc"
