#pragma once

#include "view_cpp/list_item.h"

#include <QByteArray>
#include <QHash>

namespace view {

// A divider between groups of rows: E_divider_large (0) or E_divider_small (1).
class DividerItem : public ListItem
{
    Q_OBJECT

public:
    explicit DividerItem(int componentType);

    static QHash<int, QByteArray> roleNames();

    QVariant data(int role) const override;
    bool setData(const QVariant &value, int role) override;

private:
    // The role-to-field table: each role id of the value table this kind has, with its field.
    static const RoleTable<DividerItem> &roleTable();

    const int m_componentType;
};

} // namespace view
