#include "signal_interface/monotonic_clock.h"

#include <QElapsedTimer>

namespace signalInterface {

namespace {

QElapsedTimer &processTimer()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

// Starts the clock while the program starts, not at its first reading.
[[maybe_unused]] const bool startedAtStartUp = (processTimer(), true);

} // namespace

qint64 MonotonicClock::nowMs()
{
    return processTimer().elapsed() + 1;
}

} // namespace signalInterface
