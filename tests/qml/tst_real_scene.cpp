#include "control/settings.h"
#include "control/start_up_screen_controller.h"
#include "control/variant_controller_pc_panel.h"
#include "pc_panel/datagram_transport.h"
#include "pc_panel/instance_settings.h"
#include "qml/capturing_transport.h"
#include "qml/scene_test_support.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/pin_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/temperature_types.h"
#include "signal_interface/user_message_types.h"
#include "signal_interface/variant_types.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"
#include "view_cpp/configure_tab_objects_provider.h"
#include "view_cpp/frame_wiring.h"
#include "view_cpp/gui_handler.h"
#include "view_cpp/language_support.h"
#include "view_cpp/list_model.h"
#include "view_cpp/panel_frame.h"
#include "view_cpp/register_view_qml_types.h"
#include "view_cpp/row_item.h"
#include "view_cpp/start_up.h"
#include "view_cpp/window_sizes.h"

#include "message.pb.h"

#include <QColor>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>
#include <memory>

// The scene with the program's own objects behind every name it uses: the start-up object graph
// of the panel, its controllers and settings screens. Any warning of the QML engine (a handler
// for a signal the object lacks, a property it lacks, a name nobody published) fails the test.
// The link is built but never started: no socket is opened.

using sceneTest::anyStackBusy;
using sceneTest::CapturingTransport;
using sceneTest::findInItemTree;
using sceneTest::previousHandler;
using sceneTest::recordedWarnings;
using sceneTest::recordMessage;

namespace {

void collectStepButtons(QQuickItem *parent, QList<QQuickItem *> &found)
{
    for (QQuickItem *child : parent->childItems()) {
        if (child->metaObject()->indexOfSignal("stepped()") >= 0)
            found << child;
        collectStepButtons(child, found);
    }
}

class SlideFrames;

} // namespace

class TestRealScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void sceneLoadsAndWiresWithoutWarnings();
    void aConnectedSaunaShowsNoValueUntilItReports();
    void mainScreenShowsNoValueWithoutASauna();
    void mainScreenFollowsTheControllers();
    void dialTextsStayOnTheDial();
    void backingOutOfTheBathTimeShowsTheSaunasValue();
    void bathTimeStepsDownToOneMinuteOnTheWire();
    void popupShowsTheMessageControllersMessage();
    void lockScreenAndKeypadFollowThePinController();
    void pcKeyboardWorksTheKeypad_data();
    void pcKeyboardWorksTheKeypad();
    void favoriteEditorFollowsTheFavoriteController();
    void favoritePageActsOnTheBathTimeItShows_data();
    void favoritePageActsOnTheBathTimeItShows();
    void calendarFollowsItsControllers();
    void networkScreenOpensFromTheSettingsTab();
    void networkPagesNeverSlideInOrOutEmpty();
    void settingsListPagesNeverSlideInOrOutEmpty();
    void standbySaveWaitsForTheSaunasSwitch();
    void splashShowsTheProgramsBrand_data();
    void splashShowsTheProgramsBrand();

private:
    QObject *item(const char *objectName) const;
    QQuickItem *rootItem() const;
    void click(QQuickItem *target);
    QString shownText(const char *objectName) const;
    void verifyNoSaunaShown();
    void reportSaunaValues(int roomDegrees, int targetDegrees, bool lightsOn);
    // Taps the row, waits until its page has slid in, taps the page's Back and waits until it has
    // slid out: both slides were drawn, and no frame of them had a fault.
    void slideInAndBack(const SlideFrames &frames, QQuickItem *row, const QString &pageName);
    // Switches the PIN lock on, and acknowledges the notice of the default PIN that unlocks.
    void switchPinLockOn();

    std::unique_ptr<control::VariantControllerPcPanel> m_variant;
    std::unique_ptr<startUp::PanelFrame> m_frame;
    // The settings screens' objects, when the frame does not publish them itself.
    std::unique_ptr<details::ConfigureTabObjectsProvider> m_configure;
};

void TestRealScene::initTestCase()
{
    previousHandler = qInstallMessageHandler(recordMessage);
    control::Settings(startUp::settingsOrganizationName(control::buildBrand()),
                      pcPanel::InstanceSettings::applicationBaseName());
    startUp::registerSignalMetaTypes();
    startUp::registerSignalInterfaceQmlTypes();
    view::registerComponentQmlTypes();
    view::registerCircleValueProviderQmlType();

    m_variant = std::make_unique<control::VariantControllerPcPanel>(control::buildBrand(), nullptr);
    startUp::FrameOptions options;
    options.qmlDirectory = QStringLiteral(PANEL_QML_VIEW_DIR "/");
    m_frame = std::make_unique<startUp::PanelFrame>(*m_variant, options);

    QQmlContext *context = m_frame->guiHandler.view()->rootContext();
    if (!context->contextProperty(QStringLiteral("configure_network_controller")).isValid()) {
        m_configure = std::make_unique<details::ConfigureTabObjectsProvider>(nullptr);
        m_configure->publish(context);
    }
}

void TestRealScene::init()
{
    recordedWarnings.clear();
}

void TestRealScene::cleanup()
{
    QVERIFY2(recordedWarnings.isEmpty(), qPrintable(recordedWarnings.join('\n')));
}

void TestRealScene::cleanupTestCase()
{
    m_frame.reset();
    m_configure.reset();
    m_variant.reset();
    qInstallMessageHandler(previousHandler);
}

QObject *TestRealScene::item(const char *objectName) const
{
    return m_frame->guiHandler.rootObject()->findChild<QObject *>(QString::fromLatin1(objectName));
}

QQuickItem *TestRealScene::rootItem() const
{
    return qobject_cast<QQuickItem *>(m_frame->guiHandler.rootObject());
}

void TestRealScene::click(QQuickItem *target)
{
    QVERIFY(target);
    QVERIFY(target->isVisible());
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(m_frame->guiHandler.view(), Qt::LeftButton, {}, centre.toPoint());
}

void TestRealScene::sceneLoadsAndWiresWithoutWarnings()
{
    // A fan state reported before the scene exists is shown without being reported again.
    control::PeripheralController &peripherals = m_frame->controllerTab.peripheralController;
    peripherals.onSaunaFanRunningChanged(true);
    m_frame->loadScene();
    QVERIFY2(m_frame->guiHandler.rootObject(), "main.qml did not load");
    // Before any window sizes it, the scene has the program's size, which the window takes too.
    const QSize programSize = view::appSize(view::appSizeTable(), startUp::windowProductType);
    QCOMPARE(programSize, QSize(340, 600));
    QCOMPARE(rootItem()->size().toSize(), programSize);
    QVERIFY(item("fan_running_switch")->property("checked").toBool());
    peripherals.onSaunaFanRunningChanged(false);
    QVERIFY(!item("fan_running_switch")->property("checked").toBool());
    const startUp::WiringFailures failures = m_frame->wire();
    QCOMPARE(failures.total(), 0);
    if (m_configure)
        QCOMPARE(m_configure->connectToViews(m_frame->guiHandler), 0);

    // What start() publishes, without opening the link.
    m_frame->controllerTab.emitInitialStates();
    m_frame->calendarTab.weekdayProgramOverviewController.initWeekDayProgramCounts();
    m_frame->prepareWindow();
    m_frame->showMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&m_frame->mainWindow));
    QCOMPARE(m_frame->mainWindow.size(), programSize);
    QCOMPARE(rootItem()->size().toSize(), programSize);
}

