#include "view_cpp/row_item_large.h"

namespace view {

RowItemLarge::RowItemLarge(int applId)
    : RowItemBase(applId, 1)
{}

QVariant RowItemLarge::data(int role) const
{
    switch (role) {
    case TextOnSubMenuRole:
        return m_textOnSubMenu;
    case TextValue1Role:
        return m_textValue1;
    case TextValue2Role:
        return m_textValue2;
    default:
        return RowItemBase::data(role);
    }
}

bool RowItemLarge::setData(const QVariant &value, int role)
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
    default:
        return RowItemBase::setData(value, role);
    }
}

void RowItemLarge::setTextOnSubMenu(const QString &text)
{
    storeOnChange(m_textOnSubMenu, text);
}

void RowItemLarge::setTextValue1(const QString &text)
{
    storeOnChange(m_textValue1, text);
}

void RowItemLarge::setTextValue2(const QString &text)
{
    storeOnChange(m_textValue2, text);
}

} // namespace view
