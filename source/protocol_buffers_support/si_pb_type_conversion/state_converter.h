#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/relay_status_types.h"
#include "signal_interface/sauna_state_types.h"
#include "value/error_text.h"

#include "sauna_state.pb.h"

namespace pbSupport::conversion {

// The sauna's operating state and relay outputs between the protocol and the panel. The panel's
// state numbers differ from the wire's (standby is 3 in the panel, 12 on the wire), so both
// directions are pair tables, not offsets.
class StateConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    // Relay outputs a state report can name: fourteen on each of three relay control boards.
    static constexpr unsigned relayOutputCount =
        (signalInterface::NodeInformationTypes::E_slave_2 + 1) *
        (signalInterface::RelayStatusTypes::E_x29x30 + 1);

    static StateConverter &instance();

    // Only off, on and standby can be requested. Any other state raises an internal-error
    // message and returns false: the caller sends nothing rather than switching the sauna off.
    bool toPbState(signalInterface::SaunaStateTypes::SaunaState state,
                   vaholumo::Sauna_state_change_request_state_t &out);
    // Every reported state has a pair; one without raises an internal-error message and gives
    // no value.
    bool toSiState(vaholumo::Sauna_state_changed_state_t state,
                   signalInterface::SaunaStateTypes::SaunaState &out);

    // The board and a relay index that names a RelayType are required.
    static value::ErrorText_SPT toSiRelay(const vaholumo::Relay &relay,
                                          signalInterface::RelayStatusTypes::RelayStatusPost &out);

private:
    StateConverter() = default;
};

} // namespace pbSupport::conversion
