#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulator_messages.h"

#include "protocol_buffers_support/message_parsing.h"

#include "message.pb.h"

#include <QtTest>

#include <array>
#include <optional>
#include <string>

using tools::BooleanId;
using tools::BooleanRequestId;
using tools::CalendarRecord;
using tools::FavoriteRecord;
using tools::IntegerId;
using tools::IntegerRequestId;
using tools::SaunaReport;
using tools::SaunaStateModel;
using tools::SaunaStateValue;

namespace {

const QDateTime Now(QDate(2024, 3, 1), QTime(12, 0), QTimeZone::utc());

QByteArray serialized(const google::protobuf::MessageLite &message)
{
    const std::string bytes = message.SerializeAsString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// A favorite post written as the panel writes one.
vaholumo::Favorite_post favoritePost(quint32 index, const QString &name, quint32 humidity,
                                     quint32 temperature, quint32 bathTime, bool lights,
                                     std::array<bool, 7> relays = {})
{
    vaholumo::Favorite_post post;
    post.set_index(index);
    post.set_in_use(true);
    for (const QChar unit : name)
        post.add_name(unit.unicode());
    post.set_humidity(humidity);
    post.set_temperature(temperature);
    post.set_bath_time(bathTime);
    post.set_lights(lights);
    for (const bool active : relays)
        post.add_aux_relay_active(active);
    return post;
}

vaholumo::Favorite_post favoriteDeletion(quint32 index)
{
    vaholumo::Favorite_post post;
    post.set_index(index);
    post.set_in_use(false);
    return post;
}

// A calendar post written as the panel writes one: the favorite, or 100 with own settings.
vaholumo::Calendar_post calendarPost(quint32 index, quint64 startTime, quint32 stopAfter,
                                     bool weekday, std::optional<quint32> favorite,
                                     quint32 humidity = 0, quint32 temperature = 0)
{
    vaholumo::Calendar_post post;
    post.set_index(index);
    post.set_in_use(true);
    post.set_start_time(startTime);
    post.set_stop_after(stopAfter);
    if (favorite) {
        post.set_favorite(*favorite);
    } else {
        post.set_favorite(CalendarRecord::NoFavorite);
        post.set_humidity(humidity);
        post.set_temperature(temperature);
    }
    post.set_weekday_program(weekday);
    post.set_start_mode(vaholumo::Calendar_post_start_mode_t_READY_AT);
    post.set_standby_mode(false);
    post.set_extra_flag(false);
    return post;
}

vaholumo::Calendar_post calendarDeletion(quint32 index)
{
    vaholumo::Calendar_post post;
    post.set_index(index);
    post.set_in_use(false);
    return post;
}

vaholumo::External_to_sauna envelopeWith(const vaholumo::Favorite_post &post)
{
    vaholumo::External_to_sauna envelope;
    *envelope.add_favorite_post() = post;
    return envelope;
}

vaholumo::External_to_sauna envelopeWith(const vaholumo::Calendar_post &post)
{
    vaholumo::External_to_sauna envelope;
    *envelope.add_calendar_post() = post;
    return envelope;
}

// What the sauna sends for a report, read back as a panel reads it.
vaholumo::Sauna_to_external sent(const SaunaReport &report, const SaunaStateModel &model)
{
    vaholumo::Sauna_to_external envelope;
    const bool parsed = pbSupport::parseDatagram(tools::encodeReport(report, model, Now), envelope);
    if (!parsed)
        qWarning("the sauna's report does not parse");
    return envelope;
}

// Applies one envelope's posts and returns what goes on the wire.
vaholumo::Sauna_to_external request(SaunaStateModel &model,
                                    const vaholumo::External_to_sauna &envelope)
{
    return sent(tools::applyRecordPosts(envelope, model), model);
}

std::optional<quint32> integerIn(const SaunaReport &report, int id)
{
    for (const auto &[reportId, value] : report.integers)
        if (reportId == id)
            return value;
    return std::nullopt;
}

std::optional<bool> booleanIn(const SaunaReport &report, int id)
{
    for (const auto &[reportId, value] : report.booleans)
        if (reportId == id)
            return value;
    return std::nullopt;
}

QString nameOf(const vaholumo::Favorite_post &post)
{
    QString name;
    for (const quint32 unit : post.name())
        name.append(QChar(char16_t(unit)));
    return name;
}

} // namespace

// The simulated sauna's favorites and calendar programs: request envelopes in, the reports it
// sends out.
class TestSaunaRecords : public QObject
{
    Q_OBJECT

private slots:
    void favoriteIsCreatedAndReportedAsSent();
    void favoriteChangeKeepsWhatThePostLeavesOut();
    void favoriteDeletionIsReportedAsIndexAndFlag();
    void badFavoritePostIsRefusedAndChangesNothing_data();
    void badFavoritePostIsRefusedAndChangesNothing();
    void startingFavoriteSwitchesOnWithTheCurrentSettings();
    void startingFavoriteOnRunningSaunaRenewsBathTime();
    void startingMissingFavoriteIsRefused();
    void dateAndWeekdayProgramsAreCreatedAndReportedAsSent();
    void programChangeKeepsWhatThePostLeavesOut();
    void programDeletionIsReportedAsIndexAndFlag();
    void badCalendarPostIsRefusedAndChangesNothing_data();
    void badCalendarPostIsRefusedAndChangesNothing();
    void programUsingFavoriteIgnoresOwnSettings();
    void erasingCalendarEmptiesEverySlot();
    void calendarOnOffIsKeptAndReported();
    void fullReportCarriesEverySlot();
    void fullCalendarFitsOneDatagram();
};

void TestSaunaRecords::favoriteIsCreatedAndReportedAsSent()
{
    SaunaStateModel model;
    const vaholumo::Favorite_post post =
        favoritePost(2, QStringLiteral("Evening"), 103, 657, 45, true,
                     {true, false, false, true, false, false, true});
    const vaholumo::Sauna_to_external report = request(model, envelopeWith(post));

    QCOMPARE(report.favorite_post_size(), 1);
    // The stored favorite goes back exactly as the panel wrote it.
    QCOMPARE(serialized(report.favorite_post(0)), serialized(post));
    QCOMPARE(report.data_error_size(), 0);
    QCOMPARE(report.calendar_post_size(), 0);
    QVERIFY(!report.has_sauna_state_changed());

    const FavoriteRecord &stored = model.records().favorites()[2];
    QVERIFY(stored.inUse);
    QCOMPARE(stored.name, QStringLiteral("Evening"));
    QCOMPARE(stored.humidity, 103u);
    QCOMPARE(stored.temperature, 657u);
    QCOMPARE(stored.bathTime, 45u);
    QVERIFY(stored.lights);
    QCOMPARE(stored.auxRelayActive,
             (std::array<bool, 7>{true, false, false, true, false, false, true}));
    // Nothing else was touched.
    for (quint32 index : {0u, 1u, 3u, 7u})
        QVERIFY(!model.records().favorites()[index].inUse);

    // A favorite's bath time may be left at 0.
    const vaholumo::Favorite_post noBathTime =
        favoritePost(3, QStringLiteral("Short"), 103, 657, 0, false, {});
    const vaholumo::Sauna_to_external second = request(model, envelopeWith(noBathTime));
    QCOMPARE(second.data_error_size(), 0);
    QCOMPARE(serialized(second.favorite_post(0)), serialized(noBathTime));
    QCOMPARE(model.records().favorites()[3].bathTime, 0u);
}

void TestSaunaRecords::favoriteChangeKeepsWhatThePostLeavesOut()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(7, QStringLiteral("Hot"), 10, 900, 60, true,
                                             {false, true, false, false, false, false, false})));

    // Renamed and cooler; humidity, bath time, lights and relays are not in the post.
    vaholumo::Favorite_post change;
    change.set_index(7);
    change.set_in_use(true);
    for (const QChar unit : QStringLiteral("Warm"))
        change.add_name(unit.unicode());
    change.set_temperature(720);
    const vaholumo::Sauna_to_external report = request(model, envelopeWith(change));

    QCOMPARE(report.favorite_post_size(), 1);
    const vaholumo::Favorite_post &reported = report.favorite_post(0);
    QCOMPARE(nameOf(reported), QStringLiteral("Warm"));
    QCOMPARE(reported.temperature(), 720u);
    QCOMPARE(reported.humidity(), 10u);
    QCOMPARE(reported.bath_time(), 60u);
    QVERIFY(reported.has_lights() && reported.lights());
    QCOMPARE(reported.aux_relay_active_size(), 7);
    QVERIFY(reported.aux_relay_active(1));
    QCOMPARE(model.records().favorites()[7].name, QStringLiteral("Warm"));
}

