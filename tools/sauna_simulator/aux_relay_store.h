#pragma once

#include "aux_relay_records.h"
#include "sauna_report.h"

#include <array>

namespace tools {

// The auxiliary relays and the descaling settings the sauna keeps, and the rules by which posts
// change them. A post that breaks a rule changes nothing; the panel is told why and gets the
// relay or the descaling settings as they still stand.
class AuxRelayStore
{
public:
    using Relays = std::array<AuxRelayRecord, AuxRelayRecord::RelayCount>;

    // Relays 0, 1, 2 and 4 are connected: a fragrance pump, a lamp, a spare output and the
    // descaling pump of the steam generator.
    AuxRelayStore();

    // A sauna without a steam generator has no descaling pump: its output is not connected, and
    // no relay descales.
    void forgetDescalingPump();

    SaunaReport changeRelay(const AuxRelayChange &change);
    SaunaReport changeDescaling(const DescalingChange &change);

    const Relays &relays() const { return m_relays; }
    const DescalingRecord &descaling() const { return m_descaling; }

    // Every relay, the unconnected ones too, and the descaling settings.
    void appendAll(SaunaReport &report) const;

private:
    Relays m_relays;
    DescalingRecord m_descaling;
};

} // namespace tools
