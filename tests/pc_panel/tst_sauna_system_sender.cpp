#include "fake_datagram_transport.h"
#include "pc_panel/sauna_system_sender.h"
#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"
#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <vector>

using namespace signalInterface;
using pcPanel::SaunaSystemSender;
using Envelope = vaholumo::External_to_sauna;

namespace {

// How many members an envelope holds: every element of every repeated member and every present
// optional member.
int memberCount(const Envelope &envelope)
{
    return envelope.has_connect_request() + envelope.has_disconnect_request() +
           envelope.has_keep_alive() + envelope.general_command_size() +
           envelope.integer_value_change_request_size() +
           envelope.boolean_value_change_request_size() + envelope.favorite_post_size() +
           envelope.calendar_post_size() + envelope.has_sauna_state_change_request() +
           envelope.aux_relay_post_size() + envelope.has_descaling() +
           envelope.enum_value_change_request_size() + envelope.has_user_message();
}

Envelope integerRequest(int id, quint32 value)
{
    Envelope envelope;
    auto *request = envelope.add_integer_value_change_request();
    request->set_value_id(static_cast<vaholumo::Integer_value_change_request_value_t>(id));
    request->set_value(value);
    return envelope;
}

Envelope booleanRequest(int id, bool value)
{
    Envelope envelope;
    auto *request = envelope.add_boolean_value_change_request();
    request->set_value_id(static_cast<vaholumo::Boolean_value_change_request_value_t>(id));
    request->set_value(value ? 1 : 0);
    return envelope;
}

Envelope generalCommand(int command)
{
    Envelope envelope;
    envelope.add_general_command()->set_command(
        static_cast<vaholumo::General_command_command_t>(command));
    return envelope;
}

struct SlotCase
{
    const char *name;
    std::function<void(SaunaSystemSender &)> request;
    std::function<Envelope()> expected;
};

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

const std::vector<SlotCase> &slotCases()
{
    static const std::vector<SlotCase> cases = {
        {"target temperature", [](auto &s) { s.onTargetTemperatureChangeRequested(720); },
         [] {
             return integerRequest(10, 720);
         }},
        {"standby reduction", [](auto &s) { s.onStandbyTemperatureReductionChangeRequest(45); },
         [] {
             return integerRequest(11, 45);
         }},
        {"min bath temperature", [](auto &s) { s.onMinBathTemperatureChangeRequested(360); },
         [] {
             return integerRequest(12, 360);
         }},
        {"max bath temperature", [](auto &s) { s.onMaxBathTemperatureChangeRequested(990); },
         [] {
             return integerRequest(13, 990);
         }},
        {"bath time", [](auto &s) { s.onBathTimeChangeRequested(90); },
         [] {
             return integerRequest(14, 90);
         }},
        {"target humidity step", [](auto &s) { s.onTargetHumidityChangeRequested(103); },
         [] {
             return integerRequest(15, 103);
         }},
        {"tank standby temperature", [](auto &s) { s.onTankStandbyTemperatureChangeRequest(540); },
         [] {
             return integerRequest(17, 540);
         }},
        {"external switch bath time", [](auto &s) { s.onExtSwBathtimeChangeRequest(30); },
         [] {
             return integerRequest(18, 30);
         }},
        {"water temperature limit", [](auto &s) { s.onWaterTempLimitChangeRequested(810); },
         [] {
             return integerRequest(19, 810);
         }},
        {"pcb overheat limit", [](auto &s) { s.onPcbOverheatLimitChangeRequested(630); },
         [] {
             return integerRequest(20, 630);
         }},
        {"fan runtime", [](auto &s) { s.onFanRuntimeChangeRequest(15); },
         [] {
             return integerRequest(21, 15);
         }},
        {"cleanup time", [](auto &s) { s.onCleanupTimeChangeRequest(120); },
         [] {
             return integerRequest(22, 120);
         }},
        {"reset bath time timer", [](auto &s) { s.onResetBathTimeTimerRequest(); },
         [] {
             return integerRequest(23, 0);
         }},
        {"tank auto emptying duration",
         [](auto &s) { s.onTankAutoEmptyingDurationChangeRequest(45); },
         [] {
             return integerRequest(24, 45);
         }},
        {"tank fill time", [](auto &s) { s.onRcbTankFillTimeChangeRequest(300); },
         [] {
             return integerRequest(25, 300);
         }},
        {"not allowed start from",
         [](auto &s) { s.onNotAllowedStartFromTimeChangeRequested(QTime(7, 30)); },
         [] {
             return integerRequest(26, 450);
         }},
        {"not allowed start until",
         [](auto &s) { s.onNotAllowedStartUntilTimeChangeRequested(QTime(23, 59)); },
         [] {
             return integerRequest(27, 1439);
         }},
        {"lights toggle", [](auto &s) { s.onLightsStateChangeRequested(); },
         [] {
             return booleanRequest(10, true);
         }},
        {"enable standby", [](auto &s) { s.onEnableStandbyChangeRequest(true); },
         [] {
             return booleanRequest(11, true);
         }},
        {"schedule item disable", [](auto &s) { s.onScheduleItemDisableChangeRequested(false); },
         [] {
             return booleanRequest(12, false);
         }},
        {"fan automatic", [](auto &s) { s.onFanAutomaticChangeRequested(true); },
         [] {
             return booleanRequest(13, true);
         }},
        {"fan running toggle", [](auto &s) { s.onFanRunningChangeRequested(); },
         [] {
             return booleanRequest(14, true);
         }},
        {"cleanup enable", [](auto &s) { s.onCleanupEnableChangeRequest(true); },
         [] {
             return booleanRequest(15, true);
         }},
        {"tank emptying enable", [](auto &s) { s.onTankEmptyingEnableChangeRequested(false); },
         [] {
             return booleanRequest(16, false);
         }},
        {"not allowed start enable",
         [](auto &s) { s.onNotAllowedStartEnableChangeRequested(true); },
         [] {
             return booleanRequest(17, true);
         }},
        {"cleanup tank notice", [](auto &s) { s.onCleanupTankNoticeChangeRequest(true); },
         [] {
             return booleanRequest(18, true);
         }},
        {"ir enable", [](auto &s) { s.onIrEnableChangeRequested(false); },
         [] {
             return booleanRequest(19, false);
         }},
        {"facility type", [](auto &s) { s.onFacilityTypeRequested(SaunaStateTypes::E_public); },
         [] {
             Envelope e;
             e.add_enum_value_change_request()->set_facility_type(
                 vaholumo::Enum_value_types_facility_type_t_FACILITY_PUBLIC);
             return e;
         }},
        {"region", [](auto &s) { s.onRegionChangeRequested(RegionTypes::E_north_america); },
         [] {
             Envelope e;
             e.add_enum_value_change_request()->set_region(
                 vaholumo::Enum_value_types_region_t_REGION_NORTH_AMERICA);
             return e;
         }},
        {"external switch function",
         [](auto &s) { s.onExtSwFunctionChangeRequest(ExternalSwitchTypes::E_renew); },
         [] {
             Envelope e;
             e.add_enum_value_change_request()->set_external_switch_function(
                 vaholumo::Enum_value_types_external_switch_function_t_EXTERNAL_SWITCH_RENEW);
             return e;
         }},
        {"bath priority",
         [](auto &s) { s.onBathPriorityChangeRequested(SaunaStateTypes::E_prio_humidity); },
         [] {
             Envelope e;
             e.add_enum_value_change_request()->set_bath_priority(
                 vaholumo::Enum_value_types_bath_priority_t_BATH_PRIORITY_HUMIDITY);
             return e;
         }},
        {"sauna standby",
         [](auto &s) { s.onSaunaStateChangeRequested(SaunaStateTypes::E_sauna_standby); },
         [] {
             Envelope e;
             e.mutable_sauna_state_change_request()->set_state(
                 vaholumo::Sauna_state_change_request_state_t_STATE_STANDBY);
             return e;
         }},
        {"system time",
         [](auto &s) {
             DateTimeTypes::SaunaDateTime dateTime;
             dateTime.dateTime = utc(2000, 1, 1, 0, 0, 1);
             s.onSystemTimeChangeRequested(dateTime);
         },
         [] {
             Envelope e;
             e.mutable_sauna_state_change_request()->set_system_time(1000);
             return e;
         }},
        {"error log clear", [](auto &s) { s.onErrorLogClearRequest(); },
         [] {
             return generalCommand(1);
         }},
        {"renew bath time", [](auto &s) { s.onRenewBathTimeRequest(); },
         [] {
             return generalCommand(6);
         }},
        {"buzzer", [](auto &s) { s.onActivateBuzzerRequested(NodeInformationTypes::E_slave_2); },
         [] {
             Envelope e = generalCommand(7);
             e.mutable_general_command(0)->set_control_board(
                 vaholumo::Node_types_rcb_t_RCB_SECONDARY_2);
             return e;
         }},
        {"start favorite", [](auto &s) { s.onSaunaStartFavoriteRequested(3); },
         [] {
             Envelope e = generalCommand(8);
             e.mutable_general_command(0)->set_argument(3);
             return e;
         }},
        {"calendar program",
         [](auto &s) {
             CalendarProgram program(5);
             program.inUse = true;
             program.start = utc(2000, 1, 1, 0, 1);
             program.duration = 60;
             program.humidity = 40;
             program.temperature = 720;
             program.weekday = true;
             program.startMode = CalendarTypes::E_ready_at;
             program.option11 = true;
             s.onCalendarProgramChangeRequested(program);
         },
         [] {
             Envelope e;
             auto *post = e.add_calendar_post();
             post->set_index(5);
             post->set_in_use(true);
             post->set_start_time(60000);
             post->set_stop_after(60);
             post->set_favorite(100);
             post->set_humidity(40);
             post->set_temperature(720);
             post->set_weekday_program(true);
             post->set_start_mode(vaholumo::Calendar_post_start_mode_t_READY_AT);
             post->set_standby_mode(false);
             post->set_extra_flag(true);
             return e;
         }},
        {"user message answer",
         [](auto &s) {
             UserMessageTypes::UserMessage message(0x2026);
             message.type = UserMessageTypes::E_typeTwoButtons;
             message.answer = UserMessageTypes::E_answerNo;
             message.timeout = 5000;
             message.arguments << QStringLiteral("Sauna %2");
             s.onUserMessageAnswered(message);
         },
         [] {
             Envelope e;
             auto *message = e.mutable_user_message();
             message->set_message_id(0x2026);
             message->set_message_type(
                 vaholumo::User_message_message_type_t_MESSAGE_TYPE_TWO_BUTTONS);
             message->set_answer(vaholumo::User_message_answer_t_ANSWER_NO);
             message->set_timeout(5000);
             for (QChar c : QStringLiteral("Connected to system Sauna %2"))
                 message->add_text(c.unicode());
             return e;
         }},
        {"favorite deletion",
         [](auto &s) {
             FavoritesTypes::FavoritesPost favorite;
             favorite.index = 3;
             favorite.name = QStringLiteral("ignored");
             s.onFavoriteUpdateRequested(favorite);
         },
         [] {
             Envelope e;
             auto *post = e.add_favorite_post();
             post->set_index(3);
             post->set_in_use(false);
             return e;
         }},
        {"aux relay",
         [](auto &s) {
             AuxiliaryRelayTypes::AuxiliaryRelayPost relay;
             relay.index = 2;
             relay.function = AuxiliaryRelayTypes::E_frequency;
             relay.name = QStringLiteral("Ab");
             relay.activated = true;
             relay.offTimeValue = 168;
             relay.offTimeScaling = AuxiliaryRelayTypes::E_hours;
             relay.onTimeValue = 30;
             relay.onTimeScaling = AuxiliaryRelayTypes::E_seconds;
             s.onAuxRelayUpdateRequested(relay);
         },
         [] {
             Envelope e;
             auto *post = e.add_aux_relay_post();
             post->set_index(2);
             post->set_function(vaholumo::Aux_relay_post_function_t_FUNCTION_FREQUENCY);
             post->add_name('A');
             post->add_name('b');
             post->set_activated(true);
             post->mutable_off_time()->set_scaling(
                 vaholumo::Aux_relay_timing_scaling_t_SCALING_HOURS);
             post->mutable_off_time()->set_value(168);
             post->mutable_on_time()->set_scaling(
                 vaholumo::Aux_relay_timing_scaling_t_SCALING_SECONDS);
             post->mutable_on_time()->set_value(30);
             return e;
         }},
        {"descaling",
         [](auto &s) {
             AuxiliaryRelayTypes::Descaling descaling;
             descaling.enabled = true;
             descaling.weekday = CalendarTypes::E_friday;
             descaling.startTime = QTime(6, 30);
             descaling.dosage = 150;
             s.onDescalingChangeRequested(descaling);
         },
         [] {
             Envelope e;
             auto *descaling = e.mutable_descaling();
             descaling->set_enabled(true);
             descaling->set_weekday(4);
             descaling->set_start_time(390);
             descaling->set_dosage(150);
             return e;
         }},
    };
    return cases;
}

QByteArray bytes(const Envelope &envelope)
{
    return QByteArray::fromStdString(envelope.SerializeAsString());
}

} // namespace

