#include "value/integer_manager.h"

#include "signal_interface/sender_connections.h"
#include "signal_interface/time_edit_types.h"
#include "value/saturating_arithmetic.h"
#include "value/value_logging.h"

using signalInterface::TimeEditTypes;

namespace value {

IntegerManager::IntegerManager(QObject *parent)
    : QObject(parent)
{}

int IntegerManager::connectChangeRequests(const QList<QObject *> &items)
{
    return signalInterface::connectSenders(
        items, this, {{SIGNAL(valueChangeRequested(int)), SLOT(onValueChangeRequested(int))}});
}

void IntegerManager::setLowerLimit(const qint64 &limit)
{
    setLowerLimitKeepingOrder(m_lowerLimit, m_upperLimit, limit);
    moveValueIntoLimits();
}

void IntegerManager::setUpperLimit(const qint64 &limit)
{
    setUpperLimitKeepingOrder(m_lowerLimit, m_upperLimit, limit);
    moveValueIntoLimits();
}

void IntegerManager::moveValueIntoLimits()
{
    if (moveIntoLimits(m_value, m_lowerLimit, m_upperLimit))
        emitValueChanged();
    // Which steps still fit depends on the limits, also when the value stays.
    checkLimits();
}

void IntegerManager::setValueCheckLimits(const qint64 &newValue)
{
    const std::optional<qint64> old = m_value;
    if (!holdWithinLimits(m_value, newValue, m_lowerLimit, m_upperLimit))
        return;
    if (old)
        qCDebug(valueLog) << Q_FUNC_INFO << "old" << *old << "New" << *m_value << "Value";
    emitValueChanged();
    checkLimits();
}

void IntegerManager::setValue(const qint64 &newValue)
{
    setValueCheckLimits(newValue);
}

bool IntegerManager::isAcceptable(qint64 candidate) const
{
    return isStepWithinLimits(m_value, candidate, m_lowerLimit, m_upperLimit);
}

qint64 IntegerManager::steppedValue(int direction) const
{
    const bool increase = direction == TimeEditTypes::E_increase;
    if (!m_value)
        return increase ? m_upperLimit : m_lowerLimit;
    if (*m_value == m_upperLimit && increase)
        return m_lowerLimit;
    if (*m_value == m_lowerLimit && direction == TimeEditTypes::E_decrease)
        return m_upperLimit;
    const qint64 next =
        increase ? saturatingAdd(*m_value, m_step) : saturatingSubtract(*m_value, m_step);
    return clampToRange(next, m_lowerLimit, m_upperLimit);
}

void IntegerManager::checkLimits()
{
    if (!m_value)
        return;
    emit decreaseApplicableChanged(isAcceptable(steppedValue(TimeEditTypes::E_decrease)));
    emit increaseApplicableChanged(isAcceptable(steppedValue(TimeEditTypes::E_increase)));
}

void IntegerManager::emitValueChanged()
{
    if (!m_value)
        return;
    // The QML int signal carries the low 32 bits; the text carries the full number.
    emit valueChanged(int(*m_value));
    emit valueFormattedChanged(QString::number(*m_value));
}

void IntegerManager::onValueChangeRequested(int direction)
{
    if (!m_value) {
        qCDebug(valueLog) << Q_FUNC_INFO << "no value";
        return;
    }
    TimeEditTypes::Direction checked = TimeEditTypes::E_increase;
    if (!TimeEditTypes::fromInt(direction, checked)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown direction" << direction;
        return;
    }
    const qint64 next = steppedValue(direction);
    qCDebug(valueLog) << Q_FUNC_INFO << *m_value << "->" << next;
    setValueCheckLimits(next);
}

} // namespace value
