#include "view_cpp/row_item.h"

namespace view {
namespace {

// A RowItem has every field its family's table names.
std::vector<RowField> fieldsOf(const std::vector<RowRole> &table)
{
    std::vector<RowField> fields;
    for (const RowRole &role : table)
        fields.push_back(role.field);
    return fields;
}

} // namespace

RowItem::RowItem(int typeOfItem, int layoutOrder, const QString &layoutType)
    : RowFieldsItem(0, roleTable(), fieldsOf(roleTable()))
{
    fields().typeOfItem = typeOfItem;
    fields().layoutOrder = layoutOrder;
    fields().layoutType = layoutType;
}

RowItem::RowItem(const QString &textOnSubMenu, int applId)
    : RowFieldsItem(applId, roleTable(), fieldsOf(roleTable()))
{
    fields().textOnSubMenu = textOnSubMenu;
}

const std::vector<RowRole> &RowItem::roleTable()
{
    static const std::vector<RowRole> table = {
        {ComponentTypeRole, "componentType", RowField::ComponentType},
        {TextOnSubMenuRole, "textOnSubMenu", RowField::TextOnSubMenu},
        {TextValue1Role, "textValue1", RowField::TextValue1},
        {TextValue2Role, "textValue2", RowField::TextValue2},
        {TextValue3Role, "textValue3", RowField::TextValue3},
        {LayoutOrderRole, "layoutOrder", RowField::LayoutOrder},
        {LayoutTypeRole, "layoutType", RowField::LayoutType},
        {BackgroundPressedModeRole, "backgroundPressedMode", RowField::BackgroundPressedMode},
        {CheckmarkCheckedRole, "checkmarkChecked", RowField::CheckmarkChecked},
        {TypeOfItemRole, "typeOfItem", RowField::TypeOfItem},
        {TruncateTextRole, "truncateText", RowField::TruncateText},
        {EnabledRole, "enabled", RowField::Enabled},
        {OpacityRole, "opacity", RowField::Opacity},
    };
    return table;
}

QHash<int, QByteArray> RowItem::roleNames()
{
    return roleNamesOf(roleTable());
}

void RowItem::setTextOnSubMenuOf(RowItem *item, const QString &text)
{
    if (item != nullptr)
        item->setTextOnSubMenu(text);
}

void RowItem::setCheckmarkCheckedOf(RowItem *item, bool checked)
{
    if (item != nullptr)
        item->setCheckmarkChecked(checked);
}

} // namespace view
