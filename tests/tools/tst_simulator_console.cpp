#include "sauna_simulator/simulated_sauna.h"
#include "sauna_simulator/simulator_console.h"

#include "pc_panel/datagram_transport.h"
#include "pc_panel/sauna_system_sender.h"
#include "protocol_buffers_support/message_parsing.h"

#include "connect.pb.h"
#include "message.pb.h"

#include <QMetaMethod>
#include <QNetworkDatagram>
#include <QSet>
#include <QTimeZone>
#include <QUdpSocket>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using pcPanel::SaunaSystemSender;
using namespace signalInterface;

// A step of a helper that checks; the test ends at the first failed one.
#define STEP(call)                                                                                 \
    do {                                                                                           \
        call;                                                                                      \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

namespace {

constexpr int WaitMs = 5000;

QByteArray serialized(const google::protobuf::MessageLite &message)
{
    const std::string bytes = message.SerializeAsString();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The panel's sender, its datagrams leaving from one bare socket as a connected panel's do.
class SocketTransport : public pcPanel::DatagramTransport
{
public:
    SocketTransport(QUdpSocket &socket, quint16 saunaPort)
        : m_socket(socket)
        , m_saunaPort(saunaPort)
    {}

    bool hasPeer() const override { return true; }
    bool sendToPeer(const QByteArray &datagram) override
    {
        ++sent;
        return m_socket.writeDatagram(datagram, QHostAddress::LocalHost, m_saunaPort) ==
               datagram.size();
    }

    int sent = 0;

private:
    QUdpSocket &m_socket;
    quint16 m_saunaPort;
};

// One request the panel can send: the sender slot by its name, how the test calls it, and what
// its printed line says of the request and of what came of it. A slot that is no request sends
// nothing and has no texts.
struct PanelRequest
{
    const char *slot;
    std::function<void(SaunaSystemSender &)> send;
    QString request;
    QString outcome;
};

std::vector<PanelRequest> everyPanelRequest()
{
    using S = SaunaSystemSender;
    CalendarProgram program(12);
    program.inUse = true;
    program.weekday = true;
    program.start = QDateTime(QDate(2031, 6, 23), QTime(19, 0), QTimeZone::utc());
    program.duration = 120;
    program.temperature = 765;
    program.humidity = 30;
    program.startMode = CalendarTypes::E_ready_at;

    FavoritesTypes::FavoritesPost favorite;
    favorite.index = 1;
    favorite.inUse = true;
    favorite.name = QStringLiteral("Morning");
    favorite.temperature = 693;
    favorite.humidity = 40;
    favorite.bathTime = 50;
    favorite.lights = true;

    AuxiliaryRelayTypes::AuxiliaryRelayPost relay;
    relay.index = 1;
    relay.connected = true;
    relay.function = AuxiliaryRelayTypes::E_onOff;
    relay.name = QStringLiteral("Lamp");
    relay.activated = true;

    AuxiliaryRelayTypes::Descaling descaling;
    descaling.enabled = true;
    descaling.relayIndex = 4;
    descaling.weekday = CalendarTypes::E_friday;
    descaling.startTime = QTime(3, 30);
    descaling.dosage = 200;

    DateTimeTypes::SaunaDateTime clock;
    clock.dateValid = true;
    clock.timeValid = true;
    clock.dateTime = QDateTime(QDate(2031, 6, 20), QTime(18, 45), QTimeZone::utc());

    UserMessageTypes::UserMessage answered(0x1002);
    answered.answer = UserMessageTypes::E_answerAcknowledged;

    return {
        {"onTargetTemperatureChangeRequested",
         [](S &s) { s.onTargetTemperatureChangeRequested(738); }, "integer TARGET_TEMPERATURE 738",
         "TARGET_TEMPERATURE 738"},
        {"onTargetHumidityChangeRequested", [](S &s) { s.onTargetHumidityChangeRequested(45); },
         "integer TARGET_HUMIDITY 45", "TARGET_HUMIDITY 45"},
        {"onMinBathTemperatureChangeRequested",
         [](S &s) { s.onMinBathTemperatureChangeRequested(405); },
         "integer MIN_BATH_TEMPERATURE 405", "LOWER_TEMPERATURE_LIMIT 405"},
        {"onMaxBathTemperatureChangeRequested",
         [](S &s) { s.onMaxBathTemperatureChangeRequested(900); },
         "integer MAX_BATH_TEMPERATURE 900", "UPPER_TEMPERATURE_LIMIT 900"},
        {"onBathTimeChangeRequested", [](S &s) { s.onBathTimeChangeRequested(90); },
         "integer BATH_TIME 90", "BATH_TIME 90"},
        {"onStandbyTemperatureReductionChangeRequest",
         [](S &s) { s.onStandbyTemperatureReductionChangeRequest(135); },
         "integer STANDBY_TEMPERATURE_REDUCTION 135", "STANDBY_OFFSET_TEMPERATURE 135"},
        {"onTankStandbyTemperatureChangeRequest",
         [](S &s) { s.onTankStandbyTemperatureChangeRequest(765); },
         "integer TANK_STANDBY_TEMPERATURE 765", "TANK_STANDBY_TEMPERATURE 765"},
        {"onExtSwBathtimeChangeRequest", [](S &s) { s.onExtSwBathtimeChangeRequest(45); },
         "integer EXT_SWITCH_BATH_TIME 45", "EXT_SWITCH_BATH_TIME 45"},
        {"onWaterTempLimitChangeRequested", [](S &s) { s.onWaterTempLimitChangeRequested(990); },
         "integer WATER_TEMPERATURE_LIMIT 990", "WATER_TEMPERATURE_LIMIT 990"},
        {"onPcbOverheatLimitChangeRequested",
         [](S &s) { s.onPcbOverheatLimitChangeRequested(765); }, "integer PCB_OVERHEAT_LIMIT 765",
         "PCB_OVERHEAT_LIMIT 765"},
        {"onFanRuntimeChangeRequest", [](S &s) { s.onFanRuntimeChangeRequest(20); },
         "integer FAN_RUNTIME 20", "FAN_RUNTIME 20"},
        {"onCleanupTimeChangeRequest", [](S &s) { s.onCleanupTimeChangeRequest(48); },
         "integer CLEANUP_TIME 48", "CLEANUP_BETWEEN_TIME 48"},
        {"onResetBathTimeTimerRequest", [](S &s) { s.onResetBathTimeTimerRequest(); },
         "integer RESET_BATH_TIME_TIMER 0", "BATH_TIME_TIMER_RESET 0"},
        {"onTankAutoEmptyingDurationChangeRequest",
         [](S &s) { s.onTankAutoEmptyingDurationChangeRequest(180); },
         "integer TANK_AUTO_EMPTYING_DURATION 180", "TANK_AUTO_EMPTYING_DURATION 180"},
        {"onRcbTankFillTimeChangeRequest", [](S &s) { s.onRcbTankFillTimeChangeRequest(210); },
         "integer RCB_TANK_FILL_TIME 210", "RCB_TANK_FILL_TIME 210"},
        {"onNotAllowedStartFromTimeChangeRequested",
         [](S &s) { s.onNotAllowedStartFromTimeChangeRequested(QTime(23, 0)); },
         "integer NOT_ALLOWED_START_FROM 1380", "NOT_ALLOWED_START_FROM 1380"},
        {"onNotAllowedStartUntilTimeChangeRequested",
         [](S &s) { s.onNotAllowedStartUntilTimeChangeRequested(QTime(5, 30)); },
         "integer NOT_ALLOWED_START_UNTIL 330", "NOT_ALLOWED_START_UNTIL 330"},
        {"onLightsStateChangeRequested", [](S &s) { s.onLightsStateChangeRequested(); },
         "boolean LIGHTS true", "LIGHTS true"},
        {"onFanRunningChangeRequested", [](S &s) { s.onFanRunningChangeRequested(); },
         "boolean FAN_RUNNING true", "FAN_RUNNING true"},
        {"onEnableStandbyChangeRequest", [](S &s) { s.onEnableStandbyChangeRequest(true); },
         "boolean ENABLE_STANDBY true", "ENABLE_STANDBY true"},
        {"onScheduleItemDisableChangeRequested",
         [](S &s) { s.onScheduleItemDisableChangeRequested(true); },
         "boolean SCHEDULE_ITEM_DISABLE true", "SCHEDULE_ITEM_DISABLE true"},
        {"onFanAutomaticChangeRequested", [](S &s) { s.onFanAutomaticChangeRequested(false); },
         "boolean FAN_AUTOMATIC false", "FAN_AUTOMATIC false"},
        {"onCleanupEnableChangeRequest", [](S &s) { s.onCleanupEnableChangeRequest(true); },
         "boolean CLEANUP_ENABLE true", "CLEANUP_ENABLE true"},
        {"onTankEmptyingEnableChangeRequested",
         [](S &s) { s.onTankEmptyingEnableChangeRequested(true); },
         "boolean TANK_EMPTYING_ENABLE true", "TANK_AUTO_EMPTYING_ENABLE true"},
        {"onNotAllowedStartEnableChangeRequested",
         [](S &s) { s.onNotAllowedStartEnableChangeRequested(false); },
         "boolean NOT_ALLOWED_START_ENABLE false", "NOT_ALLOWED_START_ENABLE false"},
        {"onCleanupTankNoticeChangeRequest", [](S &s) { s.onCleanupTankNoticeChangeRequest(true); },
         "boolean CLEANUP_TANK_NOTICE true", "TANK_NOTIFICATION_ENABLE true"},
        {"onIrEnableChangeRequested", [](S &s) { s.onIrEnableChangeRequested(true); },
         "boolean IR_ENABLE true", "IR_ENABLE true"},
        {"onFacilityTypeRequested",
         [](S &s) { s.onFacilityTypeRequested(SaunaStateTypes::E_time_controlled); },
         "enum facility type FACILITY_TIME_CONTROLLED", "facility type FACILITY_TIME_CONTROLLED"},
        {"onRegionChangeRequested",
         [](S &s) { s.onRegionChangeRequested(RegionTypes::E_north_america); },
         "enum region REGION_NORTH_AMERICA", "region REGION_NORTH_AMERICA"},
        {"onExtSwFunctionChangeRequest",
         [](S &s) { s.onExtSwFunctionChangeRequest(ExternalSwitchTypes::E_renew); },
         "enum external switch EXTERNAL_SWITCH_RENEW", "external switch EXTERNAL_SWITCH_RENEW"},
        {"onBathPriorityChangeRequested",
         [](S &s) { s.onBathPriorityChangeRequested(SaunaStateTypes::E_prio_humidity); },
         "enum bath priority BATH_PRIORITY_HUMIDITY", "bath priority BATH_PRIORITY_HUMIDITY"},
        {"onFavoriteUpdateRequested", [favorite](S &s) { s.onFavoriteUpdateRequested(favorite); },
         "favorite 1 \"Morning\", temperature 693, humidity 40, bath time 50 min, lights on",
         "favorite 1 \"Morning\": temperature 693"},
        {"onSaunaStartFavoriteRequested", [](S &s) { s.onSaunaStartFavoriteRequested(1); },
         "command START_FAVORITE argument 1", "state STATE_ON"},
        {"onSaunaStateChangeRequested",
         [](S &s) { s.onSaunaStateChangeRequested(SaunaStateTypes::E_sauna_off); },
         "state STATE_OFF", "RUN_TIME_LEFT 0; state STATE_OFF"},
        {"onSystemTimeChangeRequested", [clock](S &s) { s.onSystemTimeChangeRequested(clock); },
         "clock Fri 2031-06-20 18:45", "state STATE_OFF at Fri 2031-06-20 18:45"},
        {"onErrorLogClearRequest", [](S &s) { s.onErrorLogClearRequest(); },
         "command CLEAR_ERROR_LOG", "error log: 3 entries emptied"},
        {"onRenewBathTimeRequest", [](S &s) { s.onRenewBathTimeRequest(); },
         "command RENEW_BATH_TIME", "nothing changed"},
        {"onActivateBuzzerRequested",
         [](S &s) { s.onActivateBuzzerRequested(NodeInformationTypes::E_master); },
         "command ACTIVATE_BUZZER board 0", "buzzer of relay control board 0 sounds"},
        {"onCalendarProgramChangeRequested",
         [program](S &s) { s.onCalendarProgramChangeRequested(program); },
         "calendar program 12 weekday Mon 2031-06-23 19:00 ready at for 120 min temperature "
         "765 humidity 30",
         "calendar program 12: every week from Mon 2031-06-23 19:00 ready at for 120 min"},
        {"onUserMessageAnswered", [answered](S &s) { s.onUserMessageAnswered(answered); },
         "answer to message 0x1002: ANSWER_ACKNOWLEDGED", "nothing changed"},
        {"onAuxRelayUpdateRequested", [relay](S &s) { s.onAuxRelayUpdateRequested(relay); },
         "aux relay 1 FUNCTION_ON_OFF \"Lamp\" activated, on time 0 SCALING_100_MSEC, off time 0 "
         "SCALING_100_MSEC",
         "aux relay 1 FUNCTION_ON_OFF \"Lamp\" activated"},
        {"onDescalingChangeRequested",
         [descaling](S &s) { s.onDescalingChangeRequested(descaling); },
         "descaling on relay 4 weekday 4 at 03:30 dosage 200",
         "descaling on by relay 4 on weekday 4 at 03:30, dosage 200"},
        {"onSupportedCharactersUpdateNeeded", [](S &s) { s.onSupportedCharactersUpdateNeeded(); },
         "command UPDATE_SUPPORTED_CHARACTERS", "supported characters sent"},
        {"onMaxHumityTableUpdateNeeded", [](S &s) { s.onMaxHumityTableUpdateNeeded(); },
         "command UPDATE_MAX_HUMIDITY_TABLE", "refused: this sauna has no limit table"},
        {"onMaxTemperatureTableUpdateNeeded", [](S &s) { s.onMaxTemperatureTableUpdateNeeded(); },
         "command UPDATE_MAX_TEMPERATURE_TABLE", "refused: this sauna has no limit table"},
        {"onUpdateSaunaRequest", [](S &s) { s.onUpdateSaunaRequest(); }, "command UPDATE_SAUNA",
         "full report sent"},
        // The states the sauna reported, which the lights and fan toggles negate.
        {"onSaunaLightsStateChange", [](S &s) { s.onSaunaLightsStateChange(true); }, {}, {}},
        {"onSaunaFanRunningChanged", [](S &s) { s.onSaunaFanRunningChanged(true); }, {}, {}},
    };
}

} // namespace

// What the simulator prints: one line for every request the panel can send, naming the request
// and what came of it. The panel's own sender makes the requests; they reach the simulator over
// loopback as a connected panel's datagrams.
class TestSimulatorConsole : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyPanelRequestIsPrintedOnce();
    void connectionsAreTold();
    void calendarProgramsAreTold();
    void programSwitchedOffIsToldStopped();

private:
    // Posts calendar program 3, starting a minute after the clock, and waits for its start.
    void runProgram(QDateTime &now, SaunaSystemSender &sender);

    void startSauna();
    void connectPanel();
    // Sends a keep-alive and waits for its answer: everything sent before it has been handled.
    void handled();

    std::unique_ptr<tools::SimulatedSauna> m_sauna;
    std::unique_ptr<tools::SimulatorConsole> m_console;
    std::unique_ptr<QUdpSocket> m_panel;
    QStringList m_lines;
    quint32 m_sequence = 0;
};

void TestSimulatorConsole::cleanup()
{
    m_console.reset();
    m_sauna.reset();
    m_panel.reset();
    m_lines.clear();
}

void TestSimulatorConsole::startSauna()
{
    tools::SimulatorOptions options;
    options.announcePort = 0;
    options.saunaPort = 0;
    options.pin = QStringLiteral("1234");
    options.heatIntervalMs = 3600000;
    options.keepAliveIntervalSeconds = 60;
    options.errorLogEntries = 3;
    // A clock of its own, so that nothing the sauna does at a time of day or on a weekday (its
    // descaling, Wednesdays at 02:00) happens because of when the test runs.
    options.clock = QDateTime(QDate(2030, 1, 7), QTime(12, 0), QTimeZone::utc());
    m_sauna = std::make_unique<tools::SimulatedSauna>(options);
    m_console = std::make_unique<tools::SimulatorConsole>(
        *m_sauna, [this](const QString &line) { m_lines << line; });
    QString error;
    QVERIFY2(m_sauna->start(&error), qPrintable(error));
    m_panel = std::make_unique<QUdpSocket>();
    QVERIFY(m_panel->bind(QHostAddress::LocalHost, 0));
}

void TestSimulatorConsole::connectPanel()
{
    vaholumo::External_to_sauna envelope;
    vaholumo::Connect_request *request = envelope.mutable_connect_request();
    request->set_profile(vaholumo::Connection_types_profile_t_PROFILE_PC_PANEL);
    request->set_pin_code("1234");
    for (const QChar unit : QStringLiteral("Hall panel"))
        request->add_unit_name(unit.unicode());
    QSignalSpy connected(m_sauna.get(), &tools::SimulatedSauna::panelConnected);
    m_panel->writeDatagram(serialized(envelope), QHostAddress::LocalHost, m_sauna->saunaPort());
    QVERIFY(connected.wait(WaitMs));
}

void TestSimulatorConsole::handled()
{
    vaholumo::External_to_sauna envelope;
    envelope.mutable_keep_alive()->set_sequence_number(++m_sequence);
    m_panel->writeDatagram(serialized(envelope), QHostAddress::LocalHost, m_sauna->saunaPort());
    for (;;) {
        // The sauna answers from this thread's event loop, which the wait keeps running.
        QTRY_VERIFY_WITH_TIMEOUT(m_panel->hasPendingDatagrams(), WaitMs);
        const QNetworkDatagram datagram = m_panel->receiveDatagram();
        vaholumo::Sauna_to_external answer;
        if (pbSupport::parseDatagram(datagram.data(), answer) && answer.has_keep_alive() &&
            answer.keep_alive().sequence_number() == m_sequence)
            return;
    }
}

void TestSimulatorConsole::everyPanelRequestIsPrintedOnce()
{
    STEP(startSauna());
    STEP(connectPanel());
    SocketTransport transport(*m_panel, m_sauna->saunaPort());
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    const std::vector<PanelRequest> requests = everyPanelRequest();

    // Every slot the sender has is in the table: a request added later is printed too.
    QSet<QString> listed;
    for (const PanelRequest &request : requests)
        listed.insert(QString::fromLatin1(request.slot));
    const QMetaObject &meta = SaunaSystemSender::staticMetaObject;
    for (int index = QObject::staticMetaObject.methodCount(); index < meta.methodCount(); ++index) {
        const QMetaMethod method = meta.method(index);
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Public)
            QVERIFY2(listed.contains(QString::fromLatin1(method.name())),
                     qPrintable(QStringLiteral("no row for %1").arg(method.name())));
    }

    for (const PanelRequest &request : requests) {
        STEP(handled());
        m_lines.clear();
        const int sentBefore = transport.sent;
        request.send(sender);
        STEP(handled());
        const int sent = transport.sent - sentBefore;
        if (request.request.isEmpty()) {
            QVERIFY2(sent == 0, request.slot);
            QVERIFY2(m_lines.isEmpty(), qPrintable(m_lines.join(QLatin1Char('\n'))));
            continue;
        }
        QVERIFY2(sent == 1, request.slot);
        QVERIFY2(m_lines.size() == 1,
                 qPrintable(QStringLiteral("%1: %2").arg(request.slot, m_lines.join(" | "))));
        const QString line = m_lines.constFirst();
        const QString expectedStart = QStringLiteral("request %1 -> ").arg(request.request);
        QVERIFY2(line.startsWith(expectedStart),
                 qPrintable(QStringLiteral("%1\n   got: %2\nwanted: %3...")
                                .arg(request.slot, line, expectedStart)));
        QVERIFY2(line.mid(expectedStart.size()).contains(request.outcome),
                 qPrintable(QStringLiteral("%1\n   got: %2\nwanted in the outcome: %3")
                                .arg(request.slot, line, request.outcome)));
    }
}

