#include "view_cpp/date_time_formatter.h"
#include "view_cpp/message_formatter.h"
#include "view_cpp/source_file_name.h"

#include "support/member_detection.h"

#include <QTest>

using signalInterface::UserMessageTypes::UserMessage;

namespace {
PANEL_DETECT_MEMBER(HasFormatterQuery, std::declval<const T &>().hasFormatter(0));
} // namespace

class TestMessageFormatter : public QObject
{
    Q_OBJECT

private slots:
    void registeredFunctionAppendsOnEveryCall();
    void messageWithoutFunctionIsUnchanged();
    void nullFunctionRemovesEntry();
    void laterFunctionReplacesEarlier();
    void idAboveIntRangeFindsNoFunction();
    void sourceFileNameKeepsLastComponent_data();
    void sourceFileNameKeepsLastComponent();
};

void TestMessageFormatter::registeredFunctionAppendsOnEveryCall()
{
    // The start-up wiring registers a function like this one for "start will be allowed at %1".
    view::MessageFormatter formatter;
    const QTime allowedStart(14, 5);
    formatter.setFormatter(0x1002, [allowedStart](UserMessage &message) {
        message.arguments.append(view::DateTimeFormatter::instance()->formatTime(allowedStart));
    });
    view::DateTimeFormatter::instance()->onTimeFormatChanged(
        signalInterface::DateTimeTypes::E_am_pm);

    saunaBridge::MessageFormatterBase &base = formatter;
    UserMessage message(0x1002);
    base.format(message);
    QCOMPARE(message.arguments, QStringList{"2:05pm"});
    base.format(message);
    QCOMPARE(message.arguments, (QStringList{"2:05pm", "2:05pm"}));

    view::DateTimeFormatter::instance()->onTimeFormatChanged(
        signalInterface::DateTimeTypes::E_0_24);
}

void TestMessageFormatter::messageWithoutFunctionIsUnchanged()
{
    view::MessageFormatter formatter;
    formatter.setFormatter(0x1002, [](UserMessage &message) { message.arguments.append("x"); });
    UserMessage message(0x1003);
    message.arguments = QStringList{"kept"};
    message.text = QStringLiteral("free text");
    const UserMessage before = message;
    formatter.format(message);
    QCOMPARE(message, before);
}

void TestMessageFormatter::nullFunctionRemovesEntry()
{
    view::MessageFormatter formatter;
    formatter.setFormatter(0x1002, [](UserMessage &message) { message.arguments.append("x"); });
    formatter.setFormatter(0x1002, nullptr);
    UserMessage message(0x1002);
    formatter.format(message);
    QVERIFY(message.arguments.isEmpty());

    // Removing an id that has no entry is harmless.
    formatter.setFormatter(0x2001, nullptr);
    UserMessage other(0x2001);
    formatter.format(other);
    QVERIFY(other.arguments.isEmpty());

    // What the map holds is the formatter's own: it has no query.
    QVERIFY(!HasFormatterQuery<view::MessageFormatter>::value);
}

void TestMessageFormatter::laterFunctionReplacesEarlier()
{
    view::MessageFormatter formatter;
    int firstCalls = 0;
    int secondCalls = 0;
    formatter.setFormatter(0x1002, [&firstCalls](UserMessage &) { ++firstCalls; });
    formatter.setFormatter(0x1002, [&secondCalls](UserMessage &) { ++secondCalls; });
    UserMessage message(0x1002);
    formatter.format(message);
    QCOMPARE(firstCalls, 0);
    QCOMPARE(secondCalls, 1);
}

void TestMessageFormatter::idAboveIntRangeFindsNoFunction()
{
    view::MessageFormatter formatter;
    int calls = 0;
    formatter.setFormatter(-1, [&calls](UserMessage &) { ++calls; });
    UserMessage message(0xffffffffu);
    formatter.format(message);
    QCOMPARE(calls, 0);
}

void TestMessageFormatter::sourceFileNameKeepsLastComponent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");
    QTest::newRow("several levels") << "/home/build/source/control/gui_handler.cpp"
                                    << "gui_handler.cpp";
    QTest::newRow("relative") << "source/pc_panel/sauna_system_receiver.cpp"
                              << "sauna_system_receiver.cpp";
    QTest::newRow("bare name") << "language_controller.cpp"
                               << "language_controller.cpp";
    QTest::newRow("empty") << ""
                           << "";
}

void TestMessageFormatter::sourceFileNameKeepsLastComponent()
{
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(view::message::sourceFileName(path), name);
}

QTEST_GUILESS_MAIN(TestMessageFormatter)
#include "tst_message_formatter.moc"
