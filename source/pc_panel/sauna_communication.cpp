#include "pc_panel/sauna_communication.h"

#include "control/settings.h"
#include "pc_panel/instance_settings.h"
#include "pc_panel/link_logging.h"
#include "pc_panel/local_ipv4_addresses.h"
#include "protocol_buffers_support/message_parsing.h"
#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "signal_interface/monotonic_clock.h"
#include "signal_interface/protocol_facts.h"
#include "value/pin_packing.h"

#include "connect.pb.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QSettings>

namespace pcPanel {

namespace {

using control::Settings;
using ::signalInterface::RemoteSaunaTypes::RemoteSauna;
namespace conversion = pbSupport::conversion;

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// Sockets bound to IPv4 report plain IPv4 senders; a mapped form is turned into the plain one so
// that addresses compare and print alike.
QHostAddress plainAddress(const QHostAddress &address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4) : address;
}

QString addressText(const QHostAddress &address, quint16 port)
{
    return address.toString() + QLatin1Char(':') + QString::number(port);
}

// Reads every pending datagram of the socket; oversize ones are dropped unread.
template<typename Handler>
void drainDatagrams(QUdpSocket &socket, const char *what, Handler handle)
{
    while (socket.hasPendingDatagrams()) {
        const qint64 size = socket.pendingDatagramSize();
        if (size > SaunaCommunication::MaximumDatagramSize) {
            socket.readDatagram(nullptr, 0);
            qCDebug(linkLog) << "oversize datagram of" << size << "bytes on the" << what
                             << "socket dropped";
            continue;
        }
        const QNetworkDatagram datagram = socket.receiveDatagram(qMax<qint64>(size, 0));
        if (!datagram.isValid())
            continue;
        handle(datagram);
    }
}

} // namespace

SaunaCommunication::SaunaCommunication(QObject *parent,
                                       saunaBridge::MessageFormatterBase *formatter)
    : SaunaCommunication(parent, formatter, Timing{})
{}

SaunaCommunication::SaunaCommunication(QObject *parent,
                                       saunaBridge::MessageFormatterBase *formatter,
                                       const Timing &timing)
    : QObject(parent)
    , m_timing(timing)
    , m_receiver(formatter)
    , m_stateMachine(timing.connection, nullptr)
{
    m_sender.setTransport(&m_stateMachine);
    m_receiver.setConnectionMessageSink(&m_stateMachine);
    m_stateMachine.setReceiver(&m_receiver);
    m_stateMachine.setSocket(&m_saunaSocket);

    connect(&m_sender, &SaunaSystemSender::datagramSent, &m_stateMachine,
            &ConnectionStateMachine::restartKeepAliveTimer);
    // The connect reply's reports reach the screens as the receiver's own.
    connect(&m_stateMachine, &ConnectionStateMachine::saunaSystemModeChanged, &m_receiver,
            &SaunaSystemReceiver::saunaSystemModeChanged);
    connect(&m_stateMachine, &ConnectionStateMachine::saunaMasterProductChanged, &m_receiver,
            &SaunaSystemReceiver::saunaMasterProductChanged);
    connect(&m_stateMachine, &ConnectionStateMachine::stateChanged, this,
            &SaunaCommunication::onConnectionStateChanged);
    connect(&m_stateMachine, &ConnectionStateMachine::connectSucceeded, this,
            &SaunaCommunication::onConnectionAccepted);
    connect(&m_stateMachine, &ConnectionStateMachine::connectPinFail, this,
            &SaunaCommunication::onPinRefused);
    connect(&m_stateMachine, &ConnectionStateMachine::connectOtherSystemAnswered, this,
            &SaunaCommunication::onOtherSystemAnswered);

    connect(&m_saunaSocket, &QUdpSocket::readyRead, this, &SaunaCommunication::readSaunaDatagrams);
    connect(&m_announcementSocket, &QUdpSocket::readyRead, this,
            &SaunaCommunication::readAnnouncements);
    m_announcementTimer.setInterval(qMax(1, m_timing.announcementIntervalMs));
    connect(&m_announcementTimer, &QTimer::timeout, this,
            &SaunaCommunication::sendAnnouncementRequests);
    m_ipDetectTimer.setSingleShot(true);
    m_ipDetectTimer.setInterval(qMax(1, m_timing.ipDetectTimeoutMs));
    connect(&m_ipDetectTimer, &QTimer::timeout, this, &SaunaCommunication::onIpDetectTimeout);
    // Started by the first sauna learned after a write and never pushed back, so that a steady
    // stream of announcements still reaches the file once per delay.
    m_discoveredSaveTimer.setSingleShot(true);
    m_discoveredSaveTimer.setInterval(qMax(0, m_timing.discoveredSaveDelayMs));
    connect(&m_discoveredSaveTimer, &QTimer::timeout, this, &SaunaCommunication::saveRemoteSaunas);

    QSettings *instanceStore = InstanceSettings::settings();
    m_autoConnect = Settings::boolValue(key(Settings::pcPanelAutoConnectKey), true, instanceStore);
    m_selected =
        QUuid(instanceStore->value(key(Settings::pcPanelSelectedRemoteSaunaKey)).toString());
    m_stateMachine.setAutoReconnect(m_autoConnect);
    m_remoteSaunas.load();
    // A file written before the list had a bound may hold more; it follows with the next write.
    if (!m_remoteSaunas.trimToCapacity(m_selected).isEmpty())
        scheduleDiscoveredSave();
}

