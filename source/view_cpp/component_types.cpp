#include "view_cpp/component_types.h"

#include "signal_interface/enum_value_text.h"

namespace view {

ComponentTypes::ComponentTypes(QObject *parent)
    : QObject(parent)
{}

bool ComponentTypes::fromInt(int value, QmlObjectType &out)
{
    return signalInterface::enumFromInt<ComponentTypes>("QmlObjectType", value, out);
}

QString ComponentTypes::toText(QmlObjectType value)
{
    return signalInterface::enumValueText<ComponentTypes>("QmlObjectType", value);
}

} // namespace view
