#include "sauna_simulator/simulated_sauna.h"

#include "protocol_buffers_support/message_parsing.h"
#include "sauna_simulator/sauna_state_model.h"
#include "signal_interface/protocol_facts.h"
#include "support/local_time_zone.h"

#include "connect.pb.h"
#include "message.pb.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

using tools::SimulatedSauna;

namespace {

constexpr int WaitMs = 5000;
const QString TestPin = QStringLiteral("1234");
const QString TestName = QStringLiteral("Test sauna");
const QUuid TestIdentity("{0b9d6a52-7c1e-4f3a-8d2b-5e6f7a8b9c0d}");

QByteArray serialized(const google::protobuf::MessageLite &message)
{
    const std::string bytes = message.SerializeAsString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

template<typename Field>
QString textOf(const Field &codeUnits)
{
    QString text;
    for (const auto unit : codeUnits)
        text.append(QChar(char16_t(unit)));
    return text;
}

template<typename Field>
void appendText(const QString &text, Field *codeUnits)
{
    for (const QChar unit : text)
        codeUnits->Add(unit.unicode());
}

QByteArray connectRequest(const QString &pin, const QString &unitName)
{
    vaholumo::External_to_sauna envelope;
    vaholumo::Connect_request *request = envelope.mutable_connect_request();
    request->set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    request->set_pin_code(pin.toStdString());
    appendText(unitName, request->mutable_unit_name());
    appendText(QStringLiteral("panel"), request->mutable_application_name());
    appendText(QStringLiteral("1.0.0"), request->mutable_application_version());
    request->mutable_unit_features()->set_feature_flag(true);
    return serialized(envelope);
}

QByteArray integerRequest(int id, quint32 value)
{
    vaholumo::External_to_sauna envelope;
    vaholumo::Integer_value_change_request *request = envelope.add_integer_value_change_request();
    request->set_value_id(static_cast<vaholumo::Integer_value_change_request_value_t>(id));
    request->set_value(value);
    return serialized(envelope);
}

QByteArray keepAlive(quint32 sequenceNumber)
{
    vaholumo::External_to_sauna envelope;
    envelope.mutable_keep_alive()->set_sequence_number(sequenceNumber);
    return serialized(envelope);
}

QByteArray favoritePost(quint32 index, const QString &name, quint32 temperature)
{
    vaholumo::External_to_sauna envelope;
    vaholumo::Favorite_post *post = envelope.add_favorite_post();
    post->set_index(index);
    post->set_in_use(true);
    appendText(name, post->mutable_name());
    post->set_humidity(40);
    post->set_temperature(temperature);
    post->set_bath_time(75);
    post->set_lights(true);
    for (int relay = 0; relay < 7; ++relay)
        post->add_aux_relay_active(relay == 2);
    return serialized(envelope);
}

QByteArray clockRequest(const QDateTime &wallClock)
{
    vaholumo::External_to_sauna envelope;
    envelope.mutable_sauna_state_change_request()->set_system_time(
        quint64(tools::SaunaStateModel::protocolEpoch().msecsTo(wallClock)));
    return serialized(envelope);
}

QByteArray stateRequest(vaholumo::Sauna_state_change_request_state_t state)
{
    vaholumo::External_to_sauna envelope;
    envelope.mutable_sauna_state_change_request()->set_state(state);
    return serialized(envelope);
}

std::optional<quint32> integerIn(const vaholumo::Sauna_to_external &report, int id)
{
    for (const auto &changed : report.integer_value_changed())
        if (changed.has_value_id() && changed.value_id() == id && changed.has_value())
            return changed.value();
    return std::nullopt;
}

std::optional<bool> booleanIn(const vaholumo::Sauna_to_external &report, int id)
{
    for (const auto &changed : report.boolean_value_changed())
        if (changed.has_value_id() && changed.value_id() == id && changed.has_value())
            return changed.value() != 0;
    return std::nullopt;
}

} // namespace

// The simulator seen from the wire, with a bare UDP socket on loopback standing in for a panel.
class TestSimulatedSauna : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void announcementRequestIsAnswered();
    void malformedAnnouncementRequestIsDropped();
    void rightPinIsAcceptedWithFullStateReport();
    void wrongPinIsRefusedWithoutState();
    void refuseSwitchRefusesTheRightPin();
    void requestFromUnconnectedSenderGetsNoConnection();
    void targetTemperatureRequestIsReportedBack();
    void outOfRangeRequestIsRefusedAndOldValueReported();
    void booleanEnumAndStateRequestsAreReportedBack();
    void changesReachEveryConnectedPanel();
    void keepAliveIsAnswered();
    void updateCommandSendsFullStateReport();
    void malformedDatagramIsDroppedAndSaunaKeepsWorking();
    void silentSaunaAnswersNothingAndResumes();
    void disconnectEndsTheConnection();
    void silentPanelIsDroppedAfterMissedKeepAlives();
    void malformedSwitchSendsBadDatagramBeforeGoodOne();
    void saunaHeatsWhileOnAndReportsTemperature();
    void favoriteAndProgramReachEveryPanelAndLaterConnects();
    void refusedFavoriteErrsToSenderOnly();
    void startFavoriteCommandStartsTheSauna();
    void nodesAndBuzzersOfTheRelayBoards_data();
    void nodesAndBuzzersOfTheRelayBoards();
    void errorLogIsReportedAndCleared();
    void relaysTellUseAndState();
    void startInNotAllowedPeriodIsRefusedToTheRequester();
    void calendarProgramRunsByTheSaunasClock();
    void clockStartsAtTheLocalWallTime_data();
    void clockStartsAtTheLocalWallTime();
    void productsReportTheirHumidityControl_data();
    void productsReportTheirHumidityControl();
    void aStandingFaultReachesEachPanelAsItConnects();

private:
    static tools::SimulatorOptions testOptions(int heatIntervalMs = 3600000,
                                               quint32 keepAliveSeconds = 60,
                                               bool multiSteam = false, int errorLogEntries = 0);
    void startSauna(const tools::SimulatorOptions &options);
    void startSauna(int heatIntervalMs = 3600000, quint32 keepAliveSeconds = 60,
                    bool multiSteam = false, int errorLogEntries = 0)
    {
        startSauna(testOptions(heatIntervalMs, keepAliveSeconds, multiSteam, errorLogEntries));
    }
    void sendToSauna(const QByteArray &payload, QUdpSocket *socket = nullptr);
    std::optional<QNetworkDatagram> nextDatagram(QUdpSocket *socket = nullptr);
    bool nextReport(vaholumo::Sauna_to_external &report, QUdpSocket *socket = nullptr);
    void connectPanel(QUdpSocket *socket = nullptr);

