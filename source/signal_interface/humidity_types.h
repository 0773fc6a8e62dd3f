#pragma once

#include "signal_interface/enum_value_text.h"

#include <QDebug>
#include <QObject>
#include <QString>

#include <iosfwd>

namespace signalInterface {

// Humidity unit and presentation.
class HumidityTypes : public QObject, public EnumConversions<HumidityTypes>
{
    Q_OBJECT

public:
    enum HumidityUnit : int {
        E_percentage = 0,
        E_step = 1,
    };
    Q_ENUM(HumidityUnit)

    enum HumidityPresentation : int {
        E_smooth = 0,
        E_direct = 1,
    };
    Q_ENUM(HumidityPresentation)

    explicit HumidityTypes(QObject *parent = nullptr);
    ~HumidityTypes() override;
};

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, HumidityTypes::HumidityUnit value);
std::ostream &operator<<(std::ostream &stream, HumidityTypes::HumidityUnit value);

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, HumidityTypes::HumidityPresentation value);
std::ostream &operator<<(std::ostream &stream, HumidityTypes::HumidityPresentation value);

} // namespace signalInterface
