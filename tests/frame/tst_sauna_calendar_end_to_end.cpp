#include "panel_under_test.h"

#include "control/details/calendar_data_provider.h"
#include "sauna_simulator/calendar_timing.h"
#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/language_support.h"

#include <QQuickItem>
#include <QTest>
#include <QTimeZone>

#include <optional>

using tools::CalendarRecord;

namespace {

QDateTime startOf(const CalendarRecord &record)
{
    return tools::SaunaStateModel::protocolEpoch().addMSecs(qint64(record.startTime));
}

} // namespace

// The whole panel against the simulated sauna, whose clock the test moves: the computer's time
// stands still for the sauna, and the test steps it as a day would. The user switches the
// not-allowed start period on, and the sauna refuses a start in it with the message that says
// when a start is allowed. The user makes a weekday program, and at its time the sauna starts by
// itself and the main screen shows it heating, until its stop time. The queue names the sauna's
// today "Today", places the sauna's descaling on the day the sauna reports for it, in time order
// with the program, and shows a delayed start set on the sauna until the sauna switches itself on.
class TestSaunaCalendarEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    QList<CalendarRecord> programsInUse() const
    {
        QList<CalendarRecord> programs;
        for (const CalendarRecord &program : m_sauna->model().records().calendarPrograms()) {
            if (program.inUse)
                programs << program;
        }
        return programs;
    }

    void tapRow(const QString &listName, const QString &text)
    {
        QQuickItem *row = nullptr;
        QVERIFY2(
            QTest::qWaitFor([&] { return (row = findRow(listName, text)) != nullptr; }, waitMs),
            qPrintable(QStringLiteral("%1: %2; shown: %3")
                           .arg(listName, text, rowTexts(listName).join(QLatin1Char('|')))));
        tap(row, [this, listName, text] { return findRow(listName, text); });
    }

    // The sauna's clock set as the Time screen's Save sets it: the panel asks the sauna.
    void setSaunaClock(const QDateTime &wallClock)
    {
        m_frame->controllerTab.timeController.onSetSystemTimeRequested(wallClock);
        QTRY_COMPARE_WITH_TIMEOUT(saunaClock(), wallClock, waitMs);
    }

    QQuickItem *powerSwitch() { return waitForItem(QStringLiteral("power_switch_tab")); }

    // One of the calendar's section buttons: Week, Dates or Queue.
    void tapSection(const QString &text)
    {
        QQuickItem *button = waitForItem(
            sceneRoot(),
            [&text](QQuickItem *item) {
                return item->property("highlighted").isValid() &&
                       item->property("text").toString() == text;
            },
            QStringLiteral("section \"%1\"").arg(text));
        QVERIFY(button);
        tap(button);
    }

    // The computer's time as the sauna sees it; only the test moves it.
    QDateTime m_now = QDateTime(QDate(2030, 1, 1), QTime(12, 0), QTimeZone::utc());