void TestSimulatorConsole::connectionsAreTold()
{
    STEP(startSauna());
    STEP(connectPanel());
    QVERIFY2(m_lines.size() == 1, qPrintable(m_lines.join(QLatin1Char('\n'))));
    QVERIFY2(m_lines.constFirst().startsWith(QStringLiteral("connected 127.0.0.1:")),
             qPrintable(m_lines.constFirst()));
    QVERIFY(m_lines.constFirst().endsWith(QStringLiteral(" \"Hall panel\"")));

    vaholumo::External_to_sauna envelope;
    envelope.mutable_disconnect_request();
    QSignalSpy disconnected(m_sauna.get(), &tools::SimulatedSauna::panelDisconnected);
    m_panel->writeDatagram(serialized(envelope), QHostAddress::LocalHost, m_sauna->saunaPort());
    QVERIFY(disconnected.wait(WaitMs));
    QCOMPARE(m_lines.size(), 2);
    QVERIFY2(m_lines.at(1).endsWith(QStringLiteral("(disconnect request)")),
             qPrintable(m_lines.at(1)));
}

void TestSimulatorConsole::calendarProgramsAreTold()
{
    STEP(startSauna());
    QDateTime now(QDate(2030, 5, 6), QTime(18, 58), QTimeZone::utc());
    m_sauna->setClock([&now] { return now; });
    STEP(connectPanel());
    SocketTransport transport(*m_panel, m_sauna->saunaPort());
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    DateTimeTypes::SaunaDateTime clock;
    clock.dateValid = clock.timeValid = true;
    clock.dateTime = now;
    sender.onSystemTimeChangeRequested(clock);
    CalendarProgram program(3);
    program.inUse = true;
    program.start = now.addSecs(60);
    program.duration = 30;
    program.startMode = CalendarTypes::E_start_at;
    sender.onCalendarProgramChangeRequested(program);
    STEP(handled());
    m_lines.clear();

    QSignalSpy started(m_sauna.get(), &tools::SimulatedSauna::calendarProgramStarted);
    now = now.addSecs(60);
    QVERIFY(started.wait(WaitMs));
    QCOMPARE(m_lines.size(), 1);
    QVERIFY2(m_lines.constFirst().startsWith(QStringLiteral("calendar program 3 started -> ")),
             qPrintable(m_lines.constFirst()));
    QVERIFY2(m_lines.constFirst().contains(QStringLiteral("state STATE_ON")),
             qPrintable(m_lines.constFirst()));

    QSignalSpy stopped(m_sauna.get(), &tools::SimulatedSauna::calendarProgramStopped);
    now = now.addSecs(30 * 60);
    QVERIFY(stopped.wait(WaitMs));
    QCOMPARE(m_lines.size(), 2);
    QVERIFY2(m_lines.at(1).startsWith(QStringLiteral("calendar program 3 stopped -> ")),
             qPrintable(m_lines.at(1)));
    QVERIFY2(m_lines.at(1).contains(QStringLiteral("state STATE_OFF")), qPrintable(m_lines.at(1)));
}

