#include "view_cpp/row_item_base.h"

#include <vector>

namespace view {
namespace {

std::vector<RowField> withBaseFields(std::initializer_list<RowField> ownFields)
{
    std::vector<RowField> fields = {RowField::ComponentType, RowField::LayoutOrder,
                                    RowField::Enabled, RowField::Opacity,
                                    RowField::BackgroundPressedMode};
    fields.insert(fields.end(), ownFields);
    return fields;
}

} // namespace

RowItemBase::RowItemBase(int applId, int layoutOrder, std::initializer_list<RowField> ownFields)
    : RowFieldsItem(applId, roleTable(), withBaseFields(ownFields))
{
    fields().layoutOrder = layoutOrder;
}

const std::vector<RowRole> &RowItemBase::roleTable()
{
    static const std::vector<RowRole> table = {
        {ComponentTypeRole, "componentType", RowField::ComponentType},
        {LayoutOrderRole, "layoutOrder", RowField::LayoutOrder},
        {EnabledRole, "enabled", RowField::Enabled},
        {OpacityRole, "opacity", RowField::Opacity},
        {BackgroundPressedModeRole, "backgroundPressedMode", RowField::BackgroundPressedMode},
        {IconTypeRole, "iconType", RowField::IconType},
        {TextOnSubMenuRole, "textOnSubMenu", RowField::TextOnSubMenu},
        {TextValue1Role, "textValue1", RowField::TextValue1},
        {TextValue2Role, "textValue2", RowField::TextValue2},
        {TextValue3Role, "textValue3", RowField::TextValue3},
        {LayoutTypeRole, "layoutType", RowField::LayoutType},
        {CheckmarkCheckedRole, "checkmarkChecked", RowField::CheckmarkChecked},
        {TypeOfItemRole, "typeOfItem", RowField::TypeOfItem},
        {TruncateTextRole, "truncateText", RowField::TruncateText},
    };
    return table;
}

QHash<int, QByteArray> RowItemBase::roleNames()
{
    return roleNamesOf(roleTable());
}

} // namespace view
