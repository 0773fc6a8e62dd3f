#pragma once

#include "pc_panel/datagram_transport.h"

#include "message.pb.h"

#include <QByteArray>
#include <QList>

namespace sceneTest {

// Keeps every datagram the sender hands over, decoded.
class CapturingTransport : public pcPanel::DatagramTransport
{
public:
    bool hasPeer() const override { return true; }
    bool sendToPeer(const QByteArray &datagram) override
    {
        vaholumo::External_to_sauna envelope;
        if (!envelope.ParseFromArray(datagram.constData(), static_cast<int>(datagram.size())))
            return false;
        envelopes.append(envelope);
        return true;
    }

    QList<vaholumo::External_to_sauna> envelopes;
};

} // namespace sceneTest
