#include "view_cpp/value_role_names.h"

namespace view::valueRoles {

QHash<int, QByteArray> roleNamesUpTo(int lastRole)
{
    QHash<int, QByteArray> names;
    if (lastRole >= componentType)
        names.insert(componentType, "componentType");
    if (lastRole >= value)
        names.insert(value, "value");
    for (int role = value2; role <= lastRole && role <= value14; ++role)
        names.insert(role, "value" + QByteArray::number(role - value + 1));
    return names;
}

} // namespace view::valueRoles
