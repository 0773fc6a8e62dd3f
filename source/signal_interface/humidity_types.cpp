#include "signal_interface/humidity_types.h"

#include "signal_interface/debug_text.h"
#include "signal_interface/enum_value_text.h"

#include <utility>

namespace signalInterface {

HumidityTypes::HumidityTypes(QObject *parent)
    : QObject(parent)
{}

HumidityTypes::~HumidityTypes() = default;

bool HumidityTypes::fromInt(int value, HumidityUnit &result)
{
    return enumFromInt<HumidityTypes>("HumidityUnit", value, result);
}

QString HumidityTypes::toText(HumidityUnit value)
{
    return enumValueText<HumidityTypes>("HumidityUnit", value);
}

bool HumidityTypes::fromInt(int value, HumidityPresentation &result)
{
    return enumFromInt<HumidityTypes>("HumidityPresentation", value, result);
}

QString HumidityTypes::toText(HumidityPresentation value)
{
    return enumValueText<HumidityTypes>("HumidityPresentation", value);
}

QDebug operator<<(QDebug debug, HumidityTypes::HumidityUnit value)
{
    return details::writeQuotedText(std::move(debug), HumidityTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, HumidityTypes::HumidityUnit value)
{
    return details::writeText(stream, HumidityTypes::toText(value));
}

QDebug operator<<(QDebug debug, HumidityTypes::HumidityPresentation value)
{
    return details::writeQuotedText(std::move(debug), HumidityTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, HumidityTypes::HumidityPresentation value)
{
    return details::writeText(stream, HumidityTypes::toText(value));
}

} // namespace signalInterface
