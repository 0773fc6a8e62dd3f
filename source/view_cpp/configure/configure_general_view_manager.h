#pragma once

#include "view_cpp/configure/configure_menu_view_manager_base.h"

#include <QList>

namespace view {

// The General settings menu: About, Language, Region, Units and PIN. The rows are built once;
// a tap is answered with the entry's ConfigureGeneral id, and QML opens that page.
class ConfigureGeneralViewManager : public ConfigureMenuViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralViewManager(QObject *parent);
};

} // namespace view
