#pragma once

#include "signal_interface/enum_value_text.h"

#include <QDebug>
#include <QObject>
#include <QString>

#include <iosfwd>

namespace signalInterface {

// System mode and product of the relay control board, and the functions it supports.
class MasterFuncDescTypes : public QObject, public EnumConversions<MasterFuncDescTypes>
{
    Q_OBJECT

public:
    enum SystemMode : int {
        E_standard = 0,
        E_multisteam = 1,
        E_solvenno = 2,
    };
    Q_ENUM(SystemMode)

    enum RcbProduct : int {
        E_combi_manual = 0,
        E_combi_auto = 1,
        E_steam_private = 2,
        E_steam_private_auto = 3,
        E_steam_public = 4,
        E_steam_manual_empty = 5,
        E_box_addon = 6,
        E_sauna = 7,
        E_sauna_low = 8,
        E_sauna_ir = 9,
        E_unknown = 10,
    };
    Q_ENUM(RcbProduct)

    explicit MasterFuncDescTypes(QObject *parent = nullptr);
    ~MasterFuncDescTypes() override;

    // Which functions the connected sauna system has, in the order of its support report.
    struct MasterFuncDescPost
    {
        bool bathPrio = false;
        bool schedule = false;
        bool rtc = false;
        bool notAllowedStart = false;
        bool aux = false;
        bool cleanup = false;
        bool fan = false;
        bool standby = false;
        bool standbyTemperature = false;
        bool resetTimer = false;
        bool humidityLevel = false;
        bool humidityPercent = false;
        bool tankAutoEmptying = false;
        bool temperatureSet = false;
        bool waterLevel = false;
        bool tankManual = false;
        bool waterTemperature = false;
        bool errorLog = false;
        bool pcbOverheatLimit = false;
        bool extSwFunction = false;
        bool extSwBathtime = false;
        bool facilityType = false;
        bool function23 = false;

        bool operator==(const MasterFuncDescPost &other) const
        {
            return bathPrio == other.bathPrio && schedule == other.schedule && rtc == other.rtc &&
                   notAllowedStart == other.notAllowedStart && aux == other.aux &&
                   cleanup == other.cleanup && fan == other.fan && standby == other.standby &&
                   standbyTemperature == other.standbyTemperature &&
                   resetTimer == other.resetTimer && humidityLevel == other.humidityLevel &&
                   humidityPercent == other.humidityPercent &&
                   tankAutoEmptying == other.tankAutoEmptying &&
                   temperatureSet == other.temperatureSet && waterLevel == other.waterLevel &&
                   tankManual == other.tankManual && waterTemperature == other.waterTemperature &&
                   errorLog == other.errorLog && pcbOverheatLimit == other.pcbOverheatLimit &&
                   extSwFunction == other.extSwFunction && extSwBathtime == other.extSwBathtime &&
                   facilityType == other.facilityType && function23 == other.function23;
        }
        bool operator!=(const MasterFuncDescPost &other) const { return !(*this == other); }
    };

    // True for the multisteam and solvenno modes.
    static bool isNonStandardSystemMode(SystemMode mode);
    static bool isCombiProduct(RcbProduct product);
    static bool isSteamProduct(RcbProduct product);
    // Only the box add-on, sauna and infrared sauna boards count; the low sauna board does not.
    static bool isSaunaProduct(RcbProduct product);
    // The 22 named flags as "Label:Y" or "Label:N", separated by one blank.
    static QString toText(const MasterFuncDescPost &post);
    using EnumConversions<MasterFuncDescTypes>::toText;
};

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, MasterFuncDescTypes::SystemMode value);
std::ostream &operator<<(std::ostream &stream, MasterFuncDescTypes::SystemMode value);

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, MasterFuncDescTypes::RcbProduct value);
std::ostream &operator<<(std::ostream &stream, MasterFuncDescTypes::RcbProduct value);

// Debug forms: the key text in double quotes for QDebug, the bare text for a std::ostream.
QDebug operator<<(QDebug debug, const MasterFuncDescTypes::MasterFuncDescPost &value);
std::ostream &operator<<(std::ostream &stream,
                         const MasterFuncDescTypes::MasterFuncDescPost &value);

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::MasterFuncDescTypes::MasterFuncDescPost)
