#include "signal_interface/keyboard_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

KeyboardTypes::KeyboardTypes(QObject *parent)
    : QObject(parent)
{}

KeyboardTypes::~KeyboardTypes() = default;

} // namespace signalInterface
