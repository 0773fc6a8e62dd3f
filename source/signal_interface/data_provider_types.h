#pragma once

#include "signal_interface/enum_value_text.h"

#include <QDebug>
#include <QObject>
#include <QString>

#include <iosfwd>

namespace signalInterface {

// Direction of a stepper control's change request.
class DataProviderTypes : public QObject, public EnumConversions<DataProviderTypes>
{
    Q_OBJECT

public:
    enum StepperControlChange : int {
        E_stepper_increase = 0,
        E_stepper_decrease = 1,
    };
    Q_ENUM(StepperControlChange)

    explicit DataProviderTypes(QObject *parent = nullptr);
    ~DataProviderTypes() override;
};

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, DataProviderTypes::StepperControlChange value);
std::ostream &operator<<(std::ostream &stream, DataProviderTypes::StepperControlChange value);

} // namespace signalInterface
