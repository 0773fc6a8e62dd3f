#include "view_cpp/keyboard_language.h"

#include "view_cpp/keyboard_translations.h"

#include <QQmlContext>

#include <array>

namespace view {

namespace {

// Key positions of rows 1 to 5: 54 keys in all.
constexpr std::array<int, 5> rowLengths{10, 18, 10, 9, 7};

// Shown for a position outside the row and for a key the language does not translate.
const QString noKeyText = QStringLiteral("_");

// Number of key positions of a row (1 to 5); 0 for any other row.
int positionCount(int row)
{
    if (row < 1 || row > static_cast<int>(rowLengths.size()))
        return 0;
    return rowLengths[static_cast<std::size_t>(row - 1)];
}

} // namespace

KeyboardLanguage *KeyboardLanguage::instance()
{
    static auto *const keyboardLanguage = new KeyboardLanguage;
    return keyboardLanguage;
}

void KeyboardLanguage::publishToQml(QQmlContext *context)
{
    if (context)
        context->setContextProperty(QStringLiteral("keyboard_language"), instance());
}

QString KeyboardLanguage::row1KeyText(int index, bool caps, bool symbol) const
{
    return keyText(1, index, caps, symbol);
}

QString KeyboardLanguage::row2KeyText(int index, bool caps, bool symbol) const
{
    return keyText(2, index, caps, symbol);
}

QString KeyboardLanguage::row3KeyText(int index, bool caps, bool symbol) const
{
    return keyText(3, index, caps, symbol);
}

QString KeyboardLanguage::row4KeyText(int index, bool caps, bool symbol) const
{
    return keyText(4, index, caps, symbol);
}

QString KeyboardLanguage::row5KeyText(int index, bool caps, bool symbol) const
{
    return keyText(5, index, caps, symbol);
}

QString KeyboardLanguage::keyText(int row, int index, bool caps, bool symbol)
{
    // Taken as unsigned, a negative position is out of range as well.
    if (static_cast<unsigned int>(index) >= static_cast<unsigned int>(positionCount(row)))
        return noKeyText;
    const QString text = details::KeyboardTranslations::translatedKey(row, index, caps, symbol);
    if (text.startsWith(QLatin1String("keyboardRow")))
        return noKeyText;
    return text;
}

} // namespace view
