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

QVariant ButtonItem::data(int role) const
{
    switch (role) {
    case valueRoles::componentType:
        return m_componentType;
    case valueRoles::value:
        return m_value;
    case valueRoles::value2:
        return m_value2;
    case valueRoles::value3:
        return m_value3;
    default:
        return {};
    }
}

bool ButtonItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case valueRoles::componentType:
        // Accepted and ignored: the kind of a row never changes.
        return true;
    case valueRoles::value:
        storeAlways(m_value, value.toString());
        return true;
    case valueRoles::value2:
        storeAlways(m_value2, value.toBool());
        return true;
    case valueRoles::value3:
        storeAlways(m_value3, value.toDouble());
        return true;
    default:
        return false;
    }
}

void ButtonItem::setText(const QString &text)
{
    storeAlways(m_value, text);
}

void ButtonItem::setValue2(bool value2)
{
    storeAlways(m_value2, value2);
}

void ButtonItem::setValue3(double value3)
{
    storeAlways(m_value3, value3);
}

} // namespace view
