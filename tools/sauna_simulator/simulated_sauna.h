#pragma once

#include "sauna_state_model.h"
#include "simulator_messages.h"
#include "simulator_options.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>

#include <cstddef>
#include <vector>

namespace vaholumo {
class External_to_sauna;
class General_command;
} // namespace vaholumo

namespace tools {

// A sauna system on UDP, as a panel sees one: it answers announcement requests, takes connect
// requests with a PIN, keeps connections alive, takes value, state and enum change requests,
// keeps favorites and calendar programs and runs the programs at their time, refuses starts in
// the not-allowed start period, switches itself on when a delayed start set on it is due, reports
// back what the sauna now has, heats while it is on, runs its fan with the bath and after it,
// descales its steam generator at the descaling time, and drops panels that fall silent. It tells
// every request it handles, and what came of it. Its fault switches let tests silence it, make it
// refuse connections, send malformed datagrams or fail its humidity sensor.
class SimulatedSauna : public QObject
{
    Q_OBJECT

public:
    // Larger datagrams are discarded unread; the panel never sends anything close to it.
    static constexpr qint64 MaximumDatagramSize = 8192;
    // A panel is dropped after this many keep-alive intervals without a datagram from it.
    static constexpr int MissedKeepAliveLimit = 3;
    // How often the sauna looks at its clock: for the fan to stop after a bath, and for the
    // descaling and calendar programs to start or stop.
    static constexpr int ClockLookIntervalMs = 1000;

    explicit SimulatedSauna(const SimulatorOptions &options, QObject *parent = nullptr);

    // Binds both sockets to every IPv4 address and starts the heating and clock timers. False,
    // with the reason in errorText, when a port cannot be bound.
    bool start(QString *errorText = nullptr);

    // The time the sauna's clock runs from (UTC), the computer's by default; a test sets its own
    // to move the sauna through the day. The sauna's clock keeps its offset from it.
    void setClock(SaunaStateModel::Clock nowUtc);

    quint16 announcePort() const { return m_announcementSocket.localPort(); }
    quint16 saunaPort() const { return m_saunaSocket.localPort(); }
    const SaunaIdentity &identity() const { return m_identity; }
    const SaunaStateModel &model() const { return m_model; }
    int connectedPanelCount() const { return int(m_panels.size()); }

    // A reading of the sauna's own (see SaunaStateModel::setReading), reported to every panel.
    void setReading(int reportId, quint32 value);
    // The humidity sensor failing or working again, and a tank's water level (see
    // SaunaStateModel), reported to every panel.
    void setHumiditySensorWorking(bool working);
    void setTankWaterLevel(int board, int wireLevel);
    // A delayed start set on the sauna's own keypad (see SaunaStateModel::setDelayedStart), or
    // taken back with 0, reported to every panel.
    void setDelayedStart(quint32 minutes);

