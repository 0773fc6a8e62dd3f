#pragma once

#include "signal_interface/user_message_action.h"
#include "signal_interface/user_message_types.h"

#include <QList>
#include <QObject>

namespace control {

// The main screen's place for errors of the panel itself. The sauna system's own errors reach the
// user as user messages, which the message controller shows, so this controller needs no sauna
// report; it is wired like the other controllers so that the message controller hears it.
class ErrorController : public QObject
{
    Q_OBJECT

public:
    explicit ErrorController(QObject *parent = nullptr);

    // Returns the number of connects that failed: none, as no sauna report is needed here.
    int connectSaunaSignals(const QList<QObject *> &senders);

signals:
    void panelUserMessageIssued(::signalInterface::UserMessageTypes::UserMessage message,
                                ::signalInterface::UserMessageAction *action);
};

} // namespace control
