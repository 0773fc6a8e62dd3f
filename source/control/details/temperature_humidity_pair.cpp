#include "control/details/temperature_humidity_pair.h"

#include "control/details/temperature_humidity_rules.h"
#include "value/humidity_value.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_value_manager.h"

#include <optional>

using signalInterface::HumidityTypes;

namespace control::details {

TemperatureHumidityPair::TemperatureHumidityPair(value::TemperatureValueManager &temperature,
                                                 value::HumidityValueManager &humidity,
                                                 std::function<bool()> humidityInUse,
                                                 QObject *parent)
    : QObject(parent)
    , m_temperature(temperature)
    , m_humidity(humidity)
    , m_humidityInUse(std::move(humidityInUse))
    , m_temperatureUpperLimit(temperature.upperLimit())
{
    // A step, a loaded value and a change of unit each move the other's limit.
    connect(&m_temperature, &value::TemperatureValueManager::temperatureValueChanged, this,
            &TemperatureHumidityPair::update);
    connect(&m_temperature, &value::TemperatureValueManager::hasValueChanged, this,
            &TemperatureHumidityPair::update);
    connect(&m_humidity, &value::HumidityValueManager::humidityValueChanged, this,
            &TemperatureHumidityPair::update);
    connect(&m_humidity, &value::HumidityValueManager::humidityUnitIntChanged, this,
            &TemperatureHumidityPair::update);
}

void TemperatureHumidityPair::setTemperatureUpperLimit(value::Degrees_9C_T limit)
{
    m_temperatureUpperLimit = limit;
    update();
}

void TemperatureHumidityPair::setTemperature(value::Degrees_9C_T temperature)
{
    releaseLimits();
    m_temperature.setValue(temperature);
    update();
}

void TemperatureHumidityPair::setHumidityFromInt(int encoded)
{
    releaseLimits();
    m_humidity.setValueFromInt(encoded);
    update();
}

void TemperatureHumidityPair::releaseLimits()
{
    m_temperature.setUpperLimit(m_temperatureUpperLimit);
    const HumidityTypes::HumidityUnit unit = m_humidity.humidityUnit();
    m_humidity.setUpperLimit({value::largestHumidity(unit), unit});
}

void TemperatureHumidityPair::update()
{
    const TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
    const value::HumidityValue_T humidity = m_humidity.value();
    const bool hasHumidity = humidity.value >= 0;
    std::optional<value::HumidityValue_T> humidityTarget;
    if (hasHumidity && m_humidityInUse())
        humidityTarget = humidity;
    m_temperature.setUpperLimit(rules.temperatureUpperLimit(m_temperatureUpperLimit,
                                                            m_temperature.value(), humidityTarget));
    m_humidity.setUpperLimit(
        {rules.humidityUpperLimit(value::largestHumidity(humidity.unit),
                                  hasHumidity ? std::optional<int>(humidity.value) : std::nullopt,
                                  m_temperature.value(), humidity.unit),
         humidity.unit});
}

} // namespace control::details
