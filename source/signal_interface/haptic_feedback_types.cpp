#include "signal_interface/haptic_feedback_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

HapticFeedbackTypes::HapticFeedbackTypes(QObject *parent)
    : QObject(parent)
{}

HapticFeedbackTypes::~HapticFeedbackTypes() = default;

bool HapticFeedbackTypes::fromInt(int value, HapticFeedback &result)
{
    return enumFromInt<HapticFeedbackTypes>("HapticFeedback", value, result);
}

QString HapticFeedbackTypes::toText(HapticFeedback value)
{
    return enumValueText<HapticFeedbackTypes>("HapticFeedback", value);
}

} // namespace signalInterface
