#include "model_reader.h"

#include "control/humidity_controller.h"
#include "control/settings.h"
#include "control/temperature_controller.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/haptic_feedback_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/type_registration.h"
#include "signal_interface/user_message_types.h"
#include "view_cpp/component_types.h"
#include "view_cpp/configure/configure_system_bath_priority_view_manager.h"
#include "view_cpp/configure/configure_system_facility_type_view_manager.h"
#include "view_cpp/configure/configure_system_filter_view_manager.h"
#include "view_cpp/configure/configure_system_haptic_feedback_view_manager.h"
#include "view_cpp/configure/configure_system_ir_view_manager.h"
#include "view_cpp/configure/configure_system_pause_timer_view_manager.h"
#include "view_cpp/configure_tab_objects_provider.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using signalInterface::ConfigureTypes;
using signalInterface::HapticFeedbackTypes;
using signalInterface::HumidityTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::RegionTypes;
using signalInterface::SaunaStateTypes;
using signalInterface::TemperatureTypes;
using signalInterface::UserMessageTypes::UserMessage;
using Post = MasterFuncDescTypes::MasterFuncDescPost;
using FacilityManager = view::ConfigureSystemFacilityTypeViewManager;
using FilterManager = view::ConfigureSystemFilterViewManager;
using HapticManager = view::ConfigureSystemHapticFeedbackViewManager;

Q_DECLARE_METATYPE(RegionTypes::RegionType)
Q_DECLARE_METATYPE(MasterFuncDescTypes::RcbProduct)

namespace {

QStringList texts(const view::ListModel &model)
{
    return modelReader::texts(model, "textOnSubMenu");
}

// The application ids of the rows whose check mark is on.
QList<int> checkedIds(const view::ListModel &model)
{
    QList<int> ids;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (modelReader::value(model, row, "checkmarkChecked").toBool())
            ids.append(model.getApplId(row));
    }
    return ids;
}

// The rows of a list of switches: label and state, as the page shows them.
QStringList switches(const view::ListModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows << QStringLiteral("%1 %2 %3")
                    .arg(model.getApplId(row))
                    .arg(modelReader::value(model, row, "value").toString(),
                         modelReader::value(model, row, "value2").toBool() ? QStringLiteral("on")
                                                                           : QStringLiteral("off"));
    }
    return rows;
}

Post humidityFlags(bool level, bool percent)
{
    Post post;
    post.humidityLevel = level;
    post.humidityPercent = percent;
    return post;
}

// A missing signal reads as a default value: the comparison fails and the test runs on.
template<typename T>
T argumentOf(const QSignalSpy &spy, int call = 0)
{
    return spy.value(call).value(0).value<T>();
}

} // namespace

// The System menu's facility type, bath priority, pause timer, filter, IR and haptic feedback
// screens, each manager on its own and with the controllers that own their settings.
class TestConfigureSystemSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        signalInterface::registerMetaTypes();
        QVERIFY(m_configHome.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    }

    void init()
    {
        control::Settings::resetForTesting();
        QDir(m_configHome.path()).removeRecursively();
        QDir().mkpath(m_configHome.path());
    }

    void cleanup() { control::Settings::resetForTesting(); }

    // Facility type.
    void facilityRowsByRegionAndProduct_data();
    void facilityRowsByRegionAndProduct();
    void facilityRegionAndProductRebuildWhileHidden();
    void facilityChoiceIsForgottenWithoutCommit();
    void facilityCommitSendsOnlyAnOfferedType();
    void facilityReportedTypeNotOfferedChecksNothing();
    void facilitySaveIsEnabledOnlyWithAnOfferedTypeMarked();

    // Bath priority: the frame's choice screen.
    void bathPriorityChoiceScreen_data();
    void bathPriorityChoiceScreen();
    void bathPriorityReportAnnouncesOnlyChangedRows();
    void bathPriorityReportWhileHiddenIsShownLater();

    // Pause timer.
    void pauseTimerButtonRequestsTheReset();
    void pauseTimerNoticeOnlyWhileShownOncePerReport();

    // Filter.
    void filterRowsByFunctionsAndProduct_data();
    void filterRowsByFunctionsAndProduct();
    void filterSwitchesPassTheShownStateOn();
    void filterFollowsTheControllersOnly();
    void filterRebuildsOnFunctionsWhileHiddenNotOnProduct();
    void filterRequestsReachTheControllers();

    // IR and haptic feedback.
    void irSwitchRequestsTheOppositeBothWays();
    void irReportWhileHiddenIsShownLater();
    void hapticSwitchRequestsTheOppositeBothWays();
    void hapticReportWhileHiddenIsShownLater();

