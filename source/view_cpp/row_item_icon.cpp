#include "view_cpp/row_item_icon.h"

namespace view {

RowItemIcon::RowItemIcon(int applId)
    : RowItemBase(applId, 1, {RowField::IconType})
{}

} // namespace view
