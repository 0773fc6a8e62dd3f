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

const RoleTable<StepperControllerItem> &StepperControllerItem::roleTable()
{
    // Ids 39-47 of the value table name no field of a stepper.
    static const RoleTable<StepperControllerItem> table = {
        {valueRoles::componentType,
         constant<StepperControllerItem, m_componentType>(OnSet::Refuse)},
        {valueRoles::value, field<&StepperControllerItem::m_value>(OnSet::Always)},
        {valueRoles::value2, field<&StepperControllerItem::m_value2>(OnSet::Always)},
        {valueRoles::value3, field<&StepperControllerItem::m_value3>(OnSet::Always)},
        {valueRoles::value4, field<&StepperControllerItem::m_value4>(OnSet::Always)},
        {valueRoles::value5, field<&StepperControllerItem::m_value5>(OnSet::Always)},
    };
    return table;
}

QVariant StepperControllerItem::data(int role) const
{
    return readRole(roleTable(), *this, role);
}

bool StepperControllerItem::setData(const QVariant &value, int role)
{
    return writeRole(roleTable(), *this, value, role);
}

void StepperControllerItem::setValue(const QString &value)
{
    storeByRole(roleTable(), valueRoles::value, m_value, value);
}

void StepperControllerItem::setValue2(const QString &value2)
{
    storeByRole(roleTable(), valueRoles::value2, m_value2, value2);
}

void StepperControllerItem::setValue3(const QString &value3)
{
    storeByRole(roleTable(), valueRoles::value3, m_value3, value3);
}

void StepperControllerItem::setValue4(const double &value4)
{
    storeByRole(roleTable(), valueRoles::value4, m_value4, value4);
}

void StepperControllerItem::setValue5(const double &value5)
{
    storeByRole(roleTable(), valueRoles::value5, m_value5, value5);
}

} // namespace view
