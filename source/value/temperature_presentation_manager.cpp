#include "value/temperature_presentation_manager.h"

#include "signal_interface/sender_connections.h"
#include "value/temperature_value_manager.h"

using signalInterface::TemperatureTypes;

namespace value {

TemperaturePresentationManager::TemperaturePresentationManager(QObject *parent)
    : QObject(parent)
{}

int TemperaturePresentationManager::connectUnitSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

int TemperaturePresentationManager::connectFiltererSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(filteredTemperatureValueChanged(::value::Degrees_9C_T)),
          SLOT(onFilteredTemperatureValueChanged(::value::Degrees_9C_T))}});
}

std::optional<Degrees_9C_T> TemperaturePresentationManager::value() const
{
    if (m_value && !measuredTemperatureRange.contains(*m_value))
        return std::nullopt;
    return m_value;
}

void TemperaturePresentationManager::setValue(Degrees_9C_T newValue)
{
    if (!m_value) {
        m_value = newValue;
        emitValue();
        return;
    }
    if (*m_value == newValue)
        return;
    // The filtered value is shown as it moves; a report that becomes unknown, or known again,
    // changes what is shown at once.
    const bool wasKnown = measuredTemperatureRange.contains(*m_value);
    m_value = newValue;
    if (!m_useFilteredValue || wasKnown != measuredTemperatureRange.contains(newValue))
        emitValue();
}

void TemperaturePresentationManager::setTemperatureUnitType(TemperatureTypes::TemperatureUnit unit)
{
    m_unit = unit;
    emitValue();
}

void TemperaturePresentationManager::setUseFilteredValue(bool useFiltered)
{
    m_useFilteredValue = useFiltered;
    emitValue();
}

void TemperaturePresentationManager::clearValue()
{
    m_value.reset();
    emit temperatureValueUnknown();
}

void TemperaturePresentationManager::emitValue()
{
    if (!m_useFilteredValue && !m_value)
        return;
    const Degrees_9C_T source = m_useFilteredValue ? m_filtered : *m_value;
    const bool reportKnown = !m_value || measuredTemperatureRange.contains(*m_value);
    if (!reportKnown || !measuredTemperatureRange.contains(source)) {
        emit temperatureValueUnknown();
        return;
    }
    const int shown = shownTemperature(source, m_unit);
    emit temperatureValueChanged(shown);
    emit temperatureValueChanged2(shown, m_unit);
    emit temperatureValueChanged2Qml(shown, int(m_unit));
}

void TemperaturePresentationManager::onTemperatureUnitChanged(
    TemperatureTypes::TemperatureUnit unit)
{
    setTemperatureUnitType(unit);
}

void TemperaturePresentationManager::onFilteredTemperatureValueChanged(Degrees_9C_T filtered)
{
    m_filtered = filtered;
    if (m_useFilteredValue)
        emitValue();
}

} // namespace value
