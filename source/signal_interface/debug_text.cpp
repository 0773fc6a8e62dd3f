#include "signal_interface/debug_text.h"

#include <ostream>

namespace signalInterface::details {

QDebug writeQuotedText(QDebug debug, const QString &text)
{
    debug.nospace() << '"' << text.toLatin1().constData() << '"';
    return debug.space();
}

std::ostream &writeText(std::ostream &stream, const QString &text)
{
    return stream << text.toLatin1().constData();
}

} // namespace signalInterface::details
