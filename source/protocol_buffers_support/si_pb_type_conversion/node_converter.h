#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/node_information_types.h"
#include "signal_interface/version_types.h"
#include "value/error_text.h"

#include "node.pb.h"
#include "node_type.pb.h"

#include <string>

namespace pbSupport::conversion {

// Relay control boards and bus nodes between the protocol and the panel.
class NodeConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    // The sauna system's bus has eight nodes, 0-7.
    static constexpr unsigned nodeCount = 8;

    static NodeConverter &instance();

    // Board roles pair value for value; a value without a pair gives board 0 (E_master) after an
    // internal-error message.
    vaholumo::Node_types_rcb_t
    toPbRcb(signalInterface::NodeInformationTypes::RcbMasterSlaveMode mode);
    signalInterface::NodeInformationTypes::RcbMasterSlaveMode
    toSiRcb(vaholumo::Node_types_rcb_t board);

    // Every field of the node is required and the index is at most 7.
    value::ErrorText_SPT toSiNode(const vaholumo::Node_item &node,
                                  signalInterface::NodeInformationTypes::NodeInformationPost &out);

    // Exactly three dot-separated decimal numbers, as "1.2.3".
    static value::ErrorText_SPT fromString(const std::string &text,
                                           signalInterface::VersionTypes::Version &out);

private:
    NodeConverter() = default;
};

} // namespace pbSupport::conversion