class TestSaunaSystemSender : public QObject
{
    Q_OBJECT

private slots:
    void everySlotSendsOneMember_data();
    void everySlotSendsOneMember();
    void tableCoversEverySlot();
    void goldenBytes_data();
    void goldenBytes();
    void nothingIsSentWithoutPeer();
    void everySendRestartsKeepAlive();
    void refusedSendDoesNotCountAsSent();
    void togglesNegateLastReport();
    void toggleStatesResetForNewConnection();
    void stateWithoutRequestPairSendsNothing_data();
    void stateWithoutRequestPairSendsNothing();
    void unrepresentableValues_data();
    void unrepresentableValues();
    void programWithoutFavoriteAndProgramNotInUse();
    void updateCommands();
    void connectUpdateSaunaRequestsReportsFailures();

private:
    FakeDatagramTransport m_transport;
};

void TestSaunaSystemSender::everySlotSendsOneMember_data()
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < slotCases().size(); ++i)
        QTest::newRow(slotCases()[i].name) << static_cast<int>(i);
}

void TestSaunaSystemSender::everySlotSendsOneMember()
{
    QFETCH(int, row);
    const SlotCase &slotCase = slotCases()[static_cast<size_t>(row)];
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);

    slotCase.request(sender);

    QCOMPARE(transport.m_sent.size(), 1);
    Envelope sent;
    QVERIFY(sent.ParseFromArray(transport.m_sent.first().constData(),
                                static_cast<int>(transport.m_sent.first().size())));
    QCOMPARE(memberCount(sent), 1);
    QCOMPARE(transport.m_sent.first(), bytes(slotCase.expected()));
}

