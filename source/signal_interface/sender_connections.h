#pragma once

#include <QList>

#include <initializer_list>

class QObject;

namespace signalInterface {

// One signal of a sender and the slot of the receiver it goes to, both as SIGNAL()/SLOT() strings.
struct SignalRoute
{
    const char *signal;
    const char *slot;
};

// Connects every route for every sender in the list to the receiver by signature string, with the
// automatic connection type: the senders are QML items or objects handed over as QObject*. A
// failed string connect only warns through Qt's message handler, which the panel silences, so
// each failure is counted and logged (sharedLog). Returns the number of connections that failed;
// a null sender, or a null receiver, counts once per route.
int connectSenders(const QList<QObject *> &senders, const QObject *receiver,
                   std::initializer_list<SignalRoute> routes);

} // namespace signalInterface
