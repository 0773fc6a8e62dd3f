#pragma once

#include "value/temperature_values.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

namespace value {

// Smooths the measured temperature for display: on every tick the filtered value moves towards the
// measurement by at most one largest step, and heads for the target instead once the measurement
// is within the tolerance of it, so the display settles on the target near it.
class TemperatureFilterer : public QObject
{
    Q_OBJECT

public:
    explicit TemperatureFilterer(QObject *parent = nullptr);

    // Returns the number of sources whose saunaTemperatureChanged(int) could not be connected.
    int connectSaunaSources(const QList<QObject *> &sources);

    void setTimerInterval(int milliseconds);
    int timerInterval() const { return m_period; }
    bool isRunning() const { return m_timer.isActive(); }
    void start();

    void setTargetValue(Degrees_9C_T target) { m_target = target; }
    // Forgets the measurement and the target: nothing is told until the next measurement, which
    // then shows at once.
    void reset()
    {
        m_measured.reset();
        m_target.reset();
    }
    void setTargetTolerance(int tolerance) { m_targetTolerance = tolerance; }
    void setMaxStep(int maxStep) { m_maxStep = maxStep; }
    Degrees_9C_T filteredValue() const { return m_filtered; }

signals:
    void filteredTemperatureValueChanged(::value::Degrees_9C_T filtered);

public slots:
    // One tick; the timer calls it.
    void onTimeout();
    void onSaunaTemperatureChanged(int measured);

private:
    std::optional<Degrees_9C_T> m_measured;
    QTimer m_timer;
    int m_period = 10000;
    int m_maxStep = 9;
    Degrees_9C_T m_filtered = 0;
    std::optional<Degrees_9C_T> m_target;
    int m_targetTolerance = 9;
};

// The change that moves a filtered value towards a goal delta away by at most maxStep, without
// overshooting it.
qint64 limitedStep(qint64 delta, int maxStep);
// The number, or the end of an int's range that it passes.
int toInt(qint64 number);

} // namespace value
