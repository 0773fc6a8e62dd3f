#include "qml/scene_test_support.h"
#include "scene_stand_ins.h"

#include "signal_interface/type_registration.h"
#include "signal_interface/variant_types.h"
#include "value/duration_manager_most_significant_component_hour.h"
#include "value/humidity_presentation_manager.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_presentation_manager.h"
#include "value/temperature_value_manager.h"
#include "value/time_value_manager.h"
#include "view_cpp/calendar_month_day_item.h"
#include "view_cpp/keyboard_language.h"
#include "view_cpp/list_model.h"
#include "view_cpp/qeyboard.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/row_item.h"
#include "view_cpp/row_item2.h"
#include "view_cpp/row_item_base.h"
#include "view_cpp/row_item_plain.h"
#include "view_cpp/row_item_tables.h"
#include "view_cpp/stepper_controller_item.h"
#include "view_cpp/text_item.h"
#include "view_cpp/text_row_item.h"
#include "view_cpp/toggle_standard_item.h"
#include "view_cpp/window_sizes.h"

#include <QFontMetricsF>
#include <QJSValue>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextLayout>
#include <QtTest>

#include <cmath>
#include <memory>

using sceneTest::anyStackBusy;
using sceneTest::findInItemTree;
using sceneTest::previousHandler;
using sceneTest::recordedWarnings;
using sceneTest::recordMessage;

namespace {

QString viewDirectory()
{
    return QStringLiteral(PANEL_QML_VIEW_DIR);
}

// The items the program looks up after loading the scene, with the signals its connect
// operations use on each (QML "string" is QString).
struct LookedUpItem
{
    const char *objectName;
    QStringList signalSignatures;
};

const QList<LookedUpItem> &lookedUpItems()
{
    static const QList<LookedUpItem> items = {
        // The finders of the GUI handler, with the signals of their consumers.
        {"power_switch_tab",
         {"saunaStateChangeRequested(int)", "saunaRenewBathTime()", "vibrationRequested()"}},
        {"configureSystemAuxSingleFragranceModel", {"auxFragranceSettingSelected(int)"}},
        {"configureSystemAuxSingleOverviewModel",
         {"auxFunctionSelected(int)", "auxNameEditActivated()"}},
        {"configureSystemRelayContainer",
         {"toggleChanged(int,bool)", "relayControlMenuActive(bool)",
          "relayRegulatorValueSelected(int)"}},
        {"configureSystemAuxModel", {"auxSelected(int)"}},
        {"configureSystemsSelector",
         {"itemSelected(int)",
          "statusViewVisibleChanged(bool)",
          "tankAutoEmptyingVisibleChanged(bool)",
          "tankAutoEmptyingIntervalCommit()",
          "tankAutoEmptyingIntervalEdit()",
          "tankAutoEmptyingToggleChanged(int,bool)",
          "softwareUpdateVisibleChanged(bool)",
          "softwareUpdateSelected()",
          "factoryResetViewVisibleChanged(bool)",
          "factoryResetSelected()",
          "errorLogViewVisibleChanged(bool)",
          "errorLogClearSelected()",
          "errorLogSelected(int)",
          "cleanUpViewVisibleChanged(bool)",
          "cleanupTimeSelected(int)",
          "cleanupTimeCommit()",
          "cleanupToggleChanged(int,bool)",
          "facilityTypeViewVisibleChanged(bool)",
          "facilityTypeSelected(int)",
          "facilityTypeCommit()",
          "bathPriorityViewVisibleChanged(bool)",
          "bathTypePrioritySelected(int)",
          "pauseTimerViewVisibleChanged(bool)",
          "resetTimerSelected()",
          "filterChanged(int,bool)",
          "filtersViewVisibleChanged(bool)",
          "irVisibleChanged(bool)",
          "irToggleChanged(int,bool)",
          "optionsViewVisibleChanged(bool)",
          "optionsSingleViewVisibleChanged(bool)",
          "optionsFragranceViewVisibleChanged(bool)",
          "auxPumpDurationCommit()",
          "auxStopDurationCommit()",
          "confirm_pin_code_login(QString,QString,bool)"}},
        {"configure_limits_pcb_overheat_limit", {"changeTemperatureValueRequested(int)"}},
        {"configueLimitsNotAllowedStartTimeUntil", {"timeChangeRequested(int,int)"}},
        {"configueLimitsNotAllowedStartTimeFrom", {"timeChangeRequested(int,int)"}},
        {"configure_limits_upper_water_temp", {"changeTemperatureValueRequested(int)"}},
        {"configure_limits_upper_water_temp_on_overview_menu",
         {"changeTemperatureValueRequested(int)"}},
        {"configureLimitsSelector",
         {"itemSelected(int)", "waterTempLimitCommit()", "tankFillTimeCommit()",
          "overheatLimitCommit()", "changeTemperatureValueRequested(int)",
          "allowedStartViewVisibleChanged(bool)", "toggleChanged(int,bool)", "rowItemSelected(int)",
          "notAllowedStartEditCompleted()", "notAllowedStartFromSaved()",
          "notAllowedStartUntilSaved()"}},
        {"configureDateTimeSelector",
         {"itemSelected(int)", "timeViewVisibleChanged(bool)", "setTimeInitialSetupSelected()",
          "timeRowItemSelected(int)", "dateViewVisibleChanged(bool,bool)",
          "dateRowItemSelected(int)", "weekStartViewVisibleChanged(bool)", "weekStartSelected(int)",
          "eraseCalendarViewVisibleChanged(bool)", "eraseCalendarSelected(int)"}},
        {"configureRegionView",
         {"visibilityChanged(bool)", "regionSelected(int)", "regionInitialSetupSelected()"}},
        {"configureGeneralSelector",
         {"itemSelected(int)",
          "pinToggleChanged(int,bool)",
          "pinButtonPressed(int)",
          "lockscreenControlSelected(int)",
          "pinViewVisibleChanged(bool)",
          "langaugeViewVisibleChanged(bool)",
          "languageSelected(int)",
          "languageSaveSelected()",
          "languageInitialSetupSelected()",
          "unitSelected(int)",
          "unitsViewVisibleChanged(bool)",
          "identifyRcbViewVisibleChanged(bool)",
          "identifyRcbSelected(int)",
          "aboutViewVisibleChanged(bool)",
          "aboutSubFunctionSelected(int)",
          "licenseInfoViewVisibleChanged(bool)",
          "componentInfoViewVisibleChanged(bool)",
          "linuxComponentsViewVisibleChanged(bool)",
          "softwareComponentSelected(int)",
          "linuxComponentSelected(int)"}},
        {"configureAdvancedSettingsSelector",
         {"itemSelected(int)", "rowItemSelected(int)", "commitValue(int)",
          "fanViewVisibleChanged(bool)", "extSwBathTimeSelected()", "extSwFunctionSelected(int)",
          "externalSwitchVisibleChanged(bool)", "standbyViewVisibleChanged(bool)",
          "toggleChanged(int,bool)"}},
        {"setTimeSelectorInitialSetup", {"timeChangeRequested(int,int)"}},
        {"setTimeSelector", {"setTimeCommit()", "timeChangeRequested(int,int)"}},
        {"setDateSelectorInitialSetup", {"setDateCommit()", "dateChangeRequested(int,int)"}},
        {"setDateSelector", {"setDateCommit()", "dateChangeRequested(int,int)"}},
        {"heaterSettingsAuxRelaysOverview", {"auxRelayActivatedChanged(int,bool)"}},
        {"heaterSettingsAuxRelays", {"auxRelayActivatedChanged(int,bool)"}},
        {"fan_automatic_toggle_switch", {"fanAutomaticChangeRequested()"}},
        {"fan_running_switch", {"fanRunningChangeRequested()"}},
        {"lights_switch_tab_2", {"lightsStateChangeRequested(bool)"}},
        {"lights_switch_tab_tab2_locked", {"lightsStateChangeRequested(bool)"}},
        {"tank_fill_time", {"durationChangeRequested(int,int)"}},
        {"tank_auto_emptying", {"durationChangeRequested(int,int)"}},
        {"external_switch_bathtime", {"durationChangeRequested(int,int)"}},
        {"configureNetworkView",
         {"remoteSaunaDeleteSelected()", "saunaIpAddressEditActivated()",
          "saunaIpPortEditActivated()", "manualAddSystemIpAddressCommit(QString)",
          "manualAddSystemPortChanged(QString)", "networkViewVisibleChanged(bool)",
          "saunaDetailsViewVisibleChanged(bool)", "networkIpConnectViewVisibleChanged(bool)",
          "toggleChanged(int,bool)", "rowItemSelected(int)", "buttonPressed(int)",
          "remoteSaunaPinChanged(QString)"}},
        {"descalingDosageControl", {"valueChangeRequested(int)"}},
        {"descalingDurationControl", {"durationChangeRequested(int,int)"}},
        {"descalingStartTimeControl", {"timeChangeRequested(int,int)"}},
        {"configureAuxDescalingSettingsView",
         {"auxDescalingSettingsCommit()", "auxDescalingViewVisibleChanged(bool)",
          "auxDescalingToggleChanged(int,bool)", "auxDescalingSettingSelected(int)",
          "auxDescalingStartTimeCommit()", "auxDescalingDurationCommit()",
          "auxDescalingDosageCommit()", "auxDescalingWeekdaySettingsSelected(int)",
          "auxDescalingWeekdayRepeatSelected(int)"}},
        {"fragrance_stop", {"durationChangeRequested(int,int)"}},
        {"fragrance_pump", {"durationChangeRequested(int,int)"}},
        {"cleanup_time", {"durationChangeRequested(int,int)"}},
        {"standby_water_temperature_data_provider", {"changeTemperatureValueRequested(int)"}},
        {"standby_temperature_reduction_data_provider", {"changeTemperatureValueRequested(int)"}},
        {"fan_runtime", {"durationChangeRequested(int,int)"}},
        {"bath_time_tab_2", {"durationChangeRequested(int,int)"}},
        {"heaterSettingsModel",
         {"settingsBathTimeEditActivated()", "settingsBathTimeCommit()",
          "settingsBathTimeEditCancelled()"}},
        {"temperature_data_provider_tab2_locked", {"changeTemperatureValueRequested(int)"}},
        {"temperature_data_provider_tab2_normal", {"changeTemperatureValueRequested(int)"}},
        {"popup_widget", {"popupBtnPressed(QString)"}},
        {"pin_input", {"confirm_pin_code_login(QString,QString,bool)"}},
        {"configureGeneralPinSelector",
         {"old_pin_code(QString)", "new_pin_code(QString)", "new_pin_code_confirm(QString)"}},
        {"tabManagerRoot", {"calendarEditActivated()"}},
        {"humidity_data_provider_tab2_locked", {"changeHumidityValueRequested(int)"}},
        {"humidity_data_provider_tab2_normal", {"changeHumidityValueRequested(int)"}},
        // The keyboard item; the program calls these two functions on it.
        {"onScreenKeyboard", {}},
        // The names of the calendar and favorites id providers.
        {"calendarWeekDaysSelector",
         {"weekDayEditActivated(int)", "weekDayEditCancelled()",
          "weekDaySwitchAllDaysActivation(bool)", "calendarWeekdayProgramEditActivated(int)"}},
        {"calendarDateProgramSettings",
         {"rowItemSelected(int)", "rowItemBtnSelected(int)",
          "calendarProgramSettingsEditCancelRequested()",
          "calendarProgramSettingsEditBackRequested()",
          "calendarProgramSettingsEditDeleteRequested()",
          "calendarProgramSettingsEditSaveRequested()", "calendarFavoriteSelected(int)",
          "calendarProgramSettingsCustomCommit()", "customRowItemSelected(int)"}},
        {"calendarWeekdayProgramSettings",
         {"rowItemSelected(int)", "rowItemBtnSelected(int)",
          "calendarProgramSettingsEditCancelRequested()",
          "calendarProgramSettingsEditBackRequested()",
          "calendarProgramSettingsEditDeleteRequested()",
          "calendarProgramSettingsEditSaveRequested()", "calendarFavoriteSelected(int)",
          "calendarProgramSettingsCustomCommit()", "customRowItemSelected(int)"}},
        {"calendarDateProgramReadyAtSelector", {"activationTimeCommit()"}},
        {"calendarWeekdayProgramReadyAtSelector", {"activationTimeCommit()"}},
        {"calendarDateProgramCustomSettingsTemperature", {"changeTemperatureValueRequested(int)"}},
        {"calendarWeekdayProgramCustomSettingsTemperature",
         {"changeTemperatureValueRequested(int)"}},
        {"calendarDateProgramCustomSettingsHumidity", {"changeHumidityValueRequested(int)"}},
        {"calendarWeekdayProgramCustomSettingsHumidity", {"changeHumidityValueRequested(int)"}},
        {"calendarDateProgramStopAfterSelector", {"stopAfterCommit()"}},
        {"calendarWeekdayProgramStopAfterSelector", {"stopAfterCommit()"}},
        {"calendarMonthSelector",
         {"monthEditActivated()", "monthIncreaseSelected()", "monthDecreaseSelected()",
          "dateEditActivated(int)"}},
        {"calendarDateProgramSelector", {"calendarDateProgramEditActivated(int)"}},
        {"queTabView", {"calendarQueueVisibleChanged(bool)"}},
        {"favoritesSelector",
         {"favoriteEditActivated(int)", "favoriteEditSaveActivated()", "deleteFavoriteRequested()",
          "startFavoriteRequested()", "lightingStateChange(bool)", "favoriteNameEditActivated()",
          "auxRelayActivatedChanged(int,bool)", "favoriteEditCancelRequested()",
          "editBathTimeRequested()", "bathTimeCommit()", "saveFavoriteRequested()"}},
        {"favoriteBathTimeControl", {"durationChangeRequested(int,int)"}},
    };
    return items;
}

// Items that a Repeater or a view creates are found through the item tree only.
void collectInItemTree(QQuickItem *parent, const QString &objectName, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->objectName() == objectName)
            found << child;
        collectInItemTree(child, objectName, found);
    }
}

