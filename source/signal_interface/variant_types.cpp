#include "signal_interface/variant_types.h"

namespace signalInterface {

VariantTypes::VariantTypes(QObject *parent)
    : QObject(parent)
{}

VariantTypes::~VariantTypes() = default;

} // namespace signalInterface
