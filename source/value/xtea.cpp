#include "value/xtea.h"

namespace value {

namespace {

constexpr quint32 delta = 0x9E3779B9u;

} // namespace

// All arithmetic is on unsigned 32-bit words, so it wraps modulo 2^32 as the cipher requires.
void xteaEncipher(unsigned cycles, quint32 v[2], const quint32 key[4])
{
    quint32 v0 = v[0];
    quint32 v1 = v[1];
    quint32 sum = 0;
    for (unsigned i = 0; i < cycles; ++i) {
        v0 += (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + key[sum & 3]);
        sum += delta;
        v1 += (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + key[(sum >> 11) & 3]);
    }
    v[0] = v0;
    v[1] = v1;
}

void xteaDecipher(unsigned cycles, quint32 v[2], const quint32 key[4])
{
    quint32 v0 = v[0];
    quint32 v1 = v[1];
    quint32 sum = delta * cycles;
    for (unsigned i = 0; i < cycles; ++i) {
        v1 -= (((v0 << 4) ^ (v0 >> 5)) + v0) ^ (sum + key[(sum >> 11) & 3]);
        sum -= delta;
        v0 -= (((v1 << 4) ^ (v1 >> 5)) + v1) ^ (sum + key[sum & 3]);
    }
    v[0] = v0;
    v[1] = v1;
}

} // namespace value
