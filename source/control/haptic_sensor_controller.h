#pragma once

#include "signal_interface/haptic_feedback_types.h"

#include <QObject>

namespace control {

// Keeps the haptic feedback setting ("key_haptic_sensor_activated") and announces it.
class HapticSensorController : public QObject
{
    Q_OBJECT

public:
    using HapticFeedback = signalInterface::HapticFeedbackTypes::HapticFeedback;

    static constexpr HapticFeedback defaultFeedback =
        signalInterface::HapticFeedbackTypes::E_activated;

    // Reads the key; writes the default when it is missing. A value it cannot read stays in the
    // file and reads as the default.
    explicit HapticSensorController(QObject *parent = nullptr);

    // First state: announces the setting.
    void emitInitialState();

    HapticFeedback feedback() const { return m_feedback; }

public slots:
    void onHapticFeedbackChangeRequested(
        ::signalInterface::HapticFeedbackTypes::HapticFeedback feedback);

signals:
    void newHapticFeedbackValue(::signalInterface::HapticFeedbackTypes::HapticFeedback feedback);

private:
    HapticFeedback m_feedback = defaultFeedback;
};

} // namespace control
