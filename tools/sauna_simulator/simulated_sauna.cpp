#include "simulated_sauna.h"

#include "request_log.h"
#include "signal_interface/protocol_facts.h"

#include "message.pb.h"

#include <QLoggingCategory>
#include <QNetworkDatagram>

#include <algorithm>

Q_LOGGING_CATEGORY(simulatorLog, "sauna.simulator", QtWarningMsg)

namespace tools {

namespace {

// The interval a connect reply of 0 seconds stands for.
constexpr qint64 DefaultKeepAliveIntervalMs = 2000;

} // namespace

SimulatedSauna::SimulatedSauna(const SimulatorOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
    m_identity.identity = options.identity;
    m_identity.name = options.name;
    m_identity.rcbProduct = options.rcbProduct;
    m_identity.systemType = options.systemType;
    m_model.setClock(m_clock);
    m_model.useProductDefaults(options.rcbProduct);
    m_model.useSystemType(options.systemType);
    m_model.setTankWaterLevel(m_model.relayBoardCount() - 1, options.waterLevel);
    m_model.setHumiditySensorWorking(!options.humiditySensorFault);
    m_model.fillErrorLog(options.errorLogEntries, QDateTime::currentDateTime());
    // Without a clock given, the sauna's clock was set right: it shows the PC's local wall time.
    const QDateTime clock = options.clock.isValid()
                                ? options.clock
                                : signalInterface::protocolFacts::wallClockOf(m_clock());
    m_model.requestSystemTime(
        quint64(std::max<qint64>(0, SaunaStateModel::protocolEpoch().msecsTo(clock))), m_clock());
    m_model.setDelayedStart(options.delayedStartMinutes);
    // The steam generator was last descaled a month before the sauna's own date.
    if (m_model.hasSteamGenerator()) {
        const auto today = qint64(m_model.systemTime() / quint64(calendar::MillisecondsPerDay));
        m_model.setReading(IntegerId::LastDescaling, quint32(std::max<qint64>(0, today - 30)));
    }
    m_malformedReports = malformedReports();
    m_malformedAnnouncements = malformedAnnouncements(m_identity);

    m_heatTimer.setInterval(std::max(1, options.heatIntervalMs));
    m_clockTimer.setInterval(ClockLookIntervalMs);
    m_supervisionTimer.setInterval(int(std::clamp<qint64>(keepAliveTimeoutMs() / 2, 100, 60000)));

    connect(&m_announcementSocket, &QUdpSocket::readyRead, this,
            &SimulatedSauna::readAnnouncementRequests);
    connect(&m_saunaSocket, &QUdpSocket::readyRead, this, &SimulatedSauna::readSaunaDatagrams);
    connect(&m_heatTimer, &QTimer::timeout, this, &SimulatedSauna::heat);
    connect(&m_clockTimer, &QTimer::timeout, this, &SimulatedSauna::lookAtClock);
    connect(&m_supervisionTimer, &QTimer::timeout, this, &SimulatedSauna::superviseConnections);
}

bool SimulatedSauna::start(QString *errorText)
{
    // Several simulated saunas may share the announcement port, as several real ones share it on
    // a network; each then has its own sauna port and identity.
    if (!m_announcementSocket.bind(QHostAddress::AnyIPv4, m_options.announcePort,
                                   QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)) {
        if (errorText)
            *errorText = QStringLiteral("cannot bind announcement port %1: %2")
                             .arg(m_options.announcePort)
                             .arg(m_announcementSocket.errorString());
        return false;
    }
    if (!m_saunaSocket.bind(QHostAddress::AnyIPv4, m_options.saunaPort,
                            QUdpSocket::DontShareAddress)) {
        if (errorText)
            *errorText = QStringLiteral("cannot bind sauna port %1: %2")
                             .arg(m_options.saunaPort)
                             .arg(m_saunaSocket.errorString());
        m_announcementSocket.close();
        return false;
    }
    m_heatTimer.start();
    m_clockTimer.start();
    m_supervisionTimer.start();
    lookAtClock(); // the first look only marks the time from which programs are due
    return true;
}

void SimulatedSauna::setClock(SaunaStateModel::Clock nowUtc)
{
    // The sauna's clock keeps the time it shows: the offset moves with the new source.
    const quint64 shown = m_model.systemTime(m_clock());
    m_clock = std::move(nowUtc);
    m_model.setClock(m_clock);
    m_model.requestSystemTime(shown, m_clock());
}

void SimulatedSauna::setSilent(bool silent)
{
    if (m_options.silent == silent)
        return;
    m_options.silent = silent;
    if (!silent) {
        for (Panel &panel : m_panels)
            panel.lastHeard.restart();
    }
}

qint64 SimulatedSauna::keepAliveTimeoutMs() const
{
    const qint64 interval = m_options.keepAliveIntervalSeconds == 0
                                ? DefaultKeepAliveIntervalMs
                                : qint64(m_options.keepAliveIntervalSeconds) * 1000;
    return MissedKeepAliveLimit * interval;
}

void SimulatedSauna::readAnnouncementRequests()
{
    while (m_announcementSocket.hasPendingDatagrams()) {
        if (m_announcementSocket.pendingDatagramSize() > MaximumDatagramSize) {
            m_announcementSocket.readDatagram(nullptr, 0);
            qCDebug(simulatorLog) << "oversize datagram on the announcement port dropped";
            continue;
        }
        const QNetworkDatagram datagram = m_announcementSocket.receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (m_options.silent) {
            emit datagramDropped(sender, senderPort);
            continue;
        }
        if (!decodeAnnouncementRequest(datagram.data())) {
            qCDebug(simulatorLog) << "malformed announcement request from" << sender << senderPort
                                  << "dropped, size" << datagram.data().size();
            emit datagramDropped(sender, senderPort);
            continue;
        }
        sendDatagram(m_announcementSocket, encodeAnnouncement(m_identity, saunaPort()), sender,
                     senderPort, m_malformedAnnouncements);
    }
}

void SimulatedSauna::readSaunaDatagrams()
{
    while (m_saunaSocket.hasPendingDatagrams()) {
        if (m_saunaSocket.pendingDatagramSize() > MaximumDatagramSize) {
            m_saunaSocket.readDatagram(nullptr, 0);
            qCDebug(simulatorLog) << "oversize datagram on the sauna port dropped";
            continue;
        }
        const QNetworkDatagram datagram = m_saunaSocket.receiveDatagram();
        const QHostAddress sender = datagram.senderAddress();
        const quint16 senderPort = quint16(datagram.senderPort());
        if (m_options.silent) {
            emit datagramDropped(sender, senderPort);
            continue;
        }
        vaholumo::External_to_sauna envelope;
        if (!decodeExternalToSauna(datagram.data(), envelope)) {
            qCDebug(simulatorLog) << "malformed datagram from" << sender << senderPort
                                  << "dropped, size" << datagram.data().size() << "starting"
                                  << datagram.data().left(16).toHex(' ');
            emit datagramDropped(sender, senderPort);
            continue;
        }
        handleEnvelope(envelope, sender, senderPort);
    }
}

void SimulatedSauna::handleEnvelope(const vaholumo::External_to_sauna &envelope,
                                    const QHostAddress &address, quint16 port)
{
    if (envelope.has_connect_request())
        handleConnectRequest(envelope, address, port);

    Panel *panel = findPanel(address, port);
    if (!panel) {
        // Only a connected panel may talk to the sauna; tell any other sender so. A connect
        // request has had its answer already.
        if (!envelope.has_connect_request()) {
            emit datagramDropped(address, port);
            if (!envelope.has_disconnect_request())
                sendDatagram(m_saunaSocket, encodeNoConnection(), address, port,
                             m_malformedReports);
        }
        return;
    }
    panel->lastHeard.restart();

    if (envelope.has_disconnect_request()) {
        dropPanel(address, port, QStringLiteral("disconnect request"));
        return;
    }
    if (envelope.has_keep_alive())
        sendToPanel(*panel, encodeKeepAlive(envelope.keep_alive().sequence_number()));

    report(handleRequests(envelope, *panel), *panel);
}

void SimulatedSauna::handleConnectRequest(const vaholumo::External_to_sauna &envelope,
                                          const QHostAddress &address, quint16 port)
{
    const std::optional<ConnectRequest> request = decodeConnectRequest(envelope.connect_request());
    int status = ConnectStatus::Accepted;
    if (!request || m_options.refuse)
        status = ConnectStatus::Failed;
    else if (request->pin != m_options.pin)
        status = ConnectStatus::PinFail;

    sendDatagram(m_saunaSocket,
                 encodeConnectReply(m_identity, status, m_options.keepAliveIntervalSeconds),
                 address, port, m_malformedReports);

    if (status != ConnectStatus::Accepted) {
        if (findPanel(address, port))
            dropPanel(address, port, QStringLiteral("connect refused"));
        emit panelRefused(address, port, status);
        return;
    }

    Panel *panel = findPanel(address, port);
    if (!panel) {
        m_panels.push_back(Panel{address, port, {}, {}});
        panel = &m_panels.back();
    }
    panel->unitName = request->unitName;
    panel->lastHeard.restart();
    emit panelConnected(address, port, panel->unitName);
    sendToPanel(*panel,
                encodeFullReport(m_model, m_clock(),
                                 simulatedNodes(m_options.systemType == SystemType::MultiSteam)));
    // A fault that stands reaches the panel that connects, as the sauna's own display shows it;
    // raised before any panel was there (a sensor that failed at start), it reached none.
    SaunaReport fault;
    fault.userMessage = m_model.standingFault();
    if (fault.userMessage)
        sendToPanel(*panel, encodeReport(fault, m_model, m_clock()));
}

SaunaReport SimulatedSauna::handleRequests(const vaholumo::External_to_sauna &envelope,
                                           Panel &panel)
{
    SaunaReport changes;
    for (const vaholumo::General_command &command : envelope.general_command())
        changes.append(handleGeneralCommand(command, panel));

    for (const vaholumo::Integer_value_change_request &request :
         envelope.integer_value_change_request()) {
        if (request.has_value_id() && request.has_value()) {
            emit integerRequested(request.value_id(), request.value());
            changes.append(told(requestLog::integerRequest(request.value_id(), request.value()),
                                m_model.requestInteger(request.value_id(), request.value())));
        } else {
            SaunaReport refused;
            refused.dataErrors.push_back(QStringLiteral("integer request without id or value"));
            changes.append(told(QStringLiteral("integer without id or value"), refused));
        }
    }
    for (const vaholumo::Boolean_value_change_request &request :
         envelope.boolean_value_change_request()) {
        if (request.has_value_id() && request.has_value()) {
            emit booleanRequested(request.value_id(), request.value() != 0);
            changes.append(
                told(requestLog::booleanRequest(request.value_id(), request.value() != 0),
                     m_model.requestBoolean(request.value_id(), request.value() != 0)));
        } else {
            SaunaReport refused;
            refused.dataErrors.push_back(QStringLiteral("boolean request without id or value"));
            changes.append(told(QStringLiteral("boolean without id or value"), refused));
        }
    }
    for (const vaholumo::Enum_value_change_request &request :
         envelope.enum_value_change_request()) {
        const EnumSettings settings = decodeEnumRequest(request);
        SaunaReport outcome;
        if (settings.isEmpty())
            outcome.dataErrors.push_back(QStringLiteral("enum request without a setting"));
        else
            outcome = m_model.requestEnums(settings);
        changes.append(told(requestLog::enumRequest(settings), outcome));
    }
    for (const vaholumo::Favorite_post &post : envelope.favorite_post()) {
        const FavoriteChange change = decodeFavoritePost(post);
        changes.append(told(requestLog::favoritePost(change), m_model.requestFavorite(change)));
    }
    for (const vaholumo::Calendar_post &post : envelope.calendar_post()) {
        const CalendarChange change = decodeCalendarPost(post);
        changes.append(
            told(requestLog::calendarPost(change), m_model.requestCalendarProgram(change)));
    }
    changes.append(handleAuxRelayRequests(envelope));
    if (envelope.has_sauna_state_change_request()) {
        const vaholumo::Sauna_state_change_request &request = envelope.sauna_state_change_request();
        if (request.has_state())
            changes.append(told(requestLog::stateRequest(request.state()),
                                m_model.requestState(request.state())));
        if (request.has_system_time())
            changes.append(told(requestLog::clockRequest(request.system_time()),
                                m_model.requestSystemTime(request.system_time(), m_clock())));
        if (!request.has_state() && !request.has_system_time()) {
            SaunaReport refused;
            refused.dataErrors.push_back(QStringLiteral("state request without state or time"));
            changes.append(told(QStringLiteral("state without state or time"), refused));
        }
    }
    if (envelope.has_user_message()) {
        // The user's answer to a message of the sauna: this sauna asks nothing that an answer
        // would decide, so it only takes note.
        const vaholumo::User_message &answer = envelope.user_message();
        changes.append(
            told(requestLog::answer(
                     answer.has_message_id() ? std::optional<quint32>(answer.message_id())
                                             : std::nullopt,
                     answer.has_answer() ? std::optional<int>(answer.answer()) : std::nullopt),
                 {}));
    }
    return changes;
}

SaunaReport SimulatedSauna::told(const QString &request, SaunaReport outcome)
{
    emit requestHandled(request, requestLog::outcome(outcome, m_model));
    tellCalendarPrograms(outcome);
    return outcome;
}

SaunaReport SimulatedSauna::handleAuxRelayRequests(const vaholumo::External_to_sauna &envelope)
{
    SaunaReport changes;
    for (const vaholumo::Aux_relay_post &post : envelope.aux_relay_post()) {
        const AuxRelayChange change = decodeAuxRelayPost(post);
        emit auxRelayRequested(change);
        changes.append(told(requestLog::auxRelayPost(change), m_model.requestAuxRelay(change)));
    }
    if (envelope.has_descaling()) {
        const DescalingChange change = decodeDescaling(envelope.descaling());
        emit descalingRequested(change);
        changes.append(told(requestLog::descaling(change), m_model.requestDescaling(change)));
    }
    return changes;
}

SaunaReport SimulatedSauna::handleGeneralCommand(const vaholumo::General_command &command,
                                                 Panel &panel)
{
    const QString request = requestLog::command(
        command.has_command() ? int(command.command()) : 0,
        command.has_control_board() ? std::optional<int>(command.control_board()) : std::nullopt,
        command.has_argument() ? std::optional<quint32>(command.argument()) : std::nullopt);
    SaunaReport changes;
    if (!command.has_command()) {
        changes.dataErrors.push_back(QStringLiteral("general command without a command"));
        return told(request, changes);
    }
    switch (command.command()) {
    case vaholumo::General_command_command_t_UPDATE_SAUNA:
        sendToPanel(panel, encodeFullReport(
                               m_model, m_clock(),
                               simulatedNodes(m_options.systemType == SystemType::MultiSteam)));
        emit requestHandled(request, QStringLiteral("full report sent"));
        return changes;
    case vaholumo::General_command_command_t_UPDATE_SUPPORTED_CHARACTERS:
        sendToPanel(panel, encodeSupportedCharacters());
        emit requestHandled(request, QStringLiteral("supported characters sent"));
        return changes;
    case vaholumo::General_command_command_t_RENEW_BATH_TIME:
        changes.append(m_model.renewBathTime());
        break;
    case vaholumo::General_command_command_t_CLEAR_ERROR_LOG:
        emit errorLogClearRequested();
        changes.append(m_model.clearErrorLog());
        break;
    case vaholumo::General_command_command_t_ACTIVATE_BUZZER:
        changes.append(soundBuzzer(command));
        if (changes.dataErrors.empty()) {
            emit requestHandled(
                request, QStringLiteral("buzzer of relay control board %1 sounds")
                             .arg(command.has_control_board() ? int(command.control_board()) : 0));
            return changes;
        }
        break;
    case vaholumo::General_command_command_t_UPDATE_MAX_HUMIDITY_TABLE:
    case vaholumo::General_command_command_t_UPDATE_MAX_TEMPERATURE_TABLE:
        changes.dataErrors.push_back(
            QStringLiteral("this sauna has no limit table beyond the built-in one"));
        break;
    case vaholumo::General_command_command_t_START_FAVORITE:
        if (command.has_argument())
            changes.append(m_model.startFavorite(command.argument()));
        else
            changes.dataErrors.push_back(QStringLiteral("start favorite without a favorite"));
        break;
    }
    return told(request, changes);
}

SaunaReport SimulatedSauna::soundBuzzer(const vaholumo::General_command &command)
{
    // The buzzer is not heard here: the request is told, for whoever watches the simulator.
    SaunaReport changes;
    const std::vector<SimulatedNode> nodes =
        simulatedNodes(m_options.systemType == SystemType::MultiSteam);
    const auto boards = std::count_if(nodes.begin(), nodes.end(), [](const SimulatedNode &node) {
        return node.profile == vaholumo::Node_item_profile_t_NODE_PROFILE_RCB;
    });
    const int board = command.has_control_board() ? int(command.control_board()) : 0;
    if (board >= boards) {
        changes.dataErrors.push_back(QStringLiteral("no relay control board %1").arg(board));
        return changes;
    }
    emit buzzerRequested(board);
    return changes;
}

void SimulatedSauna::report(SaunaReport changes, const Panel &requester)
{
    // Data errors and the message that refuses a request concern only the panel that sent it;
    // changes concern every panel. The message comes last: it may name a value (the wait until
    // a start is allowed) that the changes carry.
    if (!changes.dataErrors.empty()) {
        SaunaReport errors;
        errors.dataErrors.swap(changes.dataErrors);
        sendToPanel(requester, encodeReport(errors, m_model, m_clock()));
    }
    SaunaReport message;
    message.userMessage.swap(changes.userMessage);
    if (!changes.isEmpty())
        sendToAllPanels(encodeReport(changes, m_model, m_clock()));
    if (message.userMessage)
        sendToPanel(requester, encodeReport(message, m_model, m_clock()));
}

void SimulatedSauna::setReading(int reportId, quint32 value)
{
    tellAllPanels(m_model.setReading(reportId, value));
}

void SimulatedSauna::setHumiditySensorWorking(bool working)
{
    tellAllPanels(m_model.setHumiditySensorWorking(working));
}

void SimulatedSauna::setTankWaterLevel(int board, int wireLevel)
{
    tellAllPanels(m_model.setTankWaterLevel(board, wireLevel));
}

void SimulatedSauna::setDelayedStart(quint32 minutes)
{
    tellAllPanels(m_model.setDelayedStart(minutes));
}

void SimulatedSauna::heat()
{
    // Each tick counts as one heating interval of the sauna's time, whatever the timer's drift.
    const SaunaReport changes = m_model.heatStep(m_heatTimer.interval());
    if (changes.isEmpty())
        return;
    // The bath time of a program runs out at its stop time.
    tellCalendarPrograms(changes);
    sendToAllPanels(encodeReport(changes, m_model, m_clock()));
}

void SimulatedSauna::lookAtClock()
{
    // The delayed start is the sauna's own: every panel is told, a refusal's message included.
    tellAllPanels(m_model.runDelayedStart());

    const SaunaReport changes = m_model.lookAtClock();
    if (changes.isEmpty())
        return;
    tellCalendarPrograms(changes);
    if (changes.refusedProgram)
        emit calendarProgramRefused(requestLog::outcome(changes, m_model));
    if (changes.descalingStarted)
        emit descalingStarted(requestLog::outcome(changes, m_model));
    if (changes.descalingFinished)
        emit descalingFinished(requestLog::outcome(changes, m_model));
    // Nobody asked: every panel is told, the message included.
    sendToAllPanels(encodeReport(changes, m_model, m_clock()));
}

void SimulatedSauna::tellAllPanels(const SaunaReport &changes)
{
    if (!changes.isEmpty())
        sendToAllPanels(encodeReport(changes, m_model, m_clock()));
}

void SimulatedSauna::tellCalendarPrograms(const SaunaReport &changes)
{
    if (changes.endedPrograms.empty() && !changes.startedProgram)
        return;
    const QString outcome = requestLog::outcome(changes, m_model);
    for (const quint32 index : changes.endedPrograms)
        emit calendarProgramStopped(index, outcome);
    if (changes.startedProgram)
        emit calendarProgramStarted(*changes.startedProgram, outcome);
}

void SimulatedSauna::superviseConnections()
{
    if (m_options.silent)
        return; // a silent sauna hears nobody, so it cannot judge who went quiet
    const qint64 timeout = keepAliveTimeoutMs();
    std::vector<std::pair<QHostAddress, quint16>> expired;
    for (const Panel &panel : m_panels) {
        if (panel.lastHeard.hasExpired(timeout))
            expired.emplace_back(panel.address, panel.port);
    }
    for (const auto &[address, port] : expired)
        dropPanel(address, port, QStringLiteral("keep-alive timeout"));
}

void SimulatedSauna::sendToPanel(const Panel &panel, const QByteArray &payload)
{
    sendDatagram(m_saunaSocket, payload, panel.address, panel.port, m_malformedReports);
}

void SimulatedSauna::sendToAllPanels(const QByteArray &payload)
{
    for (const Panel &panel : m_panels)
        sendToPanel(panel, payload);
}

void SimulatedSauna::sendDatagram(QUdpSocket &socket, const QByteArray &payload,
                                  const QHostAddress &address, quint16 port,
                                  const std::vector<QByteArray> &malformedVariants)
{
    if (m_options.silent)
        return;
    if (m_options.malformed && !malformedVariants.empty()) {
        const QByteArray &malformed =
            malformedVariants[m_malformedCount % malformedVariants.size()];
        ++m_malformedCount;
        socket.writeDatagram(malformed, address, port);
    }
    if (socket.writeDatagram(payload, address, port) != payload.size())
        qCDebug(simulatorLog) << "send to" << address << port << "failed:" << socket.errorString();
}

SimulatedSauna::Panel *SimulatedSauna::findPanel(const QHostAddress &address, quint16 port)
{
    const auto found = std::find_if(m_panels.begin(), m_panels.end(), [&](const Panel &panel) {
        return panel.port == port && panel.address.isEqual(address);
    });
    return found == m_panels.end() ? nullptr : &*found;
}

void SimulatedSauna::dropPanel(const QHostAddress &address, quint16 port, const QString &reason)
{
    const auto found = std::find_if(m_panels.begin(), m_panels.end(), [&](const Panel &panel) {
        return panel.port == port && panel.address.isEqual(address);
    });
    if (found == m_panels.end())
        return;
    m_panels.erase(found);
    emit panelDisconnected(address, port, reason);
}

} // namespace tools
