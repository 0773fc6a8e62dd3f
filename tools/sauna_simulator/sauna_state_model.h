#pragma once

#include "aux_relay_store.h"
#include "calendar_runner.h"
#include "descaling_runner.h"
#include "sauna_record_store.h"
#include "sauna_report.h"

#include <QDateTime>
#include <QtGlobal>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tools {

// Ids of the integer value reports the sauna sends.
struct IntegerId
{
    enum : int {
        TargetTemperature = 10,
        StandbyOffsetTemperature = 11,
        Temperature = 12,
        LowerTemperatureLimit = 13,
        UpperTemperatureLimit = 14,
        SystemLowerTemperatureLimit = 15,
        SystemUpperTemperatureLimit = 16,
        BathTime = 17,
        BathTimeLimit = 18,
        Humidity = 19,
        TargetHumidity = 20,
        TankTemperaturePrimary = 21,
        RunTimeLeft = 22,
        TimeToAllowedOn = 23,
        TankStandbyTemperature = 24,
        ExtSwitchBathTime = 25,
        RunTime = 26,
        WaterTemperatureLimit = 27,
        PcbOverheatLimit = 28,
        FanRuntime = 29,
        CleanupBetweenTime = 30,
        CleanupTotal = 31,
        LastDescaling = 32,
        BathTimeTimerReset = 33,
        TankAutoEmptyingDuration = 34,
        RcbTankFillTime = 35,
        NotAllowedStartFrom = 36,
        NotAllowedStartUntil = 37,
        TankTemperatureSecondary1 = 38,
        TankTemperatureSecondary2 = 39,
        NextDescaling = 40,
    };
};

// Ids of the integer value change requests a panel sends.
struct IntegerRequestId
{
    enum : int {
        TargetTemperature = 10,
        StandbyTemperatureReduction = 11,
        MinBathTemperature = 12,
        MaxBathTemperature = 13,
        BathTime = 14,
        TargetHumidity = 15,
        Unused16 = 16,
        TankStandbyTemperature = 17,
        ExtSwitchBathTime = 18,
        WaterTemperatureLimit = 19,
        PcbOverheatLimit = 20,
        FanRuntime = 21,
        CleanupTime = 22,
        ResetBathTimeTimer = 23,
        TankAutoEmptyingDuration = 24,
        RcbTankFillTime = 25,
        NotAllowedStartFrom = 26,
        NotAllowedStartUntil = 27,
    };
};

// Ids of the boolean value reports the sauna sends.
struct BooleanId
{
    enum : int {
        Lights = 10,
        EnableStandby = 11,
        HumiditySensorStatus = 12,
        DelayedStartEnable = 13,
        DelayedStartRunning = 14,
        MagneticSensorConnected = 15,
        ScheduleItemDisable = 16,
        FanAutomatic = 17,
        FanRunning = 18,
        CleanupEnable = 19,
        TankAutoEmptyingEnable = 20,
        NotAllowedStartEnable = 21,
        TankNotificationEnable = 22,
        IrEnable = 23,
    };
};

// Ids of the boolean value change requests a panel sends.
struct BooleanRequestId
{
    enum : int {
        Lights = 10,
        EnableStandby = 11,
        ScheduleItemDisable = 12,
        FanAutomatic = 13,
        FanRunning = 14,
        CleanupEnable = 15,
        TankEmptyingEnable = 16,
        NotAllowedStartEnable = 17,
        CleanupTankNotice = 18,
        IrEnable = 19,
    };
};

// The sauna states as the sauna state messages carry them.
struct SaunaStateValue
{
    enum : int { Off = 10, On = 11, Standby = 12, Dryup = 13, Cleanup = 14, Descaling = 15 };
};

// The water levels of a tank as the enum value messages carry them.
struct WaterLevelValue
{
    enum : int { Low = 10, Mid = 11, High = 12, Unknown = 13 };
};

// One relay output of the sauna's control boards: whether it is switched on, and whether the
// installation uses it at all.
struct RelayOutput
{
    int controlBoard = 0;
    int index = 0;
    bool state = false;
    bool inUse = true;

    bool operator==(const RelayOutput &other) const
    {
        return controlBoard == other.controlBoard && index == other.index && state == other.state &&
               inUse == other.inUse;
    }
};

// The simulated sauna's settings and readings, and the rules by which requests change them. It
// knows no sockets and no message classes: requests go in as ids and values, and every operation
// returns what changed, for the panels to be told.
class SaunaStateModel
{
public:
    // The time now in UTC; the sauna's clock runs at an offset from it.
    using Clock = std::function<QDateTime()>;

