#include "value/temperature_presentation_manager.h"

#include "signal_interface/sender_connections.h"
#include "value/value_logging.h"

namespace value {

TemperaturePresentationManager::TemperaturePresentationManager(QObject *parent)
    : ShownTemperatureBase(parent)
{}

int TemperaturePresentationManager::connectFiltererSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(filteredTemperatureValueChanged(::value::Degrees_9C_T)),
          SLOT(onFilteredTemperatureValueChanged(::value::Degrees_9C_T))}});
}

std::optional<Degrees_9C_T> TemperaturePresentationManager::value() const
{
    if (m_value && !showable(*m_value))
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
    qCDebug(valueLog).noquote() << Q_FUNC_INFO << "changing temp value to" << newValue;
    // The filtered value is shown as it moves; a report that becomes unknown, or known again,
    // changes what is shown at once.
    const bool wasKnown = showable(*m_value);
    m_value = newValue;
    if (!m_useFilteredValue || wasKnown != showable(newValue))
        emitValue();
}

void TemperaturePresentationManager::unitChanged()
{
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
    m_filtered.reset();
    emit temperatureValueUnknown();
}

void TemperaturePresentationManager::emitValue()
{
    if (!m_useFilteredValue && !m_value)
        return;
    const std::optional<Degrees_9C_T> source = m_useFilteredValue ? m_filtered : m_value;
    const bool reportKnown = !m_value || showable(*m_value);
    if (!reportKnown || !source || !showable(*source)) {
        emit temperatureValueUnknown();
        return;
    }
    emitShown(*source);
}

void TemperaturePresentationManager::onFilteredTemperatureValueChanged(Degrees_9C_T filtered)
{
    m_filtered = filtered;
    if (m_useFilteredValue)
        emitValue();
}

} // namespace value
