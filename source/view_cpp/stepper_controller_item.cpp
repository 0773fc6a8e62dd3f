#include "view_cpp/stepper_controller_item.h"

#include "view_cpp/value_role_names.h"

namespace view {

StepperControllerItem::StepperControllerItem(const QString &value, int applId)
    : ListItem(applId)
    , m_value(value)
{}

StepperControllerItem::StepperControllerItem(const QString &value, const QString &value2,
                                             const QString &value3, const double &value4,
                                             const double &value5)
    : ListItem(0)
    , m_value(value)
    , m_value2(value2)
    , m_value3(value3)
    , m_value4(value4)
    , m_value5(value5)
{}

QHash<int, QByteArray> StepperControllerItem::roleNames()
{
    return valueRoles::roleNamesUpTo(valueRoles::value14);
}

QVariant StepperControllerItem::data(int role) const
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

bool StepperControllerItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case valueRoles::value:
        storeAlways(m_value, value.toString());
        return true;
    case valueRoles::value2:
        storeAlways(m_value2, value.toString());
        return true;
    case valueRoles::value3:
        storeAlways(m_value3, value.toString());
        return true;
    case valueRoles::value4:
        storeAlways(m_value4, value.toDouble());
        return true;
    case valueRoles::value5:
        storeAlways(m_value5, value.toDouble());
        return true;
    default:
        return false;
    }
}

void StepperControllerItem::setValue(const QString &value)
{
    storeAlways(m_value, value);
}

void StepperControllerItem::setValue2(const QString &value2)
{
    storeAlways(m_value2, value2);
}

void StepperControllerItem::setValue3(const QString &value3)
{
    storeAlways(m_value3, value3);
}

void StepperControllerItem::setValue4(const double &value4)
{
    storeAlways(m_value4, value4);
}

void StepperControllerItem::setValue5(const double &value5)
{
    storeAlways(m_value5, value5);
}

} // namespace view
