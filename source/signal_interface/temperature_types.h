#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Temperature unit and presentation.
class TemperatureTypes : public QObject, public EnumConversions<TemperatureTypes>
{
    Q_OBJECT

public:
    enum TemperatureUnit : int {
        E_celsius = 0,
        E_fahrenheit = 1,
    };
    Q_ENUM(TemperatureUnit)

    enum TemperaturePresentation : int {
        E_smooth = 0,
        E_direct = 1,
    };
    Q_ENUM(TemperaturePresentation)

    explicit TemperatureTypes(QObject *parent = nullptr);
    ~TemperatureTypes() override;
};

} // namespace signalInterface
