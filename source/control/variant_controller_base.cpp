#include "control/variant_controller_base.h"

namespace control {

namespace {
VariantControllerBase *liveInstance = nullptr;
} // namespace

VariantControllerBase::VariantControllerBase(QObject *parent)
    : QObject(parent)
{
    liveInstance = this;
}

VariantControllerBase::~VariantControllerBase()
{
    if (liveInstance == this) {
        liveInstance = nullptr;
    }
}

VariantControllerBase *VariantControllerBase::instance()
{
    return liveInstance;
}

} // namespace control
