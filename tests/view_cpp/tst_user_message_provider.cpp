#include "view_cpp/user_message_provider.h"

#include "test_translator.h"

#include <QTest>

namespace {

const char *const errorContext = "view::details::ErrorMessageFunctions";
const char *const userContext = "view::details::UserMessageFunctions";

struct ExpectedText
{
    int id;
    const char *context;
    const char *text;
};

// Every message id with its translation context and English text, typos included: the
// translation files know the texts exactly like this.
const ExpectedText expectedTexts[] = {
    {0, errorContext, "No error"},
    {1, errorContext, "Room temperature sensor not connected or malfunctioning"},
    {2, errorContext, "Steam tank temperature sensor not connected or malfunctioning"},
    {3, errorContext, "Relay Control Box PCB has overheated"},
    {4, errorContext, "Electrode short circuit"},
    {5, errorContext, "Steamtank overfill. Level electrodes malfunction."},
    {6, errorContext, "Contact lost with Zerededid node of node profile Control Panel Home"},
    {7, errorContext,
     "Contact lost with Zerededid node of node profile Temperature/Humidity Sensor"},
    {8, errorContext, "Steam tank has overheated"},
    {9, errorContext, "Real-time clock (RTC) communication failure"},
    {10, errorContext, "Communication with addon card lost."},
    {11, errorContext, "Emptying of water in steam tank failure. Turn off power and do service."},
    {12, errorContext, "Level electrodes steam tank out of service, interruption mid"},
    {13, errorContext, "Zerededid connected humidity sensor malfunctioning"},
    {14, errorContext, "Zerededid connected temperature sensor malfunctioning"},
    {15, errorContext, "Contact lost with Zerededid node of node profile Relay Control Board"},
    {16, errorContext, "High temperature limit control have trip out, must be reset"},
    {17, errorContext, "Room temperature sensor overheated"},
    {18, errorContext, "Too many units connected"},
    {19, errorContext,
     "The door has been open for more than the allowed time. Ongoing bath cancelled."},
    {20, errorContext, "Magnetic contact open more than 60 seconds since last bath"},
    {0x1000, userContext, "Weekday calendar program collision detected"},
    {0x1001, userContext, "Date calendar program collision detected"},
    {0x1002, userContext, "Bathtime limit exceeded. Start will be allowed at %1"},
    {0x1003, userContext, "Operation not possible, blocked by not allowed start"},
    {0x1004, userContext,
     "Tank emptying has started, operation is possible when draining is complete"},
    {0x1005, userContext, "Perform control/clean of tank"},
    {0x1006, userContext, "Check sauna before next start"},
    {0x1007, userContext, "Fault, tank emptying has started"},
    {0x1008, userContext, "Descaling has started, operation not possible"},
    {0x1009, userContext, "Descaling completed"},
    {0x100a, userContext, "Water in tank"},
    {0x100b, userContext, "Manual tank emptying should be performed"},
    {0x100c, userContext,
     "Standby operation is no longer possible in the system due to tank sensor error"},
    {0x100d, userContext, "Has cleanup been performed?"},
    {0x100e, userContext, "No humidity sensor detected. Steam not allowed."},
    {0x100f, userContext, "Automatic tank emptying interval has started. Reduced steam."},
    {0x1010, userContext, "Automatic tank emptying has started. Operation will resume."},
    {0x1011, userContext, "Communication with addon card lost."},
    {0x1012, userContext, "Room temperature too high. Steam production paused temporarily."},
    {0x2001, userContext, "Not implemented"},
    {0x2003, userContext, "No free %1"},
    {0x2005, userContext, "No free favorites posts available"},
    {0x2006, userContext, "A favorite post with specified name already exists"},
    {0x2007, userContext, "A favorite post named %1 already exists. Overwrite?"},
    {0x2008, userContext, "Confirm favorite delete?"},
    {0x2009, userContext, "No contact with control board"},
    {0x200a, userContext, "Confirm clear calendar"},
    {0x200b, userContext,
     "Time to ready at less than estimated heating time %1 minutes. Use anyway?"},
    {0x200c, userContext,
     "Time to ready at less than heating time %1 minutes estimated from factory settings. Heating "
     "time will be calibrated at use. Use anyway?"},
    {0x200d, userContext, "No door switch magnetic sensor connected"},
    {0x200e, userContext, "Delayed start program edited from other panel"},
    {0x200f, userContext, "Weekday calendar program edited from other panel"},
    {0x2010, userContext, "Date calendar program edited from other panel"},
    {0x2011, userContext, "No free time gap for new post"},
    {0x2012, userContext, "Favorite post edited from other panel"},
    {0x2013, userContext, "Calendar programs affected by favorite change: %1"},
    {0x2015, userContext, "Confirm delete of %1?"},
    {0x2016, userContext, "Display will turn OFF due to inactivity (display sleep timer)"},
    {0x2019, userContext, "Error switching to new language, old will be kept"},
    {0x201b, userContext, "Internal software error detected file %1 line %2: %3"},
    {0x201c, userContext, "File not found %1"},
    {0x201d, userContext, "Key/translation error %1"},
    {0x201e, userContext, "Sauna pause timer has been reset"},
    {0x2020, userContext, "Sauna not allowed start, %2, conflicts with %1. Save anyway?"},
    {0x2021, userContext, "Sauna not allowed start, %2, may conflict with %1. Save anyway?"},
    {0x2022, userContext, "Confirm factory reset?"},
    {0x2023, userContext, "PIN code changed"},
    {0x2024, userContext, "Date and time are not correct, reenter"},
    {0x2025, userContext, "Confirm delete of system"},
    {0x2026, userContext, "Connected to system %1"},
    {0x2027, userContext, "Connect to system %1 failed, incorrect PIN"},
    {0x2028, userContext, "Connect to system %1 failed, compatibility - update PC panel"},
    {0x2029, userContext, "Connect to system %1 failed"},
    {0x203a, userContext, "Confirm forget of WiFi network %1"},
    {0x203b, userContext, "Favorite name contains unsupported characters: %1"},
    {0x203c, userContext, "Auxiliary relay name contains unsupported characters: %1"},
    {0x203d, userContext, "Descaling running"},
    {0x203e, userContext, "Connection to system %1 lost"},
    {0x203f, userContext, "No response from system %1"},
    {0x2040, userContext, "Retriveing data from system %1"},
    {0x2041, userContext, "Detecting system on IP adress %1..."},
    {0x2042, userContext, "No system found on IP adress %1"},
    {0x2044, userContext, "Port %1 used, using fallback announcement"},
    {0x2045, userContext, "Connected to network %1"},
    {0x2046, userContext, "Connect to network %1 failed: %2"},
    {0x2047, userContext, "Connect to system %1 failed, no door switch magnetic sensor connected"},
    {0x2048, userContext,
     "Password contains national/special characters which are unlikely to work as WiFi password : "
     "%1"},
};

} // namespace

