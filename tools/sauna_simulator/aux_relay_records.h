#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace tools {

// The wire values of the auxiliary relay messages (aux_relay.proto).
struct AuxRelayWire
{
    enum Function : int { NotUsed = 10, OnOff = 11, Frequency = 12 };
    enum Scaling : int { TenthsOfSecond = 10, Seconds = 11, Minutes = 12, Hours = 13 };
};

// One on or off time of a relay's cycle: a value counted in units of its scaling.
struct AuxRelayTiming
{
    int scaling = AuxRelayWire::TenthsOfSecond;
    quint32 value = 0;

    bool operator==(const AuxRelayTiming &other) const
    {
        return scaling == other.scaling && value == other.value;
    }
    bool operator!=(const AuxRelayTiming &other) const { return !(*this == other); }
};

// One auxiliary relay output as the sauna keeps it. A relay that is not connected exists only as
// a number: the sauna reports it so, and refuses settings for it.
struct AuxRelayRecord
{
    static constexpr quint32 RelayCount = 7;
    static constexpr qsizetype MaximumNameLength = 20;

    AuxRelayRecord() = default;
    explicit AuxRelayRecord(quint32 relay)
        : index(relay)
    {}

    quint32 index = 0;
    bool connected = false;
    int function = AuxRelayWire::NotUsed;
    QString name;
    bool activated = false;
    AuxRelayTiming offTime;
    AuxRelayTiming onTime;

    bool operator==(const AuxRelayRecord &other) const
    {
        return index == other.index && connected == other.connected && function == other.function &&
               name == other.name && activated == other.activated && offTime == other.offTime &&
               onTime == other.onTime;
    }
    bool operator!=(const AuxRelayRecord &other) const { return !(*this == other); }
};

// What one auxiliary relay post asks for: the fields it carries. The name is always carried (a
// post without name elements names an empty name).
struct AuxRelayChange
{
    std::optional<quint32> index;
    std::optional<int> function;
    QString name;
    bool nameIsText = true; // false: an element was no UTF-16 code unit
    std::optional<bool> activated;
    // A timing is carried whole or not at all; half a timing is a fault of its own.
    std::optional<AuxRelayTiming> offTime;
    std::optional<AuxRelayTiming> onTime;
    bool timingIncomplete = false;
};

// The descaling of the steam generator: which relay doses, on which weekday, when and how much.
// The duration and the repetition are the descaling relay's on and off times.
struct DescalingRecord
{
    static constexpr quint32 LastMinuteOfDay = 1439;
    static constexpr quint32 LowestDosage = 50;   // millilitres
    static constexpr quint32 HighestDosage = 500; // millilitres

    std::optional<quint32> relayIndex; // none when no relay descales
    bool enabled = false;
    quint32 weekday = 0;   // Monday 0 to Sunday 6
    quint32 startTime = 0; // minutes after midnight
    quint32 dosage = LowestDosage;

    bool operator==(const DescalingRecord &other) const
    {
        return relayIndex == other.relayIndex && enabled == other.enabled &&
               weekday == other.weekday && startTime == other.startTime && dosage == other.dosage;
    }
    bool operator!=(const DescalingRecord &other) const { return !(*this == other); }
};

// What one descaling message asks for. It names every setting: a missing relay index means no
// relay.
struct DescalingChange
{
    std::optional<quint32> relayIndex;
    std::optional<bool> enabled;
    std::optional<quint32> weekday;
    std::optional<quint32> startTime;
    std::optional<quint32> dosage;
};

} // namespace tools

Q_DECLARE_METATYPE(tools::AuxRelayChange)
Q_DECLARE_METATYPE(tools::DescalingChange)
