#pragma once

#include "signal_interface/enum_value_text.h"

#include <QObject>
#include <QString>

namespace signalInterface {

// Row ids of the settings screens.
class ConfigureTypes : public QObject, public EnumConversions<ConfigureTypes>
{
    Q_OBJECT

public:
    enum ConfigureGeneral : int {
        E_about = 0,
        E_language = 1,
        E_region = 2,
        E_units = 3,
        E_display = 4,
        E_pin = 5,
        E_licenseInfo = 6,
        E_identifyRcb = 7,
        E_softwareComponentInfo = 8,
    };
    Q_ENUM(ConfigureGeneral)

    enum SoftwareComponent : int {
        E_componentQt = 0,
        E_componentProtocolBuffers = 1,
        E_componentLinux = 2,
        E_componentLinuxComponents = 3,
    };
    Q_ENUM(SoftwareComponent)

    enum LinuxComponent : int {
        E_linuxComponentAutoConf = 0,
        E_linuxComponentAutoMake = 1,
        E_linuxComponentBuildRoot = 2,
        E_linuxComponentBusyBox = 3,
        E_linuxComponentConnMan = 4,
        E_linuxComponentConnManQt = 5,
        E_linuxComponentE2FsProgs = 6,
        E_linuxComponentFakeRoot = 7,
        E_linuxComponentFbv = 8,
        E_linuxComponentFontConfig = 9,
        E_linuxComponentFreetype = 10,
        E_linuxComponentJpegTurbo = 11,
        E_linuxComponentLibPng = 12,
        E_linuxComponentLibTool = 13,
        E_linuxComponentLrzsz = 14,
        E_linuxComponentLzo = 15,
        E_linuxComponentM4 = 16,
        E_linuxComponentModuleInitTools = 17,
        E_linuxComponentMtd = 18,
        E_linuxComponentMySqlClient = 19,
        E_linuxComponentNano = 20,
        E_linuxComponentNcurses = 21,
        E_linuxComponentReadLine = 22,
        E_linuxComponentSetSerial = 23,
        E_linuxComponentStrace = 24,
        E_linuxComponentTsLib = 25,
        E_linuxComponentUBoot = 26,
        E_linuxComponentUBootTools = 27,
    };
    Q_ENUM(LinuxComponent)

    enum ConfigureDateTime : int {
        E_time = 0,
        E_setTime = 1,
        E_date = 2,
        E_setDate = 3,
        E_weekstart = 4,
        E_eraseCalendar = 5,
    };
    Q_ENUM(ConfigureDateTime)

    enum ConfigureLimits : int {
        E_maxBathTemp = 0,
        E_waterTempLimit = 1,
        E_notAllowedStart = 2,
        E_notAllowedStartDisable = 3,
        E_notAllowedStartFrom = 4,
        E_notAllowedStartUntil = 5,
        E_overheating = 6,
    };
    Q_ENUM(ConfigureLimits)

    enum ConfigureAdvancedSettings : int {
        E_standby = 0,
        E_externalSwitch = 1,
        E_fan = 2,
        E_fanRuntime = 3,
        E_externalSwitchBathtime = 4,
    };
    Q_ENUM(ConfigureAdvancedSettings)

    enum ConfigureSystem : int {
        E_optionsAux = 0,
        E_optionsWiFi = 1,
        E_optionsNetwork = 2,
        E_cleanup = 3,
        E_tankAutoEmptying = 4,
        E_tankFillTime = 5,
        E_tankAutoEmptyingEnable = 6,
        E_tankAutoEmptyingInterval = 7,
        E_bathTypePriority = 8,
        E_resetPauseTimer = 9,
        E_filter = 10,
        E_relayControl = 11,
        E_status = 12,
        E_errorLog = 13,
        E_facilityType = 14,
        E_softwareUpdate = 15,
        E_factoryReset = 16,
        E_cleanupTime = 17,
        E_regulator = 18,
        E_cleanupEnable = 19,
        E_tankNoticeEnable = 20,
        E_hapticFeedback = 21,
        E_irEnable = 22,
    };
    Q_ENUM(ConfigureSystem)

    enum ConfigureSystemAux : int {
        E_optionsAuxSingleOverview = 0,
        E_optionsAuxSingleFragrance = 1,
        E_optionsAuxSingleFragrancePump = 2,
        E_optionsAuxSingleFragranceStop = 3,
        E_optionsAuxDescalingSettings = 4,
        E_optionsAuxDescalingStartTime = 5,
        E_optionsAuxDescalingDuration = 6,
        E_optionsAuxDescalingDosage = 7,
        E_optionsAuxDescalingWeekday = 8,
        E_optionsAuxDescalingWeekdayRepeat = 9,
    };
    Q_ENUM(ConfigureSystemAux)

    enum ConfigureSystemWiFiNetwork : int {
        E_wiFiNetworkEnable = 0,
        E_wiFiNetworks = 1,
        E_wiFiExternalUnits = 2,
        E_wiFiScan = 3,
        E_wiFiNetworkDetails = 4,
        E_wiFiAutoConnect = 5,
        E_wiFiConnect = 6,
        E_wiFiDisconnect = 7,
        E_wiFiChangePassword = 8,
        E_wiFiRoot = 9,
        E_networkRoot = 10,
        E_networkAutoConnect = 11,
        E_networkSaunaDetails = 12,
        E_networkSpecialIpConnect = 13,
        E_networkEditIpAddress = 14,
        E_networkEditPort = 15,
        E_networkChangePin = 16,
        E_networkConnect = 17,
        E_networkDisconnect = 18,
        E_networkUpdate = 19,
        E_networkDoIpConnect = 20,
    };
    Q_ENUM(ConfigureSystemWiFiNetwork)

    explicit ConfigureTypes(QObject *parent = nullptr);
    ~ConfigureTypes() override;
};

} // namespace signalInterface