QString TestRealScene::shownText(const char *objectName) const
{
    QObject *found = item(objectName);
    return found ? found->property("text").toString() : QStringLiteral("<missing>");
}

// What the main screen shows while no sauna is connected: "--" for every value, the line that
// says so, and controls that do nothing.
void TestRealScene::verifyNoSaunaShown()
{
    QQuickItem *notice = qobject_cast<QQuickItem *>(item("notConnectedNotice"));
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(shownText("notConnectedText"),
             QStringLiteral("No sauna is connected. Connect one in Settings → Network."));

    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("--"));
    QCOMPARE(shownText("targetTemperatureText"), QStringLiteral("Target --"));
    QCOMPARE(shownText("measuredHumidityText"), QStringLiteral("Humidity --"));
    QCOMPARE(shownText("clockText"), QStringLiteral("--"));
    for (const char *name :
         {"temperature_data_provider_tab2_normal", "humidity_data_provider_tab2_normal"}) {
        auto *stepper = qobject_cast<QQuickItem *>(item(name));
        QVERIFY(stepper);
        QCOMPARE(stepper->findChild<QObject *>("valueText")->property("text").toString(),
                 QStringLiteral("--"));
        QVERIFY(!stepper->isEnabled());
        QVERIFY(!stepper->findChild<QQuickItem *>("increaseButton")->isEnabled());
    }

    QObject *power = item("power_switch_tab");
    QVERIFY(!qobject_cast<QQuickItem *>(power)->isEnabled());
    QVERIFY(!power->property("on").toBool());
    QCOMPARE(power->property("stateText").toString(), QStringLiteral("--"));

    QObject *lights = item("lights_switch_tab_2");
    QVERIFY(!qobject_cast<QQuickItem *>(lights)->isEnabled());
    QCOMPARE(lights->property("value").toString(), QStringLiteral("--"));
    QVERIFY(!lights->property("active").toBool());
    QObject *bathTime = item("bathTimeTile");
    QVERIFY(!qobject_cast<QQuickItem *>(bathTime)->isEnabled());
    QCOMPARE(bathTime->property("value").toString(), QStringLiteral("--"));

    // Taps on the disabled controls ask the sauna for nothing.
    QSignalSpy stateRequests(power, SIGNAL(saunaStateChangeRequested(int)));
    QSignalSpy lightRequests(lights, SIGNAL(lightsStateChangeRequested(bool)));
    click(qobject_cast<QQuickItem *>(power));
    click(qobject_cast<QQuickItem *>(lights));
    QCOMPARE(stateRequests.count(), 0);
    QCOMPARE(lightRequests.count(), 0);
    QVERIFY(!item("heaterSettingsModel")->property("visible").toBool());
}

// The sauna's reports, as the link hands them to the controllers.
void TestRealScene::reportSaunaValues(int roomDegrees, int targetDegrees, bool lightsOn)
{
    using signalInterface::SaunaStateTypes;
    details::ControllerTabObjectsProvider &controllers = m_frame->controllerTab;
    controllers.temperatureController.onSaunaTemperatureChanged(roomDegrees * 9);
    controllers.temperatureController.onSaunaTargetTemperatureChanged(targetDegrees * 9);
    controllers.peripheralController.onSaunaLightsStateChange(lightsOn);
    controllers.saunaStateController.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);
}

// A sauna that has connected but told nothing yet shows "--", also smoothed; so does a value
// it reports that is none: a bath time beyond a day, a clock beyond the protocol's dates.
void TestRealScene::aConnectedSaunaShowsNoValueUntilItReports()
{
    using signalInterface::DateTimeTypes;
    details::ControllerTabObjectsProvider &controllers = m_frame->controllerTab;
    pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
    QCOMPARE(controllers.temperatureController.temperaturePresentation(),
             signalInterface::TemperatureTypes::E_smooth);
    QCOMPARE(controllers.humidityController.humidityPresentation(),
             signalInterface::HumidityTypes::E_smooth);
    emit link.connectedChanged(true);
    QVERIFY(!qobject_cast<QQuickItem *>(item("notConnectedNotice"))->isVisible());
    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("--"));
    QCOMPARE(shownText("targetTemperatureText"), QStringLiteral("Target --"));
    QCOMPARE(shownText("measuredHumidityText"), QStringLiteral("Humidity --"));
    QCOMPARE(shownText("clockText"), QStringLiteral("--"));

    controllers.saunaStateController.onSaunaBathTimeChanged(90);
    QCOMPARE(item("bathTimeTile")->property("value").toString(), QStringLiteral("1h 30min"));
    controllers.saunaStateController.onSaunaBathTimeChanged(std::numeric_limits<int>::max());
    QCOMPARE(item("bathTimeTile")->property("value").toString(), QStringLiteral("--"));

    DateTimeTypes::SaunaDateTime clock;
    clock.dateValid = clock.timeValid = true;
    clock.dateTime = QDateTime(QDate(2024, 12, 24), QTime(18, 30), Qt::UTC);
    controllers.timeController.onSaunaTimeChanged(clock);
    QVERIFY(shownText("clockText") != QStringLiteral("--"));
    controllers.timeController.onSaunaTimeChanged(DateTimeTypes::SaunaDateTime());
    QCOMPARE(shownText("clockText"), QStringLiteral("--"));

    link.onDisconnectRequest();
}

