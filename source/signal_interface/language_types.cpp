#include "signal_interface/language_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

LanguageTypes::LanguageTypes(QObject *parent)
    : QObject(parent)
{}

LanguageTypes::~LanguageTypes() = default;

bool LanguageTypes::fromInt(int value, Language &result)
{
    return enumFromInt<LanguageTypes>("Language", value, result);
}

QString LanguageTypes::toText(Language value)
{
    return enumValueText<LanguageTypes>("Language", value);
}

} // namespace signalInterface
