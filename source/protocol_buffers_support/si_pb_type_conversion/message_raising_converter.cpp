#include "protocol_buffers_support/si_pb_type_conversion/message_raising_converter.h"

#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"

namespace pbSupport::conversion {

MessageRaisingConverter::MessageRaisingConverter(QObject *parent)
    : QObject(parent)
{}

MessageRaisingConverter::~MessageRaisingConverter() = default;

void MessageRaisingConverter::raiseMissingPair(const char *sourcePath, int line,
                                               const char *typeName, int value)
{
    emit panelUserMessageIssued(makeInternalErrorMessage(sourcePath, line,
                                                         QStringLiteral("no pair for %1 value %2")
                                                             .arg(QString::fromLatin1(typeName))
                                                             .arg(value)),
                                nullptr);
}

} // namespace pbSupport::conversion
