// Arbitrary bytes as the panel's settings file, read at start by the panel's own readers: the
// typed readers of the store, the controllers that keep a choice in it, the known saunas, the
// limit tables, the supported characters and the per-instance store. A line
// "--- instance 1 ---" splits the input: what follows it is the file of the second panel instance,
// which then runs as instance 1; without it the panel runs as instance 0.
//
// Every run starts as a fresh process would, on the files it writes, and removes them afterwards.
#include "fuzzer_files.h"
#include "fuzzer_logging.h"

#include "control/display_controller.h"
#include "control/haptic_sensor_controller.h"
#include "control/humidity_controller.h"
#include "control/initial_setup_controller.h"
#include "control/language_controller.h"
#include "control/pin_code_controller.h"
#include "control/settings.h"
#include "control/temperature_controller.h"
#include "control/time_controller.h"
#include "pc_panel/instance_settings.h"
#include "pc_panel/remote_sauna_list.h"
#include "pc_panel/supported_characters.h"
#include "pc_panel/temperature_humidity_limits.h"
#include "value/pin_packing.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QUuid>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using control::Settings;
using control::details::TemperatureHumidityRules;
using pcPanel::InstanceSettings;
using pcPanel::RemoteSaunaList;
using pcPanel::TemperatureHumidityLimits;
using namespace ::signalInterface;

const QByteArray instanceSeparator("\n--- instance 1 ---\n");
const QString organization = QStringLiteral("run");

QString configHome;
// Where the known saunas are read back from a copy of the written file.
QString rereadFolder;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// The typed readers must agree with each other on every key, whatever its text: a number reads
// the same as int, as unsigned and as a boolean. Each reader is the store's value through its
// conversion, so every conversion is given the one value read.
void checkTypedReaders(const QSettings *store)
{
    const QStringList keys = store->allKeys();
    for (const QString &name : keys) {
        const QVariant value = store->value(name);
        const std::optional<int> number = Settings::toInt(value);
        const std::optional<quint32> unsignedNumber = Settings::toUInt(value);
        const std::optional<bool> boolean = Settings::toBool(value);
        if (number && boolean != std::optional<bool>(*number != 0))
            fuzzing::fail("a number that reads as another boolean");
        if (unsignedNumber && *unsignedNumber <= quint32(INT_MAX) &&
            number != std::optional<int>(int(*unsignedNumber)))
            fuzzing::fail("an unsigned number that reads as another int");
    }
}

// Each controller reads its choice, or writes its default when there is none.
void checkControllers()
{
    control::TimeController time;
    control::LanguageController language;
    control::TemperatureController temperature;
    control::HumidityController humidity;
    control::HapticSensorController haptic;
    control::DisplayController display;
    control::PinCodeController pin;
    control::InitialSetupController initialSetup;

    DateTimeTypes::TimeFormat timeFormat{};
    DateTimeTypes::DateFormat dateFormat{};
    CalendarTypes::WeekDay weekDay{};
    LanguageTypes::Language languageValue{};
    TemperatureTypes::TemperatureUnit unit{};
    HumidityTypes::HumidityPresentation humidityPresentation{};
    HapticFeedbackTypes::HapticFeedback feedback{};
    DisplayTypes::DisplaySleepTimeout sleepTimeout{};
    if (!DateTimeTypes::fromInt(int(time.timeFormat()), timeFormat) ||
        !DateTimeTypes::fromInt(int(time.dateFormat()), dateFormat) ||
        !CalendarTypes::fromInt(int(time.weekDayStart()), weekDay) ||
        !LanguageTypes::fromInt(int(language.language()), languageValue) ||
        !TemperatureTypes::fromInt(int(temperature.temperatureUnit()), unit) ||
        !HumidityTypes::fromInt(int(humidity.humidityPresentation()), humidityPresentation) ||
        !HapticFeedbackTypes::fromInt(int(haptic.feedback()), feedback) ||
        !DisplayTypes::fromInt(int(display.sleepTimeout()), sleepTimeout))
        fuzzing::fail("a controller holds a choice that is no value of its enum");
    if (pin.lockTimeoutMs() <= 0 ||
        pin.lockTimeoutMs() > control::PinCodeController::maximumLockTimeoutMs)
        fuzzing::fail("a lock timeout out of range");
    if (Settings::settings()->contains(key(Settings::pinCodeCurrentKey)))
        fuzzing::fail("the plain PIN of an older version stayed in the file");

    const char *const enumKeys[] = {
        Settings::timeFormatKey,           Settings::dateFormatKey,
        Settings::startOfWeekKey,          Settings::languageKey,
        Settings::temperatureUnitKey,      Settings::temperaturePresentationKey,
        Settings::humidityPresentationKey, Settings::keyHapticSensorActivatedKey,
        Settings::lockTimeOutKey,
    };
    for (const char *name : enumKeys) {
        if (!Settings::settings()->contains(key(name)))
            fuzzing::fail("a missing choice was not written with its default");
    }
}

void printList(const char *title, const RemoteSaunaList &list)
{
    std::fprintf(stderr, "%s: %d unreadable\n", title, list.unreadableCount());
    for (const RemoteSaunaList::RemoteSauna &sauna : list.saunas())
        std::fprintf(stderr, "  %s brand %d product %d name \"%s\" pin %s\n",
                     qPrintable(sauna.identity.toString()), int(sauna.brand), int(sauna.rcbProduct),
                     qPrintable(sauna.name), qPrintable(sauna.pin.pin()));
}

