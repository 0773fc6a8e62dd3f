#pragma once

#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_menu_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

namespace view {

// Base of the settings menus (General, Date & time, Limits, Advanced settings, System): the list
// of menu rows, a tap on a row runs its entry, and a language change translates the rows anew.
// The menu decides its entries.
class ConfigureMenuViewManagerBase : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    ListModel *model() { return &m_model; }

    // The QML menu's itemSelected(int).
    int connectToView(const QList<QObject *> &senders);

public slots:
    void onItemSelected(int id);
    virtual void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

protected:
    // The ids from QML that idCheck accepts are the menu's.
    ConfigureMenuViewManagerBase(QObject *parent, ConfigureMenuList::IdCheck idCheck);

    // Whether an id from QML is a value of the ConfigureTypes enum Menu.
    template<typename Menu>
    static bool isMenuId(int id)
    {
        Menu checked{};
        return ::signalInterface::ConfigureTypes::fromInt(id, checked);
    }

private:
    ListModel m_model;

protected:
    ConfigureMenuList m_menu;
};

} // namespace view