void TestSimulatorConsole::runProgram(QDateTime &now, SaunaSystemSender &sender)
{
    DateTimeTypes::SaunaDateTime clock;
    clock.dateValid = clock.timeValid = true;
    clock.dateTime = now;
    sender.onSystemTimeChangeRequested(clock);
    CalendarProgram program(3);
    program.inUse = true;
    program.start = now.addSecs(60);
    program.duration = 30;
    program.startMode = CalendarTypes::E_start_at;
    sender.onCalendarProgramChangeRequested(program);
    STEP(handled());
    QSignalSpy started(m_sauna.get(), &tools::SimulatedSauna::calendarProgramStarted);
    now = now.addSecs(60);
    QVERIFY(started.wait(WaitMs));
}

void TestSimulatorConsole::programSwitchedOffIsToldStopped()
{
    STEP(startSauna());
    QDateTime now(QDate(2030, 5, 6), QTime(18, 58), QTimeZone::utc());
    m_sauna->setClock([&now] { return now; });
    STEP(connectPanel());
    SocketTransport transport(*m_panel, m_sauna->saunaPort());
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    STEP(runProgram(now, sender));
    m_lines.clear();

    // The request first, then the program's end.
    sender.onSaunaStateChangeRequested(SaunaStateTypes::E_sauna_off);
    STEP(handled());
    QVERIFY2(m_lines.size() == 2, qPrintable(m_lines.join(QLatin1Char('\n'))));
    QVERIFY2(m_lines.constFirst().startsWith(QStringLiteral("request state STATE_OFF -> ")),
             qPrintable(m_lines.constFirst()));
    QVERIFY2(m_lines.at(1).startsWith(QStringLiteral("calendar program 3 stopped -> ")),
             qPrintable(m_lines.at(1)));
    QVERIFY2(m_lines.at(1).contains(QStringLiteral("state STATE_OFF")), qPrintable(m_lines.at(1)));
}

QTEST_GUILESS_MAIN(TestSimulatorConsole)
#include "tst_simulator_console.moc"
