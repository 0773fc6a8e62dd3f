#include "control/haptic_sensor_controller.h"

#include "control/details/stored_enum_setting.h"
#include "control/settings.h"

namespace control {

using signalInterface::HapticFeedbackTypes;

HapticSensorController::HapticSensorController(QObject *parent)
    : QObject(parent)
    , m_feedback(details::readEnumSetting<HapticFeedback>(
          Settings::keyHapticSensorActivatedKey, &HapticFeedbackTypes::fromInt, defaultFeedback))
{}

void HapticSensorController::emitInitialState()
{
    emit newHapticFeedbackValue(m_feedback);
}

void HapticSensorController::onHapticFeedbackChangeRequested(
    ::signalInterface::HapticFeedbackTypes::HapticFeedback feedback)
{
    HapticFeedback checked{};
    if (!HapticFeedbackTypes::fromInt(static_cast<int>(feedback), checked)) {
        return;
    }
    m_feedback = checked;
    Settings::setValue(QLatin1String(Settings::keyHapticSensorActivatedKey),
                       static_cast<int>(checked));
    emit newHapticFeedbackValue(checked);
}

} // namespace control
