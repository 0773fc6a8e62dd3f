#include "control/settings.h"
#include "pc_panel/connection_message_sink.h"
#include "pc_panel/sauna_system_receiver.h"
#include "pc_panel/supported_characters.h"
#include "pc_panel/temperature_humidity_limits.h"
#include "protocol_buffers_support/si_pb_type_conversion/internal_error_message.h"
#include "receiver_datagrams.h"
#include "sauna_bridge/message_formatter_base.h"
#include "signal_interface/protocol_facts.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace signalInterface;
using pcPanel::SaunaSystemReceiver;
using receiverTest::addNode;
using receiverTest::datagram;
using receiverTest::Envelope;
using receiverTest::peerAddress;
using receiverTest::peerPort;

Q_DECLARE_METATYPE(Envelope)

namespace {

Envelope integerReport(int id, quint32 value)
{
    Envelope envelope;
    auto *report = envelope.add_integer_value_changed();
    report->set_value_id(static_cast<vaholumo::Integer_value_changed_value_t>(id));
    report->set_value(value);
    return envelope;
}

Envelope booleanReport(int id, quint32 value)
{
    Envelope envelope;
    auto *report = envelope.add_boolean_value_changed();
    report->set_value_id(static_cast<vaholumo::Boolean_value_changed_value_t>(id));
    report->set_value(value);
    return envelope;
}

QByteArray signalOf(const char *signature)
{
    return QByteArray("2") + signature;
}

QString failureText(const QList<QVariant> &messageArguments)
{
    return messageArguments.first().value<UserMessageTypes::UserMessage>().arguments.value(2);
}

// Spies on every signal of the receiver, to prove that nothing at all was raised.
class AllSignals
{
public:
    explicit AllSignals(QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                m_spies.push_back(std::make_unique<QSignalSpy>(object, meta->method(i)));
        }
    }
    int total() const
    {
        int count = 0;
        for (const auto &spy : m_spies)
            count += static_cast<int>(spy->count());
        return count;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

// A control-board support report with fields 10 to 31 present; bathPrio and facilityType set.
vaholumo::Control_board_support completeSupport()
{
    vaholumo::Control_board_support support;
    support.set_bath_prio(true);
    support.set_schedule(false);
    support.set_rtc(false);
    support.set_not_allowed_start(false);
    support.set_aux(false);
    support.set_cleanup(false);
    support.set_fan(false);
    support.set_standby(false);
    support.set_standby_temperature(false);
    support.set_reset_timer(false);
    support.set_humidity_level(false);
    support.set_humidity_percent(false);
    support.set_tank_auto_emptying(false);
    support.set_temperature_set(false);
    support.set_water_level(false);
    support.set_tank_manual(false);
    support.set_water_temperature(false);
    support.set_error_log(false);
    support.set_pcb_overheat_limit(false);
    support.set_ext_sw_function(false);
    support.set_ext_sw_bathtime(false);
    support.set_facility_type(true);
    return support;
}

class RecordingSink : public pcPanel::ConnectionMessageSink
{
public:
    void handleConnectReply(const vaholumo::Connect_reply &reply, const QHostAddress &sender,
                            quint16 senderPort) override
    {
        m_log << QStringLiteral("reply %1 %2:%3")
                     .arg(reply.connect_status())
                     .arg(sender.toString())
                     .arg(senderPort);
        if (m_clearPeerOnReply != nullptr)
            m_clearPeerOnReply->clearPeer();
    }
    void handleSaunaKeepAlive() override { m_log << QStringLiteral("keep-alive"); }
    void handleNoConnection() override { m_log << QStringLiteral("no connection"); }
    void handleSignOfLife() override { m_log << QStringLiteral("alive"); }

    QStringList m_log;
    SaunaSystemReceiver *m_clearPeerOnReply = nullptr;
};

class AppendingFormatter : public saunaBridge::MessageFormatterBase
{
public:
    void format(UserMessageTypes::UserMessage &message) override
    {
        message.arguments << QStringLiteral("formatted");
    }
};

} // namespace

class TestSaunaSystemReceiver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void integerReports_data();
    void integerReports();
    void integerReportsIgnored_data();
    void integerReportsIgnored();
    void booleanReports_data();
    void booleanReports();
    void enumReports();
    void fixedHandlingOrder();
    void onlyThePeerIsHeard_data();
    void onlyThePeerIsHeard();
    void malformedDatagramsChangeNothing_data();
    void malformedDatagramsChangeNothing();
    void conversionFailures_data();
    void conversionFailures();
    void silentlyDroppedRecords_data();
    void silentlyDroppedRecords();
    void dataErrors();
    void dataErrorDescriptionIsCut_data();
    void dataErrorDescriptionIsCut();
    void oneMessagePerDatagram_data();
    void oneMessagePerDatagram();
    void nestedDatagramRaisesItsOwnMessage();
    void recordsBeyondCapacityDropped_data();
    void recordsBeyondCapacityDropped();
    void relayOutputsBeyondCapacityDropped();
    void userMessageGoesThroughFormatter();
    void saunaState();
    void relaysThatAllFailStillReportTheList();
    void saunaClockRange_data();
    void saunaClockRange();
    void controlBoardSupport();
    void supportedCharacters();
    void limitTablesStoredOnlyWhenNewerAndComplete();
    void featureComparison();
    void connectionMembersReachTheSink();
    void connectReplyEndingConnectionStopsTheDatagram();
    void noConnectionIsNoSignOfLife();

private:
    void deliver(const Envelope &envelope);

    QTemporaryDir m_configHome;
    std::unique_ptr<control::Settings> m_settings;
    std::unique_ptr<SaunaSystemReceiver> m_receiver;
};

void TestSaunaSystemReceiver::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    m_settings =
        std::make_unique<control::Settings>(QStringLiteral("Vaho"), QStringLiteral("PC_Panel"));
}

void TestSaunaSystemReceiver::init()
{
    m_receiver = std::make_unique<SaunaSystemReceiver>(nullptr);
    m_receiver->setPeer(peerAddress, peerPort);
}

void TestSaunaSystemReceiver::deliver(const Envelope &envelope)
{
    QVERIFY(m_receiver->handleDatagram(datagram(envelope), peerAddress, peerPort));
}

