#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::ExternalSwitchTypes;

ConfigureAdvancedSettingsExtSwitchViewManager::ConfigureAdvancedSettingsExtSwitchViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_bathTimeModel(StepperControllerItem::roleNames(), this)
    , m_functionModel(RowItem::roleNames(), this)
    , m_bathTimeManager(this)
    , m_bathTime(m_bathTimeManager, loadDurationMinutes)
{
    // Until the sauna tells its bath-time limit the editor can hold only its lower limit.
    m_bathTimeManager.setLowerLimitInMinutes(bathTimeLowerLimitMinutes);
    m_bathTimeManager.setUpperLimitInMinutes(bathTimeLowerLimitMinutes);
}

int ConfigureAdvancedSettingsExtSwitchViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(commitValue(int)), SLOT(onCommitValue(int))},
         {SIGNAL(extSwBathTimeSelected()), SLOT(onExtSwBathTimeSelected())},
         {SIGNAL(extSwFunctionSelected(int)), SLOT(onExtSwFunctionSelected(int))},
         {SIGNAL(externalSwitchVisibleChanged(bool)), SLOT(onExternalSwitchVisibleChanged(bool))}});
}

int ConfigureAdvancedSettingsExtSwitchViewManager::connectToBathtimeView(
    const QList<QObject *> &senders)
{
    return m_bathTimeManager.connectChangeRequests(senders);
}

int ConfigureAdvancedSettingsExtSwitchViewManager::connectSaunaSignals(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaExtSwBathtimeChanged(int)), SLOT(onSaunaExtSwBathtimeChanged(int))},
         {SIGNAL(saunaExternalSwitchFunctionChanged(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction)),
          SLOT(onSaunaExternalSwitchFunctionChanged(
              ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction))},
         {SIGNAL(saunaBathTimeLimitChanged(int)), SLOT(onSaunaBathTimeLimitChanged(int))}});
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onExternalSwitchVisibleChanged(bool visible)
{
    m_bathTimeModel.clear();
    m_functionModel.clear();
    if (!visible)
        return;

    auto *bathTime = new RowItem(rowType::onlySubmenu, rowLayout::single, rowLayoutType::single);
    bathTime->setApplId(bathTimeRowId);
    m_bathTimeModel.appendItem(bathTime);
    m_bathTimeRow = bathTime;
    refreshBathTimeRow();

    auto *renew = new RowItem(rowType::onlyCheckmark, 0, rowLayoutType::multiple);
    renew->setApplId(ExternalSwitchTypes::E_renew);
    m_functionModel.appendItem(renew);
    m_renewRow = renew;
    auto *onOff = new RowItem(rowType::onlyCheckmark, 0, rowLayoutType::multiple);
    onOff->setApplId(ExternalSwitchTypes::E_onOff);
    m_functionModel.appendItem(onOff);
    m_onOffRow = onOff;
    refreshFunctionRows();
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    refreshBathTimeRow();
    refreshFunctionRows();
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onExtSwBathTimeSelected()
{
    // The editor holds the stored bath time within its limits: before the sauna's bath-time
    // limit, 1 minute.
    m_bathTime.open();
    emit editSelected(ConfigureTypes::E_externalSwitchBathtime);
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onExtSwFunctionSelected(int number)
{
    ExternalSwitchTypes::ExternalSwitchFunction function{};
    if (ExternalSwitchTypes::fromInt(number, function))
        emit extSwFunctionChangeRequest(function);
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onCommitValue(int id)
{
    if (id != ConfigureTypes::E_externalSwitchBathtime || !m_bathTimeManager.value())
        return;
    emit extSwBathtimeChangeRequest(m_bathTimeManager.valueInMinutes());
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onSaunaExtSwBathtimeChanged(int minutes)
{
    m_bathTime.report(minutes);
    refreshBathTimeRow();
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onSaunaExternalSwitchFunctionChanged(
    ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function)
{
    m_function = function;
    refreshFunctionRows();
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onSaunaBathTimeLimitChanged(int minutes)
{
    if (!::signalInterface::protocolFacts::isBathTimeLimit(minutes))
        return;
    m_bathTime.changeLimits([&] { m_bathTimeManager.setUpperLimitInMinutes(minutes); });
}

void ConfigureAdvancedSettingsExtSwitchViewManager::onSaunaReplaced()
{
    m_bathTime.forget();
    m_function.reset();
    // The former sauna's bath-time limit goes with it.
    m_bathTimeManager.setUpperLimitInMinutes(bathTimeLowerLimitMinutes);
    refreshBathTimeRow();
    refreshFunctionRows();
}

void ConfigureAdvancedSettingsExtSwitchViewManager::refreshBathTimeRow()
{
    if (m_bathTimeRow.isNull())
        return;
    m_bathTimeRow->setTextOnSubMenu(tr("Bath time"));
    m_bathTimeRow->setData(QString(), RowItem::TextValue1Role);
    // Both parts always: "0h 45m", "2h 0m".
    const std::optional<int> &bathTime = m_bathTime.reported();
    m_bathTimeRow->setData(bathTime ? QString::number(*bathTime / 60) + tr("h") + QLatin1Char(' ') +
                                          QString::number(*bathTime % 60) + tr("m")
                                    : QStringLiteral("--"),
                           RowItem::TextValue2Role);
}

void ConfigureAdvancedSettingsExtSwitchViewManager::refreshFunctionRows()
{
    if (!m_renewRow.isNull()) {
        m_renewRow->setTextOnSubMenu(tr("Renew bath time"));
        m_renewRow->setCheckmarkChecked(m_function == ExternalSwitchTypes::E_renew);
    }
    if (!m_onOffRow.isNull()) {
        m_onOffRow->setTextOnSubMenu(tr("On/Off"));
        m_onOffRow->setCheckmarkChecked(m_function == ExternalSwitchTypes::E_onOff);
    }
    m_functionModel.updateLayoutOrder();
}

} // namespace view
