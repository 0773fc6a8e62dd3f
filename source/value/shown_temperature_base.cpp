#include "value/shown_temperature_base.h"

#include "signal_interface/sender_connections.h"
#include "value/value_logging.h"

using signalInterface::TemperatureTypes;

namespace value {

int shownTemperature(Degrees_9C_T value, TemperatureTypes::TemperatureUnit unit)
{
    return unit == TemperatureTypes::E_celsius ? toCelsius(value) : toFahrenheit(value);
}

int shownTemperatureDifference(Degrees_9C_T difference, TemperatureTypes::TemperatureUnit unit)
{
    return unit == TemperatureTypes::E_celsius ? difference / 9 : difference / 5;
}

bool isTemperatureShowable(Degrees_9C_T value, TemperatureTypes::TemperatureUnit unit)
{
    return isShownTemperatureInRange(shownTemperature(value, unit));
}

ShownTemperatureBase::ShownTemperatureBase(QObject *parent)
    : QObject(parent)
{}

int ShownTemperatureBase::connectUnitSources(const QList<QObject *> &sources)
{
    return signalInterface::connectSenders(
        sources, this,
        {{SIGNAL(temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

void ShownTemperatureBase::setTemperatureUnitType(TemperatureTypes::TemperatureUnit unit)
{
    qCDebug(valueLog).noquote() << Q_FUNC_INFO << "changing unit to" << int(unit);
    m_unit = unit;
    unitChanged();
}

void ShownTemperatureBase::onTemperatureUnitChanged(TemperatureTypes::TemperatureUnit unit)
{
    setTemperatureUnitType(unit);
}

void ShownTemperatureBase::emitShown(Degrees_9C_T value)
{
    const int shown = m_showsDifference ? shownTemperatureDifference(value, m_unit)
                                        : shownTemperature(value, m_unit);
    emit temperatureValueChanged(shown);
    emit temperatureValueChanged2(shown, m_unit);
    emit temperatureValueChanged2Qml(shown, int(m_unit));
}

} // namespace value
