#include "simulator_messages.h"

#include "calendar_timing.h"
#include "sauna_state_model.h"

#include "protocol_buffers_support/message_parsing.h"

#include "connect.pb.h"
#include "message.pb.h"

#include <string>

namespace tools {

namespace {

template<typename Field>
void appendCodeUnits(const QString &text, Field *field)
{
    for (const QChar unit : text)
        field->Add(unit.unicode());
}

template<typename Field>
std::optional<QString> textFromCodeUnits(const Field &field)
{
    QString text;
    text.reserve(field.size());
    for (const auto unit : field) {
        if (unit > 0xFFFF)
            return std::nullopt;
        text.append(QChar(char16_t(unit)));
    }
    return text;
}

QByteArray serialized(const google::protobuf::MessageLite &message)
{
    const std::string bytes = message.SerializeAsString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

void fillEnums(const EnumSettings &enums, vaholumo::Enum_value_changed *changed)
{
    if (enums.facilityType &&
        vaholumo::Enum_value_types_facility_type_t_IsValid(*enums.facilityType))
        changed->set_facility_type(
            static_cast<vaholumo::Enum_value_types_facility_type_t>(*enums.facilityType));
    if (enums.region && vaholumo::Enum_value_types_region_t_IsValid(*enums.region))
        changed->set_region(static_cast<vaholumo::Enum_value_types_region_t>(*enums.region));
    if (enums.waterLevelPrimary &&
        vaholumo::Enum_value_types_water_level_t_IsValid(*enums.waterLevelPrimary))
        changed->set_water_level_primary(
            static_cast<vaholumo::Enum_value_types_water_level_t>(*enums.waterLevelPrimary));
    if (enums.externalSwitchFunction &&
        vaholumo::Enum_value_types_external_switch_function_t_IsValid(
            *enums.externalSwitchFunction))
        changed->set_external_switch_function(
            static_cast<vaholumo::Enum_value_types_external_switch_function_t>(
                *enums.externalSwitchFunction));
    if (enums.bathPriority &&
        vaholumo::Enum_value_types_bath_priority_t_IsValid(*enums.bathPriority))
        changed->set_bath_priority(
            static_cast<vaholumo::Enum_value_types_bath_priority_t>(*enums.bathPriority));
    if (enums.waterLevelSecondary1 &&
        vaholumo::Enum_value_types_water_level_t_IsValid(*enums.waterLevelSecondary1))
        changed->set_water_level_secondary_1(
            static_cast<vaholumo::Enum_value_types_water_level_t>(*enums.waterLevelSecondary1));
    if (enums.waterLevelSecondary2 &&
        vaholumo::Enum_value_types_water_level_t_IsValid(*enums.waterLevelSecondary2))
        changed->set_water_level_secondary_2(
            static_cast<vaholumo::Enum_value_types_water_level_t>(*enums.waterLevelSecondary2));
}

void fillSaunaState(const SaunaStateModel &model, const QDateTime &nowUtc,
                    vaholumo::Sauna_state_changed *state)
{
    if (vaholumo::Sauna_state_changed_state_t_IsValid(model.state()))
        state->set_state(static_cast<vaholumo::Sauna_state_changed_state_t>(model.state()));
    state->set_time_valid(true);
    state->set_system_time(model.systemTime(nowUtc));
    for (const RelayOutput &output : model.relays()) {
        vaholumo::Relay *relay = state->add_relay();
        relay->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(output.controlBoard));
        relay->set_index(quint32(output.index));
        // The first flag tells that the installation uses the relay, the second that it is on.
        relay->set_state(output.inUse);
        relay->set_second_flag(output.state);
    }
}

void fillFavorite(const FavoriteRecord &record, vaholumo::Favorite_post *post)
{
    post->set_index(record.index);
    post->set_in_use(record.inUse);
    if (!record.inUse)
        return; // an empty slot is reported as a deletion is sent: index and flag only
    appendCodeUnits(record.name, post->mutable_name());
    post->set_humidity(record.humidity);
    post->set_temperature(record.temperature);
    post->set_bath_time(record.bathTime);
    post->set_lights(record.lights);
    for (const bool active : record.auxRelayActive)
        post->add_aux_relay_active(active);
}

void fillCalendarProgram(const CalendarRecord &record, vaholumo::Calendar_post *post)
{
    post->set_index(record.index);
    post->set_in_use(record.inUse);
    if (!record.inUse)
        return;
    post->set_start_time(record.startTime);
    post->set_stop_after(record.stopAfter);
    if (record.favorite == CalendarRecord::NoFavorite) {
        post->set_humidity(record.humidity);
        post->set_temperature(record.temperature);
    }
    post->set_weekday_program(record.weekdayProgram);
    if (vaholumo::Calendar_post_start_mode_t_IsValid(record.startMode))
        post->set_start_mode(static_cast<vaholumo::Calendar_post_start_mode_t>(record.startMode));
    post->set_standby_mode(record.standbyMode);
    post->set_favorite(record.favorite);
    post->set_extra_flag(record.extraFlag);
}

void fillErrorPosts(const std::vector<ErrorLogEntry> &entries,
                    vaholumo::Sauna_to_external &envelope)
{
    for (const ErrorLogEntry &entry : entries) {
        vaholumo::Error_post *post = envelope.add_error_post();
        post->set_index(entry.index);
        post->set_entry_flag(entry.inUse);
        if (!entry.inUse)
            continue; // an emptied entry is reported by its index and flag
        post->set_time(entry.time);
        post->set_error_code(entry.errorCode);
        if (vaholumo::Node_types_rcb_t_IsValid(entry.controlBoard))
            post->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(entry.controlBoard));
    }
}

void fillAuxRelay(const AuxRelayRecord &record, vaholumo::Aux_relay_post_sauna *report)
{
    report->set_connected(record.connected);
    vaholumo::Aux_relay_post *relay = report->mutable_relay();
    relay->set_index(record.index);
    if (vaholumo::Aux_relay_post_function_t_IsValid(record.function))
        relay->set_function(static_cast<vaholumo::Aux_relay_post_function_t>(record.function));
    appendCodeUnits(record.name, relay->mutable_name());
    relay->set_activated(record.activated);
    const auto fillTiming = [](const AuxRelayTiming &timing, vaholumo::Aux_relay_timing *out) {
        if (vaholumo::Aux_relay_timing_scaling_t_IsValid(timing.scaling))
            out->set_scaling(static_cast<vaholumo::Aux_relay_timing_scaling_t>(timing.scaling));
        out->set_value(timing.value);
    };
    fillTiming(record.offTime, relay->mutable_off_time());
    fillTiming(record.onTime, relay->mutable_on_time());
}

void fillDescaling(const DescalingRecord &record, vaholumo::Descaling *descaling)
{
    if (record.relayIndex)
        descaling->set_relay_index(*record.relayIndex);
    descaling->set_enabled(record.enabled);
    descaling->set_weekday(record.weekday);
    descaling->set_start_time(record.startTime);
    descaling->set_dosage(record.dosage);
}

void fillReport(const SaunaReport &report, const SaunaStateModel &model, const QDateTime &nowUtc,
                vaholumo::Sauna_to_external &envelope)
{
    for (const auto &[id, value] : report.integers) {
        if (!vaholumo::Integer_value_changed_value_t_IsValid(id))
            continue;
        vaholumo::Integer_value_changed *changed = envelope.add_integer_value_changed();
        changed->set_value_id(static_cast<vaholumo::Integer_value_changed_value_t>(id));
        changed->set_value(value);
    }
    for (const auto &[id, value] : report.booleans) {
        if (!vaholumo::Boolean_value_changed_value_t_IsValid(id))
            continue;
        vaholumo::Boolean_value_changed *changed = envelope.add_boolean_value_changed();
        changed->set_value_id(static_cast<vaholumo::Boolean_value_changed_value_t>(id));
        changed->set_value(value ? 1 : 0);
    }
    if (!report.enums.isEmpty())
        fillEnums(report.enums, envelope.add_enum_value_changed());
    if (report.stateChanged)
        fillSaunaState(model, nowUtc, envelope.mutable_sauna_state_changed());
    for (const FavoriteRecord &favorite : report.favorites)
        fillFavorite(favorite, envelope.add_favorite_post());
    for (const CalendarRecord &program : report.calendarPrograms)
        fillCalendarProgram(program, envelope.add_calendar_post());
    for (const QString &description : report.dataErrors)
        envelope.add_data_error()->set_description(description.toStdString());
    fillErrorPosts(report.errorLog, envelope);
    for (const AuxRelayRecord &relay : report.auxRelays)
        fillAuxRelay(relay, envelope.add_aux_relay_post_sauna());
    if (report.descaling)
        fillDescaling(*report.descaling, envelope.mutable_descaling());
    if (report.userMessage) {
        vaholumo::User_message *message = envelope.mutable_user_message();
        message->set_message_id(report.userMessage->id);
        if (vaholumo::User_message_message_type_t_IsValid(report.userMessage->type))
            message->set_message_type(
                static_cast<vaholumo::User_message_message_type_t>(report.userMessage->type));
        message->set_answer(vaholumo::User_message_answer_t_ANSWER_NONE);
        const std::optional<int> &board = report.userMessage->controlBoard;
        if (board && vaholumo::Node_types_rcb_t_IsValid(*board))
            message->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(*board));
    }
}

