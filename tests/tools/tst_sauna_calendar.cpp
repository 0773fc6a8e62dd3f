#include "sauna_simulator/calendar_timing.h"
#include "sauna_simulator/sauna_state_model.h"

#include <QtTest>

#include <optional>

using tools::BooleanRequestId;
using tools::CalendarChange;
using tools::CalendarRecord;
using tools::IntegerId;
using tools::IntegerRequestId;
using tools::SaunaReport;
using tools::SaunaStateModel;
using tools::SaunaStateValue;

namespace {

// Monday 2024-03-04 00:00 on the sauna's clock.
const QDateTime Monday(QDate(2024, 3, 4), QTime(0, 0), QTimeZone::utc());

quint64 wireTime(const QDateTime &wallClock)
{
    return quint64(SaunaStateModel::protocolEpoch().msecsTo(wallClock));
}

// A program as the panel posts one, with its own settings.
CalendarChange program(quint32 index, const QDateTime &ready, quint32 minutes, bool weekday,
                       int startMode = CalendarRecord::StartAt, quint32 temperature = 720)
{
    CalendarChange change;
    change.index = index;
    change.inUse = true;
    change.startTime = wireTime(ready);
    change.stopAfter = minutes;
    change.weekdayProgram = weekday;
    change.startMode = startMode;
    change.favorite = CalendarRecord::NoFavorite;
    change.temperature = temperature;
    change.humidity = 30;
    change.standbyMode = false;
    return change;
}

// A sauna whose clock the test moves: the computer's time stands still, the test steps it.
class ClockedSauna
{
public:
    ClockedSauna()
    {
        model.setClock([this] { return m_now; });
    }

    SaunaReport setClock(const QDateTime &wallClock)
    {
        return model.requestSystemTime(wireTime(wallClock), m_now);
    }
    void advance(qint64 milliseconds) { m_now = m_now.addMSecs(milliseconds); }
    QDateTime clock() const
    {
        return SaunaStateModel::protocolEpoch().addMSecs(qint64(model.systemTime()));
    }

    SaunaStateModel model;

private:
    QDateTime m_now = QDateTime(QDate(2030, 1, 1), QTime(0, 0), QTimeZone::utc());
};

} // namespace

// The simulated sauna's calendar: which programs collide, and when the sauna starts and stops a
// program, or its descaling, by its own clock.
class TestSaunaCalendar : public QObject
{
    Q_OBJECT

private slots:
    void programsCollideWhenTheirTimesOverlap_data();
    void programsCollideWhenTheirTimesOverlap();
    void collidingPostIsRefusedWithTheMessageOfItsKind_data();
    void collidingPostIsRefusedWithTheMessageOfItsKind();
    void programStartsAtItsTimeAndStopsAfterItsStopTime();
    void readyAtProgramWarmsUpBeforeItsTime_data();
    void readyAtProgramWarmsUpBeforeItsTime();
    void programCreatedDuringItsWarmUpStartsAtOnce();
    void weekdayProgramComesBackEveryWeek();
    void suspendedCalendarRunsDateProgramsOnly();
    void programSwitchedOffIsNotStartedAgain();
    void programRunsWithItsFavorite();
    void standbyProgramStartsInStandby();
    void clockSetPastAProgramDoesNotStartItLate();
    void programInNotAllowedPeriodIsRefused_data();
    void programInNotAllowedPeriodIsRefused();
    void everyEndOfAProgramIsReported_data();
    void everyEndOfAProgramIsReported();
    void favoriteTakingOverOutlastsTheProgramsStopTime();
    // The descaling of the steam generator, on its weekday at its start time.
    void descalingRunsAtItsTimeAndRecordsItsDay();
    void descalingIsDueOnlyByItsSettings_data();
    void descalingIsDueOnlyByItsSettings();
    void nextDescalingDayIsReportedWhenItChanges();
};

