#include "signal_interface/time_edit_types.h"

#include "signal_interface/debug_text.h"
#include <utility>

namespace signalInterface {

TimeEditTypes::TimeEditTypes(QObject *parent)
    : QObject(parent)
{}

TimeEditTypes::~TimeEditTypes() = default;

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
