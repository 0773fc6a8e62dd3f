// Arbitrary bytes as one datagram from the connected sauna, into the link's receiver. The peer is
// set and a handful of bridge signals are connected, as the panel's controllers connect them, so
// every member handler and conversion runs up to its emit and the emitted values are read.
#include "fuzzer_logging.h"

#include "pc_panel/connection_message_sink.h"
#include "pc_panel/sauna_system_receiver.h"
#include "sauna_bridge/message_formatter_base.h"

#include <QHostAddress>
#include <QObject>

#include <cstddef>
#include <cstdint>

namespace {

using namespace ::signalInterface;

const QHostAddress peerAddress(QStringLiteral("127.0.0.1"));
constexpr quint16 peerPort = 49152;

// Stands in for the connection state machine; only counts.
class CountingSink : public pcPanel::ConnectionMessageSink
{
public:
    void handleConnectReply(const vaholumo::Connect_reply &, const QHostAddress &, quint16) override
    {
        ++connectReplies;
    }
    void handleSaunaKeepAlive() override { ++keepAlives; }
    void handleNoConnection() override { ++noConnections; }
    void handleSignOfLife() override { ++signsOfLife; }

    quint64 connectReplies = 0;
    quint64 keepAlives = 0;
    quint64 noConnections = 0;
    quint64 signsOfLife = 0;
};

// Fills in an argument the way the panel's formatter does, so that user messages reach it.
class AppendingFormatter : public saunaBridge::MessageFormatterBase
{
public:
    void format(UserMessageTypes::UserMessage &message) override
    {
        message.arguments.append(QString::number(message.id));
    }
};

class Harness
{
public:
    Harness()
        : m_receiver(&m_formatter)
    {
        using pcPanel::SaunaSystemReceiver;
        m_receiver.setConnectionMessageSink(&m_sink);
        m_receiver.setPeer(peerAddress, peerPort);
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaTargetTemperatureChanged,
                         &m_context, [this](int value) { m_seen += quint64(value); });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaHumidityChanged, &m_context,
                         [this](int value, HumidityTypes::HumidityUnit unit) {
                             m_seen += quint64(value) + quint64(unit);
                         });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaLastDescalingChanged, &m_context,
                         [this](QDate date) { m_seen += quint64(date.toJulianDay()); });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaNotAllowedStartFromTimeChanged,
                         &m_context,
                         [this](QTime time) { m_seen += quint64(time.msecsSinceStartOfDay()); });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaTimeChanged, &m_context,
                         [this](const DateTimeTypes::SaunaDateTime &time) {
                             m_seen += quint64(time.dateTime.toString().size());
                         });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaPhysicalStateChanged, &m_context,
                         [this](SaunaStateTypes::SaunaState state) { m_seen += quint64(state); });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaFavoritesPostChanged, &m_context,
                         [this](const FavoritesTypes::FavoritesPost &) { ++m_seen; });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaCalendarProgramChanged, &m_context,
                         [this](const CalendarProgram &program) {
                             m_seen += quint64(program.favoriteIndex().second);
                         });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaErrorLogItemChanged, &m_context,
                         [this](const ErrorLogTypes::ErrorLogItem &) { ++m_seen; });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaMasterFuncDescChanged, &m_context,
                         [this](const MasterFuncDescTypes::MasterFuncDescPost &) { ++m_seen; });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaNodeListItemChanged, &m_context,
                         [this](const NodeInformationTypes::NodeInformationPost &) { ++m_seen; });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::saunaUserMessageChanged, &m_context,
                         [this](const UserMessageTypes::UserMessage &message) {
                             m_seen += quint64(message.text.size() + message.arguments.size());
                         });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::panelUserMessageIssued, &m_context,
                         [this](const UserMessageTypes::UserMessage &message, UserMessageAction *) {
                             m_seen += quint64(message.text.size());
                         });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::supportedCharactersUpdateNeeded,
                         &m_context, [this] { ++m_seen; });
        QObject::connect(&m_receiver, &SaunaSystemReceiver::maxTemperatureTableUpdateNeeded,
                         &m_context, [this] { ++m_seen; });
    }

    void feed(const QByteArray &datagram)
    {
        m_receiver.handleDatagram(datagram, peerAddress, peerPort);
    }

private:
    CountingSink m_sink;
    AppendingFormatter m_formatter;
    QObject m_context;
    pcPanel::SaunaSystemReceiver m_receiver;
    quint64 m_seen = 0;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzing::installQuietLogging();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // One receiver for the whole run, as in the panel: its parse buffer and its comparisons with
    // earlier reports carry over from one datagram to the next.
    static Harness harness;
    harness.feed(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    return 0;
}