// Whether the drawn text item breaks a line inside the part, which it may write with no-break
// spaces and word joiners; false when the text does not hold the part.
bool breaksInside(const QQuickItem *text, const QString &part)
{
    QString pattern;
    for (const QChar c : part) {
        if (!pattern.isEmpty())
            pattern += QStringLiteral("\\x{2060}?");
        pattern += c == QLatin1Char(' ') ? QStringLiteral("[ \\x{a0}]")
                                         : QRegularExpression::escape(QString(c));
    }
    const QString shown = text->property("text").toString();
    const QRegularExpressionMatch found = QRegularExpression(pattern).match(shown);
    if (!found.hasMatch())
        return false;
    QTextLayout layout(shown, text->property("font").value<QFont>());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapMode(text->property("wrapMode").toInt()));
    layout.setTextOption(option);
    layout.beginLayout();
    bool inside = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(text->width());
        inside = inside || (line.textStart() > found.capturedStart() &&
                            line.textStart() < found.capturedEnd());
    }
    layout.endLayout();
    return inside;
}

// True while any page stack of the scene moves a page.
QPointF centreOf(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

// A GenericListView of the rows, of the width, shown in the window; null (with the error) when it
// fails.
std::unique_ptr<QObject> showGenericList(QQuickView &window, view::ListModel &rows, QString &error,
                                         int width = 300)
{
    window.rootContext()->setContextProperty(QStringLiteral("testRows"), &rows);
    QQmlComponent component(window.engine());
    component.setData(QByteArray(R"(
import QtQuick
import "components"
GenericListView {
    model: testRows
}
)"),
                      QUrl::fromLocalFile(viewDirectory() + "/generic_list_test.qml"));
    std::unique_ptr<QObject> created(component.create(window.rootContext()));
    auto *list = qobject_cast<QQuickItem *>(created.get());
    if (list == nullptr) {
        error = component.errorString();
        return {};
    }
    list->setParentItem(window.contentItem());
    list->setSize(QSizeF(width, 400));
    window.resize(width, 400);
    window.show();
    return created;
}

// The items of the tree with the object name, from the top of the window down.
QList<QQuickItem *> itemsTopDown(QQuickItem *parent, const QString &objectName)
{
    QList<QQuickItem *> found;
    collectInItemTree(parent, objectName, found);
    std::sort(found.begin(), found.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
    });
    return found;
}

} // namespace

// Answers an editor's commit as the program does when it refuses the value.
class EditRefuser : public QObject
{
    Q_OBJECT
public:
    EditRefuser(NetworkViewManagerStandIn *view, int editId, const QString &message)
        : m_view(view)
        , m_editId(editId)
        , m_message(message)
    {}
public slots:
    void refuse()
    {
        emit m_view->editSelected(m_editId);
        emit m_view->editMessage(m_message);
    }

private:
    NetworkViewManagerStandIn *m_view;
    int m_editId;
    QString m_message;
};

class TestQmlScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void sceneLoadsWithoutWarnings();
    void everyLookedUpNameExistsOnce_data();
    void everyLookedUpNameExistsOnce();
    void keyboardItemTakesTheProgramsRequests();
    void keyboardShiftIsOneShotUnlessLocked();
    void keyboardShowsTheLengthLimit();
    void popupShowsTheButtonsOfItsKind_data();
    void popupShowsTheButtonsOfItsKind();
    void popupReportsThePressedButtonText();
    void popupAnswersOnlyTheKeysAimedAtIt_data();
    void popupAnswersOnlyTheKeysAimedAtIt();
    void mainScreenShowsManagerValues();
    void dialTextsKeepToTheDialHoweverWide();
    void bathTimeTileShowsTheControllersText();
    void bathTimeEditorWaitsForTheLimit();
    void humidityControlOnlyWhereTheSaunaHasOne();
    void mainScreenShowsControllerStates();
    void switchTilesShowNoStateWithoutASauna();
    void heaterSettingsShowNoFormerSaunasValues();
    void steppersAndSwitchesEmitTheirRequests();
    void lockedScreenFollowsThePinController();
    void rowsOfAProgramModelReportApplicationIds();
    void favoriteNamesGoToTheControllerThatAsked();
    void calendarPagesFollowTheirControllers();
    void settingsTabBuildsItsPages();
    void networkAreaOpensTheNetworkScreen();
    void settingsObjectTakesTheGlobalValues();
    void startupScreenLoads();
    void wheelScrollsListsByRows_data();
    void wheelScrollsListsByRows();
    void textRowsShowWhatTheirKindMeans();
    void errorLogRowsBreakBetweenWords_data();
    void errorLogRowsBreakBetweenWords();
    void tappedRowReportsItsCurrentId();
    void rowsAndPopupKeepRangesAndUnitsOnOneLine();
    void rowsKeepWordsWhole_data();
    void rowsKeepWordsWhole();

    void showPopupAgain() { item("popup_widget")->setProperty("visible", true); }

private:
    QObject *item(const char *objectName) const;
    void publishContext(QQmlContext *context);
    void click(QQuickItem *item);

    std::unique_ptr<QQuickView> m_view;
    QObject *m_root = nullptr;

    SaunaStateControllerStandIn m_saunaState;
    HumidityControllerStandIn m_humidity;
    WaterLevelControllerStandIn m_waterLevel;
    PeripheralControllerStandIn m_peripheral;
    TimeControllerStandIn m_time;
    WiFiSymbolControllerStandIn m_wifi;
    PinCodeControllerStandIn m_pinCode;
    FavoriteControllerStandIn m_favorite;
    FavoriteOverviewControllerStandIn m_favoriteOverview;
    WeekdayProgramOverviewControllerStandIn m_weekdayOverview;
    DateProgramOverviewControllerStandIn m_dateOverview;
    ProgramSettingsControllerStandIn m_dateProgram;
    ProgramSettingsControllerStandIn m_weekdayProgram;
    SystemViewManagerStandIn m_systemView;
    GeneralViewManagerStandIn m_generalView;
    GeneralPinViewManagerStandIn m_generalPinView;
    NetworkViewManagerStandIn m_networkView;
    FavoritesTabObjectIdProviderStandIn m_favoritesIds;
    CalendarTabObjectIdProviderStandIn m_calendarIds;

    value::TemperaturePresentationManager m_measuredTemperature;
    value::TemperatureValueManager m_targetTemperature;
    value::HumidityPresentationManager m_measuredHumidity;
    value::HumidityValueManager m_targetHumidity;
    value::DurationManagerMostSignificantComponentHour m_bathTime;
    value::TemperatureValueManager m_favoriteTemperature;
    value::HumidityValueManager m_favoriteHumidity;
    value::DurationManagerMostSignificantComponentHour m_favoriteBathTime;
    value::TimeValueManager m_dateReadyAt;
    value::TimeValueManager m_weekdayReadyAt;
    value::TemperatureValueManager m_dateCustomTemperature;
    value::TemperatureValueManager m_weekdayCustomTemperature;
    value::HumidityValueManager m_dateCustomHumidity;
    value::HumidityValueManager m_weekdayCustomHumidity;
    value::DurationManagerMostSignificantComponentHour m_dateStopAfter;
    value::DurationManagerMostSignificantComponentHour m_weekdayStopAfter;

    std::vector<std::unique_ptr<view::ListModel>> m_models;
};

void TestQmlScene::initTestCase()
{
    previousHandler = qInstallMessageHandler(recordMessage);
    signalInterface::registerQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();

    m_view = std::make_unique<QQuickView>();
    m_view->setResizeMode(QQuickView::SizeRootObjectToView);
    m_view->resize(340, 600);
    publishContext(m_view->rootContext());
    m_view->setSource(QUrl::fromLocalFile(viewDirectory() + "/main.qml"));
    QCOMPARE(m_view->status(), QQuickView::Ready);
    m_root = m_view->rootObject();
    QVERIFY(m_root);
    // The start-up's first state: the lock screen hears the chosen controls.
    m_generalPinView.publishLockscreenSettings();
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestQmlScene::init()
{
    recordedWarnings.clear();
}

void TestQmlScene::cleanup()
{
    QVERIFY2(recordedWarnings.isEmpty(), qPrintable(recordedWarnings.join('\n')));
}

void TestQmlScene::cleanupTestCase()
{
    m_view.reset();
    qInstallMessageHandler(previousHandler);
}

QObject *TestQmlScene::item(const char *objectName) const
{
    return m_root->findChild<QObject *>(QString::fromLatin1(objectName));
}

void TestQmlScene::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, centreOf(target).toPoint());
}

