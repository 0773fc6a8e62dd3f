#pragma once

#include "sauna_bridge/message_formatter_base.h"

#include <functional>
#include <map>

namespace view {

// Fills in, by message id, the text arguments of user messages that the sauna system sends
// without them.
class MessageFormatter : public saunaBridge::MessageFormatterBase
{
public:
    using FormatterFunction =
        std::function<void(signalInterface::UserMessageTypes::UserMessage &message)>;

    MessageFormatter() = default;

    // Stores the function for the id, replacing an earlier one; a null function removes the entry.
    void setFormatter(int messageId, FormatterFunction function);

    // Calls the id's function on the message; a message without one is left unchanged.
    void format(signalInterface::UserMessageTypes::UserMessage &message) override;

private:
    std::map<int, FormatterFunction> m_formatters;
};

} // namespace view