SaunaCommunication::~SaunaCommunication()
{
    // The sauna must not wait for keep-alives of a panel that is gone; nobody is told any more.
    disconnect(&m_stateMachine, nullptr, this, nullptr);
    m_stateMachine.disconnectFromSauna();
    if (m_discoveredSaveTimer.isActive())
        saveRemoteSaunas();
}

quint16 SaunaCommunication::saunaSystemPort() const
{
    return m_saunaSocket.state() == QAbstractSocket::BoundState ? m_saunaSocket.localPort() : 0;
}

quint16 SaunaCommunication::announcementPort() const
{
    return m_announcementSocket.state() == QAbstractSocket::BoundState
               ? m_announcementSocket.localPort()
               : 0;
}

bool SaunaCommunication::connectAboutToQuit()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (application == nullptr)
        return false;
    return static_cast<bool>(connect(application, &QCoreApplication::aboutToQuit, this,
                                     &SaunaCommunication::onAboutToQuit));
}

int SaunaCommunication::connectViewRequests(const QList<QObject *> &senders)
{
    static constexpr int connectionsPerSender = 5;
    int failures = 0;
    for (QObject *sender : senders) {
        if (sender == nullptr) {
            failures += connectionsPerSender;
            continue;
        }
        const bool results[connectionsPerSender] = {
            static_cast<bool>(connect(sender, SIGNAL(autoConnectChangeRequest(bool)), this,
                                      SLOT(onAutoConnectChangeRequest(bool)))),
            static_cast<bool>(connect(sender, SIGNAL(connectRequest(QUuid)), this,
                                      SLOT(onConnectRequest(QUuid)))),
            static_cast<bool>(
                connect(sender, SIGNAL(disconnectRequest()), this, SLOT(onDisconnectRequest()))),
            static_cast<bool>(connect(
                sender,
                SIGNAL(remoteSaunaChangeRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna,
                                                bool)),
                this,
                SLOT(onRemoteSaunaChangeRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna,
                                                bool)))),
            static_cast<bool>(connect(
                sender, SIGNAL(ipDetectRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                this, SLOT(onIpDetectRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna)))),
        };
        for (const bool connected : results) {
            if (!connected)
                ++failures;
        }
    }
    if (failures != 0)
        qCWarning(linkLog) << failures << "Network screen request connections failed";
    return failures;
}

void SaunaCommunication::emitCurrentState()
{
    emit autoConnectChanged(m_autoConnect);
    // A copy: a slot may change the list while it is walked.
    const QList<RemoteSauna> saunas = m_remoteSaunas.saunas();
    for (const RemoteSauna &sauna : saunas)
        emit remoteSaunaChanged(sauna);
    emit selectedRemoteSaunaChanged(m_selected);
}

bool SaunaCommunication::bindSaunaSystemSocket(quint16 port)
{
    if (m_stateMachine.state() != ConnectionStateMachine::State::Idle)
        endConnection();
    m_saunaSocket.close();
    if (!m_saunaSocket.bind(QHostAddress::AnyIPv4, port, QUdpSocket::DontShareAddress)) {
        qCWarning(linkLog) << "cannot bind the sauna socket to port" << port << ":"
                           << m_saunaSocket.errorString();
        return false;
    }
    return true;
}

