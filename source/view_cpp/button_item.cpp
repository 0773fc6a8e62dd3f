#include "view_cpp/button_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

ButtonItem::ButtonItem(const QString &value)
    : ListItem(0)
    , m_value(value)
{}

QHash<int, QByteArray> ButtonItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::value3);
}

const RoleTable<ButtonItem> &ButtonItem::roleTable()
{
    // The kind of a row never changes: a written component type is accepted and ignored.
    static const RoleTable<ButtonItem> table = {
        {valueRoles::componentType, constant<ButtonItem, m_componentType>(OnSet::Ignore)},
        {valueRoles::value, field<&ButtonItem::m_value>(OnSet::Always)},
        {valueRoles::value2, field<&ButtonItem::m_value2>(OnSet::Always)},
        {valueRoles::value3, field<&ButtonItem::m_value3>(OnSet::Always)},
    };
    return table;
}

QVariant ButtonItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool ButtonItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void ButtonItem::setText(const QString &text)
{
    storeByRole(roleTable(), valueRoles::value, m_value, text);
}

void ButtonItem::setValue2(bool value2)
{
    storeByRole(roleTable(), valueRoles::value2, m_value2, value2);
}

void ButtonItem::setValue3(double value3)
{
    storeByRole(roleTable(), valueRoles::value3, m_value3, value3);
}

} // namespace view
