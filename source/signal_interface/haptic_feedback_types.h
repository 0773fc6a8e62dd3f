#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Whether touches give haptic feedback.
class HapticFeedbackTypes : public QObject
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

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, HapticFeedback &result);
    static QString toText(HapticFeedback value);
};

} // namespace signalInterface
