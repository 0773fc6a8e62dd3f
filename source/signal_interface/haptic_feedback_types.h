#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Whether touches give haptic feedback.
class HapticFeedbackTypes : public QObject, public EnumConversions<HapticFeedbackTypes>
{
    Q_OBJECT

public:
    enum HapticFeedback : int {
        E_deactivated = 0,
        E_activated = 1,
    };
    Q_ENUM(HapticFeedback)

    explicit HapticFeedbackTypes(QObject *parent = nullptr);
    ~HapticFeedbackTypes() override;
};

} // namespace signalInterface
