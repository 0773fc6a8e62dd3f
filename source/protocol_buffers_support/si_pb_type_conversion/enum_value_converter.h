#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/external_switch_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/sauna_state_types.h"
#include "signal_interface/tank_status_types.h"

#include "enum_value.pb.h"

namespace pbSupport::conversion {

// The five choice settings between the protocol and the panel. Each protocol list is its panel
// enum shifted by a base (water level 10, facility type 20, region 30, external switch 40, bath
// priority 50). A value without a pair raises an internal-error message and gives a fixed
// fallback.
class EnumValueConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    static EnumValueConverter &instance();

    signalInterface::TankStatusTypes::TankWaterLevel
    toSiWaterLevel(vaholumo::Enum_value_types_water_level_t level);
    signalInterface::SaunaStateTypes::FacilityType
    toSiFacilityType(vaholumo::Enum_value_types_facility_type_t facilityType);
    signalInterface::RegionTypes::RegionType toSiRegion(vaholumo::Enum_value_types_region_t region);
    signalInterface::ExternalSwitchTypes::ExternalSwitchFunction
    toSiExternalSwitchFunction(vaholumo::Enum_value_types_external_switch_function_t function);
    signalInterface::SaunaStateTypes::BathPriority
    toSiBathPriority(vaholumo::Enum_value_types_bath_priority_t priority);

    vaholumo::Enum_value_types_facility_type_t
    toPbFacilityType(signalInterface::SaunaStateTypes::FacilityType facilityType);
    vaholumo::Enum_value_types_region_t toPbRegion(signalInterface::RegionTypes::RegionType region);
    vaholumo::Enum_value_types_external_switch_function_t toPbExternalSwitchFunction(
        signalInterface::ExternalSwitchTypes::ExternalSwitchFunction function);
    vaholumo::Enum_value_types_bath_priority_t
    toPbBathPriority(signalInterface::SaunaStateTypes::BathPriority priority);

private:
    EnumValueConverter() = default;
};

} // namespace pbSupport::conversion
