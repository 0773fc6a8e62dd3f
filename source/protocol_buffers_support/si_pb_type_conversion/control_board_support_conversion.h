#pragma once

#include "signal_interface/master_func_desc_types.h"

#include "function_support.pb.h"

namespace pbSupport::conversion {

// Copies wire fields 10-32 into the 23 flags in order. Returns true only when fields 10-31 are
// all present: an incomplete report must not switch off functions the sauna has. Field 32 may be
// missing; its flag is then false.
bool toSiMasterFuncDesc(const vaholumo::Control_board_support &support,
                        signalInterface::MasterFuncDescTypes::MasterFuncDescPost &out);

} // namespace pbSupport::conversion