void TestSaunaSystemSender::tableCoversEverySlot()
{
    // Every request slot of the bridge interface appears in the table above.
    const QMetaObject &meta = saunaBridge::ZerededidBridgeSenderSlotInterface::staticMetaObject;
    int requestSlots = 0;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        requestSlots += meta.method(i).methodType() == QMetaMethod::Slot;
    QCOMPARE(requestSlots, 42);
    QCOMPARE(static_cast<int>(slotCases().size()), 42);
}

void TestSaunaSystemSender::goldenBytes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("target 720") << 0 << QByteArray::fromHex("D241050 80A10D005");
    QTest::newRow("lights on") << 17 << QByteArray::fromHex("A24204080A1001");
    QTest::newRow("region north america") << 28 << QByteArray::fromHex("B24502601F");
    QTest::newRow("error log clear") << 33 << QByteArray::fromHex("8241020801");
    QTest::newRow("buzzer secondary 2") << 35 << QByteArray::fromHex("824104080710 02");
    QTest::newRow("start favorite 3") << 36 << QByteArray::fromHex("82410408081803");
}

void TestSaunaSystemSender::goldenBytes()
{
    QFETCH(int, row);
    QFETCH(QByteArray, expected);
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    slotCases()[static_cast<size_t>(row)].request(sender);
    QCOMPARE(transport.m_sent, QByteArrayList{expected});
}

