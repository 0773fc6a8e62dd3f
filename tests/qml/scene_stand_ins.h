#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

// Stand-ins for the controllers the scene listens to. Each carries the signals, properties and
// slots of the real class under the same names (tst_real_scene loads the scene with the real
// classes), so a test can push a state and look at the screen.

class SaunaStateControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool bathTimeLimitKnown MEMBER bathTimeLimitKnown NOTIFY bathTimeLimitKnownChanged)
    Q_PROPERTY(QString bathTimeText MEMBER bathTimeText NOTIFY bathTimeTextChanged)
    Q_PROPERTY(bool showsTimeLeft MEMBER showsTimeLeft NOTIFY bathTimeTextChanged)
public:
    bool bathTimeLimitKnown = false;
    QString bathTimeText;
    bool showsTimeLeft = false;
signals:
    void saunaPhysicalStateChanged(int state);
    void bathTimeLimitKnownChanged();
    void bathTimeTextChanged();
};

class HumidityControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool humiditySupported MEMBER humiditySupported NOTIFY humiditySupportedChanged)
public:
    bool humiditySupported = false;
signals:
    void humiditySupportedChanged();
};

class WaterLevelControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList tanks MEMBER tanks NOTIFY tanksChanged)
public:
    QVariantList tanks;
signals:
    void tanksChanged();
};

class PeripheralControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool lightsOn READ lightsOn NOTIFY lightsStateChanged)
    Q_PROPERTY(bool fanRunning READ fanRunning NOTIFY fanRunningChanged)
    Q_PROPERTY(bool fanAutomatic READ fanAutomatic NOTIFY fanAutomaticChanged)
public:
    bool lightsOn() const { return m_lightsOn; }
    bool fanRunning() const { return m_fanRunning; }
    bool fanAutomatic() const { return m_fanAutomatic; }
    void setLightsOn(bool on)
    {
        m_lightsOn = on;
        emit lightsStateChanged(on);
    }
    void setFanRunning(bool running)
    {
        m_fanRunning = running;
        emit fanRunningChanged(running);
    }
signals:
    void lightsStateChanged(bool on);
    void fanAutomaticChanged(bool automatic);
    void fanRunningChanged(bool running);

private:
    bool m_lightsOn = false;
    bool m_fanRunning = false;
    bool m_fanAutomatic = false;
};

class TimeControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void systemTimeFormattedChanged(QString date, QString time, QString amPm);
};

class WiFiSymbolControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool wifiEnabled READ isWiFiEnabled NOTIFY symbolStateChanged)
    Q_PROPERTY(bool connected READ isConnected NOTIFY symbolStateChanged)
public:
    bool isWiFiEnabled() const { return true; }
    bool isConnected() const { return m_connected; }
    void setConnected(bool connected)
    {
        m_connected = connected;
        emit symbolStateChanged();
    }
signals:
    void symbolStateChanged();

private:
    bool m_connected = false;
};

class PinCodeControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool locked READ isLocked NOTIFY lockedChanged)
    Q_PROPERTY(bool pinActivated READ isPinActivated NOTIFY pinActivatedChanged)
public:
    bool isLocked() const { return m_locked; }
    void setLocked(bool locked)
    {
        m_locked = locked;
        emit lockedChanged(locked);
    }
    bool isPinActivated() const { return m_pinActivated; }
    void setPinActivated(bool activated)
    {
        m_pinActivated = activated;
        emit pinActivatedChanged(activated);
    }
signals:
    void lockedChanged(bool locked);
    void pinActivatedChanged(bool activated);
    void pinCodeConfirmed(QString request, bool correct);
    void lockTimerTimeout();
    void oldPinCodeChecked(bool correct);
    void newPinCodeChecked(bool valid);
    void pinCodeChangeFinished(bool changed);

private:
    bool m_locked = false;
    bool m_pinActivated = false;
};

class FavoriteControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool editing READ editing NOTIFY editedFavoriteChanged)
    Q_PROPERTY(QString name READ name NOTIFY editedFavoriteChanged)
    Q_PROPERTY(bool lights READ lights NOTIFY editedFavoriteChanged)
public:
    bool editing() const { return m_editing; }
    QString name() const { return m_name; }
    bool lights() const { return m_lights; }
    void edit(const QString &name, bool lights)
    {
        m_editing = true;
        m_name = name;
        m_lights = lights;
        emit editedFavoriteChanged();
    }
    QStringList enteredNames;
signals:
    void editedFavoriteChanged();
public slots:
    void onFavoriteNameEntered(const QString &name) { enteredNames << name; }

private:
    bool m_editing = false;
    QString m_name;
    bool m_lights = false;
};

class FavoriteOverviewControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        bool currentSettingsKnown MEMBER currentSettingsKnown NOTIFY currentSettingsKnownChanged)
public:
    QStringList enteredNames;
    int cancelledNames = 0;
    bool currentSettingsKnown = false;
signals:
    void currentSettingsKnownChanged();
public slots:
    void onFavoriteNameEntered(const QString &name) { enteredNames << name; }
    void onFavoriteNameEditCancelled() { ++cancelledNames; }
};

class WeekdayProgramOverviewControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool allDaysActivated READ allDaysActivated NOTIFY allDaysActivatedChanged)
public:
    bool allDaysActivated() const { return true; }
signals:
    void allDaysActivatedChanged(bool activated);
};

class DateProgramOverviewControllerStandIn : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString monthTitle READ monthTitle NOTIFY monthChanged)
public:
    QString monthTitle() const { return m_monthTitle; }
    void setMonthTitle(const QString &title)
    {
        m_monthTitle = title;
        emit monthChanged();
    }
signals:
    void monthChanged();

private:
    QString m_monthTitle;
};

class ProgramSettingsControllerStandIn : public QObject
{
    Q_OBJECT
signals:
    void calendarProgramEditCompleted();
};

class NetworkViewManagerStandIn : public QObject
{
    Q_OBJECT
signals:
    void editSelected(int id);
    void systemIpAddressChanged(QString address);
    void systemIpPortChanged(int port);
    void editMessage(QString message);
    void saunaDetailsDeleteApplicable(bool applicable);
};

class SystemViewManagerStandIn : public QObject
{
    Q_OBJECT
signals:
    void editSelected(int id);
};

class GeneralViewManagerStandIn : public QObject
{
    Q_OBJECT
signals:
    void editSelected(int id);
};

// The PIN screen's lock-screen choices, as the lock screen hears them.
class GeneralPinViewManagerStandIn : public QObject
{
    Q_OBJECT
public:
    // What the PIN screen does at start-up, once the scene is loaded: tells every choice.
    void publishLockscreenSettings()
    {
        emit powerVisibleOnLockedScreenChanged(m_power);
        emit temperatureVisibleOnLockedScreenChanged(m_temperature);
        emit humidityVisibleOnLockedScreenChanged(m_humidity);
        emit lightningVisibleOnLockedScreenChanged(m_lighting);
    }

signals:
    void pinChangeButtonPressed();
    void powerVisibleOnLockedScreenChanged(bool visible);
    void temperatureVisibleOnLockedScreenChanged(bool visible);
    void humidityVisibleOnLockedScreenChanged(bool visible);
    void lightningVisibleOnLockedScreenChanged(bool visible);

private:
    bool m_power = false;
    bool m_temperature = true;
    bool m_humidity = true;
    bool m_lighting = true;
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
