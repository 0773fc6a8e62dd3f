#include "control/settings_file_repair.h"

#include "control/settings.h"

#include <QByteArrayView>
#include <QHash>
#include <QMap>
#include <QSettings>
#include <QStringDecoder>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <iterator>
#include <optional>

namespace control {

namespace {

// What a reader of the panel takes from a key: a text that Settings::toBool, toInt or toUInt
// converts, an identity (a UUID that is not null), any one text, or a text or a list of texts.
enum class Kind { Boolean, Integer, Unsigned, Identity, Text, TextOrList };

struct KnownKey
{
    const char *name;
    Kind kind;
};

const KnownKey saunaEntries[] = {
    {Settings::pcPanelRemoteSaunaIdentityKey, Kind::Identity},
    {Settings::pcPanelRemoteSaunaRcbProductKey, Kind::Integer},
    {Settings::pcPanelRemoteSaunaBrandKey, Kind::Integer},
    {Settings::pcPanelRemoteSaunaNameKey, Kind::Text},
    {Settings::pcPanelRemoteSaunaPin1Key, Kind::Unsigned},
    {Settings::pcPanelRemoteSaunaPin2Key, Kind::Unsigned},
};
const KnownKey maxTemperatureEntries[] = {{Settings::pcPanelMaxTemperatureKey, Kind::Integer}};
const KnownKey maxHumidityEntries[] = {{Settings::pcPanelMaxHumidityKey, Kind::Integer}};

struct KnownArray
{
    const char *name;
    const KnownKey *entries;
    std::size_t entryCount;
};

const KnownArray knownArrays[] = {
    {Settings::pcPanelRemoteSaunasKey, saunaEntries, std::size(saunaEntries)},
    {Settings::pcPanelMaxTemperatureSizeKey, maxTemperatureEntries,
     std::size(maxTemperatureEntries)},
    {Settings::pcPanelMaxHumiditySizeKey, maxHumidityEntries, std::size(maxHumidityEntries)},
};

// The keys outside arrays that some part of the panel reads. The Wi-Fi entries other than the
// identity are only ever removed, and "brand" and the wall panels' server keys are never read.
const QHash<QString, Kind> &plainKeys()
{
    static const QHash<QString, Kind> keys = [] {
        const KnownKey named[] = {
            {Settings::languageKey, Kind::Integer},
            {Settings::temperatureUnitKey, Kind::Integer},
            {Settings::temperaturePresentationKey, Kind::Integer},
            {Settings::humidityPresentationKey, Kind::Integer},
            {Settings::timeFormatKey, Kind::Integer},
            {Settings::dateFormatKey, Kind::Integer},
            {Settings::startOfWeekKey, Kind::Integer},
            // Read only as being there.
            {Settings::hasChangedRegionSettingsKey, Kind::Text},
            {Settings::displaySleepTimeoutKey, Kind::Integer},
            {Settings::pinCodeActivatedKey, Kind::Boolean},
            {Settings::pinCodeCurrentEncrypted1Key, Kind::Unsigned},
            {Settings::pinCodeCurrentEncrypted2Key, Kind::Unsigned},
            {Settings::pinCodeCurrentKey, Kind::Text},
            {Settings::lockTimeOutKey, Kind::Unsigned},
            {Settings::lockscreenPowerVisibleKey, Kind::Boolean},
            {Settings::lockscreenTemperatureVisibleKey, Kind::Boolean},
            {Settings::lockscreenHumidityVisibleKey, Kind::Boolean},
            {Settings::lockscreenLightingVisibleKey, Kind::Boolean},
            {Settings::keyHapticSensorActivatedKey, Kind::Integer},
            {Settings::pcPanelSelectedRemoteSaunaKey, Kind::Identity},
            {Settings::pcPanelAutoConnectKey, Kind::Boolean},
            // Commas left unquoted by a hand edit make a list, which its reader joins again.
            {Settings::pcPanelSupportedCharactersKey, Kind::TextOrList},
            {Settings::pcPanelMaxTemperatureVersionKey, Kind::Integer},
            {Settings::pcPanelMaxHumidityVersionKey, Kind::Integer},
            {Settings::factoryResetInvokedKey, Kind::Boolean},
            {Settings::factoryResetClearBrandKey, Kind::Boolean},
            {Settings::wifiIdentityKey, Kind::Identity},
        };
        QHash<QString, Kind> result;
        for (const KnownKey &key : named)
            result.insert(QString::fromLatin1(key.name), key.kind);
        for (int n = 0; n < Settings::lockscreenAuxCount; ++n)
            result.insert(Settings::lockscreenAuxVisibleKey(n), Kind::Boolean);
        return result;
    }();
    return keys;
}

std::optional<Kind> entryKind(const KnownArray &array, QStringView entry)
{
    for (std::size_t n = 0; n < array.entryCount; ++n) {
        if (entry == QLatin1String(array.entries[n].name))
            return array.entries[n].kind;
    }
    return std::nullopt;
}

// The kind of a key that the panel reads, or nothing.
std::optional<Kind> knownKind(const QString &key)
{
    const qsizetype arrayEnd = key.indexOf(QLatin1Char('/'));
    if (arrayEnd < 0) {
        const auto found = plainKeys().constFind(key);
        return found == plainKeys().cend() ? std::nullopt : std::optional<Kind>(*found);
    }
    const QStringView arrayName = QStringView(key).first(arrayEnd);
    const auto array = std::find_if(
        std::begin(knownArrays), std::end(knownArrays),
        [arrayName](const KnownArray &known) { return arrayName == QLatin1String(known.name); });
    if (array == std::end(knownArrays))
        return std::nullopt;
    const QStringView rest = QStringView(key).sliced(arrayEnd + 1);
    const qsizetype indexEnd = rest.indexOf(QLatin1Char('/'));
    if (indexEnd < 0)
        return rest == QLatin1String("size") ? std::optional<Kind>(Kind::Integer) : std::nullopt;
    // Entry n is the group "n", n > 0 as QSettings writes it: no sign, no leading zero.
    const QStringView index = rest.first(indexEnd);
    const QStringView entry = rest.sliced(indexEnd + 1);
    bool ok = false;
    const int number = index.toInt(&ok);
    if (!ok || number <= 0 || index != QString::number(number) || entry.contains(QLatin1Char('/')))
        return std::nullopt;
    return entryKind(*array, entry);
}

std::optional<uint> hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return std::nullopt;
}

// The number of the hex digits, all of them.
std::optional<char16_t> hexNumber(QStringView digits)
{
    uint number = 0;
    for (const QChar c : digits) {
        const std::optional<uint> digit = hexDigit(c);
        if (!digit)
            return std::nullopt;
        number = number * 16 + *digit;
    }
    return char16_t(number);
}

// A key or a section name as QSettings writes it: letters, digits, "_", "-" and "." as they are,
// "\" for "/", "%XX" or "%UXXXX" for any other character.
std::optional<QString> unescapedKey(QStringView text)
{
    if (text.isEmpty())
        return std::nullopt;
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\') {
            key += u'/';
        } else if (c == u'%') {
            const bool wide = i + 1 < text.size() && text.at(i + 1) == u'U';
            const qsizetype first = i + (wide ? 2 : 1);
            const qsizetype count = wide ? 4 : 2;
            if (first + count > text.size())
                return std::nullopt;
            const std::optional<char16_t> code = hexNumber(text.sliced(first, count));
            if (!code)
                return std::nullopt;
            key += QChar(*code);
            i = first + count - 1;
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                   (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' || c == u'.') {
            key += c;
        } else {
            return std::nullopt;
        }
    }
    return key;
}

