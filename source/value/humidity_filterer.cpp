#include "value/humidity_filterer.h"

#include "signal_interface/sender_connections.h"
#include "value/temperature_filterer.h"
#include "value/value_logging.h"

#include <limits>

using signalInterface::HumidityTypes;

namespace value {

namespace {

// The conversion of humidity numbers between the units, in 64 bits so that no reported number
// wraps.
qint64 convertWide(qint64 number, HumidityTypes::HumidityUnit from, HumidityTypes::HumidityUnit to)
{
    if (from == HumidityTypes::E_percentage && to == HumidityTypes::E_step)
        return number * 10 / 92;
    if (from == HumidityTypes::E_step && to == HumidityTypes::E_percentage)
        return number * 10;
    return number;
}

} // namespace

HumidityFilterer::HumidityFilterer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &HumidityFilterer::onTimeout);
}

int HumidityFilterer::connectSaunaSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(saunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit)),
          SLOT(onSaunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit))},
         {SIGNAL(saunaHumiditySensorStatusChanged(bool)),
          SLOT(onSaunaHumiditySensorStatusChanged(bool))}});
}

void HumidityFilterer::setTimerInterval(int milliseconds)
{
    m_period = milliseconds;
    m_timer.setInterval(milliseconds);
}

void HumidityFilterer::start()
{
    m_timer.start(m_period);
}

void HumidityFilterer::onTimeout()
{
    if (!m_measured)
        return;
    const HumidityTypes::HumidityUnit unit = m_measured->unit;
    const HumidityValue_T previous = m_filtered;
    const qint64 filtered = convertWide(m_filtered.value, m_filtered.unit, unit);
    qint64 delta = m_measured->value - filtered;
    if (m_target) {
        const qint64 target = convertWide(m_target->value, m_target->unit, unit);
        const qint64 below = convertWide(m_toleranceBelow.value, m_toleranceBelow.unit, unit);
        const qint64 above = convertWide(m_toleranceAbove.value, m_toleranceAbove.unit, unit);
        const qint64 d = target - m_measured->value;
        if ((d >= 0 && d <= below) || (d < 0 && -d <= above))
            delta = target - filtered;
    }
    const int maxStep = unit == HumidityTypes::E_percentage ? m_maxStepPercent : m_maxStepSteps;
    m_filtered = {toInt(filtered + limitedStep(delta, maxStep)), unit};
    // A change of unit alone is news as well: the display must not keep showing the old unit.
    if (m_filtered != previous)
        emit filteredHumidityValueChanged(m_filtered);
}

void HumidityFilterer::onSaunaHumidityChanged(int measured, HumidityTypes::HumidityUnit unit)
{
    qCDebug(valueLog) << Q_FUNC_INFO << measured << HumidityTypes::toText(unit);
    // A number that is no humidity of its unit is not smoothed towards, as for temperatures.
    if (!isHumidityInRange({measured, unit}))
        return;
    const bool first = !m_measured;
    m_measured = HumidityValue_T{measured, unit};
    if (first) {
        // Start one off so that the first tick shows the first measurement at once.
        m_filtered = {measured - 1, unit};
        onTimeout();
    }
}

void HumidityFilterer::onSaunaHumiditySensorStatusChanged(bool sensorOk)
{
    qCDebug(valueLog) << Q_FUNC_INFO << (sensorOk ? "true" : "false");
}

} // namespace value
