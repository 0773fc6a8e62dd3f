#include "view_cpp/view_logging.h"

namespace view {

Q_LOGGING_CATEGORY(viewLog, "panel.view")

} // namespace view
