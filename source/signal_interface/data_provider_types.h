#pragma once

#include <QDebug>
#include <QObject>
#include <QString>

#include <iosfwd>

namespace signalInterface {

// Direction of a stepper control's change request.
class DataProviderTypes : public QObject
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

    // fromInt writes result only for a declared value; toText gives the key text.
    static bool fromInt(int value, StepperControlChange &result);
    static QString toText(StepperControlChange value);
};

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, DataProviderTypes::StepperControlChange value);
std::ostream &operator<<(std::ostream &stream, DataProviderTypes::StepperControlChange value);

} // namespace signalInterface
