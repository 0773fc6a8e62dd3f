#include "counting_allocator.h"
#include "pc_panel/sauna_system_receiver.h"
#include "receiver_datagrams.h"

#include <QTest>

#include <functional>
#include <vector>

using namespace signalInterface;
using pcPanel::SaunaSystemReceiver;
using receiverTest::addNode;
using receiverTest::datagram;
using receiverTest::Envelope;
using receiverTest::peerAddress;
using receiverTest::peerPort;

namespace {

// A minute of a sauna that lies twenty times a second.
constexpr int streamLength = 60 * 20;

void addRelay(vaholumo::Sauna_state_changed &report, int i)
{
    auto *relay = report.add_relay();
    relay->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(i / 14 % 3));
    relay->set_index(quint32(i % 14));
}

// What the receiver raised for one datagram.
struct Raised
{
    int messages = 0;
    int nodes = 0;
    int programs = 0;
    int favorites = 0;
    int errorLogEntries = 0;
    int auxRelays = 0;
    int relayOutputs = 0;
    int temperatures = 0;
    int logLines = 0;
};

Raised *currentRaised = nullptr;
QtMessageHandler defaultHandler = nullptr;

// Counts the link's log lines instead of printing them; a flood would otherwise fill the log.
void countLinkLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (context.category != nullptr && qstrcmp(context.category, "panel.link") == 0) {
        if (currentRaised != nullptr)
            ++currentRaised->logLines;
        return;
    }
    defaultHandler(type, context, text);
}

// One kind of lie: a datagram, what of it the receiver passes on, and the most the sauna's records
// can hold of that.
struct Lie
{
    const char *name;
    QByteArray bytes;
    int Raised::*passed;
    int capacity;
};

std::vector<Lie> lies()
{
    const auto make = [](const std::function<void(Envelope &)> &fill) {
        Envelope envelope;
        fill(envelope);
        return datagram(envelope);
    };
    return {
        {"5000 node items with bad values", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 5000; ++i)
                 envelope.add_node_item()->set_index(8 + i % 100);
         }),
         &Raised::nodes, 8},
        {"8000 calendar posts", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 8000; ++i)
                 envelope.add_calendar_post()->set_index(i % 64);
         }),
         &Raised::programs, 64},
        {"8000 calendar posts for slots that do not exist", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 8000; ++i)
                 envelope.add_calendar_post()->set_index(64 + i % 64);
         }),
         &Raised::programs, 64},
        {"8000 favorites", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 8000; ++i)
                 envelope.add_favorite_post()->set_index(i % 8);
         }),
         &Raised::favorites, 8},
        {"8000 error-log entries", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 8000; ++i)
                 envelope.add_error_post()->set_index(i % 32);
         }),
         &Raised::errorLogEntries, 32},
        {"5000 aux relays", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 5000; ++i) {
                 auto *relay = envelope.add_aux_relay_post_sauna();
                 relay->set_connected(true);
                 relay->mutable_relay()->set_index(i % 7);
             }
         }),
         &Raised::auxRelays, 7},
        {"5000 relay outputs", make([](Envelope &envelope) {
             for (int i = 0; i < 5000; ++i)
                 addRelay(*envelope.mutable_sauna_state_changed(), i);
         }),
         &Raised::relayOutputs, 42},
        {"8000 temperature reports", make([](Envelope &envelope) {
             for (quint32 i = 0; i < 8000; ++i) {
                 auto *report = envelope.add_integer_value_changed();
                 report->set_value_id(vaholumo::Integer_value_changed_value_t_TEMPERATURE);
                 report->set_value(i);
             }
         }),
         &Raised::temperatures, vaholumo::Integer_value_changed::value_t_ARRAYSIZE},
        {"8000 data errors", make([](Envelope &envelope) {
             for (int i = 0; i < 8000; ++i)
                 envelope.add_data_error();
         }),
         &Raised::messages, 1},
    };
}

// What an honest sauna sends at most: full sets of every record, one item of them bad.
QByteArray honestDatagram()
{
    Envelope envelope;
    for (quint32 i = 0; i < 8; ++i)
        addNode(envelope, i == 7 ? 9 : i);
    for (quint32 i = 0; i < 64; ++i)
        envelope.add_calendar_post()->set_index(i);
    for (quint32 i = 0; i < 8; ++i)
        envelope.add_favorite_post()->set_index(i);
    for (quint32 i = 0; i < 32; ++i)
        envelope.add_error_post()->set_index(i);
    for (quint32 i = 0; i < 7; ++i) {
        auto *relay = envelope.add_aux_relay_post_sauna();
        relay->set_connected(true);
        relay->mutable_relay()->set_index(i);
    }
    for (int i = 0; i < 42; ++i)
        addRelay(*envelope.mutable_sauna_state_changed(), i);
    return datagram(envelope);
}

} // namespace

