#pragma once

#include <QObject>

namespace view::details {

// Owner of the on-screen keyboard's key texts; its class name is their translation context.
// Each language's translation file supplies the key caps by translating these key texts.
class KeyboardTranslations : public QObject
{
    Q_OBJECT

public:
    KeyboardTranslations() = delete;

    // The key text of one key in one mode, e.g. "keyboardRow1Pos0CapsFalseSymbolFalse".
    static QString keyName(int row, int position, bool caps, bool symbol);

    // The translation of the key text in the language installed now (the key text itself when
    // the language has none).
    static QString translatedKey(int row, int position, bool caps, bool symbol);
};

} // namespace view::details
