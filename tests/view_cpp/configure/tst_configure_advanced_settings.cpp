#include "model_reader.h"

#include "control/variant_controller_pc_panel.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/data_provider_types.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_system_cleanup_view_manager.h"
#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <limits>
#include <memory>

using signalInterface::ConfigureTypes;
using signalInterface::ExternalSwitchTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TimeEditTypes;
using signalInterface::VariantTypes;
using Post = MasterFuncDescTypes::MasterFuncDescPost;

Q_DECLARE_METATYPE(MasterFuncDescTypes::RcbProduct)

namespace {

Post menuFlags(bool standby, bool extSwFunction, bool extSwBathtime, bool fan)
{
    Post post;
    post.standby = standby;
    post.extSwFunction = extSwFunction;
    post.extSwBathtime = extSwBathtime;
    post.fan = fan;
    return post;
}

QStringList menuTexts(view::ListModel &model)
{
    return modelReader::texts(model, "textOnSubMenu");
}

// The value of the role of a row of a stepper-role list ("value", "value2", ...).
QVariant role(const view::ListModel &model, int row, const char *name)
{
    return modelReader::value(model, row, name);
}

// One duration editor of these screens, opened and reported to as QML and the sauna would.
struct DurationScreen
{
    std::shared_ptr<QObject> owner;
    value::DurationManager *editor = nullptr;
    std::function<void()> open;
    std::function<void(int)> report;
    // The text of the shown row that tells the duration.
    std::function<QString()> row;
};

DurationScreen durationScreen(const QString &name)
{
    if (name == QLatin1String("fan")) {
        auto fan = std::make_shared<view::ConfigureAdvancedSettingsFanViewManager>(nullptr);
        auto *raw = fan.get();
        raw->onFanViewVisibleChanged(true);
        return {fan, fan->runtimeManager(),
                [raw] { raw->onRowItemSelected(ConfigureTypes::E_fanRuntime); },
                [raw](int minutes) { raw->onSaunaFanRuntimeChanged(minutes); },
                [raw] {
                    return role(*raw->model(), 0, "value2").toString();
                }};
    }
    if (name == QLatin1String("cleanup")) {
        auto cleanup = std::make_shared<view::ConfigureSystemCleanupViewManager>(nullptr);
        auto *raw = cleanup.get();
        raw->onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
        raw->onCleanUpViewVisibleChanged(true);
        return {cleanup, cleanup->timeManager(),
                [raw] { raw->onCleanupTimeSelected(ConfigureTypes::E_cleanup); },
                [raw](int hours) { raw->onSaunaCleanupBetweenTimeChanged(hours); },
                [raw] {
                    return role(*raw->model(), 1, "value2").toString();
                }};
    }
    // The sauna told a day as its bath-time limit; "..., then limit N": and N after it; "..., then
    // another sauna": and then another sauna took the connection.
    if (name.startsWith(QLatin1String("external switch"))) {
        auto extSwitch =
            std::make_shared<view::ConfigureAdvancedSettingsExtSwitchViewManager>(nullptr);
        auto *raw = extSwitch.get();
        raw->onSaunaBathTimeLimitChanged(1440);
        const QString laterLimit = QStringLiteral(", then limit ");
        if (const qsizetype at = name.indexOf(laterLimit); at >= 0)
            raw->onSaunaBathTimeLimitChanged(
                name.sliced(at + laterLimit.size()).section(QLatin1Char(','), 0, 0).toInt());
        if (name.endsWith(QLatin1String(", then another sauna")))
            raw->onSaunaReplaced();
        raw->onExternalSwitchVisibleChanged(true);
        return {extSwitch, extSwitch->bathTimeManager(), [raw] { raw->onExtSwBathTimeSelected(); },
                [raw](int minutes) { raw->onSaunaExtSwBathtimeChanged(minutes); },
                [raw] {
                    return role(*raw->bathTimeModel(), 0, "value3").toString();
                }};
    }
    auto tank = std::make_shared<view::ConfigureSystemTankAutoEmptyingViewManager>(nullptr);
    auto *raw = tank.get();
    raw->onTankAutoEmptyingVisibleChanged(true);
    return {tank, tank->timeManager(), [raw] { raw->onTankAutoEmptyingIntervalEdit(); },
            [raw](int minutes) { raw->onSaunaTankAutoEmptyingDurationChanged(minutes); },
            [raw] {
                return role(*raw->model(), 1, "value2").toString();
            }};
}

} // namespace

// The Advanced settings screens (menu, standby, fan, external switch) and the System menu's tank
// auto-emptying and cleanup note screens, each manager on its own.
class TestConfigureAdvancedSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    // Advanced settings menu.
    void menuRowsFollowTheFunctionFlags_data();
    void menuRowsFollowTheFunctionFlags();
    void menuIgnoresFlagsItDoesNotRead();
    void menuTellsStandbyByBrand();
    void menuSelectionsEmitTheirIds();

    // Standby.
    void standbyApplicabilityByProduct_data();
    void standbyApplicabilityByProduct();
    void standbyToggleEditsTheLocalCopyBothWays();
    void standbyCommitSendsEnableReductionAndTank();
    void standbyCommitWithoutItsRowSendsNothing();
    void standbyCommitSendsEveryEditorWithAValue_data();
    void standbyCommitSendsEveryEditorWithAValue();
    void standbyStepsOutliveALanguageChange();
    void standbyEditorsKeepTheirLimits();
    void standbyPageHearsItsEditorsWhenShown();

    // Fan.
    void fanRowShowsTheRuntime();
    void fanEditorLimitsAndCommit();
    void fanForgetsAReplacedSauna();
    void standbyForgetsAReplacedSauna();

    // External switch.
    void externalSwitchEditorHoldsOneMinuteBeforeTheLimit();
    void externalSwitchRowsAndFunction();
    void externalSwitchBathTimeRowOpensBeforeTheLimit_data();
    void externalSwitchBathTimeRowOpensBeforeTheLimit();
    void externalSwitchForgetsAReplacedSauna();
    void externalSwitchEditorLeftOpenTakesTheNewSaunasBathTime();

    // Tank auto-emptying.
    void tankToggleRequestsTheOppositeBothWays();
    void tankRowsAndInterval();

    // Cleanup note.
    void cleanupRowsByProduct_data();
    void cleanupRowsByProduct();
    void cleanupTogglesRequestTheOppositeBothWays();
    void cleanupIntervalEditor();
    void cleanupSwitchIsOnBeforeAnyReport();

    // Fan, cleanup and tank auto-emptying duration editors.
    void openDurationEditorTakesTheFirstReport_data();
    void openDurationEditorTakesTheFirstReport();
    void reportedDurationsShowAsReportedAndOpenWithinTheLimits_data();
    void reportedDurationsShowAsReportedAndOpenWithinTheLimits();
};

void TestConfigureAdvancedSettings::menuRowsFollowTheFunctionFlags_data()
{
    QTest::addColumn<Post>("post");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("layout");
    QTest::newRow("only the bath-time switch")
        << menuFlags(false, false, true, false) << QStringList{"External switch"}
        << QStringList{"single"};
    QTest::newRow("only the switch function")
        << menuFlags(false, true, false, false) << QStringList{"External switch"}
        << QStringList{"single"};
    QTest::newRow("standby and fan")
        << menuFlags(true, false, false, true) << QStringList{"Standby", "Fan"}
        << QStringList{"top", "bottom"};
    QTest::newRow("all") << menuFlags(true, true, true, true)
                         << QStringList{"Standby", "External switch", "Fan"}
                         << QStringList{"top", "centre", "bottom"};
}

