// A sauna system that lies: it answers announcements, connects any panel and answers its
// keep-alives like a sauna, but sends every connected panel, many times a second, one datagram
// crammed with records it cannot hold (node items with bad values, or calendar posts for slots
// that do not exist). With flood_measure.sh it shows how the panel's memory behaves under such a
// stream. It stops by itself after the given number of seconds of flooding.
//
//     flood_sauna --kind nodes|calendar [--items N] [--rate R] [--seconds S]
//
// Run it only inside a private network namespace (see flood_measure.sh).

#include "sauna_simulator/simulator_messages.h"
#include "sauna_simulator/simulator_options.h"

#include "message.pb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QTextStream>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>
#include <vector>

namespace {

const QString saunaIdentity = QStringLiteral("{6f1c2b8e-3d4a-4e5f-9a7b-2c8d1e0f4a63}");

struct Options
{
    QString kind = QStringLiteral("nodes");
    int items = 5000;
    int rate = 20;
    int seconds = 60;
};

// One datagram with `items` records, none of which converts: node items with an index past the
// bus, or calendar posts for slots past the calendar's 64.
QByteArray floodDatagram(const Options &options)
{
    vaholumo::Sauna_to_external envelope;
    for (int i = 0; i < options.items; ++i) {
        if (options.kind == QLatin1String("calendar")) {
            envelope.add_calendar_post()->set_index(64 + quint32(i % 64));
        } else {
            envelope.add_node_item()->set_index(8 + quint32(i % 100));
        }
    }
    const std::string bytes = envelope.SerializeAsString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

class FloodSauna : public QObject
{
public:
    explicit FloodSauna(const Options &options)
        : m_options(options)
        , m_flood(floodDatagram(options))
    {
        m_identity.identity = QUuid::fromString(saunaIdentity);
        m_identity.name = QStringLiteral("Simulated sauna");
        connect(&m_announcementSocket, &QUdpSocket::readyRead, this,
                &FloodSauna::readAnnouncementRequests);
        connect(&m_saunaSocket, &QUdpSocket::readyRead, this, &FloodSauna::readSaunaDatagrams);
        connect(&m_floodTimer, &QTimer::timeout, this, &FloodSauna::flood);
        m_floodTimer.setInterval(1000 / qMax(1, options.rate));
    }

    bool start()
    {
        return m_announcementSocket.bind(QHostAddress::AnyIPv4,
                                         tools::SimulatorOptions::DefaultAnnouncePort,
                                         QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint) &&
               m_saunaSocket.bind(QHostAddress::AnyIPv4, tools::SimulatorOptions::DefaultSaunaPort);
    }

    qsizetype floodSize() const { return m_flood.size(); }

private:
    void readAnnouncementRequests()
    {
        while (m_announcementSocket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_announcementSocket.receiveDatagram();
            if (tools::decodeAnnouncementRequest(datagram.data()))
                m_announcementSocket.writeDatagram(
                    tools::encodeAnnouncement(m_identity, m_saunaSocket.localPort()),
                    datagram.senderAddress(), quint16(datagram.senderPort()));
        }
    }

    void readSaunaDatagrams()
    {
        while (m_saunaSocket.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = m_saunaSocket.receiveDatagram();
            vaholumo::External_to_sauna envelope;
            if (!tools::decodeExternalToSauna(datagram.data(), envelope))
                continue;
            const QHostAddress address = datagram.senderAddress();
            const auto port = quint16(datagram.senderPort());
            if (envelope.has_connect_request()) {
                m_saunaSocket.writeDatagram(
                    tools::encodeConnectReply(m_identity, tools::ConnectStatus::Accepted, 0),
                    address, port);
                m_panelAddress = address;
                m_panelPort = port;
                if (!m_floodTimer.isActive()) {
                    std::printf("panel connected; flooding %d datagrams/s of %lld bytes\n",
                                m_options.rate, static_cast<long long>(m_flood.size()));
                    std::fflush(stdout);
                    m_flooding.start();
                    m_floodTimer.start();
                }
            }
            if (envelope.has_keep_alive())
                m_saunaSocket.writeDatagram(
                    tools::encodeKeepAlive(envelope.keep_alive().sequence_number()), address, port);
        }
    }

    void flood()
    {
        if (m_flooding.elapsed() >= qint64(m_options.seconds) * 1000) {
            std::printf("sent %lld datagrams\n", m_sent);
            std::fflush(stdout);
            QCoreApplication::quit();
            return;
        }
        m_saunaSocket.writeDatagram(m_flood, m_panelAddress, m_panelPort);
        ++m_sent;
    }

    Options m_options;
    QByteArray m_flood;
    tools::SaunaIdentity m_identity;
    QUdpSocket m_announcementSocket;
    QUdpSocket m_saunaSocket;
    QTimer m_floodTimer;
    QElapsedTimer m_flooding;
    QHostAddress m_panelAddress;
    quint16 m_panelPort = 0;
    long long m_sent = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Options options;
    const QStringList arguments = application.arguments();
    for (int i = 1; i + 1 < arguments.size(); i += 2) {
        const QString &name = arguments.at(i);
        const QString &value = arguments.at(i + 1);
        if (name == QLatin1String("--kind"))
            options.kind = value;
        else if (name == QLatin1String("--items"))
            options.items = value.toInt();
        else if (name == QLatin1String("--rate"))
            options.rate = value.toInt();
        else if (name == QLatin1String("--seconds"))
            options.seconds = value.toInt();
    }
    if ((options.kind != QLatin1String("nodes") && options.kind != QLatin1String("calendar")) ||
        options.items <= 0 || options.rate <= 0 || options.seconds <= 0) {
        std::fprintf(stderr, "usage: flood_sauna --kind nodes|calendar [--items N] [--rate R] "
                             "[--seconds S]\n");
        return 2;
    }
    FloodSauna sauna(options);
    if (sauna.floodSize() > 65507) {
        std::fprintf(stderr, "flood_sauna: %lld bytes do not fit in one datagram\n",
                     static_cast<long long>(sauna.floodSize()));
        return 2;
    }
    if (!sauna.start()) {
        std::fprintf(stderr, "flood_sauna: cannot bind the sauna ports\n");
        return 1;
    }
    return application.exec();
}
