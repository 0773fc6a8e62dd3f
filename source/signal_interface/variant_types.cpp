#include "signal_interface/variant_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

VariantTypes::VariantTypes(QObject *parent)
    : QObject(parent)
{}

VariantTypes::~VariantTypes() = default;

bool VariantTypes::fromInt(int value, ProductType &result)
{
    return enumFromInt<VariantTypes>("ProductType", value, result);
}

QString VariantTypes::toText(ProductType value)
{
    return enumValueText<VariantTypes>("ProductType", value);
}

bool VariantTypes::fromInt(int value, Brand &result)
{
    return enumFromInt<VariantTypes>("Brand", value, result);
}

QString VariantTypes::toText(Brand value)
{
    return enumValueText<VariantTypes>("Brand", value);
}

} // namespace signalInterface