bool SaunaCommunication::startAnnouncements()
{
    m_announcementSocket.close();
    // Not shared: a second panel on this host must really fail here and take another port.
    if (!m_announcementSocket.bind(QHostAddress::AnyIPv4, m_timing.announcementPort,
                                   QUdpSocket::DontShareAddress)) {
        qCInfo(linkLog) << "announcement port" << m_timing.announcementPort
                        << "in use:" << m_announcementSocket.errorString();
        m_announcementSocket.close();
        if (!m_announcementSocket.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::DontShareAddress)) {
            qCWarning(linkLog) << "cannot bind an announcement socket:"
                               << m_announcementSocket.errorString();
            return false;
        }
        emit isUsingFallbackAnnouncement(m_timing.announcementPort);
    }
    m_announcementTimer.start();
    sendAnnouncementRequests();
    autoConnectStep();
    return true;
}

void SaunaCommunication::onAutoConnectChangeRequest(bool autoConnect)
{
    Settings::setValue(*InstanceSettings::settings(), key(Settings::pcPanelAutoConnectKey),
                       autoConnect);
    m_autoConnect = autoConnect;
    // Off: a lost connection is no longer re-established, and nothing else happens.
    m_stateMachine.setAutoReconnect(autoConnect);
    emit autoConnectChanged(autoConnect);
    if (autoConnect)
        autoConnectStep();
}

void SaunaCommunication::onConnectRequest(QUuid identity)
{
    endConnection();
    // By hand: the user may try a PIN that was refused before.
    m_pinRefusedIdentity = QUuid();
    m_pinRefused.clear();
    Settings::setValue(*InstanceSettings::settings(), key(Settings::pcPanelSelectedRemoteSaunaKey),
                       identity.toString());
    m_selected = identity;
    emit selectedRemoteSaunaChanged(identity);
    if (const RemoteSauna *sauna = m_remoteSaunas.find(identity)) {
        const RemoteSauna target = *sauna;
        m_stateMachine.connectTo(target);
    } else {
        qCDebug(linkLog) << "connect request for unknown sauna" << identity;
    }
    emit manualConnectDone();
}

void SaunaCommunication::onDisconnectRequest()
{
    const bool wasConnected = m_connected;
    m_stateMachine.disconnectFromSauna();
    if (!wasConnected)
        emit connectedChanged(false);
    emit disconnected();
}

void SaunaCommunication::onRemoteSaunaChangeRequest(RemoteSauna sauna, bool store)
{
    if (sauna.identity.isNull()) {
        qCDebug(linkLog) << "change of a sauna without identity refused";
        return;
    }
    if (!store) {
        RemoteSauna removed = sauna;
        if (m_remoteSaunas.remove(sauna.identity, &removed))
            saveRemoteSaunas();
        emit remoteSaunaRemoved(removed);
        return;
    }
    // A PIN the sauna cannot take would not survive a restart either.
    if (!value::isValidPin(sauna.pin.pin())) {
        qCDebug(linkLog) << "sauna PIN that is not 1-4 digits refused";
        return;
    }
    // Address, port and last announcement are the link's own knowledge.
    if (const RemoteSauna *known = m_remoteSaunas.find(sauna.identity)) {
        sauna.address = known->address;
        sauna.port = known->port;
        sauna.linkValue = known->linkValue;
    }
    m_remoteSaunas.insertOrReplace(sauna);
    saveRemoteSaunas();
    emit remoteSaunaChanged(sauna);
    // A PIN the user enters is worth one try, even the one refused before; attempts still going
    // on for that sauna carry it from now on.
    if (sauna.identity == m_pinRefusedIdentity) {
        m_pinRefusedIdentity = QUuid();
        m_pinRefused.clear();
    }
    m_stateMachine.changePin(sauna.identity, sauna.pin);
    if (sauna.identity == m_selected)
        autoConnectStep();
}

void SaunaCommunication::onIpDetectRequest(RemoteSauna sauna)
{
    if (m_ipDetectTimer.isActive())
        finishIpDetect(false);
    const QHostAddress address = plainAddress(sauna.address);
    if (address.isNull() || sauna.port == 0 || announcementPort() == 0) {
        emit ipDetectDone(addressText(address, sauna.port), false);
        return;
    }
    m_ipDetectAddress = address;
    m_ipDetectPort = sauna.port;
    if (!sendAnnouncementRequest(address, sauna.port)) {
        finishIpDetect(false);
        return;
    }
    m_ipDetectTimer.start();
}

void SaunaCommunication::onAboutToQuit()
{
    m_announcementTimer.stop();
    m_ipDetectTimer.stop();
    m_stateMachine.disconnectFromSauna();
    if (m_discoveredSaveTimer.isActive())
        saveRemoteSaunas();
}

