#pragma once

#include "signal_interface/humidity_types.h"
#include "value/humidity_value.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <optional>

namespace value {

// Smooths the measured humidity for display, like the temperature filterer, in the unit of the
// latest measurement; the band around the target may differ below and above it.
class HumidityFilterer : public QObject
{
    Q_OBJECT

public:
    explicit HumidityFilterer(QObject *parent = nullptr);

    // Returns the number of connects that failed (two signals per source).
    int connectSaunaSources(const QList<QObject *> &sources);

    void setTimerInterval(int milliseconds);
    int timerInterval() const { return m_period; }
    bool isRunning() const { return m_timer.isActive(); }
    void start();

    void setTargetValue(const HumidityValue_T &target) { m_target = target; }
    // Forgets the measurement and the target: nothing is told until the next measurement.
    void reset()
    {
        m_measured.reset();
        m_target.reset();
    }
    void setToleranceBelowTarget(const HumidityValue_T &tolerance) { m_toleranceBelow = tolerance; }
    void setToleranceAboveTarget(const HumidityValue_T &tolerance) { m_toleranceAbove = tolerance; }
    void setMaxStepPercent(int maxStep) { m_maxStepPercent = maxStep; }
    void setMaxStepSteps(int maxStep) { m_maxStepSteps = maxStep; }
    HumidityValue_T filteredValue() const { return m_filtered; }

signals:
    void filteredHumidityValueChanged(::value::HumidityValue_T filtered);

public slots:
    // One tick; the timer calls it.
    void onTimeout();
    void onSaunaHumidityChanged(int measured, ::signalInterface::HumidityTypes::HumidityUnit unit);
    void onSaunaHumiditySensorStatusChanged(bool sensorOk);

private:
    QTimer m_timer;
    int m_period = 1000;
    int m_maxStepPercent = 1;
    int m_maxStepSteps = 1;
    std::optional<HumidityValue_T> m_measured;
    HumidityValue_T m_filtered{0, signalInterface::HumidityTypes::E_percentage};
    std::optional<HumidityValue_T> m_target;
    HumidityValue_T m_toleranceBelow{3, signalInterface::HumidityTypes::E_percentage};
    HumidityValue_T m_toleranceAbove{3, signalInterface::HumidityTypes::E_percentage};
};

} // namespace value
