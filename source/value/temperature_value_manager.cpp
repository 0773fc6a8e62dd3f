#include "value/temperature_value_manager.h"

#include "signal_interface/data_provider_types.h"
#include "signal_interface/sender_connections.h"
#include "value/held_value.h"
#include "value/saturating_arithmetic.h"
#include "value/value_logging.h"

using signalInterface::DataProviderTypes;
using signalInterface::TemperatureTypes;

namespace value {

namespace {

// One step moves the shown number by one whole degree of the shown unit.
constexpr Degrees_9C_T celsiusStep = 9;
constexpr Degrees_9C_T fahrenheitStep = 5;

} // namespace

TemperatureValueManager::TemperatureValueManager(QObject *parent)
    : ShownTemperatureBase(parent)
{}

int TemperatureValueManager::connectChangeRequests(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(sources, this,
                                           {{SIGNAL(changeTemperatureValueRequested(int)),
                                             SLOT(onChangeTemperatureValueRequested(int))}});
}

void TemperatureValueManager::setValue(Degrees_9C_T newValue)
{
    qCDebug(valueLog) << Q_FUNC_INFO << newValue << "LowerLimit:" << m_lowerLimit
                      << "UpperLimit:" << m_upperLimit;
    Degrees_9C_T clamped = newValue;
    if (newValue < lowerLimit())
        clamped = lowerLimit();
    else if (newValue >= upperLimit())
        clamped = upperLimit();
    holdValue(*this, m_value, clamped);
}

void TemperatureValueManager::clearValue()
{
    dropValue();
}

void TemperatureValueManager::dropValue()
{
    if (dropHeldValue(*this, m_value))
        emit temperatureValueUnknown();
}

void TemperatureValueManager::setLowerLimit(const Degrees_9C_T &limit)
{
    m_lowerLimit = limit;
    checkLimits();
}

void TemperatureValueManager::setUpperLimit(const Degrees_9C_T &limit)
{
    m_upperLimit = limit;
    checkLimits();
}

void TemperatureValueManager::unitChanged()
{
    emitValueChanged();
    checkLimits();
}

Degrees_9C_T TemperatureValueManager::stepSize() const
{
    if (temperatureUnit() == TemperatureTypes::E_celsius)
        return celsiusStep;
    if (temperatureUnit() == TemperatureTypes::E_fahrenheit)
        return fahrenheitStep;
    return 0;
}

Degrees_9C_T TemperatureValueManager::nextStepValue(int direction) const
{
    if (!m_value)
        return 0;
    if (direction == DataProviderTypes::E_stepper_increase)
        return intAfterStep(*m_value, stepSize());
    if (direction == DataProviderTypes::E_stepper_decrease)
        return intAfterStep(*m_value, -qint64(stepSize()));
    return *m_value;
}

std::optional<Degrees_9C_T> TemperatureValueManager::localStepResult(int direction) const
{
    if (!m_value || stepSize() == 0)
        return std::nullopt;
    const std::optional<qint64> next =
        stepWithinLimits(*m_value, nextStepValue(direction), lowerLimit(), upperLimit());
    return next ? std::optional<Degrees_9C_T>(Degrees_9C_T(*next)) : std::nullopt;
}

void TemperatureValueManager::checkLimits()
{
    if (!m_value)
        return;
    if (m_applyStepsLocally) {
        emit lowerLimitReached(!localStepResult(DataProviderTypes::E_stepper_decrease));
        emit upperLimitReached(!localStepResult(DataProviderTypes::E_stepper_increase));
        return;
    }
    emit lowerLimitReached(*m_value <= lowerLimit());
    emit upperLimitReached(*m_value >= upperLimit());
}

void TemperatureValueManager::emitValueChanged()
{
    if (m_value)
        emitShown(*m_value);
}

void TemperatureValueManager::onChangeTemperatureValueRequested(int step)
{
    if (!m_value)
        return;
    DataProviderTypes::StepperControlChange direction = DataProviderTypes::E_stepper_increase;
    if (!DataProviderTypes::fromInt(step, direction)) {
        qCDebug(valueLog) << Q_FUNC_INFO << "Unknown step" << step;
        return;
    }
    qCDebug(valueLog).noquote() << Q_FUNC_INFO << DataProviderTypes::toText(direction);
    if (!m_applyStepsLocally) {
        emit newValueProposed(nextStepValue(direction));
        return;
    }
    const std::optional<Degrees_9C_T> next = localStepResult(direction);
    if (!next)
        return;
    m_value = *next;
    emitValueChanged();
    checkLimits();
}

} // namespace value
