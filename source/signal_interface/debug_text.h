#pragma once

#include <QDebug>
#include <QString>

#include <iosfwd>

namespace signalInterface::details {

// Writes text in double quotes without spacing inside, then turns spacing back on.
QDebug writeQuotedText(QDebug debug, const QString &text);
// Writes text as 8-bit characters, with nothing added.
std::ostream &writeText(std::ostream &stream, const QString &text);

} // namespace signalInterface::details
