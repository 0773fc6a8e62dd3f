#include "view_cpp/user_message_provider.h"

#include "view_cpp/message_arguments.h"

#include "test_translator.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const char *const errorContext = "view::details::ErrorMessageFunctions";
const char *const userContext = "view::details::UserMessageFunctions";

// The panel range has gaps; every other id of the three ranges has a text.
bool isPanelGap(int id)
{
    static const QSet<int> gaps{0x2002, 0x2004, 0x2014, 0x2017, 0x2018, 0x201a, 0x201f, 0x2043};
    return gaps.contains(id) || (id >= 0x202a && id <= 0x2039);
}

QList<int> knownIds()
{
    QList<int> ids;
    for (int id = 0; id <= 20; ++id)
        ids.append(id);
    for (int id = 0x1000; id <= 0x1012; ++id)
        ids.append(id);
    for (int id = 0x2001; id <= 0x2050; ++id) {
        if (!isPanelGap(id))
            ids.append(id);
    }
    return ids;
}

// How many text arguments the senders of each message pass; every id not listed passes none.
const QHash<int, int> argumentCounts{
    {0x1002, 1}, {0x2003, 1}, {0x2007, 1}, {0x200b, 1}, {0x200c, 1}, {0x2013, 1}, {0x2015, 1},
    {0x201b, 3}, {0x201c, 1}, {0x201d, 1}, {0x2020, 2}, {0x2021, 2}, {0x2026, 1}, {0x2027, 1},
    {0x2028, 1}, {0x2029, 1}, {0x203a, 1}, {0x203b, 1}, {0x203c, 1}, {0x203e, 1}, {0x203f, 1},
    {0x2040, 1}, {0x2041, 1}, {0x2042, 1}, {0x2044, 1}, {0x2045, 1}, {0x2046, 2}, {0x2047, 1},
    {0x2048, 1}, {0x204a, 1}, {0x204c, 1}, {0x204d, 1}, {0x204e, 2}, {0x204f, 1}, {0x2050, 1},
};

QSet<int> placeholdersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    QSet<int> numbers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        numbers.insert(match.captured(1).toInt());
    return numbers;
}

} // namespace

class TestUserMessageProvider : public QObject
{
    Q_OBJECT

private slots:
    void everyIdHasATextInItsContext_data();
    void everyIdHasATextInItsContext();
    void noOtherIdHasAText();
    void placeholdersMatchTheArgumentCount_data();
    void placeholdersMatchTheArgumentCount();
    void textsTheSystemShows_data();
    void textsTheSystemShows();
    void unknownIdGivesUnknownText_data();
    void unknownIdGivesUnknownText();
    void unknownTextIsTranslatedInQObjectContext();
    void sameEnglishTextIsTranslatedPerContext();
    void removedTranslatorRestoresEnglish();
};

void TestUserMessageProvider::everyIdHasATextInItsContext_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("context");
    for (int id : knownIds())
        QTest::addRow("0x%x", id) << id
                                  << QString::fromLatin1(id <= 20 ? errorContext : userContext);
}

// Each text is looked up now, in its own context, under its English text: a translation of that
// text is what the user reads, through both getText and findText.
void TestUserMessageProvider::everyIdHasATextInItsContext()
{
    QFETCH(int, id);
    QFETCH(QString, context);
    const auto *provider = view::UserMessageProvider::instance();
    const QString english = provider->getText(id);
    QVERIFY(!english.isEmpty());
    QVERIFY(!english.startsWith(QStringLiteral("Unknown user message id")));
    const QSharedPointer<QString> found = provider->findText(id);
    QVERIFY(found);
    QCOMPARE(*found, english);

    TestTranslator translator;
    translator.add(context, english, QStringLiteral("translated"));
    ScopedTranslator installed(&translator);
    QCOMPARE(provider->getText(id), QStringLiteral("translated"));
    QCOMPARE(*provider->findText(id), QStringLiteral("translated"));
}

void TestUserMessageProvider::noOtherIdHasAText()
{
    const auto *provider = view::UserMessageProvider::instance();
    QList<int> found;
    for (int id = -16; id < 0x3000; ++id) {
        if (provider->findText(id))
            found.append(id);
    }
    QCOMPARE(found, knownIds());
    QCOMPARE(found.size(), 21 + 19 + 56);
}

void TestUserMessageProvider::placeholdersMatchTheArgumentCount_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("arguments");
    for (int id : knownIds())
        QTest::addRow("0x%x", id) << id << argumentCounts.value(id, 0);
}

