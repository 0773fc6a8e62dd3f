#pragma once

#include "control/details/calendar_program_settings_controller_base.h"

namespace control {

// Edits a program run once, on the date of its start.
using CalendarDateProgramController = details::CalendarProgramSettingsController<false>;

} // namespace control
