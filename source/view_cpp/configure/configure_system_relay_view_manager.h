#pragma once

#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/regulator_types.h"
#include "signal_interface/relay_status_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/row_item.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

#include <array>

namespace view {

// Relay control of the master relay control box: the regulator function (Automatic, On/Off,
// Split) and a request to switch one of its 14 relays. The start-up leaves its requests and the
// sauna's reports unconnected, so in this panel it only shows and emits.
class ConfigureSystemRelayViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int relayCount = 14;

    explicit ConfigureSystemRelayViewManager(QObject *parent);

    // The menu: the "Regulator" row where the board has a regulator.
    ListModel *model() { return &m_model; }
    ListModel *regulatorValueModel() { return &m_regulatorValueModel; }
    // QML "configureSystemRelayContainer".
    int connectToView(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void relayStateChangeRequest(::signalInterface::RelayStatusTypes::RelayType relay, bool on);
    void relayControlMenuStateRequest(bool active);
    void regulatorStateChangeRequest(::signalInterface::RegulatorTypes::RegulatorFunction function);

public slots:
    void onSaunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus status);
    void
    onSaunaRegulatorStateChanged(::signalInterface::RegulatorTypes::RegulatorFunction function);
    void onToggleChanged(int id, bool shown);
    void onRelayControlMenuActive(bool active);
    void onRelayRegulatorValueSelected(int id);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);

private:
    void rebuildList();
    void rebuildRegulatorList();
    void refreshRegulatorRow();
    void refreshRegulatorValues();
    QString regulatorText(int function) const;

    ListModel m_model;
    ListModel m_regulatorValueModel;
    bool m_menuActive = false;
    // One toggle per relay; this panel builds none of them.
    std::array<QPointer<ToggleStandardItem>, relayCount> m_relayRows;
    ::signalInterface::RelayStatusTypes::RelayStatus m_relayStatus;
    QPointer<RowItem> m_regulatorRow;
    std::array<QPointer<RowItem>, 3> m_regulatorValueRows;
    ::signalInterface::RegulatorTypes::RegulatorFunction m_regulatorFunction =
        ::signalInterface::RegulatorTypes::E_automatic;
    ::signalInterface::MasterFuncDescTypes::RcbProduct m_product =
        ::signalInterface::MasterFuncDescTypes::E_unknown;
};

} // namespace view