void TestRealScene::mainScreenShowsNoValueWithoutASauna()
{
    pcPanel::SaunaCommunication &link = m_frame->saunaCommunication;
    QVERIFY(!m_frame->controllerTab.wifiSymbolController.isConnected());
    // The room temperature exactly as reported, not smoothed over several reports.
    m_frame->controllerTab.temperatureController.onTemperaturePresentationChangeRequested(
        signalInterface::TemperatureTypes::E_direct);

    // Before the first connection, the controllers' start values are nobody's report.
    verifyNoSaunaShown();
    if (QTest::currentTestFailed())
        return;

    // A sauna connects and reports: its values, and the controls work.
    emit link.connectedChanged(true);
    reportSaunaValues(75, 80, true);
    signalInterface::DateTimeTypes::SaunaDateTime clock;
    clock.dateValid = clock.timeValid = true;
    clock.dateTime = QDateTime(QDate(2026, 12, 8), QTime(4, 39), Qt::UTC);
    m_frame->controllerTab.timeController.onSaunaTimeChanged(clock);
    QCOMPARE(shownText("clockText"), QStringLiteral("04:39"));
    QVERIFY(!qobject_cast<QQuickItem *>(item("notConnectedNotice"))->isVisible());
    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("75°"));
    QCOMPARE(shownText("targetTemperatureText"), QStringLiteral("Target 80°C"));
    QCOMPARE(item("lights_switch_tab_2")->property("value").toString(), QStringLiteral("On"));
    QVERIFY(item("power_switch_tab")->property("on").toBool());
    QVERIFY(qobject_cast<QQuickItem *>(item("power_switch_tab"))->isEnabled());
    QVERIFY(qobject_cast<QQuickItem *>(item("temperature_data_provider_tab2_normal"))->isEnabled());

    // The user disconnects on the Network screen: heating and lights no longer look live.
    link.onDisconnectRequest();
    QVERIFY(!m_frame->controllerTab.wifiSymbolController.isConnected());
    verifyNoSaunaShown();
    if (QTest::currentTestFailed())
        return;

    // Connected again: what the sauna reports now. Its clock shows from its first report.
    emit link.connectedChanged(true);
    QCOMPARE(shownText("clockText"), QStringLiteral("--"));
    reportSaunaValues(62, 85, false);
    clock.dateTime = QDateTime(QDate(2026, 12, 8), QTime(2, 39), Qt::UTC);
    m_frame->controllerTab.timeController.onSaunaTimeChanged(clock);
    QCOMPARE(shownText("clockText"), QStringLiteral("02:39"));
    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("62°"));
    QCOMPARE(shownText("targetTemperatureText"), QStringLiteral("Target 85°C"));
    QCOMPARE(item("lights_switch_tab_2")->property("value").toString(), QStringLiteral("Off"));

    // The connection is lost: the same "no value" screen.
    emit link.connectedChanged(false);
    verifyNoSaunaShown();
    if (QTest::currentTestFailed())
        return;
    // While the link reconnects the sauna may still be heard; its clock does not come back
    // before the connection stands.
    m_frame->controllerTab.timeController.onSaunaTimeChanged(clock);
    QCOMPARE(shownText("clockText"), QStringLiteral("--"));

    // Back, with the sauna's report.
    emit link.connectedChanged(true);
    reportSaunaValues(64, 85, true);
    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("64°"));
    QCOMPARE(item("lights_switch_tab_2")->property("value").toString(), QStringLiteral("On"));
    QVERIFY(!qobject_cast<QQuickItem *>(item("notConnectedNotice"))->isVisible());

    // Leave the controllers as the next test expects them: connected, off, lights off.
    m_frame->controllerTab.saunaStateController.onSaunaPhysicalStateChanged(
        signalInterface::SaunaStateTypes::E_sauna_off);
    m_frame->controllerTab.peripheralController.onSaunaLightsStateChange(false);
}

void TestRealScene::mainScreenFollowsTheControllers()
{
    using signalInterface::DateTimeTypes;
    using signalInterface::SaunaStateTypes;
    details::ControllerTabObjectsProvider &controllers = m_frame->controllerTab;
    // The main screen shows values while a sauna is connected.
    controllers.wifiSymbolController.onConnectedChanged(true);

    controllers.peripheralController.onSaunaLightsStateChange(true);
    QVERIFY(item("lights_switch_tab_2")->property("lightsOn").toBool());
    controllers.peripheralController.onSaunaLightsStateChange(false);
    QVERIFY(!item("lights_switch_tab_2")->property("lightsOn").toBool());

    controllers.saunaStateController.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_on);
    QCOMPARE(item("power_switch_tab")->property("saunaState").toInt(),
             int(SaunaStateTypes::E_sauna_on));
    QVERIFY(item("power_switch_tab")->property("on").toBool());
    controllers.saunaStateController.onSaunaPhysicalStateChanged(SaunaStateTypes::E_sauna_off);
    QCOMPARE(item("power_switch_tab")->property("saunaState").toInt(),
             int(SaunaStateTypes::E_sauna_off));

    QObject *indicator = item("connectionIndicator");
    const QColor connected = indicator->property("color").value<QColor>();
    controllers.wifiSymbolController.onConnectedChanged(false);
    QVERIFY(indicator->property("color").value<QColor>() != connected);
    controllers.wifiSymbolController.onConnectedChanged(true);
    QCOMPARE(indicator->property("color").value<QColor>(), connected);

    // The header's clock reads as the Date and time page's row and every other time: one form.
    view::ConfigureDateTimeTimeViewManager &timeRows =
        m_frame->configureTab.manager<view::ConfigureDateTimeTimeViewManager>();
    timeRows.onTimeViewVisibleChanged(true);
    controllers.timeController.onTimeFormatInitiallySelected(DateTimeTypes::E_am_pm);
    DateTimeTypes::SaunaDateTime reported;
    reported.dateValid = reported.timeValid = true;
    reported.dateTime = QDateTime(QDate(2024, 12, 24), QTime(18, 30));
    controllers.timeController.onSaunaTimeChanged(reported);
    const QString shown = item("clockText")->property("text").toString();
    QCOMPARE(shown, QStringLiteral("6:30pm"));
    QCOMPARE(shown, view::LanguageSupport::timeText(QTime(18, 30), DateTimeTypes::E_am_pm));
    QCOMPARE(timeRows.model()->data(timeRows.model()->index(0), view::RowItem::TextValue2Role),
             QVariant(shown));
    timeRows.onTimeViewVisibleChanged(false);
    controllers.timeController.onTimeFormatInitiallySelected(DateTimeTypes::E_0_24);
}

