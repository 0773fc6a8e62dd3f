#pragma once

#include "signal_interface/language_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

namespace view {

// The temperature unit screen: Celsius or Fahrenheit. A tap asks the temperature controller for
// the unit; the check mark follows the unit the controller reports.
class ConfigureGeneralUnitsViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralUnitsViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    // Empties the list.
    void clear();

    // The QML items' unitSelected(int) and unitsViewVisibleChanged(bool).
    int connectToView(const QList<QObject *> &senders);
    // The temperature controller's temperatureUnitChanged.
    int connectToTemperatureController(const QList<QObject *> &senders);

    ::signalInterface::TemperatureTypes::TemperatureUnit temperatureUnit() const
    {
        return m_temperatureUnit;
    }

public slots:
    void onUnitsViewVisibleChanged(bool visible);
    void onUnitSelected(int id);
    void onTemperatureUnitChanged(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);

signals:
    void temperatureUnitChangeRequested(::signalInterface::TemperatureTypes::TemperatureUnit unit);

private:
    ListModel m_model;
    ConfigureChoiceList m_choices;
    ::signalInterface::TemperatureTypes::TemperatureUnit m_temperatureUnit =
        ::signalInterface::TemperatureTypes::E_celsius;
};

} // namespace view
