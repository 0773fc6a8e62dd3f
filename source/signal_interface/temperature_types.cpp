#include "signal_interface/temperature_types.h"

namespace signalInterface {

TemperatureTypes::TemperatureTypes(QObject *parent)
    : QObject(parent)
{}

TemperatureTypes::~TemperatureTypes() = default;

} // namespace signalInterface
