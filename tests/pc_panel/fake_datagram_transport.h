#pragma once

#include "pc_panel/datagram_transport.h"

#include <QByteArrayList>

// Records what the sender hands over instead of sending it.
class FakeDatagramTransport : public pcPanel::DatagramTransport
{
public:
    bool hasPeer() const override { return m_hasPeer; }
    bool sendToPeer(const QByteArray &datagram) override
    {
        m_sent.append(datagram);
        return m_accepts;
    }

    bool m_hasPeer = true;
    bool m_accepts = true;
    QByteArrayList m_sent;
};