void TestQmlScene::publishContext(QQmlContext *context)
{
    auto model = [this](const QHash<int, QByteArray> &roles) {
        m_models.push_back(std::make_unique<view::ListModel>(roles, nullptr));
        return m_models.back().get();
    };

    // Relays as the peripheral controller lists them: one switch per relay.
    view::ListModel *relays = model(view::StepperControllerItem::roleNames());
    for (int relay = 0; relay < 3; ++relay) {
        auto *row = new view::ToggleStandardItem(relay, relay == 1);
        row->setValue(QStringLiteral("Relay %1").arg(relay + 1));
        relays->appendItem(row);
    }
    view::ListModel *relayOverview = model(view::StepperControllerItem::roleNames());
    auto *overviewRow = new view::ToggleStandardItem(5, false);
    overviewRow->setValue(QStringLiteral("Steam"));
    relayOverview->appendItem(overviewRow);

    view::ListModel *favorites = model(view::RowItem::roleNames());
    favorites->appendItem(new view::RowItem(QStringLiteral("Evening"), 11));
    favorites->appendItem(new view::RowItem(QStringLiteral("<b>Morning</b>"), 12));
    favorites->updateLayoutOrder();

    view::ListModel *month = model(view::CalendarMonthDayItem::roleNames());
    for (int day = 1; day <= 30; ++day)
        month->appendItem(
            new view::CalendarMonthDayItem(QString::number(day), day % 7 == 0, true, 1.0));

    view::ListModel *systemMenu = model(view::RowItemBase::roleNames());
    systemMenu->appendItem(new view::RowItem2(QStringLiteral("Status"), 3));
    systemMenu->appendItem(new view::RowItem2(QStringLiteral("Cleanup"), 17));
    systemMenu->updateLayoutOrder();

    context->setContextProperty("keyboard_language", view::KeyboardLanguage::instance());
    context->setContextProperty("favoritesTabObjectIdProvider", &m_favoritesIds);
    context->setContextProperty("calendarTabObjectIdProvider", &m_calendarIds);

    context->setContextProperty("physical_temperature_manager", &m_measuredTemperature);
    context->setContextProperty("target_temperature_manager", &m_targetTemperature);
    context->setContextProperty("physical_humidity_manager", &m_measuredHumidity);
    context->setContextProperty("target_humidity_manager", &m_targetHumidity);
    context->setContextProperty("sauna_state_bath_time_manager", &m_bathTime);
    context->setContextProperty("sauna_state_controller", &m_saunaState);
    context->setContextProperty("humidity_controller", &m_humidity);
    context->setContextProperty("water_level_controller", &m_waterLevel);
    context->setContextProperty("peripheral_controller", &m_peripheral);
    context->setContextProperty("time_controller", &m_time);
    context->setContextProperty("wifi_symbol_controller", &m_wifi);
    context->setContextProperty("pin_code_controller", &m_pinCode);
    context->setContextProperty("settings_auxiliary_relays_model", relays);
    context->setContextProperty("settings_auxiliary_relays_overview_model", relayOverview);

    context->setContextProperty("favorites_controller", &m_favorite);
    context->setContextProperty("favorite_overview_controller", &m_favoriteOverview);
    context->setContextProperty("favorites_model", favorites);
    context->setContextProperty("favorites_temperature_manager", &m_favoriteTemperature);
    context->setContextProperty("favorites_humidity_manager", &m_favoriteHumidity);
    context->setContextProperty("favorites_bath_time_manager", &m_favoriteBathTime);
    context->setContextProperty("favorite_auxiliary_relays_model",
                                model(view::StepperControllerItem::roleNames()));

    context->setContextProperty("calendar_controller", &m_weekdayOverview);
    context->setContextProperty("calendar_date_item_overview_controller", &m_dateOverview);
    context->setContextProperty("calendar_date_program_controller", &m_dateProgram);
    context->setContextProperty("calendar_weekday_program_controller", &m_weekdayProgram);
    context->setContextProperty("week_calendar_model", model(view::RowItem::roleNames()));
    context->setContextProperty("week_day_calendar_model", model(view::RowItem::roleNames()));
    context->setContextProperty("month_calendar_model", month);
    context->setContextProperty("date_overview_model", model(view::RowItem::roleNames()));
    context->setContextProperty("calendar_queue_model", model(view::RowItem::roleNames()));
    context->setContextProperty("calendar_program_settings_select_favorite_model",
                                model(view::RowItem::roleNames()));
    context->setContextProperty("date_calendar_settings_model",
                                model(view::StepperControllerItem::roleNames()));
    context->setContextProperty("week_day_calendar_settings_model",
                                model(view::StepperControllerItem::roleNames()));
    context->setContextProperty("date_calendar_custom_stop_after",
                                model(view::RowItem::roleNames()));
    context->setContextProperty("weekday_calendar_custom_stop_after",
                                model(view::RowItem::roleNames()));
    context->setContextProperty("date_calendar_ready_at_manager", &m_dateReadyAt);
    context->setContextProperty("week_day_calendar_ready_at_manager", &m_weekdayReadyAt);
    context->setContextProperty("date_calendar_custom_temperature_manager",
                                &m_dateCustomTemperature);
    context->setContextProperty("weekday_calendar_custom_temperature_manager",
                                &m_weekdayCustomTemperature);
    context->setContextProperty("date_calendar_custom_humidity_manager", &m_dateCustomHumidity);
    context->setContextProperty("weekday_calendar_custom_humidity_manager",
                                &m_weekdayCustomHumidity);
    context->setContextProperty("date_calendar_custom_stop_after_manager", &m_dateStopAfter);
    context->setContextProperty("week_day_calendar_custom_stop_after_manager", &m_weekdayStopAfter);

    context->setContextProperty("configure_system_view_controller", &m_systemView);
    context->setContextProperty("configure_system_selector_model", systemMenu);
    context->setContextProperty("configure_network_controller", &m_networkView);
    context->setContextProperty("configure_general_view_controller", &m_generalView);
    context->setContextProperty("configure_general_pin_view_controller", &m_generalPinView);
    context->setContextProperty("configure_general_pin_model",
                                model(view::StepperControllerItem::roleNames()));
    for (const char *name :
         {"configure_limits_selector_model", "configure_general_selector_model",
          "configure_date_time_selector_model", "configure_advanced_settings_selector_model",
          "configure_network_model1", "configure_network_model2", "configure_network_model3",
          "configure_network_ip_connect_model", "configure_network_sauna_details_model",
          "configure_network_sauna_details_info_model"})
        context->setContextProperty(name, model(view::RowItemBase::roleNames()));
}

void TestQmlScene::sceneLoadsWithoutWarnings()
{
    QCOMPARE(m_root->property("languageToggle").metaType(), QMetaType::fromType<bool>());
    QVERIFY(m_root->setProperty("languageToggle", true));
    QVERIFY(m_root->setProperty("languageToggle", false));
    QCOMPARE(qobject_cast<QQuickItem *>(m_root)->width(), 340.0);
    QCOMPARE(qobject_cast<QQuickItem *>(m_root)->height(), 600.0);
}

void TestQmlScene::everyLookedUpNameExistsOnce_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("signalSignatures");
    for (const LookedUpItem &entry : lookedUpItems())
        QTest::newRow(entry.objectName)
            << QString::fromLatin1(entry.objectName) << entry.signalSignatures;
}

void TestQmlScene::everyLookedUpNameExistsOnce()
{
    QFETCH(QString, objectName);
    QFETCH(QStringList, signalSignatures);

    const QList<QObject *> found = m_root->findChildren<QObject *>(objectName);
    QCOMPARE(found.size(), 1);
    const QMetaObject *meta = found.first()->metaObject();
    for (const QString &signature : signalSignatures) {
        const QByteArray normalized = QMetaObject::normalizedSignature(signature.toLatin1());
        QVERIFY2(meta->indexOfSignal(normalized) >= 0,
                 qPrintable(objectName + " lacks " + signature));
    }
    // A duration, time or date editor made before its manager tells anything holds no value:
    // each of its steppers is blocked both ways.
    for (const char *side : {"lowerBlocked", "upperBlocked"}) {
        QVariant blocked = found.first()->property(side);
        if (blocked.metaType() == QMetaType::fromType<QJSValue>())
            blocked = blocked.value<QJSValue>().toVariant();
        if (blocked.metaType() != QMetaType::fromType<QVariantList>())
            continue;
        for (const QVariant &stepper : blocked.toList())
            QVERIFY2(stepper.toBool(), qPrintable(objectName + " " + side));
    }
}

// One tap of shift capitalises one character; a second tap locks capitals until a third.
void TestQmlScene::keyboardShiftIsOneShotUnlessLocked()
{
    QObject *keyboard = item("onScreenKeyboard");
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard", Q_ARG(QVariant, QString())));
    auto *shift = keyboard->findChild<QQuickItem *>("keyboardShiftKey");
    auto *space = keyboard->findChild<QQuickItem *>("keyboardSpaceKey");
    auto *letter =
        findInItemTree(qobject_cast<QQuickItem *>(keyboard), QStringLiteral("keyboardKey_3_0"));
    QVERIFY(shift && space && letter);
    const QString unlockedCap = shift->property("text").toString();
    const auto state = [&] {
        return QStringLiteral("caps %1, locked %2, shown %3 %4")
            .arg(keyboard->property("caps").toBool())
            .arg(keyboard->property("capsLocked").toBool())
            .arg(shift->property("text").toString() == unlockedCap ? "⇧" : "locked")
            .arg(shift->property("highlighted").toBool() ? "lit" : "dark");
    };
    QCOMPARE(state(), QStringLiteral("caps 0, locked 0, shown ⇧ dark"));

    click(shift);
    QCOMPARE(state(), QStringLiteral("caps 1, locked 0, shown ⇧ lit"));
    click(letter);
    QCOMPARE(state(), QStringLiteral("caps 0, locked 0, shown ⇧ dark"));
    click(letter);
    QCOMPARE(state(), QStringLiteral("caps 0, locked 0, shown ⇧ dark"));

    click(shift);
    click(shift);
    QCOMPARE(state(), QStringLiteral("caps 1, locked 1, shown locked lit"));
    click(letter);
    click(space);
    click(letter);
    QCOMPARE(state(), QStringLiteral("caps 1, locked 1, shown locked lit"));
    click(shift);
    QCOMPARE(state(), QStringLiteral("caps 0, locked 0, shown ⇧ dark"));
    QCOMPARE(keyboard->property("text").toString().size(), 5);

    // A keyboard opened again starts in small letters.
    click(shift);
    click(shift);
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard", Q_ARG(QVariant, QString())));
    QCOMPARE(state(), QStringLiteral("caps 0, locked 0, shown ⇧ dark"));
    QVERIFY(QMetaObject::invokeMethod(keyboard, "closeKeyboard"));
}

// The field tells how much of the name is used and, at the limit, that no more is taken.
void TestQmlScene::keyboardShowsTheLengthLimit()
{
    QObject *keyboard = item("onScreenKeyboard");
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard",
                                      Q_ARG(QVariant, QStringLiteral("Evening"))));
    auto *length = keyboard->findChild<QQuickItem *>("keyboardLength");
    auto *note = keyboard->findChild<QQuickItem *>("keyboardLimitNote");
    QVERIFY(length && note);
    QVERIFY(length->isVisible());
    QCOMPARE(length->property("text").toString(), QStringLiteral("7/20"));
    QCOMPARE(note->opacity(), 0.0);

    for (const char typed : QByteArrayLiteral("abcdefghijklmnopq"))
        QTest::keyClick(m_view.get(), typed);
    QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Eveningabcdefghijklm"));
    QCOMPARE(length->property("text").toString(), QStringLiteral("20/20"));
    QVERIFY(note->isVisible() && note->opacity() > 0);
    QCOMPARE(note->property("text").toString(), QStringLiteral("At most 20 characters"));

    QTest::keyClick(m_view.get(), Qt::Key_Backspace);
    QCOMPARE(length->property("text").toString(), QStringLiteral("19/20"));
    QCOMPARE(note->opacity(), 0.0);
    QVERIFY(QMetaObject::invokeMethod(keyboard, "closeKeyboard"));
}

