#include "control/temperature_controller.h"

#include "control/details/stored_enum_setting.h"
#include "control/details/temperature_humidity_rules.h"
#include "control/settings.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"

#include <QtGlobal>

#include <optional>

using signalInterface::TemperatureTypes;

namespace control {

namespace {

bool isUnit(TemperatureTypes::TemperatureUnit unit)
{
    TemperatureTypes::TemperatureUnit checked{};
    return TemperatureTypes::fromInt(int(unit), checked);
}

bool isPresentation(TemperatureTypes::TemperaturePresentation presentation)
{
    TemperatureTypes::TemperaturePresentation checked{};
    return TemperatureTypes::fromInt(int(presentation), checked);
}

// The smooth room temperature: within 2 °C of the target it settles on the target, and it moves
// at most 1 °C every 15 s (in ninths of a degree).
constexpr int smoothingTargetTolerance = 18;
constexpr int smoothingLargestStep = 9;
constexpr int smoothingTickMs = 15000;

} // namespace

TemperatureController::TemperatureController(QObject *parent)
    : QObject(parent)
    , m_targetManager(this)
    , m_filterer(this)
    , m_physicalManager(this)
{
    m_unit = details::readEnumSetting(Settings::temperatureUnitKey, &TemperatureTypes::fromInt,
                                      TemperatureTypes::E_celsius);
    m_presentation =
        details::readEnumSetting(Settings::temperaturePresentationKey, &TemperatureTypes::fromInt,
                                 TemperatureTypes::E_smooth);

    // The sauna decides the target: a step is only a proposal, shown once the sauna reports it.
    m_targetManager.setApplyStepsLocally(false);
    connect(&m_targetManager, &value::TemperatureValueManager::newValueProposed, this,
            &TemperatureController::onTargetTemperatureProposed);

    connect(this, &TemperatureController::temperatureUnitChanged, &m_targetManager,
            &value::TemperatureValueManager::onTemperatureUnitChanged);
    connect(this, &TemperatureController::temperatureUnitChanged, &m_physicalManager,
            &value::TemperaturePresentationManager::onTemperatureUnitChanged);
    m_filterer.setTargetTolerance(smoothingTargetTolerance);
    m_filterer.setMaxStep(smoothingLargestStep);
    m_filterer.setTimerInterval(smoothingTickMs);
    connect(&m_filterer, &value::TemperatureFilterer::filteredTemperatureValueChanged,
            &m_physicalManager,
            &value::TemperaturePresentationManager::onFilteredTemperatureValueChanged);

    m_targetManager.setTemperatureUnitType(m_unit);
    m_physicalManager.setTemperatureUnitType(m_unit);
    m_physicalManager.setUseFilteredValue(m_presentation == TemperatureTypes::E_smooth);
}

int TemperatureController::connectTargetTemperatureView(const QList<QObject *> &senders)
{
    return m_targetManager.connectChangeRequests(senders);
}

int TemperatureController::connectTemperatureUnitRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(
              temperatureUnitChangeRequested(::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitChangeRequested(
              ::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

int TemperatureController::connectTemperatureUnitInitiallySelected(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperatureUnitInitiallySelected(
              ::signalInterface::TemperatureTypes::TemperatureUnit)),
          SLOT(onTemperatureUnitInitiallySelected(
              ::signalInterface::TemperatureTypes::TemperatureUnit))}});
}

int TemperatureController::connectTemperaturePresentationRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(temperaturePresentationChangeRequested(
              ::signalInterface::TemperatureTypes::TemperaturePresentation)),
          SLOT(onTemperaturePresentationChangeRequested(
              ::signalInterface::TemperatureTypes::TemperaturePresentation))}});
}

