#include "view_cpp/configure/configure_general_units_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"

namespace view {

using ::signalInterface::TemperatureTypes;

ConfigureGeneralUnitsViewManager::ConfigureGeneralUnitsViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_choices(m_model, {{TemperatureTypes::E_celsius,
                           [] {
                               return tr("Celsius");
                           }},
                          {TemperatureTypes::E_fahrenheit, [] {
                               return tr("Fahrenheit");
                           }}})
{}

void ConfigureGeneralUnitsViewManager::clear()
{
    m_choices.clear();
}

int ConfigureGeneralUnitsViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(unitSelected(int)), SLOT(onUnitSelected(int))},
         {SIGNAL(unitsViewVisibleChanged(bool)), SLOT(onUnitsViewVisibleChanged(bool))}});
}

int ConfigureGeneralUnitsViewManager::connectToTemperatureController(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

void ConfigureGeneralUnitsViewManager::onUnitsViewVisibleChanged(bool visible)
{
    if (visible)
        m_choices.build(m_temperatureUnit);
    else
        m_choices.clear();
}

void ConfigureGeneralUnitsViewManager::onUnitSelected(int id)
{
    TemperatureTypes::TemperatureUnit unit{};
    if (!TemperatureTypes::fromInt(id, unit))
        return;
    // The check mark waits for the controller's report.
    emit temperatureUnitChangeRequested(unit);
}

void ConfigureGeneralUnitsViewManager::onTemperatureUnitChanged(
    ::signalInterface::TemperatureTypes::TemperatureUnit unit)
{
    m_temperatureUnit = unit;
    m_choices.refresh(m_temperatureUnit);
}

void ConfigureGeneralUnitsViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    m_choices.refresh(m_temperatureUnit);
}

} // namespace view
