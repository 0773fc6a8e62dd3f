#pragma once

#include "signal_interface/enum_value_text.h"

#include <QDebug>
#include <QObject>
#include <QString>

#include <iosfwd>

namespace signalInterface {

// Steps and components of the time and date editors.
class TimeEditTypes : public QObject, public EnumConversions<TimeEditTypes>
{
    Q_OBJECT

public:
    enum Direction : int {
        E_increase = 0,
        E_decrease = 1,
    };
    Q_ENUM(Direction)

    enum TimeComponent : int {
        E_hour = 0,
        E_minute = 1,
        E_second = 2,
        E_milliSecond = 3,
        E_am_pm = 4,
    };
    Q_ENUM(TimeComponent)

    enum StepperComponent : int {
        E_stepper1 = 0,
        E_stepper2 = 1,
        E_stepper3 = 2,
    };
    Q_ENUM(StepperComponent)

    explicit TimeEditTypes(QObject *parent = nullptr);
    ~TimeEditTypes() override;
};

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, TimeEditTypes::Direction value);
std::ostream &operator<<(std::ostream &stream, TimeEditTypes::Direction value);

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, TimeEditTypes::TimeComponent value);
std::ostream &operator<<(std::ostream &stream, TimeEditTypes::TimeComponent value);

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, TimeEditTypes::StepperComponent value);
std::ostream &operator<<(std::ostream &stream, TimeEditTypes::StepperComponent value);

} // namespace signalInterface
