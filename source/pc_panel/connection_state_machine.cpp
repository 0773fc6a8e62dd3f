#include "pc_panel/connection_state_machine.h"

#include "pc_panel/instance_settings.h"
#include "pc_panel/link_logging.h"
#include "pc_panel/sauna_system_receiver.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "signal_interface/protocol_facts.h"

#include "message.pb.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QUdpSocket>

#include <algorithm>

namespace pcPanel {

namespace {

using ::signalInterface::RemoteSaunaTypes::RemoteSauna;
namespace conversion = pbSupport::conversion;
namespace protocolFacts = ::signalInterface::protocolFacts;

// A text of code units that cannot be one reads as empty; a longer one is cut to maxLength.
QString textOrEmpty(const google::protobuf::RepeatedField<google::protobuf::uint32> &units,
                    qsizetype maxLength)
{
    QString text;
    if (!conversion::codeUnitsToText(units, text, maxLength))
        text.clear();
    return text;
}

int timerInterval(qint64 milliseconds)
{
    return static_cast<int>(std::clamp<qint64>(milliseconds, 1, INT_MAX));
}

} // namespace

ConnectionStateMachine::ConnectionStateMachine(QObject *parent)
    : ConnectionStateMachine(Timing{}, parent)
{}

ConnectionStateMachine::ConnectionStateMachine(const Timing &timing, QObject *parent)
    : QObject(parent)
    , m_timing(timing)
    , m_unitName(defaultUnitName(QHostInfo::localHostName(), InstanceSettings::instanceNumber()))
{
    m_replyTimer.setObjectName(QStringLiteral("replyTimer"));
    m_keepAliveTimer.setObjectName(QStringLiteral("keepAliveTimer"));
    m_supervisionTimer.setObjectName(QStringLiteral("supervisionTimer"));
    m_reconnectTimer.setObjectName(QStringLiteral("reconnectTimer"));
    m_replyTimer.setSingleShot(true);
    m_replyTimer.setInterval(timerInterval(m_timing.connectReplyTimeoutMs));
    m_supervisionTimer.setSingleShot(true);
    m_reconnectTimer.setInterval(timerInterval(m_timing.reconnectIntervalMs));
    connect(&m_replyTimer, &QTimer::timeout, this, &ConnectionStateMachine::onReplyTimeout);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, &ConnectionStateMachine::sendKeepAlive);
    connect(&m_supervisionTimer, &QTimer::timeout, this,
            &ConnectionStateMachine::onSupervisionTimeout);
    connect(&m_reconnectTimer, &QTimer::timeout, this, &ConnectionStateMachine::onReconnectTimeout);
}

ConnectionStateMachine::~ConnectionStateMachine() = default;

QString ConnectionStateMachine::defaultUnitName(const QString &hostName, unsigned instance)
{
    if (instance == 0)
        return hostName;
    return hostName + QStringLiteral(" #") + QString::number(instance);
}

void ConnectionStateMachine::setAutoReconnect(bool on)
{
    m_autoReconnect = on;
    // Without auto-connect the panel never connects by itself, so a pending attempt ends here.
    if (!on && m_state == State::Reconnecting)
        stop();
}

quint32 ConnectionStateMachine::keepAliveSequenceNumber(const QUuid &identity) const
{
    return m_keepAliveCounters.value(identity, 0);
}

qint64 ConnectionStateMachine::keepAliveIntervalFromSeconds(quint32 seconds,
                                                            qint64 defaultIntervalMs)
{
    if (seconds == 0)
        return defaultIntervalMs;
    // 64 bits: any 32-bit number of seconds fits as milliseconds before it is cut.
    return std::min(static_cast<qint64>(seconds) * 1000, MaximumKeepAliveIntervalMs);
}

bool ConnectionStateMachine::connectTo(const RemoteSauna &sauna)
{
    if (m_state != State::Idle)
        stop();
    m_wasConnected = false;
    m_reportedRefusal = 0;
    m_sauna = sauna;
    // A socket bound to IPv4 only reaches plain IPv4 addresses.
    bool isIpv4 = false;
    const quint32 ipv4 = sauna.address.toIPv4Address(&isIpv4);
    if (isIpv4)
        m_sauna.address = QHostAddress(ipv4);
    if (m_sauna.address.isNull() || m_sauna.port == 0 || m_socket == nullptr) {
        qCDebug(linkLog) << "no address for sauna" << sauna.identity << "- connect failed";
        emit connectFailed(m_sauna);
        return false;
    }
    if (m_receiver != nullptr)
        m_receiver->setPeer(m_sauna.address, m_sauna.port);
    setState(State::Connecting);
    sendConnectRequest();
    m_replyTimer.start();
    return true;
}

