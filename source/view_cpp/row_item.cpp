#include "view_cpp/row_item.h"

#include "view_cpp/row_item_tables.h"

namespace view {

RowItem::RowItem(int typeOfItem, int layoutOrder, const QString &layoutType)
    : ListItem(0)
    , m_layoutOrder(layoutOrder)
    , m_layoutType(layoutType)
    , m_typeOfItem(typeOfItem)
{}

RowItem::RowItem(const QString &textOnSubMenu, int applId)
    : ListItem(applId)
    , m_textOnSubMenu(textOnSubMenu)
{}

QHash<int, QByteArray> RowItem::roleNames()
{
    return {
        {ComponentTypeRole, "componentType"},
        {TextOnSubMenuRole, "textOnSubMenu"},
        {TextValue1Role, "textValue1"},
        {TextValue2Role, "textValue2"},
        {TextValue3Role, "textValue3"},
        {LayoutOrderRole, "layoutOrder"},
        {LayoutTypeRole, "layoutType"},
        {BackgroundPressedModeRole, "backgroundPressedMode"},
        {CheckmarkCheckedRole, "checkmarkChecked"},
        {TypeOfItemRole, "typeOfItem"},
        {TruncateTextRole, "truncateText"},
        {EnabledRole, "enabled"},
        {OpacityRole, "opacity"},
    };
}

QVariant RowItem::data(int role) const
{
    switch (role) {
    case ComponentTypeRole:
        return m_componentType;
    case TextOnSubMenuRole:
        return m_textOnSubMenu;
    case TextValue1Role:
        return m_textValue1;
    case TextValue2Role:
        return m_textValue2;
    case TextValue3Role:
        return m_textValue3;
    case LayoutOrderRole:
        return layoutOrderText(m_layoutOrder);
    case LayoutTypeRole:
        return m_layoutType;
    case BackgroundPressedModeRole:
        return m_backgroundPressedMode;
    case CheckmarkCheckedRole:
        return m_checkmarkChecked;
    case TypeOfItemRole:
        return typeOfItemText(m_typeOfItem);
    case TruncateTextRole:
        return m_truncateText;
    case EnabledRole:
        return m_enabled;
    case OpacityRole:
        return m_opacity;
    default:
        return {};
    }
}

bool RowItem::setData(const QVariant &value, int role)
{
    switch (role) {
    case TextOnSubMenuRole:
        storeOnChange(m_textOnSubMenu, value.toString());
        return true;
    case TextValue1Role:
        storeOnChange(m_textValue1, value.toString());
        return true;
    case TextValue2Role:
        storeOnChange(m_textValue2, value.toString());
        return true;
    case TextValue3Role:
        storeOnChange(m_textValue3, value.toString());
        return true;
    case LayoutOrderRole:
        storeOnChange(m_layoutOrder, layoutOrderFromText(value));
        return true;
    case LayoutTypeRole:
        storeAlways(m_layoutType, value.toString());
        return true;
    case BackgroundPressedModeRole:
        storeOnChange(m_backgroundPressedMode, value.toInt());
        return true;
    case CheckmarkCheckedRole:
        storeOnChange(m_checkmarkChecked, value.toBool());
        return true;
    case TypeOfItemRole:
        storeAlways(m_typeOfItem, typeOfItemFromText(value));
        return true;
    case TruncateTextRole:
        storeAlways(m_truncateText, value.toBool());
        return true;
    case EnabledRole:
        storeAlways(m_enabled, value.toBool());
        return true;
    case OpacityRole:
        storeAlways(m_opacity, value.toDouble());
        return true;
    default:
        return false;
    }
}

void RowItem::setTextOnSubMenu(const QString &text)
{
    storeOnChange(m_textOnSubMenu, text);
}

void RowItem::setCheckmarkChecked(bool checked)
{
    storeOnChange(m_checkmarkChecked, checked);
}

void RowItem::setLayoutOrder(int layoutOrder)
{
    storeOnChange(m_layoutOrder, layoutOrder);
}

void RowItem::setLayoutType(const QString &layoutType)
{
    storeAlways(m_layoutType, layoutType);
}

void RowItem::setTypeOfItem(int typeOfItem)
{
    storeAlways(m_typeOfItem, typeOfItem);
}

void RowItem::setTruncateText(bool truncate)
{
    storeAlways(m_truncateText, truncate);
}

void RowItem::setEnabled(bool enabled)
{
    storeAlways(m_enabled, enabled);
}

void RowItem::setOpacity(double opacity)
{
    storeAlways(m_opacity, opacity);
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
