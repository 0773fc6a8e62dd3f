#pragma once

#include <QString>

#include <google/protobuf/repeated_field.h>

namespace pbSupport::conversion {

// Texts travel as one uint32 per UTF-16 code unit. A unit above 0xFFFF cannot be a code unit,
// so such a text is refused whole rather than cut or asserted on; out is then left empty.
bool codeUnitsToText(const google::protobuf::RepeatedField<google::protobuf::uint32> &units,
                     QString &out);
void textToCodeUnits(const QString &text,
                     google::protobuf::RepeatedField<google::protobuf::uint32> *units);

} // namespace pbSupport::conversion
