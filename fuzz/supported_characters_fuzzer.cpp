// The characters a sauna can show, and names typed against them. The input holds a sauna's table of
// UTF-16 code units and then a typed name, as UTF-8 or as UTF-16 units. The table is stored as the
// sauna link stores it and read back by a fresh start from a copy of the written file; the name
// goes through the checks of the name editors against the table the fresh start has. Each set is
// asked about its count, the table's units and the units around them, and one window of the range
// that the input picks, so that a run asks about the whole range without asking about all of it
// for every input.
//
// Input: one byte of flags (bit 0: the name is UTF-16; bits 1 to 6: the window, of 1,024 units),
// two bytes with the number of table units, the units (two bytes each, little-endian), and the rest
// as the name.
#include "fuzzer_files.h"
#include "fuzzer_logging.h"

#include "control/details/panel_questions.h"
#include "control/settings.h"
#include "pc_panel/supported_characters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

using pcPanel::SupportedCharacters;
using CharacterSet = SupportedCharacters::CharacterSet;

QString configHome;

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}

    std::size_t remaining() const { return m_size - m_offset; }
    std::uint8_t byte() { return remaining() > 0 ? m_data[m_offset++] : 0; }
    quint16 unit()
    {
        const quint16 low = byte();
        return quint16(low | quint16(byte()) << 8);
    }
    QByteArray rest() const
    {
        return QByteArray(reinterpret_cast<const char *>(m_data + m_offset),
                          qsizetype(remaining()));
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
};

QString typedName(const QByteArray &bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes);
    QString name;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        name.append(QChar(quint16(quint8(bytes[i]) | quint16(quint8(bytes[i + 1])) << 8)));
    return name;
}

// The shared store of the organisation's folder, as a fresh start opens it.
void openStore(const QString &organization)
{
    control::Settings store(organization, control::Settings::applicationName());
}

// Ends that start: the store is closed and its folder left empty for the next run.
void closeStore(const QString &organization)
{
    fuzzing::forgetSettingsFiles(configHome + QLatin1Char('/') + organization,
                                 {control::Settings::settings()});
    SupportedCharacters::resetForTesting();
    control::Settings::resetForTesting();
}

// Every UTF-16 code unit, ascending; built once.
QString everyUnit;
// The range is asked in 64 windows of 1,024 units; an input picks one.
constexpr int windowSize = 0x10000 / 64;

// Units where a store or a lookup is likeliest to go wrong: the ends of the range, of the
// encodings' lengths and of the surrogates, the byte order mark and the replacement character, the
// characters the settings file escapes, quotes or splits at, and the name editors' replacement.
const QString &edgeUnits()
{
    static const QString units = [] {
        QString text;
        for (const char16_t unit : {0x0000, 0x0001, 0x0009, 0x000a, 0x000d, 0x001f, 0x0020, 0x0022,
                                    0x0023, 0x0025, 0x002c, 0x003b, 0x003d, 0x0040, 0x005b, 0x005c,
                                    0x005d, 0x005f, 0x007f, 0x0080, 0x00ff, 0x0100, 0x07ff, 0x0800,
                                    0xd800, 0xdbff, 0xdc00, 0xdfff, 0xfeff, 0xfffd, 0xffff})
            text.append(QChar(unit));
        return text;
    }();
    return units;
}

// The distinct units of text that the table does not hold.
CharacterSet unitsOutside(const CharacterSet &table, const QString &text)
{
    CharacterSet outside;
    for (const QChar unit : text) {
        if (table.count(unit.unicode()) == 0)
            outside.insert(unit.unicode());
    }
    return outside;
}

// The set as the name editors see it: every code unit that is not unsupported. Asks about every
// unit, so only for the report of a failed check.
CharacterSet supportedSet(const SupportedCharacters &supported)
{
    const CharacterSet unsupported = supported.unsupportedCharacters(everyUnit);
    CharacterSet characters;
    for (uint unit = 0; unit <= 0xffff; ++unit) {
        if (unsupported.count(quint16(unit)) == 0)
            characters.insert(quint16(unit));
    }
    return characters;
}

void checkName(const SupportedCharacters &supported, const CharacterSet &table, const QString &name)
{
    const CharacterSet unsupported = supported.unsupportedCharacters(name);
    for (const QChar character : name) {
        const bool known = table.count(character.unicode()) != 0;
        if (known == (unsupported.count(character.unicode()) != 0))
            fuzzing::fail("a unit of the name is both or neither supported and unsupported");
    }
    for (const quint16 unit : unsupported) {
        if (!name.contains(QChar(unit)))
            fuzzing::fail("an unsupported unit that the name does not hold");
    }

    QString replaced = name;
    supported.replaceUnsupported(QLatin1Char('_'), replaced);
    if (replaced.size() != name.size())
        fuzzing::fail("replacing changed the length of the name");
    for (qsizetype i = 0; i < name.size(); ++i) {
        const bool known = table.count(name[i].unicode()) != 0;
        if (replaced[i] != (known ? name[i] : QLatin1Char('_')))
            fuzzing::fail("a unit replaced that is supported, or kept that is not");
    }

    // What the favorite editor saves and names in its message: the name as typed and nothing
    // while no table is known.
    const control::details::ShowableName showable = control::details::showableFavoriteName(name);
    if (showable.name != (table.empty() ? name : replaced))
        fuzzing::fail("the saved name is not the name with its unsupported units replaced");
    if (showable.replaced !=
        (table.empty() ? QString() : SupportedCharacters::toString(unsupported)))
        fuzzing::fail("the message text is not the unsupported units");
}

