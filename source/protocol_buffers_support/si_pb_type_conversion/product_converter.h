#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/variant_types.h"

#include "connect.pb.h"

namespace pbSupport::conversion {

// Brand, control-board product, system type and external-unit profile between the protocol
// (announcements and connect replies) and the panel.
class ProductConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    static ProductConverter &instance();

    // Kastela (42) and Orvela (43) are not in the order of the panel's brand keys. A brand
    // without a pair gives E_undefined_brand after an internal-error message.
    signalInterface::VariantTypes::Brand toSiBrand(vaholumo::Connection_types_brand_t brand);
    // Protocol value - 30; E_unknown for a value without a pair.
    signalInterface::MasterFuncDescTypes::RcbProduct
    toSiRcbProduct(vaholumo::Connection_types_rcb_product_t product);
    // Protocol value - 20; E_standard for a value without a pair.
    signalInterface::MasterFuncDescTypes::SystemMode
    toSiSystemMode(vaholumo::Connection_types_system_type_t systemType);
    // External-unit kinds 0-4 (PC panel, smart phone, tablet, home automation, other).
    int toSiExternalUnitKind(vaholumo::Connection_types_profile_t profile);

private:
    ProductConverter() = default;

    // The value of a MasterFuncDescTypes enum that the protocol value less base is; the fallback,
    // after the missing-pair message, where the enum has no such value.
    template<typename Value>
    Value shiftedValue(int wireValue, int base, const char *typeName, Value fallback);
};

} // namespace pbSupport::conversion
