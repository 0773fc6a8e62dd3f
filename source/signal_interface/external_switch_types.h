#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Function of the external switch input.
class ExternalSwitchTypes : public QObject, public EnumConversions<ExternalSwitchTypes>
{
    Q_OBJECT

public:
    enum ExternalSwitchFunction : int {
        E_onOff = 0,
        E_renew = 1,
    };
    Q_ENUM(ExternalSwitchFunction)

    explicit ExternalSwitchTypes(QObject *parent = nullptr);
    ~ExternalSwitchTypes() override;
};

} // namespace signalInterface