void TestSaunaCalendar::programsCollideWhenTheirTimesOverlap_data()
{
    QTest::addColumn<QDateTime>("firstReady");
    QTest::addColumn<int>("firstMinutes");
    QTest::addColumn<bool>("firstWeekday");
    QTest::addColumn<QDateTime>("secondReady");
    QTest::addColumn<int>("secondMinutes");
    QTest::addColumn<bool>("secondWeekday");
    QTest::addColumn<bool>("collide");

    const QDateTime monday18 = Monday.addSecs(18 * 3600);
    QTest::newRow("dates overlapping")
        << monday18 << 120 << false << monday18.addSecs(3600) << 60 << false << true;
    QTest::newRow("dates one after the other")
        << monday18 << 60 << false << monday18.addSecs(3600) << 60 << false << false;
    QTest::newRow("dates a week apart")
        << monday18 << 60 << false << monday18.addDays(7) << 60 << false << false;
    QTest::newRow("weekday and a date a week later")
        << monday18 << 60 << true << monday18.addDays(7).addSecs(1800) << 60 << false << true;
    QTest::newRow("weekday and a date weeks before")
        << monday18 << 60 << true << monday18.addDays(-21) << 30 << false << true;
    QTest::newRow("weekday and a date on another day")
        << monday18 << 60 << true << monday18.addDays(8) << 60 << false << false;
    QTest::newRow("weekdays on other weekdays")
        << monday18 << 720 << true << monday18.addDays(1) << 720 << true << false;
    QTest::newRow("weekdays in other weeks, same time")
        << monday18 << 30 << true << monday18.addDays(14) << 30 << true << true;
    QTest::newRow("Sunday night into Monday morning")
        << Monday.addDays(6).addSecs(23 * 3600) << 120 << true << Monday.addSecs(1800) << 30 << true
        << true;
    QTest::newRow("Monday morning after Sunday night")
        << Monday.addDays(6).addSecs(23 * 3600) << 60 << true << Monday << 30 << true << false;
}

void TestSaunaCalendar::programsCollideWhenTheirTimesOverlap()
{
    QFETCH(QDateTime, firstReady);
    QFETCH(int, firstMinutes);
    QFETCH(bool, firstWeekday);
    QFETCH(QDateTime, secondReady);
    QFETCH(int, secondMinutes);
    QFETCH(bool, secondWeekday);
    QFETCH(bool, collide);

    CalendarRecord first(0);
    first.inUse = true;
    first.startTime = wireTime(firstReady);
    first.stopAfter = quint32(firstMinutes);
    first.weekdayProgram = firstWeekday;
    CalendarRecord second(1);
    second.inUse = true;
    second.startTime = wireTime(secondReady);
    second.stopAfter = quint32(secondMinutes);
    second.weekdayProgram = secondWeekday;
    QCOMPARE(tools::calendar::collide(first, second), collide);
    QCOMPARE(tools::calendar::collide(second, first), collide);
}

void TestSaunaCalendar::collidingPostIsRefusedWithTheMessageOfItsKind_data()
{
    QTest::addColumn<bool>("weekday");
    QTest::addColumn<quint32>("message");
    QTest::newRow("weekday program") << true << quint32(0x1000);
    QTest::newRow("date program") << false << quint32(0x1001);
}

void TestSaunaCalendar::collidingPostIsRefusedWithTheMessageOfItsKind()
{
    QFETCH(bool, weekday);
    QFETCH(quint32, message);
    SaunaStateModel model;
    const QDateTime ready = Monday.addSecs(19 * 3600);
    QVERIFY(model.requestCalendarProgram(program(3, ready, 180, true)).dataErrors.empty());

    // Half an hour later, the same day: refused, and the panel gets the slot as it stands.
    const SaunaReport refused =
        model.requestCalendarProgram(program(4, ready.addSecs(1800), 60, weekday));
    QVERIFY(refused.userMessage);
    QCOMPARE(refused.userMessage->id, message);
    QVERIFY(refused.dataErrors.empty());
    QCOMPARE(refused.calendarPrograms.size(), std::size_t(1));
    QCOMPARE(refused.calendarPrograms.front(), CalendarRecord(4));
    QCOMPARE(model.records().calendarPrograms()[4], CalendarRecord(4));

    // After the first one's stop time it is stored.
    const SaunaReport stored =
        model.requestCalendarProgram(program(4, ready.addSecs(3 * 3600), 60, weekday));
    QVERIFY(!stored.userMessage);
    QVERIFY(model.records().calendarPrograms()[4].inUse);

    // A program changed in its own slot does not collide with itself; moved onto the other one,
    // the change is refused and the program stays as it was.
    QVERIFY(!model.requestCalendarProgram(program(3, ready.addSecs(-3600), 180, true)).userMessage);
    const CalendarRecord before = model.records().calendarPrograms()[3];
    CalendarChange onto;
    onto.index = 3;
    onto.inUse = true;
    onto.startTime = wireTime(ready.addSecs(3 * 3600));
    const SaunaReport moved = model.requestCalendarProgram(onto);
    QVERIFY(moved.userMessage);
    QCOMPARE(model.records().calendarPrograms()[3], before);
    QCOMPARE(moved.calendarPrograms.front(), before);
}

