#include "view_cpp/configure/configure_system_relay_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::RegulatorTypes;
using ::signalInterface::RelayStatusTypes;

namespace {
constexpr unsigned masterBoard = 0;

bool hasRegulator(MasterFuncDescTypes::RcbProduct product)
{
    return product == MasterFuncDescTypes::E_box_addon || product == MasterFuncDescTypes::E_sauna ||
           product == MasterFuncDescTypes::E_sauna_ir ||
           product == MasterFuncDescTypes::E_steam_public;
}
} // namespace

ConfigureSystemRelayViewManager::ConfigureSystemRelayViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_regulatorValueModel(StepperControllerItem::roleNames(), this)
{
    RelayStatusTypes::appendAllRelays(m_relayStatus, masterBoard);
}

int ConfigureSystemRelayViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(toggleChanged(int, bool)), SLOT(onToggleChanged(int, bool))},
         {SIGNAL(relayControlMenuActive(bool)), SLOT(onRelayControlMenuActive(bool))},
         {SIGNAL(relayRegulatorValueSelected(int)), SLOT(onRelayRegulatorValueSelected(int))}});
}

int ConfigureSystemRelayViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus)),
          SLOT(onSaunaRcbRelayChanged(::signalInterface::RelayStatusTypes::RelayStatus))},
         {SIGNAL(saunaRegulatorStateChanged(::signalInterface::RegulatorTypes::RegulatorFunction)),
          SLOT(onSaunaRegulatorStateChanged(::signalInterface::RegulatorTypes::RegulatorFunction))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))}});
}

void ConfigureSystemRelayViewManager::onSaunaRcbRelayChanged(RelayStatusTypes::RelayStatus status)
{
    bool stateChanged = false;
    for (const RelayStatusTypes::RelayStatusPost &post : std::as_const(status)) {
        if (post.board != ::signalInterface::NodeInformationTypes::E_master)
            continue;
        // Only the relays of the table; a type the board does not have is skipped.
        for (RelayStatusTypes::RelayStatusPost &entry : m_relayStatus) {
            if (entry.relay != post.relay)
                continue;
            stateChanged = stateChanged || entry.state1 != post.state1;
            entry = post;
            break;
        }
    }
    if (stateChanged) {
        if (m_menuActive)
            rebuildList();
    } else {
        refreshRegulatorRow();
    }
}

void ConfigureSystemRelayViewManager::onSaunaRegulatorStateChanged(
    RegulatorTypes::RegulatorFunction function)
{
    m_regulatorFunction = function;
    refreshRegulatorValues();
    refreshRegulatorRow();
}

void ConfigureSystemRelayViewManager::onToggleChanged(int id, bool shown)
{
    RelayStatusTypes::RelayType relay;
    if (!RelayStatusTypes::fromInt(id, relay))
        return;
    emit relayStateChangeRequest(relay, requestedFromShown(shown));
}

void ConfigureSystemRelayViewManager::onRelayControlMenuActive(bool active)
{
    m_menuActive = active;
    if (active) {
        rebuildList();
        rebuildRegulatorList();
    } else {
        m_model.clear();
        m_regulatorValueModel.clear();
    }
    emit relayControlMenuStateRequest(active);
}

void ConfigureSystemRelayViewManager::onRelayRegulatorValueSelected(int id)
{
    RegulatorTypes::RegulatorFunction function;
    if (!RegulatorTypes::fromInt(id, function))
        return;
    emit regulatorStateChangeRequest(function);
}

void ConfigureSystemRelayViewManager::onSaunaMasterProductChanged(
    MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
    if (m_menuActive)
        rebuildList();
}

void ConfigureSystemRelayViewManager::rebuildList()
{
    m_model.clear();
    if (hasRegulator(m_product)) {
        auto *row = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
        row->setApplId(::signalInterface::ConfigureTypes::E_regulator);
        m_regulatorRow = row;
        m_model.appendItem(row);
    }
    refreshRegulatorRow();
    if (!m_regulatorRow.isNull())
        m_regulatorRow->setEnabled(true);
}

void ConfigureSystemRelayViewManager::rebuildRegulatorList()
{
    m_regulatorValueModel.clear();
    for (int function = 0; function < int(m_regulatorValueRows.size()); ++function) {
        auto *row = new RowItem(rowType::onlyCheckmark, rowLayout::top, rowLayoutType::multiple);
        row->setApplId(function);
        m_regulatorValueRows[std::size_t(function)] = row;
        m_regulatorValueModel.appendItem(row);
    }
    m_regulatorValueModel.updateLayoutOrder();
    refreshRegulatorValues();
}

void ConfigureSystemRelayViewManager::refreshRegulatorRow()
{
    if (m_regulatorRow.isNull())
        return;
    m_regulatorRow->setTextOnSubMenu(tr("Regulator"));
    m_regulatorRow->setData(regulatorText(m_regulatorFunction), RowItem::TextValue1Role);
}

void ConfigureSystemRelayViewManager::refreshRegulatorValues()
{
    for (int function = 0; function < int(m_regulatorValueRows.size()); ++function) {
        RowItem *row = m_regulatorValueRows[std::size_t(function)];
        if (row == nullptr)
            continue;
        row->setTextOnSubMenu(regulatorText(function));
        row->setCheckmarkChecked(function == m_regulatorFunction);
    }
}

QString ConfigureSystemRelayViewManager::regulatorText(int function) const
{
    switch (function) {
    case RegulatorTypes::E_automatic:
        return tr("Automatic");
    case RegulatorTypes::E_onOff:
        return tr("On/Off");
    case RegulatorTypes::E_split:
        return tr("Split");
    default:
        return QString();
    }
}

} // namespace view
