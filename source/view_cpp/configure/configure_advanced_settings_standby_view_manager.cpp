#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"

#include "control/variant_controller_base.h"
#include "signal_interface/sender_connections.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/value_role_names.h"

namespace view {

using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::VariantTypes;

namespace {
bool isOrvela()
{
    const control::VariantControllerBase *variant = control::VariantControllerBase::instance();
    return variant != nullptr && variant->brand() == VariantTypes::E_orvela;
}
} // namespace

ConfigureAdvancedSettingsStandbyViewManager::ConfigureAdvancedSettingsStandbyViewManager(
    QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
    , m_reduction(this)
    , m_waterTemperature(this)
    , m_offsetTemperature(m_reduction)
    , m_tankStandbyTemperature(m_waterTemperature)
{
    // A reduction is a difference of temperatures: in °F it reads 9/5 of its °C, and no reduction
    // reads 0 °F, not 32 °F.
    m_reduction.setShowsDifference(true);
    m_reduction.setLowerLimit(reductionLowerLimit);
    m_reduction.setUpperLimit(reductionUpperLimit);
    m_waterTemperature.setLowerLimit(waterLowerLimit);
    m_waterTemperature.setUpperLimit(waterUpperLimit);
}

int ConfigureAdvancedSettingsStandbyViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(standbyViewVisibleChanged(bool)), SLOT(onStandbyViewVisibleChanged(bool))},
         {SIGNAL(commitValue(int)), SLOT(onCommitValue(int))},
         {SIGNAL(toggleChanged(int, bool)), SLOT(onToggleChanged(int, bool))}});
}

int ConfigureAdvancedSettingsStandbyViewManager::connectMenuSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(editSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings)),
          SLOT(onEditSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings))}});
}

int ConfigureAdvancedSettingsStandbyViewManager::connectTemperatureSignals(
    const QList<QObject *> &senders)
{
    return m_reduction.connectUnitSources(senders) + m_waterTemperature.connectUnitSources(senders);
}

int ConfigureAdvancedSettingsStandbyViewManager::connectToTemperatureReductionView(
    const QList<QObject *> &senders)
{
    return m_reduction.connectChangeRequests(senders);
}

int ConfigureAdvancedSettingsStandbyViewManager::connectToWaterTemperatureView(
    const QList<QObject *> &senders)
{
    return m_waterTemperature.connectChangeRequests(senders);
}

int ConfigureAdvancedSettingsStandbyViewManager::connectSaunaSignals(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {masterFuncDescRoute,
         {SIGNAL(saunaEnableStandbyChanged(bool)), SLOT(onSaunaEnableStandbyChanged(bool))},
         {SIGNAL(saunaStandbyOffsetTemperatureChanged(int)),
          SLOT(onSaunaStandbyOffsetTemperatureChanged(int))},
         {SIGNAL(saunaTankStandbyTemperatureChanged(int)),
          SLOT(onSaunaTankStandbyTemperatureChanged(int))},
         {SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))}});
}

QString ConfigureAdvancedSettingsStandbyViewManager::title() const
{
    return standbyTitleForBrand();
}

QString ConfigureAdvancedSettingsStandbyViewManager::toggleText() const
{
    return isOrvela() ? tr("Enable") : tr("Enable standby");
}

void ConfigureAdvancedSettingsStandbyViewManager::onStandbyViewVisibleChanged(bool visible)
{
    m_model.clear();
    if (!visible)
        return;
    auto *toggle = new ToggleStandardItem(toggleId, reportedEnable());
    m_model.appendItem(toggle);
    m_toggle = toggle;
    // The page is created after the menu's selection was handled: it gets its label, its
    // editors' values, its editors' applicability and its title when it is shown.
    refresh();
    // The editors told their values before the page existed: they tell them again.
    for (value::TemperatureValueManager *editor : {&m_reduction, &m_waterTemperature}) {
        editor->emitValueChanged();
        editor->checkLimits();
    }
    emitApplicability(reportedEnable());
    emit standbyViewTitleChanged(title());
}