// Whatever the sauna reports, the dial's texts keep to the disc inside its ring and never run
// over the power button beside it: a reading the dial cannot hold in three digits reads "--", and
// a text too wide for the disc is set smaller.
void TestRealScene::dialTextsStayOnTheDial()
{
    using signalInterface::TemperatureTypes;
    details::ControllerTabObjectsProvider &controllers = m_frame->controllerTab;
    control::TemperatureController &temperature = controllers.temperatureController;
    controllers.wifiSymbolController.onConnectedChanged(true);
    temperature.onTemperaturePresentationChangeRequested(TemperatureTypes::E_direct);
    auto *measured = qobject_cast<QQuickItem *>(item("measuredTemperatureText"));
    auto *target = qobject_cast<QQuickItem *>(item("targetTemperatureText"));
    auto *power = qobject_cast<QQuickItem *>(item("power_switch_tab"));
    QVERIFY(measured && target && power);
    QVERIFY(measured->isVisible() && power->isVisible());
    QQuickItem *dial = measured->parentItem()->parentItem();
    QVERIFY(dial);
    const QRectF dialRect = dial->mapRectToScene(dial->boundingRect());
    const QRectF powerRect = power->mapRectToScene(power->boundingRect());
    QVERIFY(!dialRect.intersects(powerRect));

    // Where the text is drawn: its content, centred in its item.
    const auto staysOnTheDial = [&](QQuickItem *text) {
        const qreal contentWidth = text->property("contentWidth").toReal();
        const qreal contentHeight = text->property("contentHeight").toReal();
        const QRectF drawn = text->mapRectToScene(
            QRectF((text->width() - contentWidth) / 2, 0, contentWidth, contentHeight));
        if (dialRect.contains(drawn) && !drawn.intersects(powerRect))
            return true;
        qWarning() << text->property("text").toString() << "drawn at" << drawn << "dial" << dialRect
                   << "power" << powerRect;
        return false;
    };

    const int largest = std::numeric_limits<int>::max();
    const int smallest = std::numeric_limits<int>::min();
    for (const TemperatureTypes::TemperatureUnit unit :
         {TemperatureTypes::E_celsius, TemperatureTypes::E_fahrenheit}) {
        temperature.onTemperatureUnitInitiallySelected(unit);
        const bool celsius = unit == TemperatureTypes::E_celsius;
        const QString unitText = celsius ? QStringLiteral("°C") : QStringLiteral("°F");
        // Readings as long as the dial holds them in three digits, "--" beyond: an overheated
        // room at 151 °C is shown.
        const QList<std::pair<int, QString>> rooms{
            {-360, QStringLiteral("-40°")},
            {1350, celsius ? QStringLiteral("150°") : QStringLiteral("302°")},
            {1359, celsius ? QStringLiteral("151°") : QStringLiteral("303°")},
            {8999, celsius ? QStringLiteral("999°") : QStringLiteral("--")},
            {-899, celsius ? QStringLiteral("-99°") : QStringLiteral("--")},
            {9000, QStringLiteral("--")},
            {90000, QStringLiteral("--")},
            {largest, QStringLiteral("--")},
            {smallest, QStringLiteral("--")}};
        for (const auto &[ninths, text] : rooms) {
            temperature.onSaunaTemperatureChanged(ninths);
            QCOMPARE(shownText("measuredTemperatureText"), text);
            QVERIFY(staysOnTheDial(measured));
        }
        // A target is held within the sauna's limits, as wide as a report can make them, and
        // shown whatever its length.
        temperature.onSaunaLowerTemperatureLimitChanged(smallest);
        temperature.onSaunaUpperTemperatureLimitChanged(largest);
        for (const int ninths : {990, 0, 991, 1359, 90000, largest, smallest}) {
            temperature.onSaunaTargetTemperatureChanged(ninths);
            const int shown = celsius ? ninths / 9 : ninths / 5 + 32;
            QCOMPARE(shownText("targetTemperatureText"),
                     QStringLiteral("Target ") + QString::number(shown) + unitText);
            QVERIFY(staysOnTheDial(target));
        }
        temperature.onSaunaLowerTemperatureLimitChanged(0);
        temperature.onSaunaUpperTemperatureLimitChanged(1080);
    }

    // Back to what the next tests expect.
    temperature.onTemperatureUnitInitiallySelected(TemperatureTypes::E_celsius);
    temperature.onSaunaTemperatureChanged(720);
    temperature.onSaunaTargetTemperatureChanged(720);
    QCOMPARE(shownText("measuredTemperatureText"), QStringLiteral("80°"));
}

