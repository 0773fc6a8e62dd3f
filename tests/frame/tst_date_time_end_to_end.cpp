#include "panel_under_test.h"

#include "control/calendar_queue_controller.h"
#include "control/time_controller.h"
#include "sauna_simulator/sauna_state_model.h"
#include "view_cpp/configure/configure_date_time_date_view_manager.h"
#include "view_cpp/configure/configure_date_time_erase_calendar_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_view_manager.h"

#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using signalInterface::DateTimeTypes;

// The whole panel connected to the simulated sauna on loopback. The user goes to the settings
// tab, Date and time, and sets the sauna's time and date with the editors, switches the time
// format, the first day of the week and erases the calendar. Each change is checked where it
// lands: on the simulated sauna, and on the screens that show it (the main screen's clock, the
// calendar's month grid). Every tap is a mouse click on the scene's widget.
class TestDateTimeEndToEnd : public QObject, private PanelUnderTest
{
    Q_OBJECT

private:
    int saunaProgramsInUse() const
    {
        const auto &programs = m_sauna->model().records().calendarPrograms();
        return int(std::count_if(programs.begin(), programs.end(),
                                 [](const tools::CalendarRecord &record) { return record.inUse; }));
    }

    QString clockText()
    {
        QQuickItem *clock = findVisibleItem(sceneRoot(), QStringLiteral("clockText"));
        return clock ? clock->property("text").toString() : QString();
    }

    void tapBack() { tap(QStringLiteral("pageBackButton")); }

private slots:
    void initTestCase()
    {
        STEP(startConnected(saunaOptions(QStringLiteral("Garden sauna"), QStringLiteral("1357"))));
        // The sauna's time has been reported: the Time row is offered.
        QTRY_VERIFY_WITH_TIMEOUT(m_frame->controllerTab.timeController.systemTime().dateValid,
                                 waitMs);
        QTRY_COMPARE(
            m_frame->configureTab.manager<view::ConfigureDateTimeViewManager>().model()->rowCount(),
            4);
        STEP(dismissPopups());
    }

    void cleanupTestCase() { shutDown(); }

    void setTimeAndFormat()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(tap(QStringLiteral("settingsArea_dateTime")));
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_menu")));
        // The Time row carries application id 0.
        STEP(tapRow(QStringLiteral("settingsList"), 0));
        STEP(waitForItem(QStringLiteral("dateTimeTimePage")));
        STEP(tapRow(QStringLiteral("settingsList"), -2));
        STEP(waitForItem(QStringLiteral("setTimePage")));

        // One hour on; the editor wraps within the sauna's day.
        const QDateTime reported = time.systemTime().dateTime;
        value::TimeValueManager &editor =
            *m_frame->configureTab.manager<view::ConfigureDateTimeTimeViewManager>().timeEditor();
        QCOMPARE(editor.value().date(), reported.date());
        const QTime before = editor.value().time();
        STEP(tap(stepUpButton(QStringLiteral("setTimeStepper"), 0)));
        QTRY_COMPARE(editor.value().time().hour(), (before.hour() + 1) % 24);
        STEP(saveScreenshot(QStringLiteral("frame_date_time_set_time")));
        const QDateTime expected(reported.date(), QTime((before.hour() + 1) % 24, before.minute()),
                                 Qt::UTC);