void TestSaunaRecords::favoriteDeletionIsReportedAsIndexAndFlag()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(3, QStringLiteral("Morning"), 40, 630, 30, false)));
    QVERIFY(model.records().favorites()[3].inUse);

    const vaholumo::Sauna_to_external report = request(model, envelopeWith(favoriteDeletion(3)));
    QCOMPARE(report.favorite_post_size(), 1);
    QCOMPARE(serialized(report.favorite_post(0)), QByteArray::fromHex("08031000"));
    QCOMPARE(model.records().favorites()[3], FavoriteRecord(3));

    // Deleting an empty slot is confirmed the same way and changes nothing else.
    const vaholumo::Sauna_to_external again = request(model, envelopeWith(favoriteDeletion(3)));
    QCOMPARE(serialized(again.favorite_post(0)), QByteArray::fromHex("08031000"));
    QCOMPARE(again.data_error_size(), 0);
}

void TestSaunaRecords::badFavoritePostIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<bool>("slotReported");

    const vaholumo::Favorite_post good = favoritePost(1, QStringLiteral("New"), 40, 720, 60, false);
    const auto variant = [&good](const auto &change) {
        vaholumo::Favorite_post post = good;
        change(post);
        return serialized(post);
    };
    QTest::newRow("index 8") << variant([](auto &post) { post.set_index(8); }) << false;
    QTest::newRow("no index") << variant([](auto &post) { post.clear_index(); }) << false;
    QTest::newRow("no in-use flag") << variant([](auto &post) { post.clear_in_use(); }) << true;
    QTest::newRow("no name") << variant([](auto &post) { post.clear_name(); }) << true;
    QTest::newRow("name of 21") << variant([](auto &post) {
        post.clear_name();
        for (int i = 0; i < 21; ++i)
            post.add_name('a');
    }) << true;
    QTest::newRow("name not text") << variant([](auto &post) { post.add_name(0x10000); }) << true;
    QTest::newRow("unsupported character")
        << variant([](auto &post) { post.add_name(0x20AC); }) << true; // the euro sign
    QTest::newRow("humidity 112") << variant([](auto &post) { post.set_humidity(112); }) << true;
    QTest::newRow("temperature below system limit")
        << variant([](auto &post) { post.set_temperature(359); }) << true;
    QTest::newRow("temperature above system limit")
        << variant([](auto &post) { post.set_temperature(991); }) << true;
    QTest::newRow("bath time above limit")
        << variant([](auto &post) { post.set_bath_time(721); }) << true;
    QTest::newRow("six relay flags") << variant([](auto &post) {
        for (int i = 0; i < 6; ++i)
            post.add_aux_relay_active(true);
    }) << true;
}