int TemperatureController::connectSaunaSignals(const QList<QObject *> &senders)
{
    // The filter hears each measurement before the room's manager, so that a smoothed display
    // never shows the filter's empty start value.
    const int filtererFailures = m_filterer.connectSaunaSources(senders);
    return filtererFailures +
           signalInterface::connectSenders(
               senders, this,
               {{SIGNAL(saunaTargetTemperatureChanged(int)),
                 SLOT(onSaunaTargetTemperatureChanged(int))},
                {SIGNAL(saunaTemperatureChanged(int)), SLOT(onSaunaTemperatureChanged(int))},
                {SIGNAL(saunaLowerTemperatureLimitChanged(int)),
                 SLOT(onSaunaLowerTemperatureLimitChanged(int))},
                {SIGNAL(saunaUpperTemperatureLimitChanged(int)),
                 SLOT(onSaunaUpperTemperatureLimitChanged(int))},
                {SIGNAL(saunaTargetHumidityChanged(int)), SLOT(onSaunaTargetHumidityChanged(int))},
                {SIGNAL(saunaMasterFuncDescChanged(
                     ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
                 SLOT(onSaunaMasterFuncDescChanged(
                     ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))}});
}

void TemperatureController::emitInitialState()
{
    emit temperatureUnitChanged(m_unit);
    emit temperaturePresentationChanged(m_presentation);
    m_filterer.start();
}

void TemperatureController::onTemperatureUnitChangeRequested(TemperatureTypes::TemperatureUnit unit)
{
    if (!isUnit(unit))
        return;
    applyUnit(unit);
    Settings::setValue(Settings::hasChangedRegionSettingsKey, 1);
}

void TemperatureController::onTemperatureUnitInitiallySelected(
    TemperatureTypes::TemperatureUnit unit)
{
    if (!isUnit(unit))
        return;
    applyUnit(unit);
}

void TemperatureController::onTemperaturePresentationChangeRequested(
    TemperatureTypes::TemperaturePresentation presentation)
{
    if (!isPresentation(presentation))
        return;
    m_presentation = presentation;
    emit temperaturePresentationChanged(presentation);
    m_physicalManager.setUseFilteredValue(presentation == TemperatureTypes::E_smooth);
    Settings::setValue(Settings::temperaturePresentationKey, int(presentation));
}

void TemperatureController::onSaunaTargetTemperatureChanged(int temperature)
{
    // A target no table knows is none the smoothing can head for.
    if (details::TemperatureHumidityRules::targetTemperatureRange.contains(temperature))
        m_filterer.setTargetValue(temperature);
    // The target shows as reported, also beyond the limit tables.
    m_targetManager.setUpperLimit(m_saunaUpperLimit);
    m_targetManager.setValue(temperature);
    applyUpperLimit();
}

void TemperatureController::onSaunaTemperatureChanged(int temperature)
{
    m_physicalManager.setValue(temperature);
}

void TemperatureController::onSaunaLowerTemperatureLimitChanged(int temperature)
{
    m_targetManager.setLowerLimit(temperature);
}

void TemperatureController::onSaunaUpperTemperatureLimitChanged(int temperature)
{
    m_saunaUpperLimit = temperature;
    applyUpperLimit();
}

void TemperatureController::onSaunaTargetHumidityChanged(int humidity)
{
    if (humidity < 0 || humidity > signalInterface::protocolFacts::largestHumidityCode)
        return;
    m_saunaTargetHumidity = value::decodeHumidity(humidity);
    applyUpperLimit();
}

void TemperatureController::onSaunaMasterFuncDescChanged(
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions)
{
    m_saunaControlsHumidity = details::controlsHumidity(functions);
    applyUpperLimit();
}

std::optional<value::HumidityValue_T> TemperatureController::humidityTarget() const
{
    return m_saunaControlsHumidity ? m_saunaTargetHumidity : std::nullopt;
}

value::Degrees_9C_T TemperatureController::ownUpperLimit() const
{
    // A step never asks for a target the limit tables don't know, whatever limit the sauna reports.
    return qMin(m_saunaUpperLimit,
                details::TemperatureHumidityRules::targetTemperatureRange.highest);
}

void TemperatureController::applyUpperLimit()
{
    m_targetManager.setUpperLimit(
        details::TemperatureHumidityRules::instance().temperatureUpperLimit(
            ownUpperLimit(), m_targetManager.value(), humidityTarget()));
}

int TemperatureController::connectConnectedChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void TemperatureController::onConnectedChanged(bool connected)
{
    if (!connected)
        m_filterer.reset();
}

void TemperatureController::onSaunaReplaced()
{
    m_filterer.reset();
    // The manager's first limits until the new sauna reports its own.
    m_targetManager.clearValue();
    m_targetManager.setLowerLimit(value::TemperatureValueManager::initialLowerLimit);
    m_saunaUpperLimit = value::TemperatureValueManager::initialUpperLimit;
    m_saunaTargetHumidity.reset();
    m_saunaControlsHumidity = false;
    applyUpperLimit();
    m_physicalManager.clearValue();
}

void TemperatureController::onTargetTemperatureProposed(value::Degrees_9C_T proposed)
{
    // The manager proposes without looking at the limits. A step past a limit asks for the limit
    // itself, and so does a step down from beyond the sauna's limit or the targets the limit
    // tables know; a step that cannot move in its direction asks for nothing. A pair set beyond
    // the limit tables steps down from where it is, one step at a time.
    const std::optional<value::Degrees_9C_T> current = m_targetManager.value();
    if (!current)
        return;
    const value::Degrees_9C_T lowest =
        qMax(m_targetManager.lowerLimit(),
             details::TemperatureHumidityRules::targetTemperatureRange.lowest);
    const value::Degrees_9C_T highest =
        proposed > *current ? m_targetManager.upperLimit() : ownUpperLimit();
    const value::Degrees_9C_T requested = qMax(lowest, qMin(highest, proposed));
    if ((proposed > *current && requested > *current) ||
        (proposed < *current && requested < *current))
        emit targetTemperatureChangeRequested(requested);
}

void TemperatureController::applyUnit(TemperatureTypes::TemperatureUnit unit)
{
    m_unit = unit;
    Settings::setValue(Settings::temperatureUnitKey, int(unit));
    emit temperatureUnitChanged(unit);
}

} // namespace control
