#include "signal_interface/external_switch_types.h"

namespace signalInterface {

ExternalSwitchTypes::ExternalSwitchTypes(QObject *parent)
    : QObject(parent)
{}

ExternalSwitchTypes::~ExternalSwitchTypes() = default;

} // namespace signalInterface