    std::unique_ptr<SimulatedSauna> m_sauna;
    std::unique_ptr<QUdpSocket> m_panel;
};

void TestSimulatedSauna::init()
{
    m_panel = std::make_unique<QUdpSocket>();
    QVERIFY(m_panel->bind(QHostAddress::LocalHost, 0));
}

void TestSimulatedSauna::cleanup()
{
    m_sauna.reset();
    m_panel.reset();
}

tools::SimulatorOptions TestSimulatedSauna::testOptions(int heatIntervalMs,
                                                        quint32 keepAliveSeconds, bool multiSteam,
                                                        int errorLogEntries)
{
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = TestPin;
    options.name = TestName;
    options.identity = TestIdentity;
    options.heatIntervalMs = heatIntervalMs;
    options.keepAliveIntervalSeconds = keepAliveSeconds;
    options.systemType = multiSteam ? tools::SystemType::MultiSteam : tools::SystemType::Standard;
    options.errorLogEntries = errorLogEntries;
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    return options;
}

void TestSimulatedSauna::startSauna(const tools::SimulatorOptions &options)
{
    m_sauna = std::make_unique<SimulatedSauna>(options);
    QString errorText;
    QVERIFY2(m_sauna->start(&errorText), qPrintable(errorText));
    QVERIFY(m_sauna->announcePort() != 0);
    QVERIFY(m_sauna->saunaPort() != 0);
}

void TestSimulatedSauna::sendToSauna(const QByteArray &payload, QUdpSocket *socket)
{
    QUdpSocket *from = socket ? socket : m_panel.get();
    QCOMPARE(from->writeDatagram(payload, QHostAddress::LocalHost, m_sauna->saunaPort()),
             payload.size());
}

std::optional<QNetworkDatagram> TestSimulatedSauna::nextDatagram(QUdpSocket *socket)
{
    QUdpSocket *to = socket ? socket : m_panel.get();
    if (!to->hasPendingDatagrams()) {
        QSignalSpy readyRead(to, &QUdpSocket::readyRead);
        readyRead.wait(WaitMs);
        if (!to->hasPendingDatagrams())
            return std::nullopt;
    }
    return to->receiveDatagram();
}

bool TestSimulatedSauna::nextReport(vaholumo::Sauna_to_external &report, QUdpSocket *socket)
{
    const std::optional<QNetworkDatagram> datagram = nextDatagram(socket);
    return datagram && datagram->senderPort() == m_sauna->saunaPort() &&
           pbSupport::parseDatagram(datagram->data(), report);
}

void TestSimulatedSauna::connectPanel(QUdpSocket *socket)
{
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")), socket);
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply, socket));
    QVERIFY(reply.has_connect_reply());
    QCOMPARE(int(reply.connect_reply().connect_status()), 10);
    vaholumo::Sauna_to_external fullReport;
    QVERIFY(nextReport(fullReport, socket));
    QVERIFY(fullReport.has_sauna_state_changed());
}

void TestSimulatedSauna::announcementRequestIsAnswered()
{
    startSauna();
    vaholumo::Announcement_request request;
    request.set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    const QByteArray payload = serialized(request);
    QCOMPARE(m_panel->writeDatagram(payload, QHostAddress::LocalHost, m_sauna->announcePort()),
             payload.size());

    const std::optional<QNetworkDatagram> datagram = nextDatagram();
    QVERIFY(datagram);
    QCOMPARE(datagram->senderPort(), int(m_sauna->announcePort()));
    vaholumo::Announcement announcement;
    QVERIFY(pbSupport::parseDatagram(datagram->data(), announcement));
    QVERIFY(announcement.has_identity());
    const QUuid identity = QUuid::fromString(QString::fromStdString(announcement.identity()));
    QVERIFY(!identity.isNull());
    QCOMPARE(identity, TestIdentity);
    QVERIFY(announcement.has_port());
    QCOMPARE(announcement.port(), quint32(m_sauna->saunaPort()));
    QVERIFY(announcement.has_brand());
    QVERIFY(announcement.has_rcb_product());
    QCOMPARE(textOf(announcement.name()), TestName);
}

void TestSimulatedSauna::malformedAnnouncementRequestIsDropped()
{
    startSauna();
    QSignalSpy dropped(m_sauna.get(), &SimulatedSauna::datagramDropped);
    // A tag cut short, then a request whose only field is cut short.
    for (const QByteArray &garbage : {QByteArray(1, char(0xFF)), QByteArray("\x08", 1)}) {
        QCOMPARE(m_panel->writeDatagram(garbage, QHostAddress::LocalHost, m_sauna->announcePort()),
                 garbage.size());
    }
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 2, WaitMs);

    vaholumo::Announcement_request request;
    request.set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    m_panel->writeDatagram(serialized(request), QHostAddress::LocalHost, m_sauna->announcePort());
    const std::optional<QNetworkDatagram> datagram = nextDatagram();
    QVERIFY(datagram);
    vaholumo::Announcement announcement;
    QVERIFY(pbSupport::parseDatagram(datagram->data(), announcement));
    QCOMPARE(announcement.port(), quint32(m_sauna->saunaPort()));
    // The garbage was not answered: this answer is the only datagram.
    QVERIFY(!m_panel->hasPendingDatagrams());
}