// The text holds exactly %1..%n for n arguments: each argument lands somewhere and none is
// left over as a bare placeholder.
void TestUserMessageProvider::placeholdersMatchTheArgumentCount()
{
    QFETCH(int, id);
    QFETCH(int, arguments);
    const QString text = view::UserMessageProvider::instance()->getText(id);
    QSet<int> expected;
    QStringList values;
    for (int n = 1; n <= arguments; ++n) {
        expected.insert(n);
        values.append(QStringLiteral("<arg%1>").arg(n));
    }
    QCOMPARE(placeholdersOf(text), expected);
    const QString filled = view::message::fillArguments(text, values);
    QVERIFY(placeholdersOf(filled).isEmpty());
    for (const QString &value : values)
        QVERIFY2(filled.contains(value), qPrintable(filled));
}

void TestUserMessageProvider::textsTheSystemShows_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("first error code") << 0 << "No error";
    QTest::newRow("last error code")
        << 20 << "Magnetic contact open more than 60 seconds since last bath";
    QTest::newRow("placeholder left in")
        << 0x1002 << "Bathtime limit exceeded. Start will be allowed at %1";
    QTest::newRow("first panel message") << 0x2001 << "Not implemented";
    QTest::newRow("three placeholders")
        << 0x201b << "Internal software error detected file %1 line %2: %3";
    QTest::newRow("second argument first")
        << 0x2020 << "Sauna not allowed start, %2, conflicts with %1. Save anyway?";
    QTest::newRow("typo kept") << 0x2041 << "Detecting system on IP adress %1...";
}

void TestUserMessageProvider::textsTheSystemShows()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(view::UserMessageProvider::instance()->getText(id), text);
}

void TestUserMessageProvider::unknownIdGivesUnknownText_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("past error codes") << 21 << "Unknown user message id 21 (0x15)";
    QTest::newRow("below system range") << 0x0fff << "Unknown user message id 4095 (0xfff)";
    QTest::newRow("past system range") << 0x1013 << "Unknown user message id 4115 (0x1013)";
    QTest::newRow("panel gap 0x2002") << 0x2002 << "Unknown user message id 8194 (0x2002)";
    QTest::newRow("panel gap 0x202a") << 0x202a << "Unknown user message id 8234 (0x202a)";
    QTest::newRow("panel gap 0x2043") << 0x2043 << "Unknown user message id 8259 (0x2043)";
    QTest::newRow("past panel range") << 0x2051 << "Unknown user message id 8273 (0x2051)";
}

void TestUserMessageProvider::unknownIdGivesUnknownText()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    const auto *provider = view::UserMessageProvider::instance();
    QCOMPARE(provider->getText(id), text);
    QVERIFY(provider->findText(id).isNull());
    QCOMPARE(view::UserMessageProvider::unknownMessageText(id), text);
}

void TestUserMessageProvider::unknownTextIsTranslatedInQObjectContext()
{
    TestTranslator translator;
    translator.add("QObject", "Unknown user message id %1 (0x%2)", "Tuntematon %1 / %2");
    ScopedTranslator installed(&translator);
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x2002),
             QStringLiteral("Tuntematon 8194 / 2002"));
}

void TestUserMessageProvider::sameEnglishTextIsTranslatedPerContext()
{
    TestTranslator translator;
    translator.add(errorContext, "Communication with addon card lost.", "error context");
    ScopedTranslator installed(&translator);
    const auto *provider = view::UserMessageProvider::instance();
    QCOMPARE(provider->getText(10), QStringLiteral("error context"));
    QCOMPARE(provider->getText(0x1011), QStringLiteral("Communication with addon card lost."));
    QVERIFY(translator.wasAskedFor(userContext, "Communication with addon card lost."));
}

void TestUserMessageProvider::removedTranslatorRestoresEnglish()
{
    const auto *provider = view::UserMessageProvider::instance();
    TestTranslator translator;
    translator.add(userContext, "Confirm factory reset?", "Vahvista tehdasasetukset?");
    {
        ScopedTranslator installed(&translator);
        QCOMPARE(provider->getText(0x2022), QStringLiteral("Vahvista tehdasasetukset?"));
    }
    QCOMPARE(provider->getText(0x2022), QStringLiteral("Confirm factory reset?"));
}

QTEST_GUILESS_MAIN(TestUserMessageProvider)
#include "tst_user_message_provider.moc"
