#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Temperature unit and presentation.
class TemperatureTypes : public QObject
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

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, TemperatureUnit &result);
    static QString toText(TemperatureUnit value);
    static bool fromInt(int value, TemperaturePresentation &result);
    static QString toText(TemperaturePresentation value);
};

} // namespace signalInterface
