#include "view_cpp/component_types.h"

namespace view {

ComponentTypes::ComponentTypes(QObject *parent)
    : QObject(parent)
{}

} // namespace view
