#include "text_fit.h"

#include "control/details/calendar_data_provider.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/configure_types.h"
#include "view_cpp/language_support.h"

#include <QQuickItem>
#include <QTest>

// The whole panel against a simulated steam sauna on loopback, in Fahrenheit on a 12-hour clock,
// with a favorite of the highest temperature and humidity, the longest bath and the longest name
// the keyboard takes, and a not-allowed start period. The calendar's pages show their texts whole
// in all fourteen languages: the weekdays, a weekday program's editor with its start time, its
// choice of favorite and each of its own settings, the weekday's programs and the queue with the
// favorite's name, the widest times ("10:00pm - 10:00am") and a delayed start, the month, a date's
// programs, a date program's editor, the date's programs with the program saved and the queue with
// it. So do the messages that name a program's day and times: a program that may conflict with the
// not-allowed start period and one that does, the question to save a changed program and the one to
// delete it, and the start refused until a time. None is cut off, out of its box or the window,
// broken inside a time, a number and its unit or a word, or over another text or under a button.
class TestFitCalendarPages : public QObject, private PageFitTest
{
    Q_OBJECT

private:
    static inline const QString favoriteName = QStringLiteral("WELLNESS WEEKEND MAX");
    // 110 °C in ninths of a degree: 230 °F.
    static constexpr quint32 highestTemperature = 990;

    // On the program's rows: the row opened, checked, and left by the button that sets it.
    void checkProgramEditor(const QString &list, int row, const QString &screen,
                            const QString &setButton)
    {
        STEP(tapRow(list, row));
        QVERIFY(waitForItem(setButton));
        STEP(checkPageInEveryLanguage(screen));
        STEP(tap(setButton));
    }

    // The row of the program list whose time range starts at the time.
    QQuickItem *programRow(const QString &list, const QString &start)
    {
        QQuickItem *shown = waitForItem(list);
        if (shown == nullptr)
            return nullptr;
        return waitForItem(
            shown,
            [&start](QQuickItem *item) {
                return isRow(item) && item->property("mainText").toString().startsWith(start);
            },
            QStringLiteral("the program at %1 in %2").arg(start, list));
    }

    // The edited program's own back arrow, not the one of the page under it.
    void tapProgramBack()
    {
        QQuickItem *header = waitForItem(QStringLiteral("programSettingsHeader"));
        QVERIFY(header);
        QQuickItem *back = findVisibleItem(header, QStringLiteral("pageBackButton"));
        QVERIFY(back);
        STEP(tap(back));
    }

