#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"

#include <algorithm>

namespace pbSupport::conversion {

namespace {

// How many of a text's first code units a cut to maxLength keeps: all of a text that fits, and
// never a high surrogate whose low half would be cut off.
template<typename UnitAt>
qsizetype keptLength(qsizetype length, qsizetype maxLength, UnitAt unitAt)
{
    maxLength = std::max<qsizetype>(maxLength, 0);
    if (length <= maxLength)
        return length;
    if (maxLength > 0 && QChar::isHighSurrogate(char32_t(unitAt(maxLength - 1))))
        return maxLength - 1;
    return maxLength;
}

} // namespace

bool codeUnitsToText(const google::protobuf::RepeatedField<google::protobuf::uint32> &units,
                     QString &out, qsizetype maxLength)
{
    out.clear();
    const qsizetype length = keptLength(units.size(), maxLength, [&units](qsizetype index) {
        return units.Get(static_cast<int>(index));
    });
    QString text;
    text.reserve(length);
    for (qsizetype index = 0; index < length; ++index) {
        const google::protobuf::uint32 unit = units.Get(static_cast<int>(index));
        if (unit > 0xFFFF)
            return false;
        text.append(QChar(static_cast<char16_t>(unit)));
    }
    out = text;
    return true;
}

void textToCodeUnits(const QString &text,
                     google::protobuf::RepeatedField<google::protobuf::uint32> *units)
{
    units->Reserve(units->size() + static_cast<int>(text.size()));
    for (const QChar unit : text)
        units->Add(unit.unicode());
}

QString cutText(const QString &text, qsizetype maxLength)
{
    return text.first(keptLength(text.size(), maxLength,
                                 [&text](qsizetype index) { return text.at(index).unicode(); }));
}

QString cutUtf8Text(const std::string &bytes, qsizetype maxLength)
{
    // Every sequence of at most four bytes, well-formed or not, gives at least one code unit, so
    // the whole sequences among these bytes give more than maxLength units: whatever a sequence
    // cut off at their end decodes to lies beyond the cut.
    const auto decoded =
        std::min(static_cast<qsizetype>(bytes.size()), 4 * (std::max<qsizetype>(maxLength, 0) + 1));
    return cutText(QString::fromUtf8(bytes.data(), decoded), maxLength);
}

} // namespace pbSupport::conversion
