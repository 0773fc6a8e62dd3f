#pragma once

#include <QLoggingCategory>

namespace value {

// The value managers' log: dropped step requests, limit checks, sensor changes.
Q_DECLARE_LOGGING_CATEGORY(valueLog)

} // namespace value
