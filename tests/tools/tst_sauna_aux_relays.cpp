#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulator_messages.h"

#include "message.pb.h"

#include <QtTest>

using tools::AuxRelayChange;
using tools::AuxRelayRecord;
using tools::AuxRelayTiming;
using tools::AuxRelayWire;
using tools::DescalingChange;
using tools::DescalingRecord;
using tools::SaunaReport;
using tools::SaunaStateModel;

namespace {

// A post as the panel sends it: every field, the name as code units.
vaholumo::Aux_relay_post panelPost(quint32 index, int function, const QString &name,
                                   AuxRelayTiming offTime, AuxRelayTiming onTime)
{
    vaholumo::Aux_relay_post post;
    post.set_index(index);
    post.set_function(static_cast<vaholumo::Aux_relay_post_function_t>(function));
    for (const QChar unit : name)
        post.add_name(unit.unicode());
    post.set_activated(false);
    post.mutable_off_time()->set_scaling(
        static_cast<vaholumo::Aux_relay_timing_scaling_t>(offTime.scaling));
    post.mutable_off_time()->set_value(offTime.value);
    post.mutable_on_time()->set_scaling(
        static_cast<vaholumo::Aux_relay_timing_scaling_t>(onTime.scaling));
    post.mutable_on_time()->set_value(onTime.value);
    return post;
}

DescalingChange fullDescaling(std::optional<quint32> relay)
{
    DescalingChange change;
    change.relayIndex = relay;
    change.enabled = true;
    change.weekday = 4;
    change.startTime = 23 * 60 + 59;
    change.dosage = 500;
    return change;
}

vaholumo::Sauna_to_external parsed(const QByteArray &datagram)
{
    vaholumo::Sauna_to_external envelope;
    envelope.ParseFromArray(datagram.constData(), int(datagram.size()));
    return envelope;
}

} // namespace

// The simulated sauna's auxiliary relays and descaling settings: its rules and its messages.
class TestSaunaAuxRelays : public QObject
{
    Q_OBJECT

private slots:
    void fullReportHasEveryRelayAndTheDescaling();
    void relayPostIsStoredAndReportedBack();
    void relayPostsThatBreakARuleChangeNothing_data();
    void relayPostsThatBreakARuleChangeNothing();
    void relayPostOutsideTheTableIsADataError();
    void descalingIsStoredAndReportedBack();
    void descalingThatBreaksARuleChangesNothing_data();
    void descalingThatBreaksARuleChangesNothing();
    void messagesCarryRelaysAndDescaling();
    void lastDescalingIsADayNumber();
};

void TestSaunaAuxRelays::fullReportHasEveryRelayAndTheDescaling()
{
    const SaunaReport report = SaunaStateModel().fullReport();
    QCOMPARE(report.auxRelays.size(), std::size_t(7));
    QList<quint32> connected;
    for (std::size_t index = 0; index < report.auxRelays.size(); ++index) {
        QCOMPARE(report.auxRelays[index].index, quint32(index));
        if (report.auxRelays[index].connected)
            connected << quint32(index);
    }
    QCOMPARE(connected, (QList<quint32>{0, 1, 2, 4}));
    QCOMPARE(report.auxRelays[0].function, int(AuxRelayWire::Frequency));
    QCOMPARE(report.auxRelays[0].name, QString("Fragrance"));
    QVERIFY(report.descaling.has_value());
    QCOMPARE(report.descaling->relayIndex, std::optional<quint32>(4));
    QCOMPARE(report.auxRelays[4].offTime, (AuxRelayTiming{AuxRelayWire::Hours, 336}));
}

void TestSaunaAuxRelays::relayPostIsStoredAndReportedBack()
{
    SaunaStateModel model;
    const AuxRelayChange change = tools::decodeAuxRelayPost(
        panelPost(2, AuxRelayWire::Frequency, QString(20, QChar('a')),
                  {AuxRelayWire::Seconds, 7200}, {AuxRelayWire::TenthsOfSecond, 1}));
    const SaunaReport report = model.requestAuxRelay(change);
    QVERIFY(report.dataErrors.empty());
    QCOMPARE(report.auxRelays.size(), std::size_t(1));
    const AuxRelayRecord &stored = model.auxRelays().relays()[2];
    QCOMPARE(report.auxRelays.front(), stored);
    QVERIFY(stored.connected);
    QCOMPARE(stored.function, int(AuxRelayWire::Frequency));
    QCOMPARE(stored.name, QString(20, QChar('a')));
    QCOMPARE(stored.offTime, (AuxRelayTiming{AuxRelayWire::Seconds, 7200}));
    QCOMPARE(stored.onTime, (AuxRelayTiming{AuxRelayWire::TenthsOfSecond, 1}));
}

void TestSaunaAuxRelays::relayPostsThatBreakARuleChangeNothing_data()
{
    QTest::addColumn<quint32>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("halfTiming");
    QTest::newRow("not connected") << 3u << "Spare" << false;
    QTest::newRow("21 characters") << 1u << QString(21, QChar('a')) << false;
    QTest::newRow("unsupported character") << 1u << QString::fromUtf8("Lamp €") << false;
    QTest::newRow("timing without value") << 1u << "Lamp" << true;
}