void TestSaunaCalendar::programStartsAtItsTimeAndStopsAfterItsStopTime()
{
    ClockedSauna sauna;
    sauna.setClock(Monday.addSecs(18 * 3600));
    sauna.model.requestCalendarProgram(program(7, Monday.addSecs(19 * 3600), 90, false));
    QVERIFY(sauna.model.runCalendar().isEmpty());

    // A second before its time nothing happens; at its time it starts.
    sauna.advance(3600 * 1000 - 1000);
    QVERIFY(sauna.model.runCalendar().isEmpty());
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    sauna.advance(1000);
    const SaunaReport started = sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
    QCOMPARE(sauna.model.runningProgram(), std::optional<quint32>(7));
    QVERIFY(started.stateChanged);
    QCOMPARE(sauna.model.integer(IntegerId::RunTimeLeft), 90u);
    // Reported once, as the program's: a panel takes the last value it reads.
    QCOMPARE(std::count_if(started.integers.begin(), started.integers.end(),
                           [](const auto &entry) { return entry.first == IntegerId::RunTimeLeft; }),
             1);
    QCOMPARE(started.integers.back(), (std::pair<int, quint32>(IntegerId::RunTimeLeft, 90)));
    QCOMPARE(sauna.model.integer(IntegerId::TargetTemperature), 720u);
    QCOMPARE(sauna.model.integer(IntegerId::TargetHumidity), 30u);

    // Running until its stop time, then off.
    sauna.advance(89 * 60000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
    sauna.advance(60000);
    const SaunaReport stopped = sauna.model.runCalendar();
    QVERIFY(stopped.stateChanged);
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    QCOMPARE(sauna.model.integer(IntegerId::RunTimeLeft), 0u);
    QCOMPARE(sauna.model.runningProgram(), std::nullopt);

    // A date program runs once.
    sauna.advance(7 * 24 * 3600 * 1000LL);
    QVERIFY(sauna.model.runCalendar().isEmpty());
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
}

void TestSaunaCalendar::readyAtProgramWarmsUpBeforeItsTime_data()
{
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("warmUpMinutes");
    // From the room's 20 °C at 2 °C a minute, whole minutes.
    QTest::newRow("80 °C") << 720 << 30;
    QTest::newRow("81 °C") << 729 << 31;
    QTest::newRow("40 °C") << 360 << 10;
}

void TestSaunaCalendar::readyAtProgramWarmsUpBeforeItsTime()
{
    QFETCH(int, temperature);
    QFETCH(int, warmUpMinutes);
    ClockedSauna sauna;
    const QDateTime ready = Monday.addSecs(19 * 3600);
    sauna.setClock(ready.addSecs(-warmUpMinutes * 60 - 60));
    sauna.model.requestCalendarProgram(
        program(2, ready, 60, true, CalendarRecord::ReadyAt, quint32(temperature)));
    sauna.model.runCalendar();

    sauna.advance(59 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    sauna.advance(1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
    QCOMPARE(sauna.clock(), ready.addSecs(-warmUpMinutes * 60));
    // The bath lasts until the stop time after the ready time.
    QCOMPARE(sauna.model.integer(IntegerId::RunTimeLeft), quint32(warmUpMinutes + 60));
}

void TestSaunaCalendar::programCreatedDuringItsWarmUpStartsAtOnce()
{
    ClockedSauna sauna;
    const QDateTime ready = Monday.addSecs(19 * 3600);
    sauna.setClock(ready.addSecs(-10 * 60));
    sauna.model.runCalendar();
    // The warm-up should have begun 20 minutes ago: the sauna heats now, as well as it can.
    sauna.model.requestCalendarProgram(program(2, ready, 60, false, CalendarRecord::ReadyAt, 720));
    sauna.advance(1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));

    // A program whose time has passed is not started.
    sauna.model.requestState(SaunaStateValue::Off);
    sauna.model.requestCalendarProgram(
        program(5, ready.addSecs(-3600), 30, false, CalendarRecord::ReadyAt, 720));
    sauna.advance(1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
}

void TestSaunaCalendar::weekdayProgramComesBackEveryWeek()
{
    ClockedSauna sauna;
    const QDateTime ready = Monday.addSecs(7 * 3600);
    sauna.setClock(ready.addSecs(-60));
    // Its start date is a Monday weeks ago: only its weekday and time count.
    sauna.model.requestCalendarProgram(program(0, ready.addDays(-28), 30, true));
    sauna.model.runCalendar();
    for (int week = 0; week < 3; ++week) {
        sauna.advance(60 * 1000);
        sauna.model.runCalendar();
        QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
        sauna.advance(30 * 60 * 1000);
        sauna.model.runCalendar();
        QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
        // To a minute before the same time next week.
        sauna.advance(7 * 24 * 3600 * 1000LL - 31 * 60 * 1000);
        sauna.model.runCalendar();
        QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    }
}

void TestSaunaCalendar::suspendedCalendarRunsDateProgramsOnly()
{
    ClockedSauna sauna;
    sauna.setClock(Monday.addSecs(6 * 3600));
    sauna.model.requestCalendarProgram(program(0, Monday.addSecs(7 * 3600), 30, true));
    sauna.model.requestCalendarProgram(program(1, Monday.addSecs(8 * 3600), 30, false));
    sauna.model.requestBoolean(BooleanRequestId::ScheduleItemDisable, true);
    sauna.model.runCalendar();

    sauna.advance(3600 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    sauna.advance(3600 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.runningProgram(), std::optional<quint32>(1));
}

void TestSaunaCalendar::programSwitchedOffIsNotStartedAgain()
{
    ClockedSauna sauna;
    const QDateTime ready = Monday.addSecs(19 * 3600);
    sauna.setClock(ready.addSecs(-31 * 60));
    sauna.model.requestCalendarProgram(program(9, ready, 60, false, CalendarRecord::ReadyAt, 720));
    sauna.model.runCalendar();
    sauna.advance(60 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));

    // Switched off during its warm-up: it stays off, and its stop time switches nothing.
    sauna.model.requestState(SaunaStateValue::Off);
    QCOMPARE(sauna.model.runningProgram(), std::nullopt);
    for (int minute = 0; minute < 100; ++minute) {
        sauna.advance(60 * 1000);
        QVERIFY(sauna.model.runCalendar().isEmpty());
    }
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));

    // Switched on by hand and left on past the program's stop time: not the program's bath.
    sauna.setClock(ready.addSecs(-10 * 60));
    sauna.model.runCalendar();
    sauna.model.requestState(SaunaStateValue::On);
    sauna.advance(2 * 3600 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
}

void TestSaunaCalendar::programRunsWithItsFavorite()
{
    ClockedSauna sauna;
    tools::FavoriteChange favorite;
    favorite.index = 2;
    favorite.inUse = true;
    favorite.name = QStringLiteral("Hot");
    favorite.temperature = 810;
    favorite.humidity = 104;
    favorite.lights = true;
    QVERIFY(sauna.model.requestFavorite(favorite).dataErrors.empty());
    sauna.setClock(Monday.addSecs(20 * 3600));
    CalendarChange change = program(0, Monday.addSecs(20 * 3600 + 60), 45, false);
    change.favorite = 2;
    sauna.model.requestCalendarProgram(change);
    sauna.model.runCalendar();
    sauna.advance(60 * 1000);
    const SaunaReport started = sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
    QCOMPARE(sauna.model.integer(IntegerId::TargetTemperature), 810u);
    QCOMPARE(sauna.model.integer(IntegerId::TargetHumidity), 104u);
    QVERIFY(sauna.model.boolean(tools::BooleanId::Lights));
    QVERIFY(std::find(started.integers.begin(), started.integers.end(),
                      std::pair<int, quint32>(IntegerId::TargetTemperature, 810)) !=
            started.integers.end());
}

void TestSaunaCalendar::standbyProgramStartsInStandby()
{
    ClockedSauna sauna;
    sauna.setClock(Monday.addSecs(5 * 3600));
    CalendarChange change = program(1, Monday.addSecs(5 * 3600 + 60), 30, false);
    change.standbyMode = true;
    sauna.model.requestCalendarProgram(change);
    sauna.model.runCalendar();
    sauna.advance(60 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Standby));
}

void TestSaunaCalendar::clockSetPastAProgramDoesNotStartItLate()
{
    ClockedSauna sauna;
    sauna.setClock(Monday.addSecs(18 * 3600));
    sauna.model.requestCalendarProgram(program(4, Monday.addSecs(19 * 3600), 60, false));
    sauna.model.runCalendar();
    // The panel sets the clock to 19:30: the 19:00 start is not made up for.
    sauna.setClock(Monday.addSecs(19 * 3600 + 1800));
    sauna.advance(1000);
    QVERIFY(sauna.model.runCalendar().isEmpty());
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
}

void TestSaunaCalendar::programInNotAllowedPeriodIsRefused_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("until");
    QTest::addColumn<QTime>("ready");
    QTest::addColumn<int>("startMode");
    QTest::addColumn<int>("switchedOnBefore");    // minutes: the warm-up of 84 °C from 20 °C
    QTest::addColumn<quint32>("timeToAllowedOn"); // 0: runs
    QTest::newRow("starts inside a period across midnight")
        << 22 * 60 << 6 * 60 << QTime(2, 51) << int(CalendarRecord::StartAt) << 0 << 189u;
    // The figures of the program the panel asks about before saving, and of the one it saves.
    QTest::newRow("warm-up starts in the period's last minute")
        << 10 * 60 << 18 * 60 << QTime(18, 31) << int(CalendarRecord::ReadyAt) << 32 << 1u;
    QTest::newRow("warm-up starts as the period ends")
        << 10 * 60 << 18 * 60 << QTime(18, 32) << int(CalendarRecord::ReadyAt) << 32 << 0u;
}

