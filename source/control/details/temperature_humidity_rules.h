#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/humidity_value.h"
#include "value/temperature_values.h"

#include <array>
#include <optional>

namespace control::details {

// Whether the sauna controls a humidity, in steps or in percent: only then is a target humidity
// set, and only then does it limit the target temperature. A dry or infrared sauna reports
// neither.
inline bool
controlsHumidity(const signalInterface::MasterFuncDescTypes::MasterFuncDescPost &functions)
{
    return functions.humidityLevel || functions.humidityPercent;
}

// The panel's limit tables: the largest target temperature allowed for each target humidity and
// the largest target humidity allowed for each target temperature. Built-in tables are version 1;
// a newer pair received from the sauna and stored replaces them at start-up.
class TemperatureHumidityRules
{
public:
    static constexpr int maxTemperatureEntryCount = 101;
    static constexpr int maxHumidityEntryCount = 111;

    // Largest temperature (°C) for each humidity index 0..100.
    struct MaxTemperatureTable
    {
        int version = 0;
        std::array<int, maxTemperatureEntryCount> values{};

        bool operator==(const MaxTemperatureTable &other) const
        {
            return version == other.version && values == other.values;
        }
    };

    // Largest humidity for each temperature index 0..110.
    struct MaxHumidityTable
    {
        int version = 0;
        std::array<int, maxHumidityEntryCount> values{};

        bool operator==(const MaxHumidityTable &other) const
        {
            return version == other.version && values == other.values;
        }
    };

    // The one rules object, created on first use and kept for the life of the process.
    static TemperatureHumidityRules &instance();

    // The target temperatures the tables know: the max-humidity table has an entry for each
    // whole degree 0..110 °C. A step never asks for a target outside, nor does the smoothing head
    // for one.
    static constexpr int highestTargetCelsius = maxHumidityEntryCount - 1;
    static constexpr value::TemperatureRange targetTemperatureRange{0, highestTargetCelsius * 9};

    static MaxTemperatureTable builtInMaxTemperatureTable();
    static MaxHumidityTable builtInMaxHumidityTable();

    // The largest target temperature the max-temperature table in use allows with the target
    // humidity: its entry for the humidity in percent (a level counts as ten percent a level;
    // outside 0..100 % the nearest end). Without a humidity target in use it is the entry for 0 %.
    value::Degrees_9C_T
    maxTemperatureFor(const std::optional<value::HumidityValue_T> &humidity) const;
    // The largest target humidity, in the unit, the max-humidity table in use allows at the
    // target temperature: its entry for the temperature in whole degrees Celsius, rounded up
    // (outside 0..110 the nearest end). In levels it is the largest level whose percent the entry
    // allows.
    int maxHumidityFor(value::Degrees_9C_T temperature,
                       signalInterface::HumidityTypes::HumidityUnit unit) const;

    // The upper limits of a target temperature and a target humidity set together: the lesser of
    // the value's own limit and the table's entry for the other value, yet never below the value
    // held. So a pair set elsewhere beyond the tables is kept as it is, and only steps down move
    // it; raising one value never changes the other. Without a temperature the humidity keeps its
    // own limit.
    value::Degrees_9C_T
    temperatureUpperLimit(value::Degrees_9C_T ownLimit,
                          const std::optional<value::Degrees_9C_T> &held,
                          const std::optional<value::HumidityValue_T> &humidity) const;
    int humidityUpperLimit(int ownLimit, const std::optional<int> &held,
                           const std::optional<value::Degrees_9C_T> &temperature,
                           signalInterface::HumidityTypes::HumidityUnit unit) const;

    const MaxTemperatureTable &maxTemperatureTable() const { return m_maxTemperatureTable; }
    const MaxHumidityTable &maxHumidityTable() const { return m_maxHumidityTable; }
    // Replace a whole table, version included.
    void setMaxTemperatureTable(const MaxTemperatureTable &table) { m_maxTemperatureTable = table; }
    void setMaxHumidityTable(const MaxHumidityTable &table) { m_maxHumidityTable = table; }

    // Puts the built-in tables back, as a fresh process has them. Never called by the program.
    static void resetForTesting();

private:
    TemperatureHumidityRules();

    MaxTemperatureTable m_maxTemperatureTable;
    MaxHumidityTable m_maxHumidityTable;
};

} // namespace control::details
