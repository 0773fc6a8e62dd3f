#include "signal_interface/sender_connections.h"

#include "signal_interface/shared_logging.h"

#include <QMetaObject>
#include <QObject>

namespace signalInterface {

int connectSenders(const QList<QObject *> &senders, const QObject *receiver,
                   std::initializer_list<SignalRoute> routes)
{
    int failures = 0;
    for (QObject *sender : senders) {
        for (const SignalRoute &route : routes) {
            const bool connected = sender != nullptr && receiver != nullptr &&
                                   QObject::connect(sender, route.signal, receiver, route.slot);
            if (!connected) {
                ++failures;
                // The first character of a SIGNAL()/SLOT() string is Qt's method-kind code.
                qCWarning(sharedLog)
                    << "connect failed:" << (sender ? sender->objectName() : QString())
                    << route.signal + 1 << "->"
                    << (receiver ? receiver->metaObject()->className() : "(no receiver)")
                    << route.slot + 1;
            }
        }
    }
    return failures;
}

} // namespace signalInterface