void TestSaunaSystemSender::nothingIsSentWithoutPeer()
{
    SaunaSystemSender sender;
    QSignalSpy sent(&sender, &SaunaSystemSender::datagramSent);
    sender.onTargetTemperatureChangeRequested(720); // no transport at all

    FakeDatagramTransport transport;
    transport.m_hasPeer = false;
    sender.setTransport(&transport);
    for (const SlotCase &slotCase : slotCases())
        slotCase.request(sender);
    QVERIFY(transport.m_sent.isEmpty());
    QCOMPARE(sent.count(), 0);
}

void TestSaunaSystemSender::everySendRestartsKeepAlive()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    QSignalSpy sent(&sender, &SaunaSystemSender::datagramSent);
    sender.onBathTimeChangeRequested(60);
    sender.onLightsStateChangeRequested();
    sender.onRenewBathTimeRequest();
    QCOMPARE(sent.count(), 3);
    QCOMPARE(transport.m_sent.size(), 3);
}

void TestSaunaSystemSender::refusedSendDoesNotCountAsSent()
{
    FakeDatagramTransport transport;
    transport.m_accepts = false;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    QSignalSpy sent(&sender, &SaunaSystemSender::datagramSent);
    vaholumo::External_to_sauna envelope;
    envelope.mutable_disconnect_request();
    QVERIFY(!sender.send(envelope));
    QCOMPARE(sent.count(), 0);
}