void TestSimulatedSauna::rightPinIsAcceptedWithFullStateReport()
{
    startSauna(3600000, 5);
    QSignalSpy connected(m_sauna.get(), &SimulatedSauna::panelConnected);
    sendToSauna(connectRequest(TestPin, QStringLiteral("SAUNA-PC #3")));

    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QVERIFY(reply.has_connect_reply());
    const vaholumo::Connect_reply &connectReply = reply.connect_reply();
    QVERIFY(connectReply.has_connect_status());
    QCOMPARE(int(connectReply.connect_status()), 10);
    QCOMPARE(QUuid::fromString(QString::fromStdString(connectReply.identity())), TestIdentity);
    QVERIFY(connectReply.has_brand());
    QVERIFY(connectReply.has_keep_alive_interval());
    QCOMPARE(connectReply.keep_alive_interval(), 5u);
    QVERIFY(connectReply.has_rcb_product());
    QCOMPARE(textOf(connectReply.name()), TestName);

    vaholumo::Sauna_to_external state;
    QVERIFY(nextReport(state));
    QCOMPARE(integerIn(state, 10), std::optional<quint32>(720)); // target temperature
    QVERIFY(integerIn(state, 12));                               // measured temperature
    QCOMPARE(booleanIn(state, 10), std::optional<bool>(false));  // lights
    QVERIFY(state.has_sauna_state_changed());
    QCOMPARE(int(state.sauna_state_changed().state()), 10); // off
    QVERIFY(state.sauna_state_changed().has_system_time());
    QCOMPARE(state.enum_value_changed_size(), 1);
    QVERIFY(state.has_control_board_support());
    QVERIFY(state.control_board_support().has_facility_type()); // fields 10..31 all present

    QCOMPARE(connected.count(), 1);
    QCOMPARE(connected.at(0).at(2).toString(), QStringLiteral("SAUNA-PC #3"));
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
}

void TestSimulatedSauna::wrongPinIsRefusedWithoutState()
{
    startSauna();
    QSignalSpy refused(m_sauna.get(), &SimulatedSauna::panelRefused);
    sendToSauna(connectRequest(QStringLiteral("4826"), QStringLiteral("PANEL")));

    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QVERIFY(reply.has_connect_reply());
    QCOMPARE(int(reply.connect_reply().connect_status()), 20);
    // Complete, so that a panel reads it as a wrong PIN and not as a failed attempt.
    QVERIFY(reply.connect_reply().has_identity());
    QVERIFY(reply.connect_reply().has_brand());
    QVERIFY(reply.connect_reply().has_keep_alive_interval());
    QVERIFY(reply.connect_reply().has_rcb_product());
    QVERIFY(reply.connect_reply().name_size() > 0);
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(2).toInt(), 20);

    // No state follows: the next datagram is the answer to the next request.
    sendToSauna(keepAlive(1));
    vaholumo::Sauna_to_external next;
    QVERIFY(nextReport(next));
    QVERIFY(next.has_no_connection());
    QCOMPARE(next.integer_value_changed_size(), 0);
    QVERIFY(!next.has_sauna_state_changed());
}

void TestSimulatedSauna::refuseSwitchRefusesTheRightPin()
{
    startSauna();
    m_sauna->setRefuseConnections(true);
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QCOMPARE(int(reply.connect_reply().connect_status()), 22);
    QCOMPARE(m_sauna->connectedPanelCount(), 0);

    m_sauna->setRefuseConnections(false);
    connectPanel();
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
}

void TestSimulatedSauna::requestFromUnconnectedSenderGetsNoConnection()
{
    startSauna();
    sendToSauna(integerRequest(10, 630));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QVERIFY(reply.has_no_connection());
    QCOMPARE(reply.integer_value_changed_size(), 0);
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 720u);
}

void TestSimulatedSauna::targetTemperatureRequestIsReportedBack()
{
    startSauna();
    connectPanel();
    // The worked example of the protocol: target temperature 80 °C.
    const QByteArray request("\xD2\x41\x05\x08\x0A\x10\xD0\x05", 8);
    QCOMPARE(integerRequest(10, 720), request);

    sendToSauna(integerRequest(10, 630));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(report.integer_value_changed_size(), 1);
    QCOMPARE(int(report.integer_value_changed(0).value_id()), 10);
    QCOMPARE(report.integer_value_changed(0).value(), 630u);
    QCOMPARE(report.data_error_size(), 0);
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 630u);

    // The same value again is confirmed, not swallowed.
    sendToSauna(integerRequest(10, 630));
    QVERIFY(nextReport(report));
    QCOMPARE(integerIn(report, 10), std::optional<quint32>(630));
}

void TestSimulatedSauna::outOfRangeRequestIsRefusedAndOldValueReported()
{
    startSauna();
    connectPanel();
    sendToSauna(integerRequest(10, 2000)); // above the upper limit of 110 °C
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(report.data_error_size(), 1);
    QVERIFY(report.data_error(0).has_description());
    vaholumo::Sauna_to_external value;
    QVERIFY(nextReport(value));
    QCOMPARE(integerIn(value, 10), std::optional<quint32>(720));
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 720u);

    sendToSauna(integerRequest(26, 1440)); // not a minute of the day
    QVERIFY(nextReport(report));
    QCOMPARE(report.data_error_size(), 1);
    QVERIFY(nextReport(value));
    QCOMPARE(integerIn(value, 36), std::optional<quint32>(22 * 60));
}

