#include "value/humidity_value_manager.h"

#include "signal_interface/data_provider_types.h"
#include "signal_interface/sender_connections.h"
#include "value/saturating_arithmetic.h"
#include "value/value_logging.h"

using signalInterface::DataProviderTypes;
using signalInterface::HumidityTypes;

namespace value {

HumidityValueManager::HumidityValueManager(QObject *parent)
    : HumidityUnitFollower(parent)
{}

int HumidityValueManager::connectChangeRequests(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(changeHumidityValueRequested(int)), SLOT(onChangeHumidityValueRequested(int))}});
}

HumidityValue_T HumidityValueManager::value() const
{
    return {m_value.value_or(-1), m_unit};
}

void HumidityValueManager::setLowerLimit(const HumidityValue_T &limit)
{
    m_lowerLimit = convertHumidityNumber(limit.value, limit.unit, m_unit);
    checkLimits();
}

void HumidityValueManager::setUpperLimit(const HumidityValue_T &limit)
{
    m_upperLimit = convertHumidityNumber(limit.value, limit.unit, m_unit);
    checkLimits();
}

void HumidityValueManager::setHumidityUnit(HumidityTypes::HumidityUnit unit)
{
    if (unit == m_unit)
        return;
    if (m_value)
        m_value = convertHumidityNumber(*m_value, m_unit, unit);
    m_lowerLimit = convertHumidityNumber(m_lowerLimit, m_unit, unit);
    m_upperLimit = convertHumidityNumber(m_upperLimit, m_unit, unit);
    m_unit = unit;
    emitValueChanged();
    checkLimits();
}

void HumidityValueManager::setValue(const HumidityValue_T &newValue)
{
    qCDebug(valueLog).noquote() << Q_FUNC_INFO << newValue.value
                                << HumidityTypes::toText(newValue.unit);
    if (newValue.unit != m_unit) {
        m_lowerLimit = convertHumidityNumber(m_lowerLimit, m_unit, newValue.unit);
        m_upperLimit = convertHumidityNumber(m_upperLimit, m_unit, newValue.unit);
    }
    int clamped = newValue.value;
    if (newValue.value < m_lowerLimit)
        clamped = m_lowerLimit;
    else if (newValue.value > m_upperLimit)
        clamped = m_upperLimit;

    if (!m_value || *m_value != newValue.value || m_unit != newValue.unit) {
        qCDebug(valueLog).noquote() << Q_FUNC_INFO << "changing humidity to" << clamped
                                    << HumidityTypes::toText(newValue.unit);
        m_value = clamped;
        m_unit = newValue.unit;
        emitValueChanged();
    }
    checkLimits();
}

void HumidityValueManager::setValueFromInt(int encoded)
{
    setValue(decodeHumidity(encoded));
}

void HumidityValueManager::clearValue()
{
    forgetUnitReports();
    if (!m_value)
        return;
    m_value.reset();
    emit humidityValueChanged(-1);
}

HumidityValue_T HumidityValueManager::convertToUnit(const HumidityValue_T &humidity,
                                                    HumidityTypes::HumidityUnit target) const
{
    const int converted = convertHumidityNumber(humidity.value, humidity.unit, target);
    const bool knownPair = humidity.unit != target && (target == HumidityTypes::E_percentage ||
                                                       target == HumidityTypes::E_step);
    return {converted, knownPair ? target : humidity.unit};
}

int HumidityValueManager::nextStepValue(int direction) const
{
    const int base = m_value.value_or(-1);
    if (direction == DataProviderTypes::E_stepper_increase)
        return intAfterStep(base, 1);
    if (direction == DataProviderTypes::E_stepper_decrease)
        return intAfterStep(base, -1);
    return base;
}

void HumidityValueManager::emitValueChanged()
{
    emit humidityUnitIntChanged(int(m_unit));
    if (!m_value)
        return;
    emit humidityValueChanged(*m_value);
    emit humidityValueUnitChanged({*m_value, m_unit});
}

std::optional<int> HumidityValueManager::localStepResult(int direction) const
{
    if (!m_value)
        return std::nullopt;
    const std::optional<qint64> next =
        stepWithinLimits(*m_value, nextStepValue(direction), m_lowerLimit, m_upperLimit);
    return next ? std::optional<int>(int(*next)) : std::nullopt;
}

void HumidityValueManager::checkLimits()
{
    if (!m_value)
        return;
    if (m_applyStepsLocally) {
        emit lowerLimitReached(!localStepResult(DataProviderTypes::E_stepper_decrease));
        emit upperLimitReached(!localStepResult(DataProviderTypes::E_stepper_increase));
        return;
    }
    emit lowerLimitReached(*m_value <= m_lowerLimit);
    emit upperLimitReached(*m_value >= m_upperLimit);
}

void HumidityValueManager::followUnit(HumidityTypes::HumidityUnit unit)
{
    setHumidityUnit(unit);
}

void HumidityValueManager::onChangeHumidityValueRequested(int step)
{
    DataProviderTypes::StepperControlChange direction = DataProviderTypes::E_stepper_increase;
    if (!DataProviderTypes::fromInt(step, direction)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown step" << step;
        return;
    }
    if (!m_value)
        return;
    if (!m_applyStepsLocally) {
        emit newValueProposed(nextStepValue(direction));
        return;
    }
    const std::optional<int> next = localStepResult(direction);
    if (!next)
        return;
    m_value = *next;
    emitValueChanged();
    checkLimits();
}

} // namespace value
