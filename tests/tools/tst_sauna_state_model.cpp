#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulator_messages.h"

#include "protocol_buffers_support/message_parsing.h"

#include "message.pb.h"

#include <QSet>
#include <QtTest>

#include <optional>

using tools::BooleanId;
using tools::BooleanRequestId;
using tools::IntegerId;
using tools::IntegerRequestId;
using tools::SaunaReport;
using tools::SaunaStateModel;
using tools::SaunaStateValue;
using tools::WaterLevelValue;

namespace {

std::optional<quint32> integerIn(const SaunaReport &report, int id)
{
    for (const auto &[reportId, value] : report.integers)
        if (reportId == id)
            return value;
    return std::nullopt;
}

std::optional<bool> booleanIn(const SaunaReport &report, int id)
{
    for (const auto &[reportId, value] : report.booleans)
        if (reportId == id)
            return value;
    return std::nullopt;
}

} // namespace

// The simulated sauna's rules, without sockets or messages.
class TestSaunaStateModel : public QObject
{
    Q_OBJECT

private slots:
    void fullReportHoldsEveryValue();
    void integerRequestChangesItsReport_data();
    void integerRequestChangesItsReport();
    void outOfRangeIntegerRequestIsRefused_data();
    void outOfRangeIntegerRequestIsRefused();
    void unusedIntegerRequestChangesNothing();
    void loweringUpperLimitPullsTargetDown();
    void resetBathTimeTimerIsAlwaysReported();
    void booleanRequestChangesItsReport_data();
    void booleanRequestChangesItsReport();
    void enumRequestChangesOnlyWhatItCarries();
    void facilityTypeRequestIsReportedBack_data();
    void facilityTypeRequestIsReportedBack();
    void unknownFacilityTypeIsRefused();
    void bathPriorityRequestIsReportedBack();
    void switchingOnStartsBathTime();
    void heatingMovesTowardTargetAndStops();
    void standbyHeatsToReducedTarget();
    void bathTimeRunsOutAndSwitchesOff();
    // The automatic fan: with the bath, then for its running time.
    void fanRunsWithTheBathAndAfterIt_data();
    void fanRunsWithTheBathAndAfterIt();
    // The steam generator's tanks: boiling in a bath, held at their standby temperature.
    void tankWaterFollowsTheSauna_data();
    void tankWaterFollowsTheSauna();
    void systemTimeFollowsRequest();
    // The status a panel's installer sees: relays, tanks and the error log.
    void relaysOfEveryBoardFollowTheSauna();
    void errorLogIsFilledWithVariedEntries();
    void errorLogClearReportsTheEmptiedEntries();
    void humiditySensorFailsAndWorksAgain();
    void tankWaterLevelsChangeWhereThereIsATank();
    // The daily period in which the sauna may not be started.
    void startInNotAllowedPeriodIsRefused_data();
    void startInNotAllowedPeriodIsRefused();
    void refusalTellsWhenStartIsAllowed();
    void runningSaunaMayChangeStateInThePeriod();
    void startReportsTheLowSecondaryTank_data();
    void startReportsTheLowSecondaryTank();
    // A delayed start set on the sauna itself.
    void delayedStartSwitchesOnWhenDue();
    void delayedStartEndsWithAnySwitching_data();
    void delayedStartEndsWithAnySwitching();
    // What each product has.
    void humidityIsControlledOnlyWhereTheProductHasIt_data();
    void humidityIsControlledOnlyWhereTheProductHasIt();
    void steamGeneratorIsReportedOnlyWhereTheProductHasIt_data();
    void steamGeneratorIsReportedOnlyWhereTheProductHasIt();
};

void TestSaunaStateModel::fullReportHoldsEveryValue()
{
    const SaunaStateModel model;
    const SaunaReport report = model.fullReport();
    QCOMPARE(integerIn(report, IntegerId::TargetTemperature), std::optional<quint32>(720));
    QCOMPARE(integerIn(report, IntegerId::Temperature),
             std::optional<quint32>(SaunaStateModel::AmbientTemperature));
    QCOMPARE(integerIn(report, IntegerId::NotAllowedStartFrom), std::optional<quint32>(1320));
    QVERIFY(!integerIn(report, IntegerId::BathTimeTimerReset)); // an event, not a value
    QCOMPARE(booleanIn(report, BooleanId::Lights), std::optional<bool>(false));
    QCOMPARE(booleanIn(report, BooleanId::IrEnable), std::optional<bool>(false));
    QCOMPARE(report.booleans.size(), std::size_t(14));
    QVERIFY(report.enums.facilityType && report.enums.region && report.enums.waterLevelPrimary &&
            report.enums.externalSwitchFunction && report.enums.bathPriority);
    QVERIFY(report.stateChanged);
    QVERIFY(report.dataErrors.empty());
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
}

void TestSaunaStateModel::integerRequestChangesItsReport_data()
{
    QTest::addColumn<int>("requestId");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("reportId");
    QTest::newRow("target temperature") << 10 << 630u << int(IntegerId::TargetTemperature);
    QTest::newRow("standby reduction") << 11 << 45u << int(IntegerId::StandbyOffsetTemperature);
    QTest::newRow("min bath temperature") << 12 << 405u << int(IntegerId::LowerTemperatureLimit);
    QTest::newRow("max bath temperature") << 13 << 900u << int(IntegerId::UpperTemperatureLimit);
    QTest::newRow("bath time") << 14 << 90u << int(IntegerId::BathTime);
    // A favorite's bath time of 0, asked for when the favorite starts.
    QTest::newRow("bath time 0") << 14 << 0u << int(IntegerId::BathTime);
    QTest::newRow("humidity percent") << 15 << 100u << int(IntegerId::TargetHumidity);
    QTest::newRow("humidity step 10") << 15 << 111u << int(IntegerId::TargetHumidity);
    QTest::newRow("tank standby") << 17 << 450u << int(IntegerId::TankStandbyTemperature);
    QTest::newRow("ext switch bath time") << 18 << 120u << int(IntegerId::ExtSwitchBathTime);
    QTest::newRow("water limit 115 °C") << 19 << 1035u << int(IntegerId::WaterTemperatureLimit);
    QTest::newRow("board overheat 90 °C") << 20 << 810u << int(IntegerId::PcbOverheatLimit);
    QTest::newRow("fan runtime") << 21 << 15u << int(IntegerId::FanRuntime);
    QTest::newRow("cleanup time") << 22 << 48u << int(IntegerId::CleanupBetweenTime);
    QTest::newRow("cleanup time 1500 h") << 22 << 1500u << int(IntegerId::CleanupBetweenTime);
    QTest::newRow("auto emptying") << 24 << 20u << int(IntegerId::TankAutoEmptyingDuration);
    QTest::newRow("tank fill time 3 min") << 25 << 180u << int(IntegerId::RcbTankFillTime);
    QTest::newRow("not allowed from 07:30") << 26 << 450u << int(IntegerId::NotAllowedStartFrom);
    QTest::newRow("not allowed until 23:59") << 27 << 1439u << int(IntegerId::NotAllowedStartUntil);
}

