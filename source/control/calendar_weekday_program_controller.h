#pragma once

#include "control/details/calendar_program_settings_controller_base.h"

namespace control {

// Edits a weekly program, repeated on the weekday of its start.
using CalendarWeekdayProgramController = details::CalendarProgramSettingsController<true>;

} // namespace control
