#pragma once

#include <QHostAddress>
#include <QString>

// What the Network screen accepts from its editors. The texts are typed by the user, so each is
// checked in full before anything is stored or sent.
namespace view::networkEntry {

// Four decimal parts 0-255 separated by dots, without signs or leading zeros, surrounding blanks
// ignored, giving a unicast IPv4 address (not 0.x.x.x, not multicast, reserved or broadcast).
// The address parser of QHostAddress would also take octal, hexadecimal, shortened and IPv6
// forms and so reach a different system than the one typed. False leaves address untouched.
bool parseIpv4Address(const QString &text, QHostAddress &address);

// A decimal number 1-65535 of ASCII digits. False leaves port untouched.
bool parsePort(const QString &text, quint16 &port);

// 1-4 ASCII digits: the PIN travels as 8-bit text, and a longer one would be cut unseen.
bool isValidPinText(const QString &text);

} // namespace view::networkEntry
