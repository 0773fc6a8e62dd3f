#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

#include <QString>

namespace view {

// A menu row with all row fields in the RowItemBase numbering (component type E_row).
class RowItem2 : public RowItemBase
{
    Q_OBJECT

public:
    RowItem2(int typeOfItem, int layoutOrder, const QString &layoutType);
    RowItem2(const QString &textOnSubMenu, int applId);

    int componentType() const override { return ComponentTypes::E_row; }

    using RowFieldsItem::setCheckmarkChecked;
    using RowFieldsItem::setLayoutType;
    using RowFieldsItem::setTextOnSubMenu;
    using RowFieldsItem::setTruncateText;
    using RowFieldsItem::setTypeOfItem;

    // For callers whose row may not exist: a null item is left alone.
    static void setTextOnSubMenuOf(RowItem2 *item, const QString &text);
    static void setCheckmarkCheckedOf(RowItem2 *item, bool checked);
};

} // namespace view
