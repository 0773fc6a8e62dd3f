#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// Packing of a PIN into the two-word block that is enciphered and stored in the settings file.
// A PIN is at most four 16-bit code units c0..c3: word 0 = c0 * 65536 + c1, word 1 =
// c2 * 65536 + c3, with missing units taken as 0.
namespace value {

using PinBlock = std::array<quint32, 2>;

constexpr int maxPinLength = 4;

// Packs the first four code units of pin; shorter PINs are padded with 0.
PinBlock packPin(const QString &pin);
// The four code units of block, without the trailing 0 units of padding.
QString unpackPin(const PinBlock &block);
// True for 1 to 4 ASCII decimal digits: the only PINs a panel can type or a sauna accepts.
bool isValidPin(const QString &pin);

PinBlock encipherPin(const QString &pin, unsigned cycles, const quint32 key[4]);
// The stored PIN, or nothing when the block does not decipher to a valid PIN (written with other
// key material, or corrupt); the caller then uses the default PIN.
std::optional<QString> decipherPin(PinBlock block, unsigned cycles, const quint32 key[4]);

} // namespace value
