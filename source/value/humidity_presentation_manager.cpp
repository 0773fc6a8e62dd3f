#include "value/humidity_presentation_manager.h"

#include "signal_interface/sender_connections.h"
#include "value/value_logging.h"

using signalInterface::HumidityTypes;

namespace value {

HumidityPresentationManager::HumidityPresentationManager(QObject *parent)
    : HumidityUnitFollower(parent)
{}

int HumidityPresentationManager::connectFiltererSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(filteredHumidityValueChanged(::value::HumidityValue_T)),
          SLOT(onFilteredHumidityValueChanged(::value::HumidityValue_T))}});
}

std::optional<HumidityValue_T> HumidityPresentationManager::value() const
{
    if (!m_value || !isHumidityInRange({*m_value, m_unit}))
        return std::nullopt;
    return HumidityValue_T{*m_value, m_unit};
}

void HumidityPresentationManager::setValue(const HumidityValue_T &newValue)
{
    if (m_value && *m_value == newValue.value && m_unit == newValue.unit)
        return;
    if (m_value)
        qCDebug(valueLog).noquote() << Q_FUNC_INFO << "changing humidity to" << newValue.value
                                    << HumidityTypes::toText(newValue.unit);
    m_value = newValue.value;
    m_unit = newValue.unit;
    m_valueDropped = false;
    emitValue();
}

void HumidityPresentationManager::setValueFromInt(int encoded)
{
    setValue(decodeHumidity(encoded));
}

void HumidityPresentationManager::setNoValue()
{
    qCDebug(valueLog).noquote() << Q_FUNC_INFO;
    m_value.reset();
    m_valueDropped = true;
    emitValue();
}

void HumidityPresentationManager::clearValue()
{
    forgetUnitReports();
    m_value.reset();
    m_filtered.reset();
    m_valueDropped = false;
    emit humidityValueChanged(0, false);
}

void HumidityPresentationManager::changeHumidityUnit(HumidityTypes::HumidityUnit unit)
{
    if (unit == m_unit)
        return;
    const bool known = unit == HumidityTypes::E_percentage || unit == HumidityTypes::E_step;
    if (m_value && known) {
        // A number outside its unit's range stays outside in the other unit; it is not converted,
        // so that no absurd number overflows.
        if (isHumidityInRange({*m_value, m_unit}))
            m_value = convertHumidityNumber(*m_value, m_unit, unit);
        m_unit = unit;
    }
    emitValue();
}

void HumidityPresentationManager::setUseFilteredValue(bool useFiltered)
{
    m_useFilteredValue = useFiltered;
    emitValue();
}

void HumidityPresentationManager::emitValue()
{
    // A report outside its unit's range is no humidity, in either presentation.
    const bool reportKnown = !m_value || isHumidityInRange({*m_value, m_unit});
    if (m_useFilteredValue) {
        const bool known =
            !m_valueDropped && reportKnown && m_filtered && isHumidityInRange(*m_filtered);
        emit humidityUnitIntChanged(int(m_filtered ? m_filtered->unit : m_unit));
        emit humidityValueChanged(known ? m_filtered->value : 0, known);
        return;
    }
    emit humidityUnitIntChanged(int(m_unit));
    if (m_value && reportKnown)
        emit humidityValueChanged(*m_value, true);
    else
        emit humidityValueChanged(0, false);
}

void HumidityPresentationManager::followUnit(HumidityTypes::HumidityUnit unit)
{
    changeHumidityUnit(unit);
}

void HumidityPresentationManager::onFilteredHumidityValueChanged(HumidityValue_T filtered)
{
    m_filtered = filtered;
    if (m_useFilteredValue)
        emitValue();
}

} // namespace value