private:
    QTemporaryDir m_configHome;
};

void TestConfigureSystemSettings::facilityRowsByRegionAndProduct_data()
{
    QTest::addColumn<RegionTypes::RegionType>("region");
    QTest::addColumn<MasterFuncDescTypes::RcbProduct>("product");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("ids");
    const QStringList three{"Private", "Time controlled", "Supervised"};
    const QList<int> threeIds{2, 1, 0};
    const QStringList two{"Private", "Public"};
    const QList<int> twoIds{2, 3};
    QTest::newRow("EU sauna") << RegionTypes::E_eu << MasterFuncDescTypes::E_sauna << three
                              << threeIds;
    QTest::newRow("EU public steam")
        << RegionTypes::E_eu << MasterFuncDescTypes::E_steam_public << three << threeIds;
    QTest::newRow("other public steam")
        << RegionTypes::E_other << MasterFuncDescTypes::E_steam_public << three << threeIds;
    QTest::newRow("North America low sauna")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_sauna_low << three << threeIds;
    QTest::newRow("North America combi")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_combi_auto << three << threeIds;
    QTest::newRow("North America public steam")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_steam_public << two << twoIds;
    QTest::newRow("North America private steam")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_steam_private << two << twoIds;
    QTest::newRow("North America manual-empty steam")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_steam_manual_empty << two
        << twoIds;
    QTest::newRow("North America sauna")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_sauna << two << twoIds;
    QTest::newRow("North America box add-on")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_box_addon << two << twoIds;
    QTest::newRow("North America infrared")
        << RegionTypes::E_north_america << MasterFuncDescTypes::E_sauna_ir << two << twoIds;
}

void TestConfigureSystemSettings::facilityRowsByRegionAndProduct()
{
    QFETCH(RegionTypes::RegionType, region);
    QFETCH(MasterFuncDescTypes::RcbProduct, product);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, ids);
    FacilityManager manager(nullptr);
    // With the start values: the three rows, none marked.
    manager.onFacilityTypeViewVisibleChanged(true);
    QCOMPARE(texts(*manager.model()), (QStringList{"Private", "Time controlled", "Supervised"}));
    QCOMPARE(checkedIds(*manager.model()), QList<int>());

    manager.onSaunaRegionChanged(region);
    manager.onSaunaMasterProductChanged(product);
    QCOMPARE(texts(*manager.model()), rows);
    QCOMPARE(modelReader::applIds(*manager.model()), ids);
    QCOMPARE(modelReader::texts(*manager.model(), "typeOfItem"),
             QStringList(rows.size(), QStringLiteral("only_checkmark")));
    QCOMPARE(modelReader::texts(*manager.model(), "layoutOrder").constFirst(),
             QStringLiteral("top"));
    QCOMPARE(modelReader::texts(*manager.model(), "layoutOrder").constLast(),
             QStringLiteral("bottom"));
    QCOMPARE(checkedIds(*manager.model()), QList<int>());
    const auto offered = FacilityManager::offeredTypes(region, product);
    QCOMPARE(QList<int>(offered.begin(), offered.end()), ids);
}

void TestConfigureSystemSettings::facilityRegionAndProductRebuildWhileHidden()
{
    FacilityManager manager(nullptr);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_public);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QCOMPARE(texts(*manager.model()), (QStringList{"Private", "Public"}));
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_public});
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_low);
    QCOMPARE(texts(*manager.model()), (QStringList{"Private", "Time controlled", "Supervised"}));
    manager.onFacilityTypeViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
}