void TestConfigureAdvancedSettings::menuRowsFollowTheFunctionFlags()
{
    QFETCH(Post, post);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, layout);
    view::ConfigureAdvancedSettingsViewManager menu(nullptr);
    QSignalSpy applicable(
        &menu, &view::ConfigureAdvancedSettingsViewManager::advancedSettingsApplicableChanged);
    QCOMPARE(menu.model()->rowCount(), 0);
    menu.emitApplicableChanged();
    QVERIFY(!applicable.isEmpty());
    QCOMPARE(applicable.takeFirst().at(0).toBool(), false);

    menu.onSaunaMasterFuncDescChanged(post);
    QCOMPARE(menuTexts(*menu.model()), texts);
    QCOMPARE(modelReader::texts(*menu.model(), "layoutOrder"), layout);
    QCOMPARE(applicable.size(), 1);
    QCOMPARE(applicable.takeFirst().at(0).toBool(), true);

    // Clearing all four empties the menu.
    menu.onSaunaMasterFuncDescChanged(Post());
    QCOMPARE(menu.model()->rowCount(), 0);
    QCOMPARE(applicable.size(), 1);
    QCOMPARE(applicable.takeFirst().at(0).toBool(), false);
}

void TestConfigureAdvancedSettings::menuIgnoresFlagsItDoesNotRead()
{
    view::ConfigureAdvancedSettingsViewManager menu(nullptr);
    menu.onSaunaMasterFuncDescChanged(menuFlags(true, false, false, true));
    QSignalSpy applicable(
        &menu, &view::ConfigureAdvancedSettingsViewManager::advancedSettingsApplicableChanged);
    QSignalSpy reset(menu.model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(menu.model(), &QAbstractItemModel::rowsInserted);
    Post other = menuFlags(true, false, false, true);
    other.cleanup = true;
    other.waterTemperature = true;
    menu.onSaunaMasterFuncDescChanged(other);
    QCOMPARE(reset.size(), 0);
    QCOMPARE(inserted.size(), 0);
    QCOMPARE(applicable.size(), 0);
    QCOMPARE(menuTexts(*menu.model()), (QStringList{"Standby", "Fan"}));
}

void TestConfigureAdvancedSettings::menuTellsStandbyByBrand()
{
    {
        control::VariantControllerPcPanel variant(VariantTypes::E_orvela, nullptr);
        QCOMPARE(control::VariantControllerBase::instance(), &variant);
        view::ConfigureAdvancedSettingsViewManager menu(nullptr);
        menu.onSaunaMasterFuncDescChanged(menuFlags(true, false, false, false));
        QCOMPARE(menuTexts(*menu.model()), QStringList{"Warm Start"});
        view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
        QCOMPARE(standby.title(), QStringLiteral("Warm Start"));
        QCOMPARE(standby.toggleText(), QStringLiteral("Enable"));
    }
    view::ConfigureAdvancedSettingsViewManager menu(nullptr);
    menu.onSaunaMasterFuncDescChanged(menuFlags(true, false, false, false));
    QCOMPARE(menuTexts(*menu.model()), QStringList{"Standby"});
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    QCOMPARE(standby.toggleText(), QStringLiteral("Enable standby"));
}

void TestConfigureAdvancedSettings::menuSelectionsEmitTheirIds()
{
    view::ConfigureAdvancedSettingsViewManager menu(nullptr);
    QSignalSpy edits(&menu, &view::ConfigureAdvancedSettingsViewManager::editSelected);
    QSignalSpy enums(&menu, &view::ConfigureAdvancedSettingsViewManager::editSelectedEnum);
    menu.onItemSelected(ConfigureTypes::E_fan); // not in the menu yet
    QCOMPARE(edits.size(), 0);

    menu.onSaunaMasterFuncDescChanged(menuFlags(true, true, false, true));
    menu.onItemSelected(ConfigureTypes::E_standby);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_standby));
    QCOMPARE(enums.size(), 1);
    menu.onItemSelected(ConfigureTypes::E_externalSwitch);
    menu.onItemSelected(ConfigureTypes::E_fan);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_externalSwitch));
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_fan));
    QCOMPARE(enums.size(), 1);
    // The fan's own editor id and an unknown id are no menu rows.
    menu.onItemSelected(ConfigureTypes::E_fanRuntime);
    menu.onItemSelected(77);
    QCOMPARE(edits.size(), 0);
}

void TestConfigureAdvancedSettings::standbyApplicabilityByProduct_data()
{
    QTest::addColumn<MasterFuncDescTypes::RcbProduct>("product");
    QTest::addColumn<bool>("waterFlag");
    QTest::addColumn<bool>("reduction");
    QTest::newRow("sauna") << MasterFuncDescTypes::E_sauna << false << true;
    QTest::newRow("combi with water temperature")
        << MasterFuncDescTypes::E_combi_auto << true << true;
    QTest::newRow("steam with water temperature")
        << MasterFuncDescTypes::E_steam_public << true << false;
    QTest::newRow("steam without water temperature")
        << MasterFuncDescTypes::E_steam_private << false << false;
}

void TestConfigureAdvancedSettings::standbyApplicabilityByProduct()
{
    QFETCH(MasterFuncDescTypes::RcbProduct, product);
    QFETCH(bool, waterFlag);
    QFETCH(bool, reduction);
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    QSignalSpy reductionApplicable(
        &standby,
        &view::ConfigureAdvancedSettingsStandbyViewManager::standbyTemperatureApplicableChanged);
    QSignalSpy waterApplicable(&standby, &view::ConfigureAdvancedSettingsStandbyViewManager::
                                             standbyWaterTemperatureApplicableChanged);
    standby.onSaunaMasterProductChanged(product);
    Post post;
    post.waterTemperature = waterFlag;
    standby.onSaunaMasterFuncDescChanged(post);
    // Standby off: neither applies.
    QVERIFY(!reductionApplicable.isEmpty());
    QCOMPARE(reductionApplicable.takeLast().at(0).toBool(), false);
    QVERIFY(!waterApplicable.isEmpty());
    QCOMPARE(waterApplicable.takeLast().at(0).toBool(), false);

    standby.onSaunaEnableStandbyChanged(true);
    QVERIFY(!reductionApplicable.isEmpty());
    QCOMPARE(reductionApplicable.takeLast().at(0).toBool(), reduction);
    QVERIFY(!waterApplicable.isEmpty());
    QCOMPARE(waterApplicable.takeLast().at(0).toBool(), waterFlag);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    QVERIFY(!reductionApplicable.isEmpty());
    QCOMPARE(reductionApplicable.takeLast().at(0).toBool(), reduction);
    QVERIFY(!waterApplicable.isEmpty());
    QCOMPARE(waterApplicable.takeLast().at(0).toBool(), waterFlag);
}

