#include "signal_interface/relay_status_types.h"

#include <limits>

namespace signalInterface {

RelayStatusTypes::RelayStatusTypes(QObject *parent)
    : QObject(parent)
{}

RelayStatusTypes::~RelayStatusTypes() = default;

void RelayStatusTypes::appendAllRelays(RelayStatus &status, unsigned board)
{
    NodeInformationTypes::RcbMasterSlaveMode boardMode = NodeInformationTypes::E_master;
    if (board > static_cast<unsigned>(std::numeric_limits<int>::max()) ||
        !NodeInformationTypes::fromInt(static_cast<int>(board), boardMode)) {
        return;
    }
    for (int relay = E_x3x4; relay <= E_x29x30; ++relay) {
        RelayStatusPost post;
        post.board = boardMode;
        post.relay = static_cast<RelayType>(relay);
        status.append(post);
    }
}

} // namespace signalInterface
