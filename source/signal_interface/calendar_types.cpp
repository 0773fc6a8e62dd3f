#include "signal_interface/calendar_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

CalendarTypes::CalendarTypes(QObject *parent)
    : QObject(parent)
{}

CalendarTypes::~CalendarTypes() = default;

bool CalendarTypes::fromInt(int value, StartMode &result)
{
    return enumFromInt<CalendarTypes>("StartMode", value, result);
}

QString CalendarTypes::toText(StartMode value)
{
    return enumValueText<CalendarTypes>("StartMode", value);
}

bool CalendarTypes::fromInt(int value, WeekDay &result)
{
    return enumFromInt<CalendarTypes>("WeekDay", value, result);
}

QString CalendarTypes::toText(WeekDay value)
{
    return enumValueText<CalendarTypes>("WeekDay", value);
}

bool CalendarTypes::fromInt(int value, Month &result)
{
    return enumFromInt<CalendarTypes>("Month", value, result);
}

QString CalendarTypes::toText(Month value)
{
    return enumValueText<CalendarTypes>("Month", value);
}

CalendarTypes::WeekDay CalendarTypes::nextWeekDay(WeekDay day)
{
    if (day < E_monday || day >= E_sunday)
        return E_monday;
    return static_cast<WeekDay>(day + 1);
}

CalendarTypes::Month CalendarTypes::nextMonth(Month month)
{
    if (month < E_january || month >= E_december)
        return E_january;
    return static_cast<Month>(month + 1);
}

CalendarTypes::Month CalendarTypes::previousMonth(Month month)
{
    if (month <= E_january || month > E_december)
        return E_december;
    return static_cast<Month>(month - 1);
}

} // namespace signalInterface