void TestQmlScene::keyboardItemTakesTheProgramsRequests()
{
    QObject *keyboard = item("onScreenKeyboard");
    QVERIFY(keyboard);
    QVERIFY(keyboard->metaObject()->indexOfMethod("openKeyboard(QVariant)") >= 0);
    QVERIFY(keyboard->metaObject()->indexOfMethod("closeKeyboard()") >= 0);

    // The bridge finds the item in the scene of the view it belongs to.
    view::Qeyboard bridge(m_view.get());

    bridge.onOpenKeyboard(QStringLiteral("Evening"));
    QVERIFY(keyboard->property("visible").toBool());
    QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evening"));

    bridge.onCloseKeyboard();
    QVERIFY(!keyboard->property("visible").toBool());

    bridge.onOpenKeyboard();
    QVERIFY(keyboard->property("visible").toBool());
    QCOMPARE(keyboard->property("text").toString(), QString());

    // Cancelling closes the keyboard and answers the screen that asked.
    auto *cancel = keyboard->findChild<QQuickItem *>("keyboardCancelButton");
    QSignalSpy cancelled(keyboard, SIGNAL(editCancelled()));
    click(cancel);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!keyboard->property("visible").toBool());
}

void TestQmlScene::popupShowsTheButtonsOfItsKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("left");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<bool>("right");
    QTest::newRow("indication") << "indication" << false << true << false;
    QTest::newRow("selection") << "selection" << true << false << true;
    QTest::newRow("noButton") << "noButton" << false << false << false;
}

void TestQmlScene::popupShowsTheButtonsOfItsKind()
{
    QFETCH(QString, kind);
    QFETCH(bool, left);
    QFETCH(bool, centre);
    QFETCH(bool, right);

    QObject *popup = item("popup_widget");
    QVERIFY(popup);
    // The properties the message controller writes.
    QVERIFY(popup->setProperty("popupKind", kind));
    QVERIFY(popup->setProperty("popupTitle", QStringLiteral("Info")));
    QVERIFY(popup->setProperty("popupText", QStringLiteral("Sauna <i>ready</i>")));
    QVERIFY(popup->setProperty("visible", true));

    auto visible = [popup](const char *name) {
        auto *button = popup->findChild<QQuickItem *>(QString::fromLatin1(name));
        return button && button->isVisible();
    };
    QCOMPARE(visible("popupLeftButton"), left);
    QCOMPARE(visible("popupCenterButton"), centre);
    QCOMPARE(visible("popupRightButton"), right);
    QCOMPARE(popup->findChild<QObject *>("popupTitle")->property("text").toString(),
             QStringLiteral("Info"));
    // Message texts are shown as they are, never as markup.
    QCOMPARE(popup->findChild<QObject *>("popupText")->property("textFormat").toInt(),
             int(Qt::PlainText));

    QVERIFY(popup->setProperty("visible", false));
    QVERIFY(!popup->property("visible").toBool());
}

void TestQmlScene::popupReportsThePressedButtonText()
{
    QObject *popup = item("popup_widget");
    QVERIFY(popup->setProperty("popupKind", QStringLiteral("selection")));
    QVERIFY(popup->setProperty("leftButtonText", QStringLiteral("Ja")));
    QVERIFY(popup->setProperty("rightButtonText", QStringLiteral("Nej")));
    QVERIFY(popup->setProperty("visible", true));

    QSignalSpy pressed(popup, SIGNAL(popupBtnPressed(QString)));
    click(popup->findChild<QQuickItem *>("popupRightButton"));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first().toString(), QStringLiteral("Nej"));
    QVERIFY(!popup->property("visible").toBool());

    QVERIFY(popup->setProperty("popupKind", QStringLiteral("indication")));
    QVERIFY(popup->setProperty("centerButtonText", QStringLiteral("Ok")));
    QVERIFY(popup->setProperty("visible", true));
    // A handler that shows the next message at once keeps it on screen.
    const QMetaObject::Connection showNext =
        QObject::connect(popup, SIGNAL(popupBtnPressed(QString)), this, SLOT(showPopupAgain()));
    click(popup->findChild<QQuickItem *>("popupCenterButton"));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(pressed.last().first().toString(), QStringLiteral("Ok"));
    QVERIFY(popup->property("visible").toBool());
    QObject::disconnect(showNext);
    QVERIFY(popup->setProperty("visible", false));
}

void TestQmlScene::popupAnswersOnlyTheKeysAimedAtIt_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("keys");
    // The button text the popup reports, empty for none: then it stays open.
    QTest::addColumn<QString>("answer");
    const int shiftTab = int(Qt::Key_Backtab);
    QTest::newRow("notice, Return") << "indication" << QList<int>{Qt::Key_Return} << "Ok";
    QTest::newRow("notice, Enter") << "indication" << QList<int>{Qt::Key_Enter} << "Ok";
    QTest::newRow("notice, Escape") << "indication" << QList<int>{Qt::Key_Escape} << "Ok";
    QTest::newRow("notice, a letter") << "indication" << QList<int>{Qt::Key_A} << "";
    QTest::newRow("question, Escape") << "selection" << QList<int>{Qt::Key_Escape} << "Nej";
    QTest::newRow("question, Return") << "selection" << QList<int>{Qt::Key_Return} << "";
    QTest::newRow("question, Enter") << "selection" << QList<int>{Qt::Key_Enter} << "";
    QTest::newRow("question, Space") << "selection" << QList<int>{Qt::Key_Space} << "";
    QTest::newRow("question, Tab, Return")
        << "selection" << QList<int>{Qt::Key_Tab, Qt::Key_Return} << "Ja";
    QTest::newRow("question, Tab, Tab, Space")
        << "selection" << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << "Nej";
    QTest::newRow("question, Tab, Tab, Tab, Enter")
        << "selection" << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter} << "Ja";
    QTest::newRow("question, Shift+Tab, Return")
        << "selection" << QList<int>{shiftTab, Qt::Key_Return} << "Nej";
    QTest::newRow("no button, Escape") << "noButton" << QList<int>{Qt::Key_Escape} << "";
    QTest::newRow("no button, Return") << "noButton" << QList<int>{Qt::Key_Return} << "";
}

// The PC's keys answer a popup only as the user means them, and never reach the screen behind
// it: here the on-screen keyboard, which takes Return as "accept" and letters as typing. Once
// the popup closes, the keys go to the keyboard again.
void TestQmlScene::popupAnswersOnlyTheKeysAimedAtIt()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, keys);
    QFETCH(QString, answer);

    QObject *keyboard = item("onScreenKeyboard");
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard",
                                      Q_ARG(QVariant, QStringLiteral("Evening"))));
    QSignalSpy accepted(keyboard, SIGNAL(textAccepted(QString)));
    QSignalSpy cancelled(keyboard, SIGNAL(editCancelled()));
    QObject *popup = item("popup_widget");
    // Whatever happens, the next test finds both closed.
    const auto closeBoth = qScopeGuard([popup, keyboard] {
        popup->setProperty("visible", false);
        QMetaObject::invokeMethod(keyboard, "closeKeyboard");
    });

    QVERIFY(popup->setProperty("popupKind", kind));
    QVERIFY(popup->setProperty("leftButtonText", QStringLiteral("Ja")));
    QVERIFY(popup->setProperty("centerButtonText", QStringLiteral("Ok")));
    QVERIFY(popup->setProperty("rightButtonText", QStringLiteral("Nej")));
    QVERIFY(popup->setProperty("visible", true));
    QSignalSpy pressed(popup, SIGNAL(popupBtnPressed(QString)));

    for (const int key : keys) {
        if (key == Qt::Key_Backtab)
            QTest::keyClick(m_view.get(), Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(m_view.get(), Qt::Key(key));
    }

    QCOMPARE(pressed.count(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty())
        QCOMPARE(pressed.first().first().toString(), answer);
    QCOMPARE(popup->property("visible").toBool(), answer.isEmpty());
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(cancelled.count(), 0);
    QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evening"));

    QVERIFY(popup->setProperty("visible", false));
    QTest::keyClick(m_view.get(), Qt::Key_S);
    QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evenings"));
}

void TestQmlScene::mainScreenShowsManagerValues()
{
    // Values are shown while a sauna is connected.
    m_wifi.setConnected(true);
    QObject *measured = item("measuredTemperatureText");
    QVERIFY(measured);
    m_measuredTemperature.setValue(75 * 9);
    QCOMPARE(measured->property("text").toString(), QStringLiteral("75°"));

    m_targetTemperature.setValue(80 * 9);
    QVERIFY(item("targetTemperatureText")->property("text").toString().contains("80°C"));
    QObject *stepper = item("temperature_data_provider_tab2_normal");
    QCOMPARE(stepper->findChild<QObject *>("valueText")->property("text").toString(),
             QStringLiteral("80 °C"));
    // The ring fills as the room nears its target.
    QObject *ring = item("temperatureRing");
    QCOMPARE(ring->property("actualPosition").toReal(), 75.0 / 80.0);

    m_bathTime.setValue(90 * value::DurationManager::millisecondsPerMinute);
    QVERIFY(item("bath_time_tab_2")->property("hoursText").toString().contains('1'));
    QVERIFY(item("bath_time_tab_2")->property("minutesText").toString().contains("30"));
}

// A number wider than any the managers let through still keeps to the disc inside the ring, and
// never runs over the power button beside the dial.
void TestQmlScene::dialTextsKeepToTheDialHoweverWide()
{
    m_wifi.setConnected(true);
    auto *measured = qobject_cast<QQuickItem *>(item("measuredTemperatureText"));
    auto *target = qobject_cast<QQuickItem *>(item("targetTemperatureText"));
    auto *power = qobject_cast<QQuickItem *>(item("power_switch_tab"));
    QVERIFY(measured && target && power);
    QQuickItem *dial = measured->parentItem()->parentItem();
    const auto keepsToTheDial = [&](QQuickItem *text) {
        const QRectF dialRect = dial->mapRectToScene(dial->boundingRect());
        const QRectF powerRect = power->mapRectToScene(power->boundingRect());
        const qreal contentWidth = text->property("contentWidth").toReal();
        const QRectF drawn = text->mapRectToScene(
            QRectF((text->width() - contentWidth) / 2, 0, contentWidth, text->height()));
        return contentWidth <= text->width() && dialRect.contains(drawn) &&
               !drawn.intersects(powerRect);
    };

    emit m_measuredTemperature.temperatureValueChanged(-238609294);
    emit m_targetTemperature.temperatureValueChanged(-238609294);
    QCOMPARE(measured->property("text").toString(), QStringLiteral("-238609294°"));
    QTRY_VERIFY(keepsToTheDial(measured));
    QTRY_VERIFY(keepsToTheDial(target));

    m_measuredTemperature.emitValue();
    m_targetTemperature.emitValueChanged();
}

void TestQmlScene::bathTimeTileShowsTheControllersText()
{
    m_wifi.setConnected(true);
    QObject *tile = item("bathTimeTile");
    QVERIFY(m_saunaState.setProperty("bathTimeText", QStringLiteral("1h 30min")));
    QVERIFY(m_saunaState.setProperty("showsTimeLeft", false));
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 30min"));
    QCOMPARE(tile->property("caption").toString(), QStringLiteral("Bath time"));

    QVERIFY(m_saunaState.setProperty("bathTimeText", QStringLiteral("1h 29min")));
    QVERIFY(m_saunaState.setProperty("showsTimeLeft", true));
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 29min"));
    QCOMPARE(tile->property("caption").toString(), QStringLiteral("Time left"));

    // Nothing known, or no sauna: no value.
    QVERIFY(m_saunaState.setProperty("bathTimeText", QString()));
    QCOMPARE(tile->property("value").toString(), QStringLiteral("--"));
    QVERIFY(m_saunaState.setProperty("bathTimeText", QStringLiteral("45min")));
    m_wifi.setConnected(false);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("--"));
    QCOMPARE(tile->property("caption").toString(), QStringLiteral("Bath time"));
    QVERIFY(m_saunaState.setProperty("showsTimeLeft", false));
    m_wifi.setConnected(true);
}

