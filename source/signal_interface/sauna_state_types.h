#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Sauna operating state, bath priority and facility type.
class SaunaStateTypes : public QObject, public EnumConversions<SaunaStateTypes>
{
    Q_OBJECT

public:
    enum SaunaState : int {
        E_sauna_off = 0,
        E_sauna_on = 1,
        E_sauna_dryup = 2,
        E_sauna_standby = 3,
        E_sauna_cleanup = 4,
        E_sauna_descaling = 5,
    };
    Q_ENUM(SaunaState)

    enum BathPriority : int {
        E_prio_automatic = 0,
        E_prio_temperature = 1,
        E_prio_humidity = 2,
    };
    Q_ENUM(BathPriority)

    enum FacilityType : int {
        E_supervised = 0,
        E_time_controlled = 1,
        E_private_controlled = 2,
        E_public = 3,
        E_unknown = 4,
    };
    Q_ENUM(FacilityType)

    explicit SaunaStateTypes(QObject *parent = nullptr);
    ~SaunaStateTypes() override;
};

} // namespace signalInterface
