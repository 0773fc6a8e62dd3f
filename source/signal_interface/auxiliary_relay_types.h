#pragma once

#include "signal_interface/enum_value_text.h"

#include "signal_interface/calendar_types.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

namespace signalInterface {

// Auxiliary relay choices and settings, and the descaling settings.
class AuxiliaryRelayTypes : public QObject, public EnumConversions<AuxiliaryRelayTypes>
{
    Q_OBJECT

public:
    enum TimeScaling : int {
        E_100_msec = 0,
        E_seconds = 1,
        E_minutes = 2,
        E_hours = 3,
    };
    Q_ENUM(TimeScaling)

    enum Function : int {
        E_notUsed = 0,
        E_onOff = 1,
        E_frequency = 2,
    };
    Q_ENUM(Function)

    enum FragranceSetting : int {
        E_pump = 0,
        E_stop = 1,
    };
    Q_ENUM(FragranceSetting)

    enum DescalingSetting : int {
        E_enableDescaling = 0,
        E_startTime = 1,
        E_duration = 2,
        E_dosage = 3,
        E_weekday = 4,
    };
    Q_ENUM(DescalingSetting)

    explicit AuxiliaryRelayTypes(QObject *parent = nullptr);
    ~AuxiliaryRelayTypes() override;

    // The settings of one auxiliary relay (0-6).
    struct AuxiliaryRelayPost
    {
        quint32 index = 0;
        bool connected = false;
        Function function = E_notUsed;
        QString name;
        bool activated = false;
        quint32 offTimeValue = 0;
        TimeScaling offTimeScaling = E_100_msec;
        quint32 onTimeValue = 0;
        TimeScaling onTimeScaling = E_100_msec;

        bool operator==(const AuxiliaryRelayPost &other) const
        {
            return index == other.index && connected == other.connected &&
                   function == other.function && name == other.name &&
                   activated == other.activated && offTimeValue == other.offTimeValue &&
                   offTimeScaling == other.offTimeScaling && onTimeValue == other.onTimeValue &&
                   onTimeScaling == other.onTimeScaling;
        }
        bool operator!=(const AuxiliaryRelayPost &other) const { return !(*this == other); }
    };

    // The descaling settings. Duration and repeat interval live in the descaling relay's post.
    struct Descaling
    {
        // The relay index the sauna reports when no relay is used for descaling.
        static constexpr quint32 noRelayIndex = 7;

        bool enabled = false;
        quint32 relayIndex = noRelayIndex;
        CalendarTypes::WeekDay weekday = CalendarTypes::E_monday;
        QTime startTime;
        quint32 dosage = 0;

        // The start time compares by its milliseconds of the day, as the wire carries it: an
        // unset start time counts as midnight.
        bool operator==(const Descaling &other) const
        {
            return enabled == other.enabled && relayIndex == other.relayIndex &&
                   weekday == other.weekday &&
                   startTime.msecsSinceStartOfDay() == other.startTime.msecsSinceStartOfDay() &&
                   dosage == other.dosage;
        }
        bool operator!=(const Descaling &other) const { return !(*this == other); }
    };

    static constexpr int relayCount = 7;

    // Appends one default post for each relay 0-6; existing entries stay.
    static void makeDefaultAuxiliaryRelayPosts(QList<AuxiliaryRelayPost> &posts);
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost)
Q_DECLARE_METATYPE(signalInterface::AuxiliaryRelayTypes::Descaling)
