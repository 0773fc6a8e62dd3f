#pragma once

#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/temperature_types.h"
#include "value/humidity_value.h"
#include "value/temperature_filterer.h"
#include "value/temperature_presentation_manager.h"
#include "value/temperature_value_manager.h"

#include <QList>
#include <QObject>

#include <optional>

namespace control {

// The main screen's temperature: passes the target steps on to the sauna, shows the target and the
// measured temperature the sauna reports, and owns the unit and presentation settings.
class TemperatureController : public QObject
{
    Q_OBJECT

public:
    explicit TemperatureController(QObject *parent = nullptr);

    // "target_temperature_manager": proposes steps only; the shown value follows the reports.
    value::TemperatureValueManager *targetTemperatureManager() { return &m_targetManager; }
    // "physical_temperature_manager".
    value::TemperaturePresentationManager *physicalTemperatureManager()
    {
        return &m_physicalManager;
    }
    value::TemperatureFilterer *temperatureFilterer() { return &m_filterer; }

    signalInterface::TemperatureTypes::TemperatureUnit temperatureUnit() const { return m_unit; }
    signalInterface::TemperatureTypes::TemperaturePresentation temperaturePresentation() const
    {
        return m_presentation;
    }

    // Each returns the number of connects that failed.
    int connectTargetTemperatureView(const QList<QObject *> &senders);
    int connectTemperatureUnitRequests(const QList<QObject *> &senders);
    int connectTemperatureUnitInitiallySelected(const QList<QObject *> &senders);
    int connectTemperaturePresentationRequests(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The link's connectedChanged(bool).
    int connectConnectedChanged(const QList<QObject *> &senders);

    // Publishes the stored unit and presentation and starts smoothing the measured temperature.
    void emitInitialState();

signals:
    // Ninths of a degree Celsius.
    void targetTemperatureChangeRequested(int temperature);
    void temperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void temperaturePresentationChanged(
        ::signalInterface::TemperatureTypes::TemperaturePresentation presentation);

public slots:
    // A user choice: also marks the regional settings as changed by the user.
    void
    onTemperatureUnitChangeRequested(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    // The region screen's proposal, which is not a user change of the unit.
    void
    onTemperatureUnitInitiallySelected(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onTemperaturePresentationChangeRequested(
        ::signalInterface::TemperatureTypes::TemperaturePresentation presentation);

    void onSaunaTargetTemperatureChanged(int temperature);
    void onSaunaTemperatureChanged(int temperature);
    void onSaunaLowerTemperatureLimitChanged(int temperature);
    void onSaunaUpperTemperatureLimitChanged(int temperature);
    // The target humidity and whether the sauna controls humidity at all: with the limit tables
    // they limit the target temperature.
    void onSaunaTargetHumidityChanged(int humidity);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    // The target, its limits and the measured temperature were the former sauna's.
    void onSaunaReplaced();
    // When the connection ends, lost or ended by the user, the smoothing forgets the measurement
    // and the target, so that the first report of the next connection shows at once.
    void onConnectedChanged(bool connected);

private:
    void onTargetTemperatureProposed(value::Degrees_9C_T proposed);
    void applyUnit(signalInterface::TemperatureTypes::TemperatureUnit unit);
    // The target humidity that limits the target temperature: none where the sauna controls none.
    std::optional<value::HumidityValue_T> humidityTarget() const;
    // The sauna's upper limit, within the targets the limit tables know.
    value::Degrees_9C_T ownUpperLimit() const;
    // The target's upper limit: its own, within the limit tables for the target humidity.
    void applyUpperLimit();

    value::TemperatureValueManager m_targetManager;
    value::TemperatureFilterer m_filterer;
    value::TemperaturePresentationManager m_physicalManager;
    value::Degrees_9C_T m_saunaUpperLimit = value::TemperatureValueManager::initialUpperLimit;
    std::optional<value::HumidityValue_T> m_saunaTargetHumidity;
    bool m_saunaControlsHumidity = false;
    signalInterface::TemperatureTypes::TemperatureUnit m_unit =
        signalInterface::TemperatureTypes::E_celsius;
    signalInterface::TemperatureTypes::TemperaturePresentation m_presentation =
        signalInterface::TemperatureTypes::E_smooth;
};

} // namespace control
