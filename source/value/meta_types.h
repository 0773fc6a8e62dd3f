#pragma once

namespace value {

// Registers the value types carried in signals under their "::"-qualified names
// ("::value::HumidityValue_T", "::value::Degrees_9C_T"), which string-based connections and
// queued calls look up. Safe to call more than once.
void registerMetaTypes();

} // namespace value
