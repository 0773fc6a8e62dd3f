#include "view_cpp/divider_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

DividerItem::DividerItem(int componentType)
    : ListItem(0)
    , m_componentType(componentType)
{}

QHash<int, QByteArray> DividerItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::componentType);
}

QVariant DividerItem::data(int role) const
{
    if (role == valueRoles::componentType)
        return m_componentType;
    return {};
}

bool DividerItem::setData(const QVariant &, int role)
{
    return role == valueRoles::componentType;
}

} // namespace view
