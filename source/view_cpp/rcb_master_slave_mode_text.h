#pragma once

#include "signal_interface/node_information_types.h"

#include <QString>

namespace view {

// The name of a relay control board: "Primary", "Secondary1" or "Secondary2"; empty for any other
// value.
QString rcbMasterSlaveModeText(signalInterface::NodeInformationTypes::RcbMasterSlaveMode mode);

} // namespace view
