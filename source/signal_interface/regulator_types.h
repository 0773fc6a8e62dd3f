#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Function of the humidity regulator.
class RegulatorTypes : public QObject, public EnumConversions<RegulatorTypes>
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
};

} // namespace signalInterface
