#include "view_cpp/configure/configure_system_pause_timer_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureSystemPauseTimerViewManager::ConfigureSystemPauseTimerViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureSystemPauseTimerViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(pauseTimerViewVisibleChanged(bool)), SLOT(onPauseTimerViewVisibleChanged(bool))},
         {SIGNAL(resetTimerSelected()), SLOT(onResetTimerSelected())}});
}

int ConfigureSystemPauseTimerViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(saunaBathTimeTimerReset()), SLOT(onSaunaBathTimeTimerReset())}});
}

void ConfigureSystemPauseTimerViewManager::onPauseTimerViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *button = new ButtonItem(QString());
    button->setApplId(ConfigureTypes::E_resetPauseTimer);
    m_button = button;
    m_model.appendItem(button);
    refreshText();
}

void ConfigureSystemPauseTimerViewManager::onSaunaBathTimeTimerReset()
{
    // The rows exist exactly while the page is shown; a reset asked for by another panel is told
    // too.
    if (m_model.rowCount() > 0)
        issueNotice(timerResetNotice);
}

void ConfigureSystemPauseTimerViewManager::onResetTimerSelected()
{
    emit resetBathTimeTimerRequest();
}

void ConfigureSystemPauseTimerViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshText();
}

void ConfigureSystemPauseTimerViewManager::refreshText()
{
    if (!m_button.isNull())
        m_button->setText(tr("Reset pause timer"));
}

} // namespace view
