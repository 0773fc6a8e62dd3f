#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Display sleep timeouts.
class DisplayTypes : public QObject, public EnumConversions<DisplayTypes>
{
    Q_OBJECT

public:
    enum DisplaySleepTimeout : int {
        E_never = 0,
        E_15sec = 1,
        E_30sec = 2,
        E_1min = 3,
        E_2min = 4,
        E_3min = 5,
        E_4min = 6,
        E_5min = 7,
        E_last = 8,
    };
    Q_ENUM(DisplaySleepTimeout)

    explicit DisplayTypes(QObject *parent = nullptr);
    ~DisplayTypes() override;
};

} // namespace signalInterface
