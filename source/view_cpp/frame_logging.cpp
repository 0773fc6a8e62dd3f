#include "view_cpp/frame_logging.h"

namespace view {

Q_LOGGING_CATEGORY(frameLog, "panel.frame")

} // namespace view