void TestSaunaRecords::badFavoritePostIsRefusedAndChangesNothing()
{
    QFETCH(QByteArray, post);
    QFETCH(bool, slotReported);

    vaholumo::Favorite_post bad;
    QVERIFY(bad.ParseFromArray(post.constData(), int(post.size())));

    // Once on a stored favorite, once on an empty slot, which a refused post must not fill.
    for (const bool filled : {true, false}) {
        SaunaStateModel model;
        request(model, envelopeWith(favoritePost(0, QStringLiteral("Other"), 0, 450, 20, false)));
        if (filled)
            request(model,
                    envelopeWith(favoritePost(1, QStringLiteral("Kept"), 30, 630, 90, true)));
        const auto before = model.records().favorites();

        const vaholumo::Sauna_to_external report = request(model, envelopeWith(bad));
        QCOMPARE(report.data_error_size(), 1);
        QVERIFY(!report.data_error(0).description().empty());
        QCOMPARE(model.records().favorites(), before);
        if (slotReported) {
            // The panel is given the slot as the sauna still has it.
            QCOMPARE(report.favorite_post_size(), 1);
            QCOMPARE(report.favorite_post(0).index(), 1u);
            QCOMPARE(report.favorite_post(0).in_use(), filled);
            if (filled)
                QCOMPARE(nameOf(report.favorite_post(0)), QStringLiteral("Kept"));
        } else {
            QCOMPARE(report.favorite_post_size(), 0);
        }
    }
}