void TestSaunaSystemReceiver::integerReports_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariantList>("arguments");

    const auto row = [](const char *name, int id, quint32 value, const char *signal,
                        const QVariantList &arguments) {
        QTest::newRow(name) << id << value << signalOf(signal) << arguments;
    };
    row("target temperature", 10, 720, "saunaTargetTemperatureChanged(int)", {720});
    row("standby offset", 11, 45, "saunaStandbyOffsetTemperatureChanged(int)", {45});
    row("temperature", 12, 700, "saunaTemperatureChanged(int)", {700});
    row("lower limit", 13, 360, "saunaLowerTemperatureLimitChanged(int)", {360});
    row("upper limit", 14, 990, "saunaUpperTemperatureLimitChanged(int)", {990});
    row("system lower limit", 15, 300, "saunaSystemLowerTemperatureLimitChanged(int)", {300});
    row("system upper limit", 16, 1000, "saunaSystemUpperTemperatureLimitChanged(int)", {1000});
    row("bath time", 17, 60, "saunaBathTimeChanged(int)", {60});
    row("bath time limit", 18, 360, "saunaBathTimeLimitChanged(int)", {360});
    row("humidity 100 percent", 19, 100,
        "saunaHumidityChanged(int,::signalInterface::HumidityTypes::HumidityUnit)",
        {100, QVariant::fromValue(HumidityTypes::E_percentage)});
    row("humidity step 0", 19, 101,
        "saunaHumidityChanged(int,::signalInterface::HumidityTypes::HumidityUnit)",
        {0, QVariant::fromValue(HumidityTypes::E_step)});
    row("humidity step 10", 19, 111,
        "saunaHumidityChanged(int,::signalInterface::HumidityTypes::HumidityUnit)",
        {10, QVariant::fromValue(HumidityTypes::E_step)});
    row("target humidity stays coded", 20, 103, "saunaTargetHumidityChanged(int)", {103});
    row("tank temperature primary", 21, 540,
        "saunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::"
        "RcbMasterSlaveMode,int)",
        {QVariant::fromValue(NodeInformationTypes::E_master), 540});
    row("run time left", 22, 12, "saunaRunTimeLeftChanged(int)", {12});
    row("time to allowed on", 23, 7, "saunaTimeToAllowedOnChanged(int)", {7});
    row("tank standby temperature", 24, 450, "saunaTankStandbyTemperatureChanged(int)", {450});
    row("external switch bath time", 25, 20, "saunaExtSwBathtimeChanged(int)", {20});
    row("run time", 26, 99, "saunaRunTimeChanged(int)", {99});
    row("water temperature limit", 27, 810, "saunaWaterTempLimitChanged(int)", {810});
    row("pcb overheat limit", 28, 630, "saunaPcbOverheatLimitChanged(int)", {630});
    row("fan runtime", 29, 15, "saunaFanRuntimeChanged(int)", {15});
    row("cleanup between", 30, 8, "saunaCleanupBetweenTimeChanged(int)", {8});
    row("cleanup total", 31, 2, "saunaCleanupTotalChanged(int)", {2});
    row("last descaling day 0", 32, 0, "saunaLastDescalingChanged(QDate)", {QDate(2000, 1, 1)});
    row("last descaling day 366", 32, 366, "saunaLastDescalingChanged(QDate)", {QDate(2001, 1, 1)});
    row("bath time timer reset", 33, 0, "saunaBathTimeTimerReset()", {});
    row("tank auto emptying", 34, 45, "saunaTankAutoEmptyingDurationChanged(int)", {45});
    row("tank fill time", 35, 300, "saunaRcbTankFillTimeChanged(int)", {300});
    row("not allowed from 23:59", 36, 1439, "saunaNotAllowedStartFromTimeChanged(QTime)",
        {QTime(23, 59)});
    row("not allowed until 07:30", 37, 450, "saunaNotAllowedStartUntilTimeChanged(QTime)",
        {QTime(7, 30)});
    row("tank temperature secondary 1", 38, 500,
        "saunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::"
        "RcbMasterSlaveMode,int)",
        {QVariant::fromValue(NodeInformationTypes::E_slave_1), 500});
    row("tank temperature secondary 2", 39, 510,
        "saunaTankTemperatureChanged(::signalInterface::NodeInformationTypes::"
        "RcbMasterSlaveMode,int)",
        {QVariant::fromValue(NodeInformationTypes::E_slave_2), 510});
    row("next descaling", 40, 14, "saunaNextDescalingChanged(int)", {14});
    // Beyond an int: the largest int, which no shown value takes, instead of nothing.
    row("target temperature beyond int", 10, 0x80000000u, "saunaTargetTemperatureChanged(int)",
        {INT_MAX});
    row("bath time at the largest int", 17, 0x7FFFFFFFu, "saunaBathTimeChanged(int)", {INT_MAX});
    row("run time left beyond int", 22, 0xFFFFFFFFu, "saunaRunTimeLeftChanged(int)", {INT_MAX});
}

void TestSaunaSystemReceiver::integerReports()
{
    QFETCH(int, id);
    QFETCH(quint32, value);
    QFETCH(QByteArray, signal);
    QFETCH(QVariantList, arguments);
    QSignalSpy spy(m_receiver.get(), signal.constData());
    QVERIFY(spy.isValid());
    AllSignals all(m_receiver.get());

    deliver(integerReport(id, value));

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first(), arguments);
    QCOMPARE(all.total(), 1);
}

void TestSaunaSystemReceiver::integerReportsIgnored_data()
{
    QTest::addColumn<Envelope>("envelope");
    Envelope withoutValue;
    withoutValue.add_integer_value_changed()->set_value_id(
        vaholumo::Integer_value_changed_value_t_BATH_TIME_TIMER_RESET);
    QTest::newRow("reset without value") << withoutValue;
    Envelope withoutId;
    withoutId.add_integer_value_changed()->set_value(720);
    QTest::newRow("value without id") << withoutId;
    QTest::newRow("not allowed from 1440") << integerReport(36, 1440);
    QTest::newRow("not allowed until 100000") << integerReport(37, 100000);
    QTest::newRow("last descaling in year 7000") << integerReport(32, 1900000);
}

void TestSaunaSystemReceiver::integerReportsIgnored()
{
    QFETCH(Envelope, envelope);
    AllSignals all(m_receiver.get());
    deliver(envelope);
    QCOMPARE(all.total(), 0);
}

