#include "model_reader.h"

#include "signal_interface/calendar_types.h"
#include "signal_interface/configure_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/time_edit_types.h"
#include "signal_interface/type_registration.h"
#include "view_cpp/configure/configure_date_time_date_view_manager.h"
#include "view_cpp/configure/configure_date_time_erase_calendar_view_manager.h"
#include "view_cpp/configure/configure_date_time_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_view_manager.h"
#include "view_cpp/configure/configure_date_time_week_begin_view_manager.h"
#include "view_cpp/row_item.h"

#include <QSignalSpy>
#include <QTest>

using signalInterface::CalendarTypes;
using signalInterface::ConfigureTypes;
using signalInterface::DateTimeTypes;
using signalInterface::MasterFuncDescTypes;
using signalInterface::TimeEditTypes;

Q_DECLARE_METATYPE(QList<int>)

namespace {

QVariant roleOf(const view::ListModel &model, int row, int role)
{
    return model.data(model.index(row), role);
}

MasterFuncDescTypes::MasterFuncDescPost functions(bool rtc, bool schedule)
{
    MasterFuncDescTypes::MasterFuncDescPost post;
    post.rtc = rtc;
    post.schedule = schedule;
    return post;
}

const QDateTime may10(QDate(2024, 5, 10), QTime(14, 37, 12), Qt::UTC);

} // namespace