void TestSimulatedSauna::booleanEnumAndStateRequestsAreReportedBack()
{
    startSauna();
    connectPanel();

    vaholumo::External_to_sauna lights;
    vaholumo::Boolean_value_change_request *lightsRequest =
        lights.add_boolean_value_change_request();
    lightsRequest->set_value_id(vaholumo::Boolean_value_change_request_value_t(10));
    lightsRequest->set_value(1);
    QCOMPARE(serialized(lights), QByteArray("\xA2\x42\x04\x08\x0A\x10\x01", 7));
    sendToSauna(serialized(lights));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(booleanIn(report, 10), std::optional<bool>(true));
    QVERIFY(report.has_sauna_state_changed()); // the lights relay

    // Cleanup tank notice is request 18 but report 22.
    vaholumo::External_to_sauna notice;
    vaholumo::Boolean_value_change_request *noticeRequest =
        notice.add_boolean_value_change_request();
    noticeRequest->set_value_id(vaholumo::Boolean_value_change_request_value_t(18));
    noticeRequest->set_value(1);
    sendToSauna(serialized(notice));
    QVERIFY(nextReport(report));
    QCOMPARE(booleanIn(report, 22), std::optional<bool>(true));
    QVERIFY(!booleanIn(report, 18));

    // Region north america: request field 12, report field 11.
    sendToSauna(QByteArray("\xB2\x45\x02\x60\x1F", 5));
    QVERIFY(nextReport(report));
    QCOMPARE(report.enum_value_changed_size(), 1);
    QVERIFY(report.enum_value_changed(0).has_region());
    QCOMPARE(int(report.enum_value_changed(0).region()), 31);
    QVERIFY(!report.enum_value_changed(0).has_facility_type());

    // Switch the sauna on.
    sendToSauna(QByteArray("\xC2\x43\x02\x50\x0B", 5));
    QVERIFY(nextReport(report));
    QVERIFY(report.has_sauna_state_changed());
    QCOMPARE(int(report.sauna_state_changed().state()), 11);
    QCOMPARE(integerIn(report, 22), std::optional<quint32>(240)); // run time left: the bath time
    QCOMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::On));
}

void TestSimulatedSauna::changesReachEveryConnectedPanel()
{
    startSauna();
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    connectPanel();
    connectPanel(&second);
    QCOMPARE(m_sauna->connectedPanelCount(), 2);

    sendToSauna(integerRequest(14, 90)); // bath time 90 minutes
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(integerIn(report, 17), std::optional<quint32>(90));
    QVERIFY(nextReport(report, &second));
    QCOMPARE(integerIn(report, 17), std::optional<quint32>(90));
}

void TestSimulatedSauna::keepAliveIsAnswered()
{
    startSauna();
    connectPanel();
    sendToSauna(keepAlive(7));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QVERIFY(reply.has_keep_alive());
    QCOMPARE(reply.keep_alive().sequence_number(), 7u);
}

void TestSimulatedSauna::updateCommandSendsFullStateReport()
{
    startSauna();
    connectPanel();
    vaholumo::External_to_sauna update;
    update.add_general_command()->set_command(vaholumo::General_command_command_t_UPDATE_SAUNA);
    sendToSauna(serialized(update));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QVERIFY(report.has_sauna_state_changed());
    QVERIFY(report.has_control_board_support());
    QCOMPARE(integerIn(report, 10), std::optional<quint32>(720));
    QCOMPARE(integerIn(report, 13), std::optional<quint32>(360));
    QCOMPARE(integerIn(report, 14), std::optional<quint32>(990));
}

void TestSimulatedSauna::malformedDatagramIsDroppedAndSaunaKeepsWorking()
{
    startSauna();
    connectPanel();
    QSignalSpy dropped(m_sauna.get(), &SimulatedSauna::datagramDropped);

    // The target temperature request of 80 °C with its last byte cut off.
    sendToSauna(QByteArray("\xD2\x41\x05\x08\x0A\x10\xD0", 7));
    // A request for 50 °C followed by a field whose length runs past the end.
    sendToSauna(integerRequest(10, 450) + QByteArray("\xA2\x42\x10\x08", 4));
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 2, WaitMs);
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 720u);

    sendToSauna(integerRequest(10, 630));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    // The first answer is the one to the good request: nothing of the bad ones was handled.
    QCOMPARE(integerIn(report, 10), std::optional<quint32>(630));
    QCOMPARE(report.integer_value_changed_size(), 1);
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
}

void TestSimulatedSauna::silentSaunaAnswersNothingAndResumes()
{
    startSauna();
    connectPanel();
    QSignalSpy dropped(m_sauna.get(), &SimulatedSauna::datagramDropped);

    m_sauna->setSilent(true);
    QVERIFY(m_sauna->isSilent());
    sendToSauna(keepAlive(1));
    sendToSauna(integerRequest(10, 450));
    vaholumo::Announcement_request request;
    request.set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    m_panel->writeDatagram(serialized(request), QHostAddress::LocalHost, m_sauna->announcePort());
    QTRY_COMPARE_WITH_TIMEOUT(dropped.count(), 3, WaitMs);
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 720u);

    m_sauna->setSilent(false);
    sendToSauna(keepAlive(2));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    // The first datagram after the silence answers the request sent after it.
    QVERIFY(reply.has_keep_alive());
    QCOMPARE(reply.keep_alive().sequence_number(), 2u);
    QCOMPARE(reply.integer_value_changed_size(), 0);

    sendToSauna(integerRequest(10, 630));
    QVERIFY(nextReport(reply));
    QCOMPARE(integerIn(reply, 10), std::optional<quint32>(630));
    QCOMPARE(m_sauna->connectedPanelCount(), 1);
}

