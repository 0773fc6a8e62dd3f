#pragma once

#include "control/initial_setup_controller.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/connection_informer.h"
#include "pc_panel/instance_settings.h"
#include "pc_panel/sauna_communication.h"
#include "view_cpp/calendar_tab_object_id_provider.h"
#include "view_cpp/calendar_tab_objects_provider.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/controller_tab_objects_provider.h"
#include "view_cpp/favorite_tab_objects_provider.h"
#include "view_cpp/favorites_tab_object_id_provider.h"
#include "view_cpp/gui_handler_control_panel.h"
#include "view_cpp/main_window.h"
#include "view_cpp/message_formatter.h"
#include "view_cpp/mouse_handler.h"

#include <QString>

namespace startUp {

// What a run of the panel may differ in; the program uses the defaults apart from the instance.
struct FrameOptions
{
    unsigned instance = 0;
    // The folder of the QML files; empty: "qml/view/" beside the program.
    QString qmlDirectory;
    pcPanel::SaunaCommunication::Timing linkTiming;
};

// Failed connections of the start-up wiring, by kind.
struct WiringFailures
{
    int qmlItems = 0;
    int nativeObjects = 0;
    int bridge = 0;
    int saunaSide = 0;

    int total() const { return qmlItems + nativeObjects + bridge + saunaSide; }
};

// Every long-lived object of the panel, built in member order on construction and destroyed in
// reverse order; the start-up wiring reaches them as public members. The application object and
// the variant controller exist before and outlive it.
class PanelFrame
{
public:
    // Builds the objects, publishes them to QML and prepares the link: everything up to the
    // loading of the main scene.
    PanelFrame(control::VariantControllerPcPanel &variantController, const FrameOptions &options);
    // Destroys the QML scene first, while every object it binds to still exists.
    virtual ~PanelFrame();

    PanelFrame(const PanelFrame &) = delete;
    PanelFrame &operator=(const PanelFrame &) = delete;

    // Loads "main.qml" and hands the scene to the controllers.
    void loadScene();
    // Makes every connection of the start-up, in order; returns the failures.
    WiringFailures wire();
    // Lets the link, the variant controller and the providers announce their first state, then
    // starts the network. False when a socket could not be bound.
    bool start();
    // Brand icon, title and the fixed window size.
    void prepareWindow();
    // Shows the main window and reports that the start-up is complete.
    void showMainWindow();

    control::VariantControllerPcPanel &variantController;

    view::MainWindow mainWindow;
    view::GuiHandlerControlPanel guiHandler;
    view::MouseHandler mouseHandler;
    view::MessageFormatter messageFormatter;
    pcPanel::InstanceSettings instanceSettings;
    details::FavoritesTabObjectIdProvider favoritesTabObjectIdProvider;
    details::CalendarTabObjectIdProvider calendarTabObjectIdProvider;
    details::ControllerTabObjectsProvider controllerTab;
    details::CalendarTabObjectsProvider calendarTab;
    details::FavoriteTabObjectsProvider favoriteTab;
    control::InitialSetupController initialSetupController;
    details::ConfigureTabObjectsProvider configureTab;
    pcPanel::ConnectionInformer connectionInformer;
    pcPanel::SaunaCommunication saunaCommunication;
};

} // namespace startUp
