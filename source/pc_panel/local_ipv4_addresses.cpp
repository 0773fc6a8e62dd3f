#include "pc_panel/local_ipv4_addresses.h"

#include <QNetworkInterface>

namespace pcPanel {

QList<QHostAddress> localIpv4Addresses()
{
    QList<QHostAddress> addresses;
    const QList<QHostAddress> all = QNetworkInterface::allAddresses();
    for (const QHostAddress &address : all) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses.append(address);
    }
    return addresses;
}

QList<QHostAddress> localIpv4BroadcastAddresses()
{
    QList<QHostAddress> broadcasts;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &networkInterface : interfaces) {
        const QNetworkInterface::InterfaceFlags flags = networkInterface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::CanBroadcast) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        const QList<QNetworkAddressEntry> entries = networkInterface.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) {
            const QHostAddress broadcast = entry.broadcast();
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.ip().isLoopback() ||
                broadcast.isNull() || broadcasts.contains(broadcast))
                continue;
            broadcasts.append(broadcast);
        }
    }
    return broadcasts;
}

} // namespace pcPanel