void fillControlBoardSupport(vaholumo::Control_board_support *support, bool hasSteamGenerator)
{
    support->set_bath_prio(hasSteamGenerator);
    support->set_schedule(true);
    support->set_rtc(true);
    support->set_not_allowed_start(true);
    support->set_aux(true);
    support->set_cleanup(true);
    support->set_fan(true);
    support->set_standby(true);
    support->set_standby_temperature(true);
    support->set_reset_timer(true);
    support->set_humidity_level(hasSteamGenerator);
    support->set_humidity_percent(hasSteamGenerator);
    support->set_tank_auto_emptying(hasSteamGenerator);
    support->set_temperature_set(true);
    support->set_water_level(hasSteamGenerator);
    support->set_tank_manual(hasSteamGenerator);
    support->set_water_temperature(hasSteamGenerator);
    support->set_error_log(true);
    support->set_pcb_overheat_limit(true);
    support->set_ext_sw_function(true);
    support->set_ext_sw_bathtime(true);
    support->set_facility_type(true);
    support->set_function_flag_23(false);
}

} // namespace

QString supportedCharacters()
{
    QString characters;
    for (char16_t unit = 0x20; unit <= 0x7E; ++unit)
        characters.append(QChar(unit));
    characters.append(QStringLiteral("ÄÅÖÜäåöüÆØæøß"));
    return characters;
}

