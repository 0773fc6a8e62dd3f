#pragma once

#include <QHostAddress>

namespace vaholumo {
class Connect_reply;
} // namespace vaholumo

namespace pcPanel {

// The connection state machine's share of what the sauna sends. The receiver calls it in the
// fixed handling order of one datagram: the connect reply first, the sauna's keep-alive after the
// data members, and the sign of life after everything else. A datagram that says the sauna has no
// connection with this panel reaches it as that alone.
class ConnectionMessageSink
{
public:
    ConnectionMessageSink() = default;
    ConnectionMessageSink(const ConnectionMessageSink &) = delete;
    ConnectionMessageSink &operator=(const ConnectionMessageSink &) = delete;
    virtual ~ConnectionMessageSink() = default;

    virtual void handleConnectReply(const vaholumo::Connect_reply &reply,
                                    const QHostAddress &sender, quint16 senderPort) = 0;
    virtual void handleSaunaKeepAlive() = 0;
    // The peer's No_connection: the sauna does not know this panel (typically it has restarted).
    // Nothing else of that datagram is handled, and it is no sign of life.
    virtual void handleNoConnection() = 0;
    // Called once per accepted datagram after all its members: any datagram from the peer shows
    // that the sauna is alive.
    virtual void handleSignOfLife() = 0;
};

} // namespace pcPanel