void TestRealScene::backingOutOfTheBathTimeShowsTheSaunasValue()
{
    control::SaunaStateController &state = m_frame->controllerTab.saunaStateController;
    // The bath-time tile takes taps only while a sauna is connected.
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    QSignalSpy requests(&state, &control::SaunaStateController::bathTimeChangeRequested);
    state.onSaunaBathTimeLimitChanged(360);
    state.onSaunaBathTimeChanged(90);
    QObject *tile = item("bathTimeTile");
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 30min"));

    // The hour and minute steppers, ordered hour up, hour down, minute up, minute down.
    QList<QQuickItem *> steps;
    collectStepButtons(qobject_cast<QQuickItem *>(item("bath_time_tab_2")), steps);
    QCOMPARE(steps.size(), 4);
    std::sort(steps.begin(), steps.end(), [](QQuickItem *a, QQuickItem *b) {
        const QPointF pa = a->mapToScene(QPointF());
        const QPointF pb = b->mapToScene(QPointF());
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
    QVERIFY(steps.at(0)->property("increase").toBool());
    QVERIFY(!steps.at(3)->property("increase").toBool());

    QObject *heater = item("heaterSettingsModel");
    auto *back = heater->findChild<QQuickItem *>("pageBackButton");
    click(qobject_cast<QQuickItem *>(tile));
    QVERIFY(heater->property("visible").toBool());
    click(steps.at(0));
    QCOMPARE(state.bathTimeManager()->valueInMinutes(), 150);
    // The sauna reports while the user edits; backing out shows that report, sends nothing.
    state.onSaunaBathTimeChanged(95);
    click(back);
    QVERIFY(!heater->property("visible").toBool());
    QCOMPARE(requests.count(), 0);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 35min"));
    // Reports keep reaching the tile after the edit.
    state.onSaunaBathTimeChanged(100);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 40min"));

    // A saved edit is sent; until the sauna answers, backing out shows its last report.
    click(qobject_cast<QQuickItem *>(tile));
    click(steps.at(3));
    click(heater->findChild<QQuickItem *>("bathTimeSaveButton"));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.first().at(0).toInt(), 99);
    click(back);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 40min"));
    state.onSaunaBathTimeChanged(99);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 39min"));
    // The tile writes minutes alone; the editor pads them after an hour.
    auto *editor = item("bath_time_tab_2");
    state.onSaunaBathTimeChanged(1);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1min"));
    QCOMPARE(editor->property("minutesText").toString(), QStringLiteral("1"));
    state.onSaunaBathTimeChanged(65);
    QCOMPARE(tile->property("value").toString(), QStringLiteral("1h 5min"));
    QCOMPARE(editor->property("minutesText").toString(), QStringLiteral("05"));
    // The longest bath time is written whole, smaller if need be.
    state.onSaunaBathTimeChanged(359);
    auto *valueText = qobject_cast<QQuickItem *>(tile)->findChild<QQuickItem *>("tileValueText");
    QVERIFY(valueText);
    QCOMPARE(valueText->property("text").toString(), QStringLiteral("5h 59min"));
    QTRY_VERIFY(valueText->width() > 0);
    QVERIFY(!valueText->property("truncated").toBool());
}

void TestRealScene::bathTimeStepsDownToOneMinuteOnTheWire()
{
    control::SaunaStateController &state = m_frame->controllerTab.saunaStateController;
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    state.onSaunaBathTimeLimitChanged(360);
    state.onSaunaBathTimeChanged(3);
    CapturingTransport transport;
    m_frame->saunaCommunication.saunaSystemSender()->setTransport(&transport);

    QList<QQuickItem *> steps;
    collectStepButtons(qobject_cast<QQuickItem *>(item("bath_time_tab_2")), steps);
    QCOMPARE(steps.size(), 4);
    // Minute down is the lowest of the right-hand column.
    QQuickItem *minuteDown = *std::max_element(steps.begin(), steps.end(), [](auto *a, auto *b) {
        const QPointF pa = a->mapToScene(QPointF());
        const QPointF pb = b->mapToScene(QPointF());
        return pa.x() != pb.x() ? pa.x() < pb.x() : pa.y() < pb.y();
    });
    QVERIFY(!minuteDown->property("increase").toBool());

    QObject *heater = item("heaterSettingsModel");
    click(qobject_cast<QQuickItem *>(item("bathTimeTile")));
    for (int press = 0; press < 5; ++press)
        click(minuteDown);
    click(heater->findChild<QQuickItem *>("bathTimeSaveButton"));
    click(heater->findChild<QQuickItem *>("pageBackButton"));
    m_frame->saunaCommunication.saunaSystemSender()->setTransport(nullptr);

    QList<quint32> sent;
    for (const vaholumo::External_to_sauna &envelope : std::as_const(transport.envelopes)) {
        for (const auto &request : envelope.integer_value_change_request()) {
            if (request.value_id() == vaholumo::Integer_value_change_request_value_t_BATH_TIME)
                sent << request.value();
        }
    }
    QCOMPARE(sent, QList<quint32>{1});
}

void TestRealScene::popupShowsTheMessageControllersMessage()
{
    using namespace signalInterface::UserMessageTypes;
    control::MessageController &messages = m_frame->controllerTab.messageController;
    QObject *popup = item("popup_widget");

    UserMessage question(0x100d);
    question.type = E_typeTwoButtons;
    messages.onPanelUserMessageIssued(question, nullptr);
    QVERIFY(messages.hasCurrentMessage());
    QVERIFY(popup->property("visible").toBool());
    QCOMPARE(popup->property("popupKind").toString(), QStringLiteral("selection"));
    QCOMPARE(popup->findChild<QObject *>("popupText")->property("text").toString(),
             messages.currentText());
    QVERIFY(!messages.currentText().isEmpty());
    auto *left = popup->findChild<QQuickItem *>("popupLeftButton");
    auto *right = popup->findChild<QQuickItem *>("popupRightButton");
    QVERIFY(left->isVisible() && right->isVisible());
    QVERIFY(!left->property("text").toString().isEmpty());

    // The pressed button's text answers the message; the popup goes.
    click(right);
    QVERIFY(!messages.hasCurrentMessage());
    QVERIFY(!popup->property("visible").toBool());

    // The sauna's message without a kind: one button of its own, not the question's two, and
    // its press goes back to the sauna.
    CapturingTransport transport;
    m_frame->saunaCommunication.saunaSystemSender()->setTransport(&transport);
    UserMessage notice(0x1009);
    notice.type = E_typeNone;
    emit m_frame->saunaCommunication.saunaSystemReceiver()->saunaUserMessageChanged(notice);
    QVERIFY(popup->property("visible").toBool());
    QVERIFY(!left->isVisible() && !right->isVisible());
    auto *center = popup->findChild<QQuickItem *>("popupCenterButton");
    QCOMPARE(center->property("text").toString(), view::LanguageSupport::okText());
    click(center);
    m_frame->saunaCommunication.saunaSystemSender()->setTransport(nullptr);
    QVERIFY(!popup->property("visible").toBool());
    QCOMPARE(transport.envelopes.size(), 1);
    const vaholumo::User_message &answer = transport.envelopes.first().user_message();
    QCOMPARE(answer.message_id(), 0x1009u);
    QCOMPARE(answer.answer(), vaholumo::User_message_answer_t_ANSWER_NONE);
}

void TestRealScene::switchPinLockOn()
{
    m_frame->controllerTab.pinCodeController.onPinCodeToggleChanged(
        signalInterface::PinTypes::E_demandPin, true);
    control::MessageController &messages = m_frame->controllerTab.messageController;
    QVERIFY(messages.hasCurrentMessage());
    QVERIFY(messages.currentText().contains(signalInterface::PinTypes::Pin::defaultPinText()));
    click(item("popup_widget")->findChild<QQuickItem *>("popupCenterButton"));
    QVERIFY(!messages.hasCurrentMessage());
}

void TestRealScene::lockScreenAndKeypadFollowThePinController()
{
    using signalInterface::PinTypes;
    control::PinCodeController &pins = m_frame->controllerTab.pinCodeController;
    auto *locked = qobject_cast<QQuickItem *>(item("temperature_data_provider_tab2_locked"));
    auto *lockedLights = qobject_cast<QQuickItem *>(item("lights_switch_tab_tab2_locked"));
    QVERIFY(!locked->isVisible());

    // The lock screen offers the target temperature only once it is chosen on the PIN screen.
    view::ConfigureGeneralPinViewManager &pinScreen =
        m_frame->configureTab.manager<view::ConfigureGeneralPinViewManager>();
    pinScreen.onPinViewVisibleChanged(true);
    pinScreen.onLockscreenControlSelected(view::ConfigureGeneralPinViewManager::E_temperature);
    switchPinLockOn();
    if (QTest::currentTestFailed())
        return;
    pins.onLockTimerTimeout();
    QVERIFY(pins.isLocked());
    QVERIFY(locked->isVisible());
    QVERIFY(!lockedLights->isVisible());

    QObject *keypad = item("pin_input");
    QVERIFY(QMetaObject::invokeMethod(keypad, "open", Q_ARG(QVariant, QStringLiteral("unlock"))));
    auto *ok = findInItemTree(qobject_cast<QQuickItem *>(keypad), QStringLiteral("pinKey_OK"));

    // A wrong PIN: the panel stays locked and the keypad open.
    keypad->setProperty("pin", QStringLiteral("9999"));
    click(ok);
    QVERIFY(pins.isLocked());
    QVERIFY(keypad->property("visible").toBool());

    keypad->setProperty("pin", PinTypes::Pin::defaultPinText());
    click(ok);
    QVERIFY(!pins.isLocked());
    QVERIFY(!keypad->property("visible").toBool());
    QVERIFY(!locked->isVisible());
    pins.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
    pinScreen.onLockscreenControlSelected(view::ConfigureGeneralPinViewManager::E_temperature);
    QVERIFY(!control::Settings::boolValue(
        QLatin1String(control::Settings::lockscreenTemperatureVisibleKey), true));
    // Locked again, the lock screen no longer offers the target temperature.
    switchPinLockOn();
    if (QTest::currentTestFailed())
        return;
    pins.onLockTimerTimeout();
    QVERIFY(pins.isLocked());
    QVERIFY(!locked->isVisible());
    pins.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
}

void TestRealScene::pcKeyboardWorksTheKeypad_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("unlocks");
    const QString pin = signalInterface::PinTypes::Pin::defaultPinText();
    // The lock screen itself takes the first digit and opens the keypad with it.
    QTest::newRow("right PIN") << pin + QLatin1Char('\n') << true;
    QTest::newRow("wrong PIN") << QStringLiteral("9999\n") << false;
    // A wrong last digit, erased and typed again.
    const QString wrongLast = pin.chopped(1) + (pin.endsWith(u'0') ? u'1' : u'0');
    QTest::newRow("corrected") << wrongLast + u'\b' + pin.back() + u'\n' << true;
    QTest::newRow("erased to wrong") << pin + QStringLiteral("\b\n") << false;
    QTest::newRow("keypad number keys") << QStringLiteral("kp") + pin + QLatin1Char('\r') << true;
    QTest::newRow("no Return") << pin << false;
}