    // Measured values drift toward this when the sauna is off, in ninths of a degree Celsius.
    static constexpr quint32 AmbientTemperature = calendar::WarmUp::RoomTemperature;
    static constexpr quint32 AmbientHumidity = 20;
    // How far one heating step moves the measured temperature, of the room or of a tank's water:
    // one degree Celsius.
    static constexpr quint32 TemperatureStep = 9;
    // The steam generator's water in a bath: boiling, 100 °C.
    static constexpr quint32 BoilingWaterTemperature = 900;
    static constexpr int MillisecondsPerMinute = 60000;

    SaunaStateModel();
    // The clock the sauna's own decisions go by (the not-allowed start period, the calendar);
    // the computer's by default.
    // A delayed start keeps the time it has left.
    void setClock(Clock nowUtc);
    // The settings that depend on the board product (a Connection_types rcb_product_t value): a
    // dry or infrared sauna has no steam generator, so none of its values (humidity control, tank,
    // water level and temperature, tank auto-emptying, bath priority) is reported, and requests
    // to change them mean nothing to it. Called once, before a panel connects.
    void useProductDefaults(int wireProduct);
    bool hasSteamGenerator() const { return m_hasSteamGenerator; }
    // The relay control boards of the system type (a Connection_types system_type_t value): a
    // multi-steam system has three, each with its heater relay and, with a steam generator, its
    // tank.
    void useSystemType(int wireSystemType);
    int relayBoardCount() const { return m_relayBoards; }

    // The error log: filled with count entries (see SaunaErrorLog::fill), or emptied, which
    // reports every entry that was in use.
    void fillErrorLog(int count, const QDateTime &nowLocal);
    SaunaReport clearErrorLog();
    const SaunaErrorLog &errorLog() const { return m_errorLog; }

    // Every value the sauna reports, for a panel that has just connected or asked for an update.
    SaunaReport fullReport() const;

    SaunaReport requestInteger(int requestId, quint32 value);
    SaunaReport requestBoolean(int requestId, bool value);
    SaunaReport requestEnums(const EnumSettings &settings);
    // wireState is one of Off, On or Standby. A start (On or Standby from Off) in the
    // not-allowed start period is refused with a message that tells when a start is allowed;
    // while the steam generator is descaled, every request is refused with a message.
    SaunaReport requestState(int wireState);
    SaunaReport requestSystemTime(quint64 millisecondsSinceEpoch, const QDateTime &nowUtc);
    SaunaReport renewBathTime();

    // A favorite or calendar post: fills, changes or empties one slot.
    SaunaReport requestFavorite(const FavoriteChange &change);
    SaunaReport requestCalendarProgram(const CalendarChange &change);
    // Takes the stored favorite's humidity, temperature, bath time and lights as the current
    // settings and starts a bath with them.
    SaunaReport startFavorite(quint32 index);

    // An auxiliary relay post or a descaling message: changes one relay or the descaling.
    SaunaReport requestAuxRelay(const AuxRelayChange &change);
    SaunaReport requestDescaling(const DescalingChange &change);
    const AuxRelayStore &auxRelays() const { return m_auxRelays; }

    // What a sensor or the heater's own timer of a real sauna would give now (the room's
    // temperature or humidity, the bath time left, the last descaling day), taken as it is; the
    // heating steps move it on.
    SaunaReport setReading(int reportId, quint32 value);
    // The humidity sensor failing or working again. A failed sensor is reported not working,
    // with "No humidity sensor detected. Steam not allowed." (0x100e); the sauna then makes no
    // steam and measures no humidity. Working again, it reports the room's humidity at once.
    SaunaReport setHumiditySensorWorking(bool working);
    // The message of a fault that stands now, as the sauna's own display shows it to whoever
    // looks: the failed humidity sensor's. None while nothing has failed.
    std::optional<SaunaUserMessage> standingFault() const;
    // The water level of a board's tank (0 primary, 1 and 2 the secondary boards), a
    // WaterLevelValue; nothing for a tank the system does not have.
    SaunaReport setTankWaterLevel(int board, int wireLevel);

    // One tick of the heating timer, elapsedMs after the previous one. The room heats toward its
    // target; a steam generator's tanks boil in a bath, are held at the tank standby temperature
    // in standby, and cool to the room's temperature otherwise.
    SaunaReport heatStep(int elapsedMs);
    // A look at the calendar by the sauna's clock: starts the program that is due, with its
    // settings, and stops the running one at its stop time. Any report of the model tells the
    // programs whose bath ended by it: at the stop time, when the bath time ran out, switched off,
    // or taken over by another program or a favorite.
    SaunaReport runCalendar();
    // The calendar program the sauna runs now.
    std::optional<quint32> runningProgram() const;
    // A look at the computer's clock for the fan: its run after a bath ends at the set running
    // time.
    SaunaReport runFan();
    // A look at the sauna's clock for the descaling: it ends at its stop time, with the day it
    // started as the last descaling day and a message that it completed; it starts when it is due
    // (see DescalingRunner) while the sauna is off. A descaling due during a bath is left out.
    SaunaReport runDescaling();
    // A look at every clock: the fan's, the descaling's, then the calendar's.
    SaunaReport lookAtClock();

