#pragma once

#include "signal_interface/variant_types.h"

#include <QObject>

namespace control {

// What the rest of the program asks to learn which brand and product this program is; the
// edition's implementation derives from it and exists once.
class VariantControllerBase : public QObject
{
    Q_OBJECT

public:
    ~VariantControllerBase() override;

    // The one live variant controller, or null before it exists and after it is gone.
    static VariantControllerBase *instance();

    virtual signalInterface::VariantTypes::Brand brand() const = 0;
    virtual signalInterface::VariantTypes::ProductType productType() const = 0;

signals:
    void brandChanged(::signalInterface::VariantTypes::Brand brand);
    void productTypeChanged(::signalInterface::VariantTypes::ProductType productType);

protected:
    // Makes this object the one instance().
    explicit VariantControllerBase(QObject *parent = nullptr);
};

} // namespace control