void ConfigureAdvancedSettingsStandbyViewManager::onLanguageChanged(
    ::signalInterface::LanguageTypes::Language)
{
    retranslate();
    emit standbyViewTitleChanged(title());
}

void ConfigureAdvancedSettingsStandbyViewManager::onToggleChanged(int id, bool shown)
{
    if (id != toggleId || m_toggle.isNull())
        return;
    const bool requested = requestedFromShown(shown);
    m_toggle->setValue2(requested);
    emit standbySavableChanged(savable());
    emitApplicability(requested);
}

void ConfigureAdvancedSettingsStandbyViewManager::onCommitValue(int id)
{
    // Without the sauna's switch state or the user's the page holds nothing to send.
    if (id != toggleId || m_toggle.isNull() || !savable())
        return;
    emit enableStandbyChangeRequest(editedEnable());
    // Each editor holds what the sauna reported, or what the user stepped to; one that holds
    // nothing sends nothing.
    if (const auto reduction = m_reduction.value())
        emit standbyTemperatureReductionChangeRequest(*reduction);
    if (const auto water = m_waterTemperature.value())
        emit tankStandbyTemperatureChangeRequest(*water);
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post)
{
    m_functions = post;
    emitApplicability(editedEnable());
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaStandbyOffsetTemperatureChanged(
    int temperature)
{
    m_offsetTemperature.report(temperature);
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaTankStandbyTemperatureChanged(
    int temperature)
{
    m_tankStandbyTemperature.report(temperature);
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaEnableStandbyChanged(bool enabled)
{
    // The page edits a copy: its switch follows every report while it shows the sauna's former
    // one, and the editors are shown as the switch the page shows.
    const bool follows = showsReportedEnable();
    m_enableStandby = enabled;
    if (follows) {
        showReportedEnable();
        emit standbySavableChanged(savable());
    }
    emitApplicability(editedEnable());
}

void ConfigureAdvancedSettingsStandbyViewManager::onEditSelectedEnum(
    ::signalInterface::ConfigureTypes::ConfigureAdvancedSettings)
{
    refresh();
    emitApplicability(reportedEnable());
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaMasterProductChanged(
    ::signalInterface::MasterFuncDescTypes::RcbProduct product)
{
    m_product = product;
}

void ConfigureAdvancedSettingsStandbyViewManager::onSaunaReplaced()
{
    m_functions = {};
    m_product = MasterFuncDescTypes::E_unknown;
    m_enableStandby.reset();
    m_offsetTemperature.forget();
    m_tankStandbyTemperature.forget();
    // Whatever the user set was for the former sauna: the switch shows the new one's state.
    showReportedEnable();
    refresh();
    emitApplicability(false);
}

void ConfigureAdvancedSettingsStandbyViewManager::retranslate()
{
    if (!m_toggle.isNull())
        m_toggle->setValue(toggleText());
}

void ConfigureAdvancedSettingsStandbyViewManager::refresh()
{
    retranslate();
    if (showsReportedEnable())
        showReportedEnable();
    m_offsetTemperature.open();
    m_tankStandbyTemperature.open();
    emit standbySavableChanged(savable());
}

void ConfigureAdvancedSettingsStandbyViewManager::showReportedEnable()
{
    if (m_toggle.isNull())
        return;
    m_toggle->setValue3(reportedEnable());
    m_toggle->setValue2(reportedEnable());
}

void ConfigureAdvancedSettingsStandbyViewManager::emitApplicability(bool enabled)
{
    emit standbyTemperatureApplicableChanged(reductionApplicable(enabled));
    emit standbyWaterTemperatureApplicableChanged(waterTemperatureApplicable(enabled));
}

bool ConfigureAdvancedSettingsStandbyViewManager::reductionApplicable(bool enabled) const
{
    return enabled && !MasterFuncDescTypes::isSteamProduct(m_product);
}

bool ConfigureAdvancedSettingsStandbyViewManager::waterTemperatureApplicable(bool enabled) const
{
    return enabled && m_functions.waterTemperature;
}

bool ConfigureAdvancedSettingsStandbyViewManager::editedEnable() const
{
    return m_toggle.isNull() ? reportedEnable() : m_toggle->data(valueRoles::value2).toBool();
}

} // namespace view
