#include "message.pb.h"
#include "protocol_buffers_support/message_parsing.h"

#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using google::protobuf::MessageLite;
using MessagePtr = std::shared_ptr<const MessageLite>;

Q_DECLARE_METATYPE(MessagePtr)
Q_DECLARE_METATYPE(const MessageLite *)

namespace {

QByteArray bytesOf(const MessageLite &message)
{
    const std::string wire = message.SerializeAsString();
    return QByteArray(wire.data(), static_cast<qsizetype>(wire.size()));
}

// Golden bytes are written as spaced hex; fromHex skips the spaces.
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray varint(quint64 value)
{
    QByteArray out;
    while (value >= 0x80) {
        out.append(static_cast<char>((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.append(static_cast<char>(value));
    return out;
}

template<typename T, typename Fill>
MessagePtr build(Fill fill)
{
    auto message = std::make_shared<T>();
    fill(*message);
    return message;
}

void appendText(google::protobuf::RepeatedField<quint32> *field, const QString &text)
{
    for (const QChar unit : text) {
        field->Add(unit.unicode());
    }
}

// Parses `input` into a fresh message of the prototype's type and serializes it again.
QByteArray reserialized(const MessageLite &prototype, const QByteArray &input, bool *parsed)
{
    std::unique_ptr<MessageLite> message(prototype.New());
    *parsed = pbSupport::parseDatagram(input, *message);
    return bytesOf(*message);
}

struct EnumValidity
{
    const char *name;
    bool (*isValid)(int);
    std::vector<int> valid;
};

std::vector<int> range(int first, int last)
{
    std::vector<int> values;
    for (int value = first; value <= last; ++value) {
        values.push_back(value);
    }
    return values;
}

const std::vector<EnumValidity> &enumValidities()
{
    using namespace vaholumo;
    static const std::vector<EnumValidity> table = {
        {"Integer_value_change_request_value_t", Integer_value_change_request_value_t_IsValid,
         range(10, 27)},
        {"Integer_value_changed_value_t", Integer_value_changed_value_t_IsValid, range(10, 40)},
        {"Boolean_value_change_request_value_t", Boolean_value_change_request_value_t_IsValid,
         range(10, 19)},
        {"Boolean_value_changed_value_t", Boolean_value_changed_value_t_IsValid, range(10, 23)},
        {"Enum_value_types_water_level_t", Enum_value_types_water_level_t_IsValid, range(10, 13)},
        {"Enum_value_types_facility_type_t", Enum_value_types_facility_type_t_IsValid,
         range(20, 24)},
        {"Enum_value_types_region_t", Enum_value_types_region_t_IsValid, range(30, 32)},
        {"Enum_value_types_external_switch_function_t",
         Enum_value_types_external_switch_function_t_IsValid, range(40, 41)},
        {"Enum_value_types_bath_priority_t", Enum_value_types_bath_priority_t_IsValid,
         range(50, 52)},
        {"Sauna_state_change_request_state_t", Sauna_state_change_request_state_t_IsValid,
         range(10, 12)},
        {"Sauna_state_changed_state_t", Sauna_state_changed_state_t_IsValid, range(10, 15)},
        {"Node_types_rcb_t", Node_types_rcb_t_IsValid, range(0, 2)},
        {"General_command_command_t", General_command_command_t_IsValid, range(1, 8)},
        {"Calendar_post_start_mode_t", Calendar_post_start_mode_t_IsValid, range(1, 2)},
        {"User_message_message_type_t", User_message_message_type_t_IsValid, range(10, 14)},
        {"User_message_answer_t", User_message_answer_t_IsValid, {20, 21, 22, 24}},
        {"Aux_relay_timing_scaling_t", Aux_relay_timing_scaling_t_IsValid, range(10, 13)},
        {"Aux_relay_post_function_t", Aux_relay_post_function_t_IsValid, range(10, 12)},
        {"Connection_types_profile_t", Connection_types_profile_t_IsValid, {10, 20, 25, 30, 99}},
        {"Connection_types_brand_t", Connection_types_brand_t_IsValid, range(40, 43)},
        {"Connection_types_system_type_t", Connection_types_system_type_t_IsValid, range(20, 22)},
        {"Connection_types_rcb_product_t", Connection_types_rcb_product_t_IsValid, range(30, 40)},
        {"Connect_reply_connect_status_t",
         Connect_reply_connect_status_t_IsValid,
         {10, 20, 21, 22, 23}},
        {"Node_item_profile_t", Node_item_profile_t_IsValid, range(10, 13)},
        {"User_setting_temperature_unit_t", User_setting_temperature_unit_t_IsValid, range(10, 11)},
        {"User_setting_temperature_presentation_t", User_setting_temperature_presentation_t_IsValid,
         range(10, 11)},
        {"User_setting_humidity_presentation_t", User_setting_humidity_presentation_t_IsValid,
         range(10, 11)},
        {"User_setting_date_format_t", User_setting_date_format_t_IsValid, range(10, 12)},
        {"User_setting_time_format_t", User_setting_time_format_t_IsValid, range(10, 11)},
        {"User_setting_weekstart_t", User_setting_weekstart_t_IsValid, range(10, 11)},
        {"User_setting_language_t", User_setting_language_t_IsValid, range(200, 213)},
    };
    return table;
}

struct EnvelopeMember
{
    int fieldNumber;
    const char *name;
    void (*add)(vaholumo::External_to_sauna &);
    void (*addReport)(vaholumo::Sauna_to_external &);
};

const std::vector<EnvelopeMember> &envelopeMembers()
{
    using vaholumo::External_to_sauna;
    using vaholumo::Sauna_to_external;
    static const std::vector<EnvelopeMember> table = {
        {1000, "connect_request", [](External_to_sauna &e) { e.mutable_connect_request(); },
         nullptr},
        {1001, "disconnect_request", [](External_to_sauna &e) { e.mutable_disconnect_request(); },
         nullptr},
        {1002, "keep_alive", [](External_to_sauna &e) { e.mutable_keep_alive(); }, nullptr},
        {1040, "general_command", [](External_to_sauna &e) { e.add_general_command(); }, nullptr},
        {1050, "integer_value_change_request",
         [](External_to_sauna &e) { e.add_integer_value_change_request(); }, nullptr},
        {1060, "boolean_value_change_request",
         [](External_to_sauna &e) { e.add_boolean_value_change_request(); }, nullptr},
        {1070, "favorite_post", [](External_to_sauna &e) { e.add_favorite_post(); }, nullptr},
        {1075, "calendar_post", [](External_to_sauna &e) { e.add_calendar_post(); }, nullptr},
        {1080, "sauna_state_change_request",
         [](External_to_sauna &e) { e.mutable_sauna_state_change_request(); }, nullptr},
        {1090, "aux_relay_post", [](External_to_sauna &e) { e.add_aux_relay_post(); }, nullptr},
        {1100, "descaling", [](External_to_sauna &e) { e.mutable_descaling(); }, nullptr},
        {1110, "enum_value_change_request",
         [](External_to_sauna &e) { e.add_enum_value_change_request(); }, nullptr},
        {1120, "user_message", [](External_to_sauna &e) { e.mutable_user_message(); }, nullptr},
        {2000, "connect_reply", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_connect_reply();
         }},
        {2001, "no_connection", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_no_connection();
         }},
        {2002, "keep_alive", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_keep_alive();
         }},
        {2010, "integer_value_changed", nullptr,
         [](Sauna_to_external &e) {
             e.add_integer_value_changed();
         }},
        {2011, "boolean_value_changed", nullptr,
         [](Sauna_to_external &e) {
             e.add_boolean_value_changed();
         }},
        {2020, "user_setting", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_user_setting();
         }},
        {2030, "presented_value", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_presented_value();
         }},
        {2040, "favorite_post", nullptr,
         [](Sauna_to_external &e) {
             e.add_favorite_post();
         }},
        {2045, "calendar_post", nullptr,
         [](Sauna_to_external &e) {
             e.add_calendar_post();
         }},
        {2050, "sauna_state_changed", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_sauna_state_changed();
         }},
        {2060, "control_board_support", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_control_board_support();
         }},
        {2070, "aux_relay_post_sauna", nullptr,
         [](Sauna_to_external &e) {
             e.add_aux_relay_post_sauna();
         }},
        {2075, "descaling", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_descaling();
         }},
        {2080, "error_post", nullptr,
         [](Sauna_to_external &e) {
             e.add_error_post();
         }},
        {2090, "warm_up_characteristics", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_warm_up_characteristics();
         }},
        {2100, "enum_value_changed", nullptr,
         [](Sauna_to_external &e) {
             e.add_enum_value_changed();
         }},
        {2110, "user_message", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_user_message();
         }},
        {2120, "sauna_function_support", nullptr,
         [](Sauna_to_external &e) {
             e.mutable_sauna_function_support();
         }},
        {2130, "node_item", nullptr,
         [](Sauna_to_external &e) {
             e.add_node_item();
         }},
        {3000, "data_error", nullptr,
         [](Sauna_to_external &e) {
             e.add_data_error();
         }},
    };
    return table;
}

} // namespace

