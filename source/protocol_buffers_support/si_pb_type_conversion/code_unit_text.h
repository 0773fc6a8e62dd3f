#pragma once

#include <QString>

#include <google/protobuf/repeated_field.h>

#include <string>

namespace pbSupport::conversion {

// Texts travel as one uint32 per UTF-16 code unit. At most maxLength units are read: a longer text
// is cut there, and the units beyond are neither converted nor looked at, so a flood of units
// costs no more than the bound. A cut never keeps the first half of a surrogate pair without its
// second. A unit above 0xFFFF in what is read cannot be a code unit, so such a text is refused
// whole rather than cut or asserted on; out is then left empty.
bool codeUnitsToText(const google::protobuf::RepeatedField<google::protobuf::uint32> &units,
                     QString &out, qsizetype maxLength);
void textToCodeUnits(const QString &text,
                     google::protobuf::RepeatedField<google::protobuf::uint32> *units);

// The text cut to at most maxLength code units, by the same rule.
QString cutText(const QString &text, qsizetype maxLength);

// An 8-bit text (UTF-8) cut to at most maxLength code units; only as many bytes as can make them
// are decoded.
QString cutUtf8Text(const std::string &bytes, qsizetype maxLength);

} // namespace pbSupport::conversion
