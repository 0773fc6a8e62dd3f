#include "protocol_buffers_support/si_pb_type_conversion/aux_relay_converter.h"

#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/protocol_time.h"
#include "signal_interface/protocol_facts.h"

namespace pbSupport::conversion {

namespace {

using signalInterface::AuxiliaryRelayTypes;

constexpr unsigned highestRelayIndex = 6;
constexpr int longestName = signalInterface::protocolFacts::longestAuxRelayName;
// Scaling and function lists are their panel enums shifted by 10.
constexpr int wireBase = 10;

bool toSiTiming(const vaholumo::Aux_relay_timing &timing, quint32 &value,
                AuxiliaryRelayTypes::TimeScaling &scaling)
{
    if (!timing.has_scaling() || !timing.has_value())
        return false;
    AuxiliaryRelayTypes::TimeScaling panelScaling;
    if (!AuxiliaryRelayTypes::fromInt(timing.scaling() - wireBase, panelScaling))
        return false;
    scaling = panelScaling;
    value = timing.value();
    return true;
}

} // namespace

AuxRelayConverter &AuxRelayConverter::instance()
{
    static AuxRelayConverter *converter = new AuxRelayConverter;
    return *converter;
}

value::ErrorText_SPT AuxRelayConverter::toSiAuxRelay(const vaholumo::Aux_relay_post &post,
                                                     AuxiliaryRelayTypes::AuxiliaryRelayPost &out)
{
    if (!post.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    if (post.index() > highestRelayIndex)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(post.index()));

    AuxiliaryRelayTypes::AuxiliaryRelayPost relay = out;
    relay.index = post.index();
    if (post.has_function()) {
        AuxiliaryRelayTypes::Function function;
        if (!AuxiliaryRelayTypes::fromInt(post.function() - wireBase, function))
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("function"), post.function());
        relay.function = function;
    }
    if (post.name_size() > longestName)
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("namelength"), post.name_size());
    if (!codeUnitsToText(post.name(), relay.name, longestName))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("name code unit"));
    if (post.has_activated())
        relay.activated = post.activated();
    if (post.has_off_time() &&
        !toSiTiming(post.off_time(), relay.offTimeValue, relay.offTimeScaling))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("off_time scaling/value"));
    if (post.has_on_time() && !toSiTiming(post.on_time(), relay.onTimeValue, relay.onTimeScaling))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("on_time scaling/value"));
    out = relay;
    return {};
}

value::ErrorText_SPT AuxRelayConverter::toSiAuxRelay(const vaholumo::Aux_relay_post_sauna &report,
                                                     AuxiliaryRelayTypes::AuxiliaryRelayPost &out)
{
    if (!report.has_connected())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no connected"));
    if (!report.has_relay())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no aux relay post"));
    AuxiliaryRelayTypes::AuxiliaryRelayPost relay = out;
    if (auto error = toSiAuxRelay(report.relay(), relay))
        return error;
    relay.connected = report.connected();
    out = relay;
    return {};
}

value::ErrorText_SPT AuxRelayConverter::toSiDescaling(const vaholumo::Descaling &descaling,
                                                      AuxiliaryRelayTypes::Descaling &out)
{
    AuxiliaryRelayTypes::Descaling settings = out;
    if (descaling.has_relay_index()) {
        if (descaling.relay_index() > highestRelayIndex)
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                        static_cast<int>(descaling.relay_index()));
        settings.relayIndex = descaling.relay_index();
    } else {
        settings.relayIndex = AuxiliaryRelayTypes::Descaling::noRelayIndex;
    }
    if (descaling.has_enabled())
        settings.enabled = descaling.enabled();
    if (descaling.has_weekday()) {
        signalInterface::CalendarTypes::WeekDay weekday;
        if (descaling.weekday() > static_cast<unsigned>(signalInterface::CalendarTypes::E_sunday) ||
            !signalInterface::CalendarTypes::fromInt(static_cast<int>(descaling.weekday()),
                                                     weekday))
            return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("weekday"),
                                        static_cast<int>(descaling.weekday()));
        settings.weekday = weekday;
    }
    if (descaling.has_start_time() && !toSiMinuteOfDay(descaling.start_time(), settings.startTime))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("start time"),
                                    static_cast<int>(descaling.start_time()));
    if (descaling.has_dosage())
        settings.dosage = descaling.dosage();
    out = settings;
    return {};
}

void AuxRelayConverter::toPbAuxRelay(const AuxiliaryRelayTypes::AuxiliaryRelayPost &relay,
                                     vaholumo::Aux_relay_post &out)
{
    out.Clear();
    out.set_index(relay.index);
    if (relay.function >= AuxiliaryRelayTypes::E_notUsed &&
        relay.function <= AuxiliaryRelayTypes::E_frequency) {
        out.set_function(
            static_cast<vaholumo::Aux_relay_post_function_t>(wireBase + relay.function));
    } else {
        raiseMissingPair(__FILE__, __LINE__, "Function", relay.function);
        out.set_function(vaholumo::Aux_relay_post_function_t_FUNCTION_NOT_USED);
    }
    textToCodeUnits(relay.name, out.mutable_name());
    out.set_activated(relay.activated);
    const auto writeTiming = [this](AuxiliaryRelayTypes::TimeScaling scaling, quint32 value,
                                    vaholumo::Aux_relay_timing *timing) {
        if (scaling >= AuxiliaryRelayTypes::E_100_msec && scaling <= AuxiliaryRelayTypes::E_hours) {
            timing->set_scaling(
                static_cast<vaholumo::Aux_relay_timing_scaling_t>(wireBase + scaling));
        } else {
            raiseMissingPair(__FILE__, __LINE__, "TimeScaling", scaling);
            timing->set_scaling(vaholumo::Aux_relay_timing_scaling_t_SCALING_100_MSEC);
        }
        timing->set_value(value);
    };
    writeTiming(relay.offTimeScaling, relay.offTimeValue, out.mutable_off_time());
    writeTiming(relay.onTimeScaling, relay.onTimeValue, out.mutable_on_time());
}

void AuxRelayConverter::toPbDescaling(const AuxiliaryRelayTypes::Descaling &descaling,
                                      vaholumo::Descaling &out)
{
    // A record without a start time leaves it at 0, midnight.
    std::uint32_t startMinute = 0;
    toPbMinuteOfDay(descaling.startTime, startMinute);
    out.Clear();
    if (descaling.relayIndex != AuxiliaryRelayTypes::Descaling::noRelayIndex)
        out.set_relay_index(descaling.relayIndex);
    out.set_enabled(descaling.enabled);
    out.set_weekday(static_cast<unsigned>(descaling.weekday));
    out.set_start_time(startMinute);
    out.set_dosage(descaling.dosage);
}

} // namespace pbSupport::conversion
