#include "signal_interface/master_func_desc_types.h"

#include "signal_interface/debug_text.h"
#include <QStringList>

#include <utility>

namespace signalInterface {

MasterFuncDescTypes::MasterFuncDescTypes(QObject *parent)
    : QObject(parent)
{}

MasterFuncDescTypes::~MasterFuncDescTypes() = default;

bool MasterFuncDescTypes::isNonStandardSystemMode(SystemMode mode)
{
    return mode == E_multisteam || mode == E_solvenno;
}

bool MasterFuncDescTypes::isCombiProduct(RcbProduct product)
{
    return product == E_combi_manual || product == E_combi_auto;
}

bool MasterFuncDescTypes::isSteamProduct(RcbProduct product)
{
    return product >= E_steam_private && product <= E_steam_manual_empty;
}

bool MasterFuncDescTypes::isSaunaProduct(RcbProduct product)
{
    return product == E_box_addon || product == E_sauna || product == E_sauna_ir;
}

QString MasterFuncDescTypes::toText(const MasterFuncDescPost &post)
{
    const std::pair<const char *, bool> flags[] = {
        {"BathPrio", post.bathPrio},
        {"Schedule", post.schedule},
        {"RTC", post.rtc},
        {"NotAllowedStart", post.notAllowedStart},
        {"Aux", post.aux},
        {"Cleanup", post.cleanup},
        {"Fan", post.fan},
        {"Standby", post.standby},
        {"StandbyTemperature", post.standbyTemperature},
        {"ResetTimer", post.resetTimer},
        {"HumidityLevel", post.humidityLevel},
        {"HumidityPercent", post.humidityPercent},
        {"TankAutoEmptying", post.tankAutoEmptying},
        {"TemperatureSet", post.temperatureSet},
        {"WaterLevel", post.waterLevel},
        {"TankManual", post.tankManual},
        {"WaterTemperature", post.waterTemperature},
        {"ErrorLog", post.errorLog},
        {"PcbOverheatLimit", post.pcbOverheatLimit},
        {"ExtSwFunction", post.extSwFunction},
        {"ExtSwBathtime", post.extSwBathtime},
        {"FacilityType", post.facilityType},
    };
    QStringList parts;
    for (const auto &[label, set] : flags)
        parts << QLatin1String(label) + QLatin1Char(':') + QLatin1Char(set ? 'Y' : 'N');
    return parts.join(QLatin1Char(' '));
}

QDebug operator<<(QDebug debug, MasterFuncDescTypes::SystemMode value)
{
    return details::writeQuotedText(std::move(debug), MasterFuncDescTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, MasterFuncDescTypes::SystemMode value)
{
    return details::writeText(stream, MasterFuncDescTypes::toText(value));
}

QDebug operator<<(QDebug debug, MasterFuncDescTypes::RcbProduct value)
{
    return details::writeQuotedText(std::move(debug), MasterFuncDescTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, MasterFuncDescTypes::RcbProduct value)
{
    return details::writeText(stream, MasterFuncDescTypes::toText(value));
}

QDebug operator<<(QDebug debug, const MasterFuncDescTypes::MasterFuncDescPost &value)
{
    return details::writeQuotedText(std::move(debug), MasterFuncDescTypes::toText(value));
}

std::ostream &operator<<(std::ostream &stream, const MasterFuncDescTypes::MasterFuncDescPost &value)
{
    return details::writeText(stream, MasterFuncDescTypes::toText(value));
}

} // namespace signalInterface
