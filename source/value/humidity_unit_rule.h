#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"

#include <optional>

namespace value {

// Which unit a humidity is shown and edited in: percent only while the sauna supports percent
// control and reports a working humidity sensor, levels otherwise. Fed with the sauna's reports,
// it tells the unit each report calls for.
class HumidityUnitRule
{
public:
    // The unit a new description calls for, judged by the sensor status last reported; nothing
    // when the sauna names neither unit usable (the unit then stays as it is).
    std::optional<signalInterface::HumidityTypes::HumidityUnit>
    onDescription(const signalInterface::MasterFuncDescTypes::MasterFuncDescPost &description);
    // The unit a sensor status calls for, judged by the description last reported.
    signalInterface::HumidityTypes::HumidityUnit onSensorStatus(bool sensorOk);

private:
    bool m_percentSupported = false;
    bool m_sensorOk = false;
};

} // namespace value
