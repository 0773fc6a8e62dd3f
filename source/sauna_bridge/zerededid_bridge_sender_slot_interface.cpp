#include "sauna_bridge/zerededid_bridge_sender_slot_interface.h"

namespace saunaBridge {

ZerededidBridgeSenderSlotInterface::ZerededidBridgeSenderSlotInterface(QObject *parent)
    : QObject(parent)
{}

ZerededidBridgeSenderSlotInterface::~ZerededidBridgeSenderSlotInterface() = default;

} // namespace saunaBridge
