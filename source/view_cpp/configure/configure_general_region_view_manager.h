#pragma once

#include "signal_interface/calendar_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/region_types.h"
#include "signal_interface/temperature_types.h"
#include "view_cpp/configure/configure_choice_list.h"
#include "view_cpp/configure/configure_view_manager_base.h"
#include "view_cpp/list_model.h"

#include <QList>

#include <optional>

namespace view {

// The region screen: EU, North America or Other. The region is the sauna system's setting: a tap
// asks the sauna for it and the check mark follows the sauna's report. Each report also proposes
// the region's date format, time format, week start and temperature unit, unless the user has
// changed one of them by hand since picking a region.
class ConfigureGeneralRegionViewManager : public ConfigureViewManagerBase
{
    Q_OBJECT

public:
    explicit ConfigureGeneralRegionViewManager(QObject *parent);

    ListModel *model() { return &m_model; }
    // Empties the list.
    void clear();

    // The QML items' visibilityChanged(bool), regionSelected(int) and
    // regionInitialSetupSelected().
    int connectToView(const QList<QObject *> &senders);
    // The bridge receiver's saunaRegionChanged.
    int connectSaunaSignals(const QList<QObject *> &senders) override;

    // The EU's until the sauna reports its region.
    ::signalInterface::RegionTypes::RegionType region() const
    {
        return m_region.value_or(::signalInterface::RegionTypes::E_eu);
    }

public slots:
    void onLanguageChanged(::signalInterface::LanguageTypes::Language language);
    void onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType region);
    void onRegionSelected(int id);
    void onRegionInitialSetupSelected();
    void onVisibilityChanged(bool visible);
    // The region marked is the former sauna's: none is marked until the new sauna reports.
    void onSaunaReplaced() override;

signals:
    void regionChangeRequested(::signalInterface::RegionTypes::RegionType region);
    void dateFormatInitiallySelected(::signalInterface::DateTimeTypes::DateFormat format);
    void timeFormatInitiallySelected(::signalInterface::DateTimeTypes::TimeFormat format);
    void weekBeginInitiallySelected(::signalInterface::CalendarTypes::WeekDay day);
    void
    temperatureUnitInitiallySelected(::signalInterface::TemperatureTypes::TemperatureUnit unit);
    // The reported region, for QML.
    void updateRegionTypeQml(int region);

private:
    void emitRegionalDefaults();
    std::optional<int> checkedRegion() const;

    ListModel m_model;
    ConfigureChoiceList m_choices;
    // As reported; the regional defaults of an unknown region are the EU's.
    std::optional<::signalInterface::RegionTypes::RegionType> m_region;
};

} // namespace view