void TestSaunaSystemSender::togglesNegateLastReport()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);

    sender.onSaunaLightsStateChange(true);
    sender.onLightsStateChangeRequested();
    // No report in between: a second press sends the same value again.
    sender.onLightsStateChangeRequested();
    sender.onSaunaFanRunningChanged(true);
    sender.onFanRunningChangeRequested();
    sender.onSaunaFanRunningChanged(false);
    sender.onFanRunningChangeRequested();

    QCOMPARE(transport.m_sent,
             (QByteArrayList{bytes(booleanRequest(10, false)), bytes(booleanRequest(10, false)),
                             bytes(booleanRequest(14, false)), bytes(booleanRequest(14, true))}));
}

void TestSaunaSystemSender::toggleStatesResetForNewConnection()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    sender.onSaunaLightsStateChange(true);
    sender.onSaunaFanRunningChanged(true);
    sender.resetReportedStates();
    sender.onLightsStateChangeRequested();
    sender.onFanRunningChangeRequested();
    QCOMPARE(transport.m_sent,
             (QByteArrayList{bytes(booleanRequest(10, true)), bytes(booleanRequest(14, true))}));
}

void TestSaunaSystemSender::stateWithoutRequestPairSendsNothing_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("dry-up") << int(SaunaStateTypes::E_sauna_dryup);
    QTest::newRow("cleanup") << int(SaunaStateTypes::E_sauna_cleanup);
    QTest::newRow("descaling") << int(SaunaStateTypes::E_sauna_descaling);
    QTest::newRow("undeclared 9") << 9;
}

void TestSaunaSystemSender::stateWithoutRequestPairSendsNothing()
{
    QFETCH(int, state);
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    QSignalSpy messages(&pbSupport::conversion::StateConverter::instance(),
                        &pbSupport::conversion::StateConverter::panelUserMessageIssued);

    sender.onSaunaStateChangeRequested(static_cast<SaunaStateTypes::SaunaState>(state));

    // Not "off" in place of the unpaired state: nothing at all reaches the sauna.
    QVERIFY(transport.m_sent.isEmpty());
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.first().first().value<UserMessageTypes::UserMessage>().id,
             pbSupport::conversion::internalErrorMessageId);
}

void TestSaunaSystemSender::unrepresentableValues_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("raisesMessage");
    // The start time written into what reaches the sauna; -1: nothing does.
    QTest::addColumn<qint64>("sentStart");
    // Rows index a local table in the test function.
    QTest::newRow("negative temperature") << 0 << false << qint64(-1);
    QTest::newRow("invalid not-allowed-start time") << 1 << false << qint64(-1);
    QTest::newRow("clock before 2000") << 2 << false << qint64(-1);
    QTest::newRow("invalid clock") << 3 << false << qint64(-1);
    QTest::newRow("program in use starting before 2000") << 4 << true << qint64(-1);
    // A descaling start time a report may leave out goes out as the field's default.
    QTest::newRow("descaling without a start time: midnight") << 5 << false << qint64(0);
    QTest::newRow("program in use without a start") << 6 << true << qint64(-1);
}

