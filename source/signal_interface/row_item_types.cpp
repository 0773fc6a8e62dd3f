#include "signal_interface/row_item_types.h"

#include "signal_interface/enum_value_text.h"

namespace signalInterface {

RowItemTypes::RowItemTypes(QObject *parent)
    : QObject(parent)
{}

RowItemTypes::~RowItemTypes() = default;

} // namespace signalInterface