void TestSaunaRecords::startingFavoriteSwitchesOnWithTheCurrentSettings()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(4, QStringLiteral("Steam"), 103, 540, 45, true)));
    QCOMPARE(model.state(), int(SaunaStateValue::Off));
    // What the panel asks for just before the start: its editor's values, not the stored ones.
    model.requestInteger(IntegerRequestId::TargetTemperature, 558);

    const SaunaReport report = model.startFavorite(4);
    QVERIFY(report.dataErrors.empty());
    QVERIFY(report.stateChanged);
    QCOMPARE(model.state(), int(SaunaStateValue::On));
    QCOMPARE(model.integer(IntegerId::TargetTemperature), 558u);
    QCOMPARE(integerIn(report, IntegerId::TargetTemperature), std::nullopt);

    const vaholumo::Sauna_to_external wire = sent(report, model);
    QVERIFY(wire.has_sauna_state_changed());
    QCOMPARE(int(wire.sauna_state_changed().state()), int(SaunaStateValue::On));
    QCOMPARE(wire.data_error_size(), 0);
    // The favorite itself is not changed by starting it.
    QCOMPARE(wire.favorite_post_size(), 0);
}

void TestSaunaRecords::startingFavoriteOnRunningSaunaRenewsBathTime()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(0, QStringLiteral("Long"), 40, 720, 90, false)));
    model.requestInteger(IntegerRequestId::BathTime, 90);
    model.requestState(SaunaStateValue::On);
    model.heatStep(5 * SaunaStateModel::MillisecondsPerMinute);
    QCOMPARE(model.integer(IntegerId::RunTimeLeft), 85u);

    const SaunaReport report = model.startFavorite(0);
    QCOMPARE(model.state(), int(SaunaStateValue::On));
    QCOMPARE(integerIn(report, IntegerId::RunTimeLeft), std::optional<quint32>(90));
    QCOMPARE(model.integer(IntegerId::RunTimeLeft), 90u);
}

void TestSaunaRecords::startingMissingFavoriteIsRefused()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(1, QStringLiteral("One"), 40, 630, 30, true)));
    for (const quint32 index : {0u, 8u, 100u}) {
        const SaunaReport report = model.startFavorite(index);
        QCOMPARE(report.dataErrors.size(), std::size_t(1));
        QVERIFY(report.integers.empty() && report.booleans.empty() && !report.stateChanged);
        QCOMPARE(model.state(), int(SaunaStateValue::Off));
        QCOMPARE(model.integer(IntegerId::TargetTemperature), 720u);
    }
}

void TestSaunaRecords::dateAndWeekdayProgramsAreCreatedAndReportedAsSent()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(0, QStringLiteral("Fav"), 40, 630, 30, false)));

    // 2024-03-02 18:00 UTC, once; every week on the next day's weekday with favorite 0.
    const quint64 start = quint64(SaunaStateModel::protocolEpoch().msecsTo(
        QDateTime(QDate(2024, 3, 2), QTime(18, 0), QTimeZone::utc())));
    const quint64 nextDay = start + 24 * 3600000ULL;
    const vaholumo::Calendar_post date = calendarPost(5, start, 90, false, std::nullopt, 104, 720);
    const vaholumo::Calendar_post weekday = calendarPost(63, nextDay, 60, true, 0u);

    for (const vaholumo::Calendar_post &post : {date, weekday}) {
        const vaholumo::Sauna_to_external report = request(model, envelopeWith(post));
        QCOMPARE(report.data_error_size(), 0);
        QCOMPARE(report.calendar_post_size(), 1);
        QCOMPARE(serialized(report.calendar_post(0)), serialized(post));
    }

    const CalendarRecord &stored = model.records().calendarPrograms()[5];
    QVERIFY(stored.inUse);
    QCOMPARE(stored.startTime, start);
    QCOMPARE(stored.stopAfter, 90u);
    QCOMPARE(stored.humidity, 104u);
    QCOMPARE(stored.temperature, 720u);
    QVERIFY(!stored.weekdayProgram);
    QCOMPARE(stored.startMode, CalendarRecord::ReadyAt);
    QCOMPARE(stored.favorite, CalendarRecord::NoFavorite);
    QVERIFY(model.records().calendarPrograms()[63].weekdayProgram);
    QCOMPARE(model.records().calendarPrograms()[63].favorite, 0u);
    QVERIFY(!model.records().calendarPrograms()[6].inUse);
}