void TestSaunaSystemSender::unrepresentableValues()
{
    QFETCH(int, row);
    QFETCH(bool, raisesMessage);
    QFETCH(qint64, sentStart);
    const std::function<void(SaunaSystemSender &)> requests[] = {
        [](auto &s) { s.onTargetTemperatureChangeRequested(-9); },
        [](auto &s) { s.onNotAllowedStartFromTimeChangeRequested(QTime()); },
        [](auto &s) {
            DateTimeTypes::SaunaDateTime dateTime;
            dateTime.dateTime = utc(1999, 12, 31, 23, 59);
            s.onSystemTimeChangeRequested(dateTime);
        },
        [](auto &s) { s.onSystemTimeChangeRequested(DateTimeTypes::SaunaDateTime()); },
        [](auto &s) {
            CalendarProgram program(1);
            program.inUse = true;
            program.start = utc(1999, 6, 1, 12, 0);
            s.onCalendarProgramChangeRequested(program);
        },
        [](auto &s) { s.onDescalingChangeRequested(AuxiliaryRelayTypes::Descaling()); },
        [](auto &s) {
            CalendarProgram program(2);
            program.inUse = true;
            s.onCalendarProgramChangeRequested(program);
        },
    };
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    QSignalSpy messages(&sender, &SaunaSystemSender::panelUserMessageIssued);

    requests[row](sender);

    QCOMPARE(transport.m_sent.size(), sentStart < 0 ? 0 : 1);
    QCOMPARE(messages.count(), raisesMessage ? 1 : 0);
    if (sentStart < 0)
        return;
    Envelope sent;
    QVERIFY(sent.ParseFromString(transport.m_sent.first().toStdString()));
    QVERIFY(sent.has_descaling() ? sent.descaling().has_start_time()
                                 : sent.calendar_post(0).has_start_time());
    QCOMPARE(qint64(sent.has_descaling() ? sent.descaling().start_time()
                                         : sent.calendar_post(0).start_time()),
             sentStart);
}

void TestSaunaSystemSender::programWithoutFavoriteAndProgramNotInUse()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);

    CalendarProgram notInUse(5);
    notInUse.start = utc(2010, 1, 1, 10, 0);
    sender.onCalendarProgramChangeRequested(notInUse);
    CalendarProgram withFavorite(6);
    withFavorite.inUse = true;
    withFavorite.start = utc(2000, 1, 2, 0, 0);
    withFavorite.setFavoriteIndex({true, 7});
    sender.onCalendarProgramChangeRequested(withFavorite);

    QCOMPARE(transport.m_sent.size(), 2);
    // The post of a program not in use is only its index and the in-use flag.
    QVERIFY(transport.m_sent.at(0).endsWith(QByteArray::fromHex("04"
                                                                "0805"
                                                                "1000")));
    Envelope sent;
    QVERIFY(sent.ParseFromString(transport.m_sent.at(1).toStdString()));
    const auto &post = sent.calendar_post(0);
    QCOMPARE(post.favorite(), 7u);
    QVERIFY(!post.has_humidity());
    QVERIFY(!post.has_temperature());
    QCOMPARE(post.start_time(), quint64(86400000));
}

void TestSaunaSystemSender::updateCommands()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    sender.onSupportedCharactersUpdateNeeded();
    sender.onUpdateSaunaRequest();
    sender.onMaxHumityTableUpdateNeeded();
    sender.onMaxTemperatureTableUpdateNeeded();
    QCOMPARE(transport.m_sent,
             (QByteArrayList{bytes(generalCommand(2)), bytes(generalCommand(3)),
                             bytes(generalCommand(4)), bytes(generalCommand(5))}));
}

class NetworkScreenStandIn : public QObject
{
    Q_OBJECT
signals:
    void updateSaunaRequest();
};

void TestSaunaSystemSender::connectUpdateSaunaRequestsReportsFailures()
{
    FakeDatagramTransport transport;
    SaunaSystemSender sender;
    sender.setTransport(&transport);
    NetworkScreenStandIn screen;
    QObject withoutSignal;
    QCOMPARE(sender.connectUpdateSaunaRequests({&screen, &withoutSignal, nullptr}), 2);
    emit screen.updateSaunaRequest();
    QCOMPARE(transport.m_sent, QByteArrayList{bytes(generalCommand(3))});
}

QTEST_GUILESS_MAIN(TestSaunaSystemSender)
#include "tst_sauna_system_sender.moc"
