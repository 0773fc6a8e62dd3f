#include "view_cpp/configure/configure_general_about_identify_rcb_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/button_item.h"
#include "view_cpp/rcb_master_slave_mode_text.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::NodeInformationTypes;

ConfigureGeneralAboutIdentifyRcbViewManager::ConfigureGeneralAboutIdentifyRcbViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

void ConfigureGeneralAboutIdentifyRcbViewManager::clear()
{
    m_model.clear();
}

int ConfigureGeneralAboutIdentifyRcbViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(identifyRcbViewVisibleChanged(bool)), SLOT(onIdentifyRcbViewVisibleChanged(bool))},
         {SIGNAL(identifyRcbSelected(int)), SLOT(onIdentifyRcbSelected(int))}});
}

int ConfigureGeneralAboutIdentifyRcbViewManager::connectSaunaStateSignals(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaRcbNumbersChanged(int)), SLOT(onSaunaRcbNumbersChanged(int))}});
}

void ConfigureGeneralAboutIdentifyRcbViewManager::onSaunaRcbNumbersChanged(int count)
{
    // Stored only: the buttons follow at the next opening.
    m_rcbCount = count;
}

void ConfigureGeneralAboutIdentifyRcbViewManager::onIdentifyRcbViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    // The primary board always; each secondary one only when the system has that many boards.
    for (const NodeInformationTypes::RcbMasterSlaveMode board :
         {NodeInformationTypes::E_master, NodeInformationTypes::E_slave_1,
          NodeInformationTypes::E_slave_2}) {
        if (board != NodeInformationTypes::E_master && m_rcbCount <= int(board))
            continue;
        auto *button = new ButtonItem(rcbMasterSlaveModeText(board));
        button->setApplId(int(board));
        m_model.appendItem(button);
    }
}

void ConfigureGeneralAboutIdentifyRcbViewManager::onIdentifyRcbSelected(int board)
{
    NodeInformationTypes::RcbMasterSlaveMode mode{};
    if (NodeInformationTypes::fromInt(board, mode))
        emit activateBuzzerRequested(mode);
}

} // namespace view
