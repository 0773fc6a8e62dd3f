#include "value/time_value_manager.h"

#include "signal_interface/sender_connections.h"
#include "signal_interface/time_edit_types.h"
#include "value/value_logging.h"

using signalInterface::DateTimeTypes;
using signalInterface::TimeEditTypes;

namespace value {

namespace {

constexpr qint64 halfDayInMilliseconds = 43200000;

qint64 componentMilliseconds(int component)
{
    switch (component) {
    case TimeEditTypes::E_hour:
        return 3600000;
    case TimeEditTypes::E_minute:
        return 60000;
    case TimeEditTypes::E_second:
        return 1000;
    case TimeEditTypes::E_milliSecond:
        return 1;
    case TimeEditTypes::E_am_pm:
        return halfDayInMilliseconds;
    default:
        return 0;
    }
}

int wrapped(int number, int modulus)
{
    while (number < 0)
        number += modulus;
    return number % modulus;
}

QDateTime withTime(const QDateTime &dateTime, const QTime &time)
{
    QDateTime result = dateTime;
    result.setTime(time);
    return result;
}

} // namespace

TimeValueManager::TimeValueManager(QObject *parent)
    : QObject(parent)
{}

int TimeValueManager::connectChangeRequests(const QList<QObject *> &items)
{
    return signalInterface::connectSenders(
        items, this,
        {{SIGNAL(timeChangeRequested(int, int)), SLOT(onTimeChangeRequested(int, int))}});
}

int TimeValueManager::connectFormatSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(timeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat)),
          SLOT(onTimeFormatChanged(::signalInterface::DateTimeTypes::TimeFormat))}});
}

void TimeValueManager::setComponentWrap(bool wrap)
{
    if (wrap == m_componentWrap)
        return;
    m_componentWrap = wrap;
    emitLimitsReached();
}

void TimeValueManager::setValue(const QDateTime &dateTime)
{
    if (!m_minimum.isValid())
        m_minimum = dateTime;
    if (!m_maximum.isValid())
        m_maximum = dateTime;
    updateValue(dateTime);
}

void TimeValueManager::setLowerLimit(const QDateTime &dateTime)
{
    // A manager that has had neither a time nor a window starts at its first lower limit, so an
    // owner may set the window before the time. A time dropped with clearValue stays dropped.
    const bool startsAtMinimum = !m_value.isValid() && !m_minimum.isValid();
    m_minimum = dateTime;
    if (m_maximum < m_minimum)
        m_maximum = m_minimum;
    holdWithinWindow(startsAtMinimum);
}

void TimeValueManager::setUpperLimit(const QDateTime &dateTime)
{
    m_maximum = dateTime;
    if (m_minimum > m_maximum)
        m_minimum = m_maximum;
    holdWithinWindow(false);
}

void TimeValueManager::holdWithinWindow(bool startAtMinimum)
{
    const QDateTime old = m_value;
    // Only a held time moves into the window: a null time lies before every limit, and bounding
    // it would make up a time the owner never gave.
    if (m_value.isValid())
        m_value = bounded(m_value);
    else if (startAtMinimum)
        m_value = m_minimum;
    if (m_value != old)
        emitFormattedValue();
    emitLimitsReached();
}

void TimeValueManager::updateValue(const QDateTime &dateTime)
{
    const QDateTime old = m_value;
    m_value = bounded(dateTime);
    if (m_value == old)
        return;
    emitFormattedValue();
    emitLimitsReached();
}

void TimeValueManager::clearValue()
{
    if (!m_value.isValid())
        return;
    m_value = QDateTime();
    emitFormattedValue();
    emitLimitsReached();
}

void TimeValueManager::addTime(const QTime &time)
{
    if (!m_value.isValid())
        return;
    updateValue(m_value.addSecs(time.hour() * 3600 + time.minute() * 60 + time.second()));
}

void TimeValueManager::subtractTime(const QTime &time)
{
    if (!m_value.isValid())
        return;
    updateValue(m_value.addSecs(-(time.hour() * 3600 + time.minute() * 60 + time.second())));
}

