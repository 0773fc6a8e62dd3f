#pragma once

#include "signal_interface/user_message_types.h"

#include <QString>

namespace pbSupport::conversion {

// Panel message 0x201b, "Internal software error detected file %1 line %2: %3".
constexpr quint32 internalErrorMessageId = 0x201b;

// The internal-error message naming the source file (base name only), the line and the fault.
signalInterface::UserMessageTypes::UserMessage
makeInternalErrorMessage(const char *sourcePath, int line, const QString &description);

} // namespace pbSupport::conversion
