#pragma once

#include "control/details/calendar_program_settings_controller_base.h"

namespace control {

// Edits a program run once, on the date of its start.
class CalendarDateProgramController : public details::CalendarProgramSettingsControllerBase
{
    Q_OBJECT

public:
    CalendarDateProgramController(QObject *parent, details::CalendarDataProvider *dataProvider,
                                  details::CalendarProgramSettingsFavoriteModel *favoriteModel);
    ~CalendarDateProgramController() override;
};

} // namespace control
