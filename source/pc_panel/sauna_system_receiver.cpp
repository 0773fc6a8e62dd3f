#include "pc_panel/sauna_system_receiver.h"

#include "pc_panel/connection_message_sink.h"
#include "pc_panel/link_logging.h"
#include "pc_panel/supported_characters.h"
#include "pc_panel/temperature_humidity_limits.h"
#include "protocol_buffers_support/message_parsing.h"
#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/control_board_support_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/error_log_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/favorite_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/user_message_converter.h"
#include "sauna_bridge/message_formatter_base.h"
#include "signal_interface/protocol_facts.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <memory>
#include <utility>

namespace pcPanel {

namespace {

using namespace signalInterface;
namespace conversion = pbSupport::conversion;

namespace protocolFacts = signalInterface::protocolFacts;
constexpr qsizetype loggedPrefixLength = 16;

// A real sauna's datagrams stay far below this. Protobuf keeps the elements of a cleared message
// for reuse, so after a larger datagram the parse buffer is given back rather than kept at its
// size.
constexpr qsizetype largestKeptDatagram = 8 * 1024;

// How many elements of each repeated member the panel's records can hold: one per slot of the
// sauna's favorites, calendar, relays, error log and bus, and one per id or field of the value
// reports.
constexpr int favoriteCapacity = int(conversion::favoriteCount);
constexpr int calendarCapacity = int(conversion::CalendarConverter::programCount);
constexpr int auxRelayCapacity = AuxiliaryRelayTypes::relayCount;
constexpr int errorLogCapacity = int(conversion::errorLogEntryCount);
constexpr int nodeCapacity = int(conversion::NodeConverter::nodeCount);
constexpr int relayOutputCapacity = int(conversion::StateConverter::relayOutputCount);
constexpr int integerReportCapacity = vaholumo::Integer_value_changed::value_t_ARRAYSIZE;
constexpr int booleanReportCapacity = vaholumo::Boolean_value_changed::value_t_ARRAYSIZE;
constexpr int enumReportCapacity = 7; // one per field of Enum_value_changed

// The leading elements of a repeated member, at most capacity of them.
template<typename Iterator>
struct ElementRange
{
    Iterator first;
    Iterator last;
    Iterator begin() const { return first; }
    Iterator end() const { return last; }
};

// What the panel can hold of a repeated member. A sauna that sends more is lying or broken; the
// excess is dropped with one log line instead of costing a signal, and time, per element.
template<typename Elements>
auto heldElements(const Elements &elements, int capacity, const char *member)
{
    const int count = std::min(elements.size(), capacity);
    if (elements.size() > capacity)
        qCDebug(linkLog) << "dropped" << elements.size() - capacity << member << "beyond the"
                         << capacity << "the panel can hold";
    return ElementRange<decltype(elements.begin())>{elements.begin(), elements.begin() + count};
}

// Limit-table entries and versions are ints in the panel; a larger wire value makes the table
// unusable rather than negative.
template<typename Table, typename Entries>
bool toLimitTable(quint32 version, const Entries &entries, Table &out)
{
    if (version > static_cast<quint32>(INT_MAX) ||
        entries.size() != static_cast<int>(out.values.size()))
        return false;
    Table table;
    table.version = static_cast<int>(version);
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.Get(i) > static_cast<quint32>(INT_MAX))
            return false;
        table.values[static_cast<size_t>(i)] = static_cast<int>(entries.Get(i));
    }
    out = table;
    return true;
}

} // namespace

