#include "support/translation_files.h"

#include "control/language_controller.h"
#include "signal_interface/language_types.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The translation files of every language the panel offers: each one translates every text of
// the program, finished and not empty, and keeps the placeholders of the text it translates.
//
// The texts of the program are those of all the files together and those lupdate finds in the
// sources now, so a text that a new screen adds and no file has yet counts as missing in every
// file. A text that a file still has but lupdate no longer finds is shown nowhere: the files
// drop it when the screen does. Month titles and weekday labels start with a capital letter, and
// only the display texts write the units of a duration.

using signalInterface::LanguageTypes;
using translationFiles::File;
using translationFiles::Message;

namespace {

QString fileNameOf(const File &file)
{
    return QFileInfo(file.path).fileName();
}

// Every text of the program, in the order the files have them: those of all the files together
// and those found in the sources. Texts the sources no longer have are left out and named in
// stale.
QList<Message> requiredMessages(const QList<File> &files, const File &found, QStringList *stale)
{
    QList<Message> required;
    QSet<QString> seen;
    const auto add = [&](const Message &message) {
        if (message.obsolete || seen.contains(message.key()))
            return;
        seen.insert(message.key());
        if (found.find(message.key()) == nullptr) {
            stale->append(message.describe());
            return;
        }
        required << message;
    };
    for (const File &file : files) {
        for (const Message &message : file.messages)
            add(message);
    }
    for (const Message &message : found.messages)
        add(message);
    return required;
}

// One line per text the file lacks, leaves unfinished or translates with nothing.
QStringList translationProblems(const File &file, const QList<Message> &required)
{
    QStringList problems;
    const QString name = fileNameOf(file);
    for (const Message &wanted : required) {
        const Message *message = file.find(wanted.key());
        QString problem;
        if (message == nullptr || message->obsolete)
            problem = QStringLiteral("missing");
        else if (message->unfinished)
            problem = message->isEmpty() ? QStringLiteral("unfinished, empty")
                                         : QStringLiteral("unfinished");
        else if (message->isEmpty())
            problem = QStringLiteral("empty");
        if (!problem.isEmpty())
            problems << QStringLiteral("%1: %2: %3").arg(name, problem, wanted.describe());
    }
    return problems;
}

// The text a translation must keep the placeholders of: the source, or for a key such as
// "plural_Mondays" (a source without placeholders that English translates to something else)
// the English text.
QString referenceText(const Message &message, const File &english)
{
    if (!translationFiles::placeholders(message.source).isEmpty())
        return message.source;
    const Message *inEnglish = english.find(message.key());
    if (inEnglish && !inEnglish->unfinished && !inEnglish->isEmpty() &&
        inEnglish->translation() != message.source)
        return inEnglish->translation();
    return message.source;
}

QStringList withoutCount(QStringList placeholders)
{
    placeholders.removeAll(QStringLiteral("%n"));
    return placeholders;
}

// One line per translation that drops or adds a placeholder. Every numerus form keeps the
// others; it may leave out the count "%n" ("one hour" for "%n hours").
QStringList placeholderProblems(const File &file, const File &english)
{
    QStringList problems;
    const QString name = fileNameOf(file);
    for (const Message &message : file.messages) {
        if (message.obsolete)
            continue;
        const QString reference = referenceText(message, english);
        const QStringList expected = translationFiles::placeholders(reference);
        for (const QString &translation : message.translations) {
            if (translation.isEmpty())
                continue; // nothing translated yet: the other check names it
            QStringList kept = translationFiles::placeholders(translation);
            bool same = kept == expected;
            if (!same && message.numerus)
                same = withoutCount(kept) == withoutCount(expected);
            if (!same) {
                problems << QStringLiteral("%1: %2: \"%3\" has {%4}, \"%5\" has {%6}")
                                .arg(name, message.describe(), translation,
                                     kept.join(QLatin1Char(' ')), reference,
                                     expected.join(QLatin1Char(' ')));
            }
        }
    }
    return problems;
}

// Texts that are the word "OK" in another spelling ("Ok", "ok"): the keypads' key and every popup's
// answer button read "OK", in each language that keeps the word.
QStringList okSpellingProblems(const File &file)
{
    QStringList problems;
    const QString name = fileNameOf(file);
    QString spelling;
    for (const Message &message : file.messages) {
        for (const QString &translation : message.translations) {
            if (translation.compare(QLatin1String("ok"), Qt::CaseInsensitive) != 0)
                continue;
            if (spelling.isEmpty())
                spelling = translation;
            else if (translation != spelling)
                problems
                    << QStringLiteral("%1: %2: \"%3\"").arg(name, message.describe(), translation);
        }
    }
    return problems;
}

// English shows the panel's own texts as they are written in the sources. Only keys, such as
// "plural_Mondays", "degrees_C" or a keyboard key, have an English text of their own.
QStringList englishTextsRewritten(const File &english)
{
    static const QRegularExpression key(QStringLiteral("^(keyboard\\w+|\\w*_\\w*)$"));
    QStringList problems;
    for (const Message &message : english.messages) {
        if (message.obsolete || message.isEmpty() || key.match(message.source).hasMatch())
            continue;
        for (const QString &translation : message.translations) {
            if (translation != message.source)
                problems << QStringLiteral("%1: \"%2\"").arg(message.describe(), translation);
        }
    }
    return problems;
}

// Month titles ("long_form_January") and the weekday labels of the weekly list ("plural_Mondays")
// that do not start with a capital letter.
QStringList lowerCaseTitles(const File &file)
{
    static const QRegularExpression titleKey(QStringLiteral("^(long_form_|plural_)"));
    QStringList problems;
    const QString name = fileNameOf(file);
    for (const Message &message : file.messages) {
        if (message.obsolete || !titleKey.match(message.source).hasMatch())
            continue;
        const QString text = message.translation();
        if (text.isEmpty() || !text.at(0).isUpper())
            problems << QStringLiteral("%1: %2: \"%3\"").arg(name, message.describe(), text);
    }
    return problems;
}

// Texts of a duration unit outside the display texts, the duration stepper's column labels and
// the screens that write their durations in forms of their own (whole hours of the run time and
// the cleanup interval, the fragrance pump and stop times, the external switch's "0h 45m"): a
// screen that writes a duration itself instead of through the one duration text.
QStringList durationUnitsElsewhere(const File &found)
{
    static const QStringList units{QStringLiteral("h"), QStringLiteral("min"), QStringLiteral("m"),
                                   QStringLiteral("s"), QStringLiteral("ms")};
    static const QStringList owners{
        QStringLiteral("QObject"),
        QStringLiteral("DurationStepper"),
        QStringLiteral("view::ConfigureSystemStatusViewManager"),
        QStringLiteral("view::ConfigureSystemCleanupViewManager"),
        QStringLiteral("view::ConfigureSystemAuxFragranceViewManager"),
        QStringLiteral("view::ConfigureAdvancedSettingsExtSwitchViewManager")};
    QStringList problems;
    for (const Message &message : found.messages) {
        if (units.contains(message.source) && !owners.contains(message.context))
            problems << message.describe();
    }
    return problems;
}

// All the problems in one failure, one per line: the log shows every one of them.
void failWith(const QString &what, const QStringList &problems, const char *file, int line)
{
    QTest::qFail(qPrintable(QStringLiteral("%1 %2:\n    %3")
                                .arg(problems.size())
                                .arg(what, problems.join(QLatin1String("\n    ")))),
                 file, line);
}

// The files in the source tree, or those of PANEL_TS_DIR when it is set (files to be merged).
QString languagesDirectory()
{
    const QString other = QString::fromLocal8Bit(qgetenv("PANEL_TS_DIR"));
    if (!other.isEmpty())
        return other;
    return QString::fromLocal8Bit(qgetenv("PANEL_SOURCE_DIR")) +
           QStringLiteral("/qml/view/languages");
}

} // namespace

class TestTranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyTextTranslated_data();
    void everyTextTranslated();
    void placeholdersKept_data();
    void placeholdersKept();
    void okSpelledOneWay_data();
    void okSpelledOneWay();
    void titlesStartWithACapital_data();
    void titlesStartWithACapital();
    void everyTextIsUsed();
    void durationsAreWrittenInOnePlace();
    void languagesNamedTheSameInEveryLanguage();
    void englishShowsTheTextsAsWritten();

    void faultsOfABrokenCopyAreNamed();

private:
    const File &fileOf(int language) const;
    const File &english() const { return fileOf(LanguageTypes::E_english); }
    void addLanguageRows();
    // Writes text as a file into the temporary directory and reads it back.
    File readCopy(const QString &name, const QByteArray &text);

    QTemporaryDir m_directory;
    QList<File> m_files; // indexed by LanguageTypes::Language
    File m_found;        // the texts lupdate finds in the sources
    QList<Message> m_required;
    QStringList m_stale; // texts of the files that the sources no longer have
};

void TestTranslationFiles::initTestCase()
{
    QVERIFY(m_directory.isValid());
    const QString sourceDirectory = QString::fromLocal8Bit(qgetenv("PANEL_SOURCE_DIR"));
    QVERIFY2(!sourceDirectory.isEmpty(), "PANEL_SOURCE_DIR is not set");

    // One file per language of the panel, by the name the language controller loads.
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        const QString name =
            control::LanguageController::translationFileName(LanguageTypes::Language(value));
        QVERIFY(!name.isEmpty());
        File file = translationFiles::readFile(languagesDirectory() + QLatin1Char('/') + name +
                                               QStringLiteral(".ts"));
        QVERIFY2(file.error.isEmpty(), qPrintable(file.error));
        QVERIFY2(!file.messages.isEmpty(), qPrintable(file.path));
        m_files << file;
    }
    QCOMPARE(m_files.size(), 14);

    // The texts in the sources now, as the files' update collects them, into a file of our own.
    const QString extracted = m_directory.filePath(QStringLiteral("found.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceDirectory);
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(PANEL_LUPDATE),
                  {QStringLiteral("source"), QStringLiteral("qml"), QStringLiteral("-I"),
                   QStringLiteral("source"), QStringLiteral("-extensions"),
                   QStringLiteral("h,cpp,qml,js"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral("-no-obsolete"), QStringLiteral("-ts"),
                   extracted});
    QVERIFY2(lupdate.waitForFinished(60000), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
             lupdate.readAll().constData());
    m_found = translationFiles::readFile(extracted);
    QVERIFY2(m_found.error.isEmpty(), qPrintable(m_found.error));
    QVERIFY2(m_found.messages.size() > 100, "lupdate found next to no texts");

    m_required = requiredMessages(m_files, m_found, &m_stale);
}

const File &TestTranslationFiles::fileOf(int language) const
{
    return m_files.at(language);
}

void TestTranslationFiles::addLanguageRows()
{
    QTest::addColumn<int>("language");
    for (int value = LanguageTypes::E_czech; value <= LanguageTypes::E_portuguese; ++value) {
        const QString name =
            control::LanguageController::translationFileName(LanguageTypes::Language(value));
        QTest::newRow(qPrintable(name)) << value;
    }
}

void TestTranslationFiles::everyTextTranslated_data()
{
    addLanguageRows();
}

void TestTranslationFiles::everyTextTranslated()
{
    QFETCH(int, language);
    const QStringList problems = translationProblems(fileOf(language), m_required);
    if (!problems.isEmpty())
        return failWith(QStringLiteral("texts not translated"), problems, __FILE__, __LINE__);
}

void TestTranslationFiles::placeholdersKept_data()
{
    addLanguageRows();
}

void TestTranslationFiles::placeholdersKept()
{
    QFETCH(int, language);
    const QStringList problems = placeholderProblems(fileOf(language), english());
    if (!problems.isEmpty())
        return failWith(QStringLiteral("placeholders changed"), problems, __FILE__, __LINE__);
}

void TestTranslationFiles::okSpelledOneWay_data()
{
    addLanguageRows();
}

void TestTranslationFiles::okSpelledOneWay()
{
    QFETCH(int, language);
    const QStringList problems = okSpellingProblems(fileOf(language));
    if (!problems.isEmpty())
        return failWith(QStringLiteral("texts spell \"OK\" more than one way"), problems, __FILE__,
                        __LINE__);
}

void TestTranslationFiles::titlesStartWithACapital_data()
{
    addLanguageRows();
}

void TestTranslationFiles::titlesStartWithACapital()
{
    QFETCH(int, language);
    const QStringList problems = lowerCaseTitles(fileOf(language));
    if (!problems.isEmpty())
        return failWith(QStringLiteral("titles start in lower case"), problems, __FILE__, __LINE__);
}

// A text that no screen shows any more is not kept in the files.
void TestTranslationFiles::everyTextIsUsed()
{
    if (!m_stale.isEmpty())
        return failWith(QStringLiteral("texts of the files are used nowhere"), m_stale, __FILE__,
                        __LINE__);
}

void TestTranslationFiles::durationsAreWrittenInOnePlace()
{
    const QStringList problems = durationUnitsElsewhere(m_found);
    if (!problems.isEmpty())
        return failWith(QStringLiteral("duration units translated outside the display texts"),
                        problems, __FILE__, __LINE__);
}

// The language list names each language in its own language in every other language, so that a
// user who cannot read the one in use still finds theirs; English shows the English names.
void TestTranslationFiles::languagesNamedTheSameInEveryLanguage()
{
    const char *const names[] = {"Czech",   "Danish", "German",    "English", "Spanish",
                                 "French",  "Dutch",  "Norwegian", "Polish",  "Portuguese",
                                 "Russian", "Slovak", "Finnish",   "Swedish"};
    QStringList problems;
    for (const char *name : names) {
        const QString source = QString::fromLatin1(name);
        const QString key = Message::keyOf(QStringLiteral("view::LanguageSupport"), source);
        QStringList shown;
        for (int language = 0; language < m_files.size(); ++language) {
            const Message *message = m_files.at(language).find(key);
            const QString translation = message ? message->translation() : QString();
            if (language != LanguageTypes::E_english)
                shown << translation;
            else if (translation != source)
                problems << QStringLiteral("%1 in English: %2").arg(source, translation);
        }
        shown.removeDuplicates();
        if (shown.size() != 1 || shown.constFirst().isEmpty())
            problems << QStringLiteral("%1: %2").arg(source, shown.join(QLatin1String(" / ")));
    }
    if (!problems.isEmpty())
        return failWith(QStringLiteral("languages named otherwise in some languages"), problems,
                        __FILE__, __LINE__);
}

void TestTranslationFiles::englishShowsTheTextsAsWritten()
{
    const QStringList problems = englishTextsRewritten(english());
    if (!problems.isEmpty())
        return failWith(QStringLiteral("English rewrites texts of the sources"), problems, __FILE__,
                        __LINE__);
}

File TestTranslationFiles::readCopy(const QString &name, const QByteArray &text)
{
    const QString path = m_directory.filePath(name);
    QFile output(path);
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(text) < 0)
        return File{path, {}, output.errorString(), {}, {}};
    output.close();
    return translationFiles::readFile(path);
}

