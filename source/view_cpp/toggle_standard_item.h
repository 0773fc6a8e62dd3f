#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A toggle row: a label, the toggle state and three values for the delegate (component type
// E_toggle). The builder sets the label after construction.
class ToggleStandardItem : public ListItem
{
    Q_OBJECT

public:
    ToggleStandardItem(int applId, bool value2);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setValue(const QString &value);
    void setValue2(bool value2);
    void setValue3(bool value3);
    void setValue4(double value4);
    void setValue5(bool value5);

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<ToggleStandardItem> &roleTable();

    static constexpr int m_componentType = ComponentTypes::E_toggle;
    QString m_value;
    bool m_value2 = false;
    bool m_value3 = true;
    double m_value4 = 1.0;
    bool m_value5 = false;
};

} // namespace view