void TestSaunaRecords::programChangeKeepsWhatThePostLeavesOut()
{
    SaunaStateModel model;
    request(model, envelopeWith(calendarPost(10, 3600000, 45, true, std::nullopt, 30, 810)));

    vaholumo::Calendar_post change;
    change.set_index(10);
    change.set_in_use(true);
    change.set_stop_after(120);
    change.set_standby_mode(true);
    change.set_extra_flag(true);
    const vaholumo::Sauna_to_external report = request(model, envelopeWith(change));

    QCOMPARE(report.calendar_post_size(), 1);
    const vaholumo::Calendar_post &reported = report.calendar_post(0);
    QCOMPARE(reported.start_time(), quint64(3600000));
    QCOMPARE(reported.stop_after(), 120u);
    QCOMPARE(reported.humidity(), 30u);
    QCOMPARE(reported.temperature(), 810u);
    QVERIFY(reported.weekday_program());
    QVERIFY(reported.standby_mode());
    QVERIFY(reported.extra_flag());
    QCOMPARE(int(reported.start_mode()), CalendarRecord::ReadyAt);
    QCOMPARE(reported.favorite(), CalendarRecord::NoFavorite);
}

void TestSaunaRecords::programDeletionIsReportedAsIndexAndFlag()
{
    SaunaStateModel model;
    request(model, envelopeWith(calendarPost(5, 60000, 30, false, std::nullopt, 0, 450)));
    const vaholumo::Sauna_to_external report = request(model, envelopeWith(calendarDeletion(5)));
    QCOMPARE(report.calendar_post_size(), 1);
    QCOMPARE(serialized(report.calendar_post(0)), QByteArray::fromHex("08051000"));
    QCOMPARE(model.records().calendarPrograms()[5], CalendarRecord(5));
}

void TestSaunaRecords::badCalendarPostIsRefusedAndChangesNothing_data()
{
    QTest::addColumn<QByteArray>("post");
    QTest::addColumn<bool>("slotReported");

    const vaholumo::Calendar_post good = calendarPost(9, 60000, 30, false, std::nullopt, 40, 720);
    const auto variant = [&good](const auto &change) {
        vaholumo::Calendar_post post = good;
        change(post);
        return serialized(post);
    };
    QTest::newRow("index 64") << variant([](auto &post) { post.set_index(64); }) << false;
    QTest::newRow("no index") << variant([](auto &post) { post.clear_index(); }) << false;
    QTest::newRow("no in-use flag") << variant([](auto &post) { post.clear_in_use(); }) << true;
    QTest::newRow("start after 2199") << variant([](auto &post) {
        post.set_start_time(tools::SaunaRecordStore::latestStartTime());
    }) << true;
    QTest::newRow("stop after 0") << variant([](auto &post) { post.set_stop_after(0); }) << true;
    QTest::newRow("stop after beyond limit")
        << variant([](auto &post) { post.set_stop_after(721); }) << true;
    QTest::newRow("favorite 8") << variant([](auto &post) { post.set_favorite(8); }) << true;
    QTest::newRow("favorite not stored")
        << variant([](auto &post) { post.set_favorite(3); }) << true;
    QTest::newRow("humidity 112") << variant([](auto &post) { post.set_humidity(112); }) << true;
    QTest::newRow("temperature above system limit")
        << variant([](auto &post) { post.set_temperature(991); }) << true;
}

