#include "control/details/sender_connections.h"

#include <QLoggingCategory>

namespace control::details {

namespace {
Q_LOGGING_CATEGORY(lcControlConnections, "panel.control.connections")
} // namespace

int connectSenders(const QList<QObject *> &senders, QObject *receiver,
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
                qCWarning(lcControlConnections)
                    << "connect failed:" << (sender ? sender->objectName() : QString())
                    << route.signal + 1 << "->" << route.slot + 1;
            }
        }
    }
    return failures;
}

} // namespace control::details
