#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/auxiliary_relay_types.h"
#include "value/error_text.h"

#include "aux_relay.pb.h"

namespace pbSupport::conversion {

// Auxiliary relays and the descaling settings between the protocol and the panel.
class AuxRelayConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    static AuxRelayConverter &instance();

    // Index 0-6, a name of at most 20 code units, and each timing complete when present.
    value::ErrorText_SPT
    toSiAuxRelay(const vaholumo::Aux_relay_post &post,
                 signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost &out);
    // The sauna's report adds the connected flag; it and the post are required.
    value::ErrorText_SPT
    toSiAuxRelay(const vaholumo::Aux_relay_post_sauna &report,
                 signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost &out);
    // Relay index 0-6 (absent: 7, none), a valid weekday and a start minute below 1440.
    value::ErrorText_SPT toSiDescaling(const vaholumo::Descaling &descaling,
                                       signalInterface::AuxiliaryRelayTypes::Descaling &out);

    // All six fields are always written; the connected flag is the sauna's and is not sent.
    void toPbAuxRelay(const signalInterface::AuxiliaryRelayTypes::AuxiliaryRelayPost &relay,
                      vaholumo::Aux_relay_post &out);
    // The relay index is written only when a relay is chosen (not 7). A start time the record
    // does not hold (a report without one, or no report yet) goes out as the field's default,
    // 0, midnight, which is also what the record's equality reads it as.
    void toPbDescaling(const signalInterface::AuxiliaryRelayTypes::Descaling &descaling,
                       vaholumo::Descaling &out);

private:
    AuxRelayConverter() = default;
};

} // namespace pbSupport::conversion
