#include "protocol_buffers_support/si_pb_type_conversion/code_unit_text.h"

namespace pbSupport::conversion {

bool codeUnitsToText(const google::protobuf::RepeatedField<google::protobuf::uint32> &units,
                     QString &out)
{
    out.clear();
    QString text;
    text.reserve(units.size());
    for (const google::protobuf::uint32 unit : units) {
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

} // namespace pbSupport::conversion