void TestSaunaAuxRelays::relayPostsThatBreakARuleChangeNothing()
{
    QFETCH(quint32, index);
    QFETCH(QString, name);
    QFETCH(bool, halfTiming);
    SaunaStateModel model;
    const AuxRelayRecord before = model.auxRelays().relays()[index];
    vaholumo::Aux_relay_post post =
        panelPost(index, AuxRelayWire::NotUsed, name, {AuxRelayWire::Seconds, 10},
                  {AuxRelayWire::Seconds, 10});
    if (halfTiming)
        post.mutable_on_time()->clear_value();
    const SaunaReport report = model.requestAuxRelay(tools::decodeAuxRelayPost(post));
    QCOMPARE(report.dataErrors.size(), std::size_t(1));
    // The panel gets the relay as it still stands.
    QCOMPARE(report.auxRelays.size(), std::size_t(1));
    QCOMPARE(report.auxRelays.front(), before);
    QCOMPARE(model.auxRelays().relays()[index], before);
}

void TestSaunaAuxRelays::relayPostOutsideTheTableIsADataError()
{
    SaunaStateModel model;
    const auto before = model.auxRelays().relays();
    for (const quint32 index : {7u, 100u}) {
        const SaunaReport report = model.requestAuxRelay(
            tools::decodeAuxRelayPost(panelPost(index, AuxRelayWire::OnOff, "X", {}, {})));
        QCOMPARE(report.dataErrors.size(), std::size_t(1));
        QVERIFY(report.auxRelays.empty());
    }
    AuxRelayChange noIndex;
    QCOMPARE(model.requestAuxRelay(noIndex).dataErrors.size(), std::size_t(1));
    QVERIFY(model.auxRelays().relays() == before);
}

void TestSaunaAuxRelays::descalingIsStoredAndReportedBack()
{
    SaunaStateModel model;
    SaunaReport report = model.requestDescaling(fullDescaling(2));
    QVERIFY(report.dataErrors.empty());
    QVERIFY(report.descaling.has_value());
    QCOMPARE(*report.descaling, model.auxRelays().descaling());
    QCOMPARE(model.auxRelays().descaling().relayIndex, std::optional<quint32>(2));
    QCOMPARE(model.auxRelays().descaling().startTime, 1439u);
    QCOMPARE(model.auxRelays().descaling().dosage, 500u);
    // Without a relay index no relay descales.
    report = model.requestDescaling(fullDescaling(std::nullopt));
    QVERIFY(report.dataErrors.empty());
    QVERIFY(!model.auxRelays().descaling().relayIndex);
}

void TestSaunaAuxRelays::descalingThatBreaksARuleChangesNothing_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<quint32>("value");
    QTest::newRow("relay 7") << 0 << 7u;
    QTest::newRow("relay not connected") << 0 << 5u;
    QTest::newRow("weekday 7") << 1 << 7u;
    QTest::newRow("start 1440") << 2 << 1440u;
    QTest::newRow("dosage 49") << 3 << 49u;
    QTest::newRow("dosage 501") << 3 << 501u;
}

void TestSaunaAuxRelays::descalingThatBreaksARuleChangesNothing()
{
    QFETCH(int, field);
    QFETCH(quint32, value);
    SaunaStateModel model;
    const DescalingRecord before = model.auxRelays().descaling();
    DescalingChange change = fullDescaling(1);
    switch (field) {
    case 0:
        change.relayIndex = value;
        break;
    case 1:
        change.weekday = value;
        break;
    case 2:
        change.startTime = value;
        break;
    default:
        change.dosage = value;
        break;
    }
    const SaunaReport report = model.requestDescaling(change);
    QCOMPARE(report.dataErrors.size(), std::size_t(1));
    QCOMPARE(report.descaling, std::optional<DescalingRecord>(before));
    QCOMPARE(model.auxRelays().descaling(), before);
}

void TestSaunaAuxRelays::messagesCarryRelaysAndDescaling()
{
    SaunaStateModel model;
    const vaholumo::Sauna_to_external full =
        parsed(tools::encodeFullReport(model, QDateTime::currentDateTimeUtc()));
    QCOMPARE(full.aux_relay_post_sauna_size(), 7);
    const vaholumo::Aux_relay_post_sauna &first = full.aux_relay_post_sauna(0);
    QVERIFY(first.connected());
    QCOMPARE(first.relay().index(), 0u);
    QCOMPARE(int(first.relay().function()), int(AuxRelayWire::Frequency));
    QCOMPARE(first.relay().name_size(), 9); // "Fragrance"
    QCOMPARE(int(first.relay().on_time().scaling()), int(AuxRelayWire::TenthsOfSecond));
    QCOMPARE(first.relay().on_time().value(), 50u);
    QVERIFY(!full.aux_relay_post_sauna(3).connected());
    QVERIFY(full.has_descaling());
    QCOMPARE(full.descaling().relay_index(), 4u);
    QCOMPARE(full.descaling().start_time(), 120u);

    SaunaReport changes = model.requestDescaling(fullDescaling(std::nullopt));
    const vaholumo::Sauna_to_external report =
        parsed(tools::encodeReport(changes, model, QDateTime::currentDateTimeUtc()));
    QVERIFY(report.has_descaling());
    QVERIFY(!report.descaling().has_relay_index());
    QCOMPARE(report.aux_relay_post_sauna_size(), 0);
}

void TestSaunaAuxRelays::lastDescalingIsADayNumber()
{
    // The panel reads the last descaling as days since 2000-01-01: thirty days ago.
    const quint32 days = SaunaStateModel().integer(tools::IntegerId::LastDescaling);
    QCOMPARE(QDate(2000, 1, 1).addDays(days), QDate::currentDate().addDays(-30));
}

QTEST_APPLESS_MAIN(TestSaunaAuxRelays)
#include "tst_sauna_aux_relays.moc"
