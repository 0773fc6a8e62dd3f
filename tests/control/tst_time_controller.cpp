#include "control/settings.h"
#include "control/time_controller.h"
#include "view_cpp/date_time_formatter.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using control::Settings;
using control::TimeController;
using signalInterface::CalendarTypes;
using signalInterface::DateTimeTypes;

namespace {

QString storeKey(const char *key)
{
    return QLatin1String(key);
}

// The raw text of a key as the INI file holds it; empty when the line is missing.
QString fileValue(const char *key)
{
    QFile file(Settings::settings()->fileName());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    const QByteArray prefix = QByteArray(key) + '=';
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(prefix)) {
            return QString::fromUtf8(line.mid(prefix.size()).trimmed());
        }
    }
    return {};
}

// Everything the controller announces about its formats, in order, as "what:value".
class Recorder : public QObject
{
public:
    explicit Recorder(TimeController *controller)
    {
        connect(controller, &TimeController::dateFormatChanged, this,
                [this](DateTimeTypes::DateFormat df) { log << QStringLiteral("date:%1").arg(df); });
        connect(controller, &TimeController::timeFormatChanged, this,
                [this](DateTimeTypes::TimeFormat tf) { log << QStringLiteral("time:%1").arg(tf); });
        connect(controller, &TimeController::weekDayStartChanged, this,
                [this](CalendarTypes::WeekDay day) { log << QStringLiteral("week:%1").arg(day); });
    }
    QStringList log;
};

DateTimeTypes::SaunaDateTime saunaTime(const QDateTime &dateTime, bool dateValid, bool timeValid)
{
    DateTimeTypes::SaunaDateTime result;
    result.dateTime = dateTime;
    result.dateValid = dateValid;
    result.timeValid = timeValid;
    return result;
}

// The screens that talk to the time controller, as far as it listens to them.
class TimeScreens : public QObject
{
    Q_OBJECT

signals:
    void dateFormatSelected(::signalInterface::DateTimeTypes::DateFormat df);
    void timeFormatSelected(::signalInterface::DateTimeTypes::TimeFormat tf);
    void weekBeginSelected(::signalInterface::CalendarTypes::WeekDay day);
    void setSystemTimeRequested(QDateTime dateTime);
    void weekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay day);
    void dateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat df);
    void timeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat tf);
    void saunaTimeChanged(::signalInterface::DateTimeTypes::SaunaDateTime dateTime);

public slots:
    // The bridge sender's slot, by the signature it connects with.
    void onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime dateTime)
    {
        requests.append(dateTime);
    }

public:
    QList<DateTimeTypes::SaunaDateTime> requests;
};

} // namespace

// Checks the time controller: stored formats, the user's and the region's choices, the clock.
class TestTimeController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void defaultsWrittenWhenMissing();
    void initialStateInOrder();
    void choicesStoredAndReadAfterRestart();
    void userChoiceMarksRegionSettingsChanged();
    void regionProposalDoesNotMark();
    void outOfRangeValuesIgnored();
    void corruptStoredValuesKept_data();
    void corruptStoredValuesKept();
    void invalidSystemTimeRefused();
    void systemTimeRequestSent();
    void saunaTimeAnnounced();
    void saunaTimeFollowsFormatChanges();
    void saunaTimeWithInvalidParts();
    void clockRunsBetweenReports();
    void clockTimerWaitsForTheNextMinute();
    void clockTimerFiresAndKeepsRunning();
    void connectOperations();

private:
    QTemporaryDir m_configHome;
};

void TestTimeController::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    qRegisterMetaType<DateTimeTypes::SaunaDateTime>();
    qRegisterMetaType<signalInterface::UserMessageTypes::UserMessage>();
    qRegisterMetaType<signalInterface::UserMessageAction *>();
}

void TestTimeController::init()
{
    Settings::resetForTesting();
    QFile::remove(Settings::settings()->fileName());
    Settings::resetForTesting();
}

void TestTimeController::defaultsWrittenWhenMissing()
{
    TimeController controller;
    QCOMPARE(controller.dateFormat(), DateTimeTypes::E_ddmmyy);
    QCOMPARE(controller.timeFormat(), DateTimeTypes::E_0_24);
    QCOMPARE(controller.weekDayStart(), CalendarTypes::E_monday);
    QCOMPARE(fileValue(Settings::dateFormatKey), QStringLiteral("1"));
    QCOMPARE(fileValue(Settings::timeFormatKey), QStringLiteral("0"));
    QCOMPARE(fileValue(Settings::startOfWeekKey), QStringLiteral("0"));
    QVERIFY(!Settings::settings()->contains(storeKey(Settings::hasChangedRegionSettingsKey)));
}

