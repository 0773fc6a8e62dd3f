#pragma once

#include <QtGlobal>

namespace signalInterface {

// The process's one monotonic millisecond clock, started at start-up. Its readings are always at
// least 1, so a stored 0 can mean "never".
class MonotonicClock
{
public:
    static qint64 nowMs();
};

} // namespace signalInterface
