#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/error_log_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/favorite_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/user_message_converter.h"
#include "signal_interface/protocol_facts.h"
#include "support/local_time_zone.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace signalInterface;
namespace conversion = pbSupport::conversion;

// Runs one conversion and gives its failure text, or an empty text on success.
using Conversion = std::function<value::ErrorText_SPT()>;
Q_DECLARE_METATYPE(Conversion)

namespace {

vaholumo::Node_item completeNode()
{
    vaholumo::Node_item node;
    node.set_index(7);
    node.set_address(64);
    node.set_profile(vaholumo::Node_item_profile_t_NODE_PROFILE_THS);
    node.set_product(12);
    node.set_zerededid_version("1.0.17");
    node.set_application_version("1.2.3");
    return node;
}

vaholumo::User_message completeMessage()
{
    vaholumo::User_message message;
    message.set_message_id(5);
    message.set_message_type(vaholumo::User_message_message_type_t_MESSAGE_TYPE_NO_BUTTON);
    message.set_answer(vaholumo::User_message_answer_t_ANSWER_YES);
    return message;
}

using Units = google::protobuf::RepeatedField<google::protobuf::uint32>;

Units unitsOf(const QString &text)
{
    Units units;
    conversion::textToCodeUnits(text, &units);
    return units;
}

// The longest texts of a kind: far beyond its bound, exactly the bound, and a surrogate pair that
// the bound would split.
void addBoundRows(int bound)
{
    QTest::newRow("20000 characters") << QString(20000, u'n') << QString(bound, u'n');
    QTest::newRow("exactly the bound") << QString(bound, u'e') << QString(bound, u'e');
    QTest::newRow("pair at the bound")
        << QString(bound - 1, u'p') + QStringLiteral("\U0001F600 and more")
        << QString(bound - 1, u'p');
}

template<typename Message, typename Setter>
Message with(Message message, Setter setter)
{
    setter(message);
    return message;
}

} // namespace

class TestSiPbTypeConversion : public QObject
{
    Q_OBJECT

private slots:
    void failureTexts_data();
    void failureTexts();
    void nodeConversion();
    void versionText_data();
    void versionText();
    void calendarPostToProgram();
    void favoritePartialUpdateKeepsValues();
    void favoriteRoundTrip();
    void auxRelayAndDescaling();
    void errorLogTime();
    void wallClockInEveryZone_data();
    void wallClockInEveryZone();
    void protocolDates();
    void userMessage();
    void relayConversion();
    void enumPairs();
    void productPairs();
    void codeUnits();
    void textsAreCut_data();
    void textsAreCut();
    void unitsBeyondTheBoundAreNotRead();
    void utf8TextsAreCut_data();
    void utf8TextsAreCut();
    void userMessageTextIsCut_data();
    void userMessageTextIsCut();
};