void TestQmlScene::bathTimeEditorWaitsForTheLimit()
{
    QQuickItem *editor = qobject_cast<QQuickItem *>(item("bath_time_tab_2"));
    QQuickItem *save = qobject_cast<QQuickItem *>(item("bathTimeSaveButton"));
    QVERIFY(editor && save);
    QVERIFY(m_saunaState.setProperty("bathTimeLimitKnown", false));
    QVERIFY(!editor->isEnabled());
    QVERIFY(!save->isEnabled());
    QVERIFY(m_saunaState.setProperty("bathTimeLimitKnown", true));
    QVERIFY(editor->isEnabled());
    // Without a bath time there is nothing to save.
    m_bathTime.clearValue();
    QVERIFY(!save->isEnabled());
    m_bathTime.setValue(90 * value::DurationManager::millisecondsPerMinute);
    QVERIFY(save->isEnabled());
}

void TestQmlScene::humidityControlOnlyWhereTheSaunaHasOne()
{
    m_wifi.setConnected(true);
    QQuickItem *humidity = qobject_cast<QQuickItem *>(item("humidity_data_provider_tab2_normal"));
    QVERIFY(humidity);
    QVERIFY(m_humidity.setProperty("humiditySupported", false));
    QVERIFY(!humidity->isVisible());
    QVERIFY(m_humidity.setProperty("humiditySupported", true));
    QVERIFY(humidity->isVisible());
}

void TestQmlScene::mainScreenShowsControllerStates()
{
    QObject *lights = item("lights_switch_tab_2");
    m_peripheral.setLightsOn(true);
    QVERIFY(lights->property("lightsOn").toBool());
    QVERIFY(item("lights_switch_tab_tab2_locked")->property("lightsOn").toBool());

    QObject *power = item("power_switch_tab");
    emit m_saunaState.saunaPhysicalStateChanged(1);
    QCOMPARE(power->property("saunaState").toInt(), 1);
    QVERIFY(power->property("on").toBool());

    emit m_time.systemTimeFormattedChanged("24.12.2024", "18:30", QString());
    QCOMPARE(item("clockText")->property("text").toString(), QStringLiteral("18:30"));

    m_wifi.setConnected(true);
    QCOMPARE(item("connectionIndicator")->property("color").value<QColor>(), QColor("#8fb37a"));
}

void TestQmlScene::switchTilesShowNoStateWithoutASauna()
{
    // The lights and the fan were on when the sauna went: the tiles read "--" and are not lit as
    // if they were still on.
    m_wifi.setConnected(true);
    m_peripheral.setLightsOn(true);
    m_peripheral.setFanRunning(true);
    const QStringList tiles = {"lights_switch_tab_2", "lights_switch_tab_tab2_locked", "fanTile"};
    for (const QString &name : tiles) {
        QObject *tile = item(name.toLatin1().constData());
        QVERIFY2(tile, qPrintable(name));
        QVERIFY2(tile->property("active").toBool(), qPrintable(name));
        QCOMPARE(tile->property("value").toString(), QStringLiteral("On"));
    }
    m_wifi.setConnected(false);
    for (const QString &name : tiles) {
        QObject *tile = item(name.toLatin1().constData());
        QCOMPARE(tile->property("value").toString(), QStringLiteral("--"));
        QVERIFY2(!tile->property("active").toBool(), qPrintable(name));
        QCOMPARE(tile->property("valueColor").value<QColor>(), QColor("#b5a393"));
    }
    // Nor is a tank's level.
    m_waterLevel.setProperty(
        "tanks", QVariantList{QVariantMap{{"text", "Water level: Low"}, {"low", true}}});
    auto *tanks = qobject_cast<QQuickItem *>(item("tankLevels"));
    QVERIFY(tanks);
    QVERIFY(!tanks->isVisible());
    m_wifi.setConnected(true);
    QVERIFY(tanks->isVisible());
    m_waterLevel.setProperty("tanks", QVariantList());
    QVERIFY(!tanks->isVisible());
    m_peripheral.setLightsOn(false);
    m_peripheral.setFanRunning(false);
}

void TestQmlScene::heaterSettingsShowNoFormerSaunasValues()
{
    // The heater settings are open when the sauna goes: its bath time, fan and relays are no
    // longer shown nor can be sent, and the page says that no sauna is connected.
    m_wifi.setConnected(true);
    QVERIFY(m_saunaState.setProperty("bathTimeLimitKnown", true));
    QObject *page = item("heaterSettingsModel");
    QVERIFY(QMetaObject::invokeMethod(page, "open"));
    const char *const controls[] = {"bath_time_tab_2", "bathTimeSaveButton", "fan_running_switch",
                                    "fan_automatic_toggle_switch", "heaterSettingsAuxRelays"};
    for (const char *name : controls) {
        auto *control = qobject_cast<QQuickItem *>(item(name));
        QVERIFY2(control && control->isVisible() && control->isEnabled(), name);
    }
    auto *notice = page->findChild<QQuickItem *>("settingsNotConnectedNotice");
    QVERIFY(notice);
    QVERIFY(!notice->isVisible());

    m_wifi.setConnected(false);
    for (const char *name : controls) {
        auto *control = qobject_cast<QQuickItem *>(item(name));
        QVERIFY2(!control->isVisible() && !control->isEnabled(), name);
    }
    QVERIFY(notice->isVisible());

    m_wifi.setConnected(true);
    QVERIFY(qobject_cast<QQuickItem *>(item("fan_running_switch"))->isEnabled());
    QVERIFY(page->setProperty("visible", false));
}

void TestQmlScene::steppersAndSwitchesEmitTheirRequests()
{
    // The steppers step from a value they show.
    m_targetTemperature.setValue(80 * 9);
    m_targetHumidity.setValue({5, signalInterface::HumidityTypes::E_step});
    QObject *temperature = item("temperature_data_provider_tab2_normal");
    QSignalSpy temperatureSteps(temperature, SIGNAL(changeTemperatureValueRequested(int)));
    click(temperature->findChild<QQuickItem *>("increaseButton"));
    QCOMPARE(temperatureSteps.count(), 1);
    QCOMPARE(temperatureSteps.first().first().toInt(), 0); // StepperControlChange increase

    QObject *humidity = item("humidity_data_provider_tab2_normal");
    QVERIFY(m_humidity.setProperty("humiditySupported", true));
    QSignalSpy humiditySteps(humidity, SIGNAL(changeHumidityValueRequested(int)));
    click(humidity->findChild<QQuickItem *>("decreaseButton"));
    QCOMPARE(humiditySteps.count(), 1);
    QCOMPARE(humiditySteps.first().first().toInt(), 1); // StepperControlChange decrease

    // The switch reports the state it showed; it does not flip by itself.
    QObject *lights = item("lights_switch_tab_2");
    m_peripheral.setLightsOn(false);
    QSignalSpy lightRequests(lights, SIGNAL(lightsStateChangeRequested(bool)));
    click(qobject_cast<QQuickItem *>(lights));
    QCOMPARE(lightRequests.count(), 1);
    QCOMPARE(lightRequests.first().first().toBool(), false);
    QVERIFY(!lights->property("lightsOn").toBool());

    QObject *power = item("power_switch_tab");
    emit m_saunaState.saunaPhysicalStateChanged(0);
    QSignalSpy stateRequests(power, SIGNAL(saunaStateChangeRequested(int)));
    QSignalSpy vibration(power, SIGNAL(vibrationRequested()));
    click(qobject_cast<QQuickItem *>(power));
    QCOMPARE(stateRequests.count(), 1);
    QCOMPARE(stateRequests.first().first().toInt(), 1); // SaunaState on
    QCOMPARE(vibration.count(), 1);

    // The bath time tile opens the heater settings, which starts a bath time edit.
    QVERIFY(m_saunaState.setProperty("bathTimeLimitKnown", true));
    QObject *heater = item("heaterSettingsModel");
    QSignalSpy editActivated(heater, SIGNAL(settingsBathTimeEditActivated()));
    click(qobject_cast<QQuickItem *>(item("bathTimeTile")));
    QCOMPARE(editActivated.count(), 1);
    QVERIFY(heater->property("visible").toBool());
    QSignalSpy committed(heater, SIGNAL(settingsBathTimeCommit()));
    QSignalSpy cancelled(heater, SIGNAL(settingsBathTimeEditCancelled()));
    click(heater->findChild<QQuickItem *>("bathTimeSaveButton"));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(cancelled.count(), 0);
    // The back arrow drops the edit and closes the page.
    click(heater->findChild<QQuickItem *>("pageBackButton"));
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(committed.count(), 1);
    QVERIFY(!heater->property("visible").toBool());
}

void TestQmlScene::lockedScreenFollowsThePinController()
{
    auto *locked = qobject_cast<QQuickItem *>(item("temperature_data_provider_tab2_locked"));
    QVERIFY(!locked->isVisible());
    m_pinCode.setLocked(true);
    QVERIFY(locked->isVisible());
    m_pinCode.setLocked(false);
    QVERIFY(!locked->isVisible());

    QObject *pin = item("pin_input");
    auto *keypad = qobject_cast<QQuickItem *>(pin);
    QSignalSpy login(pin, SIGNAL(confirm_pin_code_login(QString, QString, bool)));
    QVERIFY(QMetaObject::invokeMethod(pin, "open", Q_ARG(QVariant, QStringLiteral("unlock"))));
    QVERIFY(pin->property("visible").toBool());
    // Where each key sits, to check that the refusal line moves none of them. Layouts place
    // their items when the window polishes before its next frame, so that frame is waited for.
    const QStringList keys{"1", "2", "3", "4", "5", "6", "7", "8", "9", "⌫", "0", "OK"};
    auto keyPositions = [&] {
        QSignalSpy frameSwapped(m_view.get(), &QQuickWindow::frameSwapped);
        m_view->update();
        if (!frameSwapped.wait(5000))
            return QList<QPointF>{};
        QList<QPointF> positions;
        for (const QString &key : keys) {
            QQuickItem *button = findInItemTree(keypad, QStringLiteral("pinKey_") + key);
            positions << (button ? button->mapToScene(QPointF(0, 0)) : QPointF(-1, -1));
        }
        return positions;
    };
    QQuickItem *refusedText = findInItemTree(keypad, QStringLiteral("pinRefusedText"));
    QVERIFY(refusedText);
    const QList<QPointF> withoutRefusal = keyPositions();
    QCOMPARE(withoutRefusal.size(), keys.size());
    pin->setProperty("pin", QStringLiteral("4826"));
    click(findInItemTree(qobject_cast<QQuickItem *>(pin), QStringLiteral("pinKey_OK")));
    QCOMPARE(login.count(), 1);
    QCOMPARE(login.first().at(0).toString(), QStringLiteral("4826"));
    QCOMPARE(login.first().at(1).toString(), QStringLiteral("unlock"));
    // The unlock request asks the controller to unlock on a correct PIN.
    QCOMPARE(login.first().at(2).toBool(), true);
    // A wrong PIN keeps the keypad open, empty, with the refusal shown.
    QVERIFY(pin->property("visible").toBool());
    emit m_pinCode.pinCodeConfirmed(QStringLiteral("unlock"), false);
    QVERIFY(pin->property("visible").toBool());
    QCOMPARE(pin->property("pin").toString(), QString());
    // The line has its room whether shown or not: no key moves under a finger.
    QCOMPARE(keyPositions(), withoutRefusal);
    QVERIFY(refusedText->isVisible());
    QCOMPARE(refusedText->opacity(), 1.0);
    QVERIFY(refusedText->height() > 0);
    // The next digit hides the line again, and still nothing moves.
    click(findInItemTree(keypad, QStringLiteral("pinKey_5")));
    QCOMPARE(pin->property("pin").toString(), QStringLiteral("5"));
    QCOMPARE(keyPositions(), withoutRefusal);
    QCOMPARE(refusedText->opacity(), 0.0);
    // An answer to another request is not this keypad's.
    pin->setProperty("pin", QStringLiteral("1234"));
    emit m_pinCode.pinCodeConfirmed(QStringLiteral("settings"), true);
    QVERIFY(pin->property("visible").toBool());
    emit m_pinCode.pinCodeConfirmed(QStringLiteral("unlock"), true);
    QVERIFY(!pin->property("visible").toBool());
}

