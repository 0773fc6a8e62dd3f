#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class QSettings;

namespace control {

// The panel's one persistent key/value store: a single INI QSettings in the user's scope, shared
// by the whole process. Objects of this class are light handles built on the stack for one access.
class Settings : public QObject
{
    Q_OBJECT

public:
    // Regional and unit choices (int enums of the owning controllers).
    static constexpr char languageKey[] = "language";
    static constexpr char temperatureUnitKey[] = "temperature_unit";
    static constexpr char temperaturePresentationKey[] = "temperature_presentation";
    static constexpr char humidityPresentationKey[] = "humidity_presentation";
    static constexpr char timeFormatKey[] = "time_format";
    static constexpr char dateFormatKey[] = "date_format";
    static constexpr char startOfWeekKey[] = "start_of_week";
    static constexpr char hasChangedRegionSettingsKey[] = "has_changed_region_settings";
    static constexpr char displaySleepTimeoutKey[] = "display_sleep_timeout";

    // PIN lock.
    static constexpr char pinCodeActivatedKey[] = "pin_code_activated";
    static constexpr char pinCodeCurrentEncrypted1Key[] = "pin_code_current_encrypted_1";
    static constexpr char pinCodeCurrentEncrypted2Key[] = "pin_code_current_encrypted_2";
    // Plain-text PIN of older versions: read once, stored enciphered, then removed.
    static constexpr char pinCodeCurrentKey[] = "pin_code_current";
    static constexpr char lockTimeOutKey[] = "lock_time_out";

    // Controls that stay usable on the lock screen.
    static constexpr char lockscreenPowerVisibleKey[] = "lockscreen_power_visible";
    static constexpr char lockscreenTemperatureVisibleKey[] = "lockscreen_temperature_visible";
    static constexpr char lockscreenHumidityVisibleKey[] = "lockscreen_humidity_visible";
    static constexpr char lockscreenLightingVisibleKey[] = "lockscreen_lighting_visible";
    // Auxiliary relays 0 .. lockscreenAuxCount - 1 have a lock-screen key each.
    static constexpr int lockscreenAuxCount = 7;

    static constexpr char keyHapticSensorActivatedKey[] = "key_haptic_sensor_activated";

    // Known sauna systems: an array with one entry per sauna.
    static constexpr char pcPanelRemoteSaunasKey[] = "pc_panel_remote_saunas";
    static constexpr char pcPanelRemoteSaunaIdentityKey[] = "pc_panel_remote_sauna_identity";
    static constexpr char pcPanelRemoteSaunaRcbProductKey[] = "pc_panel_remote_sauna_rcb_product";
    static constexpr char pcPanelRemoteSaunaBrandKey[] = "pc_panel_remote_sauna_brand";
    static constexpr char pcPanelRemoteSaunaNameKey[] = "pc_panel_remote_sauna_name";
    static constexpr char pcPanelRemoteSaunaPin1Key[] = "pc_panel_remote_sauna_pin_1";
    static constexpr char pcPanelRemoteSaunaPin2Key[] = "pc_panel_remote_sauna_pin_2";

    // Kept in the per-instance store (pcPanel::InstanceSettings) when the instance is not 0.
    static constexpr char pcPanelSelectedRemoteSaunaKey[] = "pc_panel_selected_remote_sauna";
    static constexpr char pcPanelAutoConnectKey[] = "pc_panel_auto_connect";

    // Cached tables of the connected sauna.
    static constexpr char pcPanelSupportedCharactersKey[] = "pc_panel_supported_characters";
    static constexpr char pcPanelMaxTemperatureKey[] = "pc_panel_max_temperature";
    static constexpr char pcPanelMaxTemperatureSizeKey[] = "pc_panel_max_temperature_size";
    static constexpr char pcPanelMaxTemperatureVersionKey[] = "pc_panel_max_temperature_version";
    static constexpr char pcPanelMaxHumidityKey[] = "pc_panel_max_humidity";
    static constexpr char pcPanelMaxHumiditySizeKey[] = "pc_panel_max_humidity_size";
    static constexpr char pcPanelMaxHumidityVersionKey[] = "pc_panel_max_humidity_version";

    // Factory-reset markers.
    static constexpr char factoryResetInvokedKey[] = "factory_reset_invoked";
    static constexpr char factoryResetClearBrandKey[] = "factory_reset_clear_brand";
    static constexpr char brandKey[] = "brand";

    // Wi-Fi entries of the wall panels; this program only clears or reads them.
    static constexpr char wifiEnabledKey[] = "wifi_enabled";
    // Spelled "wifo" in every settings file ever written; it must stay so.
    static constexpr char wifiAutoConnectKey[] = "wifo_auto_connect";
    static constexpr char wifiSaunaNameKey[] = "wifi_sauna_name";
    static constexpr char wifiSelectedNetworkKey[] = "wifi_selected_network";
    static constexpr char wifiNetworksKey[] = "wifi_networks";
    static constexpr char wifiNetworkNameKey[] = "key_wifi_network_name";
    static constexpr char wifiNetworkPasswordKey[] = "key_wifi_network_password";
    static constexpr char wifiIdentityKey[] = "wifi_identity";

