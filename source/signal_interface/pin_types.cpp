#include "signal_interface/pin_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

PinTypes::PinTypes(QObject *parent)
    : QObject(parent)
{}

PinTypes::~PinTypes() = default;

bool PinTypes::fromInt(int value, PinViewTypes &result)
{
    return enumFromInt<PinTypes>("PinViewTypes", value, result);
}

QString PinTypes::toText(PinViewTypes value)
{
    return enumValueText<PinTypes>("PinViewTypes", value);
}

} // namespace signalInterface
