#pragma once

#include "aux_relay_records.h"
#include "sauna_error_log.h"
#include "sauna_records.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

namespace tools {

// The enum settings of the sauna, as wire values of the enum value messages.
struct EnumSettings
{
    std::optional<int> facilityType;
    std::optional<int> region;
    std::optional<int> waterLevelPrimary;
    std::optional<int> externalSwitchFunction;
    std::optional<int> bathPriority;
    // The tanks of the secondary boards of a multi-steam system.
    std::optional<int> waterLevelSecondary1;
    std::optional<int> waterLevelSecondary2;

    bool isEmpty() const
    {
        return !facilityType && !region && !waterLevelPrimary && !externalSwitchFunction &&
               !bathPriority && !waterLevelSecondary1 && !waterLevelSecondary2;
    }
};

// A message the sauna raises for the user, by the id of the panel's message tables; the panel
// shows its own text for it and answers with the button the user pressed.
struct SaunaUserMessage
{
    enum Id : quint32 {
        // A sauna error code: the level electrodes of a steam tank report no water at mid level.
        LevelElectrodesOutOfService = 12,
        WeekdayProgramCollision = 0x1000,
        DateProgramCollision = 0x1001,
        StartNotAllowed = 0x1002,
        NoHumiditySensor = 0x100e,
        DescalingStarted = 0x1008, // so no other operation is possible
        DescalingCompleted = 0x1009,
    };
    // User_message types: one button, acknowledged by the user; the same for an error.
    static constexpr int OneButton = 11;
    static constexpr int OneButtonError = 13;

    quint32 id = 0;
    int type = OneButton;
    // Why, in the simulator's own words; for its output, never sent.
    QString reason;
    // The relay control board the message is about (0 primary, 1 and 2 secondary); none for a
    // message about the whole system.
    std::optional<int> controlBoard;
};

// What the sauna tells its panels after a request or a heating step. Ids are the report ids of the
// integer and boolean value messages; only what changed is listed, in the order it changed.
struct SaunaReport
{
    std::vector<std::pair<int, quint32>> integers;
    std::vector<std::pair<int, bool>> booleans;
    EnumSettings enums;
    bool stateChanged = false; // state, clock or relays: a sauna state report follows
    // Favorite and calendar slots, each as it now stands; an emptied slot is reported empty.
    std::vector<FavoriteRecord> favorites;
    std::vector<CalendarRecord> calendarPrograms;
    std::vector<QString> dataErrors;
    // Error log entries as they now stand; a cleared entry is reported not in use.
    std::vector<ErrorLogEntry> errorLog;
    // Auxiliary relays, each as it now stands, and the descaling settings when they changed.
    std::vector<AuxRelayRecord> auxRelays;
    std::optional<DescalingRecord> descaling;
    // One envelope carries one message: the first one raised is kept.
    std::optional<SaunaUserMessage> userMessage;
    // The calendar programs whose bath ended, however it ended, and the program that started, in
    // that order; for the simulator's output, never sent. They come with the state they changed,
    // so they make no report of their own.
    std::vector<quint32> endedPrograms;
    std::optional<quint32> startedProgram;
    // A program due now that the sauna did not start; the message tells why. For the simulator's
    // output, as are the descaling that started or finished.
    std::optional<quint32> refusedProgram;
    bool descalingStarted = false;
    bool descalingFinished = false;

    bool isEmpty() const
    {
        return integers.empty() && booleans.empty() && enums.isEmpty() && !stateChanged &&
               favorites.empty() && calendarPrograms.empty() && dataErrors.empty() &&
               errorLog.empty() && auxRelays.empty() && !descaling && !userMessage;
    }

    void append(const SaunaReport &other)
    {
        integers.insert(integers.end(), other.integers.begin(), other.integers.end());
        booleans.insert(booleans.end(), other.booleans.begin(), other.booleans.end());
        if (other.enums.facilityType)
            enums.facilityType = other.enums.facilityType;
        if (other.enums.region)
            enums.region = other.enums.region;
        if (other.enums.waterLevelPrimary)
            enums.waterLevelPrimary = other.enums.waterLevelPrimary;
        if (other.enums.externalSwitchFunction)
            enums.externalSwitchFunction = other.enums.externalSwitchFunction;
        if (other.enums.bathPriority)
            enums.bathPriority = other.enums.bathPriority;
        if (other.enums.waterLevelSecondary1)
            enums.waterLevelSecondary1 = other.enums.waterLevelSecondary1;
        if (other.enums.waterLevelSecondary2)
            enums.waterLevelSecondary2 = other.enums.waterLevelSecondary2;
        stateChanged = stateChanged || other.stateChanged;
        favorites.insert(favorites.end(), other.favorites.begin(), other.favorites.end());
        calendarPrograms.insert(calendarPrograms.end(), other.calendarPrograms.begin(),
                                other.calendarPrograms.end());
        dataErrors.insert(dataErrors.end(), other.dataErrors.begin(), other.dataErrors.end());
        errorLog.insert(errorLog.end(), other.errorLog.begin(), other.errorLog.end());
        auxRelays.insert(auxRelays.end(), other.auxRelays.begin(), other.auxRelays.end());
        if (other.descaling)
            descaling = other.descaling;
        if (!userMessage)
            userMessage = other.userMessage;
        endedPrograms.insert(endedPrograms.end(), other.endedPrograms.begin(),
                             other.endedPrograms.end());
        if (other.startedProgram)
            startedProgram = other.startedProgram;
        if (other.refusedProgram)
            refusedProgram = other.refusedProgram;
        descalingStarted = descalingStarted || other.descalingStarted;
        descalingFinished = descalingFinished || other.descalingFinished;
    }
};

} // namespace tools