void TestSaunaStateModel::integerRequestChangesItsReport()
{
    QFETCH(int, requestId);
    QFETCH(quint32, value);
    QFETCH(int, reportId);
    SaunaStateModel model;
    const SaunaReport report = model.requestInteger(requestId, value);
    QVERIFY(report.dataErrors.empty());
    QCOMPARE(integerIn(report, reportId), std::optional<quint32>(value));
    QCOMPARE(model.integer(reportId), value);
}

void TestSaunaStateModel::outOfRangeIntegerRequestIsRefused_data()
{
    QTest::addColumn<int>("requestId");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("reportId");
    QTest::newRow("target above upper limit") << 10 << 991u << int(IntegerId::TargetTemperature);
    QTest::newRow("target below lower limit") << 10 << 359u << int(IntegerId::TargetTemperature);
    QTest::newRow("bath time above limit") << 14 << 721u << int(IntegerId::BathTime);
    QTest::newRow("humidity code 112") << 15 << 112u << int(IntegerId::TargetHumidity);
    QTest::newRow("minute 1440") << 27 << 1440u << int(IntegerId::NotAllowedStartUntil);
    QTest::newRow("water limit below 100 °C")
        << 19 << 899u << int(IntegerId::WaterTemperatureLimit);
    QTest::newRow("board overheat above 90 °C") << 20 << 811u << int(IntegerId::PcbOverheatLimit);
    QTest::newRow("tank fill time above 20 min") << 25 << 1201u << int(IntegerId::RcbTankFillTime);
    QTest::newRow("max below min") << 13 << 300u << int(IntegerId::UpperTemperatureLimit);
    QTest::newRow("cleanup time 1501 h") << 22 << 1501u << int(IntegerId::CleanupBetweenTime);
}

void TestSaunaStateModel::outOfRangeIntegerRequestIsRefused()
{
    QFETCH(int, requestId);
    QFETCH(quint32, value);
    QFETCH(int, reportId);
    SaunaStateModel model;
    const quint32 before = model.integer(reportId);
    const SaunaReport report = model.requestInteger(requestId, value);
    QCOMPARE(report.dataErrors.size(), std::size_t(1));
    QVERIFY(report.dataErrors.front().contains(QString::number(value)));
    // The value that still holds is reported, so a panel shows what the sauna has.
    QCOMPARE(integerIn(report, reportId), std::optional<quint32>(before));
    QCOMPARE(model.integer(reportId), before);
}

void TestSaunaStateModel::unusedIntegerRequestChangesNothing()
{
    SaunaStateModel model;
    QVERIFY(model.requestInteger(16, 5).isEmpty());
    QVERIFY(model.requestInteger(99, 5).isEmpty());
}

void TestSaunaStateModel::loweringUpperLimitPullsTargetDown()
{
    SaunaStateModel model;
    const SaunaReport report = model.requestInteger(13, 630); // maximum 70 °C, target was 80 °C
    QCOMPARE(integerIn(report, IntegerId::UpperTemperatureLimit), std::optional<quint32>(630));
    QCOMPARE(integerIn(report, IntegerId::TargetTemperature), std::optional<quint32>(630));
    QCOMPARE(model.integer(IntegerId::TargetTemperature), 630u);
}

void TestSaunaStateModel::resetBathTimeTimerIsAlwaysReported()
{
    SaunaStateModel model;
    for (int i = 0; i < 2; ++i) {
        const SaunaReport report = model.requestInteger(23, 0);
        QCOMPARE(integerIn(report, IntegerId::BathTimeTimerReset), std::optional<quint32>(0));
    }
}

void TestSaunaStateModel::booleanRequestChangesItsReport_data()
{
    QTest::addColumn<int>("requestId");
    QTest::addColumn<int>("reportId");
    QTest::newRow("lights") << 10 << int(BooleanId::Lights);
    QTest::newRow("enable standby") << 11 << int(BooleanId::EnableStandby);
    QTest::newRow("schedule item disable") << 12 << int(BooleanId::ScheduleItemDisable);
    QTest::newRow("fan automatic") << 13 << int(BooleanId::FanAutomatic);
    QTest::newRow("fan running") << 14 << int(BooleanId::FanRunning);
    QTest::newRow("cleanup enable") << 15 << int(BooleanId::CleanupEnable);
    QTest::newRow("tank emptying") << 16 << int(BooleanId::TankAutoEmptyingEnable);
    QTest::newRow("not allowed start") << 17 << int(BooleanId::NotAllowedStartEnable);
    QTest::newRow("cleanup tank notice") << 18 << int(BooleanId::TankNotificationEnable);
    QTest::newRow("ir enable") << 19 << int(BooleanId::IrEnable);
}

void TestSaunaStateModel::booleanRequestChangesItsReport()
{
    QFETCH(int, requestId);
    QFETCH(int, reportId);
    SaunaStateModel model;
    const bool flipped = !model.boolean(reportId);
    const SaunaReport report = model.requestBoolean(requestId, flipped);
    QCOMPARE(booleanIn(report, reportId), std::optional<bool>(flipped));
    QCOMPARE(model.boolean(reportId), flipped);
    QCOMPARE(report.booleans.size(), std::size_t(1));
}

void TestSaunaStateModel::enumRequestChangesOnlyWhatItCarries()
{
    SaunaStateModel model;
    tools::EnumSettings request;
    request.region = 31;
    const SaunaReport report = model.requestEnums(request);
    QCOMPARE(report.enums.region, std::optional<int>(31));
    QVERIFY(!report.enums.facilityType);
    QVERIFY(!report.enums.bathPriority);
    QCOMPARE(model.enums().region, std::optional<int>(31));
    QCOMPARE(model.enums().facilityType, std::optional<int>(22));
}