void TestSimulatedSauna::disconnectEndsTheConnection()
{
    startSauna();
    connectPanel();
    QSignalSpy disconnected(m_sauna.get(), &SimulatedSauna::panelDisconnected);
    vaholumo::External_to_sauna disconnect;
    disconnect.mutable_disconnect_request();
    sendToSauna(serialized(disconnect));
    QVERIFY(disconnected.wait(WaitMs));
    QCOMPARE(disconnected.at(0).at(2).toString(), QStringLiteral("disconnect request"));
    QCOMPARE(m_sauna->connectedPanelCount(), 0);

    sendToSauna(integerRequest(10, 630));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QVERIFY(reply.has_no_connection());
    QCOMPARE(m_sauna->model().integer(tools::IntegerId::TargetTemperature), 720u);
}

void TestSimulatedSauna::silentPanelIsDroppedAfterMissedKeepAlives()
{
    startSauna(3600000, 1);
    connectPanel();
    QSignalSpy disconnected(m_sauna.get(), &SimulatedSauna::panelDisconnected);
    QVERIFY(disconnected.wait(15000));
    QCOMPARE(disconnected.at(0).at(2).toString(), QStringLiteral("keep-alive timeout"));
    QCOMPARE(m_sauna->connectedPanelCount(), 0);
}

void TestSimulatedSauna::malformedSwitchSendsBadDatagramBeforeGoodOne()
{
    startSauna();
    m_sauna->setSendMalformed(true);
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));

    // Each good datagram (reply, full report) comes after one that no parser accepts.
    for (int good = 0; good < 2; ++good) {
        const std::optional<QNetworkDatagram> bad = nextDatagram();
        QVERIFY(bad);
        vaholumo::Sauna_to_external rejected;
        QVERIFY(!pbSupport::parseDatagram(bad->data(), rejected));

        vaholumo::Sauna_to_external accepted;
        QVERIFY(nextReport(accepted));
        if (good == 0) {
            QVERIFY(accepted.has_connect_reply());
            QCOMPARE(int(accepted.connect_reply().connect_status()), 10);
        } else {
            QCOMPARE(integerIn(accepted, 10), std::optional<quint32>(720));
        }
    }

    vaholumo::Announcement_request request;
    request.set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    m_panel->writeDatagram(serialized(request), QHostAddress::LocalHost, m_sauna->announcePort());
    const std::optional<QNetworkDatagram> bad = nextDatagram();
    QVERIFY(bad);
    vaholumo::Announcement rejected;
    QVERIFY(!pbSupport::parseDatagram(bad->data(), rejected));
    const std::optional<QNetworkDatagram> good = nextDatagram();
    QVERIFY(good);
    vaholumo::Announcement announcement;
    QVERIFY(pbSupport::parseDatagram(good->data(), announcement));
    QCOMPARE(announcement.port(), quint32(m_sauna->saunaPort()));
}

void TestSimulatedSauna::saunaHeatsWhileOnAndReportsTemperature()
{
    startSauna(5);
    connectPanel();
    sendToSauna(QByteArray("\xC2\x43\x02\x50\x0B", 5)); // on

    // Reports follow one another until the measured temperature has passed 30 °C.
    quint32 temperature = 0;
    vaholumo::Sauna_to_external report;
    while (temperature <= 270) {
        QVERIFY(nextReport(report));
        if (const std::optional<quint32> measured = integerIn(report, 12)) {
            QVERIFY(*measured >= temperature); // heating, never cooling
            temperature = *measured;
        }
    }
    QVERIFY(m_sauna->model().integer(tools::IntegerId::Temperature) > 270);
}

void TestSimulatedSauna::favoriteAndProgramReachEveryPanelAndLaterConnects()
{
    startSauna();
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    connectPanel();
    connectPanel(&second);

    sendToSauna(favoritePost(6, QStringLiteral("Sauna night"), 765));
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        vaholumo::Sauna_to_external report;
        QVERIFY(nextReport(report, panel));
        QCOMPARE(report.favorite_post_size(), 1);
        QCOMPARE(report.favorite_post(0).index(), 6u);
        QVERIFY(report.favorite_post(0).in_use());
        QCOMPARE(textOf(report.favorite_post(0).name()), QStringLiteral("Sauna night"));
        QCOMPARE(report.favorite_post(0).temperature(), 765u);
    }

    vaholumo::External_to_sauna program;
    vaholumo::Calendar_post *post = program.add_calendar_post();
    post->set_index(12);
    post->set_in_use(true);
    post->set_start_time(60000);
    post->set_stop_after(45);
    post->set_favorite(6);
    post->set_weekday_program(true);
    post->set_start_mode(vaholumo::Calendar_post_start_mode_t_START_AT);
    post->set_standby_mode(true);
    post->set_extra_flag(false);
    sendToSauna(serialized(program), &second);
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        vaholumo::Sauna_to_external report;
        QVERIFY(nextReport(report, panel));
        QCOMPARE(report.calendar_post_size(), 1);
        QCOMPARE(serialized(report.calendar_post(0)), serialized(*post));
    }

    // A panel that connects later is told every slot at connect.
    QUdpSocket third;
    QVERIFY(third.bind(QHostAddress::LocalHost, 0));
    sendToSauna(connectRequest(TestPin, QStringLiteral("LATE")), &third);
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply, &third));
    QVERIFY(reply.has_connect_reply());
    vaholumo::Sauna_to_external full;
    QVERIFY(nextReport(full, &third));
    QCOMPARE(full.favorite_post_size(), 8);
    QCOMPARE(full.calendar_post_size(), 64);
    QVERIFY(full.favorite_post(6).in_use());
    QCOMPARE(textOf(full.favorite_post(6).name()), QStringLiteral("Sauna night"));
    QVERIFY(!full.favorite_post(5).in_use());
    QVERIFY(full.calendar_post(12).in_use());
    QCOMPARE(full.calendar_post(12).favorite(), 6u);
    QVERIFY(!full.calendar_post(11).in_use());
}