void TestConfigureSystemSettings::facilityChoiceIsForgottenWithoutCommit()
{
    FacilityManager manager(nullptr);
    QSignalSpy requested(&manager, &FacilityManager::facilityTypeRequested);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_private_controlled);
    manager.onFacilityTypeViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_private_controlled});

    manager.onFacilityTypeSelected(SaunaStateTypes::E_supervised);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_supervised});
    QCOMPARE(requested.size(), 0);

    // Left without a commit: nothing is sent, and the page opens again on the reported type;
    // a commit there sends that type, not the forgotten choice.
    manager.onFacilityTypeViewVisibleChanged(false);
    QCOMPARE(requested.size(), 0);
    manager.onFacilityTypeViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_private_controlled});
    QCOMPARE(manager.facilityType(), SaunaStateTypes::E_private_controlled);
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(argumentOf<SaunaStateTypes::FacilityType>(requested),
             SaunaStateTypes::E_private_controlled);

    // Nothing reported yet: a choice left without a commit leaves nothing marked.
    FacilityManager fresh(nullptr);
    fresh.onFacilityTypeViewVisibleChanged(true);
    fresh.onFacilityTypeSelected(SaunaStateTypes::E_time_controlled);
    fresh.onFacilityTypeViewVisibleChanged(false);
    fresh.onFacilityTypeViewVisibleChanged(true);
    QCOMPARE(checkedIds(*fresh.model()), QList<int>());

    // A choice committed is sent.
    requested.clear();
    manager.onFacilityTypeSelected(SaunaStateTypes::E_supervised);
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(argumentOf<SaunaStateTypes::FacilityType>(requested), SaunaStateTypes::E_supervised);

    // The next report holds over the choice.
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_time_controlled);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_time_controlled});
    QCOMPARE(requested.size(), 1);
}

// Save is disabled while a commit would send nothing: before the first report, or while the
// reported type is one this region and product do not offer; marking an offered type enables it.
void TestConfigureSystemSettings::facilitySaveIsEnabledOnlyWithAnOfferedTypeMarked()
{
    FacilityManager manager(nullptr);
    QSignalSpy changes(&manager, &FacilityManager::commitEnabledChanged);
    auto enabled = [&manager] {
        return manager.property("commitEnabled").toBool();
    };
    manager.onFacilityTypeViewVisibleChanged(true);
    QVERIFY(!enabled());
    manager.onFacilityTypeSelected(SaunaStateTypes::E_supervised);
    QVERIFY(enabled());
    QCOMPARE(changes.size(), 1);
    // Left without a commit: the page opens again on nothing.
    manager.onFacilityTypeViewVisibleChanged(false);
    manager.onFacilityTypeViewVisibleChanged(true);
    QVERIFY(!enabled());

    // A reported type this North American sauna is not offered.
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_time_controlled);
    QVERIFY(enabled());
    changes.clear();
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QVERIFY(!enabled());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toBool(), false);
    manager.onFacilityTypeSelected(SaunaStateTypes::E_public);
    QVERIFY(enabled());
    // Another product offers the public type no longer.
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_low);
    QVERIFY(!enabled());
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_private_controlled);
    QVERIFY(enabled());
    QCOMPARE(changes.size(), 4);
}

void TestConfigureSystemSettings::facilityCommitSendsOnlyAnOfferedType()
{
    FacilityManager manager(nullptr);
    QSignalSpy requested(&manager, &FacilityManager::facilityTypeRequested);
    manager.onFacilityTypeViewVisibleChanged(true);

    // Nothing reported, nothing chosen: "unknown" is never sent.
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 0);

    // Ids that are no row of this list are ignored, and do not replace a valid choice.
    manager.onFacilityTypeSelected(SaunaStateTypes::E_time_controlled);
    for (const int id : {int(SaunaStateTypes::E_public), int(SaunaStateTypes::E_unknown), 7, -1}) {
        manager.onFacilityTypeSelected(id);
        QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_time_controlled});
    }
    QCOMPARE(manager.facilityType(), SaunaStateTypes::E_time_controlled);
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(argumentOf<SaunaStateTypes::FacilityType>(requested),
             SaunaStateTypes::E_time_controlled);

    // A type that the list of another region offers.
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    manager.onFacilityTypeSelected(SaunaStateTypes::E_public);
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 2);
    QCOMPARE(argumentOf<SaunaStateTypes::FacilityType>(requested, 1), SaunaStateTypes::E_public);
}