void TestConfigureAdvancedSettings::standbyToggleEditsTheLocalCopyBothWays()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    Post post;
    post.waterTemperature = true;
    standby.onSaunaMasterFuncDescChanged(post);
    standby.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna);
    standby.onSaunaEnableStandbyChanged(true);
    standby.onStandbyViewVisibleChanged(true);
    view::ListModel &model = *standby.model();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(role(model, 0, "value").toString(), QStringLiteral("Enable standby"));
    QCOMPARE(role(model, 0, "value2").toBool(), true);

    QSignalSpy enable(
        &standby, &view::ConfigureAdvancedSettingsStandbyViewManager::enableStandbyChangeRequest);
    QSignalSpy reductionApplicable(
        &standby,
        &view::ConfigureAdvancedSettingsStandbyViewManager::standbyTemperatureApplicableChanged);
    QSignalSpy waterApplicable(&standby, &view::ConfigureAdvancedSettingsStandbyViewManager::
                                             standbyWaterTemperatureApplicableChanged);
    // The switch showed on: it turns off at once, both editors go, nothing is sent.
    standby.onToggleChanged(0, true);
    QCOMPARE(role(model, 0, "value2").toBool(), false);
    QVERIFY(!reductionApplicable.isEmpty());
    QCOMPARE(reductionApplicable.takeLast().at(0).toBool(), false);
    QVERIFY(!waterApplicable.isEmpty());
    QCOMPARE(waterApplicable.takeLast().at(0).toBool(), false);
    // The switch showed off: it turns on.
    standby.onToggleChanged(0, false);
    QCOMPARE(role(model, 0, "value2").toBool(), true);
    QVERIFY(!reductionApplicable.isEmpty());
    QCOMPARE(reductionApplicable.takeLast().at(0).toBool(), true);
    QVERIFY(!waterApplicable.isEmpty());
    QCOMPARE(waterApplicable.takeLast().at(0).toBool(), true);
    // Another id is not the switch.
    standby.onToggleChanged(1, true);
    QCOMPARE(role(model, 0, "value2").toBool(), true);
    QCOMPARE(enable.size(), 0);

    standby.onStandbyViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureAdvancedSettings::standbyCommitSendsEnableReductionAndTank()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    // A combi with a water temperature shows both editors.
    Post post;
    post.waterTemperature = true;
    standby.onSaunaMasterFuncDescChanged(post);
    standby.onSaunaMasterProductChanged(MasterFuncDescTypes::E_combi_auto);
    standby.onSaunaStandbyOffsetTemperatureChanged(90);
    standby.onSaunaTankStandbyTemperatureChanged(810);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    // 810 ninths: 90 °C.
    QCOMPARE(standby.waterTemperatureManager()->value().value_or(-1), 810);
    QCOMPARE(value::shownTemperature(810, standby.waterTemperatureManager()->temperatureUnit()),
             90);
    standby.onStandbyViewVisibleChanged(true);
    standby.onToggleChanged(0, false);
    standby.reductionManager()->onChangeTemperatureValueRequested(
        signalInterface::DataProviderTypes::E_stepper_increase);

    QList<QString> order;
    connect(&standby,
            &view::ConfigureAdvancedSettingsStandbyViewManager::enableStandbyChangeRequest, this,
            [&order](bool enable) { order << QStringLiteral("enable %1").arg(enable); });
    connect(&standby,
            &view::ConfigureAdvancedSettingsStandbyViewManager::
                standbyTemperatureReductionChangeRequest,
            this, [&order](int value) { order << QStringLiteral("reduction %1").arg(value); });
    connect(&standby,
            &view::ConfigureAdvancedSettingsStandbyViewManager::tankStandbyTemperatureChangeRequest,
            this, [&order](int value) { order << QStringLiteral("tank %1").arg(value); });
    // Commits of the other Advanced screens' ids are not this screen's.
    standby.onCommitValue(ConfigureTypes::E_fanRuntime);
    standby.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QVERIFY(order.isEmpty());
    standby.onCommitValue(0);
    const int stepped = standby.reductionManager()->value().value_or(-1);
    QVERIFY(stepped > 90);
    QCOMPARE(order, (QList<QString>{QStringLiteral("enable 1"),
                                    QStringLiteral("reduction %1").arg(stepped),
                                    QStringLiteral("tank 810")}));
}

void TestConfigureAdvancedSettings::standbyCommitWithoutItsRowSendsNothing()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    QSignalSpy enable(
        &standby, &view::ConfigureAdvancedSettingsStandbyViewManager::enableStandbyChangeRequest);
    QSignalSpy reduction(&standby, &view::ConfigureAdvancedSettingsStandbyViewManager::
                                       standbyTemperatureReductionChangeRequest);
    standby.onCommitValue(0);
    standby.onStandbyViewVisibleChanged(true);
    standby.onStandbyViewVisibleChanged(false);
    standby.onCommitValue(0);
    QCOMPARE(enable.size(), 0);
    QCOMPARE(reduction.size(), 0);
}

void TestConfigureAdvancedSettings::standbyCommitSendsEveryEditorWithAValue_data()
{
    QTest::addColumn<MasterFuncDescTypes::RcbProduct>("product");
    QTest::addColumn<bool>("waterFlag");
    QTest::addColumn<bool>("reported");
    // Taps on the switch, each leaving the state it shows.
    QTest::addColumn<int>("taps");
    // Reported while the page is open (another panel saved): the switch (-1 none) and the
    // reduction (-1 none).
    QTest::addColumn<int>("laterEnable");
    QTest::addColumn<int>("laterReduction");
    QTest::addColumn<QStringList>("sent");
    // Every editor that holds a value sends it, shown or not, in this order.
    const QStringList all{"enable 1", "reduction 90", "tank 810"};
    QTest::newRow("sauna without water temperature")
        << MasterFuncDescTypes::E_sauna << false << true << 0 << -1 << -1 << all;
    QTest::newRow("steam with water temperature")
        << MasterFuncDescTypes::E_steam_public << true << true << 0 << -1 << -1 << all;
    QTest::newRow("steam without water temperature")
        << MasterFuncDescTypes::E_steam_private << false << true << 0 << -1 << -1 << all;
    QTest::newRow("switched off on the page")
        << MasterFuncDescTypes::E_combi_auto << true << true << 1 << -1 << -1
        << QStringList{"enable 0", "reduction 90", "tank 810"};
    QTest::newRow("nothing reported, switched on")
        << MasterFuncDescTypes::E_unknown << false << false << 1 << -1 << -1
        << QStringList{"enable 1"};
    QTest::newRow("untouched, reports arrive: follows")
        << MasterFuncDescTypes::E_sauna << false << true << 0 << 0 << 99
        << QStringList{"enable 0", "reduction 99", "tank 810"};
    QTest::newRow("switched off on the page, the sauna reports on: kept")
        << MasterFuncDescTypes::E_combi_auto << true << true << 1 << 1 << 99
        << QStringList{"enable 0", "reduction 99", "tank 810"};
    QTest::newRow("switched off and on again, the sauna reports off: follows")
        << MasterFuncDescTypes::E_combi_auto << true << true << 2 << 0 << -1
        << QStringList{"enable 0", "reduction 90", "tank 810"};
    QTest::newRow("nothing reported, switched on and off again: nothing to send")
        << MasterFuncDescTypes::E_unknown << false << false << 2 << -1 << -1 << QStringList();
    QTest::newRow("nothing reported, switched on and off again, the sauna reports on: follows")
        << MasterFuncDescTypes::E_unknown << false << false << 2 << 1 << -1
        << QStringList{"enable 1"};
    QTest::newRow("nothing reported, then reports fill the open page")
        << MasterFuncDescTypes::E_unknown << false << false << 0 << 1 << 99
        << QStringList{"enable 1", "reduction 99"};
}