void TestSaunaStateModel::facilityTypeRequestIsReportedBack_data()
{
    QTest::addColumn<int>("wireType");
    QTest::newRow("supervised") << 20;
    QTest::newRow("time controlled") << 21;
    QTest::newRow("public") << 23;
}

void TestSaunaStateModel::facilityTypeRequestIsReportedBack()
{
    QFETCH(int, wireType);
    SaunaStateModel model;
    tools::EnumSettings request;
    request.facilityType = wireType;
    const SaunaReport report = model.requestEnums(request);
    QCOMPARE(report.enums.facilityType, std::optional<int>(wireType));
    QVERIFY(report.dataErrors.empty());
    QCOMPARE(model.enums().facilityType, std::optional<int>(wireType));
    // A panel that connects later is told the new type.
    QCOMPARE(model.fullReport().enums.facilityType, std::optional<int>(wireType));
    // The same type again is confirmed too.
    QCOMPARE(model.requestEnums(request).enums.facilityType, std::optional<int>(wireType));
}

void TestSaunaStateModel::unknownFacilityTypeIsRefused()
{
    SaunaStateModel model;
    tools::EnumSettings request;
    request.facilityType = 21;
    model.requestEnums(request);
    for (const int refused : {24, 19, 25}) {
        request.facilityType = refused;
        const SaunaReport report = model.requestEnums(request);
        QCOMPARE(report.dataErrors.size(), std::size_t(1));
        // The type that still holds is reported, so that the panel shows it again.
        QCOMPARE(report.enums.facilityType, std::optional<int>(21));
        QCOMPARE(model.enums().facilityType, std::optional<int>(21));
    }
}

void TestSaunaStateModel::bathPriorityRequestIsReportedBack()
{
    SaunaStateModel model;
    QCOMPARE(model.fullReport().enums.bathPriority, std::optional<int>(50));
    tools::EnumSettings request;
    request.bathPriority = 52;
    const SaunaReport report = model.requestEnums(request);
    QCOMPARE(report.enums.bathPriority, std::optional<int>(52));
    QVERIFY(!report.enums.facilityType);
    QCOMPARE(model.fullReport().enums.bathPriority, std::optional<int>(52));
}

void TestSaunaStateModel::switchingOnStartsBathTime()
{
    SaunaStateModel model;
    SaunaReport report = model.requestState(SaunaStateValue::On);
    QVERIFY(report.stateChanged);
    QCOMPARE(integerIn(report, IntegerId::RunTimeLeft), std::optional<quint32>(240));
    QCOMPARE(model.state(), int(SaunaStateValue::On));

    report = model.requestState(SaunaStateValue::Off);
    QCOMPARE(integerIn(report, IntegerId::RunTimeLeft), std::optional<quint32>(0));
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
}

void TestSaunaStateModel::heatingMovesTowardTargetAndStops()
{
    SaunaStateModel model;
    QVERIFY(model.heatStep(1000).isEmpty()); // off, at ambient: nothing changes

    model.requestInteger(10, 360); // 40 °C
    model.requestState(SaunaStateValue::On);
    QVERIFY(model.relays().front().state); // the heater is on

    quint32 previous = model.integer(IntegerId::Temperature);
    for (int step = 0; step < 100; ++step) {
        model.heatStep(1000);
        const quint32 now = model.integer(IntegerId::Temperature);
        QVERIFY(now >= previous);
        QVERIFY(now - previous <= SaunaStateModel::TemperatureStep);
        previous = now;
    }
    QCOMPARE(model.integer(IntegerId::Temperature), 360u);
    QVERIFY(!model.relays().front().state); // target reached: the heater is off

    model.requestState(SaunaStateValue::Off);
    const SaunaReport cooling = model.heatStep(1000);
    QCOMPARE(integerIn(cooling, IntegerId::Temperature),
             std::optional<quint32>(360 - SaunaStateModel::TemperatureStep));
}

void TestSaunaStateModel::standbyHeatsToReducedTarget()
{
    SaunaStateModel model;
    model.requestState(SaunaStateValue::Standby);
    for (int step = 0; step < 200; ++step)
        model.heatStep(1000);
    QCOMPARE(model.integer(IntegerId::Temperature), 720u - 90u); // target less the standby offset
}

void TestSaunaStateModel::bathTimeRunsOutAndSwitchesOff()
{
    SaunaStateModel model;
    model.requestInteger(14, 2); // two minutes
    // The run time is the heater's total: switching on does not start it again.
    const quint32 runTime = model.integer(IntegerId::RunTime);
    QVERIFY(!integerIn(model.requestState(SaunaStateValue::On), IntegerId::RunTime));

    SaunaReport report = model.heatStep(SaunaStateModel::MillisecondsPerMinute);
    QCOMPARE(integerIn(report, IntegerId::RunTimeLeft), std::optional<quint32>(1));
    QCOMPARE(integerIn(report, IntegerId::RunTime), std::optional<quint32>(runTime + 1));
    QCOMPARE(model.state(), int(SaunaStateValue::On));

    report = model.heatStep(SaunaStateModel::MillisecondsPerMinute);
    QCOMPARE(integerIn(report, IntegerId::RunTimeLeft), std::optional<quint32>(0));
    QVERIFY(report.stateChanged);
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
}

namespace {

// What the user does with the fan's own switch around a bath.
enum class FanSwitch { Untouched, OffInTheBath, OnAfterTheBath };

} // namespace

void TestSaunaStateModel::fanRunsWithTheBathAndAfterIt_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<quint32>("runningTime"); // minutes after the bath
    QTest::addColumn<int>("fanSwitch");
    QTest::addColumn<bool>("runsOn");        // once the sauna is switched off
    QTest::addColumn<bool>("stopsInTheEnd"); // at the running time
    const int untouched = int(FanSwitch::Untouched);
    QTest::newRow("15 minutes after") << true << 15u << untouched << true << true;
    QTest::newRow("none after") << true << 0u << untouched << false << false;
    QTest::newRow("automatic off") << false << 15u << untouched << false << false;
    QTest::newRow("switched off in the bath")
        << true << 15u << int(FanSwitch::OffInTheBath) << false << false;
    QTest::newRow("switched on after the bath")
        << true << 15u << int(FanSwitch::OnAfterTheBath) << true << false;
}

