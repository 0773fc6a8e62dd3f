#include "view_cpp/text_row_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

TextRowItem::TextRowItem(const QString &value, bool value2)
    : ListItem(0)
    , m_value(value)
    , m_value2(value2)
{}

QHash<int, QByteArray> TextRowItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::value2);
}

const RoleTable<TextRowItem> &TextRowItem::roleTable()
{
    static const RoleTable<TextRowItem> table = {
        {valueRoles::componentType, constant<TextRowItem, m_componentType>(OnSet::Ignore)},
        {valueRoles::value, field<&TextRowItem::m_value>(OnSet::OnChange)},
        {valueRoles::value2, field<&TextRowItem::m_value2>(OnSet::Always)},
    };
    return table;
}

QVariant TextRowItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool TextRowItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void TextRowItem::setValue2(bool value2)
{
    storeByRole(roleTable(), valueRoles::value2, m_value2, value2);
}

} // namespace view