void TestRealScene::pcKeyboardWorksTheKeypad()
{
    QFETCH(QString, typed);
    QFETCH(bool, unlocks);
    using signalInterface::PinTypes;
    control::PinCodeController &pins = m_frame->controllerTab.pinCodeController;
    switchPinLockOn();
    if (QTest::currentTestFailed())
        return;
    pins.onLockTimerTimeout();
    QVERIFY(pins.isLocked());
    QObject *keypad = item("pin_input");
    QVERIFY(!keypad->property("visible").toBool());

    QWidget *view = m_frame->guiHandler.view();
    Qt::KeyboardModifiers modifiers;
    if (typed.startsWith(QLatin1String("kp"))) {
        modifiers = Qt::KeypadModifier;
        typed.remove(0, 2);
    }
    for (const QChar character : std::as_const(typed)) {
        if (character == QLatin1Char('\n'))
            QTest::keyClick(view, Qt::Key_Return, modifiers);
        else if (character == QLatin1Char('\r'))
            QTest::keyClick(view, Qt::Key_Enter, modifiers);
        else if (character == QLatin1Char('\b'))
            QTest::keyClick(view, Qt::Key_Backspace, modifiers);
        else
            QTest::keyClick(view, Qt::Key(Qt::Key_0 + character.digitValue()), modifiers);
    }
    QCOMPARE(!pins.isLocked(), unlocks);
    QCOMPARE(keypad->property("visible").toBool(), !unlocks);

    // Leave the panel unlocked and the keypad closed for the next case.
    if (!unlocks) {
        QVERIFY(QMetaObject::invokeMethod(keypad, "close"));
        QVERIFY(pins.isLocked());
        QVERIFY(
            QMetaObject::invokeMethod(keypad, "open", Q_ARG(QVariant, QStringLiteral("unlock"))));
        keypad->setProperty("pin", PinTypes::Pin::defaultPinText());
        QVERIFY(QMetaObject::invokeMethod(keypad, "press", Q_ARG(QVariant, QStringLiteral("OK"))));
        QVERIFY(!pins.isLocked());
    }
    pins.onPinCodeToggleChanged(PinTypes::E_demandPin, false);
}

