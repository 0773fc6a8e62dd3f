#include "view_cpp/configure/configure_general_region_view_manager.h"

#include "control/settings.h"
#include "signal_interface/sender_connections.h"
#include "view_cpp/row_item.h"

#include <QSettings>

namespace view {

using ::signalInterface::CalendarTypes;
using ::signalInterface::DateTimeTypes;
using ::signalInterface::RegionTypes;
using ::signalInterface::TemperatureTypes;

namespace {

QString regionSettingsChangedKey()
{
    return QLatin1String(control::Settings::hasChangedRegionSettingsKey);
}

} // namespace

ConfigureGeneralRegionViewManager::ConfigureGeneralRegionViewManager(QObject *parent)
    : ConfigureViewManagerBase(parent)
    , m_model(RowItem::roleNames(), this)
    , m_choices(m_model, {{RegionTypes::E_eu,
                           [] {
                               return tr("EU");
                           }},
                          {RegionTypes::E_north_america,
                           [] {
                               return tr("North America");
                           }},
                          {RegionTypes::E_other, [] {
                               return tr("Other");
                           }}})
{}

void ConfigureGeneralRegionViewManager::clear()
{
    m_choices.clear();
}

int ConfigureGeneralRegionViewManager::connectToView(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(visibilityChanged(bool)), SLOT(onVisibilityChanged(bool))},
         {SIGNAL(regionSelected(int)), SLOT(onRegionSelected(int))},
         {SIGNAL(regionInitialSetupSelected()), SLOT(onRegionInitialSetupSelected())}});
}

int ConfigureGeneralRegionViewManager::connectSaunaSignals(const QList<QObject *> &senders)
{
    return signalInterface::connectSenders(
        senders, this,
        {{SIGNAL(saunaRegionChanged(::signalInterface::RegionTypes::RegionType)),
          SLOT(onSaunaRegionChanged(::signalInterface::RegionTypes::RegionType))}});
}

void
    ConfigureGeneralRegionViewManager::onLanguageChanged(::signalInterface::LanguageTypes::Language)
{
    m_choices.refresh(checkedRegion());
}

void ConfigureGeneralRegionViewManager::onSaunaRegionChanged(
    ::signalInterface::RegionTypes::RegionType region)
{
    m_region = region;
    m_choices.refresh(checkedRegion());
    if (!control::Settings::settings()->contains(regionSettingsChangedKey()))
        emitRegionalDefaults();
    emit updateRegionTypeQml(region);
}

void ConfigureGeneralRegionViewManager::onRegionSelected(int id)
{
    RegionTypes::RegionType region{};
    if (!RegionTypes::fromInt(id, region))
        return;
    // A picked region brings its defaults back, even over earlier choices by hand; they are
    // proposed when the sauna reports the region.
    QSettings *settings = control::Settings::settings();
    settings->remove(regionSettingsChangedKey());
    settings->sync();
    emit regionChangeRequested(region);
}

void ConfigureGeneralRegionViewManager::onRegionInitialSetupSelected()
{
    emitRegionalDefaults();
}

void ConfigureGeneralRegionViewManager::onVisibilityChanged(bool visible)
{
    // The rows stay when the page is left; only a new opening builds them again.
    if (visible)
        m_choices.build(checkedRegion());
    else
        m_choices.refresh(checkedRegion());
}

void ConfigureGeneralRegionViewManager::onSaunaReplaced()
{
    m_region.reset();
    m_choices.refresh(checkedRegion());
}

std::optional<int> ConfigureGeneralRegionViewManager::checkedRegion() const
{
    if (!m_region)
        return std::nullopt;
    return int(*m_region);
}

void ConfigureGeneralRegionViewManager::emitRegionalDefaults()
{
    const bool northAmerica = m_region == RegionTypes::E_north_america;
    emit dateFormatInitiallySelected(northAmerica ? DateTimeTypes::E_mmddyy
                                                  : DateTimeTypes::E_ddmmyy);
    emit timeFormatInitiallySelected(northAmerica ? DateTimeTypes::E_am_pm : DateTimeTypes::E_0_24);
    emit weekBeginInitiallySelected(northAmerica ? CalendarTypes::E_sunday
                                                 : CalendarTypes::E_monday);
    emit temperatureUnitInitiallySelected(northAmerica ? TemperatureTypes::E_fahrenheit
                                                       : TemperatureTypes::E_celsius);
}

} // namespace view
