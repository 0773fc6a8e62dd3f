#include "view_cpp/message_formatter.h"

#include <limits>

namespace view {

void MessageFormatter::setFormatter(int messageId, FormatterFunction function)
{
    if (!function) {
        m_formatters.erase(messageId);
        return;
    }
    m_formatters[messageId] = std::move(function);
}

void MessageFormatter::format(signalInterface::UserMessageTypes::UserMessage &message)
{
    // Ids above INT_MAX can have no entry; they must not wrap onto a negative key.
    if (message.id > static_cast<quint32>(std::numeric_limits<int>::max()))
        return;
    const auto entry = m_formatters.find(static_cast<int>(message.id));
    if (entry != m_formatters.end())
        entry->second(message);
}

} // namespace view
