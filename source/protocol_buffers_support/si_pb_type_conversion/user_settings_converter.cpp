#include "protocol_buffers_support/si_pb_type_conversion/user_settings_converter.h"

namespace pbSupport::conversion {

UserSettingsConverter &UserSettingsConverter::instance()
{
    static UserSettingsConverter *converter = new UserSettingsConverter;
    return *converter;
}

} // namespace pbSupport::conversion
