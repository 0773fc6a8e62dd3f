#pragma once

#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_menu_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

namespace view {

// The General settings menu: About, Language, Region, Units and PIN. The rows are built once;
// a tap is answered with the entry's ConfigureGeneral id, and QML opens that page.
class ConfigureGeneralViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // The QML menu's itemSelected(int).
    int connectToView(const QList<QObject *> &senders);

public slots:
    void onItemSelected(int id);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

private:
    ListModel m_model;
    ConfigureMenuList m_menu;
};

} // namespace view