    // Silent: every datagram is read and forgotten, nothing is sent; the sauna keeps heating.
    // Resuming gives every connected panel a fresh keep-alive period.
    void setSilent(bool silent);
    bool isSilent() const { return m_options.silent; }
    // Refuse every connect request (status "failed"), whatever the PIN.
    void setRefuseConnections(bool refuse) { m_options.refuse = refuse; }
    bool refusesConnections() const { return m_options.refuse; }
    // Send a malformed datagram before every good one.
    void setSendMalformed(bool malformed) { m_options.malformed = malformed; }
    bool sendsMalformed() const { return m_options.malformed; }

signals:
    // Every request of a connected panel once the sauna has handled it, one at a time: what was
    // asked and what came of it, as the simulator prints them (requestLog).
    void requestHandled(const QString &request, const QString &outcome);
    void panelConnected(const QHostAddress &address, quint16 port, const QString &unitName);
    void panelRefused(const QHostAddress &address, quint16 port, int status);
    void panelDisconnected(const QHostAddress &address, quint16 port, const QString &reason);
    // A panel's value change request as it arrived, before the sauna checks it.
    void integerRequested(int requestId, quint32 value);
    void booleanRequested(int requestId, bool value);
    // A datagram that failed to parse, that no handler takes, or that arrived while silent.
    void datagramDropped(const QHostAddress &address, quint16 port);
    // A panel's auxiliary relay post or descaling message as it arrived, before the sauna checks
    // it.
    void auxRelayRequested(const tools::AuxRelayChange &change);
    void descalingRequested(const tools::DescalingChange &change);
    // A panel asked for the buzzer of a relay control board (0 primary, 1 and 2 secondary).
    void buzzerRequested(int controlBoard);
    // A panel asked to empty the error log.
    void errorLogClearRequested();
    // The calendar programs and what came of them: a program started (ending any that ran), the
    // running one stopped (at its stop time, when its bath time ran out, switched off, or taken
    // over by another program or a favorite), or a start refused in the not-allowed start period.
    void calendarProgramStarted(quint32 index, const QString &outcome);
    void calendarProgramStopped(quint32 index, const QString &outcome);
    void calendarProgramRefused(const QString &outcome);
    // The steam generator's descaling started at its time, or finished at its end.
    void descalingStarted(const QString &outcome);
    void descalingFinished(const QString &outcome);

private:
    struct Panel
    {
        QHostAddress address;
        quint16 port = 0;
        QString unitName;
        QElapsedTimer lastHeard;
    };

    void readAnnouncementRequests();
    void readSaunaDatagrams();
    void handleEnvelope(const vaholumo::External_to_sauna &envelope, const QHostAddress &address,
                        quint16 port);
    void handleConnectRequest(const vaholumo::External_to_sauna &envelope,
                              const QHostAddress &address, quint16 port);
    SaunaReport handleRequests(const vaholumo::External_to_sauna &envelope, Panel &panel);
    // The auxiliary relay posts and the descaling message of the envelope, in that order.
    SaunaReport handleAuxRelayRequests(const vaholumo::External_to_sauna &envelope);
    SaunaReport handleGeneralCommand(const vaholumo::General_command &command, Panel &panel);
    // Tells the request and its outcome, and hands the outcome on.
    SaunaReport told(const QString &request, SaunaReport outcome);
    void heat();
    void lookAtClock();
    // Tells the calendar programs whose bath the changes ended, then the one they started.
    void tellCalendarPrograms(const SaunaReport &changes);
    // The changes, when there are any, to every panel.
    void tellAllPanels(const SaunaReport &changes);
    void superviseConnections();

    void sendToPanel(const Panel &panel, const QByteArray &payload);
    void sendToAllPanels(const QByteArray &payload);
    // Tells a buzzer request for one of the system's boards; another board is a data error.
    SaunaReport soundBuzzer(const vaholumo::General_command &command);
    void report(SaunaReport report, const Panel &requester);
    void sendDatagram(QUdpSocket &socket, const QByteArray &payload, const QHostAddress &address,
                      quint16 port, const std::vector<QByteArray> &malformedVariants);
    Panel *findPanel(const QHostAddress &address, quint16 port);
    void dropPanel(const QHostAddress &address, quint16 port, const QString &reason);
    qint64 keepAliveTimeoutMs() const;

    SimulatorOptions m_options;
    SaunaIdentity m_identity;
    SaunaStateModel m_model;
    QUdpSocket m_announcementSocket;
    QUdpSocket m_saunaSocket;
    SaunaStateModel::Clock m_clock = [] {
        return QDateTime::currentDateTimeUtc();
    };
    QTimer m_heatTimer;
    QTimer m_clockTimer;
    QTimer m_supervisionTimer;
    std::vector<Panel> m_panels;
    std::vector<QByteArray> m_malformedReports;
    std::vector<QByteArray> m_malformedAnnouncements;
    std::size_t m_malformedCount = 0;
};

} // namespace tools
