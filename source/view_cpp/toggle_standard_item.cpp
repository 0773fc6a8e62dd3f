#include "view_cpp/toggle_standard_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

ToggleStandardItem::ToggleStandardItem(int applId, bool value2)
    : ListItem(applId)
    , m_value2(value2)
{}

QHash<int, QByteArray> ToggleStandardItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::value5);
}

const RoleTable<ToggleStandardItem> &ToggleStandardItem::roleTable()
{
    static const RoleTable<ToggleStandardItem> table = {
        {valueRoles::componentType, constant<ToggleStandardItem, m_componentType>(OnSet::Refuse)},
        {valueRoles::value, field<&ToggleStandardItem::m_value>(OnSet::OnChange)},
        {valueRoles::value2, field<&ToggleStandardItem::m_value2>(OnSet::OnChange)},
        {valueRoles::value3, field<&ToggleStandardItem::m_value3>(OnSet::OnChange)},
        {valueRoles::value4, field<&ToggleStandardItem::m_value4>(OnSet::Always)},
        {valueRoles::value5, field<&ToggleStandardItem::m_value5>(OnSet::Always)},
    };
    return table;
}

QVariant ToggleStandardItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool ToggleStandardItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void ToggleStandardItem::setValue(const QString &value)
{
    storeByRole(roleTable(), valueRoles::value, m_value, value);
}

void ToggleStandardItem::setValue2(bool value2)
{
    storeByRole(roleTable(), valueRoles::value2, m_value2, value2);
}

void ToggleStandardItem::setValue3(bool value3)
{
    storeByRole(roleTable(), valueRoles::value3, m_value3, value3);
}

void ToggleStandardItem::setValue4(double value4)
{
    storeByRole(roleTable(), valueRoles::value4, m_value4, value4);
}

void ToggleStandardItem::setValue5(bool value5)
{
    storeByRole(roleTable(), valueRoles::value5, m_value5, value5);
}

} // namespace view
