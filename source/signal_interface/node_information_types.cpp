#include "signal_interface/node_information_types.h"

namespace signalInterface {

NodeInformationTypes::NodeInformationTypes(QObject *parent)
    : QObject(parent)
{}

NodeInformationTypes::~NodeInformationTypes() = default;

} // namespace signalInterface