private slots:
    void initTestCase()
    {
        STEP(startSauna(saunaOptions(QStringLiteral("Night sauna"), QStringLiteral("2468"))));
        m_sauna->setClock([this] { return m_now; });
        STEP(startPanel());
        STEP(connectToTheSauna());
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void startInNotAllowedPeriodIsRefused()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        // Settings, Limits, Not-allowed start: the sauna's 22:00-06:00, switched on and saved.
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_limits")));
        STEP(PanelUnderTest::tapRow(QStringLiteral("settingsList"), 2));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("notAllowedStartPage")));
        QQuickItem *toggle = waitForItem(QStringLiteral("rowToggle"));
        QVERIFY(toggle);
        QVERIFY(!toggle->property("checked").toBool());
        STEP(tap(toggle));
        QTRY_VERIFY(toggle->property("checked").toBool());
        STEP(tap(QStringLiteral("notAllowedStartSaveButton")));
        QTRY_VERIFY_WITH_TIMEOUT(model.boolean(tools::BooleanId::NotAllowedStartEnable), waitMs);
        QCOMPARE(model.integer(tools::IntegerId::NotAllowedStartFrom), 22u * 60);
        QCOMPARE(model.integer(tools::IntegerId::NotAllowedStartUntil), 6u * 60);
        STEP(backToSettingsAreas());

        // At 02:51 the power button asks for a start; the sauna refuses and tells until when.
        STEP(setSaunaClock(QDateTime(QDate(2030, 1, 8), QTime(2, 51), QTimeZone::utc())));
        STEP(tap(tabButton(saunaTabIndex)));
        QQuickItem *power = powerSwitch();
        QVERIFY(power);
        QVERIFY(!power->property("on").toBool());
        STEP(tap(power));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QVERIFY(popup);
        QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), waitMs);
        STEP(saveScreenshot(QStringLiteral("calendar_not_allowed_start_refused")));
        QCOMPARE(dismissPopups(), QStringList{QStringLiteral(
                                      "Bathtime limit exceeded. Start will be allowed at 06:00")});
        QCOMPARE(model.state(), int(tools::SaunaStateValue::Off));
        QVERIFY(!power->property("on").toBool());
    }

    void weekdayProgramStartsTheSaunaAtItsTime()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        // A weekday program on Mondays: ready at 18:00 for four hours, the panel's new program.
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(tapRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRow(QStringLiteral("weekDayProgramsList"),
                    QStringLiteral("weekday calendar program")));
        QObject &controller = m_frame->calendarTab.weekdayProgramController;
        QTRY_VERIFY(controller.property("editing").toBool());
        STEP(tap(QStringLiteral("programSaveButton")));
        QTRY_VERIFY(!controller.property("editing").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(programsInUse().size(), 1, waitMs);
        const CalendarRecord program = programsInUse().constFirst();
        QVERIFY(program.weekdayProgram);
        QCOMPARE(program.startMode, CalendarRecord::ReadyAt);
        QCOMPARE(startOf(program).date().dayOfWeek(), 1);
        QCOMPARE(startOf(program).time(), QTime(18, 0));

        // Ready at 18:00, the sauna begins to heat as long before as it needs from the room's
        // temperature. The clock a minute before that, on a Monday.
        const qint64 warmUp = tools::calendar::warmUpMinutes(
            tools::calendar::settingsOf(program, model.records().favorites()).temperature,
            model.integer(tools::IntegerId::Temperature));
        QVERIFY(warmUp > 0);
        const QDateTime ready(QDate(2030, 1, 14), QTime(18, 0), QTimeZone::utc());
        const QDateTime heatingBegins = ready.addSecs(-warmUp * 60);
        STEP(setSaunaClock(heatingBegins.addSecs(-60)));
        STEP(tap(tabButton(saunaTabIndex)));
        QQuickItem *power = powerSwitch();
        QVERIFY(power);
        QVERIFY(!power->property("on").toBool());
        QCOMPARE(model.state(), int(tools::SaunaStateValue::Off));

        // The minute passes: the sauna starts by itself, and the main screen shows it heating.
        m_now = m_now.addSecs(60);
        QTRY_COMPARE_WITH_TIMEOUT(model.state(), int(tools::SaunaStateValue::On), waitMs);
        QCOMPARE(model.runningProgram(), std::optional<quint32>(program.index));
        QTRY_VERIFY_WITH_TIMEOUT(power->property("on").toBool(), waitMs);
        QTRY_COMPARE(power->property("stateText").toString(), QStringLiteral("Heating"));
        QCOMPARE(model.integer(tools::IntegerId::RunTimeLeft), quint32(warmUp + 240));
        STEP(saveScreenshot(QStringLiteral("calendar_program_started")));

        // Four hours after the ready time it stops, and the screen shows it off.
        m_now = m_now.addSecs((warmUp + 240) * 60);
        QTRY_COMPARE_WITH_TIMEOUT(model.state(), int(tools::SaunaStateValue::Off), waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!power->property("on").toBool(), waitMs);
        QTRY_COMPARE(power->property("stateText").toString(), QStringLiteral("Off"));
    }

    // The queue says "Today" for a start on the sauna's today, where another day has its date. A
    // delayed start set on the sauna stands first until it switches the sauna on. The program's
    // editor offers bath and standby under "Mode".
    void queueShowsTodayAndTheDelayedStart()
    {
        const tools::SaunaStateModel &model = m_sauna->model();
        const control::details::CalendarDataProvider &provider =
            m_frame->calendarTab.calendarDataProvider;
        QCOMPARE(programsInUse().size(), 1);
        const std::optional<signalInterface::CalendarProgram> mondays =
            provider.program(int(programsInUse().constFirst().index));
        QVERIFY(mondays);
        const QString times = QLatin1Char(' ') + provider.programTimeText(*mondays);
        const QString queue = QStringLiteral("calendarQueueList");

        // Late on a Monday: the program's next start is a week away. The sauna's descaling runs
        // every second Wednesday at 02:00, on the day the sauna reports for it.
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(tapSection(QStringLiteral("Queue")));
        const QDate nextMonday(2030, 1, 21);
        const QString program =
            view::LanguageSupport::dateText(nextMonday, provider.dateFormat()) + times;
        const QDate wednesday(2030, 1, 16);
        const auto lastDescaling = [this](const QDate &day) {
            m_sauna->setReading(tools::IntegerId::LastDescaling,
                                quint32(QDate(2000, 1, 1).daysTo(day)));
        };
        const auto descalingOn = [&provider](const QDate &day) {
            return view::LanguageSupport::dateText(day, provider.dateFormat()) + QLatin1Char(' ') +
                   view::LanguageSupport::timeText(QTime(2, 0), provider.timeFormat());
        };
        // Done a week before this Wednesday: the next one follows the program.
        lastDescaling(wednesday.addDays(-7));
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(queue).mid(0, 2),
                                  (QStringList{program, descalingOn(wednesday.addDays(7))}),
                                  waitMs);
        // Done two weeks before: this Wednesday's comes first.
        lastDescaling(wednesday.addDays(-14));
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(queue).mid(0, 2),
                                  (QStringList{descalingOn(wednesday), program}), waitMs);
        // The clock set past that Wednesday: the program is today's, the descaling a week on.
        STEP(setSaunaClock(QDateTime(nextMonday, QTime(8, 0), QTimeZone::utc())));
        const QString today = view::LanguageSupport::todayText() + times;
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(queue).mid(0, 2),
                                  (QStringList{today, descalingOn(wednesday.addDays(7))}), waitMs);

        m_sauna->setDelayedStart(30);
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(queue).mid(0, 2),
                                  (QStringList{QStringLiteral("Delayed start"), today}), waitMs);
        STEP(saveScreenshot(QStringLiteral("calendar_queue_delayed_start")));
        // Half an hour later the sauna switches itself on, and its delayed start is over.
        m_now = m_now.addSecs(30 * 60);
        QTRY_COMPARE_WITH_TIMEOUT(model.state(), int(tools::SaunaStateValue::On), waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(rowTexts(queue).value(0), today, waitMs);
        QVERIFY(!rowTexts(queue).contains(QStringLiteral("Delayed start")));

        // The Mondays' programs, where the week was left.
        STEP(tapSection(QStringLiteral("Week")));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), QStringLiteral("weekDayProgramsList")) ||
                    findVisibleItem(sceneRoot(), QStringLiteral("weekDaysList")));
        if (!findVisibleItem(sceneRoot(), QStringLiteral("weekDayProgramsList")))
            STEP(tapRow(QStringLiteral("weekDaysList"), QStringLiteral("Mondays")));
        STEP(tapRow(QStringLiteral("weekDayProgramsList"), provider.programTimeText(*mondays)));
        QObject &controller = m_frame->calendarTab.weekdayProgramController;
        QTRY_VERIFY(controller.property("editing").toBool());
        QTRY_COMPARE(rowTexts(QStringLiteral("programSettingsList")),
                     (QStringList{QStringLiteral("Ready at"), QStringLiteral("Settings"),
                                  QStringLiteral("Stop after"), QStringLiteral("Mode"),
                                  QStringLiteral("Bath"), QStringLiteral("Standby")}));
        QQuickItem *heading = waitForItem(QStringLiteral("rowCaption"));
        QVERIFY(heading);
        QCOMPARE(heading->property("text").toString(), QStringLiteral("Mode"));
        STEP(saveScreenshot(QStringLiteral("calendar_program_modes")));
        STEP(tap(QStringLiteral("programCancelButton")));
        QTRY_VERIFY(!controller.property("editing").toBool());
    }
};

QTEST_MAIN(TestSaunaCalendarEndToEnd)
#include "tst_sauna_calendar_end_to_end.moc"
