#include "value/temperature_filterer.h"

#include "signal_interface/sender_connections.h"
#include "value/saturating_arithmetic.h"
#include "value/shown_temperature_base.h"
#include "value/value_logging.h"

#include <cstdlib>
#include <limits>

namespace value {

qint64 limitedStep(qint64 delta, int maxStep)
{
    const qint64 sign = (delta > 0) - (delta < 0);
    const qint64 distance = delta < 0 ? -delta : delta;
    return qBound(-distance, qint64(maxStep) * sign, distance);
}

int toInt(qint64 number)
{
    return int(
        clampToRange(number, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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
    // In 64 bits: a report may lie anywhere in an int, and no difference of two may wrap.
    qint64 delta = qint64(*m_measured) - m_filtered;
    if (m_target && std::abs(qint64(*m_target) - *m_measured) <= m_targetTolerance) {
        qCDebug(valueLog) << Q_FUNC_INFO << "filtered" << m_filtered << "target" << *m_target;
        delta = qint64(*m_target) - m_filtered;
    }
    const qint64 change = limitedStep(delta, m_maxStep);
    if (change == 0)
        return;
    m_filtered = toInt(m_filtered + change);
    emit filteredTemperatureValueChanged(m_filtered);
}

void TemperatureFilterer::onSaunaTemperatureChanged(int measured)
{
    qCDebug(valueLog) << Q_FUNC_INFO << measured;
    // A reading that no dial can show in either unit is no temperature of a room: smoothing
    // towards it would keep every real reading after it off the dial for hours.
    if (!isTemperatureShowable(measured, signalInterface::TemperatureTypes::E_celsius))
        return;
    const bool first = !m_measured;
    m_measured = measured;
    if (first) {
        // Start one off so that the first tick shows the first measurement at once.
        m_filtered = measured - 1;
        onTimeout();
    }
}

} // namespace value
