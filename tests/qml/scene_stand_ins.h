#pragma once

#include <QObject>
#include <QString>

// Stand-ins for the controllers the scene listens to: they carry only the signals the screens
// react to, so a test can push a state and look at the screen.

class SaunaStateControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void saunaPhysicalStateChanged(int state);
};

class PeripheralControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void lightsStateChanged(bool on);
    void fanRunningChanged(bool running);
    void fanAutomaticChanged(bool automatic);
};

class TimeControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void systemTimeFormattedChanged(QString dateText, QString timeText, QString amPmText);
};

class WiFiSymbolControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void connectionSymbolChanged(bool connected);
};

class PinCodeControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void panelLockedChanged(bool locked);
};

// The names the two object-id providers hand out to the calendar and favorites tabs.
class FavoritesTabObjectIdProviderStandIn : public QObject
{
    Q_OBJECT
public slots:
    QString favoritesSelectorName() { return QStringLiteral("favoritesSelector"); }
    QString favoriteBathTimeControlName() { return QStringLiteral("favoriteBathTimeControl"); }
};

class CalendarTabObjectIdProviderStandIn : public QObject
{
    Q_OBJECT
public slots:
    QString monthSelectorControlName() { return QStringLiteral("calendarMonthSelector"); }
    QString dateProgramSelectorControlName()
    {
        return QStringLiteral("calendarDateProgramSelector");
    }
    QString weekDaysSelectorControlName() { return QStringLiteral("calendarWeekDaysSelector"); }
    QString dateProgramSettingsName() { return QStringLiteral("calendarDateProgramSettings"); }
    QString dateProgramReadyAtControlName()
    {
        return QStringLiteral("calendarDateProgramReadyAtSelector");
    }
    QString dateProgramCustomTemperatureControlName()
    {
        return QStringLiteral("calendarDateProgramCustomSettingsTemperature");
    }
    QString dateProgramCustomHumidityControlName()
    {
        return QStringLiteral("calendarDateProgramCustomSettingsHumidity");
    }
    QString dateProgramCustomStopAfterControlName()
    {
        return QStringLiteral("calendarDateProgramStopAfterSelector");
    }
    QString weekdayProgramSettingsName()
    {
        return QStringLiteral("calendarWeekdayProgramSettings");
    }
    QString weekdayProgramReadyAtControlName()
    {
        return QStringLiteral("calendarWeekdayProgramReadyAtSelector");
    }
    QString weekdayProgramCustomTemperatureControlName()
    {
        return QStringLiteral("calendarWeekdayProgramCustomSettingsTemperature");
    }
    QString weekdayProgramCustomHumidityControlName()
    {
        return QStringLiteral("calendarWeekdayProgramCustomSettingsHumidity");
    }
    QString weekdayProgramCustomStopAfterControlName()
    {
        return QStringLiteral("calendarWeekdayProgramStopAfterSelector");
    }
    QString queueViewName() { return QStringLiteral("queTabView"); }
};
