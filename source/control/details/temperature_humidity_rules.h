#pragma once

#include "value/temperature_values.h"

#include <array>

namespace control::details {

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
