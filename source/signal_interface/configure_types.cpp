#include "signal_interface/configure_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

ConfigureTypes::ConfigureTypes(QObject *parent)
    : QObject(parent)
{}

ConfigureTypes::~ConfigureTypes() = default;

bool ConfigureTypes::fromInt(int value, ConfigureGeneral &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureGeneral", value, result);
}

QString ConfigureTypes::toText(ConfigureGeneral value)
{
    return enumValueText<ConfigureTypes>("ConfigureGeneral", value);
}

bool ConfigureTypes::fromInt(int value, SoftwareComponent &result)
{
    return enumFromInt<ConfigureTypes>("SoftwareComponent", value, result);
}

QString ConfigureTypes::toText(SoftwareComponent value)
{
    return enumValueText<ConfigureTypes>("SoftwareComponent", value);
}

bool ConfigureTypes::fromInt(int value, LinuxComponent &result)
{
    return enumFromInt<ConfigureTypes>("LinuxComponent", value, result);
}

QString ConfigureTypes::toText(LinuxComponent value)
{
    return enumValueText<ConfigureTypes>("LinuxComponent", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureDateTime &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureDateTime", value, result);
}

QString ConfigureTypes::toText(ConfigureDateTime value)
{
    return enumValueText<ConfigureTypes>("ConfigureDateTime", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureLimits &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureLimits", value, result);
}

QString ConfigureTypes::toText(ConfigureLimits value)
{
    return enumValueText<ConfigureTypes>("ConfigureLimits", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureAdvancedSettings &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureAdvancedSettings", value, result);
}

QString ConfigureTypes::toText(ConfigureAdvancedSettings value)
{
    return enumValueText<ConfigureTypes>("ConfigureAdvancedSettings", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureSystem &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureSystem", value, result);
}

QString ConfigureTypes::toText(ConfigureSystem value)
{
    return enumValueText<ConfigureTypes>("ConfigureSystem", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureSystemAux &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureSystemAux", value, result);
}

QString ConfigureTypes::toText(ConfigureSystemAux value)
{
    return enumValueText<ConfigureTypes>("ConfigureSystemAux", value);
}

bool ConfigureTypes::fromInt(int value, ConfigureSystemWiFiNetwork &result)
{
    return enumFromInt<ConfigureTypes>("ConfigureSystemWiFiNetwork", value, result);
}

QString ConfigureTypes::toText(ConfigureSystemWiFiNetwork value)
{
    return enumValueText<ConfigureTypes>("ConfigureSystemWiFiNetwork", value);
}

} // namespace signalInterface