void TestConfigureSystemSettings::facilityReportedTypeNotOfferedChecksNothing()
{
    FacilityManager manager(nullptr);
    QSignalSpy requested(&manager, &FacilityManager::facilityTypeRequested);
    manager.onFacilityTypeViewVisibleChanged(true);
    manager.onSaunaFacilityTypeChanged(SaunaStateTypes::E_public);
    QCOMPARE(texts(*manager.model()).size(), 3);
    QCOMPARE(checkedIds(*manager.model()), QList<int>());
    // The type the sauna holds is not sent back by a commit without a choice.
    manager.onFacilityTypeCommit();
    QCOMPARE(requested.size(), 0);
    // Where it is offered, it is marked.
    manager.onSaunaRegionChanged(RegionTypes::E_north_america);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_public});
}

void TestConfigureSystemSettings::bathPriorityChoiceScreen_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("sent");
    QTest::newRow("automatic") << 0 << true;
    QTest::newRow("temperature") << 1 << true;
    QTest::newRow("humidity") << 2 << true;
    QTest::newRow("past the last") << 3 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestConfigureSystemSettings::bathPriorityChoiceScreen()
{
    QFETCH(int, choice);
    QFETCH(bool, sent);
    view::ConfigureSystemBathPriorityViewManager manager(nullptr);
    QSignalSpy requested(
        &manager, &view::ConfigureSystemBathPriorityViewManager::bathPriorityChangeRequested);
    manager.onBathPriorityViewVisibleChanged(true);
    QCOMPARE(texts(*manager.model()), (QStringList{"Automatic", "Temperature", "Humidity"}));
    QCOMPARE(modelReader::applIds(*manager.model()), (QList<int>{0, 1, 2}));
    QCOMPARE(modelReader::texts(*manager.model(), "layoutOrder"),
             (QStringList{"top", "centre", "bottom"}));
    // No priority reported yet: nothing marked.
    QCOMPARE(checkedIds(*manager.model()), QList<int>());
    const int other = choice == 0 ? 1 : 0;
    manager.onSaunaBathPriorityChanged(static_cast<SaunaStateTypes::BathPriority>(other));
    QCOMPARE(checkedIds(*manager.model()), QList<int>{other});

    manager.onBathTypePrioritySelected(choice);
    QCOMPARE(requested.size(), sent ? 1 : 0);
    if (sent)
        QCOMPARE(int(argumentOf<SaunaStateTypes::BathPriority>(requested)), choice);
    // The mark waits for the sauna.
    QCOMPARE(checkedIds(*manager.model()), QList<int>{other});
    if (sent) {
        manager.onSaunaBathPriorityChanged(static_cast<SaunaStateTypes::BathPriority>(choice));
        QCOMPARE(checkedIds(*manager.model()), QList<int>{choice});
    }
}

void TestConfigureSystemSettings::bathPriorityReportAnnouncesOnlyChangedRows()
{
    view::ConfigureSystemBathPriorityViewManager manager(nullptr);
    manager.onSaunaBathPriorityChanged(SaunaStateTypes::E_prio_automatic);
    manager.onBathPriorityViewVisibleChanged(true);
    QSignalSpy changed(manager.model(), &QAbstractItemModel::dataChanged);
    manager.onSaunaBathPriorityChanged(SaunaStateTypes::E_prio_automatic);
    QCOMPARE(changed.size(), 0);
    manager.onSaunaBathPriorityChanged(SaunaStateTypes::E_prio_temperature);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_prio_temperature});
    QList<int> rows;
    for (const QList<QVariant> &call : changed)
        rows << call.at(0).toModelIndex().row();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (QList<int>{0, 1}));
}

void TestConfigureSystemSettings::bathPriorityReportWhileHiddenIsShownLater()
{
    view::ConfigureSystemBathPriorityViewManager manager(nullptr);
    manager.onBathPriorityViewVisibleChanged(true);
    manager.onBathPriorityViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onSaunaBathPriorityChanged(SaunaStateTypes::E_prio_humidity);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onBathPriorityViewVisibleChanged(true);
    QCOMPARE(checkedIds(*manager.model()), QList<int>{SaunaStateTypes::E_prio_humidity});
}

