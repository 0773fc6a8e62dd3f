#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Product type and brand of the panel.
class VariantTypes : public QObject, public EnumConversions<VariantTypes>
{
    Q_OBJECT

public:
    enum ProductType : int {
        E_fell_wifi = 0,
        E_fell = 1,
        E_PC = 2,
    };
    Q_ENUM(ProductType)

    enum Brand : int {
        E_vaho = 0,
        E_lumo = 1,
        E_orvela = 2,
        E_kastela = 3,
        E_undefined_brand = 4,
    };
    Q_ENUM(Brand)

    explicit VariantTypes(QObject *parent = nullptr);
    ~VariantTypes() override;
};

} // namespace signalInterface
