#include "pc_panel/temperature_humidity_limits.h"

#include "control/settings.h"

#include <QSettings>

#include <algorithm>
#include <optional>

using control::Settings;
using control::details::TemperatureHumidityRules;

namespace pcPanel {

namespace {

TemperatureHumidityLimits *s_instance = nullptr;

int storedVersion(const char *key)
{
    return Settings::intValue(QString::fromLatin1(key)).value_or(0);
}

// The stored entries when the file holds exactly the expected entries and every entry is a
// number; a short, long or damaged array counts as no table. The size stored with the array is
// not read: a damaged file may give any.
template<std::size_t count>
std::optional<std::array<int, count>> readEntries(const char *arrayName, const char *entryKey)
{
    QSettings *settings = Settings::settings();
    std::optional<std::array<int, count>> result;
    const QString arrayKey = QString::fromLatin1(arrayName);
    // Ascending and distinct: count of them that end at count - 1 are 0 .. count - 1.
    const QList<int> indexes = Settings::storedArrayIndexes(settings, arrayKey);
    settings->beginReadArray(arrayKey);
    if (indexes.size() == qsizetype(count) && indexes.back() == int(count) - 1) {
        std::array<int, count> values{};
        bool complete = true;
        for (int i = 0; i < int(count) && complete; ++i) {
            settings->setArrayIndex(i);
            values[std::size_t(i)] =
                settings->value(QString::fromLatin1(entryKey)).toInt(&complete);
        }
        if (complete)
            result = values;
    }
    settings->endArray();
    return result;
}

// Entries first and the version last, synced once: a store cut short leaves the old version, so
// the table is asked for again instead of a new version standing over a broken array.
template<std::size_t count>
void writeTable(const char *arrayName, const char *entryKey, const char *versionKey, int version,
                const std::array<int, count> &values)
{
    QSettings *settings = Settings::settings();
    settings->beginWriteArray(QString::fromLatin1(arrayName), int(count));
    for (int i = 0; i < int(count); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(QString::fromLatin1(entryKey), values[std::size_t(i)]);
    }
    settings->endArray();
    Settings::setValue(QString::fromLatin1(versionKey), version);
}

} // namespace

TemperatureHumidityLimits &TemperatureHumidityLimits::instance()
{
    if (!s_instance)
        s_instance = new TemperatureHumidityLimits;
    return *s_instance;
}

void TemperatureHumidityLimits::resetForTesting()
{
    delete s_instance;
    s_instance = nullptr;
}

TemperatureHumidityLimits::TemperatureHumidityLimits()
{
    TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();

    const int humidityVersion = storedMaxHumidityTableVersion();
    if (humidityVersion > rules.maxHumidityTable().version) {
        const auto values = readEntries<TemperatureHumidityRules::maxHumidityEntryCount>(
            Settings::pcPanelMaxHumiditySizeKey, Settings::pcPanelMaxHumidityKey);
        if (values)
            rules.setMaxHumidityTable({humidityVersion, *values});
    }

    const int temperatureVersion = storedMaxTemperatureTableVersion();
    if (temperatureVersion > rules.maxTemperatureTable().version) {
        const auto values = readEntries<TemperatureHumidityRules::maxTemperatureEntryCount>(
            Settings::pcPanelMaxTemperatureSizeKey, Settings::pcPanelMaxTemperatureKey);
        if (values)
            rules.setMaxTemperatureTable({temperatureVersion, *values});
    }
}

TemperatureHumidityLimits::~TemperatureHumidityLimits() = default;

int TemperatureHumidityLimits::storedMaxTemperatureTableVersion() const
{
    return storedVersion(Settings::pcPanelMaxTemperatureVersionKey);
}

int TemperatureHumidityLimits::storedMaxHumidityTableVersion() const
{
    return storedVersion(Settings::pcPanelMaxHumidityVersionKey);
}

int TemperatureHumidityLimits::knownMaxTemperatureTableVersion() const
{
    return std::max(storedMaxTemperatureTableVersion(),
                    TemperatureHumidityRules::instance().maxTemperatureTable().version);
}

int TemperatureHumidityLimits::knownMaxHumidityTableVersion() const
{
    return std::max(storedMaxHumidityTableVersion(),
                    TemperatureHumidityRules::instance().maxHumidityTable().version);
}

bool TemperatureHumidityLimits::isMaxTemperatureTableUpdateNeeded(int saunaVersion) const
{
    return saunaVersion != knownMaxTemperatureTableVersion();
}

bool TemperatureHumidityLimits::isMaxHumidityTableUpdateNeeded(int saunaVersion) const
{
    return saunaVersion != knownMaxHumidityTableVersion();
}

void TemperatureHumidityLimits::storeMaxTemperatureTable(const MaxTemperatureTable &table)
{
    if (table.version <= knownMaxTemperatureTableVersion())
        return;
    writeTable(Settings::pcPanelMaxTemperatureSizeKey, Settings::pcPanelMaxTemperatureKey,
               Settings::pcPanelMaxTemperatureVersionKey, table.version, table.values);
}

void TemperatureHumidityLimits::storeMaxHumidityTable(const MaxHumidityTable &table)
{
    if (table.version <= knownMaxHumidityTableVersion())
        return;
    writeTable(Settings::pcPanelMaxHumiditySizeKey, Settings::pcPanelMaxHumidityKey,
               Settings::pcPanelMaxHumidityVersionKey, table.version, table.values);
}

} // namespace pcPanel
