#include "control/humidity_controller.h"

#include "control/details/stored_enum_setting.h"
#include "control/details/temperature_humidity_rules.h"
#include "control/settings.h"
#include "signal_interface/protocol_facts.h"
#include "signal_interface/sender_connections.h"
#include "value/humidity_value.h"

#include <QtGlobal>

#include <optional>

using signalInterface::HumidityTypes;

namespace control {

namespace {

using signalInterface::protocolFacts::largestHumidityCode;

bool isPresentation(HumidityTypes::HumidityPresentation presentation)
{
    HumidityTypes::HumidityPresentation checked{};
    return HumidityTypes::fromInt(int(presentation), checked);
}

// The smooth room humidity: it settles on the target from 4 % below to 8 % above it, and moves at
// most 5 % or one level every 30 s.
constexpr int smoothingLargestStepPercent = 5;
constexpr int smoothingLargestStepLevels = 1;
constexpr value::HumidityValue_T smoothingToleranceBelow{4, HumidityTypes::E_percentage};
constexpr value::HumidityValue_T smoothingToleranceAbove{8, HumidityTypes::E_percentage};
constexpr int smoothingTickMs = 30000;

} // namespace

HumidityController::HumidityController(QObject *parent)
    : QObject(parent)
    , m_targetManager(this)
    , m_filterer(this)
    , m_physicalManager(this)
{
    m_presentation = details::readEnumSetting(Settings::humidityPresentationKey,
                                              &HumidityTypes::fromInt, m_presentation);

    // The sauna decides the target: a step is only a proposal, shown once the sauna reports it.
    m_targetManager.setApplyStepsLocally(false);
    connect(&m_targetManager, &value::HumidityValueManager::newValueProposed, this,
            &HumidityController::onTargetHumidityProposed);
    connect(&m_targetManager, &value::HumidityValueManager::humidityUnitIntChanged, this,
            &HumidityController::onTargetUnitMaybeChanged);
    m_filterer.setMaxStepPercent(smoothingLargestStepPercent);
    m_filterer.setMaxStepSteps(smoothingLargestStepLevels);
    m_filterer.setToleranceBelowTarget(smoothingToleranceBelow);
    m_filterer.setToleranceAboveTarget(smoothingToleranceAbove);
    m_filterer.setTimerInterval(smoothingTickMs);
    connect(&m_filterer, &value::HumidityFilterer::filteredHumidityValueChanged, &m_physicalManager,
            &value::HumidityPresentationManager::onFilteredHumidityValueChanged);

    m_publishedUnit = m_targetManager.humidityUnit();
    m_physicalManager.setUseFilteredValue(m_presentation == HumidityTypes::E_smooth);
}

int HumidityController::connectTargetHumidityView(const QList<QObject *> &senders)
{
    return m_targetManager.connectChangeRequests(senders);
}

int HumidityController::connectHumidityPresentationRequests(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(humidityPresentationChangeRequested(
              ::signalInterface::HumidityTypes::HumidityPresentation)),
          SLOT(onHumidityPresentationChangeRequested(
              ::signalInterface::HumidityTypes::HumidityPresentation))}});
}

int HumidityController::connectSaunaSignals(const QList<QObject *> &senders)
{
    // The filter hears each measurement before the room's manager, so that a smoothed display
    // never shows the filter's empty start value. The managers follow the sauna's humidity
    // control kind and sensor state themselves.
    const int filtererFailures = m_filterer.connectSaunaSources(senders);
    return filtererFailures +
           signalInterface::connectSenders(
               senders, this,
               {{SIGNAL(saunaHumiditySensorStatusChanged(bool)),
                 SLOT(onSaunaHumiditySensorStatusChanged(bool))},
                {SIGNAL(saunaTargetHumidityChanged(int)), SLOT(onSaunaTargetHumidityChanged(int))},
                {SIGNAL(saunaTargetTemperatureChanged(int)),
                 SLOT(onSaunaTargetTemperatureChanged(int))},
                {SIGNAL(saunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit)),
                 SLOT(onSaunaHumidityChanged(int, ::signalInterface::HumidityTypes::HumidityUnit))},
                {SIGNAL(saunaMasterFuncDescChanged(
                     ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost)),
                 SLOT(onSaunaMasterFuncDescChanged(
                     ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost))}}) +
           m_targetManager.connectSaunaSources(senders) +
           m_physicalManager.connectSaunaSources(senders);
}

void HumidityController::emitInitialState()
{
    m_filterer.start();
    m_publishedUnit = m_targetManager.humidityUnit();
    emit humidityUnitChanged(m_publishedUnit);
    emit humidityPresentationChanged(m_presentation);
    emit humidityPresentationIntChanged(int(m_presentation));
}

