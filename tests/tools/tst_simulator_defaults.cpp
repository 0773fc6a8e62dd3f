#include "sauna_simulator/sauna_state_model.h"
#include "sauna_simulator/simulator_messages.h"

#include "pc_panel/sauna_system_receiver.h"
#include "protocol_buffers_support/si_pb_type_conversion/product_converter.h"
#include "view_cpp/configure/configure_advanced_settings_ext_switch_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_fan_view_manager.h"
#include "view_cpp/configure/configure_advanced_settings_standby_view_manager.h"
#include "view_cpp/configure/configure_limits_not_allowed_start_view_manager.h"
#include "view_cpp/configure/configure_limits_view_manager.h"
#include "view_cpp/configure/configure_system_aux_descaling_view_manager.h"
#include "view_cpp/configure/configure_system_aux_fragrance_view_manager.h"
#include "view_cpp/configure/configure_system_cleanup_view_manager.h"
#include "view_cpp/configure/configure_system_tank_auto_emptying_view_manager.h"

#include <QtTest>

using tools::IntegerId;
using tools::SaunaStateModel;

namespace {

constexpr qint64 MillisecondsPerMinute = 60000;

// A relay timing in milliseconds, by the scaling of the auxiliary relay messages.
qint64 milliseconds(const tools::AuxRelayTiming &timing)
{
    switch (timing.scaling) {
    case tools::AuxRelayWire::TenthsOfSecond:
        return qint64(timing.value) * 100;
    case tools::AuxRelayWire::Seconds:
        return qint64(timing.value) * 1000;
    case tools::AuxRelayWire::Minutes:
        return qint64(timing.value) * MillisecondsPerMinute;
    default:
        return qint64(timing.value) * 60 * MillisecondsPerMinute;
    }
}

} // namespace

// Every value the simulated sauna reports before anyone changes it lies within the limits the
// panel's own editors apply, for every product: the editor opens at the value the row shows. The
// editors are the panel's, told the sauna's full report by the panel's own receiver, so the
// limits are the ones the panel applies, whatever the sauna reported that they depend on.
class TestSimulatorDefaults : public QObject
{
    Q_OBJECT

private slots:
    void defaultsLieWithinThePanelsLimits_data();
    void defaultsLieWithinThePanelsLimits();
};

void TestSimulatorDefaults::defaultsLieWithinThePanelsLimits_data()
{
    QTest::addColumn<int>("product");
    // Connection_types rcb_product_t values, as the simulator's --product names them.
    QTest::newRow("combi") << 31;
    QTest::newRow("steam") << 32;
    QTest::newRow("sauna") << 37;
    QTest::newRow("ir") << 39;
}

