#include "control/settings.h"
#include "pc_panel/supported_characters.h"

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

// Starts over as a new process would: the store and the set are read from the file again.
SupportedCharacters &restart()
{
    SupportedCharacters::resetForTesting();
    control::Settings::resetForTesting();
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
        QCOMPARE(SupportedCharacters::instance().characters(), setOf("abc"));
    }

    void awkwardCharactersSurviveARestart()
    {
        const QString awkward = QString::fromUtf8(" \"#,;=@[\\]AZaz\u00c4\u00e4\u03a9\u4e2d\u00ff");
        SupportedCharacters::instance().setCharacters(setOf(awkward));
        SupportedCharacters &reloaded = restart();
        QCOMPARE(reloaded.characters(), setOf(awkward));
        QCOMPARE(reloaded.count(), awkward.size());
    }

    void handEditedCommasCountAsCharacters()
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\npc_panel_supported_characters=a,b\n");
        file.close();
        QCOMPARE(restart().characters(), setOf("a,b"));
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