void TestConfigureAdvancedSettings::standbyCommitSendsEveryEditorWithAValue()
{
    QFETCH(MasterFuncDescTypes::RcbProduct, product);
    QFETCH(bool, waterFlag);
    QFETCH(bool, reported);
    QFETCH(int, taps);
    QFETCH(int, laterEnable);
    QFETCH(int, laterReduction);
    QFETCH(QStringList, sent);
    using Standby = view::ConfigureAdvancedSettingsStandbyViewManager;
    Standby standby(nullptr);
    if (reported) {
        Post post;
        post.waterTemperature = waterFlag;
        standby.onSaunaMasterFuncDescChanged(post);
        standby.onSaunaMasterProductChanged(product);
        standby.onSaunaStandbyOffsetTemperatureChanged(90);
        standby.onSaunaTankStandbyTemperatureChanged(810);
        standby.onSaunaEnableStandbyChanged(true);
    }
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    standby.onStandbyViewVisibleChanged(true);
    // The switch shows the reported state, or off before a report.
    bool shown = reported;
    for (int tap = 0; tap < taps; ++tap, shown = !shown)
        standby.onToggleChanged(0, shown);
    QSignalSpy applicable(&standby, &Standby::standbyTemperatureApplicableChanged);
    if (laterEnable >= 0)
        standby.onSaunaEnableStandbyChanged(laterEnable == 1);
    if (laterReduction >= 0)
        standby.onSaunaStandbyOffsetTemperatureChanged(laterReduction);
    // The editors are shown as the switch the page shows.
    if (!applicable.isEmpty())
        QCOMPARE(applicable.last().at(0).toBool(),
                 sent.first() == "enable 1" && !MasterFuncDescTypes::isSteamProduct(product));

    QStringList order;
    connect(&standby, &Standby::enableStandbyChangeRequest, this,
            [&order](bool enable) { order << QStringLiteral("enable %1").arg(enable); });
    connect(&standby, &Standby::standbyTemperatureReductionChangeRequest, this,
            [&order](int value) { order << QStringLiteral("reduction %1").arg(value); });
    connect(&standby, &Standby::tankStandbyTemperatureChangeRequest, this,
            [&order](int value) { order << QStringLiteral("tank %1").arg(value); });
    standby.onCommitValue(0);
    QCOMPARE(order, sent);
}

// A change of language retranslates the open page; what the user stepped to stays, and is sent.
void TestConfigureAdvancedSettings::standbyStepsOutliveALanguageChange()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    standby.onSaunaStandbyOffsetTemperatureChanged(90);
    standby.onSaunaEnableStandbyChanged(true);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    standby.onStandbyViewVisibleChanged(true);
    standby.reductionManager()->onChangeTemperatureValueRequested(
        signalInterface::DataProviderTypes::E_stepper_increase);
    QCOMPARE(standby.reductionManager()->value().value_or(-1), 99);
    standby.onLanguageChanged(signalInterface::LanguageTypes::E_finnish);
    QCOMPARE(standby.reductionManager()->value().value_or(-1), 99);
}

void TestConfigureAdvancedSettings::standbyEditorsKeepTheirLimits()
{
    using Standby = view::ConfigureAdvancedSettingsStandbyViewManager;
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    value::TemperatureValueManager &reduction = *standby.reductionManager();
    value::TemperatureValueManager &water = *standby.waterTemperatureManager();
    QCOMPARE(reduction.lowerLimit(), Standby::reductionLowerLimit);
    QCOMPARE(reduction.upperLimit(), 270);
    QCOMPARE(water.lowerLimit(), 675);
    QCOMPARE(water.upperLimit(), 873);
    // Reports outside the limits are held within them.
    standby.onSaunaStandbyOffsetTemperatureChanged(450);
    standby.onSaunaTankStandbyTemperatureChanged(540);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    QCOMPARE(reduction.value().value_or(-1), 270);
    QCOMPARE(water.value().value_or(-1), 675);
    water.onChangeTemperatureValueRequested(signalInterface::DataProviderTypes::E_stepper_decrease);
    QCOMPARE(water.value().value_or(-1), 675);
    // The reduction is a difference of temperatures: in °F its 30 °C read 54 °F, not 86 °F, while
    // the tank's 75 °C read 167 °F.
    QSignalSpy reductionShown(&reduction, &value::TemperatureValueManager::temperatureValueChanged);
    QSignalSpy waterShown(&water, &value::TemperatureValueManager::temperatureValueChanged);
    reduction.setTemperatureUnitType(signalInterface::TemperatureTypes::E_fahrenheit);
    water.setTemperatureUnitType(signalInterface::TemperatureTypes::E_fahrenheit);
    QVERIFY(!reductionShown.isEmpty());
    QCOMPARE(reductionShown.takeLast().at(0).toInt(), 54);
    QVERIFY(!waterShown.isEmpty());
    QCOMPARE(waterShown.takeLast().at(0).toInt(), 167);
}

// The page is created after the editors were loaded: showing it tells their values and limit
// states again, so the page reads them without asking.
void TestConfigureAdvancedSettings::standbyPageHearsItsEditorsWhenShown()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    value::TemperatureValueManager &reduction = *standby.reductionManager();
    value::TemperatureValueManager &water = *standby.waterTemperatureManager();
    standby.onSaunaStandbyOffsetTemperatureChanged(90);
    standby.onSaunaTankStandbyTemperatureChanged(720);
    standby.onEditSelectedEnum(ConfigureTypes::E_standby);
    QSignalSpy reductionShown(&reduction, &value::TemperatureValueManager::temperatureValueChanged);
    QSignalSpy waterShown(&water, &value::TemperatureValueManager::temperatureValueChanged);
    QSignalSpy waterUpper(&water, &value::TemperatureValueManager::upperLimitReached);
    standby.onStandbyViewVisibleChanged(true);
    QCOMPARE(reductionShown.size(), 1);
    QCOMPARE(reductionShown.at(0).at(0).toInt(), 10);
    QCOMPARE(waterShown.size(), 1);
    QCOMPARE(waterShown.at(0).at(0).toInt(), 80);
    QCOMPARE(waterUpper.size(), 1);
    // Hidden, nothing is told.
    standby.onStandbyViewVisibleChanged(false);
    QCOMPARE(waterShown.size(), 1);
}