// Pins the wire form of the protocol messages: golden bytes both ways and the parse rules.
class TestProtocolMessages : public QObject
{
    Q_OBJECT

private slots:
    void goldenBytes_data();
    void goldenBytes();
    void workedExampleDecodesToItsFields();
    void envelopeMemberTags_data();
    void envelopeMemberTags();
    void typeNamesAndEmptyMessages_data();
    void typeNamesAndEmptyMessages();
    void enumValidSets_data();
    void enumValidSets();
    void unknownBytesWrittenBackAfterKnownFields_data();
    void unknownBytesWrittenBackAfterKnownFields();
    void undeclaredEnumValueLeavesFieldAbsent();
    void wrongWireTypeIsNotReadIntoTheField();
    void repeatedScalarsReadPackedWrittenUnpacked_data();
    void repeatedScalarsReadPackedWrittenUnpacked();
    void repeatedFavoriteFlagsKeepTheirOrder();
};

void TestProtocolMessages::goldenBytes_data()
{
    using namespace vaholumo;
    QTest::addColumn<MessagePtr>("message");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("integer request: target temperature 720")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *request = e.add_integer_value_change_request();
               request->set_value_id(Integer_value_change_request::TARGET_TEMPERATURE);
               request->set_value(720);
           })
        << hex("D2 41 05 08 0A 10 D0 05");
    QTest::newRow("integer request: not-allowed start from 07:30")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *request = e.add_integer_value_change_request();
               request->set_value_id(Integer_value_change_request::NOT_ALLOWED_START_FROM);
               request->set_value(450);
           })
        << hex("D2 41 05 08 1A 10 C2 03");
    QTest::newRow("integer request: reset bath time timer writes value 0")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *request = e.add_integer_value_change_request();
               request->set_value_id(Integer_value_change_request::RESET_BATH_TIME_TIMER);
               request->set_value(0);
           })
        << hex("D2 41 04 08 17 10 00");
    QTest::newRow("boolean request: lights on")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *request = e.add_boolean_value_change_request();
               request->set_value_id(Boolean_value_change_request::LIGHTS);
               request->set_value(1);
           })
        << hex("A2 42 04 08 0A 10 01");
    QTest::newRow("state request: sauna on") << build<External_to_sauna>([](External_to_sauna &e) {
        e.mutable_sauna_state_change_request()->set_state(Sauna_state_change_request::STATE_ON);
    }) << hex("C2 43 02 50 0B");
    QTest::newRow("clock request: 2000-01-01 00:00:01 UTC")
        << build<External_to_sauna>([](External_to_sauna &e) {
               e.mutable_sauna_state_change_request()->set_system_time(1000);
           })
        << hex("C2 43 03 58 E8 07");
    QTest::newRow("command: start favorite 3 without control board")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *command = e.add_general_command();
               command->set_command(General_command::START_FAVORITE);
               command->set_argument(3);
           })
        << hex("82 41 04 08 08 18 03");
    QTest::newRow("command: clear error log") << build<External_to_sauna>([](External_to_sauna &e) {
        e.add_general_command()->set_command(General_command::CLEAR_ERROR_LOG);
    }) << hex("82 41 02 08 01");
    QTest::newRow("command: buzzer of the second secondary board")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *command = e.add_general_command();
               command->set_command(General_command::ACTIVATE_BUZZER);
               command->set_control_board(Node_types::RCB_SECONDARY_2);
           })
        << hex("82 41 04 08 07 10 02");
    QTest::newRow("enum request: region north america")
        << build<External_to_sauna>([](External_to_sauna &e) {
               e.add_enum_value_change_request()->set_region(
                   Enum_value_types::REGION_NORTH_AMERICA);
           })
        << hex("B2 45 02 60 1F");
    QTest::newRow("calendar: slot 5 not in use")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *post = e.add_calendar_post();
               post->set_index(5);
               post->set_in_use(false);
           })
        << hex("9A 43 04 08 05 10 00");
    QTest::newRow("calendar: slot 63 with own settings, ready at 00:01")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *post = e.add_calendar_post();
               post->set_index(63);
               post->set_in_use(true);
               post->set_start_time(60000);
               post->set_stop_after(180);
               post->set_humidity(40);
               post->set_temperature(720);
               post->set_weekday_program(true);
               post->set_start_mode(Calendar_post::READY_AT);
               post->set_standby_mode(false);
               post->set_favorite(100);
               post->set_extra_flag(false);
           })
        << hex("9A 43 1A 08 3F 10 01 18 E0 D4 03 20 B4 01 28 28 30 D0 05 38 01 40 02 48 00 50 64 "
               "58 00");
    QTest::newRow("favorite: delete slot 3") << build<External_to_sauna>([](External_to_sauna &e) {
        auto *post = e.add_favorite_post();
        post->set_index(3);
        post->set_in_use(false);
    }) << hex("F2 42 04 08 03 10 00");
    QTest::newRow("favorite: slot 1 with humidity step 2 and seven relay flags")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *post = e.add_favorite_post();
               post->set_index(1);
               post->set_in_use(true);
               appendText(post->mutable_name(), QStringLiteral("Hi"));
               post->set_humidity(103);
               post->set_temperature(720);
               post->set_bath_time(60);
               post->set_lights(false);
               for (const bool active : {true, false, false, false, false, false, true}) {
                   post->add_aux_relay_active(active);
               }
           })
        << hex("F2 42 1F 08 01 10 01 18 48 18 69 20 67 28 D0 05 30 3C 38 00 40 01 40 00 40 00 40 "
               "00 40 00 40 00 40 01");
    QTest::newRow("connect request") << build<External_to_sauna>([](External_to_sauna &e) {
        auto *request = e.mutable_connect_request();
        request->set_profile(Connection_types::PROFILE_PC_PANEL);
        request->set_pin_code("4826");
        appendText(request->mutable_unit_name(), QStringLiteral("PC"));
        request->mutable_unit_features()->set_feature_flag(true);
    }) << hex("C2 3E 10 08 0A 12 04 34 38 32 36 18 50 18 43 3A 02 50 01");
    QTest::newRow("keep-alive 1") << build<External_to_sauna>([](External_to_sauna &e) {
        e.mutable_keep_alive()->set_sequence_number(1);
    }) << hex("D2 3E 02 08 01");
    QTest::newRow("disconnect request")
        << build<External_to_sauna>([](External_to_sauna &e) { e.mutable_disconnect_request(); })
        << hex("CA 3E 00");
    QTest::newRow("descaling at 06:30 without relay")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *descaling = e.mutable_descaling();
               descaling->set_enabled(true);
               descaling->set_weekday(0);
               descaling->set_start_time(390);
               descaling->set_dosage(0);
           })
        << hex("E2 44 09 10 01 18 00 20 86 03 28 00");
    QTest::newRow("aux relay 2 with on and off times")
        << build<External_to_sauna>([](External_to_sauna &e) {
               auto *relay = e.add_aux_relay_post();
               relay->set_index(2);
               relay->set_function(Aux_relay_post::FUNCTION_ON_OFF);
               appendText(relay->mutable_name(), QStringLiteral("A"));
               relay->set_activated(true);
               relay->mutable_off_time()->set_scaling(Aux_relay_timing::SCALING_SECONDS);
               relay->mutable_off_time()->set_value(30);
               relay->mutable_on_time()->set_scaling(Aux_relay_timing::SCALING_MINUTES);
               relay->mutable_on_time()->set_value(5);
           })
        << hex("92 44 14 08 02 10 0B 18 41 20 01 2A 04 50 0B 58 1E 32 04 50 0C 58 05");
    QTest::newRow("user message answer yes") << build<External_to_sauna>([](External_to_sauna &e) {
        auto *message = e.mutable_user_message();
        message->set_message_id(4);
        message->set_message_type(User_message::MESSAGE_TYPE_TWO_BUTTONS);
        message->set_answer(User_message::ANSWER_YES);
        appendText(message->mutable_text(), QStringLiteral("OK"));
    }) << hex("82 46 0A 08 04 10 0C 18 16 28 4F 28 4B");

    QTest::newRow("report: several members in field order")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               e.mutable_keep_alive()->set_sequence_number(7);
               auto *temperature = e.add_integer_value_changed();
               temperature->set_value_id(Integer_value_changed::TEMPERATURE);
               temperature->set_value(720);
               auto *bathTime = e.add_integer_value_changed();
               bathTime->set_value_id(Integer_value_changed::BATH_TIME);
               bathTime->set_value(30);
               auto *lights = e.add_boolean_value_changed();
               lights->set_value_id(Boolean_value_changed::LIGHTS);
               lights->set_value(1);
               auto *state = e.mutable_sauna_state_changed();
               state->set_state(Sauna_state_changed::STATE_ON);
               auto *relay = state->add_relay();
               relay->set_control_board(Node_types::RCB_PRIMARY);
               relay->set_index(3);
               relay->set_state(true);
               e.add_data_error()->set_description("bad");
           })
        << hex("92 7D 02 08 07 D2 7D 05 08 0C 10 D0 05 D2 7D 04 08 11 10 1E DA 7D 04 08 0A 10 01 "
               "92 80 01 0A 58 0B 72 06 50 00 58 03 60 01 C2 BB 01 07 C2 BB 01 03 62 61 64");
    QTest::newRow("report: connect reply accepted with features")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               auto *reply = e.mutable_connect_reply();
               reply->set_connect_status(Connect_reply::CONNECT_STATUS_ACCEPTED);
               reply->set_identity("S1");
               reply->set_brand(Connection_types::BRAND_LUMO);
               reply->set_keep_alive_interval(5);
               reply->set_rcb_product(Connection_types::RCB_PRODUCT_SAUNA);
               appendText(reply->mutable_name(), QStringLiteral("Sa"));
               reply->mutable_features()->set_supported_character_count(95);
               reply->mutable_features()->set_max_humidity_table_version(2);
               reply->mutable_features()->set_max_temperature_table_version(3);
               reply->set_system_type(Connection_types::SYSTEM_TYPE_STANDARD);
           })
        << hex("82 7D 1D 08 0A 12 02 53 31 18 29 20 05 30 25 38 53 38 61 42 09 A0 01 5F A8 01 02 "
               "B0 01 03 58 14");
    QTest::newRow("report: error post 31 one day after the epoch")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               auto *post = e.add_error_post();
               post->set_index(31);
               post->set_time(86400000);
               post->set_error_code(5);
               post->set_control_board(Node_types::RCB_SECONDARY_2);
           })
        << hex("82 82 01 0B 08 1F 18 80 B8 99 29 20 05 30 02");
    QTest::newRow("report: water level high on the second secondary board")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               e.add_enum_value_changed()->set_water_level_secondary_2(
                   Enum_value_types::WATER_LEVEL_HIGH);
           })
        << hex("A2 83 01 03 80 01 0C");
    QTest::newRow("report: node item") << build<Sauna_to_external>([](Sauna_to_external &e) {
        auto *node = e.add_node_item();
        node->set_index(0);
        node->set_address(5);
        node->set_profile(Node_item::NODE_PROFILE_THS);
        node->set_product(7);
        node->set_zerededid_version("1.2.3");
        node->set_application_version("2.0.1");
    }) << hex("92 85 01 16 08 00 10 05 18 0C 20 07 2A 05 31 2E 32 2E 33 32 05 32 2E 30 2E 31");
    QTest::newRow("report: aux relay 6 connected, not used")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               auto *report = e.add_aux_relay_post_sauna();
               report->set_connected(true);
               report->mutable_relay()->set_index(6);
               report->mutable_relay()->set_function(Aux_relay_post::FUNCTION_NOT_USED);
           })
        << hex("B2 81 01 08 08 01 12 04 08 06 10 0A");
    QTest::newRow("report: warm-up with only the second value")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               e.mutable_warm_up_characteristics()->set_warm_up_value_2(5);
           })
        << hex("D2 82 01 02 18 05");
    QTest::newRow("report: user setting language english")
        << build<Sauna_to_external>([](Sauna_to_external &e) {
               e.mutable_user_setting()->set_language(User_setting::LANGUAGE_ENGLISH);
           })
        << hex("A2 7E 03 38 CA 01");
    QTest::newRow("report: presented temperature")
        << build<Sauna_to_external>(
               [](Sauna_to_external &e) { e.mutable_presented_value()->set_temperature(720); })
        << hex("F2 7E 03 08 D0 05");

    QTest::newRow("announcement request")
        << build<Announcement_request>(
               [](Announcement_request &r) { r.set_profile(Connection_types::PROFILE_PC_PANEL); })
        << hex("08 0A");
    QTest::newRow("announcement of a kastela sauna") << build<Announcement>([](Announcement &a) {
        a.set_identity("S1");
        a.set_port(49152);
        a.set_brand(Connection_types::BRAND_KASTELA);
        a.set_rcb_product(Connection_types::RCB_PRODUCT_SAUNA);
        appendText(a.mutable_name(), QStringLiteral("Sa"));
    }) << hex("0A 02 53 31 10 80 80 03 18 2A 20 25 28 53 28 61");
    QTest::newRow("control board support: all 23 flags")
        << build<Control_board_support>([](Control_board_support &c) {
               c.set_bath_prio(true);
               c.set_schedule(true);
               c.set_rtc(true);
               c.set_not_allowed_start(true);
               c.set_aux(true);
               c.set_cleanup(true);
               c.set_fan(true);
               c.set_standby(true);
               c.set_standby_temperature(true);
               c.set_reset_timer(true);
               c.set_humidity_level(true);
               c.set_humidity_percent(true);
               c.set_tank_auto_emptying(true);
               c.set_temperature_set(true);
               c.set_water_level(true);
               c.set_tank_manual(true);
               c.set_water_temperature(true);
               c.set_error_log(true);
               c.set_pcb_overheat_limit(true);
               c.set_ext_sw_function(true);
               c.set_ext_sw_bathtime(true);
               c.set_facility_type(true);
               c.set_function_flag_23(true);
           })
        << hex("50 01 58 01 60 01 68 01 70 01 78 01 80 01 01 88 01 01 90 01 01 98 01 01 A0 01 01 "
               "A8 01 01 B0 01 01 B8 01 01 C0 01 01 C8 01 01 D0 01 01 D8 01 01 E0 01 01 E8 01 01 "
               "F0 01 01 F8 01 01 80 02 01");
    QTest::newRow("function support: characters and both tables")
        << build<Sauna_function_support>([](Sauna_function_support &s) {
               s.add_supported_characters(0x41);
               s.add_supported_characters(0xE4);
               s.set_max_humidity_table_version(2);
               s.add_max_humidity_table(90);
               s.add_max_humidity_table(85);
               s.set_max_temperature_table_version(3);
               s.add_max_temperature_table(720);
           })
        << hex("08 41 08 E4 01 10 02 18 5A 18 55 20 03 28 D0 05");
    QTest::newRow("presented value with a calendar program")
        << build<Presented_value>([](Presented_value &p) {
               p.set_temperature(720);
               p.set_value_2(4);
               p.mutable_calendar_program()->set_index(5);
               p.mutable_calendar_program()->set_in_use(true);
               p.set_flag_11(true);
           })
        << hex("08 D0 05 10 04 52 04 08 05 10 01 58 01");
    QTest::newRow("user setting: every field") << build<User_setting>([](User_setting &u) {
        u.set_temperature_unit(User_setting::TEMPERATURE_UNIT_FAHRENHEIT);
        u.set_temperature_presentation(User_setting::TEMPERATURE_PRESENTATION_DIRECT);
        u.set_humidity_presentation(User_setting::HUMIDITY_PRESENTATION_SMOOTH);
        u.set_date_format(User_setting::DATE_FORMAT_MMDDYY);
        u.set_time_format(User_setting::TIME_FORMAT_AM_PM);
        u.set_weekstart(User_setting::WEEKSTART_SUNDAY);
        u.set_language(User_setting::LANGUAGE_PORTUGUESE);
    }) << hex("08 0B 10 0B 18 0A 20 0C 28 0B 30 0B 38 D5 01");
    QTest::newRow("warm-up characteristics: every field")
        << build<Warm_up_characteristics>([](Warm_up_characteristics &w) {
               w.set_warm_up_flag(true);
               w.set_heat_ratio(12);
               w.set_warm_up_value_2(5);
           })
        << hex("08 01 10 0C 18 05");
}

