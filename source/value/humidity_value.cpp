#include "value/humidity_value.h"

using signalInterface::HumidityTypes;

namespace value {

namespace {

constexpr int encodedLevelOffset = 101;

} // namespace

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
    if (encoded > 100)
        return {encoded - encodedLevelOffset, HumidityTypes::E_step};
    return {encoded, HumidityTypes::E_percentage};
}

int encodeHumidity(const HumidityValue_T &humidity)
{
    return humidity.unit == HumidityTypes::E_step ? humidity.value + encodedLevelOffset
                                                  : humidity.value;
}

} // namespace value
