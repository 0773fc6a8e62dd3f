#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "sauna_simulator/simulated_sauna.h"
#include "signal_interface/calendar_program.h"
#include "signal_interface/favorites_types.h"
#include "signal_interface/type_registration.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <memory>

using pcPanel::ConnectionStateMachine;
using pcPanel::SaunaCommunication;
using pcPanel::SaunaSystemReceiver;
using signalInterface::CalendarProgram;
using signalInterface::FavoritesTypes::FavoritesPost;
using signalInterface::RemoteSaunaTypes::RemoteSauna;

namespace {

constexpr int WaitMs = 5000;

// A missing signal reads as a default record: the comparison fails and the test runs on.
FavoritesPost favoriteAt(const QSignalSpy &spy, qsizetype at)
{
    return spy.value(at).value(0).value<FavoritesPost>();
}

CalendarProgram programAt(const QSignalSpy &spy, qsizetype at)
{
    return spy.value(at).value(0).value<CalendarProgram>();
}

} // namespace

// The panel's own link against the simulated sauna, on loopback: favorites and calendar programs
// sent by the panel's sender come back through its receiver as the same records.
class TestSimulatorRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { signalInterface::registerMetaTypes(); }
    void init();
    void cleanup();
    void favoritesAndProgramsMakeTheRoundTrip();

private:
    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    int m_run = 0;
};

void TestSimulatorRecords::init()
{
    control::Settings::resetForTesting();
    pcPanel::InstanceSettings::resetForTesting();
    control::Settings names(QStringLiteral("SimulatorRecordsTest%1").arg(++m_run),
                            QStringLiteral("PC_Panel"));
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = QStringLiteral("2580");
    options.heatIntervalMs = 3600000; // no heating reports in between
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));
}

void TestSimulatorRecords::cleanup()
{
    m_sauna.reset();
    control::Settings::resetForTesting();
}