void HumidityController::onHumidityPresentationChangeRequested(
    HumidityTypes::HumidityPresentation presentation)
{
    if (!isPresentation(presentation))
        return;
    m_presentation = presentation;
    emit humidityPresentationChanged(presentation);
    emit humidityPresentationIntChanged(int(presentation));
    m_physicalManager.setUseFilteredValue(presentation == HumidityTypes::E_smooth);
    Settings::setValue(Settings::humidityPresentationKey, int(presentation));
}

void HumidityController::onSaunaTargetHumidityChanged(int humidity)
{
    if (humidity < 0 || humidity > largestHumidityCode)
        return;
    const value::HumidityValue_T target = value::decodeHumidity(humidity);
    m_filterer.setTargetValue(target);
    // The target shows as reported, also beyond the limit tables.
    m_targetManager.setUpperLimit({value::largestHumidity(target.unit), target.unit});
    m_targetManager.setValue(target);
    applyUpperLimit();
}

void HumidityController::onSaunaTargetTemperatureChanged(int temperature)
{
    m_saunaTargetTemperature = temperature;
    applyUpperLimit();
}

void HumidityController::applyUpperLimit()
{
    const value::HumidityValue_T target = m_targetManager.value();
    const std::optional<int> held =
        target.value >= 0 ? std::optional<int>(target.value) : std::nullopt;
    m_targetManager.setUpperLimit(
        {details::TemperatureHumidityRules::instance().humidityUpperLimit(
             value::largestHumidity(target.unit), held, m_saunaTargetTemperature, target.unit),
         target.unit});
}

void HumidityController::onSaunaHumidityChanged(int humidity, HumidityTypes::HumidityUnit unit)
{
    if (!m_humiditySensorWorking)
        return;
    m_physicalManager.setValue({humidity, unit});
}

void HumidityController::onSaunaMasterFuncDescChanged(
    signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions)
{
    // A dry or infrared sauna has no target humidity to offer. Its room humidity is still shown
    // while its sensor works: what it measures is told by the sensor's report, not the product.
    const bool supported = details::controlsHumidity(functions);
    if (supported == m_humiditySupported)
        return;
    m_humiditySupported = supported;
    emit humiditySupportedChanged();
}

int HumidityController::connectConnectedChanged(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this, {{SIGNAL(connectedChanged(bool)), SLOT(onConnectedChanged(bool))}});
}

void HumidityController::onConnectedChanged(bool connected)
{
    if (!connected)
        m_filterer.reset();
}

void HumidityController::onSaunaReplaced()
{
    m_filterer.reset();
    m_saunaTargetTemperature.reset();
    m_targetManager.clearValue();
    applyUpperLimit();
    m_physicalManager.clearValue();
    if (m_humiditySupported) {
        m_humiditySupported = false;
        emit humiditySupportedChanged();
    }
    m_humiditySensorWorking = true;
}

void HumidityController::onTargetHumidityProposed(int proposed)
{
    const value::HumidityValue_T current = m_targetManager.value();
    if (current.value < 0)
        return;
    // Outside its unit's range a number would read as the other unit's code: level -1 would go
    // out as 100 %, and 101 % as level 0. So a step stops at the range and at the limits.
    const int upper =
        qMin(value::largestHumidity(current.unit), m_targetManager.upperLimit().value);
    const int lower = qMax(0, m_targetManager.lowerLimit().value);
    int requested = current.value;
    if (proposed > current.value)
        requested = qMin(proposed, upper);
    else if (proposed < current.value)
        requested = qMax(proposed, lower);
    if (requested == current.value || (proposed > current.value) != (requested > current.value))
        return;
    emit targetHumidityChangeRequested(value::encodeHumidity({requested, current.unit}));
}

void HumidityController::onTargetUnitMaybeChanged()
{
    // A limit converted into another unit is rounded: it is worked out again in the new one.
    applyUpperLimit();
    const HumidityTypes::HumidityUnit unit = m_targetManager.humidityUnit();
    if (unit == m_publishedUnit)
        return;
    m_publishedUnit = unit;
    emit humidityUnitChanged(unit);
}

void HumidityController::onSaunaHumiditySensorStatusChanged(bool working)
{
    if (working == m_humiditySensorWorking)
        return;
    m_humiditySensorWorking = working;
    if (!working) {
        m_physicalManager.setNoValue();
        return;
    }
    // What the smoothing heard meanwhile was no measurement: the first one now shows at once.
    m_filterer.reset();
    const value::HumidityValue_T target = m_targetManager.value();
    if (target.value >= 0)
        m_filterer.setTargetValue(target);
}

} // namespace control