void TestSaunaSystemReceiver::booleanReports_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("signal");
    const char *signals_[] = {
        "saunaLightsStateChange(bool)",
        "saunaEnableStandbyChanged(bool)",
        "saunaHumiditySensorStatusChanged(bool)",
        "delayedStartEnableChanged(bool)",
        "delayedStartRunningChanged(bool)",
        "saunaMagneticSensorConnectedChanged(bool)",
        "saunaScheduleItemDisableChanged(bool)",
        "saunaFanAutomaticChanged(bool)",
        "saunaFanRunningChanged(bool)",
        "saunaCleanupEnableChanged(bool)",
        "saunaTankAutoEmptyingEnableChanged(bool)",
        "saunaNotAllowedStartEnableChanged(bool)",
        "tankNotificationEnableChanged(bool)",
        "irEnableChanged(bool)",
    };
    for (int i = 0; i < 14; ++i)
        QTest::newRow(signals_[i]) << 10 + i << signalOf(signals_[i]);
}

void TestSaunaSystemReceiver::booleanReports()
{
    QFETCH(int, id);
    QFETCH(QByteArray, signal);
    QSignalSpy spy(m_receiver.get(), signal.constData());
    QVERIFY(spy.isValid());
    deliver(booleanReport(id, 2));
    deliver(booleanReport(id, 0));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).first().toBool(), true);
    QCOMPARE(spy.at(1).first().toBool(), false);
}

void TestSaunaSystemReceiver::enumReports()
{
    QStringList order;
    connect(m_receiver.get(), &SaunaSystemReceiver::saunaTankWaterLevelChanged, this,
            [&order](NodeInformationTypes::RcbMasterSlaveMode node,
                     TankStatusTypes::TankWaterLevel level) {
                order << QStringLiteral("water %1 %2").arg(node).arg(level);
            });
    connect(m_receiver.get(), &SaunaSystemReceiver::saunaBathPriorityChanged, this,
            [&order](SaunaStateTypes::BathPriority priority) {
                order << QStringLiteral("priority %1").arg(priority);
            });
    connect(m_receiver.get(), &SaunaSystemReceiver::saunaFacilityTypeChanged, this,
            [&order](SaunaStateTypes::FacilityType type) {
                order << QStringLiteral("facility %1").arg(type);
            });

    Envelope envelope;
    auto *report = envelope.add_enum_value_changed();
    report->set_bath_priority(vaholumo::Enum_value_types_bath_priority_t_BATH_PRIORITY_TEMPERATURE);
    report->set_water_level_primary(vaholumo::Enum_value_types_water_level_t_WATER_LEVEL_MID);
    envelope.add_enum_value_changed()->set_water_level_secondary_2(
        vaholumo::Enum_value_types_water_level_t_WATER_LEVEL_HIGH);
    envelope.add_enum_value_changed();
    deliver(envelope);

    // Region 35 is no region: the parser leaves the field absent, the facility type still counts.
    QByteArray unknownRegion = QByteArray::fromHex("A28301"
                                                   "04"
                                                   "5017"
                                                   "5823");
    QVERIFY(m_receiver->handleDatagram(unknownRegion, peerAddress, peerPort));

    QCOMPARE(order, (QStringList{QStringLiteral("water 0 1"), QStringLiteral("priority 1"),
                                 QStringLiteral("water 2 2"), QStringLiteral("facility 3")}));
}

void TestSaunaSystemReceiver::fixedHandlingOrder()
{
    QStringList order;
    const auto log = [this, &order](auto signal, const char *name) {
        connect(m_receiver.get(), signal, this,
                [&order, name] { order << QString::fromLatin1(name); });
    };
    log(&SaunaSystemReceiver::saunaMasterFuncDescChanged, "functions");
    log(&SaunaSystemReceiver::saunaLightsStateChange, "boolean");
    log(&SaunaSystemReceiver::saunaTargetTemperatureChanged, "integer 10");
    log(&SaunaSystemReceiver::saunaBathTimeChanged, "integer 17");
    log(&SaunaSystemReceiver::saunaRegionChanged, "enum");
    log(&SaunaSystemReceiver::saunaPhysicalStateChanged, "state");
    log(&SaunaSystemReceiver::saunaFavoritesPostChanged, "favorite");
    log(&SaunaSystemReceiver::saunaCalendarProgramChanged, "calendar");
    log(&SaunaSystemReceiver::saunaAuxRelaySettingChanged, "aux");
    log(&SaunaSystemReceiver::saunaErrorLogItemChanged, "error post");
    log(&SaunaSystemReceiver::saunaDescalingChanged, "descaling");
    log(&SaunaSystemReceiver::saunaNodeListItemChanged, "node");
    log(&SaunaSystemReceiver::saunaUserMessageChanged, "user message");
    log(&SaunaSystemReceiver::saunaSmartStartChanged, "warm-up");
    log(&SaunaSystemReceiver::panelUserMessageIssued, "data error");
    RecordingSink sink;
    m_receiver->setConnectionMessageSink(&sink);
    connect(m_receiver.get(), &SaunaSystemReceiver::saunaNodeListItemChanged, this,
            [&sink, &order] { order << sink.m_log.join(QLatin1Char(',')); });

    // Built in the reverse of the handling order, so the wire order is no help.
    Envelope envelope;
    envelope.add_data_error()->set_description("bad");
    envelope.mutable_warm_up_characteristics()->set_heat_ratio(20);
    auto *message = envelope.mutable_user_message();
    message->set_message_id(3);
    message->set_message_type(vaholumo::User_message_message_type_t_MESSAGE_TYPE_ONE_BUTTON);
    message->set_answer(vaholumo::User_message_answer_t_ANSWER_NONE);
    auto *node = envelope.add_node_item();
    node->set_index(1);
    node->set_address(64);
    node->set_profile(vaholumo::Node_item_profile_t_NODE_PROFILE_RCB);
    node->set_product(5);
    node->set_zerededid_version("1.0.0");
    node->set_application_version("2.3.4");
    envelope.mutable_keep_alive();
    envelope.mutable_descaling()->set_start_time(390);
    envelope.add_error_post()->set_index(3);
    auto *aux = envelope.add_aux_relay_post_sauna();
    aux->set_connected(true);
    aux->mutable_relay()->set_index(1);
    envelope.add_calendar_post()->set_index(2);
    envelope.add_favorite_post()->set_index(4);
    envelope.mutable_sauna_state_changed()->set_state(
        vaholumo::Sauna_state_changed_state_t_STATE_ON);
    envelope.mutable_presented_value()->set_temperature(700);
    envelope.add_enum_value_changed()->set_region(vaholumo::Enum_value_types_region_t_REGION_EU);
    envelope.add_integer_value_changed()->CopyFrom(integerReport(10, 720).integer_value_changed(0));
    envelope.add_integer_value_changed()->CopyFrom(integerReport(17, 60).integer_value_changed(0));
    envelope.add_boolean_value_changed()->CopyFrom(booleanReport(10, 1).boolean_value_changed(0));
    *envelope.mutable_control_board_support() = completeSupport();
    envelope.mutable_connect_reply()->set_connect_status(
        vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_ACCEPTED);

    deliver(envelope);

    QCOMPARE(order, (QStringList{"functions", "boolean", "integer 10", "integer 17", "enum",
                                 "state", "favorite", "calendar", "aux", "error post", "descaling",
                                 "node", "reply 10 192.0.2.10:49152,keep-alive", "user message",
                                 "warm-up", "data error"}));
    QCOMPARE(sink.m_log.last(), QStringLiteral("alive"));
}

