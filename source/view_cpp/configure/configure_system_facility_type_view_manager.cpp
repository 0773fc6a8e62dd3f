#include "view_cpp/configure/configure_system_facility_type_view_manager.h"

#include "signal_interface/sender_connections.h"

#include <algorithm>

namespace view {

using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::RegionTypes;
using ::signalInterface::SaunaStateTypes;

ConfigureSystemFacilityTypeViewManager::ConfigureSystemFacilityTypeViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_twoTypes(m_model, {{SaunaStateTypes::E_private_controlled,
                            [] {
                                return tr("Private");
                            }},
                           {SaunaStateTypes::E_public,
                            [] {
                                return tr("Public");
                            }}})
    , m_threeTypes(m_model, {{SaunaStateTypes::E_private_controlled,
                              [] {
                                  return tr("Private");
                              }},
                             {SaunaStateTypes::E_time_controlled,
                              [] {
                                  return tr("Time controlled");
                              }},
                             {SaunaStateTypes::E_supervised, [] {
                                  return tr("Supervised");
                              }}})
{}

std::vector<SaunaStateTypes::FacilityType>
ConfigureSystemFacilityTypeViewManager::offeredTypes(RegionType region, RcbProduct product)
{
    if (region == RegionTypes::E_north_america && (MasterFuncDescTypes::isSteamProduct(product) ||
                                                   MasterFuncDescTypes::isSaunaProduct(product)))
        return {SaunaStateTypes::E_private_controlled, SaunaStateTypes::E_public};
    return {SaunaStateTypes::E_private_controlled, SaunaStateTypes::E_time_controlled,
            SaunaStateTypes::E_supervised};
}

int ConfigureSystemFacilityTypeViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(facilityTypeViewVisibleChanged(bool)),
          SLOT(onFacilityTypeViewVisibleChanged(bool))},
         {SIGNAL(facilityTypeSelected(int)), SLOT(onFacilityTypeSelected(int))},
         {SIGNAL(facilityTypeCommit()), SLOT(onFacilityTypeCommit())}});
}

int ConfigureSystemFacilityTypeViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType)),
          SLOT(onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         {SIGNAL(saunaRegionChanged(::signalInterface::RegionTypes::RegionType)),
          SLOT(onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType))}});
}

void ConfigureSystemFacilityTypeViewManager::onFacilityTypeViewVisibleChanged(bool visible)
{
    // A choice left without a commit is forgotten; the page opens on what the sauna holds.
    m_facilityType = m_reportedType;
    if (visible)
        rebuildList();
    else
        m_model.clear();
    updateCommitEnabled();
}

void ConfigureSystemFacilityTypeViewManager::onFacilityTypeSelected(int id)
{
    // Only a type the sauna is offered for may be marked, so a commit never sends another.
    if (!isOffered(id))
        return;
    m_facilityType = static_cast<FacilityType>(id);
    offeredChoices().refresh(m_facilityType);
    updateCommitEnabled();
}

void ConfigureSystemFacilityTypeViewManager::onFacilityTypeCommit()
{
    // Before the first report the type is unknown, and a reported type may be one this region
    // and product do not offer: neither is sent back.
    if (!isOffered(m_facilityType))
        return;
    emit facilityTypeRequested(m_facilityType);
}

void ConfigureSystemFacilityTypeViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    offeredChoices().refresh(m_facilityType);
}

void ConfigureSystemFacilityTypeViewManager::onSaunaRegionChanged(RegionType region)
{
    m_region = region;
    rebuildList();
    updateCommitEnabled();
}

void ConfigureSystemFacilityTypeViewManager::onSaunaMasterProductChanged(RcbProduct product)
{
    m_product = product;
    rebuildList();
    updateCommitEnabled();
}

void ConfigureSystemFacilityTypeViewManager::onSaunaFacilityTypeChanged(FacilityType facilityType)
{
    m_reportedType = facilityType;
    m_facilityType = facilityType;
    offeredChoices().refresh(m_facilityType);
    updateCommitEnabled();
}

void ConfigureSystemFacilityTypeViewManager::onSaunaReplaced()
{
    m_region = RegionTypes::E_eu;
    m_product = MasterFuncDescTypes::E_sauna;
    m_reportedType = SaunaStateTypes::E_unknown;
    m_facilityType = SaunaStateTypes::E_unknown;
    if (m_model.rowCount() > 0)
        rebuildList();
    updateCommitEnabled();
}

bool ConfigureSystemFacilityTypeViewManager::offersTwoTypes() const
{
    return offeredTypes(m_region, m_product).size() == 2;
}

ConfigureChoiceList &ConfigureSystemFacilityTypeViewManager::offeredChoices()
{
    return offersTwoTypes() ? m_twoTypes : m_threeTypes;
}

bool ConfigureSystemFacilityTypeViewManager::isOffered(int type) const
{
    const std::vector<FacilityType> offered = offeredTypes(m_region, m_product);
    return std::find(offered.begin(), offered.end(), type) != offered.end();
}

void ConfigureSystemFacilityTypeViewManager::rebuildList()
{
    offeredChoices().build(m_facilityType);
}

void ConfigureSystemFacilityTypeViewManager::updateCommitEnabled()
{
    const bool enabled = isOffered(m_facilityType);
    if (enabled == m_commitEnabled)
        return;
    m_commitEnabled = enabled;
    emit commitEnabledChanged(enabled);
}

} // namespace view
