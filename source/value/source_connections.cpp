#include "value/source_connections.h"

#include <QObject>

namespace value {

int connectSources(const QList<QObject *> &senders, const char *signal, const QObject *receiver,
                   const char *method)
{
    int failed = 0;
    for (QObject *sender : senders) {
        if (!sender || !QObject::connect(sender, signal, receiver, method))
            ++failed;
    }
    return failed;
}

} // namespace value
