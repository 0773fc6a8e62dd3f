#include "pc_panel/sauna_system_sender.h"

#include "pc_panel/datagram_transport.h"
#include "pc_panel/link_logging.h"
#include "pc_panel/sauna_system_receiver.h"
#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/calendar_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/favorite_conversion.h"
#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"
#include "protocol_buffers_support/si_pb_type_conversion/user_message_converter.h"
#include "signal_interface/sender_connections.h"

#include <QByteArray>

namespace pcPanel {

namespace {

using IntegerId = vaholumo::Integer_value_change_request_value_t;
using BooleanId = vaholumo::Boolean_value_change_request_value_t;
using Command = vaholumo::General_command_command_t;
namespace conversion = pbSupport::conversion;

} // namespace

SaunaSystemSender::SaunaSystemSender(QObject *parent)
    : ZerededidBridgeSenderSlotInterface(parent)
{}

SaunaSystemSender::~SaunaSystemSender() = default;

bool SaunaSystemSender::send(const vaholumo::External_to_sauna &envelope)
{
    if (m_transport == nullptr || !m_transport->hasPeer()) {
        qCDebug(linkLog) << "no peer: request dropped";
        return false;
    }
    const size_t size = envelope.ByteSizeLong();
    QByteArray datagram(static_cast<qsizetype>(size), Qt::Uninitialized);
    envelope.SerializeWithCachedSizesToArray(reinterpret_cast<quint8 *>(datagram.data()));
    if (!m_transport->sendToPeer(datagram)) {
        qCDebug(linkLog) << "transport refused a datagram of" << datagram.size() << "bytes";
        return false;
    }
    emit datagramSent();
    return true;
}

int SaunaSystemSender::connectReceiverSignals(SaunaSystemReceiver *receiver)
{
    if (receiver == nullptr)
        return 5;
    int failures = 0;
    const auto count = [&failures](const QMetaObject::Connection &connection) {
        if (!connection)
            ++failures;
    };
    count(connect(receiver, &SaunaSystemReceiver::saunaLightsStateChange, this,
                  &SaunaSystemSender::onSaunaLightsStateChange));
    count(connect(receiver, &SaunaSystemReceiver::saunaFanRunningChanged, this,
                  &SaunaSystemSender::onSaunaFanRunningChanged));
    count(connect(receiver, &SaunaSystemReceiver::supportedCharactersUpdateNeeded, this,
                  &SaunaSystemSender::onSupportedCharactersUpdateNeeded));
    count(connect(receiver, &SaunaSystemReceiver::maxHumityTableUpdateNeeded, this,
                  &SaunaSystemSender::onMaxHumityTableUpdateNeeded));
    count(connect(receiver, &SaunaSystemReceiver::maxTemperatureTableUpdateNeeded, this,
                  &SaunaSystemSender::onMaxTemperatureTableUpdateNeeded));
    return failures;
}

int SaunaSystemSender::connectUpdateSaunaRequests(const QList<QObject *> &senders)
{
    // The Network screen is a QObject handed over by pointer, hence the string connect.
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(updateSaunaRequest()), SLOT(onUpdateSaunaRequest())}});
}

void SaunaSystemSender::resetReportedStates()
{
    m_lightsOn = false;
    m_fanRunning = false;
}

vaholumo::External_to_sauna &SaunaSystemSender::freshEnvelope()
{
    // Clear() keeps the sub-message storage, so steady-state requests do not allocate.
    m_envelope.Clear();
    return m_envelope;
}

void SaunaSystemSender::sendIntegerRequest(IntegerId id, int value)
{
    // The wire value is unsigned; a negative request would arrive as a huge number.
    if (value < 0) {
        qCDebug(linkLog) << "negative value" << value << "for integer request" << id << "dropped";
        return;
    }
    auto &envelope = freshEnvelope();
    auto *request = envelope.add_integer_value_change_request();
    request->set_value_id(id);
    request->set_value(static_cast<quint32>(value));
    send(envelope);
}

void SaunaSystemSender::sendMinuteOfDayRequest(IntegerId id, const QTime &time)
{
    std::uint32_t minutes = 0;
    if (!conversion::toPbMinuteOfDay(time, minutes)) {
        qCDebug(linkLog) << "invalid time for integer request" << id << "dropped";
        return;
    }
    sendIntegerRequest(id, static_cast<int>(minutes));
}

void SaunaSystemSender::sendBooleanRequest(BooleanId id, bool value)
{
    auto &envelope = freshEnvelope();
    auto *request = envelope.add_boolean_value_change_request();
    request->set_value_id(id);
    request->set_value(value ? 1 : 0);
    send(envelope);
}

void SaunaSystemSender::sendGeneralCommand(Command command)
{
    auto &envelope = freshEnvelope();
    envelope.add_general_command()->set_command(command);
    send(envelope);
}

void SaunaSystemSender::raiseInternalError(int line, const QString &description)
{
    emit panelUserMessageIssued(conversion::makeInternalErrorMessage(__FILE__, line, description),
                                nullptr);
}

