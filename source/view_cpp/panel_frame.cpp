#include "view_cpp/panel_frame.h"

#include "control/settings_file_informer.h"
#include "view_cpp/configure/configure_general_about_license_info_view_manager.h"
#include "view_cpp/frame_wiring.h"
#include "view_cpp/keyboard_language.h"
#include "view_cpp/start_up.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQuickWidget>

namespace startUp {

PanelFrame::PanelFrame(control::VariantControllerPcPanel &variantController,
                       const FrameOptions &options)
    : variantController(variantController)
    , mainWindow(nullptr)
    , guiHandler(&mainWindow, mainWindow.parent(), options.qmlDirectory)
    , mouseHandler(mainWindow.parent())
    , instanceSettings(options.instance, &mainWindow)
    , initialSetupController(&mainWindow)
    , configureTab(&mainWindow)
    , connectionInformer(&mainWindow)
    , saunaCommunication(&mainWindow, &messageFormatter, options.linkTiming)
{
    QQmlContext *context = guiHandler.view()->rootContext();
    context->setContextProperty(QStringLiteral("favoritesTabObjectIdProvider"),
                                &favoritesTabObjectIdProvider);
    context->setContextProperty(QStringLiteral("calendarTabObjectIdProvider"),
                                &calendarTabObjectIdProvider);

    setSaunaStateController(&controllerTab.saunaStateController);
    guiHandler.initializeGlobalSettings(variantController.brand(), windowProductType);

    saunaCommunication.connectAboutToQuit();
    saunaCommunication.saunaSystemSender()->connectReceiverSignals(
        saunaCommunication.saunaSystemReceiver());
    messageFormatter.setFormatter(0x1002, formatAllowedStartTimeMessage);

    view::KeyboardLanguage::publishToQml(context);
    context->setContextProperty(QStringLiteral("initial_setup_controller"),
                                &initialSetupController);
    context->setContextProperty(QStringLiteral("mouse_handler"), &mouseHandler);
    context->setContextProperty(QStringLiteral("variant_controller"), &variantController);
    favoriteTab.publishToQml();
    calendarTab.publishToQml();
    controllerTab.publishToQml();
    configureTab.publishToQml();
    // The licence texts lie beside the scene's files.
    configureTab.manager<view::ConfigureGeneralAboutLicenseInfoViewManager>().setLicenseDirectory(
        guiHandler.qmlDirectory() + QStringLiteral("licenses/"));
}

PanelFrame::~PanelFrame()
{
    guiHandler.unloadQml();
    setSaunaStateController(nullptr);
}

void PanelFrame::loadScene()
{
    guiHandler.loadQml(QStringLiteral("main.qml"));
    controllerTab.languageController.setRootObject(guiHandler.rootObject());
    controllerTab.messageController.setPopupWidget(guiHandler.popupWidget());
    controllerTab.wifiSymbolController.enableWiFi();
}

WiringFailures PanelFrame::wire()
{
    WiringFailures failures;
    failures.qmlItems = connectQmlItems(*this);
    failures.nativeObjects = connectNativeObjects(*this);
    failures.bridge = connectBridge(*this);
    failures.saunaSide = connectSaunaSide(*this);
    return failures;
}

bool PanelFrame::start()
{
    saunaCommunication.emitCurrentState();
    variantController.announceVariant();
    calendarTab.weekdayProgramOverviewController.initWeekDayProgramCounts();
    controllerTab.emitInitialStates();
    configureTab.initializeViews();

    const bool bound = saunaCommunication.bindSaunaSystemSocket(0);
    return saunaCommunication.startAnnouncements() && bound;
}

void PanelFrame::prepareWindow()
{
    mainWindow.setBrandWindowIdentity(variantController.brand());
    int width = 0;
    int height = 0;
    guiHandler.applicationSize(windowProductType, width, height);
    mainWindow.setFixedWindowSize(width, height);
}

void PanelFrame::showMainWindow()
{
    mainWindow.setVisible(true);
    controllerTab.saunaStateController.notifyZeredeDidInitCompleted();
    // The settings files were opened long before there was a popup; what they lack is told now.
    control::SettingsFileInformer::instance().startTelling();
}

} // namespace startUp
