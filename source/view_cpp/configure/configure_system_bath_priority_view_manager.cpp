#include "view_cpp/configure/configure_system_bath_priority_view_manager.h"

#include "signal_interface/sender_connections.h"

namespace view {

using ::signalInterface::SaunaStateTypes;

ConfigureSystemBathPriorityViewManager::ConfigureSystemBathPriorityViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_choices(m_model, {{SaunaStateTypes::E_prio_automatic,
                           [] {
                               return tr("Automatic");
                           }},
                          {SaunaStateTypes::E_prio_temperature,
                           [] {
                               return tr("Temperature");
                           }},
                          {SaunaStateTypes::E_prio_humidity, [] {
                               return tr("Humidity");
                           }}})
{}

int ConfigureSystemBathPriorityViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(bathPriorityViewVisibleChanged(bool)),
          SLOT(onBathPriorityViewVisibleChanged(bool))},
         {SIGNAL(bathTypePrioritySelected(int)), SLOT(onBathTypePrioritySelected(int))}});
}

int ConfigureSystemBathPriorityViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaBathPriorityChanged(::signalInterface::SaunaStateTypes::BathPriority)),
          SLOT(onSaunaBathPriorityChanged(::signalInterface::SaunaStateTypes::BathPriority))}});
}

void ConfigureSystemBathPriorityViewManager::onBathPriorityViewVisibleChanged(bool visible)
{
    if (visible)
        m_choices.build(checkedPriority());
    else
        m_choices.clear();
}

void ConfigureSystemBathPriorityViewManager::onBathTypePrioritySelected(int id)
{
    SaunaStateTypes::BathPriority priority{};
    if (!SaunaStateTypes::fromInt(id, priority))
        return;
    // The check mark waits for the sauna's report.
    emit bathPriorityChangeRequested(priority);
}

void ConfigureSystemBathPriorityViewManager::onSaunaBathPriorityChanged(
    ::signalInterface::SaunaStateTypes::BathPriority priority)
{
    m_priority = priority;
    m_choices.refresh(checkedPriority());
}

void ConfigureSystemBathPriorityViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    m_choices.refresh(checkedPriority());
}

void ConfigureSystemBathPriorityViewManager::onSaunaReplaced()
{
    m_priority.reset();
    m_choices.refresh(checkedPriority());
}

std::optional<int> ConfigureSystemBathPriorityViewManager::checkedPriority() const
{
    if (!m_priority)
        return std::nullopt;
    return int(*m_priority);
}

} // namespace view
