#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

namespace view {

// A large row: a text and two values (component type E_row_large).
class RowItemLarge : public RowItemBase
{
    Q_OBJECT

public:
    explicit RowItemLarge(int applId);

    int componentType() const override { return ComponentTypes::E_row_large; }

    using RowFieldsItem::setTextOnSubMenu;
    using RowFieldsItem::setTextValue1;
    using RowFieldsItem::setTextValue2;
};

} // namespace view