void TestSaunaStateModel::fanRunsWithTheBathAndAfterIt()
{
    QFETCH(bool, automatic);
    QFETCH(quint32, runningTime);
    QFETCH(int, fanSwitch);
    QFETCH(bool, runsOn);
    QFETCH(bool, stopsInTheEnd);
    QDateTime now(QDate(2024, 3, 4), QTime(12, 0), QTimeZone::utc());
    SaunaStateModel model;
    model.setClock([&now] { return now; });
    model.requestBoolean(BooleanRequestId::FanAutomatic, automatic);
    model.requestInteger(IntegerRequestId::FanRuntime, runningTime);

    // The fan starts with the bath, its relay with it.
    const SaunaReport on = model.requestState(SaunaStateValue::On);
    QCOMPARE(booleanIn(on, BooleanId::FanRunning),
             automatic ? std::optional<bool>(true) : std::nullopt);
    QCOMPARE(model.relays().at(2).state, automatic);
    if (FanSwitch(fanSwitch) == FanSwitch::OffInTheBath)
        model.requestBoolean(BooleanRequestId::FanRunning, false);
    now = now.addSecs(3600);
    model.requestState(SaunaStateValue::Off);
    if (FanSwitch(fanSwitch) == FanSwitch::OnAfterTheBath)
        model.requestBoolean(BooleanRequestId::FanRunning, true);

    // It runs on for its running time by the computer's clock: setting the sauna's clock a day on
    // does not cut it short.
    model.requestSystemTime(model.systemTime() + 24 * 3600 * 1000, now);
    QCOMPARE(model.boolean(BooleanId::FanRunning), runsOn);
    now = now.addSecs(qint64(runningTime) * 60 - 1);
    QVERIFY(model.lookAtClock().isEmpty());
    now = now.addSecs(1);
    const SaunaReport end = model.lookAtClock();
    QCOMPARE(booleanIn(end, BooleanId::FanRunning),
             stopsInTheEnd ? std::optional<bool>(false) : std::nullopt);
    QCOMPARE(end.stateChanged, stopsInTheEnd);
    QCOMPARE(model.relays().at(2).state, runsOn && !stopsInTheEnd);
}

void TestSaunaStateModel::tankWaterFollowsTheSauna_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("multiSteam");
    QTest::newRow("steam") << 32 << false;
    QTest::newRow("combi, multi-steam") << 31 << true;
    QTest::newRow("dry sauna") << 37 << false;
}

void TestSaunaStateModel::tankWaterFollowsTheSauna()
{
    QFETCH(int, product);
    QFETCH(bool, multiSteam);
    SaunaStateModel model;
    model.useProductDefaults(product);
    if (multiSteam)
        model.useSystemType(21);
    const bool steam = model.hasSteamGenerator();
    std::vector<int> tanks{IntegerId::TankTemperaturePrimary};
    if (multiSteam)
        tanks.insert(tanks.end(),
                     {IntegerId::TankTemperatureSecondary1, IntegerId::TankTemperatureSecondary2});
    // Long enough for any water to reach what it is heated or cooled to, a degree a step.
    const auto settle = [&model] {
        SaunaReport report;
        for (int step = 0; step < 100; ++step)
            report.append(model.heatStep(1000));
        return report;
    };
    const auto checkTanks = [&](const SaunaReport &report, quint32 water) {
        for (const int tank : tanks) {
            QCOMPARE(model.integer(tank), steam ? water : 0u);
            QCOMPARE(integerIn(report, tank).has_value(), steam);
        }
    };

    // In standby the water is held at the tank standby temperature, 85 °C, and at a lower one,
    // 75 °C, once that is set.
    model.requestInteger(IntegerRequestId::TankStandbyTemperature, 765);
    model.requestState(SaunaStateValue::Standby);
    checkTanks(settle(), 765);
    model.requestInteger(IntegerRequestId::TankStandbyTemperature, 675);
    checkTanks(settle(), 675);
    // In a bath it boils; switched off, it cools to the room's temperature.
    model.requestState(SaunaStateValue::On);
    checkTanks(settle(), SaunaStateModel::BoilingWaterTemperature);
    model.requestState(SaunaStateValue::Off);
    checkTanks(settle(), SaunaStateModel::AmbientTemperature);
    QVERIFY(model.heatStep(1000).isEmpty());
}

namespace {

// A model whose clock shows the given wall-clock time and stands still there.
void setSaunaClock(SaunaStateModel &model, const QDateTime &wallClock)
{
    const QDateTime now(QDate(2024, 3, 4), QTime(12, 0), QTimeZone::utc());
    model.setClock([now] { return now; });
    model.requestSystemTime(quint64(SaunaStateModel::protocolEpoch().msecsTo(wallClock)), now);
}

void setNotAllowedPeriod(SaunaStateModel &model, bool enabled, int from, int until)
{
    model.requestBoolean(BooleanRequestId::NotAllowedStartEnable, enabled);
    model.requestInteger(IntegerRequestId::NotAllowedStartFrom, quint32(from));
    model.requestInteger(IntegerRequestId::NotAllowedStartUntil, quint32(until));
}

// Stores favorite 0, for a start by favorite.
void storeFavorite(SaunaStateModel &model)
{
    tools::FavoriteChange favorite;
    favorite.index = 0;
    favorite.inUse = true;
    favorite.name = QStringLiteral("Late");
    QVERIFY(model.requestFavorite(favorite).dataErrors.empty());
}

} // namespace

void TestSaunaStateModel::humiditySensorFailsAndWorksAgain()
{
    SaunaStateModel model;
    model.requestState(SaunaStateValue::On);
    model.heatStep(1000);
    const quint32 humidity = model.integer(IntegerId::Humidity);

    const SaunaReport failed = model.setHumiditySensorWorking(false);
    QCOMPARE(booleanIn(failed, BooleanId::HumiditySensorStatus), std::optional<bool>(false));
    QVERIFY(failed.userMessage);
    QCOMPARE(failed.userMessage->id, quint32(0x100e));
    // No steam, and nothing measured to report.
    for (int step = 0; step < 5; ++step)
        QVERIFY(!integerIn(model.heatStep(1000), IntegerId::Humidity));
    QCOMPARE(booleanIn(model.fullReport(), BooleanId::HumiditySensorStatus),
             std::optional<bool>(false));

    // Working again: the room's humidity is reported at once, though it is what it was.
    const SaunaReport working = model.setHumiditySensorWorking(true);
    QCOMPARE(booleanIn(working, BooleanId::HumiditySensorStatus), std::optional<bool>(true));
    QCOMPARE(integerIn(working, IntegerId::Humidity), std::optional<quint32>(humidity));
    QVERIFY(integerIn(model.heatStep(1000), IntegerId::Humidity));
}

