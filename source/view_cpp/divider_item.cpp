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

const RoleTable<DividerItem> &DividerItem::roleTable()
{
    static const RoleTable<DividerItem> table = {
        {valueRoles::componentType, fixedField<&DividerItem::m_componentType>(OnSet::Ignore)},
    };
    return table;
}

QVariant DividerItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool DividerItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

} // namespace view