void TestTimeController::initialStateInOrder()
{
    TimeController controller;
    Recorder recorder(&controller);
    controller.emitInitialState();
    QCOMPARE(recorder.log, (QStringList{"date:1", "time:0", "week:0"}));
}

void TestTimeController::choicesStoredAndReadAfterRestart()
{
    {
        TimeController controller;
        Recorder recorder(&controller);
        controller.onDateFormatSelected(DateTimeTypes::E_mmddyy);
        controller.onTimeFormatSelected(DateTimeTypes::E_am_pm);
        controller.onWeekBeginSelected(CalendarTypes::E_sunday);
        QCOMPARE(recorder.log, (QStringList{"date:2", "time:1", "week:6"}));
    }
    QCOMPARE(fileValue(Settings::dateFormatKey), QStringLiteral("2"));
    QCOMPARE(fileValue(Settings::timeFormatKey), QStringLiteral("1"));
    QCOMPARE(fileValue(Settings::startOfWeekKey), QStringLiteral("6"));

    Settings::resetForTesting();
    TimeController restarted;
    Recorder recorder(&restarted);
    restarted.emitInitialState();
    QCOMPARE(recorder.log, (QStringList{"date:2", "time:1", "week:6"}));
}

void TestTimeController::userChoiceMarksRegionSettingsChanged()
{
    TimeController controller;
    controller.onWeekBeginSelected(CalendarTypes::E_monday);
    QCOMPARE(fileValue(Settings::hasChangedRegionSettingsKey), QStringLiteral("1"));
}

void TestTimeController::regionProposalDoesNotMark()
{
    TimeController controller;
    Recorder recorder(&controller);
    controller.onDateFormatInitiallySelected(DateTimeTypes::E_mmddyy);
    controller.onTimeFormatInitiallySelected(DateTimeTypes::E_am_pm);
    controller.onWeekBeginInitiallySelected(CalendarTypes::E_sunday);

    QCOMPARE(recorder.log, (QStringList{"date:2", "time:1", "week:6"}));
    QCOMPARE(fileValue(Settings::startOfWeekKey), QStringLiteral("6"));
    QVERIFY(!Settings::settings()->contains(storeKey(Settings::hasChangedRegionSettingsKey)));
}

void TestTimeController::outOfRangeValuesIgnored()
{
    TimeController controller;
    Recorder recorder(&controller);

    controller.onDateFormatSelected(static_cast<DateTimeTypes::DateFormat>(3));
    controller.onTimeFormatSelected(static_cast<DateTimeTypes::TimeFormat>(-1));
    controller.onWeekBeginSelected(static_cast<CalendarTypes::WeekDay>(7));
    controller.onDateFormatInitiallySelected(static_cast<DateTimeTypes::DateFormat>(99));
    controller.onTimeFormatInitiallySelected(static_cast<DateTimeTypes::TimeFormat>(2));
    controller.onWeekBeginInitiallySelected(static_cast<CalendarTypes::WeekDay>(-3));

    QVERIFY(recorder.log.isEmpty());
    QCOMPARE(controller.dateFormat(), DateTimeTypes::E_ddmmyy);
    QCOMPARE(controller.timeFormat(), DateTimeTypes::E_0_24);
    QCOMPARE(controller.weekDayStart(), CalendarTypes::E_monday);
    QCOMPARE(fileValue(Settings::startOfWeekKey), QStringLiteral("0"));
    QVERIFY(!Settings::settings()->contains(storeKey(Settings::hasChangedRegionSettingsKey)));
}

void TestTimeController::corruptStoredValuesKept_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("past the last weekday") << "7";
    QTest::newRow("negative") << "-1";
    QTest::newRow("text") << "sunday";
}

void TestTimeController::corruptStoredValuesKept()
{
    QFETCH(QString, stored);
    Settings::setValue(storeKey(Settings::startOfWeekKey), stored);
    Settings::setValue(storeKey(Settings::timeFormatKey), stored);
    Settings::resetForTesting();

    TimeController controller;
    QCOMPARE(controller.weekDayStart(), CalendarTypes::E_monday);
    QCOMPARE(controller.timeFormat(), DateTimeTypes::E_0_24);
    // Left for the user to change: a value a newer panel wrote is not lost.
    QCOMPARE(fileValue(Settings::startOfWeekKey), stored);
    QCOMPARE(fileValue(Settings::timeFormatKey), stored);
}

void TestTimeController::invalidSystemTimeRefused()
{
    TimeController controller;
    QSignalSpy requested(&controller, &TimeController::systemTimeChangeRequested);
    QSignalSpy messages(&controller, &TimeController::panelUserMessageIssued);

    controller.onSetSystemTimeRequested(QDateTime());
    controller.onSetSystemTimeRequested(QDateTime(QDate(2024, 2, 30), QTime(10, 0)));

    QCOMPARE(requested.count(), 0);
    QCOMPARE(messages.count(), 2);
    QCOMPARE(messages.at(0).at(0).value<signalInterface::UserMessageTypes::UserMessage>().id,
             0x2024u);
}

