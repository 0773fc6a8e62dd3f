#pragma once

#include "view_cpp/component_types.h"
#include "view_cpp/row_item_base.h"

#include <QString>

namespace view {

// A plain row: a text and three values, no check mark or sub-menu (component type E_row_plain).
class RowItemPlain : public RowItemBase
{
    Q_OBJECT

public:
    RowItemPlain(const QString &textOnSubMenu, int applId);

    int componentType() const override { return ComponentTypes::E_row_plain; }

    using RowFieldsItem::setTruncateText;
};

} // namespace view
