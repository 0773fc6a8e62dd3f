#include "value/duration_manager.h"

#include "signal_interface/sender_connections.h"
#include "signal_interface/time_edit_types.h"
#include "value/saturating_arithmetic.h"
#include "value/value_logging.h"

using signalInterface::TimeEditTypes;

namespace value {

namespace {

int signOf(int direction)
{
    return direction == TimeEditTypes::E_increase ? 1 : -1;
}

struct Components
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    qint64 milliseconds = 0;
};

Components splitDuration(qint64 v)
{
    Components c;
    c.hours = v / DurationManager::millisecondsPerHour;
    c.minutes = (v / DurationManager::millisecondsPerMinute) % 60;
    c.seconds = (v / DurationManager::millisecondsPerSecond) % 60;
    c.milliseconds = v % 1000;
    return c;
}

QString padded(qint64 number, int width, bool pad)
{
    const QString text = QString::number(number);
    return pad ? text.rightJustified(width, QLatin1Char('0')) : text;
}

} // namespace

DurationManager::DurationManager(QObject *parent)
    : QObject(parent)
{}

int DurationManager::connectChangeRequests(const QList<QObject *> &items)
{
    return signalInterface::connectSenders(
        items, this,
        {{SIGNAL(durationChangeRequested(int, int)), SLOT(onDurationChangeRequested(int, int))}});
}

void DurationManager::setComponentSteps(int hour, int minute, int second, int millisecond)
{
    m_hourStep = hour;
    m_minuteStep = minute;
    m_secondStep = second;
    m_millisecondStep = millisecond;
}

void DurationManager::componentSteps(int &hour, int &minute, int &second, int &millisecond) const
{
    hour = m_hourStep;
    minute = m_minuteStep;
    second = m_secondStep;
    millisecond = m_millisecondStep;
}

void DurationManager::setLowerLimit(const qint64 &milliseconds)
{
    setLowerLimitKeepingOrder(m_lowerLimit, m_upperLimit, milliseconds);
    moveValueIntoLimits();
}

void DurationManager::setUpperLimit(const qint64 &milliseconds)
{
    setUpperLimitKeepingOrder(m_lowerLimit, m_upperLimit, milliseconds);
    moveValueIntoLimits();
}

void DurationManager::moveValueIntoLimits()
{
    if (moveIntoLimits(m_value, m_lowerLimit, m_upperLimit))
        emitValueChanged();
    // Which steps still fit depends on the limits, also when the value stays.
    checkLimits();
}

void DurationManager::setLowerLimitInMinutes(int minutes)
{
    setLowerLimit(qint64(minutes) * millisecondsPerMinute);
}

void DurationManager::setUpperLimitInMinutes(int minutes)
{
    setUpperLimit(qint64(minutes) * millisecondsPerMinute);
}

void DurationManager::setFormatFlags(bool zeroPadLeading, bool zeroPadFollowing)
{
    if (zeroPadLeading == m_zeroPadLeading && zeroPadFollowing == m_zeroPadFollowing)
        return;
    m_zeroPadLeading = zeroPadLeading;
    m_zeroPadFollowing = zeroPadFollowing;
    emitComponentsChanged();
}

void DurationManager::clearValue()
{
    if (!m_value)
        return;
    m_value.reset();
    const QString none = QStringLiteral("--");
    emit durationValueComponentsChanged(none, none, none, none);
    checkLimits();
}

void DurationManager::setValueCheckLimits(const qint64 &milliseconds)
{
    const std::optional<qint64> old = m_value;
    if (!holdWithinLimits(m_value, milliseconds, m_lowerLimit, m_upperLimit))
        return;
    if (old)
        qCDebug(valueLog) << Q_FUNC_INFO << "old" << *old << "New" << milliseconds << "Value"
                          << *m_value;
    emitValueChanged();
    checkLimits();
}

void DurationManager::setValue(const qint64 &milliseconds)
{
    setValueCheckLimits(milliseconds);
}

void DurationManager::setValueInMinutes(const int &minutes)
{
    setValueCheckLimits(qint64(minutes) * millisecondsPerMinute);
}

int DurationManager::valueInMinutes() const
{
    return m_value ? int(*m_value / millisecondsPerMinute) : 0;
}

int DurationManager::minutesWithinLimits(int minutes) const
{
    return int(clampToRange(qint64(minutes) * millisecondsPerMinute, m_lowerLimit, m_upperLimit) /
               millisecondsPerMinute);
}

void DurationManager::onDurationChangeRequested(int component, int direction)
{
    if (!m_value) {
        qCDebug(valueLog) << Q_FUNC_INFO << component << direction << "no value";
        return;
    }
    TimeEditTypes::TimeComponent checkedComponent = TimeEditTypes::E_hour;
    if (!TimeEditTypes::fromInt(component, checkedComponent)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown component" << component;
        return;
    }
    TimeEditTypes::Direction checkedDirection = TimeEditTypes::E_increase;
    if (!TimeEditTypes::fromInt(direction, checkedDirection)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown direction" << direction;
        return;
    }
    const qint64 next = stepValue(component, direction);
    qCDebug(valueLog) << Q_FUNC_INFO << *m_value << component << direction << "->" << next;
    setValueCheckLimits(next);
}

