#include "signal_interface/date_time_types.h"

namespace signalInterface {

DateTimeTypes::DateTimeTypes(QObject *parent)
    : QObject(parent)
{}

DateTimeTypes::~DateTimeTypes() = default;

} // namespace signalInterface