void TestProtocolMessages::goldenBytes()
{
    QFETCH(MessagePtr, message);
    QFETCH(QByteArray, wire);

    QCOMPARE(bytesOf(*message).toHex(' '), wire.toHex(' '));

    bool parsed = false;
    const QByteArray again = reserialized(*message, wire, &parsed);
    QVERIFY(parsed);
    QCOMPARE(again.toHex(' '), wire.toHex(' '));
}

void TestProtocolMessages::workedExampleDecodesToItsFields()
{
    vaholumo::External_to_sauna request;
    QVERIFY(pbSupport::parseDatagram(hex("D2 41 05 08 0A 10 D0 05"), request));
    QCOMPARE(request.integer_value_change_request_size(), 1);
    const auto &element = request.integer_value_change_request(0);
    QVERIFY(element.has_value_id());
    QCOMPARE(element.value_id(), vaholumo::Integer_value_change_request::TARGET_TEMPERATURE);
    QVERIFY(element.has_value());
    QCOMPARE(element.value(), 720u);
    QVERIFY(!request.has_connect_request());
    QCOMPARE(request.general_command_size(), 0);

    vaholumo::External_to_sauna favorite;
    QVERIFY(pbSupport::parseDatagram(hex("82 41 04 08 08 18 03"), favorite));
    QCOMPARE(favorite.general_command_size(), 1);
    QCOMPARE(favorite.general_command(0).command(), vaholumo::General_command::START_FAVORITE);
    QCOMPARE(favorite.general_command(0).argument(), 3u);
    QVERIFY(!favorite.general_command(0).has_control_board());

    // Only the argument on the wire: the command reads as absent, with its default 1.
    vaholumo::General_command argumentOnly;
    QVERIFY(pbSupport::parseDatagram(hex("18 03"), argumentOnly));
    QVERIFY(!argumentOnly.has_command());
    QCOMPARE(argumentOnly.command(), vaholumo::General_command::CLEAR_ERROR_LOG);
}

