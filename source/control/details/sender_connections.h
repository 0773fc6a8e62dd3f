#pragma once

#include <QList>
#include <QObject>

#include <initializer_list>

namespace control::details {

// One signal of a sender and the slot of the receiver it goes to, both as SIGNAL()/SLOT() strings.
struct SignalRoute
{
    const char *signal;
    const char *slot;
};

// Connects every route for every sender in the list to the receiver by signature string, as the
// senders are QML items or objects handed over as QObject*. A failed string connect only warns
// through Qt's message handler, which the panel silences, so failures are counted and logged.
// Returns the number of connections that failed; a null sender counts once per route.
int connectSenders(const QList<QObject *> &senders, QObject *receiver,
                   std::initializer_list<SignalRoute> routes);

} // namespace control::details
