#pragma once

#include "signal_interface/user_message_types.h"

namespace saunaBridge {

// Fills in the text arguments that a user message from the sauna system arrives without, before
// the sauna link passes the message on to the panel.
class MessageFormatterBase
{
public:
    MessageFormatterBase() = default;
    MessageFormatterBase(const MessageFormatterBase &) = delete;
    MessageFormatterBase &operator=(const MessageFormatterBase &) = delete;
    virtual ~MessageFormatterBase() = default;

    virtual void format(signalInterface::UserMessageTypes::UserMessage &message) = 0;
};

} // namespace saunaBridge
