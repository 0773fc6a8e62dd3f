#include "pc_panel/supported_characters.h"

#include "control/settings.h"

#include <QSettings>
#include <QStringList>

namespace pcPanel {

namespace {

SupportedCharacters *s_instance = nullptr;

// Kept as a number beside the text (see unitNumbersKey).
bool isKeptAsNumber(uint unit)
{
    return QChar::isSurrogate(unit) || unit == 0xfeff;
}

} // namespace

SupportedCharacters &SupportedCharacters::instance()
{
    if (!s_instance)
        s_instance = new SupportedCharacters;
    return *s_instance;
}

void SupportedCharacters::resetForTesting()
{
    delete s_instance;
    s_instance = nullptr;
}

SupportedCharacters::SupportedCharacters()
{
    QSettings *store = control::Settings::settings();
    const QVariant stored = store->value(control::Settings::pcPanelSupportedCharactersKey);
    // An unquoted comma in a hand-edited file makes QSettings read a list; the commas were meant
    // as characters of the set.
    const QString text = stored.typeId() == QMetaType::QStringList
                             ? stored.toStringList().join(QLatin1Char(','))
                             : stored.toString();
    for (const QChar character : text)
        m_characters.insert(character.unicode());
    // Any other number was not written by the panel.
    const QStringList numbers = store->value(QLatin1String(unitNumbersKey)).toStringList();
    for (const QString &number : numbers) {
        bool ok = false;
        const uint unit = number.trimmed().toUInt(&ok);
        if (ok && isKeptAsNumber(unit))
            m_characters.insert(quint16(unit));
    }
}

SupportedCharacters::~SupportedCharacters() = default;

void SupportedCharacters::setCharacters(const CharacterSet &characters)
{
    m_characters = characters;
    CharacterSet text;
    QStringList numbers;
    for (const quint16 unit : characters) {
        if (isKeptAsNumber(unit))
            numbers.append(QString::number(unit));
        else
            text.insert(unit);
    }
    const control::Settings::WriteBatch batch;
    control::Settings::setValue(control::Settings::pcPanelSupportedCharactersKey, toString(text));
    if (numbers.isEmpty())
        control::Settings::settings()->remove(QLatin1String(unitNumbersKey));
    else
        control::Settings::setValue(QLatin1String(unitNumbersKey), numbers);
}

QString SupportedCharacters::toString(const CharacterSet &characters)
{
    QString text;
    text.reserve(int(characters.size()));
    for (const quint16 code : characters)
        text.append(QChar(code));
    return text;
}

SupportedCharacters::CharacterSet
SupportedCharacters::unsupportedCharacters(const QString &text) const
{
    CharacterSet unsupported;
    for (const QChar character : text) {
        if (!isSupported(character))
            unsupported.insert(character.unicode());
    }
    return unsupported;
}

void SupportedCharacters::replaceUnsupported(QChar replacement, QString &text) const
{
    QString result;
    result.reserve(text.size());
    for (const QChar character : text)
        result.append(isSupported(character) ? character : replacement);
    text = result;
}

bool SupportedCharacters::isSupported(QChar character) const
{
    return m_characters.count(character.unicode()) != 0;
}

} // namespace pcPanel
