#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/configure/configure_menu_view_manager_base.h"

#include <QList>

namespace view {

// The System settings menu: the installer's system sub-screens that the connected sauna system
// has. The menu is rebuilt whenever a report its rules read arrives.
class ConfigureSystemViewManager : public ConfigureMenuViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureSystemViewManager(QObject *parent);

    // The variant controller's productTypeChanged.
    int connectToVariantController(const QList<QObject *> &senders);
    // The bridge receiver's function flags, physical state, region, board product and facility
    // type reports.
    int connectSaunaSignals(const QList<QObject *> &senders) override;
    // The menu needs no first state beyond the one its constructor builds.
    void initializeView() {}

public slots:
    void onProductTypeChanged(::signalInterface::VariantTypes::ProductType productType);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    void onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType region);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType facilityType);
    void onSaunaPhysicalStateChanged(::signalInterface::SaunaStateTypes::SaunaState state);
    // The former sauna's functions, product, region and type go; the panel's product type stays.
    void onSaunaReplaced() override;

private:
    void rebuildMenu();
    ConfigureMenuList::Entry navigationEntry(int id, std::function<QString()> text);

    ::signalInterface::VariantTypes::ProductType m_productType =
        ::signalInterface::VariantTypes::E_fell;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    ::signalInterface::SaunaStateTypes::SaunaState m_physicalState =
        ::signalInterface::SaunaStateTypes::E_sauna_off;
    ::signalInterface::RegionTypes::RegionType m_region = ::signalInterface::RegionTypes::E_eu;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_rcbProduct =
        ::signalInterface::MasterFuncDescTypes::E_sauna;
    ::signalInterface::SaunaStateTypes::FacilityType m_facilityType =
        ::signalInterface::SaunaStateTypes::E_unknown;
};

} // namespace view
