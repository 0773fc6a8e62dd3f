#include "control/settings.h"
#include "pc_panel/supported_characters.h"

#include "support/member_detection.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTest>

using pcPanel::SupportedCharacters;

namespace {

SupportedCharacters::CharacterSet setOf(const QString &text)
{
    SupportedCharacters::CharacterSet characters;
    for (const QChar character : text)
        characters.insert(character.unicode());
    return characters;
}

// The set as the name editors see it: every code unit that is not unsupported.
SupportedCharacters::CharacterSet charactersOf(const SupportedCharacters &characters)
{
    SupportedCharacters::CharacterSet supported;
    for (uint unit = 0; unit <= 0xffff; ++unit) {
        if (characters.unsupportedCharacters(QString(QChar(char16_t(unit)))).empty())
            supported.insert(quint16(unit));
    }
    return supported;
}

PANEL_DETECT_MEMBER(HasCharactersAccessor, std::declval<const T &>().characters());

// Starts over as a new process would: the store and the set are read from the file again.
// QSettings keeps what it parsed of a file in the process for as long as the file's size and time
// stay the same, so the file gets an older time to be read from the disk.
SupportedCharacters &restart()
{
    SupportedCharacters::resetForTesting();
    const QString fileName = control::Settings::settings()->fileName();
    control::Settings::resetForTesting();
    QFile file(fileName);
    if (file.open(QIODevice::ReadWrite)) {
        const QDateTime written = file.fileTime(QFileDevice::FileModificationTime);
        file.setFileTime(written.addSecs(-60), QFileDevice::FileModificationTime);
    }
    return SupportedCharacters::instance();
}

} // namespace

class TestSupportedCharacters : public QObject
{
    Q_OBJECT

    QString m_file;

private slots:
    void init()
    {
        m_file = control::Settings::settings()->fileName();
        control::Settings::resetForTesting();
        QFile::remove(m_file);
        SupportedCharacters::resetForTesting();
    }

    void emptyWhenNothingStored()
    {
        SupportedCharacters &characters = SupportedCharacters::instance();
        QCOMPARE(characters.count(), 0);
        QString text = "abc";
        characters.replaceUnsupported('_', text);
        QCOMPARE(text, QString("___"));
        QCOMPARE(characters.unsupportedCharacters("abca"), setOf("abc"));
        QString empty;
        characters.replaceUnsupported('_', empty);
        QVERIFY(empty.isEmpty());
    }

    void storedAtOnceAndReloaded()
    {
        SupportedCharacters::instance().setCharacters(setOf("cab"));
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("pc_panel_supported_characters=abc"));
        QCOMPARE(restart().count(), 3);
        QCOMPARE(charactersOf(SupportedCharacters::instance()), setOf("abc"));
        // The set is known by its count and its answers only.
        QVERIFY(!HasCharactersAccessor<SupportedCharacters>::value);
    }

    void awkwardCharactersSurviveARestart()
    {
        const QString awkward = QString::fromUtf8(" \"#,;=@[\\]AZaz\u00c4\u00e4\u03a9\u4e2d\u00ff");
        SupportedCharacters::instance().setCharacters(setOf(awkward));
        SupportedCharacters &reloaded = restart();
        QCOMPARE(charactersOf(reloaded), setOf(awkward));
        QCOMPARE(reloaded.count(), awkward.size());
    }

    void unitsTheTextCannotHoldSurviveARestart_data()
    {
        QTest::addColumn<QList<quint16>>("units");
        QTest::addColumn<QString>("textOfOlderVersions");
        QTest::newRow("a high surrogate alone") << QList<quint16>({0xd800}) << QString();
        QTest::newRow("a low surrogate alone") << QList<quint16>({0xdfff}) << QString();
        QTest::newRow("a pair") << QList<quint16>({0xd83d, 0xde00}) << QString();
        QTest::newRow("two high surrogates and a low one")
            << QList<quint16>({0xd83d, 0xd83e, 0xde00}) << QString();
        QTest::newRow("among other characters")
            << QList<quint16>({'a', 'b', 0xdbff, 0xdc00, 0xe000, 0xfffd})
            << QString::fromUtf16(u"ab\ue000\ufffd");
        // Read as a byte order mark and dropped when it starts the text.
        QTest::newRow("a zero width no-break space first")
            << QList<quint16>({0xfeff, 0xff6c}) << QString::fromUtf16(u"\uff6c");
        QTest::newRow("a zero width no-break space among others")
            << QList<quint16>({'a', 0xfeff, 0xff6c}) << QString::fromUtf16(u"a\uff6c");
    }

    // A surrogate unit cannot be written to the UTF-8 file on its own, and a text that starts with
    // U+FEFF loses it when read; the set must still be the same after a restart, and a panel of an
    // older version still finds the other characters in the text.
    void unitsTheTextCannotHoldSurviveARestart()
    {
        QFETCH(QList<quint16>, units);
        QFETCH(QString, textOfOlderVersions);
        const SupportedCharacters::CharacterSet set(units.cbegin(), units.cend());
        SupportedCharacters::instance().setCharacters(set);
        QCOMPARE(charactersOf(restart()), set);
        QCOMPARE(control::Settings::settings()
                     ->value(control::Settings::pcPanelSupportedCharactersKey)
                     .toString(),
                 textOfOlderVersions);
    }

    void aTableOfTextOnlyReplacesOneWithOtherUnits()
    {
        SupportedCharacters::instance().setCharacters({'a', 0xd83d, 0xde00, 0xdfff, 0xfeff});
        restart().setCharacters(setOf("ab"));
        QCOMPARE(charactersOf(restart()), setOf("ab"));
    }

    void handEditedCommasCountAsCharacters()
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\npc_panel_supported_characters=a,b\n");
        file.close();
        QCOMPARE(charactersOf(restart()), setOf("a,b"));
    }

    void toStringIsAscendingWithoutSeparators()
    {
        QCOMPARE(SupportedCharacters::toString(setOf("zyxa")), QString("axyz"));
        QCOMPARE(SupportedCharacters::toString({}), QString());
    }

    void unsupportedAndReplaced()
    {
        SupportedCharacters &characters = SupportedCharacters::instance();
        characters.setCharacters(setOf("abcdefghijklmnopqrstuvwxyz "));
        QCOMPARE(characters.unsupportedCharacters("sauna!! Ä!"), setOf("!\u00c4"));
        QCOMPARE(characters.unsupportedCharacters("sauna"), SupportedCharacters::CharacterSet());
        QString name = QString::fromUtf8("Sauna \u00c4\U0001F600");
        characters.replaceUnsupported('_', name);
        // No case folding; each half of a surrogate pair is one unit.
        QCOMPARE(name, QString("_auna ___"));
    }
};

QTEST_APPLESS_MAIN(TestSupportedCharacters)
#include "tst_supported_characters.moc"
