#include "signal_interface/auxiliary_relay_types.h"

namespace signalInterface {

AuxiliaryRelayTypes::AuxiliaryRelayTypes(QObject *parent)
    : QObject(parent)
{}

AuxiliaryRelayTypes::~AuxiliaryRelayTypes() = default;

void AuxiliaryRelayTypes::makeDefaultAuxiliaryRelayPosts(QList<AuxiliaryRelayPost> &posts)
{
    for (int relay = 0; relay < relayCount; ++relay) {
        AuxiliaryRelayPost post;
        post.index = static_cast<quint32>(relay);
        posts.append(post);
    }
}

} // namespace signalInterface
