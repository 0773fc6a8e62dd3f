#include "view_cpp/list_item.h"

namespace view {

ListItem::ListItem(int applId)
    : m_applId(applId)
{}

} // namespace view
