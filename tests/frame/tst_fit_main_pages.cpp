#include "text_fit.h"

#include "control/message_controller.h"
#include "control/pin_code_controller.h"
#include "control/settings.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/pin_types.h"
#include "value/humidity_filterer.h"
#include "value/temperature_filterer.h"
#include "view_cpp/configure/configure_general_pin_view_manager.h"

#include <QQuickItem>
#include <QTest>

using view::ConfigureGeneralPinViewManager;

// The whole panel against a simulated multi-steam sauna on loopback that reports the widest
// values it can: the highest temperatures in Fahrenheit, full humidity in percent, a bath of
// twelve hours with 11 h 59 min left, an evening time on a 12-hour clock, the water levels of
// its three tanks in their longest words, and a favorite named with as many capitals as a name
// takes. The main screen, its heater settings, the notice of the default PIN as the lock is
// switched on, the lock screen with every control and its PIN keypad, the favorites with the
// on-screen keyboard and the favorite editor show their texts whole in all fourteen languages:
// none cut off, out of its box or the window, broken inside a number and its unit or a word, or
// over another text or under a button. The main screen holds all of it without scrolling.
class TestFitMainPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    // The longest name the keyboard takes, in wide letters.
    static inline const QString favoriteName = QStringLiteral("WELLNESS WEEKEND MAX");
    // 110 °C, the highest the sauna allows, in ninths of a degree: 230 °F.
    static constexpr quint32 highestTemperature = 990;
    static constexpr quint32 longestBathMinutes = 720;

    // Taps the digits and OK on the lock's keypad.
    void typePin(const QString &pin)
    {
        for (const QChar digit : pin)
            STEP(tap(QStringLiteral("pinKey_") + digit));
        STEP(tap(QStringLiteral("pinKey_OK")));
    }

    QString shownText(const QString &objectName)
    {
        QQuickItem *item = waitForItem(objectName);
        return item ? item->property("text").toString() : QString();
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        tools::SimulatorOptions options = longNamedSaunaOptions();
        options.rcbProduct = steamProduct;
        options.systemType = tools::SystemType::MultiSteam;
        // Two minutes to eleven in the evening: "10:58pm".
        options.clock = QDateTime(QDate(2026, 9, 30), QTime(22, 58), Qt::UTC);
        STEP(startConnected(options));
        STEP(dismissPopups());

        useWidestUnits();
        m_sauna->setReading(tools::IntegerId::TargetTemperature, highestTemperature);
        m_sauna->setReading(tools::IntegerId::Temperature, highestTemperature);
        m_sauna->setReading(tools::IntegerId::TargetHumidity, 100);
        m_sauna->setReading(tools::IntegerId::Humidity, 100);
        m_sauna->setReading(tools::IntegerId::BathTime, longestBathMinutes);
        // Switched on by its power switch; then the time left is the longest that is not whole
        // hours.
        STEP(tap(QStringLiteral("power_switch_tab")));
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().state(), int(tools::SaunaStateValue::On),
                                  waitMs);
        m_sauna->setReading(tools::IntegerId::RunTimeLeft, longestBathMinutes - 1);
        // Once the bath runs, which a low tank would interrupt: the longest level in most
        // languages, and the one written bold.
        m_sauna->setTankWaterLevel(0, tools::WaterLevelValue::Unknown);
        m_sauna->setTankWaterLevel(1, tools::WaterLevelValue::Unknown);
        m_sauna->setTankWaterLevel(2, tools::WaterLevelValue::Low);
        // The shown values follow the measured ones a step per tick of their filters, once the
        // reports are in.
        value::TemperatureFilterer &temperature =
            *m_frame->controllerTab.temperatureController.temperatureFilterer();
        value::HumidityFilterer &humidity =
            *m_frame->controllerTab.humidityController.humidityFilterer();
        QTRY_VERIFY_WITH_TIMEOUT((temperature.onTimeout(), humidity.onTimeout(),
                                  temperature.filteredValue() >= int(highestTemperature) &&
                                      humidity.filteredValue().value >= 100),
                                 waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(shownText(QStringLiteral("measuredHumidityText")),
                                  QStringLiteral("Humidity 100\u00a0%"), waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(shownText(QStringLiteral("measuredTemperatureText")),
                                  QStringLiteral("230°"), waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(
            shownText(QStringLiteral("clockText")).endsWith(QLatin1String("pm")), waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(
            waitForItem(QStringLiteral("bathTimeTile"))->property("value").toString(),
            m_frame->controllerTab.saunaStateController.bathTimeText(), waitMs);
    }

    // The store is the panel's own: the PIN and the lock screen's choices go back to none.
    void cleanupTestCase()
    {
        useDefaultUnits();
        if (m_frame)
            m_frame->controllerTab.pinCodeController.onPinCodeToggleChanged(
                signalInterface::PinTypes::E_demandPin, false);
        for (const char *control :
             {"power", "temperature", "humidity", "lighting", "aux_0", "aux_1"})
            control::Settings::setValue(
                QStringLiteral("lockscreen_%1_visible").arg(QLatin1String(control)), false);
        shutDown();
    }

    void cleanup() { STEP(failOnProblems()); }

    void mainScreenAndHeaterSettings()
    {
        QVERIFY(waitForItem(QStringLiteral("targetTemperatureText")));
        QTRY_VERIFY(showsText(QStringLiteral("Water level secondary2: Low")));
        const PageCheck whole = fitsWithoutScrolling(QStringLiteral("mainScreenFlickable"));
        STEP(checkPageInEveryLanguage(QStringLiteral("main screen"), {}, whole));
        STEP(tap(QStringLiteral("lights_switch_tab_2")));
        QTRY_VERIFY_WITH_TIMEOUT(m_sauna->model().boolean(tools::BooleanId::Lights), waitMs);
        STEP(checkPageInEveryLanguage(QStringLiteral("main screen, lights on"), {}, whole));

        STEP(tap(QStringLiteral("bathTimeTile")));
        QVERIFY(waitForItem(QStringLiteral("bath_time_tab_2")));
        STEP(checkPageInEveryLanguage(QStringLiteral("heater settings")));
        STEP(tap(QStringLiteral("pageBackButton")));
    }

    // The PIN demanded, with every control chosen for the lock screen; the lock screen, and its
    // keypad after a wrong PIN.
    void lockScreenAndKeypad()
    {
        STEP(tapTab(settingsTabIndex));
        STEP(backToSettingsAreas());
        STEP(openSettingsPage(QStringLiteral("general"), signalInterface::ConfigureTypes::E_pin,
                              QStringLiteral("pinSettingsPage")));
        control::PinCodeController &pinCode = m_frame->controllerTab.pinCodeController;
        STEP(tap(QStringLiteral("rowToggle")));
        QTRY_VERIFY(pinCode.isPinActivated());
        // The notice of the PIN that unlocks, still the default one.
        QTRY_VERIFY(m_frame->controllerTab.messageController.hasCurrentMessage());
        STEP(checkMessageInEveryLanguage(QStringLiteral("default PIN notice")));
        QCOMPARE(dismissPopups().size(), 1);
        for (const int control : {int(ConfigureGeneralPinViewManager::E_power),
                                  int(ConfigureGeneralPinViewManager::E_temperature),
                                  int(ConfigureGeneralPinViewManager::E_humidity),
                                  int(ConfigureGeneralPinViewManager::E_lighting),
                                  int(ConfigureGeneralPinViewManager::E_auxIdBase),
                                  ConfigureGeneralPinViewManager::E_auxIdBase + 1}) {
            STEP(tapPageRow(QStringLiteral("pinSettingsPage"), control));
        }
        STEP(tapTab(saunaTabIndex));
        pinCode.onLockTimerTimeout();
        QTRY_VERIFY(pinCode.isLocked());
        QVERIFY(waitForItem(QStringLiteral("temperature_data_provider_tab2_locked")));
        QVERIFY(waitForItem(QStringLiteral("humidity_data_provider_tab2_locked")));
        STEP(checkPageInEveryLanguage(QStringLiteral("lock screen")));

        STEP(tap(QStringLiteral("unlockButton")));
        STEP(typePin(QStringLiteral("0000")));
        QTRY_COMPARE(waitForItem(QStringLiteral("pinRefusedText"))->opacity(), 1.0);
        STEP(checkPageInEveryLanguage(QStringLiteral("PIN keypad")));
        STEP(typePin(signalInterface::PinTypes::Pin::defaultPinText()));
        QTRY_VERIFY(!pinCode.isLocked());
    }

    // The longest name typed on the keyboard, the favorite saved with it, and its editor.
    void favoritesKeyboardAndEditor()
    {
        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(waitForItem(QStringLiteral("favoritesList")));
        STEP(tapButton(QStringLiteral("Save current settings as favorite")));
        QVERIFY(waitForItem(QStringLiteral("onScreenKeyboard")));
        STEP(typeOnKeyboard(favoriteName));
        STEP(checkPageInEveryLanguage(QStringLiteral("keyboard")));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QVERIFY(rowWithText(QStringLiteral("favoritesList"), favoriteName));
        STEP(checkPageInEveryLanguage(QStringLiteral("favorites")));

        STEP(tapRowWithText(QStringLiteral("favoritesList"), favoriteName));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        QVERIFY(waitForItem(QStringLiteral("favoriteNameButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("favorite editor")));
        STEP(tapButton(QStringLiteral("Edit bath time")));
        STEP(checkPageInEveryLanguage(QStringLiteral("favorite bath time")));
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());
    }
};

QTEST_MAIN(TestFitMainPages)
#include "tst_fit_main_pages.moc"
