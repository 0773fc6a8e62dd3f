#include "view_cpp/row_item_base.h"

#include "view_cpp/row_item_tables.h"

namespace view {

RowItemBase::RowItemBase(int applId, int layoutOrder)
    : ListItem(applId)
    , m_layoutOrder(layoutOrder)
{}

QHash<int, QByteArray> RowItemBase::roleNames()
{
    return {
        {ComponentTypeRole, "componentType"},
        {LayoutOrderRole, "layoutOrder"},
        {EnabledRole, "enabled"},
        {OpacityRole, "opacity"},
        {BackgroundPressedModeRole, "backgroundPressedMode"},
        {IconTypeRole, "iconType"},
        {TextOnSubMenuRole, "textOnSubMenu"},
        {TextValue1Role, "textValue1"},
        {TextValue2Role, "textValue2"},
        {TextValue3Role, "textValue3"},
        {LayoutTypeRole, "layoutType"},
        {CheckmarkCheckedRole, "checkmarkChecked"},
        {TypeOfItemRole, "typeOfItem"},
        {TruncateTextRole, "truncateText"},
    };
}

QVariant RowItemBase::data(int role) const
{
    switch (role) {
    case ComponentTypeRole:
        return componentType();
    case LayoutOrderRole:
        return layoutOrderText(m_layoutOrder);
    case EnabledRole:
        return m_enabled;
    case OpacityRole:
        return m_opacity;
    case BackgroundPressedModeRole:
        return m_backgroundPressedMode;
    default:
        return {};
    }
}

bool RowItemBase::setData(const QVariant &value, int role)
{
    switch (role) {
    case LayoutOrderRole:
        storeOnChange(m_layoutOrder, layoutOrderFromText(value));
        return true;
    case EnabledRole:
        storeAlways(m_enabled, value.toBool());
        return true;
    case OpacityRole:
        storeAlways(m_opacity, value.toDouble());
        return true;
    case BackgroundPressedModeRole:
        storeOnChange(m_backgroundPressedMode, value.toInt());
        return true;
    default:
        return false;
    }
}

void RowItemBase::setLayoutOrder(int layoutOrder)
{
    storeOnChange(m_layoutOrder, layoutOrder);
}

void RowItemBase::setBackgroundPressedMode(const int &mode)
{
    storeOnChange(m_backgroundPressedMode, mode);
}

void RowItemBase::setEnabled(bool enabled)
{
    storeAlways(m_enabled, enabled);
}

void RowItemBase::setOpacity(double opacity)
{
    storeAlways(m_opacity, opacity);
}

} // namespace view
