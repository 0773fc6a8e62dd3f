#include "signal_interface/humidity_types.h"

#include "signal_interface/debug_text.h"
#include <utility>

namespace signalInterface {

HumidityTypes::HumidityTypes(QObject *parent)
    : QObject(parent)
{}

HumidityTypes::~HumidityTypes() = default;

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
