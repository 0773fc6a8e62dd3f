#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

namespace view {

// A row that shows an icon, such as the "plus" of an add entry (component type E_row_icon).
class RowItemIcon : public RowItemBase
{
    Q_OBJECT

public:
    explicit RowItemIcon(int applId);

    int componentType() const override { return ComponentTypes::E_row_icon; }

    using RowFieldsItem::setIconType;
};

} // namespace view
