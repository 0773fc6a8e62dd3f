#pragma once

#include <QByteArray>
#include <QHash>

// The role ids and names of the value table: "componentType", "value", "value2" ... "value14".
// Steppers use all of it; buttons, toggles, texts and dividers a leading part.
namespace view::valueRoles {

constexpr int componentType = 33;
constexpr int value = 34;
constexpr int value2 = 35;
constexpr int value3 = 36;
constexpr int value4 = 37;
constexpr int value5 = 38;
constexpr int value14 = 47;

// The table from id 33 up to and including lastRole.
QHash<int, QByteArray> roleNamesUpTo(int lastRole);

} // namespace view::valueRoles
