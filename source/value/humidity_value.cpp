#include "value/humidity_value.h"

#include "signal_interface/protocol_facts.h"
#include "value/saturating_arithmetic.h"

#include <limits>

using signalInterface::HumidityTypes;
namespace protocolFacts = signalInterface::protocolFacts;

namespace value {

int convertHumidityNumber(int number, HumidityTypes::HumidityUnit from,
                          HumidityTypes::HumidityUnit to)
{
    // In 64 bits, so that no number wraps; a level beyond an int's tenth stops at the int's end.
    if (from == HumidityTypes::E_percentage && to == HumidityTypes::E_step)
        return int(qint64(number) * 10 / 92);
    if (from == HumidityTypes::E_step && to == HumidityTypes::E_percentage)
        return int(clampToRange(qint64(number) * 10, std::numeric_limits<int>::min(),
                                std::numeric_limits<int>::max()));
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

int largestHumidity(HumidityTypes::HumidityUnit unit)
{
    return unit == HumidityTypes::E_step ? protocolFacts::largestHumidityLevel
                                         : protocolFacts::largestHumidityPercent;
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