class TestUserMessageProvider : public QObject
{
    Q_OBJECT

private slots:
    void knownIdGivesItsText_data();
    void knownIdGivesItsText();
    void knownIdIsTranslatedInItsOwnContext_data();
    void knownIdIsTranslatedInItsOwnContext();
    void tableHoldsNoOtherIds();
    void unknownIdGivesUnknownText_data();
    void unknownIdGivesUnknownText();
    void unknownTextIsTranslatedInQObjectContext();
    void sameEnglishTextIsTranslatedPerContext();
    void removedTranslatorRestoresEnglish();
    void placeholdersAreLeftUnfilled();
    void instanceIsOneObject();
};

void TestUserMessageProvider::knownIdGivesItsText_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    for (const ExpectedText &expected : expectedTexts)
        QTest::addRow("0x%x", expected.id) << expected.id << QString::fromUtf8(expected.text);
}

void TestUserMessageProvider::knownIdGivesItsText()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    const auto *provider = view::UserMessageProvider::instance();
    QCOMPARE(provider->getText(id), text);
    const QSharedPointer<QString> found = provider->findText(id);
    QVERIFY(found);
    QCOMPARE(*found, text);
}

void TestUserMessageProvider::knownIdIsTranslatedInItsOwnContext_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("text");
    for (const ExpectedText &expected : expectedTexts)
        QTest::addRow("0x%x", expected.id) << expected.id << QString::fromUtf8(expected.context)
                                           << QString::fromUtf8(expected.text);
}

void TestUserMessageProvider::knownIdIsTranslatedInItsOwnContext()
{
    QFETCH(int, id);
    QFETCH(QString, context);
    QFETCH(QString, text);
    TestTranslator translator;
    translator.add(context, text, QStringLiteral("translated %1"));
    ScopedTranslator installed(&translator);
    QCOMPARE(view::UserMessageProvider::instance()->getText(id), QStringLiteral("translated %1"));
    QCOMPARE(*view::UserMessageProvider::instance()->findText(id), QStringLiteral("translated %1"));
}

void TestUserMessageProvider::tableHoldsNoOtherIds()
{
    const auto *provider = view::UserMessageProvider::instance();
    int known = 0;
    for (int id = -16; id < 0x3000; ++id) {
        if (provider->findText(id))
            ++known;
    }
    QCOMPARE(known, int(std::size(expectedTexts)));
    QCOMPARE(known, 21 + 19 + 48);
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
    QTest::newRow("past panel range") << 0x2049 << "Unknown user message id 8265 (0x2049)";
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

void TestUserMessageProvider::placeholdersAreLeftUnfilled()
{
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x1002),
             QStringLiteral("Bathtime limit exceeded. Start will be allowed at %1"));
    QCOMPARE(view::UserMessageProvider::instance()->getText(0x201b),
             QStringLiteral("Internal software error detected file %1 line %2: %3"));
}

void TestUserMessageProvider::instanceIsOneObject()
{
    QCOMPARE(view::UserMessageProvider::instance(), view::UserMessageProvider::instance());
}

QTEST_GUILESS_MAIN(TestUserMessageProvider)
#include "tst_user_message_provider.moc"
