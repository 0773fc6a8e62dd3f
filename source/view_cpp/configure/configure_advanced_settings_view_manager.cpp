#include "view_cpp/configure/configure_advanced_settings_view_manager.h"

#include "control/variant_controller_base.h"
#include "signal_interface/sender_connections.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/language_support.h"

#include <utility>

namespace view {

using ::signalInterface::ConfigureTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::VariantTypes;

namespace {

bool sameMenuFlags(const MasterFuncDescTypes::MasterFuncDescPost &a,
                   const MasterFuncDescTypes::MasterFuncDescPost &b)
{
    return a.fan == b.fan && a.standby == b.standby && a.extSwFunction == b.extSwFunction &&
           a.extSwBathtime == b.extSwBathtime;
}

} // namespace

QString standbyTitleForBrand()
{
    const control::VariantControllerBase *variant = control::VariantControllerBase::instance();
    const VariantTypes::Brand brand =
        variant != nullptr ? variant->brand() : VariantTypes::E_undefined_brand;
    return brand == VariantTypes::E_orvela ? LanguageSupport::warmStartText()
                                           : LanguageSupport::standbyText();
}

ConfigureAdvancedSettingsViewManager::ConfigureAdvancedSettingsViewManager(QObject *parent)
    : ConfigureMenuViewManagerBase(parent, isMenuId<ConfigureTypes::ConfigureAdvancedSettings>)
{
    rebuildMenu();
}

int ConfigureAdvancedSettingsViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(senders, this, {masterFuncDescRoute});
}

void ConfigureAdvancedSettingsViewManager::emitApplicableChanged()
{
    emit advancedSettingsApplicableChanged(model()->rowCount() > 0);
}

void ConfigureAdvancedSettingsViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post)
{
    const bool changed = !sameMenuFlags(m_functions, post);
    m_functions = post;
    if (!changed)
        return;
    rebuildMenu();
    emitApplicableChanged();
}

void ConfigureAdvancedSettingsViewManager::onSaunaReplaced()
{
    onSaunaMasterFuncDescChanged({});
}

void ConfigureAdvancedSettingsViewManager::rebuildMenu()
{
    std::vector<ConfigureMenuList::Entry> entries;
    if (m_functions.standby)
        entries.push_back({ConfigureTypes::E_standby, standbyTitleForBrand, [this] {
                               emit editSelected(ConfigureTypes::E_standby);
                               emit editSelectedEnum(ConfigureTypes::E_standby);
                           }});
    if (m_functions.extSwFunction || m_functions.extSwBathtime)
        entries.push_back({ConfigureTypes::E_externalSwitch, [] { return tr("External switch"); },
                           [this] {
                               emit editSelected(ConfigureTypes::E_externalSwitch);
                           }});
    if (m_functions.fan)
        entries.push_back({ConfigureTypes::E_fan, [] { return tr("Fan"); },
                           [this] {
                               emit editSelected(ConfigureTypes::E_fan);
                           }});
    m_menu.rebuild(std::move(entries));
}

} // namespace view
