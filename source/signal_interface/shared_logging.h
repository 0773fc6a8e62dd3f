#pragma once

#include <QLoggingCategory>

namespace signalInterface {

// The shared layer's log: failed signal connects of every layer above it.
Q_DECLARE_LOGGING_CATEGORY(sharedLog)

} // namespace signalInterface