// The known saunas are what the file holds.
void checkRemoteSaunas(const RemoteSaunaList &list, int unreadable)
{
    if (unreadable != list.unreadableCount() || unreadable < 0)
        fuzzing::fail("the count of unreadable entries is not the one kept");
    QSet<QUuid> identities;
    for (const RemoteSaunaList::RemoteSauna &sauna : list.saunas()) {
        if (sauna.identity.isNull() || identities.contains(sauna.identity))
            fuzzing::fail("a sauna without identity, or twice");
        identities.insert(sauna.identity);
        if (!value::isValidPin(sauna.pin.pin()))
            fuzzing::fail("a sauna with a PIN that is no PIN");
    }
}

// A saved list, read afresh from the written file, is the same list.
void checkSavedListReadsBack(const RemoteSaunaList &list)
{
    const QString copy = rereadFolder + QStringLiteral("/reread.ini");
    if (!QFile::copy(Settings::settings()->fileName(), copy))
        fuzzing::fail("cannot copy the written settings file");
    QSettings written(copy, QSettings::IniFormat);
    RemoteSaunaList reread;
    if (reread.load(&written) != list.unreadableCount() || reread.saunas() != list.saunas()) {
        printList("saved", list);
        printList("read back", reread);
        fuzzing::fail("the saved list reads back as another");
    }
    fuzzing::forgetSettingsFiles(rereadFolder, {&written});
}

// A stored table is in use only with the version stored beside it; a newer table is stored and
// is then the known version.
void checkLimits()
{
    TemperatureHumidityLimits &limits = TemperatureHumidityLimits::instance();
    const TemperatureHumidityRules &rules = TemperatureHumidityRules::instance();
    const int builtIn = TemperatureHumidityRules::builtInMaxTemperatureTable().version;
    if (!(rules.maxTemperatureTable() == TemperatureHumidityRules::builtInMaxTemperatureTable()) &&
        rules.maxTemperatureTable().version != limits.storedMaxTemperatureTableVersion())
        fuzzing::fail("a temperature table in use without its stored version");
    if (!(rules.maxHumidityTable() == TemperatureHumidityRules::builtInMaxHumidityTable()) &&
        rules.maxHumidityTable().version != limits.storedMaxHumidityTableVersion())
        fuzzing::fail("a humidity table in use without its stored version");
    if (limits.knownMaxTemperatureTableVersion() < builtIn ||
        limits.knownMaxHumidityTableVersion() < builtIn)
        fuzzing::fail("a known version below the built-in one");

    const int known = limits.knownMaxTemperatureTableVersion();
    if (known < INT_MAX) {
        TemperatureHumidityLimits::MaxTemperatureTable table =
            TemperatureHumidityRules::builtInMaxTemperatureTable();
        table.version = known + 1;
        limits.storeMaxTemperatureTable(table);
        if (limits.storedMaxTemperatureTableVersion() != known + 1)
            fuzzing::fail("a newer temperature table was not stored");
    }
}

// The per-instance store: read as the sauna link reads it, then written and read back.
void checkInstanceStore()
{
    QSettings *store = InstanceSettings::settings();
    Settings::boolValue(key(Settings::pcPanelAutoConnectKey), true, store);
    const QUuid selected(store->value(key(Settings::pcPanelSelectedRemoteSaunaKey)).toString());
    const QUuid chosen = selected.isNull()
                             ? QUuid(QStringLiteral("{5e7f9a1b-3c5d-4e6f-a0b1-c2d3e4f5a6b7}"))
                             : selected;
    Settings::setValue(*store, key(Settings::pcPanelSelectedRemoteSaunaKey), chosen.toString());
    Settings::setValue(*store, key(Settings::pcPanelAutoConnectKey), false);
    if (QUuid(store->value(key(Settings::pcPanelSelectedRemoteSaunaKey)).toString()) != chosen ||
        Settings::boolValue(key(Settings::pcPanelAutoConnectKey), true, store))
        fuzzing::fail("the per-instance store does not read back what was written");
}

void resetStores()
{
    pcPanel::SupportedCharacters::resetForTesting();
    TemperatureHumidityLimits::resetForTesting();
    TemperatureHumidityRules::resetForTesting();
    InstanceSettings::resetForTesting();
    Settings::resetForTesting();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    configHome = fuzzing::useScratchConfigHome();
    rereadFolder = configHome + QStringLiteral("/reread");
    if (!QDir().mkpath(configHome + QLatin1Char('/') + organization) ||
        !QDir().mkpath(rereadFolder))
        fuzzing::fail("cannot make the settings folders");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype separator = input.indexOf(instanceSeparator);
    const bool secondInstance = separator >= 0;

    // Every run writes the same files, in a folder that the run before left empty.
    const QString folder = configHome + QLatin1Char('/') + organization;
    const QString application = InstanceSettings::applicationBaseName();
    fuzzing::writeFile(folder + QLatin1Char('/') + application + QStringLiteral(".ini"),
                       secondInstance ? input.left(separator + 1) : input);
    if (secondInstance)
        fuzzing::writeFile(folder + QLatin1Char('/') + application + QStringLiteral("_1.ini"),
                           input.mid(separator + instanceSeparator.size()));

    resetStores();
    Settings shared(organization, application);
    InstanceSettings instance(secondInstance ? 1 : 0);

    checkTypedReaders(Settings::settings());
    if (secondInstance)
        checkTypedReaders(InstanceSettings::settings());
    pcPanel::SupportedCharacters::instance();
    RemoteSaunaList list;
    checkRemoteSaunas(list, list.load());
    {
        // Every write reaches the files in one sync of each store, as the defaults of the
        // start-up do: every sync writes a whole file, and a stored table adds a hundred keys.
        const Settings::WriteBatch writes;
        list.save();
        checkControllers();
        checkInstanceStore();
        checkLimits();
    }
    checkSavedListReadsBack(list);

    fuzzing::forgetSettingsFiles(folder, {Settings::settings(), InstanceSettings::settings()});
    resetStores();
    return 0;
}
