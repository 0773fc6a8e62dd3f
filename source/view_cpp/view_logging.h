#pragma once

#include <QLoggingCategory>

namespace view {

// The view core's log: list models and their rows.
Q_DECLARE_LOGGING_CATEGORY(viewLog)

} // namespace view