void TestSimulatorDefaults::defaultsLieWithinThePanelsLimits()
{
    QFETCH(int, product);
    SaunaStateModel model;
    model.useProductDefaults(product);

    QObject parent;
    view::ConfigureSystemTankAutoEmptyingViewManager tank(&parent);
    view::ConfigureSystemCleanupViewManager cleanup(&parent);
    view::ConfigureAdvancedSettingsFanViewManager fan(&parent);
    view::ConfigureAdvancedSettingsExtSwitchViewManager externalSwitch(&parent);
    view::ConfigureAdvancedSettingsStandbyViewManager standby(&parent);
    view::ConfigureLimitsViewManager limits(&parent);
    view::ConfigureLimitsNotAllowedStartViewManager notAllowed(&parent);
    // Only their editors' limits are read here: no relay store is needed.
    view::ConfigureSystemAuxDescalingViewManager descaling(nullptr, &parent);
    view::ConfigureSystemAuxFragranceViewManager fragrance(nullptr, &parent);

    pcPanel::SaunaSystemReceiver receiver(nullptr);
    const QList<QObject *> senders{&receiver};
    QCOMPARE(tank.connectSaunaSignals(senders), 0);
    QCOMPARE(cleanup.connectSaunaSignals(senders), 0);
    QCOMPARE(fan.connectSaunaSignals(senders), 0);
    QCOMPARE(externalSwitch.connectSaunaSignals(senders), 0);
    QCOMPARE(standby.connectSaunaSignals(senders), 0);
    QCOMPARE(limits.connectSaunaSignals(senders), 0);
    QCOMPARE(notAllowed.connectSaunaSignals(senders), 0);

    // What a panel hears from this sauna: the product of its connect reply, then the full report.
    emit receiver.saunaMasterProductChanged(
        pbSupport::conversion::ProductConverter::instance().toSiRcbProduct(
            static_cast<vaholumo::Connection_types_rcb_product_t>(product)));
    const QHostAddress sauna(QHostAddress::LocalHost);
    receiver.setPeer(sauna, 49152);
    QVERIFY(receiver.handleDatagram(tools::encodeFullReport(model, QDateTime::currentDateTimeUtc()),
                                    sauna, 49152));

    struct Row
    {
        const char *what;
        qint64 value;
        qint64 lowest;
        qint64 highest;
    };
    const auto duration = [](const value::DurationManager *editor, const char *what, qint64 value) {
        return Row{what, value, editor->lowerLimit(), editor->upperLimit()};
    };
    const auto temperature = [](const value::TemperatureValueManager *editor, const char *what,
                                qint64 value) {
        return Row{what, value, editor->lowerLimit(), editor->upperLimit()};
    };
    // A minute of the day against a time editor's window on its reference day.
    const auto minuteOfDay = [](const value::TimeValueManager *editor, const char *what,
                                qint64 minute) {
        const auto minuteOf = [](const QDateTime &limit) {
            return qint64(limit.time().hour() * 60 + limit.time().minute());
        };
        return Row{what, minute, minuteOf(editor->lowerLimit()), minuteOf(editor->upperLimit())};
    };
    const tools::AuxRelayRecord &fragranceRelay = model.auxRelays().relays()[0];
    const tools::DescalingRecord &descalingRecord = model.auxRelays().descaling();
    // Only a steam generator has a descaling pump.
    QCOMPARE(descalingRecord.relayIndex.has_value(), model.hasSteamGenerator());

    QList<Row> rows{
        duration(cleanup.timeManager(), "cleanup interval",
                 model.integer(IntegerId::CleanupBetweenTime) * 60 * MillisecondsPerMinute),
        duration(fan.runtimeManager(), "fan run time",
                 model.integer(IntegerId::FanRuntime) * MillisecondsPerMinute),
        duration(externalSwitch.bathTimeManager(), "external switch bath time",
                 model.integer(IntegerId::ExtSwitchBathTime) * MillisecondsPerMinute),
        temperature(standby.reductionManager(), "standby temperature reduction",
                    model.integer(IntegerId::StandbyOffsetTemperature)),
        temperature(limits.maxBathTemperatureManager(), "maximum bath temperature",
                    model.integer(IntegerId::UpperTemperatureLimit)),
        temperature(limits.pcbOverheatLimitManager(), "board overheat limit",
                    model.integer(IntegerId::PcbOverheatLimit)),
        minuteOfDay(notAllowed.fromTimeManager(), "not-allowed start from",
                    model.integer(IntegerId::NotAllowedStartFrom)),
        minuteOfDay(notAllowed.untilTimeManager(), "not-allowed start until",
                    model.integer(IntegerId::NotAllowedStartUntil)),
        duration(fragrance.pumpManager(), "fragrance pump time",
                 milliseconds(fragranceRelay.onTime)),
        duration(fragrance.stopManager(), "fragrance stop time",
                 milliseconds(fragranceRelay.offTime)),
        {"descaling dosage", qint64(descalingRecord.dosage),
         descaling.dosageManager()->lowerLimit(), descaling.dosageManager()->upperLimit()},
    };
    // A dry or infrared sauna reports no value of a steam generator.
    if (model.hasSteamGenerator()) {
        const tools::AuxRelayRecord &descalingRelay =
            model.auxRelays().relays()[*descalingRecord.relayIndex];
        rows << duration(descaling.durationManager(), "descaling duration",
                         milliseconds(descalingRelay.onTime))
             << duration(tank.timeManager(), "tank auto-emptying interval",
                         model.integer(IntegerId::TankAutoEmptyingDuration) * MillisecondsPerMinute)
             << temperature(standby.waterTemperatureManager(), "tank standby temperature",
                            model.integer(IntegerId::TankStandbyTemperature))
             << temperature(limits.upperWaterTemperatureManager(), "water temperature limit",
                            model.integer(IntegerId::WaterTemperatureLimit))
             << duration(limits.tankFillTimeManager(), "tank fill time",
                         model.integer(IntegerId::RcbTankFillTime) * 1000);
    }
    for (const Row &row : rows)
        QVERIFY2(row.value >= row.lowest && row.value <= row.highest,
                 qPrintable(QStringLiteral("%1: %2 outside %3..%4")
                                .arg(QLatin1String(row.what))
                                .arg(row.value)
                                .arg(row.lowest)
                                .arg(row.highest)));
}

QTEST_MAIN(TestSimulatorDefaults)
#include "tst_simulator_defaults.moc"