void TestSaunaSystemReceiver::onlyThePeerIsHeard_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("peer") << "192.0.2.10" << int(peerPort) << true;
    QTest::newRow("peer as IPv4-mapped IPv6") << "::ffff:192.0.2.10" << int(peerPort) << true;
    QTest::newRow("other address") << "192.0.2.11" << int(peerPort) << false;
    QTest::newRow("other port") << "192.0.2.10" << int(peerPort) + 1 << false;
}

void TestSaunaSystemReceiver::onlyThePeerIsHeard()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(bool, accepted);
    QSignalSpy spy(m_receiver.get(), &SaunaSystemReceiver::saunaTargetTemperatureChanged);
    QCOMPARE(m_receiver->handleDatagram(datagram(integerReport(10, 720)), QHostAddress(address),
                                        static_cast<quint16>(port)),
             accepted);
    QCOMPARE(spy.count(), accepted ? 1 : 0);

    m_receiver->clearPeer();
    QVERIFY(!m_receiver->handleDatagram(datagram(integerReport(10, 720)), peerAddress, peerPort));
    QCOMPARE(spy.count(), accepted ? 1 : 0);
}

void TestSaunaSystemReceiver::malformedDatagramsChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    Envelope full = integerReport(10, 720);
    full.add_boolean_value_changed()->CopyFrom(booleanReport(10, 1).boolean_value_changed(0));
    full.add_data_error();
    const QByteArray valid = datagram(full);
    QTest::newRow("truncated inside the last member") << valid.left(valid.size() - 1);
    QTest::newRow("length past the end") << QByteArray::fromHex("D24110080A");
    QTest::newRow("truncated varint") << QByteArray::fromHex("D241050 80A10D0");
    QTest::newRow("garbage") << QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFF01");
}

void TestSaunaSystemReceiver::malformedDatagramsChangeNothing()
{
    QFETCH(QByteArray, bytes);
    RecordingSink sink;
    m_receiver->setConnectionMessageSink(&sink);
    AllSignals all(m_receiver.get());
    QVERIFY(!m_receiver->handleDatagram(bytes, peerAddress, peerPort));
    QCOMPARE(all.total(), 0);
    QVERIFY(sink.m_log.isEmpty());
    // The receiver still works afterwards.
    deliver(integerReport(10, 720));
    QCOMPARE(all.total(), 1);
}

void TestSaunaSystemReceiver::conversionFailures_data()
{
    QTest::addColumn<Envelope>("envelope");
    QTest::addColumn<QString>("failure");

    Envelope calendar;
    calendar.add_calendar_post()->set_index(64);
    QTest::newRow("calendar index 64") << calendar << "index, 64";
    Envelope favoriteValue;
    favoriteValue.add_calendar_post()->set_index(1);
    favoriteValue.mutable_calendar_post(0)->set_favorite(8);
    QTest::newRow("calendar favorite 8") << favoriteValue << "favorite value, 8";
    Envelope absurdStart;
    absurdStart.add_calendar_post()->set_index(1);
    absurdStart.mutable_calendar_post(0)->set_start_time(~0ULL);
    QTest::newRow("calendar start beyond 2200") << absurdStart << "start time";
    Envelope auxNoConnected;
    auxNoConnected.add_aux_relay_post_sauna()->mutable_relay()->set_index(1);
    QTest::newRow("aux relay without connected") << auxNoConnected << "no connected";
    Envelope auxName;
    auto *relay = auxName.add_aux_relay_post_sauna();
    relay->set_connected(true);
    relay->mutable_relay()->set_index(1);
    relay->mutable_relay()->add_name(0x10000);
    QTest::newRow("aux relay name unit above 0xFFFF") << auxName << "name code unit";
    Envelope descaling;
    descaling.mutable_descaling()->set_start_time(1440);
    QTest::newRow("descaling start 1440") << descaling << "start time, 1440";
    Envelope descalingRelay;
    descalingRelay.mutable_descaling()->set_relay_index(7);
    QTest::newRow("descaling relay 7") << descalingRelay << "index, 7";
    Envelope node;
    auto *item = node.add_node_item();
    item->set_index(1);
    item->set_address(1);
    item->set_profile(vaholumo::Node_item_profile_t_NODE_PROFILE_CP);
    item->set_product(1);
    item->set_zerededid_version("1.0.0");
    item->set_application_version("1.2");
    QTest::newRow("node version 1.2") << node << "version size";
}

void TestSaunaSystemReceiver::conversionFailures()
{
    QFETCH(Envelope, envelope);
    QFETCH(QString, failure);
    QSignalSpy messages(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued);
    AllSignals all(m_receiver.get());

    deliver(envelope);

    QCOMPARE(messages.count(), 1);
    QCOMPARE(all.total(), 1);
    const auto message = messages.first().first().value<UserMessageTypes::UserMessage>();
    QCOMPARE(message.id, pbSupport::conversion::internalErrorMessageId);
    QCOMPARE(message.arguments.size(), 3);
    QCOMPARE(message.arguments.at(0), QStringLiteral("sauna_system_receiver.cpp"));
    QVERIFY2(message.arguments.at(2).endsWith(QStringLiteral(": ") + failure),
             qPrintable(message.arguments.at(2)));
}