// The order in which the members of one datagram are handled, whatever their order on the wire.
const SaunaSystemReceiver::MemberHandler SaunaSystemReceiver::s_handlingOrder[] = {
    &SaunaSystemReceiver::handleConnectReply,        // 2000
    &SaunaSystemReceiver::handleControlBoardSupport, // 2060
    &SaunaSystemReceiver::handleBooleanValues,       // 2011
    &SaunaSystemReceiver::handleIntegerValues,       // 2010
    &SaunaSystemReceiver::handleEnumValues,          // 2100
    &SaunaSystemReceiver::handlePresentedValue,      // 2030
    &SaunaSystemReceiver::handleSaunaState,          // 2050
    &SaunaSystemReceiver::handleFavorites,           // 2040
    &SaunaSystemReceiver::handleCalendarPosts,       // 2045
    &SaunaSystemReceiver::handleAuxRelays,           // 2070
    &SaunaSystemReceiver::handleErrorPosts,          // 2080
    &SaunaSystemReceiver::handleDescaling,           // 2075
    &SaunaSystemReceiver::handleKeepAlive,           // 2002
    &SaunaSystemReceiver::handleNodeItems,           // 2130
    &SaunaSystemReceiver::handleFunctionSupport,     // 2120
    &SaunaSystemReceiver::handleUserMessage,         // 2110
    &SaunaSystemReceiver::handleWarmUp,              // 2090
    &SaunaSystemReceiver::handleDataErrors,          // 3000
};

SaunaSystemReceiver::SaunaSystemReceiver(saunaBridge::MessageFormatterBase *formatter,
                                         QObject *parent)
    : ZerededidBridgeReceiverSignalInterface(parent)
    , m_formatter(formatter)
{}

SaunaSystemReceiver::~SaunaSystemReceiver() = default;

void SaunaSystemReceiver::setPeer(const QHostAddress &address, quint16 port)
{
    m_peerAddress = address;
    m_peerPort = port;
    m_hasPeer = !address.isNull();
}

void SaunaSystemReceiver::clearPeer()
{
    m_peerAddress.clear();
    m_peerPort = 0;
    m_hasPeer = false;
}

bool SaunaSystemReceiver::handleDatagram(const QByteArray &datagram, const QHostAddress &sender,
                                         quint16 senderPort)
{
    // A socket bound to IPv4 reports plain IPv4 senders; the tolerant comparison also accepts an
    // IPv4-mapped IPv6 form of the same address.
    if (!m_hasPeer || senderPort != m_peerPort ||
        (sender != m_peerAddress &&
         !sender.isEqual(m_peerAddress, QHostAddress::TolerantConversion))) {
        qCDebug(linkLog) << "datagram from" << sender << senderPort << "is not from the peer";
        return false;
    }

    // A slot that spins the event loop could bring the next datagram in while this one is still
    // being handled; it then gets a buffer of its own.
    std::unique_ptr<vaholumo::Sauna_to_external> nestedEnvelope;
    if (m_handlingDatagram)
        nestedEnvelope = std::make_unique<vaholumo::Sauna_to_external>();
    vaholumo::Sauna_to_external &envelope = nestedEnvelope ? *nestedEnvelope : m_envelope;
    if (!pbSupport::parseDatagram(datagram, envelope)) {
        qCDebug(linkLog) << "dropped a datagram that does not parse:" << datagram.size() << "bytes"
                         << datagram.left(loggedPrefixLength).toHex(' ');
        if (!nestedEnvelope)
            releaseLargeParseBuffer(datagram.size());
        return false;
    }

    const bool outermost = !m_handlingDatagram;
    m_handlingDatagram = true;
    // Failures are counted per datagram, a nested one included.
    DatagramFailures failures;
    DatagramFailures *const enclosingFailures = std::exchange(m_failures, &failures);
    handleEnvelope(envelope);
    m_failures = enclosingFailures;
    if (outermost)
        m_handlingDatagram = false;
    if (failures.unshown > 0)
        qCDebug(linkLog) << failures.unshown << "further failures of the datagram not shown";
    if (!nestedEnvelope)
        releaseLargeParseBuffer(datagram.size());
    return true;
}

void SaunaSystemReceiver::releaseLargeParseBuffer(qsizetype datagramSize)
{
    if (datagramSize > largestKeptDatagram)
        m_envelope = vaholumo::Sauna_to_external();
}