void TestSaunaStateModel::tankWaterLevelsChangeWhereThereIsATank()
{
    SaunaStateModel model;
    const SaunaReport low = model.setTankWaterLevel(0, WaterLevelValue::Low);
    QCOMPARE(low.enums.waterLevelPrimary, std::optional<int>(WaterLevelValue::Low));
    QCOMPARE(model.fullReport().enums.waterLevelPrimary, std::optional<int>(WaterLevelValue::Low));
    // Not a level, not a board, or a board without a tank on a standard system.
    QVERIFY(model.setTankWaterLevel(0, 14).isEmpty());
    QVERIFY(model.setTankWaterLevel(3, WaterLevelValue::High).isEmpty());
    QVERIFY(model.setTankWaterLevel(1, WaterLevelValue::High).isEmpty());

    SaunaStateModel dry;
    dry.useProductDefaults(37);
    QVERIFY(dry.setTankWaterLevel(0, WaterLevelValue::Low).isEmpty());
    QVERIFY(!dry.fullReport().enums.waterLevelPrimary);
}

void TestSaunaStateModel::startInNotAllowedPeriodIsRefused_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("until");
    QTest::addColumn<QTime>("clock");
    QTest::addColumn<int>("minutesToAllowed"); // -1: the start is allowed

    QTest::newRow("22-06 at 02:51") << true << 1320 << 360 << QTime(2, 51) << 189;
    QTest::newRow("22-06 at 22:00") << true << 1320 << 360 << QTime(22, 0) << 480;
    QTest::newRow("22-06 at 05:59:59") << true << 1320 << 360 << QTime(5, 59, 59) << 1;
    QTest::newRow("22-06 at 06:00") << true << 1320 << 360 << QTime(6, 0) << -1;
    QTest::newRow("22-06 at 21:59") << true << 1320 << 360 << QTime(21, 59) << -1;
    QTest::newRow("08-17 at 12:30") << true << 480 << 1020 << QTime(12, 30) << 270;
    QTest::newRow("08-17 at 17:00") << true << 480 << 1020 << QTime(17, 0) << -1;
    QTest::newRow("08-17 at 07:59") << true << 480 << 1020 << QTime(7, 59) << -1;
    QTest::newRow("equal limits") << true << 600 << 600 << QTime(10, 0) << -1;
    QTest::newRow("switched off") << false << 1320 << 360 << QTime(2, 51) << -1;
}

void TestSaunaStateModel::startInNotAllowedPeriodIsRefused()
{
    QFETCH(bool, enabled);
    QFETCH(int, from);
    QFETCH(int, until);
    QFETCH(QTime, clock);
    QFETCH(int, minutesToAllowed);
    const bool refused = minutesToAllowed >= 0;

    // Every way a bath starts: on, standby, and a favorite.
    for (int way = 0; way < 3; ++way) {
        SaunaStateModel model;
        storeFavorite(model);
        setNotAllowedPeriod(model, enabled, from, until);
        setSaunaClock(model, QDateTime(QDate(2024, 3, 5), clock, QTimeZone::utc()));
        const SaunaReport report = way == 0   ? model.requestState(SaunaStateValue::On)
                                   : way == 1 ? model.requestState(SaunaStateValue::Standby)
                                              : model.startFavorite(0);
        QCOMPARE(model.state() == int(SaunaStateValue::Off), refused);
        QVERIFY(report.dataErrors.empty());
        QCOMPARE(report.userMessage.has_value(), refused);
        if (!refused)
            continue;
        QCOMPARE(report.userMessage->id, quint32(0x1002));
        QCOMPARE(integerIn(report, IntegerId::TimeToAllowedOn),
                 std::optional<quint32>(quint32(minutesToAllowed)));
        QCOMPARE(model.integer(IntegerId::TimeToAllowedOn), quint32(minutesToAllowed));
        QVERIFY(report.stateChanged); // the state that holds, and the clock the wait counts from
        QVERIFY(!integerIn(report, IntegerId::RunTimeLeft));
    }
}

void TestSaunaStateModel::refusalTellsWhenStartIsAllowed()
{
    SaunaStateModel model;
    setNotAllowedPeriod(model, true, 22 * 60, 6 * 60);
    setSaunaClock(model, QDateTime(QDate(2024, 3, 5), QTime(2, 51), QTimeZone::utc()));

    // On the wire, as a panel reads it: the wait, the state, and the message to acknowledge.
    vaholumo::Sauna_to_external sent;
    QVERIFY(pbSupport::parseDatagram(tools::encodeReport(model.requestState(SaunaStateValue::On),
                                                         model, QDateTime::currentDateTimeUtc()),
                                     sent));
    QCOMPARE(sent.integer_value_changed_size(), 1);
    QCOMPARE(int(sent.integer_value_changed(0).value_id()), int(IntegerId::TimeToAllowedOn));
    QCOMPARE(sent.integer_value_changed(0).value(), 189u);
    QVERIFY(sent.has_sauna_state_changed());
    QCOMPARE(int(sent.sauna_state_changed().state()), int(SaunaStateValue::Off));
    QVERIFY(sent.has_user_message());
    QCOMPARE(sent.user_message().message_id(), 0x1002u);
    QCOMPARE(sent.user_message().message_type(),
             vaholumo::User_message_message_type_t_MESSAGE_TYPE_ONE_BUTTON);
    QCOMPARE(sent.user_message().answer(), vaholumo::User_message_answer_t_ANSWER_NONE);
    QCOMPARE(sent.data_error_size(), 0);

    // At the end of the period the same request starts the bath.
    setSaunaClock(model, QDateTime(QDate(2024, 3, 5), QTime(6, 0), QTimeZone::utc()));
    QVERIFY(!model.requestState(SaunaStateValue::On).userMessage);
    QCOMPARE(model.state(), int(SaunaStateValue::On));
}