void TestSimulatedSauna::refusedFavoriteErrsToSenderOnly()
{
    startSauna();
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    connectPanel();
    connectPanel(&second);
    sendToSauna(favoritePost(0, QStringLiteral("Kept"), 630));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QVERIFY(nextReport(report, &second));

    sendToSauna(favoritePost(0, QStringLiteral("A name of 21 letters!"), 630), &second);
    QVERIFY(nextReport(report, &second));
    QCOMPARE(report.data_error_size(), 1);
    QCOMPARE(report.favorite_post_size(), 0);
    // Then the slot as the sauna still has it, to every panel.
    for (QUdpSocket *panel : {&second, m_panel.get()}) {
        QVERIFY(nextReport(report, panel));
        QCOMPARE(report.data_error_size(), 0);
        QCOMPARE(report.favorite_post_size(), 1);
        QCOMPARE(textOf(report.favorite_post(0).name()), QStringLiteral("Kept"));
    }
    QCOMPARE(m_sauna->model().records().favorites()[0].name, QStringLiteral("Kept"));
}

void TestSimulatedSauna::startFavoriteCommandStartsTheSauna()
{
    startSauna();
    connectPanel();

    // Nothing stored in slot 3 yet.
    const QByteArray startThree("\x82\x41\x04\x08\x08\x18\x03", 7);
    sendToSauna(startThree);
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(report.data_error_size(), 1);
    QVERIFY(!report.has_sauna_state_changed());
    QCOMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::Off));

    sendToSauna(favoritePost(3, QStringLiteral("Three"), 585));
    QVERIFY(nextReport(report));
    QCOMPARE(report.favorite_post_size(), 1);

    sendToSauna(startThree);
    QVERIFY(nextReport(report));
    QCOMPARE(report.data_error_size(), 0);
    // The panel's requests just before the command set the settings; starting leaves them be.
    QCOMPARE(integerIn(report, 10), std::nullopt); // target temperature
    QVERIFY(report.has_sauna_state_changed());
    QCOMPARE(int(report.sauna_state_changed().state()), 11); // on
}

void TestSimulatedSauna::nodesAndBuzzersOfTheRelayBoards_data()
{
    QTest::addColumn<bool>("multiSteam");
    QTest::addColumn<int>("systemType");
    QTest::addColumn<int>("boards");
    QTest::newRow("standard") << false << 20 << 1;
    QTest::newRow("multi-steam") << true << 21 << 3;
}

// The node list names the boards above bus address 63 and a control panel and a sensor at 63 or
// below, so a panel counting the nodes above 63 finds the boards; a buzzer request for one of the
// boards is told, one for a board the system lacks is an error.
void TestSimulatedSauna::nodesAndBuzzersOfTheRelayBoards()
{
    QFETCH(bool, multiSteam);
    QFETCH(int, systemType);
    QFETCH(int, boards);
    startSauna(3600000, 60, multiSteam);
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QCOMPARE(int(reply.connect_reply().system_type()), systemType);
    vaholumo::Sauna_to_external full;
    QVERIFY(nextReport(full));
    QCOMPARE(full.node_item_size(), boards + 2);
    int reportedBoards = 0;
    for (int i = 0; i < full.node_item_size(); ++i) {
        const vaholumo::Node_item &node = full.node_item(i);
        QCOMPARE(node.index(), quint32(i));
        QVERIFY(node.has_product() && node.has_zerededid_version() &&
                node.has_application_version());
        const bool board = node.profile() == vaholumo::Node_item_profile_t_NODE_PROFILE_RCB;
        QCOMPARE(node.address() > 63, board);
        if (board)
            ++reportedBoards;
    }
    QCOMPARE(reportedBoards, boards);

    QSignalSpy buzzer(m_sauna.get(), &SimulatedSauna::buzzerRequested);
    for (int board = 0; board <= 2; ++board) {
        vaholumo::External_to_sauna request;
        vaholumo::General_command *command = request.add_general_command();
        command->set_command(vaholumo::General_command_command_t_ACTIVATE_BUZZER);
        command->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(board));
        sendToSauna(serialized(request));
        if (board < boards) {
            QVERIFY(buzzer.wait(WaitMs));
            QCOMPARE(buzzer.takeFirst().at(0).toInt(), board);
        } else {
            vaholumo::Sauna_to_external report;
            QVERIFY(nextReport(report));
            QCOMPARE(report.data_error_size(), 1);
            QCOMPARE(buzzer.count(), 0);
        }
    }
}