    // A delayed start set on the sauna itself, as its own keypad sets one: after the minutes have
    // passed the sauna switches itself on; until then it reports its delayed start enabled and
    // running. 0 takes it back. Whatever switches the sauna on or off meanwhile (a panel, a
    // favorite, a calendar program) ends it; a start refused in the not-allowed start period does
    // not.
    SaunaReport setDelayedStart(quint32 minutes);
    // A look at the clock: the sauna switches on once its delayed start is due, and the delayed
    // start is over, even when the not-allowed start period refuses the start.
    SaunaReport runDelayedStart();
    bool hasDelayedStart() const { return m_delayedStartAt.has_value(); }

    quint32 integer(int reportId) const;
    bool boolean(int reportId) const;
    int state() const { return m_state; }
    const EnumSettings &enums() const { return m_enums; }
    const SaunaRecordStore &records() const { return m_records; }
    std::vector<RelayOutput> relays() const;
    // The sauna's clock in milliseconds since 2000-01-01 00:00 UTC.
    quint64 systemTime(const QDateTime &nowUtc) const;
    quint64 systemTime() const { return systemTime(m_clock()); }

    // The epoch of every time on the wire, in UTC (signal_interface/protocol_facts.h).
    static QDateTime protocolEpoch();

private:
    // Drops every value of the steam generator, for a product without one.
    void forgetSteamGenerator();
    SaunaReport setState(int wireState);
    // What a bath start tells on a system of several boards whose secondary tank reads low
    // water: that tank's level electrodes are out of service. The message names the board.
    std::optional<SaunaUserMessage> tankLevelFault() const;
    SaunaReport endDelayedStart();
    // The computer's time in milliseconds since the epoch: a delay counts time as it passes,
    // whatever the sauna's clock is set to meanwhile.
    qint64 elapsedClock() const;
    // Ends the running calendar program's bath, if one runs, and reports that it ended.
    SaunaReport endProgram();
    // The refusal of a start while the not-allowed start period lasts; nothing outside it.
    std::optional<SaunaReport> refuseStartNow();
    // The refusal of any change of state while the steam generator is descaled.
    std::optional<SaunaReport> refuseDuringDescaling() const;
    // The day of the next descaling (days since 2000-01-01), reported as NEXT_DESCALING: the day
    // a later look will start it, by the descaling weekday and start time, the repetition in weeks
    // and the last descaling day; a descaling that runs now counts as the last one. 0, a day long
    // past, while none is ahead (descaling off, or its relay not connected). Every change of what
    // it depends on reports it again when the day changes: the settings, the descaling relay, the
    // last descaling day, the clock set, and the time a start passes.
    SaunaReport reportNextDescaling();
    SaunaReport startProgram(const CalendarRunner::Due &due);
    // With the automatic fan on, the fan runs while a bath does and for the fan's running time
    // after it; the user's switch takes the fan over until the next bath.
    SaunaReport fanFollowsBath(bool bathing);
    SaunaReport setInteger(int reportId, quint32 value);
    SaunaReport setBoolean(int reportId, bool value);
    SaunaReport keepTargetWithinLimits();
    // The facility type a panel asks for: stored and reported back when it is one of the four a
    // sauna is operated as; "unknown" is refused, and the type that still holds is reported.
    SaunaReport requestFacilityType(int wireType);
    quint32 effectiveTargetTemperature() const;
    quint32 effectiveTargetHumidity() const;
    quint32 effectiveWaterTemperature() const;
    bool isHeating() const;
    SaunaRecordStore::Limits recordLimits() const;

    std::map<int, quint32> m_integers;
    std::map<int, bool> m_booleans;
    EnumSettings m_enums;
    SaunaRecordStore m_records;
    AuxRelayStore m_auxRelays;
    int m_state = SaunaStateValue::Off;
    qint64 m_clockOffsetMs = 0;
    int m_runningMs = 0; // time switched on since the last whole minute
    int m_relayBoards = 1;
    bool m_hasSteamGenerator = true;
    SaunaErrorLog m_errorLog;
    Clock m_clock = [] {
        return QDateTime::currentDateTimeUtc();
    };
    CalendarRunner m_calendar;
    // The program that runs now, until its stop time.
    std::optional<CalendarRunner::Due> m_program;
    // When the delayed start switches the sauna on, by elapsedClock().
    std::optional<qint64> m_delayedStartAt;
    // When the fan's run after a bath ends, on the computer's clock: setting the sauna's clock
    // does not cut it short.
    std::optional<QDateTime> m_fanStopsAt;
    DescalingRunner m_descalingRunner;
    // The descaling that runs now, until its stop time.
    std::optional<DescalingRunner::Due> m_descalingRun;
};

} // namespace tools
