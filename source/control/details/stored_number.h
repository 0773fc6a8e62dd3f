#pragma once

#include <QtGlobal>

#include <limits>

namespace control::details {

// A favorite's or a program's number, kept by the sauna as an unsigned 32-bit value, for the
// editors that hold an int. A number beyond an int's range counts as the largest int, beyond every
// upper limit, instead of wrapping to a negative number below every lower limit.
constexpr int storedNumber(quint32 stored)
{
    constexpr quint32 largest = quint32(std::numeric_limits<int>::max());
    return int(stored > largest ? largest : stored);
}

} // namespace control::details
