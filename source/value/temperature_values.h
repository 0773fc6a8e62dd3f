#pragma once

namespace value {

// A temperature in ninths of a degree Celsius: 9 units are 1 °C and 5 units are 1 °F, so both
// units step by whole degrees without rounding. Used on the wire, in signals and in the managers.
using Degrees_9C_T = int;

// Whole-degree conversions; every division truncates towards zero.
int celsiusToFahrenheit(int celsius);
int fahrenheitToCelsius(int fahrenheit);
// The whole degrees Fahrenheit shown for a temperature.
int toFahrenheit(Degrees_9C_T value);
// The whole degrees Celsius shown for a temperature.
int toCelsius(Degrees_9C_T value);

// The temperatures a value can have at all, both ends included. A report outside is no
// temperature of that kind: it is shown as no value, never as a number.
struct TemperatureRange
{
    Degrees_9C_T lowest = 0;
    Degrees_9C_T highest = 0;

    constexpr bool contains(Degrees_9C_T value) const
    {
        return value >= lowest && value <= highest;
    }
    // The value moved to the nearer end when it lies outside.
    constexpr Degrees_9C_T bounded(Degrees_9C_T value) const
    {
        return value < lowest ? lowest : value > highest ? highest : value;
    }
};

// What a sensor in a sauna room or a water tank can read, -40..150 °C: a cold cabin in winter
// lies below freezing, and a room or tank sensor gives up long before 150 °C. It is also the
// widest range of any temperature the panel shows, so every shown number stays short.
inline constexpr TemperatureRange measuredTemperatureRange{-360, 1350};

} // namespace value
