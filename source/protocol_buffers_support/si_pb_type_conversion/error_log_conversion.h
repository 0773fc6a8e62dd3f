#pragma once

#include "signal_interface/error_log_types.h"
#include "value/error_text.h"

#include "error.pb.h"

namespace pbSupport::conversion {

// A sauna's error log has 32 entries, 0-31.
constexpr unsigned errorLogEntryCount = 32;

// Index 0-31 is required. The entry's time counts from 2000-01-01 00:00 in the panel's local
// time (not UTC, unlike every other protocol time); an absurd time leaves the time unset.
value::ErrorText_SPT toSiErrorLogItem(const vaholumo::Error_post &post,
                                      signalInterface::ErrorLogTypes::ErrorLogItem &out);

} // namespace pbSupport::conversion
