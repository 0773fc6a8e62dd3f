#include "view_cpp/configure/configure_menu_list.h"

#include "view_cpp/list_model.h"

#include <utility>

namespace view {

ConfigureMenuList::ConfigureMenuList(ListModel &model, IdCheck idCheck)
    : m_model(model)
    , m_idCheck(std::move(idCheck))
{}

void ConfigureMenuList::rebuild(std::vector<Entry> entries)
{
    m_entries.clear();
    m_model.clear();
    m_entries = std::move(entries);
    for (Entry &entry : m_entries) {
        auto *row = new RowItem2(entry.text ? entry.text() : QString(), entry.id);
        row->setTruncateText(false);
        m_model.appendItem(row);
        entry.row = row;
    }
    m_model.updateLayoutOrder();
}

bool ConfigureMenuList::select(int id) const
{
    if (m_idCheck && !m_idCheck(id))
        return false;
    for (const Entry &entry : m_entries) {
        if (entry.id == id) {
            if (entry.action)
                entry.action();
            return true;
        }
    }
    return false;
}

void ConfigureMenuList::retranslate()
{
    for (Entry &entry : m_entries) {
        if (entry.text)
            RowItem2::setTextOnSubMenuOf(entry.row.data(), entry.text());
    }
}

} // namespace view
