#pragma once

// What the receiver tests send: a sauna's envelope as a datagram from the connected peer.
#include "message.pb.h"

#include <QByteArray>
#include <QHostAddress>

namespace receiverTest {

using Envelope = vaholumo::Sauna_to_external;

inline const QHostAddress peerAddress{QStringLiteral("192.0.2.10")};
constexpr quint16 peerPort = 49152;

inline QByteArray datagram(const Envelope &envelope)
{
    return QByteArray::fromStdString(envelope.SerializeAsString());
}

// A node item with every field present; an index above 7 is its only fault.
inline void addNode(Envelope &envelope, quint32 index)
{
    auto *item = envelope.add_node_item();
    item->set_index(index);
    item->set_address(1);
    item->set_profile(vaholumo::Node_item_profile_t_NODE_PROFILE_CP);
    item->set_product(1);
    item->set_zerededid_version("1.0.0");
    item->set_application_version("1.2.3");
}

} // namespace receiverTest
