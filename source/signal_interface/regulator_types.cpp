#include "signal_interface/regulator_types.h"

namespace signalInterface {

RegulatorTypes::RegulatorTypes(QObject *parent)
    : QObject(parent)
{}

RegulatorTypes::~RegulatorTypes() = default;

} // namespace signalInterface
