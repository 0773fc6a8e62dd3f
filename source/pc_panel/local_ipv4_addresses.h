#pragma once

#include <QHostAddress>
#include <QList>

namespace pcPanel {

// The host's IPv4 addresses other than loopback, in the order the platform lists them.
QList<QHostAddress> localIpv4Addresses();

// The broadcast address of every IPv4 network of every interface that is up and can broadcast,
// each once, in the platform's order. Loopback has none.
QList<QHostAddress> localIpv4BroadcastAddresses();

} // namespace pcPanel