    // Keys of the wall panels that no part of this program reads or writes.
    static constexpr char udpExternalUnitsServerAddressKey[] = "udp_external_units_server_address";
    static constexpr char serverAddressKey[] = "server_address";
    static constexpr char serverPortKey[] = "server_port";
    static constexpr char typeKey[] = "type";

    // Stores the names and creates the shared store unless it exists already; the first
    // construction wins and later names are ignored.
    Settings(const QString &organization, const QString &application, QObject *parent = nullptr);
    // Reaches the shared store, creating it with the stored names on first use.
    Settings();

    // The shared store, created on first use; never null.
    static QSettings *settings();
    // Writes the key and syncs the file at once, so every write reaches the disk; inside a
    // WriteBatch the sync waits for the end of the outermost batch.
    static void setValue(const QString &key, const QVariant &value);
    // The same for another store, such as the per-instance one: its sync too waits for the end of
    // the outermost batch.
    static void setValue(QSettings &store, const QString &key, const QVariant &value);
    // Syncs what was written to the store by other means (arrays, removals) as setValue does: at
    // once, or inside a WriteBatch at the end of the outermost batch.
    static void sync(QSettings &store);

    // While one exists, writes are kept in their stores and reach the files together when the
    // last one ends. For the defaults that the panel's objects write while they are built at
    // start-up: one sync instead of one per key. A batch lost to a crash loses only defaults, which
    // the next start writes again.
    class WriteBatch
    {
    public:
        WriteBatch();
        ~WriteBatch();
        WriteBatch(const WriteBatch &) = delete;
        WriteBatch &operator=(const WriteBatch &) = delete;
    };
    static QString lockscreenAuxVisibleKey(int n);
    // Removes the user's choices and the Wi-Fi entries; keeps the known saunas, the cached
    // tables, the factory-reset markers, "brand" and the per-instance store.
    static void factoryReset();

    static QString organizationName();
    static QString applicationName();

    // The most entries an array read from a settings file gives, whatever size it claims.
    static constexpr int maximumArrayEntries = 1024;
    // The indexes (for QSettings::setArrayIndex) of the entries of that array that are really in
    // the store, ascending, the lowest limit of them. The size stored with the array is not read:
    // a damaged or hand-edited file may claim any size, or a smaller one than it holds.
    static QList<int> storedArrayIndexes(QSettings *store, const QString &arrayKey,
                                         int limit = maximumArrayEntries);

    // Typed readers of the shared store, or of another store such as the per-instance one. A value
    // read back from an INI file is text; these convert it strictly, so that a hand-edited or
    // corrupt value counts as absent instead of as some accidental value. A boolean is "true" or
    // "false" in any case, or an integer (non-zero is true).
    static bool boolValue(const QString &key, bool defaultValue, const QSettings *store = nullptr);
    static std::optional<int> intValue(const QString &key, const QSettings *store = nullptr);
    static std::optional<quint32> uintValue(const QString &key, const QSettings *store = nullptr);
    // The conversions of those readers, for a value however it was read; nothing when the value
    // does not convert.
    static std::optional<bool> toBool(const QVariant &value);
    static std::optional<int> toInt(const QVariant &value);
    static std::optional<quint32> toUInt(const QVariant &value);
    // An int enum key, checked with the enum's fromInt: enumValue<E>(key, &Holder::fromInt).
    template<typename Enum>
    static std::optional<Enum> enumValue(const QString &key, bool (*fromInt)(int, Enum &),
                                         const QSettings *store = nullptr)
    {
        const std::optional<int> number = intValue(key, store);
        Enum result{};
        if (!number || !fromInt(*number, result)) {
            return std::nullopt;
        }
        return result;
    }

    // Opens an INI store of the user's scope: the shared one, or the per-instance one. A file that
    // does not parse completely is copied beside itself as "<file>.damaged" (replacing an older
    // copy) before anything can be written to it, and what the reader lost of its intact lines is
    // put back into the store (see SettingsFileRepair). The copy, and a file or folder that cannot
    // be written, are reported to SettingsFileInformer.
    static std::unique_ptr<QSettings> openStore(const QString &organization,
                                                const QString &application);
    // Syncs the store and reports a write that failed.
    static void syncStore(QSettings &store);
    // Reports a store that failed to write since it was opened, whoever synced it.
    static void reportFailedWrites(const QSettings &store);

    // Deletes the shared store, restores the initial names and forgets what the settings files
    // were found to lack, so that a test can start as a fresh process would. Never called by the
    // program itself.
    static void resetForTesting();
};

} // namespace control
