#include "signal_interface/configure_types.h"

namespace signalInterface {

ConfigureTypes::ConfigureTypes(QObject *parent)
    : QObject(parent)
{}

ConfigureTypes::~ConfigureTypes() = default;

} // namespace signalInterface