void TestSaunaSystemReceiver::silentlyDroppedRecords_data()
{
    QTest::addColumn<Envelope>("envelope");
    Envelope favorite;
    favorite.add_favorite_post()->set_index(8);
    QTest::newRow("favorite index 8") << favorite;
    Envelope favoriteName;
    favoriteName.add_favorite_post()->set_index(1);
    favoriteName.mutable_favorite_post(0)->add_name(0x1F600);
    QTest::newRow("favorite name unit above 0xFFFF") << favoriteName;
    Envelope errorPost;
    errorPost.add_error_post()->set_index(32);
    QTest::newRow("error post index 32") << errorPost;
    Envelope message;
    message.mutable_user_message()->set_message_id(3);
    message.mutable_user_message()->set_message_type(
        vaholumo::User_message_message_type_t_MESSAGE_TYPE_ONE_BUTTON);
    QTest::newRow("user message without answer") << message;
    Envelope messageText = message;
    messageText.mutable_user_message()->set_answer(vaholumo::User_message_answer_t_ANSWER_NONE);
    messageText.mutable_user_message()->add_text(0x110000);
    QTest::newRow("user message text unit above 0xFFFF") << messageText;
    Envelope incomplete;
    incomplete.mutable_control_board_support()->set_bath_prio(true);
    QTest::newRow("incomplete control-board support") << incomplete;
}

void TestSaunaSystemReceiver::silentlyDroppedRecords()
{
    QFETCH(Envelope, envelope);
    AllSignals all(m_receiver.get());
    deliver(envelope);
    QCOMPARE(all.total(), 0);
}

void TestSaunaSystemReceiver::dataErrors()
{
    QSignalSpy messages(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued);
    Envelope described;
    described.add_data_error()->set_description("value out of range");
    described.add_data_error(); // a second one in the same datagram is not shown
    deliver(described);
    Envelope undescribed;
    undescribed.add_data_error();
    deliver(undescribed);
    QCOMPARE(messages.count(), 2);
    QCOMPARE(failureText(messages.at(0)), QStringLiteral("value out of range"));
    QCOMPARE(failureText(messages.at(1)),
             QStringLiteral("server reported data error without description"));
}

void TestSaunaSystemReceiver::dataErrorDescriptionIsCut_data()
{
    const int bound = protocolFacts::longestDataErrorDescription;
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QString>("shown");
    QTest::newRow("20000 bytes") << QByteArray(20000, 'n') << QString(bound, u'n');
    QTest::newRow("exactly the bound") << QByteArray(bound, 'e') << QString(bound, u'e');
    QTest::newRow("pair at the bound")
        << QByteArray(bound - 1, 'p') + "\xF0\x9F\x98\x80 and more" << QString(bound - 1, u'p');
}

void TestSaunaSystemReceiver::dataErrorDescriptionIsCut()
{
    QFETCH(QByteArray, description);
    QFETCH(QString, shown);
    QSignalSpy messages(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued);
    Envelope envelope;
    envelope.add_data_error()->set_description(description.toStdString());
    deliver(envelope);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(failureText(messages.at(0)), shown);
}

void TestSaunaSystemReceiver::oneMessagePerDatagram_data()
{
    QTest::addColumn<Envelope>("envelope");
    QTest::addColumn<QString>("shownFailure");
    QTest::addColumn<int>("nodesPassed");

    Envelope threeNodes;
    for (quint32 index : {9u, 10u, 11u})
        addNode(threeNodes, index);
    QTest::newRow("three bad node items") << threeNodes << ": index, 9" << 0;

    Envelope mixedNodes;
    addNode(mixedNodes, 8);
    addNode(mixedNodes, 2);
    addNode(mixedNodes, 12);
    addNode(mixedNodes, 3);
    QTest::newRow("bad node items between good ones") << mixedNodes << ": index, 8" << 2;

    Envelope manyNodes;
    for (quint32 i = 0; i < 5000; ++i)
        manyNodes.add_node_item()->set_index(8 + i % 100);
    QTest::newRow("5000 bad node items") << manyNodes << ": no address" << 0;

    Envelope manyPrograms;
    for (quint32 i = 0; i < 8000; ++i)
        manyPrograms.add_calendar_post()->set_index(64 + i % 64);
    QTest::newRow("8000 bad calendar posts") << manyPrograms << ": index, 64" << 0;

    // The first failure in handling order is the one shown.
    Envelope everyKind;
    everyKind.add_data_error()->set_description("bad request");
    addNode(everyKind, 20);
    everyKind.mutable_descaling()->set_start_time(1440);
    everyKind.add_aux_relay_post_sauna()->mutable_relay()->set_index(1);
    everyKind.add_calendar_post()->set_index(70);
    everyKind.add_calendar_post()->set_index(71);
    QTest::newRow("bad items of every kind") << everyKind << ": index, 70" << 0;

    Envelope dataErrors;
    dataErrors.add_data_error()->set_description("first");
    for (int i = 0; i < 1000; ++i)
        dataErrors.add_data_error()->set_description("more");
    QTest::newRow("1001 data errors") << dataErrors << "first" << 0;
}

void TestSaunaSystemReceiver::oneMessagePerDatagram()
{
    QFETCH(Envelope, envelope);
    QFETCH(QString, shownFailure);
    QFETCH(int, nodesPassed);
    QSignalSpy messages(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued);
    QSignalSpy nodes(m_receiver.get(), &SaunaSystemReceiver::saunaNodeListItemChanged);

    deliver(envelope);
    QCOMPARE(messages.count(), 1);
    QVERIFY2(failureText(messages.first()).endsWith(shownFailure),
             qPrintable(failureText(messages.first())));
    QCOMPARE(nodes.count(), nodesPassed);

    // The next datagram may raise its own message again.
    deliver(envelope);
    QCOMPARE(messages.count(), 2);
}