void TestSaunaStateModel::runningSaunaMayChangeStateInThePeriod()
{
    SaunaStateModel model;
    model.requestState(SaunaStateValue::On);
    setNotAllowedPeriod(model, true, 22 * 60, 6 * 60);
    setSaunaClock(model, QDateTime(QDate(2024, 3, 5), QTime(23, 0), QTimeZone::utc()));
    // Only a start is refused: a running bath goes to standby and back, and off.
    QVERIFY(!model.requestState(SaunaStateValue::Standby).userMessage);
    QCOMPARE(model.state(), int(SaunaStateValue::Standby));
    QVERIFY(!model.requestState(SaunaStateValue::On).userMessage);
    QCOMPARE(model.state(), int(SaunaStateValue::On));
    QVERIFY(!model.requestState(SaunaStateValue::Off).userMessage);
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
    QVERIFY(model.requestState(SaunaStateValue::On).userMessage);
}

void TestSaunaStateModel::startReportsTheLowSecondaryTank_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("systemType");
    QTest::addColumn<bool>("reported");
    QTest::newRow("multi-steam steam") << 32 << 21 << true;
    QTest::newRow("multi-steam combi") << 31 << 21 << true;
    QTest::newRow("multi-steam sauna") << 37 << 21 << false;
    QTest::newRow("standard steam") << 32 << 20 << false;
}

// Every tank is full at first, and a start reports nothing. Once the second secondary board's
// tank reads low water, each start of a bath reports the fault of its level electrodes, naming
// the board; a running bath that changes state reports nothing.
void TestSaunaStateModel::startReportsTheLowSecondaryTank()
{
    QFETCH(int, product);
    QFETCH(int, systemType);
    QFETCH(bool, reported);
    SaunaStateModel model;
    model.useProductDefaults(product);
    model.useSystemType(systemType);
    QVERIFY(!model.requestState(SaunaStateValue::On).userMessage);
    model.requestState(SaunaStateValue::Off);
    model.setTankWaterLevel(2, WaterLevelValue::Low);

    const SaunaReport started = model.requestState(SaunaStateValue::Standby);
    QCOMPARE(model.state(), int(SaunaStateValue::Standby));
    QCOMPARE(started.userMessage.has_value(), reported);
    QVERIFY(!model.requestState(SaunaStateValue::On).userMessage);
    model.requestState(SaunaStateValue::Off);
    if (!reported) {
        QVERIFY(!model.requestState(SaunaStateValue::On).userMessage);
        return;
    }

    vaholumo::Sauna_to_external sent;
    QVERIFY(pbSupport::parseDatagram(tools::encodeReport(model.requestState(SaunaStateValue::On),
                                                         model, QDateTime::currentDateTimeUtc()),
                                     sent));
    QCOMPARE(model.state(), int(SaunaStateValue::On));
    QCOMPARE(sent.user_message().message_id(), 12u);
    QCOMPARE(sent.user_message().message_type(),
             vaholumo::User_message_message_type_t_MESSAGE_TYPE_ONE_BUTTON_ALT);
    QVERIFY(sent.user_message().has_control_board());
    QCOMPARE(sent.user_message().control_board(), vaholumo::Node_types_rcb_t_RCB_SECONDARY_2);
}

void TestSaunaStateModel::delayedStartSwitchesOnWhenDue()
{
    SaunaStateModel model;
    QDateTime now(QDate(2024, 3, 4), QTime(12, 0), QTimeZone::utc());
    model.setClock([&now] { return now; });
    const SaunaReport set = model.setDelayedStart(30);
    QCOMPARE(booleanIn(set, BooleanId::DelayedStartEnable), std::optional<bool>(true));
    QCOMPARE(booleanIn(set, BooleanId::DelayedStartRunning), std::optional<bool>(true));

    // The delay counts the time that passes: the sauna's clock set meanwhile does not move it,
    // and another time source keeps what is left of it.
    now = now.addSecs(20 * 60);
    model.requestSystemTime(0, now);
    QVERIFY(model.runDelayedStart().isEmpty());
    QDateTime elsewhere(QDate(2030, 1, 1), QTime(0, 0), QTimeZone::utc());
    model.setClock([&elsewhere] { return elsewhere; });
    elsewhere = elsewhere.addSecs(10 * 60 - 1);
    QVERIFY(model.runDelayedStart().isEmpty());
    QCOMPARE(model.state(), int(SaunaStateValue::Off));

    elsewhere = elsewhere.addSecs(1);
    const SaunaReport due = model.runDelayedStart();
    QCOMPARE(model.state(), int(SaunaStateValue::On));
    QVERIFY(due.stateChanged);
    QCOMPARE(booleanIn(due, BooleanId::DelayedStartEnable), std::optional<bool>(false));
    QCOMPARE(booleanIn(due, BooleanId::DelayedStartRunning), std::optional<bool>(false));
    QVERIFY(!model.hasDelayedStart());
    QVERIFY(model.runDelayedStart().isEmpty());

    // Due in the not-allowed start period: refused as any start, and over all the same.
    model.requestState(SaunaStateValue::Off);
    setNotAllowedPeriod(model, true, 22 * 60, 6 * 60);
    model.requestSystemTime(quint64(SaunaStateModel::protocolEpoch().msecsTo(
                                QDateTime(QDate(2024, 3, 5), QTime(2, 51), QTimeZone::utc()))),
                            elsewhere);
    model.setDelayedStart(1);
    elsewhere = elsewhere.addSecs(60);
    const SaunaReport refused = model.runDelayedStart();
    QVERIFY(refused.userMessage);
    QCOMPARE(refused.userMessage->id, quint32(0x1002));
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
    QVERIFY(!model.hasDelayedStart());
    QVERIFY(!model.boolean(BooleanId::DelayedStartEnable));
}

void TestSaunaStateModel::delayedStartEndsWithAnySwitching_data()
{
    QTest::addColumn<int>("way"); // a state, or -1 for a favorite, -2 for taking it back
    QTest::addColumn<bool>("notAllowed");
    QTest::addColumn<bool>("ends");
    QTest::newRow("switched on") << int(SaunaStateValue::On) << false << true;
    QTest::newRow("standby") << int(SaunaStateValue::Standby) << false << true;
    QTest::newRow("switched off") << int(SaunaStateValue::Off) << false << true;
    QTest::newRow("favorite") << -1 << false << true;
    QTest::newRow("taken back") << -2 << false << true;
    QTest::newRow("start refused") << int(SaunaStateValue::On) << true << false;
}

