#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"

#include "signal_interface/protocol_facts.h"

#include <QString>
#include <QStringList>

#include <algorithm>

namespace pbSupport::conversion {

namespace {

using signalInterface::NodeInformationTypes;

constexpr unsigned highestNodeIndex = NodeConverter::nodeCount - 1;

} // namespace

NodeConverter &NodeConverter::instance()
{
    static NodeConverter *converter = new NodeConverter;
    return *converter;
}

vaholumo::Node_types_rcb_t NodeConverter::toPbRcb(NodeInformationTypes::RcbMasterSlaveMode mode)
{
    switch (mode) {
    case NodeInformationTypes::E_master:
        return vaholumo::Node_types_rcb_t_RCB_PRIMARY;
    case NodeInformationTypes::E_slave_1:
        return vaholumo::Node_types_rcb_t_RCB_SECONDARY_1;
    case NodeInformationTypes::E_slave_2:
        return vaholumo::Node_types_rcb_t_RCB_SECONDARY_2;
    }
    raiseMissingPair(__FILE__, __LINE__, "RcbMasterSlaveMode", mode);
    return vaholumo::Node_types_rcb_t_RCB_PRIMARY;
}

NodeInformationTypes::RcbMasterSlaveMode NodeConverter::toSiRcb(vaholumo::Node_types_rcb_t board)
{
    switch (board) {
    case vaholumo::Node_types_rcb_t_RCB_PRIMARY:
        return NodeInformationTypes::E_master;
    case vaholumo::Node_types_rcb_t_RCB_SECONDARY_1:
        return NodeInformationTypes::E_slave_1;
    case vaholumo::Node_types_rcb_t_RCB_SECONDARY_2:
        return NodeInformationTypes::E_slave_2;
    }
    raiseMissingPair(__FILE__, __LINE__, "rcb_t", board);
    return NodeInformationTypes::E_master;
}

value::ErrorText_SPT NodeConverter::toSiNode(const vaholumo::Node_item &node,
                                             NodeInformationTypes::NodeInformationPost &out)
{
    if (!node.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    if (!node.has_address())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no address"));
    if (!node.has_profile())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no profile"));
    if (!node.has_product())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no product"));
    if (!node.has_zerededid_version())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no zerededid version"));
    if (!node.has_application_version())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no application version"));
    if (node.index() > highestNodeIndex)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(node.index()));

    NodeInformationTypes::NodeInformationPost post;
    post.index = node.index();
    post.address = node.address();
    switch (node.profile()) {
    case vaholumo::Node_item_profile_t_NODE_PROFILE_RCB:
        post.profile = NodeInformationTypes::E_rcb;
        break;
    case vaholumo::Node_item_profile_t_NODE_PROFILE_CP:
        post.profile = NodeInformationTypes::E_cp;
        break;
    case vaholumo::Node_item_profile_t_NODE_PROFILE_THS:
        post.profile = NodeInformationTypes::E_ths;
        break;
    case vaholumo::Node_item_profile_t_NODE_PROFILE_UNKNOWN:
        post.profile = NodeInformationTypes::E_unknownProfile;
        break;
    }
    post.product = node.product();
    if (auto error = fromString(node.zerededid_version(), post.zerededidVersion))
        return error;
    if (auto error = fromString(node.application_version(), post.applicationVersion))
        return error;
    out = post;
    return {};
}

value::ErrorText_SPT NodeConverter::fromString(const std::string &text,
                                               signalInterface::VersionTypes::Version &out)
{
    // Read no further than a version can reach.
    if (text.size() > std::size_t(signalInterface::protocolFacts::longestVersionText))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("version size"));
    const QStringList parts = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                                  .split(QLatin1Char('.'));
    if (parts.size() != 3)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("version size"));
    unsigned numbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        // Only plain decimal digits: no sign, no blank, no empty part.
        const QString &part = parts.at(i);
        const bool digitsOnly =
            !part.isEmpty() && std::all_of(part.begin(), part.end(), [](QChar c) {
                return c.isDigit() && c.unicode() < 128;
            });
        numbers[i] = part.toUInt(&ok);
        // A part that is no decimal number makes no three numbers either.
        if (!digitsOnly || !ok)
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("version size"));
    }
    out = signalInterface::VersionTypes::makeVersion(numbers[0], numbers[1], numbers[2]);
    return {};
}

} // namespace pbSupport::conversion