void TestSiPbTypeConversion::failureTexts_data()
{
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<QString>("failure");

    const auto node = [](vaholumo::Node_item item) {
        return Conversion([item] {
            NodeInformationTypes::NodeInformationPost out;
            return conversion::NodeConverter::instance().toSiNode(item, out);
        });
    };
    QTest::newRow("node without index")
        << node(with(completeNode(), [](auto &n) { n.clear_index(); })) << "no index";
    QTest::newRow("node without address")
        << node(with(completeNode(), [](auto &n) { n.clear_address(); })) << "no address";
    QTest::newRow("node without profile")
        << node(with(completeNode(), [](auto &n) { n.clear_profile(); })) << "no profile";
    QTest::newRow("node without product")
        << node(with(completeNode(), [](auto &n) { n.clear_product(); })) << "no product";
    QTest::newRow("node without bus version")
        << node(with(completeNode(), [](auto &n) { n.clear_zerededid_version(); }))
        << "no zerededid version";
    QTest::newRow("node without application version")
        << node(with(completeNode(), [](auto &n) { n.clear_application_version(); }))
        << "no application version";
    QTest::newRow("node index 8") << node(with(completeNode(), [](auto &n) { n.set_index(8); }))
                                  << "index, 8";
    QTest::newRow("node version 1.2")
        << node(with(completeNode(), [](auto &n) { n.set_application_version("1.2"); }))
        << "version size";
    QTest::newRow("node version a.b.c")
        << node(with(completeNode(), [](auto &n) { n.set_zerededid_version("a.b.c"); }))
        << "version size";

    const auto calendar = [](vaholumo::Calendar_post post) {
        return Conversion([post] {
            CalendarProgram out;
            return conversion::CalendarConverter::instance().toSiCalendarProgram(post, out);
        });
    };
    QTest::newRow("calendar without index") << calendar({}) << "no index";
    QTest::newRow("calendar index 64")
        << calendar(with(vaholumo::Calendar_post(), [](auto &p) { p.set_index(64); }))
        << "index, 64";
    QTest::newRow("calendar favorite 8") << calendar(with(vaholumo::Calendar_post(), [](auto &p) {
        p.set_index(1);
        p.set_favorite(8);
    })) << "favorite value, 8";
    QTest::newRow("calendar start beyond 2200")
        << calendar(with(vaholumo::Calendar_post(),
                         [](auto &p) {
                             p.set_index(1);
                             p.set_start_time(0x7FFFFFFFFFFFFFFFULL);
                         }))
        << "start time";

    const auto favorite = [](vaholumo::Favorite_post post) {
        return Conversion([post] {
            FavoritesTypes::FavoritesPost out;
            return conversion::toSiFavorite(post, out);
        });
    };
    QTest::newRow("favorite without index") << favorite({}) << "no index";
    QTest::newRow("favorite index 8")
        << favorite(with(vaholumo::Favorite_post(), [](auto &p) { p.set_index(8); })) << "index, 8";
    QTest::newRow("favorite name of 21") << favorite(with(vaholumo::Favorite_post(), [](auto &p) {
        p.set_index(1);
        for (int i = 0; i < 21; ++i)
            p.add_name('x');
    })) << "namelength, 21";
    QTest::newRow("favorite 6 relay flags") << favorite(with(vaholumo::Favorite_post(),
                                                             [](auto &p) {
                                                                 p.set_index(1);
                                                                 for (int i = 0; i < 6; ++i)
                                                                     p.add_aux_relay_active(true);
                                                             }))
                                            << "auxiliary_relay_active size, 6";
    QTest::newRow("favorite name unit above 0xFFFF") << favorite(with(vaholumo::Favorite_post(),
                                                                      [](auto &p) {
                                                                          p.set_index(1);
                                                                          p.add_name(0x10000);
                                                                      }))
                                                     << "name code unit";

    const auto aux = [](vaholumo::Aux_relay_post_sauna report) {
        return Conversion([report] {
            AuxiliaryRelayTypes::AuxiliaryRelayPost out;
            return conversion::AuxRelayConverter::instance().toSiAuxRelay(report, out);
        });
    };
    QTest::newRow("aux without connected")
        << aux(with(vaholumo::Aux_relay_post_sauna(),
                    [](auto &r) { r.mutable_relay()->set_index(1); }))
        << "no connected";
    QTest::newRow("aux without post")
        << aux(with(vaholumo::Aux_relay_post_sauna(), [](auto &r) { r.set_connected(true); }))
        << "no aux relay post";
    QTest::newRow("aux without index") << aux(with(vaholumo::Aux_relay_post_sauna(), [](auto &r) {
        r.set_connected(true);
        r.mutable_relay();
    })) << "no index";
    QTest::newRow("aux index 7") << aux(with(vaholumo::Aux_relay_post_sauna(), [](auto &r) {
        r.set_connected(true);
        r.mutable_relay()->set_index(7);
    })) << "index, 7";
    QTest::newRow("aux name of 21") << aux(with(vaholumo::Aux_relay_post_sauna(), [](auto &r) {
        r.set_connected(true);
        r.mutable_relay()->set_index(1);
        for (int i = 0; i < 21; ++i)
            r.mutable_relay()->add_name('x');
    })) << "namelength, 21";
    QTest::newRow("aux on time without scaling")
        << aux(with(vaholumo::Aux_relay_post_sauna(),
                    [](auto &r) {
                        r.set_connected(true);
                        r.mutable_relay()->set_index(1);
                        r.mutable_relay()->mutable_on_time()->set_value(3);
                    }))
        << "on_time scaling/value";
    QTest::newRow("aux off time without value")
        << aux(with(vaholumo::Aux_relay_post_sauna(),
                    [](auto &r) {
                        r.set_connected(true);
                        r.mutable_relay()->set_index(1);
                        r.mutable_relay()->mutable_off_time()->set_scaling(
                            vaholumo::Aux_relay_timing_scaling_t_SCALING_HOURS);
                    }))
        << "off_time scaling/value";

    const auto descaling = [](vaholumo::Descaling message) {
        return Conversion([message] {
            AuxiliaryRelayTypes::Descaling out;
            return conversion::AuxRelayConverter::instance().toSiDescaling(message, out);
        });
    };
    QTest::newRow("descaling relay 7")
        << descaling(with(vaholumo::Descaling(), [](auto &d) { d.set_relay_index(7); }))
        << "index, 7";
    QTest::newRow("descaling weekday 7")
        << descaling(with(vaholumo::Descaling(), [](auto &d) { d.set_weekday(7); }))
        << "weekday, 7";
    QTest::newRow("descaling start 1440")
        << descaling(with(vaholumo::Descaling(), [](auto &d) { d.set_start_time(1440); }))
        << "start time, 1440";

    const auto errorPost = [](vaholumo::Error_post post) {
        return Conversion([post] {
            ErrorLogTypes::ErrorLogItem out;
            return conversion::toSiErrorLogItem(post, out);
        });
    };
    QTest::newRow("error post without index") << errorPost({}) << "no index";
    QTest::newRow("error post index 32")
        << errorPost(with(vaholumo::Error_post(), [](auto &p) { p.set_index(32); })) << "index, 32";

    const auto message = [](vaholumo::User_message wire) {
        return Conversion([wire] {
            UserMessageTypes::UserMessage out;
            return conversion::UserMessageConverter::toSiUserMessage(wire, out);
        });
    };
    QTest::newRow("message without id")
        << message(with(completeMessage(), [](auto &m) { m.clear_message_id(); })) << "no identity";
    QTest::newRow("message without type")
        << message(with(completeMessage(), [](auto &m) { m.clear_message_type(); }))
        << "no message_type";
    QTest::newRow("message without answer")
        << message(with(completeMessage(), [](auto &m) { m.clear_answer(); })) << "no answer";
    QTest::newRow("message text unit above 0xFFFF")
        << message(with(completeMessage(), [](auto &m) { m.add_text(0x10000); }))
        << "text code unit";

    const auto relay = [](vaholumo::Relay wire) {
        return Conversion([wire] {
            RelayStatusTypes::RelayStatusPost out;
            return conversion::StateConverter::toSiRelay(wire, out);
        });
    };
    QTest::newRow("relay without board")
        << relay(with(vaholumo::Relay(), [](auto &r) { r.set_index(1); })) << "no control_board";
    QTest::newRow("relay without index") << relay(with(vaholumo::Relay(), [](auto &r) {
        r.set_control_board(vaholumo::Node_types_rcb_t_RCB_PRIMARY);
    })) << "no index";
    QTest::newRow("relay index 14") << relay(with(vaholumo::Relay(), [](auto &r) {
        r.set_control_board(vaholumo::Node_types_rcb_t_RCB_PRIMARY);
        r.set_index(14);
    })) << "index, 14";
}