// Reads the escape that follows a backslash at i and appends its character; false for one that
// QSettings never writes.
bool appendEscaped(QStringView text, qsizetype &i, QString &out)
{
    if (i == text.size())
        return false;
    const QChar escaped = text.at(i++);
    static constexpr char16_t simple[][2] = {
        {u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'}, {u'n', u'\n'},  {u'r', u'\r'},  {u't', u'\t'},
        {u'v', u'\v'}, {u'"', u'"'},  {u'?', u'?'},  {u'\'', u'\''}, {u'\\', u'\\'},
    };
    for (const auto &pair : simple) {
        if (escaped == pair[0]) {
            out += QChar(pair[1]);
            return true;
        }
    }
    // Hex digits after "\x", octal ones from the first on: as many as follow.
    const bool hex = escaped == u'x';
    if (!hex && (escaped < u'0' || escaped > u'7'))
        return false;
    const uint base = hex ? 16 : 8;
    const qsizetype first = hex ? i : i - 1;
    uint code = 0;
    for (i = first; i < text.size(); ++i) {
        const std::optional<uint> digit = hexDigit(text.at(i));
        if (!digit || *digit >= base)
            break;
        code = code * base + *digit;
        if (code > 0xFFFF)
            return false;
    }
    if (i == first)
        return false;
    out += QChar(char16_t(code));
    return true;
}

// The texts of a value as QSettings reads them: several when commas stand outside quotes.
struct IniValue
{
    QStringList texts;
    bool isList = false;
};

// A control character other than a tab, which reads as a space between the parts of a line:
// QSettings writes every one escaped, a line break in a key or a value too.
bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 && c != u'\t';
}

