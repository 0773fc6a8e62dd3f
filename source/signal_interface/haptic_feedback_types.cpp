#include "signal_interface/haptic_feedback_types.h"

namespace signalInterface {

HapticFeedbackTypes::HapticFeedbackTypes(QObject *parent)
    : QObject(parent)
{}

HapticFeedbackTypes::~HapticFeedbackTypes() = default;

} // namespace signalInterface
