#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A stepper row: a shown value, two further texts and two numbers for the delegate (component
// type E_stepper).
class StepperControllerItem : public ListItem
{
    Q_OBJECT

public:
    StepperControllerItem(const QString &value, int applId);
    StepperControllerItem(const QString &value, const QString &value2, const QString &value3,
                          const double &value4, const double &value5);

    // The whole value table, ids 33-47, for lists that mix steppers with other kinds.
    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setValue(const QString &value);
    void setValue2(const QString &value2);
    void setValue3(const QString &value3);
    void setValue4(const double &value4);
    void setValue5(const double &value5);

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<StepperControllerItem> &roleTable();

    static constexpr int m_componentType = ComponentTypes::E_stepper;
    QString m_value;
    QString m_value2;
    QString m_value3;
    double m_value4 = 1.0;
    double m_value5 = 1.0;
};

} // namespace view
