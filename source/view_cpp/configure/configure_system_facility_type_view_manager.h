#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/sauna_state_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

#include <vector>

namespace view {

// How the sauna is operated: privately, time controlled, supervised or public. Which types are
// offered depends on the sauna's region and product. A tap only moves the check mark; the marked
// type is sent when the page commits it, and only when it is one of the offered types. A mark that
// was not committed does not outlive the page: every opening starts on the reported type.
class ConfigureSystemFacilityTypeViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT
    // Whether an offered type is marked: Save stays disabled until one is, since a commit
    // sends nothing else.
    Q_PROPERTY(bool commitEnabled READ commitEnabled NOTIFY commitEnabledChanged)

public:
    using FacilityType = ::signalInterface::SaunaStateTypes::FacilityType;
    using RegionType = ::signalInterface::RegionTypes::RegionType;
    using RcbProduct = ::signalInterface::MasterFuncDescTypes::RcbProduct;

    explicit ConfigureSystemFacilityTypeViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // The types offered for the region and product, in the order of their rows.
    static std::vector<FacilityType> offeredTypes(RegionType region, RcbProduct product);

    // The marked type: the one last reported or chosen on the open page.
    FacilityType facilityType() const { return m_facilityType; }
    bool commitEnabled() const { return m_commitEnabled; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver: facility type, product and region.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void facilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType facilityType);
    void commitEnabledChanged(bool enabled);

public slots:
    void onFacilityTypeViewVisibleChanged(bool visible);
    void onFacilityTypeSelected(int id);
    void onFacilityTypeCommit();
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType region);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    void onSaunaFacilityTypeChanged(::signalInterface::SaunaStateTypes::FacilityType facilityType);
    // Nothing is marked, and Save is disabled, until the new sauna reports its type.
    void onSaunaReplaced() override;

private:
    bool offersTwoTypes() const;
    ConfigureChoiceList &offeredChoices();
    bool isOffered(int type) const;
    void rebuildList();
    void updateCommitEnabled();

    RegionType m_region = ::signalInterface::RegionTypes::E_eu;
    RcbProduct m_product = ::signalInterface::MasterFuncDescTypes::E_sauna;
    FacilityType m_facilityType = ::signalInterface::SaunaStateTypes::E_unknown;
    FacilityType m_reportedType = ::signalInterface::SaunaStateTypes::E_unknown;
    bool m_commitEnabled = false;
    ListModel m_model;
    // Both lists fill the one model; building one deletes the rows of the other.
    ConfigureChoiceList m_twoTypes;
    ConfigureChoiceList m_threeTypes;
};

} // namespace view
