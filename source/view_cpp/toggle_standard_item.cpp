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

QVariant ToggleStandardItem::data(int role) const
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
    case valueRoles::value4:
        return m_value4;
    case valueRoles::value5:
        return m_value5;
    default:
        return {};
    }
}

bool ToggleStandardItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case valueRoles::value:
        storeOnChange(m_value, value.toString());
        return true;
    case valueRoles::value2:
        storeOnChange(m_value2, value.toBool());
        return true;
    case valueRoles::value3:
        storeOnChange(m_value3, value.toBool());
        return true;
    case valueRoles::value4:
        storeAlways(m_value4, value.toDouble());
        return true;
    case valueRoles::value5:
        storeAlways(m_value5, value.toBool());
        return true;
    default:
        return false;
    }
}

void ToggleStandardItem::setValue(const QString &value)
{
    storeOnChange(m_value, value);
}

void ToggleStandardItem::setValue2(bool value2)
{
    storeOnChange(m_value2, value2);
}

void ToggleStandardItem::setValue3(bool value3)
{
    storeOnChange(m_value3, value3);
}

void ToggleStandardItem::setValue4(double value4)
{
    storeAlways(m_value4, value4);
}

void ToggleStandardItem::setValue5(bool value5)
{
    storeAlways(m_value5, value5);
}

} // namespace view