void TestTimeController::systemTimeRequestSent()
{
    TimeController controller;
    QSignalSpy requested(&controller, &TimeController::systemTimeChangeRequested);
    const QDateTime when(QDate(2024, 3, 9), QTime(18, 45));

    controller.onSetSystemTimeRequested(when);

    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).value<DateTimeTypes::SaunaDateTime>(),
             saunaTime(when, true, true));
}

void TestTimeController::saunaTimeAnnounced()
{
    TimeController controller;
    controller.onConnectedChanged(true);
    QSignalSpy changed(&controller, &TimeController::systemTimeChanged);
    QSignalSpy details(&controller, &TimeController::systemTimeDetailsChanged);
    QSignalSpy formatted(&controller, &TimeController::systemTimeFormattedChanged);
    const QDateTime when(QDate(2024, 3, 9), QTime(18, 45));

    controller.onSaunaTimeChanged(saunaTime(when, true, true));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDateTime(), when);
    QVERIFY(!details.isEmpty());
    QCOMPARE(details.at(0), (QVariantList{when, true, true}));
    QCOMPARE(formatted.count(), 1);
    QCOMPARE(formatted.at(0).at(1).toString(), QStringLiteral("18:45"));
    QCOMPARE(formatted.at(0).at(2).toString(), QString());
    QVERIFY(formatted.at(0).at(0).toString().contains(QStringLiteral("09")));
}

void TestTimeController::saunaTimeFollowsFormatChanges()
{
    TimeController controller;
    controller.onConnectedChanged(true);
    QSignalSpy formatted(&controller, &TimeController::systemTimeFormattedChanged);

    // Before the sauna has told its time there is nothing to format.
    controller.onTimeFormatSelected(DateTimeTypes::E_am_pm);
    QCOMPARE(formatted.count(), 0);

    controller.onSaunaTimeChanged(
        saunaTime(QDateTime(QDate(2024, 3, 9), QTime(18, 45)), true, true));
    QCOMPARE(formatted.count(), 1);
    QVERIFY(!formatted.at(0).at(2).toString().isEmpty());
    QVERIFY(formatted.at(0).at(1).toString().startsWith(QLatin1String("6")));

    controller.onTimeFormatSelected(DateTimeTypes::E_0_24);
    QCOMPARE(formatted.count(), 2);
    QCOMPARE(formatted.at(1).at(1).toString(), QStringLiteral("18:45"));
    QCOMPARE(formatted.at(1).at(2).toString(), QString());
}

void TestTimeController::saunaTimeWithInvalidParts()
{
    TimeController controller;
    controller.onConnectedChanged(true);
    QSignalSpy changed(&controller, &TimeController::systemTimeChanged);
    QSignalSpy details(&controller, &TimeController::systemTimeDetailsChanged);
    QSignalSpy formatted(&controller, &TimeController::systemTimeFormattedChanged);
    const QDateTime when(QDate(2024, 3, 9), QTime(18, 45));

    controller.onSaunaTimeChanged(saunaTime(when, false, true));
    QVERIFY(!details.isEmpty());
    QCOMPARE(details.at(0), (QVariantList{when, false, true}));
    QVERIFY(!formatted.isEmpty());
    QCOMPARE(formatted.at(0).at(0).toString(), QString());
    QCOMPARE(formatted.at(0).at(1).toString(), QStringLiteral("18:45"));

    controller.onSaunaTimeChanged(saunaTime(QDateTime(), false, false));
    QCOMPARE(changed.count(), 1);
    QVERIFY(formatted.size() > 1);
    QCOMPARE(formatted.at(1), (QVariantList{QString(), QString(), QString()}));
}

