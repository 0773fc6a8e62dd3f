#include "protocol_buffers_support/si_pb_type_conversion/user_settings_converter.h"

namespace pbSupport::conversion {

namespace {

constexpr int settingBase = 10;
constexpr int languageBase = 200;

} // namespace

UserSettingsConverter &UserSettingsConverter::instance()
{
    static UserSettingsConverter *converter = new UserSettingsConverter;
    return *converter;
}

template<typename Holder, typename Enum>
bool UserSettingsConverter::shifted(int wireValue, int base, const char *typeName, Enum &out)
{
    if (Holder::fromInt(wireValue - base, out))
        return true;
    raiseMissingPair(__FILE__, __LINE__, typeName, wireValue);
    return false;
}

bool UserSettingsConverter::toSiTemperatureUnit(
    vaholumo::User_setting_temperature_unit_t unit,
    signalInterface::TemperatureTypes::TemperatureUnit &out)
{
    return shifted<signalInterface::TemperatureTypes>(unit, settingBase, "temperature_unit_t", out);
}

bool UserSettingsConverter::toSiTemperaturePresentation(
    vaholumo::User_setting_temperature_presentation_t presentation,
    signalInterface::TemperatureTypes::TemperaturePresentation &out)
{
    return shifted<signalInterface::TemperatureTypes>(presentation, settingBase,
                                                      "temperature_presentation_t", out);
}

bool UserSettingsConverter::toSiHumidityPresentation(
    vaholumo::User_setting_humidity_presentation_t presentation,
    signalInterface::HumidityTypes::HumidityPresentation &out)
{
    return shifted<signalInterface::HumidityTypes>(presentation, settingBase,
                                                   "humidity_presentation_t", out);
}

bool UserSettingsConverter::toSiDateFormat(vaholumo::User_setting_date_format_t format,
                                           signalInterface::DateTimeTypes::DateFormat &out)
{
    return shifted<signalInterface::DateTimeTypes>(format, settingBase, "date_format_t", out);
}

bool UserSettingsConverter::toSiTimeFormat(vaholumo::User_setting_time_format_t format,
                                           signalInterface::DateTimeTypes::TimeFormat &out)
{
    return shifted<signalInterface::DateTimeTypes>(format, settingBase, "time_format_t", out);
}

bool UserSettingsConverter::toSiWeekStart(vaholumo::User_setting_weekstart_t weekStart,
                                          signalInterface::CalendarTypes::WeekDay &out)
{
    switch (weekStart) {
    case vaholumo::User_setting_weekstart_t_WEEKSTART_MONDAY:
        out = signalInterface::CalendarTypes::E_monday;
        return true;
    case vaholumo::User_setting_weekstart_t_WEEKSTART_SUNDAY:
        out = signalInterface::CalendarTypes::E_sunday;
        return true;
    }
    raiseMissingPair(__FILE__, __LINE__, "weekstart_t", weekStart);
    return false;
}

bool UserSettingsConverter::toSiLanguage(vaholumo::User_setting_language_t language,
                                         signalInterface::LanguageTypes::Language &out)
{
    return shifted<signalInterface::LanguageTypes>(language, languageBase, "language_t", out);
}

} // namespace pbSupport::conversion
