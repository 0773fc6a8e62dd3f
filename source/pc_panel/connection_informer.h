#pragma once

#include "pc_panel/connection_state_machine.h"
#include "signal_interface/remote_sauna_types.h"
#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUuid>

#include <optional>

namespace pcPanel {

// Tells the user about the connection: a message for each outcome of a connect attempt and for a
// lost connection, and the window title naming the connected sauna. The title goes out as a
// request, since the main window lives above the link.
//
// A message that the connection has overtaken before the user dismissed it is withdrawn: when
// the connection to a sauna is there again, its failure and "lost" messages go, and when a
// connection ends, its "connected" message goes. So one "connected" message is left at most, and
// a link that comes and goes leaves one message, not one for each change.
//
// A loss and a reconnection are told only when they have held: the first change from what the
// messages say starts the notice delay (the reconnect period), and when it runs out the
// connection as it is then is told, if it differs. A sauna that restarts and takes the panel back
// within the delay changes no message, and a link that flaps shows the state it is mostly in,
// not a message for every change. A failure of the attempts tells a loss still held back first.
// A first connect and the user's disconnect are told at once. The window title always follows
// the connection at once.
//
// The delay timer is a child named "noticeTimer", so that tests can make it run out.
class ConnectionInformer : public QObject
{
    Q_OBJECT

public:
    // Message ids of the panel's connection messages.
    enum MessageId : quint32 {
        ConnectedMessage = 0x2026,
        PinFailMessage = 0x2027,
        CompatibilityFailMessage = 0x2028,
        ConnectFailedMessage = 0x2029,
        ConnectionLostMessage = 0x203e,
        NoResponseMessage = 0x203f,
        DoorSwitchFailMessage = 0x2047,
        OtherSystemMessage = 0x204e,
    };

    // How long a loss or a reconnection must hold before it is told: the link's reconnect period.
    static constexpr int NoticeDelayMs = ConnectionStateMachine::ReconnectIntervalMs;

    explicit ConnectionInformer(QObject *parent = nullptr);
    ~ConnectionInformer() override;

    // The link's list, selection and connection signals to the slots of the same names with
    // "on"; returns the number of failed connections.
    int connectSaunaCommunicationSignals(const QList<QObject *> &senders);
    // The state machine's outcome signals to the slots of the same names with "on"; returns the
    // number of failed connections.
    int connectConnectionStateMachineSignals(const QList<QObject *> &senders);

    // "PC Control Panel", the title while no sauna is connected.
    static QString idleTitle();
    static QString connectedTitle(const QString &saunaName);
    static QString connectionLostTitle(const QString &saunaName);

public slots:
    void onAutoConnectChanged(bool autoConnect);
    void onRemoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onRemoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onSelectedRemoteSaunaChanged(QUuid identity);
    void onDisconnected();
    void onManualConnectDone();

    void onConnectSucceeded(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onConnectFailed(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onConnectPinFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onConnectCompatibilityFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onConnectDoorSwitchFail(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna);
    void onConnectOtherSystemAnswered(::signalInterface::RemoteSaunaTypes::RemoteSauna sauna,
                                      ::signalInterface::RemoteSaunaTypes::RemoteSauna other);
    void onConnectionLost();
    void onReconnected();
    void onConnectFailedNoResponse();

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);
    void windowTitleChangeRequested(QString title);
    // A message issued before whose news no longer holds; equal by id and text.
    void panelUserMessageWithdrawn(::signalInterface::UserMessageTypes::UserMessage message);

private:
    void issue(quint32 id, const QString &saunaName);
    void issue(quint32 id, const QStringList &arguments);
    void withdraw(quint32 id, const QString &saunaName);
    // The connection to that sauna is there: its failures are past, and the message that says
    // so replaces any earlier one.
    void announceConnection(const QString &saunaName);
    void withdrawConnectedMessage();
    // Starts the notice delay when the connection differs from what the messages say.
    void scheduleNotice();
    // Tells the connection as it is now if the messages say otherwise, ending the delay.
    void tellConnectionNow();
    void setTitle(const QString &title);
    QString nameOf(const ::signalInterface::RemoteSaunaTypes::RemoteSauna &sauna) const;

    bool m_autoConnect = false;
    QUuid m_selected;
    // The names of the known saunas, for events that carry no record.
    QHash<QUuid, QString> m_saunaNames;
    bool m_connected = false;
    // Whether the messages say that the connection is there (told connected, loss not told).
    bool m_toldConnected = false;
    QTimer m_noticeTimer{this};
    QUuid m_connectedIdentity;
    QString m_connectedName;
    // The sauna name of the "connected" message issued last, unless withdrawn since.
    std::optional<QString> m_connectedMessageName;
    QString m_title;
};

} // namespace pcPanel