void TestConfigureSystemSettings::pauseTimerButtonRequestsTheReset()
{
    view::ConfigureSystemPauseTimerViewManager manager(nullptr);
    QSignalSpy requested(&manager,
                         &view::ConfigureSystemPauseTimerViewManager::resetBathTimeTimerRequest);
    QSignalSpy messages(&manager,
                        &view::ConfigureSystemPauseTimerViewManager::panelUserMessageIssued);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onPauseTimerViewVisibleChanged(true);
    QCOMPARE(manager.model()->rowCount(), 1);
    QCOMPARE(modelReader::applIds(*manager.model()), QList<int>{ConfigureTypes::E_resetPauseTimer});
    QCOMPARE(modelReader::value(*manager.model(), 0, "componentType").toInt(),
             int(view::ComponentTypes::E_button));
    QCOMPARE(modelReader::value(*manager.model(), 0, "value").toString(),
             QStringLiteral("Reset pause timer"));
    QCOMPARE(modelReader::value(*manager.model(), 0, "value2").toBool(), true);
    // Shown twice: still one button.
    manager.onPauseTimerViewVisibleChanged(true);
    QCOMPARE(manager.model()->rowCount(), 1);

    manager.onResetTimerSelected();
    QCOMPARE(requested.size(), 1);
    // No question first, and no notice until the sauna answers.
    QCOMPARE(messages.size(), 0);
}

void TestConfigureSystemSettings::pauseTimerNoticeOnlyWhileShownOncePerReport()
{
    view::ConfigureSystemPauseTimerViewManager manager(nullptr);
    QSignalSpy messages(&manager,
                        &view::ConfigureSystemPauseTimerViewManager::panelUserMessageIssued);
    manager.onSaunaBathTimeTimerReset();
    QCOMPARE(messages.size(), 0);

    manager.onPauseTimerViewVisibleChanged(true);
    // Also a reset that another panel asked for.
    manager.onSaunaBathTimeTimerReset();
    QCOMPARE(messages.size(), 1);
    const auto message = messages.at(0).at(0).value<UserMessage>();
    QCOMPARE(message.id, quint32(0x201e));
    QCOMPARE(message.type, signalInterface::UserMessageTypes::E_typeOneButton);
    QVERIFY(message.arguments.isEmpty());
    QVERIFY(messages.at(0).at(1).value<signalInterface::UserMessageAction *>() == nullptr);
    manager.onSaunaBathTimeTimerReset();
    QCOMPARE(messages.size(), 2);

    manager.onPauseTimerViewVisibleChanged(false);
    manager.onSaunaBathTimeTimerReset();
    QCOMPARE(messages.size(), 2);
}

void TestConfigureSystemSettings::filterRowsByFunctionsAndProduct_data()
{
    QTest::addColumn<Post>("functions");
    QTest::addColumn<int>("product"); // -1: none reported
    QTest::addColumn<QStringList>("rows");
    const QStringList both{"100 Filter temperature on", "101 Filter humidity on"};
    const QStringList temperatureOnly{"100 Filter temperature on"};
    QTest::newRow("no description") << Post() << -1 << temperatureOnly;
    QTest::newRow("no humidity measured")
        << humidityFlags(false, false) << int(MasterFuncDescTypes::E_sauna) << temperatureOnly;
    QTest::newRow("level, sauna") << humidityFlags(true, false) << int(MasterFuncDescTypes::E_sauna)
                                  << both;
    QTest::newRow("percent, combi")
        << humidityFlags(false, true) << int(MasterFuncDescTypes::E_combi_auto) << both;
    QTest::newRow("level, no product yet") << humidityFlags(true, false) << -1 << both;
    QTest::newRow("level and percent, infrared")
        << humidityFlags(true, true) << int(MasterFuncDescTypes::E_sauna_ir) << temperatureOnly;
}

void TestConfigureSystemSettings::filterRowsByFunctionsAndProduct()
{
    QFETCH(Post, functions);
    QFETCH(int, product);
    QFETCH(QStringList, rows);
    FilterManager manager(nullptr);
    if (product >= 0)
        manager.onSaunaMasterProductChanged(static_cast<MasterFuncDescTypes::RcbProduct>(product));
    manager.onSaunaMasterFuncDescChanged(functions);
    manager.onFiltersViewVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), rows);
}

