#include "view_cpp/calendar_month_day_item.h"

namespace view {

CalendarMonthDayItem::CalendarMonthDayItem(const QString &textOnDayButton,
                                           const bool &dayPostAvailable,
                                           const bool &dayButtonEnabled,
                                           const double &dayButtonOpacity)
    : ListItem(0)
    , m_textOnDayButton(textOnDayButton)
    , m_dayPostAvailable(dayPostAvailable)
    , m_dayButtonEnabled(dayButtonEnabled)
    , m_dayButtonOpacity(dayButtonOpacity)
{}

QHash<int, QByteArray> CalendarMonthDayItem::roleNames()
{
    return {
        {TextOnDayButtonRole, "textOnDayButton"},
        {DayPostAvailableRole, "dayPostAvailable"},
        {DayButtonEnabledRole, "dayButtonEnabled"},
        {DayButtonOpacityRole, "dayButtonOpacity"},
    };
}

QVariant CalendarMonthDayItem::data(int role) const
{
    switch (role) {
    case TextOnDayButtonRole:
        return m_textOnDayButton;
    case DayPostAvailableRole:
        return m_dayPostAvailable;
    case DayButtonEnabledRole:
        return m_dayButtonEnabled;
    case DayButtonOpacityRole:
        return m_dayButtonOpacity;
    default:
        return {};
    }
}

bool CalendarMonthDayItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case TextOnDayButtonRole:
        storeOnChange(m_textOnDayButton, value.toString());
        return true;
    case DayPostAvailableRole:
        storeOnChange(m_dayPostAvailable, value.toBool());
        return true;
    case DayButtonEnabledRole:
        storeOnChange(m_dayButtonEnabled, value.toBool());
        return true;
    case DayButtonOpacityRole:
        storeOnChange(m_dayButtonOpacity, value.toDouble());
        return true;
    default:
        return false;
    }
}

void CalendarMonthDayItem::setTextOnDayButton(const QString &text)
{
    storeOnChange(m_textOnDayButton, text);
}

void CalendarMonthDayItem::setDayPostAvailable(const bool &available)
{
    storeOnChange(m_dayPostAvailable, available);
}

void CalendarMonthDayItem::setDayButtonEnabled(const bool &enabled)
{
    storeOnChange(m_dayButtonEnabled, enabled);
}

void CalendarMonthDayItem::setDayButtonOpacity(const double &opacity)
{
    storeOnChange(m_dayButtonOpacity, opacity);
}

} // namespace view
