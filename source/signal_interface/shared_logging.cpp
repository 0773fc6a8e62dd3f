#include "signal_interface/shared_logging.h"

namespace signalInterface {

Q_LOGGING_CATEGORY(sharedLog, "panel.shared")

} // namespace signalInterface
