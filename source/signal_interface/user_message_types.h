#pragma once

#include "signal_interface/node_information_types.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

namespace signalInterface::UserMessageTypes {

// Popup kind; on the wire the value plus 10.
enum UserMessageType : int {
    E_typeNone = 0,
    E_typeOneButton = 1,
    E_typeTwoButtons = 2,
    E_typeOneButtonAlt = 3,
    E_typeNoButton = 4,
};

// The user's answer; on the wire 20, 21, 22 and 24.
enum UserMessageAnswer : int {
    E_answerNone = 0,
    E_answerAcknowledged = 1,
    E_answerYes = 2,
    E_answerNo = 3,
};

// One message to show to the user, raised by the panel or received from the sauna.
struct UserMessage
{
    UserMessage() = default;
    explicit UserMessage(quint32 messageId)
        : id(messageId)
    {}

    bool operator==(const UserMessage &other) const
    {
        return type == other.type && answer == other.answer && timeout == other.timeout &&
               id == other.id && hasBoard == other.hasBoard && board == other.board &&
               arguments == other.arguments && text == other.text;
    }
    bool operator!=(const UserMessage &other) const { return !(*this == other); }

    UserMessageType type = E_typeOneButton;
    UserMessageAnswer answer = E_answerNone;
    // Milliseconds until the popup closes by itself; 0 keeps it open.
    quint32 timeout = 0;
    // 0 is "No error", so a message whose raiser forgot the id still names a known text.
    quint32 id = 0;
    bool hasBoard = false;
    NodeInformationTypes::RcbMasterSlaveMode board = NodeInformationTypes::E_master;
    // Texts for the placeholders %1, %2, ... of the message text.
    QStringList arguments;
    // Free text from the sauna.
    QString text;
};

} // namespace signalInterface::UserMessageTypes

Q_DECLARE_METATYPE(signalInterface::UserMessageTypes::UserMessageType)
Q_DECLARE_METATYPE(signalInterface::UserMessageTypes::UserMessageAnswer)
Q_DECLARE_METATYPE(signalInterface::UserMessageTypes::UserMessage)
