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

QVariant TextRowItem::data(int role) const
{
    switch (role) {
    case valueRoles::componentType:
        return m_componentType;
    case valueRoles::value:
        return m_value;
    case valueRoles::value2:
        return m_value2;
    default:
        return {};
    }
}

bool TextRowItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case valueRoles::componentType:
        return true;
    case valueRoles::value:
        storeOnChange(m_value, value.toString());
        return true;
    case valueRoles::value2:
        storeAlways(m_value2, value.toBool());
        return true;
    default:
        return false;
    }
}

void TextRowItem::setValue2(bool value2)
{
    storeAlways(m_value2, value2);
}

} // namespace view
