#include "view_cpp/row_item2.h"

#include "view_cpp/row_item_tables.h"

namespace view {

RowItem2::RowItem2(int typeOfItem, int layoutOrder, const QString &layoutType)
    : RowItemBase(0, layoutOrder)
    , m_layoutType(layoutType)
    , m_typeOfItem(typeOfItem)
{}

RowItem2::RowItem2(const QString &textOnSubMenu, int applId)
    : RowItemBase(applId, 1)
    , m_textOnSubMenu(textOnSubMenu)
{}

QVariant RowItem2::data(int role) const
{
    switch (role) {
    case TextOnSubMenuRole:
        return m_textOnSubMenu;
    case TextValue1Role:
        return m_textValue1;
    case TextValue2Role:
        return m_textValue2;
    case TextValue3Role:
        return m_textValue3;
    case LayoutTypeRole:
        return m_layoutType;
    case CheckmarkCheckedRole:
        return m_checkmarkChecked;
    case TypeOfItemRole:
        return typeOfItemText(m_typeOfItem);
    case TruncateTextRole:
        return m_truncateText;
    default:
        return RowItemBase::data(role);
    }
}

bool RowItem2::setData(const QVariant &value, int role)
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
    case LayoutTypeRole:
        storeAlways(m_layoutType, value.toString());
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
    default:
        return RowItemBase::setData(value, role);
    }
}

void RowItem2::setTextOnSubMenu(const QString &text)
{
    storeOnChange(m_textOnSubMenu, text);
}

void RowItem2::setCheckmarkChecked(bool checked)
{
    storeOnChange(m_checkmarkChecked, checked);
}

void RowItem2::setLayoutType(const QString &layoutType)
{
    storeAlways(m_layoutType, layoutType);
}

void RowItem2::setTypeOfItem(int typeOfItem)
{
    storeAlways(m_typeOfItem, typeOfItem);
}

void RowItem2::setTruncateText(bool truncate)
{
    storeAlways(m_truncateText, truncate);
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
