#include "signal_interface/display_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

DisplayTypes::DisplayTypes(QObject *parent)
    : QObject(parent)
{}

DisplayTypes::~DisplayTypes() = default;

bool DisplayTypes::fromInt(int value, DisplaySleepTimeout &result)
{
    return enumFromInt<DisplayTypes>("DisplaySleepTimeout", value, result);
}

QString DisplayTypes::toText(DisplaySleepTimeout value)
{
    return enumValueText<DisplayTypes>("DisplaySleepTimeout", value);
}

} // namespace signalInterface