void TestProtocolMessages::envelopeMemberTags_data()
{
    QTest::addColumn<int>("member");
    const auto &members = envelopeMembers();
    for (int i = 0; i < static_cast<int>(members.size()); ++i) {
        QTest::addRow("%d %s", members[i].fieldNumber, members[i].name) << i;
    }
}

void TestProtocolMessages::envelopeMemberTags()
{
    QFETCH(int, member);
    const EnvelopeMember &entry = envelopeMembers().at(static_cast<size_t>(member));
    const QByteArray expected = varint(quint64(entry.fieldNumber) * 8 + 2) + QByteArray(1, '\0');

    std::unique_ptr<MessageLite> envelope;
    if (entry.add != nullptr) {
        auto request = std::make_unique<vaholumo::External_to_sauna>();
        entry.add(*request);
        envelope = std::move(request);
    } else {
        auto report = std::make_unique<vaholumo::Sauna_to_external>();
        entry.addReport(*report);
        envelope = std::move(report);
    }
    QCOMPARE(bytesOf(*envelope).toHex(' '), expected.toHex(' '));

    // An empty member still counts as present after a round trip.
    bool parsed = false;
    QCOMPARE(reserialized(*envelope, expected, &parsed).toHex(' '), expected.toHex(' '));
    QVERIFY(parsed);
}

