#include "pc_panel/connection_informer.h"

#include "pc_panel/link_logging.h"
#include "view_cpp/language_support.h"

namespace pcPanel {

namespace {

using ::signalInterface::RemoteSaunaTypes::RemoteSauna;
using ::signalInterface::UserMessageTypes::UserMessage;

int countFailures(std::initializer_list<QMetaObject::Connection> connections)
{
    int failures = 0;
    for (const QMetaObject::Connection &connection : connections) {
        if (!connection)
            ++failures;
    }
    return failures;
}

} // namespace

ConnectionInformer::ConnectionInformer(QObject *parent)
    : QObject(parent)
{
    m_noticeTimer.setObjectName(QStringLiteral("noticeTimer"));
    m_noticeTimer.setSingleShot(true);
    m_noticeTimer.setInterval(NoticeDelayMs);
    connect(&m_noticeTimer, &QTimer::timeout, this, &ConnectionInformer::tellConnectionNow);
}

ConnectionInformer::~ConnectionInformer() = default;

int ConnectionInformer::connectSaunaCommunicationSignals(const QList<QObject *> &senders)
{
    int failures = 0;
    for (QObject *sender : senders) {
        if (sender == nullptr) {
            failures += 6;
            continue;
        }
        failures += countFailures({
            connect(sender, SIGNAL(autoConnectChanged(bool)), this,
                    SLOT(onAutoConnectChanged(bool))),
            connect(sender,
                    SIGNAL(remoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                    this,
                    SLOT(onRemoteSaunaChanged(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(sender,
                    SIGNAL(remoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                    this,
                    SLOT(onRemoteSaunaRemoved(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(sender, SIGNAL(selectedRemoteSaunaChanged(QUuid)), this,
                    SLOT(onSelectedRemoteSaunaChanged(QUuid))),
            connect(sender, SIGNAL(disconnected()), this, SLOT(onDisconnected())),
            connect(sender, SIGNAL(manualConnectDone()), this, SLOT(onManualConnectDone())),
        });
    }
    if (failures != 0)
        qCWarning(linkLog) << failures << "link signal connections of the informer failed";
    return failures;
}

int ConnectionInformer::connectConnectionStateMachineSignals(const QList<QObject *> &senders)
{
    int failures = 0;
    for (QObject *sender : senders) {
        if (sender == nullptr) {
            failures += 9;
            continue;
        }
        failures += countFailures({
            connect(
                sender, SIGNAL(connectSucceeded(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                this, SLOT(onConnectSucceeded(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(sender, SIGNAL(connectFailed(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                    this, SLOT(onConnectFailed(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(sender,
                    SIGNAL(connectPinFail(::signalInterface::RemoteSaunaTypes::RemoteSauna)), this,
                    SLOT(onConnectPinFail(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(
                sender,
                SIGNAL(connectCompatibilityFail(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                this,
                SLOT(onConnectCompatibilityFail(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(
                sender,
                SIGNAL(connectDoorSwitchFail(::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                this,
                SLOT(onConnectDoorSwitchFail(::signalInterface::RemoteSaunaTypes::RemoteSauna))),
            connect(sender, SIGNAL(connectionLost()), this, SLOT(onConnectionLost())),
            connect(sender, SIGNAL(reconnected()), this, SLOT(onReconnected())),
            connect(sender, SIGNAL(connectFailedNoResponse()), this,
                    SLOT(onConnectFailedNoResponse())),
            connect(sender,
                    SIGNAL(connectOtherSystemAnswered(
                        ::signalInterface::RemoteSaunaTypes::RemoteSauna,
                        ::signalInterface::RemoteSaunaTypes::RemoteSauna)),
                    this,
                    SLOT(onConnectOtherSystemAnswered(
                        ::signalInterface::RemoteSaunaTypes::RemoteSauna,
                        ::signalInterface::RemoteSaunaTypes::RemoteSauna))),
        });
    }
    if (failures != 0)
        qCWarning(linkLog) << failures << "state machine connections of the informer failed";
    return failures;
}

QString ConnectionInformer::idleTitle()
{
    return view::LanguageSupport::pcControlPanelText();
}

QString ConnectionInformer::connectedTitle(const QString &saunaName)
{
    return tr("%1 - %2").arg(idleTitle(), saunaName);
}

QString ConnectionInformer::connectionLostTitle(const QString &saunaName)
{
    return tr("%1 - %2 (connection lost)").arg(idleTitle(), saunaName);
}

void ConnectionInformer::onAutoConnectChanged(bool autoConnect)
{
    m_autoConnect = autoConnect;
}

void ConnectionInformer::onRemoteSaunaChanged(RemoteSauna sauna)
{
    m_saunaNames.insert(sauna.identity, sauna.name);
    if (m_connected && sauna.identity == m_connectedIdentity && sauna.name != m_connectedName) {
        m_connectedName = sauna.name;
        setTitle(connectedTitle(m_connectedName));
    }
}

void ConnectionInformer::onRemoteSaunaRemoved(RemoteSauna sauna)
{
    m_saunaNames.remove(sauna.identity);
}

void ConnectionInformer::onSelectedRemoteSaunaChanged(QUuid identity)
{
    m_selected = identity;
}

void ConnectionInformer::onDisconnected()
{
    // The user ended it: a loss held back is no news.
    m_noticeTimer.stop();
    withdrawConnectedMessage();
    m_connected = false;
    m_toldConnected = false;
    m_connectedIdentity = QUuid();
    m_connectedName.clear();
    setTitle(idleTitle());
}

void ConnectionInformer::onManualConnectDone()
{
    // The outcome of the attempt follows from the state machine; there is nothing to tell yet.
}

void ConnectionInformer::onConnectSucceeded(RemoteSauna sauna)
{
    m_noticeTimer.stop();
    m_connected = true;
    m_toldConnected = true;
    m_connectedIdentity = sauna.identity;
    m_connectedName = nameOf(sauna);
    setTitle(connectedTitle(m_connectedName));
    announceConnection(m_connectedName);
}

void ConnectionInformer::onConnectFailed(RemoteSauna sauna)
{
    tellConnectionNow();
    issue(ConnectFailedMessage, nameOf(sauna));
}

void ConnectionInformer::onConnectPinFail(RemoteSauna sauna)
{
    tellConnectionNow();
    issue(PinFailMessage, nameOf(sauna));
}

void ConnectionInformer::onConnectCompatibilityFail(RemoteSauna sauna)
{
    tellConnectionNow();
    issue(CompatibilityFailMessage, nameOf(sauna));
}

void ConnectionInformer::onConnectDoorSwitchFail(RemoteSauna sauna)
{
    tellConnectionNow();
    issue(DoorSwitchFailMessage, nameOf(sauna));
}

void ConnectionInformer::onConnectOtherSystemAnswered(RemoteSauna sauna, RemoteSauna other)
{
    tellConnectionNow();
    // A system that gave no usable name is named by its identity.
    const QString otherName =
        other.name.isEmpty() ? other.identity.toString(QUuid::WithoutBraces) : other.name;
    issue(OtherSystemMessage, QStringList{otherName, nameOf(sauna)});
}

void ConnectionInformer::onConnectionLost()
{
    // The sauna stays named: a reconnect returns to it.
    m_connected = false;
    setTitle(connectionLostTitle(m_connectedName));
    scheduleNotice();
}

void ConnectionInformer::onReconnected()
{
    m_connected = true;
    setTitle(connectedTitle(m_connectedName));
    scheduleNotice();
}

void ConnectionInformer::scheduleNotice()
{
    // Started by the first change only and never pushed back: a link that keeps flapping is
    // still told how it is once the delay has run out.
    if (m_connected != m_toldConnected && !m_noticeTimer.isActive())
        m_noticeTimer.start();
}

void ConnectionInformer::tellConnectionNow()
{
    m_noticeTimer.stop();
    if (m_connected == m_toldConnected)
        return;
    m_toldConnected = m_connected;
    if (m_connected) {
        announceConnection(m_connectedName);
        return;
    }
    withdrawConnectedMessage();
    issue(ConnectionLostMessage, m_connectedName);
}

void ConnectionInformer::onConnectFailedNoResponse()
{
    tellConnectionNow();
    // The state machine names no sauna here: the attempt was for the selected one.
    issue(NoResponseMessage, m_saunaNames.value(m_selected));
}

void ConnectionInformer::issue(quint32 id, const QString &saunaName)
{
    issue(id, QStringList{saunaName});
}

void ConnectionInformer::issue(quint32 id, const QStringList &arguments)
{
    UserMessage message(id);
    message.arguments = arguments;
    emit panelUserMessageIssued(message, nullptr);
}

void ConnectionInformer::withdraw(quint32 id, const QString &saunaName)
{
    UserMessage message(id);
    message.arguments.append(saunaName);
    emit panelUserMessageWithdrawn(message);
}

void ConnectionInformer::announceConnection(const QString &saunaName)
{
    for (const quint32 id : {ConnectionLostMessage, NoResponseMessage, ConnectFailedMessage,
                             PinFailMessage, CompatibilityFailMessage, DoorSwitchFailMessage})
        withdraw(id, saunaName);
    withdrawConnectedMessage();
    m_connectedMessageName = saunaName;
    issue(ConnectedMessage, saunaName);
}

void ConnectionInformer::withdrawConnectedMessage()
{
    if (!m_connectedMessageName)
        return;
    const QString name = *m_connectedMessageName;
    m_connectedMessageName.reset();
    withdraw(ConnectedMessage, name);
}

void ConnectionInformer::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit windowTitleChangeRequested(title);
}

QString ConnectionInformer::nameOf(const RemoteSauna &sauna) const
{
    if (!sauna.name.isEmpty())
        return sauna.name;
    return m_saunaNames.value(sauna.identity);
}

} // namespace pcPanel
