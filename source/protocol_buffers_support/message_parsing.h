#pragma once

#include <QByteArray>
#include <QLoggingCategory>

namespace google::protobuf {
class MessageLite;
} // namespace google::protobuf

namespace pbSupport {

Q_DECLARE_LOGGING_CATEGORY(protocolLog)

// Parses one received datagram as one whole message. The message is cleared first, so it holds
// only what this datagram carries. The end of the input, a tag of 0 or an end-group tag ends the
// message successfully. Malformed input (a truncated varint or tag, a length past the end,
// nesting past the runtime's recursion limit) or a missing required field makes it return false
// and leaves the message cleared: the caller drops the datagram whole, so nothing of a half-read
// datagram is ever handled.
bool parseDatagram(const char *data, qsizetype size, google::protobuf::MessageLite &message);
bool parseDatagram(const QByteArray &datagram, google::protobuf::MessageLite &message);

// Sends libprotobuf's own log lines through protocolLog() instead of to stderr. Call once at
// start-up, before any message is parsed; libprotobuf's handler is not thread-safe to swap.
void installProtobufLogHandler();

} // namespace pbSupport
