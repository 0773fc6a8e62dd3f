#include "view_cpp/configure/configure_system_software_update_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_row_item.h"

namespace view {

namespace {
// "Not implemented".
constexpr quint32 notImplementedMessageId = 0x2001;
} // namespace

ConfigureSystemSoftwareUpdateViewManager::ConfigureSystemSoftwareUpdateViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_instructionModel(TextRowItem::roleNames(), this)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureSystemSoftwareUpdateViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(softwareUpdateVisibleChanged(bool)), SLOT(onSoftwareUpdateVisibleChanged(bool))},
         {SIGNAL(softwareUpdateSelected()), SLOT(onSoftwareUpdateSelected())}});
}

void ConfigureSystemSoftwareUpdateViewManager::onSoftwareUpdateVisibleChanged(bool)
{
    m_instructionModel.clear();
    m_model.clear();
}

void ConfigureSystemSoftwareUpdateViewManager::onSoftwareUpdateSelected()
{
    issueNotice(notImplementedMessageId);
}

} // namespace view
