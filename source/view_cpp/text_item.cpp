#include "view_cpp/text_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

TextItem::TextItem(const QString &value)
    : ListItem(0)
    , m_value(value)
{}

QHash<int, QByteArray> TextItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::value2);
}

const RoleTable<TextItem> &TextItem::roleTable()
{
    static const RoleTable<TextItem> table = {
        {valueRoles::componentType, constant<TextItem, m_componentType>(OnSet::Ignore)},
        {valueRoles::value, field<&TextItem::m_value>(OnSet::OnChange)},
        {valueRoles::value2, field<&TextItem::m_fontSize>(OnSet::OnChange)},
    };
    return table;
}

QVariant TextItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool TextItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void TextItem::setText(const QString &text)
{
    storeByRole(roleTable(), valueRoles::value, m_value, text);
}

void TextItem::setFontSize(int fontSize)
{
    storeByRole(roleTable(), valueRoles::value2, m_fontSize, fontSize);
}

void TextItem::setTextOf(TextItem *item, const QString &text)
{
    if (item != nullptr)
        item->setText(text);
}

} // namespace view
