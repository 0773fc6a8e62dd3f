#include "value/pin_packing.h"

#include "value/xtea.h"

namespace value {

namespace {

quint32 codeUnit(const QString &pin, int index)
{
    return index < pin.size() ? pin.at(index).unicode() : 0u;
}

} // namespace

PinBlock packPin(const QString &pin)
{
    return {(codeUnit(pin, 0) << 16) | codeUnit(pin, 1),
            (codeUnit(pin, 2) << 16) | codeUnit(pin, 3)};
}

QString unpackPin(const PinBlock &block)
{
    QString pin;
    pin.reserve(maxPinLength);
    for (const quint32 word : block) {
        pin.append(QChar(static_cast<char16_t>(word >> 16)));
        pin.append(QChar(static_cast<char16_t>(word & 0xFFFFu)));
    }
    while (!pin.isEmpty() && pin.back().unicode() == 0) {
        pin.chop(1);
    }
    return pin;
}

bool isValidPin(const QString &pin)
{
    if (pin.isEmpty() || pin.size() > maxPinLength) {
        return false;
    }
    for (const QChar c : pin) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

PinBlock encipherPin(const QString &pin, unsigned cycles, const quint32 key[4])
{
    PinBlock block = packPin(pin);
    xteaEncipher(cycles, block.data(), key);
    return block;
}

std::optional<QString> decipherPin(PinBlock block, unsigned cycles, const quint32 key[4])
{
    xteaDecipher(cycles, block.data(), key);
    const QString pin = unpackPin(block);
    if (!isValidPin(pin)) {
        return std::nullopt;
    }
    return pin;
}

} // namespace value