    // The sauna's not-allowed start period, in minutes of the day, as the panel knows it.
    void setNotAllowedStart(quint32 from, quint32 until)
    {
        m_sauna->setReading(tools::IntegerId::NotAllowedStartFrom, from);
        m_sauna->setReading(tools::IntegerId::NotAllowedStartUntil, until);
        control::details::CalendarDataProvider &calendar =
            m_frame->calendarTab.calendarDataProvider;
        QTRY_COMPARE_WITH_TIMEOUT(calendar.notAllowedStartFrom(),
                                  QTime(0, 0).addSecs(int(from) * 60), waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(calendar.notAllowedStartUntil(),
                                  QTime(0, 0).addSecs(int(until) * 60), waitMs);
    }

private slots:
    void initTestCase()
    {
        STEP(readTranslationFiles());
        tools::SimulatorOptions options = longNamedSaunaOptions();
        options.rcbProduct = steamProduct;
        STEP(startConnected(options));
        STEP(dismissPopups());
        useWidestUnits();
        m_sauna->setReading(tools::IntegerId::TargetTemperature, highestTemperature);
        m_sauna->setReading(tools::IntegerId::TargetHumidity, 100);
        m_sauna->setReading(tools::IntegerId::BathTime, 720);
        QTRY_COMPARE_WITH_TIMEOUT(
            waitForItem(QStringLiteral("targetTemperatureText"))->property("text").toString(),
            QStringLiteral("Target 230°F"), waitMs);

        // The current settings saved as the favorite a program takes.
        STEP(tapTab(QStringLiteral("Favorites")));
        QVERIFY(waitForItem(QStringLiteral("favoritesList")));
        STEP(tapButton(QStringLiteral("Save current settings as favorite")));
        STEP(typeOnKeyboard(favoriteName));
        STEP(tap(QStringLiteral("keyboardSaveButton")));
        QVERIFY(rowWithText(QStringLiteral("favoritesList"), favoriteName));

        // No start from 10:00pm to 6:00am, switched on under Limits: the programs that run into
        // it ask first.
        STEP(tapTab(settingsTabIndex));
        STEP(backToSettingsAreas());
        STEP(openSettingsPage(QStringLiteral("limits"),
                              signalInterface::ConfigureTypes::E_notAllowedStart,
                              QStringLiteral("notAllowedStartPage")));
        STEP(tap(QStringLiteral("rowToggle")));
        STEP(tap(QStringLiteral("notAllowedStartSaveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(m_sauna->model().boolean(tools::BooleanId::NotAllowedStartEnable),
                                 waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->calendarTab.calendarDataProvider.notAllowedStartEnabled(),
                                 waitMs);
    }

    void cleanupTestCase()
    {
        useDefaultUnits();
        shutDown();
    }

    void cleanup() { STEP(failOnProblems()); }

    void weekdayProgram()
    {
        STEP(tapTab(QStringLiteral("Calendar")));
        QVERIFY(waitForItem(QStringLiteral("weekDaysList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekdays")));
        STEP(tapRowWithText(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRowWithText(QStringLiteral("weekDayProgramsList"),
                            QStringLiteral("weekday calendar program")));
        QObject &program = m_frame->calendarTab.weekdayProgramController;
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(checkPageInEveryLanguage(QStringLiteral("program editor")));

        const QString rows = QStringLiteral("programSettingsList");
        STEP(checkProgramEditor(rows, 0, QStringLiteral("program start time"),
                                QStringLiteral("programSetTimeButton")));
        // Its own settings, each on its editor, from the favorite's values.
        STEP(tapRow(rows, 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), favoriteName));
        STEP(tapRow(rows, 1));
        QVERIFY(waitForItem(QStringLiteral("programFavoriteList")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program favorites")));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), QStringLiteral("Custom")));
        QVERIFY(waitForItem(QStringLiteral("programUseCustomButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program custom settings")));
        const QString custom = QStringLiteral("programCustomList");
        STEP(checkProgramEditor(custom, 0, QStringLiteral("program temperature"),
                                QStringLiteral("programSetTemperatureButton")));
        STEP(checkProgramEditor(custom, 1, QStringLiteral("program humidity"),
                                QStringLiteral("programSetHumidityButton")));
        STEP(checkProgramEditor(custom, 2, QStringLiteral("program stop after"),
                                QStringLiteral("programSetStopTimeButton")));
        STEP(tap(QStringLiteral("programUseCustomButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program editor, own settings")));

        // The favorite again, and the program saved: the queue names it.
        STEP(tapRow(rows, 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), favoriteName));
        QVERIFY(waitForItem(QStringLiteral("programSaveButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("program editor, favorite")));
        // From 6:00pm for twelve hours it runs into the not-allowed start period.
        STEP(tap(QStringLiteral("programSaveButton")));
        STEP(checkMessageInEveryLanguage(QStringLiteral("program may conflict")));
        STEP(answerMessage(QStringLiteral("Yes")));
        QTRY_VERIFY(!program.property("editing").toBool());
        QVERIFY(programRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("6:00pm")));
        STEP(checkPageInEveryLanguage(QStringLiteral("weekday programs")));
        STEP(saveScreenshot(QStringLiteral("fit_calendar_weekday_programs")));

        // Changed and left by Back, it asks whether to save; left unsaved. Then its deletion
        // asked about, and not done.
        STEP(tap(programRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("6:00pm"))));
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(tapRow(rows, 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), QStringLiteral("Custom")));
        STEP(tap(QStringLiteral("programUseCustomButton")));
        STEP(tapProgramBack());
        STEP(checkMessageInEveryLanguage(QStringLiteral("save the changed program")));
        STEP(answerMessage(QStringLiteral("No")));
        QTRY_VERIFY(!program.property("editing").toBool());
        STEP(tap(programRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("6:00pm"))));
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(tap(QStringLiteral("programDeleteButton")));
        STEP(checkMessageInEveryLanguage(QStringLiteral("delete the program")));
        STEP(answerMessage(QStringLiteral("No")));
        STEP(tap(QStringLiteral("programCancelButton")));
        QTRY_VERIFY(!program.property("editing").toBool());

        // Moved to 10:00pm, the program shows the widest times of the 12-hour clock, "10:00pm -
        // 10:00am", beside its kind in the queue. It now starts in the not-allowed start period.
        STEP(tap(programRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("6:00pm"))));
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(tapRow(rows, 0));
        const QString readyAt =
            m_frame->calendarTabObjectIdProvider.weekdayProgramReadyAtControlName();
        for (int hour = 0; hour < 4; ++hour)
            STEP(tap(stepUpButton(readyAt, 0)));
        STEP(tap(QStringLiteral("programSetTimeButton")));
        STEP(tap(QStringLiteral("programSaveButton")));
        STEP(answerMessage(QStringLiteral("Yes")));
        QTRY_VERIFY(!program.property("editing").toBool());
        QVERIFY(programRow(QStringLiteral("weekDayProgramsList"), QStringLiteral("10:00pm")));
        QQuickItem *queue = openQueue();
        QVERIFY(queue);
        QVERIFY(waitForItem(
            queue,
            [](QQuickItem *item) {
                return item->inherits("QQuickText") &&
                       item->property("text").toString() == favoriteName;
            },
            QStringLiteral("the program's favorite in the queue")));
        // A delayed start set on the sauna stands first.
        m_sauna->setDelayedStart(60);
        QVERIFY(rowWithText(QStringLiteral("calendarQueueList"), QStringLiteral("Delayed start")));
        STEP(checkPageInEveryLanguage(QStringLiteral("queue")));
        m_sauna->setDelayedStart(0);
        STEP(tapButton(QStringLiteral("Week")));
    }

    void dateProgram()
    {
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(tapButton(QStringLiteral("Dates")));
        QVERIFY(waitForItem(m_frame->calendarTabObjectIdProvider.monthSelectorControlName()));
        STEP(checkPageInEveryLanguage(QStringLiteral("month")));
        // A day still to come by the sauna's clock, of this month or the next, and no Monday: a
        // program on it at the editor's first start time would collide with the Mondays' program.
        const QDate today = saunaClock().date();
        const QDate month = today.day() >= 27 ? today.addMonths(1) : today;
        QDate date(month.year(), month.month(), 28);
        if (date.dayOfWeek() == Qt::Monday)
            date = date.addDays(-1);
        if (month.month() != today.month())
            STEP(tapButton(QStringLiteral("›")));
        const QString dayText = QString::number(date.day());
        QQuickItem *day = waitForItem(
            sceneRoot(),
            [&dayText](QQuickItem *item) {
                return item->property("dayButtonEnabled").toBool() &&
                       item->property("textOnDayButton").toString() == dayText;
            },
            QStringLiteral("day %1").arg(dayText));
        QVERIFY(day);
        STEP(tap(day));
        QVERIFY(rowWithText(QStringLiteral("dateProgramsList"),
                            QStringLiteral("date calendar program")));
        STEP(checkPageInEveryLanguage(QStringLiteral("date programs")));
        STEP(tapRowWithText(QStringLiteral("dateProgramsList"),
                            QStringLiteral("date calendar program")));
        QObject &program = m_frame->calendarTab.dateProgramController;
        QTRY_VERIFY(program.property("editing").toBool());
        STEP(tapRow(QStringLiteral("programSettingsList"), 1));
        STEP(tapRowWithText(QStringLiteral("programFavoriteList"), favoriteName));
        QVERIFY(waitForItem(QStringLiteral("programSaveButton")));
        STEP(checkPageInEveryLanguage(QStringLiteral("date program editor")));
        // No start from 5:00pm on: the program starts in the period.
        STEP(setNotAllowedStart(17 * 60, 6 * 60));
        STEP(tap(QStringLiteral("programSaveButton")));
        STEP(checkMessageInEveryLanguage(QStringLiteral("program conflicts")));
        STEP(answerMessage(QStringLiteral("Yes")));
        QTRY_VERIFY(!program.property("editing").toBool());
        // The date's programs with the one saved: it names the favorite it takes.
        QVERIFY(waitForItem(QStringLiteral("dateProgramsList")));
        QVERIFY(waitForItem(
            sceneRoot(),
            [](QQuickItem *item) {
                return item->inherits("QQuickText") &&
                       item->property("text").toString().contains(favoriteName);
            },
            QStringLiteral("the saved program's favorite in the date's programs")));
        STEP(checkPageInEveryLanguage(QStringLiteral("date programs, one saved")));
        STEP(saveScreenshot(QStringLiteral("fit_calendar_date_programs")));
        // The queue with the date program, in time order with the weekday program.
        QQuickItem *queue = openQueue();
        QVERIFY(queue);
        QVERIFY(waitForItem(
            queue,
            [](QQuickItem *item) {
                return isRow(item) && item->property("value1Text").toString() ==
                                          view::LanguageSupport::dateCalendarProgramText();
            },
            QStringLiteral("the date program in the queue")));
        STEP(checkPageInEveryLanguage(QStringLiteral("queue with a date program")));
        STEP(saveScreenshot(QStringLiteral("fit_calendar_queue")));
    }

    // A start refused in the not-allowed start period tells when one is allowed again: two
    // minutes to eleven in the evening.
    void startNotAllowedUntil()
    {
        STEP(setNotAllowedStart(9 * 60, 22 * 60 + 58));
        STEP(tapTab(saunaTabIndex));
        STEP(tap(QStringLiteral("power_switch_tab")));
        STEP(checkMessageInEveryLanguage(QStringLiteral("start not allowed until")));
        const QStringList messages = dismissPopups();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.constFirst().endsWith(QLatin1String("pm")),
                 qPrintable(messages.join("")));
        QCOMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::Off));
    }
};

QTEST_MAIN(TestFitCalendarPages)
#include "tst_fit_calendar_pages.moc"
