#include "protocol_buffers_support/si_pb_type_conversion/user_message_converter.h"

#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"
#include "protocol_buffers_support/si_pb_type_conversion/node_converter.h"
#include "signal_interface/protocol_facts.h"
#include "view_cpp/message_arguments.h"
#include "view_cpp/user_message_provider.h"

#include <utility>

namespace pbSupport::conversion {

namespace {

using namespace signalInterface::UserMessageTypes;

// Message types are the panel's values plus 10.
constexpr int messageTypeBase = 10;

constexpr std::pair<UserMessageAnswer, vaholumo::User_message_answer_t> answerPairs[] = {
    {E_answerNone, vaholumo::User_message_answer_t_ANSWER_NONE},
    {E_answerAcknowledged, vaholumo::User_message_answer_t_ANSWER_ACKNOWLEDGED},
    {E_answerYes, vaholumo::User_message_answer_t_ANSWER_YES},
    {E_answerNo, vaholumo::User_message_answer_t_ANSWER_NO},
};

} // namespace

value::ErrorText_SPT UserMessageConverter::toSiUserMessage(const vaholumo::User_message &message,
                                                           UserMessage &out)
{
    if (!message.has_message_id())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no identity"));
    if (!message.has_message_type())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no message_type"));
    if (!message.has_answer())
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("no answer"));

    UserMessage result(message.message_id());
    result.type = static_cast<UserMessageType>(message.message_type() - messageTypeBase);
    for (const auto &[panelAnswer, wireAnswer] : answerPairs) {
        if (wireAnswer == message.answer())
            result.answer = panelAnswer;
    }
    result.timeout = message.has_timeout() ? message.timeout() : 0;
    if (!codeUnitsToText(message.text(), result.text,
                         signalInterface::protocolFacts::longestUserMessageText))
        return value::makeErrorText(Q_FUNC_INFO, QStringLiteral("text code unit"));
    result.hasBoard = message.has_control_board();
    if (result.hasBoard)
        result.board = NodeConverter::instance().toSiRcb(message.control_board());
    out = result;
    return {};
}

void UserMessageConverter::toPbUserMessage(const UserMessage &message, vaholumo::User_message &out)
{
    out.Clear();
    out.set_message_id(message.id);
    if (message.type >= E_typeNone && message.type <= E_typeNoButton)
        out.set_message_type(
            static_cast<vaholumo::User_message_message_type_t>(messageTypeBase + message.type));
    for (const auto &[panelAnswer, wireAnswer] : answerPairs) {
        if (panelAnswer == message.answer)
            out.set_answer(wireAnswer);
    }
    if (message.timeout != 0)
        out.set_timeout(message.timeout);

    const int id = static_cast<int>(message.id);
    const QSharedPointer<QString> text = view::UserMessageProvider::instance()->findText(id);
    const QString shownText = view::message::fillArguments(
        text ? *text : view::details::MessageProvider::unknownMessageText(id), message.arguments);
    textToCodeUnits(shownText, out.mutable_text());
    if (message.hasBoard)
        out.set_control_board(NodeConverter::instance().toPbRcb(message.board));
}

} // namespace pbSupport::conversion
