#include "value/humidity_unit_rule.h"

using signalInterface::HumidityTypes;
using signalInterface::MasterFuncDescTypes;

namespace value {

std::optional<HumidityTypes::HumidityUnit>
HumidityUnitRule::onDescription(const MasterFuncDescTypes::MasterFuncDescPost &description)
{
    m_percentSupported = description.humidityPercent;
    if (description.humidityPercent && m_sensorOk)
        return HumidityTypes::E_percentage;
    if (description.humidityLevel)
        return HumidityTypes::E_step;
    return std::nullopt;
}

HumidityTypes::HumidityUnit HumidityUnitRule::onSensorStatus(bool sensorOk)
{
    m_sensorOk = sensorOk;
    return sensorOk && m_percentSupported ? HumidityTypes::E_percentage : HumidityTypes::E_step;
}

} // namespace value
