#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "value/humidity_filterer.h"
#include "value/humidity_presentation_manager.h"
#include "value/humidity_value_manager.h"
#include "value/temperature_values.h"

#include <QList>
#include <QObject>

#include <optional>

namespace control {

// The main screen's humidity: passes the target steps on to the sauna in the sauna's coding
// (percent, or level + 101), shows the target and the measured humidity the sauna reports, and
// owns the presentation setting.
class HumidityController : public QObject
{
    Q_OBJECT
    // Whether the sauna controls humidity at all (a steam or combi product); a dry or infrared
    // sauna has no target humidity to offer. False until the sauna has said so.
    Q_PROPERTY(bool humiditySupported READ humiditySupported NOTIFY humiditySupportedChanged)

public:
    explicit HumidityController(QObject *parent = nullptr);

    // "target_humidity_manager": proposes steps only; the shown value follows the reports.
    value::HumidityValueManager *targetHumidityManager() { return &m_targetManager; }
    // "physical_humidity_manager".
    value::HumidityPresentationManager *physicalHumidityManager() { return &m_physicalManager; }
    value::HumidityFilterer *humidityFilterer() { return &m_filterer; }

    signalInterface::HumidityTypes::HumidityUnit humidityUnit() const
    {
        return m_targetManager.humidityUnit();
    }
    signalInterface::HumidityTypes::HumidityPresentation humidityPresentation() const
    {
        return m_presentation;
    }

    bool humiditySupported() const { return m_humiditySupported; }

    // Each returns the number of connects that failed.
    int connectTargetHumidityView(const QList<QObject *> &senders);
    int connectHumidityPresentationRequests(const QList<QObject *> &senders);
    int connectSaunaSignals(const QList<QObject *> &senders);
    // The link's connectedChanged(bool).
    int connectConnectedChanged(const QList<QObject *> &senders);

    // Starts smoothing the measured humidity and publishes the unit and the stored presentation.
    void emitInitialState();

signals:
    // Coded: percent 0-100, or level + 101.
    void targetHumidityChangeRequested(int humidity);
    void humidityUnitChanged(::signalInterface::HumidityTypes::HumidityUnit unit);
    void humidityPresentationChanged(
        ::signalInterface::HumidityTypes::HumidityPresentation presentation);
    void humidityPresentationIntChanged(int presentation);
    void humiditySupportedChanged();

public slots:
    void onHumidityPresentationChangeRequested(
        ::signalInterface::HumidityTypes::HumidityPresentation presentation);

    void onSaunaTargetHumidityChanged(int humidity);
    // With the limit tables the target temperature limits the target humidity.
    void onSaunaTargetTemperatureChanged(int temperature);
    void onSaunaHumidityChanged(int humidity, ::signalInterface::HumidityTypes::HumidityUnit unit);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);

    // The target, the measured humidity and what the sauna offers were the former sauna's.
    void onSaunaReplaced();
    // When the connection ends, lost or ended by the user, the smoothing forgets the measurement
    // and the target, so that the first report of the next connection shows at once.
    void onConnectedChanged(bool connected);
    // While the sauna reports its humidity sensor not working, the room's humidity reads "no
    // value" until a working sensor reports again.
    void onSaunaHumiditySensorStatusChanged(bool working);

private:
    void onTargetHumidityProposed(int proposed);
    void onTargetUnitMaybeChanged();
    // The target's upper limit: the whole range of its unit, within the limit tables for the
    // target temperature.
    void applyUpperLimit();

    value::HumidityValueManager m_targetManager;
    value::HumidityFilterer m_filterer;
    value::HumidityPresentationManager m_physicalManager;
    signalInterface::HumidityTypes::HumidityPresentation m_presentation =
        signalInterface::HumidityTypes::E_smooth;
    signalInterface::HumidityTypes::HumidityUnit m_publishedUnit =
        signalInterface::HumidityTypes::E_step;
    bool m_humiditySupported = false;
    std::optional<value::Degrees_9C_T> m_saunaTargetTemperature;

    // Whether the humidity the sauna reports is a measurement to show: not while its sensor is
    // reported not working, whatever the product.
    bool m_humiditySensorWorking = true;
};

} // namespace control
