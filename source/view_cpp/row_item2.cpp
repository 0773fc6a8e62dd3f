#include "view_cpp/row_item2.h"

namespace view {
namespace {

const std::initializer_list<RowField> rowItem2Fields = {
    RowField::TextOnSubMenu, RowField::TextValue1,   RowField::TextValue2,
    RowField::TextValue3,    RowField::LayoutType,   RowField::CheckmarkChecked,
    RowField::TypeOfItem,    RowField::TruncateText,
};

} // namespace

RowItem2::RowItem2(int typeOfItem, int layoutOrder, const QString &layoutType)
    : RowItemBase(0, layoutOrder, rowItem2Fields)
{
    fields().typeOfItem = typeOfItem;
    fields().layoutType = layoutType;
}

RowItem2::RowItem2(const QString &textOnSubMenu, int applId)
    : RowItemBase(applId, 1, rowItem2Fields)
{
    fields().textOnSubMenu = textOnSubMenu;
}

void RowItem2::setTextOnSubMenuOf(RowItem2 *item, const QString &text)
{
    if (item != nullptr)
        item->setTextOnSubMenu(text);
}

void RowItem2::setCheckmarkCheckedOf(RowItem2 *item, bool checked)
{
    if (item != nullptr)
        item->setCheckmarkChecked(checked);
}

} // namespace view