void TestSaunaStateModel::delayedStartEndsWithAnySwitching()
{
    QFETCH(int, way);
    QFETCH(bool, notAllowed);
    QFETCH(bool, ends);
    SaunaStateModel model;
    storeFavorite(model);
    setNotAllowedPeriod(model, notAllowed, 22 * 60, 6 * 60);
    setSaunaClock(model, QDateTime(QDate(2024, 3, 5), QTime(2, 51), QTimeZone::utc()));
    model.setDelayedStart(60);
    const SaunaReport report = way == -1   ? model.startFavorite(0)
                               : way == -2 ? model.setDelayedStart(0)
                                           : model.requestState(way);
    QCOMPARE(model.hasDelayedStart(), !ends);
    QCOMPARE(booleanIn(report, BooleanId::DelayedStartEnable),
             ends ? std::optional<bool>(false) : std::nullopt);
    QCOMPARE(booleanIn(report, BooleanId::DelayedStartRunning),
             ends ? std::optional<bool>(false) : std::nullopt);
    QCOMPARE(model.boolean(BooleanId::DelayedStartRunning), !ends);
}

void TestSaunaStateModel::humidityIsControlledOnlyWhereTheProductHasIt_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("humidity");
    // Connection_types rcb_product_t values.
    QTest::newRow("automatic combi") << 31 << true;
    QTest::newRow("manual combi") << 30 << true;
    QTest::newRow("private steam") << 32 << true;
    QTest::newRow("sauna") << 37 << false;
    QTest::newRow("low sauna") << 38 << false;
    QTest::newRow("infrared sauna") << 39 << false;
}

void TestSaunaStateModel::humidityIsControlledOnlyWhereTheProductHasIt()
{
    QFETCH(int, product);
    QFETCH(bool, humidity);
    SaunaStateModel model;
    model.useProductDefaults(product);
    QCOMPARE(model.hasSteamGenerator(), humidity);

    // The function flags a panel offers its humidity controls by.
    vaholumo::Sauna_to_external full;
    QVERIFY(pbSupport::parseDatagram(
        tools::encodeFullReport(model, QDateTime::currentDateTimeUtc()), full));
    QVERIFY(full.has_control_board_support());
    QCOMPARE(full.control_board_support().humidity_level(), humidity);
    QCOMPARE(full.control_board_support().humidity_percent(), humidity);

    // Only a product with humidity raises it while it runs.
    model.requestInteger(IntegerRequestId::TargetHumidity, 60);
    model.requestState(SaunaStateValue::On);
    for (int step = 0; step < 10; ++step)
        model.heatStep(1000);
    QCOMPARE(model.integer(IntegerId::Humidity) > SaunaStateModel::AmbientHumidity, humidity);
}

void TestSaunaStateModel::steamGeneratorIsReportedOnlyWhereTheProductHasIt_data()
{
    humidityIsControlledOnlyWhereTheProductHasIt_data();
}

// A dry or infrared sauna has no steam generator: neither its function flags nor its values
// (water level and temperature, tank, tank auto-emptying, bath priority) reach a panel, and
// requests to change them mean nothing to it. A combi or steam sauna reports all of them.
void TestSaunaStateModel::steamGeneratorIsReportedOnlyWhereTheProductHasIt()
{
    QFETCH(int, product);
    QFETCH(bool, humidity);
    const bool steam = humidity;
    SaunaStateModel model;
    model.useProductDefaults(product);
    // Three tanks, for a steam generator.
    model.useSystemType(21);
    QCOMPARE(model.hasSteamGenerator(), steam);

    vaholumo::Sauna_to_external full;
    QVERIFY(pbSupport::parseDatagram(
        tools::encodeFullReport(model, QDateTime::currentDateTimeUtc()), full));
    const vaholumo::Control_board_support &flags = full.control_board_support();
    QCOMPARE(flags.bath_prio(), steam);
    QCOMPARE(flags.tank_auto_emptying(), steam);
    QCOMPARE(flags.water_level(), steam);
    QCOMPARE(flags.tank_manual(), steam);
    QCOMPARE(flags.water_temperature(), steam);
    // What every sauna has stays.
    QVERIFY(flags.standby() && flags.fan() && flags.cleanup() && flags.facility_type());

    QSet<int> integers;
    for (const vaholumo::Integer_value_changed &value : full.integer_value_changed())
        integers.insert(value.value_id());
    QSet<int> booleans;
    for (const vaholumo::Boolean_value_changed &value : full.boolean_value_changed())
        booleans.insert(value.value_id());
    const QList<int> steamIntegers{
        IntegerId::TargetHumidity,
        IntegerId::TankTemperaturePrimary,
        IntegerId::TankTemperatureSecondary1,
        IntegerId::TankTemperatureSecondary2,
        IntegerId::TankStandbyTemperature,
        IntegerId::WaterTemperatureLimit,
        IntegerId::TankAutoEmptyingDuration,
        IntegerId::RcbTankFillTime,
    };
    for (const int id : steamIntegers)
        QVERIFY2(integers.contains(id) == steam, qPrintable(QString::number(id)));
    QCOMPARE(booleans.contains(BooleanId::TankAutoEmptyingEnable), steam);
    QCOMPARE(booleans.contains(BooleanId::TankNotificationEnable), steam);
    // The room's own readings are every sauna's.
    QVERIFY(integers.contains(IntegerId::Temperature) && integers.contains(IntegerId::Humidity));
    QCOMPARE(full.enum_value_changed_size(), 1);
    const vaholumo::Enum_value_changed &enums = full.enum_value_changed(0);
    QCOMPARE(enums.has_water_level_primary(), steam);
    QCOMPARE(enums.has_water_level_secondary_1(), steam);
    QCOMPARE(enums.has_water_level_secondary_2(), steam);
    QCOMPARE(enums.has_bath_priority(), steam);
    QVERIFY(enums.has_facility_type() && enums.has_region());

    // Requests for them change nothing and are not answered.
    const SaunaReport emptying =
        model.requestInteger(IntegerRequestId::TankAutoEmptyingDuration, 60);
    QCOMPARE(integerIn(emptying, IntegerId::TankAutoEmptyingDuration).has_value(), steam);
    const SaunaReport limit = model.requestInteger(IntegerRequestId::WaterTemperatureLimit, 990);
    QCOMPARE(integerIn(limit, IntegerId::WaterTemperatureLimit).has_value(), steam);
    const SaunaReport enable = model.requestBoolean(BooleanRequestId::TankEmptyingEnable, true);
    QCOMPARE(booleanIn(enable, BooleanId::TankAutoEmptyingEnable).has_value(), steam);
    const SaunaReport notice = model.requestBoolean(BooleanRequestId::CleanupTankNotice, true);
    QCOMPARE(booleanIn(notice, BooleanId::TankNotificationEnable).has_value(), steam);
    tools::EnumSettings priority;
    priority.bathPriority = 51;
    QCOMPARE(model.requestEnums(priority).enums.bathPriority.has_value(), steam);
    const SaunaReport after = model.fullReport();
    QCOMPARE(integerIn(after, IntegerId::TankAutoEmptyingDuration).has_value(), steam);
    QCOMPARE(booleanIn(after, BooleanId::TankAutoEmptyingEnable).has_value(), steam);
    QCOMPARE(after.enums.bathPriority.has_value(), steam);
}

