#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_fields.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <vector>

namespace view {

// A menu row with all row fields and its own role numbering (component type E_row).
class RowItem : public RowFieldsItem
{
    Q_OBJECT

public:
    // Ids 40 and 41 are deliberately unused in this family's numbering. The numbers match the
    // value table's, so a RowItem in a list named by that table shows the same fields.
    enum Role {
        ComponentTypeRole = 33,
        TextOnSubMenuRole = 34,
        TextValue1Role = 35,
        TextValue2Role = 36,
        TextValue3Role = 37,
        LayoutOrderRole = 38,
        LayoutTypeRole = 39,
        BackgroundPressedModeRole = 42,
        CheckmarkCheckedRole = 43,
        TypeOfItemRole = 44,
        TruncateTextRole = 45,
        EnabledRole = 46,
        OpacityRole = 47,
    };

    RowItem(int typeOfItem, int layoutOrder, const QString &layoutType);
    RowItem(const QString &textOnSubMenu, int applId);

    static QHash<int, QByteArray> roleNames();

    using RowFieldsItem::setCheckmarkChecked;
    using RowFieldsItem::setEnabled;
    using RowFieldsItem::setLayoutType;
    using RowFieldsItem::setOpacity;
    using RowFieldsItem::setTextOnSubMenu;
    using RowFieldsItem::setTruncateText;
    using RowFieldsItem::setTypeOfItem;

    // For callers whose row may not exist: a null item is left alone.
    static void setTextOnSubMenuOf(RowItem *item, const QString &text);
    static void setCheckmarkCheckedOf(RowItem *item, bool checked);

private:
    // This family's role table: each id with its name and the row field it stands for.
    static const std::vector<RowRole> &roleTable();

    int componentType() const override { return ComponentTypes::E_row; }
};

} // namespace view
