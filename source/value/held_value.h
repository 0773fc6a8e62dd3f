#pragma once

#include <optional>

namespace value {

// The optional value of an editor's manager, which has a hasValueChanged signal and tells its
// value and its limit states with emitValueChanged and checkLimits.

// Holds newValue. An equal value tells nothing; a first value tells hasValueChanged before the
// manager tells the value, then its limit states.
template<typename Manager, typename T>
void holdValue(Manager &manager, std::optional<T> &held, const T &newValue)
{
    if (held && *held == newValue)
        return;
    const bool hadValue = held.has_value();
    held = newValue;
    if (!hadValue)
        emit manager.hasValueChanged();
    manager.emitValueChanged();
    manager.checkLimits();
}

// Drops the held value and tells hasValueChanged; returns whether there was a value to drop.
template<typename Manager, typename T>
bool dropHeldValue(Manager &manager, std::optional<T> &held)
{
    if (!held)
        return false;
    held.reset();
    emit manager.hasValueChanged();
    return true;
}

} // namespace value
