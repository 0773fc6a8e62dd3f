#pragma once

#include "signal_interface/temperature_types.h"
#include "value/shown_temperature_base.h"
#include "value/temperature_values.h"

#include <QList>
#include <QObject>

#include <optional>

namespace value {

// The measured room temperature as shown: the filtered value in smooth presentation, the last
// reported value in direct presentation, in the chosen unit. Before the first value of the one
// shown, and while the last report is no number the dial holds in the chosen unit
// (isTemperatureShowable), the temperature is unknown in either presentation.
class TemperaturePresentationManager : public ShownTemperatureBase
{
    Q_OBJECT

public:
    explicit TemperaturePresentationManager(QObject *parent = nullptr);

    // Returns the number of sources whose signal could not be connected.
    int connectFiltererSources(const QList<QObject *> &sources);

    void setValue(Degrees_9C_T newValue);
    // Forgets the last report: unknown until the next one.
    void clearValue();
    void setUseFilteredValue(bool useFiltered);
    bool useFilteredValue() const { return m_useFilteredValue; }
    void emitValue();

    // The last report; empty before the first and while it is unknown in the chosen unit.
    std::optional<Degrees_9C_T> value() const;

public slots:
    void onFilteredTemperatureValueChanged(::value::Degrees_9C_T filtered);

private:
    // The temperature in the new unit.
    void unitChanged() override;
    bool showable(Degrees_9C_T value) const
    {
        return isTemperatureShowable(value, temperatureUnit());
    }

    std::optional<Degrees_9C_T> m_value;
    // Empty until the filterer tells its first value: smoothed, no temperature is shown before.
    std::optional<Degrees_9C_T> m_filtered;
    bool m_useFilteredValue = false;
};

} // namespace value
