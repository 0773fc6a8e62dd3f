#include "view_cpp/frame_wiring.h"

#include "control/settings_file_informer.h"
#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/user_settings_converter.h"
#include "sauna_bridge/bridge_connections.h"
#include "view_cpp/configure/configure_general_about_identify_rcb_view_manager.h"
#include "view_cpp/configure/configure_general_display_view_manager.h"
#include "view_cpp/configure/configure_general_language_view_manager.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"
#include "view_cpp/configure/configure_general_region_view_manager.h"
#include "view_cpp/configure/configure_general_units_view_manager.h"
#include "view_cpp/date_time_formatter.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/qeyboard.h"

#include <array>

namespace startUp {

namespace {

using Objects = QList<QObject *>;

// A program editor's object names: its settings list, then its start, temperature, humidity and
// stop-after editors.
using ProgramEditorNames = std::array<QString, 5>;

int connectProgramEditor(view::GuiHandlerControlPanel &gui,
                         control::details::CalendarProgramSettingsControllerBase &editor,
                         const ProgramEditorNames &names)
{
    int failed = editor.connectProgramSettingsView(gui.findItems(names[0]));
    failed += editor.connectActivationTimeView(gui.findItems(names[1]));
    failed += editor.connectCustomTemperatureView(gui.findItems(names[2]));
    failed += editor.connectCustomHumidityView(gui.findItems(names[3]));
    failed += editor.connectStopAfterView(gui.findItems(names[4]));
    return failed;
}

} // namespace

int connectQmlItems(PanelFrame &frame)
{
    view::GuiHandlerControlPanel &gui = frame.guiHandler;
    details::ControllerTabObjectsProvider &controllers = frame.controllerTab;
    int failed = 0;

    failed += controllers.messageController.connectPanelUserMessages({&gui});

    details::CalendarTabObjectsProvider &calendar = frame.calendarTab;
    const details::CalendarTabObjectIdProvider &calendarIds = frame.calendarTabObjectIdProvider;
    failed += calendar.weekdayProgramOverviewController.connectWeekDaysView(
        gui.findItems(calendarIds.weekDaysSelectorControlName()));
    failed += connectProgramEditor(gui, calendar.dateProgramController,
                                   {calendarIds.dateProgramSettingsName(),
                                    calendarIds.dateProgramReadyAtControlName(),
                                    calendarIds.dateProgramCustomTemperatureControlName(),
                                    calendarIds.dateProgramCustomHumidityControlName(),
                                    calendarIds.dateProgramCustomStopAfterControlName()});
    failed += calendar.dateProgramOverviewController.connectMonthView(
        gui.findItems(calendarIds.monthSelectorControlName()));
    failed += calendar.dateProgramOverviewController.connectDateProgramView(
        gui.findItems(calendarIds.dateProgramSelectorControlName()));
    failed += connectProgramEditor(gui, calendar.weekdayProgramController,
                                   {calendarIds.weekdayProgramSettingsName(),
                                    calendarIds.weekdayProgramReadyAtControlName(),
                                    calendarIds.weekdayProgramCustomTemperatureControlName(),
                                    calendarIds.weekdayProgramCustomHumidityControlName(),
                                    calendarIds.weekdayProgramCustomStopAfterControlName()});
    failed += calendar.queueController.connectQueueView(gui.findItems(calendarIds.queueViewName()));

    details::FavoriteTabObjectsProvider &favorites = frame.favoriteTab;
    const details::FavoritesTabObjectIdProvider &favoriteIds = frame.favoritesTabObjectIdProvider;
    failed += favorites.favoriteController.connectFavoritesView(
        gui.findItems(favoriteIds.favoritesSelectorName()));
    failed += favorites.favoriteController.connectBathTimeView(
        gui.findItems(favoriteIds.favoriteBathTimeControlName()));
    failed += favorites.favoriteOverviewController.connectSaveFavoriteView(
        gui.findItems(favoriteIds.favoritesSelectorName()));

    failed += controllers.humidityController.connectTargetHumidityView(gui.targetHumidityItems());
    failed += controllers.messageController.connectPopupButtons(gui.popupWidgetListItems());
    failed += controllers.peripheralController.connectLightsSwitchView(gui.lightsSwitchItems());
    failed += controllers.peripheralController.connectFanRunningView(gui.fanRunningSwitchItems());
    failed +=
        controllers.peripheralController.connectFanAutomaticView(gui.fanAutomaticToggleItems());
    failed += controllers.peripheralController.connectAuxRelayView(gui.auxRelaysItems());
    failed += controllers.peripheralController.connectAuxRelayView(gui.auxRelaysOverviewItems());
    failed +=
        controllers.saunaStateController.connectSettingsBathTimeView(gui.heaterSettingsListItems());
    failed += controllers.saunaStateController.connectCalendarEditView(gui.rootTabManagerItems());
    failed += controllers.saunaStateController.connectPowerSwitchView(gui.powerSwitchTabItems());
    failed += controllers.saunaStateController.connectBathTimeView(gui.bathTimeTabItems());
    failed += controllers.temperatureController.connectTargetTemperatureView(
        gui.targetTemperatureItems());
    failed += controllers.pinCodeController.connectPinChangeView(gui.generalPinSelectorItems());
    failed += controllers.pinCodeController.connectPinLoginView(gui.pinInputItems());
    failed += controllers.pinCodeController.connectPinLoginView(gui.pinSystemsSelectorItems());
    // The System menu and the Network screen.
    failed += frame.configureTab.connectToViews(gui);
    return failed;
}

int connectNativeObjects(PanelFrame &frame)
{
    details::ControllerTabObjectsProvider &controllers = frame.controllerTab;
    pcPanel::SaunaCommunication &link = frame.saunaCommunication;
    int failed = 0;

    const Objects communication{&link};
    failed += controllers.wifiSymbolController.connectConnectedChanged(communication);
    failed += controllers.timeController.connectConnectedChanged(communication);
    failed += controllers.temperatureController.connectConnectedChanged(communication);
    failed += controllers.humidityController.connectConnectedChanged(communication);
    // The Network screen and the link both ways. Its requests and its update request have no
    // other receiver, so making them here with its reports keeps every observable order.
    failed += frame.configureTab.connectToLink(link);
    failed += frame.connectionInformer.connectSaunaCommunicationSignals(communication);

    const Objects stateMachine{link.connectionStateMachine()};
    // The About page names the application that answered the connection.
    failed += frame.configureTab.connectToConnectionStateMachine(stateMachine);
    failed += frame.connectionInformer.connectConnectionStateMachineSignals(stateMachine);
    // The informer names the connected sauna in the window title.
    if (!QObject::connect(&frame.connectionInformer,
                          &pcPanel::ConnectionInformer::windowTitleChangeRequested,
                          &frame.mainWindow, &QWidget::setWindowTitle))
        ++failed;

    details::CalendarTabObjectsProvider &calendar = frame.calendarTab;
    details::FavoriteTabObjectsProvider &favorites = frame.favoriteTab;

    const Objects variant{&frame.variantController};
    failed += frame.initialSetupController.connectBrandChanged(variant);
    failed += calendar.calendarDataProvider.connectProductTypeChanged(variant);
    failed += frame.configureTab.connectToVariantController(variant);

    const Objects time{&controllers.timeController};
    failed += view::DateTimeFormatter::instance()->connectFormatSources(time);
    // The calendar's dates, times and week start.
    failed += calendar.calendarDataProvider.connectTimeSettingsSignals(time);
    failed += calendar.weekdayProgramOverviewController.connectWeekDayStartChanged(time);
    failed += calendar.dateProgramController.connectTimeFormatChanged(time);
    failed += calendar.dateProgramOverviewController.connectWeekDayStartChanged(time);
    failed += calendar.weekdayProgramController.connectTimeFormatChanged(time);
    // The date and time screens.
    failed += frame.configureTab.connectTimeSignals(time);
    failed += controllers.saunaStateController.connectSystemTimeChanged(time);

    failed += calendar.weekdayProgramController.connectProgramEditSignals(
        {&calendar.weekdayProgramOverviewController});
    failed += calendar.dateProgramController.connectProgramEditSignals(
        {&calendar.dateProgramOverviewController});

    // Every object that can raise a user message.
    Objects messageRaisers({
        &calendar.dateProgramController,
        &calendar.dateProgramOverviewController,
        &calendar.weekdayProgramController,
        &calendar.weekdayProgramOverviewController,
        &calendar.queueController,
        &controllers.errorController,
        &favorites.favoriteController,
        &favorites.favoriteOverviewController,
        &controllers.saunaStateController,
        &controllers.displayController,
        &controllers.languageController,
    });
    // The settings screens; each sender has its own connection, so their place in the list only
    // keeps it readable.
    messageRaisers << frame.configureTab.userMessageRaisers();
    messageRaisers << Objects({
        &controllers.pinCodeController,
        &controllers.timeController,
        link.saunaSystemReceiver(),
        // A calendar program or a descaling record it cannot convert is not sent; the user is
        // told.
        link.saunaSystemSender(),
        &frame.connectionInformer,
        // A damaged settings file, or one that cannot be written.
        &control::SettingsFileInformer::instance(),
        &pbSupport::conversion::AuxRelayConverter::instance(),
        &pbSupport::conversion::CalendarConverter::instance(),
        &pbSupport::conversion::EnumValueConverter::instance(),
        &pbSupport::conversion::NodeConverter::instance(),
        &pbSupport::conversion::ProductConverter::instance(),
        &pbSupport::conversion::StateConverter::instance(),
        &pbSupport::conversion::UserSettingsConverter::instance(),
    });
    failed += controllers.messageController.connectPanelUserMessages(messageRaisers);
    // The informer takes back connection messages that the connection has overtaken.
    failed += controllers.messageController.connectPanelUserMessageWithdrawals(
        {&frame.connectionInformer});

    failed += controllers.displayController.connectNextActiveCalendarItemChanged(
        {&calendar.queueController});

    const Objects temperature{&controllers.temperatureController};
    failed += favorites.favoriteController.connectTemperatureUnitChanged(temperature);
    // The units screen's check mark follows the unit the temperature controller reports.
    failed += frame.configureTab.manager<view::ConfigureGeneralUnitsViewManager>()
                  .connectToTemperatureController(temperature);
    failed += calendar.dateProgramController.connectTemperatureUnitChanged(temperature);
    failed += calendar.weekdayProgramController.connectTemperatureUnitChanged(temperature);
    failed += frame.configureTab.connectToTemperatureController(temperature);
    // The status screen shows the measured room temperature as the main screen does.
    failed += frame.configureTab.connectToTemperaturePresentationManager(
        {controllers.temperatureController.physicalTemperatureManager()});
    // The standby screen's editors follow the unit; the Advanced menu opens the standby screen.
    failed += frame.configureTab.connectAdvancedSettingsScreens(temperature);
    // The filter screen with the temperature and humidity controllers. The haptic feedback
    // screen is not wired to the haptic-sensor controller.
    failed += frame.configureTab.connectSystemSettingsControllers(controllers.temperatureController,
                                                                  controllers.humidityController);

    const Objects favorite{&favorites.favoriteController};
    favorites.favoriteController.setCalendar(&calendar.calendarDataProvider);
    favorites.favoriteOverviewController.setCalendar(&calendar.calendarDataProvider);
    failed += frame.guiHandler.keyboard()->connectKeyboardTextRequests(favorite);
    failed += calendar.queueController.connectFavoriteChanges(favorite);
    // A change made here to a favorite is watched in its slot with the favorites just created.
    failed += favorites.favoriteOverviewController.connectFavoriteChanges(favorite);
    failed += controllers.peripheralController.connectFavoriteAuxRelayChanged(favorite);
    failed += frame.guiHandler.keyboard()->connectKeyboardRequests(
        {&favorites.favoriteOverviewController});

    const Objects language{&controllers.languageController};
    failed += calendar.connectLanguageSignals(language);
    failed += controllers.connectLanguageSignals(language);
    failed += frame.configureTab.connectLanguageSignals(language);
    failed += favorites.connectLanguageSignals(language);
    failed += frame.initialSetupController.connectLanguageChanged(language);

    // The date and time screens' requests.
    failed += frame.configureTab.connectDateTimeRequests(controllers.timeController,
                                                         calendar.queueController);
    // The language, units and display sleep screens' requests go to their controllers.
    details::ConfigureTabObjectsProvider &configure = frame.configureTab;
    failed += controllers.languageController.connectLanguageChangeRequests(
        {&configure.manager<view::ConfigureGeneralLanguageViewManager>()});
    failed += controllers.temperatureController.connectTemperatureUnitRequests(
        {&configure.manager<view::ConfigureGeneralUnitsViewManager>()});
    failed += controllers.displayController.connectSleepTimeoutRequests(
        {&configure.manager<view::ConfigureGeneralDisplayViewManager>()});
    // The region screen proposes the region's formats, week start and unit.
    const Objects region{&configure.manager<view::ConfigureGeneralRegionViewManager>()};
    failed += controllers.timeController.connectRegionInitialSelections(region);
    failed += controllers.temperatureController.connectTemperatureUnitInitiallySelected(region);
    // The display sleep screen's check mark follows the display controller.
    failed += configure.manager<view::ConfigureGeneralDisplayViewManager>().connectDisplaySignals(
        {&controllers.displayController});

    const Objects mouse{&frame.mouseHandler};
    failed += controllers.displayController.connectUserMouseSignals(mouse);
    failed += controllers.pinCodeController.connectUserMouseSignals(mouse);

    // The PIN screen: its lock requests to the PIN-code controller and the lock state back, its
    // relay choices to the lock screen's relay list.
    auto &pin = frame.configureTab.manager<view::ConfigureGeneralPinViewManager>();
    const Objects pinScreen{&pin};
    failed += controllers.pinCodeController.connectPinToggleRequests(pinScreen);
    failed += controllers.peripheralController.connectAuxVisibleOnLockedScreenChanged(pinScreen);
    failed += pin.connectPinCodeSignals({&controllers.pinCodeController});
    failed += calendar.dateProgramOverviewController.connectLockTimerTimeout(
        {&controllers.pinCodeController});

    failed += controllers.displayController.connectSaunaPhysicalStateChanged(
        {&controllers.saunaStateController});
    // The relay control boards to identify: as many as the sauna state counts.
    failed += frame.configureTab.connectToSaunaStateController({&controllers.saunaStateController});
    // The main screen's tanks: one for each board the sauna state counts.
    failed += controllers.waterLevelController.connectToSaunaStateController(
        {&controllers.saunaStateController});
    return failed;
}

int connectBridge(PanelFrame &frame)
{
    using namespace saunaBridge;
    details::ControllerTabObjectsProvider &controllers = frame.controllerTab;
    ZerededidBridgeSenderSlotInterface *bridge = frame.saunaCommunication.saunaSystemSender();
    int failed = 0;

    QObject *temperature = &controllers.temperatureController;
    QObject *humidity = &controllers.humidityController;
    QObject *saunaState = &controllers.saunaStateController;
    QObject *peripheral = &controllers.peripheralController;

    details::CalendarTabObjectsProvider &calendar = frame.calendarTab;
    QObject *favorite = &frame.favoriteTab.favoriteController;
    QObject *favoriteOverview = &frame.favoriteTab.favoriteOverviewController;
    QObject *weekdayOverview = &calendar.weekdayProgramOverviewController;

    failed += connectTargetTemperatureChangeRequested(bridge, temperature);
    failed += connectTargetTemperatureChangeRequested(bridge, favorite);
    failed += connectTargetHumidityChangeRequested(bridge, humidity);
    failed += connectTargetHumidityChangeRequested(bridge, favorite);
    failed += connectSaunaStateChangeRequested(bridge, saunaState);
    // The region screen asks the sauna for the region.
    failed += connectRegionChangeRequested(
        bridge, {&frame.configureTab.manager<view::ConfigureGeneralRegionViewManager>()});
    failed += connectBathTimeChangeRequested(bridge, saunaState);
    failed += connectRenewBathTimeRequest(bridge, saunaState);
    failed += connectLightsStateChangeRequested(bridge, peripheral);
    failed += connectFanAutomaticChangeRequested(bridge, peripheral);
    failed += connectFanRunningChangeRequested(bridge, peripheral);
    failed += connectCalendarProgramChangeRequested(bridge, weekdayOverview);
    failed += connectCalendarProgramChangeRequested(bridge, {&calendar.dateProgramController});
    failed += connectCalendarProgramChangeRequested(bridge, {&calendar.weekdayProgramController});
    failed += connectCalendarProgramChangeRequested(bridge, {&calendar.queueController});
    failed += connectUserMessageAnswered(bridge, {&controllers.messageController});
    failed += connectScheduleItemDisableChangeRequested(bridge, weekdayOverview);
    failed += connectFavoriteUpdateRequested(bridge, favorite);
    failed += connectSaunaStartFavoriteRequested(bridge, favorite);
    // The only request without a connect operation of its own.
    if (!QObject::connect(&frame.favoriteTab.favoriteController,
                          SIGNAL(bathTimeChangeRequested(int)), bridge,
                          SLOT(onBathTimeChangeRequested(int))))
        ++failed;
    failed += connectLightsStateChangeRequested(bridge, favorite);
    failed += connectFavoriteUpdateRequested(bridge, favoriteOverview);
    failed += connectSystemTimeChangeRequested(bridge, {&controllers.timeController});
    failed += connectAuxRelayUpdateRequested(bridge, peripheral);
    // The settings screens' requests.
    failed += frame.configureTab.connectToBridge(bridge);
    // Advanced settings, tank auto-emptying and cleanup note.
    failed += frame.configureTab.connectAdvancedAndSystemRequests(bridge);
    // Bath priority, pause timer, facility type and IR.
    failed += frame.configureTab.connectSystemSettingsRequests(bridge);
    failed += connectActivateBuzzerRequested(
        bridge, {&frame.configureTab.manager<view::ConfigureGeneralAboutIdentifyRcbViewManager>()});
    return failed;
}

int connectSaunaSide(PanelFrame &frame)
{
    const Objects receiver{frame.saunaCommunication.saunaSystemReceiver()};
    int failed = 0;
    details::CalendarTabObjectsProvider &calendar = frame.calendarTab;
    failed += calendar.calendarDataProvider.connectSaunaSignals(receiver);
    failed += calendar.weekdayProgramOverviewController.connectSaunaSignals(receiver);
    failed += calendar.dateProgramController.connectSaunaSignals(receiver);
    failed += calendar.dateProgramOverviewController.connectSaunaSignals(receiver);
    failed += calendar.weekdayProgramController.connectSaunaSignals(receiver);
    failed += calendar.queueController.connectSaunaSignals(receiver);
    failed += frame.controllerTab.connectSaunaSignals(receiver);
    failed += frame.favoriteTab.connectSaunaSignals(receiver);
    // The relay screen stays unconnected in this edition.
    failed += frame.configureTab.connectSaunaSignals(receiver, false);
    failed += connectSaunaReplacement(frame);
    return failed;
}

int connectSaunaReplacement(PanelFrame &frame)
{
    using Receiver = saunaBridge::ZerededidBridgeReceiverSignalInterface;
    Receiver *receiver = frame.saunaCommunication.saunaSystemReceiver();
    details::ControllerTabObjectsProvider &controllers = frame.controllerTab;
    int failed = 0;
    const auto forget = [receiver, &failed](auto *holder, auto slot) {
        if (!QObject::connect(receiver, &Receiver::saunaReplaced, holder, slot))
            ++failed;
    };
    forget(&controllers.temperatureController, &control::TemperatureController::onSaunaReplaced);
    forget(&controllers.humidityController, &control::HumidityController::onSaunaReplaced);
    forget(&controllers.saunaStateController, &control::SaunaStateController::onSaunaReplaced);
    forget(&controllers.peripheralController, &control::PeripheralController::onSaunaReplaced);
    forget(&controllers.waterLevelController, &control::WaterLevelController::onSaunaReplaced);
    forget(&controllers.timeController, &control::TimeController::onSaunaReplaced);
    forget(&controllers.messageController, &control::MessageController::onSaunaReplaced);
    forget(&frame.favoriteTab.favoriteController, &control::FavoriteController::onSaunaReplaced);
    forget(&frame.favoriteTab.favoriteOverviewController,
           &control::FavoriteOverviewController::onSaunaReplaced);
    // The calendar's controllers forget with their data provider.
    forget(&frame.calendarTab.calendarDataProvider,
           &control::details::CalendarDataProvider::onSaunaReplaced);
    for (const details::ConfigureScreen &screen : frame.configureTab.screens())
        forget(screen.manager.get(), &view::ConfigureViewManagerBase::onSaunaReplaced);
    return failed;
}

} // namespace startUp
