#include "value/limited_number_manager.h"

#include "value/held_value.h"
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
    holdValue(*this, m_value, clampToRange(newValue, m_lowerLimit, m_upperLimit));
}

void LimitedNumberManager::setValue(const qint64 &newValue)
{
    setValueCheckLimits(newValue);
}

bool LimitedNumberManager::dropValue()
{
    return dropHeldValue(*this, m_value);
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
