#include "view_cpp/configure/configure_system_ir_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureSystemIrViewManager::ConfigureSystemIrViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureSystemIrViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(irVisibleChanged(bool)), SLOT(onIrVisibleChanged(bool))},
         {SIGNAL(irToggleChanged(int, bool)), SLOT(onIrToggleChanged(int, bool))}});
}

int ConfigureSystemIrViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(irEnableChanged(bool)), SLOT(onIrEnableChanged(bool))}});
}

void ConfigureSystemIrViewManager::onIrVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *toggle = new ToggleStandardItem(ConfigureTypes::E_irEnable, m_enabled);
    m_toggle = toggle;
    m_model.appendItem(toggle);
    refreshTexts();
}

void ConfigureSystemIrViewManager::onIrToggleChanged(int id, bool shown)
{
    if (id != ConfigureTypes::E_irEnable)
        return;
    emit irEnableChangeRequested(requestedFromShown(shown));
}

void ConfigureSystemIrViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    refreshTexts();
}

void ConfigureSystemIrViewManager::onIrEnableChanged(bool enabled)
{
    m_enabled = enabled;
    refreshTexts();
}

void ConfigureSystemIrViewManager::onSaunaReplaced()
{
    m_enabled = false;
    refreshTexts();
}

void ConfigureSystemIrViewManager::refreshTexts()
{
    if (m_toggle.isNull())
        return;
    m_toggle->setValue(tr("Enable"));
    m_toggle->setValue2(m_enabled);
}

} // namespace view
