#pragma once

#include "signal_interface/temperature_types.h"
#include "value/temperature_values.h"

#include <QList>
#include <QObject>

#include <optional>

namespace value {

// The measured room temperature as shown: the filtered value in smooth presentation, the last
// reported value in direct presentation, in the chosen unit. While the last report lies outside
// measuredTemperatureRange the temperature is unknown in either presentation.
class TemperaturePresentationManager : public QObject
{
    Q_OBJECT

public:
    explicit TemperaturePresentationManager(QObject *parent = nullptr);

    // Each returns the number of sources whose signal could not be connected.
    int connectUnitSources(const QList<QObject *> &sources);
    int connectFiltererSources(const QList<QObject *> &sources);

    void setValue(Degrees_9C_T newValue);
    // Forgets the last report: unknown until the next one.
    void clearValue();
    void setTemperatureUnitType(signalInterface::TemperatureTypes::TemperatureUnit unit);
    void setUseFilteredValue(bool useFiltered);
    bool useFilteredValue() const { return m_useFilteredValue; }
    void emitValue();

    // The last report; empty before the first and while it is unknown.
    std::optional<Degrees_9C_T> value() const;
    signalInterface::TemperatureTypes::TemperatureUnit temperatureUnit() const { return m_unit; }

signals:
    void temperatureValueChanged(int shown);
    void temperatureValueChanged2(int shown,
                                  ::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void temperatureValueChanged2Qml(int shown, int unit);
    // Emitted instead of the three above while the temperature is unknown.
    void temperatureValueUnknown();

public slots:
    void onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onFilteredTemperatureValueChanged(::value::Degrees_9C_T filtered);

private:
    signalInterface::TemperatureTypes::TemperatureUnit m_unit =
        signalInterface::TemperatureTypes::E_celsius;
    std::optional<Degrees_9C_T> m_value;
    Degrees_9C_T m_filtered = 0;
    bool m_useFilteredValue = false;
};

} // namespace value
