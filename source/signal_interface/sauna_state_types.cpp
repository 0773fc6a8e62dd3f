#include "signal_interface/sauna_state_types.h"

namespace signalInterface {

SaunaStateTypes::SaunaStateTypes(QObject *parent)
    : QObject(parent)
{}

SaunaStateTypes::~SaunaStateTypes() = default;

} // namespace signalInterface