        QSignalSpy reports(&time, &control::TimeController::systemTimeDetailsChanged);
        STEP(tap(QStringLiteral("setTimeSaveButton")));
        // The sauna's clock is set, and the sauna reports it back.
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(saunaClock().secsTo(expected)) < 60, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!reports.isEmpty() &&
                                     qAbs(reports.constLast().at(0).toDateTime().secsTo(expected)) <
                                         60,
                                 waitMs);
        // The 24-hour clock of the main screen shows it.
        QTRY_COMPARE(clockText(), time.runningSystemTime().dateTime.time().toString("HH:mm"));

        // Back on the Time page: AM/PM.
        STEP(waitForItem(QStringLiteral("dateTimeTimePage")));
        STEP(tapRow(QStringLiteral("settingsList"), int(DateTimeTypes::E_am_pm)));
        QTRY_COMPARE(time.timeFormat(), DateTimeTypes::E_am_pm);
        // The marker follows the minutes directly, in the header as in the Time row below it. The
        // clock runs on meanwhile: both sides are read again until they agree.
        const auto amPmNow = [&time] {
            const QTime now = time.runningSystemTime().dateTime.time();
            return QStringLiteral("%1:%2%3")
                .arg(now.hour() % 12 == 0 ? 12 : now.hour() % 12)
                .arg(now.minute(), 2, 10, QLatin1Char('0'))
                .arg(now.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
        };
        QTRY_COMPARE(clockText(), amPmNow());
        QQuickItem *timeRow = findRow(QStringLiteral("settingsList"), QStringLiteral("Time"));
        QVERIFY(timeRow);
        QTRY_COMPARE(timeRow->property("value2Text").toString(), clockText());
        STEP(saveScreenshot(QStringLiteral("frame_date_time_time_page")));
        STEP(tapBack());
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void setDateAndFormat()
    {
        control::TimeController &time = m_frame->controllerTab.timeController;
        // The Date row carries application id 1.
        STEP(tapRow(QStringLiteral("settingsList"), 1));
        STEP(waitForItem(QStringLiteral("dateTimeDatePage")));
        // Day/month/year first, so the editor's left stepper is the day.
        STEP(tapRow(QStringLiteral("settingsList"), int(DateTimeTypes::E_ddmmyy)));
        QTRY_COMPARE(time.dateFormat(), DateTimeTypes::E_ddmmyy);
        STEP(tapRow(QStringLiteral("settingsList"), -1));
        STEP(waitForItem(QStringLiteral("setDatePage")));

        value::DateValueManager &editor =
            *m_frame->configureTab.manager<view::ConfigureDateTimeDateViewManager>().dateEditor();
        const QDate before = editor.value();
        QCOMPARE(before, time.systemTime().dateTime.date());
        // The year up: the day is cut to the month where needed (29 February).
        STEP(tap(stepUpButton(QStringLiteral("setDateStepper"), 2)));
        const QDate expectedDate = editor.steppedDate(2, 0).isValid() ? editor.value() : QDate();
        QTRY_COMPARE(editor.value().year(), before.year() + 1);
        QQuickItem *yearField = waitForItem(QStringLiteral("dateField2"));
        QVERIFY(yearField);
        QTRY_COMPARE(yearField->property("text").toString(),
                     editor.value().toString(QStringLiteral("yy")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_set_date")));

        STEP(tap(QStringLiteral("setDateSaveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(saunaClock().date(), expectedDate, waitMs);
        QTRY_COMPARE_WITH_TIMEOUT(time.systemTime().dateTime.date(), expectedDate, waitMs);
        // The date row shows the reported date in the chosen format.
        STEP(waitForItem(QStringLiteral("dateTimeDatePage")));
        const QString dateText = expectedDate.toString(QStringLiteral("dd/MM/yy"));
        QTRY_VERIFY(findVisibleItem(sceneRoot(), [&dateText](QQuickItem *item) {
            return item->property("text").toString() == dateText;
        }));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_date_page")));
        STEP(tapBack());
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void weekStartSwitchesTheMonthGrid()
    {
        control::CalendarDateProgramOverviewController &month =
            m_frame->calendarTab.dateProgramOverviewController;
        const QStringList mondayFirst = month.weekDayHeaders();
        QCOMPARE(mondayFirst.size(), 7);
        STEP(tapRow(QStringLiteral("settingsList"), 2));
        STEP(waitForItem(QStringLiteral("dateTimeWeekStartPage")));
        STEP(tapRow(QStringLiteral("settingsList"), int(signalInterface::CalendarTypes::E_sunday)));
        QTRY_COMPARE(m_frame->controllerTab.timeController.weekDayStart(),
                     signalInterface::CalendarTypes::E_sunday);
        QTRY_COMPARE(month.weekDayHeaders().first(), mondayFirst.last());
        STEP(saveScreenshot(QStringLiteral("frame_date_time_week_start")));
        STEP(tapBack());

        // The calendar tab's month grid is drawn from these headers; it now begins with Sunday.
        STEP(tapTab(QStringLiteral("Calendar")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_calendar_tab")));
        STEP(tapTab(QStringLiteral("Settings")));
        STEP(waitForItem(QStringLiteral("dateTimeMenuList")));
    }

    void eraseCalendarEmptiesTheSauna()
    {
        // Two programs on the sauna, sent as the calendar pages would, at times of their own: the
        // sauna refuses a program due at the same time as another.
        const QDateTime tomorrow = saunaClock().addDays(1);
        for (quint32 index : {3u, 7u}) {
            signalInterface::CalendarProgram program(index);
            program.inUse = true;
            program.start = QDateTime(tomorrow.date(), QTime(index == 3u ? 18 : 21, 0), Qt::UTC);
            m_frame->saunaCommunication.saunaSystemSender()->onCalendarProgramChangeRequested(
                program);
        }
        QTRY_COMPARE_WITH_TIMEOUT(saunaProgramsInUse(), 2, waitMs);
        control::details::CalendarDataProvider &held = m_frame->calendarTab.calendarDataProvider;
        QTRY_VERIFY_WITH_TIMEOUT(held.program(3) && held.program(3)->inUse && held.program(7) &&
                                     held.program(7)->inUse,
                                 waitMs);

        STEP(tapRow(QStringLiteral("settingsList"), 5));
        STEP(waitForItem(QStringLiteral("dateTimeEraseCalendarPage")));
        STEP(saveScreenshot(QStringLiteral("frame_date_time_erase_calendar")));
        QCOMPARE(m_frame->configureTab.manager<view::ConfigureDateTimeEraseCalendarViewManager>()
                     .model()
                     ->rowCount(),
                 1);
        STEP(tap(QStringLiteral("rowButton")));
        auto *popup = qobject_cast<QQuickItem *>(m_frame->guiHandler.popupWidget());
        QTRY_VERIFY(popup->isVisible());
        STEP(saveScreenshot(QStringLiteral("frame_date_time_erase_question")));
        QQuickItem *yes = findVisibleItem(popup, QStringLiteral("popupLeftButton"));
        QVERIFY(yes);
        STEP(tap(yes));
        QTRY_COMPARE_WITH_TIMEOUT(saunaProgramsInUse(), 0, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!held.program(3)->inUse && !held.program(7)->inUse, waitMs);
    }
};

QTEST_MAIN(TestDateTimeEndToEnd)
#include "tst_date_time_end_to_end.moc"