void SaunaCommunication::readSaunaDatagrams()
{
    drainDatagrams(m_saunaSocket, "sauna", [this](const QNetworkDatagram &datagram) {
        m_receiver.handleDatagram(datagram.data(), datagram.senderAddress(),
                                  static_cast<quint16>(datagram.senderPort()));
    });
}

void SaunaCommunication::readAnnouncements()
{
    drainDatagrams(m_announcementSocket, "announcement", [this](const QNetworkDatagram &datagram) {
        handleAnnouncement(datagram.data(), plainAddress(datagram.senderAddress()));
    });
}

bool SaunaCommunication::decodeAnnouncement(const QByteArray &datagram, RemoteSauna &sauna)
{
    if (datagram.size() <= 1) {
        qCDebug(linkLog) << "announcement of" << datagram.size() << "bytes";
        return false;
    }
    vaholumo::Announcement announcement;
    if (!pbSupport::parseDatagram(datagram, announcement)) {
        qCDebug(linkLog) << "announcement that does not parse";
        return false;
    }
    if (!announcement.has_identity() || !announcement.has_port() || !announcement.has_brand() ||
        !announcement.has_rcb_product() || announcement.name_size() == 0) {
        qCDebug(linkLog) << "incomplete announcement";
        return false;
    }
    const QUuid identity(QString::fromLatin1(
        announcement.identity().data(), static_cast<qsizetype>(announcement.identity().size())));
    // The protocol keeps 16 bits of the port; anything else would point at a wrong port.
    if (identity.isNull() || announcement.port() == 0 || announcement.port() > 65535) {
        qCDebug(linkLog) << "announcement with a bad identity or port";
        return false;
    }
    QString name;
    if (!conversion::codeUnitsToText(announcement.name(), name,
                                     ::signalInterface::protocolFacts::longestSaunaName)) {
        qCDebug(linkLog) << "announcement with a bad name";
        return false;
    }
    auto &products = conversion::ProductConverter::instance();
    sauna.identity = identity;
    sauna.port = static_cast<quint16>(announcement.port());
    sauna.brand = products.toSiBrand(announcement.brand());
    sauna.rcbProduct = products.toSiRcbProduct(announcement.rcb_product());
    sauna.name = name;
    return true;
}

void SaunaCommunication::handleAnnouncement(const QByteArray &datagram, const QHostAddress &sender)
{
    RemoteSauna announced;
    if (!decodeAnnouncement(datagram, announced)) {
        qCDebug(linkLog) << "announcement from" << sender << "dropped";
        return;
    }
    const QUuid identity = announced.identity;
    const RemoteSauna *known = m_remoteSaunas.find(identity);
    RemoteSauna sauna = known != nullptr ? *known : RemoteSauna{};
    const RemoteSauna before = sauna;
    sauna.identity = identity;
    sauna.address = sender;
    sauna.port = announced.port;
    sauna.brand = announced.brand;
    sauna.rcbProduct = announced.rcbProduct;
    sauna.name = announced.name;
    sauna.linkValue = ::signalInterface::MonotonicClock::nowMs();
    if (!listDiscovered(sauna))
        return;
    const bool addressChanged = before.address != sauna.address || before.port != sauna.port;

    emit remoteSaunaChanged(sauna);
    if (m_ipDetectTimer.isActive() &&
        sender.isEqual(m_ipDetectAddress, QHostAddress::TolerantConversion))
        finishIpDetect(true);
    if (identity != m_selected)
        return;
    // A lost sauna that came back at another address or port (restarted, or given a new
    // address) is sought there, not where it was. Compared with the attempts' own target, so an
    // announcement that arrived before the loss was noticed still counts at the next one.
    m_stateMachine.redirectReconnection(sauna);
    if (addressChanged)
        autoConnectStep();
}

void SaunaCommunication::sendAnnouncementRequests()
{
    const QList<QHostAddress> broadcasts = localIpv4BroadcastAddresses();
    for (const QHostAddress &broadcast : broadcasts)
        sendAnnouncementRequest(broadcast, m_timing.announcementRequestPort);
}

bool SaunaCommunication::sendAnnouncementRequest(const QHostAddress &address, quint16 port)
{
    if (m_announcementSocket.state() != QAbstractSocket::BoundState)
        return false;
    vaholumo::Announcement_request request;
    request.set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    const QByteArray datagram = QByteArray::fromStdString(request.SerializeAsString());
    if (m_announcementSocket.writeDatagram(datagram, address, port) != datagram.size()) {
        qCDebug(linkLog) << "announcement request to" << address << port
                         << "failed:" << m_announcementSocket.errorString();
        return false;
    }
    return true;
}

