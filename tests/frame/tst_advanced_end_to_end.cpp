#include "panel_under_test.h"

#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"

#include <QQuickItem>
#include <QTest>

using signalInterface::ConfigureTypes;
using tools::BooleanId;
using tools::IntegerId;

// The whole panel connected to the simulated sauna on loopback. From the settings tab the user
// opens Advanced settings (standby, external switch, fan) and the System menu's tank auto-emptying
// and cleanup note screens by taps, changes one value on each and sees the value the sauna
// reports back. Every tap is a mouse click on the scene's widget where the item is drawn.
class TestAdvancedEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        STEP(startConnected(saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"))));
        // The function flags have arrived: the Advanced settings menu has its rows.
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureAdvancedSettingsViewManager>()
                .model()
                ->rowCount(),
            3, waitMs);
        STEP(dismissPopups());
        STEP(tapTab(QStringLiteral("Settings")));
    }

    void cleanupTestCase() { shutDown(); }

    void fanRunningTime()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        const int before = int(model.integer(IntegerId::FanRuntime));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_fan));
        QVERIFY(waitForItem(QStringLiteral("fanPage")));
        QTRY_COMPARE(m_frame->configureTab.manager<view::ConfigureAdvancedSettingsFanViewManager>()
                         .model()
                         ->rowCount(),
                     1);
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_fanRuntime));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::FanRuntime)), before + 60, waitMs);
        const view::ListModel &rows =
            *m_frame->configureTab.manager<view::ConfigureAdvancedSettingsFanViewManager>().model();
        QTRY_COMPARE(rows.data(rows.index(0), 35).toString(),
                     QStringLiteral("1h %1min").arg(before));
        QTRY_VERIFY(showsText(QStringLiteral("1h %1min").arg(before)));
        STEP(saveScreenshot(QStringLiteral("advanced_fan")));
        STEP(backToSettingsAreas());
    }

    void externalSwitchBathTimeAndFunction()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        view::ConfigureAdvancedSettingsExtSwitchViewManager &manager =
            m_frame->configureTab.manager<view::ConfigureAdvancedSettingsExtSwitchViewManager>();
        const int before = int(model.integer(IntegerId::ExtSwitchBathTime));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_externalSwitch));
        QVERIFY(waitForItem(QStringLiteral("externalSwitchPage")));

        // The function not checked now.
        const view::ListModel &functions = *manager.functionModel();
        QTRY_COMPARE(functions.rowCount(), 2);
        const int checkmarkRole = functions.roleNames().key("checkmarkChecked");
        const int unchecked = functions.data(functions.index(0), checkmarkRole).toBool() ? 1 : 0;
        const auto functionBefore = model.enums().externalSwitchFunction;
        STEP(tapRow(QStringLiteral("externalSwitchFunctionList"), functions.getApplId(unchecked)));
        QTRY_VERIFY_WITH_TIMEOUT(model.enums().externalSwitchFunction != functionBefore, waitMs);
        QTRY_VERIFY(functions.data(functions.index(unchecked), checkmarkRole).toBool());
        QVERIFY(!functions.data(functions.index(1 - unchecked), checkmarkRole).toBool());

        // The bath time, one hour longer.
        STEP(tapRow(QStringLiteral("externalSwitchBathTimeList"), 1));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::ExtSwitchBathTime)), before + 60,
                                  waitMs);
        const QString shown = QStringLiteral("%1h %2m").arg((before + 60) / 60).arg(before % 60);
        QTRY_VERIFY(showsText(shown));
        STEP(saveScreenshot(QStringLiteral("advanced_external_switch")));
        STEP(backToSettingsAreas());
    }

    void standbySwitchedOn()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(!model.boolean(BooleanId::EnableStandby));
        STEP(tap(QStringLiteral("settingsArea_advanced")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_standby));
        QQuickItem *row = waitForItem(QStringLiteral("standbyToggle"));
        QVERIFY(row);
        QTRY_VERIFY(!row->property("checked").toBool());
        QVERIFY(!findVisibleItem(sceneRoot(), QStringLiteral("standbyReductionStepper")));
        STEP(tap(visibleOfClass(row, "ToggleSwitch", false)));
        // The page's copy is on at once; its editors appear; nothing is sent yet.
        QTRY_VERIFY(row->property("checked").toBool());
        QVERIFY(waitForItem(QStringLiteral("standbyReductionStepper")));
        QVERIFY(!model.boolean(BooleanId::EnableStandby));
        STEP(saveScreenshot(QStringLiteral("advanced_standby_edit")));
        STEP(tap(QStringLiteral("standbySaveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(BooleanId::EnableStandby), waitMs);

        // Opened again, the page shows what the sauna reported.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_standby));
        row = waitForItem(QStringLiteral("standbyToggle"));
        QVERIFY(row);
        QTRY_VERIFY(row->property("checked").toBool());
        QQuickItem *reduction = waitForItem(QStringLiteral("standbyReductionStepper"));
        QVERIFY(reduction);
        const int offset = int(model.integer(IntegerId::StandbyOffsetTemperature));
        QTRY_COMPARE(reduction->property("valueText").toString(), QString::number(offset / 9));
        STEP(saveScreenshot(QStringLiteral("advanced_standby")));
        STEP(backToSettingsAreas());
    }

    void tankAutoEmptying()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        QVERIFY(!model.boolean(BooleanId::TankAutoEmptyingEnable));
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptying));
        QQuickItem *page = waitForItem(QStringLiteral("tankAutoEmptyingPage"));
        QVERIFY(page);
        QQuickItem *toggle = nullptr;
        QTRY_VERIFY((toggle = visibleOfClass(page, "ToggleSwitch", false)));
        QVERIFY(!toggle->property("checked").toBool());
        STEP(tap(toggle));
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(BooleanId::TankAutoEmptyingEnable), waitMs);
        QTRY_VERIFY(toggle->property("checked").toBool());

        // The row shows the reported interval, and its editor starts there: an hour more is
        // saved.
        const int interval = int(model.integer(IntegerId::TankAutoEmptyingDuration));
        QCOMPARE(interval % 60, 0);
        const QString shown = QStringLiteral("%1h 0min").arg(interval / 60);
        QTRY_VERIFY(showsText(shown));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptyingInterval));
        QQuickItem *editor = waitForItem(QStringLiteral("durationEditor"));
        QVERIFY(editor);
        QTRY_COMPARE(editor->property("hoursText").toString().toInt(), interval / 60);
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::TankAutoEmptyingDuration)),
                                  interval + 60, waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("%1h 0min").arg(interval / 60 + 1)));
        STEP(saveScreenshot(QStringLiteral("system_tank_auto_emptying")));
        STEP(backToSettingsAreas());
    }

    void cleanupNote()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        const int hours = int(model.integer(IntegerId::CleanupBetweenTime));
        const bool enabled = model.boolean(BooleanId::CleanupEnable);
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        QQuickItem *page = waitForItem(QStringLiteral("cleanupPage"));
        QVERIFY(page);
        // The rows a product report built while the page was hidden are built anew when it is
        // shown.
        waitForPagesAtRest();
        QTRY_VERIFY(showsText(QStringLiteral("%1h").arg(hours)));
        QQuickItem *toggle = visibleOfClass(page, "ToggleSwitch", false);
        QVERIFY(toggle);
        QTRY_COMPARE(toggle->property("checked").toBool(), enabled);
        STEP(tap(toggle));
        QTRY_COMPARE_WITH_TIMEOUT(model.boolean(BooleanId::CleanupEnable), !enabled, waitMs);
        QTRY_COMPARE(toggle->property("checked").toBool(), !enabled);

        // Ten hours a step.
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        STEP(stepHoursUpAndSave());
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::CleanupBetweenTime)), hours + 10,
                                  waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("%1h").arg(hours + 10)));
        STEP(saveScreenshot(QStringLiteral("system_cleanup_note")));
        STEP(backToSettingsAreas());
    }

    // The sauna reports intervals below what the editors allow: each row shows the report as it
    // is, its editor opens at its lower limit, and saving sends that limit.
    void intervalsBelowTheEditorsLimits()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        m_sauna->setReading(IntegerId::CleanupBetweenTime, 5);
        m_sauna->setReading(IntegerId::TankAutoEmptyingDuration, 45);
        STEP(tap(QStringLiteral("settingsArea_system")));

        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        QVERIFY(waitForItem(QStringLiteral("cleanupPage")));
        waitForPagesAtRest();
        QTRY_VERIFY(showsText(QStringLiteral("5h")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_cleanup));
        QQuickItem *editor = waitForItem(QStringLiteral("durationEditor"));
        QVERIFY(editor);
        QTRY_COMPARE(editor->property("hoursText").toString(), QStringLiteral("10"));
        STEP(tap(QStringLiteral("durationSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::CleanupBetweenTime)), 10, waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("10h")));
        STEP(backToSettingsAreas());

        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptying));
        QVERIFY(waitForItem(QStringLiteral("tankAutoEmptyingPage")));
        QTRY_VERIFY(showsText(QStringLiteral("45min")));
        STEP(tapRow(QStringLiteral("settingsList"), ConfigureTypes::E_tankAutoEmptyingInterval));
        editor = waitForItem(QStringLiteral("durationEditor"));
        QVERIFY(editor);
        QTRY_COMPARE(editor->property("hoursText").toString(), QStringLiteral("1"));
        STEP(tap(QStringLiteral("durationSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(int(model.integer(IntegerId::TankAutoEmptyingDuration)), 60,
                                  waitMs);
        QTRY_VERIFY(showsText(QStringLiteral("1h 0min")));
        STEP(backToSettingsAreas());
    }
};

QTEST_MAIN(TestAdvancedEndToEnd)
#include "tst_advanced_end_to_end.moc"
