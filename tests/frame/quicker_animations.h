#pragma once

#include <QAnimationDriver>
#include <QBasicTimer>
#include <QElapsedTimer>
#include <QTimerEvent>

// Runs every animation of the application, the scene's page transitions and list movements
// included, the given times faster than the wall clock, for as long as it lives. A walk that opens
// hundreds of pages and looks at each only at rest spends most of its time waiting for the
// transitions; what it finds at rest is the same at any speed. Timers are not touched.
class QuickerAnimations : public QAnimationDriver
{
public:
    explicit QuickerAnimations(int speed)
        : m_speed(speed)
    {
        install();
    }
    ~QuickerAnimations() override { uninstall(); }

    QuickerAnimations(const QuickerAnimations &) = delete;
    QuickerAnimations &operator=(const QuickerAnimations &) = delete;

    // Animation time since the driver started, as the default driver counts it from its start.
    qint64 elapsed() const override { return m_clock.isValid() ? m_clock.elapsed() * m_speed : 0; }

protected:
    void start() override
    {
        m_clock.start();
        // A frame every 16 ms, as the default driver ticks.
        m_ticks.start(16, Qt::PreciseTimer, this);
        QAnimationDriver::start();
    }

    void stop() override
    {
        m_ticks.stop();
        m_clock.invalidate();
        QAnimationDriver::stop();
    }

    void timerEvent(QTimerEvent *event) override
    {
        if (event->timerId() == m_ticks.timerId())
            advance();
        else
            QAnimationDriver::timerEvent(event);
    }

private:
    const int m_speed;
    QElapsedTimer m_clock;
    QBasicTimer m_ticks;
};