void TestSaunaRecords::badCalendarPostIsRefusedAndChangesNothing()
{
    QFETCH(QByteArray, post);
    QFETCH(bool, slotReported);

    vaholumo::Calendar_post bad;
    QVERIFY(bad.ParseFromArray(post.constData(), int(post.size())));

    // Once on an empty slot, once on a stored program.
    for (const bool filled : {false, true}) {
        SaunaStateModel model;
        request(model, envelopeWith(favoritePost(0, QStringLiteral("Fav"), 40, 630, 30, false)));
        if (filled)
            request(model, envelopeWith(calendarPost(9, 7200000, 50, true, std::nullopt, 20, 630)));
        const auto before = model.records().calendarPrograms();

        const vaholumo::Sauna_to_external report = request(model, envelopeWith(bad));
        QCOMPARE(report.data_error_size(), 1);
        QCOMPARE(model.records().calendarPrograms(), before);
        if (slotReported) {
            QCOMPARE(report.calendar_post_size(), 1);
            QCOMPARE(report.calendar_post(0).index(), 9u);
            QCOMPARE(report.calendar_post(0).in_use(), filled);
            if (filled)
                QCOMPARE(report.calendar_post(0).start_time(), quint64(7200000));
        } else {
            QCOMPARE(report.calendar_post_size(), 0);
        }
    }

    // A new program needs a start time; a change may leave it out.
    SaunaStateModel model;
    vaholumo::Calendar_post noStart = calendarPost(2, 0, 30, false, std::nullopt, 0, 450);
    noStart.clear_start_time();
    QCOMPARE(request(model, envelopeWith(noStart)).data_error_size(), 1);
    QVERIFY(!model.records().calendarPrograms()[2].inUse);
}

void TestSaunaRecords::programUsingFavoriteIgnoresOwnSettings()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(6, QStringLiteral("Six"), 40, 630, 30, false)));
    request(model, envelopeWith(calendarPost(0, 60000, 30, false, std::nullopt, 25, 540)));

    // Settings that would be refused are not read while a favorite is used, and are not sent.
    vaholumo::Calendar_post post = calendarPost(0, 60000, 30, false, 6u);
    post.set_humidity(500);
    post.set_temperature(5000);
    const vaholumo::Sauna_to_external report = request(model, envelopeWith(post));
    QCOMPARE(report.data_error_size(), 0);
    QCOMPARE(report.calendar_post(0).favorite(), 6u);
    QVERIFY(!report.calendar_post(0).has_humidity());
    QVERIFY(!report.calendar_post(0).has_temperature());
    QCOMPARE(model.records().calendarPrograms()[0].temperature, 540u);

    // Back to own settings: 100, with the settings.
    const vaholumo::Sauna_to_external own =
        request(model, envelopeWith(calendarPost(0, 60000, 30, false, std::nullopt, 60, 450)));
    QCOMPARE(own.calendar_post(0).favorite(), CalendarRecord::NoFavorite);
    QCOMPARE(own.calendar_post(0).humidity(), 60u);
    QCOMPARE(own.calendar_post(0).temperature(), 450u);
}

void TestSaunaRecords::erasingCalendarEmptiesEverySlot()
{
    SaunaStateModel model;
    const std::array<quint32, 4> used{0, 17, 40, 63};
    // An hour apart for every index, so that none collides with another.
    for (const quint32 index : used)
        request(model, envelopeWith(calendarPost(index, 3600000ULL * (index + 1), 30,
                                                 index % 2 == 0, std::nullopt, 0, 450)));
    for (const quint32 index : used)
        QVERIFY(model.records().calendarPrograms()[index].inUse);

    // The panel erases the calendar by emptying every slot in use, one post per datagram.
    for (const quint32 index : {0u, 17u, 40u}) {
        const vaholumo::Sauna_to_external report =
            request(model, envelopeWith(calendarDeletion(index)));
        QCOMPARE(report.calendar_post_size(), 1);
        QCOMPARE(report.calendar_post(0).index(), index);
        QVERIFY(!report.calendar_post(0).in_use());
    }
    // Several posts in one envelope are taken in order too.
    vaholumo::External_to_sauna envelope;
    *envelope.add_calendar_post() = calendarDeletion(63);
    *envelope.add_calendar_post() = calendarDeletion(1);
    const vaholumo::Sauna_to_external last = request(model, envelope);
    QCOMPARE(last.calendar_post_size(), 2);
    QCOMPARE(last.calendar_post(0).index(), 63u);
    QCOMPARE(last.calendar_post(1).index(), 1u);

    for (const CalendarRecord &program : model.records().calendarPrograms())
        QCOMPARE(program, CalendarRecord(program.index));
}