void TestQmlScene::favoriteNamesGoToTheControllerThatAsked()
{
    QVERIFY(m_root->setProperty("currentTab", 1));
    // Saving the current settings waits for a sauna that has told them.
    auto *save = qobject_cast<QQuickItem *>(item("saveCurrentAsFavoriteButton"));
    m_wifi.setConnected(false);
    m_favoriteOverview.setProperty("currentSettingsKnown", true);
    QVERIFY(!save->isEnabled());
    m_wifi.setConnected(true);
    QVERIFY(save->isEnabled());
    m_favoriteOverview.setProperty("currentSettingsKnown", false);
    QVERIFY(!save->isEnabled());
    QObject *keyboard = item("onScreenKeyboard");
    // On the list, the name is for a new favorite.
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard", Q_ARG(QVariant, QString())));
    auto *label = keyboard->findChild<QQuickItem *>("keyboardLabel");
    QVERIFY(label && label->isVisible());
    QCOMPARE(label->property("text").toString(), QStringLiteral("Name of the favorite"));
    keyboard->setProperty("text", QStringLiteral("Evening"));
    click(keyboard->findChild<QQuickItem *>("keyboardSaveButton"));
    QCOMPARE(m_favoriteOverview.enteredNames, QStringList{QStringLiteral("Evening")});
    QVERIFY(m_favorite.enteredNames.isEmpty());
    // A cancelled name ends the list's request.
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard", Q_ARG(QVariant, QString())));
    click(keyboard->findChild<QQuickItem *>("keyboardCancelButton"));
    QCOMPARE(m_favoriteOverview.cancelledNames, 1);
    QCOMPARE(m_favoriteOverview.enteredNames.size(), 1);

    // The editor shows the favorite the controller edits, and a name typed there renames it.
    m_favorite.edit(QStringLiteral("Morning"), true);
    QObject *editor = item("favoriteNameButton");
    QVERIFY(qobject_cast<QQuickItem *>(editor)->isVisible());
    QVERIFY(QMetaObject::invokeMethod(keyboard, "openKeyboard",
                                      Q_ARG(QVariant, QStringLiteral("Morning"))));
    keyboard->setProperty("text", QStringLiteral("Dawn"));
    click(keyboard->findChild<QQuickItem *>("keyboardSaveButton"));
    QCOMPARE(m_favorite.enteredNames, QStringList{QStringLiteral("Dawn")});
    QCOMPARE(m_favoriteOverview.enteredNames.size(), 1);
    QVERIFY(m_root->setProperty("currentTab", 0));
}

void TestQmlScene::calendarPagesFollowTheirControllers()
{
    m_dateOverview.setMonthTitle(QStringLiteral("May 2025"));
    QObject *month = item("calendarMonthSelector");
    QCOMPARE(month->property("monthText").toString(), QStringLiteral("May 2025"));
    QVERIFY(item("calendarWeekDaysSelector")->property("allDaysActive").toBool());

    QObject *settings = item("calendarDateProgramSettings");
    settings->setProperty("visible", true);
    emit m_dateProgram.calendarProgramEditCompleted();
    QVERIFY(!settings->property("visible").toBool());
}

void TestQmlScene::rowsOfAProgramModelReportApplicationIds()
{
    // The heater page lists the relay switches of the peripheral controller's model.
    QObject *heater = item("heaterSettingsModel");
    QVERIFY(QMetaObject::invokeMethod(heater, "open"));
    QObject *relays = item("heaterSettingsAuxRelays");
    QTRY_COMPARE(relays->property("count").toInt(), 3);
    QSignalSpy relayRequests(relays, SIGNAL(auxRelayActivatedChanged(int, bool)));
    // Scroll the heater page to its end, where the relay list is.
    for (QQuickItem *parent = qobject_cast<QQuickItem *>(relays)->parentItem(); parent;
         parent = parent->parentItem()) {
        if (parent->inherits("QQuickFlickable")) {
            parent->setProperty("contentY",
                                parent->property("contentHeight").toReal() - parent->height());
            break;
        }
    }
    QList<QQuickItem *> toggles;
    collectInItemTree(qobject_cast<QQuickItem *>(relays), QStringLiteral("rowToggle"), toggles);
    QCOMPARE(toggles.size(), 3);
    std::sort(toggles.begin(), toggles.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
    });
    // Relay 0 shows "off": its switch reports relay 0 and the state it showed.
    click(toggles.at(0));
    QCOMPARE(relayRequests.count(), 1);
    QCOMPARE(relayRequests.first().at(0).toInt(), 0);
    QCOMPARE(relayRequests.first().at(1).toBool(), false);
    heater->setProperty("visible", false);
}

void TestQmlScene::settingsTabBuildsItsPages()
{
    auto *rootItem = qobject_cast<QQuickItem *>(m_root);
    QVERIFY(!item("settingsTab")->property("frameActive").toBool());
    QVERIFY(!findInItemTree(rootItem, QStringLiteral("settingsAreaList")));
    QVERIFY(m_root->setProperty("currentTab", 3));
    QTRY_VERIFY(findInItemTree(rootItem, QStringLiteral("settingsAreaList")));
    QVERIFY(recordedWarnings.isEmpty());
    // In the settings, the keyboard is asked for a relay's name.
    auto *keyboardLabel = item("onScreenKeyboard")->findChild<QQuickItem *>("keyboardLabel");
    QVERIFY(keyboardLabel);
    QCOMPARE(keyboardLabel->property("text").toString(), QStringLiteral("Name of the relay"));

    // The first area is the System menu: its page lists the model's rows, and a row reports
    // its application id through the System menu's sender.
    QObject *systems = item("configureSystemsSelector");
    QSignalSpy selected(systems, SIGNAL(itemSelected(int)));
    QTest::mouseClick(m_view.get(), Qt::LeftButton, {}, QPoint(170, 36 + 52 + 8 + 28));
    QTRY_VERIFY(findInItemTree(rootItem, QStringLiteral("settingsList")));
    // Touches reach the new page once the stack has finished moving it in.
    QQuickItem *stack = findInItemTree(rootItem, QStringLiteral("settingsStack"));
    QVERIFY(stack);
    QTRY_VERIFY(!stack->property("busy").toBool());
    QList<QQuickItem *> rows;
    QTRY_VERIFY((rows.clear(), collectInItemTree(rootItem, QStringLiteral("menuRow"), rows),
                 rows.size() >= 2));
    std::sort(rows.begin(), rows.end(), [](QQuickItem *a, QQuickItem *b) {
        return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
    });
    click(rows.last());
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first().first().toInt(), 17);

    // The program answers the Network row with the Network screen's id; the menu opens it.
    QObject *network = item("configureNetworkView");
    QSignalSpy networkShown(network, SIGNAL(networkViewVisibleChanged(bool)));
    emit m_systemView.editSelected(2);
    QQuickItem *networkList = nullptr;
    QTRY_VERIFY((networkList = findInItemTree(rootItem, QStringLiteral("networkListPage"))));
    QTRY_VERIFY(networkList->isVisible());
    QTRY_COMPARE(networkShown.count(), 1);
    QCOMPARE(networkShown.first().first().toBool(), true);
    QVERIFY(findInItemTree(networkList, QStringLiteral("networkSaunaList")));

    // Back from the Network screen, back from the System menu: the list of areas again.
    QTRY_VERIFY(networkList->isVisible() && !anyStackBusy(rootItem));
    click(findInItemTree(networkList, QStringLiteral("pageBackButton")));
    QTRY_COMPARE(networkShown.count(), 2);
    QCOMPARE(networkShown.last().first().toBool(), false);
    QTRY_VERIFY(!findInItemTree(rootItem, QStringLiteral("networkListPage")));
    QQuickItem *systemMenu = findInItemTree(rootItem, QStringLiteral("systemMenuPage"));
    QVERIFY(systemMenu);
    QTRY_VERIFY(!anyStackBusy(rootItem));
    click(findInItemTree(systemMenu, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem, QStringLiteral("systemMenuPage")));
    QVERIFY(m_root->setProperty("currentTab", 0));
}

