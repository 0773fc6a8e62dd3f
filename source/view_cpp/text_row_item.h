#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A line of a text list with its heading flag as value2 (component type E_text_row). A TextItem
// has the same roles but its own component type, under which value2 is a font size.
class TextRowItem : public ListItem
{
    Q_OBJECT

public:
    TextRowItem(const QString &value, bool value2);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

    void setValue2(bool value2);

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<TextRowItem> &roleTable();

    static constexpr int m_componentType = ComponentTypes::E_text_row;
    QString m_value;
    bool m_value2 = false;
};

} // namespace view