bool decodeAnnouncementRequest(const QByteArray &datagram)
{
    vaholumo::Announcement_request request;
    return pbSupport::parseDatagram(datagram, request) && request.has_profile();
}

bool decodeExternalToSauna(const QByteArray &datagram, vaholumo::External_to_sauna &envelope)
{
    return pbSupport::parseDatagram(datagram, envelope);
}

std::optional<ConnectRequest> decodeConnectRequest(const vaholumo::Connect_request &request)
{
    const std::optional<QString> unitName = textFromCodeUnits(request.unit_name());
    if (!unitName)
        return std::nullopt;
    return ConnectRequest{
        QString::fromLatin1(request.pin_code().data(), qsizetype(request.pin_code().size())),
        *unitName};
}

EnumSettings decodeEnumRequest(const vaholumo::Enum_value_change_request &request)
{
    // The request numbers the facility type and the region differently from the report; the
    // values are the same.
    EnumSettings settings;
    if (request.has_facility_type())
        settings.facilityType = request.facility_type();
    if (request.has_region())
        settings.region = request.region();
    if (request.has_external_switch_function())
        settings.externalSwitchFunction = request.external_switch_function();
    if (request.has_bath_priority())
        settings.bathPriority = request.bath_priority();
    return settings;
}

FavoriteChange decodeFavoritePost(const vaholumo::Favorite_post &post)
{
    FavoriteChange change;
    if (post.has_index())
        change.index = post.index();
    if (post.has_in_use())
        change.inUse = post.in_use();
    const std::optional<QString> name = textFromCodeUnits(post.name());
    change.nameIsText = name.has_value();
    change.name = name.value_or(QString());
    if (post.has_humidity())
        change.humidity = post.humidity();
    if (post.has_temperature())
        change.temperature = post.temperature();
    if (post.has_bath_time())
        change.bathTime = post.bath_time();
    if (post.has_lights())
        change.lights = post.lights();
    change.auxRelayActive.assign(post.aux_relay_active().begin(), post.aux_relay_active().end());
    return change;
}

CalendarChange decodeCalendarPost(const vaholumo::Calendar_post &post)
{
    CalendarChange change;
    if (post.has_index())
        change.index = post.index();
    if (post.has_in_use())
        change.inUse = post.in_use();
    if (post.has_start_time())
        change.startTime = post.start_time();
    if (post.has_stop_after())
        change.stopAfter = post.stop_after();
    if (post.has_humidity())
        change.humidity = post.humidity();
    if (post.has_temperature())
        change.temperature = post.temperature();
    if (post.has_weekday_program())
        change.weekdayProgram = post.weekday_program();
    if (post.has_start_mode())
        change.startMode = int(post.start_mode());
    if (post.has_standby_mode())
        change.standbyMode = post.standby_mode();
    if (post.has_favorite())
        change.favorite = post.favorite();
    if (post.has_extra_flag())
        change.extraFlag = post.extra_flag();
    return change;
}

