#pragma once

#include "pc_panel/connection_state_machine.h"
#include "pc_panel/remote_sauna_list.h"
#include "pc_panel/sauna_system_receiver.h"
#include "pc_panel/sauna_system_sender.h"
#include "signal_interface/remote_sauna_types.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>
#include <QUuid>

namespace saunaBridge {
class MessageFormatterBase;
} // namespace saunaBridge

namespace pcPanel {

// The network link to the sauna systems: discovery by announcements, the list of known saunas,
// the selected sauna and auto-connect, and the one connection with its sender and receiver.
class SaunaCommunication : public QObject
{
    Q_OBJECT

public:
    // The port this panel takes announcements on; a second panel falls back to any free port.
    static constexpr quint16 AnnouncementPort = 54377;
    // The port sauna systems take announcement requests on.
    static constexpr quint16 AnnouncementRequestPort = 54378;
    static constexpr int AnnouncementIntervalMs = 15000;
    static constexpr int IpDetectTimeoutMs = 2500;
    // Saunas learned from the network reach the settings file at most this often, together.
    static constexpr int DiscoveredSaveDelayMs = 1000;
    // Larger datagrams are dropped unread; no message of the protocol comes near it.
    static constexpr qint64 MaximumDatagramSize = 65536;

    // Ports and timer lengths; the defaults are the constants above. Tests change them.
    struct Timing
    {
        int announcementIntervalMs = AnnouncementIntervalMs;
        int ipDetectTimeoutMs = IpDetectTimeoutMs;
        int discoveredSaveDelayMs = DiscoveredSaveDelayMs;
        quint16 announcementPort = AnnouncementPort;
        quint16 announcementRequestPort = AnnouncementRequestPort;
        ConnectionStateMachine::Timing connection;
    };

    // Builds the receiver (given the formatter, not owned), the sender, the sauna socket and the
    // state machine, in this order, and loads the list of known saunas.
    SaunaCommunication(QObject *parent, saunaBridge::MessageFormatterBase *formatter);
    SaunaCommunication(QObject *parent, saunaBridge::MessageFormatterBase *formatter,
                       const Timing &timing);
    // Sends the disconnect request first if a connection is still up, and writes learned saunas
    // that still wait for their write.
    ~SaunaCommunication() override;

    SaunaSystemReceiver *saunaSystemReceiver() { return &m_receiver; }
    SaunaSystemSender *saunaSystemSender() { return &m_sender; }
    ConnectionStateMachine *connectionStateMachine() { return &m_stateMachine; }
    // The socket the connection's datagrams go through. The link reads it on readyRead, before
    // any later connection to that signal is called.
    QUdpSocket *saunaSystemSocket() { return &m_saunaSocket; }

    bool autoConnect() const { return m_autoConnect; }
    const QUuid &selectedRemoteSauna() const { return m_selected; }
    const QList<::signalInterface::RemoteSaunaTypes::RemoteSauna> &remoteSaunas() const
    {
        return m_remoteSaunas.saunas();
    }
    bool isConnected() const { return m_stateMachine.isConnected(); }
    // 0 while not bound.
    quint16 saunaSystemPort() const;
    quint16 announcementPort() const;

    // The application's aboutToQuit() to onAboutToQuit(); false when there is no application.
    bool connectAboutToQuit();
    // The Network screen's five request signals to the slots below; returns the failed count.
    int connectViewRequests(const QList<QObject *> &senders);

    // autoConnectChanged, remoteSaunaChanged for every known sauna in list order, then
    // selectedRemoteSaunaChanged.
    void emitCurrentState();
    // (Re)binds the sauna socket to the local port (0: any free port) on every IPv4 address and
    // reads its datagrams; a connection in progress ends first. False when the port cannot be
    // bound.
    bool bindSaunaSystemSocket(quint16 port);
    // (Re)binds the announcement socket (the fallback: any free port), sends an announcement
    // request at once and then periodically, and connects to the selected sauna when
    // auto-connect is on and its address is known. False when no port can be bound.
    bool startAnnouncements();

    // Reads one announcement datagram: identity, sauna port, brand, product and name go into
    // sauna, nothing else is touched. False, with sauna unchanged, when the datagram is dropped:
    // it does not parse, lacks a member, or has an identity that is not a UUID, a port outside
    // 1-65535 or a name that is not text.
    static bool decodeAnnouncement(const QByteArray &datagram,
                                   ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);

public slots:
    void onAutoConnectChangeRequest(bool autoConnect);
    void onConnectRequest(QUuid identity);
    void onDisconnectRequest();
    // Stores (store) or removes a sauna. A stored PIN ends that sauna's wrong-PIN hold and goes
    // into the attempts for it that are going on; with auto-connect on and no connection or
    // attempt, the selected sauna is connected with it at once.
    void onRemoteSaunaChangeRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna,
                                    bool store);
    void onIpDetectRequest(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onAboutToQuit();

signals:
    void autoConnectChanged(bool autoConnect);
    void connectedChanged(bool connected);
    void remoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void remoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void selectedRemoteSaunaChanged(QUuid identity);
    void disconnected();
    void manualConnectDone();
    // The text is address ":" port; true when that address answered before the time ran out.
    void ipDetectDone(QString address, bool found);
    void isUsingFallbackAnnouncement(int port);

private:
    void readSaunaDatagrams();
    void readAnnouncements();
    void handleAnnouncement(const QByteArray &datagram, const QHostAddress &sender);
    // Puts a sauna learned from the network into the list and tells the screen of the sauna it
    // replaced; the file follows within the save delay when something it keeps (a new sauna, a
    // brand, product or name) changed, not on every announcement. False when the list is full of
    // saunas it must keep.
    bool listDiscovered(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    void scheduleDiscoveredSave();
    // Writes the whole list now, which ends any wait for the save delay.
    void saveRemoteSaunas();
    void sendAnnouncementRequests();
    bool sendAnnouncementRequest(const QHostAddress &address, quint16 port);
    void onIpDetectTimeout();
    void finishIpDetect(bool found);
    // Connects to the selected sauna when auto-connect is on, no connection or attempt is going
    // on and the sauna's address is known, unless that sauna refused the PIN it still has.
    void autoConnectStep();
    // Ends the current connection (sending the disconnect request) and reports it.
    void endConnection();
    void onConnectionStateChanged(ConnectionStateMachine::State state);
    void onConnectionAccepted(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    void onPinRefused(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);
    // Another system answered at the sauna's address: the list forgets that address, so that
    // nothing connects there until the sauna announces itself again.
    void onOtherSystemAnswered(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna);

    Timing m_timing;
    SaunaSystemReceiver m_receiver;
    SaunaSystemSender m_sender;
    QUdpSocket m_saunaSocket;
    ConnectionStateMachine m_stateMachine;
    RemoteSaunaList m_remoteSaunas;
    QUdpSocket m_announcementSocket;
    QTimer m_announcementTimer;
    QTimer m_ipDetectTimer;
    QTimer m_discoveredSaveTimer;

    bool m_autoConnect = true;
    QUuid m_selected;
    // The sauna whose reports the panel holds: the one that accepted the last connection.
    QUuid m_reportingSauna;
    bool m_connected = false;
    QHostAddress m_ipDetectAddress;
    quint16 m_ipDetectPort = 0;
    // The sauna that last refused a PIN, and that PIN: not tried again by itself until the user
    // enters a PIN for that sauna or connects by hand.
    QUuid m_pinRefusedIdentity;
    QString m_pinRefused;
};

} // namespace pcPanel