void TestSiPbTypeConversion::failureTexts()
{
    QFETCH(Conversion, conversion);
    QFETCH(QString, failure);
    const value::ErrorText_SPT error = conversion();
    QVERIFY(error);
    // The text names the converting function, then the short failure.
    QVERIFY2(error->endsWith(QStringLiteral(": ") + failure), qPrintable(*error));
    QVERIFY2(error->contains(QStringLiteral("pbSupport::conversion::")), qPrintable(*error));
}

void TestSiPbTypeConversion::nodeConversion()
{
    NodeInformationTypes::NodeInformationPost node;
    QVERIFY(!conversion::NodeConverter::instance().toSiNode(completeNode(), node));
    QCOMPARE(node.index, 7u);
    QCOMPARE(node.address, 64u);
    QCOMPARE(node.profile, NodeInformationTypes::E_ths);
    QCOMPARE(node.product, 12u);
    QCOMPARE(node.zerededidVersion, std::string("1.0.17"));
    QCOMPARE(node.applicationVersion, std::string("1.2.3"));
    QVERIFY(node.isAddressAbove63());

    // A failed conversion leaves the record as it was.
    NodeInformationTypes::NodeInformationPost untouched = node;
    QVERIFY(conversion::NodeConverter::instance().toSiNode(
        with(completeNode(), [](auto &n) { n.set_application_version("9.9"); }), untouched));
    QCOMPARE(untouched, node);
}

void TestSiPbTypeConversion::versionText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1.2.3") << QByteArray("1.2.3") << true;
    QTest::newRow("10.0.200") << QByteArray("10.0.200") << true;
    QTest::newRow("1.2") << QByteArray("1.2") << false;
    QTest::newRow("1.2.3.4") << QByteArray("1.2.3.4") << false;
    QTest::newRow("1..3") << QByteArray("1..3") << false;
    QTest::newRow("-1.2.3") << QByteArray("-1.2.3") << false;
    QTest::newRow("largest numbers") << QByteArray("4294967295.4294967295.4294967295") << true;
    // Longer than any version is read no further, even with digits only.
    QTest::newRow("33 characters") << QByteArray("00000000000000000000000000001.2.3") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestSiPbTypeConversion::versionText()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);
    VersionTypes::Version version = "0.0.0";
    const auto error = conversion::NodeConverter::fromString(text.toStdString(), version);
    QCOMPARE(!error, accepted);
    QCOMPARE(version, accepted ? text.toStdString() : std::string("0.0.0"));
}

