#include "pc_panel/link_logging.h"

namespace pcPanel {

Q_LOGGING_CATEGORY(linkLog, "panel.link")

} // namespace pcPanel
