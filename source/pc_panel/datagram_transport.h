#pragma once

#include <QByteArray>

namespace pcPanel {

// Where the sender's datagrams go: the sauna socket aimed at the connected sauna. The connection
// state machine implements it and decides whether a peer is set.
class DatagramTransport
{
public:
    DatagramTransport() = default;
    DatagramTransport(const DatagramTransport &) = delete;
    DatagramTransport &operator=(const DatagramTransport &) = delete;
    virtual ~DatagramTransport() = default;

    virtual bool hasPeer() const = 0;
    // Sends one datagram to the peer; false when nothing was sent.
    virtual bool sendToPeer(const QByteArray &datagram) = 0;
};

} // namespace pcPanel
