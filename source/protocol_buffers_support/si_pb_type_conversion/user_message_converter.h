#pragma once

#include "signal_interface/user_message_types.h"
#include "value/error_text.h"

#include "user_message.pb.h"

namespace pbSupport::conversion {

// User messages between the protocol and the panel: the sauna's messages in, the user's answers
// out.
class UserMessageConverter
{
public:
    // Identity, type and answer are required; the timeout defaults to 0. A text holding a value
    // that is no UTF-16 code unit fails the conversion.
    static value::ErrorText_SPT
    toSiUserMessage(const vaholumo::User_message &message,
                    signalInterface::UserMessageTypes::UserMessage &out);

    // The answer carries the text the user saw: the id's text with the arguments filled in.
    static void toPbUserMessage(const signalInterface::UserMessageTypes::UserMessage &message,
                                vaholumo::User_message &out);
};

} // namespace pbSupport::conversion
