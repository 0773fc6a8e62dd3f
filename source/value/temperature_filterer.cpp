#include "value/temperature_filterer.h"

#include "signal_interface/sender_connections.h"

#include <cstdlib>

namespace value {

int limitedStep(int delta, int maxStep)
{
    const int sign = (delta > 0) - (delta < 0);
    const int distance = std::abs(delta);
    return qBound(-distance, maxStep * sign, distance);
}

TemperatureFilterer::TemperatureFilterer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &TemperatureFilterer::onTimeout);
}

int TemperatureFilterer::connectSaunaSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(saunaTemperatureChanged(int)), SLOT(onSaunaTemperatureChanged(int))}});
}

void TemperatureFilterer::setTimerInterval(int milliseconds)
{
    m_period = milliseconds;
    m_timer.setInterval(milliseconds);
}

void TemperatureFilterer::start()
{
    m_timer.start(m_period);
}

void TemperatureFilterer::onTimeout()
{
    if (!m_measured)
        return;
    int delta = *m_measured - m_filtered;
    if (m_target && std::abs(*m_target - *m_measured) <= m_targetTolerance)
        delta = *m_target - m_filtered;
    const int change = limitedStep(delta, m_maxStep);
    if (change == 0)
        return;
    m_filtered += change;
    emit filteredTemperatureValueChanged(m_filtered);
}

void TemperatureFilterer::onSaunaTemperatureChanged(int measured)
{
    const bool first = !m_measured;
    m_measured = measured;
    if (first) {
        // Start one below so that the first tick shows the first measurement at once.
        m_filtered = measured - 1;
        onTimeout();
    }
}

} // namespace value
