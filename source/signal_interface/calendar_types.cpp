#include "signal_interface/calendar_types.h"

namespace signalInterface {

CalendarTypes::CalendarTypes(QObject *parent)
    : QObject(parent)
{}

CalendarTypes::~CalendarTypes() = default;

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
