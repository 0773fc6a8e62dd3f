#include "value/error_text.h"

namespace value {

ErrorText_SPT makeErrorText(const char *function, const QString &message)
{
    return ErrorText_SPT::create(QString::fromLatin1(function) + QStringLiteral(": ") + message);
}

ErrorText_SPT makeErrorText(const char *function, const QString &message, int number)
{
    return ErrorText_SPT::create(QString::fromLatin1(function) + QStringLiteral(": ") + message +
                                 QStringLiteral(", ") + QString::number(number));
}

} // namespace value
