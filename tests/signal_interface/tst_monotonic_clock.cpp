#include "signal_interface/monotonic_clock.h"

#include <QTest>

using signalInterface::MonotonicClock;

// The process clock never reads 0 and never runs backwards.
class TestMonotonicClock : public QObject
{
    Q_OBJECT

private slots:
    void neverZeroNeverBackwards()
    {
        qint64 previous = MonotonicClock::nowMs();
        QVERIFY(previous >= 1);
        for (int i = 0; i < 1000; ++i) {
            const qint64 now = MonotonicClock::nowMs();
            QVERIFY(now >= previous);
            previous = now;
        }
    }

    void advances()
    {
        const qint64 start = MonotonicClock::nowMs();
        QTRY_VERIFY(MonotonicClock::nowMs() > start);
    }
};

QTEST_APPLESS_MAIN(TestMonotonicClock)
#include "tst_monotonic_clock.moc"