void TestSaunaCalendar::programInNotAllowedPeriodIsRefused()
{
    QFETCH(int, from);
    QFETCH(int, until);
    QFETCH(QTime, ready);
    QFETCH(int, startMode);
    QFETCH(int, switchedOnBefore);
    QFETCH(quint32, timeToAllowedOn);
    ClockedSauna sauna;
    sauna.model.requestBoolean(BooleanRequestId::NotAllowedStartEnable, true);
    sauna.model.requestInteger(IntegerRequestId::NotAllowedStartFrom, quint32(from));
    sauna.model.requestInteger(IntegerRequestId::NotAllowedStartUntil, quint32(until));
    const QDateTime readyAt(Monday.date(), ready, QTimeZone::utc());
    const QDateTime switchOn = readyAt.addSecs(-switchedOnBefore * 60);
    sauna.setClock(switchOn.addSecs(-60));
    sauna.model.requestCalendarProgram(program(6, readyAt, 30, false, startMode, 756));
    sauna.model.runCalendar();
    sauna.advance(59 * 1000);
    QVERIFY(sauna.model.runCalendar().isEmpty());
    sauna.advance(1000);
    const SaunaReport looked = sauna.model.runCalendar();
    QCOMPARE(sauna.clock(), switchOn);
    if (timeToAllowedOn == 0) {
        QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
        QVERIFY(!looked.userMessage);
        return;
    }
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    QVERIFY(looked.userMessage);
    QCOMPARE(looked.userMessage->id, quint32(0x1002));
    QCOMPARE(sauna.model.integer(IntegerId::TimeToAllowedOn), timeToAllowedOn);
    // Told once: the next looks do not raise it again.
    sauna.advance(1000);
    QVERIFY(sauna.model.runCalendar().isEmpty());
}

