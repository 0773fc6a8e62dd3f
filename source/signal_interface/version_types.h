#pragma once

#include <QMetaType>

#include <string>

namespace signalInterface::VersionTypes {

// A software version as 8-bit text: three decimal numbers joined by ".", e.g. "1.12.3".
using Version = std::string;

// The three numbers of a version text; parts that could not be read stay 0.
struct VersionNumbers
{
    unsigned majorPart = 0;
    unsigned minorPart = 0;
    unsigned patchPart = 0;

    bool operator==(const VersionNumbers &other) const
    {
        return majorPart == other.majorPart && minorPart == other.minorPart &&
               patchPart == other.patchPart;
    }
    bool operator!=(const VersionNumbers &other) const { return !(*this == other); }
};

Version makeVersion(unsigned majorPart, unsigned minorPart, unsigned patchPart);

// Reads a number, one separator character, a number, one separator character and a number.
// Reading stops at the first part that is not an unsigned decimal number fitting in 32 bits.
VersionNumbers parseVersion(const std::string &text);

} // namespace signalInterface::VersionTypes
