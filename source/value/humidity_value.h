#pragma once

#include "signal_interface/humidity_types.h"

#include <QMetaType>

namespace value {

// A humidity with its unit: percent 0..100 or a level 0..10.
struct HumidityValue_T
{
    int value = 0;
    signalInterface::HumidityTypes::HumidityUnit unit =
        signalInterface::HumidityTypes::E_percentage;

    bool operator==(const HumidityValue_T &other) const
    {
        return value == other.value && unit == other.unit;
    }
    bool operator!=(const HumidityValue_T &other) const { return !(*this == other); }
};

// The number converted from one unit into another: percent to level × 10 / 92, level to percent
// × 10; the same unit, or an unknown one, leaves it unchanged.
int convertHumidityNumber(int number, signalInterface::HumidityTypes::HumidityUnit from,
                          signalInterface::HumidityTypes::HumidityUnit to);

// The integer encoding of the wire and the controllers (signal_interface/protocol_facts.h): a
// level as level + 101, otherwise percent.
HumidityValue_T decodeHumidity(int encoded);
int encodeHumidity(const HumidityValue_T &humidity);

// Whether the number is a humidity of its unit at all: percent 0..100, level 0..10. A humidity
// outside is shown as no value.
bool isHumidityInRange(const HumidityValue_T &humidity);
// The largest humidity of the unit: 100 % or level 10.
int largestHumidity(signalInterface::HumidityTypes::HumidityUnit unit);

} // namespace value

Q_DECLARE_METATYPE(value::HumidityValue_T)
