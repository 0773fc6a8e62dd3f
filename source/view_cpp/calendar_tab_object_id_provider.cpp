#include "view_cpp/calendar_tab_object_id_provider.h"

namespace details {

CalendarTabObjectIdProvider::CalendarTabObjectIdProvider()
    : QObject(nullptr)
{}

QString CalendarTabObjectIdProvider::monthSelectorControlName() const
{
    static const QString name = QStringLiteral("calendarMonthSelector");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramSelectorControlName() const
{
    static const QString name = QStringLiteral("calendarDateProgramSelector");
    return name;
}

QString CalendarTabObjectIdProvider::weekDaysSelectorControlName() const
{
    static const QString name = QStringLiteral("calendarWeekDaysSelector");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramSettingsName() const
{
    static const QString name = QStringLiteral("calendarDateProgramSettings");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramReadyAtControlName() const
{
    static const QString name = QStringLiteral("calendarDateProgramReadyAtSelector");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramCustomTemperatureControlName() const
{
    static const QString name = QStringLiteral("calendarDateProgramCustomSettingsTemperature");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramCustomHumidityControlName() const
{
    static const QString name = QStringLiteral("calendarDateProgramCustomSettingsHumidity");
    return name;
}

QString CalendarTabObjectIdProvider::dateProgramCustomStopAfterControlName() const
{
    static const QString name = QStringLiteral("calendarDateProgramStopAfterSelector");
    return name;
}

QString CalendarTabObjectIdProvider::weekdayProgramSettingsName() const
{
    static const QString name = QStringLiteral("calendarWeekdayProgramSettings");
    return name;
}

QString CalendarTabObjectIdProvider::weekdayProgramReadyAtControlName() const
{
    static const QString name = QStringLiteral("calendarWeekdayProgramReadyAtSelector");
    return name;
}

QString CalendarTabObjectIdProvider::weekdayProgramCustomTemperatureControlName() const
{
    static const QString name = QStringLiteral("calendarWeekdayProgramCustomSettingsTemperature");
    return name;
}

QString CalendarTabObjectIdProvider::weekdayProgramCustomHumidityControlName() const
{
    static const QString name = QStringLiteral("calendarWeekdayProgramCustomSettingsHumidity");
    return name;
}

QString CalendarTabObjectIdProvider::weekdayProgramCustomStopAfterControlName() const
{
    static const QString name = QStringLiteral("calendarWeekdayProgramStopAfterSelector");
    return name;
}

QString CalendarTabObjectIdProvider::queueViewName() const
{
    static const QString name = QStringLiteral("queTabView");
    return name;
}

} // namespace details
