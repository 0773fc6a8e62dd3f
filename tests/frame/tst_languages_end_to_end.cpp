#include "support/translation_files.h"
#include "text_fit.h"

#include "control/language_controller.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/language_types.h"
#include "view_cpp/configure/configure_general_view_manager.h"
#include "view_cpp/configure/configure_system_error_log_view_manager.h"
#include "view_cpp/language_support.h"

#include <QHash>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <memory>

// The whole panel against the simulated sauna on loopback, switched by taps on its Language
// screen through all fourteen languages. In each one the Language screen, the General menu, the
// list of settings areas and the main screen show no text that is still English where the
// language's file translates it, and no text that is cut off, runs out of its box or the window,
// or lies over another text or under a button. Then the pages a user walks to (the settings
// areas and their menus, the error log, the heater's settings, a favorite and its editor, the
// weekdays, a weekday program's editor and the queue) are each shown in all fourteen languages,
// and their texts held to the same fit.

using signalInterface::LanguageTypes;

class TestLanguagesEndToEnd : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    bool m_tappedOnce = false;

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        tools::SimulatorOptions options =
            saunaOptions(QStringLiteral("Loft sauna"), QStringLiteral("2580"));
        // Every kind of error, with the longest names, for the error log.
        options.errorLogEntries = 32;
        STEP(startSauna(options));
        STEP(startPanel());
        QCOMPARE(m_frame->controllerTab.languageController.language(), LanguageTypes::E_english);
        STEP(connectToTheSauna());
        // The main screen then shows its values.
        QTRY_VERIFY_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureGeneralViewManager>().model()->rowCount() >
                0,
            waitMs);
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void everyLanguageFitsAndIsTranslated_data()
    {
        QTest::addColumn<int>("value");
        // English last, so that the first switch leaves the language the panel starts in.
        for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
            if (value != LanguageTypes::E_english)
                QTest::newRow(qPrintable(textFit::languageCode(LanguageTypes::Language(value))))
                    << value;
        }
        QTest::newRow("en") << int(LanguageTypes::E_english);
    }

    // The first language by taps: Settings, General, Language, the language marked and saved;
    // the others by the language controller, as the Save button asks it. In each one the main
    // screen and the General menu are checked, and the Language screen in the first.
    void everyLanguageFitsAndIsTranslated()
    {
        QFETCH(int, value);
        const auto language = LanguageTypes::Language(value);
        control::LanguageController &languages = m_frame->controllerTab.languageController;
        m_problems.clear();
        m_screensChecked = 0;

        // Each text in the language, as its file translates it.
        const TextCheck inLanguage = [this, language](const QString &shown) {
            return notInLanguage(language, shown);
        };
        const QString code = textFit::languageCode(language);
        const bool screenshots = code == QLatin1String("fi") || code == QLatin1String("pl") ||
                                 code == QLatin1String("ru");

        int screens = 2;
        if (!m_tappedOnce) {
            m_tappedOnce = true;
            STEP(tapTab(settingsTabIndex));
            STEP(backToSettingsAreas());
            STEP(tap(QStringLiteral("settingsArea_general")));
            STEP(tapPageRow(QStringLiteral("generalMenuPage"),
                            signalInterface::ConfigureTypes::E_language));
            QVERIFY(waitForItem(QStringLiteral("generalLanguagePage")));
            STEP(tapPageRow(QStringLiteral("generalLanguagePage"), value));
            QCOMPARE(languages.language(), LanguageTypes::E_english);
            STEP(tap(QStringLiteral("languageSaveButton")));
            QTRY_COMPARE(languages.language(), language);
            STEP(checkShownTexts(language, QStringLiteral("Language screen"), inLanguage));
            STEP(tap(QStringLiteral("pageBackButton")));
            QVERIFY(waitForItem(QStringLiteral("generalMenuPage")));
            STEP(tapTab(saunaTabIndex));
            ++screens;
        } else {
            languages.onLanguageChangeRequested(language);
            QCOMPARE(languages.language(), language);
        }

        QVERIFY(waitForItem(QStringLiteral("targetTemperatureText")));
        STEP(checkShownTexts(language, QStringLiteral("main screen"), inLanguage));
        if (screenshots)
            STEP(saveScreenshot(QStringLiteral("languages_%1_main_screen").arg(code)));

        // The settings tab opens where it was left: on the General menu.
        STEP(tapTab(settingsTabIndex));
        QVERIFY(waitForItem(QStringLiteral("generalMenuPage")));
        STEP(checkShownTexts(language, QStringLiteral("General menu"), inLanguage));
        if (screenshots)
            STEP(saveScreenshot(QStringLiteral("languages_%1_general_menu").arg(code)));
        STEP(tapTab(saunaTabIndex));

        QCOMPARE(m_screensChecked, screens);
        STEP(failOnProblems());
    }

    // The settings areas and their menus, and the error log.
    void settingsPagesFitInEveryLanguage()
    {
        m_problems.clear();
        STEP(tapTab(settingsTabIndex));
        STEP(backToSettingsAreas());
        STEP(checkPageInEveryLanguage(QStringLiteral("settings areas")));
        const QStringList areas{QStringLiteral("system"), QStringLiteral("limits"),
                                QStringLiteral("general"), QStringLiteral("dateTime"),
                                QStringLiteral("advanced")};
        for (const QString &area : areas) {
            STEP(tap(QStringLiteral("settingsArea_") + area));
            QVERIFY(waitForItem(QStringLiteral("settingsList")));
            STEP(checkPageInEveryLanguage(area + QStringLiteral(" menu")));
            STEP(backToSettingsAreas());
        }
        STEP(tap(QStringLiteral("settingsArea_system")));
        STEP(tapRow(QStringLiteral("settingsList"), signalInterface::ConfigureTypes::E_errorLog));
        QVERIFY(waitForItem(QStringLiteral("errorLogPage")));
        QTRY_COMPARE_WITH_TIMEOUT(
            m_frame->configureTab.manager<view::ConfigureSystemErrorLogViewManager>()
                .model()
                ->rowCount(),
            32, waitMs);
        STEP(checkPageInEveryLanguage(QStringLiteral("error log")));
        STEP(backToSettingsAreas());
        STEP(tapTab(saunaTabIndex));
        STEP(failOnProblems());
    }

    // The heater's settings, over the main screen.
    void heaterSettingsFitInEveryLanguage()
    {
        m_problems.clear();
        STEP(tap(QStringLiteral("bathTimeTile")));
        QVERIFY(waitForItem(QStringLiteral("heaterSettingsModel")));
        STEP(checkPageInEveryLanguage(QStringLiteral("heater settings")));
        STEP(tap(QStringLiteral("pageBackButton")));
        STEP(failOnProblems());
    }

    // A favorite saved and opened, a weekday program with it opened, its start time, the
    // program saved, and the queue that shows it with its favorite.
    void favoriteAndCalendarPagesFitInEveryLanguage()
    {
        m_problems.clear();
        const QString favorite = QStringLiteral("Evening");
        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(waitForItem(QStringLiteral("favoritesList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("favorites")));
        STEP(tapButton(QStringLiteral("Save current settings as favorite")));
        STEP(typeOnKeyboard(favorite));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        STEP(tapRowWithText(QStringLiteral("favoritesList"), favorite));
        QTRY_VERIFY(m_frame->favoriteTab.favoriteController.editing());
        STEP(checkPageInEveryLanguage(QStringLiteral("favorite editor")));
        STEP(tap(QStringLiteral("pageBackButton")));
        QTRY_VERIFY(!m_frame->favoriteTab.favoriteController.editing());

        QObject &program = m_frame->calendarTab.weekdayProgramController;
        STEP(tapTab(QStringLiteral("Calendar")));
        QVERIFY(waitForItem(QStringLiteral("weekDaysList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekdays")));
        STEP(tapRowWithText(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRowWithText(QStringLiteral("weekDayProgramsList"),
                            view::LanguageSupport::weekdayCalendarProgramText()));
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(checkPageInEveryLanguage(QStringLiteral("program editor")));
        // Its start time, then its favorite.
        STEP(tapRow(QStringLiteral("programSettingsList"), 0));
        QVERIFY(waitForItem(QStringLiteral("programSetTimeButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program start time")));
        STEP(tap(QStringLiteral("programSetTimeButton")));
        STEP(tapRow(QStringLiteral("programSettingsList"), 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), favorite));
        QVERIFY(waitForItem(QStringLiteral("programSaveButton")));
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!program.property("editing").toBool());
        QVERIFY(
            rowWithText(QStringLiteral("weekDayProgramsList"), QStringLiteral("18:00 - 22:00")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekday programs")));

        // The queue row names the program's kind and its favorite.
        QQuickItem *queue = openQueue();
        QVERIFY(queue);
        QVERIFY(waitForItem(
            queue,
            [](QQuickItem *item) {
                return item->property("mainText").isValid() &&
                       !item->property("value1Text").toString().isEmpty();
            },
            QStringLiteral("the program in the queue")));
        const bool favoriteShown = findVisibleItem(queue, [&favorite](QQuickItem *item) {
                                       return item->inherits("QQuickText") &&
                                              item->property("text").toString() == favorite;
                                   }) != nullptr;
        if (!favoriteShown)
            m_problems << QStringLiteral("queue: the program's favorite is not shown");
        STEP(checkPageInEveryLanguage(QStringLiteral("queue")));
        STEP(tapButton(QStringLiteral("Week")));
        STEP(tapTab(saunaTabIndex));
        STEP(failOnProblems());
    }
};

QTEST_MAIN(TestLanguagesEndToEnd)
#include "tst_languages_end_to_end.moc"
