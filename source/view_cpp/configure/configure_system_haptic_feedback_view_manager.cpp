#include "view_cpp/configure/configure_system_haptic_feedback_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::HapticFeedbackTypes;

ConfigureSystemHapticFeedbackViewManager::ConfigureSystemHapticFeedbackViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureSystemHapticFeedbackViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(hapticFeedbackChanged(int, bool)), SLOT(onHapticFeedbackChanged(int, bool))},
         {SIGNAL(hapticFeedbackViewVisibleChanged(bool)),
          SLOT(onHapticFeedbackViewVisibleChanged(bool))}});
}

int ConfigureSystemHapticFeedbackViewManager::connectToHapticController(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(newHapticFeedbackValue(::signalInterface::HapticFeedbackTypes::HapticFeedback)),
          SLOT(onHapticFeedbackPresentationChanged(
              ::signalInterface::HapticFeedbackTypes::HapticFeedback))}});
}

void ConfigureSystemHapticFeedbackViewManager::onHapticFeedbackViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *toggle = new ToggleStandardItem(vibrationId, isActivated());
    m_toggle = toggle;
    m_model.appendItem(toggle);
    m_model.updateLayoutOrder();
    refreshTexts();
}

void ConfigureSystemHapticFeedbackViewManager::onHapticFeedbackChanged(int id, bool shown)
{
    if (id != vibrationId)
        return;
    emit hapticFeedbackChangeRequested(requestedFromShown(shown)
                                           ? HapticFeedbackTypes::E_activated
                                           : HapticFeedbackTypes::E_deactivated);
}

void ConfigureSystemHapticFeedbackViewManager::onHapticFeedbackPresentationChanged(
    ::signalInterface::HapticFeedbackTypes::HapticFeedback feedback)
{
    m_feedback = feedback;
    refreshTexts();
}

void ConfigureSystemHapticFeedbackViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshTexts();
}

bool ConfigureSystemHapticFeedbackViewManager::isActivated() const
{
    return m_feedback == HapticFeedbackTypes::E_activated;
}

void ConfigureSystemHapticFeedbackViewManager::refreshTexts()
{
    if (m_toggle.isNull())
        return;
    m_toggle->setValue(tr("Vibration"));
    m_toggle->setValue2(isActivated());
}

} // namespace view