void SaunaCommunication::onIpDetectTimeout()
{
    finishIpDetect(false);
}

void SaunaCommunication::finishIpDetect(bool found)
{
    m_ipDetectTimer.stop();
    const QString text = addressText(m_ipDetectAddress, m_ipDetectPort);
    m_ipDetectAddress.clear();
    m_ipDetectPort = 0;
    emit ipDetectDone(text, found);
}

void SaunaCommunication::autoConnectStep()
{
    if (!m_autoConnect || m_stateMachine.state() != ConnectionStateMachine::State::Idle)
        return;
    const RemoteSauna *sauna = m_remoteSaunas.find(m_selected);
    if (sauna == nullptr || sauna->address.isNull() || sauna->port == 0)
        return;
    if (!m_pinRefusedIdentity.isNull() && sauna->identity == m_pinRefusedIdentity &&
        sauna->pin.pin() == m_pinRefused) {
        qCDebug(linkLog) << "sauna" << sauna->identity
                         << "refused its stored PIN; not connecting by itself";
        return;
    }
    const RemoteSauna target = *sauna;
    m_stateMachine.connectTo(target);
}

void SaunaCommunication::endConnection()
{
    if (m_stateMachine.state() == ConnectionStateMachine::State::Idle)
        return;
    m_stateMachine.disconnectFromSauna();
    emit disconnected();
}

void SaunaCommunication::onConnectionStateChanged(ConnectionStateMachine::State state)
{
    const bool connected = state == ConnectionStateMachine::State::Connected;
    if (connected == m_connected)
        return;
    m_connected = connected;
    emit connectedChanged(connected);
}

void SaunaCommunication::onPinRefused(const RemoteSauna &sauna)
{
    m_pinRefusedIdentity = sauna.identity;
    m_pinRefused = sauna.pin.pin();
}

void SaunaCommunication::onOtherSystemAnswered(const RemoteSauna &sauna)
{
    RemoteSauna *known = m_remoteSaunas.find(sauna.identity);
    // An announcement may have moved it elsewhere meanwhile; that address stays.
    if (known == nullptr || known->address != sauna.address || known->port != sauna.port)
        return;
    known->address.clear();
    known->port = 0;
    const RemoteSauna changed = *known;
    emit remoteSaunaChanged(changed);
}

void SaunaCommunication::onConnectionAccepted(const RemoteSauna &sauna)
{
    m_pinRefusedIdentity = QUuid();
    m_pinRefused.clear();
    // A new connection must not toggle from the last sauna's reported lights or fan state.
    m_sender.resetReportedStates();
    if (!m_reportingSauna.isNull() && m_reportingSauna != sauna.identity)
        emit m_receiver.saunaReplaced();
    m_reportingSauna = sauna.identity;
    RemoteSauna entry = sauna;
    const RemoteSauna *known = m_remoteSaunas.find(sauna.identity);
    if (known != nullptr) {
        entry.pin = known->pin;
        entry.linkValue = known->linkValue;
    }
    if (listDiscovered(entry))
        emit remoteSaunaChanged(entry);
}

bool SaunaCommunication::listDiscovered(const RemoteSauna &sauna)
{
    const RemoteSauna *known = m_remoteSaunas.find(sauna.identity);
    bool storedFieldsChanged = known == nullptr || known->brand != sauna.brand ||
                               known->rcbProduct != sauna.rcbProduct || known->name != sauna.name;
    std::optional<RemoteSauna> dropped;
    if (!m_remoteSaunas.insertDiscovered(sauna, m_selected, dropped)) {
        qCDebug(linkLog) << "sauna" << sauna.identity
                         << "not listed: the list is full of saunas the user chose";
        return false;
    }
    if (dropped) {
        emit remoteSaunaRemoved(*dropped);
        storedFieldsChanged = true;
    }
    if (storedFieldsChanged)
        scheduleDiscoveredSave();
    return true;
}

void SaunaCommunication::scheduleDiscoveredSave()
{
    if (!m_discoveredSaveTimer.isActive())
        m_discoveredSaveTimer.start();
}

void SaunaCommunication::saveRemoteSaunas()
{
    m_discoveredSaveTimer.stop();
    m_remoteSaunas.save();
}

} // namespace pcPanel
