#pragma once

#include <QtGlobal>

namespace value {

// The reference XTEA block cipher (64-bit block, 128-bit key) with the caller's cycle count.
// Stored PINs are enciphered with it; each caller keeps its own fixed key.

// Enciphers the block v in place; 0 cycles leaves it unchanged.
void xteaEncipher(unsigned cycles, quint32 v[2], const quint32 key[4]);
// Deciphers the block v in place; the inverse of xteaEncipher with the same key and cycles.
void xteaDecipher(unsigned cycles, quint32 v[2], const quint32 key[4]);

} // namespace value
