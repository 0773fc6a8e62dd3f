#pragma once

#include <QLoggingCategory>

namespace view {

// The application frame's log: start-up, the main window and its QML settings.
Q_DECLARE_LOGGING_CATEGORY(frameLog)

} // namespace view