void TestSiPbTypeConversion::calendarPostToProgram()
{
    auto &converter = conversion::CalendarConverter::instance();
    vaholumo::Calendar_post post;
    post.set_index(63);
    post.set_in_use(true);
    post.set_start_time(60000);
    post.set_favorite(7);
    post.set_temperature(720);
    post.set_start_mode(vaholumo::Calendar_post_start_mode_t_READY_AT);
    CalendarProgram program;
    QVERIFY(!converter.toSiCalendarProgram(post, program));
    QCOMPARE(program.index, 63u);
    QCOMPARE(program.favorite, 7);
    QCOMPARE(program.temperature, 450u); // a favorite's program keeps its own default
    QCOMPARE(program.startMode, CalendarTypes::E_ready_at);
    QCOMPARE(program.start, QDateTime(QDate(2000, 1, 1), QTime(0, 1), Qt::UTC));

    post.set_favorite(100);
    QVERIFY(!converter.toSiCalendarProgram(post, program));
    QCOMPARE(program.favorite, CalendarProgram::noFavorite);
    QCOMPARE(program.temperature, 720u);

    vaholumo::Warm_up_characteristics warmUp;
    warmUp.set_warm_up_value_2(5);
    const auto parameters = conversion::CalendarConverter::toSiSmartStart(warmUp);
    QCOMPARE(parameters.heatRatio, 18u);
    QCOMPARE(parameters.value2, 5u);
    QCOMPARE(parameters.flag, 0);
}

void TestSiPbTypeConversion::favoritePartialUpdateKeepsValues()
{
    FavoritesTypes::FavoritesPost favorite;
    favorite.bathTime = 45;
    favorite.auxRelayActive = QList<bool>(7, true);
    vaholumo::Favorite_post post;
    post.set_index(7);
    post.set_humidity(103);
    QVERIFY(!conversion::toSiFavorite(post, favorite));
    QCOMPARE(favorite.index, 7u);
    QCOMPARE(favorite.humidity, 103u);
    QCOMPARE(favorite.bathTime, 45u);
    QCOMPARE(favorite.auxRelayActive, QList<bool>(7, true));

    const FavoritesTypes::FavoritesPost before = favorite;
    post.set_index(8);
    QVERIFY(conversion::toSiFavorite(post, favorite));
    QCOMPARE(favorite, before);
}

// The favorite as it travels: the panel's record against the datagram bytes, worked out by hand
// from the schema. Each field is a tag byte (field number << 3 | wire type 0, varint) and a
// varint; the repeated name and relay fields are written unpacked, one tag per element.
void TestSiPbTypeConversion::favoriteRoundTrip()
{
    FavoritesTypes::FavoritesPost favorite;
    favorite.index = 2;
    favorite.inUse = true;
    favorite.name = QStringLiteral("L\u00f6\u2668") + QString::fromUcs4(U"\U0001F600");
    favorite.humidity = 40;
    favorite.temperature = 810;
    favorite.bathTime = 90;
    favorite.lights = true;
    favorite.auxRelayActive = {true, false, true, false, false, false, true};
    const QByteArray wire =
        QByteArray::fromHex("0802"     // 1 index: 2
                            "1001"     // 2 in_use: true
                            "184c"     // 3 name: 'L' U+004C
                            "18f601"   // 3 name: U+00F6 = 246 = 0x76 | continuation, then 1
                            "18e84c"   // 3 name: U+2668 = 9832 = 0x68 | continuation, then 76
                            "18bdb003" // 3 name: high surrogate 0xD83D = 55357 = 61, 48, 3
                            "1880bc03" // 3 name: low surrogate 0xDE00 = 56832 = 0, 60, 3
                            "2028"     // 4 humidity: 40
                            "28aa06"   // 5 temperature: 810 = 42 | continuation, then 6
                            "305a"     // 6 bath_time: 90
                            "3801"     // 7 lights: true
                            "4001400040014000400040004001"); // 8 aux_relay_active: relays 1 to 7

    vaholumo::Favorite_post post;
    conversion::toPbFavorite(favorite, post);
    QCOMPARE(QByteArray::fromStdString(post.SerializeAsString()).toHex(), wire.toHex());

    vaholumo::Favorite_post parsed;
    QVERIFY(parsed.ParseFromArray(wire.constData(), int(wire.size())));
    FavoritesTypes::FavoritesPost back;
    QVERIFY(!conversion::toSiFavorite(parsed, back));
    QCOMPARE(back.index, 2u);
    QVERIFY(back.inUse);
    QCOMPARE(back.name, favorite.name);
    QCOMPARE(back.humidity, 40u);
    QCOMPARE(back.temperature, 810u);
    QCOMPARE(back.bathTime, 90u);
    QVERIFY(back.lights);
    QCOMPARE(back.auxRelayActive, QList<bool>({true, false, true, false, false, false, true}));

    // A deletion carries the index and the cleared flag only: 08 03, 10 00.
    FavoritesTypes::FavoritesPost deleted = favorite;
    deleted.index = 3;
    deleted.inUse = false;
    conversion::toPbFavorite(deleted, post);
    QCOMPARE(QByteArray::fromStdString(post.SerializeAsString()).toHex(), QByteArray("08031000"));
}

