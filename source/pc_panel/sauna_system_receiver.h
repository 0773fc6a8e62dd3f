#pragma once

#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"
#include "signal_interface/user_message_action.h"

#include "message.pb.h"

#include <QByteArray>
#include <QHostAddress>

namespace saunaBridge {
class MessageFormatterBase;
} // namespace saunaBridge

namespace pcPanel {

class ConnectionMessageSink;

// Takes the datagrams of the connected sauna, parses each as one Sauna_to_external and turns its
// members, in a fixed order, into bridge signals. Datagrams from any other address or port, and
// datagrams that do not parse, are dropped whole. Of a repeated member it handles no more
// elements than the panel's records can hold, and one datagram raises at most one message,
// however many of its items fail.
class SaunaSystemReceiver : public saunaBridge::ZerededidBridgeReceiverSignalInterface
{
    Q_OBJECT

public:
    // The formatter is not owned; it fills in the arguments of the sauna's user messages.
    explicit SaunaSystemReceiver(saunaBridge::MessageFormatterBase *formatter,
                                 QObject *parent = nullptr);
    ~SaunaSystemReceiver() override;

    // The connection state machine's part of each datagram; not owned, null ignores it.
    void setConnectionMessageSink(ConnectionMessageSink *sink) { m_connectionSink = sink; }

    void setPeer(const QHostAddress &address, quint16 port);
    void clearPeer();
    bool hasPeer() const { return m_hasPeer; }

    // Entry for every datagram read from the sauna socket. Returns true when the datagram came
    // from the peer and parsed, and so was handled.
    bool handleDatagram(const QByteArray &datagram, const QHostAddress &sender, quint16 senderPort);

    // Compares the numbers of a connect reply's feature record with what the panel holds, and
    // asks (by the three update-needed signals) for each table that differs.
    void compareSaunaFeatures(const vaholumo::Sauna_features &features);

signals:
    void supportedCharactersUpdateNeeded();
    void maxHumityTableUpdateNeeded();
    void maxTemperatureTableUpdateNeeded();
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);

private:
    using MemberHandler = void (SaunaSystemReceiver::*)(const vaholumo::Sauna_to_external &);
    static const MemberHandler s_handlingOrder[];

    void handleEnvelope(const vaholumo::Sauna_to_external &envelope);

    void handleConnectReply(const vaholumo::Sauna_to_external &envelope);
    void handleControlBoardSupport(const vaholumo::Sauna_to_external &envelope);
    void handleBooleanValues(const vaholumo::Sauna_to_external &envelope);
    void handleIntegerValues(const vaholumo::Sauna_to_external &envelope);
    void handleEnumValues(const vaholumo::Sauna_to_external &envelope);
    void handlePresentedValue(const vaholumo::Sauna_to_external &envelope);
    void handleSaunaState(const vaholumo::Sauna_to_external &envelope);
    void handleFavorites(const vaholumo::Sauna_to_external &envelope);
    void handleCalendarPosts(const vaholumo::Sauna_to_external &envelope);
    void handleAuxRelays(const vaholumo::Sauna_to_external &envelope);
    void handleErrorPosts(const vaholumo::Sauna_to_external &envelope);
    void handleDescaling(const vaholumo::Sauna_to_external &envelope);
    void handleKeepAlive(const vaholumo::Sauna_to_external &envelope);
    void handleNodeItems(const vaholumo::Sauna_to_external &envelope);
    void handleFunctionSupport(const vaholumo::Sauna_to_external &envelope);
    void handleUserMessage(const vaholumo::Sauna_to_external &envelope);
    void handleWarmUp(const vaholumo::Sauna_to_external &envelope);
    void handleDataErrors(const vaholumo::Sauna_to_external &envelope);

    void handleIntegerValue(const vaholumo::Integer_value_changed &report);
    void handleBooleanValue(const vaholumo::Boolean_value_changed &report);
    void raiseInternalError(int line, const QString &description);
    void releaseLargeParseBuffer(qsizetype datagramSize);

    // The failures met in the datagram being handled.
    struct DatagramFailures
    {
        bool raised = false;
        int unshown = 0;
    };

    saunaBridge::MessageFormatterBase *m_formatter = nullptr;
    ConnectionMessageSink *m_connectionSink = nullptr;
    QHostAddress m_peerAddress;
    quint16 m_peerPort = 0;
    bool m_hasPeer = false;
    // Parse buffer reused between datagrams, so that steady traffic does not allocate.
    vaholumo::Sauna_to_external m_envelope;
    bool m_handlingDatagram = false;
    DatagramFailures *m_failures = nullptr;
};

} // namespace pcPanel
