#include "protocol_buffers_support/message_parsing.h"

#include <google/protobuf/io/coded_stream.h>
#include <google/protobuf/message_lite.h>
#include <google/protobuf/stubs/logging.h>

#include <climits>
#include <cstdint>
#include <string>

namespace pbSupport {

Q_LOGGING_CATEGORY(protocolLog, "panel.protocol")

namespace {

constexpr int maxTagLength = 5;
constexpr std::uint32_t wireTypeMask = 7;
constexpr std::uint32_t wireTypeEndGroup = 4;
constexpr qsizetype loggedPrefixLength = 16;

// The stream only lets us compare its last tag, not read it. That tag is the varint that ends at
// `end`; every varint suffix of one to five bytes is a candidate, and the stream's comparison
// tells which one it read.
bool stoppedOnTerminatingTag(google::protobuf::io::CodedInputStream &input,
                             const std::uint8_t *data, int end)
{
    for (int length = 1; length <= maxTagLength && length <= end; ++length) {
        const std::uint8_t *first = data + end - length;
        if (length > 1 && (first[0] & 0x80) == 0) {
            return false;
        }
        if (length == 1 && (first[0] & 0x80) != 0) {
            return false;
        }
        std::uint64_t candidate = 0;
        for (int i = length - 1; i >= 0; --i) {
            candidate = (candidate << 7) | (first[i] & 0x7f);
        }
        const auto tag = static_cast<std::uint32_t>(candidate);
        const bool terminating = tag == 0 || (tag & wireTypeMask) == wireTypeEndGroup;
        if (terminating && input.LastTagWas(tag)) {
            return true;
        }
    }
    return false;
}

// Lite messages cannot print themselves, so a dropped datagram is logged as type, size and a
// short hex prefix.
void logDropped(const char *data, qsizetype size, const google::protobuf::MessageLite &message)
{
    const QByteArray prefix = QByteArray::fromRawData(data, qMin(size, loggedPrefixLength));
    qCDebug(protocolLog).nospace().noquote()
        << "dropped malformed " << message.GetTypeName().c_str() << " (" << size
        << " bytes): " << prefix.toHex(' ') << (size > loggedPrefixLength ? " ..." : "");
}

void forwardProtobufLog(google::protobuf::LogLevel level, const char *filename, int line,
                        const std::string &text)
{
    const QMessageLogger logger(filename, line, nullptr);
    switch (level) {
    case google::protobuf::LOGLEVEL_INFO:
        logger.info(protocolLog(), "%s", text.c_str());
        break;
    case google::protobuf::LOGLEVEL_WARNING:
    case google::protobuf::LOGLEVEL_ERROR:
        // libprotobuf reports bad input, such as a missing required field, as an error; to the
        // panel that is a dropped datagram, not a failure of its own.
        logger.warning(protocolLog(), "%s", text.c_str());
        break;
    default:
        logger.critical(protocolLog(), "%s", text.c_str());
        break;
    }
}

} // namespace

bool parseDatagram(const char *data, qsizetype size, google::protobuf::MessageLite &message)
{
    message.Clear();
    if (size < 0 || size > INT_MAX || (data == nullptr && size > 0)) {
        qCDebug(protocolLog) << "dropped" << message.GetTypeName().c_str() << "with impossible size"
                             << size;
        return false;
    }

    const auto *bytes = reinterpret_cast<const std::uint8_t *>(data);
    const int length = static_cast<int>(size);
    google::protobuf::io::CodedInputStream input(bytes, length);
    // MergeFromCodedStream, unlike ParseFromArray, accepts a message that a 0 or end-group tag
    // ends before the input does; zero padding after a datagram is therefore harmless.
    bool parsed = message.MergeFromCodedStream(&input);
    // Only the end of the input, a 0 tag or an end-group tag may end a message; a parse that
    // stopped anywhere else is not trusted, whatever the runtime returned.
    if (parsed) {
        const int consumed = input.CurrentPosition();
        parsed = consumed >= 0 && consumed <= length &&
                 (input.ConsumedEntireMessage() || stoppedOnTerminatingTag(input, bytes, consumed));
    }
    if (!parsed) {
        logDropped(data, size, message);
        message.Clear();
    }
    return parsed;
}

bool parseDatagram(const QByteArray &datagram, google::protobuf::MessageLite &message)
{
    return parseDatagram(datagram.constData(), datagram.size(), message);
}

void installProtobufLogHandler()
{
    google::protobuf::SetLogHandler(&forwardProtobufLog);
}

} // namespace pbSupport