// A value as QSettings writes it: a text, quoted when it holds ",", ";" or "=" or starts or ends
// with a space, escapes for a quote, a backslash and control characters ("\n", "\x1f", "\0"),
// commas between the texts of a list. Nothing for what it never writes: a quote left open, an
// unknown escape, a backslash at the end, a raw control character.
std::optional<IniValue> unescapedValue(QStringView text)
{
    IniValue value;
    QString current;
    // The spaces that a value without quotes ends with are not part of it, unless they come
    // from an escape: only what follows this position is trimmed.
    qsizetype kept = 0;
    bool quoted = false;
    bool inQuotes = false;
    qsizetype i = 0;
    const auto skipSpaces = [&] {
        while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
            ++i;
        kept = current.size();
    };
    const auto endText = [&] {
        if (!quoted) {
            qsizetype end = current.size();
            while (end > kept && (current.at(end - 1) == u' ' || current.at(end - 1) == u'\t'))
                --end;
            current.truncate(end);
        }
        value.texts.append(current);
        current.clear();
        quoted = false;
    };

    skipSpaces();
    while (i < text.size()) {
        const QChar c = text.at(i++);
        if (c == u'\\') {
            if (!appendEscaped(text, i, current))
                return std::nullopt;
            kept = current.size();
        } else if (c == u'"') {
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
        } else if (c == u',' && !inQuotes) {
            value.isList = true;
            endText();
            skipSpaces();
        } else if (isControlCharacter(c)) {
            return std::nullopt;
        } else {
            current += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    endText();
    return value;
}

// A text of a value as QSettings turns it into a value: "@@" stands for a text that starts with
// "@", "@String(...)" for a text that holds a NUL. Any other "@" form is a value of a type that the
// panel never stores; nothing then.
std::optional<QString> plainText(const QString &text)
{
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    const QLatin1String textForm("@String(");
    if (text.startsWith(textForm) && text.endsWith(QLatin1Char(')')))
        return text.mid(textForm.size(), text.size() - textForm.size() - 1);
    return std::nullopt;
}

// The value of a line, as a reader of the kind takes it; nothing when the reader would not.
std::optional<QVariant> checkedValue(Kind kind, QStringView text)
{
    const std::optional<IniValue> value = unescapedValue(text);
    if (!value)
        return std::nullopt;
    QStringList texts;
    for (const QString &each : value->texts) {
        const std::optional<QString> plain = plainText(each);
        if (!plain)
            return std::nullopt;
        texts.append(*plain);
    }
    if (value->isList)
        return kind == Kind::TextOrList ? std::optional<QVariant>(texts) : std::nullopt;

    const QVariant single(texts.constFirst());
    bool taken = true;
    switch (kind) {
    case Kind::Boolean:
        taken = Settings::toBool(single).has_value();
        break;
    case Kind::Integer:
        taken = Settings::toInt(single).has_value();
        break;
    case Kind::Unsigned:
        taken = Settings::toUInt(single).has_value();
        break;
    case Kind::Identity:
        taken = !QUuid(texts.constFirst()).isNull();
        break;
    case Kind::Text:
    case Kind::TextOrList:
        break;
    }
    return taken ? std::optional<QVariant>(single) : std::nullopt;
}

// The part of a line before a comment: QSettings ends a line at a ";" outside quotes, and
// a backslash takes the character after it out of the count.
QStringView withoutComment(QStringView line)
{
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u'\\')
            ++i;
        else if (c == u'"')
            inQuotes = !inQuotes;
        else if (c == u';' && !inQuotes)
            return line.first(i);
    }
    return line;
}

// The group that a section line opens ("" for [General]), or nothing when the line is no
// section line as QSettings writes one.
std::optional<QString> sectionGroup(QStringView line)
{
    if (!line.startsWith(u'[') || !line.endsWith(u']'))
        return std::nullopt;
    const QStringView name = line.sliced(1, line.size() - 2).trimmed();
    if (name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
        return name.sliced(1).toString() + QLatin1Char('/');
    const std::optional<QString> group = unescapedKey(name);
    return group ? std::optional<QString>(*group + QLatin1Char('/')) : std::nullopt;
}

// A line of a file as QSettings's reader splits a file into lines: where its text starts, its
// length and the position of the "=" that ends its key (-1 for none).
struct ReaderLine
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;
};

