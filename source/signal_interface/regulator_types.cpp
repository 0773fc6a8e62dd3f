#include "signal_interface/regulator_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

RegulatorTypes::RegulatorTypes(QObject *parent)
    : QObject(parent)
{}

RegulatorTypes::~RegulatorTypes() = default;

bool RegulatorTypes::fromInt(int value, RegulatorFunction &result)
{
    return enumFromInt<RegulatorTypes>("RegulatorFunction", value, result);
}

QString RegulatorTypes::toText(RegulatorFunction value)
{
    return enumValueText<RegulatorTypes>("RegulatorFunction", value);
}

} // namespace signalInterface
