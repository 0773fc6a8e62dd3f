#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"

#include "signal_interface/configure_types.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureSystemTankAutoEmptyingViewManager::ConfigureSystemTankAutoEmptyingViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_timeManager(this)
    , m_interval(m_timeManager, loadDurationMinutes)
{
    m_timeManager.setLowerLimitInMinutes(intervalLowerLimitMinutes);
    m_timeManager.setUpperLimitInMinutes(intervalUpperLimitMinutes);
}

int ConfigureSystemTankAutoEmptyingViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(tankAutoEmptyingVisibleChanged(bool)),
          SLOT(onTankAutoEmptyingVisibleChanged(bool))},
         {SIGNAL(tankAutoEmptyingIntervalCommit()), SLOT(onTankAutoEmptyingIntervalCommit())},
         {SIGNAL(tankAutoEmptyingIntervalEdit()), SLOT(onTankAutoEmptyingIntervalEdit())},
         {SIGNAL(tankAutoEmptyingToggleChanged(int, bool)),
          SLOT(onTankAutoEmptyingToggleChanged(int, bool))}});
}

int ConfigureSystemTankAutoEmptyingViewManager::connectTimeManagerToView(
    const QList<QObject *> &senders)
{
    return m_timeManager.connectChangeRequests(senders);
}

int ConfigureSystemTankAutoEmptyingViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this,
                                           {{SIGNAL(saunaTankAutoEmptyingEnableChanged(bool)),
                                             SLOT(onSaunaTankAutoEmptyingEnableChanged(bool))},
                                            {SIGNAL(saunaTankAutoEmptyingDurationChanged(int)),
                                             SLOT(onSaunaTankAutoEmptyingDurationChanged(int))}});
}

void ConfigureSystemTankAutoEmptyingViewManager::initializeView()
{
    m_interval.open();
}

void ConfigureSystemTankAutoEmptyingViewManager::onTankAutoEmptyingVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *toggle = new ToggleStandardItem(ConfigureTypes::E_tankAutoEmptyingEnable, m_enabled);
    m_toggle = toggle;
    m_model.appendItem(toggle);
    auto *interval = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
    m_intervalRow = interval;
    interval->setApplId(ConfigureTypes::E_tankAutoEmptyingInterval);
    m_model.appendItem(interval);
    refresh();
}

void ConfigureSystemTankAutoEmptyingViewManager::onTankAutoEmptyingIntervalCommit()
{
    if (!m_timeManager.value())
        return;
    emit tankAutoEmptyingDurationChangeRequest(m_timeManager.valueInMinutes());
}

void ConfigureSystemTankAutoEmptyingViewManager::onTankAutoEmptyingToggleChanged(int id, bool shown)
{
    if (id != ConfigureTypes::E_tankAutoEmptyingEnable)
        return;
    emit tankEmptyingEnableChangeRequested(requestedFromShown(shown));
}

void ConfigureSystemTankAutoEmptyingViewManager::onTankAutoEmptyingIntervalEdit()
{
    m_interval.open();
    emit editSelected(ConfigureTypes::E_tankAutoEmptyingInterval);
}

void ConfigureSystemTankAutoEmptyingViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refresh();
}

void ConfigureSystemTankAutoEmptyingViewManager::onSaunaTankAutoEmptyingEnableChanged(bool enabled)
{
    m_enabled = enabled;
    refresh();
}

void ConfigureSystemTankAutoEmptyingViewManager::onSaunaTankAutoEmptyingDurationChanged(int minutes)
{
    m_interval.report(minutes);
    refresh();
}

void ConfigureSystemTankAutoEmptyingViewManager::onSaunaReplaced()
{
    m_enabled = false;
    m_interval.forget();
    refresh();
}

void ConfigureSystemTankAutoEmptyingViewManager::refresh()
{
    if (!m_toggle.isNull()) {
        m_toggle->setValue(tr("Enable"));
        m_toggle->setValue2(m_enabled);
    }
    if (!m_intervalRow.isNull()) {
        m_intervalRow->setTextOnSubMenu(tr("Time interval"));
        const std::optional<int> &interval = m_interval.reported();
        m_intervalRow->setData(interval ? LanguageSupport::durationText(unsigned(*interval))
                                        : QStringLiteral("--"),
                               RowItem::TextValue1Role);
    }
}

} // namespace view
