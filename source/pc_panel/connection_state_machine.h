#pragma once

#include "pc_panel/connection_message_sink.h"
#include "pc_panel/datagram_transport.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/monotonic_clock.h"
#include "signal_interface/remote_sauna_types.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUuid>

#include <functional>

class QUdpSocket;

namespace vaholumo {
class External_to_sauna;
} // namespace vaholumo

namespace pcPanel {

class SaunaSystemReceiver;

// One connection to one sauna system: the connect handshake, keep-alive in both directions,
// supervision of the sauna's signs of life, loss and reconnection. It is the sender's transport
// (requests go out only while connected) and takes the receiver's connection messages.
//
// While auto-connect is on, a connection that is lost (silence, or the sauna reporting that it
// no longer knows this panel), a connect that gets no reply and a connect that the sauna refuses
// are tried again every reconnect period; a wrong PIN is not, so that a wrong stored PIN never
// hammers the sauna. Each refusal, and a missing reply, is reported once, not again for every
// attempt that meets the same outcome. Without auto-connect a connect is one attempt.
//
// A connection that had lasted a keep-alive interval is asked for again at once when it is lost
// (a restarted sauna is back quickly); one that ends sooner waits the reconnect period, so that a
// sauna that accepts the panel and drops it at once gets one request per period, not a storm.
//
// A sauna asked for by its identity must answer as itself. Another system answering at its
// address (a changed lease, a swapped board) is no connection: nothing more goes to that address,
// not even the PIN, until the sauna is found again (redirectReconnection), and that is reported
// once. A connect to a sauna of unknown (null) identity takes the identity of the reply.
//
// The timers are children named "replyTimer", "keepAliveTimer", "supervisionTimer" and
// "reconnectTimer", so that tests can see what is scheduled.
class ConnectionStateMachine :
    public QObject,
    public DatagramTransport,
    public ConnectionMessageSink
{
    Q_OBJECT

public:
    // How long a connect request waits for its reply.
    static constexpr int ConnectReplyTimeoutMs = 2500;
    // Pause between reconnect attempts while the connection is lost.
    static constexpr int ReconnectIntervalMs = 5000;
    // The keep-alive interval a reply of 0 seconds selects.
    static constexpr int DefaultKeepAliveIntervalMs = 2000;
    // A sauna cannot ask for a longer interval; longer ones are cut to this.
    static constexpr qint64 MaximumKeepAliveIntervalMs = 3600 * 1000;
    // The connection counts as lost after this many intervals without a datagram from the sauna.
    static constexpr int MissedKeepAliveLimit = 3;

    // Timer lengths; the defaults are the constants above. Tests shorten them.
    struct Timing
    {
        int connectReplyTimeoutMs = ConnectReplyTimeoutMs;
        int reconnectIntervalMs = ReconnectIntervalMs;
        int defaultKeepAliveIntervalMs = DefaultKeepAliveIntervalMs;
        // How long a connection lasted is read from this clock (milliseconds, monotonic).
        std::function<qint64()> monotonicMs = &::signalInterface::MonotonicClock::nowMs;
    };

    enum class State {
        Idle,         // no sauna
        Connecting,   // connect request sent, reply awaited
        Connected,    // accepted; keep-alive running
        Reconnecting, // lost, unanswered or refused; requests repeated until the sauna accepts
                      // (none while its address is unknown, see redirectReconnection)
    };
    Q_ENUM(State)

    explicit ConnectionStateMachine(QObject *parent = nullptr);
    ConnectionStateMachine(const Timing &timing, QObject *parent);
    ~ConnectionStateMachine() override;

    // The sauna socket all datagrams leave through; not owned, may be replaced while idle.
    void setSocket(QUdpSocket *socket) { m_socket = socket; }
    // The receiver whose peer follows this connection and which compares the sauna's features;
    // not owned, null allowed.
    void setReceiver(SaunaSystemReceiver *receiver) { m_receiver = receiver; }
    // Whether a lost connection is re-established without the user. Switching it off while
    // reconnecting ends the attempts and the connection.
    void setAutoReconnect(bool on);
    bool autoReconnect() const { return m_autoReconnect; }
    // The unit name sent in connect requests; by default the host name, followed by " #" and
    // the instance number when that is not 0.
    void setUnitName(const QString &unitName) { m_unitName = unitName; }
    const QString &unitName() const { return m_unitName; }
    static QString defaultUnitName(const QString &hostName, unsigned instance);

    // Starts a connection to the sauna at its address and port, ending nothing: the caller ends
    // the current connection first. A sauna without an address fails at once (connectFailed).
    // Returns whether a connect request went out.
    bool connectTo(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    // Sends the disconnect request while the sauna is still the peer, then stops every timer and
    // forgets the peer. Returns whether there was a connection (in any state but Idle).
    bool disconnectFromSauna();
    // While reconnecting to that sauna (same identity) and it is now known at another address
    // or port, or at all after another system answered at its address: aims the attempts there
    // and makes one at once. Returns whether it did.
    bool redirectReconnection(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    // The user gave that sauna (same identity) another PIN: every later request of the current
    // connection or attempt carries it, and while attempting one goes out at once. Returns
    // whether a request went out.
    bool changePin(const QUuid &identity, const ::signalInterface::PinTypes::Pin &pin);

    State state() const { return m_state; }
    bool isConnected() const { return m_state == State::Connected; }
    // The sauna of the current connection or attempt (address and port are the peer's).
    const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna() const { return m_sauna; }
    qint64 keepAliveIntervalMs() const { return m_keepAliveIntervalMs; }
    qint64 keepAliveSendPeriodMs() const { return m_keepAliveSendPeriodMs; }
    // The last keep-alive sequence number sent to that sauna (0: none yet).
    quint32 keepAliveSequenceNumber(const QUuid &identity) const;
    // Whether one of its timers (reply, keep-alive, supervision, reconnect) runs. While none
    // does, nothing changes and nothing is sent until a call or a datagram from the sauna.
    bool hasActiveTimer() const
    {
        return m_replyTimer.isActive() || m_keepAliveTimer.isActive() ||
               m_supervisionTimer.isActive() || m_reconnectTimer.isActive();
    }

    // The keep-alive interval of a connect reply's field, and the period of the panel's own
    // keep-alives (two thirds of it, rounded down).
    static qint64 keepAliveIntervalFromSeconds(quint32 seconds, qint64 defaultIntervalMs);
    static qint64 keepAliveSendPeriod(qint64 intervalMs) { return intervalMs * 2 / 3; }

    // DatagramTransport: the sender's requests reach the sauna only while connected.
    bool hasPeer() const override;
    bool sendToPeer(const QByteArray &datagram) override;

    // ConnectionMessageSink.
    void handleConnectReply(const vaholumo::Connect_reply &reply, const QHostAddress &sender,
                            quint16 senderPort) override;
    void handleSaunaKeepAlive() override;
    void handleNoConnection() override;
    void handleSignOfLife() override;

public slots:
    // Every datagram sent to the sauna postpones the next keep-alive.
    void restartKeepAliveTimer();

signals:
    void connectSucceeded(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void connectFailed(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void connectPinFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void connectCompatibilityFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void connectDoorSwitchFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    // Another system (other: its identity, name, address and port) answered the connect request
    // for the sauna; the sauna's address is forgotten. Told once while the attempts go on.
    void connectOtherSystemAnswered(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna,
                                    ::signalInterface::RemoteSaunaTypes::RemoteSauna other);
    // The live connection ended: the sauna went silent or no longer knows this panel.
    void connectionLost();
    // Accepted again after a loss.
    void reconnected();
    // The first request of a connect got no reply in time; while auto-connect is on, the
    // attempts go on without telling this again.
    void connectFailedNoResponse();
    // After connectSucceeded or reconnected and the two reports below, on every acceptance.
    void remoteApplicationIdentified(QString name, QString version);
    // Taken from an accepted connect reply; the link passes them on as the receiver's reports.
    void saunaSystemModeChanged(::signalInterface::MasterFuncDescTypes::SystemMode mode);
    void saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    // Every change of state, for the link's connected flag.
    void stateChanged(pcPanel::ConnectionStateMachine::State state);

private:
    void setState(State state);
    void sendConnectRequest();
    void sendKeepAlive();
    bool sendEnvelope(const vaholumo::External_to_sauna &envelope);
    // Every datagram to the sauna goes out here; a complete write restarts the keep-alive wait.
    bool writeToSauna(const QByteArray &datagram);
    void onReplyTimeout();
    void onSupervisionTimeout();
    void onReconnectTimeout();
    void loseConnection();
    void accept(const vaholumo::Connect_reply &reply,
                const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    void refuse(int status, const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    void refuseOtherSystem(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &other);
    // Stops every timer and forgets the peer, without sending anything.
    void stop();

    Timing m_timing;
    QUdpSocket *m_socket = nullptr;
    SaunaSystemReceiver *m_receiver = nullptr;
    QString m_unitName;
    bool m_autoReconnect = true;
    State m_state = State::Idle;
    ::signalInterface::RemoteSaunaTypes::RemoteSauna m_sauna;
    qint64 m_keepAliveIntervalMs = DefaultKeepAliveIntervalMs;
    qint64 m_keepAliveSendPeriodMs = DefaultKeepAliveIntervalMs * 2 / 3;
    // Whether the sauna of the current attempts accepted this panel since connectTo: a later
    // acceptance is then a reconnection.
    bool m_wasConnected = false;
    // The refusal last reported while attempts go on (0: none, OtherSystemRefusal: another
    // system answered), so that it is told only once.
    int m_reportedRefusal = 0;
    static constexpr int OtherSystemRefusal = -1;
    // When the current connection was accepted, on the timing's clock.
    qint64 m_connectedSinceMs = 0;
    // Keep-alive counters per sauna identity; a sauna sees its own sequence continue.
    QHash<QUuid, quint32> m_keepAliveCounters;
    QTimer m_replyTimer{this};
    QTimer m_keepAliveTimer{this};
    QTimer m_supervisionTimer{this};
    QTimer m_reconnectTimer{this};
};

} // namespace pcPanel