void SaunaSystemReceiver::handleEnvelope(const vaholumo::Sauna_to_external &envelope)
{
    static_assert(std::size(s_handlingOrder) == 18,
                  "every handled member of Sauna_to_external has its place");
    // A sauna that no longer knows this panel has no connection data for it, and its answer
    // must not keep a dead connection looking alive.
    if (envelope.has_no_connection()) {
        qCDebug(linkLog) << "the sauna reports no connection with this panel";
        if (m_connectionSink != nullptr)
            m_connectionSink->handleNoConnection();
        return;
    }
    for (const MemberHandler handler : s_handlingOrder) {
        // A connect reply that ends the connection clears the peer: the rest of that datagram is
        // no longer the connected sauna's data.
        if (!m_hasPeer)
            return;
        (this->*handler)(envelope);
    }
    if (m_connectionSink != nullptr)
        m_connectionSink->handleSignOfLife();
}

void SaunaSystemReceiver::handleConnectReply(const vaholumo::Sauna_to_external &envelope)
{
    if (envelope.has_connect_reply() && m_connectionSink != nullptr)
        m_connectionSink->handleConnectReply(envelope.connect_reply(), m_peerAddress, m_peerPort);
}

void SaunaSystemReceiver::handleControlBoardSupport(const vaholumo::Sauna_to_external &envelope)
{
    if (!envelope.has_control_board_support())
        return;
    MasterFuncDescTypes::MasterFuncDescPost functions;
    if (conversion::toSiMasterFuncDesc(envelope.control_board_support(), functions))
        emit saunaMasterFuncDescChanged(functions);
    else
        qCDebug(linkLog) << "incomplete control-board support report ignored";
}

void SaunaSystemReceiver::handleBooleanValues(const vaholumo::Sauna_to_external &envelope)
{
    for (const auto &report :
         heldElements(envelope.boolean_value_changed(), booleanReportCapacity, "boolean reports"))
        handleBooleanValue(report);
}

