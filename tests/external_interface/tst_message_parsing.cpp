#include "message.pb.h"
#include "protocol_buffers_support/message_parsing.h"
#include "required_probe.pb.h"

#include <QtTest>

#include <google/protobuf/stubs/logging.h>

#include <algorithm>
#include <memory>
#include <string>

using google::protobuf::MessageLite;

Q_DECLARE_METATYPE(const MessageLite *)

namespace {

QByteArray bytesOf(const MessageLite &message)
{
    const std::string wire = message.SerializeAsString();
    return QByteArray(wire.data(), static_cast<qsizetype>(wire.size()));
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray repeated(const char *byteHex, int count)
{
    return hex(byteHex).repeated(count);
}

const MessageLite *request()
{
    return &vaholumo::External_to_sauna::default_instance();
}

const MessageLite *report()
{
    return &vaholumo::Sauna_to_external::default_instance();
}

struct LoggedLine
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<LoggedLine> loggedLines;

void recordLine(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    loggedLines.append({type, QByteArray(context.category), text});
}

} // namespace

// Checks the one parse entry point every received datagram goes through.
class TestMessageParsing : public QObject
{
    Q_OBJECT

private slots:
    void acceptedDatagrams_data();
    void acceptedDatagrams();
    void rejectedDatagramsLeaveNothingBehind_data();
    void rejectedDatagramsLeaveNothingBehind();
    void previousContentIsClearedBeforeParsing();
    void impossibleSizesAreRejected();
    void missingRequiredFieldFailsAndIsLoggedThroughQt();
};

void TestMessageParsing::acceptedDatagrams_data()
{
    QTest::addColumn<const MessageLite *>("prototype");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("parsed");

    QTest::newRow("empty datagram") << request() << QByteArray() << QByteArray();
    QTest::newRow("one integer request")
        << request() << hex("D2 41 05 08 0A 10 D0 05") << hex("D2 41 05 08 0A 10 D0 05");
    QTest::newRow("zero padding after the message")
        << request() << hex("D2 41 05 08 0A 10 D0 05 00 00 00") << hex("D2 41 05 08 0A 10 D0 05");
    QTest::newRow("bytes after a zero tag are not read")
        << request() << hex("D2 41 05 08 0A 10 D0 05 00 D2 3E 02 08 01")
        << hex("D2 41 05 08 0A 10 D0 05");
    QTest::newRow("end-group tag ends the message")
        << request() << hex("D2 41 05 08 0A 10 D0 05 0C D2 3E 02 08 01")
        << hex("D2 41 05 08 0A 10 D0 05");
    QTest::newRow("two-byte end-group tag ends the message")
        << report() << hex("92 7D 02 08 07 84 7D") << hex("92 7D 02 08 07");
    QTest::newRow("end-group tag right after bytes with the high bit set")
        << request() << hex("F2 07 02 C3 A9 0C") << hex("F2 07 02 C3 A9");
    QTest::newRow("unknown groups nested 50 deep are kept")
        << request() << repeated("0B", 50) + repeated("0C", 50)
        << repeated("0B", 50) + repeated("0C", 50);
    QTest::newRow("optional scalar read twice: the last wins")
        << request() << hex("D2 3E 04 08 01 08 02") << hex("D2 3E 02 08 02");
    QTest::newRow("optional member read twice is merged")
        << request() << hex("C2 43 02 50 0B C2 43 03 58 E8 07") << hex("C2 43 05 50 0B 58 E8 07");
    QTest::newRow("repeated member appends in wire order")
        << report() << hex("D2 7D 04 08 11 10 1E DA 7D 04 08 0A 10 01 D2 7D 05 08 0C 10 D0 05")
        << hex("D2 7D 04 08 11 10 1E D2 7D 05 08 0C 10 D0 05 DA 7D 04 08 0A 10 01");
}

void TestMessageParsing::acceptedDatagrams()
{
    QFETCH(const MessageLite *, prototype);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, parsed);

    std::unique_ptr<MessageLite> message(prototype->New());
    QVERIFY(pbSupport::parseDatagram(input, *message));
    QCOMPARE(bytesOf(*message).toHex(' '), parsed.toHex(' '));
}