void SaunaSystemSender::onTargetTemperatureChangeRequested(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_TARGET_TEMPERATURE,
                       temperature);
}

void SaunaSystemSender::onTargetHumidityChangeRequested(int humidity)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_TARGET_HUMIDITY, humidity);
}

void SaunaSystemSender::onMinBathTemperatureChangeRequested(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_MIN_BATH_TEMPERATURE,
                       temperature);
}

void SaunaSystemSender::onMaxBathTemperatureChangeRequested(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_MAX_BATH_TEMPERATURE,
                       temperature);
}

void SaunaSystemSender::onBathTimeChangeRequested(int minutes)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_BATH_TIME, minutes);
}

void SaunaSystemSender::onStandbyTemperatureReductionChangeRequest(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_STANDBY_TEMPERATURE_REDUCTION,
                       temperature);
}

void SaunaSystemSender::onTankStandbyTemperatureChangeRequest(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_TANK_STANDBY_TEMPERATURE,
                       temperature);
}

void SaunaSystemSender::onExtSwBathtimeChangeRequest(int minutes)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_EXT_SWITCH_BATH_TIME,
                       minutes);
}

void SaunaSystemSender::onWaterTempLimitChangeRequested(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_WATER_TEMPERATURE_LIMIT,
                       temperature);
}

void SaunaSystemSender::onPcbOverheatLimitChangeRequested(int temperature)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_PCB_OVERHEAT_LIMIT,
                       temperature);
}

void SaunaSystemSender::onFanRuntimeChangeRequest(int minutes)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_FAN_RUNTIME, minutes);
}

void SaunaSystemSender::onCleanupTimeChangeRequest(int minutes)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_CLEANUP_TIME, minutes);
}

void SaunaSystemSender::onResetBathTimeTimerRequest()
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_RESET_BATH_TIME_TIMER, 0);
}

void SaunaSystemSender::onTankAutoEmptyingDurationChangeRequest(int minutes)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_TANK_AUTO_EMPTYING_DURATION,
                       minutes);
}

void SaunaSystemSender::onRcbTankFillTimeChangeRequest(int seconds)
{
    sendIntegerRequest(vaholumo::Integer_value_change_request_value_t_RCB_TANK_FILL_TIME, seconds);
}

void SaunaSystemSender::onNotAllowedStartFromTimeChangeRequested(QTime time)
{
    sendMinuteOfDayRequest(vaholumo::Integer_value_change_request_value_t_NOT_ALLOWED_START_FROM,
                           time);
}

void SaunaSystemSender::onNotAllowedStartUntilTimeChangeRequested(QTime time)
{
    sendMinuteOfDayRequest(vaholumo::Integer_value_change_request_value_t_NOT_ALLOWED_START_UNTIL,
                           time);
}

void SaunaSystemSender::onLightsStateChangeRequested()
{
    // The remembered state changes only when the sauna reports, so two quick presses send the
    // same value twice.
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_LIGHTS, !m_lightsOn);
}

void SaunaSystemSender::onFanRunningChangeRequested()
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_FAN_RUNNING, !m_fanRunning);
}

void SaunaSystemSender::onEnableStandbyChangeRequest(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_ENABLE_STANDBY, enable);
}

void SaunaSystemSender::onScheduleItemDisableChangeRequested(bool disable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_SCHEDULE_ITEM_DISABLE,
                       disable);
}

void SaunaSystemSender::onFanAutomaticChangeRequested(bool automatic)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_FAN_AUTOMATIC, automatic);
}

void SaunaSystemSender::onCleanupEnableChangeRequest(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_CLEANUP_ENABLE, enable);
}

void SaunaSystemSender::onTankEmptyingEnableChangeRequested(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_TANK_EMPTYING_ENABLE, enable);
}

void SaunaSystemSender::onNotAllowedStartEnableChangeRequested(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_NOT_ALLOWED_START_ENABLE,
                       enable);
}

void SaunaSystemSender::onCleanupTankNoticeChangeRequest(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_CLEANUP_TANK_NOTICE, enable);
}

void SaunaSystemSender::onIrEnableChangeRequested(bool enable)
{
    sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t_IR_ENABLE, enable);
}

void SaunaSystemSender::onFacilityTypeRequested(
    ::signalInterface::SaunaStateTypes::FacilityType facilityType)
{
    auto &envelope = freshEnvelope();
    envelope.add_enum_value_change_request()->set_facility_type(
        conversion::EnumValueConverter::instance().toPbFacilityType(facilityType));
    send(envelope);
}

void SaunaSystemSender::onRegionChangeRequested(::signalInterface::RegionTypes::RegionType region)
{
    auto &envelope = freshEnvelope();
    envelope.add_enum_value_change_request()->set_region(
        conversion::EnumValueConverter::instance().toPbRegion(region));
    send(envelope);
}

void SaunaSystemSender::onExtSwFunctionChangeRequest(
    ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function)
{
    auto &envelope = freshEnvelope();
    envelope.add_enum_value_change_request()->set_external_switch_function(
        conversion::EnumValueConverter::instance().toPbExternalSwitchFunction(function));
    send(envelope);
}

