#include "sauna_state_model.h"

#include "signal_interface/protocol_facts.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <cstddef>

namespace tools {

namespace {

namespace protocolFacts = signalInterface::protocolFacts;

// How an integer request changes the sauna: the report it changes and the range a value must lie
// in. A bound taken from another value names that value's report id; 0 means the fixed bound.
struct IntegerRequestRule
{
    int requestId;
    int reportId;
    const char *name;
    quint32 minimum;
    quint32 maximum;
    int minimumFrom;
    int maximumFrom;
};

constexpr std::array<IntegerRequestRule, 16> IntegerRequestRules{{
    {IntegerRequestId::TargetTemperature, IntegerId::TargetTemperature, "target temperature", 0, 0,
     IntegerId::LowerTemperatureLimit, IntegerId::UpperTemperatureLimit},
    {IntegerRequestId::StandbyTemperatureReduction, IntegerId::StandbyOffsetTemperature,
     "standby temperature reduction", 0, 450, 0, 0},
    {IntegerRequestId::MinBathTemperature, IntegerId::LowerTemperatureLimit,
     "minimum bath temperature", 0, 0, IntegerId::SystemLowerTemperatureLimit,
     IntegerId::UpperTemperatureLimit},
    {IntegerRequestId::MaxBathTemperature, IntegerId::UpperTemperatureLimit,
     "maximum bath temperature", 0, 0, IntegerId::LowerTemperatureLimit,
     IntegerId::SystemUpperTemperatureLimit},
    // A favorite may keep a bath time of 0, and starting it asks for that bath time.
    {IntegerRequestId::BathTime, IntegerId::BathTime, "bath time", 0, 0, 0,
     IntegerId::BathTimeLimit},
    // Percent, or a coded humidity step.
    {IntegerRequestId::TargetHumidity, IntegerId::TargetHumidity, "target humidity", 0,
     quint32(protocolFacts::largestHumidityCode), 0, 0},
    {IntegerRequestId::TankStandbyTemperature, IntegerId::TankStandbyTemperature,
     "tank standby temperature", 0, 900, 0, 0},
    {IntegerRequestId::ExtSwitchBathTime, IntegerId::ExtSwitchBathTime, "external switch bath time",
     1, 720, 0, 0},
    // The limits screens' ranges, in ninths of a degree: water 100..115 °C, board 70..90 °C.
    {IntegerRequestId::WaterTemperatureLimit, IntegerId::WaterTemperatureLimit,
     "water temperature limit", 900, 1035, 0, 0},
    {IntegerRequestId::PcbOverheatLimit, IntegerId::PcbOverheatLimit, "board overheat limit", 630,
     810, 0, 0},
    {IntegerRequestId::FanRuntime, IntegerId::FanRuntime, "fan runtime", 0, 720, 0, 0},
    // Hours: a panel's interval editor goes from 10 to 1500.
    {IntegerRequestId::CleanupTime, IntegerId::CleanupBetweenTime, "cleanup time", 0, 1500, 0, 0},
    {IntegerRequestId::TankAutoEmptyingDuration, IntegerId::TankAutoEmptyingDuration,
     "tank auto emptying duration", 0, 720, 0, 0},
    // Seconds: 3..4 minutes for an automatic combi, 6..20 minutes for the others.
    {IntegerRequestId::RcbTankFillTime, IntegerId::RcbTankFillTime, "tank fill time", 180, 1200, 0,
     0},
    {IntegerRequestId::NotAllowedStartFrom, IntegerId::NotAllowedStartFrom,
     "not allowed start from", 0, 1439, 0, 0},
    {IntegerRequestId::NotAllowedStartUntil, IntegerId::NotAllowedStartUntil,
     "not allowed start until", 0, 1439, 0, 0},
}};

// Boolean requests and the report each one changes.
constexpr std::array<std::pair<int, int>, 10> BooleanRequestReports{{
    {BooleanRequestId::Lights, BooleanId::Lights},
    {BooleanRequestId::EnableStandby, BooleanId::EnableStandby},
    {BooleanRequestId::ScheduleItemDisable, BooleanId::ScheduleItemDisable},
    {BooleanRequestId::FanAutomatic, BooleanId::FanAutomatic},
    {BooleanRequestId::FanRunning, BooleanId::FanRunning},
    {BooleanRequestId::CleanupEnable, BooleanId::CleanupEnable},
    {BooleanRequestId::TankEmptyingEnable, BooleanId::TankAutoEmptyingEnable},
    {BooleanRequestId::NotAllowedStartEnable, BooleanId::NotAllowedStartEnable},
    {BooleanRequestId::CleanupTankNotice, BooleanId::TankNotificationEnable},
    {BooleanRequestId::IrEnable, BooleanId::IrEnable},
}};

// The values of the steam generator: its tank, its water, the humidity it makes and its
// descaling. A dry or infrared sauna has none of them.
constexpr std::array<int, 10> SteamGeneratorIntegers{
    IntegerId::TargetHumidity,
    IntegerId::TankTemperaturePrimary,
    IntegerId::TankTemperatureSecondary1,
    IntegerId::TankTemperatureSecondary2,
    IntegerId::TankStandbyTemperature,
    IntegerId::WaterTemperatureLimit,
    IntegerId::TankAutoEmptyingDuration,
    IntegerId::RcbTankFillTime,
    IntegerId::LastDescaling,
    IntegerId::NextDescaling,
};
constexpr std::array<int, 2> SteamGeneratorBooleans{
    BooleanId::TankAutoEmptyingEnable,
    BooleanId::TankNotificationEnable,
};

template<std::size_t Size>
bool isListed(const std::array<int, Size> &ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

template<typename Table, typename Key>
constexpr bool keysAreUnique(const Table &table, Key key)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        for (std::size_t j = i + 1; j < table.size(); ++j)
            if (key(table[i]) == key(table[j]))
                return false;
    return true;
}

static_assert(keysAreUnique(IntegerRequestRules,
                            [](const IntegerRequestRule &rule) { return rule.requestId; }),
              "an integer request id is listed twice");
static_assert(keysAreUnique(BooleanRequestReports,
                            [](const std::pair<int, int> &entry) { return entry.first; }),
              "a boolean request id is listed twice");

const IntegerRequestRule *findIntegerRule(int requestId)
{
    const auto found = std::find_if(
        IntegerRequestRules.begin(), IntegerRequestRules.end(),
        [requestId](const IntegerRequestRule &rule) { return rule.requestId == requestId; });
    return found == IntegerRequestRules.end() ? nullptr : &*found;
}

quint32 moveToward(quint32 value, quint32 target, quint32 step)
{
    if (value < target)
        return std::min(target, value + step);
    if (value > target)
        return value - std::min(step, value - target);
    return value;
}

} // namespace

SaunaStateModel::SaunaStateModel()
    : m_integers{
          {IntegerId::TargetTemperature, 720},          // 80 °C
          {IntegerId::StandbyOffsetTemperature, 90},    // 10 °C
          {IntegerId::Temperature, AmbientTemperature},
          {IntegerId::LowerTemperatureLimit, 360},      // 40 °C
          {IntegerId::UpperTemperatureLimit, 990},      // 110 °C
          {IntegerId::SystemLowerTemperatureLimit, 360},
          {IntegerId::SystemUpperTemperatureLimit, 990},
          {IntegerId::BathTime, 240},      // minutes
          {IntegerId::BathTimeLimit, 720}, // minutes
          {IntegerId::Humidity, AmbientHumidity},
          {IntegerId::TargetHumidity, 40},
          {IntegerId::TankTemperaturePrimary, AmbientTemperature},
          {IntegerId::RunTimeLeft, 0},
          {IntegerId::TimeToAllowedOn, 0},
          {IntegerId::TankStandbyTemperature, 810}, // 90 °C
          {IntegerId::ExtSwitchBathTime, 60},
          // The heater's total time on, in minutes, over its life so far: 72 hours.
          {IntegerId::RunTime, 72 * 60 + 1},
          {IntegerId::WaterTemperatureLimit, 945}, // 105 °C
          {IntegerId::PcbOverheatLimit, 720},      // 80 °C
          {IntegerId::FanRuntime, 30},
          {IntegerId::CleanupBetweenTime, 24},
          {IntegerId::CleanupTotal, 12},
          {IntegerId::LastDescaling,
           quint32(std::max<qint64>(
               0, protocolFacts::protocolEpochDate().daysTo(QDate::currentDate()) - 30))},
          {IntegerId::TankAutoEmptyingDuration, 120}, // minutes
          {IntegerId::RcbTankFillTime, 240}, // seconds: an automatic combi's longest
          {IntegerId::NotAllowedStartFrom, 22 * 60},
          {IntegerId::NotAllowedStartUntil, 6 * 60},
      }
    , m_booleans{
          {BooleanId::Lights, false},
          {BooleanId::EnableStandby, false},
          {BooleanId::HumiditySensorStatus, true},
          {BooleanId::DelayedStartEnable, false},
          {BooleanId::DelayedStartRunning, false},
          {BooleanId::MagneticSensorConnected, true},
          {BooleanId::ScheduleItemDisable, false},
          {BooleanId::FanAutomatic, true},
          {BooleanId::FanRunning, false},
          {BooleanId::CleanupEnable, false},
          {BooleanId::TankAutoEmptyingEnable, false},
          {BooleanId::NotAllowedStartEnable, false},
          {BooleanId::TankNotificationEnable, false},
          {BooleanId::IrEnable, false},
      }
{
    m_enums.facilityType = 22;           // privately controlled
    m_enums.region = 30;                 // EU
    m_enums.waterLevelPrimary = 12;      // high
    m_enums.externalSwitchFunction = 40; // on/off
    m_enums.bathPriority = 50;           // automatic
    reportNextDescaling();
}

void SaunaStateModel::useProductDefaults(int wireProduct)
{
    // Combis (30, 31) and steam generators (32..35) make steam; a sauna, a low sauna and an
    // infrared sauna (37..39), or a product the sauna does not know, have no steam generator.
    constexpr int firstCombi = 30;
    constexpr int lastSteam = 35;
    m_hasSteamGenerator = wireProduct >= firstCombi && wireProduct <= lastSteam;
    if (!m_hasSteamGenerator) {
        forgetSteamGenerator();
        return;
    }
    // An automatic combi fills its tank in 3..4 minutes, the others take 6..20.
    constexpr int combiAuto = 31;
    m_integers[IntegerId::RcbTankFillTime] = wireProduct == combiAuto ? 240 : 600;
}

void SaunaStateModel::forgetSteamGenerator()
{
    for (const int id : SteamGeneratorIntegers)
        m_integers.erase(id);
    for (const int id : SteamGeneratorBooleans)
        m_booleans.erase(id);
    m_enums.waterLevelPrimary.reset();
    m_enums.waterLevelSecondary1.reset();
    m_enums.waterLevelSecondary2.reset();
    m_enums.bathPriority.reset();
    m_auxRelays.forgetDescalingPump();
}

QDateTime SaunaStateModel::protocolEpoch()
{
    return protocolFacts::protocolEpoch();
}

SaunaReport SaunaStateModel::fullReport() const
{
    SaunaReport report;
    for (const auto &[id, value] : m_integers)
        report.integers.emplace_back(id, value);
    for (const auto &[id, value] : m_booleans)
        report.booleans.emplace_back(id, value);
    report.enums = m_enums;
    report.stateChanged = true;
    m_records.appendAll(report);
    report.errorLog = m_errorLog.inUse();
    m_auxRelays.appendAll(report);
    return report;
}

quint32 SaunaStateModel::integer(int reportId) const
{
    const auto found = m_integers.find(reportId);
    return found == m_integers.end() ? 0 : found->second;
}

bool SaunaStateModel::boolean(int reportId) const
{
    const auto found = m_booleans.find(reportId);
    return found != m_booleans.end() && found->second;
}

SaunaReport SaunaStateModel::setInteger(int reportId, quint32 value)
{
    SaunaReport report;
    auto &stored = m_integers[reportId];
    if (stored != value) {
        stored = value;
        report.integers.emplace_back(reportId, value);
    }
    return report;
}

SaunaReport SaunaStateModel::setReading(int reportId, quint32 value)
{
    SaunaReport report = setInteger(reportId, value);
    if (reportId == IntegerId::LastDescaling)
        report.append(reportNextDescaling());
    return report;
}

SaunaReport SaunaStateModel::setBoolean(int reportId, bool value)
{
    SaunaReport report;
    auto &stored = m_booleans[reportId];
    if (stored != value) {
        stored = value;
        report.booleans.emplace_back(reportId, value);
        // Lights and fan have relays of their own, which the sauna state report carries.
        report.stateChanged = reportId == BooleanId::Lights || reportId == BooleanId::FanRunning;
    }
    return report;
}

SaunaReport SaunaStateModel::requestInteger(int requestId, quint32 value)
{
    if (requestId == IntegerRequestId::ResetBathTimeTimer) {
        SaunaReport report;
        // The reset is an event: it is reported every time, so the value never "stays the same".
        report.integers.emplace_back(IntegerId::BathTimeTimerReset, 0);
        report.append(renewBathTime());
        return report;
    }

    const IntegerRequestRule *rule = findIntegerRule(requestId);
    // Valid on the wire, but means nothing to this sauna.
    if (!rule || (!m_hasSteamGenerator && isListed(SteamGeneratorIntegers, rule->reportId)))
        return {};

    const quint32 minimum = rule->minimumFrom ? integer(rule->minimumFrom) : rule->minimum;
    const quint32 maximum = rule->maximumFrom ? integer(rule->maximumFrom) : rule->maximum;
    if (value < minimum || value > maximum) {
        // Refused: the panel is told why, and gets the value that still holds, so that what it
        // shows stays what the sauna has.
        SaunaReport report;
        report.dataErrors.push_back(QStringLiteral("%1 %2 is outside %3..%4")
                                        .arg(QLatin1String(rule->name))
                                        .arg(value)
                                        .arg(minimum)
                                        .arg(maximum));
        report.integers.emplace_back(rule->reportId, integer(rule->reportId));
        return report;
    }

    SaunaReport report = setInteger(rule->reportId, value);
    if (report.integers.empty())
        report.integers.emplace_back(rule->reportId, value); // an unchanged value is confirmed too
    if (rule->reportId == IntegerId::LowerTemperatureLimit ||
        rule->reportId == IntegerId::UpperTemperatureLimit)
        report.append(keepTargetWithinLimits());
    return report;
}

SaunaReport SaunaStateModel::keepTargetWithinLimits()
{
    const quint32 target = integer(IntegerId::TargetTemperature);
    const quint32 bounded = std::clamp(target, integer(IntegerId::LowerTemperatureLimit),
                                       integer(IntegerId::UpperTemperatureLimit));
    return setInteger(IntegerId::TargetTemperature, bounded);
}

SaunaReport SaunaStateModel::requestBoolean(int requestId, bool value)
{
    const auto found = std::find_if(
        BooleanRequestReports.begin(), BooleanRequestReports.end(),
        [requestId](const std::pair<int, int> &entry) { return entry.first == requestId; });
    if (found == BooleanRequestReports.end() ||
        (!m_hasSteamGenerator && isListed(SteamGeneratorBooleans, found->second)))
        return {};
    // The user's fan switch ends the fan's run after a bath: the user has taken the fan over.
    if (found->second == BooleanId::FanRunning)
        m_fanStopsAt.reset();
    SaunaReport report = setBoolean(found->second, value);
    if (report.booleans.empty())
        report.booleans.emplace_back(found->second, value);
    return report;
}

SaunaReport SaunaStateModel::requestEnums(const EnumSettings &settings)
{
    SaunaReport report;
    if (settings.facilityType)
        report.append(requestFacilityType(*settings.facilityType));
    if (settings.region)
        m_enums.region = report.enums.region = settings.region;
    if (settings.externalSwitchFunction)
        m_enums.externalSwitchFunction = report.enums.externalSwitchFunction =
            settings.externalSwitchFunction;
    // Which of temperature and humidity comes first: only a steam generator has the choice.
    if (settings.bathPriority && m_hasSteamGenerator)
        m_enums.bathPriority = report.enums.bathPriority = settings.bathPriority;
    return report;
}

SaunaReport SaunaStateModel::requestFacilityType(int wireType)
{
    // Supervised, time controlled, privately controlled and public; 24 is "unknown".
    constexpr int firstFacilityType = 20;
    constexpr int lastFacilityType = 23;
    SaunaReport report;
    if (wireType < firstFacilityType || wireType > lastFacilityType) {
        report.dataErrors.push_back(
            QStringLiteral("facility type %1 is not one a sauna is operated as").arg(wireType));
    } else {
        m_enums.facilityType = wireType;
    }
    report.enums.facilityType = m_enums.facilityType;
    return report;
}

namespace {

bool isRunningState(int wireState)
{
    return wireState == SaunaStateValue::On || wireState == SaunaStateValue::Standby;
}

constexpr quint32 MinutesPerDay = signalInterface::protocolFacts::minutesPerDay;

} // namespace

SaunaReport SaunaStateModel::requestState(int wireState)
{
    if (std::optional<SaunaReport> refusal = refuseDuringDescaling())
        return *refusal;
    if (isRunningState(wireState) && !isRunningState(m_state)) {
        if (std::optional<SaunaReport> refusal = refuseStartNow())
            return *refusal;
    }
    return setState(wireState);
}

std::optional<SaunaReport> SaunaStateModel::refuseStartNow()
{
    if (!boolean(BooleanId::NotAllowedStartEnable))
        return std::nullopt;
    // The period runs from its first minute up to, not into, its last; it may span midnight.
    // Equal limits make no period. The panels check their programs against it by the same rule.
    const quint32 from = integer(IntegerId::NotAllowedStartFrom);
    const quint32 until = integer(IntegerId::NotAllowedStartUntil);
    const auto minute =
        quint32(systemTime() / quint64(calendar::MillisecondsPerMinute) % MinutesPerDay);
    if (!signalInterface::protocolFacts::inNotAllowedStartPeriod(minute, from, until))
        return std::nullopt;

    const auto minutesToAllowed =
        quint32(signalInterface::protocolFacts::minuteOfDay(qint64(until) - minute));
    SaunaReport report;
    m_integers[IntegerId::TimeToAllowedOn] = minutesToAllowed;
    // Reported even when unchanged: the panel reads it for the message that follows.
    report.integers.emplace_back(IntegerId::TimeToAllowedOn, minutesToAllowed);
    report.stateChanged = true; // the state that still holds, and the clock the wait counts from
    const auto clock = [](quint32 minuteOfDay) {
        return QStringLiteral("%1:%2")
            .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
            .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
    };
    report.userMessage =
        SaunaUserMessage{SaunaUserMessage::StartNotAllowed, SaunaUserMessage::OneButton,
                         QStringLiteral("no start from %1 until %2, allowed in %3 min")
                             .arg(clock(from), clock(until))
                             .arg(minutesToAllowed),
                         std::nullopt};
    return report;
}

std::optional<SaunaReport> SaunaStateModel::refuseDuringDescaling() const
{
    if (!m_descalingRun)
        return std::nullopt;
    const auto minute =
        quint32(m_descalingRun->stopAt / calendar::MillisecondsPerMinute % MinutesPerDay);
    SaunaReport report;
    report.stateChanged = true; // the state that still holds
    report.userMessage =
        SaunaUserMessage{SaunaUserMessage::DescalingStarted, SaunaUserMessage::OneButton,
                         QStringLiteral("descaling until %1:%2")
                             .arg(minute / 60, 2, 10, QLatin1Char('0'))
                             .arg(minute % 60, 2, 10, QLatin1Char('0')),
                         std::nullopt};
    return report;
}

SaunaReport SaunaStateModel::setState(int wireState)
{
    SaunaReport report;
    report.stateChanged = true; // the state is confirmed even when it does not change
    // Whoever switched, the sauna no longer waits to switch itself on.
    report.append(endDelayedStart());
    if (wireState == m_state)
        return report;

    const bool wasRunning = isRunningState(m_state);
    m_state = wireState;
    const bool isRunning = isRunningState(m_state);
    if (isRunning && !wasRunning) {
        m_runningMs = 0;
        report.append(setInteger(IntegerId::RunTimeLeft, integer(IntegerId::BathTime)));
        if (!report.userMessage)
            report.userMessage = tankLevelFault();
        report.append(fanFollowsBath(true));
    } else if (!isRunning) {
        report.append(endProgram()); // whoever switched off, the program's bath is over
        report.append(setInteger(IntegerId::RunTimeLeft, 0));
        if (wasRunning)
            report.append(fanFollowsBath(false));
    }
    return report;
}

std::optional<SaunaUserMessage> SaunaStateModel::tankLevelFault() const
{
    if (m_relayBoards < 2 || !m_hasSteamGenerator)
        return std::nullopt;
    // A tank whose water reads low when the bath starts has lost its mid level electrode: the
    // board cannot tell when to fill it.
    const std::optional<int> levels[] = {m_enums.waterLevelSecondary1,
                                         m_enums.waterLevelSecondary2};
    for (int board = 1; board < m_relayBoards && board <= int(std::size(levels)); ++board) {
        if (levels[board - 1] == WaterLevelValue::Low)
            return SaunaUserMessage{
                SaunaUserMessage::LevelElectrodesOutOfService, SaunaUserMessage::OneButtonError,
                QStringLiteral("the tank of secondary board %1 reads low water").arg(board), board};
    }
    return std::nullopt;
}

SaunaReport SaunaStateModel::fanFollowsBath(bool bathing)
{
    m_fanStopsAt.reset();
    if (!boolean(BooleanId::FanAutomatic))
        return {};
    if (bathing)
        return setBoolean(BooleanId::FanRunning, true);
    const quint32 minutes = integer(IntegerId::FanRuntime);
    if (minutes == 0)
        return setBoolean(BooleanId::FanRunning, false);
    m_fanStopsAt = m_clock().addMSecs(qint64(minutes) * MillisecondsPerMinute);
    return {};
}

SaunaReport SaunaStateModel::runFan()
{
    if (!m_fanStopsAt || m_clock() < *m_fanStopsAt)
        return {};
    m_fanStopsAt.reset();
    return setBoolean(BooleanId::FanRunning, false);
}

SaunaReport SaunaStateModel::runDescaling()
{
    const auto now = qint64(systemTime());
    const std::optional<DescalingRunner::Due> due =
        m_descalingRunner.look(now, m_auxRelays.descaling(), m_auxRelays.relays(),
                               qint64(integer(IntegerId::LastDescaling)));
    SaunaReport report;
    if (m_descalingRun) {
        if (now < m_descalingRun->stopAt)
            return report;
        const qint64 day = m_descalingRun->day;
        m_descalingRun.reset();
        report.append(setState(SaunaStateValue::Off));
        report.append(setInteger(IntegerId::LastDescaling, quint32(std::max<qint64>(0, day))));
        report.userMessage =
            SaunaUserMessage{SaunaUserMessage::DescalingCompleted, SaunaUserMessage::OneButton,
                             QStringLiteral("descaling completed"), std::nullopt};
        report.descalingFinished = true;
        return report;
    }
    // Only a steam generator has a descaling pump. A sauna in use at the start time leaves this
    // round out.
    if (!due || !m_hasSteamGenerator || m_state != SaunaStateValue::Off)
        return report;
    m_descalingRun = due;
    report.append(setState(SaunaStateValue::Descaling));
    report.descalingStarted = true;
    return report;
}

SaunaReport SaunaStateModel::lookAtClock()
{
    SaunaReport report = runFan();
    report.append(runDescaling());
    report.append(reportNextDescaling());
    report.append(runCalendar());
    return report;
}

SaunaReport SaunaStateModel::reportNextDescaling()
{
    if (!m_hasSteamGenerator)
        return {};
    qint64 last = qint64(integer(IntegerId::LastDescaling));
    if (m_descalingRun)
        last = std::max(last, m_descalingRun->day);
    const std::optional<qint64> day = m_descalingRunner.nextDay(
        qint64(systemTime()), m_auxRelays.descaling(), m_auxRelays.relays(), last);
    return setInteger(IntegerId::NextDescaling, quint32(std::max<qint64>(0, day.value_or(0))));
}

SaunaReport SaunaStateModel::endProgram()
{
    SaunaReport report;
    if (m_program) {
        report.endedPrograms.push_back(m_program->index);
        m_program.reset();
    }
    return report;
}

SaunaReport SaunaStateModel::requestSystemTime(quint64 millisecondsSinceEpoch,
                                               const QDateTime &nowUtc)
{
    const qint64 now = protocolEpoch().msecsTo(nowUtc);
    m_clockOffsetMs = qint64(millisecondsSinceEpoch) - now;
    // Programs and descaling whose time the new clock skipped are not started late.
    m_calendar.clockSet(qint64(systemTime(nowUtc)));
    m_descalingRunner.clockSet(qint64(systemTime(nowUtc)));
    SaunaReport report = reportNextDescaling();
    report.stateChanged = true;
    return report;
}

quint64 SaunaStateModel::systemTime(const QDateTime &nowUtc) const
{
    return quint64(std::max<qint64>(0, protocolEpoch().msecsTo(nowUtc) + m_clockOffsetMs));
}

SaunaReport SaunaStateModel::renewBathTime()
{
    if (m_state != SaunaStateValue::On && m_state != SaunaStateValue::Standby)
        return {};
    m_runningMs = 0;
    return setInteger(IntegerId::RunTimeLeft, integer(IntegerId::BathTime));
}

SaunaRecordStore::Limits SaunaStateModel::recordLimits() const
{
    // Records are checked against what the system allows at all: the bath limits may be
    // narrowed later, and a stored favorite or program must still be kept.
    return {integer(IntegerId::SystemLowerTemperatureLimit),
            integer(IntegerId::SystemUpperTemperatureLimit), integer(IntegerId::BathTimeLimit)};
}

SaunaReport SaunaStateModel::requestFavorite(const FavoriteChange &change)
{
    return m_records.changeFavorite(change, recordLimits());
}

SaunaReport SaunaStateModel::requestAuxRelay(const AuxRelayChange &change)
{
    SaunaReport report = m_auxRelays.changeRelay(change);
    report.append(reportNextDescaling()); // the descaling relay's repetition counts
    return report;
}

SaunaReport SaunaStateModel::requestDescaling(const DescalingChange &change)
{
    // Only a steam generator is descaled.
    if (!m_hasSteamGenerator)
        return {};
    SaunaReport report = m_auxRelays.changeDescaling(change);
    report.append(reportNextDescaling());
    return report;
}

SaunaReport SaunaStateModel::requestCalendarProgram(const CalendarChange &change)
{
    return m_records.changeCalendarProgram(change, recordLimits());
}

SaunaReport SaunaStateModel::startFavorite(quint32 index)
{
    SaunaReport report;
    if (index >= FavoriteRecord::SlotCount || !m_records.favorites()[index].inUse) {
        report.dataErrors.push_back(QStringLiteral("favorite %1 is not stored").arg(index));
        return report;
    }
    // The panel asks for the favorite's settings (those of its editor, which may differ from the
    // stored record) before it sends this command, so starting takes the current settings and
    // does not lay the stored record over them.
    if (std::optional<SaunaReport> refusal = refuseDuringDescaling())
        return *refusal;
    if (!isRunningState(m_state)) {
        if (std::optional<SaunaReport> refusal = refuseStartNow())
            return *refusal;
    }
    // The favorite's bath replaces a calendar program's: the program's stop time no longer
    // switches the sauna off.
    report.append(endProgram());
    report.append(setState(SaunaStateValue::On));
    // A sauna that was on already begins the favorite's bath time afresh.
    report.append(renewBathTime());
    return report;
}

quint32 SaunaStateModel::effectiveTargetTemperature() const
{
    switch (m_state) {
    case SaunaStateValue::On:
        return integer(IntegerId::TargetTemperature);
    case SaunaStateValue::Standby: {
        const quint32 target = integer(IntegerId::TargetTemperature);
        const quint32 offset = integer(IntegerId::StandbyOffsetTemperature);
        return std::max(AmbientTemperature, target > offset ? target - offset : 0);
    }
    default:
        return AmbientTemperature;
    }
}

quint32 SaunaStateModel::effectiveTargetHumidity() const
{
    if (m_state != SaunaStateValue::On || !m_hasSteamGenerator)
        return AmbientHumidity;
    const quint32 target = integer(IntegerId::TargetHumidity);
    // Steps are shown as a coarse percentage: ten percent per step.
    const quint32 largestPercent = protocolFacts::largestHumidityPercent;
    if (!protocolFacts::isHumidityLevelCode(int(target)))
        return target;
    return std::min<quint32>(largestPercent,
                             (target - quint32(protocolFacts::humidityLevelCodeOffset)) * 10);
}

quint32 SaunaStateModel::effectiveWaterTemperature() const
{
    switch (m_state) {
    case SaunaStateValue::On:
        return BoilingWaterTemperature;
    case SaunaStateValue::Standby:
        return integer(IntegerId::TankStandbyTemperature);
    default:
        return AmbientTemperature;
    }
}

bool SaunaStateModel::isHeating() const
{
    return (m_state == SaunaStateValue::On || m_state == SaunaStateValue::Standby) &&
           integer(IntegerId::Temperature) < effectiveTargetTemperature();
}

std::vector<RelayOutput> SaunaStateModel::relays() const
{
    // Primary board: heater on X3/X4, lights on X5/X6, fan on X7/X8.
    std::vector<RelayOutput> outputs{
        {0, 0, isHeating()},
        {0, 1, boolean(BooleanId::Lights)},
        {0, 2, boolean(BooleanId::FanRunning)},
    };
    // The secondary boards of a multi-steam system heat their own tanks with the primary one;
    // their lights and fan terminals are left unconnected.
    for (int board = 1; board < m_relayBoards; ++board) {
        outputs.push_back({board, 0, isHeating()});
        outputs.push_back({board, 1, false, false});
        outputs.push_back({board, 2, false, false});
    }
    return outputs;
}

void SaunaStateModel::useSystemType(int wireSystemType)
{
    constexpr int multiSteam = 21;
    m_relayBoards = wireSystemType == multiSteam ? 3 : 1;
    if (m_relayBoards < 3 || !m_hasSteamGenerator)
        return;
    // The secondary tanks: at first a little cooler than the primary one, and full, as every
    // tank of a system in order.
    m_integers[IntegerId::TankTemperatureSecondary1] = AmbientTemperature - 9;
    m_integers[IntegerId::TankTemperatureSecondary2] = AmbientTemperature - 18;
    m_enums.waterLevelSecondary1 = WaterLevelValue::High;
    m_enums.waterLevelSecondary2 = WaterLevelValue::High;
}

void SaunaStateModel::fillErrorLog(int count, const QDateTime &nowLocal)
{
    m_errorLog.fill(count, m_relayBoards, nowLocal);
}

SaunaReport SaunaStateModel::clearErrorLog()
{
    SaunaReport report;
    report.errorLog = m_errorLog.clear();
    return report;
}

SaunaReport SaunaStateModel::heatStep(int elapsedMs)
{
    const bool heatingBefore = isHeating();
    SaunaReport report;
    report.append(setInteger(IntegerId::Temperature,
                             moveToward(integer(IntegerId::Temperature),
                                        effectiveTargetTemperature(), TemperatureStep)));
    // Without a working sensor no steam is made, and no humidity is measured to report.
    if (boolean(BooleanId::HumiditySensorStatus))
        report.append(setInteger(IntegerId::Humidity, moveToward(integer(IntegerId::Humidity),
                                                                 effectiveTargetHumidity(), 1)));
    if (m_hasSteamGenerator) {
        const quint32 water = effectiveWaterTemperature();
        for (const int tank :
             {IntegerId::TankTemperaturePrimary, IntegerId::TankTemperatureSecondary1,
              IntegerId::TankTemperatureSecondary2}) {
            // The secondary tanks are there only on a multi-steam system.
            if (m_integers.count(tank))
                report.append(setInteger(tank, moveToward(integer(tank), water, TemperatureStep)));
        }
    }

    if (m_state == SaunaStateValue::On || m_state == SaunaStateValue::Standby) {
        m_runningMs += std::max(0, elapsedMs);
        while (m_runningMs >= MillisecondsPerMinute && m_state != SaunaStateValue::Off) {
            m_runningMs -= MillisecondsPerMinute;
            report.append(setInteger(IntegerId::RunTime, integer(IntegerId::RunTime) + 1));
            const quint32 left = integer(IntegerId::RunTimeLeft);
            report.append(setInteger(IntegerId::RunTimeLeft, left > 0 ? left - 1 : 0));
            if (left <= 1)
                report.append(setState(SaunaStateValue::Off)); // the bath time has run out
        }
    }

    if (isHeating() != heatingBefore)
        report.stateChanged = true;
    return report;
}

SaunaReport SaunaStateModel::setHumiditySensorWorking(bool working)
{
    SaunaReport report = setBoolean(BooleanId::HumiditySensorStatus, working);
    if (report.isEmpty())
        return report;
    if (working)
        report.integers.emplace_back(IntegerId::Humidity, integer(IntegerId::Humidity));
    else
        report.userMessage = standingFault();
    return report;
}

std::optional<SaunaUserMessage> SaunaStateModel::standingFault() const
{
    if (boolean(BooleanId::HumiditySensorStatus))
        return std::nullopt;
    return SaunaUserMessage{SaunaUserMessage::NoHumiditySensor, SaunaUserMessage::OneButton,
                            QStringLiteral("humidity sensor failed"), std::nullopt};
}

SaunaReport SaunaStateModel::setTankWaterLevel(int board, int wireLevel)
{
    static constexpr std::array<std::optional<int> EnumSettings::*, 3> tanks{
        &EnumSettings::waterLevelPrimary, &EnumSettings::waterLevelSecondary1,
        &EnumSettings::waterLevelSecondary2};
    SaunaReport report;
    if (board < 0 || board >= int(tanks.size()) || wireLevel < WaterLevelValue::Low ||
        wireLevel > WaterLevelValue::Unknown)
        return report;
    // A tank without a level has no steam generator, or no board on this system.
    std::optional<int> &level = m_enums.*tanks[std::size_t(board)];
    if (level && *level != wireLevel) {
        level = wireLevel;
        report.enums.*tanks[std::size_t(board)] = wireLevel;
    }
    return report;
}

void SaunaStateModel::setClock(Clock nowUtc)
{
    const std::optional<qint64> left =
        m_delayedStartAt ? std::optional<qint64>(*m_delayedStartAt - elapsedClock()) : std::nullopt;
    m_clock = std::move(nowUtc);
    if (left)
        m_delayedStartAt = elapsedClock() + *left;
    // Kept for the next report: only setting the clock (requestSystemTime) tells the panels.
    reportNextDescaling();
}

SaunaReport SaunaStateModel::setDelayedStart(quint32 minutes)
{
    if (minutes == 0)
        return endDelayedStart();
    m_delayedStartAt = elapsedClock() + qint64(minutes) * MillisecondsPerMinute;
    SaunaReport report = setBoolean(BooleanId::DelayedStartEnable, true);
    report.append(setBoolean(BooleanId::DelayedStartRunning, true));
    return report;
}

SaunaReport SaunaStateModel::runDelayedStart()
{
    if (!m_delayedStartAt || elapsedClock() < *m_delayedStartAt)
        return {};
    SaunaReport report = endDelayedStart();
    report.append(requestState(SaunaStateValue::On));
    return report;
}

SaunaReport SaunaStateModel::endDelayedStart()
{
    m_delayedStartAt.reset();
    SaunaReport report = setBoolean(BooleanId::DelayedStartEnable, false);
    report.append(setBoolean(BooleanId::DelayedStartRunning, false));
    return report;
}

qint64 SaunaStateModel::elapsedClock() const
{
    return protocolEpoch().msecsTo(m_clock());
}

std::optional<quint32> SaunaStateModel::runningProgram() const
{
    return m_program ? std::optional<quint32>(m_program->index) : std::nullopt;
}

SaunaReport SaunaStateModel::runCalendar()
{
    const auto now = qint64(systemTime());
    SaunaReport report;
    if (m_program && now >= m_program->stopAt)
        report.append(setState(SaunaStateValue::Off));
    const std::optional<CalendarRunner::Due> due = m_calendar.look(
        now, m_records, integer(IntegerId::Temperature), boolean(BooleanId::ScheduleItemDisable));
    if (due)
        report.append(startProgram(*due));
    return report;
}

SaunaReport SaunaStateModel::startProgram(const CalendarRunner::Due &due)
{
    // Nobody pressed a button, but the period and the descaling hold for programs too: every
    // panel is told.
    std::optional<SaunaReport> refusal = refuseDuringDescaling();
    if (!refusal)
        refusal = refuseStartNow();
    if (refusal) {
        refusal->userMessage->reason += QStringLiteral(" (calendar program %1)").arg(due.index);
        refusal->refusedProgram = due.index;
        return *refusal;
    }
    const CalendarRecord &program = m_records.calendarPrograms()[due.index];
    const calendar::ProgramSettings settings = calendar::settingsOf(program, m_records.favorites());
    SaunaReport report;
    // A program that still runs ends here: the new one takes the sauna over.
    report.append(endProgram());
    // A program keeps what the system allows; the bath limits may have narrowed since.
    report.append(
        setInteger(IntegerId::TargetTemperature,
                   std::clamp(settings.temperature, integer(IntegerId::LowerTemperatureLimit),
                              integer(IntegerId::UpperTemperatureLimit))));
    if (m_hasSteamGenerator)
        report.append(setInteger(IntegerId::TargetHumidity, settings.humidity));
    if (settings.lights)
        report.append(setBoolean(BooleanId::Lights, *settings.lights));
    SaunaReport switched =
        setState(program.standbyMode ? SaunaStateValue::Standby : SaunaStateValue::On);
    // The bath lasts until the program's stop time, counted from now, not the bath time that
    // switching on gives.
    auto &integers = switched.integers;
    integers.erase(std::remove_if(integers.begin(), integers.end(),
                                  [](const std::pair<int, quint32> &entry) {
                                      return entry.first == IntegerId::RunTimeLeft;
                                  }),
                   integers.end());
    report.append(switched);
    const qint64 left = due.stopAt - qint64(systemTime());
    const auto minutesLeft = quint32(std::max<qint64>(
        1, (left + calendar::MillisecondsPerMinute - 1) / calendar::MillisecondsPerMinute));
    m_integers[IntegerId::RunTimeLeft] = minutesLeft;
    report.integers.emplace_back(IntegerId::RunTimeLeft, minutesLeft);
    m_runningMs = 0;
    m_program = due;
    report.startedProgram = due.index;
    report.stateChanged = true;
    return report;
}

} // namespace tools