void TestProtocolMessages::typeNamesAndEmptyMessages_data()
{
    using namespace vaholumo;
    QTest::addColumn<const MessageLite *>("prototype");
    const auto add = [](const char *name, const MessageLite &prototype) {
        QTest::newRow(name) << &prototype;
    };
    add("Integer_value_change_request", Integer_value_change_request::default_instance());
    add("Integer_value_changed", Integer_value_changed::default_instance());
    add("Boolean_value_change_request", Boolean_value_change_request::default_instance());
    add("Boolean_value_changed", Boolean_value_changed::default_instance());
    add("Enum_value_types", Enum_value_types::default_instance());
    add("Enum_value_change_request", Enum_value_change_request::default_instance());
    add("Enum_value_changed", Enum_value_changed::default_instance());
    add("Sauna_state_change_request", Sauna_state_change_request::default_instance());
    add("Sauna_state_changed", Sauna_state_changed::default_instance());
    add("Relay", Relay::default_instance());
    add("Node_types", Node_types::default_instance());
    add("General_command", General_command::default_instance());
    add("Calendar_post", Calendar_post::default_instance());
    add("Warm_up_characteristics", Warm_up_characteristics::default_instance());
    add("External_to_sauna", External_to_sauna::default_instance());
    add("Sauna_to_external", Sauna_to_external::default_instance());
    add("Data_error", Data_error::default_instance());
    add("Connection_types", Connection_types::default_instance());
    add("Announcement_request", Announcement_request::default_instance());
    add("Announcement", Announcement::default_instance());
    add("Connect_request", Connect_request::default_instance());
    add("External_unit_features", External_unit_features::default_instance());
    add("Connect_reply", Connect_reply::default_instance());
    add("Sauna_features", Sauna_features::default_instance());
    add("Keep_alive", Keep_alive::default_instance());
    add("Disconnect_request", Disconnect_request::default_instance());
    add("No_connection", No_connection::default_instance());
    add("User_message", User_message::default_instance());
    add("Favorite_post", Favorite_post::default_instance());
    add("Aux_relay_timing", Aux_relay_timing::default_instance());
    add("Aux_relay_post", Aux_relay_post::default_instance());
    add("Aux_relay_post_sauna", Aux_relay_post_sauna::default_instance());
    add("Descaling", Descaling::default_instance());
    add("Control_board_support", Control_board_support::default_instance());
    add("Sauna_function_support", Sauna_function_support::default_instance());
    add("Node_item", Node_item::default_instance());
    add("Presented_value", Presented_value::default_instance());
    add("User_setting", User_setting::default_instance());
    add("Error_post", Error_post::default_instance());
}