bool ConnectionStateMachine::disconnectFromSauna()
{
    if (m_state == State::Idle)
        return false;
    // The request must go out while the sauna is still the peer.
    vaholumo::External_to_sauna envelope;
    envelope.mutable_disconnect_request();
    sendEnvelope(envelope);
    stop();
    return true;
}

bool ConnectionStateMachine::redirectReconnection(const RemoteSauna &sauna)
{
    if (m_state != State::Reconnecting || m_socket == nullptr || sauna.identity != m_sauna.identity)
        return false;
    bool isIpv4 = false;
    const quint32 ipv4 = sauna.address.toIPv4Address(&isIpv4);
    const QHostAddress address = isIpv4 ? QHostAddress(ipv4) : sauna.address;
    if (address.isNull() || sauna.port == 0 ||
        (address == m_sauna.address && sauna.port == m_sauna.port))
        return false;
    qCDebug(linkLog) << "sauna" << sauna.identity << "sought at" << address << sauna.port
                     << "instead of" << m_sauna.address << m_sauna.port;
    m_sauna.address = address;
    m_sauna.port = sauna.port;
    if (m_receiver != nullptr)
        m_receiver->setPeer(m_sauna.address, m_sauna.port);
    sendConnectRequest();
    m_reconnectTimer.start();
    return true;
}

bool ConnectionStateMachine::changePin(const QUuid &identity,
                                       const ::signalInterface::PinTypes::Pin &pin)
{
    if (m_state == State::Idle || identity != m_sauna.identity || pin == m_sauna.pin)
        return false;
    m_sauna.pin = pin;
    // While another system holds the sauna's address, nothing goes there until it is found.
    if (m_state == State::Connected || m_sauna.address.isNull())
        return false;
    qCDebug(linkLog) << "sauna" << identity << "given another PIN; asking again at once";
    sendConnectRequest();
    if (m_state == State::Connecting)
        m_replyTimer.start();
    else
        m_reconnectTimer.start();
    return true;
}

bool ConnectionStateMachine::hasPeer() const
{
    return m_state == State::Connected && m_socket != nullptr;
}

bool ConnectionStateMachine::sendToPeer(const QByteArray &datagram)
{
    return hasPeer() && writeToSauna(datagram);
}

void ConnectionStateMachine::restartKeepAliveTimer()
{
    if (m_state == State::Connected)
        m_keepAliveTimer.start();
}

void ConnectionStateMachine::handleConnectReply(const vaholumo::Connect_reply &reply,
                                                const QHostAddress &sender, quint16 senderPort)
{
    if (m_state != State::Connecting && m_state != State::Reconnecting) {
        qCDebug(linkLog) << "connect reply without a pending request ignored";
        return;
    }
    if (!reply.has_connect_status() || !reply.has_identity()) {
        qCDebug(linkLog) << "connect reply without status or identity ignored";
        return;
    }
    RemoteSauna sauna = m_sauna;
    sauna.address = sender;
    sauna.port = senderPort;
    sauna.identity = QUuid(QString::fromLatin1(reply.identity().data(),
                                               static_cast<qsizetype>(reply.identity().size())));
    if (sauna.identity.isNull()) {
        qCDebug(linkLog) << "connect reply with an identity that is not a UUID ignored";
        return;
    }
    auto &products = conversion::ProductConverter::instance();
    if (reply.has_brand())
        sauna.brand = products.toSiBrand(reply.brand());
    if (reply.has_rcb_product())
        sauna.rcbProduct = products.toSiRcbProduct(reply.rcb_product());
    QString name;
    const bool nameValid =
        conversion::codeUnitsToText(reply.name(), name, protocolFacts::longestSaunaName) &&
        !name.isEmpty();
    if (nameValid)
        sauna.name = name;
    const bool complete = reply.has_brand() && reply.has_keep_alive_interval() &&
                          reply.has_rcb_product() && nameValid;

    // Whatever another system answers, acceptance or refusal, is not the sauna's answer.
    if (!m_sauna.identity.isNull() && sauna.identity != m_sauna.identity) {
        RemoteSauna other = sauna;
        other.name = nameValid ? name : QString();
        other.pin = {};
        refuseOtherSystem(other);
        return;
    }
    m_replyTimer.stop();
    // An incomplete reply counts as a refusal without a reason.
    const int status = complete
                           ? reply.connect_status()
                           : int(vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_FAILED);
    if (status == vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED)
        accept(reply, sauna);
    else
        refuse(status, sauna);
}