// The units that are in one set and not in the other, for the report of a failed check.
void printDifference(const CharacterSet &expected, const CharacterSet &actual)
{
    for (const quint16 unit : expected) {
        if (actual.count(unit) == 0)
            std::fprintf(stderr, "missing U+%04X\n", unit);
    }
    for (const quint16 unit : actual) {
        if (expected.count(unit) == 0)
            std::fprintf(stderr, "extra U+%04X\n", unit);
    }
}

// The lowest unit that the table does not hold; a table has at most 65,535 units.
quint16 unitOutside(const CharacterSet &table)
{
    quint16 unit = 0;
    for (const quint16 held : table) {
        if (held != unit)
            break;
        ++unit;
    }
    return unit;
}

// That the set is the table, asked as the name editors ask. Every unit of the table is supported,
// so none is missing, and the count is the table's, so none is there that the table does not hold,
// whichever unit it is. Beside the table's units, the set is asked about the units next to each of
// them and the edge units, where a store or a lookup that is one off or mistakes one unit for
// another goes wrong, and about the input's window of the range: replacing each unit of the window
// by a unit outside the table keeps the table's units and no other, and that unit, which reads the
// same kept or replaced, is among the units asked one by one.
void checkSet(const SupportedCharacters &supported, const CharacterSet &table, int window,
              const char *failure)
{
    const quint16 outside = unitOutside(table);
    QString replaced = everyUnit.mid(window * windowSize, windowSize);
    supported.replaceUnsupported(QChar(outside), replaced);
    QString expected(windowSize, QChar(outside));
    for (auto unit = table.lower_bound(quint16(window * windowSize));
         unit != table.end() && *unit < (window + 1) * windowSize; ++unit)
        expected[*unit - window * windowSize] = QChar(*unit);

    QString asked = edgeUnits() + QChar(outside);
    asked.reserve(asked.size() + 3 * qsizetype(table.size()));
    for (const quint16 unit : table) {
        asked.append(QChar(unit));
        asked.append(QChar(char16_t(unit - 1)));
        asked.append(QChar(char16_t(unit + 1)));
    }
    if (supported.count() != int(table.size()) || replaced != expected ||
        supported.unsupportedCharacters(asked) != unitsOutside(table, asked)) {
        std::fprintf(stderr, "count %d, table of %zu\n", supported.count(), table.size());
        printDifference(table, supportedSet(supported));
        fuzzing::fail(failure);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    configHome = fuzzing::useScratchConfigHome();
    everyUnit.reserve(0x10000);
    for (uint unit = 0; unit <= 0xffff; ++unit)
        everyUnit.append(QChar(char16_t(unit)));
    // Every run uses the same two folders, left empty by the run before.
    if (!QDir(configHome).mkpath(QStringLiteral("written")) ||
        !QDir(configHome).mkpath(QStringLiteral("reread")))
        fuzzing::fail("cannot make the settings folders");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input input(data, size);
    const std::uint8_t flags = input.byte();
    const bool utf16 = (flags & 1) != 0;
    const int window = (flags >> 1) & 63;
    const quint16 tableSize = input.unit();
    CharacterSet table;
    for (quint16 i = 0; i < tableSize && input.remaining() >= 2; ++i)
        table.insert(input.unit());
    const QString name = typedName(input.rest(), utf16);

    // The link stores the table, and the next start reads the file it wrote.
    const QString written = QStringLiteral("written");
    const QString reread = QStringLiteral("reread");
    openStore(written);
    SupportedCharacters::instance().setCharacters(table);
    checkSet(SupportedCharacters::instance(), table, window, "the set is not the table given");
    const QString fileName = control::Settings::settings()->fileName();
    const QString copy =
        configHome + QLatin1Char('/') + reread + QLatin1Char('/') + QFileInfo(fileName).fileName();
    if (!QFile::copy(fileName, copy))
        fuzzing::fail("cannot copy the written settings file");
    closeStore(written);

    openStore(reread);
    const SupportedCharacters &restarted = SupportedCharacters::instance();
    checkSet(restarted, table, window, "the stored set reads back as another set");
    checkName(restarted, table, name);
    closeStore(reread);
    return 0;
}