void TestQmlScene::networkAreaOpensTheNetworkScreen()
{
    auto *rootItem = qobject_cast<QQuickItem *>(m_root);
    QVERIFY(m_root->setProperty("currentTab", 3));
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem, QStringLiteral("settingsArea_network"))));
    QTRY_VERIFY(!anyStackBusy(rootItem));
    QObject *network = item("configureNetworkView");
    QSignalSpy networkShown(network, SIGNAL(networkViewVisibleChanged(bool)));
    QSignalSpy rowSelected(network, SIGNAL(rowItemSelected(int)));
    click(area);
    QQuickItem *screen = nullptr;
    QTRY_VERIFY((screen = findInItemTree(rootItem, QStringLiteral("networkListPage"))));
    QTRY_COMPARE(networkShown.count(), 1);

    // The program answers with the ids of the pages; each has the names a test looks for.
    QTRY_VERIFY(!anyStackBusy(rootItem));
    emit m_networkView.editSelected(13);
    QQuickItem *ipPage = nullptr;
    QTRY_VERIFY((ipPage = findInItemTree(rootItem, QStringLiteral("networkIpConnectPage"))));
    QVERIFY(findInItemTree(ipPage, QStringLiteral("networkIpAddressField")));
    QVERIFY(findInItemTree(ipPage, QStringLiteral("networkPortField")));
    emit m_networkView.systemIpAddressChanged(QStringLiteral("10.231.9.1"));
    QCOMPARE(findInItemTree(ipPage, QStringLiteral("networkIpAddressField"))
                 ->property("text")
                 .toString(),
             QStringLiteral("10.231.9.1"));

    // Typed without Return: leaving a field commits it, "Detect" commits both first, and a
    // refused value stops the search.
    QTRY_VERIFY(!anyStackBusy(rootItem));
    QSignalSpy addressCommits(network, SIGNAL(manualAddSystemIpAddressCommit(QString)));
    QSignalSpy portCommits(network, SIGNAL(manualAddSystemPortChanged(QString)));
    QSignalSpy buttons(network, SIGNAL(buttonPressed(int)));
    QSignalSpy addressEdits(network, SIGNAL(saunaIpAddressEditActivated()));
    QSignalSpy portEdits(network, SIGNAL(saunaIpPortEditActivated()));
    const auto typeInto = [this, ipPage](const char *fieldName, const QString &text) {
        QQuickItem *input = findInItemTree(ipPage, QString::fromLatin1(fieldName))
                                ->property("inputItem")
                                .value<QQuickItem *>();
        click(input);
        QTRY_VERIFY(input->hasActiveFocus());
        QTest::keyClick(m_view.get(), Qt::Key_A, Qt::ControlModifier);
        for (const QChar character : text)
            QTest::keyClick(m_view.get(), character.toLatin1());
    };
    typeInto("networkIpAddressField", QStringLiteral("192.168.7.20"));
    QCOMPARE(addressEdits.count(), 1);
    QCOMPARE(addressCommits.count(), 0);
    typeInto("networkPortField", QStringLiteral("5000"));
    QCOMPARE(portEdits.count(), 1);
    QCOMPARE(addressEdits.count(), 1);
    QCOMPARE(addressCommits.count(), 1);
    QCOMPARE(addressCommits.last().first().toString(), QStringLiteral("192.168.7.20"));
    QCOMPARE(portCommits.count(), 0);
    QVERIFY(QMetaObject::invokeMethod(ipPage, "detect"));
    QCOMPARE(portCommits.count(), 1);
    QCOMPARE(portCommits.last().first().toString(), QStringLiteral("5000"));
    QCOMPARE(buttons.count(), 1);
    QCOMPARE(buttons.last().first().toInt(), 20);
    {
        EditRefuser refuser(&m_networkView, 15, QStringLiteral("Invalid port"));
        QVERIFY(connect(network, SIGNAL(manualAddSystemPortChanged(QString)), &refuser,
                        SLOT(refuse())));
        QVERIFY(QMetaObject::invokeMethod(ipPage, "detect"));
        QCOMPARE(buttons.count(), 1);
        QCOMPARE(findInItemTree(ipPage, QStringLiteral("networkPortField"))
                     ->property("errorText")
                     .toString(),
                 QStringLiteral("Invalid port"));
    }
    emit m_networkView.editSelected(10);
    QTRY_VERIFY(!findInItemTree(rootItem, QStringLiteral("networkIpConnectPage")));
    QTRY_VERIFY(!anyStackBusy(rootItem));
    emit m_networkView.editSelected(12);
    QQuickItem *detailsPage = nullptr;
    QTRY_VERIFY(
        (detailsPage = findInItemTree(rootItem, QStringLiteral("networkSaunaDetailsPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem));
    // "Delete" follows the program while the page stays open.
    QQuickItem *deleteButton =
        findInItemTree(detailsPage, QStringLiteral("networkSaunaDeleteButton"));
    QVERIFY(deleteButton);
    emit m_networkView.saunaDetailsDeleteApplicable(false);
    QVERIFY(!deleteButton->isVisible());
    emit m_networkView.saunaDetailsDeleteApplicable(true);
    QVERIFY(deleteButton->isVisible());
    emit m_networkView.saunaDetailsDeleteApplicable(false);
    QVERIFY(!deleteButton->isVisible());
    emit m_networkView.editSelected(16);
    QQuickItem *pinPage = nullptr;
    QTRY_VERIFY((pinPage = findInItemTree(rootItem, QStringLiteral("networkPinEditorPage"))));
    QVERIFY(findInItemTree(pinPage, QStringLiteral("networkPinField")));
    emit m_networkView.editSelected(10);
    QTRY_VERIFY(!findInItemTree(rootItem, QStringLiteral("networkSaunaDetailsPage")));
    QTRY_VERIFY(!anyStackBusy(rootItem));
    click(findInItemTree(screen, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem, QStringLiteral("networkListPage")));
    QCOMPARE(networkShown.last().first().toBool(), false);
    QVERIFY(m_root->setProperty("currentTab", 0));
}
void TestQmlScene::wheelScrollsListsByRows_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<int>("rowCount");
    QTest::newRow("list longer than its room") << "list" << 30;
    QTest::newRow("list with a row beyond the fold") << "list" << 8;
    QTest::newRow("list that fits") << "list" << 3;
    // Pages that hold lists in a flickable of their own move it the same way.
    QTest::newRow("flickable page") << "page" << 30;
    QTest::newRow("flickable page that fits") << "page" << 3;
}

// A list on a PC: one wheel notch moves it about three rows, and a list that goes on beyond its
// edge shows a scroll bar.
void TestQmlScene::wheelScrollsListsByRows()
{
    QFETCH(QString, holder);
    QFETCH(int, rowCount);
    view::ListModel rows(view::StepperControllerItem::roleNames(), nullptr);
    for (int index = 0; index < rowCount; ++index) {
        auto *row = new view::ToggleStandardItem(index, false);
        row->setValue(QStringLiteral("Row %1").arg(index));
        rows.appendItem(row);
    }
    const QByteArray list = R"(
import QtQuick
import "components"
GenericListView {
    model: wheelTestRows
}
)";
    const QByteArray page = R"(
import QtQuick
import "components"
import "components/Theme.js" as Theme
Flickable {
    id: scroller
    property int rows: 0
    contentHeight: column.height
    boundsBehavior: Flickable.StopAtBounds
    Column {
        id: column
        Repeater {
            model: scroller.rows
            Rectangle { width: 300; height: Theme.rowHeight }
        }
    }
    RowWheelHandler { flickable: scroller }
}
)";
    QQuickView window;
    window.setResizeMode(QQuickView::SizeRootObjectToView);
    window.rootContext()->setContextProperty(QStringLiteral("wheelTestRows"), &rows);
    QQmlComponent component(window.engine());
    component.setData(holder == QLatin1String("list") ? list : page,
                      QUrl::fromLocalFile(viewDirectory() + "/wheel_test.qml"));
    std::unique_ptr<QObject> created(component.create(window.rootContext()));
    auto *flickable = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(flickable, qPrintable(component.errorString()));
    flickable->setParentItem(window.contentItem());
    flickable->setSize(QSizeF(300, 400));
    flickable->setProperty("rows", rowCount);
    window.resize(300, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(flickable->property("contentHeight").toInt() > 0, true);

    const qreal rowHeight = flickable->property("contentHeight").toReal() / rowCount;
    QVERIFY(rowHeight > 20);
    const qreal room = flickable->property("contentHeight").toReal() - flickable->height();
    const qreal top = flickable->property("contentY").toReal();
    if (holder == QLatin1String("list")) {
        auto *bar = findInItemTree(flickable, QStringLiteral("listScrollBar"));
        QVERIFY(bar);
        const bool barShown = bar->isVisible() && bar->opacity() > 0 && bar->width() > 0;
        QCOMPARE(barShown, room > 0);
    }

    const auto turnWheel = [&](int notches) {
        const QPointF centre(flickable->width() / 2, flickable->height() / 2);
        QWheelEvent wheel(centre, window.mapToGlobal(centre), QPoint(), QPoint(0, -120 * notches),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QGuiApplication::sendEvent(&window, &wheel);
    };
    const auto moved = [&] {
        return flickable->property("contentY").toReal() - top;
    };
    turnWheel(1);
    const qreal expected = qMin(room, 3 * rowHeight);
    if (expected > 0)
        QTRY_VERIFY2(moved() >= expected - rowHeight / 2, qPrintable(QString::number(moved())));
    QVERIFY(moved() <= qMax<qreal>(0, expected + rowHeight / 2));
    // Back up: the list returns to its first row and no further.
    turnWheel(-2);
    QTRY_COMPARE(moved(), 0.0);
}

// Both text kinds carry a value2: a text row's is its heading flag, a text item's its font size.
void TestQmlScene::textRowsShowWhatTheirKindMeans()
{
    view::ListModel rows(view::StepperControllerItem::roleNames(), nullptr);
    rows.appendItem(new view::TextRowItem(QStringLiteral("Heading"), true));
    auto *line = new view::TextRowItem(QStringLiteral("Line"), false);
    rows.appendItem(line);
    auto *large = new view::TextItem(QStringLiteral("Large"));
    large->setFontSize(23);
    rows.appendItem(large);

    QQuickView window;
    QString error;
    std::unique_ptr<QObject> created = showGenericList(window, rows, error);
    auto *list = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(list, qPrintable(error));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTRY_COMPARE(itemsTopDown(list, QStringLiteral("rowText")).size(), 3);
    const QList<QQuickItem *> texts = itemsTopDown(list, QStringLiteral("rowText"));
    const auto shown = [&texts](int row) {
        const QFont font = texts.at(row)->property("font").value<QFont>();
        return QStringLiteral("%1 %2%3")
            .arg(texts.at(row)->property("text").toString())
            .arg(font.pixelSize())
            .arg(font.bold() ? QStringLiteral(" bold") : QString());
    };
    QCOMPARE(shown(0), QStringLiteral("Heading 16 bold"));
    QCOMPARE(shown(1), QStringLiteral("Line 16"));
    QCOMPARE(shown(2), QStringLiteral("Large 23"));
    QVERIFY(texts.at(0)->property("color") != texts.at(1)->property("color"));

    // A row set to a heading in place is drawn as one.
    line->setValue2(true);
    QTRY_COMPARE(shown(1), QStringLiteral("Line 16 bold"));
}

// A tapped row reports the id the model gives for its row now: after the builder gave the row
// another id, and after a row was put above it.
void TestQmlScene::tappedRowReportsItsCurrentId()
{
    view::ListModel rows(view::RowItemBase::roleNames(), nullptr);
    rows.appendItem(new view::RowItem2(QStringLiteral("First"), 5));
    auto *second = new view::RowItem2(QStringLiteral("Second"), 6);
    rows.appendItem(second);

    QQuickView window;
    QString error;
    std::unique_ptr<QObject> created = showGenericList(window, rows, error);
    auto *list = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(list, qPrintable(error));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy selected(list, SIGNAL(rowSelected(int)));

    const auto rowText = [list](const QString &text) -> QQuickItem * {
        for (QQuickItem *shown : itemsTopDown(list, QStringLiteral("rowMainText"))) {
            if (shown->property("text").toString() == text)
                return shown;
        }
        return nullptr;
    };
    const auto tap = [&window, &rowText](const QString &text) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, centreOf(rowText(text)).toPoint());
    };
    QTRY_VERIFY(rowText(QStringLiteral("Second")));
    tap(QStringLiteral("Second"));
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.at(0).at(0).toInt(), 6);

    // Only the id changes: the row is not rebuilt.
    second->setApplId(9);
    tap(QStringLiteral("Second"));
    QCOMPARE(selected.size(), 2);
    QCOMPARE(selected.at(1).at(0).toInt(), 9);

    rows.insertItem(0, new view::RowItem2(QStringLiteral("Zero"), 1));
    QTRY_VERIFY(rowText(QStringLiteral("Zero")));
    tap(QStringLiteral("Zero"));
    tap(QStringLiteral("Second"));
    QCOMPARE(selected.size(), 4);
    QCOMPARE(selected.at(2).at(0).toInt(), 1);
    QCOMPARE(selected.at(3).at(0).toInt(), 9);
}

void TestQmlScene::errorLogRowsBreakBetweenWords_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("name");
    const QString board = QStringLiteral("Primär");
    const QString sensor = QStringLiteral("Raumtemperaturfühler nicht angeschlossen");
    const QString bus = QStringLiteral("Kommunikationsfehler der Leistungsplatine");
    for (const int width : {300, 340, 400, 480, 640}) {
        QTest::addRow("%d, sensor", width) << width << board << sensor;
        QTest::addRow("%d, bus", width) << width << board << bus;
        QTest::addRow("%d, long board", width) << width << QStringLiteral("Sekundär 2") << bus;
    }
}

