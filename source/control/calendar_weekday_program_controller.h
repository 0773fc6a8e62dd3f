#pragma once

#include "control/details/calendar_program_settings_controller_base.h"

namespace control {

// Edits a weekly program, repeated on the weekday of its start.
class CalendarWeekdayProgramController : public details::CalendarProgramSettingsControllerBase
{
    Q_OBJECT

public:
    CalendarWeekdayProgramController(QObject *parent, details::CalendarDataProvider *dataProvider,
                                     details::CalendarProgramSettingsFavoriteModel *favoriteModel);
    ~CalendarWeekdayProgramController() override;
};

} // namespace control
