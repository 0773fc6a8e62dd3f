#include "signal_interface/language_types.h"

namespace signalInterface {

LanguageTypes::LanguageTypes(QObject *parent)
    : QObject(parent)
{}

LanguageTypes::~LanguageTypes() = default;

} // namespace signalInterface
