#pragma once

#include "control/variant_controller_base.h"

namespace control {

// The brand of this build.
signalInterface::VariantTypes::Brand buildBrand();

// The variant of the PC edition: always the PC product, with the brand fixed at build time.
// Published to QML as "variant_controller".
class VariantControllerPcPanel : public VariantControllerBase
{
    Q_OBJECT

public:
    VariantControllerPcPanel(signalInterface::VariantTypes::Brand brand, QObject *parent);

    signalInterface::VariantTypes::Brand brand() const override;
    signalInterface::VariantTypes::ProductType productType() const override;

    // brandChanged with the brand, then productTypeChanged with the PC product.
    void announceVariant();

private:
    qint32 m_brand;
};

} // namespace control
