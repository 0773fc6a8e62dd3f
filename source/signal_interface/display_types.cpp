#include "signal_interface/display_types.h"

namespace signalInterface {

DisplayTypes::DisplayTypes(QObject *parent)
    : QObject(parent)
{}

DisplayTypes::~DisplayTypes() = default;

} // namespace signalInterface