void TestSaunaSystemReceiver::nestedDatagramRaisesItsOwnMessage()
{
    // A slot that spins the event loop can bring in the next datagram while the first is still
    // being handled; each of them still raises one message at most.
    Envelope inner;
    addNode(inner, 30);
    addNode(inner, 31);
    QStringList shown;
    connect(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued, this,
            [this, &inner, &shown](const UserMessageTypes::UserMessage &message) {
                shown << message.arguments.value(2).section(QLatin1Char(' '), -1);
                if (shown.size() == 1)
                    deliver(inner);
            });
    Envelope outer;
    for (quint32 index : {20u, 21u, 22u})
        addNode(outer, index);
    deliver(outer);
    QCOMPARE(shown, (QStringList{QStringLiteral("20"), QStringLiteral("30")}));
}

void TestSaunaSystemReceiver::recordsBeyondCapacityDropped_data()
{
    QTest::addColumn<Envelope>("envelope");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("passed");

    // Each row sends valid records: a full set, then more than the panel's records can hold.
    const auto rows = [](const char *member, const char *signal, int capacity,
                         const std::function<void(Envelope &, int)> &add) {
        for (const int count : {capacity, capacity + 5, 10000}) {
            Envelope envelope;
            for (int i = 0; i < count; ++i)
                add(envelope, i);
            QTest::addRow("%d %s", count, member) << envelope << signalOf(signal) << capacity;
        }
    };
    rows("favorites", "saunaFavoritesPostChanged(::signalInterface::FavoritesTypes::FavoritesPost)",
         8, [](Envelope &envelope, int i) {
             envelope.add_favorite_post()->set_index(quint32(i % 8));
         });
    rows("calendar posts", "saunaCalendarProgramChanged(::signalInterface::CalendarProgram)", 64,
         [](Envelope &envelope, int i) {
             envelope.add_calendar_post()->set_index(quint32(i % 64));
         });
    rows("aux relays",
         "saunaAuxRelaySettingChanged(::signalInterface::AuxiliaryRelayTypes::"
         "AuxiliaryRelayPost)",
         7, [](Envelope &envelope, int i) {
             auto *relay = envelope.add_aux_relay_post_sauna();
             relay->set_connected(true);
             relay->mutable_relay()->set_index(quint32(i % 7));
         });
    rows("error-log entries",
         "saunaErrorLogItemChanged(::signalInterface::ErrorLogTypes::ErrorLogItem)", 32,
         [](Envelope &envelope, int i) { envelope.add_error_post()->set_index(quint32(i % 32)); });
    rows("node items",
         "saunaNodeListItemChanged(::signalInterface::NodeInformationTypes::NodeInformationPost)",
         8, [](Envelope &envelope, int i) { addNode(envelope, quint32(i % 8)); });
    // Value reports: one per id, or per field of the enum report, at most.
    rows("integer reports", "saunaTemperatureChanged(int)",
         vaholumo::Integer_value_changed::value_t_ARRAYSIZE, [](Envelope &envelope, int i) {
             auto *report = envelope.add_integer_value_changed();
             report->set_value_id(vaholumo::Integer_value_changed_value_t_TEMPERATURE);
             report->set_value(quint32(i));
         });
    rows("boolean reports", "saunaLightsStateChange(bool)",
         vaholumo::Boolean_value_changed::value_t_ARRAYSIZE, [](Envelope &envelope, int i) {
             auto *report = envelope.add_boolean_value_changed();
             report->set_value_id(vaholumo::Boolean_value_changed_value_t_LIGHTS);
             report->set_value(quint32(i % 2));
         });
    rows("enum reports", "saunaRegionChanged(::signalInterface::RegionTypes::RegionType)", 7,
         [](Envelope &envelope, int) {
             envelope.add_enum_value_changed()->set_region(
                 vaholumo::Enum_value_types_region_t_REGION_EU);
         });
}

void TestSaunaSystemReceiver::recordsBeyondCapacityDropped()
{
    QFETCH(Envelope, envelope);
    QFETCH(QByteArray, signal);
    QFETCH(int, passed);
    QSignalSpy spy(m_receiver.get(), signal.constData());
    QVERIFY(spy.isValid());
    AllSignals all(m_receiver.get());
    deliver(envelope);
    QCOMPARE(spy.count(), passed);
    QCOMPARE(all.total(), passed);
}

void TestSaunaSystemReceiver::relayOutputsBeyondCapacityDropped()
{
    QSignalSpy relays(m_receiver.get(), &SaunaSystemReceiver::saunaRcbRelayChanged);
    Envelope envelope;
    auto *report = envelope.mutable_sauna_state_changed();
    // Three boards of fourteen outputs, then as many again.
    for (int i = 0; i < 2 * 42; ++i) {
        auto *relay = report->add_relay();
        relay->set_control_board(static_cast<vaholumo::Node_types_rcb_t>(i / 14 % 3));
        relay->set_index(quint32(i % 14));
        relay->set_state(i >= 42);
    }
    deliver(envelope);
    QCOMPARE(relays.count(), 1);
    const auto status = relays.first().first().value<RelayStatusTypes::RelayStatus>();
    QCOMPARE(status.size(), 42);
    QVERIFY(
        std::none_of(status.cbegin(), status.cend(),
                     [](const RelayStatusTypes::RelayStatusPost &post) { return post.state1; }));
}

void TestSaunaSystemReceiver::userMessageGoesThroughFormatter()
{
    AppendingFormatter formatter;
    SaunaSystemReceiver receiver(&formatter);
    receiver.setPeer(peerAddress, peerPort);
    QSignalSpy spy(&receiver, &SaunaSystemReceiver::saunaUserMessageChanged);

    Envelope envelope;
    auto *message = envelope.mutable_user_message();
    message->set_message_id(0x1002);
    message->set_message_type(vaholumo::User_message_message_type_t_MESSAGE_TYPE_TWO_BUTTONS);
    message->set_answer(vaholumo::User_message_answer_t_ANSWER_NONE);
    message->add_text('H');
    message->add_text('i');
    message->set_control_board(vaholumo::Node_types_rcb_t_RCB_SECONDARY_1);
    QVERIFY(receiver.handleDatagram(datagram(envelope), peerAddress, peerPort));

    QCOMPARE(spy.count(), 1);
    const auto received = spy.first().first().value<UserMessageTypes::UserMessage>();
    QCOMPARE(received.id, 0x1002u);
    QCOMPARE(received.type, UserMessageTypes::E_typeTwoButtons);
    QCOMPARE(received.timeout, 0u);
    QCOMPARE(received.text, QStringLiteral("Hi"));
    QVERIFY(received.hasBoard);
    QCOMPARE(received.board, NodeInformationTypes::E_slave_1);
    QCOMPARE(received.arguments, QStringList{QStringLiteral("formatted")});
}

