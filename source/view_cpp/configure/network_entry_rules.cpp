#include "view_cpp/configure/network_entry_rules.h"

#include <QStringList>

namespace view::networkEntry {

namespace {

constexpr int ipv4PartCount = 4;
constexpr int maximumPartDigits = 3;
constexpr quint32 maximumPartValue = 255;
constexpr int maximumPortDigits = 5;
constexpr quint32 maximumPort = 65535;
constexpr int maximumPinDigits = 4;
// The first part of the addresses that are not unicast: "this network" and, from 224 on,
// multicast, reserved and broadcast.
constexpr quint32 thisNetworkFirstPart = 0;
constexpr quint32 firstNonUnicastFirstPart = 224;

bool isAsciiDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar character : text) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The value of a string of ASCII digits that is short enough not to overflow.
quint32 digitsValue(const QString &digits)
{
    quint32 value = 0;
    for (const QChar character : digits)
        value = value * 10 + static_cast<quint32>(character.unicode() - '0');
    return value;
}

} // namespace

bool parseIpv4Address(const QString &text, QHostAddress &address)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != ipv4PartCount)
        return false;
    quint32 value = 0;
    for (const QString &part : parts) {
        if (!isAsciiDigits(part) || part.size() > maximumPartDigits)
            return false;
        if (part.size() > 1 && part.startsWith(QLatin1Char('0')))
            return false;
        const quint32 partValue = digitsValue(part);
        if (partValue > maximumPartValue)
            return false;
        value = (value << 8) | partValue;
    }
    const quint32 firstPart = value >> 24;
    if (firstPart == thisNetworkFirstPart || firstPart >= firstNonUnicastFirstPart)
        return false;
    address = QHostAddress(value);
    return true;
}

bool parsePort(const QString &text, quint16 &port)
{
    if (!isAsciiDigits(text) || text.size() > maximumPortDigits)
        return false;
    const quint32 value = digitsValue(text);
    if (value < 1 || value > maximumPort)
        return false;
    port = static_cast<quint16>(value);
    return true;
}

bool isValidPinText(const QString &text)
{
    return text.size() <= maximumPinDigits && isAsciiDigits(text);
}

} // namespace view::networkEntry
