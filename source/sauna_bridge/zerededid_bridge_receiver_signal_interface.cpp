#include "sauna_bridge/zerededid_bridge_receiver_signal_interface.h"

namespace saunaBridge {

ZerededidBridgeReceiverSignalInterface::ZerededidBridgeReceiverSignalInterface(QObject *parent)
    : QObject(parent)
{}

ZerededidBridgeReceiverSignalInterface::~ZerededidBridgeReceiverSignalInterface() = default;

} // namespace saunaBridge
