#pragma once

#include <QString>

#include <QStringList>

namespace view::message {

// Fills the placeholders %1..%99 of a message text with its arguments in one pass: the lowest-
// numbered placeholder takes the first argument, the next one the second, and so on. Text that
// an argument brings in is never scanned again, so an argument containing "%2" stays as it is.
// Placeholders beyond the last argument are left in the text.
QString fillArguments(const QString &text, const QStringList &arguments);

} // namespace view::message
