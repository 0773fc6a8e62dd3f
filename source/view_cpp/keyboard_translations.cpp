#include "view_cpp/keyboard_translations.h"

namespace view::details {

QString KeyboardTranslations::keyName(int row, int position, bool caps, bool symbol)
{
    // "True_" is padded to the length of "False" in every key text.
    return QStringLiteral("keyboardRow%1Pos%2Caps%3Symbol%4")
        .arg(QString::number(row), QString::number(position),
             caps ? QStringLiteral("True_") : QStringLiteral("False"),
             symbol ? QStringLiteral("True_") : QStringLiteral("False"));
}

QString KeyboardTranslations::translatedKey(int row, int position, bool caps, bool symbol)
{
    const QByteArray key = keyName(row, position, caps, symbol).toLatin1();
    return tr(key.constData());
}

} // namespace view::details
