#include "value/limited_number_manager.h"

#include "value/saturating_arithmetic.h"

namespace value {

LimitedNumberManager::LimitedNumberManager(QObject *parent)
    : QObject(parent)
{}

void LimitedNumberManager::setLowerLimit(const qint64 &limit)
{
    m_lowerLimit = limit;
    if (limit > m_upperLimit)
        m_upperLimit = limit;
    clampValueToLimits();
}

void LimitedNumberManager::setUpperLimit(const qint64 &limit)
{
    m_upperLimit = limit;
    if (limit < m_lowerLimit)
        m_lowerLimit = limit;
    clampValueToLimits();
}

void LimitedNumberManager::setValueCheckLimits(const qint64 &newValue)
{
    const qint64 clamped = clampToRange(newValue, m_lowerLimit, m_upperLimit);
    if (m_value && *m_value == clamped)
        return;
    const bool hadValue = m_value.has_value();
    m_value = clamped;
    if (!hadValue)
        emit hasValueChanged();
    emitValueChanged();
    checkLimits();
}

void LimitedNumberManager::setValue(const qint64 &newValue)
{
    setValueCheckLimits(newValue);
}

bool LimitedNumberManager::dropValue()
{
    if (!m_value)
        return false;
    m_value.reset();
    emit hasValueChanged();
    return true;
}

bool LimitedNumberManager::isAcceptable(qint64 candidate) const
{
    return m_value && candidate != *m_value && candidate >= m_lowerLimit &&
           candidate <= m_upperLimit;
}

void LimitedNumberManager::clampValueToLimits()
{
    if (!m_value)
        return;
    const qint64 clamped = clampToRange(*m_value, m_lowerLimit, m_upperLimit);
    if (clamped == *m_value)
        return;
    m_value = clamped;
    emitValueChanged();
}

} // namespace value
