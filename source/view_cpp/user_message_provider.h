#pragma once

#include "view_cpp/message_provider.h"

namespace view {

// The one provider of user-message texts: sauna error codes, system messages and panel messages.
class UserMessageProvider : public details::MessageProvider
{
public:
    // Created on the first call and kept for the life of the process.
    static UserMessageProvider *instance();

    UserMessageProvider();
};

} // namespace view