AuxRelayChange decodeAuxRelayPost(const vaholumo::Aux_relay_post &post)
{
    AuxRelayChange change;
    if (post.has_index())
        change.index = post.index();
    if (post.has_function())
        change.function = int(post.function());
    const std::optional<QString> name = textFromCodeUnits(post.name());
    change.nameIsText = name.has_value();
    change.name = name.value_or(QString());
    if (post.has_activated())
        change.activated = post.activated();
    const auto decodeTiming = [&change](bool present, const vaholumo::Aux_relay_timing &timing,
                                        std::optional<AuxRelayTiming> &out) {
        if (!present)
            return;
        if (!timing.has_scaling() || !timing.has_value()) {
            change.timingIncomplete = true;
            return;
        }
        out = AuxRelayTiming{int(timing.scaling()), timing.value()};
    };
    decodeTiming(post.has_off_time(), post.off_time(), change.offTime);
    decodeTiming(post.has_on_time(), post.on_time(), change.onTime);
    return change;
}

DescalingChange decodeDescaling(const vaholumo::Descaling &descaling)
{
    DescalingChange change;
    if (descaling.has_relay_index())
        change.relayIndex = descaling.relay_index();
    if (descaling.has_enabled())
        change.enabled = descaling.enabled();
    if (descaling.has_weekday())
        change.weekday = descaling.weekday();
    if (descaling.has_start_time())
        change.startTime = descaling.start_time();
    if (descaling.has_dosage())
        change.dosage = descaling.dosage();
    return change;
}

SaunaReport applyRecordPosts(const vaholumo::External_to_sauna &envelope, SaunaStateModel &model)
{
    SaunaReport changes;
    for (const vaholumo::Favorite_post &post : envelope.favorite_post())
        changes.append(model.requestFavorite(decodeFavoritePost(post)));
    for (const vaholumo::Calendar_post &post : envelope.calendar_post())
        changes.append(model.requestCalendarProgram(decodeCalendarPost(post)));
    return changes;
}

QByteArray encodeAnnouncement(const SaunaIdentity &identity, quint16 saunaPort)
{
    vaholumo::Announcement announcement;
    announcement.set_identity(identity.identity.toString().toStdString());
    announcement.set_port(saunaPort);
    announcement.set_brand(static_cast<vaholumo::Connection_types_brand_t>(identity.brand));
    announcement.set_rcb_product(
        static_cast<vaholumo::Connection_types_rcb_product_t>(identity.rcbProduct));
    appendCodeUnits(identity.name, announcement.mutable_name());
    announcement.set_system_type(
        static_cast<vaholumo::Connection_types_system_type_t>(identity.systemType));
    return serialized(announcement);
}

QByteArray encodeConnectReply(const SaunaIdentity &identity, int status,
                              quint32 keepAliveIntervalSeconds)
{
    vaholumo::Sauna_to_external envelope;
    vaholumo::Connect_reply *reply = envelope.mutable_connect_reply();
    if (vaholumo::Connect_reply_connect_status_t_IsValid(status))
        reply->set_connect_status(static_cast<vaholumo::Connect_reply_connect_status_t>(status));
    // A refusal carries the full description too: without it a panel cannot tell a wrong PIN
    // from a failed attempt.
    reply->set_identity(identity.identity.toString().toStdString());
    reply->set_brand(static_cast<vaholumo::Connection_types_brand_t>(identity.brand));
    reply->set_keep_alive_interval(keepAliveIntervalSeconds);
    reply->set_rcb_product(
        static_cast<vaholumo::Connection_types_rcb_product_t>(identity.rcbProduct));
    appendCodeUnits(identity.name, reply->mutable_name());
    // Only the character count is offered: the limit tables are the built-in ones, so a panel
    // never needs to ask for them.
    reply->mutable_features()->set_supported_character_count(quint32(supportedCharacters().size()));
    appendCodeUnits(identity.applicationName, reply->mutable_application_name());
    appendCodeUnits(identity.applicationVersion, reply->mutable_application_version());
    reply->set_system_type(
        static_cast<vaholumo::Connection_types_system_type_t>(identity.systemType));
    return serialized(envelope);
}

QByteArray encodeReport(const SaunaReport &report, const SaunaStateModel &model,
                        const QDateTime &nowUtc)
{
    vaholumo::Sauna_to_external envelope;
    fillReport(report, model, nowUtc, envelope);
    return serialized(envelope);
}

