#include "control/variant_controller_pc_panel.h"

namespace control {

signalInterface::VariantTypes::Brand buildBrand()
{
    return signalInterface::VariantTypes::E_vaho;
}

VariantControllerPcPanel::VariantControllerPcPanel(signalInterface::VariantTypes::Brand brand,
                                                   QObject *parent)
    : VariantControllerBase(parent)
    , m_brand(brand)
{}

signalInterface::VariantTypes::Brand VariantControllerPcPanel::brand() const
{
    return static_cast<signalInterface::VariantTypes::Brand>(m_brand);
}

signalInterface::VariantTypes::ProductType VariantControllerPcPanel::productType() const
{
    return signalInterface::VariantTypes::E_PC;
}

void VariantControllerPcPanel::announceVariant()
{
    emit brandChanged(brand());
    emit productTypeChanged(productType());
}

} // namespace control
