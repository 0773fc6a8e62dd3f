#include "view_cpp/configure/configure_date_time_erase_calendar_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/button_item.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

ConfigureDateTimeEraseCalendarViewManager::ConfigureDateTimeEraseCalendarViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureDateTimeEraseCalendarViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(eraseCalendarViewVisibleChanged(bool)),
          SLOT(onEraseCalendarViewVisibleChanged(bool))},
         {SIGNAL(eraseCalendarSelected(int)), SLOT(onEraseCalendarSelected(int))}});
}

void ConfigureDateTimeEraseCalendarViewManager::clear()
{
    m_model.clear();
}

void ConfigureDateTimeEraseCalendarViewManager::onEraseCalendarViewVisibleChanged(bool visible)
{
    // Cleared first, so that a page shown twice without being left still has one button.
    m_model.clear();
    if (!visible)
        return;
    auto *button = new ButtonItem(tr("Erase calendar"));
    button->setApplId(eraseButtonId);
    m_model.appendItem(button);
    m_button = button;
    button->setText(tr("Erase calendar"));
}

void ConfigureDateTimeEraseCalendarViewManager::onEraseCalendarSelected(int id)
{
    if (id == eraseButtonId)
        emit clearCalendarRequested();
}

void ConfigureDateTimeEraseCalendarViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    if (m_button)
        m_button->setText(tr("Erase calendar"));
}

} // namespace view