void TestSiPbTypeConversion::auxRelayAndDescaling()
{
    auto &converter = conversion::AuxRelayConverter::instance();
    vaholumo::Aux_relay_post_sauna report;
    report.set_connected(true);
    auto *post = report.mutable_relay();
    post->set_index(6);
    post->set_function(vaholumo::Aux_relay_post_function_t_FUNCTION_FREQUENCY);
    post->mutable_on_time()->set_scaling(vaholumo::Aux_relay_timing_scaling_t_SCALING_SECONDS);
    post->mutable_on_time()->set_value(30);
    post->mutable_off_time()->set_scaling(vaholumo::Aux_relay_timing_scaling_t_SCALING_100_MSEC);
    post->mutable_off_time()->set_value(5);
    AuxiliaryRelayTypes::AuxiliaryRelayPost relay;
    QVERIFY(!converter.toSiAuxRelay(report, relay));
    QVERIFY(relay.connected);
    QCOMPARE(relay.index, 6u);
    QCOMPARE(relay.function, AuxiliaryRelayTypes::E_frequency);
    QCOMPARE(relay.onTimeScaling, AuxiliaryRelayTypes::E_seconds);
    QCOMPARE(relay.onTimeValue, 30u);
    QCOMPARE(relay.offTimeScaling, AuxiliaryRelayTypes::E_100_msec);
    QCOMPARE(relay.offTimeValue, 5u);

    AuxiliaryRelayTypes::Descaling descaling;
    vaholumo::Descaling wire;
    wire.set_start_time(1439);
    wire.set_weekday(6);
    QVERIFY(!converter.toSiDescaling(wire, descaling));
    QCOMPARE(descaling.relayIndex, 7u);
    QCOMPARE(descaling.startTime, QTime(23, 59));
    QCOMPARE(descaling.weekday, CalendarTypes::E_sunday);

    descaling.relayIndex = 2;
    converter.toPbDescaling(descaling, wire);
    QCOMPARE(wire.relay_index(), 2u);
    descaling.relayIndex = 7;
    converter.toPbDescaling(descaling, wire);
    QVERIFY(!wire.has_relay_index());
    QCOMPARE(wire.start_time(), 1439u);
}

void TestSiPbTypeConversion::errorLogTime()
{
    vaholumo::Error_post post;
    post.set_index(31);
    post.set_time(86400000);
    post.set_error_code(12);
    post.set_control_board(vaholumo::Node_types_rcb_t_RCB_SECONDARY_2);
    ErrorLogTypes::ErrorLogItem item;
    QVERIFY(!conversion::toSiErrorLogItem(post, item));
    // Error-log times are the panel's local time, unlike every other protocol time.
    QCOMPARE(item.time, QDateTime(QDate(2000, 1, 2), QTime(0, 0), Qt::LocalTime));
    QCOMPARE(item.code, 12u);
    QCOMPARE(item.board, NodeInformationTypes::E_slave_2);

    // A time the PC's clock skipped when summer time began reads as the PC shows it, an hour on.
    {
        const LocalTimeZone berlin("Europe/Berlin");
        std::uint64_t skipped = 0;
        QVERIFY(
            conversion::toPbTime(QDateTime(QDate(2027, 3, 28), QTime(2, 30), Qt::UTC), skipped));
        post.set_time(skipped);
        QVERIFY(!conversion::toSiErrorLogItem(post, item));
        QCOMPARE(item.time, QDateTime(QDate(2027, 3, 28), QTime(3, 30), Qt::LocalTime));
    }

    post.set_time(~0ULL);
    QVERIFY(!conversion::toSiErrorLogItem(post, item));
    QVERIFY(!item.time.isValid()); // an absurd time is left unset, the entry still counts
}

void TestSiPbTypeConversion::wallClockInEveryZone_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("instant");
    QTest::addColumn<QDateTime>("wallClock");
    const auto utc = [](int year, int month, int day, int hour, int minute) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
    };
    QTest::newRow("UTC") << QByteArray("UTC") << utc(2026, 12, 7, 17, 30)
                         << utc(2026, 12, 7, 17, 30);
    QTest::newRow("Berlin, before summer time")
        << QByteArray("Europe/Berlin") << utc(2027, 3, 28, 0, 59) << utc(2027, 3, 28, 1, 59);
    QTest::newRow("Berlin, summer time begun")
        << QByteArray("Europe/Berlin") << utc(2027, 3, 28, 1, 0) << utc(2027, 3, 28, 3, 0);
    QTest::newRow("Berlin, summer")
        << QByteArray("Europe/Berlin") << utc(2027, 7, 1, 17, 0) << utc(2027, 7, 1, 19, 0);
    QTest::newRow("Berlin, last summer hour")
        << QByteArray("Europe/Berlin") << utc(2027, 10, 31, 0, 30) << utc(2027, 10, 31, 2, 30);
    QTest::newRow("Berlin, the hour again")
        << QByteArray("Europe/Berlin") << utc(2027, 10, 31, 1, 30) << utc(2027, 10, 31, 2, 30);
    QTest::newRow("New York, the year's last minute")
        << QByteArray("America/New_York") << utc(2027, 1, 1, 4, 59) << utc(2026, 12, 31, 23, 59);
    QTest::newRow("New York, summer time begun")
        << QByteArray("America/New_York") << utc(2027, 3, 14, 7, 0) << utc(2027, 3, 14, 3, 0);
    QTest::newRow("Tokyo, the new year")
        << QByteArray("Asia/Tokyo") << utc(2026, 12, 31, 15, 0) << utc(2027, 1, 1, 0, 0);
    QTest::newRow("Kiritimati, a day ahead")
        << QByteArray("Pacific/Kiritimati") << utc(2026, 12, 7, 10, 30) << utc(2026, 12, 8, 0, 30);
}

