#include "view_cpp/row_item_icon.h"

#include "view_cpp/row_item_tables.h"

namespace view {

RowItemIcon::RowItemIcon(int applId)
    : RowItemBase(applId, 1)
{}

QVariant RowItemIcon::data(int role) const
{
    if (role == IconTypeRole)
        return iconTypeText(m_iconType);
    return RowItemBase::data(role);
}

bool RowItemIcon::setData(const QVariant &value, int role)
{
    if (role == IconTypeRole) {
        storeAlways(m_iconType, iconTypeFromText(value));
        return true;
    }
    return RowItemBase::setData(value, role);
}

void RowItemIcon::setIconType(int iconType)
{
    storeAlways(m_iconType, iconType);
}

} // namespace view
