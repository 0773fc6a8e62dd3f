#pragma once

#include "signal_interface/humidity_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/master_func_desc_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"
#include "view_cpp/toggle_standard_item.h"

#include <QList>
#include <QPointer>

#include <optional>

namespace view {

// Whether the panel shows the measured temperature and humidity smoothed or as measured. The
// panel's own temperature and humidity controllers own these settings; the sauna is not asked.
// The humidity switch is offered when the sauna measures humidity and is not an infrared cabin.
class ConfigureSystemFilterViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    static constexpr int temperatureFilterId = 100;
    static constexpr int humidityFilterId = 101;

    explicit ConfigureSystemFilterViewManager(QObject *parent);

    ListModel *model() { return &m_model; }

    // QML "configureSystemsSelector".
    int connectToView(const QList<QObject *> &senders);
    // The humidity controller's presentation.
    int connectToHumidityController(const QList<QObject *> &senders);
    // The temperature controller's presentation.
    int connectToTemperatureController(const QList<QObject *> &senders);
    // The bridge receiver: product and function description.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

signals:
    void humidityPresentationChangeRequested(
        ::signalInterface::HumidityTypes::HumidityPresentation presentation);
    void temperaturePresentationChangeRequested(
        ::signalInterface::TemperatureTypes::TemperaturePresentation presentation);

public slots:
    void onFiltersViewVisibleChanged(bool visible);
    void onFilterChanged(int id, bool shown);
    void onHumidityPresentationChanged(
        ::signalInterface::HumidityTypes::HumidityPresentation presentation);
    void onTemperaturePresentationChanged(
        ::signalInterface::TemperatureTypes::TemperaturePresentation presentation);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSaunaMasterFuncDescChanged(
        ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost functions);
    void onSaunaMasterProductChanged(::signalInterface::MasterFuncDescTypes::RcbProduct product);
    // The sauna's functions and product go; the filters are the panel's own and stay.
    void onSaunaReplaced() override;

private:
    bool offersHumidityFilter() const;
    void rebuildList();
    void refreshTexts();

    ListModel m_model;
    QPointer<ToggleStandardItem> m_temperatureToggle;
    QPointer<ToggleStandardItem> m_humidityToggle;
    ::signalInterface::TemperatureTypes::TemperaturePresentation m_temperaturePresentation =
        ::signalInterface::TemperatureTypes::E_smooth;
    ::signalInterface::HumidityTypes::HumidityPresentation m_humidityPresentation =
        ::signalInterface::HumidityTypes::E_smooth;
    ::signalInterface::MasterFuncDescTypes::MasterFuncDescPost m_functions;
    // Unknown until the first product report; only an infrared cabin matters here.
    std::optional<::signalInterface::MasterFuncDescTypes::RcbProduct> m_product;
};

} // namespace view
