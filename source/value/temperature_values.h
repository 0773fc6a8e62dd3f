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

// A span of temperatures, both ends included.
struct TemperatureRange
{
    Degrees_9C_T lowest = 0;
    Degrees_9C_T highest = 0;

    constexpr bool contains(Degrees_9C_T value) const
    {
        return value >= lowest && value <= highest;
    }
};

} // namespace value