void SaunaSystemSender::onBathPriorityChangeRequested(
    ::signalInterface::SaunaStateTypes::BathPriority priority)
{
    auto &envelope = freshEnvelope();
    envelope.add_enum_value_change_request()->set_bath_priority(
        conversion::EnumValueConverter::instance().toPbBathPriority(priority));
    send(envelope);
}

void SaunaSystemSender::onSaunaStateChangeRequested(
    ::signalInterface::SaunaStateTypes::SaunaState state)
{
    vaholumo::Sauna_state_change_request_state_t wireState;
    // A state without a request pair (dry-up, cleanup, descaling) sends nothing: falling back to
    // "off" would switch a running sauna off on a command nobody gave.
    if (!conversion::StateConverter::instance().toPbState(state, wireState))
        return;
    auto &envelope = freshEnvelope();
    envelope.mutable_sauna_state_change_request()->set_state(wireState);
    send(envelope);
}

void SaunaSystemSender::onSystemTimeChangeRequested(
    ::signalInterface::DateTimeTypes::SaunaDateTime dateTime)
{
    std::uint64_t milliseconds = 0;
    if (!conversion::toPbTime(dateTime.dateTime, milliseconds)) {
        qCDebug(linkLog) << "clock request without a valid time since 2000 dropped";
        return;
    }
    auto &envelope = freshEnvelope();
    envelope.mutable_sauna_state_change_request()->set_system_time(milliseconds);
    send(envelope);
}

void SaunaSystemSender::onErrorLogClearRequest()
{
    sendGeneralCommand(vaholumo::General_command_command_t_CLEAR_ERROR_LOG);
}

void SaunaSystemSender::onRenewBathTimeRequest()
{
    sendGeneralCommand(vaholumo::General_command_command_t_RENEW_BATH_TIME);
}

void SaunaSystemSender::onActivateBuzzerRequested(
    ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode controlBoard)
{
    auto &envelope = freshEnvelope();
    auto *command = envelope.add_general_command();
    command->set_command(vaholumo::General_command_command_t_ACTIVATE_BUZZER);
    command->set_control_board(conversion::NodeConverter::instance().toPbRcb(controlBoard));
    send(envelope);
}

void SaunaSystemSender::onSaunaStartFavoriteRequested(unsigned int favorite)
{
    auto &envelope = freshEnvelope();
    auto *command = envelope.add_general_command();
    command->set_command(vaholumo::General_command_command_t_START_FAVORITE);
    command->set_argument(favorite);
    send(envelope);
}

void SaunaSystemSender::onCalendarProgramChangeRequested(::signalInterface::CalendarProgram program)
{
    auto &envelope = freshEnvelope();
    if (auto error = conversion::CalendarConverter::instance().toPbCalendarPost(
            program, *envelope.add_calendar_post())) {
        raiseInternalError(__LINE__, *error);
        return;
    }
    send(envelope);
}

void SaunaSystemSender::onUserMessageAnswered(
    ::signalInterface::UserMessageTypes::UserMessage message)
{
    auto &envelope = freshEnvelope();
    conversion::UserMessageConverter::toPbUserMessage(message, *envelope.mutable_user_message());
    send(envelope);
}

void SaunaSystemSender::onFavoriteUpdateRequested(
    ::signalInterface::FavoritesTypes::FavoritesPost favorite)
{
    auto &envelope = freshEnvelope();
    conversion::toPbFavorite(favorite, *envelope.add_favorite_post());
    send(envelope);
}

void SaunaSystemSender::onAuxRelayUpdateRequested(
    ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay)
{
    auto &envelope = freshEnvelope();
    conversion::AuxRelayConverter::instance().toPbAuxRelay(relay, *envelope.add_aux_relay_post());
    send(envelope);
}

void SaunaSystemSender::onDescalingChangeRequested(
    ::signalInterface::AuxiliaryRelayTypes::Descaling descaling)
{
    auto &envelope = freshEnvelope();
    conversion::AuxRelayConverter::instance().toPbDescaling(descaling,
                                                            *envelope.mutable_descaling());
    send(envelope);
}

void SaunaSystemSender::onSaunaLightsStateChange(bool on)
{
    m_lightsOn = on;
}

void SaunaSystemSender::onSaunaFanRunningChanged(bool running)
{
    m_fanRunning = running;
}

void SaunaSystemSender::onSupportedCharactersUpdateNeeded()
{
    sendGeneralCommand(vaholumo::General_command_command_t_UPDATE_SUPPORTED_CHARACTERS);
}

void SaunaSystemSender::onMaxHumityTableUpdateNeeded()
{
    sendGeneralCommand(vaholumo::General_command_command_t_UPDATE_MAX_HUMIDITY_TABLE);
}

void SaunaSystemSender::onMaxTemperatureTableUpdateNeeded()
{
    sendGeneralCommand(vaholumo::General_command_command_t_UPDATE_MAX_TEMPERATURE_TABLE);
}

void SaunaSystemSender::onUpdateSaunaRequest()
{
    sendGeneralCommand(vaholumo::General_command_command_t_UPDATE_SAUNA);
}

} // namespace pcPanel