void ConnectionStateMachine::refuse(int status, const RemoteSauna &sauna)
{
    // The sauna may accept later (door closed, another panel gone, restarted), so attempts go on
    // while auto-connect is on. A wrong PIN stays wrong until the user enters another one.
    const bool retry = m_autoReconnect &&
                       status != vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL;
    const bool alreadyReported = m_state == State::Reconnecting && m_reportedRefusal == status;
    if (retry) {
        qCDebug(linkLog) << "connect refused with status" << status << "- trying again in"
                         << m_reconnectTimer.interval() << "ms";
        m_reportedRefusal = status;
        setState(State::Reconnecting);
        if (m_state == State::Reconnecting)
            m_reconnectTimer.start();
    } else {
        stop();
    }
    if (alreadyReported)
        return;
    switch (status) {
    case vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL:
        emit connectPinFail(sauna);
        return;
    case vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_COMPATIBILITY_FAIL:
        emit connectCompatibilityFail(sauna);
        return;
    case vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_DOOR_SWITCH_FAIL:
        emit connectDoorSwitchFail(sauna);
        return;
    default:
        emit connectFailed(sauna);
        return;
    }
}

void ConnectionStateMachine::refuseOtherSystem(const RemoteSauna &other)
{
    qCDebug(linkLog) << "system" << other.identity << "answered at" << other.address << other.port
                     << "instead of sauna" << m_sauna.identity;
    m_replyTimer.stop();
    const bool alreadyReported =
        m_state == State::Reconnecting && m_reportedRefusal == OtherSystemRefusal;
    const RemoteSauna sauna = m_sauna;
    // Neither keep-alives nor the sauna's PIN go to that system again: the attempts wait until
    // the sauna is found, at that address or another (redirectReconnection).
    m_sauna.address.clear();
    m_sauna.port = 0;
    if (m_receiver != nullptr)
        m_receiver->clearPeer();
    if (m_autoReconnect) {
        m_reportedRefusal = OtherSystemRefusal;
        m_reconnectTimer.stop();
        setState(State::Reconnecting);
    } else {
        stop();
    }
    if (!alreadyReported)
        emit connectOtherSystemAnswered(sauna, other);
}

void ConnectionStateMachine::accept(const vaholumo::Connect_reply &reply, const RemoteSauna &sauna)
{
    // A first connect that was refused and tried again is still a first connect.
    const bool reconnecting = m_state == State::Reconnecting && m_wasConnected;
    m_wasConnected = true;
    m_reportedRefusal = 0;
    m_sauna = sauna;
    m_keepAliveIntervalMs = keepAliveIntervalFromSeconds(reply.keep_alive_interval(),
                                                         m_timing.defaultKeepAliveIntervalMs);
    m_keepAliveSendPeriodMs = keepAliveSendPeriod(m_keepAliveIntervalMs);
    m_connectedSinceMs = m_timing.monotonicMs();
    m_reconnectTimer.stop();
    m_keepAliveTimer.setInterval(timerInterval(m_keepAliveSendPeriodMs));
    m_supervisionTimer.setInterval(timerInterval(m_keepAliveIntervalMs * MissedKeepAliveLimit));
    setState(State::Connected);
    m_keepAliveTimer.start();
    m_supervisionTimer.start();

    if (reconnecting)
        emit reconnected();
    else
        emit connectSucceeded(m_sauna);
    // A slot may have ended the connection already; the rest belongs to a live one only.
    if (m_state != State::Connected)
        return;
    auto &products = conversion::ProductConverter::instance();
    if (reply.has_system_type())
        emit saunaSystemModeChanged(products.toSiSystemMode(reply.system_type()));
    if (m_state != State::Connected)
        return;
    emit saunaMasterProductChanged(products.toSiRcbProduct(reply.rcb_product()));
    if (m_state != State::Connected)
        return;
    if (reply.has_features() && m_receiver != nullptr)
        m_receiver->compareSaunaFeatures(reply.features());
    if (m_state != State::Connected)
        return;
    emit remoteApplicationIdentified(
        textOrEmpty(reply.application_name(), protocolFacts::longestApplicationName),
        textOrEmpty(reply.application_version(), protocolFacts::longestApplicationVersion));
}

void ConnectionStateMachine::handleSaunaKeepAlive()
{
    handleSignOfLife();
}

void ConnectionStateMachine::handleNoConnection()
{
    // While connecting, the reply (or its timeout) decides; while reconnecting, the loss is known.
    if (m_state != State::Connected)
        return;
    qCDebug(linkLog) << "sauna at" << m_sauna.address << m_sauna.port
                     << "no longer knows this panel";
    loseConnection();
}

