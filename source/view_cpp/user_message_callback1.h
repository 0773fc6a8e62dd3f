#pragma once

#include "signal_interface/user_message_action.h"

namespace view::message {

// Passes the user's answer, together with the argument stored when the question was raised, on to
// a member function of the object that asked it. The last stored argument is the one acted on.
template<class T, class A>
class UserMessageCallback1 : public signalInterface::UserMessageAction
{
public:
    using Answer = signalInterface::UserMessageTypes::UserMessageAnswer;
    using Member = void (T::*)(const Answer &answer, const A &argument);

    UserMessageCallback1(T *target, Member member)
        : m_target(target)
        , m_member(member)
    {}

    // The owner stores the argument just before it raises the message carrying this callback.
    void setArgument(const A &argument) { m_argument = argument; }

    void execute(const Answer &answer) override { (m_target->*m_member)(answer, m_argument); }

private:
    T *m_target;
    Member m_member;
    A m_argument{};
};

} // namespace view::message
