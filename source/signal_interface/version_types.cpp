#include "signal_interface/version_types.h"

#include <iterator>
#include <limits>

namespace signalInterface::VersionTypes {

namespace {

// Reads the digits at position; a missing number or one that overflows is not read at all.
bool readNumber(const std::string &text, std::size_t &position, unsigned &number)
{
    std::size_t end = position;
    unsigned long long value = 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
        value = value * 10 + static_cast<unsigned>(text[end] - '0');
        if (value > std::numeric_limits<unsigned>::max())
            return false;
        ++end;
    }
    if (end == position)
        return false;
    number = static_cast<unsigned>(value);
    position = end;
    return true;
}

} // namespace

Version makeVersion(unsigned majorPart, unsigned minorPart, unsigned patchPart)
{
    return std::to_string(majorPart) + '.' + std::to_string(minorPart) + '.' +
           std::to_string(patchPart);
}

VersionNumbers parseVersion(const std::string &text)
{
    VersionNumbers numbers;
    unsigned *const parts[] = {&numbers.majorPart, &numbers.minorPart, &numbers.patchPart};
    std::size_t position = 0;
    for (std::size_t part = 0; part < std::size(parts); ++part) {
        if (part > 0) {
            if (position >= text.size())
                break;
            ++position;
        }
        if (!readNumber(text, position, *parts[part]))
            break;
    }
    return numbers;
}

} // namespace signalInterface::VersionTypes