void TestSaunaRecords::calendarOnOffIsKeptAndReported()
{
    SaunaStateModel model;
    QCOMPARE(booleanIn(model.fullReport(), BooleanId::ScheduleItemDisable),
             std::optional<bool>(false));
    const vaholumo::Sauna_to_external report =
        sent(model.requestBoolean(BooleanRequestId::ScheduleItemDisable, true), model);
    QCOMPARE(report.boolean_value_changed_size(), 1);
    QCOMPARE(int(report.boolean_value_changed(0).value_id()), int(BooleanId::ScheduleItemDisable));
    QCOMPARE(report.boolean_value_changed(0).value(), 1u);
    QCOMPARE(booleanIn(model.fullReport(), BooleanId::ScheduleItemDisable),
             std::optional<bool>(true));
}

void TestSaunaRecords::fullReportCarriesEverySlot()
{
    SaunaStateModel model;
    request(model, envelopeWith(favoritePost(1, QStringLiteral("One"), 40, 630, 30, true)));
    request(model, envelopeWith(calendarPost(7, 60000, 30, true, 1u)));

    vaholumo::Sauna_to_external full;
    QVERIFY(pbSupport::parseDatagram(tools::encodeFullReport(model, Now), full));
    QCOMPARE(full.favorite_post_size(), 8);
    QCOMPARE(full.calendar_post_size(), 64);
    for (int index = 0; index < 8; ++index) {
        QCOMPARE(full.favorite_post(index).index(), quint32(index));
        QCOMPARE(full.favorite_post(index).in_use(), index == 1);
    }
    QCOMPARE(nameOf(full.favorite_post(1)), QStringLiteral("One"));
    QVERIFY(full.favorite_post(1).lights());
    QCOMPARE(serialized(full.favorite_post(0)), QByteArray::fromHex("08001000"));
    for (int index = 0; index < 64; ++index) {
        QCOMPARE(full.calendar_post(index).index(), quint32(index));
        QCOMPARE(full.calendar_post(index).in_use(), index == 7);
    }
    QCOMPARE(full.calendar_post(7).favorite(), 1u);
    QVERIFY(full.calendar_post(7).weekday_program());
    // The rest of the full report is still there.
    QVERIFY(full.has_sauna_state_changed());
    QVERIFY(full.has_control_board_support());
}

void TestSaunaRecords::fullCalendarFitsOneDatagram()
{
    SaunaStateModel model;
    for (quint32 index = 0; index < FavoriteRecord::SlotCount; ++index)
        request(model, envelopeWith(favoritePost(index, QStringLiteral("Twenty characters ok"), 111,
                                                 990, 720, true)));
    // The longest programs, on days of their own so that none collides, with start times as
    // long on the wire as they get.
    const quint64 day = 24 * 3600000ULL;
    for (quint32 index = 0; index < CalendarRecord::SlotCount; ++index)
        request(model, envelopeWith(calendarPost(
                           index, tools::SaunaRecordStore::latestStartTime() - 1 - index * day, 720,
                           false, std::nullopt, 111, 990)));
    const QByteArray full = tools::encodeFullReport(model, Now);
    QVERIFY2(full.size() < 8192, qPrintable(QString::number(full.size())));
    vaholumo::Sauna_to_external parsed;
    QVERIFY(pbSupport::parseDatagram(full, parsed));
    QCOMPARE(parsed.favorite_post_size(), 8);
    QCOMPARE(parsed.calendar_post_size(), 64);
    for (const auto &post : parsed.calendar_post())
        QVERIFY(post.in_use());
}

QTEST_GUILESS_MAIN(TestSaunaRecords)
#include "tst_sauna_records.moc"
