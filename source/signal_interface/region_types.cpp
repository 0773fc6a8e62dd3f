#include "signal_interface/region_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

RegionTypes::RegionTypes(QObject *parent)
    : QObject(parent)
{}

RegionTypes::~RegionTypes() = default;

bool RegionTypes::fromInt(int value, RegionType &result)
{
    return enumFromInt<RegionTypes>("RegionType", value, result);
}

QString RegionTypes::toText(RegionType value)
{
    return enumValueText<RegionTypes>("RegionType", value);
}

} // namespace signalInterface
