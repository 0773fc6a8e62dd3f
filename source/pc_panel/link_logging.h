#pragma once

#include <QLoggingCategory>

namespace pcPanel {

// The sauna link's log: dropped datagrams and requests, failed connects.
Q_DECLARE_LOGGING_CATEGORY(linkLog)

} // namespace pcPanel
