#pragma once

#include "control/settings.h"

#include <QLatin1String>
#include <QSettings>

namespace control::details {

// Reads an int enum key of the settings store. A missing key gets the owner's default written
// at once. A stored value that is no value of the enum (hand-edited, or written by a newer
// version) reads as the default but stays in the file until the user changes the setting.
template<typename Enum>
Enum readEnumSetting(const char *key, bool (*fromInt)(int, Enum &), Enum defaultValue)
{
    const QLatin1String name(key);
    const std::optional<Enum> stored = Settings::enumValue<Enum>(name, fromInt);
    if (stored) {
        return *stored;
    }
    if (!Settings::settings()->contains(name)) {
        Settings::setValue(name, static_cast<int>(defaultValue));
    }
    return defaultValue;
}

} // namespace control::details
