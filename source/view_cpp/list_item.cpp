#include "view_cpp/list_item.h"

namespace view {

ListItem::ListItem(int applId)
    : m_applId(applId)
{}

void ListItem::setApplId(int applId)
{
    if (m_applId == applId)
        return;
    m_applId = applId;
    emit dataChanged();
}

} // namespace view
