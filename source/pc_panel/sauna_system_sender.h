#pragma once

#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"
#include "signal_interface/user_message_action.h"

#include "message.pb.h"

#include <QList>

namespace pcPanel {

class DatagramTransport;
class SaunaSystemReceiver;

// Turns each bridge request into one External_to_sauna envelope holding exactly one member, and
// hands its bytes to the transport as one datagram. Nothing is sent while no peer is set.
class SaunaSystemSender : public saunaBridge::ZerededidBridgeSenderSlotInterface
{
    Q_OBJECT

public:
    explicit SaunaSystemSender(QObject *parent = nullptr);
    ~SaunaSystemSender() override;

    // The transport is not owned; null sends nothing.
    void setTransport(DatagramTransport *transport) { m_transport = transport; }

    // Serializes one envelope and sends it to the peer. Returns false when there is no peer or
    // the transport refused it; emits datagramSent() after each datagram that went out.
    bool send(const vaholumo::External_to_sauna &envelope);

    // The receiver's lights, fan-running and update-needed signals to this sender's slots.
    // Returns the number of failed connections.
    int connectReceiverSignals(SaunaSystemReceiver *receiver);
    // updateSaunaRequest() of each object to onUpdateSaunaRequest(); returns the failures.
    int connectUpdateSaunaRequests(const QList<QObject *> &senders);

    // A new connection must not toggle from another sauna's reported lights or fan state.
    void resetReportedStates();

public slots:
    void onTargetTemperatureChangeRequested(int temperature) override;
    void onTargetHumidityChangeRequested(int humidity) override;
    void onMinBathTemperatureChangeRequested(int temperature) override;
    void onMaxBathTemperatureChangeRequested(int temperature) override;
    void onBathTimeChangeRequested(int minutes) override;
    void onStandbyTemperatureReductionChangeRequest(int temperature) override;
    void onTankStandbyTemperatureChangeRequest(int temperature) override;
    void onExtSwBathtimeChangeRequest(int minutes) override;
    void onWaterTempLimitChangeRequested(int temperature) override;
    void onPcbOverheatLimitChangeRequested(int temperature) override;
    void onFanRuntimeChangeRequest(int minutes) override;
    void onCleanupTimeChangeRequest(int minutes) override;
    void onResetBathTimeTimerRequest() override;
    void onTankAutoEmptyingDurationChangeRequest(int minutes) override;
    void onRcbTankFillTimeChangeRequest(int seconds) override;
    void onNotAllowedStartFromTimeChangeRequested(QTime time) override;
    void onNotAllowedStartUntilTimeChangeRequested(QTime time) override;

    void onLightsStateChangeRequested() override;
    void onFanRunningChangeRequested() override;
    void onEnableStandbyChangeRequest(bool enable) override;
    void onScheduleItemDisableChangeRequested(bool disable) override;
    void onFanAutomaticChangeRequested(bool automatic) override;
    void onCleanupEnableChangeRequest(bool enable) override;
    void onTankEmptyingEnableChangeRequested(bool enable) override;
    void onNotAllowedStartEnableChangeRequested(bool enable) override;
    void onCleanupTankNoticeChangeRequest(bool enable) override;
    void onIrEnableChangeRequested(bool enable) override;

    void
    onFacilityTypeRequested(::signalInterface::SaunaStateTypes::FacilityType facilityType) override;
    void onRegionChangeRequested(::signalInterface::RegionTypes::RegionType region) override;
    void onExtSwFunctionChangeRequest(
        ::signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function) override;
    void onBathPriorityChangeRequested(
        ::signalInterface::SaunaStateTypes::BathPriority priority) override;

    void onSaunaStateChangeRequested(::signalInterface::SaunaStateTypes::SaunaState state) override;
    void
    onSystemTimeChangeRequested(::signalInterface::DateTimeTypes::SaunaDateTime dateTime) override;

    void onErrorLogClearRequest() override;
    void onRenewBathTimeRequest() override;
    void onActivateBuzzerRequested(
        ::signalInterface::NodeInformationTypes::RcbMasterSlaveMode controlBoard) override;
    void onSaunaStartFavoriteRequested(unsigned int favorite) override;

    void onCalendarProgramChangeRequested(::signalInterface::CalendarProgram program) override;
    void onUserMessageAnswered(::signalInterface::UserMessageTypes::UserMessage message) override;
    void
    onFavoriteUpdateRequested(::signalInterface::FavoritesTypes::FavoritesPost favorite) override;
    void onAuxRelayUpdateRequested(
        ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost relay) override;
    void onDescalingChangeRequested(
        ::signalInterface::AuxiliaryRelayTypes::Descaling descaling) override;

    // The last reported states, which the two toggles negate.
    void onSaunaLightsStateChange(bool on);
    void onSaunaFanRunningChanged(bool running);

    void onSupportedCharactersUpdateNeeded();
    void onMaxHumityTableUpdateNeeded();
    void onMaxTemperatureTableUpdateNeeded();
    void onUpdateSaunaRequest();

signals:
    // Every datagram sent restarts the connection's keep-alive send timer.
    void datagramSent();
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    void sendIntegerRequest(vaholumo::Integer_value_change_request_value_t id, int value);
    void sendMinuteOfDayRequest(vaholumo::Integer_value_change_request_value_t id,
                                const QTime &time);
    void sendBooleanRequest(vaholumo::Boolean_value_change_request_value_t id, bool value);
    void sendGeneralCommand(vaholumo::General_command_command_t command);
    void raiseInternalError(int line, const QString &description);
    // A fresh envelope for the next request; its storage is reused between requests.
    vaholumo::External_to_sauna &freshEnvelope();

    DatagramTransport *m_transport = nullptr;
    vaholumo::External_to_sauna m_envelope;
    bool m_lightsOn = false;
    bool m_fanRunning = false;
};

} // namespace pcPanel