void TestConfigureSystemSettings::filterSwitchesPassTheShownStateOn()
{
    FilterManager manager(nullptr);
    QSignalSpy temperature(&manager, &FilterManager::temperaturePresentationChangeRequested);
    QSignalSpy humidity(&manager, &FilterManager::humidityPresentationChangeRequested);
    manager.onSaunaMasterFuncDescChanged(humidityFlags(true, false));
    manager.onFiltersViewVisibleChanged(true);

    // A switch that shows filtering asks for the direct values, one that shows none for smoothing.
    manager.onFilterChanged(FilterManager::temperatureFilterId, true);
    manager.onFilterChanged(FilterManager::temperatureFilterId, false);
    QCOMPARE(temperature.size(), 2);
    QCOMPARE(argumentOf<TemperatureTypes::TemperaturePresentation>(temperature, 0),
             TemperatureTypes::E_direct);
    QCOMPARE(argumentOf<TemperatureTypes::TemperaturePresentation>(temperature, 1),
             TemperatureTypes::E_smooth);
    manager.onFilterChanged(FilterManager::humidityFilterId, true);
    manager.onFilterChanged(FilterManager::humidityFilterId, false);
    QCOMPARE(humidity.size(), 2);
    QCOMPARE(argumentOf<HumidityTypes::HumidityPresentation>(humidity, 0), HumidityTypes::E_direct);
    QCOMPARE(argumentOf<HumidityTypes::HumidityPresentation>(humidity, 1), HumidityTypes::E_smooth);
    QCOMPARE(temperature.size(), 2);

    for (const int id : {99, 102, 0, int(ConfigureTypes::E_irEnable)})
        manager.onFilterChanged(id, true);
    QCOMPARE(temperature.size() + humidity.size(), 4);
}

void TestConfigureSystemSettings::filterFollowsTheControllersOnly()
{
    FilterManager manager(nullptr);
    manager.onSaunaMasterFuncDescChanged(humidityFlags(false, true));
    manager.onFiltersViewVisibleChanged(true);
    manager.onFilterChanged(FilterManager::temperatureFilterId, true);
    // No switch moves by itself.
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature on", "101 Filter humidity on"}));
    manager.onTemperaturePresentationChanged(TemperatureTypes::E_direct);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature off", "101 Filter humidity on"}));
    manager.onHumidityPresentationChanged(HumidityTypes::E_direct);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature off", "101 Filter humidity off"}));

    // Reports while hidden are kept for the next showing.
    manager.onFiltersViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onTemperaturePresentationChanged(TemperatureTypes::E_smooth);
    manager.onFiltersViewVisibleChanged(true);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature on", "101 Filter humidity off"}));
}

void TestConfigureSystemSettings::filterRebuildsOnFunctionsWhileHiddenNotOnProduct()
{
    FilterManager manager(nullptr);
    manager.onSaunaMasterFuncDescChanged(humidityFlags(true, false));
    QCOMPARE(manager.model()->rowCount(), 2);
    manager.onFiltersViewVisibleChanged(false);

    manager.onFiltersViewVisibleChanged(true);
    manager.onSaunaMasterProductChanged(MasterFuncDescTypes::E_sauna_ir);
    // The product alone does not change the shown list ...
    QCOMPARE(manager.model()->rowCount(), 2);
    // ... the next function description does.
    manager.onSaunaMasterFuncDescChanged(humidityFlags(true, false));
    QCOMPARE(switches(*manager.model()), QStringList{"100 Filter temperature on"});
}

