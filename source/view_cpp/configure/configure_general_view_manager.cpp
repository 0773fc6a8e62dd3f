#include "view_cpp/configure/configure_general_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item_base.h"

#include <functional>
#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;

namespace {
bool isConfigureGeneralId(int id)
{
    ConfigureTypes::ConfigureGeneral checked{};
    return ConfigureTypes::fromInt(id, checked);
}
} // namespace

ConfigureGeneralViewManager::ConfigureGeneralViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItemBase::roleNames(), this)
    , m_menu(m_model, isConfigureGeneralId)
{
    const auto entry = [this](int id, std::function<QString()> text) {
        return ConfigureMenuList::Entry{id, std::move(text), [this, id] {
                                            emit editSelected(id);
                                        }};
    };
    // Display sleep has no entry here, and the About page leads to the licence, component and
    // board identification pages itself.
    m_menu.rebuild({
        entry(ConfigureTypes::E_about, [this] { return tr("About"); }),
        entry(ConfigureTypes::E_language, [this] { return tr("Language"); }),
        entry(ConfigureTypes::E_region, [this] { return tr("Region"); }),
        entry(ConfigureTypes::E_units, [this] { return tr("Units"); }),
        entry(ConfigureTypes::E_pin, [this] { return tr("PIN"); }),
    });
}

int ConfigureGeneralViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(itemSelected(int)), SLOT(onItemSelected(int))}});
}

void ConfigureGeneralViewManager::onItemSelected(int id)
{
    m_menu.select(id);
}

void ConfigureGeneralViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    m_menu.retranslate();
    processEventsAfterRetranslation();
}

} // namespace view