void TestTimeController::clockRunsBetweenReports()
{
    qint64 nowMs = 5000;
    TimeController controller([&nowMs] { return nowMs; }, nullptr);
    controller.onConnectedChanged(true);
    QSignalSpy formatted(&controller, &TimeController::systemTimeFormattedChanged);
    const QDateTime reported(QDate(2024, 3, 9), QTime(20, 28, 10));

    controller.onSaunaTimeChanged(saunaTime(reported, true, true));
    QVERIFY(!formatted.isEmpty());
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("20:28"));

    // The sauna stays idle and reports nothing for four minutes: the clock still moves.
    nowMs += 4 * 60 * 1000;
    controller.onClockTick();
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("20:32"));
    QCOMPARE(controller.runningSystemTime().dateTime, reported.addSecs(4 * 60));
    // The report itself is kept as it came.
    QCOMPARE(controller.systemTime().dateTime, reported);

    // The time screens get the running time too, so that they edit from what the panel shows.
    QSignalSpy details(&controller, &TimeController::systemTimeDetailsChanged);
    nowMs += 60 * 1000;
    controller.onClockTick();
    QCOMPARE(details.count(), 1);
    QCOMPARE(details.last(), (QVariantList{reported.addSecs(5 * 60), true, true}));

    // A report sets the clock again, also backwards.
    controller.onSaunaTimeChanged(
        saunaTime(QDateTime(QDate(2024, 3, 9), QTime(20, 30)), true, true));
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("20:30"));
    nowMs += 61 * 1000;
    controller.onClockTick();
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("20:31"));

    // Past midnight the date moves on with the time.
    controller.onSaunaTimeChanged(
        saunaTime(QDateTime(QDate(2024, 3, 9), QTime(23, 59, 30)), true, true));
    const QString dateBefore = formatted.last().at(0).toString();
    nowMs += 60 * 1000;
    controller.onClockTick();
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("00:00"));
    QVERIFY(formatted.last().at(0).toString() != dateBefore);
    QVERIFY(formatted.last().at(0).toString().contains(QStringLiteral("10")));
}

void TestTimeController::clockTimerWaitsForTheNextMinute()
{
    qint64 nowMs = 1;
    TimeController controller([&nowMs] { return nowMs; }, nullptr);
    controller.onConnectedChanged(true);
    // No time reported yet: nothing runs.
    QVERIFY(!controller.clockTimer().isActive());

    controller.onSaunaTimeChanged(
        saunaTime(QDateTime(QDate(2024, 3, 9), QTime(20, 28, 45, 500)), true, true));
    QVERIFY(controller.clockTimer().isActive());
    QCOMPARE(controller.clockTimer().interval(), 14500);

    // A tick a little past the turn of the minute waits for the next one.
    nowMs += 15000;
    controller.onClockTick();
    QCOMPARE(controller.clockTimer().interval(), 59500);

    // A time the sauna marks unusable stops the clock; there is nothing to run.
    controller.onSaunaTimeChanged(saunaTime(QDateTime(), false, false));
    QVERIFY(!controller.clockTimer().isActive());
}

void TestTimeController::clockTimerFiresAndKeepsRunning()
{
    // The real timer, driven through its own timeout, with a clock that is already at the
    // next minute: every timeout announces the running time and waits again.
    qint64 nowMs = 1;
    TimeController controller([&nowMs] { return nowMs; }, nullptr);
    controller.onConnectedChanged(true);
    QSignalSpy formatted(&controller, &TimeController::systemTimeFormattedChanged);
    controller.onSaunaTimeChanged(
        saunaTime(QDateTime(QDate(2024, 3, 9), QTime(20, 28, 59, 990)), true, true));
    QCOMPARE(formatted.count(), 1);
    nowMs += 10;
    QVERIFY(formatted.wait(5000));
    QCOMPARE(formatted.last().at(1).toString(), QStringLiteral("20:29"));
    QVERIFY(controller.clockTimer().isActive());
}

void TestTimeController::connectOperations()
{
    TimeController controller;
    TimeScreens screens;
    QObject plain;
    QCOMPARE(controller.connectDateFormatSelected({&screens}), 0);
    QCOMPARE(controller.connectSetSystemTimeRequests({&screens}), 0);
    QCOMPARE(controller.connectTimeFormatSelected({&screens}), 0);
    QCOMPARE(controller.connectWeekBeginSelected({&screens}), 0);
    QCOMPARE(controller.connectRegionInitialSelections({&screens}), 0);
    QCOMPARE(controller.connectSaunaSignals({&screens}), 0);
    QCOMPARE(controller.connectRegionInitialSelections({&plain}), 3);

    QVERIFY(QObject::connect(
        &controller,
        SIGNAL(systemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime)),
        &screens,
        SLOT(onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime))));
    emit screens.setSystemTimeRequested(QDateTime(QDate(2024, 1, 2), QTime(3, 4)));
    QCOMPARE(screens.requests.size(), 1);

    // The formatter of the whole view follows the controller's formats.
    QCOMPARE(view::DateTimeFormatter::instance()->connectFormatSources({&controller}), 0);
    controller.onTimeFormatSelected(DateTimeTypes::E_am_pm);
    QCOMPARE(view::DateTimeFormatter::instance()->formatTime(QTime(14, 5)),
             QStringLiteral("2:05pm"));

    emit screens.weekBeginInitiallySelected(CalendarTypes::E_sunday);
    QCOMPARE(controller.weekDayStart(), CalendarTypes::E_sunday);
    emit screens.dateFormatSelected(DateTimeTypes::E_yymmdd);
    QCOMPARE(controller.dateFormat(), DateTimeTypes::E_yymmdd);
}

QTEST_GUILESS_MAIN(TestTimeController)
#include "tst_time_controller.moc"
