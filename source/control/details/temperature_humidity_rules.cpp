#include "control/details/temperature_humidity_rules.h"

namespace control::details {

namespace {

// A straight line from first to last over count entries, rounded to whole numbers.
template<std::size_t count>
std::array<int, count> linearTable(int first, int last)
{
    std::array<int, count> values{};
    const int span = first - last;
    const int steps = int(count) - 1;
    for (int i = 0; i <= steps; ++i)
        values[std::size_t(i)] = first - (span * i + steps / 2) / steps;
    return values;
}

} // namespace

TemperatureHumidityRules &TemperatureHumidityRules::instance()
{
    static TemperatureHumidityRules rules;
    return rules;
}

// Only the ends of the built-in tables are known (110 °C down to 45 °C, 100 down to 0); the
// entries between them fall evenly, which keeps each table smooth and never rising.
TemperatureHumidityRules::MaxTemperatureTable TemperatureHumidityRules::builtInMaxTemperatureTable()
{
    return {1, linearTable<maxTemperatureEntryCount>(110, 45)};
}

TemperatureHumidityRules::MaxHumidityTable TemperatureHumidityRules::builtInMaxHumidityTable()
{
    return {1, linearTable<maxHumidityEntryCount>(100, 0)};
}

TemperatureHumidityRules::TemperatureHumidityRules()
    : m_maxTemperatureTable(builtInMaxTemperatureTable())
    , m_maxHumidityTable(builtInMaxHumidityTable())
{}

void TemperatureHumidityRules::resetForTesting()
{
    instance().m_maxTemperatureTable = builtInMaxTemperatureTable();
    instance().m_maxHumidityTable = builtInMaxHumidityTable();
}

} // namespace control::details
