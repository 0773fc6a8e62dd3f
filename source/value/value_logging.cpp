#include "value/value_logging.h"

namespace value {

Q_LOGGING_CATEGORY(valueLog, "panel.value")

} // namespace value
