#include "signal_interface/external_switch_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

ExternalSwitchTypes::ExternalSwitchTypes(QObject *parent)
    : QObject(parent)
{}

ExternalSwitchTypes::~ExternalSwitchTypes() = default;

bool ExternalSwitchTypes::fromInt(int value, ExternalSwitchFunction &result)
{
    return enumFromInt<ExternalSwitchTypes>("ExternalSwitchFunction", value, result);
}

QString ExternalSwitchTypes::toText(ExternalSwitchFunction value)
{
    return enumValueText<ExternalSwitchTypes>("ExternalSwitchFunction", value);
}

} // namespace signalInterface
