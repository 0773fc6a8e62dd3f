#include "signal_interface/time_edit_types.h"

#include "signal_interface/debug_text.h"
#include "signal_interface/enum_value_text.h"

#include <utility>

namespace signalInterface {

TimeEditTypes::TimeEditTypes(QObject *parent)
    : QObject(parent)
{}

TimeEditTypes::~TimeEditTypes() = default;

bool TimeEditTypes::fromInt(int value, Direction &result)
{
    return enumFromInt<TimeEditTypes>("Direction", value, result);
}

QString TimeEditTypes::toText(Direction value)
{
    return enumValueText<TimeEditTypes>("Direction", value);
}

bool TimeEditTypes::fromInt(int value, TimeComponent &result)
{
    return enumFromInt<TimeEditTypes>("TimeComponent", value, result);
}

QString TimeEditTypes::toText(TimeComponent value)
{
    return enumValueText<TimeEditTypes>("TimeComponent", value);
}

bool TimeEditTypes::fromInt(int value, StepperComponent &result)
{
    return enumFromInt<TimeEditTypes>("StepperComponent", value, result);
}

QString TimeEditTypes::toText(StepperComponent value)
{
    return enumValueText<TimeEditTypes>("StepperComponent", value);
}

QDebug operator<<(QDebug debug, TimeEditTypes::Direction value)
{
    return details::writeQuotedText(std::move(debug), TimeEditTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, TimeEditTypes::Direction value)
{
    return details::writeText(stream, TimeEditTypes::toText(value));
}

QDebug operator<<(QDebug debug, TimeEditTypes::TimeComponent value)
{
    return details::writeQuotedText(std::move(debug), TimeEditTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, TimeEditTypes::TimeComponent value)
{
    return details::writeText(stream, TimeEditTypes::toText(value));
}

QDebug operator<<(QDebug debug, TimeEditTypes::StepperComponent value)
{
    return details::writeQuotedText(std::move(debug), TimeEditTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, TimeEditTypes::StepperComponent value)
{
    return details::writeText(stream, TimeEditTypes::toText(value));
}

} // namespace signalInterface
