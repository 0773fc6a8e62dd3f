#include "signal_interface/pin_types.h"

namespace signalInterface {

PinTypes::PinTypes(QObject *parent)
    : QObject(parent)
{}

PinTypes::~PinTypes() = default;

} // namespace signalInterface