void TestMessageParsing::rejectedDatagramsLeaveNothingBehind_data()
{
    QTest::addColumn<const MessageLite *>("prototype");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("member length past the end") << request() << hex("D2 41 05 08 0A");
    QTest::newRow("report member cut short") << report() << hex("D2 7D 05 08 0A");
    QTest::newRow("good member, then a truncated one")
        << request() << hex("D2 41 05 08 0A 10 D0 05 D2 41 05 08 0B");
    QTest::newRow("good report members, then a truncated one")
        << report() << hex("92 7D 02 08 07 DA 7D 04 08 0A 10 01 92 80 01 0A 58 0B");
    QTest::newRow("tag without its value") << request() << hex("D2 41 05 08 0A 10 D0 05 08");
    QTest::newRow("value missing inside a member") << request() << hex("D2 41 03 08 0A 10");
    QTest::newRow("truncated tag") << request() << hex("D2");
    QTest::newRow("truncated varint") << request() << hex("08 FF");
    QTest::newRow("varint longer than ten bytes")
        << request() << hex("08 FF FF FF FF FF FF FF FF FF FF 01");
    QTest::newRow("string length past the end") << report() << hex("C2 BB 01 05 C2 BB 01 09 41");
    QTest::newRow("unclosed group") << request() << hex("0B 08 01");
    QTest::newRow("group closed by another field's end tag") << request() << hex("0B 08 01 14");
    QTest::newRow("wire type 6") << request() << hex("0E 01");
    QTest::newRow("groups nested past the recursion limit")
        << request() << repeated("0B", 150) + repeated("0C", 150);
}

void TestMessageParsing::rejectedDatagramsLeaveNothingBehind()
{
    QFETCH(const MessageLite *, prototype);
    QFETCH(QByteArray, input);

    std::unique_ptr<MessageLite> message(prototype->New());
    QVERIFY(!pbSupport::parseDatagram(input, *message));
    QCOMPARE(bytesOf(*message), QByteArray());
    QCOMPARE(message->ByteSizeLong(), size_t(0));
}

void TestMessageParsing::previousContentIsClearedBeforeParsing()
{
    vaholumo::External_to_sauna envelope;
    envelope.mutable_keep_alive()->set_sequence_number(9);

    QVERIFY(pbSupport::parseDatagram(hex("D2 41 05 08 0A 10 D0 05"), envelope));
    QVERIFY(!envelope.has_keep_alive());
    QCOMPARE(envelope.integer_value_change_request_size(), 1);

    QVERIFY(pbSupport::parseDatagram(hex("A2 42 04 08 0A 10 01"), envelope));
    QCOMPARE(envelope.integer_value_change_request_size(), 0);
    QCOMPARE(envelope.boolean_value_change_request_size(), 1);
}

void TestMessageParsing::impossibleSizesAreRejected()
{
    vaholumo::Keep_alive keepAlive;
    keepAlive.set_sequence_number(3);
    const QByteArray wire = hex("08 01");

    QVERIFY(!pbSupport::parseDatagram(wire.constData(), -1, keepAlive));
    QVERIFY(!keepAlive.has_sequence_number());
    QVERIFY(!pbSupport::parseDatagram(nullptr, 2, keepAlive));
    QVERIFY(pbSupport::parseDatagram(nullptr, 0, keepAlive));
    QVERIFY(pbSupport::parseDatagram(wire.constData(), wire.size(), keepAlive));
    QCOMPARE(keepAlive.sequence_number(), 1u);
}

void TestMessageParsing::missingRequiredFieldFailsAndIsLoggedThroughQt()
{
    pbSupport::installProtobufLogHandler();
    loggedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordLine);

    vaholumo_test::Required_probe probe;
    const bool withoutRequired = pbSupport::parseDatagram(hex("10 05"), probe);
    const bool withRequired = pbSupport::parseDatagram(hex("08 01 10 05"), probe);
    GOOGLE_LOG(WARNING) << "direct protobuf log line";

    qInstallMessageHandler(previous);

    QVERIFY(!withoutRequired);
    QVERIFY(withRequired);
    QCOMPARE(probe.value(), 1u);
    QCOMPARE(probe.other(), 5u);

    const auto fromProtobuf = [](const QString &needle) {
        return std::any_of(loggedLines.cbegin(), loggedLines.cend(), [&](const LoggedLine &line) {
            return line.category == "panel.protocol" && line.type == QtWarningMsg &&
                   line.text.contains(needle);
        });
    };
    QVERIFY(fromProtobuf(QStringLiteral("missing required fields")));
    QVERIFY(fromProtobuf(QStringLiteral("direct protobuf log line")));
}

QTEST_APPLESS_MAIN(TestMessageParsing)

#include "tst_message_parsing.moc"
