#include "panel_under_test.h"

#include "control/language_controller.h"
#include "control/message_controller.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/user_message_action.h"
#include "view_cpp/configure/configure_general_language_view_manager.h"
#include "view_cpp/configure/configure_general_region_view_manager.h"
#include "view_cpp/configure/configure_general_units_view_manager.h"
#include "view_cpp/list_model.h"

#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

#include <cstdlib>
#include <limits>

// A step of a helper that checks; the test ends at the first failed one.
#define STEP_RETURN(call, value)                                                                   \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return value;                                                                          \
    } while (false)

// The whole panel and the simulated sauna on loopback. The user connects through System, Network
// (as a user does the first time), then uses the General menu's Units, Region and Language
// screens by taps; the main screen shows each change at once.
class TestGeneralLanguageEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    // Settings tab, General, and the General menu's row of the id; the page of that name opens.
    void openGeneralPage(int id, const QString &pageName)
    {
        STEP(tap(tabButton(settingsTabIndex)));
        STEP(backToSettingsAreas());
        STEP(tap(QStringLiteral("settingsArea_general")));
        STEP(tapRow(QStringLiteral("settingsList"), id));
        QVERIFY(waitForItem(pageName));
        waitForPagesAtRest();
    }

    // The application ids of the checked rows of a model.
    static QList<int> checkedIds(const view::ListModel &model)
    {
        const int role = model.roleNames().key("checkmarkChecked", -1);
        QList<int> ids;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.data(model.index(row), role).toBool())
                ids << model.getApplId(row);
        }
        return ids;
    }

    // The main screen's shown temperatures: the dial's target and measured texts and the target
    // stepper's value.
    QStringList mainScreenTemperatures()
    {
        STEP_RETURN(tap(tabButton(saunaTabIndex)), {});
        QQuickItem *target = waitForItem(QStringLiteral("targetTemperatureText"));
        QQuickItem *measured = waitForItem(QStringLiteral("measuredTemperatureText"));
        QQuickItem *stepper = waitForItem(QStringLiteral("temperature_data_provider_tab2_normal"));
        QQuickItem *stepperValue =
            stepper ? stepper->findChild<QQuickItem *>(QStringLiteral("valueText")) : nullptr;
        if (!target || !measured || !stepperValue)
            return {};
        return {target->property("text").toString(), measured->property("text").toString(),
                stepperValue->property("text").toString()};
    }

    // The first whole number of a text.
    static int numberIn(const QString &text)
    {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("-?\\d+")).match(text);
        return match.hasMatch() ? match.captured().toInt() : std::numeric_limits<int>::min();
    }