// The sauna's clock knows no zone: the PC's time stands in for it as the wall time the PC shows,
// which goes on the wire as it reads, whatever the zone and its summer time. Error-log times are
// that same wall time, read back in the PC's zone.
void TestSiPbTypeConversion::wallClockInEveryZone()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, instant);
    QFETCH(QDateTime, wallClock);
    const LocalTimeZone local(zone);

    const QDateTime shown = protocolFacts::wallClockOf(instant);
    QCOMPARE(shown, wallClock);
    QCOMPARE(shown.timeSpec(), Qt::UTC);
    QCOMPARE(protocolFacts::wallClockOf(instant.toLocalTime()), wallClock);

    const std::uint64_t expected =
        std::uint64_t(QDate(2000, 1, 1).daysTo(wallClock.date())) * 86400000ULL +
        std::uint64_t(wallClock.time().msecsSinceStartOfDay());
    std::uint64_t milliseconds = 0;
    QVERIFY(conversion::toPbTime(shown, milliseconds));
    QCOMPARE(milliseconds, expected);
    QDateTime read;
    QVERIFY(conversion::toSiDateTime(milliseconds, read));
    QCOMPARE(read, wallClock);

    vaholumo::Error_post post;
    post.set_index(0);
    post.set_time(milliseconds);
    post.set_error_code(12);
    post.set_control_board(vaholumo::Node_types_rcb_t_RCB_PRIMARY);
    ErrorLogTypes::ErrorLogItem item;
    QVERIFY(!conversion::toSiErrorLogItem(post, item));
    QCOMPARE(item.time.timeSpec(), Qt::LocalTime);
    QCOMPARE(item.time.date(), wallClock.date());
    QCOMPARE(item.time.time(), wallClock.time());
}

void TestSiPbTypeConversion::protocolDates()
{
    const QDate lastPlausible(2200, 12, 31);
    const auto lastPlausibleDay = std::uint64_t(QDate(2000, 1, 1).daysTo(lastPlausible));
    QDate date;
    QVERIFY(conversion::toSiDate(0, date));
    QCOMPARE(date, QDate(2000, 1, 1));
    QVERIFY(conversion::toSiDate(lastPlausibleDay, date));
    QCOMPARE(date, lastPlausible);
    // Beyond 2200, and far beyond any QDate arithmetic: dropped, the last date kept.
    QVERIFY(!conversion::toSiDate(lastPlausibleDay + 1, date));
    QVERIFY(!conversion::toSiDate(~0ULL, date));
    QCOMPARE(date, lastPlausible);
}

void TestSiPbTypeConversion::userMessage()
{
    UserMessageTypes::UserMessage message;
    QVERIFY(!conversion::UserMessageConverter::toSiUserMessage(completeMessage(), message));
    QCOMPARE(message.id, 5u);
    QCOMPARE(message.type, UserMessageTypes::E_typeNoButton);
    QCOMPARE(message.answer, UserMessageTypes::E_answerYes);
    QVERIFY(!message.hasBoard);

    // An unknown id answers with the unknown-id text; a timeout of 0 is left off the wire.
    UserMessageTypes::UserMessage answer(0x2002);
    answer.answer = UserMessageTypes::E_answerAcknowledged;
    vaholumo::User_message wire;
    conversion::UserMessageConverter::toPbUserMessage(answer, wire);
    QVERIFY(!wire.has_timeout());
    QVERIFY(!wire.has_control_board());
    QCOMPARE(wire.answer(), vaholumo::User_message_answer_t_ANSWER_ACKNOWLEDGED);
    QString text;
    QVERIFY(conversion::codeUnitsToText(wire.text(), text, wire.text_size()));
    QCOMPARE(text, QStringLiteral("Unknown user message id 8194 (0x2002)"));
}