namespace {

// How a running program's bath ends.
enum class ProgramEnd { StopTime, BathTimeRunsOut, SwitchedOff, AnotherProgram, Favorite };

// Stores favorite 2, with settings of its own.
void storeFavorite(SaunaStateModel &model)
{
    tools::FavoriteChange favorite;
    favorite.index = 2;
    favorite.inUse = true;
    favorite.name = QStringLiteral("Hot");
    favorite.temperature = 810;
    favorite.humidity = 104;
    QVERIFY(model.requestFavorite(favorite).dataErrors.empty());
}

} // namespace

void TestSaunaCalendar::everyEndOfAProgramIsReported_data()
{
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("stateAfter");
    QTest::newRow("stop time") << int(ProgramEnd::StopTime) << int(SaunaStateValue::Off);
    QTest::newRow("bath time runs out")
        << int(ProgramEnd::BathTimeRunsOut) << int(SaunaStateValue::Off);
    QTest::newRow("switched off") << int(ProgramEnd::SwitchedOff) << int(SaunaStateValue::Off);
    QTest::newRow("another program") << int(ProgramEnd::AnotherProgram) << int(SaunaStateValue::On);
    QTest::newRow("favorite") << int(ProgramEnd::Favorite) << int(SaunaStateValue::On);
}

