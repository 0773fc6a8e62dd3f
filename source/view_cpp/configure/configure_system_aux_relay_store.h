#pragma once

#include "signal_interface/auxiliary_relay_types.h"

#include <QDate>
#include <QList>

namespace view {

// What the relay options screen keeps for its fragrance and descaling sub-screens: the panel's
// copy of the relays, the descaling settings and which relay the user chose. The sub-screens read
// it and never keep a copy of their own.
class AuxRelayStore
{
public:
    using AuxiliaryRelayPost = ::signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost;
    using Descaling = ::signalInterface::AuxiliaryRelayTypes::Descaling;

    virtual ~AuxRelayStore() = default;

    // Exactly one post per relay; the position is the relay's index.
    virtual const QList<AuxiliaryRelayPost> &relays() const = 0;
    // Always a valid position in relays().
    virtual int selectedRelayIndex() const = 0;
    virtual const Descaling &descaling() const = 0;
    // Whether the connected sauna has reported its descaling settings; until then descaling()
    // holds defaults that stand for nothing.
    virtual bool descalingReported() const = 0;
    virtual QDate lastDescalingDate() const = 0;

    const AuxiliaryRelayPost &selectedRelay() const { return relays().at(selectedRelayIndex()); }
    // The relay that does the descaling, or -1: the sauna names none with any index past the
    // last relay.
    int descalingRelayIndex() const
    {
        const quint32 index = descaling().relayIndex;
        return index < quint32(relays().size()) ? int(index) : -1;
    }
};

} // namespace view