void TestSaunaSystemReceiver::saunaClockRange_data()
{
    QTest::addColumn<quint64>("milliseconds");
    QTest::addColumn<QDateTime>("clock");
    const QDateTime epoch(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime after2200(QDate(2201, 1, 1), QTime(0, 0), Qt::UTC);
    const auto since = [&epoch](const QDateTime &time) {
        return quint64(epoch.msecsTo(time));
    };
    QTest::newRow("the epoch") << quint64(0) << epoch;
    QTest::newRow("the last of 2200") << since(after2200) - 1 << after2200.addMSecs(-1);
    // Beyond the range: unknown, whatever the clock said before.
    QTest::newRow("the first of 2201") << since(after2200) << QDateTime();
    QTest::newRow("largest") << ~quint64(0) << QDateTime();
}

void TestSaunaSystemReceiver::saunaClockRange()
{
    QFETCH(quint64, milliseconds);
    QFETCH(QDateTime, clock);
    QSignalSpy times(m_receiver.get(), &SaunaSystemReceiver::saunaTimeChanged);
    Envelope envelope;
    envelope.mutable_sauna_state_changed()->set_system_time(86400000);
    deliver(envelope);
    envelope.mutable_sauna_state_changed()->set_system_time(milliseconds);
    deliver(envelope);

    QCOMPARE(times.count(), 2);
    const auto time = times.last().first().value<DateTimeTypes::SaunaDateTime>();
    QCOMPARE(time.dateTime, clock);
    QCOMPARE(time.dateValid, clock.isValid());
    QCOMPARE(time.timeValid, clock.isValid());
}

void TestSaunaSystemReceiver::saunaState()
{
    QSignalSpy states(m_receiver.get(), &SaunaSystemReceiver::saunaPhysicalStateChanged);
    QSignalSpy times(m_receiver.get(), &SaunaSystemReceiver::saunaTimeChanged);
    QSignalSpy relays(m_receiver.get(), &SaunaSystemReceiver::saunaRcbRelayChanged);

    Envelope envelope;
    auto *report = envelope.mutable_sauna_state_changed();
    report->set_state(vaholumo::Sauna_state_changed_state_t_STATE_STANDBY);
    report->set_system_time(86400000);
    auto *good = report->add_relay();
    good->set_control_board(vaholumo::Node_types_rcb_t_RCB_PRIMARY);
    good->set_index(3);
    good->set_state(true);
    auto *bad = report->add_relay();
    bad->set_control_board(vaholumo::Node_types_rcb_t_RCB_SECONDARY_1);
    bad->set_index(14);
    deliver(envelope);

    report->set_state(vaholumo::Sauna_state_changed_state_t_STATE_DRYUP);
    report->set_time_valid(false);
    report->clear_relay();
    deliver(envelope);

    report->set_time_valid(true);
    report->set_system_time(~0ULL); // no plausible date: the clock is unknown
    deliver(envelope);

    QCOMPARE(states.count(), 3);
    QCOMPARE(states.at(0).first().value<SaunaStateTypes::SaunaState>(),
             SaunaStateTypes::E_sauna_standby);
    QCOMPARE(states.at(1).first().value<SaunaStateTypes::SaunaState>(),
             SaunaStateTypes::E_sauna_dryup);
    QCOMPARE(times.count(), 2);
    const auto time = times.first().first().value<DateTimeTypes::SaunaDateTime>();
    QVERIFY(time.dateValid && time.timeValid);
    QCOMPARE(time.dateTime, QDateTime(QDate(2000, 1, 2), QTime(0, 0), Qt::UTC));
    QCOMPARE(times.last().first().value<DateTimeTypes::SaunaDateTime>(),
             DateTimeTypes::SaunaDateTime());
    QCOMPARE(relays.count(), 1);
    const auto status = relays.first().first().value<RelayStatusTypes::RelayStatus>();
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.first().board, NodeInformationTypes::E_master);
    QCOMPARE(status.first().relay, RelayStatusTypes::E_x9x10);
    QVERIFY(status.first().state1);
    QVERIFY(!status.first().state2);
}

void TestSaunaSystemReceiver::relaysThatAllFailStillReportTheList()
{
    QSignalSpy relays(m_receiver.get(), &SaunaSystemReceiver::saunaRcbRelayChanged);
    QSignalSpy messages(m_receiver.get(), &SaunaSystemReceiver::panelUserMessageIssued);
    Envelope envelope;
    auto *report = envelope.mutable_sauna_state_changed();
    report->add_relay()->set_index(3);                                              // no board
    report->add_relay()->set_control_board(vaholumo::Node_types_rcb_t_RCB_PRIMARY); // no index
    deliver(envelope);
    // The report lists relays: one signal, with the relays that converted, here none, and no
    // message for the ones dropped.
    QCOMPARE(relays.count(), 1);
    QVERIFY(relays.first().first().value<RelayStatusTypes::RelayStatus>().isEmpty());
    QCOMPARE(messages.count(), 0);
}

void TestSaunaSystemReceiver::controlBoardSupport()
{
    QSignalSpy spy(m_receiver.get(), &SaunaSystemReceiver::saunaMasterFuncDescChanged);
    Envelope envelope;
    *envelope.mutable_control_board_support() = completeSupport();
    deliver(envelope);
    envelope.mutable_control_board_support()->clear_schedule(); // incomplete: ignored
    deliver(envelope);
    QCOMPARE(spy.count(), 1);
    const auto functions = spy.first().first().value<MasterFuncDescTypes::MasterFuncDescPost>();
    QVERIFY(functions.bathPrio);
    QVERIFY(functions.facilityType);
    QVERIFY(!functions.schedule);
    QVERIFY(!functions.function23);
}

