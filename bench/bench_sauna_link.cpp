#include "pc_panel/datagram_transport.h"
#include "pc_panel/sauna_system_receiver.h"
#include "pc_panel/sauna_system_sender.h"
#include "protocol_buffers_support/message_parsing.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

const QHostAddress peerAddress(QStringLiteral("192.0.2.10"));
constexpr quint16 peerPort = 49152;

// A typical state report: 20 members of the kinds a running sauna sends every few seconds.
QByteArray typicalStateReport()
{
    vaholumo::Sauna_to_external envelope;
    const int integerIds[] = {10, 12, 13, 14, 17, 18, 19, 20, 21, 22, 26};
    for (int i = 0; i < 11; ++i) {
        auto *report = envelope.add_integer_value_changed();
        report->set_value_id(static_cast<vaholumo::Integer_value_changed_value_t>(integerIds[i]));
        report->set_value(static_cast<quint32>(100 + 37 * i));
    }
    const int booleanIds[] = {10, 11, 12, 17, 18};
    for (int id : booleanIds) {
        auto *report = envelope.add_boolean_value_changed();
        report->set_value_id(static_cast<vaholumo::Boolean_value_changed_value_t>(id));
        report->set_value(1);
    }
    auto *enums = envelope.add_enum_value_changed();
    enums->set_water_level_primary(vaholumo::Enum_value_types_water_level_t_WATER_LEVEL_MID);
    envelope.add_enum_value_changed()->set_bath_priority(
        vaholumo::Enum_value_types_bath_priority_t_BATH_PRIORITY_AUTOMATIC);
    auto *state = envelope.mutable_sauna_state_changed();
    state->set_state(vaholumo::Sauna_state_changed_state_t_STATE_ON);
    state->set_system_time(760000000000ULL);
    envelope.mutable_keep_alive()->set_sequence_number(7);
    return QByteArray::fromStdString(envelope.SerializeAsString());
}

// The one connected receiver of every signal the report raises.
class Listener : public QObject
{
public:
    void connectTo(pcPanel::SaunaSystemReceiver &receiver)
    {
        using R = pcPanel::SaunaSystemReceiver;
        const auto count = [this](auto...) {
            ++m_count;
        };
        connect(&receiver, &R::saunaTargetTemperatureChanged, this, count);
        connect(&receiver, &R::saunaTemperatureChanged, this, count);
        connect(&receiver, &R::saunaLowerTemperatureLimitChanged, this, count);
        connect(&receiver, &R::saunaUpperTemperatureLimitChanged, this, count);
        connect(&receiver, &R::saunaBathTimeChanged, this, count);
        connect(&receiver, &R::saunaBathTimeLimitChanged, this, count);
        connect(&receiver, &R::saunaHumidityChanged, this, count);
        connect(&receiver, &R::saunaTargetHumidityChanged, this, count);
        connect(&receiver, &R::saunaTankTemperatureChanged, this, count);
        connect(&receiver, &R::saunaRunTimeLeftChanged, this, count);
        connect(&receiver, &R::saunaRunTimeChanged, this, count);
        connect(&receiver, &R::saunaLightsStateChange, this, count);
        connect(&receiver, &R::saunaEnableStandbyChanged, this, count);
        connect(&receiver, &R::saunaHumiditySensorStatusChanged, this, count);
        connect(&receiver, &R::saunaFanAutomaticChanged, this, count);
        connect(&receiver, &R::saunaFanRunningChanged, this, count);
        connect(&receiver, &R::saunaTankWaterLevelChanged, this, count);
        connect(&receiver, &R::saunaBathPriorityChanged, this, count);
        connect(&receiver, &R::saunaPhysicalStateChanged, this, count);
        connect(&receiver, &R::saunaTimeChanged, this, count);
    }
    long m_count = 0;
};

void receiveStateReport(benchmark::State &state)
{
    const QByteArray datagram = typicalStateReport();
    pcPanel::SaunaSystemReceiver receiver(nullptr);
    receiver.setPeer(peerAddress, peerPort);
    Listener listener;
    listener.connectTo(receiver);
    for (auto _ : state)
        benchmark::DoNotOptimize(receiver.handleDatagram(datagram, peerAddress, peerPort));
    if (listener.m_count != 20 * static_cast<long>(state.iterations()))
        state.SkipWithError("not every report reached its signal");
}
BENCHMARK(receiveStateReport);

void bareParseStateReport(benchmark::State &state)
{
    const QByteArray datagram = typicalStateReport();
    vaholumo::Sauna_to_external envelope;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            envelope.ParseFromArray(datagram.constData(), static_cast<int>(datagram.size())));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(bareParseStateReport);

// The link's parse alone (end-of-message rules included), without dispatch.
void linkParseStateReport(benchmark::State &state)
{
    const QByteArray datagram = typicalStateReport();
    vaholumo::Sauna_to_external envelope;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pbSupport::parseDatagram(datagram, envelope));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(linkParseStateReport);

class NullTransport : public pcPanel::DatagramTransport
{
public:
    bool hasPeer() const override { return true; }
    bool sendToPeer(const QByteArray &datagram) override
    {
        benchmark::DoNotOptimize(datagram.constData());
        return true;
    }
};

void requestSlotToBytes(benchmark::State &state)
{
    NullTransport transport;
    pcPanel::SaunaSystemSender sender;
    sender.setTransport(&transport);
    for (auto _ : state)
        sender.onTargetTemperatureChangeRequested(720);
}
BENCHMARK(requestSlotToBytes);

// The same envelope, built fresh and serialized by hand.
void bareBuildAndSerialize(benchmark::State &state)
{
    std::string bytes;
    for (auto _ : state) {
        vaholumo::External_to_sauna envelope;
        auto *request = envelope.add_integer_value_change_request();
        request->set_value_id(vaholumo::Integer_value_change_request_value_t_TARGET_TEMPERATURE);
        request->set_value(720);
        envelope.SerializeToString(&bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(bareBuildAndSerialize);

// Serialization alone of an envelope built once.
void bareSerialize(benchmark::State &state)
{
    vaholumo::External_to_sauna envelope;
    auto *request = envelope.add_integer_value_change_request();
    request->set_value_id(vaholumo::Integer_value_change_request_value_t_TARGET_TEMPERATURE);
    request->set_value(720);
    std::string bytes;
    for (auto _ : state) {
        envelope.SerializeToString(&bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(bareSerialize);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