private slots:
    void initTestCase()
    {
        STEP(startKnowingNoSauna(
            saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"))));
    }

    void cleanupTestCase() { shutDown(); }

    // As a user does the first time: on the Network screen, by taps.
    void connectToTheSauna() { STEP(connectOnTheNetworkScreen()); }

    // Fahrenheit on the Units screen: every temperature on the main screen is in °F at once.
    void unitsSwitchTheMainScreen()
    {
        control::TemperatureController &temperature = m_frame->controllerTab.temperatureController;
        view::ConfigureGeneralUnitsViewManager &units =
            m_frame->configureTab.manager<view::ConfigureGeneralUnitsViewManager>();
        QTRY_VERIFY_WITH_TIMEOUT(mainScreenTemperatures().join(' ').contains(QStringLiteral("°C")),
                                 waitMs);
        const QStringList celsius = mainScreenTemperatures();
        QCOMPARE(celsius.size(), 3);
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_units,
                             QStringLiteral("generalUnitsPage")));
        QTRY_COMPARE(checkedIds(*units.model()), QList<int>{0});
        STEP(tapPageRow(QStringLiteral("generalUnitsPage"), 1));
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_fahrenheit);
        QTRY_COMPARE(checkedIds(*units.model()), QList<int>{1});
        STEP(saveScreenshot(QStringLiteral("general_units_fahrenheit")));

        const QStringList shown = mainScreenTemperatures();
        QCOMPARE(shown.size(), 3);
        QVERIFY2(shown.at(0).contains(QStringLiteral("°F")), qPrintable(shown.at(0)));
        QVERIFY2(shown.at(2).contains(QStringLiteral("°F")), qPrintable(shown.at(2)));
        QVERIFY(!shown.join(' ').contains(QStringLiteral("°C")));
        // Every number converted, the measured one too: c × 9/5 + 32, give or take rounding.
        for (int i = 0; i < 3; ++i) {
            const int expected = numberIn(celsius.at(i)) * 9 / 5 + 32;
            QVERIFY2(std::abs(numberIn(shown.at(i)) - expected) <= 1,
                     qPrintable(shown.at(i) + QStringLiteral(" vs %1").arg(expected)));
        }
        STEP(saveScreenshot(QStringLiteral("general_units_main_screen")));

        // Back to Celsius by hand: a unit chosen by hand.
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_units,
                             QStringLiteral("generalUnitsPage")));
        STEP(tapPageRow(QStringLiteral("generalUnitsPage"), 0));
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_celsius);
        QTRY_VERIFY(mainScreenTemperatures().join(' ').contains(QStringLiteral("°C")));
    }

    // North America on the Region screen: the request reaches the sauna, and its report proposes
    // the region's formats, week start and unit, over the unit chosen by hand before.
    void regionProposesItsDefaults()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        control::TemperatureController &temperature = m_frame->controllerTab.temperatureController;
        view::ConfigureGeneralRegionViewManager &region =
            m_frame->configureTab.manager<view::ConfigureGeneralRegionViewManager>();
        QCOMPARE(m_sauna->model().enums().region.value_or(-1), 30);
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_region,
                             QStringLiteral("generalRegionPage")));
        QTRY_COMPARE(checkedIds(*region.model()), QList<int>{0});
        STEP(tapPageRow(QStringLiteral("generalRegionPage"), 1));
        // REGION_NORTH_AMERICA on the wire.
        QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().enums().region.value_or(-1), 31, waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(region.region(), signalInterface::RegionTypes::E_north_america,
                                  waitMs);
        QTRY_COMPARE(checkedIds(*region.model()), QList<int>{1});
        QCOMPARE(time.dateFormat(), signalInterface::DateTimeTypes::E_mmddyy);
        QCOMPARE(time.timeFormat(), signalInterface::DateTimeTypes::E_am_pm);
        QCOMPARE(time.weekDayStart(), signalInterface::CalendarTypes::E_sunday);
        QCOMPARE(temperature.temperatureUnit(), signalInterface::TemperatureTypes::E_fahrenheit);
        STEP(saveScreenshot(QStringLiteral("general_region_north_america")));
        QTRY_VERIFY(mainScreenTemperatures().join(' ').contains(QStringLiteral("°F")));
        STEP(saveScreenshot(QStringLiteral("general_region_main_screen")));
    }

    // Finnish on the Language screen, saved: the whole scene is in Finnish at once.
    void languageSwitchesTheWholeScene()
    {
        control::LanguageController &language = m_frame->controllerTab.languageController;
        STEP(openGeneralPage(signalInterface::ConfigureTypes::E_language,
                             QStringLiteral("generalLanguagePage")));
        STEP(tapPageRow(QStringLiteral("generalLanguagePage"),
                        signalInterface::LanguageTypes::E_finnish));
        // Marked, not yet switched.
        QCOMPARE(language.language(), signalInterface::LanguageTypes::E_english);
        STEP(tap(QStringLiteral("languageSaveButton")));
        QTRY_COMPARE(language.language(), signalInterface::LanguageTypes::E_finnish);
        // The list itself is rebuilt in Finnish, with the mark on Finnish.
        const view::ListModel &model =
            *m_frame->configureTab.manager<view::ConfigureGeneralLanguageViewManager>().model();
        QTRY_COMPARE(checkedIds(model), QList<int>{signalInterface::LanguageTypes::E_finnish});
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Suomi");
        }));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Tallenna");
        }));
        STEP(saveScreenshot(QStringLiteral("general_language_finnish")));

        // The main screen and the tab bar, without a restart.
        STEP(tap(tabButton(saunaTabIndex)));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Asetukset");
        }));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Tavoitelämpötila");
        }));
        QVERIFY(!findVisibleItem(sceneRoot(), [](QQuickItem *item) {
            return item->property("text").toString() == QStringLiteral("Target temperature");
        }));
        STEP(saveScreenshot(QStringLiteral("general_language_main_screen")));
    }

    // A question open while the language changes: its title and buttons change with it, and
    // its button in the new language answers it.
    void openQuestionTakesTheNewLanguage()
    {
        struct Answers : signalInterface::UserMessageAction
        {
            void
            execute(const signalInterface::UserMessageTypes::UserMessageAnswer &answer) override
            {
                given << answer;
            }
            QList<signalInterface::UserMessageTypes::UserMessageAnswer> given;
        } answers;
        signalInterface::UserMessageTypes::UserMessage question(0x2022);
        question.type = signalInterface::UserMessageTypes::E_typeTwoButtons;
        m_frame->controllerTab.messageController.onPanelUserMessageIssued(question, &answers);
        const auto shows = [this](const QString &objectName, const QString &text) {
            QQuickItem *item = findVisibleItem(sceneRoot(), objectName);
            return item != nullptr && item->property("text").toString() == text;
        };
        QTRY_VERIFY(shows(QStringLiteral("popupTitle"), QStringLiteral("Tiedote")));

        m_frame->controllerTab.languageController.onLanguageChangeRequested(
            signalInterface::LanguageTypes::E_german);
        QTRY_VERIFY(shows(QStringLiteral("popupText"),
                          QStringLiteral("Auf Werkseinstellungen zurücksetzen?")));
        QVERIFY(shows(QStringLiteral("popupTitle"), QStringLiteral("Info")));
        QVERIFY(shows(QStringLiteral("popupRightButton"), QStringLiteral("Nein")));
        STEP(tap(QStringLiteral("popupLeftButton")));
        QCOMPARE(answers.given, QList{signalInterface::UserMessageTypes::E_answerYes});
        QVERIFY(!m_frame->controllerTab.messageController.hasCurrentMessage());
    }
};

QTEST_MAIN(TestGeneralLanguageEndToEnd)
#include "tst_general_language_end_to_end.moc"
