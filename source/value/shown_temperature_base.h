#pragma once

#include "signal_interface/temperature_types.h"
#include "value/temperature_values.h"

#include <QList>
#include <QObject>

namespace value {

// Base of the managers that show one temperature in the unit the user chose: the unit follows
// the unit sources, and the temperature is told as whole degrees of that unit, in three forms.
class ShownTemperatureBase : public QObject
{
    Q_OBJECT

public:
    // Returns the number of sources whose signal could not be connected.
    int connectUnitSources(const QList<QObject *> &sources);

    // Takes the unit and tells the temperature again in it.
    void setTemperatureUnitType(signalInterface::TemperatureTypes::TemperatureUnit unit);
    signalInterface::TemperatureTypes::TemperatureUnit temperatureUnit() const { return m_unit; }

    // Shows the temperature as a difference of two temperatures (a reduction) instead of a
    // point on the scale: 0 reads 0 in either unit.
    void setShowsDifference(bool difference) { m_showsDifference = difference; }

signals:
    void temperatureValueChanged(int shown);
    void temperatureValueChanged2(int shown,
                                  ::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void temperatureValueChanged2Qml(int shown, int unit);
    // Emitted instead of the three above when the temperature is unknown.
    void temperatureValueUnknown();

public slots:
    void onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);

protected:
    explicit ShownTemperatureBase(QObject *parent);

    // Tells the temperature in the three forms, in the current unit.
    void emitShown(Degrees_9C_T value);
    // Tells the temperature again after a change of unit.
    virtual void unitChanged() = 0;

private:
    signalInterface::TemperatureTypes::TemperatureUnit m_unit =
        signalInterface::TemperatureTypes::E_celsius;
    bool m_showsDifference = false;
};

// The whole degrees shown for a temperature in a unit: Celsius, or Fahrenheit for any other unit.
int shownTemperature(Degrees_9C_T value, signalInterface::TemperatureTypes::TemperatureUnit unit);

// The shown numbers a dial holds in three digits: -99..999 whole degrees of the shown unit. A
// reading shown outside reads "--"; every reading inside is shown, however hot.
inline constexpr int lowestShownTemperature = -99;
inline constexpr int highestShownTemperature = 999;
constexpr bool isShownTemperatureInRange(int shown)
{
    return shown >= lowestShownTemperature && shown <= highestShownTemperature;
}
// The whole degrees shown for a difference of temperatures in a unit: 9 ninths are a degree
// Celsius, 5 a degree Fahrenheit, each truncated towards zero.
int shownTemperatureDifference(Degrees_9C_T difference,
                               signalInterface::TemperatureTypes::TemperatureUnit unit);

// Whether the temperature, shown in the unit, is a number the dial holds.
bool isTemperatureShowable(Degrees_9C_T value,
                           signalInterface::TemperatureTypes::TemperatureUnit unit);

} // namespace value
