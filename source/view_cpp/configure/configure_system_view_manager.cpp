#include "view_cpp/configure/configure_system_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"

#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::RegionTypes;
using ::signalInterface::SaunaStateTypes;

ConfigureSystemViewManager::ConfigureSystemViewManager(QObject *parent)
    : ConfigureMenuViewManagerBase(parent, isMenuId<ConfigureTypes::ConfigureSystem>)
{
    rebuildMenu();
}

int ConfigureSystemViewManager::connectToVariantController(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(productTypeChanged(::signalInterface::VariantTypes::ProductType)),
          SLOT(onProductTypeChanged(::signalInterface::VariantTypes::ProductType))}});
}

int ConfigureSystemViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {masterFuncDescRoute,
         {SIGNAL(saunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState)),
          SLOT(onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState))},
         {SIGNAL(saunaRegionChanged(::signalInterface::RegionTypes::RegionType)),
          SLOT(onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         {SIGNAL(saunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType))}});
}

void ConfigureSystemViewManager::onProductTypeChanged(
    ::signalInterface::VariantTypes::ProductType productType)
{
    m_productType = productType;
    rebuildMenu();
}

void ConfigureSystemViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post)
{
    m_functions = post;
    rebuildMenu();
}

void ConfigureSystemViewManager::onSaunaRegionChanged(
    ::signalInterface::RegionTypes::RegionType region)
{
    m_region = region;
    rebuildMenu();
}

void ConfigureSystemViewManager::onSaunaMasterProductChanged(
    ::signalInterface::MasterFuncDescTypes::RcbProduct product)
{
    m_rcbProduct = product;
    rebuildMenu();
}

void ConfigureSystemViewManager::onSaunaFacilityTypeChanged(
    ::signalInterface::SaunaStateTypes::FacilityType facilityType)
{
    m_facilityType = facilityType;
    rebuildMenu();
}

void ConfigureSystemViewManager::onSaunaPhysicalStateChanged(
    ::signalInterface::SaunaStateTypes::SaunaState state)
{
    // Stored only: no row depends on it.
    m_physicalState = state;
}

void ConfigureSystemViewManager::onSaunaReplaced()
{
    m_functions = {};
    m_physicalState = SaunaStateTypes::E_sauna_off;
    m_region = RegionTypes::E_eu;
    m_rcbProduct = MasterFuncDescTypes::E_sauna;
    m_facilityType = SaunaStateTypes::E_unknown;
    rebuildMenu();
}

ConfigureMenuList::Entry ConfigureSystemViewManager::navigationEntry(int id,
                                                                     std::function<QString()> text)
{
    return {id, std::move(text), [this, id] {
                emit editSelected(id);
            }};
}

void ConfigureSystemViewManager::rebuildMenu()
{
    const bool euOrOther = m_region == RegionTypes::E_eu || m_region == RegionTypes::E_other;
    const bool pauseTimerShown = m_functions.resetTimer && m_region == RegionTypes::E_eu &&
                                 m_facilityType == SaunaStateTypes::E_time_controlled;
    const bool facilityTypeShown =
        !(euOrOther && MasterFuncDescTypes::isSteamProduct(m_rcbProduct));

    std::vector<ConfigureMenuList::Entry> entries;
    if (m_functions.aux)
        entries.push_back(
            navigationEntry(ConfigureTypes::E_optionsAux, [] { return tr("Options"); }));
    entries.push_back(
        navigationEntry(ConfigureTypes::E_optionsNetwork, [] { return tr("Network"); }));
    if (m_functions.cleanup)
        entries.push_back(
            navigationEntry(ConfigureTypes::E_cleanup, [] { return tr("Cleanup note"); }));
    if (m_functions.tankAutoEmptying)
        entries.push_back(navigationEntry(ConfigureTypes::E_tankAutoEmptying,
                                          [] { return tr("Tank auto emptying"); }));
    if (m_functions.bathPrio)
        entries.push_back(navigationEntry(ConfigureTypes::E_bathTypePriority,
                                          [] { return tr("Bath type priority"); }));
    if (pauseTimerShown)
        entries.push_back(
            navigationEntry(ConfigureTypes::E_resetPauseTimer, [] { return tr("Pause timer"); }));
    entries.push_back(navigationEntry(ConfigureTypes::E_filter, [] { return tr("Filter"); }));
    if (m_rcbProduct == MasterFuncDescTypes::E_sauna_ir)
        entries.push_back(navigationEntry(ConfigureTypes::E_irEnable, [] { return tr("IR"); }));
    entries.push_back(navigationEntry(ConfigureTypes::E_status, [] { return tr("Status"); }));
    if (m_functions.errorLog)
        entries.push_back(
            navigationEntry(ConfigureTypes::E_errorLog, [] { return tr("Error log"); }));
    if (facilityTypeShown)
        entries.push_back(
            navigationEntry(ConfigureTypes::E_facilityType, [] { return tr("Facility type"); }));
    m_menu.rebuild(std::move(entries));
}

} // namespace view
