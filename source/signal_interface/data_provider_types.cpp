#include "signal_interface/data_provider_types.h"

#include "signal_interface/debug_text.h"
#include <utility>

namespace signalInterface {

DataProviderTypes::DataProviderTypes(QObject *parent)
    : QObject(parent)
{}

DataProviderTypes::~DataProviderTypes() = default;

QDebug operator<<(QDebug debug, DataProviderTypes::StepperControlChange value)
{
    return details::writeQuotedText(std::move(debug), DataProviderTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, DataProviderTypes::StepperControlChange value)
{
    return details::writeText(stream, DataProviderTypes::toText(value));
}

} // namespace signalInterface
