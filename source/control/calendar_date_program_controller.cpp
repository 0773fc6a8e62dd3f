#include "control/calendar_date_program_controller.h"

namespace control {

CalendarDateProgramController::CalendarDateProgramController(
    QObject *parent, details::CalendarDataProvider *dataProvider,
    details::CalendarProgramSettingsFavoriteModel *favoriteModel)
    : CalendarProgramSettingsControllerBase(parent, dataProvider, favoriteModel, false)
{}

CalendarDateProgramController::~CalendarDateProgramController() = default;

} // namespace control