void ConnectionStateMachine::handleSignOfLife()
{
    if (m_state == State::Connected)
        m_supervisionTimer.start();
}

void ConnectionStateMachine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void ConnectionStateMachine::sendConnectRequest()
{
    vaholumo::External_to_sauna envelope;
    vaholumo::Connect_request *request = envelope.mutable_connect_request();
    request->set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    request->set_pin_code(m_sauna.pin.pin().toLatin1().toStdString());
    conversion::textToCodeUnits(m_unitName, request->mutable_unit_name());
    conversion::textToCodeUnits(QCoreApplication::applicationName(),
                                request->mutable_application_name());
    conversion::textToCodeUnits(QCoreApplication::applicationVersion(),
                                request->mutable_application_version());
    request->mutable_unit_features()->set_feature_flag(true);
    sendEnvelope(envelope);
}

void ConnectionStateMachine::sendKeepAlive()
{
    if (m_state != State::Connected)
        return;
    // Increased before each send, and sent after the increase.
    quint32 &counter = m_keepAliveCounters[m_sauna.identity];
    ++counter;
    vaholumo::External_to_sauna envelope;
    envelope.mutable_keep_alive()->set_sequence_number(counter);
    sendEnvelope(envelope);
}

bool ConnectionStateMachine::sendEnvelope(const vaholumo::External_to_sauna &envelope)
{
    return writeToSauna(QByteArray::fromStdString(envelope.SerializeAsString()));
}

bool ConnectionStateMachine::writeToSauna(const QByteArray &datagram)
{
    if (m_socket == nullptr || m_sauna.address.isNull())
        return false;
    const qint64 written = m_socket->writeDatagram(datagram, m_sauna.address, m_sauna.port);
    if (written != datagram.size()) {
        qCDebug(linkLog) << "send to" << m_sauna.address << m_sauna.port
                         << "failed:" << m_socket->errorString();
        return false;
    }
    restartKeepAliveTimer();
    return true;
}

void ConnectionStateMachine::onReplyTimeout()
{
    if (m_state != State::Connecting)
        return;
    qCDebug(linkLog) << "no connect reply from" << m_sauna.address << m_sauna.port;
    if (!m_autoReconnect) {
        stop();
        emit connectFailedNoResponse();
        return;
    }
    // The request or its reply may have been lost on the way: tried again as after a refusal.
    // The attempts that follow are not timed one by one, so the silence is told only once.
    qCDebug(linkLog) << "trying again in" << m_reconnectTimer.interval() << "ms";
    setState(State::Reconnecting);
    if (m_state == State::Reconnecting)
        m_reconnectTimer.start();
    emit connectFailedNoResponse();
}

void ConnectionStateMachine::onSupervisionTimeout()
{
    if (m_state != State::Connected)
        return;
    qCDebug(linkLog) << "no sign of life from" << m_sauna.address << m_sauna.port;
    loseConnection();
}

void ConnectionStateMachine::loseConnection()
{
    qCDebug(linkLog) << "connection to" << m_sauna.address << m_sauna.port << "lost";
    const bool lasted = m_timing.monotonicMs() - m_connectedSinceMs >= m_keepAliveIntervalMs;
    m_keepAliveTimer.stop();
    m_supervisionTimer.stop();
    m_reportedRefusal = 0;
    if (!m_autoReconnect) {
        stop();
        emit connectionLost();
        return;
    }
    setState(State::Reconnecting);
    emit connectionLost();
    if (m_state != State::Reconnecting)
        return;
    // A sauna that restarted is back soon, so the first request goes at once. A connection that
    // ends before it has lasted a keep-alive interval waits the period: the sauna may take the
    // panel and drop it again at once, every time.
    if (lasted)
        sendConnectRequest();
    else
        qCDebug(linkLog) << "connection ended before it had lasted; asking again in"
                         << m_reconnectTimer.interval() << "ms";
    m_reconnectTimer.start();
}

void ConnectionStateMachine::onReconnectTimeout()
{
    if (m_state == State::Reconnecting)
        sendConnectRequest();
}

void ConnectionStateMachine::stop()
{
    m_replyTimer.stop();
    m_keepAliveTimer.stop();
    m_supervisionTimer.stop();
    m_reconnectTimer.stop();
    m_reportedRefusal = 0;
    if (m_receiver != nullptr)
        m_receiver->clearPeer();
    setState(State::Idle);
}

} // namespace pcPanel
