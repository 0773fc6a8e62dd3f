#pragma once

#include "value/temperature_values.h"

#include <QObject>

#include <functional>

namespace value {
class HumidityValueManager;
class TemperatureValueManager;
} // namespace value

namespace control::details {

// A target temperature and a target humidity edited together, in a favorite or a calendar
// program: keeps each editor's upper limit within the limit tables for the other value of the
// pair, as the value managers change. It changes neither value; the owner sets them through it, so
// that no limit of the pair before takes anything of a value loaded.
class TemperatureHumidityPair : public QObject
{
    Q_OBJECT

public:
    // humidityInUse tells whether the humidity is a target at all (a sauna that controls it).
    TemperatureHumidityPair(value::TemperatureValueManager &temperature,
                            value::HumidityValueManager &humidity,
                            std::function<bool()> humidityInUse, QObject *parent = nullptr);

    // The temperature's own upper limit, the sauna's.
    void setTemperatureUpperLimit(value::Degrees_9C_T limit);
    void setTemperature(value::Degrees_9C_T temperature);
    // The humidity in the sauna's coding (percent, or level + 101).
    void setHumidityFromInt(int encoded);
    // Limits both again, for a change the managers do not tell (whether the humidity is in use).
    void update();

private:
    // Only the own limits, while a value is loaded.
    void releaseLimits();

    value::TemperatureValueManager &m_temperature;
    value::HumidityValueManager &m_humidity;
    std::function<bool()> m_humidityInUse;
    value::Degrees_9C_T m_temperatureUpperLimit;
};

} // namespace control::details