void TestConfigureAdvancedSettings::fanRowShowsTheRuntime()
{
    view::ConfigureAdvancedSettingsFanViewManager fan(nullptr);
    fan.onSaunaFanRuntimeChanged(90);
    QCOMPARE(fan.model()->rowCount(), 0); // stored only while hidden
    fan.onFanViewVisibleChanged(true);
    view::ListModel &model = *fan.model();
    QCOMPARE(modelReader::applIds(model), QList<int>{ConfigureTypes::E_fanRuntime});
    QCOMPARE(role(model, 0, "value").toString(), QStringLiteral("Running Time"));
    QCOMPARE(role(model, 0, "value2").toString(), QStringLiteral("1h 30min"));
    fan.onSaunaFanRuntimeChanged(45);
    QCOMPARE(role(model, 0, "value2").toString(), QStringLiteral("45min"));
    fan.onFanViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureAdvancedSettings::fanForgetsAReplacedSauna()
{
    view::ConfigureAdvancedSettingsFanViewManager fan(nullptr);
    QSignalSpy requests(&fan,
                        &view::ConfigureAdvancedSettingsFanViewManager::fanRuntimeChangeRequest);
    fan.onFanViewVisibleChanged(true);
    view::ListModel &model = *fan.model();
    // Before any report the row shows no made-up runtime.
    QCOMPARE(role(model, 0, "value2").toString(), QStringLiteral("--"));
    fan.onSaunaFanRuntimeChanged(90);
    fan.onRowItemSelected(ConfigureTypes::E_fanRuntime);
    QCOMPARE(fan.runtimeManager()->valueInMinutes(), 90);

    fan.onSaunaReplaced();
    QCOMPARE(role(model, 0, "value2").toString(), QStringLiteral("--"));
    QVERIFY(!fan.runtimeManager()->value());
    // Opened again before the new sauna reports: no value, nothing to send.
    fan.onRowItemSelected(ConfigureTypes::E_fanRuntime);
    QVERIFY(!fan.runtimeManager()->value());
    fan.onCommitValue(ConfigureTypes::E_fanRuntime);
    QCOMPARE(requests.size(), 0);
    fan.onSaunaFanRuntimeChanged(20);
    QCOMPARE(role(model, 0, "value2").toString(), QStringLiteral("20min"));
}

void TestConfigureAdvancedSettings::standbyForgetsAReplacedSauna()
{
    view::ConfigureAdvancedSettingsStandbyViewManager standby(nullptr);
    QSignalSpy enables(
        &standby, &view::ConfigureAdvancedSettingsStandbyViewManager::enableStandbyChangeRequest);
    QSignalSpy reported(&standby,
                        &view::ConfigureAdvancedSettingsStandbyViewManager::standbySavableChanged);
    standby.onSaunaEnableStandbyChanged(true);
    standby.onSaunaStandbyOffsetTemperatureChanged(90);
    standby.onSaunaTankStandbyTemperatureChanged(720);
    standby.onStandbyViewVisibleChanged(true);
    QCOMPARE(standby.reductionManager()->value().value_or(-1), 90);
    QVERIFY(!reported.isEmpty());
    QCOMPARE(reported.last().at(0).toBool(), true);

    standby.onSaunaReplaced();
    QVERIFY(!standby.reductionManager()->value());
    QVERIFY(!standby.waterTemperatureManager()->value());
    QCOMPARE(role(*standby.model(), 0, "value2").toBool(), false);
    QCOMPARE(reported.last().at(0).toBool(), false);
    // Save sends nothing of the former sauna's, nor a switch state the new one never told.
    standby.onCommitValue(view::ConfigureAdvancedSettingsStandbyViewManager::toggleId);
    QCOMPARE(enables.size(), 0);

    // The new sauna's reports reach the open page.
    standby.onSaunaStandbyOffsetTemperatureChanged(45);
    standby.onSaunaEnableStandbyChanged(false);
    QCOMPARE(standby.reductionManager()->value().value_or(-1), 45);
    QCOMPARE(reported.last().at(0).toBool(), true);
    standby.onCommitValue(view::ConfigureAdvancedSettingsStandbyViewManager::toggleId);
    QCOMPARE(enables.size(), 1);
    QCOMPARE(enables.at(0).at(0).toBool(), false);
}

void TestConfigureAdvancedSettings::fanEditorLimitsAndCommit()
{
    view::ConfigureAdvancedSettingsFanViewManager fan(nullptr);
    value::DurationManager &editor = *fan.runtimeManager();
    QSignalSpy requests(&fan,
                        &view::ConfigureAdvancedSettingsFanViewManager::fanRuntimeChangeRequest);
    QSignalSpy edits(&fan, &view::ConfigureAdvancedSettingsFanViewManager::editSelected);

    // Nothing loaded yet: no value, nothing to send (a 0 would lie below the 1 minute limit).
    fan.onCommitValue(ConfigureTypes::E_fanRuntime);
    QCOMPARE(requests.size(), 0);

    QCOMPARE(editor.lowerLimit(), qint64(1) * 60000);
    QCOMPARE(editor.upperLimit(), qint64(180) * 60000);
    fan.onSaunaFanRuntimeChanged(180);
    fan.onRowItemSelected(ConfigureTypes::E_fan); // not the row's id
    QCOMPARE(edits.size(), 0);
    fan.onRowItemSelected(ConfigureTypes::E_fanRuntime);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_fanRuntime));
    QCOMPARE(editor.valueInMinutes(), 180);
    // One minute per minute step; the top stops at the limit.
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
    QCOMPARE(editor.valueInMinutes(), 180);
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
    QCOMPARE(editor.valueInMinutes(), 179);
    editor.onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
    QCOMPARE(editor.valueInMinutes(), 119);

    fan.onCommitValue(0);
    fan.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QCOMPARE(requests.size(), 0);
    fan.onCommitValue(ConfigureTypes::E_fanRuntime);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), 119);

    // A runtime below the editor's limits opens at the lower limit.
    fan.onSaunaFanRuntimeChanged(0);
    fan.onRowItemSelected(ConfigureTypes::E_fanRuntime);
    QCOMPARE(editor.valueInMinutes(), 1);
}

void TestConfigureAdvancedSettings::externalSwitchEditorHoldsOneMinuteBeforeTheLimit()
{
    view::ConfigureAdvancedSettingsExtSwitchViewManager extSwitch(nullptr);
    value::DurationManager &editor = *extSwitch.bathTimeManager();
    QSignalSpy edits(&extSwitch,
                     &view::ConfigureAdvancedSettingsExtSwitchViewManager::editSelected);
    QSignalSpy requests(
        &extSwitch,
        &view::ConfigureAdvancedSettingsExtSwitchViewManager::extSwBathtimeChangeRequest);
    // Nothing loaded yet: no value, nothing to send.
    extSwitch.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QCOMPARE(requests.size(), 0);
    // Before any bath-time-limit report the editor opens, and can hold only 1 minute.
    QCOMPARE(editor.lowerLimit(), editor.upperLimit());
    extSwitch.onSaunaExtSwBathtimeChanged(120);
    extSwitch.onExtSwBathTimeSelected();
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_externalSwitchBathtime));
    QCOMPARE(editor.value(), std::optional<qint64>(60000));
    editor.onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
    QCOMPARE(editor.valueInMinutes(), 1);
    extSwitch.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.takeFirst().at(0).toInt(), 1);

    extSwitch.onSaunaBathTimeLimitChanged(360);
    extSwitch.onExtSwBathTimeSelected();
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_externalSwitchBathtime));
    QCOMPARE(editor.valueInMinutes(), 120);
    editor.onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
    QCOMPARE(editor.valueInMinutes(), 180);
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_decrease);
    extSwitch.onCommitValue(0);
    extSwitch.onCommitValue(ConfigureTypes::E_fanRuntime);
    QCOMPARE(requests.size(), 0);
    extSwitch.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), 179);
    // The limit holds.
    extSwitch.onSaunaExtSwBathtimeChanged(1000);
    extSwitch.onExtSwBathTimeSelected();
    QCOMPARE(editor.valueInMinutes(), 360);
}

void TestConfigureAdvancedSettings::externalSwitchRowsAndFunction()
{
    view::ConfigureAdvancedSettingsExtSwitchViewManager extSwitch(nullptr);
    extSwitch.onSaunaExtSwBathtimeChanged(120);
    extSwitch.onExternalSwitchVisibleChanged(true);
    view::ListModel &bathTime = *extSwitch.bathTimeModel();
    view::ListModel &functions = *extSwitch.functionModel();
    QCOMPARE(role(bathTime, 0, "value").toString(), QStringLiteral("Bath time"));
    // Hours and minutes, both always written.
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("2h 0m"));
    extSwitch.onSaunaExtSwBathtimeChanged(45);
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("0h 45m"));
    extSwitch.onSaunaExtSwBathtimeChanged(1);
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("0h 1m"));
    extSwitch.onSaunaExtSwBathtimeChanged(45);
    QCOMPARE(menuTexts(functions), (QStringList{"Renew bath time", "On/Off"}));
    QCOMPARE(modelReader::applIds(functions),
             (QList<int>{ExternalSwitchTypes::E_renew, ExternalSwitchTypes::E_onOff}));
    // No function is marked before the sauna reports its own.
    QCOMPARE(modelReader::column(functions, "checkmarkChecked"), (QVariantList{false, false}));
    QCOMPARE(modelReader::texts(functions, "layoutOrder"), (QStringList{"top", "bottom"}));

    QSignalSpy requests(
        &extSwitch,
        &view::ConfigureAdvancedSettingsExtSwitchViewManager::extSwFunctionChangeRequest);
    extSwitch.onExtSwFunctionSelected(2);
    extSwitch.onExtSwFunctionSelected(-1);
    QCOMPARE(requests.size(), 0);
    extSwitch.onExtSwFunctionSelected(ExternalSwitchTypes::E_onOff);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).value<ExternalSwitchTypes::ExternalSwitchFunction>(),
             ExternalSwitchTypes::E_onOff);
    // The mark moves with the report only.
    QCOMPARE(modelReader::column(functions, "checkmarkChecked"), (QVariantList{false, false}));
    extSwitch.onSaunaExternalSwitchFunctionChanged(ExternalSwitchTypes::E_renew);
    QCOMPARE(modelReader::column(functions, "checkmarkChecked"), (QVariantList{true, false}));
    extSwitch.onSaunaExternalSwitchFunctionChanged(ExternalSwitchTypes::E_onOff);
    QCOMPARE(modelReader::column(functions, "checkmarkChecked"), (QVariantList{false, true}));

    extSwitch.onExternalSwitchVisibleChanged(false);
    QCOMPARE(bathTime.rowCount(), 0);
    QCOMPARE(functions.rowCount(), 0);
}

