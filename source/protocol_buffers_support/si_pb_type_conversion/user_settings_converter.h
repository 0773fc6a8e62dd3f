#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"
#include "signal_interface/calendar_types.h"
#include "signal_interface/date_time_types.h"
#include "signal_interface/humidity_types.h"
#include "signal_interface/language_types.h"
#include "signal_interface/temperature_types.h"

#include "user_setting.pb.h"

namespace pbSupport::conversion {

// The sauna's copy of the user's display settings. The panel keeps these settings itself and
// takes none from the sauna; the converter gives their meaning. Each returns false, after an
// internal-error message, for a value without a pair and then leaves out unchanged.
class UserSettingsConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    static UserSettingsConverter &instance();

    bool toSiTemperatureUnit(vaholumo::User_setting_temperature_unit_t unit,
                             signalInterface::TemperatureTypes::TemperatureUnit &out);
    bool
    toSiTemperaturePresentation(vaholumo::User_setting_temperature_presentation_t presentation,
                                signalInterface::TemperatureTypes::TemperaturePresentation &out);
    bool toSiHumidityPresentation(vaholumo::User_setting_humidity_presentation_t presentation,
                                  signalInterface::HumidityTypes::HumidityPresentation &out);
    bool toSiDateFormat(vaholumo::User_setting_date_format_t format,
                        signalInterface::DateTimeTypes::DateFormat &out);
    bool toSiTimeFormat(vaholumo::User_setting_time_format_t format,
                        signalInterface::DateTimeTypes::TimeFormat &out);
    // Only Monday (10) and Sunday (11) can start a week.
    bool toSiWeekStart(vaholumo::User_setting_weekstart_t weekStart,
                       signalInterface::CalendarTypes::WeekDay &out);
    // Protocol value - 200.
    bool toSiLanguage(vaholumo::User_setting_language_t language,
                      signalInterface::LanguageTypes::Language &out);

private:
    UserSettingsConverter() = default;

    template<typename Holder, typename Enum>
    bool shifted(int wireValue, int base, const char *typeName, Enum &out);
};

} // namespace pbSupport::conversion
