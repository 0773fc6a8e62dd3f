#include "value/humidity_value.h"

#include "signal_interface/protocol_facts.h"

using signalInterface::HumidityTypes;
namespace protocolFacts = signalInterface::protocolFacts;

namespace value {

int convertHumidityNumber(int number, HumidityTypes::HumidityUnit from,
                          HumidityTypes::HumidityUnit to)
{
    if (from == HumidityTypes::E_percentage && to == HumidityTypes::E_step)
        return number * 10 / 92;
    if (from == HumidityTypes::E_step && to == HumidityTypes::E_percentage)
        return number * 10;
    return number;
}

HumidityValue_T decodeHumidity(int encoded)
{
    if (protocolFacts::isHumidityLevelCode(encoded))
        return {encoded - protocolFacts::humidityLevelCodeOffset, HumidityTypes::E_step};
    return {encoded, HumidityTypes::E_percentage};
}

int encodeHumidity(const HumidityValue_T &humidity)
{
    return humidity.unit == HumidityTypes::E_step
               ? humidity.value + protocolFacts::humidityLevelCodeOffset
               : humidity.value;
}

bool isHumidityInRange(const HumidityValue_T &humidity)
{
    switch (humidity.unit) {
    case HumidityTypes::E_percentage:
        return humidity.value >= 0 && humidity.value <= protocolFacts::largestHumidityPercent;
    case HumidityTypes::E_step:
        return humidity.value >= 0 && humidity.value <= protocolFacts::largestHumidityLevel;
    }
    return false;
}

} // namespace value
