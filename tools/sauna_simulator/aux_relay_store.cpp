#include "aux_relay_store.h"

#include "simulator_messages.h"

#include <algorithm>

namespace tools {

namespace {

bool isFunction(int function)
{
    return function >= AuxRelayWire::NotUsed && function <= AuxRelayWire::Frequency;
}

bool isScaling(int scaling)
{
    return scaling >= AuxRelayWire::TenthsOfSecond && scaling <= AuxRelayWire::Hours;
}

// The first rule that the post breaks for a connected relay, or nothing.
std::optional<QString> relayFault(const AuxRelayChange &change)
{
    const QString relay = QStringLiteral("auxiliary relay %1").arg(*change.index);
    if (!change.nameIsText)
        return relay + QStringLiteral(" name is not text");
    if (change.name.size() > AuxRelayRecord::MaximumNameLength)
        return relay + QStringLiteral(" name is longer than %1 characters")
                           .arg(AuxRelayRecord::MaximumNameLength);
    const QString supported = supportedCharacters();
    if (!std::all_of(change.name.begin(), change.name.end(),
                     [&supported](QChar unit) { return supported.contains(unit); }))
        return relay + QStringLiteral(" name holds characters this sauna cannot show");
    if (change.function && !isFunction(*change.function))
        return relay + QStringLiteral(" function %1 is unknown").arg(*change.function);
    if (change.timingIncomplete)
        return relay + QStringLiteral(" has a timing without scaling or value");
    for (const std::optional<AuxRelayTiming> &timing : {change.offTime, change.onTime}) {
        if (timing && !isScaling(timing->scaling))
            return relay + QStringLiteral(" timing scaling %1 is unknown").arg(timing->scaling);
    }
    return std::nullopt;
}

AuxRelayRecord connectedRelay(quint32 index, int function, const QString &name,
                              AuxRelayTiming offTime, AuxRelayTiming onTime)
{
    AuxRelayRecord relay(index);
    relay.connected = true;
    relay.function = function;
    relay.name = name;
    relay.offTime = offTime;
    relay.onTime = onTime;
    return relay;
}

} // namespace

AuxRelayStore::AuxRelayStore()
{
    for (quint32 index = 0; index < AuxRelayRecord::RelayCount; ++index)
        m_relays[index] = AuxRelayRecord(index);
    // Pump 5 s, stop 20 min.
    m_relays[0] = connectedRelay(0, AuxRelayWire::Frequency, QStringLiteral("Fragrance"),
                                 {AuxRelayWire::Seconds, 1200}, {AuxRelayWire::TenthsOfSecond, 50});
    m_relays[1] =
        connectedRelay(1, AuxRelayWire::OnOff, QStringLiteral("Lamp"),
                       {AuxRelayWire::TenthsOfSecond, 0}, {AuxRelayWire::TenthsOfSecond, 0});
    m_relays[2] = connectedRelay(2, AuxRelayWire::NotUsed, QString(), {AuxRelayWire::Seconds, 0},
                                 {AuxRelayWire::Seconds, 2});
    // Doses for 3 h every second week.
    m_relays[4] = connectedRelay(4, AuxRelayWire::Frequency, QStringLiteral("Descaling pump"),
                                 {AuxRelayWire::Hours, 336}, {AuxRelayWire::Minutes, 180});
    m_descaling.relayIndex = 4;
    m_descaling.enabled = true;
    m_descaling.weekday = 2;        // Wednesday
    m_descaling.startTime = 2 * 60; // 02:00
    m_descaling.dosage = 150;
}

void AuxRelayStore::forgetDescalingPump()
{
    if (m_descaling.relayIndex)
        m_relays[*m_descaling.relayIndex] = AuxRelayRecord(*m_descaling.relayIndex);
    m_descaling = DescalingRecord();
}

void AuxRelayStore::appendAll(SaunaReport &report) const
{
    report.auxRelays.insert(report.auxRelays.end(), m_relays.begin(), m_relays.end());
    report.descaling = m_descaling;
}

SaunaReport AuxRelayStore::changeRelay(const AuxRelayChange &change)
{
    SaunaReport report;
    if (!change.index) {
        report.dataErrors.push_back(QStringLiteral("auxiliary relay post without an index"));
        return report;
    }
    if (*change.index >= AuxRelayRecord::RelayCount) {
        report.dataErrors.push_back(QStringLiteral("auxiliary relay index %1 is outside 0..%2")
                                        .arg(*change.index)
                                        .arg(AuxRelayRecord::RelayCount - 1));
        return report;
    }
    AuxRelayRecord &stored = m_relays[*change.index];
    const auto refuse = [&](const QString &fault) {
        report.dataErrors.push_back(fault);
        report.auxRelays.push_back(stored);
        return report;
    };
    if (!stored.connected)
        return refuse(QStringLiteral("auxiliary relay %1 is not connected").arg(*change.index));
    if (const std::optional<QString> fault = relayFault(change))
        return refuse(*fault);

    stored.function = change.function.value_or(stored.function);
    stored.name = change.name;
    stored.activated = change.activated.value_or(stored.activated);
    stored.offTime = change.offTime.value_or(stored.offTime);
    stored.onTime = change.onTime.value_or(stored.onTime);
    report.auxRelays.push_back(stored);
    return report;
}

SaunaReport AuxRelayStore::changeDescaling(const DescalingChange &change)
{
    SaunaReport report;
    const auto refuse = [&](const QString &fault) {
        report.dataErrors.push_back(fault);
        report.descaling = m_descaling;
        return report;
    };
    if (change.relayIndex) {
        if (*change.relayIndex >= AuxRelayRecord::RelayCount)
            return refuse(QStringLiteral("descaling relay %1 is outside 0..%2")
                              .arg(*change.relayIndex)
                              .arg(AuxRelayRecord::RelayCount - 1));
        if (!m_relays[*change.relayIndex].connected)
            return refuse(
                QStringLiteral("descaling relay %1 is not connected").arg(*change.relayIndex));
    }
    if (change.weekday && *change.weekday > 6)
        return refuse(QStringLiteral("descaling weekday %1 is outside 0..6").arg(*change.weekday));
    if (change.startTime && *change.startTime > DescalingRecord::LastMinuteOfDay)
        return refuse(QStringLiteral("descaling start time %1 is outside 0..%2")
                          .arg(*change.startTime)
                          .arg(DescalingRecord::LastMinuteOfDay));
    if (change.dosage && (*change.dosage < DescalingRecord::LowestDosage ||
                          *change.dosage > DescalingRecord::HighestDosage))
        return refuse(QStringLiteral("descaling dosage %1 is outside %2..%3")
                          .arg(*change.dosage)
                          .arg(DescalingRecord::LowestDosage)
                          .arg(DescalingRecord::HighestDosage));

    m_descaling.relayIndex = change.relayIndex;
    m_descaling.enabled = change.enabled.value_or(m_descaling.enabled);
    m_descaling.weekday = change.weekday.value_or(m_descaling.weekday);
    m_descaling.startTime = change.startTime.value_or(m_descaling.startTime);
    m_descaling.dosage = change.dosage.value_or(m_descaling.dosage);
    report.descaling = m_descaling;
    return report;
}

} // namespace tools
