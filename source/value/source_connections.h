#pragma once

#include <QList>

class QObject;

namespace value {

// Connects one signal of every listed sender to a slot of the receiver by signature strings, as
// made by SIGNAL() and SLOT(). Returns the number of connects that failed (a null sender counts as
// one): a failed string connect only prints a warning, which the application discards.
int connectSources(const QList<QObject *> &senders, const char *signal, const QObject *receiver,
                   const char *method);

} // namespace value