QByteArray encodeFullReport(const SaunaStateModel &model, const QDateTime &nowUtc,
                            const std::vector<SimulatedNode> &nodes)
{
    vaholumo::Sauna_to_external envelope;
    fillReport(model.fullReport(), model, nowUtc, envelope);
    fillControlBoardSupport(envelope.mutable_control_board_support(), model.hasSteamGenerator());

    vaholumo::Warm_up_characteristics *warmUp = envelope.mutable_warm_up_characteristics();
    warmUp->set_warm_up_flag(false);
    // The rate the calendar's ready-at programs plan their warm-up with.
    warmUp->set_heat_ratio(calendar::WarmUp::HeatRatio);
    warmUp->set_warm_up_value_2(0);

    for (const SimulatedNode &node : nodes) {
        vaholumo::Node_item *item = envelope.add_node_item();
        item->set_index(node.index);
        item->set_address(node.address);
        item->set_profile(static_cast<vaholumo::Node_item_profile_t>(node.profile));
        item->set_product(node.product);
        item->set_zerededid_version(node.zerededidVersion.toStdString());
        item->set_application_version(node.applicationVersion.toStdString());
    }
    return serialized(envelope);
}

std::vector<SimulatedNode> simulatedNodes(bool multiSteam)
{
    // The relay control boards sit above bus address 63 and every other node at 63 or below, as
    // the panel counts the boards by their address. Product 0 is a heater board, 1 a steam board
    // and 257 a control panel.
    constexpr int board = vaholumo::Node_item_profile_t_NODE_PROFILE_RCB;
    constexpr int panel = vaholumo::Node_item_profile_t_NODE_PROFILE_CP;
    constexpr int sensor = vaholumo::Node_item_profile_t_NODE_PROFILE_THS;
    const QString zerededid = QStringLiteral("1.4.0");
    std::vector<SimulatedNode> nodes;
    if (multiSteam) {
        nodes.push_back({0, 64, board, 1, zerededid, QStringLiteral("2.1.3")});
        nodes.push_back({1, 65, board, 1, zerededid, QStringLiteral("2.1.3")});
        nodes.push_back({2, 66, board, 1, zerededid, QStringLiteral("2.1.2")});
    } else {
        nodes.push_back({0, 64, board, 0, zerededid, QStringLiteral("2.1.3")});
    }
    const auto index = quint32(nodes.size());
    nodes.push_back({index, 16, panel, 257, zerededid, QStringLiteral("3.0.7")});
    nodes.push_back({index + 1, 32, sensor, 0, QStringLiteral("1.3.1"), QStringLiteral("1.0.4")});
    return nodes;
}

QByteArray encodeKeepAlive(quint32 sequenceNumber)
{
    vaholumo::Sauna_to_external envelope;
    envelope.mutable_keep_alive()->set_sequence_number(sequenceNumber);
    return serialized(envelope);
}

QByteArray encodeNoConnection()
{
    vaholumo::Sauna_to_external envelope;
    envelope.mutable_no_connection();
    return serialized(envelope);
}

QByteArray encodeSupportedCharacters()
{
    vaholumo::Sauna_to_external envelope;
    appendCodeUnits(supportedCharacters(),
                    envelope.mutable_sauna_function_support()->mutable_supported_characters());
    return serialized(envelope);
}

std::vector<QByteArray> malformedReports()
{
    vaholumo::Sauna_to_external envelope;
    vaholumo::Integer_value_changed *changed = envelope.add_integer_value_changed();
    changed->set_value_id(
        static_cast<vaholumo::Integer_value_changed_value_t>(IntegerId::TargetTemperature));
    changed->set_value(999);
    // Field 2011 (boolean reports), length-delimited, claiming 16 bytes where 2 follow.
    const QByteArray lengthPastEnd = serialized(envelope) + QByteArray("\xDA\x7D\x10\x08\x0A", 5);
    return {
        lengthPastEnd, QByteArray(1, char(0xFF)),                        // a tag cut short
        QByteArray(10, char(0x80)) + QByteArray(1, char(0x01)) + "\x08", // an eleven-byte varint
    };
}

std::vector<QByteArray> malformedAnnouncements(const SaunaIdentity &identity)
{
    // Field 5 (the name), packed, claiming 127 bytes where none follow.
    const QByteArray wrongPort = encodeAnnouncement(identity, 1) + QByteArray("\x2A\x7F", 2);
    return {wrongPort, QByteArray(1, char(0xFF))};
}

} // namespace tools
