#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A button row: its text and two further values for the delegate (component type E_button).
class ButtonItem : public ListItem
{
    Q_OBJECT

public:
    explicit ButtonItem(const QString &value);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setText(const QString &text);
    void setValue2(bool value2);
    void setValue3(double value3);

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<ButtonItem> &roleTable();

    static constexpr int m_componentType = ComponentTypes::E_button;
    QString m_value;
    bool m_value2 = true;
    double m_value3 = 1.0;
};

} // namespace view