void TestConfigureSystemSettings::filterRequestsReachTheControllers()
{
    control::Settings frame(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
    control::TemperatureController temperature;
    control::HumidityController humidity;
    details::ConfigureTabObjectsProvider provider(nullptr);
    QCOMPARE(provider.connectSystemSettingsControllers(temperature, humidity), 0);
    FilterManager &manager = provider.manager<view::ConfigureSystemFilterViewManager>();
    temperature.emitInitialState();
    humidity.emitInitialState();
    manager.onSaunaMasterFuncDescChanged(humidityFlags(true, true));
    manager.onFiltersViewVisibleChanged(true);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature on", "101 Filter humidity on"}));

    manager.onFilterChanged(FilterManager::temperatureFilterId, true);
    QCOMPARE(temperature.temperaturePresentation(), TemperatureTypes::E_direct);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature off", "101 Filter humidity on"}));
    manager.onFilterChanged(FilterManager::humidityFilterId, true);
    QCOMPARE(humidity.humidityPresentation(), HumidityTypes::E_direct);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature off", "101 Filter humidity off"}));
    manager.onFilterChanged(FilterManager::temperatureFilterId, false);
    QCOMPARE(temperature.temperaturePresentation(), TemperatureTypes::E_smooth);
    QCOMPARE(switches(*manager.model()),
             (QStringList{"100 Filter temperature on", "101 Filter humidity off"}));
}

void TestConfigureSystemSettings::irSwitchRequestsTheOppositeBothWays()
{
    view::ConfigureSystemIrViewManager manager(nullptr);
    QSignalSpy requested(&manager, &view::ConfigureSystemIrViewManager::irEnableChangeRequested);
    manager.onIrVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"22 Enable off"});

    manager.onIrToggleChanged(ConfigureTypes::E_irEnable, false);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.at(0).at(0).toBool(), true);
    // The switch waits for the sauna.
    QCOMPARE(switches(*manager.model()), QStringList{"22 Enable off"});
    manager.onIrEnableChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"22 Enable on"});

    manager.onIrToggleChanged(ConfigureTypes::E_irEnable, true);
    QCOMPARE(requested.size(), 2);
    QCOMPARE(requested.at(1).at(0).toBool(), false);

    manager.onIrToggleChanged(HapticManager::vibrationId, true);
    manager.onIrToggleChanged(ConfigureTypes::E_filter, true);
    QCOMPARE(requested.size(), 2);
}

void TestConfigureSystemSettings::irReportWhileHiddenIsShownLater()
{
    view::ConfigureSystemIrViewManager manager(nullptr);
    manager.onIrEnableChanged(true);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onIrVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"22 Enable on"});
    manager.onIrVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onIrEnableChanged(false);
    manager.onIrVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"22 Enable off"});
}

void TestConfigureSystemSettings::hapticSwitchRequestsTheOppositeBothWays()
{
    HapticManager manager(nullptr);
    QSignalSpy requested(&manager, &HapticManager::hapticFeedbackChangeRequested);
    manager.onHapticFeedbackViewVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"200 Vibration on"});

    manager.onHapticFeedbackChanged(HapticManager::vibrationId, true);
    QCOMPARE(requested.size(), 1);
    QCOMPARE(argumentOf<HapticFeedbackTypes::HapticFeedback>(requested),
             HapticFeedbackTypes::E_deactivated);
    QCOMPARE(switches(*manager.model()), QStringList{"200 Vibration on"});
    manager.onHapticFeedbackPresentationChanged(HapticFeedbackTypes::E_deactivated);
    QCOMPARE(switches(*manager.model()), QStringList{"200 Vibration off"});

    manager.onHapticFeedbackChanged(HapticManager::vibrationId, false);
    QCOMPARE(requested.size(), 2);
    QCOMPARE(argumentOf<HapticFeedbackTypes::HapticFeedback>(requested, 1),
             HapticFeedbackTypes::E_activated);

    manager.onHapticFeedbackChanged(ConfigureTypes::E_irEnable, true);
    manager.onHapticFeedbackChanged(ConfigureTypes::E_hapticFeedback, true);
    QCOMPARE(requested.size(), 2);
}

void TestConfigureSystemSettings::hapticReportWhileHiddenIsShownLater()
{
    HapticManager manager(nullptr);
    manager.onHapticFeedbackPresentationChanged(HapticFeedbackTypes::E_deactivated);
    QCOMPARE(manager.model()->rowCount(), 0);
    manager.onHapticFeedbackViewVisibleChanged(true);
    QCOMPARE(switches(*manager.model()), QStringList{"200 Vibration off"});
    QCOMPARE(modelReader::value(*manager.model(), 0, "componentType").toInt(),
             int(view::ComponentTypes::E_toggle));
    manager.onHapticFeedbackViewVisibleChanged(false);
    QCOMPARE(manager.model()->rowCount(), 0);
}

QTEST_MAIN(TestConfigureSystemSettings)
#include "tst_configure_system_settings.moc"
