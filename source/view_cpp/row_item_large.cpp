#include "view_cpp/row_item_large.h"

namespace view {

RowItemLarge::RowItemLarge(int applId)
    : RowItemBase(applId, 1, {RowField::TextOnSubMenu, RowField::TextValue1, RowField::TextValue2})
{}

} // namespace view
