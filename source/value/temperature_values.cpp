#include "value/temperature_values.h"

namespace value {

int celsiusToFahrenheit(int celsius)
{
    return celsius * 9 / 5 + 32;
}

int fahrenheitToCelsius(int fahrenheit)
{
    return (fahrenheit * 5 - 160) / 9;
}

int toFahrenheit(Degrees_9C_T value)
{
    return value / 5 + 32;
}

int toCelsius(Degrees_9C_T value)
{
    return value / 9;
}

} // namespace value
