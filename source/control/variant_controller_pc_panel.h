#pragma once

#include "control/variant_controller_base.h"

namespace control {

// The brand of this build.
signalInterface::VariantTypes::Brand buildBrand();

// The variant of the PC edition: always the PC product, with the brand fixed at build time.
// Published to QML as "variant_controller"; the scene can read both values while it loads, before
// announceVariant() reports them to the native receivers.
class VariantControllerPcPanel : public VariantControllerBase
{
    Q_OBJECT
    Q_PROPERTY(int brand READ brandNumber CONSTANT)
    Q_PROPERTY(int productType READ productTypeNumber CONSTANT)

public:
    VariantControllerPcPanel(signalInterface::VariantTypes::Brand brand, QObject *parent);

    signalInterface::VariantTypes::Brand brand() const override;
    signalInterface::VariantTypes::ProductType productType() const override;

    // brandChanged with the brand, then productTypeChanged with the PC product.
    void announceVariant();

private:
    int brandNumber() const { return m_brand; }
    int productTypeNumber() const { return productType(); }

    qint32 m_brand;
};

} // namespace control
