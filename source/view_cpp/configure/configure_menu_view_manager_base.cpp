#include "view_cpp/configure/configure_menu_view_manager_base.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item_base.h"

#include <utility>

namespace view {

ConfigureMenuViewManagerBase::ConfigureMenuViewManagerBase(QObject *parent,
                                                           ConfigureMenuList::IdCheck idCheck)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItemBase::roleNames(), this)
    , m_menu(m_model, std::move(idCheck))
{}

int ConfigureMenuViewManagerBase::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(itemSelected(int)), SLOT(onItemSelected(int))}});
}

void ConfigureMenuViewManagerBase::onItemSelected(int id)
{
    m_menu.select(id);
}

void ConfigureMenuViewManagerBase::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    m_menu.retranslate();
    processEventsAfterRetranslation();
}

} // namespace view
