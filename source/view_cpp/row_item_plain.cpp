#include "view_cpp/row_item_plain.h"

namespace view {

RowItemPlain::RowItemPlain(const QString &textOnSubMenu, int applId)
    : RowItemBase(applId, 1,
                  {RowField::TextOnSubMenu, RowField::TextValue1, RowField::TextValue2,
                   RowField::TextValue3, RowField::TruncateText})
{
    fields().textOnSubMenu = textOnSubMenu;
}

} // namespace view