void TestConfigureAdvancedSettings::externalSwitchBathTimeRowOpensBeforeTheLimit_data()
{
    QTest::addColumn<bool>("limitBeforeShown");
    QTest::newRow("limit while shown") << false;
    QTest::newRow("limit before shown") << true;
}

void TestConfigureAdvancedSettings::externalSwitchBathTimeRowOpensBeforeTheLimit()
{
    QFETCH(bool, limitBeforeShown);
    view::ConfigureAdvancedSettingsExtSwitchViewManager extSwitch(nullptr);
    extSwitch.onSaunaExtSwBathtimeChanged(120);
    if (limitBeforeShown)
        extSwitch.onSaunaBathTimeLimitChanged(360);
    extSwitch.onExternalSwitchVisibleChanged(true);
    view::ListModel &bathTime = *extSwitch.bathTimeModel();
    // "value13" is the row's enabled state: the row opens its editor whatever is known.
    QCOMPARE(role(bathTime, 0, "value13").toBool(), true);
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("2h 0m"));
    extSwitch.onSaunaBathTimeLimitChanged(360);
    QCOMPARE(role(bathTime, 0, "value13").toBool(), true);
}

// Another sauna took the connection: the shown page keeps its rows but none of the former
// sauna's values, nor its bath-time limit, and its editor sends nothing until the new sauna
// reports.
void TestConfigureAdvancedSettings::externalSwitchForgetsAReplacedSauna()
{
    view::ConfigureAdvancedSettingsExtSwitchViewManager extSwitch(nullptr);
    extSwitch.onSaunaBathTimeLimitChanged(360);
    extSwitch.onSaunaExtSwBathtimeChanged(120);
    extSwitch.onSaunaExternalSwitchFunctionChanged(ExternalSwitchTypes::E_onOff);
    extSwitch.onExternalSwitchVisibleChanged(true);
    extSwitch.onExtSwBathTimeSelected();
    QVERIFY(extSwitch.bathTimeManager()->value());
    view::ListModel &bathTime = *extSwitch.bathTimeModel();
    view::ListModel &functions = *extSwitch.functionModel();
    QSignalSpy edits(&extSwitch,
                     &view::ConfigureAdvancedSettingsExtSwitchViewManager::editSelected);
    QSignalSpy requests(
        &extSwitch,
        &view::ConfigureAdvancedSettingsExtSwitchViewManager::extSwBathtimeChangeRequest);

    extSwitch.onSaunaReplaced();
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("--"));
    QCOMPARE(modelReader::column(functions, "checkmarkChecked"), (QVariantList{false, false}));
    QVERIFY(!extSwitch.bathTimeManager()->value());
    QCOMPARE(extSwitch.bathTimeManager()->upperLimit(), qint64(60000));
    extSwitch.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    extSwitch.onExtSwBathTimeSelected();
    QCOMPARE(edits.size(), 1);
    QVERIFY(!extSwitch.bathTimeManager()->value());
    extSwitch.onCommitValue(ConfigureTypes::E_externalSwitchBathtime);
    QCOMPARE(requests.size(), 0);

    // The open editor takes the new sauna's bath time within the limit it has: 1 minute until
    // the new sauna tells its own.
    extSwitch.onSaunaExtSwBathtimeChanged(45);
    QCOMPARE(role(bathTime, 0, "value3").toString(), QStringLiteral("0h 45m"));
    QCOMPARE(extSwitch.bathTimeManager()->valueInMinutes(), 1);
}

void TestConfigureAdvancedSettings::externalSwitchEditorLeftOpenTakesTheNewSaunasBathTime()
{
    view::ConfigureAdvancedSettingsExtSwitchViewManager extSwitch(nullptr);
    value::DurationManager *editor = extSwitch.bathTimeManager();
    extSwitch.onSaunaBathTimeLimitChanged(360);
    extSwitch.onSaunaExtSwBathtimeChanged(60);
    extSwitch.onExtSwBathTimeSelected();
    extSwitch.onSaunaReplaced();
    QVERIFY(!editor->hasValue());
    // The new sauna's limit, then its bath time.
    extSwitch.onSaunaBathTimeLimitChanged(240);
    QVERIFY(!editor->hasValue());
    extSwitch.onSaunaExtSwBathtimeChanged(90);
    QCOMPARE(editor->valueInMinutes(), 90);
    // A limit that moves the untouched value is no step of the user's: the editor follows on,
    // and shows the report again once the limit allows it.
    extSwitch.onSaunaBathTimeLimitChanged(60);
    QCOMPARE(editor->valueInMinutes(), 60);
    extSwitch.onSaunaBathTimeLimitChanged(240);
    QCOMPARE(editor->valueInMinutes(), 90);
    extSwitch.onSaunaBathTimeLimitChanged(60);
    extSwitch.onSaunaExtSwBathtimeChanged(45);
    QCOMPARE(editor->valueInMinutes(), 45);
    extSwitch.onSaunaBathTimeLimitChanged(240);
    extSwitch.onSaunaExtSwBathtimeChanged(90);
    editor->onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
    extSwitch.onSaunaExtSwBathtimeChanged(120);
    QCOMPARE(editor->valueInMinutes(), 91);
}

void TestConfigureAdvancedSettings::tankToggleRequestsTheOppositeBothWays()
{
    view::ConfigureSystemTankAutoEmptyingViewManager tank(nullptr);
    tank.onTankAutoEmptyingVisibleChanged(true);
    QSignalSpy requests(
        &tank,
        &view::ConfigureSystemTankAutoEmptyingViewManager::tankEmptyingEnableChangeRequested);
    tank.onTankAutoEmptyingToggleChanged(ConfigureTypes::E_tankAutoEmptyingEnable, true);
    tank.onTankAutoEmptyingToggleChanged(ConfigureTypes::E_tankAutoEmptyingEnable, false);
    tank.onTankAutoEmptyingToggleChanged(ConfigureTypes::E_tankAutoEmptyingInterval, true);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).at(0).toBool(), false);
    QCOMPARE(requests.at(1).at(0).toBool(), true);
    // The switch follows the report only.
    QCOMPARE(role(*tank.model(), 0, "value2").toBool(), false);
    tank.onSaunaTankAutoEmptyingEnableChanged(true);
    QCOMPARE(role(*tank.model(), 0, "value2").toBool(), true);
}