// The entries in use come with the full report; a clear command empties the log and reports
// every emptied entry, to every panel.
void TestSimulatedSauna::errorLogIsReportedAndCleared()
{
    startSauna(3600000, 60, false, 6);
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    vaholumo::Sauna_to_external full;
    QVERIFY(nextReport(full));
    QCOMPARE(full.error_post_size(), 6);
    for (int i = 0; i < full.error_post_size(); ++i) {
        const vaholumo::Error_post &post = full.error_post(i);
        QCOMPARE(post.index(), quint32(i));
        QVERIFY(post.entry_flag());
        QVERIFY(post.has_time() && post.has_error_code() && post.has_control_board());
        QVERIFY(post.error_code() <= 20);
        QCOMPARE(int(post.control_board()), 0); // a system of one board
    }

    QSignalSpy cleared(m_sauna.get(), &SimulatedSauna::errorLogClearRequested);
    vaholumo::External_to_sauna request;
    request.add_general_command()->set_command(vaholumo::General_command_command_t_CLEAR_ERROR_LOG);
    sendToSauna(serialized(request));
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(report.error_post_size(), 6);
    for (const vaholumo::Error_post &post : report.error_post())
        QVERIFY(post.has_entry_flag() && !post.entry_flag());
    QVERIFY(m_sauna->model().errorLog().inUse().empty());

    // A panel that connects now hears of no error.
    sendToSauna(serialized(request));
    QVERIFY(cleared.wait(WaitMs));
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    sendToSauna(connectRequest(TestPin, QStringLiteral("SECOND")), &second);
    QVERIFY(nextReport(reply, &second));
    QVERIFY(nextReport(full, &second));
    QVERIFY(full.has_sauna_state_changed());
    QCOMPARE(full.error_post_size(), 0);
}

// Every relay tells whether the installation uses it (the first flag) and whether it is on (the
// second); the lights relay follows the lights.
void TestSimulatedSauna::relaysTellUseAndState()
{
    startSauna(3600000, 60, true);
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    vaholumo::Sauna_to_external full;
    QVERIFY(nextReport(full));
    const vaholumo::Sauna_state_changed &state = full.sauna_state_changed();
    QCOMPARE(state.relay_size(), 9);
    for (const vaholumo::Relay &relay : state.relay()) {
        QVERIFY(relay.has_state() && relay.has_second_flag());
        QCOMPARE(relay.state(), relay.control_board() == 0 || relay.index() == 0);
        QVERIFY(!relay.second_flag());
    }
    // The tanks of all three boards.
    QVERIFY(integerIn(full, 38) && integerIn(full, 39));

    sendToSauna(QByteArray("\xA2\x42\x04\x08\x0A\x10\x01", 7)); // lights on
    vaholumo::Sauna_to_external report;
    QVERIFY(nextReport(report));
    const vaholumo::Relay &lights = report.sauna_state_changed().relay(1);
    QCOMPARE(int(lights.control_board()), 0);
    QCOMPARE(lights.index(), 1u);
    QVERIFY(lights.state());
    QVERIFY(lights.second_flag());
}

void TestSimulatedSauna::startInNotAllowedPeriodIsRefusedToTheRequester()
{
    startSauna();
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    connectPanel();
    connectPanel(&second);

    // From 22:00 until 06:00, switched on, and the sauna's clock at 02:51.
    vaholumo::External_to_sauna period;
    vaholumo::Boolean_value_change_request *enable = period.add_boolean_value_change_request();
    enable->set_value_id(vaholumo::Boolean_value_change_request_value_t_NOT_ALLOWED_START_ENABLE);
    enable->set_value(1);
    sendToSauna(serialized(period));
    sendToSauna(clockRequest(QDateTime(QDate(2024, 3, 5), QTime(2, 51), QTimeZone::utc())));
    vaholumo::Sauna_to_external report;
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        QVERIFY(nextReport(report, panel));
        QCOMPARE(booleanIn(report, 21), std::optional<bool>(true));
        QVERIFY(nextReport(report, panel));
        QVERIFY(report.has_sauna_state_changed());
    }

    sendToSauna(stateRequest(vaholumo::Sauna_state_change_request_state_t_STATE_ON));
    // Every panel hears the state that holds and the wait; then the requester hears why.
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        QVERIFY(nextReport(report, panel));
        QCOMPARE(integerIn(report, 23), std::optional<quint32>(189));
        QCOMPARE(int(report.sauna_state_changed().state()), 10);
        QVERIFY(!report.has_user_message());
    }
    QVERIFY(nextReport(report));
    QVERIFY(report.has_user_message());
    QCOMPARE(report.user_message().message_id(), 0x1002u);
    QCOMPARE(report.data_error_size(), 0);
    QCOMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::Off));
    // The message is the requester's alone: the other panel's next datagram answers its own
    // keep-alive.
    sendToSauna(keepAlive(9), &second);
    QVERIFY(nextReport(report, &second));
    QVERIFY(!report.has_user_message());
    QCOMPARE(report.keep_alive().sequence_number(), 9u);
}

void TestSimulatedSauna::clockStartsAtTheLocalWallTime_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("UTC") << QByteArray("UTC");
    QTest::newRow("Tokyo") << QByteArray("Asia/Tokyo");
    QTest::newRow("Los Angeles") << QByteArray("America/Los_Angeles");
    QTest::newRow("Kiritimati") << QByteArray("Pacific/Kiritimati");
}

// Without a clock given, the sauna's clock was set right where it stands: it shows the time the
// computer shows in its own zone. A clock given is shown as given, in any zone.
void TestSimulatedSauna::clockStartsAtTheLocalWallTime()
{
    QFETCH(QByteArray, zone);
    const LocalTimeZone local(zone);
    const auto shown = [](const SimulatedSauna &sauna) {
        return tools::SaunaStateModel::protocolEpoch().addMSecs(qint64(sauna.model().systemTime()));
    };
    const SimulatedSauna unset{tools::SimulatorOptions()};
    const QDateTime localWall =
        signalInterface::protocolFacts::wallClockOf(QDateTime::currentDateTimeUtc());
    QVERIFY2(
        qAbs(shown(unset).secsTo(localWall)) < 60,
        qPrintable(shown(unset).toString(Qt::ISODate) + " / " + localWall.toString(Qt::ISODate)));

    tools::SimulatorOptions options;
    options.clock = QDateTime(QDate(2031, 6, 11), QTime(19, 0), QTimeZone::utc());
    const SimulatedSauna set(options);
    QVERIFY(qAbs(shown(set).secsTo(options.clock)) < 60);
}