void TestSimulatorRecords::favoritesAndProgramsMakeTheRoundTrip()
{
    SaunaCommunication::Timing timing;
    timing.announcementIntervalMs = 60000;
    timing.connection.connectReplyTimeoutMs = 1000;
    timing.connection.reconnectIntervalMs = 200;
    SaunaCommunication link(nullptr, nullptr, timing);
    QVERIFY(link.bindSaunaSystemSocket(0));
    QVERIFY(link.startAnnouncements());

    QSignalSpy detected(&link, &SaunaCommunication::ipDetectDone);
    RemoteSauna target;
    target.address = QHostAddress::LocalHost;
    target.port = m_sauna->announcePort();
    link.onIpDetectRequest(target);
    QVERIFY(detected.wait(WaitMs));
    QCOMPARE(link.remoteSaunas().size(), 1);
    RemoteSauna record = link.remoteSaunas().front();
    record.pin.setPin(QStringLiteral("2580"));
    link.onRemoteSaunaChangeRequest(record, true);

    SaunaSystemReceiver *receiver = link.saunaSystemReceiver();
    QSignalSpy favorites(receiver, &SaunaSystemReceiver::saunaFavoritesPostChanged);
    QSignalSpy programs(receiver, &SaunaSystemReceiver::saunaCalendarProgramChanged);
    QSignalSpy messages(receiver, &SaunaSystemReceiver::panelUserMessageIssued);
    QSignalSpy scheduleDisabled(receiver, &SaunaSystemReceiver::saunaScheduleItemDisableChanged);
    QSignalSpy succeeded(link.connectionStateMachine(), &ConnectionStateMachine::connectSucceeded);
    link.onConnectRequest(m_sauna->identity().identity);
    QVERIFY(succeeded.wait(WaitMs));

    // At connect: every slot, all empty, each accepted by the panel's converters.
    QTRY_COMPARE_WITH_TIMEOUT(programs.count(), 64, WaitMs);
    QCOMPARE(favorites.count(), 8);
    for (qsizetype i = 0; i < favorites.count(); ++i) {
        QCOMPARE(favoriteAt(favorites, i).index, quint32(i));
        QVERIFY(!favoriteAt(favorites, i).inUse);
    }
    QVERIFY(!programAt(programs, 63).inUse);
    QCOMPARE(messages.count(), 0);
    favorites.clear();
    programs.clear();

    // A new favorite, as the favorite overview saves one.
    FavoritesPost favorite;
    favorite.index = 2;
    favorite.inUse = true;
    favorite.name = QStringLiteral("Löyly");
    favorite.humidity = 103;
    favorite.temperature = 693;
    favorite.bathTime = 50;
    favorite.lights = true;
    favorite.auxRelayActive[4] = true;
    link.saunaSystemSender()->onFavoriteUpdateRequested(favorite);
    QVERIFY(favorites.wait(WaitMs));
    QCOMPARE(favoriteAt(favorites, 0), favorite);

    // Date and weekday programs, one with its own settings, one with the favorite.
    CalendarProgram date(5);
    date.inUse = true;
    date.start = QDateTime(QDate(2031, 6, 21), QTime(17, 30), QTimeZone::utc());
    date.duration = 90;
    date.humidity = 30;
    date.temperature = 765;
    date.startMode = signalInterface::CalendarTypes::E_ready_at;
    CalendarProgram weekday(40);
    weekday.inUse = true;
    weekday.weekday = true;
    weekday.start = QDateTime(QDate(2031, 6, 23), QTime(6, 15), QTimeZone::utc());
    weekday.duration = 45;
    weekday.standby = true;
    weekday.option11 = true;
    weekday.setFavoriteIndex({true, 2});
    for (const CalendarProgram &program : {date, weekday}) {
        const qsizetype before = programs.count();
        link.saunaSystemSender()->onCalendarProgramChangeRequested(program);
        QTRY_COMPARE_WITH_TIMEOUT(programs.count(), before + 1, WaitMs);
        CalendarProgram back = programAt(programs, before);
        if (program.favoriteIndex().first) {
            // Settings of a program that uses a favorite do not travel; the defaults come back.
            QCOMPARE(back.temperature, CalendarProgram().temperature);
            back.temperature = program.temperature;
            back.humidity = program.humidity;
        }
        QCOMPARE(back, program);
    }

    // The calendar switched off and on.
    link.saunaSystemSender()->onScheduleItemDisableChangeRequested(true);
    QVERIFY(scheduleDisabled.wait(WaitMs));
    QCOMPARE(scheduleDisabled.last().at(0).toBool(), true);

    // Starting the favorite switches the sauna on; its settings are the panel's requests before.
    link.saunaSystemSender()->onSaunaStartFavoriteRequested(2);
    QTRY_COMPARE_WITH_TIMEOUT(m_sauna->model().state(), int(tools::SaunaStateValue::On), WaitMs);

    // Deleting: the record comes back empty.
    FavoritesPost deletion = favorite;
    deletion.inUse = false;
    link.saunaSystemSender()->onFavoriteUpdateRequested(deletion);
    QTRY_COMPARE_WITH_TIMEOUT(favorites.count(), 2, WaitMs);
    QCOMPARE(favoriteAt(favorites, 1).index, 2u);
    QVERIFY(!favoriteAt(favorites, 1).inUse);
    CalendarProgram erased(5);
    link.saunaSystemSender()->onCalendarProgramChangeRequested(erased);
    QTRY_COMPARE_WITH_TIMEOUT(programs.count(), 3, WaitMs);
    QCOMPARE(programAt(programs, 2), erased);

    // A refused request shows the sauna's data error, and the record stays.
    FavoritesPost tooLong = favorite;
    tooLong.index = 3;
    tooLong.name = QStringLiteral("A name of 21 letters!");
    link.saunaSystemSender()->onFavoriteUpdateRequested(tooLong);
    QVERIFY(messages.wait(WaitMs));
    QTRY_COMPARE_WITH_TIMEOUT(favorites.count(), 3, WaitMs);
    QCOMPARE(favoriteAt(favorites, 2).index, 3u);
    QVERIFY(!favoriteAt(favorites, 2).inUse);
    QCOMPARE(messages.count(), 1);

    // A later update sends it all again, as it now stands.
    favorites.clear();
    programs.clear();
    link.saunaSystemSender()->onUpdateSaunaRequest();
    QTRY_COMPARE_WITH_TIMEOUT(programs.count(), 64, WaitMs);
    QCOMPARE(favorites.count(), 8);
    QVERIFY(!favoriteAt(favorites, 2).inUse);
    QVERIFY(!programAt(programs, 5).inUse);
    CalendarProgram kept = programAt(programs, 40);
    QVERIFY(kept.inUse);
    QCOMPARE(kept.start, weekday.start);
    QCOMPARE(kept.favoriteIndex(), weekday.favoriteIndex());
}

QTEST_GUILESS_MAIN(TestSimulatorRecords)
#include "tst_simulator_records.moc"