void TestConfigureAdvancedSettings::tankRowsAndInterval()
{
    view::ConfigureSystemTankAutoEmptyingViewManager tank(nullptr);
    value::DurationManager &editor = *tank.timeManager();
    QSignalSpy requests(
        &tank,
        &view::ConfigureSystemTankAutoEmptyingViewManager::tankAutoEmptyingDurationChangeRequest);
    // No value before the start-up state: nothing to send.
    tank.onTankAutoEmptyingIntervalCommit();
    QCOMPARE(requests.size(), 0);
    // Nor after it: the interval is the sauna's to tell.
    tank.initializeView();
    QVERIFY(!editor.value());
    tank.onTankAutoEmptyingIntervalCommit();
    QCOMPARE(requests.size(), 0);

    QCOMPARE(tank.model()->rowCount(), 0);
    tank.onSaunaTankAutoEmptyingDurationChanged(90);
    tank.onTankAutoEmptyingVisibleChanged(true);
    view::ListModel &model = *tank.model();
    QCOMPARE(modelReader::applIds(model), (QList<int>{ConfigureTypes::E_tankAutoEmptyingEnable,
                                                      ConfigureTypes::E_tankAutoEmptyingInterval}));
    QCOMPARE(role(model, 0, "value").toString(), QStringLiteral("Enable"));
    QCOMPARE(role(model, 1, "value").toString(), QStringLiteral("Time interval"));
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("1h 30min"));
    QCOMPARE(role(model, 1, "value5").toString(), QStringLiteral("single"));
    // No hours part.
    tank.onSaunaTankAutoEmptyingDurationChanged(45);
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("45min"));

    QCOMPARE(editor.lowerLimit(), qint64(60) * 60000);
    QCOMPARE(editor.upperLimit(), qint64(480) * 60000);
    QSignalSpy edits(&tank, &view::ConfigureSystemTankAutoEmptyingViewManager::editSelected);
    // Outside the editor's limits: the limit check decides what it holds.
    tank.onSaunaTankAutoEmptyingDurationChanged(600);
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("10h 0min"));
    tank.onTankAutoEmptyingIntervalEdit();
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_tankAutoEmptyingInterval));
    QCOMPARE(editor.valueInMinutes(), 480);
    editor.onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
    QCOMPARE(editor.valueInMinutes(), 420);
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
    tank.onTankAutoEmptyingIntervalCommit();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), 421);

    tank.onTankAutoEmptyingVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
}

void TestConfigureAdvancedSettings::cleanupRowsByProduct_data()
{
    QTest::addColumn<MasterFuncDescTypes::RcbProduct>("product");
    QTest::addColumn<QStringList>("texts");
    // No count before the sauna reports one.
    const QString count = QStringLiteral("Cleanup's until now: --");
    QTest::newRow("sauna") << MasterFuncDescTypes::E_sauna
                           << QStringList{"Enable", "Time interval", count};
    QTest::newRow("combi") << MasterFuncDescTypes::E_combi_auto
                           << QStringList{"Enable", "Time interval", count};
    QTest::newRow("steam emptied by hand")
        << MasterFuncDescTypes::E_steam_manual_empty
        << QStringList{"Enable", "Time interval", "Tank Empty Notes", count};
    QTest::newRow("automatic steam") << MasterFuncDescTypes::E_steam_private_auto
                                     << QStringList{"Enable", "Time interval", count};
}

void TestConfigureAdvancedSettings::cleanupRowsByProduct()
{
    QFETCH(MasterFuncDescTypes::RcbProduct, product);
    QFETCH(QStringList, texts);
    view::ConfigureSystemCleanupViewManager cleanup(nullptr);
    view::ListModel &model = *cleanup.model();
    // A product report builds the rows even while the page is hidden.
    cleanup.onSaunaMasterProductChanged(product);
    QCOMPARE(modelReader::texts(model, "value"), texts);

    cleanup.onCleanUpViewVisibleChanged(false);
    QCOMPARE(model.rowCount(), 0);
    cleanup.onCleanUpViewVisibleChanged(true);
    QCOMPARE(modelReader::texts(model, "value"), texts);
    // Before any report: the reminder's switch on, and no interval.
    QCOMPARE(role(model, 0, "value2").toBool(), true);
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("--"));
    cleanup.onSaunaCleanupBetweenTimeChanged(15);
    cleanup.onSaunaCleanupTotalChanged(3);
    // Whole hours, the number followed directly by the unit.
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("15h"));
    cleanup.onSaunaCleanupBetweenTimeChanged(1500);
    QCOMPARE(role(model, 1, "value2").toString(), QStringLiteral("1500h"));
    QCOMPARE(role(model, model.rowCount() - 1, "value").toString(),
             QStringLiteral("Cleanup's until now: 3"));
}

void TestConfigureAdvancedSettings::cleanupTogglesRequestTheOppositeBothWays()
{
    view::ConfigureSystemCleanupViewManager cleanup(nullptr);
    cleanup.onSaunaMasterProductChanged(MasterFuncDescTypes::E_steam_manual_empty);
    QSignalSpy enable(&cleanup,
                      &view::ConfigureSystemCleanupViewManager::cleanupEnableChangeRequest);
    QSignalSpy notes(&cleanup,
                     &view::ConfigureSystemCleanupViewManager::cleanupTankNoticeChangeRequest);
    cleanup.onCleanupToggleChanged(ConfigureTypes::E_cleanupEnable, true);
    cleanup.onCleanupToggleChanged(ConfigureTypes::E_cleanupEnable, false);
    cleanup.onCleanupToggleChanged(ConfigureTypes::E_tankNoticeEnable, false);
    cleanup.onCleanupToggleChanged(ConfigureTypes::E_tankNoticeEnable, true);
    cleanup.onCleanupToggleChanged(ConfigureTypes::E_cleanup, true);
    QCOMPARE(enable.size(), 2);
    QCOMPARE(enable.at(0).at(0).toBool(), false);
    QCOMPARE(enable.at(1).at(0).toBool(), true);
    QCOMPARE(notes.size(), 2);
    QCOMPARE(notes.at(0).at(0).toBool(), true);
    QCOMPARE(notes.at(1).at(0).toBool(), false);
    // The switches follow the reports only.
    QCOMPARE(role(*cleanup.model(), 2, "value2").toBool(), false);
    cleanup.onTankNotificationEnabledChanged(true);
    cleanup.onSaunaCleanupEnableChanged(false);
    QCOMPARE(role(*cleanup.model(), 2, "value2").toBool(), true);
    QCOMPARE(role(*cleanup.model(), 0, "value2").toBool(), false);
}

void TestConfigureAdvancedSettings::cleanupIntervalEditor()
{
    view::ConfigureSystemCleanupViewManager cleanup(nullptr);
    value::DurationManager &editor = *cleanup.timeManager();
    QSignalSpy requests(&cleanup,
                        &view::ConfigureSystemCleanupViewManager::cleanupTimeChangeRequest);
    QSignalSpy edits(&cleanup, &view::ConfigureSystemCleanupViewManager::editSelected);
    // Never chosen: no value, nothing sent.
    cleanup.onCleanupTimeCommit();
    QCOMPARE(requests.size(), 0);

    QCOMPARE(editor.lowerLimit(), qint64(600) * 60000);
    QCOMPARE(editor.upperLimit(), qint64(90000) * 60000);
    // 5 hours lie below the editor's limit: it holds its lower limit, and the commit sends 10.
    cleanup.onSaunaCleanupBetweenTimeChanged(5);
    cleanup.onCleanupTimeSelected(ConfigureTypes::E_cleanupTime); // not the row's id
    QCOMPARE(edits.size(), 0);
    cleanup.onCleanupTimeSelected(ConfigureTypes::E_cleanup);
    QVERIFY(!edits.isEmpty());
    QCOMPARE(edits.takeFirst().at(0).toInt(), int(ConfigureTypes::E_cleanupTime));
    QCOMPARE(editor.valueInMinutes(), 600);
    cleanup.onCleanupTimeCommit();
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.takeFirst().at(0).toInt(), 10);

    // One hour step is ten hours; the minute steppers do nothing.
    editor.onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
    QCOMPARE(editor.valueInMinutes(), 1200);
    editor.onDurationChangeRequested(TimeEditTypes::E_minute, TimeEditTypes::E_increase);
    QCOMPARE(editor.valueInMinutes(), 1200);
    cleanup.onCleanupTimeCommit();
    QVERIFY(!requests.isEmpty());
    QCOMPARE(requests.takeFirst().at(0).toInt(), 20);
    cleanup.onSaunaCleanupBetweenTimeChanged(2000);
    cleanup.onCleanupTimeSelected(ConfigureTypes::E_cleanup);
    QCOMPARE(editor.valueInMinutes(), 90000);
}