void TestProtocolMessages::typeNamesAndEmptyMessages()
{
    QFETCH(const MessageLite *, prototype);
    const QByteArray expectedName = QByteArray("vaholumo.") + QTest::currentDataTag();
    QCOMPARE(QByteArray::fromStdString(prototype->GetTypeName()), expectedName);

    std::unique_ptr<MessageLite> message(prototype->New());
    QVERIFY(message->IsInitialized());
    QCOMPARE(bytesOf(*message), QByteArray());

    bool parsed = false;
    QCOMPARE(reserialized(*prototype, QByteArray(), &parsed), QByteArray());
    QVERIFY(parsed);
}

void TestProtocolMessages::enumValidSets_data()
{
    QTest::addColumn<int>("entry");
    const auto &table = enumValidities();
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        QTest::newRow(table[i].name) << i;
    }
}

void TestProtocolMessages::enumValidSets()
{
    QFETCH(int, entry);
    const EnumValidity &enumeration = enumValidities().at(static_cast<size_t>(entry));
    const int highest = enumeration.valid.back();
    for (int value = -1; value <= highest + 2; ++value) {
        const bool expected = std::find(enumeration.valid.begin(), enumeration.valid.end(),
                                        value) != enumeration.valid.end();
        QVERIFY2(enumeration.isValid(value) == expected, qPrintable(QString::number(value)));
    }
}

