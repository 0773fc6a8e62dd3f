#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "view_cpp/configure/configure_menu_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

namespace view {

// The Advanced settings menu: standby, the external switch and the fan, each as far as the
// connected sauna system has the function. The menu is rebuilt only when one of the flags it
// reads changes.
class ConfigureAdvancedSettingsViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureAdvancedSettingsViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // The QML menu's itemSelected(int).
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver's function flags.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    // Tells QML whether the menu has any entry.
    void emitApplicableChanged();

signals:
    void editSelectedEnum(::signalInterface::ConfigureTypes::ConfigureAdvancedSettings id);
    void advancedSettingsApplicableChanged(bool applicable);

public slots:
    void onItemSelected(int id);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void
    onSaunaMasterFuncDescChanged(::signalInterface::MasterFuncDescTypes::MasterFuncDescPost post);
    // The former sauna's functions go: the menu offers nothing until the new sauna reports.
    void onSaunaReplaced() override;

private:
    void rebuildMenu();

    ListModel m_model;
    ConfigureMenuList m_menu;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
};

// "Warm Start" for the brand that calls standby so, "Standby" for the others; without a variant
// controller the brand is undefined.
QString standbyTitleForBrand();

} // namespace view
