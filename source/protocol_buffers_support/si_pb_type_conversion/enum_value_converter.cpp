#include "protocol_buffers_support/si_pb_type_conversion/enum_value_converter.h"

namespace pbSupport::conversion {

namespace {

using signalInterface::ExternalSwitchTypes;
using signalInterface::RegionTypes;
using signalInterface::SaunaStateTypes;
using signalInterface::TankStatusTypes;

constexpr int waterLevelBase = 10;
constexpr int facilityTypeBase = 20;
constexpr int regionBase = 30;
constexpr int externalSwitchBase = 40;
constexpr int bathPriorityBase = 50;

// Panel value i pairs with protocol value base + i for i below count.
bool hasPair(int value, int count)
{
    return value >= 0 && value < count;
}

} // namespace

EnumValueConverter &EnumValueConverter::instance()
{
    static EnumValueConverter *converter = new EnumValueConverter;
    return *converter;
}

TankStatusTypes::TankWaterLevel
EnumValueConverter::toSiWaterLevel(vaholumo::Enum_value_types_water_level_t level)
{
    const int panelValue = level - waterLevelBase;
    if (hasPair(panelValue, TankStatusTypes::E_unknown + 1))
        return static_cast<TankStatusTypes::TankWaterLevel>(panelValue);
    raiseMissingPair(__FILE__, __LINE__, "water_level_t", level);
    return TankStatusTypes::E_unknown;
}

SaunaStateTypes::FacilityType
EnumValueConverter::toSiFacilityType(vaholumo::Enum_value_types_facility_type_t facilityType)
{
    const int panelValue = facilityType - facilityTypeBase;
    if (hasPair(panelValue, SaunaStateTypes::E_unknown + 1))
        return static_cast<SaunaStateTypes::FacilityType>(panelValue);
    raiseMissingPair(__FILE__, __LINE__, "facility_type_t", facilityType);
    return SaunaStateTypes::E_unknown;
}

RegionTypes::RegionType EnumValueConverter::toSiRegion(vaholumo::Enum_value_types_region_t region)
{
    const int panelValue = region - regionBase;
    if (hasPair(panelValue, RegionTypes::E_other + 1))
        return static_cast<RegionTypes::RegionType>(panelValue);
    raiseMissingPair(__FILE__, __LINE__, "region_t", region);
    return RegionTypes::E_other;
}

ExternalSwitchTypes::ExternalSwitchFunction EnumValueConverter::toSiExternalSwitchFunction(
    vaholumo::Enum_value_types_external_switch_function_t function)
{
    const int panelValue = function - externalSwitchBase;
    if (hasPair(panelValue, ExternalSwitchTypes::E_renew + 1))
        return static_cast<ExternalSwitchTypes::ExternalSwitchFunction>(panelValue);
    raiseMissingPair(__FILE__, __LINE__, "external_switch_function_t", function);
    return ExternalSwitchTypes::E_onOff;
}

SaunaStateTypes::BathPriority
EnumValueConverter::toSiBathPriority(vaholumo::Enum_value_types_bath_priority_t priority)
{
    const int panelValue = priority - bathPriorityBase;
    if (hasPair(panelValue, SaunaStateTypes::E_prio_humidity + 1))
        return static_cast<SaunaStateTypes::BathPriority>(panelValue);
    raiseMissingPair(__FILE__, __LINE__, "bath_priority_t", priority);
    return SaunaStateTypes::E_prio_automatic;
}

vaholumo::Enum_value_types_facility_type_t
EnumValueConverter::toPbFacilityType(SaunaStateTypes::FacilityType facilityType)
{
    if (hasPair(facilityType, SaunaStateTypes::E_unknown + 1))
        return static_cast<vaholumo::Enum_value_types_facility_type_t>(facilityTypeBase +
                                                                       facilityType);
    raiseMissingPair(__FILE__, __LINE__, "FacilityType", facilityType);
    return vaholumo::Enum_value_types_facility_type_t_FACILITY_UNKNOWN;
}

vaholumo::Enum_value_types_region_t EnumValueConverter::toPbRegion(RegionTypes::RegionType region)
{
    if (hasPair(region, RegionTypes::E_other + 1))
        return static_cast<vaholumo::Enum_value_types_region_t>(regionBase + region);
    raiseMissingPair(__FILE__, __LINE__, "RegionType", region);
    return vaholumo::Enum_value_types_region_t_REGION_OTHER;
}

vaholumo::Enum_value_types_external_switch_function_t
EnumValueConverter::toPbExternalSwitchFunction(ExternalSwitchTypes::ExternalSwitchFunction function)
{
    if (hasPair(function, ExternalSwitchTypes::E_renew + 1))
        return static_cast<vaholumo::Enum_value_types_external_switch_function_t>(
            externalSwitchBase + function);
    raiseMissingPair(__FILE__, __LINE__, "ExternalSwitchFunction", function);
    return vaholumo::Enum_value_types_external_switch_function_t_EXTERNAL_SWITCH_ON_OFF;
}

vaholumo::Enum_value_types_bath_priority_t
EnumValueConverter::toPbBathPriority(SaunaStateTypes::BathPriority priority)
{
    if (hasPair(priority, SaunaStateTypes::E_prio_humidity + 1))
        return static_cast<vaholumo::Enum_value_types_bath_priority_t>(bathPriorityBase + priority);
    raiseMissingPair(__FILE__, __LINE__, "BathPriority", priority);
    return vaholumo::Enum_value_types_bath_priority_t_BATH_PRIORITY_AUTOMATIC;
}

} // namespace pbSupport::conversion