void TestSiPbTypeConversion::relayConversion()
{
    vaholumo::Relay relay;
    relay.set_control_board(vaholumo::Node_types_rcb_t_RCB_SECONDARY_1);
    relay.set_index(13);
    relay.set_second_flag(true);
    RelayStatusTypes::RelayStatusPost post;
    QVERIFY(!conversion::StateConverter::toSiRelay(relay, post));
    QCOMPARE(post.board, NodeInformationTypes::E_slave_1);
    QCOMPARE(post.relay, RelayStatusTypes::E_x29x30);
    QVERIFY(!post.state1);
    QVERIFY(post.state2);
}

void TestSiPbTypeConversion::enumPairs()
{
    auto &converter = conversion::EnumValueConverter::instance();
    QSignalSpy messages(&converter, &conversion::EnumValueConverter::panelUserMessageIssued);
    QCOMPARE(converter.toSiWaterLevel(vaholumo::Enum_value_types_water_level_t_WATER_LEVEL_HIGH),
             TankStatusTypes::E_high);
    QCOMPARE(converter.toSiFacilityType(vaholumo::Enum_value_types_facility_type_t_FACILITY_PUBLIC),
             SaunaStateTypes::E_public);
    QCOMPARE(converter.toPbRegion(RegionTypes::E_north_america),
             vaholumo::Enum_value_types_region_t_REGION_NORTH_AMERICA);
    QCOMPARE(converter.toPbBathPriority(SaunaStateTypes::E_prio_humidity),
             vaholumo::Enum_value_types_bath_priority_t_BATH_PRIORITY_HUMIDITY);
    QCOMPARE(messages.count(), 0);

    // A value without a pair: an internal-error message and the fixed fallback.
    QCOMPARE(converter.toPbRegion(static_cast<RegionTypes::RegionType>(7)),
             vaholumo::Enum_value_types_region_t_REGION_OTHER);
    QCOMPARE(converter.toPbFacilityType(static_cast<SaunaStateTypes::FacilityType>(-1)),
             vaholumo::Enum_value_types_facility_type_t_FACILITY_UNKNOWN);
    QCOMPARE(messages.count(), 2);

    SaunaStateTypes::SaunaState state = SaunaStateTypes::E_sauna_off;
    QVERIFY(conversion::StateConverter::instance().toSiState(
        vaholumo::Sauna_state_changed_state_t_STATE_DRYUP, state));
    QCOMPARE(state, SaunaStateTypes::E_sauna_dryup);
}

void TestSiPbTypeConversion::productPairs()
{
    auto &converter = conversion::ProductConverter::instance();
    QCOMPARE(converter.toSiBrand(vaholumo::Connection_types_brand_t_BRAND_KASTELA),
             VariantTypes::E_kastela);
    QCOMPARE(converter.toSiBrand(vaholumo::Connection_types_brand_t_BRAND_ORVELA),
             VariantTypes::E_orvela);
    QCOMPARE(converter.toSiRcbProduct(vaholumo::Connection_types_rcb_product_t_RCB_PRODUCT_SAUNA),
             MasterFuncDescTypes::E_sauna);
    QCOMPARE(
        converter.toSiSystemMode(vaholumo::Connection_types_system_type_t_SYSTEM_TYPE_SOLVENNO),
        MasterFuncDescTypes::E_solvenno);
    QCOMPARE(converter.toSiExternalUnitKind(vaholumo::Connection_types_profile_t_PROFILE_TABLET),
             2);
    QCOMPARE(converter.toSiExternalUnitKind(vaholumo::Connection_types_profile_t_PROFILE_OTHER), 4);

    // A product or system type without a pair: its fallback after one internal-error message
    // that names the protocol type and value.
    QSignalSpy messages(&converter, &conversion::ProductConverter::panelUserMessageIssued);
    QCOMPARE(converter.toSiRcbProduct(static_cast<vaholumo::Connection_types_rcb_product_t>(29)),
             MasterFuncDescTypes::E_unknown);
    QCOMPARE(converter.toSiSystemMode(static_cast<vaholumo::Connection_types_system_type_t>(25)),
             MasterFuncDescTypes::E_standard);
    QCOMPARE(messages.count(), 2);
    QVERIFY(
        messages.at(0).at(0).value<UserMessageTypes::UserMessage>().arguments.join(' ').contains(
            QStringLiteral("rcb_product_t value 29")));
    QVERIFY(
        messages.at(1).at(0).value<UserMessageTypes::UserMessage>().arguments.join(' ').contains(
            QStringLiteral("system_type_t value 25")));
}

void TestSiPbTypeConversion::codeUnits()
{
    google::protobuf::RepeatedField<google::protobuf::uint32> units;
    conversion::textToCodeUnits(QStringLiteral("a😀"), &units);
    QCOMPARE(units.size(), 3); // one surrogate pair is two code units
    QString text = QStringLiteral("stale");
    QVERIFY(conversion::codeUnitsToText(units, text, 3));
    QCOMPARE(text, QStringLiteral("a😀"));
    units.Add(0x10000);
    QVERIFY(!conversion::codeUnitsToText(units, text, 4));
    QVERIFY(text.isEmpty());
}