// An error log row's board and name (German: long compound words) break between words at any
// list width, never inside a word that fits a line of its own; the board keeps to the name's
// first word where one line holds both, and no line ends with the separator between them.
void TestQmlScene::errorLogRowsBreakBetweenWords()
{
    QFETCH(int, width);
    QFETCH(QString, board);
    QFETCH(QString, name);

    view::ListModel rows(view::RowItemBase::roleNames(), nullptr);
    auto *entry = new view::RowItemPlain(QStringLiteral("12"), 12);
    entry->setData(QStringLiteral("07.12.2026 18:45"), view::RowItemBase::TextValue1Role);
    entry->setData(board, view::RowItemBase::TextValue2Role);
    entry->setData(name, view::RowItemBase::TextValue3Role);
    rows.appendItem(entry);

    QQuickView window;
    QString error;
    std::unique_ptr<QObject> created = showGenericList(window, rows, error, width);
    auto *list = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(list, qPrintable(error));
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QQuickItem *detail = nullptr;
    QTRY_VERIFY((detail = findInItemTree(list, QStringLiteral("plainRowDetail"))));
    QTRY_VERIFY(detail->width() > 0);
    QTRY_VERIFY(detail->property("text").toString().contains(name));
    const QString text = detail->property("text").toString();
    const QFont font = detail->property("font").value<QFont>();
    const QFontMetricsF metrics(font);
    const QString firstWord = name.section(QLatin1Char(' '), 0, 0);
    // Every word fits a line of its own here.
    QVERIFY(metrics.horizontalAdvance(firstWord) < detail->width());

    // The text's lines as the item lays them out: the same text, font, width and wrapping, and
    // as many lines as the item shows.
    QStringList shown;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(detail->width());
            const int end = line.textStart() + line.textLength();
            QVERIFY2(end == paragraph.size() || paragraph.at(end - 1) == QLatin1Char(' '),
                     qPrintable(QStringLiteral("\"%1\" breaks inside a word after \"%2\"")
                                    .arg(text, paragraph.left(end))));
            shown << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    QCOMPARE(detail->property("lineCount").toInt(), shown.size());
    for (const QString &line : shown)
        QVERIFY2(!line.endsWith(QStringLiteral("·")), qPrintable(shown.join(" / ")));
    // Board and first word together wherever one line holds them (a pixel or two either way
    // is the text layout's to decide).
    const qreal head = metrics.horizontalAdvance(board + QStringLiteral("  ·  ") + firstWord);
    if (qAbs(head - detail->width()) > 2)
        QCOMPARE(shown.first().contains(firstWord), head < detail->width());
}

// The model and the message carry the plain texts; where the view draws them, a range of times
// and a number with its unit never break across lines, whatever the width.
void TestQmlScene::rowsAndPopupKeepRangesAndUnitsOnOneLine()
{
    const QString range = QStringLiteral("22:00 - 01:00");
    const QString rate = QStringLiteral("2°C/min");
    const QString line = QStringLiteral("Programs 22:00 - 01:00 at a rate of 2°C/min");
    view::ListModel rows(view::StepperControllerItem::roleNames(), nullptr);
    rows.appendItem(new view::TextRowItem(line, false));

    QQuickView window;
    window.rootContext()->setContextProperty(QStringLiteral("keptTestRows"), &rows);
    QQmlComponent component(window.engine());
    component.setData(R"(
import QtQuick
import "components"
GenericListView {
    width: 300
    height: 400
    model: keptTestRows
}
)",
                      QUrl::fromLocalFile(viewDirectory() + "/kept_rows_test.qml"));
    std::unique_ptr<QObject> created(component.create(window.rootContext()));
    auto *list = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(list, qPrintable(component.errorString()));
    list->setParentItem(window.contentItem());
    window.resize(400, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto only = [list](const char *name) -> QQuickItem * {
        QList<QQuickItem *> found;
        collectInItemTree(list, QString::fromLatin1(name), found);
        return found.size() == 1 ? found.first() : nullptr;
    };
    QTRY_VERIFY(only("rowText"));
    QQuickItem *text = only("rowText");
    QTRY_VERIFY(text->width() > 0);
    const qreal margins = list->width() - text->width();

    // Where a line holds the whole range, the range stays on one; narrower, it must break.
    const auto holds = [](const QQuickItem *item, const QString &part) {
        return QFontMetricsF(item->property("font").value<QFont>()).horizontalAdvance(part) <=
               item->width();
    };
    bool wrapped = false;
    for (int width = 100; width <= 400; width += 3) {
        list->setWidth(width);
        QTRY_COMPARE(text->width(), width - margins);
        for (const QString &part : {range, rate}) {
            if (holds(text, part)) {
                wrapped = wrapped || text->property("lineCount").toInt() > 1;
                QVERIFY2(!breaksInside(text, part),
                         qPrintable(QStringLiteral("%1 at %2").arg(part).arg(width)));
            }
        }
    }
    QVERIFY(wrapped);

    // A message with two ranges, in popups of every width.
    QQmlComponent popupComponent(window.engine());
    popupComponent.setData(R"(
import QtQuick
import "components"
PopupWidget {
    width: 300
    height: 400
}
)",
                           QUrl::fromLocalFile(viewDirectory() + "/kept_popup_test.qml"));
    std::unique_ptr<QObject> popupObject(popupComponent.create(window.rootContext()));
    auto *popup = qobject_cast<QQuickItem *>(popupObject.get());
    QVERIFY2(popup, qPrintable(popupComponent.errorString()));
    popup->setParentItem(window.contentItem());
    const QString message =
        QStringLiteral("Mon 23:00 - 02:00 starts in the not-allowed hours 22:00 - 06:00.");
    QVERIFY(popup->setProperty("popupText", message));
    QVERIFY(popup->setProperty("visible", true));
    auto *popupText = popup->findChild<QQuickItem *>(QStringLiteral("popupText"));
    QVERIFY(popupText);
    wrapped = false;
    for (int width = 100; width <= 400; width += 3) {
        popup->setWidth(width);
        QTRY_VERIFY(popupText->width() > 0 && popupText->width() < width);
        for (const QString &part :
             {QStringLiteral("23:00 - 02:00"), QStringLiteral("22:00 - 06:00.")}) {
            if (holds(popupText, part)) {
                wrapped = wrapped || popupText->property("lineCount").toInt() > 1;
                QVERIFY2(!breaksInside(popupText, part),
                         qPrintable(QStringLiteral("%1 at %2").arg(part).arg(width)));
            }
        }
    }
    QVERIFY(wrapped);
    // The message itself stays as it was written.
    QCOMPARE(popup->property("popupText").toString(), message);
}

void TestQmlScene::settingsObjectTakesTheGlobalValues()
{
    QQmlComponent component(m_view->engine(),
                            QUrl::fromLocalFile(viewDirectory() + "/SettingsBase.qml"));
    std::unique_ptr<QObject> settings(component.create());
    QVERIFY2(settings, qPrintable(component.errorString()));
    QVERIFY(settings->setProperty("shouldInitializeGlobalSettingWithItself", true));
    QVERIFY(settings->setProperty("systemType", QStringLiteral("pc")));
    QVERIFY(settings->setProperty("systemBrand", QStringLiteral("vaho")));
    QVERIFY(settings->setProperty("appWidth", 340));
    QVERIFY(settings->setProperty("appHeight", 600));
    QCOMPARE(settings->property("systemType").toString(), QStringLiteral("pc"));
    QCOMPARE(settings->property("appHeight").toInt(), 600);
    // The program's own instance builds no pages and no senders; the scene's instance has them.
    QVERIFY(!settings->findChild<QObject *>("settingsAreaList"));
    QVERIFY(!settings->findChild<QObject *>("configureNetworkView"));
    QVERIFY(!settings->property("senders").value<QObject *>());
    QObject *settingsTab = item("settingsTab");
    QVERIFY(settingsTab);
    QObject *senders = settingsTab->property("senders").value<QObject *>();
    QVERIFY(senders);
    QCOMPARE(senders->findChild<QObject *>("configureNetworkView"), item("configureNetworkView"));
}

void TestQmlScene::startupScreenLoads()
{
    QQmlEngine engine;
    QQmlComponent settingsComponent(&engine,
                                    QUrl::fromLocalFile(viewDirectory() + "/SettingsBase.qml"));
    std::unique_ptr<QObject> settings(settingsComponent.create());
    QVERIFY(settings);
    settings->setProperty("shouldInitializeGlobalSettingWithItself", true);
    settings->setProperty("systemBrand", QStringLiteral("lumo"));
    settings->setProperty("appWidth", 340);
    settings->setProperty("appHeight", 600);

    QQmlComponent splashComponent(
        &engine, QUrl::fromLocalFile(viewDirectory() + "/main_startup_screen.qml"));
    std::unique_ptr<QObject> splash(splashComponent.create());
    QVERIFY2(splash, qPrintable(splashComponent.errorString()));
    // The settings object goes away while the splash is still shown.
    settings.reset();
    QCOMPARE(splash->findChild<QObject *>("brandText")->property("text").toString(),
             QStringLiteral("Lumo"));
    QCOMPARE(splash->property("width").toInt(), 340);
}

void TestQmlScene::rowsKeepWordsWhole_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("value");
    // Whether the value stands beside the row's text, or on a line of its own below it.
    QTest::addColumn<bool>("beside");
    const QString german = QStringLiteral("Wochentagsprogramm");
    const QString finnish = QStringLiteral("viikonp\u00e4iv\u00e4ohjelma");
    QTest::newRow("300, long word") << 300 << german << false;
    QTest::newRow("328, long word") << 328 << german << false;
    QTest::newRow("328, shorter word") << 328 << finnish << true;
    QTest::newRow("340, words") << 340 << QStringLiteral("weekday calendar program") << true;
    QTest::newRow("480, long word") << 480 << german << true;
}

// A queue row of the widest times beside a program's kind: the value stands beside the text where
// the line holds both at their least widths, and takes a line of its own below it where not; no
// word and no range of times breaks, and every text keeps to its box.
void TestQmlScene::rowsKeepWordsWhole()
{
    QFETCH(int, width);
    QFETCH(QString, value);
    QFETCH(bool, beside);
    const QString range = QStringLiteral("10:00pm - 10:00am");
    view::ListModel rows(view::RowItemBase::roleNames(), nullptr);
    QQuickView window;
    QString error;
    std::unique_ptr<QObject> created = showGenericList(window, rows, error, width);
    auto *list = qobject_cast<QQuickItem *>(created.get());
    QVERIFY2(list, qPrintable(error));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Built while the list is shown, as the queue builds its rows anew for another language.
    auto *row = new view::RowItemPlain(QStringLiteral("16/06/31 ") + range, 1);
    row->setData(value, view::RowItemBase::TextValue1Role);
    row->setData(QStringLiteral("WELLNESS WEEKEND MAX"), view::RowItemBase::TextValue2Role);
    rows.appendItem(row);

    QQuickItem *main = nullptr;
    QTRY_VERIFY((main = findInItemTree(list, QStringLiteral("rowMainText"))));
    QQuickItem *valueBeside = findInItemTree(list, QStringLiteral("rowValue"));
    QQuickItem *valueBelow = findInItemTree(list, QStringLiteral("rowValueBelow"));
    QVERIFY(valueBeside && valueBelow);
    QTRY_COMPARE(valueBeside->isVisible(), beside);
    QCOMPARE(valueBelow->isVisible(), !beside);
    QQuickItem *shownValue = beside ? valueBeside : valueBelow;
    QCOMPARE(shownValue->property("text").toString(), value);
    const bool oneWord = !value.contains(QLatin1Char(' '));
    if (oneWord)
        QCOMPARE(shownValue->property("lineCount").toInt(), 1);
    QVERIFY(!breaksInside(main, range));
    // Each text within its box, and its box within the row, once the row is laid out.
    const auto problem = [list](const QQuickItem *text) {
        const QRectF box = text->mapRectToItem(list, QRectF(0, 0, text->width(), text->height()));
        if (text->property("paintedWidth").toReal() > text->width() + 0.5 ||
            text->property("paintedHeight").toReal() > text->height() + 0.5 ||
            !QRectF(0, 0, list->width(), list->height()).contains(box))
            return QStringLiteral("\"%1\" at %2,%3 %4x%5, drawn %6x%7")
                .arg(text->property("text").toString())
                .arg(box.x())
                .arg(box.y())
                .arg(box.width())
                .arg(box.height())
                .arg(text->property("paintedWidth").toReal())
                .arg(text->property("paintedHeight").toReal());
        return QString();
    };
    for (const QQuickItem *text :
         {main, shownValue, findInItemTree(list, QStringLiteral("plainRowDetail"))}) {
        QVERIFY(text);
        QTRY_VERIFY2(problem(text).isEmpty(), qPrintable(problem(text)));
    }
}

QTEST_MAIN(TestQmlScene)
#include "tst_qml_scene.moc"
