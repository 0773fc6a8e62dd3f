#include "view_cpp/configure/configure_general_view_manager.h"

#include "signal_interface/configure_types.h"

#include <functional>
#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureGeneralViewManager::ConfigureGeneralViewManager(QObject *parent)
    : ConfigureMenuViewManagerBase(parent, isMenuId<ConfigureTypes::ConfigureGeneral>)
{
    const auto entry = [this](int id, std::function<QString()> text) {
        return ConfigureMenuList::Entry{id, std::move(text), [this, id] {
                                            emit editSelected(id);
                                        }};
    };
    // Display sleep has no entry here, and the About page leads to the licence, component and
    // board identification pages itself.
    m_menu.rebuild({
        entry(ConfigureTypes::E_about, [] { return tr("About"); }),
        entry(ConfigureTypes::E_language, [] { return tr("Language"); }),
        entry(ConfigureTypes::E_region, [] { return tr("Region"); }),
        entry(ConfigureTypes::E_units, [] { return tr("Units"); }),
        entry(ConfigureTypes::E_pin, [] { return tr("PIN"); }),
    });
}

} // namespace view
