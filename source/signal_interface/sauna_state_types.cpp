#include "signal_interface/sauna_state_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

SaunaStateTypes::SaunaStateTypes(QObject *parent)
    : QObject(parent)
{}

SaunaStateTypes::~SaunaStateTypes() = default;

bool SaunaStateTypes::fromInt(int value, SaunaState &result)
{
    return enumFromInt<SaunaStateTypes>("SaunaState", value, result);
}

QString SaunaStateTypes::toText(SaunaState value)
{
    return enumValueText<SaunaStateTypes>("SaunaState", value);
}

bool SaunaStateTypes::fromInt(int value, BathPriority &result)
{
    return enumFromInt<SaunaStateTypes>("BathPriority", value, result);
}

QString SaunaStateTypes::toText(BathPriority value)
{
    return enumValueText<SaunaStateTypes>("BathPriority", value);
}

bool SaunaStateTypes::fromInt(int value, FacilityType &result)
{
    return enumFromInt<SaunaStateTypes>("FacilityType", value, result);
}

QString SaunaStateTypes::toText(FacilityType value)
{
    return enumValueText<SaunaStateTypes>("FacilityType", value);
}

} // namespace signalInterface