void TestRealScene::favoriteEditorFollowsTheFavoriteController()
{
    control::FavoriteController &favorites = m_frame->favoriteTab.favoriteController;
    signalInterface::FavoritesTypes::FavoritesPost evening;
    evening.index = 2;
    evening.inUse = true;
    evening.name = QStringLiteral("Evening");
    evening.lights = true;
    favorites.onSaunaFavoritesPostChanged(evening);

    QVERIFY(rootItem()->setProperty("currentTab", 1));
    QObject *selector = item("favoritesSelector");
    QVERIFY(QMetaObject::invokeMethod(selector, "favoriteEditActivated", Q_ARG(int, 2)));
    QVERIFY(favorites.editing());
    auto *rename = qobject_cast<QQuickItem *>(item("favoriteNameButton"));
    QVERIFY(rename->isVisible());
    QObject *editor = rename;
    while (editor && !editor->property("favoriteName").isValid())
        editor = editor->parent();
    QVERIFY(editor);
    QCOMPARE(editor->property("favoriteName").toString(), QStringLiteral("Evening"));
    QVERIFY(editor->property("lightsOn").toBool());

    // A typed name reaches the controller that opened the keyboard.
    click(rename);
    QObject *keyboard = item("onScreenKeyboard");
    QVERIFY(keyboard->property("visible").toBool());
    QCOMPARE(keyboard->property("text").toString(), QStringLiteral("Evening"));
    keyboard->setProperty("text", QStringLiteral("Late"));
    click(keyboard->findChild<QQuickItem *>("keyboardSaveButton"));
    QCOMPARE(favorites.name(), QStringLiteral("Late"));
    QCOMPARE(editor->property("favoriteName").toString(), QStringLiteral("Late"));
    QVERIFY(!keyboard->property("visible").toBool());

    // Back on the renamed favorite asks whether to save the change; "No" ends the edit, and the
    // editor goes with it.
    QVERIFY(QMetaObject::invokeMethod(selector, "favoriteEditCancelRequested"));
    QVERIFY(rename->isVisible());
    control::MessageController &messages = m_frame->controllerTab.messageController;
    QVERIFY(messages.hasCurrentMessage());
    QCOMPARE(messages.currentText(), QStringLiteral("Save the changes to favorite Late?"));
    QObject *popup = item("popup_widget");
    auto *no = popup->findChild<QQuickItem *>("popupRightButton");
    QCOMPARE(no->property("text").toString(), QStringLiteral("No"));
    click(no);
    QVERIFY(!messages.hasCurrentMessage());
    QVERIFY(!favorites.editing());
    QVERIFY(!rename->isVisible());
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

void TestRealScene::favoritePageActsOnTheBathTimeItShows_data()
{
    QTest::addColumn<int>("hourSteps");
    QTest::addColumn<QString>("button");
    // The bath times that leave the panel (requested or saved), and whether Back asks first.
    QTest::addColumn<QList<int>>("sent");
    QTest::addColumn<bool>("asks");
    QTest::newRow("step, Start") << 1 << "favoriteStartButton" << QList<int>{60} << false;
    QTest::newRow("step, Save") << 1 << "favoriteSaveButton" << QList<int>{60} << false;
    QTest::newRow("step, Back") << 1 << "pageBackButton" << QList<int>{} << true;
    QTest::newRow("no step, Back") << 0 << "pageBackButton" << QList<int>{} << false;
}

// The bath-time editor open and stepped, without "Set bath time": the buttons of the favorite
// take the bath time it shows.
void TestRealScene::favoritePageActsOnTheBathTimeItShows()
{
    QFETCH(int, hourSteps);
    QFETCH(QString, button);
    QFETCH(QList<int>, sent);
    QFETCH(bool, asks);
    control::FavoriteController &favorites = m_frame->favoriteTab.favoriteController;
    control::MessageController &messages = m_frame->controllerTab.messageController;
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    signalInterface::FavoritesTypes::FavoritesPost morning;
    morning.index = 4;
    morning.inUse = true;
    morning.name = QStringLiteral("Morning");
    morning.bathTime = 0;
    favorites.onSaunaFavoritesPostChanged(morning);
    QVERIFY(rootItem()->setProperty("currentTab", 1));
    QVERIFY(QMetaObject::invokeMethod(item("favoritesList"), "rowSelected", Q_ARG(int, 4)));
    QVERIFY(favorites.editing());
    QObject *editor = item("favoriteNameButton");
    while (editor && !editor->property("favoriteName").isValid())
        editor = editor->parent();
    QVERIFY(editor);

    click(qobject_cast<QQuickItem *>(item("favoriteEditBathTimeButton")));
    QList<QQuickItem *> steps;
    collectStepButtons(qobject_cast<QQuickItem *>(item("favoriteBathTimeControl")), steps);
    // The hours' up-step is the first, left of the minutes' and above its down-step.
    QCOMPARE(steps.size(), 4);
    QVERIFY(steps.first()->property("increase").toBool());
    for (int step = 0; step < hourSteps; ++step)
        click(steps.first());
    QCOMPARE(favorites.bathTimeManager()->valueInMinutes(), hourSteps * 60);

    QSignalSpy requests(&favorites, &control::FavoriteController::bathTimeChangeRequested);
    QSignalSpy updates(&favorites, &control::FavoriteController::favoriteUpdateRequested);
    click(editor->findChild<QQuickItem *>(button));
    QList<int> left;
    for (const QList<QVariant> &request : std::as_const(requests))
        left << request.at(0).toInt();
    for (const QList<QVariant> &update : std::as_const(updates))
        left << int(update.at(0).value<signalInterface::FavoritesTypes::FavoritesPost>().bathTime);
    QCOMPARE(left, sent);
    QCOMPARE(messages.hasCurrentMessage(), asks);
    if (asks)
        QCOMPARE(messages.currentText(), QStringLiteral("Save the changes to favorite Morning?"));

    // Out of the editor without saving, for the tests after this one.
    if (!asks && favorites.editing())
        click(editor->findChild<QQuickItem *>("pageBackButton"));
    if (messages.hasCurrentMessage())
        click(item("popup_widget")->findChild<QQuickItem *>("popupRightButton"));
    QVERIFY(!favorites.editing());
    QVERIFY(!messages.hasCurrentMessage());
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

void TestRealScene::calendarFollowsItsControllers()
{
    details::CalendarTabObjectsProvider &calendar = m_frame->calendarTab;
    QObject *month = item("calendarMonthSelector");
    QCOMPARE(month->property("monthText").toString(),
             calendar.dateProgramOverviewController.monthTitle());
    calendar.dateProgramOverviewController.onMonthIncreaseSelected();
    QCOMPARE(month->property("monthText").toString(),
             calendar.dateProgramOverviewController.monthTitle());

    QObject *week = item("calendarWeekDaysSelector");
    QCOMPARE(week->property("allDaysActive").toBool(),
             calendar.weekdayProgramOverviewController.allDaysActivated());
    calendar.weekdayProgramOverviewController.onSaunaScheduleItemDisableChanged(true);
    QVERIFY(!week->property("allDaysActive").toBool());
    calendar.weekdayProgramOverviewController.onSaunaScheduleItemDisableChanged(false);
    QVERIFY(week->property("allDaysActive").toBool());

    QObject *settings = item("calendarDateProgramSettings");
    settings->setProperty("visible", true);
    emit calendar.dateProgramController.calendarProgramEditCompleted();
    QVERIFY(!settings->property("visible").toBool());
}

void TestRealScene::networkScreenOpensFromTheSettingsTab()
{
    QVERIFY(rootItem()->setProperty("currentTab", 3));
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem(), QStringLiteral("settingsArea_network"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(area);
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = findInItemTree(rootItem(), QStringLiteral("networkListPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QVERIFY(findInItemTree(list, QStringLiteral("networkSaunaList")));
    // The screen told the program it is shown: the program built the auto-connect row.
    auto *autoConnect = qobject_cast<view::ListModel *>(
        m_frame->guiHandler.view()
            ->rootContext()
            ->contextProperty(QStringLiteral("configure_network_model1"))
            .value<QObject *>());
    QVERIFY(autoConnect);
    QTRY_VERIFY(autoConnect->rowCount() > 0);

    // "IP detect" opens the address form with its fields and the Detect button.
    QQuickItem *ipDetect = findInItemTree(list, QStringLiteral("networkIpDetectList"));
    QVERIFY(ipDetect);
    QQuickItem *ipDetectRow = nullptr;
    QTRY_VERIFY((ipDetectRow = findInItemTree(ipDetect, QStringLiteral("menuRow"))));
    click(ipDetectRow);
    QQuickItem *form = nullptr;
    QTRY_VERIFY((form = findInItemTree(rootItem(), QStringLiteral("networkIpConnectPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QVERIFY(findInItemTree(form, QStringLiteral("networkIpAddressField")));
    QVERIFY(findInItemTree(form, QStringLiteral("networkPortField")));
    QTRY_VERIFY(findInItemTree(form, QStringLiteral("networkDetectButton")));

    click(findInItemTree(form, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("networkIpConnectPage")));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(findInItemTree(list, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("networkListPage")));
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

namespace {

// The rows of the named list below page; 0 when there is no such list.
int rowsOf(QQuickItem *page, const char *listName)
{
    QQuickItem *rows = findInItemTree(page, QString::fromLatin1(listName));
    return rows ? rows->property("count").toInt() : 0;
}

// Looks at every frame drawn while a page stack moves a page in or out, and keeps what the given
// check finds wrong in it.
class SlideFrames
{
public:
    SlideFrames(QQuickWindow *window, QQuickItem *root, std::function<QString()> check)
    {
        m_connection =
            QObject::connect(window, &QQuickWindow::afterAnimating, window,
                             [this, root, check = std::move(check)]() {
                                 if (!anyStackBusy(root))
                                     return;
                                 ++count;
                                 const QString fault = check();
                                 if (!fault.isEmpty())
                                     faults << QStringLiteral("frame %1: %2").arg(count).arg(fault);
                             });
    }
    ~SlideFrames() { QObject::disconnect(m_connection); }
    SlideFrames(const SlideFrames &) = delete;
    SlideFrames &operator=(const SlideFrames &) = delete;

    int count = 0;
    QStringList faults;

private:
    QMetaObject::Connection m_connection;
};

} // namespace

void TestRealScene::slideInAndBack(const SlideFrames &frames, QQuickItem *row,
                                   const QString &pageName)
{
    click(row);
    QVERIFY(anyStackBusy(rootItem()));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    const int framesIn = frames.count;
    QQuickItem *page = findInItemTree(rootItem(), pageName);
    QVERIFY2(page, qPrintable(pageName));
    click(findInItemTree(page, QStringLiteral("pageBackButton")));
    QVERIFY(anyStackBusy(rootItem()));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    // Both slides were drawn: the check saw them.
    QVERIFY2(framesIn > 1 && frames.count > framesIn + 1,
             qPrintable(QString::number(frames.count)));
    QVERIFY2(frames.faults.isEmpty(), qPrintable(frames.faults.join(QLatin1Char('\n'))));
}

// Tapping "IP detect" slides the Network list out and the address form in, and Back the other way.
// No frame of either slide shows a page without its rows: the list keeps its auto-connect and
// "IP detect" rows while it moves out or in, and the form has its port and Detect button from its
// first frame.
void TestRealScene::networkPagesNeverSlideInOrOutEmpty()
{
    QVERIFY(rootItem()->setProperty("currentTab", 3));
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem(), QStringLiteral("settingsArea_network"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(area);
    QQuickItem *list = nullptr;
    QTRY_VERIFY((list = findInItemTree(rootItem(), QStringLiteral("networkListPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QQuickItem *ipDetectRow = nullptr;
    QTRY_VERIFY(
        (ipDetectRow = findInItemTree(findInItemTree(list, QStringLiteral("networkIpDetectList")),
                                      QStringLiteral("menuRow"))));

    SlideFrames frames(m_frame->guiHandler.view()->quickWindow(), rootItem(), [this, list]() {
        QStringList empty;
        if (list->isVisible() && (rowsOf(list, "networkAutoConnectList") == 0 ||
                                  rowsOf(list, "networkIpDetectList") == 0))
            empty << QStringLiteral("the list without its rows");
        QQuickItem *form = findInItemTree(rootItem(), QStringLiteral("networkIpConnectPage"));
        if (form && form->isVisible()) {
            QQuickItem *port = findInItemTree(form, QStringLiteral("networkPortField"));
            if (!port || port->property("text").toString().isEmpty() ||
                rowsOf(form, "networkIpConnectList") == 0)
                empty << QStringLiteral("the form without its port or Detect button");
        }
        return empty.join(QStringLiteral(", "));
    });

    slideInAndBack(frames, ipDetectRow, QStringLiteral("networkIpConnectPage"));
    if (QTest::currentTestFailed())
        return;

    // Once the form is gone, the list is shown with its rows.
    QVERIFY(list->isVisible());
    QVERIFY(rowsOf(list, "networkIpDetectList") > 0);
    click(findInItemTree(list, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("networkListPage")));
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

// The settings pages built of one program-built list do the same: Date and time, Time and back
// never draws the Time page without its rows.
void TestRealScene::settingsListPagesNeverSlideInOrOutEmpty()
{
    QVERIFY(rootItem()->setProperty("currentTab", 3));
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem(), QStringLiteral("settingsArea_dateTime"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(area);
    QQuickItem *menu = nullptr;
    QTRY_VERIFY((menu = findInItemTree(rootItem(), QStringLiteral("dateTimeMenuList"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QQuickItem *timeRow = nullptr;
    QTRY_VERIFY((timeRow = findInItemTree(menu, QStringLiteral("menuRow"))));
    QCOMPARE(timeRow->property("applId").toInt(), int(signalInterface::ConfigureTypes::E_time));

    SlideFrames frames(m_frame->guiHandler.view()->quickWindow(), rootItem(), [this]() {
        QQuickItem *page = findInItemTree(rootItem(), QStringLiteral("dateTimeTimePage"));
        return page && page->isVisible() && rowsOf(page, "settingsList") == 0
                   ? QStringLiteral("the Time page without its rows")
                   : QString();
    });
    slideInAndBack(frames, timeRow, QStringLiteral("dateTimeTimePage"));
    if (QTest::currentTestFailed())
        return;

    click(findInItemTree(menu, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("dateTimeMenuList")));
    QVERIFY(rootItem()->setProperty("currentTab", 0));
}

// The Standby page opened while the connected sauna has not told whether standby is on: Save has
// nothing to send and is disabled until the sauna tells it, or the user sets the switch.
void TestRealScene::standbySaveWaitsForTheSaunasSwitch()
{
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(true);
    // The sauna has told its functions, standby among them, and nothing of standby itself.
    auto &advanced = m_frame->configureTab.manager<view::ConfigureAdvancedSettingsViewManager>();
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions;
    functions.standby = true;
    advanced.onSaunaMasterFuncDescChanged(functions);
    QVERIFY(rootItem()->setProperty("currentTab", 3));
    QQuickItem *area = nullptr;
    QTRY_VERIFY((area = findInItemTree(rootItem(), QStringLiteral("settingsArea_advanced"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(area);
    QQuickItem *menu = nullptr;
    QTRY_VERIFY((menu = findInItemTree(rootItem(), QStringLiteral("advancedSettingsPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QQuickItem *standbyRow = nullptr;
    QTRY_VERIFY((standbyRow = findInItemTree(menu, QStringLiteral("menuRow"))));
    QCOMPARE(standbyRow->property("applId").toInt(),
             int(signalInterface::ConfigureTypes::E_standby));
    click(standbyRow);
    QQuickItem *page = nullptr;
    QTRY_VERIFY((page = findInItemTree(rootItem(), QStringLiteral("standbyPage"))));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    QQuickItem *save = findInItemTree(page, QStringLiteral("standbySaveButton"));
    QVERIFY(save && save->isVisible());
    QVERIFY(!save->isEnabled());

    auto &standby =
        m_frame->configureTab.manager<view::ConfigureAdvancedSettingsStandbyViewManager>();
    standby.onSaunaEnableStandbyChanged(false);
    QVERIFY(save->isEnabled());
    // Another sauna takes the connection: its switch is not known yet.
    standby.onSaunaReplaced();
    QVERIFY(!save->isEnabled());
    QQuickItem *row = nullptr;
    QTRY_VERIFY((row = findInItemTree(page, QStringLiteral("standbyToggle"))));
    // The switch at the row's end takes the tap.
    QList<QQuickItem *> switches;
    for (QQuickItem *child : row->findChildren<QQuickItem *>()) {
        if (child->metaObject()->indexOfSignal("tapped(bool)") >= 0)
            switches << child;
    }
    QCOMPARE(switches.size(), 1);
    click(switches.first());
    QTRY_VERIFY(save->isEnabled());

    click(findInItemTree(page, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("standbyPage")));
    QTRY_VERIFY(!anyStackBusy(rootItem()));
    click(findInItemTree(menu, QStringLiteral("pageBackButton")));
    QTRY_VERIFY(!findInItemTree(rootItem(), QStringLiteral("advancedSettingsPage")));
    QVERIFY(rootItem()->setProperty("currentTab", 0));
    advanced.onSaunaReplaced();
    m_frame->controllerTab.wifiSymbolController.onConnectedChanged(false);
}

QTEST_MAIN(TestRealScene)
// The splash with the program's own settings object: the brand's name on it comes from the
// program, and a brand without a name shows none.
void TestRealScene::splashShowsTheProgramsBrand_data()
{
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("shown");
    using VariantTypes = signalInterface::VariantTypes;
    QTest::newRow("vaho") << int(VariantTypes::E_vaho) << QStringLiteral("Vaho");
    QTest::newRow("lumo") << int(VariantTypes::E_lumo) << QStringLiteral("Lumo");
    QTest::newRow("kastela") << int(VariantTypes::E_kastela) << QStringLiteral("Kastela");
    QTest::newRow("undefined") << int(VariantTypes::E_undefined_brand) << QString();
}

void TestRealScene::splashShowsTheProgramsBrand()
{
    QFETCH(int, brand);
    control::StartUpScreenController splash(
        startUp::windowProductType, static_cast<signalInterface::VariantTypes::Brand>(brand));
    // The directory as the program passes it to both, with its closing slash.
    const QString qmlDirectory = QStringLiteral(PANEL_QML_VIEW_DIR "/");
    splash.setQmlDirectory(qmlDirectory);
    splash.setGlobalSettingsFactory(startUp::globalSettingsFactory(qmlDirectory));
    splash.show();
    QQuickItem *root = splash.view()->rootObject();
    QVERIFY2(root, "main_startup_screen.qml did not load");
    QQuickItem *brandText = findInItemTree(root, QStringLiteral("brandText"));
    QVERIFY(brandText);
    QTEST(brandText->property("text").toString(), "shown");
    splash.close();
}

#include "tst_real_scene.moc"
