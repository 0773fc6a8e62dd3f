#pragma once

#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// One day cell of the calendar month view: its label, whether a program uses the day, and how
// the day button looks.
class CalendarMonthDayItem : public ListItem
{
    Q_OBJECT

public:
    enum Role {
        TextOnDayButtonRole = 33,
        DayPostAvailableRole = 34,
        DayButtonEnabledRole = 35,
        DayButtonOpacityRole = 36,
    };

    CalendarMonthDayItem(const QString &textOnDayButton, const bool &dayPostAvailable,
                         const bool &dayButtonEnabled, const double &dayButtonOpacity);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setTextOnDayButton(const QString &text);
    void setDayPostAvailable(const bool &available);
    void setDayButtonEnabled(const bool &enabled);
    void setDayButtonOpacity(const double &opacity);

private:
    static const RoleTable<CalendarMonthDayItem> &roleTable();

    QString m_textOnDayButton;
    bool m_dayPostAvailable = false;
    bool m_dayButtonEnabled = true;
    double m_dayButtonOpacity = 1.0;
};

} // namespace view