// The Date and time menu and its four screens, each against the signals the time controller
// and QML would send.
class TestConfigureDateTimeViewManagers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }

    // Menu: rows by the function flags and the date's validity; two rows emit another id.
    void menuRowsFollowFlagsAndDateValidity_data()
    {
        QTest::addColumn<bool>("rtc");
        QTest::addColumn<bool>("schedule");
        QTest::addColumn<bool>("dateValid");
        QTest::addColumn<QList<int>>("ids");
        QTest::newRow("start values") << true << true << false << QList<int>{1, 2, 5};
        QTest::newRow("valid date") << true << true << true << QList<int>{0, 1, 2, 5};
        QTest::newRow("no clock") << false << true << true << QList<int>{5};
        QTest::newRow("no calendar") << true << false << true << QList<int>{0, 1, 2};
        QTest::newRow("neither") << false << false << true << QList<int>{};
    }
    void menuRowsFollowFlagsAndDateValidity()
    {
        QFETCH(bool, rtc);
        QFETCH(bool, schedule);
        QFETCH(bool, dateValid);
        QFETCH(QList<int>, ids);
        view::ConfigureDateTimeViewManager menu(nullptr);
        menu.onSaunaMasterFuncDescChanged(functions(rtc, schedule));
        menu.onSystemTimeDetailsChanged(may10, dateValid, true);
        QCOMPARE(modelReader::applIds(*menu.model()), ids);
    }

    void menuEmitsTheScreenIds()
    {
        view::ConfigureDateTimeViewManager menu(nullptr);
        QSignalSpy edits(&menu, &view::ConfigureDateTimeViewManager::editSelected);
        QCOMPARE(modelReader::texts(*menu.model(), "textOnSubMenu"),
                 (QStringList{"Date", "Weekstart", "Erase calendar"}));
        menu.onItemSelected(1);
        menu.onItemSelected(2);
        menu.onItemSelected(5);
        // No row carries 3 or 4; 0 is the Time row, absent without a valid date; 6 is no id.
        menu.onItemSelected(3);
        menu.onItemSelected(4);
        menu.onItemSelected(0);
        menu.onItemSelected(6);
        menu.onItemSelected(-1);
        QCOMPARE(edits.size(), 3);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_date));
        QCOMPARE(edits.at(1).at(0).toInt(), int(ConfigureTypes::E_weekstart));
        QCOMPARE(edits.at(2).at(0).toInt(), int(ConfigureTypes::E_eraseCalendar));

        menu.onSystemTimeDetailsChanged(may10, true, true);
        menu.onItemSelected(0);
        QCOMPARE(edits.size(), 4);
        QCOMPARE(edits.at(3).at(0).toInt(), int(ConfigureTypes::E_time));
    }

    void menuRebuildsOnlyWhenTheDateFlagChanges()
    {
        view::ConfigureDateTimeViewManager menu(nullptr);
        menu.onSystemTimeDetailsChanged(may10, true, true);
        QCOMPARE(menu.model()->rowCount(), 4);
        QSignalSpy resets(menu.model(), &QAbstractItemModel::modelReset);
        QSignalSpy removed(menu.model(), &QAbstractItemModel::rowsRemoved);
        menu.onSystemTimeDetailsChanged(may10.addSecs(60), true, false);
        QCOMPARE(resets.size() + removed.size(), 0);
        menu.onSystemTimeDetailsChanged(QDateTime(), false, false);
        QCOMPARE(modelReader::applIds(*menu.model()), (QList<int>{1, 2, 5}));
    }

    // Time screen.
    void timeListShowsTheReportedTimeAndFormat()
    {
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        time.onTimeViewVisibleChanged(true);
        const view::ListModel &model = *time.model();
        QCOMPARE(modelReader::applIds(model), (QList<int>{-2, 0, 0, 1}));
        time.onTimeFormatChanged(DateTimeTypes::E_am_pm);
        time.onSystemTimeFormattedChanged("10/05/24", "2:37", "PM");
        QCOMPARE(roleOf(model, 0, view::RowItem::TextOnSubMenuRole).toString(), "Time");
        // The time in the second value text, the first one empty.
        QCOMPARE(roleOf(model, 0, view::RowItem::TextValue2Role).toString(), "2:37PM");
        QCOMPARE(roleOf(model, 0, view::RowItem::TextValue1Role).toString(), QString());
        QCOMPARE(roleOf(model, 0, view::RowItem::LayoutOrderRole).toString(), "single");
        QCOMPARE(roleOf(model, 1, view::RowItem::TextOnSubMenuRole).toString(), "Time format");
        QCOMPARE(roleOf(model, 2, view::RowItem::LayoutOrderRole).toString(), "top");
        QCOMPARE(roleOf(model, 3, view::RowItem::LayoutOrderRole).toString(), "bottom");
        QCOMPARE(roleOf(model, 2, view::RowItem::CheckmarkCheckedRole).toBool(), false);
        QCOMPARE(roleOf(model, 3, view::RowItem::CheckmarkCheckedRole).toBool(), true);

        // A tap asks; the mark waits for the controller's report.
        QSignalSpy formats(&time, &view::ConfigureDateTimeTimeViewManager::timeFormatSelected);
        time.onTimeRowItemSelected(0);
        time.onTimeRowItemSelected(2);
        QCOMPARE(formats.size(), 1);
        QCOMPARE(formats.at(0).at(0).value<DateTimeTypes::TimeFormat>(), DateTimeTypes::E_0_24);
        QCOMPARE(roleOf(model, 3, view::RowItem::CheckmarkCheckedRole).toBool(), true);

        time.onTimeViewVisibleChanged(false);
        QCOMPARE(model.rowCount(), 0);
    }

    void timeRowLoadsTheEditorAndCommitKeepsTheSaunaDate()
    {
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        QSignalSpy edits(&time, &view::ConfigureDateTimeTimeViewManager::editSelected);
        QSignalSpy requests(&time, &view::ConfigureDateTimeTimeViewManager::setSystemTimeRequested);
        time.onSystemTimeDetailsChanged(may10, true, true);
        QCOMPARE(time.systemTime(), may10);
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_setTime));
        value::TimeValueManager &editor = *time.timeEditor();
        QCOMPARE(editor.value().time().hour(), 14);
        QCOMPARE(editor.value().time().minute(), 37);
        QCOMPARE(editor.lowerLimit(), QDateTime(may10.date(), QTime(0, 0), Qt::UTC));
        QCOMPARE(editor.upperLimit(), QDateTime(may10.date(), QTime(23, 59), Qt::UTC));

        editor.updateValue(QDateTime(may10.date(), QTime(9, 5), Qt::UTC));
        time.onSetTimeCommit();
        QCOMPARE(requests.size(), 1);
        const QDateTime sent = requests.at(0).at(0).toDateTime();
        QCOMPARE(sent, QDateTime(QDate(2024, 5, 10), QTime(9, 5), Qt::UTC));
        QCOMPARE(sent.timeSpec(), Qt::UTC);
    }

    // The editor is loaded before its page opens, and nothing of it is told after: the page
    // shows what the scene's editor item heard.
    void theClockRowsOpenTheirEditorLast()
    {
        QStringList told;
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        connect(time.timeEditor(), &value::TimeValueManager::timeValueChanged, this,
                [&] { told << "time"; });
        connect(time.timeEditor(), &value::TimeValueManager::upperLimitReached, this,
                [&] { told << "time limits"; });
        connect(&time, &view::ConfigureDateTimeTimeViewManager::editSelected, this,
                [&] { told << "open"; });
        time.onSystemTimeDetailsChanged(may10, true, true);
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        QVERIFY(told.contains("time"));
        QCOMPARE(told.last(), QStringLiteral("open"));

        told.clear();
        view::ConfigureDateTimeDateViewManager date(nullptr);
        connect(date.dateEditor(), &value::DateValueManager::dateValueChanged, this,
                [&] { told << "date"; });
        connect(date.dateEditor(), &value::DateValueManager::upperLimitReached, this,
                [&] { told << "date limits"; });
        connect(&date, &view::ConfigureDateTimeDateViewManager::editSelected, this,
                [&] { told << "open"; });
        date.onSystemTimeDetailsChanged(may10, true, true);
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        QVERIFY(told.contains("date"));
        QCOMPARE(told.last(), QStringLiteral("open"));
    }

    // The Time and Date screens offer QML their signals and slots only.
    void theClockScreensHaveNoProperties()
    {
        for (const QMetaObject *meta : {&view::ConfigureDateTimeTimeViewManager::staticMetaObject,
                                        &view::ConfigureDateTimeDateViewManager::staticMetaObject})
            QCOMPARE(meta->propertyCount(), QObject::staticMetaObject.propertyCount());
    }

    // Saved as it was opened, the time of day goes out whole, seconds and all.
    void anUnsteppedTimeIsSentAsTheSaunaTold()
    {
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        QSignalSpy requests(&time, &view::ConfigureDateTimeTimeViewManager::setSystemTimeRequested);
        time.onSystemTimeDetailsChanged(may10, true, true);
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        time.onSetTimeCommit();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).toDateTime(), may10);
    }

    // Stepping past midnight wraps within the sauna's day: the date sent never moves.
    void timeStepsWrapAtMidnightOnMonthEndsAndLeapDays_data()
    {
        QTest::addColumn<QDateTime>("reported");
        QTest::addColumn<int>("component");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QDateTime>("expected");
        // The clock reported while the editor is open (the clock ran on, or another panel set
        // it); none where invalid.
        QTest::addColumn<QDateTime>("later");
        QTest::newRow("23:59 minute up, 29 Feb")
            << QDateTime(QDate(2024, 2, 29), QTime(23, 59), Qt::UTC) << int(TimeEditTypes::E_minute)
            << int(TimeEditTypes::E_increase)
            << QDateTime(QDate(2024, 2, 29), QTime(23, 0), Qt::UTC) << QDateTime();
        QTest::newRow("23:30 hour up, 31 Dec")
            << QDateTime(QDate(2023, 12, 31), QTime(23, 30), Qt::UTC) << int(TimeEditTypes::E_hour)
            << int(TimeEditTypes::E_increase)
            << QDateTime(QDate(2023, 12, 31), QTime(0, 30), Qt::UTC) << QDateTime();
        QTest::newRow("00:00 minute down, 1 Mar")
            << QDateTime(QDate(2023, 3, 1), QTime(0, 0), Qt::UTC) << int(TimeEditTypes::E_minute)
            << int(TimeEditTypes::E_decrease) << QDateTime(QDate(2023, 3, 1), QTime(0, 59), Qt::UTC)
            << QDateTime();
        QTest::newRow("00:10 hour down, 30 Apr")
            << QDateTime(QDate(2024, 4, 30), QTime(0, 10), Qt::UTC) << int(TimeEditTypes::E_hour)
            << int(TimeEditTypes::E_decrease)
            << QDateTime(QDate(2024, 4, 30), QTime(23, 10), Qt::UTC) << QDateTime();
        // A component of -1: no step. An editor the user has not stepped follows the clock.
        QTest::newRow("untouched, two hours on")
            << QDateTime(QDate(2024, 4, 30), QTime(4, 17), Qt::UTC) << -1 << 0
            << QDateTime(QDate(2024, 4, 30), QTime(6, 17), Qt::UTC)
            << QDateTime(QDate(2024, 4, 30), QTime(6, 17), Qt::UTC);
        QTest::newRow("untouched, past midnight")
            << QDateTime(QDate(2024, 2, 29), QTime(23, 59), Qt::UTC) << -1 << 0
            << QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC)
            << QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC);
        QTest::newRow("stepped, a minute on: kept")
            << QDateTime(QDate(2023, 12, 31), QTime(23, 30), Qt::UTC) << int(TimeEditTypes::E_hour)
            << int(TimeEditTypes::E_increase)
            << QDateTime(QDate(2023, 12, 31), QTime(0, 30), Qt::UTC)
            << QDateTime(QDate(2023, 12, 31), QTime(23, 31), Qt::UTC);
    }
    void timeStepsWrapAtMidnightOnMonthEndsAndLeapDays()
    {
        QFETCH(QDateTime, reported);
        QFETCH(int, component);
        QFETCH(int, direction);
        QFETCH(QDateTime, expected);
        QFETCH(QDateTime, later);
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        QSignalSpy requests(&time, &view::ConfigureDateTimeTimeViewManager::setSystemTimeRequested);
        time.onSystemTimeDetailsChanged(reported, true, true);
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        if (component >= 0)
            time.timeEditor()->onTimeChangeRequested(component, direction);
        if (later.isValid())
            time.onSystemTimeDetailsChanged(later, true, true);
        time.onSetTimeCommit();
        QCOMPARE(requests.size(), 1);
        const QDateTime sent = requests.at(0).at(0).toDateTime();
        QVERIFY(sent.isValid());
        QCOMPARE(sent, expected);
    }

    // Without a valid reported date the time screen sends nothing at all.
    void timeCommitWithoutASaunaDateSendsNothing()
    {
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        QSignalSpy requests(&time, &view::ConfigureDateTimeTimeViewManager::setSystemTimeRequested);
        time.onSetTimeCommit();
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        QVERIFY(time.timeEditor()->value().isValid());
        time.onSetTimeCommit();
        time.onSystemTimeDetailsChanged(QDateTime(), false, false);
        time.onSetTimeCommit();
        time.onSystemTimeDetailsChanged(may10, false, true);
        time.onSetTimeCommit();
        QCOMPARE(requests.size(), 0);
        QVERIFY(time.systemTime().isNull());

        // A valid date without a valid time: the editor starts at 00:00 of that day.
        time.onSystemTimeDetailsChanged(may10, true, false);
        QVERIFY(time.systemTime().isNull());
        time.onTimeRowItemSelected(view::ConfigureDateTimeTimeViewManager::timeRowId);
        QCOMPARE(time.timeEditor()->value(), QDateTime(may10.date(), QTime(0, 0), Qt::UTC));
        time.onSetTimeCommit();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).toDateTime(), QDateTime(may10.date(), QTime(0, 0), Qt::UTC));
    }

    // A time set while the sauna has no valid date is sent with the date set next, as in the
    // initial setup; a report's own time of day does not replace it.
    void timeWithoutASaunaDateGoesOutWithTheDate_data()
    {
        QTest::addColumn<QDateTime>("report");
        QTest::addColumn<bool>("dateValid");
        QTest::addColumn<bool>("timeValid");
        QTest::newRow("no report") << QDateTime() << false << false;
        QTest::newRow("nothing valid") << may10 << false << false;
        QTest::newRow("time valid, date not") << may10 << false << true;
    }
    void timeWithoutASaunaDateGoesOutWithTheDate()
    {
        QFETCH(QDateTime, report);
        QFETCH(bool, dateValid);
        QFETCH(bool, timeValid);
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        view::ConfigureDateTimeDateViewManager date(nullptr);
        connect(&time, &view::ConfigureDateTimeTimeViewManager::heldTimeChanged, &date,
                &view::ConfigureDateTimeDateViewManager::onHeldTimeChanged);
        QSignalSpy timeRequests(&time,
                                &view::ConfigureDateTimeTimeViewManager::setSystemTimeRequested);
        QSignalSpy dateRequests(&date,
                                &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
        if (report.isValid()) {
            time.onSystemTimeDetailsChanged(report, dateValid, timeValid);
            date.onSystemTimeDetailsChanged(report, dateValid, timeValid);
        }

        time.onSetTimeInitialSetupSelected();
        time.timeEditor()->setValue(QDateTime(QDate(2000, 1, 1), QTime(9, 41), Qt::UTC));
        time.onSetTimeCommit();
        QCOMPARE(timeRequests.size(), 0);
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        date.dateEditor()->setValue(QDate(2026, 12, 7));
        date.onSetDateCommit();
        QCOMPARE(dateRequests.size(), 1);
        QCOMPARE(dateRequests.at(0).at(0).toDateTime(),
                 QDateTime(QDate(2026, 12, 7), QTime(9, 41), Qt::UTC));

        // The time went out once; a later date commit follows the sauna's report again.
        date.onSetDateCommit();
        QCOMPARE(dateRequests.size(), 2);
        QCOMPARE(dateRequests.at(1).at(0).toDateTime().time(),
                 timeValid ? may10.time() : QTime(0, 0));
    }

    void aTimeSentOnTheSaunaDateIsNotHeld()
    {
        view::ConfigureDateTimeTimeViewManager time(nullptr);
        view::ConfigureDateTimeDateViewManager date(nullptr);
        connect(&time, &view::ConfigureDateTimeTimeViewManager::heldTimeChanged, &date,
                &view::ConfigureDateTimeDateViewManager::onHeldTimeChanged);
        QSignalSpy dateRequests(&date,
                                &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
        // Held without a date, then sent once the sauna has one: the date keeps the sauna's time.
        time.onSetTimeInitialSetupSelected();
        time.timeEditor()->setValue(QDateTime(QDate(2000, 1, 1), QTime(9, 41), Qt::UTC));
        time.onSetTimeCommit();
        time.onSystemTimeDetailsChanged(may10, true, true);
        date.onSystemTimeDetailsChanged(may10, true, true);
        time.onSetTimeCommit();
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        date.onSetDateCommit();
        QCOMPARE(dateRequests.size(), 1);
        QCOMPARE(dateRequests.at(0).at(0).toDateTime(), may10);
    }

    // Date screen.
    void dateListAndFormatsOnly()
    {
        view::ConfigureDateTimeDateViewManager date(nullptr);
        date.onDateViewVisibleChanged(true, false);
        const view::ListModel &model = *date.model();
        QCOMPARE(modelReader::applIds(model), (QList<int>{-1, 0, 0, 1, 2}));
        date.onSystemTimeFormattedChanged("24/05/10", "14:37", "");
        date.onDateFormatChanged(DateTimeTypes::E_mmddyy);
        QCOMPARE(roleOf(model, 0, view::RowItem::TextValue2Role).toString(), "24/05/10");
        QCOMPARE(roleOf(model, 0, view::RowItem::TextValue1Role).toString(), QString());
        QCOMPARE(roleOf(model, 4, view::RowItem::CheckmarkCheckedRole).toBool(), true);
        QCOMPARE(roleOf(model, 2, view::RowItem::CheckmarkCheckedRole).toBool(), false);

        date.onDateViewVisibleChanged(true, true);
        QCOMPARE(modelReader::applIds(model), (QList<int>{0, 1, 2}));
        QCOMPARE(roleOf(model, 0, view::RowItem::LayoutOrderRole).toString(), "top");
        QCOMPARE(roleOf(model, 1, view::RowItem::LayoutOrderRole).toString(), "centre");
        QCOMPARE(roleOf(model, 2, view::RowItem::LayoutOrderRole).toString(), "bottom");

        QSignalSpy formats(&date, &view::ConfigureDateTimeDateViewManager::dateFormatSelected);
        date.onDateRowItemSelected(1);
        date.onDateRowItemSelected(3);
        QCOMPARE(formats.size(), 1);
        QCOMPARE(formats.at(0).at(0).value<DateTimeTypes::DateFormat>(), DateTimeTypes::E_ddmmyy);
        date.onDateViewVisibleChanged(false, false);
        QCOMPARE(model.rowCount(), 0);
    }

    void dateCommitKeepsTheSaunaTimeOfDay()
    {
        view::ConfigureDateTimeDateViewManager date(nullptr);
        QSignalSpy edits(&date, &view::ConfigureDateTimeDateViewManager::editSelected);
        QSignalSpy requests(&date, &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
        date.onSystemTimeDetailsChanged(may10, true, true);
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        QCOMPARE(edits.size(), 1);
        QCOMPARE(edits.at(0).at(0).toInt(), int(ConfigureTypes::E_setDate));
        QCOMPARE(date.dateEditor()->value(), may10.date());
        date.dateEditor()->setValue(QDate(2031, 2, 28));
        date.onSetDateCommit();
        QCOMPARE(requests.size(), 1);
        const QDateTime sent = requests.at(0).at(0).toDateTime();
        QCOMPARE(sent, QDateTime(QDate(2031, 2, 28), may10.time(), Qt::UTC));
        QCOMPARE(sent.timeSpec(), Qt::UTC);
    }

    // Month ends and 29 February: the day is cut to the month, never an invalid date.
    void dateStepsStayValidAtMonthEnds_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("stepper");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QDate>("expected");
        // The sauna's date reported while the editor is open; none where invalid.
        QTest::addColumn<QDate>("later");
        // Format YY/MM/DD: stepper 1 year, 2 month, 3 day.
        QTest::newRow("29 Feb, year up")
            << QDate(2024, 2, 29) << 0 << 0 << QDate(2025, 2, 28) << QDate();
        QTest::newRow("31 Jan, month up")
            << QDate(2023, 1, 31) << 1 << 0 << QDate(2023, 2, 28) << QDate();
        QTest::newRow("31 Mar, month down, leap")
            << QDate(2024, 3, 31) << 1 << 1 << QDate(2024, 2, 29) << QDate();
        QTest::newRow("29 Feb, day up wraps")
            << QDate(2024, 2, 29) << 2 << 0 << QDate(2024, 2, 1) << QDate();
        QTest::newRow("31 Dec 2099, day up wraps")
            << QDate(2099, 12, 31) << 2 << 0 << QDate(2099, 12, 1) << QDate();
        QTest::newRow("2099, year up blocked")
            << QDate(2099, 6, 15) << 0 << 0 << QDate(2099, 12, 31) << QDate();
        QTest::newRow("2000, year down blocked")
            << QDate(2000, 6, 15) << 0 << 1 << QDate(2000, 1, 1) << QDate();
        // A stepper of -1: no step. An editor the user has not stepped follows the sauna's date.
        QTest::newRow("untouched, past midnight")
            << QDate(2024, 2, 29) << -1 << 0 << QDate(2024, 3, 1) << QDate(2024, 3, 1);
        QTest::newRow("stepped, another date reported: kept")
            << QDate(2023, 1, 31) << 1 << 0 << QDate(2023, 2, 28) << QDate(2023, 2, 1);
    }
    void dateStepsStayValidAtMonthEnds()
    {
        QFETCH(QDate, start);
        QFETCH(int, stepper);
        QFETCH(int, direction);
        QFETCH(QDate, expected);
        QFETCH(QDate, later);
        view::ConfigureDateTimeDateViewManager date(nullptr);
        QSignalSpy requests(&date, &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
        const QDateTime midnight(start, QTime(0, 0), Qt::UTC);
        date.onSystemTimeDetailsChanged(midnight, true, true);
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        if (stepper >= 0)
            date.dateEditor()->onDateChangeRequested(stepper, direction);
        if (later.isValid())
            date.onSystemTimeDetailsChanged(QDateTime(later, QTime(0, 0), Qt::UTC), true, true);
        date.onSetDateCommit();
        QCOMPARE(requests.size(), 1);
        const QDateTime sent = requests.at(0).at(0).toDateTime();
        QVERIFY(sent.isValid());
        QCOMPARE(sent, QDateTime(expected, QTime(0, 0), Qt::UTC));
    }

    void dateCommitWithoutAValidSaunaTimeUsesMidnight()
    {
        view::ConfigureDateTimeDateViewManager date(nullptr);
        QSignalSpy requests(&date, &view::ConfigureDateTimeDateViewManager::setSystemTimeRequested);
        // Before any report the editor holds the first date the sauna keeps, at 00:00.
        date.onSetDateCommit();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.at(0).at(0).toDateTime(),
                 QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC));
        date.onDateRowItemSelected(view::ConfigureDateTimeDateViewManager::dateRowId);
        QCOMPARE(date.dateEditor()->value(), QDate(2000, 1, 1));
        // A report whose time is not valid: its time of day is not used.
        date.onSystemTimeDetailsChanged(may10, false, false);
        date.dateEditor()->setValue(QDate(2025, 3, 1));
        date.onSetDateCommit();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.at(1).at(0).toDateTime(),
                 QDateTime(QDate(2025, 3, 1), QTime(0, 0), Qt::UTC));
        QVERIFY(date.systemTime().isNull());
    }

    // Week start.
    void weekStartAsksAndFollowsTheReport()
    {
        view::ConfigureDateTimeWeekBeginViewManager week(nullptr);
        week.onWeekStartViewVisibleChanged(true);
        const view::ListModel &model = *week.model();
        QCOMPARE(modelReader::applIds(model), (QList<int>{0, 6}));
        QCOMPARE(modelReader::texts(model, "textOnSubMenu"), (QStringList{"Monday", "Sunday"}));
        QCOMPARE(modelReader::texts(model, "layoutOrder"), (QStringList{"top", "bottom"}));
        QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{true, false}));

        QSignalSpy asked(&week, &view::ConfigureDateTimeWeekBeginViewManager::weekBeginSelected);
        week.onWeekStartSelected(6);
        QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{true, false}));
        week.onWeekStartSelected(3);
        week.onWeekStartSelected(7);
        week.onWeekStartSelected(-1);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.at(0).at(0).value<CalendarTypes::WeekDay>(), CalendarTypes::E_sunday);
        QCOMPARE(asked.at(1).at(0).value<CalendarTypes::WeekDay>(), CalendarTypes::E_thursday);

        week.onWeekDayStartChanged(CalendarTypes::E_sunday);
        QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, true}));
        week.onWeekDayStartChanged(CalendarTypes::E_wednesday);
        QCOMPARE(modelReader::column(model, "checkmarkChecked"), (QVariantList{false, false}));
        week.onWeekStartViewVisibleChanged(false);
        QCOMPARE(model.rowCount(), 0);
    }

    // Erase calendar.
    void eraseCalendarEmitsOnceAndBuildsOneButton()
    {
        view::ConfigureDateTimeEraseCalendarViewManager erase(nullptr);
        QSignalSpy requests(
            &erase, &view::ConfigureDateTimeEraseCalendarViewManager::clearCalendarRequested);
        erase.onEraseCalendarViewVisibleChanged(true);
        // Shown twice without being left: still one button.
        erase.onEraseCalendarViewVisibleChanged(true);
        const view::ListModel &model = *erase.model();
        QCOMPARE(modelReader::applIds(model), (QList<int>{5}));
        QCOMPARE(modelReader::texts(model, "value"), (QStringList{"Erase calendar"}));
        erase.onEraseCalendarSelected(0);
        erase.onEraseCalendarSelected(4);
        QCOMPARE(requests.size(), 0);
        erase.onEraseCalendarSelected(5);
        QCOMPARE(requests.size(), 1);
        erase.onEraseCalendarViewVisibleChanged(false);
        QCOMPARE(model.rowCount(), 0);
    }

    // Built, the button is given its text once more, which it always tells.
    void eraseCalendarButtonTellsItsTextWhenBuilt()
    {
        view::ConfigureDateTimeEraseCalendarViewManager erase(nullptr);
        QSignalSpy changed(erase.model(), &QAbstractItemModel::dataChanged);
        erase.onEraseCalendarViewVisibleChanged(true);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(modelReader::texts(*erase.model(), "value"), (QStringList{"Erase calendar"}));
    }
};

QTEST_MAIN(TestConfigureDateTimeViewManagers)
#include "tst_configure_date_time_view_managers.moc"