void TestProtocolMessages::unknownBytesWrittenBackAfterKnownFields_data()
{
    using namespace vaholumo;
    QTest::addColumn<const MessageLite *>("prototype");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("envelope field 2200 ahead of a known member")
        << static_cast<const MessageLite *>(&Sauna_to_external::default_instance())
        << hex("C0 89 01 05 92 7D 02 08 07") << hex("92 7D 02 08 07 C0 89 01 05");
    QTest::newRow("unknown field inside a member stays with the member")
        << static_cast<const MessageLite *>(&Sauna_to_external::default_instance())
        << hex("92 7D 04 10 09 08 07") << hex("92 7D 04 08 07 10 09");
    QTest::newRow("integer report with undeclared value id 41")
        << static_cast<const MessageLite *>(&Integer_value_changed::default_instance())
        << hex("08 29 10 05") << hex("10 05 08 29");
    QTest::newRow("value sent length-delimited instead of as a varint")
        << static_cast<const MessageLite *>(&Integer_value_change_request::default_instance())
        << hex("12 01 41 08 0A") << hex("08 0A 12 01 41");
    QTest::newRow("envelope member 1050 sent as a varint")
        << static_cast<const MessageLite *>(&External_to_sauna::default_instance())
        << hex("D0 41 05") << hex("D0 41 05");
    QTest::newRow("connect status 15")
        << static_cast<const MessageLite *>(&Connect_reply::default_instance())
        << hex("08 0F 12 02 53 31") << hex("12 02 53 31 08 0F");
    QTest::newRow("user setting language 214")
        << static_cast<const MessageLite *>(&User_setting::default_instance()) << hex("38 D6 01")
        << hex("38 D6 01");
    QTest::newRow("unknown group kept whole")
        << static_cast<const MessageLite *>(&External_to_sauna::default_instance())
        << hex("0B 08 01 0C D2 3E 02 08 01") << hex("D2 3E 02 08 01 0B 08 01 0C");
}

void TestProtocolMessages::unknownBytesWrittenBackAfterKnownFields()
{
    QFETCH(const MessageLite *, prototype);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, written);

    bool parsed = false;
    QCOMPARE(reserialized(*prototype, input, &parsed).toHex(' '), written.toHex(' '));
    QVERIFY(parsed);
}