void SaunaSystemReceiver::handleBooleanValue(const vaholumo::Boolean_value_changed &report)
{
    // An id outside the valid set parses as absent, so this also drops undeclared ids.
    if (!report.has_value_id() || !report.has_value())
        return;
    const bool value = report.value() != 0;
    switch (report.value_id()) {
    case vaholumo::Boolean_value_changed_value_t_LIGHTS:
        emit saunaLightsStateChange(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_ENABLE_STANDBY:
        emit saunaEnableStandbyChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_HUMIDITY_SENSOR_STATUS:
        emit saunaHumiditySensorStatusChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_DELAYED_START_ENABLE:
        emit delayedStartEnableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_DELAYED_START_RUNNING:
        emit delayedStartRunningChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_MAGNETIC_SENSOR_CONNECTED:
        emit saunaMagneticSensorConnectedChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_SCHEDULE_ITEM_DISABLE:
        emit saunaScheduleItemDisableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_FAN_AUTOMATIC:
        emit saunaFanAutomaticChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_FAN_RUNNING:
        emit saunaFanRunningChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_CLEANUP_ENABLE:
        emit saunaCleanupEnableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_TANK_AUTO_EMPTYING_ENABLE:
        emit saunaTankAutoEmptyingEnableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_NOT_ALLOWED_START_ENABLE:
        emit saunaNotAllowedStartEnableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_TANK_NOTIFICATION_ENABLE:
        emit tankNotificationEnableChanged(value);
        break;
    case vaholumo::Boolean_value_changed_value_t_IR_ENABLE:
        emit irEnableChanged(value);
        break;
    }
}

void SaunaSystemReceiver::handleIntegerValues(const vaholumo::Sauna_to_external &envelope)
{
    for (const auto &report :
         heldElements(envelope.integer_value_changed(), integerReportCapacity, "integer reports"))
        handleIntegerValue(report);
}

void SaunaSystemReceiver::handleIntegerValue(const vaholumo::Integer_value_changed &report)
{
    // An id outside the valid set parses as absent, so this also drops undeclared ids.
    if (!report.has_value_id() || !report.has_value())
        return;
    // The bridge signals carry ints. A larger value is passed on as the largest int, so that it
    // replaces the one reported before: a settings row writes it as its screen writes any report,
    // and a screen that has no room for it (the bath time on the main screen) reads "--".
    if (report.value() > static_cast<quint32>(INT_MAX))
        qCDebug(linkLog) << "integer report" << report.value_id() << "beyond int, the largest int";
    const int value = static_cast<int>(qMin(report.value(), static_cast<quint32>(INT_MAX)));
    switch (report.value_id()) {
    case vaholumo::Integer_value_changed_value_t_TARGET_TEMPERATURE:
        emit saunaTargetTemperatureChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_STANDBY_OFFSET_TEMPERATURE:
        emit saunaStandbyOffsetTemperatureChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_TEMPERATURE:
        emit saunaTemperatureChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_LOWER_TEMPERATURE_LIMIT:
        emit saunaLowerTemperatureLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_UPPER_TEMPERATURE_LIMIT:
        emit saunaUpperTemperatureLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_SYSTEM_LOWER_TEMPERATURE_LIMIT:
        emit saunaSystemLowerTemperatureLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_SYSTEM_UPPER_TEMPERATURE_LIMIT:
        emit saunaSystemUpperTemperatureLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_BATH_TIME:
        emit saunaBathTimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_BATH_TIME_LIMIT:
        emit saunaBathTimeLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_HUMIDITY:
        if (protocolFacts::isHumidityLevelCode(value))
            emit saunaHumidityChanged(value - protocolFacts::humidityLevelCodeOffset,
                                      HumidityTypes::E_step);
        else
            emit saunaHumidityChanged(value, HumidityTypes::E_percentage);
        break;
    case vaholumo::Integer_value_changed_value_t_TARGET_HUMIDITY:
        // Passed on coded; the humidity controller decodes it.
        emit saunaTargetHumidityChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_TANK_TEMPERATURE_PRIMARY:
        emit saunaTankTemperatureChanged(NodeInformationTypes::E_master, value);
        break;
    case vaholumo::Integer_value_changed_value_t_RUN_TIME_LEFT:
        emit saunaRunTimeLeftChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_TIME_TO_ALLOWED_ON:
        emit saunaTimeToAllowedOnChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_TANK_STANDBY_TEMPERATURE:
        emit saunaTankStandbyTemperatureChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_EXT_SWITCH_BATH_TIME:
        emit saunaExtSwBathtimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_RUN_TIME:
        emit saunaRunTimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_WATER_TEMPERATURE_LIMIT:
        emit saunaWaterTempLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_PCB_OVERHEAT_LIMIT:
        emit saunaPcbOverheatLimitChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_FAN_RUNTIME:
        emit saunaFanRuntimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_CLEANUP_BETWEEN_TIME:
        emit saunaCleanupBetweenTimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_CLEANUP_TOTAL:
        emit saunaCleanupTotalChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_LAST_DESCALING: {
        // A day number giving no plausible date is treated as absent.
        QDate date;
        if (conversion::toSiDate(report.value(), date))
            emit saunaLastDescalingChanged(date);
        break;
    }
    case vaholumo::Integer_value_changed_value_t_BATH_TIME_TIMER_RESET:
        emit saunaBathTimeTimerReset();
        break;
    case vaholumo::Integer_value_changed_value_t_TANK_AUTO_EMPTYING_DURATION:
        emit saunaTankAutoEmptyingDurationChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_RCB_TANK_FILL_TIME:
        emit saunaRcbTankFillTimeChanged(value);
        break;
    case vaholumo::Integer_value_changed_value_t_NOT_ALLOWED_START_FROM: {
        // Minutes of the day stop at 1439; a larger value would give an invalid time.
        QTime time;
        if (conversion::toSiMinuteOfDay(report.value(), time))
            emit saunaNotAllowedStartFromTimeChanged(time);
        break;
    }
    case vaholumo::Integer_value_changed_value_t_NOT_ALLOWED_START_UNTIL: {
        QTime time;
        if (conversion::toSiMinuteOfDay(report.value(), time))
            emit saunaNotAllowedStartUntilTimeChanged(time);
        break;
    }
    case vaholumo::Integer_value_changed_value_t_TANK_TEMPERATURE_SECONDARY_1:
        emit saunaTankTemperatureChanged(NodeInformationTypes::E_slave_1, value);
        break;
    case vaholumo::Integer_value_changed_value_t_TANK_TEMPERATURE_SECONDARY_2:
        emit saunaTankTemperatureChanged(NodeInformationTypes::E_slave_2, value);
        break;
    case vaholumo::Integer_value_changed_value_t_NEXT_DESCALING:
        emit saunaNextDescalingChanged(value);
        break;
    }
}

void SaunaSystemReceiver::handleEnumValues(const vaholumo::Sauna_to_external &envelope)
{
    auto &converter = conversion::EnumValueConverter::instance();
    for (const auto &report :
         heldElements(envelope.enum_value_changed(), enumReportCapacity, "enum reports")) {
        if (report.has_water_level_primary())
            emit saunaTankWaterLevelChanged(NodeInformationTypes::E_master,
                                            converter.toSiWaterLevel(report.water_level_primary()));
        if (report.has_facility_type())
            emit saunaFacilityTypeChanged(converter.toSiFacilityType(report.facility_type()));
        if (report.has_region())
            emit saunaRegionChanged(converter.toSiRegion(report.region()));
        if (report.has_external_switch_function())
            emit saunaExternalSwitchFunctionChanged(
                converter.toSiExternalSwitchFunction(report.external_switch_function()));
        if (report.has_bath_priority())
            emit saunaBathPriorityChanged(converter.toSiBathPriority(report.bath_priority()));
        if (report.has_water_level_secondary_1())
            emit saunaTankWaterLevelChanged(
                NodeInformationTypes::E_slave_1,
                converter.toSiWaterLevel(report.water_level_secondary_1()));
        if (report.has_water_level_secondary_2())
            emit saunaTankWaterLevelChanged(
                NodeInformationTypes::E_slave_2,
                converter.toSiWaterLevel(report.water_level_secondary_2()));
    }
}

void SaunaSystemReceiver::handlePresentedValue(const vaholumo::Sauna_to_external &)
{
    // The presented value is parsed with the datagram but passes nothing on; its arrival counts
    // only as the sign of life that every accepted datagram gives.
}

void SaunaSystemReceiver::handleSaunaState(const vaholumo::Sauna_to_external &envelope)
{
    if (!envelope.has_sauna_state_changed())
        return;
    const auto &report = envelope.sauna_state_changed();

    SaunaStateTypes::SaunaState state;
    if (report.has_state() &&
        conversion::StateConverter::instance().toSiState(report.state(), state))
        emit saunaPhysicalStateChanged(state);

    // time_valid false means the clock is not to be used; absent means it is.
    if (report.has_system_time() && (!report.has_time_valid() || report.time_valid())) {
        DateTimeTypes::SaunaDateTime dateTime;
        if (conversion::toSiDateTime(report.system_time(), dateTime.dateTime)) {
            dateTime.dateValid = true;
            dateTime.timeValid = true;
            emit saunaTimeChanged(dateTime);
        } else {
            // No date at all: the clock is unknown, rather than the former report running on.
            qCDebug(linkLog) << "implausible sauna clock, unknown";
            emit saunaTimeChanged(DateTimeTypes::SaunaDateTime());
        }
    }

    RelayStatusTypes::RelayStatus status;
    for (const auto &relay : heldElements(report.relay(), relayOutputCapacity, "relay outputs")) {
        RelayStatusTypes::RelayStatusPost post;
        // A relay element that does not convert is left out without a message.
        if (auto error = conversion::StateConverter::toSiRelay(relay, post))
            qCDebug(linkLog) << *error;
        else
            status.append(post);
    }
    // One signal for a report that lists relays, with those that converted, even none.
    if (report.relay_size() > 0)
        emit saunaRcbRelayChanged(status);
}

void SaunaSystemReceiver::handleFavorites(const vaholumo::Sauna_to_external &envelope)
{
    for (const auto &post : heldElements(envelope.favorite_post(), favoriteCapacity, "favorites")) {
        FavoritesTypes::FavoritesPost favorite;
        // A favorite that does not convert is dropped without a message.
        if (auto error = conversion::toSiFavorite(post, favorite))
            qCDebug(linkLog) << *error;
        else
            emit saunaFavoritesPostChanged(favorite);
    }
}

void SaunaSystemReceiver::handleCalendarPosts(const vaholumo::Sauna_to_external &envelope)
{
    auto &converter = conversion::CalendarConverter::instance();
    for (const auto &post :
         heldElements(envelope.calendar_post(), calendarCapacity, "calendar programs")) {
        CalendarProgram program;
        if (auto error = converter.toSiCalendarProgram(post, program))
            raiseInternalError(__LINE__, *error);
        else
            emit saunaCalendarProgramChanged(program);
    }
}

void SaunaSystemReceiver::handleAuxRelays(const vaholumo::Sauna_to_external &envelope)
{
    auto &converter = conversion::AuxRelayConverter::instance();
    for (const auto &report :
         heldElements(envelope.aux_relay_post_sauna(), auxRelayCapacity, "aux relays")) {
        AuxiliaryRelayTypes::AuxiliaryRelayPost relay;
        if (auto error = converter.toSiAuxRelay(report, relay))
            raiseInternalError(__LINE__, *error);
        else
            emit saunaAuxRelaySettingChanged(relay);
    }
}

void SaunaSystemReceiver::handleErrorPosts(const vaholumo::Sauna_to_external &envelope)
{
    for (const auto &post :
         heldElements(envelope.error_post(), errorLogCapacity, "error-log entries")) {
        ErrorLogTypes::ErrorLogItem item;
        // An entry that does not convert is dropped without a message.
        if (auto error = conversion::toSiErrorLogItem(post, item))
            qCDebug(linkLog) << *error;
        else
            emit saunaErrorLogItemChanged(item);
    }
}

void SaunaSystemReceiver::handleDescaling(const vaholumo::Sauna_to_external &envelope)
{
    if (!envelope.has_descaling())
        return;
    AuxiliaryRelayTypes::Descaling descaling;
    if (auto error = conversion::AuxRelayConverter::instance().toSiDescaling(envelope.descaling(),
                                                                             descaling))
        raiseInternalError(__LINE__, *error);
    else
        emit saunaDescalingChanged(descaling);
}

void SaunaSystemReceiver::handleKeepAlive(const vaholumo::Sauna_to_external &envelope)
{
    if (envelope.has_keep_alive() && m_connectionSink != nullptr)
        m_connectionSink->handleSaunaKeepAlive();
}

void SaunaSystemReceiver::handleNodeItems(const vaholumo::Sauna_to_external &envelope)
{
    auto &converter = conversion::NodeConverter::instance();
    for (const auto &item : heldElements(envelope.node_item(), nodeCapacity, "node items")) {
        NodeInformationTypes::NodeInformationPost node;
        if (auto error = converter.toSiNode(item, node))
            raiseInternalError(__LINE__, *error);
        else
            emit saunaNodeListItemChanged(node);
    }
}

void SaunaSystemReceiver::handleFunctionSupport(const vaholumo::Sauna_to_external &envelope)
{
    if (!envelope.has_sauna_function_support())
        return;
    const auto &support = envelope.sauna_function_support();

    if (support.supported_characters_size() > 0) {
        SupportedCharacters::CharacterSet characters;
        bool allCodeUnits = true;
        for (const auto unit : support.supported_characters()) {
            // A value above 0xFFFF is no UTF-16 code unit: the whole set is suspect.
            if (unit > 0xFFFF) {
                allCodeUnits = false;
                break;
            }
            characters.insert(static_cast<quint16>(unit));
        }
        if (allCodeUnits)
            SupportedCharacters::instance().setCharacters(characters);
        else
            qCDebug(linkLog) << "supported characters with a non-code-unit value ignored";
    }

    // Each table is stored only with its full entry count and a version above the newest one
    // the panel knows (stored or in use); the limits object refuses older ones.
    auto &limits = TemperatureHumidityLimits::instance();
    TemperatureHumidityLimits::MaxHumidityTable humidityTable;
    if (support.has_max_humidity_table_version() &&
        toLimitTable(support.max_humidity_table_version(), support.max_humidity_table(),
                     humidityTable))
        limits.storeMaxHumidityTable(humidityTable);
    TemperatureHumidityLimits::MaxTemperatureTable temperatureTable;
    if (support.has_max_temperature_table_version() &&
        toLimitTable(support.max_temperature_table_version(), support.max_temperature_table(),
                     temperatureTable))
        limits.storeMaxTemperatureTable(temperatureTable);
}

void SaunaSystemReceiver::handleUserMessage(const vaholumo::Sauna_to_external &envelope)
{
    if (!envelope.has_user_message())
        return;
    UserMessageTypes::UserMessage message;
    // A message that does not convert is dropped: nothing is shown and nothing reported.
    if (auto error =
            conversion::UserMessageConverter::toSiUserMessage(envelope.user_message(), message)) {
        qCDebug(linkLog) << *error;
        return;
    }
    if (m_formatter != nullptr)
        m_formatter->format(message);
    emit saunaUserMessageChanged(message);
}

void SaunaSystemReceiver::handleWarmUp(const vaholumo::Sauna_to_external &envelope)
{
    if (envelope.has_warm_up_characteristics())
        emit saunaSmartStartChanged(
            conversion::CalendarConverter::toSiSmartStart(envelope.warm_up_characteristics()));
}

void SaunaSystemReceiver::handleDataErrors(const vaholumo::Sauna_to_external &envelope)
{
    // Only the first can be shown; the others are counted with the datagram's further failures.
    if (envelope.data_error_size() == 0)
        return;
    const auto &dataError = envelope.data_error(0);
    if (dataError.has_description())
        raiseInternalError(__LINE__,
                           conversion::cutUtf8Text(dataError.description(),
                                                   protocolFacts::longestDataErrorDescription));
    else
        raiseInternalError(__LINE__,
                           QStringLiteral("server reported data error without description"));
    if (m_failures != nullptr)
        m_failures->unshown += envelope.data_error_size() - 1;
}

void SaunaSystemReceiver::compareSaunaFeatures(const vaholumo::Sauna_features &features)
{
    if (features.has_supported_character_count() &&
        features.supported_character_count() !=
            static_cast<quint32>(SupportedCharacters::instance().count()))
        emit supportedCharactersUpdateNeeded();

    auto &limits = TemperatureHumidityLimits::instance();
    // A version beyond int cannot equal any version the panel holds.
    const auto differs = [](quint32 saunaVersion, auto isUpdateNeeded) {
        return saunaVersion > static_cast<quint32>(INT_MAX) ||
               isUpdateNeeded(static_cast<int>(saunaVersion));
    };
    if (features.has_max_humidity_table_version() &&
        differs(features.max_humidity_table_version(),
                [&limits](int version) { return limits.isMaxHumidityTableUpdateNeeded(version); }))
        emit maxHumityTableUpdateNeeded();
    if (features.has_max_temperature_table_version() &&
        differs(features.max_temperature_table_version(), [&limits](int version) {
            return limits.isMaxTemperatureTableUpdateNeeded(version);
        }))
        emit maxTemperatureTableUpdateNeeded();
}

void SaunaSystemReceiver::raiseInternalError(int line, const QString &description)
{
    // One datagram raises one message at most, however many of its items fail: the first
    // failure is shown, the others are only counted.
    if (m_failures != nullptr) {
        if (m_failures->raised) {
            ++m_failures->unshown;
            return;
        }
        m_failures->raised = true;
    }
    emit panelUserMessageIssued(conversion::makeInternalErrorMessage(__FILE__, line, description),
                                nullptr);
}

} // namespace pcPanel
