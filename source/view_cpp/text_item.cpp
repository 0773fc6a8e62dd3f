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

QVariant TextItem::data(int role) const
{
    switch (role) {
    case valueRoles::componentType:
        return m_componentType;
    case valueRoles::value:
        return m_value;
    case valueRoles::value2:
        return m_fontSize;
    default:
        return {};
    }
}

bool TextItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case valueRoles::componentType:
        return true;
    case valueRoles::value:
        storeOnChange(m_value, value.toString());
        return true;
    case valueRoles::value2:
        storeOnChange(m_fontSize, value.toInt());
        return true;
    default:
        return false;
    }
}

void TextItem::setText(const QString &text)
{
    storeOnChange(m_value, text);
}

void TextItem::setFontSize(int fontSize)
{
    storeOnChange(m_fontSize, fontSize);
}

void TextItem::setTextOf(TextItem *item, const QString &text)
{
    if (item != nullptr)
        item->setText(text);
}

} // namespace view
