#pragma once

#include "control/settings.h"

#include <QLatin1String>

namespace control::details {

// Reads an int enum key of the settings store. A missing key, or one whose value is no value of
// the enum, gets the owner's default written back at once, so the file always holds a valid value.
template<typename Enum>
Enum readEnumSetting(const char *key, bool (*fromInt)(int, Enum &), Enum defaultValue)
{
    const std::optional<Enum> stored = Settings::enumValue<Enum>(QLatin1String(key), fromInt);
    if (stored) {
        return *stored;
    }
    Settings::setValue(QLatin1String(key), static_cast<int>(defaultValue));
    return defaultValue;
}

} // namespace control::details
