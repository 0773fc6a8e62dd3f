#include "signal_interface/date_time_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

DateTimeTypes::DateTimeTypes(QObject *parent)
    : QObject(parent)
{}

DateTimeTypes::~DateTimeTypes() = default;

bool DateTimeTypes::fromInt(int value, TimeFormat &result)
{
    return enumFromInt<DateTimeTypes>("TimeFormat", value, result);
}

QString DateTimeTypes::toText(TimeFormat value)
{
    return enumValueText<DateTimeTypes>("TimeFormat", value);
}

bool DateTimeTypes::fromInt(int value, DateFormat &result)
{
    return enumFromInt<DateTimeTypes>("DateFormat", value, result);
}

QString DateTimeTypes::toText(DateFormat value)
{
    return enumValueText<DateTimeTypes>("DateFormat", value);
}

} // namespace signalInterface
