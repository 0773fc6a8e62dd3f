#pragma once

#include "protocol_buffers_support/message_parsing.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// Keeps the link's debug lines and libprotobuf's complaints about bad input off the terminal, so
// that a run prints only libFuzzer's own output. Fatal messages still end the run as a crash.
inline void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
        std::abort();
    }
}

inline void installQuietLogging()
{
    pbSupport::installProtobufLogHandler();
    qInstallMessageHandler(&quietMessages);
}

} // namespace fuzzing