// The reminder's switch starts on, and is on again once another sauna took the connection,
// until the sauna reports its own state.
void TestConfigureAdvancedSettings::cleanupSwitchIsOnBeforeAnyReport()
{
    view::ConfigureSystemCleanupViewManager cleanup(nullptr);
    cleanup.onCleanUpViewVisibleChanged(true);
    const view::ListModel &model = *cleanup.model();
    QCOMPARE(modelReader::applIds(model).first(), int(ConfigureTypes::E_cleanupEnable));
    QCOMPARE(role(model, 0, "value2").toBool(), true);
    cleanup.onSaunaCleanupEnableChanged(false);
    QCOMPARE(role(model, 0, "value2").toBool(), false);
    cleanup.onSaunaReplaced();
    QCOMPARE(role(model, 0, "value2").toBool(), true);
}

void TestConfigureAdvancedSettings::openDurationEditorTakesTheFirstReport_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("report");
    QTest::addColumn<int>("heldMinutes");
    QTest::addColumn<int>("steppedMinutes");
    // Reported to an untouched editor: its upper limit, in the report's unit.
    QTest::addColumn<int>("followed");
    // Reported while the editor holds the user's step, and held after a step back.
    QTest::addColumn<int>("later");
    QTest::addColumn<int>("steppedBackMinutes");
    QTest::newRow("fan runtime") << "fan" << 30 << 30 << 90 << 180 << 60 << 60;
    QTest::newRow("cleanup interval in hours")
        << "cleanup" << 20 << 1200 << 1800 << 1500 << 40 << 2400;
    QTest::newRow("tank auto-emptying interval")
        << "tank" << 120 << 120 << 180 << 480 << 240 << 240;
    QTest::newRow("external switch bath time")
        << "external switch" << 30 << 30 << 90 << 1440 << 60 << 60;
    // Another panel saved what this one was stepped to: the step back steps from it.
    QTest::newRow("tank, a report of the step") << "tank" << 120 << 120 << 180 << 480 << 180 << 120;
}

void TestConfigureAdvancedSettings::openDurationEditorTakesTheFirstReport()
{
    QFETCH(QString, screen);
    QFETCH(int, report);
    QFETCH(int, heldMinutes);
    QFETCH(int, steppedMinutes);
    QFETCH(int, followed);
    QFETCH(int, later);
    QFETCH(int, steppedBackMinutes);
    const DurationScreen duration = durationScreen(screen);

    // Opened before the sauna reported: "--" and nothing to save, until the report arrives.
    duration.open();
    QVERIFY(!duration.editor->hasValue());
    const QMetaObject *editorMeta = duration.editor->metaObject();
    QSignalSpy hasValue(
        duration.editor,
        editorMeta->property(editorMeta->indexOfProperty("hasValue")).notifySignal());
    QSignalSpy shown(duration.editor, &value::DurationManager::durationValueChanged);
    duration.report(report);
    QCOMPARE(hasValue.size(), 1);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).at(0).toInt(), heldMinutes);

    // Untouched, it follows the next report (another panel saved it), its steppers too.
    QSignalSpy upper(duration.editor, &value::DurationManager::upperLimitReached);
    duration.report(followed);
    QCOMPARE(duration.editor->value(), std::optional<qint64>(duration.editor->upperLimit()));
    QVERIFY(!upper.isEmpty());
    QCOMPARE(upper.last().at(1).toBool(), true); // the hour wraps; the minute stops
    duration.report(report);

    // Opened after a report and stepped: the user's value stands against the next report.
    duration.open();
    duration.editor->onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_increase);
    duration.report(later);
    QCOMPARE(duration.editor->valueInMinutes(), steppedMinutes);
    // Stepped back, it is untouched again and takes that report at once.
    duration.editor->onDurationChangeRequested(TimeEditTypes::E_hour, TimeEditTypes::E_decrease);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(duration.editor->valueInMinutes(), steppedBackMinutes);
}

void TestConfigureAdvancedSettings::reportedDurationsShowAsReportedAndOpenWithinTheLimits_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("report");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("heldMinutes");
    const int largest = std::numeric_limits<int>::max();
    QTest::newRow("fan 1 min") << "fan" << 1 << "1min" << 1;
    QTest::newRow("fan 3 h") << "fan" << 180 << "3h 0min" << 180;
    QTest::newRow("fan 0") << "fan" << 0 << "0min" << 1;
    QTest::newRow("fan 3 h 1 min") << "fan" << 181 << "3h 1min" << 180;
    QTest::newRow("fan largest int") << "fan" << largest << "35791394h 7min" << 180;
    QTest::newRow("cleanup 5 h") << "cleanup" << 5 << "5h" << 600;
    QTest::newRow("cleanup 10 h") << "cleanup" << 10 << "10h" << 600;
    QTest::newRow("cleanup 1500 h") << "cleanup" << 1500 << "1500h" << 90000;
    QTest::newRow("cleanup 1501 h") << "cleanup" << 1501 << "1501h" << 90000;
    // Its minutes lie beyond an int: no number wraps round to below the lower limit.
    QTest::newRow("cleanup largest int") << "cleanup" << largest << "2147483647h" << 90000;
    QTest::newRow("tank 45 min") << "tank" << 45 << "45min" << 60;
    QTest::newRow("tank 1 h 30 min") << "tank" << 90 << "1h 30min" << 90;
    QTest::newRow("tank 10 h") << "tank" << 600 << "10h 0min" << 480;
    QTest::newRow("tank largest int") << "tank" << largest << "35791394h 7min" << 480;
    // Upper limit a day, as the sauna told it.
    QTest::newRow("external switch 1 min") << "external switch" << 1 << "0h 1m" << 1;
    QTest::newRow("external switch 2 h") << "external switch" << 120 << "2h 0m" << 120;
    QTest::newRow("external switch 0") << "external switch" << 0 << "0h 0m" << 1;
    QTest::newRow("external switch a day and a minute")
        << "external switch" << 1441 << "24h 1m" << 1440;
    QTest::newRow("external switch largest int")
        << "external switch" << largest << "35791394h 7m" << 1440;
    // A limit below a minute is none: the editor keeps its limits, and never holds less.
    QTest::newRow("external switch 0, limit 0 told")
        << "external switch, then limit 0" << 0 << "0h 0m" << 1;
    QTest::newRow("external switch 0, limit -1 told")
        << "external switch, then limit -1" << 0 << "0h 0m" << 1;
    QTest::newRow("external switch 0, limit 0 told, then another sauna")
        << "external switch, then limit 0, then another sauna" << 0 << "0h 0m" << 1;
}

// A row shows what the sauna reported, whatever it is; its editor opens on it within its limits.
void TestConfigureAdvancedSettings::reportedDurationsShowAsReportedAndOpenWithinTheLimits()
{
    QFETCH(QString, screen);
    QFETCH(int, report);
    QFETCH(QString, shown);
    QFETCH(int, heldMinutes);
    const DurationScreen duration = durationScreen(screen);
    duration.report(report);
    QCOMPARE(duration.row(), shown);
    duration.open();
    QCOMPARE(duration.editor->value(), std::optional<qint64>(qint64(heldMinutes) * 60000));
}

QTEST_MAIN(TestConfigureAdvancedSettings)
#include "tst_configure_advanced_settings.moc"
