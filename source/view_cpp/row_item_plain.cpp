#include "view_cpp/row_item_plain.h"

namespace view {

RowItemPlain::RowItemPlain(const QString &textOnSubMenu, int applId)
    : RowItemBase(applId, 1)
    , m_textOnSubMenu(textOnSubMenu)
{}

QVariant RowItemPlain::data(int role) const
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
    case TruncateTextRole:
        return m_truncateText;
    default:
        return RowItemBase::data(role);
    }
}

bool RowItemPlain::setData(const QVariant &value, int role)
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
    case TruncateTextRole:
        storeAlways(m_truncateText, value.toBool());
        return true;
    default:
        return RowItemBase::setData(value, role);
    }
}

void RowItemPlain::setTruncateText(bool truncate)
{
    storeAlways(m_truncateText, truncate);
}

} // namespace view
