#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"

#include "view_cpp/source_file_name.h"

namespace pbSupport::conversion {

signalInterface::UserMessageTypes::UserMessage
makeInternalErrorMessage(const char *sourcePath, int line, const QString &description)
{
    signalInterface::UserMessageTypes::UserMessage message(internalErrorMessageId);
    message.arguments << view::message::sourceFileName(QString::fromUtf8(sourcePath))
                      << QString::number(line) << description;
    return message;
}

} // namespace pbSupport::conversion
