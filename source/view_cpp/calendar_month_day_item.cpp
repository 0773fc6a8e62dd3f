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

const RoleTable<CalendarMonthDayItem> &CalendarMonthDayItem::roleTable()
{
    static const RoleTable<CalendarMonthDayItem> table = {
        {TextOnDayButtonRole, field<&CalendarMonthDayItem::m_textOnDayButton>(OnSet::OnChange)},
        {DayPostAvailableRole, field<&CalendarMonthDayItem::m_dayPostAvailable>(OnSet::OnChange)},
        {DayButtonEnabledRole, field<&CalendarMonthDayItem::m_dayButtonEnabled>(OnSet::OnChange)},
        {DayButtonOpacityRole, field<&CalendarMonthDayItem::m_dayButtonOpacity>(OnSet::OnChange)},
    };
    return table;
}

QVariant CalendarMonthDayItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool CalendarMonthDayItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void CalendarMonthDayItem::setTextOnDayButton(const QString &text)
{
    storeByRole(roleTable(), TextOnDayButtonRole, m_textOnDayButton, text);
}

void CalendarMonthDayItem::setDayPostAvailable(const bool &available)
{
    storeByRole(roleTable(), DayPostAvailableRole, m_dayPostAvailable, available);
}

void CalendarMonthDayItem::setDayButtonEnabled(const bool &enabled)
{
    storeByRole(roleTable(), DayButtonEnabledRole, m_dayButtonEnabled, enabled);
}

void CalendarMonthDayItem::setDayButtonOpacity(const double &opacity)
{
    storeByRole(roleTable(), DayButtonOpacityRole, m_dayButtonOpacity, opacity);
}

} // namespace view
