#include "signal_interface/node_information_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

NodeInformationTypes::NodeInformationTypes(QObject *parent)
    : QObject(parent)
{}

NodeInformationTypes::~NodeInformationTypes() = default;

bool NodeInformationTypes::fromInt(int value, NodeProfileMode &result)
{
    return enumFromInt<NodeInformationTypes>("NodeProfileMode", value, result);
}

QString NodeInformationTypes::toText(NodeProfileMode value)
{
    return enumValueText<NodeInformationTypes>("NodeProfileMode", value);
}

bool NodeInformationTypes::fromInt(int value, RcbMasterSlaveMode &result)
{
    return enumFromInt<NodeInformationTypes>("RcbMasterSlaveMode", value, result);
}

QString NodeInformationTypes::toText(RcbMasterSlaveMode value)
{
    return enumValueText<NodeInformationTypes>("RcbMasterSlaveMode", value);
}

} // namespace signalInterface
