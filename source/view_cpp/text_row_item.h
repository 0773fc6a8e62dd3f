#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>
#include <QString>

namespace view {

// A line of a text list with its heading flag as value2. It reports the component type of a
// TextItem, E_text, not E_text_row: delegates tell the two apart by value2, a flag here and a
// font size (a number) in a TextItem.
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

    static constexpr int m_componentType = ComponentTypes::E_text;
    QString m_value;
    bool m_value2 = false;
};

} // namespace view
