#pragma once

#include "control/details/temperature_humidity_rules.h"

namespace pcPanel {

// Keeps the limit tables received from the sauna in the settings store, and on creation puts
// stored tables that are newer than the ones in use into effect. A stored table takes effect at
// the next creation, normally the next start.
class TemperatureHumidityLimits
{
public:
    using MaxTemperatureTable = control::details::TemperatureHumidityRules::MaxTemperatureTable;
    using MaxHumidityTable = control::details::TemperatureHumidityRules::MaxHumidityTable;

    // The one object; creating it loads the stored tables.
    static TemperatureHumidityLimits &instance();

    virtual ~TemperatureHumidityLimits();

    // The stored versions; 0 when absent or unreadable.
    int storedMaxTemperatureTableVersion() const;
    int storedMaxHumidityTableVersion() const;

    // The newest version known to the panel: the larger of the stored one and the one in use.
    int knownMaxTemperatureTableVersion() const;
    int knownMaxHumidityTableVersion() const;
    // True when the sauna announces a version other than the newest known one.
    bool isMaxTemperatureTableUpdateNeeded(int saunaVersion) const;
    bool isMaxHumidityTableUpdateNeeded(int saunaVersion) const;

    // Store a table whose version is above the newest known one; for an older or equal table
    // nothing is written.
    void storeMaxTemperatureTable(const MaxTemperatureTable &table);
    void storeMaxHumidityTable(const MaxHumidityTable &table);

    // Drops the one object, so that the next instance() loads again as at a restart. Never called
    // by the program itself.
    static void resetForTesting();

protected:
    TemperatureHumidityLimits();
};

} // namespace pcPanel