bool DurationManager::isAcceptable(qint64 candidate) const
{
    return isStepWithinLimits(m_value, candidate, m_lowerLimit, m_upperLimit);
}

qint64 DurationManager::componentUnit(int component)
{
    switch (component) {
    case TimeEditTypes::E_hour:
        return millisecondsPerHour;
    case TimeEditTypes::E_minute:
        return millisecondsPerMinute;
    case TimeEditTypes::E_second:
        return millisecondsPerSecond;
    case TimeEditTypes::E_milliSecond:
        return 1;
    default:
        return 0;
    }
}

int DurationManager::componentStepCount(int component) const
{
    switch (component) {
    case TimeEditTypes::E_hour:
        return m_hourStep;
    case TimeEditTypes::E_minute:
        return m_minuteStep;
    case TimeEditTypes::E_second:
        return m_secondStep;
    case TimeEditTypes::E_milliSecond:
        return m_millisecondStep;
    default:
        return 0;
    }
}

qint64 DurationManager::plainStep(int component, int direction) const
{
    const qint64 unitStep = qint64(componentStepCount(component)) * componentUnit(component);
    const qint64 v = m_value.value_or(0);
    return signOf(direction) > 0 ? saturatingAdd(v, unitStep) : saturatingSubtract(v, unitStep);
}

qint64 DurationManager::topComponentStep(int component, int direction) const
{
    const qint64 v = m_value.value_or(0);
    const bool increase = direction == TimeEditTypes::E_increase;
    const qint64 unitStep = qint64(componentStepCount(component)) * componentUnit(component);
    const qint64 next = increase ? saturatingAdd(v, unitStep) : saturatingSubtract(v, unitStep);
    if (v == m_upperLimit && increase)
        return m_lowerLimit;
    if (v == m_lowerLimit && !increase)
        return m_upperLimit;
    return clampToRange(next, m_lowerLimit, m_upperLimit);
}

void DurationManager::checkLimits()
{
    // Without a value there is nothing to step from: every stepper is blocked.
    if (!m_value) {
        emit lowerLimitReached(true, true, true, true);
        emit upperLimitReached(true, true, true, true);
        return;
    }
    const int components[] = {TimeEditTypes::E_hour, TimeEditTypes::E_minute,
                              TimeEditTypes::E_second, TimeEditTypes::E_milliSecond};
    // A stepper is blocked when a press would leave the value as it is: a press holds its step
    // as far as the limits allow.
    bool blocked[4] = {};
    QStringList candidates;
    for (int i = 0; i < 4; ++i) {
        const qint64 candidate = stepValue(components[i], TimeEditTypes::E_decrease);
        blocked[i] = !isAcceptable(clampToRange(candidate, m_lowerLimit, m_upperLimit));
        candidates << debugText(candidate);
    }
    qCDebug(valueLog) << Q_FUNC_INFO << "Dec" << candidates;
    emit lowerLimitReached(blocked[0], blocked[1], blocked[2], blocked[3]);

    candidates.clear();
    for (int i = 0; i < 4; ++i) {
        const qint64 candidate = stepValue(components[i], TimeEditTypes::E_increase);
        blocked[i] = !isAcceptable(clampToRange(candidate, m_lowerLimit, m_upperLimit));
        candidates << debugText(candidate);
    }
    emit upperLimitReached(blocked[0], blocked[1], blocked[2], blocked[3]);
    qCDebug(valueLog) << Q_FUNC_INFO << "Inc" << candidates;
}

void DurationManager::emitValueChanged()
{
    if (!m_value)
        return;
    emit durationValueChanged(int(*m_value / millisecondsPerMinute));
    emitComponentsChanged();
}

void DurationManager::emitComponentsChanged()
{
    if (!m_value)
        return;
    const Components c = splitDuration(*m_value);
    const bool hoursSet = c.hours != 0;
    const bool aboveSecondsSet = hoursSet || c.minutes != 0;
    const bool aboveMillisecondsSet = aboveSecondsSet || c.seconds != 0;
    // A lower component is padded after a non-zero higher one; as the leading component it is
    // padded only on request, and never when it is zero.
    const auto padFollowing = [this](bool higherSet, qint64 number) {
        return higherSet ? m_zeroPadFollowing : (m_zeroPadLeading && number != 0);
    };
    emit durationValueComponentsChanged(
        padded(c.hours, 2, m_zeroPadLeading),
        padded(c.minutes, 2, padFollowing(hoursSet, c.minutes)),
        padded(c.seconds, 2, padFollowing(aboveSecondsSet, c.seconds)),
        padded(c.milliseconds, 3, padFollowing(aboveMillisecondsSet, c.milliseconds)));
}

QString DurationManager::debugText(qint64 milliseconds) const
{
    const Components c = splitDuration(milliseconds);
    return QStringLiteral("%1:%2:%3.%4 (%5)")
        .arg(c.hours)
        .arg(c.minutes)
        .arg(c.seconds)
        .arg(c.milliseconds)
        .arg(milliseconds);
}

} // namespace value