void TestSaunaCalendar::everyEndOfAProgramIsReported()
{
    QFETCH(int, end);
    QFETCH(int, stateAfter);
    ClockedSauna sauna;
    storeFavorite(sauna.model);
    sauna.setClock(Monday.addSecs(18 * 3600 - 60));
    sauna.model.requestCalendarProgram(program(7, Monday.addSecs(18 * 3600), 60, false));
    sauna.model.runCalendar();
    sauna.advance(60 * 1000);
    const SaunaReport started = sauna.model.runCalendar();
    QCOMPARE(started.startedProgram, std::optional<quint32>(7));
    QVERIFY(started.endedPrograms.empty());

    // Ten minutes in, nothing has ended.
    SaunaReport ending;
    for (int minute = 0; minute < 10; ++minute) {
        sauna.advance(60 * 1000);
        ending.append(sauna.model.heatStep(60 * 1000));
        ending.append(sauna.model.runCalendar());
    }
    QVERIFY(ending.endedPrograms.empty());

    switch (ProgramEnd(end)) {
    case ProgramEnd::StopTime:
        // The calendar looks at the stop time before the bath time has run out.
        sauna.advance(50 * 60 * 1000);
        ending = sauna.model.runCalendar();
        break;
    case ProgramEnd::BathTimeRunsOut:
        for (int minute = 10; minute < 60 && ending.endedPrograms.empty(); ++minute)
            ending = sauna.model.heatStep(60 * 1000);
        break;
    case ProgramEnd::SwitchedOff:
        ending = sauna.model.requestState(SaunaStateValue::Off);
        break;
    case ProgramEnd::AnotherProgram:
        // Ready at 19:00 at 80 degrees: it begins to warm up at 18:30 at the latest, while
        // program 7 still runs.
        QVERIFY(sauna.model
                    .requestCalendarProgram(program(8, Monday.addSecs(19 * 3600), 30, false,
                                                    CalendarRecord::ReadyAt, 720))
                    .dataErrors.empty());
        sauna.advance(40 * 60 * 1000);
        ending = sauna.model.runCalendar();
        QCOMPARE(ending.startedProgram, std::optional<quint32>(8));
        break;
    case ProgramEnd::Favorite:
        ending = sauna.model.startFavorite(2);
        QVERIFY(!ending.startedProgram);
        break;
    }
    QCOMPARE(ending.endedPrograms, std::vector<quint32>{7});
    QCOMPARE(sauna.model.state(), stateAfter);
    QCOMPARE(sauna.model.runningProgram(), ProgramEnd(end) == ProgramEnd::AnotherProgram
                                               ? std::optional<quint32>(8)
                                               : std::nullopt);
}