void TestSimulatedSauna::calendarProgramRunsByTheSaunasClock()
{
    startSauna();
    QDateTime now(QDate(2030, 1, 7), QTime(19, 0), QTimeZone::utc());
    m_sauna->setClock([&now] { return now; });
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    connectPanel();
    connectPanel(&second);

    // A program at 19:00 on Monday 2030-01-14, the sauna's clock a minute before it.
    const QDateTime ready(QDate(2030, 1, 14), QTime(19, 0), QTimeZone::utc());
    sendToSauna(clockRequest(ready.addSecs(-60)));
    vaholumo::External_to_sauna post;
    vaholumo::Calendar_post *program = post.add_calendar_post();
    program->set_index(8);
    program->set_in_use(true);
    program->set_start_time(quint64(tools::SaunaStateModel::protocolEpoch().msecsTo(ready)));
    program->set_stop_after(45);
    program->set_favorite(100);
    program->set_temperature(765);
    program->set_humidity(20);
    program->set_weekday_program(false);
    program->set_start_mode(vaholumo::Calendar_post_start_mode_t_START_AT);
    sendToSauna(serialized(post));
    vaholumo::Sauna_to_external report;
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        QVERIFY(nextReport(report, panel)); // the clock
        QVERIFY(nextReport(report, panel)); // the program
        QCOMPARE(report.calendar_post_size(), 1);
    }

    // The minute passes: every panel hears the sauna start with the program's settings.
    QSignalSpy started(m_sauna.get(), &SimulatedSauna::calendarProgramStarted);
    now = now.addSecs(60);
    QVERIFY(started.wait(WaitMs));
    QCOMPARE(started.constFirst().at(0).toUInt(), 8u);
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        QVERIFY(nextReport(report, panel));
        QCOMPARE(int(report.sauna_state_changed().state()), 11);
        QCOMPARE(integerIn(report, 10), std::optional<quint32>(765));
        QCOMPARE(integerIn(report, 22), std::optional<quint32>(45));
        QCOMPARE(report.sauna_state_changed().system_time(),
                 quint64(tools::SaunaStateModel::protocolEpoch().msecsTo(ready)));
    }

    // At its stop time it switches off.
    QSignalSpy stopped(m_sauna.get(), &SimulatedSauna::calendarProgramStopped);
    now = now.addSecs(45 * 60);
    QVERIFY(stopped.wait(WaitMs));
    QVERIFY(nextReport(report));
    QCOMPARE(int(report.sauna_state_changed().state()), 10);
    QCOMPARE(m_sauna->model().state(), int(tools::SaunaStateValue::Off));
}

void TestSimulatedSauna::productsReportTheirHumidityControl_data()
{
    QTest::addColumn<int>("product");
    QTest::addColumn<bool>("humidity");
    QTest::newRow("combi") << 31 << true;
    QTest::newRow("steam") << 32 << true;
    QTest::newRow("sauna") << 37 << false;
    QTest::newRow("ir") << 39 << false;
}

void TestSimulatedSauna::productsReportTheirHumidityControl()
{
    QFETCH(int, product);
    QFETCH(bool, humidity);
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = TestPin;
    options.rcbProduct = product;
    m_sauna = std::make_unique<SimulatedSauna>(options);
    QVERIFY(m_sauna->start());
    sendToSauna(connectRequest(TestPin, QStringLiteral("PANEL")));
    vaholumo::Sauna_to_external reply;
    QVERIFY(nextReport(reply));
    QCOMPARE(int(reply.connect_reply().rcb_product()), product);
    vaholumo::Sauna_to_external full;
    QVERIFY(nextReport(full));
    QVERIFY(full.has_control_board_support());
    QCOMPARE(full.control_board_support().humidity_level(), humidity);
    QCOMPARE(full.control_board_support().humidity_percent(), humidity);
}

// A humidity sensor failed at start, before any panel was there: each panel that connects hears
// the fault after the full report, as the sauna's own display shows it, and a panel connected
// meanwhile does not hear it again. Without a fault, the full report is all a panel hears first.
void TestSimulatedSauna::aStandingFaultReachesEachPanelAsItConnects()
{
    const auto nextIsKeepAlive = [this](QUdpSocket *panel) {
        sendToSauna(keepAlive(7), panel);
        vaholumo::Sauna_to_external answer;
        return nextReport(answer, panel) && answer.has_keep_alive() && !answer.has_user_message();
    };
    startSauna();
    connectPanel();
    QVERIFY(nextIsKeepAlive(m_panel.get()));

    tools::SimulatorOptions options = testOptions();
    options.humiditySensorFault = true;
    m_sauna.reset();
    startSauna(options);
    QUdpSocket second;
    QVERIFY(second.bind(QHostAddress::LocalHost, 0));
    for (QUdpSocket *panel : {m_panel.get(), &second}) {
        connectPanel(panel);
        vaholumo::Sauna_to_external message;
        QVERIFY(nextReport(message, panel));
        QVERIFY(message.has_user_message());
        QCOMPARE(message.user_message().message_id(), 0x100eu);
        QCOMPARE(message.user_message().message_type(),
                 vaholumo::User_message_message_type_t_MESSAGE_TYPE_ONE_BUTTON);
    }
    QVERIFY(nextIsKeepAlive(m_panel.get()));
}

QTEST_GUILESS_MAIN(TestSimulatedSauna)
#include "tst_simulated_sauna.moc"
