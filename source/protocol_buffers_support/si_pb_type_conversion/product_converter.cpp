#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"

#include <iterator>
#include <utility>

namespace pbSupport::conversion {

namespace {

using signalInterface::MasterFuncDescTypes;
using signalInterface::VariantTypes;

constexpr int rcbProductBase = 30;
constexpr int systemTypeBase = 20;
constexpr int otherUnitKind = 4;

constexpr std::pair<vaholumo::Connection_types_brand_t, VariantTypes::Brand> brandPairs[] = {
    {vaholumo::Connection_types_brand_t_BRAND_VAHO, VariantTypes::E_vaho},
    {vaholumo::Connection_types_brand_t_BRAND_LUMO, VariantTypes::E_lumo},
    {vaholumo::Connection_types_brand_t_BRAND_KASTELA, VariantTypes::E_kastela},
    {vaholumo::Connection_types_brand_t_BRAND_ORVELA, VariantTypes::E_orvela},
};

constexpr vaholumo::Connection_types_profile_t profilesByKind[] = {
    vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL,
    vaholumo::Connection_types_profile_t_PROFILE_SMART_PHONE,
    vaholumo::Connection_types_profile_t_PROFILE_TABLET,
    vaholumo::Connection_types_profile_t_PROFILE_HOME_AUTOMATION,
    vaholumo::Connection_types_profile_t_PROFILE_OTHER,
};

} // namespace

ProductConverter &ProductConverter::instance()
{
    static ProductConverter *converter = new ProductConverter;
    return *converter;
}

VariantTypes::Brand ProductConverter::toSiBrand(vaholumo::Connection_types_brand_t brand)
{
    for (const auto &[wireBrand, panelBrand] : brandPairs) {
        if (wireBrand == brand)
            return panelBrand;
    }
    raiseMissingPair(__FILE__, __LINE__, "brand_t", brand);
    return VariantTypes::E_undefined_brand;
}

template<typename Value>
Value ProductConverter::shiftedValue(int wireValue, int base, const char *typeName, Value fallback)
{
    Value result;
    if (MasterFuncDescTypes::fromInt(wireValue - base, result))
        return result;
    raiseMissingPair(__FILE__, __LINE__, typeName, wireValue);
    return fallback;
}

MasterFuncDescTypes::RcbProduct
ProductConverter::toSiRcbProduct(vaholumo::Connection_types_rcb_product_t product)
{
    return shiftedValue(product, rcbProductBase, "rcb_product_t", MasterFuncDescTypes::E_unknown);
}

MasterFuncDescTypes::SystemMode
ProductConverter::toSiSystemMode(vaholumo::Connection_types_system_type_t systemType)
{
    return shiftedValue(systemType, systemTypeBase, "system_type_t",
                        MasterFuncDescTypes::E_standard);
}

int ProductConverter::toSiExternalUnitKind(vaholumo::Connection_types_profile_t profile)
{
    for (int kind = 0; kind < static_cast<int>(std::size(profilesByKind)); ++kind) {
        if (profilesByKind[kind] == profile)
            return kind;
    }
    raiseMissingPair(__FILE__, __LINE__, "profile_t", profile);
    return otherUnitKind;
}

} // namespace pbSupport::conversion
