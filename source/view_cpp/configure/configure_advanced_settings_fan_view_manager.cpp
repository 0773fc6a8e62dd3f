#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/language_support.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;

ConfigureAdvancedSettingsFanViewManager::ConfigureAdvancedSettingsFanViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_runtimeManager(this)
    , m_runtime(m_runtimeManager, loadDurationMinutes)
{
    m_runtimeManager.setLowerLimitInMinutes(runtimeLowerLimitMinutes);
    m_runtimeManager.setUpperLimitInMinutes(runtimeUpperLimitMinutes);
}

int ConfigureAdvancedSettingsFanViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(rowItemSelected(int)), SLOT(onRowItemSelected(int))},
         {SIGNAL(commitValue(int)), SLOT(onCommitValue(int))},
         {SIGNAL(fanViewVisibleChanged(bool)), SLOT(onFanViewVisibleChanged(bool))}});
}

int ConfigureAdvancedSettingsFanViewManager::connectToRuntimeView(const QList<QObject *> &senders)
{
    return m_runtimeManager.connectChangeRequests(senders);
}

int ConfigureAdvancedSettingsFanViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaFanRuntimeChanged(int)), SLOT(onSaunaFanRuntimeChanged(int))}});
}

void ConfigureAdvancedSettingsFanViewManager::onFanViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *row = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
    row->setApplId(ConfigureTypes::E_fanRuntime);
    m_model.appendItem(row);
    m_row = row;
    refresh();
}

void ConfigureAdvancedSettingsFanViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refresh();
}

void ConfigureAdvancedSettingsFanViewManager::onRowItemSelected(int id)
{
    if (id != ConfigureTypes::E_fanRuntime)
        return;
    m_runtime.open();
    emit editSelected(ConfigureTypes::E_fanRuntime);
}

void ConfigureAdvancedSettingsFanViewManager::onCommitValue(int id)
{
    // An editor that was never loaded has nothing to send: its 0 would lie below its own limit.
    if (id != ConfigureTypes::E_fanRuntime || !m_runtimeManager.value())
        return;
    emit fanRuntimeChangeRequest(m_runtimeManager.valueInMinutes());
}

void ConfigureAdvancedSettingsFanViewManager::onSaunaFanRuntimeChanged(int minutes)
{
    m_runtime.report(minutes);
    refresh();
}

void ConfigureAdvancedSettingsFanViewManager::onSaunaReplaced()
{
    m_runtime.forget();
    refresh();
}

void ConfigureAdvancedSettingsFanViewManager::refresh()
{
    if (m_row.isNull())
        return;
    m_row->setTextOnSubMenu(tr("Running Time"));
    const std::optional<int> &runtime = m_runtime.reported();
    m_row->setData(runtime ? LanguageSupport::durationText(unsigned(*runtime))
                           : QStringLiteral("--"),
                   RowItem::TextValue1Role);
}

} // namespace view