void TestProtocolMessages::undeclaredEnumValueLeavesFieldAbsent()
{
    using namespace vaholumo;

    Integer_value_changed integer;
    QVERIFY(pbSupport::parseDatagram(hex("08 29 10 05"), integer));
    QVERIFY(!integer.has_value_id());
    QVERIFY(integer.has_value());
    QCOMPARE(integer.value(), 5u);

    Enum_value_changed choices;
    QVERIFY(pbSupport::parseDatagram(hex("50 17 58 23"), choices));
    QVERIFY(choices.has_facility_type());
    QCOMPARE(choices.facility_type(), Enum_value_types::FACILITY_PUBLIC);
    QVERIFY(!choices.has_region());

    Connect_reply reply;
    QVERIFY(pbSupport::parseDatagram(hex("08 0F 12 02 53 31"), reply));
    QVERIFY(!reply.has_connect_status());
    QVERIFY(reply.has_identity());

    User_message message;
    QVERIFY(pbSupport::parseDatagram(hex("08 04 10 0C 18 17"), message));
    QVERIFY(message.has_message_type());
    QVERIFY(!message.has_answer());

    Announcement announcement;
    QVERIFY(pbSupport::parseDatagram(hex("18 2C 20 25"), announcement));
    QVERIFY(!announcement.has_brand());
    QCOMPARE(announcement.rcb_product(), Connection_types::RCB_PRODUCT_SAUNA);

    Relay relay;
    QVERIFY(pbSupport::parseDatagram(hex("50 03 58 03"), relay));
    QVERIFY(!relay.has_control_board());
    QCOMPARE(relay.index(), 3u);

    User_setting setting;
    QVERIFY(pbSupport::parseDatagram(hex("38 D6 01"), setting));
    QVERIFY(!setting.has_language());
}

void TestProtocolMessages::wrongWireTypeIsNotReadIntoTheField()
{
    vaholumo::Integer_value_change_request request;
    QVERIFY(pbSupport::parseDatagram(hex("12 01 41 08 0A"), request));
    QVERIFY(!request.has_value());
    QVERIFY(request.has_value_id());

    vaholumo::External_to_sauna envelope;
    QVERIFY(pbSupport::parseDatagram(hex("D0 41 05"), envelope));
    QCOMPARE(envelope.integer_value_change_request_size(), 0);
}

void TestProtocolMessages::repeatedScalarsReadPackedWrittenUnpacked_data()
{
    using namespace vaholumo;
    QTest::addColumn<const MessageLite *>("prototype");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("favorite relay flags unpacked")
        << static_cast<const MessageLite *>(&Favorite_post::default_instance())
        << hex("40 01 40 00 40 01 40 01 40 01 40 01 40 00")
        << hex("40 01 40 00 40 01 40 01 40 01 40 01 40 00");
    QTest::newRow("favorite relay flags packed")
        << static_cast<const MessageLite *>(&Favorite_post::default_instance())
        << hex("42 07 01 00 01 01 01 01 00") << hex("40 01 40 00 40 01 40 01 40 01 40 01 40 00");
    QTest::newRow("favorite relay flags packed then unpacked")
        << static_cast<const MessageLite *>(&Favorite_post::default_instance())
        << hex("42 03 01 00 01 40 01 40 01 40 01 40 00")
        << hex("40 01 40 00 40 01 40 01 40 01 40 01 40 00");
    QTest::newRow("favorite name packed")
        << static_cast<const MessageLite *>(&Favorite_post::default_instance())
        << hex("1A 02 48 69") << hex("18 48 18 69");
    QTest::newRow("user message text packed")
        << static_cast<const MessageLite *>(&User_message::default_instance()) << hex("2A 02 4F 4B")
        << hex("28 4F 28 4B");
    QTest::newRow("supported characters packed, two-byte varint")
        << static_cast<const MessageLite *>(&Sauna_function_support::default_instance())
        << hex("0A 03 41 E4 01") << hex("08 41 08 E4 01");
    QTest::newRow("humidity table packed")
        << static_cast<const MessageLite *>(&Sauna_function_support::default_instance())
        << hex("1A 02 5A 55") << hex("18 5A 18 55");
    QTest::newRow("connect request unit name packed")
        << static_cast<const MessageLite *>(&Connect_request::default_instance())
        << hex("1A 02 50 43") << hex("18 50 18 43");
    QTest::newRow("announcement name packed")
        << static_cast<const MessageLite *>(&Announcement::default_instance()) << hex("2A 02 53 61")
        << hex("28 53 28 61");
}

void TestProtocolMessages::repeatedScalarsReadPackedWrittenUnpacked()
{
    QFETCH(const MessageLite *, prototype);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, written);

    bool parsed = false;
    QCOMPARE(reserialized(*prototype, input, &parsed).toHex(' '), written.toHex(' '));
    QVERIFY(parsed);
}

void TestProtocolMessages::repeatedFavoriteFlagsKeepTheirOrder()
{
    for (const char *wire :
         {"42 07 01 00 01 01 01 01 00", "40 01 40 00 40 01 40 01 40 01 40 01 40 00"}) {
        vaholumo::Favorite_post post;
        QVERIFY(pbSupport::parseDatagram(hex(wire), post));
        QCOMPARE(post.aux_relay_active_size(), 7);
        const QList<bool> flags(post.aux_relay_active().begin(), post.aux_relay_active().end());
        QCOMPARE(flags, QList<bool>({true, false, true, true, true, true, false}));
    }
}

QTEST_APPLESS_MAIN(TestProtocolMessages)

#include "tst_protocol_messages.moc"
