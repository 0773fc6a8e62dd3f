#pragma once

#include "signal_interface/user_message_types.h"

#include <QMetaType>

namespace signalInterface {

// Callback carried with a user message; it receives the user's answer. Raisers that need no
// answer pass a null pointer.
class UserMessageAction
{
public:
    UserMessageAction() = default;
    UserMessageAction(const UserMessageAction &) = delete;
    UserMessageAction &operator=(const UserMessageAction &) = delete;
    virtual ~UserMessageAction() = default;

    virtual void execute(const UserMessageTypes::UserMessageAnswer &answer) = 0;
};

} // namespace signalInterface

Q_DECLARE_METATYPE(signalInterface::UserMessageAction *)