class TestLyingSauna : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theAllocationCounterSeesProtocolMemory();
    void aMinuteOfLiesStaysBounded();

private:
    void count(SaunaSystemReceiver &receiver, Raised &raised);

    Raised m_raised;
};

void TestLyingSauna::initTestCase()
{
    currentRaised = &m_raised;
    defaultHandler = qInstallMessageHandler(countLinkLog);
}

void TestLyingSauna::cleanupTestCase()
{
    qInstallMessageHandler(defaultHandler);
    currentRaised = nullptr;
}

void TestLyingSauna::theAllocationCounterSeesProtocolMemory()
{
    // Without this the memory bound below would prove nothing.
    const QByteArray bytes = lies().front().bytes;
    const long long before = testSupport::liveHeapBytes();
    Envelope envelope;
    QVERIFY(envelope.ParseFromArray(bytes.constData(), int(bytes.size())));
    QVERIFY2(testSupport::liveHeapBytes() - before > 5000 * 16,
             qPrintable(QString::number(testSupport::liveHeapBytes() - before)));
}

void TestLyingSauna::count(SaunaSystemReceiver &receiver, Raised &raised)
{
    connect(&receiver, &SaunaSystemReceiver::panelUserMessageIssued, this,
            [&raised] { ++raised.messages; });
    connect(&receiver, &SaunaSystemReceiver::saunaNodeListItemChanged, this,
            [&raised] { ++raised.nodes; });
    connect(&receiver, &SaunaSystemReceiver::saunaCalendarProgramChanged, this,
            [&raised] { ++raised.programs; });
    connect(&receiver, &SaunaSystemReceiver::saunaFavoritesPostChanged, this,
            [&raised] { ++raised.favorites; });
    connect(&receiver, &SaunaSystemReceiver::saunaErrorLogItemChanged, this,
            [&raised] { ++raised.errorLogEntries; });
    connect(&receiver, &SaunaSystemReceiver::saunaAuxRelaySettingChanged, this,
            [&raised] { ++raised.auxRelays; });
    connect(&receiver, &SaunaSystemReceiver::saunaRcbRelayChanged, this,
            [&raised](const RelayStatusTypes::RelayStatus &status) {
                raised.relayOutputs += int(status.size());
            });
    connect(&receiver, &SaunaSystemReceiver::saunaTemperatureChanged, this,
            [&raised] { ++raised.temperatures; });
}

void TestLyingSauna::aMinuteOfLiesStaysBounded()
{
    SaunaSystemReceiver receiver(nullptr);
    receiver.setPeer(peerAddress, peerPort);
    Raised &raised = m_raised;
    count(receiver, raised);
    const std::vector<Lie> stream = lies();
    const QByteArray honest = honestDatagram();

    // Twice, so that whatever is set up on first use is in the baseline.
    for (int i = 0; i < 2; ++i)
        QVERIFY(receiver.handleDatagram(honest, peerAddress, peerPort));
    const long long baseline = testSupport::liveHeapBytes();

    for (int i = 0; i < streamLength; ++i) {
        const Lie &lie = stream[std::size_t(i) % stream.size()];
        raised = Raised();
        QVERIFY(receiver.handleDatagram(lie.bytes, peerAddress, peerPort));
        QVERIFY2(raised.messages <= 1, lie.name);
        QVERIFY2(raised.*lie.passed <= lie.capacity,
                 qPrintable(QStringLiteral("%1: %2 passed").arg(lie.name).arg(raised.*lie.passed)));
        // The excess is logged once, not once per element.
        QVERIFY2(raised.logLines <= lie.capacity + 2,
                 qPrintable(QStringLiteral("%1: %2 log lines").arg(lie.name).arg(raised.logLines)));
    }

    // Nor does a lie that does not even parse hold on to what its elements took.
    QByteArray truncated = stream.front().bytes;
    truncated.chop(1);
    QVERIFY(!receiver.handleDatagram(truncated, peerAddress, peerPort));

    // Once the lies stop, the memory they took is given back.
    raised = Raised();
    QVERIFY(receiver.handleDatagram(honest, peerAddress, peerPort));
    QCOMPARE(raised.messages, 1);
    QCOMPARE(raised.programs, 64);
    const long long kept = testSupport::liveHeapBytes() - baseline;
    QVERIFY2(kept < 64 * 1024, qPrintable(QStringLiteral("%1 bytes kept").arg(kept)));
}

QTEST_GUILESS_MAIN(TestLyingSauna)
#include "tst_lying_sauna.moc"
