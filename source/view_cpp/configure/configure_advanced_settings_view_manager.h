#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "view_cpp/configure/configure_menu_view_manager_base.h"

#include <QList>

namespace view {

// The Advanced settings menu: standby, the external switch and the fan, each as far as the
// connected sauna system has the function. The menu is rebuilt only when one of the flags it
// reads changes.
class ConfigureAdvancedSettingsViewManager : public ConfigureMenuViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureAdvancedSettingsViewManager(QObject *parent);

    // The bridge receiver's function flags.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    // Tells QML whether the menu has any entry.
    void emitApplicableChanged();

signals:
    void editSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings id);
    void advancedSettingsApplicableChanged(bool applicable);

public slots:
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    // The former sauna's functions go: the menu offers nothing until the new sauna reports.
    void onSaunaReplaced() override;

private:
    void rebuildMenu();

    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
};

// "Warm Start" for the brand that calls standby so, "Standby" for the others; without a variant
// controller the brand is undefined.
QString standbyTitleForBrand();

} // namespace view
