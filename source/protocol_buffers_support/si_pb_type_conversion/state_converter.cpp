#include "protocol_buffers_support/si_pb_type_conversion/state_converter.h"

#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"

#include <iterator>
#include <utility>

namespace pbSupport::conversion {

namespace {

using signalInterface::SaunaStateTypes;

constexpr std::pair<SaunaStateTypes::SaunaState, vaholumo::Sauna_state_change_request_state_t>
    requestPairs[] = {
        {SaunaStateTypes::E_sauna_off, vaholumo::Sauna_state_change_request_state_t_STATE_OFF},
        {SaunaStateTypes::E_sauna_on, vaholumo::Sauna_state_change_request_state_t_STATE_ON},
        {SaunaStateTypes::E_sauna_standby,
         vaholumo::Sauna_state_change_request_state_t_STATE_STANDBY},
};

constexpr std::pair<SaunaStateTypes::SaunaState, vaholumo::Sauna_state_changed_state_t>
    reportPairs[] = {
        {SaunaStateTypes::E_sauna_off, vaholumo::Sauna_state_changed_state_t_STATE_OFF},
        {SaunaStateTypes::E_sauna_on, vaholumo::Sauna_state_changed_state_t_STATE_ON},
        {SaunaStateTypes::E_sauna_standby, vaholumo::Sauna_state_changed_state_t_STATE_STANDBY},
        {SaunaStateTypes::E_sauna_dryup, vaholumo::Sauna_state_changed_state_t_STATE_DRYUP},
        {SaunaStateTypes::E_sauna_cleanup, vaholumo::Sauna_state_changed_state_t_STATE_CLEANUP},
        {SaunaStateTypes::E_sauna_descaling, vaholumo::Sauna_state_changed_state_t_STATE_DESCALING},
};

} // namespace

StateConverter &StateConverter::instance()
{
    static StateConverter *converter = new StateConverter;
    return *converter;
}

bool StateConverter::toPbState(SaunaStateTypes::SaunaState state,
                               vaholumo::Sauna_state_change_request_state_t &out)
{
    for (const auto &[panelState, wireState] : requestPairs) {
        if (panelState == state) {
            out = wireState;
            return true;
        }
    }
    raiseMissingPair(__FILE__, __LINE__, "SaunaState", state);
    return false;
}

bool StateConverter::toSiState(vaholumo::Sauna_state_changed_state_t state,
                               SaunaStateTypes::SaunaState &out)
{
    for (const auto &[panelState, wireState] : reportPairs) {
        if (wireState == state) {
            out = panelState;
            return true;
        }
    }
    raiseMissingPair(__FILE__, __LINE__, "Sauna_state_changed.state_t", state);
    return false;
}

value::ErrorText_SPT
StateConverter::toSiRelay(const vaholumo::Relay &relay,
                          signalInterface::RelayStatusTypes::RelayStatusPost &out)
{
    if (!relay.has_control_board())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no control_board"));
    if (!relay.has_index())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no index"));
    signalInterface::RelayStatusTypes::RelayType relayType;
    if (relay.index() > static_cast<unsigned>(signalInterface::RelayStatusTypes::E_x29x30) ||
        !signalInterface::RelayStatusTypes::fromInt(static_cast<int>(relay.index()), relayType))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("index"),
                                    static_cast<int>(relay.index()));

    signalInterface::RelayStatusTypes::RelayStatusPost post;
    post.board = NodeConverter::instance().toSiRcb(relay.control_board());
    post.relay = relayType;
    if (relay.has_state())
        post.state1 = relay.state();
    if (relay.has_second_flag())
        post.state2 = relay.second_flag();
    out = post;
    return {};
}

} // namespace pbSupport::conversion