void TestSaunaCalendar::favoriteTakingOverOutlastsTheProgramsStopTime()
{
    ClockedSauna sauna;
    storeFavorite(sauna.model);
    sauna.model.requestInteger(IntegerRequestId::BathTime, 120);
    sauna.setClock(Monday.addSecs(18 * 3600 - 60));
    sauna.model.requestCalendarProgram(program(7, Monday.addSecs(18 * 3600), 30, false));
    sauna.model.runCalendar();
    sauna.advance(60 * 1000);
    sauna.model.runCalendar();
    QCOMPARE(sauna.model.runningProgram(), std::optional<quint32>(7));

    // The favorite's bath time counts from its start; the program's stop time no longer does.
    sauna.advance(10 * 60 * 1000);
    sauna.model.startFavorite(2);
    QCOMPARE(sauna.model.integer(IntegerId::RunTimeLeft), 120u);
    sauna.advance(30 * 60 * 1000);
    QVERIFY(sauna.model.runCalendar().endedPrograms.empty());
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::On));
}

namespace {

// The sauna's own descaling: Wednesday at 02:00 for three hours, every second week.
const QDateTime DescalingWednesday(QDate(2024, 3, 6), QTime(2, 0), QTimeZone::utc());
const auto DescalingDay = quint32(SaunaStateModel::protocolEpoch().daysTo(DescalingWednesday));

} // namespace

void TestSaunaCalendar::descalingRunsAtItsTimeAndRecordsItsDay()
{
    ClockedSauna sauna;
    storeFavorite(sauna.model);
    sauna.model.setReading(IntegerId::LastDescaling, DescalingDay - 14);
    sauna.setClock(DescalingWednesday.addSecs(-60));
    QVERIFY(sauna.model.lookAtClock().isEmpty());
    sauna.advance(59 * 1000);
    QVERIFY(sauna.model.lookAtClock().isEmpty());
    sauna.advance(1000);
    const SaunaReport started = sauna.model.lookAtClock();
    QVERIFY(started.descalingStarted);
    QVERIFY(started.stateChanged);
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Descaling));

    // While it runs, no bath starts: by the power switch, a favorite or a program. The user is
    // told why.
    sauna.model.requestCalendarProgram(program(3, DescalingWednesday.addSecs(3600), 30, false));
    const SaunaReport bySwitch = sauna.model.requestState(SaunaStateValue::On);
    const SaunaReport byFavorite = sauna.model.startFavorite(2);
    sauna.advance(3600 * 1000);
    const SaunaReport byProgram = sauna.model.lookAtClock();
    QCOMPARE(byProgram.refusedProgram, std::optional<quint32>(3));
    for (const SaunaReport *refused : {&bySwitch, &byFavorite, &byProgram}) {
        QVERIFY(refused->userMessage);
        QCOMPARE(refused->userMessage->id, quint32(0x1008));
        QVERIFY(refused->stateChanged);
    }
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Descaling));

    // After three hours it ends: the last descaling is its day, and the panels hear it completed.
    sauna.advance(2 * 3600 * 1000 - 1000);
    QVERIFY(sauna.model.lookAtClock().isEmpty());
    sauna.advance(1000);
    const SaunaReport finished = sauna.model.lookAtClock();
    QVERIFY(finished.descalingFinished);
    QVERIFY(finished.stateChanged);
    QCOMPARE(sauna.model.state(), int(SaunaStateValue::Off));
    QCOMPARE(finished.integers,
             (std::vector<std::pair<int, quint32>>{{IntegerId::LastDescaling, DescalingDay}}));
    QVERIFY(finished.userMessage);
    QCOMPARE(finished.userMessage->id, quint32(0x1009));
}

void TestSaunaCalendar::descalingIsDueOnlyByItsSettings_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<quint32>("daysSinceLast");
    QTest::addColumn<bool>("due");
    QTest::newRow("two weeks after the last") << QString() << 14u << true;
    QTest::newRow("a week after the last") << QString() << 7u << false;
    QTest::newRow("weekly, three days after the last") << "weekly" << 3u << true;
    QTest::newRow("weekly, the same day") << "weekly" << 0u << false;
    QTest::newRow("monthly, three weeks after the last") << "monthly" << 21u << false;
    QTest::newRow("monthly, 22 days after the last") << "monthly" << 22u << true;
    QTest::newRow("on Thursday") << "thursday" << 14u << false;
    QTest::newRow("disabled") << "disabled" << 14u << false;
    QTest::newRow("no relay") << "no relay" << 14u << false;
    QTest::newRow("a bath at its time") << "bath" << 14u << false;
    QTest::newRow("clock set past it") << "clock set" << 14u << false;
    QTest::newRow("dry sauna") << "dry" << 14u << false;
}