// The checks find each kind of fault in a copy of a file broken on purpose, all of them in one
// pass, and name the file, the context and the source.
void TestTranslationFiles::faultsOfABrokenCopyAreNamed()
{
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                            "<TS version=\"2.1\" language=\"fi_FI\" sourcelanguage=\"en_GB\">\n";
    const auto message = [](const char *source, const char *translation) {
        return QByteArray("    <message>\n        <source>") + source + "</source>\n        " +
               translation + "\n    </message>\n";
    };
    const QByteArray whole = head + "<context>\n    <name>PageOne</name>\n" +
                             message("Save", "<translation>Tallenna</translation>") +
                             message("Humidity %1", "<translation>Kosteus %1</translation>") +
                             message("%1 of %2", "<translation>%2 / %1</translation>") +
                             "</context>\n" + "<context>\n    <name>QObject</name>\n" +
                             message("plural_Mondays", "<translation>maanantaisin</translation>") +
                             message("%n hours", "<translation>%n tuntia</translation>") +
                             "</context>\n</TS>\n";
    const QByteArray broken =
        head + "<context>\n    <name>PageOne</name>\n" +
        // unfinished, with a draft
        message("Save", "<translation type=\"unfinished\">Tallenna</translation>") +
        // a placeholder dropped
        message("Humidity %1", "<translation>Kosteus</translation>") +
        // one doubled, one lost
        message("%1 of %2", "<translation>%1 / %1</translation>") + "</context>\n" +
        "<context>\n    <name>QObject</name>\n" +
        // finished but empty
        message("plural_Mondays", "<translation></translation>") +
        // "%n hours" missing; one the program no longer has stays
        message("Old text", "<translation type=\"vanished\">Vanha</translation>") +
        "</context>\n</TS>\n";

    const File good = readCopy(QStringLiteral("lang_good.ts"), whole);
    QVERIFY2(good.error.isEmpty(), qPrintable(good.error));
    QCOMPARE(good.messages.size(), 5);
    const File bad = readCopy(QStringLiteral("lang_broken.ts"), broken);
    QVERIFY2(bad.error.isEmpty(), qPrintable(bad.error));

    QStringList stale;
    const QList<Message> required = requiredMessages({good, bad}, good, &stale);
    QCOMPARE(required.size(), 5);
    QVERIFY(stale.isEmpty());
    QCOMPARE(translationProblems(good, required), QStringList());
    QCOMPARE(
        translationProblems(bad, required),
        QStringList({
            QStringLiteral("lang_broken.ts: unfinished: context \"PageOne\", source \"Save\""),
            QStringLiteral("lang_broken.ts: empty: context \"QObject\", source \"plural_Mondays\""),
            QStringLiteral("lang_broken.ts: missing: context \"QObject\", source \"%n hours\""),
        }));

    // A text no longer in the sources is not asked for; one only the sources have is.
    File found = good;
    found.messages.removeAt(0);
    found.index.clear();
    found.messages << Message{QStringLiteral("PageTwo"), QStringLiteral("New"), {}, {}};
    for (qsizetype i = 0; i < found.messages.size(); ++i)
        found.index.insert(found.messages.at(i).key(), i);
    const QList<Message> current = requiredMessages({good, bad}, found, &stale);
    QCOMPARE(stale, QStringList{QStringLiteral("context \"PageOne\", source \"Save\"")});
    QCOMPARE(
        translationProblems(good, current),
        QStringList{QStringLiteral("lang_good.ts: missing: context \"PageTwo\", source \"New\"")});

    // Placeholders: the dropped and the changed one, in any order of the rest; the English text
    // of a key counts for it.
    QCOMPARE(placeholderProblems(good, english()), QStringList());
    const QStringList changed = placeholderProblems(bad, english());
    QCOMPARE(changed.size(), 2);
    QVERIFY2(changed.at(0).startsWith(
                 QStringLiteral("lang_broken.ts: context \"PageOne\", source \"Humidity %1\"")),
             qPrintable(changed.at(0)));
    QVERIFY2(changed.at(1).startsWith(
                 QStringLiteral("lang_broken.ts: context \"PageOne\", source \"%1 of %2\"")),
             qPrintable(changed.at(1)));
    QVERIFY2(changed.at(1).contains(QStringLiteral("{%1 %1}")), qPrintable(changed.at(1)));

    File withKey = good;
    Message key;
    key.context = QStringLiteral("QObject");
    key.source = QStringLiteral("plural_Mondays");
    File englishWithCount;
    englishWithCount.messages << key;
    englishWithCount.messages.last().translations << QStringLiteral("%1 Mondays");
    englishWithCount.index.insert(key.key(), 0);
    const QStringList keyProblems = placeholderProblems(withKey, englishWithCount);
    QCOMPARE(keyProblems.size(), 1);
    QVERIFY2(keyProblems.at(0).contains(QStringLiteral("\"%1 Mondays\" has {%1}")),
             qPrintable(keyProblems.at(0)));
}

QTEST_MAIN(TestTranslationFiles)
#include "tst_translation_files.moc"
