#pragma once

#include "signal_interface/user_message_action.h"

namespace view::message {

// Passes the user's answer to a question on to a member function of the object that asked it.
// The callback is a member of that object and lives exactly as long as it.
template<class T>
class UserMessageCallback : public signalInterface::UserMessageAction
{
public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;
    using Member = void (T::*)(const Answer &answer);

    UserMessageCallback(T *target, Member member)
        : m_target(target)
        , m_member(member)
    {}

    void execute(const Answer &answer) override { (m_target->*m_member)(answer); }

private:
    T *m_target;
    Member m_member;
};

} // namespace view::message
