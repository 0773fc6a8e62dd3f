#pragma once

#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"

namespace pbSupport::conversion {

// The converter of the sauna's copy of the user's display settings. The panel keeps these
// settings itself and takes none from the sauna, so it converts nothing; it stands among the
// converters whose messages reach the message controller.
class UserSettingsConverter : public MessageRaisingConverter
{
    Q_OBJECT

public:
    static UserSettingsConverter &instance();

private:
    UserSettingsConverter() = default;
};

} // namespace pbSupport::conversion
