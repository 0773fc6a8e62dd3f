#pragma once

#include <QSharedPointer>
#include <QString>

namespace value {

// Result of the conversions between protocol messages and signal-interface records: null means
// success, otherwise it holds the reason. Copies share the one text.
using ErrorText_SPT = QSharedPointer<QString>;

// "function: message"; the function text is taken as ASCII.
ErrorText_SPT makeErrorText(const char *function, const QString &message);
// "function: message, number".
ErrorText_SPT makeErrorText(const char *function, const QString &message, int number);

} // namespace value
