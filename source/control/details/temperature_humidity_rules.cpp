#include "control/details/temperature_humidity_rules.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

using signalInterface::HumidityTypes;

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

// Only the ends of the built-in tables are known: 110 °C at 0 % down to 45 °C at 100 %, and 100 %
// at 0 °C down to 0 % at 110 °C. Both describe one boundary, so that a pair one table allows the
// other allows too: the temperatures fall evenly with the humidity, and the humidity table is
// their inverse, the largest humidity whose temperature entry still reaches the temperature.
TemperatureHumidityRules::MaxTemperatureTable TemperatureHumidityRules::builtInMaxTemperatureTable()
{
    return {1, linearTable<maxTemperatureEntryCount>(110, 45)};
}

TemperatureHumidityRules::MaxHumidityTable TemperatureHumidityRules::builtInMaxHumidityTable()
{
    const MaxTemperatureTable temperatures = builtInMaxTemperatureTable();
    MaxHumidityTable table{1, {}};
    for (int celsius = 0; celsius < maxHumidityEntryCount; ++celsius) {
        int humidity = maxTemperatureEntryCount - 1;
        while (humidity > 0 && temperatures.values[std::size_t(humidity)] < celsius)
            --humidity;
        table.values[std::size_t(celsius)] = humidity;
    }
    return table;
}

value::Degrees_9C_T TemperatureHumidityRules::maxTemperatureFor(
    const std::optional<value::HumidityValue_T> &humidity) const
{
    int percent = 0;
    if (humidity) {
        // A level counts as ten percent, as everywhere the two units meet.
        const qint64 inPercent = humidity->unit == HumidityTypes::E_step
                                     ? qint64(humidity->value) * 10
                                     : qint64(humidity->value);
        percent = int(std::clamp<qint64>(inPercent, 0, maxTemperatureEntryCount - 1));
    }
    // A received table's entries are not checked: an absurd one must not wrap.
    const qint64 ninths = qint64(m_maxTemperatureTable.values[std::size_t(percent)]) * 9;
    return value::Degrees_9C_T(std::clamp<qint64>(ninths, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int TemperatureHumidityRules::maxHumidityFor(value::Degrees_9C_T temperature,
                                             HumidityTypes::HumidityUnit unit) const
{
    // Between whole degrees the next degree up counts: a pair within this entry lies within the
    // max-temperature table too.
    const qint64 ninths = temperature;
    const qint64 celsius = ninths > 0 ? (ninths + 8) / 9 : 0;
    const int entry = int(qMin<qint64>(celsius, highestTargetCelsius));
    const int percent = m_maxHumidityTable.values[std::size_t(entry)];
    return unit == HumidityTypes::E_step ? percent / 10 : percent;
}

value::Degrees_9C_T TemperatureHumidityRules::temperatureUpperLimit(
    value::Degrees_9C_T ownLimit, const std::optional<value::Degrees_9C_T> &held,
    const std::optional<value::HumidityValue_T> &humidity) const
{
    value::Degrees_9C_T table = maxTemperatureFor(humidity);
    if (held)
        table = qMax(table, *held);
    return qMin(ownLimit, table);
}

int TemperatureHumidityRules::humidityUpperLimit(
    int ownLimit, const std::optional<int> &held,
    const std::optional<value::Degrees_9C_T> &temperature, HumidityTypes::HumidityUnit unit) const
{
    if (!temperature)
        return ownLimit;
    int table = maxHumidityFor(*temperature, unit);
    if (held)
        table = qMax(table, *held);
    return qMin(ownLimit, table);
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