QDateTime TimeValueManager::steppedValue(int component, int direction) const
{
    // Without a time there is nothing to step; a null time would give hour -1 below.
    if (!m_value.isValid())
        return m_value;
    const int sign = direction == TimeEditTypes::E_increase ? 1 : -1;
    if (!m_componentWrap)
        return m_value.addMSecs(sign * componentMilliseconds(component));

    const QTime t = m_value.time();
    switch (component) {
    case TimeEditTypes::E_hour:
        return withTime(m_value, QTime(wrapped(t.hour() + sign, 24), t.minute()));
    case TimeEditTypes::E_minute:
        return withTime(m_value, QTime(t.hour(), wrapped(t.minute() + sign, 60)));
    case TimeEditTypes::E_second:
        return withTime(m_value, QTime(t.hour(), t.minute(), wrapped(t.second() + sign, 60)));
    case TimeEditTypes::E_milliSecond:
        return withTime(m_value,
                        QTime(t.hour(), t.minute(), t.second(), wrapped(t.msec() + sign, 1000)));
    case TimeEditTypes::E_am_pm:
        return m_value.addMSecs(sign * halfDayInMilliseconds);
    default:
        return m_value;
    }
}

void TimeValueManager::emitFormattedValue()
{
    emit timeValueChanged(m_value);
    const QTime t = m_value.time();
    // Without a time both fields read "--", as every editor without a value does.
    QString hourText = QStringLiteral("--");
    QString minuteText = hourText;
    if (t.isValid()) {
        if (m_timeFormat == DateTimeTypes::E_0_24) {
            hourText = t.toString(QStringLiteral("HH"));
        } else if (m_timeFormat == DateTimeTypes::E_am_pm) {
            // The 12-hour clock shows 12 for noon and midnight, without a leading zero.
            const int hour12 = t.hour() % 12;
            hourText = QString::number(hour12 == 0 ? 12 : hour12);
        } else {
            hourText.clear();
        }
        minuteText = t.toString(QStringLiteral("mm"));
    }
    emit timeValueFormattedChanged(hourText, minuteText, int(m_timeFormat), t.hour() < 12);
}

void TimeValueManager::emitLimitsReached()
{
    // Without a time there is nothing to step from: every stepper is blocked.
    if (!m_value.isValid()) {
        emit lowerLimitReached(true, true, true);
        emit upperLimitReached(true, true, true);
        return;
    }
    emit lowerLimitReached(
        outsideWindow(steppedValue(TimeEditTypes::E_hour, TimeEditTypes::E_decrease)),
        outsideWindow(steppedValue(TimeEditTypes::E_minute, TimeEditTypes::E_decrease)),
        outsideWindow(steppedValue(TimeEditTypes::E_am_pm, TimeEditTypes::E_decrease)));
    emit upperLimitReached(
        outsideWindow(steppedValue(TimeEditTypes::E_hour, TimeEditTypes::E_increase)),
        outsideWindow(steppedValue(TimeEditTypes::E_minute, TimeEditTypes::E_increase)),
        outsideWindow(steppedValue(TimeEditTypes::E_am_pm, TimeEditTypes::E_increase)));
}

void TimeValueManager::onTimeFormatChanged(DateTimeTypes::TimeFormat format)
{
    m_timeFormat = format;
    emitFormattedValue();
}

void TimeValueManager::onTimeChangeRequested(int component, int direction)
{
    TimeEditTypes::TimeComponent checkedComponent = TimeEditTypes::E_hour;
    if (!TimeEditTypes::fromInt(component, checkedComponent)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown field" << component;
        return;
    }
    TimeEditTypes::Direction checkedDirection = TimeEditTypes::E_increase;
    if (!TimeEditTypes::fromInt(direction, checkedDirection)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown direction" << direction;
        return;
    }
    // A press without a time does nothing, as its stepper shows: bounding the missing time
    // would make it the window's start.
    if (!m_value.isValid()) {
        qCDebug(valueLog) << Q_FUNC_INFO << "no value";
        return;
    }
    qCDebug(valueLog) << Q_FUNC_INFO << TimeEditTypes::toText(checkedComponent)
                      << TimeEditTypes::toText(checkedDirection);
    updateValue(steppedValue(component, direction));
}

QDateTime TimeValueManager::bounded(const QDateTime &dateTime) const
{
    if (dateTime < m_minimum)
        return m_minimum;
    if (dateTime > m_maximum)
        return m_maximum;
    return dateTime;
}

bool TimeValueManager::outsideWindow(const QDateTime &dateTime) const
{
    return dateTime < m_minimum || dateTime > m_maximum;
}

} // namespace value