bool isLineSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The next line from pos on, moving pos past it; false at the end of the data. Spaces and empty
// lines before a line are skipped, and so are comment lines; a line ends at a line break or at a
// ";" outside quotes, and a backslash takes the character after it (a line break too) into the
// line.
bool nextReaderLine(QByteArrayView data, qsizetype &pos, ReaderLine &line)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    line.equals = -1;
    qsizetype start = pos;
    while (start < size && isLineSpace(data.at(start)))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char c = data.at(i++);
        if (c == '=') {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char escaped = data.at(i++);
                if (i < size) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';') {
            if (i == start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isLineSpace(data.at(i)))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

// The character of a "\x" or octal escape whose digits start at i, moving i past them; as
// QSettings reads one, every digit that follows counts and the number wraps at 16 bits.
QChar readerNumber(QByteArrayView text, qsizetype &i, uint base)
{
    char16_t code = 0;
    while (i < text.size()) {
        const std::optional<uint> digit = hexDigit(QLatin1Char(text.at(i)));
        if (!digit || *digit >= base)
            break;
        code = char16_t(code * base + *digit);
        ++i;
    }
    return QChar(code);
}

// The texts of a value as QSettings's reader takes them apart, leniently where the panel's own
// reading above is strict: several when commas stand outside quotes. Only their starts matter
// here, so the spaces that the reader cuts from their ends are left. The reader decodes the runs
// of bytes between escapes, quotes and commas as UTF-8, carrying a sequence cut by an escape over
// to the next run or not, depending on the Qt version: both readings are given, which differ only
// for bytes that are no UTF-8 anyway.
QStringList readerTexts(QByteArrayView value)
{
    static constexpr char simple[][2] = {
        {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'},  {'t', '\t'},
        {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'},
    };
    QStringList texts;
    QString carried;
    QString cut;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    const auto append = [&carried, &cut](QChar c) {
        carried += c;
        cut += c;
    };
    bool inQuotes = false;
    qsizetype i = 0;
    const auto skipSpaces = [&] {
        while (i < value.size() && (value.at(i) == ' ' || value.at(i) == '\t'))
            ++i;
    };
    skipSpaces();
    while (i < value.size()) {
        const char c = value.at(i);
        if (c == '\\') {
            if (++i == value.size())
                break;
            const char escaped = value.at(i++);
            const auto known =
                std::find_if(std::begin(simple), std::end(simple),
                             [escaped](const char *pair) { return pair[0] == escaped; });
            if (known != std::end(simple)) {
                append(QLatin1Char((*known)[1]));
            } else if (escaped == 'x') {
                if (i < value.size() && hexDigit(QLatin1Char(value.at(i))))
                    append(readerNumber(value, i, 16));
            } else if (escaped >= '0' && escaped <= '7') {
                --i;
                append(readerNumber(value, i, 8));
            } else if (escaped == '\n' || escaped == '\r') {
                // The line goes on; "\r\n" and "\n\r" are one line break.
                if (i < value.size() && (value.at(i) == '\n' || value.at(i) == '\r') &&
                    value.at(i) != escaped)
                    ++i;
            }
            // Any other escaped character is dropped.
        } else if (c == '"') {
            ++i;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
        } else if (c == ',' && !inQuotes) {
            texts << carried << cut;
            carried.clear();
            cut.clear();
            ++i;
            skipSpaces();
        } else {
            qsizetype end = i + 1;
            while (end < value.size() && value.at(end) != '\\' && value.at(end) != '"' &&
                   value.at(end) != ',')
                ++end;
            const QByteArrayView run = value.sliced(i, end - i);
            carried += fromUtf8(run);
            cut += QString::fromUtf8(run);
            i = end;
        }
    }
    texts << carried << cut;
    return texts;
}

// Whether QSettings decodes the text by streaming a value.
bool isSerializedValue(const QString &text)
{
    return text.startsWith(QLatin1String("@Variant(")) ||
           text.startsWith(QLatin1String("@DateTime("));
}

// The lines of the data that hold a serialized value, in order.
QList<ReaderLine> serializedValueLines(QByteArrayView data)
{
    QList<ReaderLine> found;
    qsizetype pos = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    ReaderLine line;
    while (nextReaderLine(data, pos, line)) {
        // A section line opens a section whatever it holds.
        if (line.equals < 0 || data.at(line.start) == '[')
            continue;
        const QByteArrayView value =
            data.sliced(line.equals + 1, line.start + line.length - line.equals - 1);
        // A text starts with "@" only when the value holds one, or an escape that makes one.
        if (!value.contains('@') && !value.contains('\\'))
            continue;
        const QStringList texts = readerTexts(value);
        if (std::any_of(texts.cbegin(), texts.cend(), isSerializedValue))
            found.append(line);
    }
    return found;
}

} // namespace

std::optional<QByteArray> SettingsFileRepair::withoutSerializedValues(const QByteArray &content)
{
    QList<ReaderLine> lines = serializedValueLines(content);
    if (lines.isEmpty())
        return std::nullopt;
    QByteArray cleaned = content;
    // Each removal leaves the lines after it as they were read, yet the result is read again to
    // be sure: every pass removes a line, so this ends.
    while (!lines.isEmpty()) {
        for (auto line = lines.crbegin(); line != lines.crend(); ++line)
            cleaned.remove(line->start, line->length);
        lines = serializedValueLines(cleaned);
    }
    return cleaned;
}

QMap<QString, QVariant> SettingsFileRepair::intactValues(const QByteArray &content)
{
    QByteArrayView rest(content);
    if (rest.startsWith("\xef\xbb\xbf"))
        rest = rest.sliced(3);

    QMap<QString, QVariant> intact;
    // Lines before any section line are in no group, and a damaged section line opens none.
    QString group;
    while (!rest.isEmpty()) {
        qsizetype end = rest.indexOf('\n');
        if (end < 0)
            end = rest.size();
        if (const qsizetype carriageReturn = rest.first(end).indexOf('\r'); carriageReturn >= 0)
            end = carriageReturn;
        const QByteArrayView bytes = rest.first(end);
        rest = rest.sliced(qMin(end + 1, rest.size()));
        // A line without "=" sets no key; one without "[" opens no section either.
        if ((!bytes.contains('=') && !bytes.contains('[')) || !bytes.isValidUtf8())
            continue;
        const QString decoded = QString::fromUtf8(bytes);
        const QStringView line = withoutComment(decoded).trimmed();
        if (line.startsWith(u'[')) {
            if (const std::optional<QString> opened = sectionGroup(line))
                group = *opened;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const std::optional<QString> name = unescapedKey(line.first(equals).trimmed());
        if (!name)
            continue;
        const QString key = group + *name;
        const std::optional<Kind> kind = knownKind(key);
        if (!kind)
            continue;
        if (const std::optional<QVariant> value = checkedValue(*kind, line.sliced(equals + 1)))
            intact.insert(key, *value);
    }
    return intact;
}

bool SettingsFileRepair::hasQuoteLeftOpen(const QByteArray &content)
{
    bool inQuotes = false;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c == '\n' || c == '\r') {
            if (inQuotes)
                return true;
        } else if (c == '\\') {
            // An escaped character, a line break too, belongs to the line.
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (c == ';' && !inQuotes) {
            // A comment up to the end of the line.
            while (i + 1 < content.size() && content.at(i + 1) != '\n' && content.at(i + 1) != '\r')
                ++i;
        }
    }
    return inQuotes;
}

bool SettingsFileRepair::hasRawControlCharacter(const QByteArray &content)
{
    // Line breaks end the lines.
    return std::any_of(content.cbegin(), content.cend(), [](char c) {
        return c != '\n' && c != '\r' && isControlCharacter(QLatin1Char(c));
    });
}

QStringList SettingsFileRepair::removeRunTogetherKeys(QSettings &store)
{
    const auto holdsControlCharacter = [](const QString &text) {
        return std::any_of(text.cbegin(), text.cend(), isControlCharacter);
    };
    QStringList removed;
    const QStringList keys = store.allKeys();
    for (const QString &key : keys) {
        // A value is a text, or a list of texts where commas stood outside quotes.
        const QVariant value = store.value(key);
        const QStringList texts = value.typeId() == QMetaType::QStringList
                                      ? value.toStringList()
                                      : QStringList(value.toString());
        if (holdsControlCharacter(key) ||
            std::any_of(texts.cbegin(), texts.cend(), holdsControlCharacter)) {
            store.remove(key);
            removed.append(key);
        }
    }
    return removed;
}

QStringList SettingsFileRepair::restoreLostKeys(QSettings &store, const QByteArray &content)
{
    const QMap<QString, QVariant> intact = intactValues(content);
    QStringList restored;
    for (auto it = intact.cbegin(); it != intact.cend(); ++it) {
        if (store.contains(it.key()))
            continue;
        store.setValue(it.key(), it.value());
        restored.append(it.key());
    }
    return restored;
}

} // namespace control