void TestSaunaCalendar::descalingIsDueOnlyByItsSettings()
{
    QFETCH(QString, change);
    QFETCH(quint32, daysSinceLast);
    QFETCH(bool, due);
    ClockedSauna sauna;
    if (change == QLatin1String("dry"))
        sauna.model.useProductDefaults(37);
    sauna.model.setReading(IntegerId::LastDescaling, DescalingDay - daysSinceLast);
    tools::DescalingChange settings;
    settings.relayIndex = 4;
    settings.enabled = change != QLatin1String("disabled");
    settings.weekday = change == QLatin1String("thursday") ? 3 : 2;
    if (change == QLatin1String("no relay"))
        settings.relayIndex.reset();
    sauna.model.requestDescaling(settings);
    if (change == QLatin1String("weekly") || change == QLatin1String("monthly")) {
        tools::AuxRelayChange repeat;
        repeat.index = 4;
        repeat.offTime = tools::AuxRelayTiming{tools::AuxRelayWire::Hours,
                                               change == QLatin1String("weekly") ? 168u : 672u};
        QVERIFY(sauna.model.requestAuxRelay(repeat).dataErrors.empty());
    }
    if (change == QLatin1String("bath"))
        sauna.model.requestState(SaunaStateValue::On);

    sauna.setClock(DescalingWednesday.addSecs(-1));
    sauna.model.lookAtClock();
    if (change == QLatin1String("clock set"))
        sauna.setClock(DescalingWednesday.addSecs(1));
    else
        sauna.advance(1000);
    QCOMPARE(sauna.model.lookAtClock().descalingStarted, due);
    QCOMPARE(sauna.model.state() == int(SaunaStateValue::Descaling), due);
}

// The day of the next descaling, as the panels hear it: reported again whenever it changes.
void TestSaunaCalendar::nextDescalingDayIsReportedWhenItChanges()
{
    const auto nextDay = [](const SaunaReport &report) {
        std::optional<quint32> day;
        for (const auto &[id, value] : report.integers) {
            if (id == IntegerId::NextDescaling)
                day = value;
        }
        return day;
    };
    ClockedSauna sauna;
    sauna.model.setReading(IntegerId::LastDescaling, DescalingDay - 14);
    // Two weeks after the last one, on its Wednesday: the clock set a minute before its time.
    QCOMPARE(nextDay(sauna.setClock(DescalingWednesday.addSecs(-60))),
             std::optional<quint32>(DescalingDay));
    QCOMPARE(nextDay(sauna.model.fullReport()), std::optional<quint32>(DescalingDay));
    QCOMPARE(nextDay(sauna.model.lookAtClock()), std::nullopt);

    // It starts: the next one is two weeks on.
    sauna.advance(60 * 1000);
    const SaunaReport started = sauna.model.lookAtClock();
    QVERIFY(started.descalingStarted);
    QCOMPARE(nextDay(started), std::optional<quint32>(DescalingDay + 14));

    // On Thursdays: the first one more than a week after it; weekly: the next Thursday.
    tools::DescalingChange thursdays;
    thursdays.relayIndex = 4;
    thursdays.weekday = 3;
    QCOMPARE(nextDay(sauna.model.requestDescaling(thursdays)),
             std::optional<quint32>(DescalingDay + 8));
    tools::AuxRelayChange weekly;
    weekly.index = 4;
    weekly.offTime = tools::AuxRelayTiming{tools::AuxRelayWire::Hours, 168u};
    QCOMPARE(nextDay(sauna.model.requestAuxRelay(weekly)),
             std::optional<quint32>(DescalingDay + 1));

    // The clock set past that Thursday's start; then descaling switched off: no day ahead.
    QCOMPARE(nextDay(sauna.setClock(DescalingWednesday.addDays(1).addSecs(1))),
             std::optional<quint32>(DescalingDay + 8));
    tools::DescalingChange off = thursdays;
    off.enabled = false;
    QCOMPARE(nextDay(sauna.model.requestDescaling(off)), std::optional<quint32>(0));
}

QTEST_GUILESS_MAIN(TestSaunaCalendar)
#include "tst_sauna_calendar.moc"
