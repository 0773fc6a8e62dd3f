#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Calendar choices: program start mode, weekdays and months.
class CalendarTypes : public QObject, public EnumConversions<CalendarTypes>
{
    Q_OBJECT

public:
    enum StartMode : int {
        E_start_at = 0,
        E_ready_at = 1,
    };
    Q_ENUM(StartMode)

    enum WeekDay : int {
        E_monday = 0,
        E_tuesday = 1,
        E_wednesday = 2,
        E_thursday = 3,
        E_friday = 4,
        E_saturday = 5,
        E_sunday = 6,
    };
    Q_ENUM(WeekDay)

    enum Month : int {
        E_january = 0,
        E_february = 1,
        E_march = 2,
        E_april = 3,
        E_may = 4,
        E_june = 5,
        E_july = 6,
        E_august = 7,
        E_september = 8,
        E_october = 9,
        E_november = 10,
        E_december = 11,
    };
    Q_ENUM(Month)

    explicit CalendarTypes(QObject *parent = nullptr);
    ~CalendarTypes() override;

    // The following day; Sunday is followed by Monday. A number that is no weekday gives Monday.
    static WeekDay nextWeekDay(WeekDay day);
    // The following month; December is followed by January.
    static Month nextMonth(Month month);
    // The preceding month; January is preceded by December.
    static Month previousMonth(Month month);
};

} // namespace signalInterface