void TestSaunaStateModel::systemTimeFollowsRequest()
{
    SaunaStateModel model;
    const QDateTime now = SaunaStateModel::protocolEpoch().addDays(9000);
    QCOMPARE(model.systemTime(now), quint64(9000) * 86400000);
    QVERIFY(model.requestSystemTime(1000, now).stateChanged);
    QCOMPARE(model.systemTime(now), 1000u);
    QCOMPARE(model.systemTime(now.addMSecs(500)), 1500u);
}

void TestSaunaStateModel::relaysOfEveryBoardFollowTheSauna()
{
    SaunaStateModel model;
    // One board: heater, lights and fan, all in use and off.
    std::vector<tools::RelayOutput> relays = model.relays();
    QCOMPARE(relays.size(), std::size_t(3));
    for (const tools::RelayOutput &relay : relays) {
        QCOMPARE(relay.controlBoard, 0);
        QVERIFY(relay.inUse);
        QVERIFY(!relay.state);
    }
    const SaunaReport lights = model.requestBoolean(10, true);
    QVERIFY(lights.stateChanged);
    QVERIFY(model.relays().at(1).state);

    // Three boards: each heats with the sauna; the secondary boards use no other relay.
    model.useSystemType(21);
    QCOMPARE(model.relayBoardCount(), 3);
    model.requestState(SaunaStateValue::On);
    relays = model.relays();
    QCOMPARE(relays.size(), std::size_t(9));
    for (const tools::RelayOutput &relay : relays) {
        if (relay.index == 0) {
            QVERIFY(relay.inUse);
            QVERIFY(relay.state);
        } else if (relay.controlBoard > 0) {
            QVERIFY(!relay.inUse);
            QVERIFY(!relay.state);
        }
    }
    // Their tanks are reported too.
    const SaunaReport full = model.fullReport();
    QVERIFY(integerIn(full, IntegerId::TankTemperatureSecondary1));
    QVERIFY(integerIn(full, IntegerId::TankTemperatureSecondary2));
    QCOMPARE(full.enums.waterLevelSecondary1, std::optional<int>(WaterLevelValue::High));
    QCOMPARE(full.enums.waterLevelSecondary2, std::optional<int>(WaterLevelValue::High));

    // A standard system reports no secondary tank.
    const SaunaReport standard = SaunaStateModel().fullReport();
    QVERIFY(!integerIn(standard, IntegerId::TankTemperatureSecondary1));
    QVERIFY(!standard.enums.waterLevelSecondary1);
}

void TestSaunaStateModel::errorLogIsFilledWithVariedEntries()
{
    SaunaStateModel model;
    QVERIFY(model.fullReport().errorLog.empty());

    model.useSystemType(21);
    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0));
    model.fillErrorLog(32, now);
    const std::vector<tools::ErrorLogEntry> entries = model.fullReport().errorLog;
    QCOMPARE(entries.size(), std::size_t(32));
    QSet<quint32> codes;
    QSet<int> boards;
    QSet<quint64> times;
    bool timeOrder = true;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const tools::ErrorLogEntry &entry = entries[i];
        QCOMPARE(entry.index, quint32(i));
        QVERIFY(entry.inUse);
        QVERIFY(entry.errorCode <= tools::SaunaErrorLog::LargestErrorCode);
        QVERIFY(entry.controlBoard >= 0 && entry.controlBoard <= 2);
        QVERIFY(tools::SaunaErrorLog::fromWireTime(entry.time) < now);
        codes.insert(entry.errorCode);
        boards.insert(entry.controlBoard);
        times.insert(entry.time);
        if (i > 0 && entries[i - 1].time < entry.time)
            timeOrder = false;
    }
    QCOMPARE(codes.size(), 21);
    QCOMPARE(boards.size(), 3);
    QCOMPARE(times.size(), 32);
    QVERIFY(!timeOrder);
    // A local time goes there and back unchanged.
    QCOMPARE(tools::SaunaErrorLog::fromWireTime(tools::SaunaErrorLog::toWireTime(now)), now);

    // Fewer, or more than the log holds.
    model.fillErrorLog(3, now);
    QCOMPARE(model.errorLog().inUse().size(), std::size_t(3));
    model.fillErrorLog(40, now);
    QCOMPARE(model.errorLog().inUse().size(), std::size_t(32));
    model.fillErrorLog(-1, now);
    QVERIFY(model.errorLog().inUse().empty());
}

void TestSaunaStateModel::errorLogClearReportsTheEmptiedEntries()
{
    SaunaStateModel model;
    model.fillErrorLog(5, QDateTime::currentDateTime());
    const SaunaReport cleared = model.clearErrorLog();
    QCOMPARE(cleared.errorLog.size(), std::size_t(5));
    for (const tools::ErrorLogEntry &entry : cleared.errorLog)
        QVERIFY(!entry.inUse);
    QVERIFY(!cleared.isEmpty());
    QVERIFY(model.errorLog().inUse().empty());
    QVERIFY(model.fullReport().errorLog.empty());
    // An empty log has nothing to report.
    QVERIFY(model.clearErrorLog().isEmpty());
}

QTEST_APPLESS_MAIN(TestSaunaStateModel)
#include "tst_sauna_state_model.moc"
