#include "view_cpp/configure/configure_system_filter_view_manager.h"

#include "signal_interface/sender_connections.h"
#include "view_cpp/stepper_controller_item.h"

namespace view {

using ::signalInterface::HumidityTypes;
using ::signalInterface::MasterFuncDescTypes;
using ::signalInterface::TemperatureTypes;

ConfigureSystemFilterViewManager::ConfigureSystemFilterViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(StepperControllerItem::roleNames(), this)
{}

int ConfigureSystemFilterViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(filterChanged(int, bool)), SLOT(onFilterChanged(int, bool))},
         {SIGNAL(filtersViewVisibleChanged(bool)), SLOT(onFiltersViewVisibleChanged(bool))}});
}

int ConfigureSystemFilterViewManager::connectToHumidityController(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(
              humidityPresentationChanged(::signalInterface::HumidityTypes::HumidityPresentation)),
          SLOT(onHumidityPresentationChanged(
              ::signalInterface::HumidityTypes::HumidityPresentation))}});
}

int ConfigureSystemFilterViewManager::connectToTemperatureController(
    const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperaturePresentationChanged(
              ::signalInterface::TemperatureTypes::TemperaturePresentation)),
          SLOT(onTemperaturePresentationChanged(
              ::signalInterface::TemperatureTypes::TemperaturePresentation))}});
}

int ConfigureSystemFilterViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct)),
          SLOT(onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct))},
         masterFuncDescRoute});
}

void ConfigureSystemFilterViewManager::onFiltersViewVisibleChanged(bool visible)
{
    if (visible)
        rebuildList();
    else
        m_model.clear();
}

void ConfigureSystemFilterViewManager::onFilterChanged(int id, bool shown)
{
    // A switch that showed filtering asks for the measured values as they are (direct), one that
    // showed none asks for smoothing: the shown state is the requested presentation's value.
    switch (id) {
    case humidityFilterId:
        emit humidityPresentationChangeRequested(shown ? HumidityTypes::E_direct
                                                       : HumidityTypes::E_smooth);
        break;
    case temperatureFilterId:
        emit temperaturePresentationChangeRequested(shown ? TemperatureTypes::E_direct
                                                          : TemperatureTypes::E_smooth);
        break;
    default:
        break;
    }
}

void ConfigureSystemFilterViewManager::onHumidityPresentationChanged(
    ::signalInterface::HumidityTypes::HumidityPresentation presentation)
{
    m_humidityPresentation = presentation;
    refreshTexts();
}

void ConfigureSystemFilterViewManager::onTemperaturePresentationChanged(
    ::signalInterface::TemperatureTypes::TemperaturePresentation presentation)
{
    m_temperaturePresentation = presentation;
    refreshTexts();
}

void ConfigureSystemFilterViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    refreshTexts();
}

void ConfigureSystemFilterViewManager::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions)
{
    m_functions = functions;
    rebuildList();
}

void ConfigureSystemFilterViewManager::onSaunaMasterProductChanged(
    ::signalInterface::MasterFuncDescTypes::RcbProduct product)
{
    // Shown at the next build.
    m_product = product;
}

void ConfigureSystemFilterViewManager::onSaunaReplaced()
{
    m_functions = {};
    m_product.reset();
    if (m_model.rowCount() > 0)
        rebuildList();
}

bool ConfigureSystemFilterViewManager::offersHumidityFilter() const
{
    return m_product != MasterFuncDescTypes::E_sauna_ir &&
           (m_functions.humidityPercent || m_functions.humidityLevel);
}

void ConfigureSystemFilterViewManager::rebuildList()
{
    m_model.clear();
    auto *temperature = new ToggleStandardItem(temperatureFilterId, m_temperaturePresentation ==
                                                                        TemperatureTypes::E_smooth);
    m_temperatureToggle = temperature;
    m_model.appendItem(temperature);
    if (offersHumidityFilter()) {
        auto *humidity = new ToggleStandardItem(humidityFilterId,
                                                m_humidityPresentation == HumidityTypes::E_smooth);
        m_humidityToggle = humidity;
        m_model.appendItem(humidity);
    }
    m_model.updateLayoutOrder();
    refreshTexts();
}

void ConfigureSystemFilterViewManager::refreshTexts()
{
    if (!m_temperatureToggle.isNull()) {
        m_temperatureToggle->setValue(tr("Filter temperature"));
        m_temperatureToggle->setValue2(m_temperaturePresentation == TemperatureTypes::E_smooth);
    }
    if (!m_humidityToggle.isNull()) {
        m_humidityToggle->setValue(tr("Filter humidity"));
        m_humidityToggle->setValue2(m_humidityPresentation == HumidityTypes::E_smooth);
    }
}

} // namespace view
