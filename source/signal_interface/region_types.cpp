#include "signal_interface/region_types.h"

namespace signalInterface {

RegionTypes::RegionTypes(QObject *parent)
    : QObject(parent)
{}

RegionTypes::~RegionTypes() = default;

} // namespace signalInterface
