#pragma once

#include <QObject>
#include <QString>

namespace signalInterface {

// Function of the humidity regulator.
class RegulatorTypes : public QObject
{
    Q_OBJECT

public:
    enum RegulatorFunction : int {
        E_automatic = 0,
        E_onOff = 1,
        E_split = 2,
    };
    Q_ENUM(RegulatorFunction)

    explicit RegulatorTypes(QObject *parent = nullptr);
    ~RegulatorTypes() override;

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, RegulatorFunction &result);
    static QString toText(RegulatorFunction value);
};

} // namespace signalInterface