void TestSaunaSystemReceiver::supportedCharacters()
{
    pcPanel::SupportedCharacters::resetForTesting();
    Envelope envelope;
    auto *support = envelope.mutable_sauna_function_support();
    for (const char c : QByteArray("cabc"))
        support->add_supported_characters(static_cast<unsigned char>(c));
    deliver(envelope);
    QCOMPARE(pcPanel::SupportedCharacters::instance().count(), 3);

    // One value that is no code unit: the whole set is refused and the stored one stays.
    support->add_supported_characters(0x10000);
    support->add_supported_characters('d');
    deliver(envelope);
    QCOMPARE(pcPanel::SupportedCharacters::instance().count(), 3);
    pcPanel::SupportedCharacters::resetForTesting();
    QCOMPARE(pcPanel::SupportedCharacters::instance().count(), 3);
}

void TestSaunaSystemReceiver::limitTablesStoredOnlyWhenNewerAndComplete()
{
    pcPanel::TemperatureHumidityLimits::resetForTesting();
    auto &limits = pcPanel::TemperatureHumidityLimits::instance();
    const int storedBefore = limits.storedMaxHumidityTableVersion();

    Envelope envelope;
    auto *support = envelope.mutable_sauna_function_support();
    support->set_max_humidity_table_version(9);
    for (int i = 0; i < 110; ++i)
        support->add_max_humidity_table(50);
    deliver(envelope);
    QCOMPARE(limits.storedMaxHumidityTableVersion(), storedBefore); // 110 entries: ignored

    support->add_max_humidity_table(50);
    support->set_max_humidity_table_version(1);
    deliver(envelope);
    QCOMPARE(limits.storedMaxHumidityTableVersion(), storedBefore); // not newer than built-in 1

    support->set_max_humidity_table_version(2);
    support->set_max_temperature_table_version(3);
    for (int i = 0; i < 101; ++i)
        support->add_max_temperature_table(700);
    deliver(envelope);
    QCOMPARE(limits.storedMaxHumidityTableVersion(), 2);
    QCOMPARE(limits.storedMaxTemperatureTableVersion(), 3);

    support->set_max_humidity_table_version(2); // the same version again is not newer
    support->set_max_humidity_table(0, 10);
    deliver(envelope);
    QCOMPARE(limits.storedMaxHumidityTableVersion(), 2);
}

void TestSaunaSystemReceiver::featureComparison()
{
    pcPanel::SupportedCharacters::resetForTesting();
    pcPanel::TemperatureHumidityLimits::resetForTesting();
    const int characters = pcPanel::SupportedCharacters::instance().count();
    const int humidityVersion =
        pcPanel::TemperatureHumidityLimits::instance().knownMaxHumidityTableVersion();
    const int temperatureVersion =
        pcPanel::TemperatureHumidityLimits::instance().knownMaxTemperatureTableVersion();
    QSignalSpy charactersNeeded(m_receiver.get(),
                                &SaunaSystemReceiver::supportedCharactersUpdateNeeded);
    QSignalSpy humidityNeeded(m_receiver.get(), &SaunaSystemReceiver::maxHumityTableUpdateNeeded);
    QSignalSpy temperatureNeeded(m_receiver.get(),
                                 &SaunaSystemReceiver::maxTemperatureTableUpdateNeeded);

    vaholumo::Sauna_features same;
    same.set_supported_character_count(static_cast<quint32>(characters));
    same.set_max_humidity_table_version(static_cast<quint32>(humidityVersion));
    same.set_max_temperature_table_version(static_cast<quint32>(temperatureVersion));
    m_receiver->compareSaunaFeatures(same);
    m_receiver->compareSaunaFeatures(vaholumo::Sauna_features()); // nothing announced
    QCOMPARE(charactersNeeded.count() + humidityNeeded.count() + temperatureNeeded.count(), 0);

    vaholumo::Sauna_features other;
    other.set_supported_character_count(static_cast<quint32>(characters) + 1);
    other.set_max_humidity_table_version(static_cast<quint32>(humidityVersion) + 1);
    other.set_max_temperature_table_version(0xFFFFFFFFu);
    m_receiver->compareSaunaFeatures(other);
    QCOMPARE(charactersNeeded.count(), 1);
    QCOMPARE(humidityNeeded.count(), 1);
    QCOMPARE(temperatureNeeded.count(), 1);
}

void TestSaunaSystemReceiver::connectionMembersReachTheSink()
{
    RecordingSink sink;
    m_receiver->setConnectionMessageSink(&sink);
    Envelope envelope;
    envelope.mutable_keep_alive()->set_sequence_number(4);
    envelope.mutable_connect_reply()->set_connect_status(
        vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_PIN_FAIL);
    deliver(envelope);
    deliver(integerReport(12, 700));
    QCOMPARE(sink.m_log,
             (QStringList{"reply 20 192.0.2.10:49152", "keep-alive", "alive", "alive"}));
}

void TestSaunaSystemReceiver::connectReplyEndingConnectionStopsTheDatagram()
{
    RecordingSink sink;
    sink.m_clearPeerOnReply = m_receiver.get();
    m_receiver->setConnectionMessageSink(&sink);
    QSignalSpy spy(m_receiver.get(), &SaunaSystemReceiver::saunaTargetTemperatureChanged);
    Envelope envelope = integerReport(10, 720);
    envelope.mutable_connect_reply()->set_connect_status(
        vaholumo::Connect_reply_connect_status_t_CONNECT_STATUS_FAILED);
    deliver(envelope);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(sink.m_log, QStringList{"reply 22 192.0.2.10:49152"});
}

void TestSaunaSystemReceiver::noConnectionIsNoSignOfLife()
{
    RecordingSink sink;
    m_receiver->setConnectionMessageSink(&sink);
    QSignalSpy spy(m_receiver.get(), &SaunaSystemReceiver::saunaTargetTemperatureChanged);
    Envelope alone;
    alone.mutable_no_connection();
    deliver(alone);
    QCOMPARE(sink.m_log, QStringList{"no connection"});

    // A sauna that does not know the panel has nothing for it: the rest of the datagram, the
    // keep-alive answer included, is not handled.
    sink.m_log.clear();
    Envelope mixed = integerReport(10, 720);
    mixed.mutable_keep_alive()->set_sequence_number(9);
    mixed.mutable_no_connection();
    deliver(mixed);
    QCOMPARE(sink.m_log, QStringList{"no connection"});
    QCOMPARE(spy.count(), 0);
}

QTEST_GUILESS_MAIN(TestSaunaSystemReceiver)
#include "tst_sauna_system_receiver.moc"