void TestSiPbTypeConversion::textsAreCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bound");
    QTest::addColumn<QString>("kept");
    const QString pair = QStringLiteral("\U0001F600");
    QTest::newRow("shorter") << QStringLiteral("ab") << 4 << QStringLiteral("ab");
    QTest::newRow("exactly the bound") << QStringLiteral("abcd") << 4 << QStringLiteral("abcd");
    QTest::newRow("longer") << QStringLiteral("abcdef") << 4 << QStringLiteral("abcd");
    QTest::newRow("pair across the bound") << "abc" + pair << 4 << QStringLiteral("abc");
    QTest::newRow("pair across the bound, more after") << "abc" + pair + "d" << 4 << "abc";
    QTest::newRow("pair ending at the bound") << "ab" + pair << 4 << "ab" + pair;
    QTest::newRow("pair ending at the bound, more after") << "ab" + pair + "cd" << 4 << "ab" + pair;
    QTest::newRow("only a pair, bound 1") << pair << 1 << QString();
    QTest::newRow("bound 0") << QStringLiteral("ab") << 0 << QString();
}

// The same cut for a text from the wire and for a text already held.
void TestSiPbTypeConversion::textsAreCut()
{
    QFETCH(QString, text);
    QFETCH(int, bound);
    QFETCH(QString, kept);
    QString converted = QStringLiteral("stale");
    QVERIFY(conversion::codeUnitsToText(unitsOf(text), converted, bound));
    QCOMPARE(converted, kept);
    QCOMPARE(conversion::cutText(text, bound), kept);
}

// What lies beyond the bound is not read, so a unit there that is no code unit does not count.
void TestSiPbTypeConversion::unitsBeyondTheBoundAreNotRead()
{
    Units units = unitsOf(QStringLiteral("abcd"));
    units.Add(0x110000);
    QString text;
    QVERIFY(conversion::codeUnitsToText(units, text, 4));
    QCOMPARE(text, QStringLiteral("abcd"));
    QVERIFY(!conversion::codeUnitsToText(units, text, 5));
    QVERIFY(text.isEmpty());
}

void TestSiPbTypeConversion::utf8TextsAreCut_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("bound");
    QTest::addColumn<QString>("kept");
    const QByteArray smile("\xF0\x9F\x98\x80");
    const QByteArray tail(20000, 'x');
    QTest::newRow("shorter") << QByteArray("ab") << 4 << QStringLiteral("ab");
    QTest::newRow("exactly the bound")
        << QByteArray("ab\xC3\xA4") + "d" << 4 << QStringLiteral("ab\u00e4d");
    QTest::newRow("20000 bytes") << tail << 256 << QString(256, u'x');
    QTest::newRow("three-byte characters")
        << QByteArray("\xE2\x82\xAC").repeated(300) << 256 << QString(256, QChar(0x20AC));
    QTest::newRow("pair across the bound") << "abc" + smile + tail << 4 << QStringLiteral("abc");
    QTest::newRow("pair ending at the bound")
        << "ab" + smile + tail << 4 << QStringLiteral("ab\U0001F600");
    // Four bytes that make no character, again and again: each still gives one unit at least.
    QTest::newRow("malformed sequences")
        << QByteArray("\xF4\x90\x80\x80").repeated(300) << 256
        << conversion::cutText(QString::fromUtf8(QByteArray("\xF4\x90\x80\x80").repeated(300)),
                               256);
}

// An 8-bit text is cut as its whole decoded text would be.
void TestSiPbTypeConversion::utf8TextsAreCut()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, bound);
    QFETCH(QString, kept);
    const QString cut = conversion::cutUtf8Text(bytes.toStdString(), bound);
    QCOMPARE(cut, kept);
    QCOMPARE(cut, conversion::cutText(QString::fromUtf8(bytes), bound));
}

void TestSiPbTypeConversion::userMessageTextIsCut_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("kept");
    addBoundRows(signalInterface::protocolFacts::longestUserMessageText);
}

void TestSiPbTypeConversion::userMessageTextIsCut()
{
    QFETCH(QString, sent);
    QFETCH(QString, kept);
    vaholumo::User_message wire = completeMessage();
    conversion::textToCodeUnits(sent, wire.mutable_text());
    UserMessageTypes::UserMessage message;
    QVERIFY(!conversion::UserMessageConverter::toSiUserMessage(wire, message));
    QCOMPARE(message.text, kept);
}

QTEST_GUILESS_MAIN(TestSiPbTypeConversion)
#include "tst_si_pb_type_conversion.moc"
